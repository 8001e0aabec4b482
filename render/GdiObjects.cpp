// The object table: creation, selection, deletion and live counts of
// contexts, bitmaps, pens, brushes, fonts and palettes, and the attributes
// kept in a context.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <variant>

#include "render/GdiObjects.h"
#include "render/GdiRaster.h"

namespace vemmix::gdi {
namespace detail {
namespace {

// Largest pixel count of one bitmap; a larger request fails as an
// allocation failure would.
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 26;

// The pixel pool: a few buffers of deleted bitmaps, each at most 1 MB, so
// that what it holds stays small while a repaint's bitmap of the same size
// as the last one costs no allocation.
constexpr std::size_t kPoolBuffers = 4;
constexpr std::size_t kPoolMaxPixels = std::size_t{1} << 18;

}  // namespace

// ---- pixel memory -------------------------------------------------------------

BitmapPixels::BitmapPixels(std::size_t count) : BitmapPixels(Table(), count) {}

BitmapPixels::BitmapPixels(ObjectTable& table, std::size_t count)
    : m_Count(count), m_ZeroPending(true) {
    m_Data = table.TakePixels(count, &m_Capacity);
}

BitmapPixels::BitmapPixels(BitmapPixels&& other) noexcept
    : m_Data(other.m_Data), m_Count(other.m_Count), m_Capacity(other.m_Capacity),
      m_ZeroPending(other.m_ZeroPending) {
    other.m_Data = nullptr;
    other.m_Count = other.m_Capacity = 0;
}

BitmapPixels& BitmapPixels::operator=(BitmapPixels&& other) noexcept {
    if (this != &other) {
        Release();
        m_Data = other.m_Data;
        m_Count = other.m_Count;
        m_Capacity = other.m_Capacity;
        m_ZeroPending = other.m_ZeroPending;
        other.m_Data = nullptr;
        other.m_Count = other.m_Capacity = 0;
    }
    return *this;
}

BitmapPixels::~BitmapPixels() { Release(); }

void BitmapPixels::WriteZeros() {
    std::fill_n(m_Data, m_Count, 0u);
    m_ZeroPending = false;
}

void BitmapPixels::Release() {
    if (m_Data != nullptr) Table().GivePixels(m_Data, m_Capacity);
    m_Data = nullptr;
}

// ---- the table ------------------------------------------------------------------

ObjectTable::ObjectTable() {
    // The stock 1 x 1 monochrome bitmap, black pen, white brush, system
    // font and default palette.
    BitmapObject mono;
    mono.width = mono.height = 1;
    mono.bitsPerPixel = 1;
    mono.pixels = BitmapPixels(*this, 1);
    m_Stock.bitmap = Add(ObjectKind::Bitmap, std::move(mono), true);
    m_Stock.pen = Add(ObjectKind::Pen, PenObject{PS_SOLID, 1, 0}, true);
    m_Stock.brush = Add(ObjectKind::Brush, BrushObject{0x00FFFFFF}, true);
    LOGFONT system;
    system.lfHeight = 16;
    system.lfWeight = 700;
    std::memcpy(system.lfFaceName, "System", 7);
    m_Stock.font = Add(ObjectKind::Font, FontObject{system, {}}, true);
    m_Stock.palette = Add(ObjectKind::Palette, PaletteObject{}, true);
}

Slot* ObjectTable::Reserve(ObjectKind kind, bool stock, bool screen, std::uint32_t* id) {
    std::uint32_t index;
    if (!m_Free.empty()) {
        index = m_Free.back();
        m_Free.pop_back();
    } else {
        if (m_Count >= kIndexMask) return nullptr;
        if ((m_Count >> kBlockBits) == m_Blocks.size())
            m_Blocks.push_back(std::make_unique<Slot[]>(kBlockSize));
        index = m_Count++;
    }
    Slot& s = m_Blocks[index >> kBlockBits][index & (kBlockSize - 1)];
    s.kind = kind;
    s.live = true;
    s.stock = stock;
    s.screen = screen;
    s.selectCount = 0;
    *id = (static_cast<std::uint32_t>(s.generation) << kIndexBits) | (index + 1);
    return &s;
}

void ObjectTable::Remove(std::uint32_t id) {
    const std::uint32_t index = (id & kIndexMask) - 1;
    Slot& s = m_Blocks[index >> kBlockBits][index & (kBlockSize - 1)];
    s.live = false;
    s.payload = std::monostate{};
    ++s.generation;
    m_Free.push_back(index);
}

std::size_t ObjectTable::Count(const ObjectKind* kind) const {
    std::size_t n = 0;
    for (std::uint32_t i = 0; i < m_Count; ++i) {
        const Slot& s = m_Blocks[i >> kBlockBits][i & (kBlockSize - 1)];
        if (s.live && !s.stock && !s.screen && (kind == nullptr || s.kind == *kind)) ++n;
    }
    return n;
}

int ObjectTable::MakeTransientGrowing(int wanted) {
    // The first objects would take the free slots at the back of the list
    // and, deleted last-made-first, put them back where they were.
    const std::size_t fromFree = std::min(m_Free.size(), static_cast<std::size_t>(wanted));
    int made = static_cast<int>(fromFree);
    if (made == wanted) return made;
    // The others would grow the table, and their deletion would leave their
    // new slots free just below those, the last made lowest.
    m_Free.reserve(m_Free.size() + static_cast<std::size_t>(wanted - made));
    while (made < wanted && m_Count < kIndexMask) {
        if ((m_Count >> kBlockBits) == m_Blocks.size())
            m_Blocks.push_back(std::make_unique<Slot[]>(kBlockSize));
        const std::uint32_t index = m_Count++;
        m_Blocks[index >> kBlockBits][index & (kBlockSize - 1)].generation = 1;  // made and deleted once
        m_Free.insert(m_Free.end() - static_cast<std::ptrdiff_t>(fromFree), index);
        ++made;
    }
    return made;
}

std::uint32_t* ObjectTable::TakePixels(std::size_t count, std::size_t* capacity) {
    // The smallest pooled buffer that holds the pixels without wasting more
    // than they need.
    auto best = m_Pool.end();
    for (auto it = m_Pool.begin(); it != m_Pool.end(); ++it) {
        if (it->capacity >= count && it->capacity <= 2 * count + 64 &&
            (best == m_Pool.end() || it->capacity < best->capacity))
            best = it;
    }
    if (best != m_Pool.end()) {
        std::uint32_t* data = best->data;
        *capacity = best->capacity;
        m_Pool.erase(best);
        return data;
    }
    *capacity = std::max<std::size_t>(count, 1);
    return new std::uint32_t[*capacity];
}

void ObjectTable::GivePixels(std::uint32_t* data, std::size_t capacity) {
    if (capacity > kPoolMaxPixels) {
        delete[] data;
        return;
    }
    if (m_Pool.size() == kPoolBuffers) {
        delete[] m_Pool.front().data;
        m_Pool.erase(m_Pool.begin());
    }
    m_Pool.push_back(PooledPixels{data, capacity});
}

BitmapObject* SelectedBitmap(HDC dc) {
    DcObject* d = FindDc(dc.id);
    return d ? FindBitmap(d->bitmap) : nullptr;
}

}  // namespace detail

using namespace detail;

namespace {

// Exchanges the pen, brush, font or palette of a context: the counts of
// contexts holding each object keep deletion of a selected object failing.
std::uint32_t SwapSelection(HDC dc, std::uint32_t DcObject::*member, std::uint32_t id,
                            ObjectKind kind) {
    DcObject* d = FindDc(dc.id);
    Slot* incoming = Table().Find(id, kind);
    if (d == nullptr || incoming == nullptr) return 0;
    const std::uint32_t previous = d->*member;
    if (Slot* old = Table().Find(previous, kind); old != nullptr && old->selectCount > 0) {
        --old->selectCount;
    }
    ++incoming->selectCount;
    d->*member = id;
    return previous;
}

bool DeleteDrawingObject(std::uint32_t id, ObjectKind kind) {
    Slot* s = Table().Find(id, kind);
    if (s == nullptr || s->stock || s->selectCount > 0) return false;
    if (const auto* b = std::get_if<BitmapObject>(&s->payload); b && b->selectedInto != 0) {
        return false;
    }
    Table().Remove(id);
    return true;
}

bool ValidBitmapSize(int width, int height) {
    return width > 0 && height > 0 &&
           static_cast<std::int64_t>(width) * height <= kMaxBitmapPixels;
}

HBITMAP NewBitmap(int width, int height, int bitsPerPixel) {
    BitmapObject b;
    b.width = width;
    b.height = height;
    b.bitsPerPixel = bitsPerPixel;
    b.pixels = BitmapPixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    return HBITMAP{Table().Add(ObjectKind::Bitmap, std::move(b))};
}

HDC NewDc(bool screen) {
    const StockIds& stock = Stock();
    DcObject d;
    d.isScreen = screen;
    d.pen = stock.pen;
    d.brush = stock.brush;
    d.font = stock.font;
    d.palette = stock.palette;
    if (!screen) d.bitmap = stock.bitmap;
    return HDC{Table().Add(ObjectKind::DC, d, false, screen)};
}

void ReleaseSelections(DcObject& d) {
    if (BitmapObject* b = FindBitmap(d.bitmap)) {
        if (d.bitmap != Stock().bitmap) b->selectedInto = 0;
    }
    const std::array<std::pair<std::uint32_t, ObjectKind>, 4> held = {{
        {d.pen, ObjectKind::Pen},
        {d.brush, ObjectKind::Brush},
        {d.font, ObjectKind::Font},
        {d.palette, ObjectKind::Palette},
    }};
    for (const auto& [id, kind] : held) {
        if (Slot* s = Table().Find(id, kind); s != nullptr && s->selectCount > 0) --s->selectCount;
    }
}

}  // namespace

// ---- pens, brushes ----------------------------------------------------------

HPEN CreatePen(int style, int width, COLORREF color) {
    const std::optional<PenObject> pen = MakePen(style, width, color);
    return pen ? HPEN{Table().Add(ObjectKind::Pen, *pen)} : HPEN{};
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return HBRUSH{Table().Add(ObjectKind::Brush, BrushObject{color & 0x00FFFFFFu})};
}

HFONT CreateFontIndirect(const LOGFONT& font) {
    return HFONT{Table().Add(ObjectKind::Font, FontObject{font, {}})};
}

HFONT CreateFontNamed(const LOGFONT& font, std::u16string_view faceName) {
    return HFONT{Table().Add(ObjectKind::Font, FontObject{font, std::u16string(faceName)})};
}

// ---- contexts and bitmaps ---------------------------------------------------

HDC CreateCompatibleDC(HDC reference) {
    if (reference && FindDc(reference.id) == nullptr) return {};
    return NewDc(false);
}

bool DeleteDC(HDC dc) {
    Slot* s = Table().Find(dc.id, ObjectKind::DC);
    if (s == nullptr || s->screen) return false;
    ReleaseSelections(std::get<DcObject>(s->payload));
    Table().Remove(dc.id);
    return true;
}

HDC GetScreenDC() { return NewDc(true); }

int ReleaseDC(HDC screenDC) {
    Slot* s = Table().Find(screenDC.id, ObjectKind::DC);
    if (s == nullptr || !s->screen) return 0;
    ReleaseSelections(std::get<DcObject>(s->payload));
    Table().Remove(screenDC.id);
    return 1;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    int bitsPerPixel = 32;
    if (dc) {
        DcObject* d = FindDc(dc.id);
        if (d == nullptr) return {};
        if (const BitmapObject* b = FindBitmap(d->bitmap); b && b->bitsPerPixel == 1) {
            bitsPerPixel = 1;
        }
    }
    // An empty request gets the stock 1 x 1 monochrome bitmap, as in GDI.
    if (width == 0 || height == 0) return HBITMAP{Stock().bitmap};
    if (!ValidBitmapSize(width, height)) return {};
    return NewBitmap(width, height, bitsPerPixel);
}

HBITMAP CreateBitmap(int width, int height, unsigned planes, unsigned bitsPerPixel,
                     const void* bits) {
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) return {};
    if (width == 0 || height == 0) return HBITMAP{Stock().bitmap};
    if (!ValidBitmapSize(width, height)) return {};
    HBITMAP h = NewBitmap(width, height, static_cast<int>(bitsPerPixel));
    if (!h || bits == nullptr) return h;
    BitmapObject& b = *FindBitmap(h.id);
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    std::uint32_t* pixels = b.pixels.DataToOverwrite();
    if (bitsPerPixel == 32) {
        // Little-endian B, G, R, X bytes are the stored values themselves.
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(pixels, bytes, b.pixels.Count() * sizeof(std::uint32_t));
        } else {
            for (std::size_t i = 0; i < b.pixels.Count(); ++i) {
                const std::uint8_t* p = bytes + i * 4;
                pixels[i] = std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) |
                            (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
            }
        }
    } else {
        // Rows padded to 16 bits, most significant bit first.
        const std::size_t stride = static_cast<std::size_t>((width + 15) / 16) * 2;
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* row = bytes + static_cast<std::size_t>(y) * stride;
            std::uint32_t* out = pixels + static_cast<std::size_t>(y) * width;
            for (int x = 0; x < width; ++x) out[x] = (row[x >> 3] >> (7 - (x & 7))) & 1u;
        }
    }
    return h;
}

