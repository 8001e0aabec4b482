// vemmix-gallery: one contact sheet of every face.
//
//   vemmix-gallery OUT.png [--scale N] [--appearance A] [--size WxH]
//                          [--theme T] [--transparent RRGGBB] [--blocks N]
//
// The sheet holds one block per appearance (0 to 9, top to bottom). In each
// block the rows are the states released, hover, focus, pressed, toggled
// on, toggled on under the pointer, drop-down zone pressed, disabled; the
// columns are four groups (drawBorder True / Standard Mode, True / DropDown
// Mode, False / Standard, False / DropDown), each with the sizes 24x12,
// 100x30 and 180x60. Toggled states are drawn in Toggle Mode and appear in
// the Standard columns only; the zone press appears in the DropDown columns
// only. --blocks N lays the appearance blocks out N side by side. A legend
// is written next to the image (OUT.png.txt).
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "tools/vemmix-gallery/FaceSamples.h"

using namespace vemmix;
using namespace vemmix::samples;

namespace {

constexpr COLORREF kSheetBackground = 0x505050;
constexpr COLORREF kBlockBand = 0x303030;
constexpr int kGap = 6;

struct Size {
    int w;
    int h;
};

const SampleState kStates[] = {SampleState::Released,   SampleState::Hover,
                               SampleState::Focus,      SampleState::Pressed,
                               SampleState::ToggledOn,  SampleState::ToggledHover,
                               SampleState::ZonePressed, SampleState::Disabled};

struct Options {
    std::string out;
    int scale = 1;
    int appearance = -1;  // all
    std::vector<Size> sizes{{24, 12}, {100, 30}, {180, 60}};
    int theme = 0;
    int blocksPerRow = 1;
    bool overrideTransparent = false;
    COLORREF transparent = 0;
};

class Sheet {
public:
    Sheet(int w, int h) : m_W(w), m_H(h), m_Pixels(static_cast<std::size_t>(w) * h, kSheetBackground) {}
    void Fill(int x, int y, int w, int h, COLORREF c) {
        for (int j = y; j < y + h && j < m_H; ++j)
            for (int i = x; i < x + w && i < m_W; ++i) m_Pixels[static_cast<std::size_t>(j) * m_W + i] = c;
    }
    void Put(int x, int y, int w, int h, const std::vector<COLORREF>& cell) {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                m_Pixels[static_cast<std::size_t>(y + j) * m_W + x + i] = cell[static_cast<std::size_t>(j) * w + i];
    }
    bool WritePng(const std::string& path, int scale) const {
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) return false;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            png_destroy_write_struct(&png, &info);
            std::fclose(file);
            return false;
        }
        png_init_io(png, file);
        const int w = m_W * scale;
        const int h = m_H * scale;
        png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        std::vector<png_byte> row(static_cast<std::size_t>(w) * 3);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const COLORREF c = m_Pixels[static_cast<std::size_t>(y / scale) * m_W + x / scale];
                row[x * 3 + 0] = static_cast<png_byte>(c & 0xFF);
                row[x * 3 + 1] = static_cast<png_byte>((c >> 8) & 0xFF);
                row[x * 3 + 2] = static_cast<png_byte>((c >> 16) & 0xFF);
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        png_destroy_write_struct(&png, &info);
        return std::fclose(file) == 0;
    }

private:
    int m_W;
    int m_H;
    std::vector<COLORREF> m_Pixels;
};

bool ParseArgs(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (a == "--scale") {
            const char* v = next();
            if (!v) return false;
            o.scale = std::atoi(v);
        } else if (a == "--appearance") {
            const char* v = next();
            if (!v) return false;
            o.appearance = std::atoi(v);
        } else if (a == "--theme") {
            const char* v = next();
            if (!v) return false;
            o.theme = std::atoi(v);
        } else if (a == "--blocks") {
            const char* v = next();
            if (!v) return false;
            o.blocksPerRow = std::max(1, std::atoi(v));
        } else if (a == "--size") {
            const char* v = next();
            int w = 0, h = 0;
            if (!v || std::sscanf(v, "%dx%d", &w, &h) != 2 || w <= 0 || h <= 0) return false;
            o.sizes = {{w, h}};
        } else if (a == "--transparent") {
            const char* v = next();
            if (!v) return false;
            const unsigned long rgb = std::strtoul(v, nullptr, 16);
            o.transparent = static_cast<COLORREF>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
            o.overrideTransparent = true;
        } else if (o.out.empty() && a.rfind("--", 0) != 0) {
            o.out = a;
        } else {
            return false;
        }
    }
    return !o.out.empty() && o.scale >= 1 && o.scale <= 16;
}

