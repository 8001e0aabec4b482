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
//
//   vemmix-gallery --buttons OUT.png [--scale N] [--appearance A] [--blocks N]
//
// The button sheet: real buttons on a headless form, driven into each state
// through the input path (pointer and mouse, focus, clock), one block per
// appearance; rows released, hover, focus, pressed, toggled on, drop-down
// zone pressed, disabled; column groups Standard, DropDown and Standard
// with an engraved caption, each with 100x30 and 180x60 (picture and
// caption) and 40x16 (caption). The legend goes to OUT.png.txt.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "tools/vemmix-gallery/ButtonSheet.h"
#include "tools/vemmix-gallery/FaceSamples.h"
#include "tools/vemmix-gallery/Sheet.h"

using namespace vemmix;
using namespace vemmix::samples;
using vemmix::gallery::Sheet;

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
    bool buttons = false;
    bool faceOnlyOption = false;  // --size, --theme or --transparent given
};

bool ParseArgs(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (a == "--buttons") {
            o.buttons = true;
        } else if (a == "--scale") {
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
            o.faceOnlyOption = true;
        } else if (a == "--blocks") {
            const char* v = next();
            if (!v) return false;
            o.blocksPerRow = std::max(1, std::atoi(v));
        } else if (a == "--size") {
            const char* v = next();
            int w = 0, h = 0;
            if (!v || std::sscanf(v, "%dx%d", &w, &h) != 2 || w <= 0 || h <= 0) return false;
            o.sizes = {{w, h}};
            o.faceOnlyOption = true;
        } else if (a == "--transparent") {
            const char* v = next();
            if (!v) return false;
            const unsigned long rgb = std::strtoul(v, nullptr, 16);
            o.transparent = static_cast<COLORREF>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
            o.overrideTransparent = true;
            o.faceOnlyOption = true;
        } else if (o.out.empty() && a.rfind("--", 0) != 0) {
            o.out = a;
        } else {
            return false;
        }
    }
    if (o.buttons && o.faceOnlyOption) return false;
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
                     "[--theme T] [--transparent RRGGBB] [--blocks N]\n"
                     "       vemmix-gallery --buttons OUT.png [--scale N] [--appearance A] "
                     "[--blocks N]\n");
        return 2;
    }
    if (o.buttons) {
        vemmix::gallery::ButtonSheetOptions b;
        b.out = o.out;
        b.scale = o.scale;
        b.appearance = o.appearance;
        b.blocksPerRow = o.blocksPerRow;
        return vemmix::gallery::RunButtonSheet(b);
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
    Sheet sheet(sheetWidth, sheetHeight, kSheetBackground);

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
