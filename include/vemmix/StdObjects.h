// Font, picture and drag-and-drop data objects, held by counted reference
// (std::shared_ptr) as a container framework's standard objects are.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include <vemmix/Export.h>
#include <vemmix/Icon.h>
#include <vemmix/Surface.h>
#include <vemmix/Variant.h>

namespace vemmix {

// ---- fonts ------------------------------------------------------------------

// What a font is: the values a saved form keeps and the caption draws with.
struct FontDescription {
    std::u16string name = u"MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int16_t charset = 0;
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

class StdFont;

// Told when a font object it watches changes.
class VEMMIX_EXPORT FontObserver {
public:
    virtual void FontChanged(const StdFont& font) = 0;

protected:
    virtual ~FontObserver();
};

// A font object. It is shared by counted reference: every holder sees the
// same object, so a change made through one reference (a script's
// `b.Font.Bold = true`) is a change of the font of every control that holds
// it. Each setter that changes a value tells the observers once, after the
// change; a control that holds the font notifies its container "Font" and
// repaints.
class VEMMIX_EXPORT StdFont {
public:
    StdFont() = default;
    explicit StdFont(FontDescription description) : m_Description(std::move(description)) {}
    StdFont(const StdFont&) = delete;
    StdFont& operator=(const StdFont&) = delete;

    const FontDescription& Description() const { return m_Description; }
    const std::u16string& Name() const { return m_Description.name; }
    double Size() const { return m_Description.size; }
    bool Bold() const { return m_Description.bold; }
    bool Italic() const { return m_Description.italic; }
    bool Underline() const { return m_Description.underline; }
    bool Strikethrough() const { return m_Description.strikethrough; }
    std::int16_t Charset() const { return m_Description.charset; }

    void SetName(std::u16string name);
    void SetSize(double points);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetStrikethrough(bool strikethrough);
    void SetCharset(std::int16_t charset);
    // All values at once, with one notification when anything changed.
    void SetDescription(FontDescription description);

    // Observers are not owned; one must stop watching before it goes.
    // An observer added twice is told once.
    void AddObserver(FontObserver& observer);
    void RemoveObserver(FontObserver& observer);

private:
    VEMMIX_NO_EXPORT void Changed();

    FontDescription m_Description;
    std::vector<FontObserver*> m_Observers;
};

VEMMIX_EXPORT FontRef MakeFont(const FontDescription& font);

// ---- pictures ---------------------------------------------------------------

enum class PictureType : std::int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };

// A picture: its type, its image and its size in HIMETRIC units (0.01 mm).
// A bitmap picture owns its bitmap on the drawing surface; an icon picture
// owns its icon image. The empty picture has type None and is distinct
// from no object at all.
struct VEMMIX_EXPORT StdPicture {
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

// HIMETRIC (2540 to the inch) from pixels at a resolution, and back;
// both round to the nearest value, halves to even.
VEMMIX_EXPORT std::int32_t HimetricFromPixels(std::int32_t pixels, int dpi);
VEMMIX_EXPORT std::int32_t PixelsFromHimetric(std::int32_t himetric, int dpi);

VEMMIX_EXPORT PictureRef MakeEmptyPicture();
// A bitmap picture from width * height pixels 0x00RRGGBB (top-down); the
// HIMETRIC size follows from `dpi`. No object when the size is not positive
// or the surface refuses the bitmap.
VEMMIX_EXPORT PictureRef MakeBitmapPicture(int width, int height,
                                           std::span<const std::uint32_t> pixels, int dpi = 96);
VEMMIX_EXPORT PictureRef MakeIconPicture(gdi::Icon icon, int dpi = 96);
// A picture of another type (a metafile, say): it has a size but is never drawn.
VEMMIX_EXPORT PictureRef MakeOtherPicture(PictureType type, std::int32_t widthHimetric,
                                          std::int32_t heightHimetric);

// ---- drag-and-drop data -----------------------------------------------------

// The clipboard formats a data object names by number, as the automation
// language numbers them; any other number holds raw bytes.
namespace DataFormat {
constexpr std::int16_t Text = 1;         // text (UTF-16 here)
constexpr std::int16_t Bitmap = 2;
constexpr std::int16_t Metafile = 3;
constexpr std::int16_t DIB = 8;
constexpr std::int16_t Palette = 9;
constexpr std::int16_t EnhMetafile = 14;
constexpr std::int16_t Files = 15;       // a list of file paths
}  // namespace DataFormat

// The data of one format: text, a file list, or raw bytes.
using DataValue = std::variant<std::u16string, std::vector<std::u16string>, std::vector<std::uint8_t>>;

// The data object of a drag-and-drop operation. The container gives it
// content; the control passes it on to the host's handlers, which may read
// it and, in OLEStartDrag and OLESetData, fill it.
class VEMMIX_EXPORT DataObject {
public:
    virtual ~DataObject();
    // True when data of `format` is present (GetFormat).
    virtual bool HasFormat(std::int32_t format) const = 0;
    // The formats present, in the order they were set.
    virtual std::vector<std::int32_t> Formats() const = 0;
    // The data of `format`; nullopt when absent.
    virtual std::optional<DataValue> GetData(std::int32_t format) const = 0;
    // Stores data under `format` (Text takes text, Files a file list, any
    // other format bytes); false when the kind does not suit the format.
    virtual bool SetData(std::int32_t format, DataValue value) = 0;
    virtual void Clear() = 0;
};

// An in-memory data object, for containers without a platform clipboard.
VEMMIX_EXPORT DataObjectRef MakeDataObject();

}  // namespace vemmix
