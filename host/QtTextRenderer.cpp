#include <vemmix/host/QtTextRenderer.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <list>
#include <unordered_map>
#include <vector>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHashFunctions>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

namespace vemmix::host {

namespace {

// Lines laid out with a wider limit than this are not wrapped; coordinates
// beyond it from the bitmap are not drawn (QPainter's fixed point ends near
// 2^25).
constexpr std::int64_t kFarAway = 1 << 24;
constexpr int kMaxPixelSize = 4096;
constexpr std::size_t kCacheSize = 256;
constexpr std::size_t kFontCacheSize = 64;

// The generic face fontconfig gives for a classic Windows name that is not
// installed; any other missing name falls back to sans-serif.
struct ClassicFace {
    const char* name;
    const char* generic;
};
constexpr ClassicFace kClassicFaces[] = {
    {"MS Sans Serif", "sans-serif"}, {"Microsoft Sans Serif", "sans-serif"},
    {"MS Shell Dlg", "sans-serif"},  {"MS Shell Dlg 2", "sans-serif"},
    {"Tahoma", "sans-serif"},        {"Verdana", "sans-serif"},
    {"Arial", "sans-serif"},         {"Segoe UI", "sans-serif"},
    {"Trebuchet MS", "sans-serif"},  {"System", "sans-serif"},
    {"MS Serif", "serif"},           {"Times New Roman", "serif"},
    {"Georgia", "serif"},            {"Courier New", "monospace"},
    {"Courier", "monospace"},        {"Fixedsys", "monospace"},
    {"Lucida Console", "monospace"}, {"Terminal", "monospace"},
};

QString GenericFaceFor(const QString& family) {
    for (const ClassicFace& face : kClassicFaces)
        if (family.compare(QLatin1String(face.name), Qt::CaseInsensitive) == 0) return QLatin1String(face.generic);
    return QStringLiteral("sans-serif");
}

bool IsBreak(QChar c) { return c == u'\n' || c == u'\r'; }

// What a layout depends on.
struct Key {
    std::int32_t height, weight;
    std::uint8_t italic, underline, strikeOut, charset;
    QString face;
    QString text;
    std::int64_t width;  // the wrapping width; 0 without DT_WORDBREAK
    unsigned flags;      // DT_WORDBREAK, DT_SINGLELINE, DT_NOPREFIX
    bool rightToLeft;
    friend bool operator==(const Key&, const Key&) = default;
};

struct KeyHash {
    std::size_t operator()(const Key& k) const {
        return qHashMulti(0, k.height, k.weight, k.italic, k.underline, k.strikeOut, k.charset, k.face,
                          k.text, static_cast<qint64>(k.width), k.flags, k.rightToLeft);
    }
};

// The text laid out: one QTextLayout per hard line, each with its lines.
struct Block {
    struct Line {
        const QTextLayout* layout;
        int index;    // within the layout
        int width;    // of its text, whole pixels
        qreal left;   // where QTextLayout puts its text
        const std::vector<int>* underlined;  // access-key characters of its layout
    };
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    // per layout, the positions of the characters a prefix underlines: drawn
    // apart from the text so that the underline never splits a shaping run
    // (which would change the kerning, and the width, of the line)
    std::vector<std::unique_ptr<std::vector<int>>> underlines;
    std::vector<Line> lines;
    int lineHeight = 0;
    int ascent = 0;
    int widest = 0;
    qreal underlinePos = 1;    // below the baseline
    qreal underlineWidth = 1;
};

// What a font depends on: the face and the LOGFONT fields it reads.
struct FontKey {
    std::int32_t height, weight;
    std::uint8_t italic, underline, strikeOut;
    QString face;
    friend bool operator==(const FontKey&, const FontKey&) = default;
};

struct FontKeyHash {
    std::size_t operator()(const FontKey& k) const {
        return qHashMulti(0, k.height, k.weight, k.italic, k.underline, k.strikeOut, k.face);
    }
};

QFont FontOf(const FontKey& key) {
    const QString& family = key.face;
    QStringList families{family};
    if (family.isEmpty() || !QFontDatabase::hasFamily(family)) families = {family, GenericFaceFor(family)};
    QFont f;
    f.setFamilies(families);
    f.setWeight(static_cast<QFont::Weight>(std::clamp(key.weight == 0 ? 400 : key.weight, 1, 1000)));
    f.setItalic(key.italic != 0);
    f.setUnderline(key.underline != 0);
    f.setStrikeOut(key.strikeOut != 0);
    f.setKerning(true);
    // grey antialiasing only: a memory bitmap has no subpixel order
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    const std::int64_t h = key.height;
    std::int64_t pixels = 13;
    if (h < 0) {
        pixels = -h;  // the character height: the em
    } else if (h > 0) {
        // the cell height: ascent plus descent
        QFont probe = f;
        probe.setPixelSize(1000);
        const QFontMetricsF m(probe);
        const qreal cell = m.ascent() + m.descent();
        pixels = cell > 0 ? std::llround(static_cast<double>(h) * 1000.0 / cell) : h;
    }
    f.setPixelSize(static_cast<int>(std::clamp<std::int64_t>(pixels, 1, kMaxPixelSize)));
    return f;
}

// The text without its prefix ampersands, and the positions of the
// characters they underline.
QString StripPrefixes(const QString& text, std::vector<int>& underlined) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (++i == text.size()) break;
            if (text[i] != u'&') underlined.push_back(static_cast<int>(out.size()));
        }
        out.append(text[i]);
    }
    return out;
}

