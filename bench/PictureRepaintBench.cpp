// Whole repaints of a 400 x 120 button (headless container) with the
// hostile pictures of the reliability limits: a repaint costs what lands
// inside the button, whatever the picture declares, and the worst picture
// a button takes repaints in under 5 ms. Also the cost of regenerating
// the effect pictures. The figures are in docs/reliability.md.
#include <benchmark/benchmark.h>

#include <vemmix/headless/HeadlessContainer.h>

#include "control/Zorvane.h"
#include "tests/reliability/HostilePictures.h"

namespace {

using namespace vemmix;
using test::Bitmap;
using test::Declaring;

constexpr gdi::RECT kBounds{0, 0, 400, 120};

struct Button {
    headless::HeadlessForm form;
    Zorvane& b = *static_cast<Zorvane*>(&form.AddButton(u"Zorvane1", kBounds));
};

// A picture derived for each of the four states.
void SetFourEffects(Button& button) {
    button.b.SetPictureDisabledEffect(ecPictureEffect::Gray);
    button.b.SetPictureDownEffect(ecPictureEffect::Lighter);
    button.b.SetPictureFocusEffect(ecPictureEffect::Darkness);
    button.b.SetPictureOverEffect(ecPictureEffect::Gray);
}

void Repaint(benchmark::State& state, Button& button) {
    for (auto _ : state) button.b.Refresh();
}

// The reference: the same button without a picture.
void BM_RepaintNoPicture(benchmark::State& state) {
    Button button;
    button.b.SetCaption(u"Caption");
    Repaint(state, button);
}
BENCHMARK(BM_RepaintNoPicture)->Unit(benchmark::kMillisecond);

// A 2 x 2 bitmap whose saved size declares 16384 x 4096 (the largest
// accepted), drawn as it is (range 0) or stretched over the button (1).
void BM_RepaintTinyBitmapDeclaring16384x4096(benchmark::State& state) {
    Button button;
    button.b.SetPicture(Declaring(16384, 4096, Bitmap(2, 2)));
    button.b.SetPictureStretch(ToVBool(state.range(0) != 0));
    Repaint(state, button);
}
BENCHMARK(BM_RepaintTinyBitmapDeclaring16384x4096)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A DropDownPicture declaring 4096 x 4096 with the largest image a button
// takes, 2048 x 2048.
void BM_RepaintDropDownPicture4096x4096(benchmark::State& state) {
    Button button;
    button.b.SetAppearanceMode(ecAppearanceMode::DropDown);
    button.b.SetDropDownPicture(Declaring(4096, 4096, Bitmap(2048, 2048)));
    Repaint(state, button);
}
BENCHMARK(BM_RepaintDropDownPicture4096x4096)->Unit(benchmark::kMillisecond);

// The largest images a button takes, 2048 x 2048 and 16384 x 256 (4
// Mpixels each), drawn as they are (0) or shrunk into the button (1): the
// shrink reads every pixel of the image.
void BM_RepaintLargestImage(benchmark::State& state) {
    Button button;
    button.b.SetPictureDisabledEffect(ecPictureEffect::NoEffect);
    const bool square = state.range(0) == 2048;
    button.b.SetPicture(square ? Bitmap(2048, 2048) : Bitmap(16384, 256));
    button.b.SetPictureStretch(ToVBool(state.range(1) != 0));
    Repaint(state, button);
}
BENCHMARK(BM_RepaintLargestImage)->Args({2048, 0})->Args({2048, 1})->Args({16384, 0})->Args({16384, 1})
    ->Unit(benchmark::kMillisecond);

// A 4 x 4 icon declaring 16384 x 4096, scaled by the icon drawing.
void BM_RepaintIconDeclaring16384x4096(benchmark::State& state) {
    Button button;
    gdi::Icon icon;
    icon.width = icon.height = 4;
    icon.hasAlpha = true;
    icon.pixels.assign(16, 0xFF3366CCu);
    button.b.SetPicture(Declaring(16384, 4096, MakeIconPicture(icon)));
    Repaint(state, button);
}
BENCHMARK(BM_RepaintIconDeclaring16384x4096)->Unit(benchmark::kMillisecond);

// Setting Picture with the four effects on: a picture declaring 16384 x
// 4096 (over the effect bound: none is made) and one of 2048 x 2048 (at
// the bound: four are made).
void BM_SetPictureWithFourEffects(benchmark::State& state) {
    Button button;
    SetFourEffects(button);
    const bool huge = state.range(0) == 16384;
    const PictureRef picture = huge ? Declaring(16384, 4096, Bitmap(2, 2)) : Bitmap(2048, 2048);
    for (auto _ : state) {
        button.b.SetPicture(nullptr);
        button.b.SetPicture(picture);
    }
}
BENCHMARK(BM_SetPictureWithFourEffects)->Arg(16384)->Arg(2048)->Unit(benchmark::kMillisecond);

// MaskColor set on such a picture regenerates the four.
void BM_SetMaskColorWithFourEffects(benchmark::State& state) {
    Button button;
    SetFourEffects(button);
    const bool huge = state.range(0) == 16384;
    button.b.SetPicture(huge ? Declaring(16384, 4096, Bitmap(2, 2)) : Bitmap(2048, 2048));
    OleColor mask = 0;
    for (auto _ : state) button.b.SetMaskColor(mask++ & 0xFFFFFF);
}
BENCHMARK(BM_SetMaskColorWithFourEffects)->Arg(16384)->Arg(2048)->Unit(benchmark::kMillisecond);

}  // namespace
