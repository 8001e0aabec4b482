// gdi-replay FILE [--errata LIST | --no-errata] [--dump CASE]
//
// Replays every case of a drawing-surface reference corpus (see the corpus
// README for the format) against the software surface, prints one line per
// case whose pixels differ and ends with "N passed, M failed". Exit status
// 0 only when nothing failed; 2 when a file cannot be read or a line is
// malformed. --dump prints the expected and the actual rows of one case.
//
// Errata: where the reference drew pixels its own coverage rules forbid
// (a stray span outside the shape, say), LIST corrects them, one case per
// line: "CASE X,Y=BBGGRR [X,Y=BBGGRR ...] | reason". LIST is FILE.errata
// when that file exists. Every corrected case is named in the output, and
// a correction that lies outside the bitmap or changes nothing is an error,
// so the list cannot hide a real mismatch or outlive the fault it mends.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "render/Gdi.h"

namespace gdi = vemmix::gdi;

namespace {

struct ParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') ++j;
        if (j > i) out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

int ParseInt(std::string_view s) {
    int v = 0;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v);
    if (ec != std::errc() || p != end) throw ParseError("bad integer '" + std::string(s) + "'");
    return v;
}

std::uint32_t ParseHex(std::string_view s) {
    std::uint32_t v = 0;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v, 16);
    if (s.empty() || ec != std::errc() || p != end || v > 0xFFFFFFu) {
        throw ParseError("bad colour '" + std::string(s) + "'");
    }
    return v;
}

struct Command {
    std::string name;
    std::vector<std::string> args;
    std::string line;
    int lineNumber = 0;
};

struct Case {
    std::string name;
    int lineNumber = 0;
    int width = 0;
    int height = 0;
    std::vector<Command> commands;
    std::vector<std::uint32_t> expected;  // COLORREF values, row by row
};

void ExpectArgs(const std::vector<std::string_view>& tokens, std::size_t count) {
    if (tokens.size() != count + 1) {
        throw ParseError("'" + std::string(tokens[0]) + "' takes " + std::to_string(count) +
                         " arguments, got " + std::to_string(tokens.size() - 1));
    }
}

std::size_t ArgCount(std::string_view name) {
    struct Entry {
        std::string_view name;
        std::size_t args;
    };
    static constexpr Entry kCommands[] = {
        {"fill", 1},  {"line", 6},    {"rect", 8},    {"frame", 5}, {"fillrect", 5},
        {"pixel", 3}, {"focus", 4},   {"stretch", 8}, {"blit", 7},  {"mono", 1},
    };
    for (const Entry& e : kCommands) {
        if (e.name == name) return e.args;
    }
    throw ParseError("unknown command '" + std::string(name) + "'");
}

