// The window's image on a device of any pixel ratio, and its shape.
#include "ImagePresentation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>

namespace vemmix::qt {

void PresentImage(QPainter& painter, const QImage& image) {
    if (image.isNull()) return;
    // logical to device pixels, whatever the device (a window's backing
    // store, or the image a widget is rendered into)
    const qreal ratio = painter.deviceTransform().m11();
    const QRectF target(0, 0, image.width(), image.height());
    const qreal whole = std::ceil(ratio - 1e-9);

    painter.save();
    if (ratio == whole) {
        // 1 x: a plain copy; n x: n x n squares
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, image);
    } else {
        const int factor = static_cast<int>(whole);
        const QImage enlarged = image.scaled(image.width() * factor, image.height() * factor,
                                             Qt::IgnoreAspectRatio, Qt::FastTransformation);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(target, enlarged);
    }
    painter.restore();
}

QRegion ShapeRegion(const StdPicture* mask, gdi::COLORREF maskColor, QSize size) {
    if (!mask || mask->type != PictureType::Bitmap || !mask->bitmap) return {};
    const gdi::PixelView view = gdi::GetBitmapPixels(mask->bitmap);
    const int width = std::min(size.width(), view.width);
    const int height = std::min(size.height(), view.height);
    const std::uint32_t maskPixel = gdi::PixelFromColor(maskColor) & 0x00FFFFFFu;

    // one rectangle per run of visible pixels, row by row: the banded
    // order QRegion::setRects takes as it is
    std::vector<QRect> runs;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = view.pixels.data() + static_cast<std::size_t>(y) * view.width;
        int x = 0;
        while (x < width) {
            const auto visible = [&](int at) {
                const std::uint32_t p = view.bitsPerPixel == 32 ? (row[at] & 0x00FFFFFFu)
                                                                : (row[at] ? 0x00FFFFFFu : 0u);
                return p != maskPixel;
            };
            while (x < width && !visible(x)) ++x;
            const int start = x;
            while (x < width && visible(x)) ++x;
            if (x > start) runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

}  // namespace vemmix::qt
