// The focus mark, the last layer of a repaint: the dotted focus rectangle
// inside the border, or for the Windows XP look its inner frame, orange
// under the pointer and theme-coloured with the focus.
#include "base/Steps.h"
#include "control/Zorvane.h"

namespace vemmix {
namespace {

struct FrameColours {
    gdi::COLORREF c1, c2, c3, c4;
};

//                                   c1        c2        c3        c4
constexpr FrameColours kHover      {0xCFF0FF, 0x89D8FD, 0x0197E5, 0x30B3F8};
constexpr FrameColours kFocusOlive {0x93D1C2, 0x80CBB1, 0x54C190, 0x66A7A8};
constexpr FrameColours kFocusOther {0xFFE7CE, 0xF6D4BC, 0xEE8269, 0xE4AD89};

}  // namespace

void Zorvane::DrawFocus(Painter& painter) {
    if (m_ShowFocus != kTrue) return;
    const std::int32_t W = m_Width, H = m_Height;

    if (m_Appearance != ecAppearance::WindowsXP) {
        if (m_HasFocus != kTrue) return;
        std::int16_t m = 0;
        RunStep([&] {
            if (m_BorderDrawEvent != ecEvents::Never)
                m = CheckedInt16(std::int64_t{m_BorderWidth} + 1);
        });
        RunStep([&] { m = CheckedInt16(std::int64_t{m} + 1); });
        RunStep([&] { gdi::DrawFocusRect(painter.DC(), gdi::RECT{m, m, W - m, H - m}); });
        return;
    }

    // the hover frame wins over the focus frame; a pressed button has none
    const FrameColours* set = nullptr;
    if (m_MouseOver == kTrue && m_Pressed == kFalse)
        set = &kHover;
    else if (m_HasFocus == kTrue && m_Pressed == kFalse)
        set = m_ThemeIndex == ecAppearanceThemesDefault::Olive ? &kFocusOlive : &kFocusOther;
    if (set == nullptr) return;

    //                  from               to                   width  colour
    RunStep([&] { painter.DrawLine(2, 1,       W - 2, 1,       1, set->c1); });
    RunStep([&] { painter.DrawLine(1, 2,       W - 1, 2,       1, set->c2); });
    RunStep([&] { painter.DrawLine(2, H - 2,   W - 2, H - 2,   1, set->c3); });
    RunStep([&] { painter.DrawLine(1, H - 3,   W - 1, H - 3,   1, set->c4); });
    RunStep([&] { painter.DrawLine(2, 3,       2, H - 3,       2, set->c2); });
    RunStep([&] { painter.DrawLine(W - 2, 3,   W - 2, H - 3,   2, set->c4); });
}

}  // namespace vemmix
