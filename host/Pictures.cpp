#include <vemmix/host/Pictures.h>

#include <cstdint>
#include <vector>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <vemmix/host/Limits.h>
#include "PictureResolution.h"

namespace vemmix::host {

namespace {

// A resolution no real image has is taken as none.
constexpr int kMaxDpi = 10000;

QString TooLarge(QSize size) {
    return QStringLiteral("%1 x %2 pixels is more than a picture may have (%3 a side, %4 in all)")
        .arg(size.width())
        .arg(size.height())
        .arg(limits::kMaxPictureSide)
        .arg(limits::kMaxPicturePixels);
}

bool WithinLimits(QSize size) {
    return size.width() <= limits::kMaxPictureSide && size.height() <= limits::kMaxPictureSide &&
           std::int64_t{size.width()} * size.height() <= limits::kMaxPicturePixels;
}

// Decodes the first image of `device`; the size is checked before the
// pixels are decoded, so a small file cannot claim a huge image.
PictureRef Decode(QIODevice& device, const char* format, QString* error, PictureKind kind) {
    QImageReader reader(&device, format);
    if (format) reader.setDecideFormatFromContent(false);
    // a format that states no size before decoding still decodes no more
    // than the largest picture, at four bytes a pixel (in MB)
    reader.setAllocationLimit(static_cast<int>(limits::kMaxPicturePixels * 4 / (1024 * 1024)));
    const QString what = format ? QStringLiteral("a %1 image").arg(QString::fromLatin1(format).toUpper())
                                : QStringLiteral("an image");
    if (!reader.canRead()) {
        if (error) *error = QStringLiteral("not %1").arg(what);
        return nullptr;
    }
    const QSize declared = reader.size();
    if (declared.isValid() && !WithinLimits(declared)) {
        if (error) *error = TooLarge(declared);
        return nullptr;
    }
    const bool ico = reader.format() == "ico";
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (error) *error = QStringLiteral("not %1 (%2)").arg(what, reader.errorString());
        return nullptr;
    }
    if (!WithinLimits(image.size())) {
        if (error) *error = TooLarge(image.size());
        return nullptr;
    }
    const bool icon = kind == PictureKind::Icon ||
                      (kind == PictureKind::FromImage && (ico || image.hasAlphaChannel()));
    PictureRef picture = PictureFromImage(image, icon, detail::DpiOf(image.dotsPerMeterX()),
                                          detail::DpiOf(image.dotsPerMeterY()));
    if (!picture && error) *error = QStringLiteral("the picture could not be made");
    return picture;
}

}  // namespace

int detail::DpiOf(int dotsPerMeter) {
    static const int defaultDpm = QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX();
    if (dotsPerMeter == defaultDpm) return 96;
    const int dpi = qRound(dotsPerMeter * 0.0254);
    return dpi >= 1 && dpi <= kMaxDpi ? dpi : 96;
}

PictureRef LoadPicture(const QString& path, QString* error, PictureKind kind) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("cannot be opened (%1)").arg(file.errorString());
        return nullptr;
    }
    if (!QFileInfo(path).isFile()) {
        if (error) *error = QStringLiteral("is not a file");
        return nullptr;
    }
    if (file.size() > limits::kMaxPictureFileBytes) {
        if (error)
            *error = QStringLiteral("%1 bytes is more than a picture file may have (%2)")
                         .arg(file.size())
                         .arg(limits::kMaxPictureFileBytes);
        return nullptr;
    }
    return Decode(file, nullptr, error, kind);
}

PictureRef DecodePicture(const QByteArray& bytes, const char* format, QString* error, PictureKind kind) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Decode(buffer, format, error, kind);
}

PictureRef PictureFromImage(const QImage& image, bool icon, int dpiX, int dpiY) {
    if (image.isNull() || !WithinLimits(image.size())) return nullptr;
    const int w = image.width();
    const int h = image.height();
    PictureRef picture;
    if (icon) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        gdi::Icon result;
        result.width = w;
        result.height = h;
        result.hasAlpha = true;
        result.pixels.resize(static_cast<std::size_t>(w) * h);
        for (int y = 0; y < h; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
            std::copy(row, row + w, result.pixels.begin() + static_cast<std::ptrdiff_t>(y) * w);
        }
        picture = MakeIconPicture(std::move(result), dpiX);
    } else {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
        for (int y = 0; y < h; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
            for (int x = 0; x < w; ++x)
                pixels[static_cast<std::size_t>(y) * w + x] = row[x] & 0x00FFFFFFu;
        }
        picture = MakeBitmapPicture(w, h, pixels, dpiX);
    }
    if (picture) picture->heightHimetric = HimetricFromPixels(h, dpiY);
    return picture;
}

QImage ImageFromPicture(const StdPicture& picture) {
    QImage image;
    if (picture.type == PictureType::Bitmap) {
        const gdi::PixelView view = gdi::GetBitmapPixels(picture.bitmap);
        if (view.width <= 0 || view.height <= 0) return {};
        image = QImage(view.width, view.height, QImage::Format_RGB32);
        for (int y = 0; y < view.height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
            const std::uint32_t* source = view.pixels.data() + static_cast<std::size_t>(y) * view.width;
            for (int x = 0; x < view.width; ++x)
                row[x] = 0xFF000000u | (view.bitsPerPixel == 32 ? source[x] & 0x00FFFFFFu
                                                                 : (source[x] ? 0x00FFFFFFu : 0u));
        }
    } else if (picture.type == PictureType::Icon) {
        const gdi::Icon& icon = picture.icon;
        const auto count = static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height);
        if (icon.width <= 0 || icon.height <= 0 || icon.pixels.size() < count ||
            (!icon.hasAlpha && icon.andMask.size() < count))
            return {};
        image = QImage(icon.width, icon.height, QImage::Format_ARGB32);
        for (int y = 0; y < icon.height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
            for (int x = 0; x < icon.width; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * icon.width + x;
                // a classic icon shows its image where the AND mask is clear
                row[x] = icon.hasAlpha ? icon.pixels[i]
                                       : (icon.andMask[i] ? 0u : 0xFF000000u | (icon.pixels[i] & 0x00FFFFFFu));
            }
        }
    } else {
        return {};
    }
    // the resolution at which the pixels are the HIMETRIC size
    const auto dotsPerMeter = [](int pixels, std::int32_t himetric) {
        const double dpi = himetric > 0 ? pixels * 2540.0 / himetric : 96.0;
        return qRound(qBound(1.0, dpi, double(kMaxDpi)) / 0.0254);
    };
    image.setDotsPerMeterX(dotsPerMeter(image.width(), picture.widthHimetric));
    image.setDotsPerMeterY(dotsPerMeter(image.height(), picture.heightHimetric));
    return image;
}

}  // namespace vemmix::host
