// The stateful fuzzer: one button on a headless form driven by a random
// sequence of what a host, a user and the container do to it: property
// puts and gets by name (any member, any kind of value, any invoke kind),
// method calls, mouse, keyboard, focus, access-key and drag notifications,
// timer ticks, resizes (0 to 40,000 pixels a side, 16 Kpixels at most),
// Show and Hide, ambient changes, and event handlers that change their
// arguments, fail, or call back into the button. After every step:
//   - no exception escaped,
//   - every state flag and stored Boolean holds exactly -1 or 0,
//   - no context, pen, brush, font or palette is alive beyond the
//     window's own context (each repaint released what it made),
//   - the window's image is the window's size (AddressSanitizer watches
//     every write) and the step took less than a second,
//   - at chosen steps and at the end, a save loaded into a second button
//     saves the same set again (but for the theme colours an automatic
//     theme takes from the desktop at each load).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <vemmix/headless/HeadlessContainer.h>

#include "control/TypeLibrary.h"
#include "control/Zorvane.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

using namespace vemmix;
using Clock = std::chrono::steady_clock;

// The largest window a step makes: one side may reach 40,000 pixels, the
// area stays within 16 Kpixels so an execution stays cheap (a repaint's
// cost grows with the window; the surface tests cover large bitmaps).
constexpr std::int64_t kMaxWindowPixels = std::int64_t{1} << 14;
constexpr auto kStepTimeBound = std::chrono::seconds(1);
constexpr int kMaxSteps = 32;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

bool IsFlag(VBool v) { return v == kTrue || v == kFalse; }

class Session {
public:
    explicit Session(fuzz::Input& in) : m_In(in) {
        m_Site = m_Form.AddControl(u"Vemmix.Zorvane", u"Zorvane1", {0, 0, 32, 12});
        if (!m_Site) Fail("no button");
        m_Site->displayName = u"Same";
        m_Button = static_cast<Zorvane*>(&m_Site->control());
        if (m_In.Bool()) {
            m_Button->InitProperties();
        } else {
            headless::MemoryPropertyBag empty;
            m_Button->ReadProperties(empty);
        }
        m_Site->onEvent = [this](std::int32_t dispid, std::span<Variant> args) { return Handler(dispid, args); };
        m_Form.ambientUserMode = m_In.Bool();
        m_Button->Show();
    }

    void Run() {
        for (int step = 0; step < kMaxSteps && !m_In.Empty(); ++step) {
            const auto start = Clock::now();
            try {
                Step();
            } catch (...) {
                Fail("an exception escaped");
            }
            if (Clock::now() - start > kStepTimeBound) Fail("a step took longer than its bound");
            Check();
        }
        SaveLoadAgrees();
    }

private:
    Zorvane& B() { return *m_Button; }

    std::int32_t Handler(std::int32_t, std::span<Variant> args) {
        // changes some by-reference arguments, sometimes calls back in
        for (Variant& arg : args)
            if (m_In.In(0, 3) == 1) arg = m_In.Value();
        if (m_In.In(0, 7) == 1) Put();
        if (m_In.In(0, 15) == 1) Input();
        return m_In.In(0, 7) == 1 ? m_In.Number() : 0;
    }

    void Put() {
        const typelib::Member& member = m_In.Pick<typelib::Member>(typelib::kMembers);
        std::int32_t dispid = 0;
        const std::u16string_view name = member.name;
        if (B().GetIDOfName(name, dispid) != 0) Fail("a member of the type library has no identifier");
        Variant value = m_In.Value();
        const bool object = value.type() == Variant::Type::Font || value.type() == Variant::Type::Picture;
        Variant args[] = {std::move(value)};
        Variant result;
        B().Invoke(dispid, object ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut, args, result);
    }

    void Invoke() {
        constexpr InvokeKind kKinds[] = {InvokeKind::Method, InvokeKind::PropertyGet, InvokeKind::PropertyPut,
                                         InvokeKind::PropertyPutRef};
        std::int32_t dispid = m_In.Bool() ? m_In.Pick<typelib::Member>(typelib::kMembers).dispid : m_In.Number();
        if (m_In.In(0, 7) == 0) B().GetIDOfName(m_In.Text(), dispid);
        std::vector<Variant> args(m_In.In<std::size_t>(0, 2));
        for (Variant& a : args) a = m_In.In(0, 5) == 0 ? Variant::Missing() : m_In.Value();
        Variant result;
        B().Invoke(dispid, m_In.Pick<InvokeKind>(kKinds), args, result);
    }

