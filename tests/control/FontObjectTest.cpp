// The font object is shared by counted reference: a change made through
// any reference (a script's `b.Font.Bold = true`) reaches every button that
// holds the object, which notifies "Font" and repaints.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/ButtonFixture.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

using ::testing::ElementsAre;

class FontObjectTest : public ButtonTest {};

TEST_F(FontObjectTest, AChangeToTheHeldFontNotifiesAndRepaints) {
    const FontRef font = MakeFont(FontDescription{u"Tahoma", 10});
    btn().SetFont(font);
    btn().SetCaption(u"Bold");
    const auto before = Dump();
    const auto mark = Mark();
    font->SetBold(true);
    EXPECT_THAT(LinesSince(mark), ElementsAre("Zorvane1 notify Font", "Zorvane1 repaint"));
    EXPECT_NE(Dump(), before);  // the bold caption is one pixel wider a glyph
    EXPECT_TRUE(btn().Font()->Bold());
}

TEST_F(FontObjectTest, SettingAValueItAlreadyHasChangesNothing) {
    const FontRef font = MakeFont(FontDescription{u"Tahoma", 10});
    btn().SetFont(font);
    const auto mark = Mark();
    font->SetName(u"Tahoma");
    font->SetSize(10);
    font->SetDescription(font->Description());
    EXPECT_TRUE(LinesSince(mark).empty());
}

TEST_F(FontObjectTest, EveryChangeOfAFontTellsEachHolderOnce) {
    const FontRef shared = MakeFont(FontDescription{u"Tahoma", 10});
    Zorvane& second = AddButton(form, u"Zorvane2", {0, 40, 100, 70});
    btn().SetFont(shared);
    second.SetFont(shared);
    const auto mark = Mark();
    FontDescription larger = shared->Description();
    larger.size = 14;
    larger.italic = true;
    shared->SetDescription(larger);
    EXPECT_THAT(LinesSince(mark, "notify"),
                ElementsAre("Zorvane1 notify Font", "Zorvane2 notify Font"));
}

TEST_F(FontObjectTest, AFontTheButtonNoLongerHoldsReachesItNoMore) {
    const FontRef first = MakeFont(FontDescription{u"Tahoma", 10});
    btn().SetFont(first);
    btn().SetFont(MakeFont(FontDescription{u"Arial", 10}));
    const auto mark = Mark();
    first->SetBold(true);
    EXPECT_TRUE(LinesSince(mark).empty());
}

TEST_F(FontObjectTest, AFontOutlivesTheButtonThatWatchedIt) {
    const FontRef font = MakeFont(FontDescription{u"Tahoma", 10});
    btn().SetFont(font);
    form.RemoveControl(*site);
    font->SetBold(true);  // no button left to tell
    EXPECT_TRUE(font->Bold());
}

// A host handler that answers "Font" by assigning another font must not
// disturb the notification in progress.
TEST_F(FontObjectTest, AHolderMayLetGoOfTheFontWhileBeingTold) {
    const FontRef font = MakeFont(FontDescription{u"Tahoma", 10});
    Zorvane& second = AddButton(form, u"Zorvane2", {0, 40, 100, 70});
    btn().SetFont(font);
    second.SetFont(font);
    struct Replacer final : FontObserver {
        Zorvane* a = nullptr;
        Zorvane* b = nullptr;
        int told = 0;
        void FontChanged(const StdFont&) override {
            ++told;
            a->SetFont(MakeFont(FontDescription{}));
            b->SetFont(MakeFont(FontDescription{}));
        }
    } replacer;
    replacer.a = &btn();
    replacer.b = &second;
    font->AddObserver(replacer);
    font->SetItalic(true);
    font->RemoveObserver(replacer);
    EXPECT_EQ(replacer.told, 1);
}

TEST_F(FontObjectTest, ALoadedFontIsWatchedToo) {
    headless::MemoryPropertyBag bag;
    const FontRef saved = MakeFont(FontDescription{u"Verdana", 9});
    bag.Set(u"Font", saved);
    btn().ReadProperties(bag);
    ASSERT_EQ(btn().Font(), saved);
    const auto mark = Mark();
    saved->SetUnderline(true);
    EXPECT_THAT(LinesSince(mark, "notify"), ElementsAre("Zorvane1 notify Font"));
}

}  // namespace
}  // namespace vemmix