// A line and where it is drawn.
struct Placed {
    const Block::Line* line;
    std::int64_t x, y;
};

std::unique_ptr<Block> Lay(const Key& key, const QFont& font) {
    auto block = std::make_unique<Block>();
    const QFontMetrics metrics(font);
    block->ascent = metrics.ascent();
    block->lineHeight = std::max(1, metrics.ascent() + metrics.descent());
    block->underlinePos = std::max(1, metrics.underlinePos());
    block->underlineWidth = std::max(1, metrics.lineWidth());

    std::vector<int> underlined;
    QString text = (key.flags & gdi::DT_NOPREFIX) ? key.text : StripPrefixes(key.text, underlined);
    const bool single = (key.flags & gdi::DT_SINGLELINE) != 0;
    const bool wrap = !single && (key.flags & gdi::DT_WORDBREAK) != 0;
    const qreal limit = wrap ? static_cast<qreal>(std::clamp<std::int64_t>(key.width, 0, kFarAway))
                             : static_cast<qreal>(kFarAway);

    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    option.setTextDirection(key.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setUseDesignMetrics(false);

    if (single) {
        // a single line leaves the breaks out
        QString kept;
        std::vector<int> moved;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (IsBreak(text[i])) continue;
            if (std::find(underlined.begin(), underlined.end(), i) != underlined.end())
                moved.push_back(static_cast<int>(kept.size()));
            kept.append(text[i]);
        }
        text = kept;
        underlined = moved;
    }

    // hard lines: breaks end them; a trailing one starts no further line,
    // and empty text has none
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        const bool atEnd = i == n;
        if (!atEnd && !IsBreak(text[i])) continue;
        if (atEnd && i == start && (i > 0 || n == 0)) break;
        const QString line = text.mid(start, i - start);
        auto keys = std::make_unique<std::vector<int>>();
        for (int u : underlined)
            if (u >= start && u < i) keys->push_back(static_cast<int>(u - start));
        auto layout = std::make_unique<QTextLayout>(line, font);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        for (;;) {
            QTextLine tl = layout->createLine();
            if (!tl.isValid()) break;
            tl.setLineWidth(limit);
            tl.setPosition(QPointF(0, 0));
        }
        layout->endLayout();
        for (int k = 0; k < layout->lineCount(); ++k) {
            const QRectF rect = layout->lineAt(k).naturalTextRect();
            const int width = static_cast<int>(std::ceil(rect.width() - 1e-6));
            block->lines.push_back(
                Block::Line{layout.get(), k, std::max(0, width), rect.left(), keys.get()});
            block->widest = std::max(block->widest, block->lines.back().width);
        }
        block->layouts.push_back(std::move(layout));
        block->underlines.push_back(std::move(keys));
        if (atEnd) break;
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    return block;
}

}  // namespace

class QtTextRenderer::Impl {
public:
    const Block& Get(const Key& key) {
        if (auto it = m_Index.find(key); it != m_Index.end()) {
            m_Order.splice(m_Order.begin(), m_Order, it->second);  // most recent first
            return *it->second->second;
        }
        ++m_Layouts;
        m_Order.emplace_front(key, Lay(key, FontFor(key)));
        m_Index[m_Order.front().first] = m_Order.begin();
        if (m_Order.size() > kCacheSize) {
            m_Index.erase(m_Order.back().first);
            m_Order.pop_back();
        }
        return *m_Order.front().second;
    }

    // The font of a layout. Resolving a face through the font database
    // costs far more than laying out a caption, and a form's captions share
    // a few fonts, so each is made once.
    const QFont& FontFor(const Key& key) {
        const FontKey fontKey{key.height, key.weight, key.italic, key.underline, key.strikeOut, key.face};
        if (auto it = m_Fonts.find(fontKey); it != m_Fonts.end()) return it->second;
        if (m_Fonts.size() >= kFontCacheSize) m_Fonts.clear();
        return m_Fonts.emplace(fontKey, FontOf(fontKey)).first->second;
    }