// Reads the whole corpus; throws ParseError with "file:line: message".
std::vector<Case> ReadCorpus(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw ParseError(path + ": cannot open file");
    std::vector<Case> cases;
    std::string text;
    int lineNumber = 0;
    enum class State { Outside, Header, Commands, Rows } state = State::Outside;
    int rowsRead = 0;
    try {
        while (std::getline(in, text)) {
            ++lineNumber;
            Command cmd;
            cmd.line = text;
            cmd.lineNumber = lineNumber;
            std::vector<std::string_view> tokens = Split(cmd.line);
            if (tokens.empty()) continue;
            const std::string_view head = tokens[0];
            if (state == State::Rows && head == "row") {
                Case& c = cases.back();
                std::size_t before = c.expected.size();
                for (std::size_t i = 1; i < tokens.size(); ++i) {
                    std::string_view t = tokens[i];
                    std::size_t star = t.find('*');
                    int repeat = 1;
                    if (star != std::string_view::npos) {
                        repeat = ParseInt(t.substr(0, star));
                        if (repeat <= 0) throw ParseError("bad repeat count in '" + std::string(t) + "'");
                        t = t.substr(star + 1);
                    }
                    std::uint32_t colour = ParseHex(t);
                    if (c.expected.size() - before + repeat > static_cast<std::size_t>(c.width)) {
                        throw ParseError("row has more than " + std::to_string(c.width) + " pixels");
                    }
                    c.expected.insert(c.expected.end(), static_cast<std::size_t>(repeat), colour);
                }
                if (c.expected.size() - before != static_cast<std::size_t>(c.width)) {
                    throw ParseError("row has " + std::to_string(c.expected.size() - before) +
                                     " pixels, expected " + std::to_string(c.width));
                }
                if (++rowsRead == c.height) state = State::Outside;
                continue;
            }
            if (state == State::Rows) {
                throw ParseError("expected " + std::to_string(cases.back().height) +
                                 " row lines, got " + std::to_string(rowsRead));
            }
            if (head == "case") {
                if (state != State::Outside) throw ParseError("'case' before 'end' of the previous case");
                if (tokens.size() != 2) throw ParseError("'case' takes a name");
                Case c;
                c.name = std::string(tokens[1]);
                c.lineNumber = lineNumber;
                cases.push_back(std::move(c));
                state = State::Header;
            } else if (head == "size") {
                if (state != State::Header) throw ParseError("'size' outside a case header");
                ExpectArgs(tokens, 2);
                Case& c = cases.back();
                c.width = ParseInt(tokens[1]);
                c.height = ParseInt(tokens[2]);
                if (c.width <= 0 || c.height <= 0 || c.width > 4096 || c.height > 4096) {
                    throw ParseError("bad bitmap size");
                }
                state = State::Commands;
            } else if (head == "end") {
                if (state != State::Commands) throw ParseError("'end' without 'case' and 'size'");
                state = State::Rows;
                rowsRead = 0;
            } else {
                if (state != State::Commands) throw ParseError("'" + std::string(head) + "' outside a case");
                ExpectArgs(tokens, ArgCount(head));
                // Validate numbers now so that replay never meets a bad one.
                for (std::size_t i = 1; i < tokens.size(); ++i) {
                    const bool colour = (head == "fill" || head == "mono") ||
                                        (head == "line" && i == 6) ||
                                        (head == "rect" && (i == 6 || i == 7)) ||
                                        ((head == "frame" || head == "fillrect") && i == 5) ||
                                        (head == "pixel" && i == 3) || (head == "blit" && i == 7);
                    if (colour) {
                        ParseHex(tokens[i]);
                    } else {
                        ParseInt(tokens[i]);
                    }
                }
                cmd.name = std::string(head);
                for (std::size_t i = 1; i < tokens.size(); ++i) cmd.args.emplace_back(tokens[i]);
                cases.back().commands.push_back(std::move(cmd));
            }
        }
        if (state == State::Rows) {
            throw ParseError("file ends after " + std::to_string(rowsRead) + " of " +
                             std::to_string(cases.back().height) + " row lines");
        }
        if (state != State::Outside) throw ParseError("file ends inside a case");
    } catch (const ParseError& e) {
        throw ParseError(path + ":" + std::to_string(lineNumber) + ": " + e.what());
    }
    return cases;
}

