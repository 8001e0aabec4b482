// Memory running out during a repaint: the repaint is skipped whole and
// the window keeps its previous image, never a part-drawn one; every
// drawing object made so far is released, and the next repaint draws in
// full. Each allocation of a full repaint is made to fail in turn.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "control/Zorvane.h"
#include "tests/reliability/AllocationProbe.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {
namespace {

using headless::HeadlessForm;
using headless::HeadlessSite;

constexpr std::uint32_t kMarker = 0x00123456;

std::vector<std::uint32_t> Window(HeadlessSite& site) {
    const gdi::PixelView view = site.pixels();
    return {view.pixels.begin(), view.pixels.end()};
}

void Mark(HeadlessSite& site) {
    for (std::uint32_t& p : site.pixels().pixels) p = kMarker;
}

// The live objects by kind, for a failure message.
std::string Kinds() {
    std::string text;
    for (const auto& [kind, name] : {std::pair{gdi::ObjectKind::DC, "contexts"},
                                     std::pair{gdi::ObjectKind::Bitmap, "bitmaps"},
                                     std::pair{gdi::ObjectKind::Pen, "pens"},
                                     std::pair{gdi::ObjectKind::Brush, "brushes"},
                                     std::pair{gdi::ObjectKind::Font, "fonts"},
                                     std::pair{gdi::ObjectKind::Palette, "palettes"}})
        text += std::to_string(gdi::LiveObjectCount(kind)) + " " + name + " ";
    return text;
}

// A button that uses every layer: face, picture, drop-down arrow, caption
// with an effect, focus rectangle.
class Exhaustion : public ::testing::Test {
protected:
    HeadlessForm form;
    Zorvane& b = headless::AddButton(form, u"Zorvane1", {0, 0, 120, 40});
    HeadlessSite& site = *form.Find(u"Zorvane1");

    void SetUp() override {
        if (!AllocationProbe::Works()) GTEST_SKIP() << "another allocator stands in for the probe";
        std::vector<std::uint32_t> pixels(24 * 16);
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = (i % 5 == 0) ? 0xFF00FFu : 0x20A040u + i;
        b.SetAppearance(ecAppearance::Office2007);
        b.SetAppearanceMode(ecAppearanceMode::DropDown);
        b.SetCaption(u"&Exhausted");
        b.SetCaptionEffectEvent(ecEvents::Always);
        b.SetShowFocus(kTrue);
        ASSERT_EQ(b.SetPicture(MakeBitmapPicture(24, 16, pixels)), 0);
        form.SetFocus(&site);
    }
};

TEST_F(Exhaustion, EachFailingAllocationSkipsTheWholeRepaint) {
    b.Refresh();
    const std::vector<std::uint32_t> full = Window(site);
    const std::size_t live = gdi::LiveObjectCount();
    std::size_t allocations = 0;
    {
        AllocationProbe probe;
        b.Refresh();
        allocations = probe.Count();
    }
    ASSERT_GT(allocations, 10u);
    int skipped = 0;
    for (std::size_t n = 0; n < allocations; ++n) {
        Mark(site);
        const int repaints = site.repaintCount();
        bool failed = false;
        {
            AllocationProbe probe(n);
            EXPECT_NO_THROW(b.Refresh()) << "allocation " << n;
            failed = probe.Failed();
        }
        ASSERT_TRUE(failed) << "allocation " << n << " was never asked for";
        const std::vector<std::uint32_t> now = Window(site);
        const bool kept = std::all_of(now.begin(), now.end(), [](std::uint32_t p) { return p == kMarker; });
        // the failure either ended the repaint (the image is kept) or came
        // after the one transfer to the window (the image is whole)
        EXPECT_TRUE(kept || now == full) << "a part-drawn image after allocation " << n;
        if (kept) {
            ++skipped;
            EXPECT_EQ(site.repaintCount(), repaints) << "allocation " << n;
        }
        EXPECT_EQ(gdi::LiveObjectCount(), live) << "drawing objects left after allocation " << n << ": "
                                                << Kinds();
        b.Refresh();
        EXPECT_EQ(Window(site), full) << "the repaint after allocation " << n;
    }
    EXPECT_GT(skipped, 0);
}

// The heap stays exhausted from some point on: nothing escapes, nothing
// crashes, and once memory is back the button draws in full.
TEST_F(Exhaustion, AnExhaustedHeapNeverEndsTheProgram) {
    b.Refresh();
    const std::vector<std::uint32_t> full = Window(site);
    for (std::size_t n : {0u, 1u, 5u, 20u, 60u}) {
        Mark(site);
        {
            AllocationProbe probe(n, true);
            EXPECT_NO_THROW(b.Refresh());
        }
        b.Refresh();
        EXPECT_EQ(Window(site), full);
    }
}

}  // namespace
}  // namespace vemmix::test
