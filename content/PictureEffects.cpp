// Derived state pictures: Picture drawn over the mask colour, changed by
// the state's effect and stored as that state's picture. The setters that
// call this repaint themselves where the look changes.
#include <memory>

#include "content/PictureDrawing.h"
#include "content/PictureEffect.h"
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
    const gdi::HDC dc = gdi::CreateCompatibleDC(gdi::HDC{});
    if (!dc) return nullptr;
    const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(gdi::HDC{}, width, height);
    if (!bitmap) {
        gdi::DeleteDC(dc);
        return nullptr;
    }
    const gdi::HBITMAP previous = gdi::SelectObject(dc, bitmap);

    // scratch background, then the picture as it is shown (an icon's
    // transparent parts become mask-coloured)
    RunStep([&] {
        const gdi::HBRUSH brush = gdi::CreateSolidBrush(mask);
        gdi::FillRect(dc, gdi::RECT{0, 0, width, height}, brush);
        gdi::DeleteObject(brush);
    });
    RunStep([&] {
        if (source.type == PictureType::Bitmap) {
            const gdi::HDC sourceDC = gdi::CreateCompatibleDC(gdi::HDC{});
            const gdi::HBITMAP old = gdi::SelectObject(sourceDC, source.bitmap);
            if (old) {
                gdi::BitBlt(dc, 0, 0, width, height, sourceDC, 0, 0, gdi::SRCCOPY);
                gdi::SelectObject(sourceDC, old);
            }
            gdi::DeleteDC(sourceDC);
        } else if (source.type == PictureType::Icon) {
            gdi::DrawIconEx(dc, 0, 0, source.icon, width, height, 0, gdi::HBRUSH{}, gdi::DI_NORMAL);
        }
    });
    if (previous) gdi::SelectObject(dc, previous);
    gdi::DeleteDC(dc);

    RunStep([&] { content::ApplyEffect(bitmap, effect, mask); });

    auto picture = std::make_shared<StdPicture>();  // owns the bitmap from here on
    picture->type = PictureType::Bitmap;
    picture->bitmap = bitmap;
    picture->widthHimetric = source.widthHimetric;
    picture->heightHimetric = source.heightHimetric;
    return picture;
}

}  // namespace

void Zorvane::RegenerateEffectPictures() {
    if (!content::IsPictureSet(m_Picture)) return;
    const PictureRef source = m_Picture;

    int width = 0, height = 0;
    RunStep([&] {
        width = content::PixelsFromHimetric(source->widthHimetric, m_Site.ScreenDpiX());
        height = content::PixelsFromHimetric(source->heightHimetric, m_Site.ScreenDpiY());
    });

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
        // a state whose scratch surface fails keeps its picture
        RunStep([&] {
            if (PictureRef derived = MakeEffectPicture(*source, width, height, m_MaskRGB, state.effect))
                state.picture = std::move(derived);
        });
    }
}

}  // namespace vemmix
