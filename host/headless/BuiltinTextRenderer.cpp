#include <vemmix/headless/BuiltinTextRenderer.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vemmix::headless {
namespace {

struct Metrics {
    int height;   // h
    int advance;  // a
    int inset;    // t
};

Metrics MetricsOf(const gdi::LOGFONT& font) {
    Metrics m{};
    m.height = font.lfHeight == 0 ? 13 : (font.lfHeight < 0 ? -font.lfHeight : font.lfHeight);
    m.advance = (m.height + 1) / 2 + (font.lfWeight >= 600 ? 1 : 0);
    m.inset = m.height / 5;
    return m;
}

// One character as laid out: the prefix '&' is already gone.
struct Cell {
    char16_t ch;
    bool underline;  // the character after a single '&'
};

struct Line {
    std::size_t begin, end;  // cells [begin, end)
};

bool IsBreak(char16_t c) { return c == u'\n' || c == u'\r'; }

// Prefix rules: a single '&' underlines the next character and is not
// drawn, "&&" draws one '&', a final '&' draws nothing. A single line
// leaves line breaks out.
std::vector<Cell> MakeCells(std::u16string_view text, bool prefix, bool single) {
    std::vector<Cell> cells;
    cells.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        bool underline = false;
        if (prefix && c == u'&') {
            if (++i == text.size()) break;
            c = text[i];
            underline = c != u'&';
        }
        if (single && IsBreak(c)) continue;
        cells.push_back({c, underline});
    }
    return cells;
}

// Splits the cells of one hard line [begin, end) into wrapped lines.
void WrapLine(const std::vector<Cell>& cells, std::size_t begin, std::size_t end, int advance,
              std::int64_t limit, std::vector<Line>& lines) {
    if (begin == end) {  // an empty line between two breaks
        lines.push_back({begin, end});
        return;
    }
    std::size_t pos = begin;
    while (pos < end) {
        std::int64_t x = 0;
        std::size_t wordEnd = pos;  // end of the last word that fitted, pos when none
        bool broke = false;
        for (std::size_t i = pos; i < end; ++i) {
            const bool space = cells[i].ch == u' ';
            if (space && i > pos && cells[i - 1].ch != u' ') wordEnd = i;
            if (i > pos && x + advance > limit) {
                std::size_t lineEnd = i, next = i;
                if (space) {
                    lineEnd = wordEnd > pos ? wordEnd : i;
                    next = i;
                } else if (wordEnd > pos) {
                    lineEnd = wordEnd;
                    next = wordEnd;
                }
                // the spaces at a break belong to no line
                while (next < end && cells[next].ch == u' ') ++next;
                lines.push_back({pos, lineEnd});
                pos = next;
                broke = true;
                break;
            }
            x += advance;
        }
        if (!broke) {
            lines.push_back({pos, end});
            return;
        }
    }
}

std::vector<Line> Layout(const std::vector<Cell>& cells, unsigned format, int advance,
                         std::int64_t limit) {
    std::vector<Line> lines;
    const bool wrap = (format & gdi::DT_SINGLELINE) == 0 && (format & gdi::DT_WORDBREAK) != 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= cells.size(); ++i) {
        const bool atEnd = i == cells.size();
        if (!atEnd && !IsBreak(cells[i].ch)) continue;
        if (!atEnd || i > start) {
            if (wrap)
                WrapLine(cells, start, i, advance, limit, lines);
            else
                lines.push_back({start, i});
        }
        if (atEnd) break;
        if (cells[i].ch == u'\r' && i + 1 < cells.size() && cells[i + 1].ch == u'\n') ++i;
        start = i + 1;
    }
    return lines;
}

class Canvas {
public:
    explicit Canvas(const gdi::PixelView& view) : m_View(view) {}

