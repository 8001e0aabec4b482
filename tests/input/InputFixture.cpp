#include "tests/input/InputFixture.h"

#include <cstdio>
#include <sstream>

namespace vemmix::test {

namespace {

std::string FaceName(const headless::LogEntry& entry, int width) {
    const std::size_t index = static_cast<std::size_t>(2 * width + 2);
    if (entry.pixels.size() <= index) return "?";
    const gdi::COLORREF c = gdi::ColorFromPixel(entry.pixels[index]) & 0xFFFFFFu;
    switch (c) {
    case kUpColor: return "up";
    case kDownColor: return "down";
    case kOverColor: return "over";
    case kFocusColor: return "focus";
    case kDisabledColor: return "disabled";
    default: {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%06X", c);
        return buffer;
    }
    }
}

}  // namespace

void InputTest::SetUp() {
    ButtonTest::SetUp();
    UseKnownState();
}

void InputTest::UseKnownState(bool fadeSpeed) {
    btn().SetAppearance(ecAppearance::Flat);
    btn().SetAppearanceMode(ecAppearanceMode::Standard);
    btn().SetBorderDrawEvent(ecEvents::Never);
    btn().SetShowFocus(kFalse);
    btn().SetCaption(u"");
    btn().SetDepth(0);
    btn().SetDropDownWidth(16);
    btn().SetBackColor(kUpColor);
    btn().SetBackColorDown(kDownColor);
    btn().SetBackColorOver(kOverColor);
    btn().SetBackColorFocus(kFocusColor);
    btn().SetBackColorDisabled(kDisabledColor);
    btn().SetTextFadeEvents(ecEvents::Never);
    btn().SetTextFadeCycle(0);
    if (fadeSpeed) btn().SetTextFadeSpeed(10);
    btn().SetToolTipStyle(ecToolTipStyle::Classic);
    btn().SetToolTipTitle(u"");
    btn().SetToolTipBackColor(-1);
    btn().SetToolTipForeColor(-1);
    btn().SetToggleValue(kFalse);
    form.snapshotRepaints = true;
    PointerAway();
    form.ClearLog();
}

void InputTest::OnEvent(Handler handler) {
    static const char* const kNames[] = {
        "", "Click", "DblClick", "KeyDown", "KeyPress", "KeyUp", "MouseDown", "MouseMove",
        "MouseUp", "MouseOver", "MouseOut", "DropDownClick", "OLEDragOver", "OLEDragDrop",
        "OLEGiveFeedback", "OLEStartDrag", "OLESetData", "OLECompleteDrag", "TextFadeEnd"};
    site->onEvent = [handler](std::int32_t dispid, std::span<Variant> args) -> std::int32_t {
        const std::string name = dispid > 0 && dispid < 19 ? kNames[dispid] : "?";
        return handler(name, args);
    };
}

std::vector<std::string> InputTest::ScriptLines(std::size_t mark) const {
    std::vector<std::string> lines;
    const auto& log = form.log();
    const int width = site->bounds().right - site->bounds().left;
    for (std::size_t i = mark; i < log.size(); ++i) {
        const headless::LogEntry& entry = log[i];
        if (entry.control == site->name() && entry.kind == headless::LogEntry::Kind::Repaint) {
            lines.push_back("repaint " + FaceName(entry, width));
            continue;
        }
        std::string line = headless::HeadlessForm::FormatLogEntry(entry);
        const std::string prefix = "Zorvane1 ";
        if (line.compare(0, prefix.size(), prefix) == 0) line.erase(0, prefix.size());
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> InputTest::Do(const std::string& input) {
    const std::size_t mark = Mark();
    std::istringstream in(input);
    std::string verb;
    in >> verb;
    auto number = [&](double fallback = 0) {
        double v = fallback;
        if (!(in >> v)) v = fallback;
        return v;
    };
    auto z = [&]() -> Zorvane& { return btn(); };
    if (verb == "down" || verb == "up" || verb == "move") {
        const double x = number(), y = number();
        const auto b = static_cast<std::int16_t>(number(verb == "move" ? 0 : 1));
        form.SetPointer(gdi::POINT{site->bounds().left + static_cast<int>(x),
                                   site->bounds().top + static_cast<int>(y)});
        const float fx = static_cast<float>(x), fy = static_cast<float>(y);
        if (verb == "down") z().MouseDown(b, 0, fx, fy);
        else if (verb == "up") z().MouseUp(b, 0, fx, fy);
        else z().MouseMove(b, 0, fx, fy);
    } else if (verb == "dbl") {
        z().DblClick();
    } else if (verb == "key" || verb == "keyup") {
        lastKeyCode = static_cast<std::int16_t>(number());
        std::int16_t shift = 0;
        if (verb == "key") z().KeyDown(lastKeyCode, shift);
        else z().KeyUp(lastKeyCode, shift);
    } else if (verb == "press") {
        lastKeyAscii = static_cast<std::int16_t>(number());
        z().KeyPress(lastKeyAscii);
    } else if (verb == "access") {
        lastKeyAscii = static_cast<std::int16_t>(number());
        z().AccessKeyPress(lastKeyAscii);
    } else if (verb == "focus") {
        Focus();
    } else if (verb == "blur") {
        form.SetFocus(nullptr);
    } else if (verb == "tick") {
        Tick(static_cast<std::uint64_t>(number()));
    } else if (verb == "pointer") {
        const double x = number(), y = number();
        PointerAt(static_cast<int>(x), static_cast<int>(y));
    } else if (verb == "away") {
        PointerAway();
    } else if (verb == "value") {
        lastError = z().SetValue(kTrue);
    } else if (verb == "fadestart") {
        lastError = z().TextFade_Start();
    } else if (verb == "fadestop") {
        lastError = z().TextFade_Stop();
    } else if (verb != "flags") {
        ADD_FAILURE() << "unknown script input: " << input;
    }
    std::vector<std::string> lines = ScriptLines(mark);
    if (verb == "flags") {
        const VisualState& s = z().State();
        std::string line = "flags:";
        if (s.m_Pressed) line += " Pressed";
        if (s.m_MouseDown) line += " MouseDown";
        if (s.m_InDropDown) line += " InDropDown";
        if (s.m_MouseOver) line += " MouseOver";
        if (s.m_HasFocus) line += " HasFocus";
        if (z().ToggleValue()) line += " ToggleValue";
        if (line == "flags:") line += " none";
        lines.push_back(line);
    }
    return lines;
}

void InputTest::Run(const std::vector<ScriptStep>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + steps[i].input);
        EXPECT_EQ(Do(steps[i].input), steps[i].expected);
    }
}

int InputTest::Count(const std::vector<std::string>& lines, const std::string& line) {
    int n = 0;
    for (const std::string& l : lines)
        if (l == line) ++n;
    return n;
}

}  // namespace vemmix::test
