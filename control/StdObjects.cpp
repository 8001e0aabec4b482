#include <vemmix/StdObjects.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

#include <vemmix/Errors.h>

#include "base/Limits.h"
#include "base/Units.h"
#include "render/Gdi.h"

namespace vemmix {

namespace {

bool AcceptableSize(int width, int height) { return AcceptablePixelSize(width, height); }

}  // namespace

// ---- fonts ----------------------------------------------------------------------

std::int32_t StdFont::SetName(std::u16string name) {
    if (!AcceptableFontName(name)) return errors::kInvalidPropertyValue;
    if (name == m_Description.name) return errors::kNone;
    m_Description.name = std::move(name);
    Changed();
    return errors::kNone;
}

std::int32_t StdFont::SetSize(double points) {
    if (!AcceptableFontSize(points)) return errors::kInvalidPropertyValue;
    if (points == m_Description.size) return errors::kNone;
    m_Description.size = points;
    Changed();
    return errors::kNone;
}

void StdFont::SetBold(bool bold) {
    if (bold == m_Description.bold) return;
    m_Description.bold = bold;
    Changed();
}

void StdFont::SetItalic(bool italic) {
    if (italic == m_Description.italic) return;
    m_Description.italic = italic;
    Changed();
}

void StdFont::SetUnderline(bool underline) {
    if (underline == m_Description.underline) return;
    m_Description.underline = underline;
    Changed();
}

void StdFont::SetStrikethrough(bool strikethrough) {
    if (strikethrough == m_Description.strikethrough) return;
    m_Description.strikethrough = strikethrough;
    Changed();
}

void StdFont::SetCharset(std::int16_t charset) {
    if (charset == m_Description.charset) return;
    m_Description.charset = charset;
    Changed();
}

std::int32_t StdFont::SetDescription(FontDescription description) {
    if (!AcceptableFontName(description.name) || !AcceptableFontSize(description.size))
        return errors::kInvalidPropertyValue;
    if (description == m_Description) return errors::kNone;
    m_Description = std::move(description);
    Changed();
    return errors::kNone;
}

void StdFont::AddObserver(FontObserver& observer) {
    if (std::find(m_Observers.begin(), m_Observers.end(), &observer) == m_Observers.end())
        m_Observers.push_back(&observer);
}

void StdFont::RemoveObserver(FontObserver& observer) {
    std::erase(m_Observers, &observer);
}

void StdFont::Changed() {
    // An observer's handler may add or remove observers (a host handler
    // that assigns another font, say): walk a copy and skip those gone.
    const std::vector<FontObserver*> observers = m_Observers;
    for (FontObserver* observer : observers) {
        if (std::find(m_Observers.begin(), m_Observers.end(), observer) != m_Observers.end())
            observer->FontChanged(*this);
    }
}

FontRef MakeFont(const FontDescription& font) { return std::make_shared<StdFont>(font); }

// ---- pictures -------------------------------------------------------------------

StdPicture::~StdPicture() {
    if (bitmap) gdi::DeleteObject(bitmap);
}

namespace {

std::int32_t Saturated(std::optional<std::int64_t> value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value.value_or(0), std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t HimetricFromPixels(std::int32_t pixels, int dpi) {
    return Saturated(PixelsToHimetric(pixels, dpi));
}

std::int32_t PixelsFromHimetric(std::int32_t himetric, int dpi) {
    return Saturated(HimetricToPixels(himetric, dpi));
}

PictureRef MakeEmptyPicture() { return std::make_shared<StdPicture>(); }

PictureRef MakeBitmapPicture(int width, int height, std::span<const std::uint32_t> pixels,
                             int dpi) {
    if (!AcceptableSize(width, height)) return nullptr;
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pixels.size() != count) return nullptr;
    // The surface's 32-bit layout 0xXXRRGGBB is the caller's 0x00RRGGBB;
    // a stray high byte (an inverted pixel of a window image, say) is
    // cleared as the pixels are copied.
    gdi::HBITMAP bitmap = gdi::CreateBitmapOfColors(width, height, pixels.data());
    if (!bitmap) return nullptr;
    auto picture = std::make_shared<StdPicture>();
    picture->type = PictureType::Bitmap;
    picture->bitmap = bitmap;
    picture->widthHimetric = HimetricFromPixels(width, dpi);
    picture->heightHimetric = HimetricFromPixels(height, dpi);
    return picture;
}

PictureRef MakeIconPicture(gdi::Icon icon, int dpi) {
    if (!AcceptableSize(icon.width, icon.height)) return nullptr;
    const auto count = static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height);
    if (icon.pixels.size() != count) return nullptr;
    if (!icon.hasAlpha) {
        // A classic icon without a mask replaces every pixel.
        if (icon.andMask.empty()) icon.andMask.assign(count, 0);
        if (icon.andMask.size() != count) return nullptr;
    }
    auto picture = std::make_shared<StdPicture>();
    picture->type = PictureType::Icon;
    picture->widthHimetric = HimetricFromPixels(icon.width, dpi);
    picture->heightHimetric = HimetricFromPixels(icon.height, dpi);
    picture->icon = std::move(icon);
    return picture;
}

PictureRef MakeOtherPicture(PictureType type, std::int32_t widthHimetric,
                            std::int32_t heightHimetric) {
    // Bitmaps and icons carry an image and have their own factories.
    if (type != PictureType::Metafile && type != PictureType::EnhMetafile) return nullptr;
    if (widthHimetric < 0 || heightHimetric < 0) return nullptr;
    auto picture = std::make_shared<StdPicture>();
    picture->type = type;
    picture->widthHimetric = widthHimetric;
    picture->heightHimetric = heightHimetric;
    return picture;
}

// ---- drag-and-drop data -------------------------------------------------------

namespace {

bool Suits(std::int32_t format, const DataValue& value) {
    switch (format) {
    case DataFormat::Text: return std::holds_alternative<std::u16string>(value);
    case DataFormat::Files: return std::holds_alternative<std::vector<std::u16string>>(value);
    default: return std::holds_alternative<std::vector<std::uint8_t>>(value);
    }
}

class MemoryDataObject final : public DataObject {
public:
    bool HasFormat(std::int32_t format) const override { return Find(format) != m_Data.end(); }
    std::vector<std::int32_t> Formats() const override {
        std::vector<std::int32_t> formats;
        formats.reserve(m_Data.size());
        for (const auto& [format, value] : m_Data) formats.push_back(format);
        return formats;
    }
    std::optional<DataValue> GetData(std::int32_t format) const override {
        const auto it = Find(format);
        if (it == m_Data.end()) return std::nullopt;
        return it->second;
    }
    bool SetData(std::int32_t format, DataValue value) override {
        if (!Suits(format, value)) return false;
        const auto it = Find(format);
        if (it != m_Data.end()) it->second = std::move(value);
        else m_Data.emplace_back(format, std::move(value));
        return true;
    }
    void Clear() override { m_Data.clear(); }

private:
    using Entries = std::vector<std::pair<std::int32_t, DataValue>>;
    Entries::const_iterator Find(std::int32_t format) const {
        return std::find_if(m_Data.begin(), m_Data.end(),
                            [format](const auto& e) { return e.first == format; });
    }
    Entries::iterator Find(std::int32_t format) {
        return std::find_if(m_Data.begin(), m_Data.end(),
                            [format](const auto& e) { return e.first == format; });
    }

    Entries m_Data;
};

}  // namespace

DataObjectRef MakeDataObject() { return std::make_shared<MemoryDataObject>(); }

}  // namespace vemmix
