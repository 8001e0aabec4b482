// The window under the pointer: popups over tooltips over control windows,
// controls by z-order, right and bottom edges outside.
#include <gmock/gmock.h>

#include <set>

#include "tests/host/RecordingForm.h"

namespace vemmix::test {
namespace {

class PointerQueryTest : public RecordingFormTest {
protected:
    void SetUp() override {
        lower = &Add("Lower", {0, 0, 50, 50});
        upper = &Add("Upper", {25, 25, 75, 75});
    }
    std::int32_t At(int x, int y) {
        form.SetPointer(gdi::POINT{x, y});
        return form.WindowAtPointer();
    }
    headless::HeadlessSite* lower = nullptr;
    headless::HeadlessSite* upper = nullptr;
};

TEST_F(PointerQueryTest, TopmostControlWindowWins) {
    EXPECT_EQ(At(10, 10), lower->WindowHandle());
    EXPECT_EQ(At(30, 30), upper->WindowHandle());
    EXPECT_EQ(At(49, 49), upper->WindowHandle());
    EXPECT_EQ(At(24, 49), lower->WindowHandle());
}

TEST_F(PointerQueryTest, RightAndBottomEdgesAreOutside) {
    EXPECT_EQ(At(49, 10), lower->WindowHandle());
    EXPECT_EQ(At(50, 10), 0);
    EXPECT_EQ(At(10, 50), 0);
    EXPECT_EQ(At(74, 74), upper->WindowHandle());
    EXPECT_EQ(At(75, 74), 0);
    EXPECT_EQ(At(-1, 0), 0);
}

TEST_F(PointerQueryTest, NoPointerNoWindow) {
    form.SetPointer(std::nullopt);
    EXPECT_EQ(form.WindowAtPointer(), 0);
    EXPECT_FALSE(lower->IsPointerOverWindow());
}

TEST_F(PointerQueryTest, OnlyTheTopmostWindowCountsAsUnderThePointer) {
    At(30, 30);
    EXPECT_TRUE(upper->IsPointerOverWindow());
    EXPECT_FALSE(lower->IsPointerOverWindow());
    At(10, 10);
    EXPECT_FALSE(upper->IsPointerOverWindow());
    EXPECT_TRUE(lower->IsPointerOverWindow());
}

TEST_F(PointerQueryTest, PopupCoversControlsLatestPopupOnTop) {
    const int menu = form.AddPopup({5, 5, 40, 40});
    const int submenu = form.AddPopup({30, 30, 60, 60});
    EXPECT_EQ(At(10, 10), menu);
    EXPECT_FALSE(lower->IsPointerOverWindow());
    EXPECT_EQ(At(35, 35), submenu);
    EXPECT_EQ(At(45, 45), submenu);
    EXPECT_EQ(At(60, 60), upper->WindowHandle());

    form.RemovePopup(submenu);
    EXPECT_EQ(At(35, 35), menu);
    form.RemovePopup(menu);
    EXPECT_EQ(At(10, 10), lower->WindowHandle());
    EXPECT_TRUE(lower->IsPointerOverWindow());
}

TEST_F(PointerQueryTest, LiveTooltipOverItsToolWhenItCatchesThePointer) {
    form.tooltipsHitTest = true;
    TooltipFacility& tips = form.platform().Tooltips();
    const std::int32_t tip = tips.CreateTooltip(true);
    ASSERT_GT(tip, 0);
    // the tool's area is in client pixels of the upper window, at (25, 25) on the form
    ASSERT_TRUE(tips.AddTool(tip, upper->WindowHandle(), {0, 0, 10, 10}, u"hint"));
    EXPECT_EQ(At(25, 25), tip);
    EXPECT_EQ(At(34, 34), tip);
    EXPECT_EQ(At(35, 35), upper->WindowHandle());
    EXPECT_EQ(At(5, 5), lower->WindowHandle());

    At(30, 30);
    EXPECT_FALSE(upper->IsPointerOverWindow());
    tips.DestroyTooltip(tip);
    EXPECT_TRUE(upper->IsPointerOverWindow());
}

TEST_F(PointerQueryTest, TransparentTooltipLetsThePointerThrough) {
    TooltipFacility& tips = form.platform().Tooltips();
    const std::int32_t tip = tips.CreateTooltip(false);
    ASSERT_TRUE(tips.AddTool(tip, upper->WindowHandle(), {0, 0, 50, 50}, u"hint"));
    EXPECT_EQ(At(30, 30), upper->WindowHandle());
}

TEST_F(PointerQueryTest, PopupIsAboveTooltip) {
    form.tooltipsHitTest = true;
    TooltipFacility& tips = form.platform().Tooltips();
    const std::int32_t tip = tips.CreateTooltip(true);
    tips.AddTool(tip, lower->WindowHandle(), {0, 0, 20, 20}, u"");
    const int menu = form.AddPopup({0, 0, 10, 10});
    EXPECT_EQ(At(5, 5), menu);
    EXPECT_EQ(At(15, 15), tip);
}

TEST_F(PointerQueryTest, EveryWindowHasItsOwnHandle) {
    const int menu = form.AddPopup({0, 0, 1, 1});
    const std::int32_t tip = form.platform().Tooltips().CreateTooltip(true);
    auto& third = Add("Third");
    const std::set<std::int32_t> handles{lower->WindowHandle(), upper->WindowHandle(),
                                         third.WindowHandle(), menu, tip};
    EXPECT_EQ(handles.size(), 5u);
    EXPECT_EQ(handles.count(0), 0u);
}

TEST_F(PointerQueryTest, MovedWindowIsFoundAtItsNewPlace) {
    upper->SetBounds({100, 100, 150, 150});
    EXPECT_EQ(At(30, 30), lower->WindowHandle());
    EXPECT_EQ(At(120, 120), upper->WindowHandle());
}

}  // namespace
}  // namespace vemmix::test

namespace vemmix::test {
namespace {

TEST_F(PointerQueryTest, HiddenWindowIsNeverUnderThePointer) {
    Take();
    upper->SetVisible(false);
    EXPECT_EQ(At(30, 30), lower->WindowHandle());
    upper->SetVisible(true);
    EXPECT_EQ(At(30, 30), upper->WindowHandle());
    EXPECT_THAT(Take(), ::testing::ElementsAre("Upper Hide", "Upper Show"));
}

}  // namespace
}  // namespace vemmix::test