HBITMAP CreateBitmapOfColors(int width, int height, const std::uint32_t* pixels) {
    if (width == 0 || height == 0) return HBITMAP{Stock().bitmap};
    if (!ValidBitmapSize(width, height) || pixels == nullptr) return {};
    const HBITMAP h = NewBitmap(width, height, 32);
    if (!h) return h;
    BitmapObject& b = *FindBitmap(h.id);
    CopyWithoutHighBytes(b.pixels.DataToOverwrite(), pixels, b.pixels.Count());
    return h;
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    DcObject* d = FindDc(dc.id);
    BitmapObject* incoming = FindBitmap(bitmap.id);
    if (d == nullptr || d->isScreen || incoming == nullptr) return {};
    if (d->bitmap == bitmap.id) return bitmap;
    const bool stock = bitmap.id == Stock().bitmap;
    if (!stock && incoming->selectedInto != 0) return {};
    const std::uint32_t previous = d->bitmap;
    if (BitmapObject* old = FindBitmap(previous); old && previous != Stock().bitmap) {
        old->selectedInto = 0;
    }
    if (!stock) incoming->selectedInto = dc.id;
    d->bitmap = bitmap.id;
    return HBITMAP{previous};
}

HPEN SelectObject(HDC dc, HPEN pen) {
    return HPEN{SwapSelection(dc, &DcObject::pen, pen.id, ObjectKind::Pen)};
}
HBRUSH SelectObject(HDC dc, HBRUSH brush) {
    return HBRUSH{SwapSelection(dc, &DcObject::brush, brush.id, ObjectKind::Brush)};
}
HFONT SelectObject(HDC dc, HFONT font) {
    return HFONT{SwapSelection(dc, &DcObject::font, font.id, ObjectKind::Font)};
}

