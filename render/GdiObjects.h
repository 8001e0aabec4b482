// Private to the drawing surface: the object table behind the typed handles
// of render/Gdi.h, and the state each object carries.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <vemmix/TextRenderer.h>

#include "render/Gdi.h"

namespace vemmix::gdi::detail {

// The pixels of a bitmap: width x height values 0xXXRRGGBB, or 0/1 for a
// monochrome bitmap. A new bitmap's pixels are 0, but the zeros are written
// only when its pixels are first reached: a bitmap whose first use covers
// it whole (the repaint's background fill) is written once. The memory
// comes from, and goes back to, a small pool, so that the bitmap of every
// repaint reuses the last one's.
class BitmapPixels {
public:
    BitmapPixels() = default;
    explicit BitmapPixels(std::size_t count);  // all 0 (pending)
    BitmapPixels(class ObjectTable& table, std::size_t count);
    BitmapPixels(BitmapPixels&& other) noexcept;
    BitmapPixels& operator=(BitmapPixels&& other) noexcept;
    ~BitmapPixels();

    std::size_t Count() const { return m_Count; }
    // The pixels, their zeros written first if still pending.
    std::uint32_t* Data() {
        if (m_ZeroPending) WriteZeros();
        return m_Data;
    }
    // The pixels for a caller that sets every one of them before reading any.
    std::uint32_t* DataToOverwrite() {
        m_ZeroPending = false;
        return m_Data;
    }

private:
    void WriteZeros();
    void Release();

    std::uint32_t* m_Data = nullptr;
    std::size_t m_Count = 0;
    std::size_t m_Capacity = 0;
    bool m_ZeroPending = false;
};

struct BitmapObject {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;           // 32 or 1
    BitmapPixels pixels;
    std::uint32_t selectedInto = 0;  // id of the context holding it, 0 when free
};

struct PenObject {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

// The pen CreatePen makes of its arguments; none for a style it refuses.
// A negative width is taken as its magnitude, 0 as a one-pixel pen; the
// most negative int has none, and is as unusable as the largest.
inline std::optional<PenObject> MakePen(int style, int width, COLORREF color) {
    if (style != PS_SOLID && style != PS_INSIDEFRAME) return std::nullopt;
    if (width < 0) width = width == INT32_MIN ? INT32_MAX : -width;
    return PenObject{style, width, color & 0x00FFFFFFu};
}

struct BrushObject {
    COLORREF color = 0;
};

struct FontObject {
    LOGFONT font;
    std::u16string faceName;  // the font's own name; empty: made from the LOGFONT alone
};

struct PaletteObject {};

struct DcObject {
    bool isScreen = false;
    std::uint32_t bitmap = 0;
    std::uint32_t pen = 0;
    std::uint32_t brush = 0;
    std::uint32_t font = 0;
    std::uint32_t palette = 0;
    COLORREF bkColor = 0x00FFFFFF;
    COLORREF textColor = 0x00000000;
    int bkMode = OPAQUE;
    POINT position;
    TextRenderer* textRenderer = nullptr;
    TextRenderer::Direction direction = TextRenderer::Direction::LeftToRight;
    int dpiX = 96;  // the resolution GetDeviceCaps reports, set by the owner
    int dpiY = 96;
};

// The stock objects, created with the table.
struct StockIds {
    std::uint32_t bitmap = 0;
    std::uint32_t pen = 0;
    std::uint32_t brush = 0;
    std::uint32_t font = 0;
    std::uint32_t palette = 0;
};

using Payload = std::variant<std::monostate, DcObject, BitmapObject, PenObject, BrushObject,
                             FontObject, PaletteObject>;

struct Slot {
    ObjectKind kind = ObjectKind::DC;
    std::uint8_t generation = 0;
    bool live = false;
    bool stock = false;
    bool screen = false;
    std::uint32_t selectCount = 0;  // pens, brushes, fonts, palettes: contexts holding it
    Payload payload;
};

// One table for the process, reached without a per-call thread lookup, and
// never destroyed: an object that releases its handle while the program
// exits (a static picture, say) still finds it. Drawing happens on one
// thread at a time, the user-interface thread.
//
// An id is the slot index + 1 in the low 24 bits and the slot's generation
// in the high 8, so a handle kept after deletion does not reach a new object
// that reuses the slot. Slots live in fixed blocks, so a slot stays where it
// is while the table grows.
class ObjectTable {
public:
    static ObjectTable& Instance() {
        static ObjectTable* const table = new ObjectTable();
        return *table;
    }

