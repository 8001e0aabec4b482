// Picture decoding from image bytes through QImage: PNG, BMP, ICO, GIF and
// JPEG, or whatever QImage makes of them. The first byte picks the format
// the caller names (or none) and the kind of picture. A refusal says why;
// an accepted picture is within the limits of a picture, is a bitmap or an
// icon of the image's size, and turns into the same image again.
#include <cstdint>
#include <iterator>

#include <QByteArray>
#include <QImage>

#include <vemmix/host/Limits.h>
#include <vemmix/host/Pictures.h>

#include "tests/fuzz/qt/QtFuzz.h"

using namespace vemmix;

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    fuzz::StartQt((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static constexpr const char* kFormats[] = {nullptr, "png", "bmp", "ico", "gif", "jpg"};
    static constexpr host::PictureKind kKinds[] = {host::PictureKind::FromImage, host::PictureKind::Bitmap,
                                                   host::PictureKind::Icon};
    const char* format = kFormats[data[0] % std::size(kFormats)];
    const host::PictureKind kind = kKinds[(data[0] / std::size(kFormats)) % std::size(kKinds)];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    QString error;
    const PictureRef picture = host::DecodePicture(bytes, format, &error, kind);
    if (!picture) {
        if (error.isEmpty()) fuzz::Fail("a refusal without a reason");
        return 0;
    }
    if (picture->type != PictureType::Bitmap && picture->type != PictureType::Icon)
        fuzz::Fail("an image became neither a bitmap nor an icon");
    if ((kind == host::PictureKind::Bitmap) != (picture->type == PictureType::Bitmap) &&
        kind != host::PictureKind::FromImage)
        fuzz::Fail("the picture is not of the kind asked for");
    const QImage image = host::ImageFromPicture(*picture);
    if (image.isNull()) fuzz::Fail("an accepted picture has no image");
    if (image.width() > host::limits::kMaxPictureSide || image.height() > host::limits::kMaxPictureSide ||
        std::int64_t{image.width()} * image.height() > host::limits::kMaxPicturePixels)
        fuzz::Fail("an accepted picture is beyond the limits");
    if (picture->widthHimetric <= 0 || picture->heightHimetric <= 0)
        fuzz::Fail("an accepted picture declares no size");

    // image -> picture -> image is the identity
    const PictureRef again = host::PictureFromImage(image, picture->type == PictureType::Icon,
                                                    qRound(image.dotsPerMeterX() * 0.0254),
                                                    qRound(image.dotsPerMeterY() * 0.0254));
    if (!again) fuzz::Fail("the picture's own image is refused");
    if (host::ImageFromPicture(*again) != image) fuzz::Fail("picture -> image -> picture changed the pixels");
    return 0;
}
