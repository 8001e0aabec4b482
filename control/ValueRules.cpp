#include "control/ValueRules.h"

#include <cstdlib>

#include "base/Limits.h"
#include "base/Units.h"
#include "render/Gdi.h"

namespace vemmix {

std::optional<Refusal> CheckText(std::u16string_view text) {
    if (text.size() <= kMaxTextLength) return std::nullopt;
    return Refusal{errors::kInvalidPropertyValue, u"a text longer than 65535 characters"};
}

std::optional<Refusal> CheckFont(const FontRef& font) {
    if (!font || (AcceptableFontName(font->Name()) && AcceptableFontSize(font->Size())))
        return std::nullopt;
    return Refusal{errors::kInvalidPropertyValue,
                   u"a font without a name of 1 to 255 characters or a size of 1 to 2048 points"};
}

namespace {

bool AcceptableImage(const StdPicture& p) {
    switch (p.type) {
    case PictureType::Bitmap: {
        if (!p.bitmap) return true;  // nothing to draw
        gdi::BITMAP info;
        if (gdi::GetObject(p.bitmap, &info) == 0) return false;
        return AcceptableImageSize(info.bmWidth, std::abs(static_cast<std::int64_t>(info.bmHeight)));
    }
    case PictureType::Icon: {
        // the arrays must cover the icon's size, or drawing would read past them
        const gdi::Icon& icon = p.icon;
        if (!AcceptableImageSize(icon.width, icon.height)) return false;
        const auto count = static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height);
        return icon.pixels.size() == count && (icon.hasAlpha || icon.andMask.size() == count);
    }
    default: return true;  // a metafile has no image of ours
    }
}

}  // namespace

std::optional<Refusal> CheckPicture(const PictureRef& picture, int dpiX, int dpiY) {
    constexpr Refusal kRefused{errors::kInvalidPicture,
                               u"a picture without a size of 1 to 16384 pixels a side and 64 Mpixels in all, "
                               u"or with an image of more than 4 Mpixels"};
    if (!picture) return std::nullopt;  // no object
    const StdPicture& p = *picture;
    switch (p.type) {
    case PictureType::None:  // the empty picture, and only it, has no size
        if (p.widthHimetric == 0 && p.heightHimetric == 0) return std::nullopt;
        return kRefused;
    case PictureType::Bitmap:
    case PictureType::Metafile:
    case PictureType::Icon:
    case PictureType::EnhMetafile: break;
    default: return kRefused;  // not a picture type at all
    }
    // the size drawing will use: at least one pixel each way
    const std::int64_t width = HimetricToPixels(p.widthHimetric, UsableDpi(dpiX)).value_or(0);
    const std::int64_t height = HimetricToPixels(p.heightHimetric, UsableDpi(dpiY)).value_or(0);
    if (!AcceptablePixelSize(width, height) || !AcceptableImage(p)) return kRefused;
    return std::nullopt;
}

}  // namespace vemmix