bool DeleteObject(HBITMAP object) { return DeleteDrawingObject(object.id, ObjectKind::Bitmap); }
bool DeleteObject(HPEN object) { return DeleteDrawingObject(object.id, ObjectKind::Pen); }
bool DeleteObject(HBRUSH object) { return DeleteDrawingObject(object.id, ObjectKind::Brush); }
bool DeleteObject(HFONT object) { return DeleteDrawingObject(object.id, ObjectKind::Font); }
bool DeleteObject(HPALETTE object) { return DeleteDrawingObject(object.id, ObjectKind::Palette); }

// ---- palettes: accepted, no effect on a true-colour surface -------------------

HPALETTE CreateHalftonePalette(HDC dc) {
    if (dc && FindDc(dc.id) == nullptr) return {};
    return HPALETTE{Table().Add(ObjectKind::Palette, PaletteObject{})};
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool /*forceBackground*/) {
    return HPALETTE{SwapSelection(dc, &DcObject::palette, palette.id, ObjectKind::Palette)};
}

unsigned RealizePalette(HDC dc) {
    // Nothing to map on a true-colour surface; GDI reports 0 entries then.
    return FindDc(dc.id) != nullptr ? 0u : static_cast<unsigned>(-1);
}

std::size_t LiveObjectCount() { return Table().Count(nullptr); }
std::size_t LiveObjectCount(ObjectKind kind) { return Table().Count(&kind); }