    // An image over the target's pixels. A repaint draws into the same
    // pooled bitmap again and again; keeping the image keeps its paint
    // engine, which Qt would otherwise set up for every call.
    QImage& ImageOver(const gdi::PixelView& view) {
        uchar* bits = reinterpret_cast<uchar*>(view.pixels.data());
        if (m_Image.isNull() || m_ImageBits != bits || m_Image.width() != view.width ||
            m_Image.height() != view.height) {
            m_Image = QImage(bits, view.width, view.height, static_cast<qsizetype>(view.width) * 4,
                             QImage::Format_RGB32);
            m_ImageBits = bits;
        }
        return m_Image;
    }

    std::uint64_t m_Layouts = 0;
    // reused from call to call: the lines being drawn, and the pixels
    // under the text before it is drawn
    std::vector<Placed> m_Placed;
    std::vector<std::uint32_t> m_Before;

private:
    using Entry = std::pair<Key, std::unique_ptr<Block>>;
    std::list<Entry> m_Order;
    std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> m_Index;
    std::unordered_map<FontKey, QFont, FontKeyHash> m_Fonts;
    QImage m_Image;
    const uchar* m_ImageBits = nullptr;
};

QtTextRenderer::QtTextRenderer() : m_Impl(std::make_unique<Impl>()) {}
QtTextRenderer::~QtTextRenderer() = default;

std::uint64_t QtTextRenderer::layoutCount() const { return m_Impl->m_Layouts; }

