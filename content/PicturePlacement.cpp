// Picture choice and placement, the five rectangles the caption is laid out
// in, and the drop-down zone's arrow or picture.
#include "content/PictureDrawing.h"
#include "base/Steps.h"
#include <vemmix/ContainerServices.h>
#include "control/Zorvane.h"

namespace vemmix {


namespace {

// Which rectangle each area around the picture takes, per PictureAlignment.
enum class Area : std::uint8_t {
    Own,           // the area's own formula
    OwnToRight0,   // left of a top-right picture: (L0, T0, R0 - pw, B0)
    SameAsAbove,
    SameAsLeft,
    SameAsRight,
};

struct AreaRule {
    Area above, leftOf, rightOf, below;
};

constexpr AreaRule kAreaRules[9] = {
    //  Above               Left of             Right of            Below
    {Area::SameAsRight, Area::SameAsRight, Area::Own,         Area::Own},          // 0 Top Left
    {Area::SameAsLeft,  Area::Own,         Area::Own,         Area::Own},          // 1 Top Center
    {Area::SameAsLeft,  Area::OwnToRight0, Area::SameAsLeft,  Area::Own},          // 2 Top Right
    {Area::Own,         Area::SameAsRight, Area::Own,         Area::Own},          // 3 Middle Left
    {Area::Own,         Area::Own,         Area::Own,         Area::Own},          // 4 Middle Center
    {Area::Own,         Area::Own,         Area::SameAsLeft,  Area::Own},          // 5 Middle Right
    {Area::Own,         Area::SameAsRight, Area::Own,         Area::SameAsRight},  // 6 Bottom Left
    {Area::Own,         Area::Own,         Area::Own,         Area::SameAsRight},  // 7 Bottom Center
    {Area::Own,         Area::Own,         Area::SameAsLeft,  Area::SameAsAbove},  // 8 Bottom Right
};

gdi::RECT MakeRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {CheckedInt32(left), CheckedInt32(top), CheckedInt32(right), CheckedInt32(bottom)};
}

}  // namespace

