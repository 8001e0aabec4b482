// Hover tracking on the virtual clock, and the button's own tooltip window.
#include "tests/input/InputFixture.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {
namespace {

using Hover = InputTest;

TEST_F(Hover, EnterRestAndLeave) {
    Run({
        {"move 5 5",  {"event MouseMove(0,0,5,5)"}},
        {"tick 9",    {}},
        {"tick 1",    {"repaint over", "event MouseOver"}},
        {"flags",     {"flags: MouseOver"}},
        // MouseOver at every tick while the pointer rests on the button
        {"tick 10",   {"event MouseOver"}},
        {"tick 20",   {"event MouseOver", "event MouseOver"}},
        // further moves keep the timer's phase
        {"move 6 6",  {"event MouseMove(0,0,6,6)"}},
        {"tick 10",   {"event MouseOver"}},
        {"away",      {}},
        {"tick 10",   {"repaint up", "event MouseOut"}},
        {"tick 100",  {}},
        {"flags",     {"flags: none"}},
    });
    EXPECT_FALSE(site->TimerEnabled(TimerId::Over));
}

TEST_F(Hover, LeavingWithTheButtonHeldDrawsItReleasedAndTheReleaseDoesNotClick) {
    Run({
        {"move 5 5",   {"event MouseMove(0,0,5,5)"}},
        {"tick 10",    {"repaint over", "event MouseOver"}},
        {"down 5 5",   {"event MouseDown(1,0,5,5)", "repaint down"}},
        {"pointer 150 5", {}},
        {"tick 10",    {"repaint up", "event MouseOut"}},
        {"flags",      {"flags: MouseDown"}},
        {"up 150 5",   {"event MouseUp(1,0,150,5)", "repaint up"}},
    });
}

TEST_F(Hover, PopupOpenedFromDropDownClickCountsAsOutside) {
    btn().SetAppearanceMode(ecAppearanceMode::DropDown);
    form.ClearLog();
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "DropDownClick") form.AddPopup({80, 0, 200, 100});  // a menu under the pointer
        return 0;
    });
    Run({
        {"move 90 10", {"event MouseMove(0,0,90,10)"}},
        {"tick 10",    {"repaint over", "event MouseOver"}},
        {"down 90 10", {"event MouseDown(1,0,90,10)", "repaint down", "event DropDownClick"}},
        // the pointer has not moved
        {"tick 10",    {"repaint up", "event MouseOut"}},
        {"flags",      {"flags: MouseDown"}},
    });
}

TEST_F(Hover, AnotherControlOverTheButtonCountsAsOutside) {
    Run({
        {"move 5 5", {"event MouseMove(0,0,5,5)"}},
        {"tick 10",  {"repaint over", "event MouseOver"}},
    });
    AddButton(form, u"Cover", {0, 0, 20, 20});
    form.ClearLog();
    Run({{"tick 10", {"repaint up", "event MouseOut"}}});
}

// ---- tooltip -------------------------------------------------------------------

class Tooltip : public InputTest {
protected:
    void UseStyle(std::int32_t style, std::u16string extenderText) {
        btn().SetToolTipStyle(style);
        site->extenderToolTipText = std::move(extenderText);
        form.ClearLog();
    }
    const headless::TooltipRecord* Record() {
        return form.platform().FindTooltip(button->TooltipHandle());
    }
};

TEST_F(Tooltip, ClassicStyleMakesNoWindow) {
    UseStyle(ecToolTipStyle::Classic, u"Save the file");
    Run({
        {"move 5 5", {"event MouseMove(0,0,5,5)"}},
        {"move 6 6", {"event MouseMove(0,0,6,6)"}},
    });
    EXPECT_EQ(btn().TooltipHandle(), 0);
    EXPECT_EQ(site->extenderToolTipText, u"Save the file");
}

TEST_F(Tooltip, BalloonTakesTheContainersTextOverOnce) {
    UseStyle(ecToolTipStyle::Balloon, u"Save the file");
    Run({
        {"move 5 5", {"event MouseMove(0,0,5,5)", "tooltip create balloon",
                      "tooltip addtool \"Save the file\""}},
        {"move 6 6", {"event MouseMove(0,0,6,6)"}},  // the window exists
    });
    EXPECT_EQ(site->extenderToolTipText, u"");
    EXPECT_EQ(btn().ToolTipTextTaken(), u"Save the file");
    const headless::TooltipRecord* record = Record();
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->balloon);
    EXPECT_EQ(record->window, site->WindowHandle());
    EXPECT_EQ(record->area, (gdi::RECT{0, 0, 100, 30}));
    EXPECT_FALSE(record->titleIcon.has_value());
    EXPECT_FALSE(record->backColor.has_value());
    EXPECT_FALSE(record->textColor.has_value());
}

