// Picture objects from image files and back, through QImage.
//
// PNG, BMP, ICO, JPEG and GIF (its first frame) are read. An ICO file, or
// an image with an alpha channel, becomes an icon picture (its alpha kept
// per pixel); any other image a bitmap picture. The HIMETRIC size follows
// from the pixel size at the image's own resolution, 96 dpi when it has
// none. Images beyond the limits of Limits.h are refused before they are
// decoded.
#pragma once

#include <optional>

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vemmix/StdObjects.h>
#include <vemmix/host/Export.h>

namespace vemmix::host {

// What a picture is to be made of an image: the rule above, or a type the
// caller names (a saved form says "bitmap" or "icon").
enum class PictureKind { FromImage, Bitmap, Icon };

// Reads an image file. No object, and `error` set, when the file cannot be
// read, is no image, or is too large.
VEMMIX_HOST_EXPORT PictureRef LoadPicture(const QString& path, QString* error,
                                          PictureKind kind = PictureKind::FromImage);

// Decodes image bytes. `format` ("png", "bmp") restricts the format; null
// accepts any format QImage reads.
VEMMIX_HOST_EXPORT PictureRef DecodePicture(const QByteArray& bytes, const char* format,
                                            QString* error,
                                            PictureKind kind = PictureKind::FromImage);

// A picture of an image already in memory, at the given resolution.
VEMMIX_HOST_EXPORT PictureRef PictureFromImage(const QImage& image, bool icon, int dpiX = 96,
                                               int dpiY = 96);

// The pixels of a bitmap (RGB32) or icon (ARGB32, straight alpha; a
// classic icon's AND mask becomes the alpha) picture, with the resolution
// at which its HIMETRIC size is its pixel size; a null image for other
// pictures.
VEMMIX_HOST_EXPORT QImage ImageFromPicture(const StdPicture& picture);

}  // namespace vemmix::host