    float Coordinate() {
        return m_In.Bool() ? static_cast<float>(m_In.In(-10, 60)) : static_cast<float>(m_In.Double());
    }

    void Input() {
        std::int16_t a = m_In.Any<std::int16_t>(), s = m_In.In<std::int16_t>(0, 7);
        const std::int16_t mouseButton = m_In.Bool() ? m_In.In<std::int16_t>(0, 4) : a;
        switch (m_In.In(0, 15)) {
        case 0: B().MouseDown(mouseButton, s, Coordinate(), Coordinate()); break;
        case 1: B().MouseMove(mouseButton, s, Coordinate(), Coordinate()); break;
        case 2: B().MouseUp(mouseButton, s, Coordinate(), Coordinate()); break;
        case 3: B().Click(); break;
        case 4: B().DblClick(); break;
        case 5: { std::int16_t key = m_In.Bool() ? m_In.In<std::int16_t>(0, 40) : a; B().KeyDown(key, s); break; }
        case 6: { std::int16_t key = m_In.Bool() ? m_In.In<std::int16_t>(0, 40) : a; B().KeyUp(key, s); break; }
        case 7: B().KeyPress(a); break;
        case 8: m_Form.SetFocus(m_In.Bool() ? m_Site : nullptr); break;
        case 9: B().ExitFocus(); break;
        case 10: B().AccessKeyPress(a); break;
        case 11: {
            DataObjectRef data = m_In.Bool() ? MakeDataObject() : nullptr;
            std::int32_t effect = m_In.Number();
            float x = Coordinate(), y = Coordinate();
            std::int16_t state = m_In.In<std::int16_t>(0, 2);
            if (m_In.Bool()) B().OLEDragOver(data, effect, a, s, x, y, state);
            else B().OLEDragDrop(data, effect, a, s, x, y);
            break;
        }
        case 12: {
            std::int32_t effect = m_In.Number();
            VBool cursors = m_In.Any<std::int16_t>();
            DataObjectRef data = MakeDataObject();
            switch (m_In.In(0, 3)) {
            case 0: B().OLEGiveFeedback(effect, cursors); break;
            case 1: B().OLEStartDrag(data, effect); break;
            case 2: B().OLESetData(data, a); break;
            default: B().OLECompleteDrag(effect); break;
            }
            break;
        }
        case 13:
            m_Form.SetPointer(m_In.Bool() ? std::optional<gdi::POINT>(gdi::POINT{m_In.In(-5, 50), m_In.In(-5, 50)})
                                          : std::nullopt);
            break;
        case 14: B().Paint(); break;
        default: B().TimerTick(m_In.Bool() ? TimerId::Over : TimerId::Fading); break;
        }
    }

    // Mostly button sizes; now and then a side of up to 40,000 pixels with
    // the other side small.
    void Resize() {
        int width = m_In.In(0, 120), height = m_In.In(0, 60);
        if (m_In.In(0, 7) == 0) {
            const int side = m_In.In(0, 40000);
            const int other = m_In.In(0, static_cast<int>(kMaxWindowPixels / std::max(side, 1)));
            if (m_In.Bool()) width = side, height = other;
            else width = other, height = side;
        }
        m_Site->SetBounds({0, 0, width, height});
    }

    void Ambient() {
        constexpr std::u16string_view kNames[] = {u"BackColor", u"DisplayName", u"Font", u"UserMode",
                                                  u"DisplayAsDefault", u"ForeColor", u""};
        switch (m_In.In(0, 3)) {
        case 0: m_Form.ambientBackColor = static_cast<OleColor>(m_In.Number()); break;
        case 1: m_Form.ambientUserMode = m_In.Bool(); break;
        case 2: m_Site->displayAsDefault = m_In.Bool(); break;
        default: m_Form.offerAmbients = m_In.Bool(); break;
        }
        B().AmbientChanged(m_In.Pick<std::u16string_view>(kNames));
    }

    void Step() {
        switch (m_In.In(0, 12)) {
        case 0: case 1: case 2: Put(); break;
        case 3: {  // a get of any property
            std::int32_t dispid = m_In.Pick<typelib::Member>(typelib::kMembers).dispid;
            Variant result;
            B().Invoke(dispid, InvokeKind::PropertyGet, {}, result);
            break;
        }
        case 4: Invoke(); break;
        case 5: case 6: Input(); break;
        case 7: m_Form.AdvanceTime(m_In.In<std::uint64_t>(0, 120)); break;
        case 8: Resize(); break;
        case 9: m_Site->SetVisible(m_In.Bool()); break;
        case 10: Ambient(); break;
        case 11: SaveLoadAgrees(); break;
        default: B().Refresh(); break;
        }
    }