// A cell is drawn unless the state cannot occur in that column's mode.
bool CellShown(SampleState s, int mode) {
    const bool toggled = s == SampleState::ToggledOn || s == SampleState::ToggledHover;
    if (toggled) return mode == 0;
    if (s == SampleState::ZonePressed) return mode == 2;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseArgs(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: vemmix-gallery OUT.png [--scale N] [--appearance A] [--size WxH] "
                     "[--theme T] [--transparent RRGGBB]\n");
        return 2;
    }

    std::vector<int> appearances;
    for (int a = 0; a < 10; ++a)
        if (o.appearance < 0 || o.appearance == a) appearances.push_back(a);
    if (appearances.empty()) {
        std::fprintf(stderr, "vemmix-gallery: no appearance %d\n", o.appearance);
        return 2;
    }

    int groupWidth = 0;
    int rowHeight = 0;
    for (const Size& s : o.sizes) {
        groupWidth += s.w + kGap;
        rowHeight = std::max(rowHeight, s.h);
    }
    rowHeight += kGap;
    const int groups = 4;
    const int bandHeight = 4;
    const int blockHeight = bandHeight + kGap + static_cast<int>(std::size(kStates)) * rowHeight;
    const int blockWidth = kGap + groups * (groupWidth + kGap);
    const int blockRows =
        (static_cast<int>(appearances.size()) + o.blocksPerRow - 1) / o.blocksPerRow;
    const int sheetWidth = std::min<int>(o.blocksPerRow, static_cast<int>(appearances.size())) * blockWidth;
    const int sheetHeight = kGap + blockRows * (blockHeight + kGap);
    Sheet sheet(sheetWidth, sheetHeight);

    std::string legend =
        "vemmix-gallery contact sheet\n"
        "blocks top to bottom: appearances";
    for (int a : appearances) legend += std::string(" ") + std::to_string(a) + " " + AppearanceName(a);
    legend += "\nblocks per row: " + std::to_string(o.blocksPerRow);
    legend += "\nrows in each block:";
    for (SampleState s : kStates) legend += std::string(" ") + StateName(s);
    legend += "\ncolumn groups left to right: border/standard, border/dropdown, noborder/standard, "
              "noborder/dropdown\nsizes in each group:";
    for (const Size& s : o.sizes) legend += " " + std::to_string(s.w) + "x" + std::to_string(s.h);
    legend += "\ntheme index " + std::to_string(o.theme) +
              "; toggled rows in Toggle Mode (standard columns only); zonepressed in DropDown "
              "columns only\ncells:\n";

    for (std::size_t b = 0; b < appearances.size(); ++b) {
        const int a = appearances[b];
        const int blockX = static_cast<int>(b % o.blocksPerRow) * blockWidth;
        const int y = kGap + static_cast<int>(b / o.blocksPerRow) * (blockHeight + kGap);
        sheet.Fill(blockX, y, blockWidth - kGap, bandHeight, kBlockBand);
        int rowY = y + bandHeight + kGap;
        for (SampleState s : kStates) {
            int x = blockX + kGap;
            for (int g = 0; g < groups; ++g) {
                const VBool border = g < 2 ? kTrue : kFalse;
                const int mode = (g % 2 == 0) ? 0 : 2;
                for (const Size& size : o.sizes) {
                    if (CellShown(s, mode)) {
                        ColorCache colors = SampleColors(a, o.theme);
                        if (o.overrideTransparent) colors.m_TransparentRGB = o.transparent;
                        std::vector<COLORREF> ramp;
                        const FaceState state = MakeSampleState(a, s, mode, size.w, size.h, o.theme);
                        if (s == SampleState::ZonePressed) {
                            FaceState hovered = state;
                            hovered.pressed = kFalse;
                            hovered.inDropDown = kFalse;
                            RenderFace(hovered, colors, ramp, border);
                        }
                        sheet.Put(x, rowY, size.w, size.h, RenderFace(state, colors, ramp, border));
                        legend += "  " + std::to_string(x) + "," + std::to_string(rowY) + " " +
                                  AppearanceName(a) + " " + StateName(s) + (border ? " border" : " noborder") +
                                  (mode == 2 ? " dropdown " : " standard ") + std::to_string(size.w) + "x" +
                                  std::to_string(size.h) + "\n";
                    }
                    x += size.w + kGap;
                }
                x += kGap;
            }
            rowY += rowHeight;
        }
    }

    if (!sheet.WritePng(o.out, o.scale)) {
        std::fprintf(stderr, "vemmix-gallery: cannot write %s\n", o.out.c_str());
        return 1;
    }
    if (FILE* f = std::fopen((o.out + ".txt").c_str(), "w")) {
        std::fputs(legend.c_str(), f);
        std::fclose(f);
    }
    return 0;
}