TEST_F(Tooltip, RectangularWithTitleIconAndColours) {
    btn().SetToolTipTitle(u"File");
    btn().SetToolTipIcon(ecToolTipIcon::Warning);
    btn().SetToolTipBackColor(0x00FFEECC);
    btn().SetToolTipForeColor(SystemColorRef(8));  // COLOR_WINDOWTEXT, translated
    UseStyle(ecToolTipStyle::Rectangular, u"Save");
    Run({{"move 5 5", {"event MouseMove(0,0,5,5)", "tooltip create rectangular",
                       "tooltip addtool \"Save\"", "tooltip title 2 \"File\"",
                       "tooltip backcolor 0x00FFEECC", "tooltip textcolor 0x00000000"}}});
}

TEST_F(Tooltip, EmptyTitleMeansNoTitleAndNoIcon) {
    btn().SetToolTipIcon(ecToolTipIcon::Error);
    UseStyle(ecToolTipStyle::Balloon, u"Save");
    Do("move 5 5");
    ASSERT_NE(Record(), nullptr);
    EXPECT_FALSE(Record()->titleIcon.has_value());
}

TEST_F(Tooltip, LeavingDestroysTheWindowAndReenteringMakesAFreshOne) {
    UseStyle(ecToolTipStyle::Balloon, u"Save");
    Run({
        {"move 5 5", {"event MouseMove(0,0,5,5)", "tooltip create balloon", "tooltip addtool \"Save\""}},
        {"tick 10",  {"repaint over", "event MouseOver"}},
        {"away",     {}},
        {"tick 10",  {"repaint up", "event MouseOut", "tooltip destroy"}},
    });
    EXPECT_EQ(btn().TooltipHandle(), 0);
    // properties changed meanwhile apply to the new window
    btn().SetToolTipTitle(u"New");
    btn().SetToolTipIcon(ecToolTipIcon::Info);
    form.ClearLog();
    Run({{"move 5 5", {"event MouseMove(0,0,5,5)", "tooltip create balloon",
                       "tooltip addtool \"Save\"", "tooltip title 1 \"New\""}}});
    const auto& records = form.platform().TooltipRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_FALSE(records[0].alive);
    EXPECT_TRUE(records[1].alive);
}

TEST_F(Tooltip, TextTheHostSetsLaterReplacesTheSavedTextAtTheNextCreation) {
    UseStyle(ecToolTipStyle::Balloon, u"Old");
    Do("move 5 5");
    Do("away");
    Do("tick 10");
    site->extenderToolTipText = u"New";
    form.ClearLog();
    Run({{"move 5 5", {"event MouseMove(0,0,5,5)", "tooltip create balloon", "tooltip addtool \"New\""}}});
    EXPECT_EQ(site->extenderToolTipText, u"");
}

TEST_F(Tooltip, EmptyTextAddsTheToolWithEmptyText) {
    UseStyle(ecToolTipStyle::Balloon, u"");
    Run({{"move 5 5", {"event MouseMove(0,0,5,5)", "tooltip create balloon", "tooltip addtool \"\""}}});
}

TEST_F(Tooltip, NoExtenderMeansNoWindow) {
    UseStyle(ecToolTipStyle::Balloon, u"");
    site->extenderToolTipText = std::nullopt;
    Run({{"move 5 5", {"event MouseMove(0,0,5,5)"}}});
    EXPECT_EQ(btn().TooltipHandle(), 0);
}

// Text and title reach the facility as UTF-16: a Greek or Thai tip is not
// turned into question marks.
TEST_F(Tooltip, TextAndTitleKeepEveryScript) {
    const std::u16string text = u"Αποθήκευση αρχείου — บันทึกไฟล์";
    const std::u16string title = u"Αρχείο ไฟล์";
    btn().SetToolTipTitle(title);
    UseStyle(ecToolTipStyle::Balloon, text);
    Do("move 5 5");
    const headless::TooltipRecord* record = Record();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->text, text);
    EXPECT_EQ(record->title, title);
    EXPECT_EQ(record->text.find(u'?'), std::u16string::npos);
}

TEST_F(Tooltip, TerminateDestroysTheWindow) {
    UseStyle(ecToolTipStyle::Balloon, u"Save");
    Do("move 5 5");
    const std::int32_t handle = btn().TooltipHandle();
    ASSERT_GT(handle, 0);
    btn().Terminate();
    EXPECT_EQ(btn().TooltipHandle(), 0);
    ASSERT_NE(form.platform().FindTooltip(handle), nullptr);
    EXPECT_FALSE(form.platform().FindTooltip(handle)->alive);
}

}  // namespace
}  // namespace vemmix::test