// ---- attributes -------------------------------------------------------------

COLORREF SetBkColor(HDC dc, COLORREF color) {
    DcObject* d = FindDc(dc.id);
    if (d == nullptr) return CLR_INVALID;
    const COLORREF previous = d->bkColor;
    d->bkColor = color & 0x00FFFFFFu;
    return previous;
}

COLORREF GetBkColor(HDC dc) {
    const DcObject* d = FindDc(dc.id);
    return d ? d->bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    DcObject* d = FindDc(dc.id);
    if (d == nullptr) return CLR_INVALID;
    const COLORREF previous = d->textColor;
    d->textColor = color & 0x00FFFFFFu;
    return previous;
}

COLORREF GetTextColor(HDC dc) {
    const DcObject* d = FindDc(dc.id);
    return d ? d->textColor : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode) {
    DcObject* d = FindDc(dc.id);
    if (d == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int previous = d->bkMode;
    d->bkMode = mode;
    return previous;
}

int GetBkMode(HDC dc) {
    const DcObject* d = FindDc(dc.id);
    return d ? d->bkMode : 0;
}

void SetDeviceResolution(HDC dc, int dpiX, int dpiY) {
    DcObject* d = FindDc(dc.id);
    if (d == nullptr) return;
    if (dpiX > 0) d->dpiX = dpiX;
    if (dpiY > 0) d->dpiY = dpiY;
}

int GetDeviceCaps(HDC dc, int index) {
    const DcObject* d = FindDc(dc.id);
    if (d == nullptr) return 0;
    switch (index) {
        case LOGPIXELSX: return d->dpiX;
        case LOGPIXELSY: return d->dpiY;
        default: return 0;
    }
}

PixelView GetBitmapPixels(HBITMAP bitmap) {
    BitmapObject* b = FindBitmap(bitmap.id);
    if (b == nullptr) return {};
    return PixelView{b->width, b->height, b->bitsPerPixel,
                     std::span<std::uint32_t>(b->pixels.Data(), b->pixels.Count())};
}

HBITMAP GetCurrentBitmap(HDC dc) {
    const DcObject* d = FindDc(dc.id);
    return d ? HBITMAP{d->bitmap} : HBITMAP{};
}

}  // namespace vemmix::gdi
