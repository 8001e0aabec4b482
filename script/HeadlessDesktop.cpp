// The headless desktop: forms on headless forms (HostedForm), the pointer
// and the focus of each form, and one virtual clock for all of them.
#include <algorithm>
#include <cmath>

#include <vemmix/Errors.h>
#include <vemmix/headless/HeadlessContainer.h>

#include "script/ScriptForm.h"

namespace vemmix::script {

namespace {

using headless::HeadlessSite;

// The pointer's place in form pixels for client coordinates of a window;
// float coordinates are rounded as the window system's are (to nearest).
gdi::POINT FormPoint(const HeadlessSite& site, double x, double y) {
    return gdi::POINT{site.bounds().left + static_cast<int>(std::lround(x)),
                      site.bounds().top + static_cast<int>(std::lround(y))};
}

class HeadlessScriptForm final : public ScriptForm {
public:
    explicit HeadlessScriptForm(std::unique_ptr<host::HostedForm> form) : m_Form(std::move(form)) {}

    std::vector<Control*> Controls() const override {
        std::vector<Control*> controls;
        for (const auto& site : Headless().sites()) controls.push_back(&site->control());
        return controls;
    }
    Control* Find(QStringView reference) const override {
        HeadlessSite* site = m_Form->Find(reference);
        return site ? &site->control() : nullptr;
    }
    QString Reference(const Control& control) const override {
        const HeadlessSite* site = SiteOf(control);
        return site ? QString::fromStdU16String(site->name()) : QString();
    }
    QString ClassName(const Control& control) const override {
        const HeadlessSite* site = SiteOf(control);
        if (!site) return {};
        const host::FormControl* record = m_Form->document().Find(QString::fromStdU16String(site->name()));
        return record ? record->className : QString();
    }
    Control* Add(host::FormControl record, host::FormError* error, std::int32_t* number) override {
        HeadlessSite* site = m_Form->Add(std::move(record), error, number);
        if (!site) return nullptr;
        Hook(*site);
        return &site->control();
    }
    host::FormDocument Save() override { return m_Form->Save(); }
    QStringList Problems() const override { return m_Form->problems(); }
    void SetEventHandler(EventHandler handler) override {
        m_Handler = std::move(handler);
        for (const auto& site : Headless().sites()) Hook(*site);
    }

    bool Focus(Control* control) override {
        if (!control) {
            Headless().SetFocus(nullptr);
            return true;
        }
        HeadlessSite* site = SiteOf(*control);
        if (!site || !site->Enabled() || !site->visible() || !site->tabStop) return false;
        Headless().SetFocus(site);
        return true;
    }
    Control* FocusControl() const override {
        HeadlessSite* site = Headless().focus();
        return site ? &site->control() : nullptr;
    }
    void Tab(bool forward) override { Headless().Tab(forward); }
    Control* AccessKey(char16_t key) override {
        HeadlessSite* target = nullptr;
        if (key == 13 || key == 27) {
            const host::FormSettings& settings = m_Form->document().form;
            target = m_Form->Find(key == 13 ? settings.defaultControl : settings.cancelControl);
        } else {
            target = AccessKeyHolder(key);
        }
        if (!target || !target->Enabled() || !target->visible()) return nullptr;
        std::int16_t keyAscii = static_cast<std::int16_t>(QChar(key).toLower().unicode());
        target->control().AccessKeyPress(keyAscii);
        return &target->control();
    }
    void Pointer(Control* control, int x, int y) override {
        const HeadlessSite* site = control ? SiteOf(*control) : nullptr;
        if (site)
            Headless().SetPointer(FormPoint(*site, x, y));
        else
            Headless().SetPointer(std::nullopt);
    }

    QImage Image(Control* control, std::optional<host::ControlState> state) override {
        if (!control) return state ? m_Form->Render(*state) : m_Form->Render();
        return state ? m_Form->RenderControl(Reference(*control), *state) : m_Form->RenderControl(Reference(*control));
    }
    std::optional<COLORREF> Pixel(Control& control, int x, int y) const override {
        const HeadlessSite* site = SiteOf(control);
        if (!site) return std::nullopt;
        const gdi::RECT b = site->bounds();
        if (x < 0 || y < 0 || x >= b.right - b.left || y >= b.bottom - b.top) return std::nullopt;
        return site->PixelAt(x, y);
    }
    bool Enabled(const Control& control) const override {
        const HeadlessSite* site = SiteOf(control);
        return site && site->Enabled();
    }
    std::vector<std::string> LogLines() const override { return Headless().LogLines(); }
    void ClearLog() override { Headless().ClearLog(); }