void Zorvane::PlacePicture(Painter& painter) {
    const std::int64_t W = m_Width, H = m_Height;
    const std::int64_t oX = m_PictureOffsetX, oY = m_PictureOffsetY;

    // content box
    std::int16_t mX = 0, mY = 0;
    RunStep([&] {
        if (m_BorderDrawEvent != ecEvents::Never) {
            mX = CheckedInt16(std::int64_t{m_BorderWidth} + 1);
            mY = CheckedInt16(std::int64_t{m_BorderWidth} + 1);
        }
    });
    if (m_Appearance == ecAppearance::WindowsXP || m_Appearance == ecAppearance::ExplorerXP ||
        m_Appearance == ecAppearance::Gradient) {
        mX = 3;
        mY = 3;
    }
    const std::int64_t d =
        m_AppearanceMode == ecAppearanceMode::DropDown ? std::int64_t{m_DropDownWidth} : 0;

    // caption rectangle and the areas, copies of it until a picture is placed
    gdi::RECT& caption = m_Layout.caption;
    RunStep([&] { caption.left = CheckedInt16(std::int64_t{mX} + m_CaptionOffsetX); });
    RunStep([&] { caption.top = CheckedInt16(std::int64_t{mY} + m_CaptionOffsetY); });
    RunStep([&] { caption.right = CheckedInt32(W - mX - d); });
    RunStep([&] { caption.bottom = CheckedInt32(H - mY); });
    m_Layout.abovePicture = caption;
    m_Layout.leftOfPicture = caption;
    m_Layout.rightOfPicture = caption;
    m_Layout.belowPicture = caption;

    // picture by state
    const auto isSet = content::IsPictureSet;
    PictureRef picture;
    if (!IsEnabled())
        picture = isSet(m_PictureDisabled) ? m_PictureDisabled : m_Picture;
    else if (PressedLook())
        picture = isSet(m_PictureDown) ? m_PictureDown
                  : isSet(m_PictureOver) ? m_PictureOver
                                         : m_Picture;
    else if (m_MouseOver == kTrue)
        picture = isSet(m_PictureOver) ? m_PictureOver : m_Picture;
    else if (m_HasFocus == kTrue)
        picture = isSet(m_PictureFocus) ? m_PictureFocus : m_Picture;
    else
        picture = m_Picture;
    if (!isSet(picture)) return;

    // size in screen pixels
    std::int32_t pw = 0, ph = 0;
    RunStep([&] { pw = content::PixelsFromHimetric(picture->widthHimetric, DpiX()); });
    RunStep([&] { ph = content::PixelsFromHimetric(picture->heightHimetric, DpiY()); });

    // placement; a position that leaves 16 bits keeps its previous value
    std::int16_t px = 0, py = 0;
    const auto left = [&] { px = CheckedInt16(mX + oX); };
    const auto center = [&] { px = Nearest16(static_cast<double>(W - d) / 2 - pw / 2.0 + oX); };
    const auto right = [&] { px = CheckedInt16(W - d - mX - pw + oX); };
    const auto top = [&] { py = CheckedInt16(mY + oY); };
    const auto middle = [&] { py = Nearest16(static_cast<double>(H) / 2 - ph / 2.0 + oY); };
    const auto bottom = [&] { py = CheckedInt16(H - mY - ph + oY); };
    switch (m_PictureAlignment) {
    case ecAlignment::TopLeft:      RunStep(left);   RunStep(top);    break;
    case ecAlignment::TopCenter:    RunStep(center); RunStep(top);    break;
    case ecAlignment::TopRight:     RunStep(right);  RunStep(top);    break;
    case ecAlignment::MiddleLeft:   RunStep(left);   RunStep(middle); break;
    case ecAlignment::MiddleCenter: RunStep(center); RunStep(middle); break;
    case ecAlignment::MiddleRight:  RunStep(right);  RunStep(middle); break;
    case ecAlignment::BottomLeft:   RunStep(left);   RunStep(bottom); break;
    case ecAlignment::BottomCenter: RunStep(center); RunStep(bottom); break;
    case ecAlignment::BottomRight:  RunStep(right);  RunStep(bottom); break;
    default: break;  // no placement: the picture stays at (0, 0)
    }

    // areas around the picture, before the depth shift
    if (m_PictureAlignment >= 0 && m_PictureAlignment <= 8) {
        const AreaRule& rule = kAreaRules[m_PictureAlignment];
        const std::int64_t L0 = mX, T0 = mY, R0 = W - d - mX, B0 = H - mY;
        gdi::RECT& above = m_Layout.abovePicture;
        gdi::RECT& leftOf = m_Layout.leftOfPicture;
        gdi::RECT& rightOf = m_Layout.rightOfPicture;
        gdi::RECT& below = m_Layout.belowPicture;
        // own rectangles first: the copies only ever name an own one
        RunStep([&] { if (rule.above == Area::Own) above = MakeRect(L0, T0, R0, py); });
        RunStep([&] {
            if (rule.leftOf == Area::Own) leftOf = MakeRect(L0, T0, px, B0);
            if (rule.leftOf == Area::OwnToRight0) leftOf = MakeRect(L0, T0, R0 - pw, B0);
        });
        RunStep([&] { if (rule.rightOf == Area::Own) rightOf = MakeRect(px + std::int64_t{pw}, T0, R0, B0); });
        RunStep([&] { if (rule.below == Area::Own) below = MakeRect(L0, py + std::int64_t{ph}, R0, B0); });
        const auto copy = [&](Area rule, gdi::RECT& area) {
            if (rule == Area::SameAsAbove) area = above;
            if (rule == Area::SameAsLeft) area = leftOf;
            if (rule == Area::SameAsRight) area = rightOf;
        };
        copy(rule.above, above);
        copy(rule.leftOf, leftOf);
        copy(rule.rightOf, rightOf);
        copy(rule.below, below);
    }

    // depth shift of the picture only; the areas stay
    if (EventConditionHolds(m_DepthEvent) &&
        (m_DepthMode == ecDepthMode::CaptionAndPicture || m_DepthMode == ecDepthMode::OnlyPicture)) {
        RunStep([&] { px = CheckedInt16(std::int64_t{px} + m_Depth); });
        RunStep([&] { py = CheckedInt16(std::int64_t{py} + m_Depth); });
    }

    const gdi::HDC dc = painter.DC();
    const bool stretch = m_PictureStretch == kTrue;
    RunStep([&] {
        if (stretch)  // over the whole button, border and drop-down zone included
            content::DrawPicture(dc, CheckedInt32(oX), CheckedInt32(oY), CheckedInt32(W - oX),
                                 CheckedInt32(H - oY), picture.get(), 0, 0, m_MaskRGB,
                                 gdi::HPALETTE{}, pw, ph, true);
        else
            content::DrawPicture(dc, px, py, pw, ph, picture.get(), 0, 0, m_MaskRGB,
                                 gdi::HPALETTE{}, 0, 0, false);
    });
}

void Zorvane::DrawDropDownMarker(Painter& painter) {
    if (m_AppearanceMode != ecAppearanceMode::DropDown) return;
    const double W = m_Width, H = m_Height, ddw = m_DropDownWidth;

    if (!content::IsPictureSet(m_DropDownPicture)) {
        // a black arrow of 7, 5, 3 and 1 pixels, in every state
        std::int32_t x = 0, y = 0;
        RunStep([&] { x = Nearest32(W - ddw + ddw / 2 - 3.5); });
        RunStep([&] { y = Nearest32(H / 2 - 2); });
        RunStep([&] { painter.DrawLine(x, y, x + 7, y, 1, 0); });
        RunStep([&] { painter.DrawLine(x + 1, y + 1, x + 6, y + 1, 1, 0); });
        RunStep([&] { painter.DrawLine(x + 2, y + 2, x + 5, y + 2, 1, 0); });
        RunStep([&] { painter.DrawLine(x + 3, y + 3, x + 4, y + 3, 1, 0); });
        return;
    }

    std::int32_t pw = 0, ph = 0, x = 0, y = 0;
    RunStep([&] { pw = content::PixelsFromHimetric(m_DropDownPicture->widthHimetric, DpiX()); });
    RunStep([&] { ph = content::PixelsFromHimetric(m_DropDownPicture->heightHimetric, DpiY()); });
    RunStep([&] { x = Nearest32(W - ddw + ddw / 2 - pw / 2.0); });
    RunStep([&] { y = Nearest32(H / 2 - ph / 2.0); });
    RunStep([&] {
        content::DrawPicture(painter.DC(), x, y, pw, ph, m_DropDownPicture.get(), 0, 0, m_MaskRGB,
                             gdi::HPALETTE{}, 0, 0, m_PictureStretch == kTrue);
    });
}

}  // namespace vemmix
