// The caption: a device font from Font, the rectangle picture placement left
// for CaptionPosition inset by the caption offsets, vertical alignment by
// measuring the wrapped text, the depth shift, the relief passes and the
// caption in the colour of the state (or of the running fade).
#include <cstring>
#include <string>

#include "base/Windows1252.h"
#include "base/Steps.h"
#include "base/Units.h"
#include "control/Zorvane.h"

namespace vemmix {


namespace {

// Offsets of the relief passes: each moves the left and top edges only.
struct ReliefPass {
    int dx, dy;
    bool light;  // m_LightRGB, else m_ShadowRGB
};
struct Relief {
    int passes;
    ReliefPass pass[2];
};
constexpr Relief kReliefs[3] = {
    {1, {{+1, +1, false}, {}}},                  // 0 Shadowed
    {2, {{-1, -1, true}, {+1, +1, false}}},      // 1 Embossed
    {2, {{+1, +1, true}, {-1, -1, false}}},      // 2 Engraved
};

}  // namespace

void Zorvane::DrawCaption(Painter& painter) {
    const gdi::HDC dc = painter.DC();

    // device font
    RunStep([&] {
        if (!m_Font) {
            if (auto ambient = m_Site.AmbientFont()) m_Font = *ambient;
        }
    });
    gdi::LOGFONT logFont;
    RunStep([&] {
        if (!m_Font) throw StepFailed{};
        const std::string face = ToWindows1252(m_Font->Name());
        std::memcpy(logFont.lfFaceName, face.data(), std::min(face.size(), sizeof logFont.lfFaceName));
    });
    RunStep([&] {
        if (!m_Font) throw StepFailed{};
        const std::int32_t points = Nearest32(m_Font->Size());
        logFont.lfHeight = -MulDiv(points, gdi::GetDeviceCaps(dc, gdi::LOGPIXELSY), 72);
        logFont.lfWeight = m_Font->Bold() ? 700 : 400;
        logFont.lfItalic = m_Font->Italic() ? 1 : 0;
        logFont.lfUnderline = m_Font->Underline() ? 1 : 0;
        logFont.lfStrikeOut = m_Font->Strikethrough() ? 1 : 0;
        logFont.lfCharSet = static_cast<std::uint8_t>(m_Font->Charset());
    });
    // the surface's calls report failure by a null handle; nothing throws.
    // The renderer also gets the font's own UTF-16 name, whole.
    const gdi::HFONT font =
        gdi::CreateFontNamed(logFont, m_Font ? std::u16string_view(m_Font->Name()) : std::u16string_view());
    const gdi::HFONT previousFont = font ? gdi::SelectObject(dc, font) : gdi::HFONT{};

    // the caption as the surface takes it
    const bool unicode = m_Unicode == kTrue;
    std::string ansi;
    if (!unicode) RunStep([&] { ansi = ToWindows1252(m_Caption); });
    const auto drawText = [&](gdi::RECT& rect, unsigned format) {
        if (m_Caption.empty()) return;  // an empty caption draws nothing
        if (unicode)
            gdi::DrawTextW(dc, m_Caption.c_str(), -1, &rect, format);
        else
            gdi::DrawTextA(dc, ansi.c_str(), -1, &rect, format);
    };

    // rectangle by CaptionPosition, in place
    gdi::RECT& rect = m_Layout.caption;
    switch (m_CaptionPosition) {
    case ecCaptionPos::LeftOfPicture:   rect = m_Layout.leftOfPicture; break;
    case ecCaptionPos::RightOfPicture:  rect = m_Layout.rightOfPicture; break;
    case ecCaptionPos::TopOfPicture:    rect = m_Layout.abovePicture; break;
    case ecCaptionPos::BottomOfPicture: rect = m_Layout.belowPicture; break;
    default: break;  // Above Picture: the whole content box
    }

    // inset by the offsets
    RunStep([&] { rect.left = CheckedInt32(std::int64_t{rect.left} + m_CaptionOffsetX); });
    RunStep([&] { rect.right = CheckedInt32(std::int64_t{rect.right} - m_CaptionOffsetX); });
    RunStep([&] { rect.top = CheckedInt32(std::int64_t{rect.top} + m_CaptionOffsetY); });
    RunStep([&] { rect.bottom = CheckedInt32(std::int64_t{rect.bottom} - m_CaptionOffsetY); });

    // alignment: the column gives the flag, the row the vertical placement
    unsigned horizontal = gdi::DT_LEFT;
    switch (m_CaptionAlignment) {
    case ecAlignment::TopCenter: case ecAlignment::MiddleCenter: case ecAlignment::BottomCenter:
        horizontal = gdi::DT_CENTER; break;
    case ecAlignment::TopRight: case ecAlignment::MiddleRight: case ecAlignment::BottomRight:
        horizontal = gdi::DT_RIGHT; break;
    default: break;
    }
    const bool middleRow = m_CaptionAlignment >= ecAlignment::MiddleLeft &&
                           m_CaptionAlignment <= ecAlignment::MiddleRight;
    const bool bottomRow = m_CaptionAlignment >= ecAlignment::BottomLeft &&
                           m_CaptionAlignment <= ecAlignment::BottomRight;
    if (middleRow || bottomRow) {
        gdi::RECT measured = rect;
        RunStep([&] { drawText(measured, horizontal | gdi::DT_WORDBREAK | gdi::DT_CALCRECT); });
        const std::int64_t slack = std::int64_t{rect.bottom} - measured.bottom;
        if (middleRow) {
            RunStep([&] { rect.bottom = Nearest32(measured.bottom + slack / 2.0); });
            RunStep([&] { rect.top = Nearest32(measured.top + slack / 2.0); });
        } else {
            RunStep([&] { rect.bottom = CheckedInt32(measured.bottom + slack); });
            RunStep([&] { rect.top = CheckedInt32(measured.top + slack); });
        }
    }

    // depth shift of the caption
    if (EventConditionHolds(m_DepthEvent) &&
        (m_DepthMode == ecDepthMode::CaptionAndPicture || m_DepthMode == ecDepthMode::OnlyCaption)) {
        RunStep([&] { rect.left = CheckedInt32(std::int64_t{rect.left} + m_Depth); });
        RunStep([&] { rect.top = CheckedInt32(std::int64_t{rect.top} + m_Depth); });
        RunStep([&] { rect.right = CheckedInt32(std::int64_t{rect.right} + m_Depth); });
        RunStep([&] { rect.bottom = CheckedInt32(std::int64_t{rect.bottom} + m_Depth); });
    }
    RunStep([&] { rect.bottom = CheckedInt32(std::int64_t{rect.bottom} + 2); });

    // Text cells are not filled. The mode value 3 the original passed is no
    // valid mode and would leave the context opaque; transparent is what the
    // caption over a face needs.
    RunStep([&] { gdi::SetBkMode(dc, gdi::TRANSPARENT); });

    // relief under the caption
    const unsigned format = horizontal | gdi::DT_WORDBREAK;
    if (EventConditionHolds(m_CaptionEffectEvent) && m_CaptionEffect >= ecCaptionEffect::Shadowed &&
        m_CaptionEffect <= ecCaptionEffect::Engraved) {
        const Relief& relief = kReliefs[m_CaptionEffect];
        for (int i = 0; i < relief.passes; ++i) {
            const ReliefPass& pass = relief.pass[i];
            RunStep([&] {
                gdi::RECT moved = rect;
                moved.left = CheckedInt32(std::int64_t{moved.left} + pass.dx);
                moved.top = CheckedInt32(std::int64_t{moved.top} + pass.dy);
                gdi::SetTextColor(dc, pass.light ? m_LightRGB : m_ShadowRGB);
                drawText(moved, format);
            });
        }
    }

    // caption colour by state, or the fade colour in every state
    gdi::COLORREF colour = m_ForeRGB;
    if (!IsEnabled())
        colour = m_ForeDisabledRGB;
    else if (PressedLook())
        colour = m_ForeDownRGB;
    else if (m_MouseOver == kTrue)
        colour = m_ForeOverRGB;
    else if (m_HasFocus == kTrue)
        colour = m_ForeFocusRGB;
    RunStep([&] {
        if (!IsFading()) return;
        // RGB(): components above 255 count as 255, negative ones fail
        const auto component = [](std::int32_t v) -> gdi::COLORREF {
            if (v < 0) throw StepFailed{};
            return static_cast<gdi::COLORREF>(v > 255 ? 255 : v);
        };
        colour = component(m_Fade.r) | (component(m_Fade.g) << 8) | (component(m_Fade.b) << 16);
    });
    RunStep([&] { gdi::SetTextColor(dc, colour); });

    // the caption
    RunStep([&] { drawText(rect, format); });

    // restore the context, release the font
    RunStep([&] { gdi::SetTextColor(dc, Translate(m_ForeColor)); });
    if (previousFont) gdi::SelectObject(dc, previousFont);
    if (font) gdi::DeleteObject(font);
}

}  // namespace vemmix
