// Derived state pictures: Picture drawn over the mask colour, changed by
// the state's effect and stored as that state's picture. The setters that
// call this repaint themselves where the look changes.
#include <memory>

#include "content/PictureDrawing.h"
#include "content/PictureEffect.h"
#include "base/Limits.h"
#include "base/Steps.h"
#include <vemmix/ContainerServices.h>
#include "control/Zorvane.h"

namespace vemmix {
namespace {

// `source` drawn over `mask` on a bitmap of its own pixel size, as a new
// bitmap picture of the same HIMETRIC size with `effect` applied; null when
// the scratch surface cannot be made.
PictureRef MakeEffectPicture(const StdPicture& source, int width, int height, gdi::COLORREF mask,
                             std::int32_t effect) {
    auto picture = std::make_shared<StdPicture>();  // owns the bitmap from the start
    picture->type = PictureType::Bitmap;
    picture->widthHimetric = source.widthHimetric;
    picture->heightHimetric = source.heightHimetric;
    picture->bitmap = gdi::CreateCompatibleBitmap(gdi::HDC{}, width, height);
    if (!picture->bitmap) return nullptr;
    {
        const content::MemoryContext scratch(picture->bitmap, gdi::HPALETTE{});
        if (!scratch.HasBitmap()) return nullptr;
        // scratch background, then the picture as it is shown (an icon's
        // transparent parts become mask-coloured)
        RunStep([&] { content::FillSolid(scratch.DC(), gdi::RECT{0, 0, width, height}, mask); });
        RunStep([&] {
            if (source.type == PictureType::Bitmap) {
                const content::MemoryContext image(source.bitmap, gdi::HPALETTE{});
                if (image.HasBitmap())
                    gdi::BitBlt(scratch.DC(), 0, 0, width, height, image.DC(), 0, 0, gdi::SRCCOPY);
            } else if (source.type == PictureType::Icon) {
                gdi::DrawIconEx(scratch.DC(), 0, 0, source.icon, width, height, 0, gdi::HBRUSH{},
                                gdi::DI_NORMAL);
            }
        });
    }
    RunStep([&] { content::ApplyEffect(picture->bitmap, effect, mask); });
    return picture;
}

}  // namespace

void Zorvane::RegenerateEffectPictures() {
    if (!content::IsPictureSet(m_Picture)) return;
    const PictureRef source = m_Picture;

    int width = 0, height = 0;
    RunStep([&] {
        width = content::PixelsFromHimetric(source->widthHimetric, DpiX());
        height = content::PixelsFromHimetric(source->heightHimetric, DpiY());
    });
    // A picture without pixels, or with more than the effects are made for,
    // gets no effect pictures: those states show Picture itself. (A side of
    // 0 would otherwise get the surface's shared stock bitmap to work on.)
    const bool derivable =
        width > 0 && height > 0 && std::int64_t{width} * height <= kMaxEffectPixels;

    struct StateEffect {
        std::int32_t effect;
        PictureRef& picture;
    };
    const StateEffect states[] = {
        {m_PictureDisabledEffect, m_PictureDisabled},
        {m_PictureDownEffect, m_PictureDown},
        {m_PictureFocusEffect, m_PictureFocus},
        {m_PictureOverEffect, m_PictureOver},
    };
    for (const StateEffect& state : states) {
        if (state.effect == ecPictureEffect::NoEffect) continue;
        if (!derivable) {
            state.picture.reset();
            continue;
        }
        // a state whose scratch surface fails keeps its picture
        RunStep([&] {
            if (PictureRef derived = MakeEffectPicture(*source, width, height, m_MaskRGB, state.effect))
                state.picture = std::move(derived);
        });
    }
}

}  // namespace vemmix