    // Makes an object of kind `kind` from `object`; returns its id, or 0
    // when the table is full.
    template <typename T>
    std::uint32_t Add(ObjectKind kind, T&& object, bool stock = false, bool screen = false) {
        std::uint32_t id = 0;
        Slot* s = Reserve(kind, stock, screen, &id);
        if (s != nullptr) s->payload.template emplace<std::decay_t<T>>(std::forward<T>(object));
        return id;
    }

    Slot* Find(std::uint32_t id, ObjectKind kind) {
        const std::uint32_t index = (id & kIndexMask) - 1;  // id 0 wraps past every slot
        if (index >= m_Count) return nullptr;
        Slot& s = m_Blocks[index >> kBlockBits][index & (kBlockSize - 1)];
        if (!s.live || s.kind != kind || s.generation != (id >> kIndexBits)) return nullptr;
        return &s;
    }
    template <typename T>
    T* FindAs(std::uint32_t id, ObjectKind kind) {
        Slot* s = Find(id, kind);
        return s ? std::get_if<T>(&s->payload) : nullptr;
    }

    void Remove(std::uint32_t id);
    std::size_t Count(const ObjectKind* kind) const;

    // Objects made for one call and deleted before it returns (the pen and
    // brush of a primitive's statement) need no slot of their own: nobody
    // sees them but the call, so all that shows is whether they could be
    // made. Of `wanted` such objects, returns how many could: as many as
    // there are free slots, the table growing for the rest as separate
    // creations would (and keeping the new slots free, as their deletion
    // would) until it is full.
    int MakeTransient(int wanted) {
        return m_Free.size() >= static_cast<std::size_t>(wanted) ? wanted : MakeTransientGrowing(wanted);
    }
    const StockIds& Stock() const { return m_Stock; }

    // Pixel memory of deleted bitmaps kept for the next ones.
    std::uint32_t* TakePixels(std::size_t count, std::size_t* capacity);
    void GivePixels(std::uint32_t* data, std::size_t capacity);

private:
    ObjectTable();
    Slot* Reserve(ObjectKind kind, bool stock, bool screen, std::uint32_t* id);
    int MakeTransientGrowing(int wanted);

    static constexpr std::uint32_t kIndexBits = 24;
    static constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;
    static constexpr std::uint32_t kBlockBits = 8;
    static constexpr std::uint32_t kBlockSize = 1u << kBlockBits;

    std::vector<std::unique_ptr<Slot[]>> m_Blocks;
    std::uint32_t m_Count = 0;  // slots in use or free
    std::vector<std::uint32_t> m_Free;
    StockIds m_Stock;

    struct PooledPixels {
        std::uint32_t* data;
        std::size_t capacity;
    };
    std::vector<PooledPixels> m_Pool;
};

inline ObjectTable& Table() { return ObjectTable::Instance(); }

// Lookups return null for a zero, stale or wrongly typed id.
inline DcObject* FindDc(std::uint32_t id) { return Table().FindAs<DcObject>(id, ObjectKind::DC); }
inline BitmapObject* FindBitmap(std::uint32_t id) {
    return Table().FindAs<BitmapObject>(id, ObjectKind::Bitmap);
}
inline PenObject* FindPen(std::uint32_t id) { return Table().FindAs<PenObject>(id, ObjectKind::Pen); }
inline BrushObject* FindBrush(std::uint32_t id) {
    return Table().FindAs<BrushObject>(id, ObjectKind::Brush);
}
inline FontObject* FindFont(std::uint32_t id) { return Table().FindAs<FontObject>(id, ObjectKind::Font); }
inline const StockIds& Stock() { return Table().Stock(); }

// The bitmap selected into a memory context; null for the screen context or
// an invalid handle.
BitmapObject* SelectedBitmap(HDC dc);

}  // namespace vemmix::gdi::detail