int QtTextRenderer::DrawText(const Target& target, const Font& font, std::u16string_view text,
                             gdi::RECT& rect, unsigned format) {
    const gdi::LOGFONT& lf = font.logFont;
    const bool wrap = (format & gdi::DT_WORDBREAK) && !(format & gdi::DT_SINGLELINE);
    const Key key{lf.lfHeight,
                  lf.lfWeight,
                  lf.lfItalic,
                  lf.lfUnderline,
                  lf.lfStrikeOut,
                  lf.lfCharSet,
                  !font.faceName.empty()
                      ? QString::fromUtf16(font.faceName.data(), static_cast<qsizetype>(font.faceName.size()))
                      : QString::fromLatin1(lf.lfFaceName, static_cast<qsizetype>(strnlen(lf.lfFaceName, 32))),
                  QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())),
                  wrap ? std::int64_t{rect.right} - rect.left : 0,
                  format & (gdi::DT_WORDBREAK | gdi::DT_SINGLELINE | gdi::DT_NOPREFIX),
                  target.direction == Direction::RightToLeft};
    const Block& block = m_Impl->Get(key);
    const std::int64_t total64 = static_cast<std::int64_t>(block.lines.size()) * block.lineHeight;
    const int total = static_cast<int>(std::min<std::int64_t>(total64, 0x7FFFFFFF));

    if (format & gdi::DT_CALCRECT) {
        rect.right = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{rect.left} + block.widest, 0x7FFFFFFF));
        rect.bottom = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{rect.top} + total, 0x7FFFFFFF));
        return total;
    }
    const gdi::PixelView& view = target.pixels;
    if (view.bitsPerPixel != 32 || view.width <= 0 || view.height <= 0 || block.lines.empty()) return total;

    // the lines' places; lines far from the bitmap are not drawn
    std::vector<Placed>& placed = m_Impl->m_Placed;
    placed.clear();
    std::int64_t y = rect.top;
    for (const Block::Line& line : block.lines) {
        std::int64_t x = rect.left;
        if (format & gdi::DT_RIGHT) {
            x = std::int64_t{rect.right} - line.width;
        } else if (format & gdi::DT_CENTER) {
            const std::int64_t twice = std::int64_t{rect.left} + rect.right - line.width;
            x = twice >= 0 ? twice / 2 : -((-twice + 1) / 2);  // floor
        }
        const bool near = y + block.lineHeight > -block.lineHeight && y < view.height + block.lineHeight &&
                          x + line.width > -kFarAway && x < kFarAway && y > -kFarAway;
        if (near) placed.push_back(Placed{&line, x, y});
        y += block.lineHeight;
    }
    if (placed.empty()) return total;

    // what the glyphs may touch: the lines' boxes with a margin for
    // overhangs, marks above and below, and the relief of antialiasing
    const std::int64_t margin = block.lineHeight;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t x0 = kMax, y0 = kMax, x1 = -kMax, y1 = -kMax;
    for (const Placed& p : placed) {
        x0 = std::min(x0, p.x - margin);
        x1 = std::max(x1, p.x + p.line->width + margin);
        y0 = std::min(y0, p.y - margin);
        y1 = std::max(y1, p.y + block.lineHeight + margin);
    }
    const int bx0 = static_cast<int>(std::clamp<std::int64_t>(x0, 0, view.width));
    const int bx1 = static_cast<int>(std::clamp<std::int64_t>(x1, 0, view.width));
    const int by0 = static_cast<int>(std::clamp<std::int64_t>(y0, 0, view.height));
    const int by1 = static_cast<int>(std::clamp<std::int64_t>(y1, 0, view.height));
    if (bx0 >= bx1 || by0 >= by1) return total;
    const int bw = bx1 - bx0;
    auto rowAt = [&](int row) { return view.pixels.data() + static_cast<std::size_t>(row) * view.width + bx0; };
    // Qt writes the fourth byte of every pixel it paints. Where every pixel
    // the glyphs may touch has that byte 0 (the surface's own colours all
    // do), clearing it afterwards everywhere there is all it takes;
    // otherwise the pixels are kept to tell which ones changed.
    std::uint32_t fourth = 0;
    for (int row = by0; row < by1; ++row) {
        const std::uint32_t* in = rowAt(row);
        for (int i = 0; i < bw; ++i) fourth |= in[i];
    }
    const bool kept = (fourth & 0xFF000000u) != 0;
    std::vector<std::uint32_t>& before = m_Impl->m_Before;
    if (kept) {
        before.resize(static_cast<std::size_t>(bw) * static_cast<std::size_t>(by1 - by0));
        for (int row = by0; row < by1; ++row)
            std::memcpy(&before[static_cast<std::size_t>(row - by0) * bw], rowAt(row),
                        static_cast<std::size_t>(bw) * sizeof(std::uint32_t));
    }

    // line backgrounds (OPAQUE), written directly
    if (target.backgroundMode == gdi::OPAQUE) {
        const std::uint32_t fill = gdi::PixelFromColor(target.backgroundColor) & 0x00FFFFFFu;
        for (const Placed& p : placed) {
            const auto fx0 = std::clamp<std::int64_t>(p.x, 0, view.width);
            const auto fx1 = std::clamp<std::int64_t>(p.x + p.line->width, 0, view.width);
            const auto fy0 = std::clamp<std::int64_t>(p.y, 0, view.height);
            const auto fy1 = std::clamp<std::int64_t>(p.y + block.lineHeight, 0, view.height);
            for (std::int64_t row = fy0; row < fy1; ++row) {
                std::uint32_t* out = view.pixels.data() + row * view.width;
                std::fill(out + fx0, out + fx1, fill);
            }
        }
    }

    // the glyphs, painted by Qt straight into the bitmap
    {
        QPainter painter(&m_Impl->ImageOver(view));
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const gdi::COLORREF c = target.textColor;
        painter.setPen(QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                              static_cast<int>((c >> 16) & 0xFF)));
        for (const Placed& p : placed) {
            const QTextLine tl = p.line->layout->lineAt(p.line->index);
            // text from x, baseline at the font's ascent below the line's top
            const QPointF origin(static_cast<qreal>(p.x) - p.line->left,
                                 static_cast<qreal>(p.y + block.ascent) - tl.y() - tl.ascent());
            tl.draw(&painter, origin);
            // the access keys' underlines, under their characters on this line
            const qreal baseline = origin.y() + tl.y() + tl.ascent();
            for (int u : *p.line->underlined) {
                if (u < tl.textStart() || u >= tl.textStart() + tl.textLength()) continue;
                const qreal a = tl.cursorToX(u), b = tl.cursorToX(u + 1);
                const qreal left = origin.x() + std::min(a, b), right = origin.x() + std::max(a, b);
                painter.fillRect(QRectF(std::round(left), std::round(baseline + block.underlinePos),
                                        std::max<qreal>(1, std::round(right) - std::round(left)),
                                        block.underlineWidth),
                                 painter.pen().color());
            }
        }
    }

    // every pixel the painting changed gets its fourth byte 0
    for (int row = by0; row < by1; ++row) {
        std::uint32_t* out = rowAt(row);
        if (!kept) {
            for (int i = 0; i < bw; ++i) out[i] &= 0x00FFFFFFu;
            continue;
        }
        const std::uint32_t* old = &before[static_cast<std::size_t>(row - by0) * bw];
        for (int i = 0; i < bw; ++i)
            if (out[i] != old[i]) out[i] &= 0x00FFFFFFu;
    }
    return total;
}

}  // namespace vemmix::host
