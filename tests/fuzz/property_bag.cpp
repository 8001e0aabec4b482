// ReadProperties over a property bag built from the input: any of the 64
// keys (or another name, in any case) with a value of any kind. Then the
// round trip: what the button saves, a second button loads and saves again
// unchanged (write -> read -> write gives the same set), and a repaint of
// the loaded button stays within its window.
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

// The persisted keys, in save order (the saved set names no other).
constexpr std::u16string_view kKeys[] = {
    u"BackColor", u"ForeColor", u"Enabled", u"Font", u"Appearance", u"MaskColor", u"MouseIcon",
    u"MousePointer", u"Picture", u"RightToLeft", u"AppearanceMode", u"AppearanceThemes",
    u"BackColorDown", u"BackColorOver", u"BackColorFocus", u"BackColorDisabled", u"BorderColor",
    u"BorderDrawEvent", u"BorderWidth", u"TransparentColor", u"Caption", u"CaptionAlignment",
    u"CaptionEffect", u"CaptionEffectEvent", u"CaptionOffsetX", u"CaptionOffsetY",
    u"CaptionPosition", u"DefaultThemes", u"Depth", u"DepthMode", u"DepthEvent",
    u"DropDownPicture", u"DropDownWidth", u"ForeColorDisabled", u"ForeColorOver",
    u"ForeColorFocus", u"ForeColorDown", u"PictureDisabled", u"PictureDown", u"PictureFocus",
    u"PictureOffsetX", u"PictureOffsetY", u"PictureOver", u"PictureAlignment", u"PictureStretch",
    u"PictureDisabledEffect", u"PictureFocusEffect", u"PictureDownEffect", u"PictureOverEffect",
    u"ShowFocus", u"ToggleValue", u"ToolTipBackColor", u"ToolTipForeColor", u"ToolTipTitle",
    u"ToolTipStyle", u"ToolTipIcon", u"OLEDropMode", u"OLEDragMode", u"Value", u"GradientType",
    u"TextFadeToColor", u"TextFadeCycle", u"TextFadeEvents", u"TextFadeSpeed"};

std::u16string KeyName(fuzz::Input& in) {
    std::u16string key(in.Pick<std::u16string_view>(kKeys));
    if (in.Bool())
        for (char16_t& c : key)
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return key;
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void CheckFlags(const Zorvane& b) {
    const VisualState& s = b.State();
    for (VBool flag : {s.m_MouseOver, s.m_Pressed, s.m_InDropDown, s.m_MouseDown, s.m_HasFocus,
                       s.m_Hidden})
        if (flag != kTrue && flag != kFalse) Fail("a state flag other than -1 or 0");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    headless::HeadlessForm form;
    headless::MemoryPropertyBag hostile;
    const int entries = in.In(0, 24);
    for (int i = 0; i < entries; ++i) hostile.Set(KeyName(in), in.Value());
    if (in.Bool()) hostile.FailReads(KeyName(in));

    const auto place = [&](std::u16string name) -> Zorvane& {
        headless::HeadlessSite* site = form.AddControl(u"Vemmix.Zorvane", std::move(name), {0, 0, 24, 10});
        if (!site) Fail("no button");
        site->displayName = u"Same";
        return *static_cast<Zorvane*>(&site->control());
    };
    const std::size_t before = gdi::LiveObjectCount(gdi::ObjectKind::DC);

    Zorvane& a = place(u"A");
    a.ReadProperties(hostile);
    headless::MemoryPropertyBag first;
    a.WriteProperties(first);

    Zorvane& b = place(u"B");
    b.ReadProperties(first);
    headless::MemoryPropertyBag second;
    b.WriteProperties(second);
    if (second.entries() != first.entries()) Fail("write -> read -> write changed the saved set");

    b.Show();
    CheckFlags(b);
    if (gdi::LiveObjectCount(gdi::ObjectKind::DC) != before + 2) Fail("a context outlived its repaint");
    for (gdi::ObjectKind kind : {gdi::ObjectKind::Pen, gdi::ObjectKind::Brush, gdi::ObjectKind::Font,
                                 gdi::ObjectKind::Palette})
        if (gdi::LiveObjectCount(kind) != 0) Fail("a drawing object outlived its repaint");
    return 0;
}
