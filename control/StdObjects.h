// Font and picture objects, held by counted reference (std::shared_ptr) as
// the container's standard font and picture objects are.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "control/Variant.h"
#include "render/Gdi.h"
#include "render/Icon.h"

namespace vemmix {

struct StdFont {
    std::u16string name = u"MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int16_t charset = 0;
    friend bool operator==(const StdFont&, const StdFont&) = default;
};

FontRef MakeFont(const StdFont& font);

enum class PictureType : std::int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };

// A picture: its type, its image and its size in HIMETRIC units (0.01 mm).
// A bitmap picture owns its bitmap on the drawing surface; an icon picture
// owns its icon image. The empty picture has type None and is distinct
// from no object at all.
struct StdPicture {
    PictureType type = PictureType::None;
    std::int32_t widthHimetric = 0;
    std::int32_t heightHimetric = 0;
    gdi::HBITMAP bitmap;  // type Bitmap
    gdi::Icon icon;       // type Icon

    StdPicture() = default;
    StdPicture(const StdPicture&) = delete;
    StdPicture& operator=(const StdPicture&) = delete;
    ~StdPicture();
};

// HIMETRIC from pixels at a resolution (dots per inch), rounded.
std::int32_t HimetricFromPixels(std::int32_t pixels, int dpi);

PictureRef MakeEmptyPicture();
// A bitmap picture from width * height pixels 0x00RRGGBB (top-down); the
// HIMETRIC size follows from `dpi`. No object when the size is not positive
// or the surface refuses the bitmap.
PictureRef MakeBitmapPicture(int width, int height, std::span<const std::uint32_t> pixels,
                             int dpi = 96);
PictureRef MakeIconPicture(gdi::Icon icon, int dpi = 96);
// A picture of another type (a metafile, say): it has a size but is never drawn.
PictureRef MakeOtherPicture(PictureType type, std::int32_t widthHimetric,
                            std::int32_t heightHimetric);

// The data object of a drag-and-drop operation; the container gives it
// content, the button only passes it on.
class DataObject {
public:
    virtual ~DataObject() = default;
};

}  // namespace vemmix
