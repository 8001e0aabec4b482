// Focus moves in tab order (creation order), wrapping at both ends,
// skipping controls that are no tab stop or disabled.
#include <gmock/gmock.h>

#include "tests/host/RecordingForm.h"

namespace vemmix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FocusOrderTest : public RecordingFormTest {
protected:
    void SetUp() override {
        a = &Add("A");
        b = &Add("B");
        c = &Add("C");
        Take();
    }
    std::vector<std::string> FocusLog() {
        std::vector<std::string> lines = form.LogLines();
        form.ClearLog();
        return lines;
    }
    headless::HeadlessSite* a = nullptr;
    headless::HeadlessSite* b = nullptr;
    headless::HeadlessSite* c = nullptr;
};

TEST_F(FocusOrderTest, SetFocusSendsLostExitToTheOldAndGotToTheNew) {
    form.SetFocus(a);
    EXPECT_THAT(Take(), ElementsAre("A GotFocus"));
    form.SetFocus(b);
    EXPECT_THAT(Take(), ElementsAre("A LostFocus", "A ExitFocus", "B GotFocus"));
    EXPECT_EQ(form.focus(), b);
    form.SetFocus(b);
    EXPECT_THAT(Take(), IsEmpty());
    form.SetFocus(nullptr);
    EXPECT_THAT(Take(), ElementsAre("B LostFocus", "B ExitFocus"));
}

TEST_F(FocusOrderTest, NextWrapsFromLastToFirst) {
    form.SetFocus(b);
    Take();
    b->MoveFocus(true);
    EXPECT_THAT(Take(), ElementsAre("B LostFocus", "B ExitFocus", "C GotFocus"));
    c->MoveFocus(true);
    EXPECT_THAT(Take(), ElementsAre("C LostFocus", "C ExitFocus", "A GotFocus"));
    EXPECT_THAT(FocusLog(), ElementsAre("B focus next", "C focus next"));
}

TEST_F(FocusOrderTest, PreviousWrapsFromFirstToLast) {
    form.SetFocus(a);
    Take();
    a->MoveFocus(false);
    EXPECT_THAT(Take(), ElementsAre("A LostFocus", "A ExitFocus", "C GotFocus"));
    c->MoveFocus(false);
    EXPECT_EQ(form.focus(), b);
    EXPECT_THAT(FocusLog(), ElementsAre("A focus previous", "C focus previous"));
}

TEST_F(FocusOrderTest, SkipsControlsThatAreNoTabStopOrDisabled) {
    b->tabStop = false;
    form.SetFocus(a);
    a->MoveFocus(true);
    EXPECT_EQ(form.focus(), c);
    c->SetEnabled(false);
    b->tabStop = true;
    b->SetEnabled(false);
    Take();
    // nothing else takes the focus: it stays
    form.SetFocus(a);
    a->MoveFocus(true);
    EXPECT_EQ(form.focus(), a);
}

TEST_F(FocusOrderTest, WithoutFocusMovesFromTheAskingControl) {
    b->MoveFocus(true);
    EXPECT_EQ(form.focus(), c);
    form.SetFocus(nullptr);
    b->MoveFocus(false);
    EXPECT_EQ(form.focus(), a);
}

// The form's own Tab key: from nothing to the first (last) tab stop, then
// on in tab order, without a log entry of any control.
TEST_F(FocusOrderTest, TheFormsTabKeyMovesTheFocusWithoutALogEntry) {
    form.Tab(true);
    EXPECT_THAT(Take(), ElementsAre("A GotFocus"));
    b->tabStop = false;
    form.Tab(true);
    EXPECT_THAT(Take(), ElementsAre("A LostFocus", "A ExitFocus", "C GotFocus"));
    form.Tab(false);
    EXPECT_EQ(form.focus(), a);
    form.SetFocus(nullptr);
    form.Tab(false);
    EXPECT_EQ(form.focus(), c);
    EXPECT_THAT(FocusLog(), IsEmpty());
}

TEST_F(FocusOrderTest, RemovedControlLeavesNoFocus) {
    form.SetFocus(c);
    form.RemoveControl(*c);
    EXPECT_EQ(form.focus(), nullptr);
    a->MoveFocus(true);
    EXPECT_EQ(form.focus(), b);
}

}  // namespace
}  // namespace vemmix::test
