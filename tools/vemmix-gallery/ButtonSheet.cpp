#include "tools/vemmix-gallery/ButtonSheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <vemmix/Enums.h>
#include <vemmix/StdObjects.h>
#include "control/Zorvane.h"
#include <vemmix/headless/HeadlessContainer.h>
#include "tools/vemmix-gallery/FaceSamples.h"
#include "tools/vemmix-gallery/Sheet.h"

namespace vemmix::gallery {
namespace {

constexpr gdi::COLORREF kSheetBackground = 0x505050;
constexpr gdi::COLORREF kBlockBand = 0x303030;
constexpr int kGap = 6;
constexpr int kBandHeight = 4;
// The default MaskColor, so the picture's background is see-through.
constexpr std::uint32_t kMagenta = 0xFF00FF;

enum class CellState { Released, Hover, Focus, Pressed, ToggledOn, ZonePressed, Disabled };

struct StateRow {
    CellState state;
    const char* name;
};

const StateRow kRows[] = {
    {CellState::Released, "released"},   {CellState::Hover, "hover"},
    {CellState::Focus, "focus"},         {CellState::Pressed, "pressed"},
    {CellState::ToggledOn, "toggledon"}, {CellState::ZonePressed, "zonepressed"},
    {CellState::Disabled, "disabled"},
};

// A column group: the mode of its buttons and whether the caption relief
// is switched on (CaptionEffect Engraved, CaptionEffectEvent Always).
struct Group {
    std::int32_t mode;
    bool engraved;
    const char* name;
};

const Group kGroups[] = {
    {ecAppearanceMode::Standard, false, "standard"},
    {ecAppearanceMode::DropDown, false, "dropdown"},
    {ecAppearanceMode::Standard, true, "standard/engraved"},
};

struct CellSize {
    int w;
    int h;
    bool picture;
    const char16_t* caption;
};

// The large caption is two words wider than the room right of the picture
// (the built-in renderer's 6-pixel cells), so it wraps onto two lines.
const CellSize kSizes[] = {
    {100, 30, true, u"&Save"},
    {180, 60, true, u"&Synchronisation Preferences"},
    {40, 16, false, u"&Save"},
};

// A toggled button is drawn in Toggle Mode, so only the standard groups
// show it; the zone press needs DropDown Mode.
bool CellShown(CellState state, const Group& group) {
    if (state == CellState::ToggledOn) return group.mode == ecAppearanceMode::Standard;
    if (state == CellState::ZonePressed) return group.mode == ecAppearanceMode::DropDown;
    return true;
}

// 16 x 16: a blue disc with a dark rim, a yellow highlight and a red dot on
// the mask colour, so both transparency and the grey effect show.
PictureRef MakeMotif() {
    constexpr int n = 16;
    std::vector<std::uint32_t> pixels(n * n, kMagenta);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int dx = 2 * x - 15;
            const int dy = 2 * y - 15;
            const int d2 = dx * dx + dy * dy;  // (2r)^2 from the centre (7.5, 7.5)
            std::uint32_t& p = pixels[static_cast<std::size_t>(y) * n + x];
            if (d2 <= 13 * 13) p = 0x1E64C8;
            else if (d2 <= 15 * 15) p = 0x0A2850;
            if (x >= 4 && x <= 6 && y >= 4 && y <= 6) p = 0xFFE040;
            if (x >= 9 && x <= 10 && y >= 9 && y <= 10) p = 0xE02020;
        }
    return MakeBitmapPicture(n, n, pixels);
}

// Drives a freshly created button into `state` the way the container would:
// pointer and mouse notifications in client pixels, the focus through the
// form, the hover timer through the virtual clock.
void DriveState(headless::HeadlessForm& form, headless::HeadlessSite& site, Zorvane& button,
                CellState state) {
    const gdi::RECT b = site.bounds();
    const int w = b.right - b.left;
    const int h = b.bottom - b.top;
    const auto pointerAt = [&](int x, int y) { form.SetPointer(gdi::POINT{b.left + x, b.top + y}); };
    const auto hover = [&](int x, int y) {
        pointerAt(x, y);
        button.MouseMove(0, 0, static_cast<float>(x), static_cast<float>(y));
        form.AdvanceTime(10);
    };
    const int cx = w / 2;
    const int cy = h / 2;
    form.SetPointer(std::nullopt);
    switch (state) {
        case CellState::Released:
            break;
        case CellState::Hover:
            hover(cx, cy);
            break;
        case CellState::Focus:
            form.SetFocus(&site);
            break;
        case CellState::Pressed:
            hover(cx, cy);
            button.MouseDown(1, 0, static_cast<float>(cx), static_cast<float>(cy));
            break;
        case CellState::ToggledOn:
            hover(cx, cy);
            button.MouseDown(1, 0, static_cast<float>(cx), static_cast<float>(cy));
            button.MouseUp(1, 0, static_cast<float>(cx), static_cast<float>(cy));
            form.SetPointer(std::nullopt);
            form.AdvanceTime(10);
            break;
        case CellState::ZonePressed:
            hover(w - 4, cy);
            button.MouseDown(1, 0, static_cast<float>(w - 4), static_cast<float>(cy));
            break;
        case CellState::Disabled:
            button.SetEnabled(kFalse);
            break;
    }
}

void Configure(Zorvane& button, std::int32_t appearance, const Group& group, CellState state,
               const CellSize& size, const PictureRef& motif) {
    button.SetAppearance(appearance);
    button.SetAppearanceThemes(ecAppearanceThemes::Blue);
    button.SetAppearanceMode(state == CellState::ToggledOn ? ecAppearanceMode::Toggle : group.mode);
    button.SetCaption(size.caption);
    if (size.picture) button.SetPicture(motif);
    button.SetPictureDisabledEffect(ecPictureEffect::Gray);
    if (group.engraved) {
        button.SetCaptionEffect(ecCaptionEffect::Engraved);
        button.SetCaptionEffectEvent(ecEvents::Always);
    }
    button.SetShowFocus(kTrue);
}

}  // namespace