// A memory context with a selected bitmap, torn down at the end of a case.
class Canvas {
public:
    Canvas(int width, int height, int bitsPerPixel = 32) {
        m_Dc = gdi::CreateCompatibleDC({});
        m_Bitmap = bitsPerPixel == 1 ? gdi::CreateBitmap(width, height, 1, 1, nullptr)
                                     : gdi::CreateCompatibleBitmap({}, width, height);
        m_Old = gdi::SelectObject(m_Dc, m_Bitmap);
    }
    ~Canvas() {
        gdi::SelectObject(m_Dc, m_Old);
        gdi::DeleteObject(m_Bitmap);
        gdi::DeleteDC(m_Dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    gdi::HDC Dc() const { return m_Dc; }
    gdi::HBITMAP Bitmap() const { return m_Bitmap; }

private:
    gdi::HDC m_Dc;
    gdi::HBITMAP m_Bitmap;
    gdi::HBITMAP m_Old;
};

void FillWith(gdi::HDC dc, const gdi::RECT& r, gdi::COLORREF colour, bool frame) {
    gdi::HBRUSH brush = gdi::CreateSolidBrush(colour);
    if (frame) {
        gdi::FrameRect(dc, r, brush);
    } else {
        gdi::FillRect(dc, r, brush);
    }
    gdi::DeleteObject(brush);
}

void PaintPattern(const Canvas& source) {
    gdi::PixelView v = gdi::GetBitmapPixels(source.Bitmap());
    for (int y = 0; y < v.height; ++y) {
        for (int x = 0; x < v.width; ++x) {
            const gdi::COLORREF c = static_cast<gdi::COLORREF>((x * 19) % 256) |
                                    (static_cast<gdi::COLORREF>((y * 23) % 256) << 8) |
                                    (static_cast<gdi::COLORREF>((x * y * 7) % 256) << 16);
            v.pixels[static_cast<std::size_t>(y) * v.width + x] = gdi::PixelFromColor(c);
        }
    }
}

void Run(const Command& cmd, const Canvas& canvas, int width, int height, const Canvas& source) {
    const gdi::HDC dc = canvas.Dc();
    auto I = [&](std::size_t i) { return ParseInt(cmd.args[i]); };
    auto C = [&](std::size_t i) { return ParseHex(cmd.args[i]); };
    const std::string& n = cmd.name;
    if (n == "fill") {
        FillWith(dc, {0, 0, width, height}, C(0), false);
    } else if (n == "line") {
        gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, I(4), C(5));
        gdi::HPEN old = gdi::SelectObject(dc, pen);
        gdi::MoveToEx(dc, I(0), I(1), nullptr);
        gdi::LineTo(dc, I(2), I(3));
        gdi::SelectObject(dc, old);
        gdi::DeleteObject(pen);
    } else if (n == "rect") {
        gdi::HPEN pen = gdi::CreatePen(gdi::PS_INSIDEFRAME, I(4), C(5));
        gdi::HBRUSH brush = gdi::CreateSolidBrush(C(6));
        gdi::HPEN oldPen = gdi::SelectObject(dc, pen);
        gdi::HBRUSH oldBrush = gdi::SelectObject(dc, brush);
        const int d = I(7);
        if (d == 0) {
            gdi::Rectangle(dc, I(0), I(1), I(2), I(3));
        } else {
            gdi::RoundRect(dc, I(0), I(1), I(2), I(3), d, d);
        }
        gdi::SelectObject(dc, oldPen);
        gdi::SelectObject(dc, oldBrush);
        gdi::DeleteObject(brush);
        gdi::DeleteObject(pen);
    } else if (n == "frame" || n == "fillrect") {
        FillWith(dc, {I(0), I(1), I(2), I(3)}, C(4), n == "frame");
    } else if (n == "pixel") {
        gdi::SetPixelV(dc, I(0), I(1), C(2));
    } else if (n == "focus") {
        gdi::DrawFocusRect(dc, {I(0), I(1), I(2), I(3)});
    } else if (n == "stretch") {
        gdi::StretchBlt(dc, I(0), I(1), I(2), I(3), source.Dc(), I(4), I(5), I(6), I(7),
                        gdi::SRCCOPY);
    } else if (n == "blit") {
        gdi::BitBlt(dc, I(0), I(1), I(2), I(3), source.Dc(), I(4), I(5), C(6));
    } else if (n == "mono") {
        Canvas mono(width, height, 1);
        gdi::SetBkColor(dc, C(0));
        gdi::SetTextColor(dc, 0xFFFFFF);
        gdi::BitBlt(mono.Dc(), 0, 0, width, height, dc, 0, 0, gdi::SRCCOPY);
        gdi::SetTextColor(dc, 0x000000);
        gdi::SetBkColor(dc, 0xFFFFFF);
        gdi::BitBlt(dc, 0, 0, width, height, mono.Dc(), 0, 0, gdi::SRCCOPY);
    }
}

std::string Hex(std::uint32_t c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c & 0xFFFFFFu));
    return buf;
}

void Dump(const Case& c, const std::vector<std::uint32_t>& actual) {
    std::cout << "case " << c.name << " (line " << c.lineNumber << ")\n";
    for (const Command& cmd : c.commands) std::cout << "  " << cmd.line << "\n";
    for (int y = 0; y < c.height; ++y) {
        std::string e, a;
        for (int x = 0; x < c.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * c.width + x;
            e += Hex(c.expected[i]) + (actual[i] != c.expected[i] ? "* " : " ");
            a += Hex(actual[i]) + " ";
        }
        std::cout << "  exp " << e << "\n  got " << a << "\n";
    }
}

struct PixelFix {
    int x = 0;
    int y = 0;
    std::uint32_t color = 0;
};

struct Erratum {
    std::vector<PixelFix> pixels;
    std::string reason;
};

// Reads "CASE X,Y=BBGGRR ... | reason" lines; '#' starts a comment line.
std::map<std::string, Erratum> ReadErrata(const std::string& path, bool required) {
    std::map<std::string, Erratum> errata;
    std::ifstream in(path);
    if (!in) {
        if (required) throw ParseError(path + ": cannot open file");
        return errata;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = path + ":" + std::to_string(lineNumber) + ": ";
        const std::size_t bar = line.find('|');
        const std::vector<std::string_view> tokens =
            Split(std::string_view(line).substr(0, bar == std::string::npos ? line.size() : bar));
        if (tokens.empty() || tokens[0].starts_with("#")) continue;
        if (tokens.size() < 2 || bar == std::string::npos) {
            throw ParseError(where + "expected 'CASE X,Y=BBGGRR ... | reason'");
        }
        Erratum e;
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            const std::string_view t = tokens[i];
            const std::size_t comma = t.find(',');
            const std::size_t equals = t.find('=');
            if (comma == std::string_view::npos || equals == std::string_view::npos || equals < comma) {
                throw ParseError(where + "bad pixel '" + std::string(t) + "'");
            }
            try {
                e.pixels.push_back(PixelFix{ParseInt(t.substr(0, comma)),
                                            ParseInt(t.substr(comma + 1, equals - comma - 1)),
                                            ParseHex(t.substr(equals + 1))});
            } catch (const ParseError& bad) {
                throw ParseError(where + bad.what());
            }
        }
        e.reason = line.substr(bar + 1);
        while (!e.reason.empty() && (e.reason.front() == ' ')) e.reason.erase(0, 1);
        while (!e.reason.empty() && (e.reason.back() == '\r' || e.reason.back() == ' ')) e.reason.pop_back();
        if (!errata.emplace(std::string(tokens[0]), std::move(e)).second) {
            throw ParseError(where + "case '" + std::string(tokens[0]) + "' is listed twice");
        }
    }
    return errata;
}

