// A program of a stranger's: one button on a headless form, set up by
// name, its face read back pixel by pixel.
#include <cstdio>

#include <vemmix/Dispatch.h>
#include <vemmix/Enums.h>
#include <vemmix/Errors.h>
#include <vemmix/headless/HeadlessContainer.h>

int main() {
    using namespace vemmix;
    headless::HeadlessForm form;
    Control& button = form.AddButton(u"Ok", {0, 0, 90, 30});
    const std::int32_t errors[] = {
        SetProperty(button, u"Appearance", Variant(ecAppearance::Flat)),
        SetProperty(button, u"BackColor", Variant(std::int32_t{0x00336699})),
        SetProperty(button, u"Caption", Variant(u"")),
    };
    for (const std::int32_t error : errors) {
        if (error != errors::kNone) {
            std::printf("a property was refused: error %d\n", error);
            return 1;
        }
    }
    const gdi::COLORREF face = form.Find(u"Ok")->PixelAt(45, 15);
    std::printf("face pixel 0x%06X\n", face);
    return face == 0x00336699u ? 0 : 1;
}