int RunButtonSheet(const ButtonSheetOptions& o) {
    std::vector<int> appearances;
    for (int a = 0; a < 10; ++a)
        if (o.appearance < 0 || o.appearance == a) appearances.push_back(a);
    if (appearances.empty() || o.scale < 1 || o.scale > 16 || o.blocksPerRow < 1) {
        std::fprintf(stderr, "vemmix-gallery: bad options for --buttons\n");
        return 2;
    }

    int groupWidth = 0;
    int rowHeight = 0;
    for (const CellSize& s : kSizes) {
        groupWidth += s.w + kGap;
        rowHeight = std::max(rowHeight, s.h);
    }
    rowHeight += kGap;
    const int groups = static_cast<int>(std::size(kGroups));
    const int blockHeight = kBandHeight + kGap + static_cast<int>(std::size(kRows)) * rowHeight;
    const int blockWidth = kGap + groups * (groupWidth + kGap);
    const int count = static_cast<int>(appearances.size());
    const int blockRows = (count + o.blocksPerRow - 1) / o.blocksPerRow;
    const int sheetWidth = std::min(o.blocksPerRow, count) * blockWidth;
    const int sheetHeight = kGap + blockRows * (blockHeight + kGap);
    Sheet sheet(sheetWidth, sheetHeight, kSheetBackground);

    std::string legend =
        "vemmix-gallery button sheet (real buttons on a headless form)\n"
        "blocks top to bottom: appearances";
    for (int a : appearances) legend += " " + std::to_string(a) + " " + samples::AppearanceName(a);
    legend += "\nblocks per row: " + std::to_string(o.blocksPerRow);
    legend += "\nrows in each block:";
    for (const StateRow& r : kRows) legend += std::string(" ") + r.name;
    legend += "\ncolumn groups left to right:";
    for (const Group& g : kGroups) legend += std::string(" ") + g.name;
    legend += "\nsizes in each group:";
    for (const CellSize& s : kSizes)
        legend += " " + std::to_string(s.w) + "x" + std::to_string(s.h) + (s.picture ? "+picture" : "");
    legend +=
        "\nAppearanceThemes 1 (blue), ShowFocus True, PictureDisabledEffect 1; toggledon in Toggle "
        "Mode (standard groups only); zonepressed in DropDown Mode only\ncells:\n";

    headless::HeadlessForm form;
    const PictureRef motif = MakeMotif();
    for (std::size_t b = 0; b < appearances.size(); ++b) {
        const int a = appearances[b];
        const int blockX = static_cast<int>(b % o.blocksPerRow) * blockWidth;
        const int y = kGap + static_cast<int>(b / o.blocksPerRow) * (blockHeight + kGap);
        sheet.Fill(blockX, y, blockWidth - kGap, kBandHeight, kBlockBand);
        int rowY = y + kBandHeight + kGap;
        for (const StateRow& row : kRows) {
            int x = blockX + kGap;
            for (const Group& group : kGroups) {
                for (const CellSize& size : kSizes) {
                    if (CellShown(row.state, group)) {
                        // One live button at a time, placed where its cell is.
                        const std::u16string name = u"Zorvane1";
                        // the sheet sets the button up through its own C++ API
                        Zorvane& button = dynamic_cast<Zorvane&>(
                            form.AddButton(name, {x, rowY, x + size.w, rowY + size.h}));
                        headless::HeadlessSite* site = form.Find(name);
                        Configure(button, a, group, row.state, size, motif);
                        DriveState(form, *site, button, row.state);
                        // The window's shape too: a Shaped button is see-through
                        // where its mask picture has the mask colour.
                        const std::vector<bool> shape = site->shape();
                        sheet.PutPixels(x, rowY, site->pixels(), &shape);
                        form.SetPointer(std::nullopt);
                        form.RemoveControl(*site);
                        legend += "  " + std::to_string(x) + "," + std::to_string(rowY) + " " +
                                  samples::AppearanceName(a) + " " + row.name + " " + group.name + " " +
                                  std::to_string(size.w) + "x" + std::to_string(size.h) + "\n";
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

}  // namespace vemmix::gallery