    headless::HeadlessForm& Headless() const { return m_Form->form(); }

private:
    HeadlessSite* SiteOf(const Control& control) const {
        for (const auto& site : Headless().sites())
            if (&site->control() == &control) return site.get();
        return nullptr;
    }
    bool TakesInput(const Control& control) const override {
        const HeadlessSite* site = SiteOf(control);
        return site && site->Enabled();
    }
    bool PointerTo(const Control& control, float x, float y) override {
        const HeadlessSite* site = SiteOf(control);
        if (!site) return false;
        Headless().SetPointer(FormPoint(*site, x, y));
        return site->Enabled();
    }
    // The holder of an access key: several controls with one key take
    // turns, in tab order after the focus.
    HeadlessSite* AccessKeyHolder(char16_t key) const {
        const auto& sites = Headless().sites();
        const int count = static_cast<int>(sites.size());
        int start = -1;
        for (int i = 0; i < count; ++i)
            if (sites[static_cast<std::size_t>(i)].get() == Headless().focus()) start = i;
        const QChar wanted = QChar(key).toLower();
        for (int step = 1; step <= count; ++step) {
            HeadlessSite* site = sites[static_cast<std::size_t>((start + step) % count)].get();
            for (char16_t k : site->accessKeys())
                if (QChar(k).toLower() == wanted && site->Enabled() && site->visible()) return site;
        }
        return nullptr;
    }
    void Hook(HeadlessSite& site) {
        Control& control = site.control();
        if (m_Handler)
            site.onEvent = [this, &control](std::int32_t dispid, std::span<Variant> args) {
                return m_Handler(control, dispid, args);
            };
        else
            site.onEvent = nullptr;
    }

    std::unique_ptr<host::HostedForm> m_Form;
    EventHandler m_Handler;
};

class HeadlessDesktop final : public ScriptDesktop {
public:
    HeadlessDesktop(std::shared_ptr<const host::ControlRegistry> registry, host::HostOptions options)
        : m_Registry(std::move(registry)), m_Options(std::move(options)) {}

    std::unique_ptr<ScriptForm> Open(host::FormDocument document, host::FormError* error) override {
        std::unique_ptr<host::HostedForm> form = host::HostedForm::Load(std::move(document), m_Registry, m_Options, error);
        if (!form) return nullptr;
        return std::make_unique<HeadlessScriptForm>(std::move(form));
    }

    // One form runs its own clock in steps of a second, so a stop is seen
    // soon; several run in lockstep, a millisecond at a time, so that their
    // timers take turns as on one desktop.
    void Advance(std::span<ScriptForm* const> forms, std::uint64_t milliseconds,
                 const std::function<bool()>& stop) override {
        const std::uint64_t step = forms.size() > 1 ? 1 : 1000;
        std::uint64_t left = milliseconds;
        while (left > 0 && !(stop && stop())) {
            const std::uint64_t span = std::min(step, left);
            for (ScriptForm* form : forms) {
                m_Advancing = &static_cast<HeadlessScriptForm*>(form)->Headless();
                m_Base = m_Advancing->now();
                m_Advancing->AdvanceTime(span);
            }
            m_Advancing = nullptr;
            m_Now += span;
            left -= span;
        }
    }
    // during a tick, the tick's time
    std::uint64_t Now() const override { return m_Now + (m_Advancing ? m_Advancing->now() - m_Base : 0); }

private:
    std::shared_ptr<const host::ControlRegistry> m_Registry;
    host::HostOptions m_Options;
    std::uint64_t m_Now = 0;
    headless::HeadlessForm* m_Advancing = nullptr;  // the form whose timers run now
    std::uint64_t m_Base = 0;                       // its clock when it began
};

}  // namespace

std::unique_ptr<ScriptDesktop> MakeHeadlessDesktop(std::shared_ptr<const host::ControlRegistry> registry,
                                                   host::HostOptions options) {
    return std::make_unique<HeadlessDesktop>(std::move(registry), std::move(options));
}

}  // namespace vemmix::script