// Applies an erratum to a case's expected pixels; throws when a correction
// lies outside the bitmap or restates what the reference recorded.
void Correct(Case& c, const Erratum& e) {
    for (const PixelFix& fix : e.pixels) {
        if (fix.x < 0 || fix.y < 0 || fix.x >= c.width || fix.y >= c.height) {
            throw ParseError(c.name + ": correction " + std::to_string(fix.x) + "," +
                             std::to_string(fix.y) + " lies outside the bitmap");
        }
        std::uint32_t& pixel =
            c.expected[static_cast<std::size_t>(fix.y) * static_cast<std::size_t>(c.width) +
                       static_cast<std::size_t>(fix.x)];
        if (pixel == fix.color) {
            throw ParseError(c.name + ": correction " + std::to_string(fix.x) + "," +
                             std::to_string(fix.y) + " changes nothing");
        }
        pixel = fix.color;
    }
}

}  // namespace

int main(int argc, char** argv) {
    constexpr const char* kUsage = "usage: gdi-replay FILE [--errata LIST | --no-errata] [--dump CASE]\n";
    std::string path;
    std::optional<std::string> dump;
    std::optional<std::string> errataPath;
    bool useErrata = true;
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a == "--dump" && i + 1 < argc) {
            dump = argv[++i];
        } else if (a == "--errata" && i + 1 < argc) {
            errataPath = argv[++i];
        } else if (a == "--no-errata") {
            useErrata = false;
        } else if (path.empty() && !a.starts_with("--")) {
            path = a;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (path.empty() || (errataPath && !useErrata)) {
        std::cerr << kUsage;
        return 2;
    }
    std::vector<Case> cases;
    std::map<std::string, Erratum> errata;
    try {
        cases = ReadCorpus(path);
        if (useErrata) errata = ReadErrata(errataPath.value_or(path + ".errata"), errataPath.has_value());
        for (Case& c : cases) {
            const auto listed = errata.find(c.name);
            if (listed != errata.end()) Correct(c, listed->second);
        }
        for (const auto& entry : errata) {
            const std::string& name = entry.first;
            const bool present = std::any_of(cases.begin(), cases.end(),
                                             [&](const Case& c) { return c.name == name; });
            if (!present) throw ParseError("erratum for unknown case '" + name + "'");
        }
    } catch (const ParseError& e) {
        std::cerr << "gdi-replay: " << e.what() << "\n";
        return 2;
    }

    Canvas source(13, 11);
    PaintPattern(source);

    int passed = 0;
    int failed = 0;
    for (const Case& c : cases) {
        if (dump && *dump != c.name) continue;
        std::vector<std::uint32_t> actual;
        {
            Canvas canvas(c.width, c.height);
            for (const Command& cmd : c.commands) Run(cmd, canvas, c.width, c.height, source);
            const gdi::PixelView v = gdi::GetBitmapPixels(canvas.Bitmap());
            actual.reserve(v.pixels.size());
            for (std::uint32_t p : v.pixels) actual.push_back(gdi::ColorFromPixel(p) & 0xFFFFFFu);
            if (actual.size() != c.expected.size()) actual.resize(c.expected.size(), 0);
        }
        if (dump) Dump(c, actual);
        const auto listed = errata.find(c.name);
        if (listed != errata.end()) {
            std::cout << c.name << ": checked with " << listed->second.pixels.size()
                      << " corrected pixels (" << listed->second.reason << ")\n";
        }
        std::size_t i = 0;
        while (i < actual.size() && actual[i] == c.expected[i]) ++i;
        if (i == actual.size()) {
            ++passed;
            continue;
        }
        ++failed;
        std::cout << c.name << ": first difference at " << (i % c.width) << "," << (i / c.width)
                  << " expected " << Hex(c.expected[i]) << " actual " << Hex(actual[i]) << "\n";
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