    void Fill(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
              gdi::COLORREF colour) {
        const std::int64_t x0 = std::max<std::int64_t>(left, 0);
        const std::int64_t y0 = std::max<std::int64_t>(top, 0);
        const std::int64_t x1 = std::min<std::int64_t>(right, m_View.width);
        const std::int64_t y1 = std::min<std::int64_t>(bottom, m_View.height);
        if (x0 >= x1 || y0 >= y1) return;
        std::uint32_t value;
        if (m_View.bitsPerPixel == 1) {
            const std::uint32_t sum = (colour & 0xFFu) + ((colour >> 8) & 0xFFu) + ((colour >> 16) & 0xFFu);
            value = sum > 381 ? 1u : 0u;
        } else {
            value = gdi::PixelFromColor(colour);
        }
        for (std::int64_t y = y0; y < y1; ++y) {
            std::uint32_t* row = m_View.pixels.data() + y * m_View.width;
            std::fill(row + x0, row + x1, value);
        }
    }

private:
    gdi::PixelView m_View;
};

class BuiltinTextRenderer final : public TextRenderer {
public:
    int DrawText(const Target& target, const Font& font, std::u16string_view text,
                 gdi::RECT& rect, unsigned format) override {
        const Metrics m = MetricsOf(font.logFont);
        const std::vector<Cell> cells = MakeCells(text, (format & gdi::DT_NOPREFIX) == 0,
                                                   (format & gdi::DT_SINGLELINE) != 0);
        const std::int64_t limit = std::int64_t{rect.right} - rect.left;
        const std::vector<Line> lines = Layout(cells, format, m.advance, limit);
        const auto widthOf = [&](const Line& line) {
            return static_cast<std::int64_t>(line.end - line.begin) * m.advance;
        };
        const int total = static_cast<int>(std::min<std::int64_t>(
            static_cast<std::int64_t>(lines.size()) * m.height, 0x7FFFFFFF));

        if (format & gdi::DT_CALCRECT) {
            std::int64_t widest = 0;
            for (const Line& line : lines) widest = std::max(widest, widthOf(line));
            rect.right = static_cast<std::int32_t>(
                std::min<std::int64_t>(rect.left + widest, 0x7FFFFFFF));
            rect.bottom = static_cast<std::int32_t>(
                std::min<std::int64_t>(std::int64_t{rect.top} + total, 0x7FFFFFFF));
            return total;
        }
        if (target.pixels.pixels.empty()) return total;

        Canvas canvas(target.pixels);
        std::int64_t ty = rect.top;
        for (const Line& line : lines) {
            const std::int64_t width = widthOf(line);
            std::int64_t x = rect.left;
            if (format & gdi::DT_RIGHT)
                x = std::int64_t{rect.right} - width;
            else if (format & gdi::DT_CENTER) {
                const std::int64_t twice = std::int64_t{rect.left} + rect.right - width;
                x = twice >= 0 ? twice / 2 : -((-twice + 1) / 2);  // floor
            }
            if (target.backgroundMode == gdi::OPAQUE)
                canvas.Fill(x, ty, x + width, ty + m.height, target.backgroundColor);
            std::int64_t cx = x;
            for (std::size_t i = line.begin; i < line.end; ++i, cx += m.advance) {
                const Cell& cell = cells[i];
                if (cell.ch != u' ' && !IsBreak(cell.ch))
                    canvas.Fill(cx, ty + m.inset, cx + m.advance - 1, ty + m.height - m.inset,
                                target.textColor);
                if (cell.underline)
                    canvas.Fill(cx, ty + m.height - 1, cx + m.advance, ty + m.height, target.textColor);
            }
            if (font.logFont.lfUnderline)
                canvas.Fill(x, ty + m.height - 1, x + width, ty + m.height, target.textColor);
            if (font.logFont.lfStrikeOut)
                canvas.Fill(x, ty + m.height / 2, x + width, ty + m.height / 2 + 1, target.textColor);
            ty += m.height;
        }
        return total;
    }
};

}  // namespace

std::unique_ptr<TextRenderer> MakeBuiltinTextRenderer() {
    return std::make_unique<BuiltinTextRenderer>();
}

}  // namespace vemmix::headless