    void Check() {
        const VisualState& s = B().State();
        for (VBool flag : {s.m_MouseOver, s.m_Pressed, s.m_InDropDown, s.m_MouseDown, s.m_HasFocus, s.m_Hidden})
            if (!IsFlag(flag)) Fail("a state flag other than -1 or 0");
        for (VBool flag : {B().Value(), B().ToggleValue(), B().ShowFocus(), B().PictureStretch(),
                           B().Enabled(), B().RightToLeft()})
            if (!IsFlag(flag)) Fail("a stored Boolean other than -1 or 0");
        if (gdi::LiveObjectCount(gdi::ObjectKind::DC) != m_Form.sites().size())
            Fail("a context outlived its repaint");
        for (gdi::ObjectKind kind : {gdi::ObjectKind::Pen, gdi::ObjectKind::Brush, gdi::ObjectKind::Font,
                                     gdi::ObjectKind::Palette})
            if (gdi::LiveObjectCount(kind) != 0) Fail("a drawing object outlived its repaint");
        const gdi::RECT bounds = m_Site->bounds();
        const gdi::PixelView view = m_Site->pixels();
        if (view.width != 0 && (view.width != bounds.right - bounds.left || view.height != bounds.bottom - bounds.top))
            Fail("the window's image is not the window's size");
    }

    // What a second button loads from the set `z` saves, and saves again.
    headless::MemoryPropertyBag Reloaded(headless::MemoryPropertyBag& saved) {
        headless::HeadlessSite* other = m_Form.AddControl(u"Vemmix.Zorvane", u"Zorvane2", {0, 0, 8, 8});
        if (!other) Fail("no second button");
        other->displayName = u"Same";
        other->control().ReadProperties(saved);
        headless::MemoryPropertyBag again;
        other->control().WriteProperties(again);
        m_Form.RemoveControl(*other);
        return again;
    }

    // A save loaded into a second button saves the same set. Under
    // automatic theme detection a load takes an XP-family style's theme
    // colours from the desktop again, by design: then those six keys may
    // differ once, and the set saved after the load comes back unchanged.
    void SaveLoadAgrees() {
        headless::MemoryPropertyBag first;
        B().WriteProperties(first);
        headless::MemoryPropertyBag second = Reloaded(first);
        if (second.entries() == first.entries()) return;
        const std::int32_t a = B().Appearance();
        const bool themed = B().AppearanceThemes() == ecAppearanceThemes::AutoDetect &&
                            (a == ecAppearance::WindowsXP ||
                             (a >= ecAppearance::Office2003 && a <= ecAppearance::VistaSunset));
        if (themed && WithoutThemeColours(first) == WithoutThemeColours(second) &&
            Reloaded(second).entries() == second.entries())
            return;
        Print("saved", first);
        Print("saved again", second);
        Fail("a save and a load gave another set");
    }

    static std::vector<std::pair<std::u16string, Variant>> WithoutThemeColours(
        const headless::MemoryPropertyBag& bag) {
        constexpr std::u16string_view kThemeColours[] = {u"BackColor", u"BackColorDown", u"BackColorOver",
                                                         u"BackColorFocus", u"BackColorDisabled", u"BorderColor"};
        std::vector<std::pair<std::u16string, Variant>> rest;
        for (const auto& entry : bag.entries())
            if (std::find(std::begin(kThemeColours), std::end(kThemeColours), entry.first) == std::end(kThemeColours))
                rest.push_back(entry);
        return rest;
    }

    static void Print(const char* title, const headless::MemoryPropertyBag& bag) {
        std::fprintf(stderr, "%s:", title);
        for (const auto& [key, value] : bag.entries()) {
            std::string name(key.begin(), key.end());
            std::fprintf(stderr, " %s(%d)", name.c_str(), static_cast<int>(value.type()));
            if (const auto number = ToDouble(value)) std::fprintf(stderr, "=%g", *number);
        }
        std::fprintf(stderr, "\n");
    }

    fuzz::Input& m_In;
    headless::HeadlessForm m_Form;
    headless::HeadlessSite* m_Site = nullptr;
    Zorvane* m_Button = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    Session session(in);
    session.Run();
    return 0;
}
