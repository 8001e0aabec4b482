// Drag-and-drop notifications pass their arguments through by reference;
// an ambient change takes the container's back colour as TransparentColor.
#include "tests/input/InputFixture.h"

namespace vemmix::test {
namespace {

using DragDrop = InputTest;

TEST_F(DragDrop, DragOverPassesEveryArgumentAndWritesBackTheHostsChanges) {
    OnEvent([&](const std::string& event, std::span<Variant> args) {
        if (event == "OLEDragOver") args[1] = Variant(std::int32_t{0});  // no drop here
        return 0;
    });
    DataObjectRef data;
    std::int32_t effect = 3;
    std::int16_t buttonArg = 1, shift = 2, state = 0;
    float x = 4.5f, y = 6.0f;
    const std::size_t mark = Mark();
    btn().OLEDragOver(data, effect, buttonArg, shift, x, y, state);
    EXPECT_EQ(ScriptLines(mark),
              (std::vector<std::string>{"event OLEDragOver(nothing,0,1,2,4.5,6,0)"}));
    EXPECT_EQ(effect, 0);
}

TEST_F(DragDrop, EachNotificationRaisesItsEventAndNothingElse) {
    OnEvent([&](const std::string& event, std::span<Variant> args) {
        if (event == "OLEGiveFeedback") args[1] = Variant::Boolean(false);
        if (event == "OLESetData") args[1] = Variant(std::int16_t{7});
        if (event == "OLECompleteDrag") args[0] = Variant(std::int32_t{1});
        if (event == "OLEStartDrag") args[1] = Variant(std::int32_t{2});
        return 0;
    });
    DataObjectRef data;
    std::int32_t effect = 1, allowed = 3;
    std::int16_t buttonArg = 1, shift = 0, format = 1;
    float x = 1, y = 2;
    VBool defaultCursors = kTrue;
    const std::size_t mark = Mark();
    btn().OLEDragDrop(data, effect, buttonArg, shift, x, y);
    btn().OLEGiveFeedback(effect, defaultCursors);
    btn().OLEStartDrag(data, allowed);
    btn().OLESetData(data, format);
    effect = 0;
    btn().OLECompleteDrag(effect);
    EXPECT_EQ(ScriptLines(mark), (std::vector<std::string>{
                                     "event OLEDragDrop(nothing,1,1,0,1,2)",
                                     "event OLEGiveFeedback(1,False)",
                                     "event OLEStartDrag(nothing,2)",
                                     "event OLESetData(nothing,7)",
                                     "event OLECompleteDrag(1)",
                                 }));
    EXPECT_EQ(defaultCursors, kFalse);
    EXPECT_EQ(allowed, 2);
    EXPECT_EQ(format, 7);
    EXPECT_EQ(effect, 1);
}

TEST_F(DragDrop, OLEDragStartsTheContainersDrag) {
    const std::size_t mark = Mark();
    EXPECT_EQ(btn().OLEDrag(), 0);
    EXPECT_EQ(ScriptLines(mark), (std::vector<std::string>{"drag"}));
}

using Ambient = InputTest;

TEST_F(Ambient, AmbientChangeTakesTheTranslatedBackColourWithoutRepaint) {
    form.ambientBackColor = SystemColorRef(15);  // COLOR_3DFACE
    const std::size_t mark = Mark();
    btn().AmbientChanged(u"BackColor");
    EXPECT_EQ(ScriptLines(mark), (std::vector<std::string>{"notify TransparentColor"}));
    const COLORREF face = TranslateColor(SystemColorRef(15), ClassicSystemColors());
    EXPECT_EQ(btn().TransparentColor(), static_cast<OleColor>(face));
    EXPECT_EQ(btn().Colors().m_TransparentRGB, face);
}

TEST_F(Ambient, AnyAmbientNameCounts) {
    form.ambientBackColor = 0x00123456;
    btn().AmbientChanged(u"Font");
    EXPECT_EQ(btn().TransparentColor(), 0x00123456);
}

TEST_F(Ambient, ShapedButtonKeepsItsTransparentColour) {
    btn().SetAppearance(ecAppearance::Shaped);
    const OleColor before = btn().TransparentColor();
    form.ambientBackColor = 0x00123456;
    const std::size_t mark = Mark();
    btn().AmbientChanged(u"BackColor");
    EXPECT_TRUE(ScriptLines(mark).empty());
    EXPECT_EQ(btn().TransparentColor(), before);
}

}  // namespace
}  // namespace vemmix::test
