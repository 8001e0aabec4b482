// What ReadProperties loads: the keys in their read order, defaults for
// absent keys, values straight into the members (no setter side effects),
// then the colour cache, the shape mode and the access key.
#include "tests/control/persistence/PersistenceFixture.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::persisttest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

MemoryPropertyBag BagOf(std::vector<std::pair<std::u16string, Variant>> values) {
    MemoryPropertyBag bag;
    for (auto& [key, value] : values) bag.Set(key, value);
    return bag;
}

TEST_F(PersistenceTest, ReadsTheKeysInTheirOrder) {
    MemoryPropertyBag bag;
    Load(bag);
    std::vector<std::u16string> expected;
    for (const std::u16string& key : KeyNames()) {
        if (key == u"DefaultThemes") continue;
        expected.push_back(key);
        if (key == u"DropDownWidth") expected.push_back(u"DefaultThemes");
    }
    EXPECT_THAT(bag.readOrder(), ElementsAreArray(expected));
}

// Every absent key takes the default of the table. On the default (blue)
// desktop the Windows XP theme colours are set again at load.
TEST_F(PersistenceTest, OnlyFontAndCaptionGivesTheTableDefaults) {
    const FontRef font = MakeFont(FontDescription{u"Tahoma", 10.0});
    MemoryPropertyBag bag = BagOf({{u"Font", font}, {u"Caption", u"Saved"}});
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.Font(), font);
    EXPECT_EQ(b.Caption(), u"Saved");
    EXPECT_EQ(b.BackColor(), 0x00FFFFFF);
    EXPECT_EQ(b.ForeColor(), SystemColorRef(18));
    EXPECT_EQ(b.Enabled(), kTrue);
    EXPECT_EQ(b.Appearance(), 3);
    EXPECT_EQ(b.MaskColor(), 0x00FF00FF);
    EXPECT_EQ(b.MouseIcon(), nullptr);
    EXPECT_EQ(b.MousePointer(), 0);
    EXPECT_EQ(b.Picture(), nullptr);
    EXPECT_EQ(b.RightToLeft(), kFalse);
    EXPECT_EQ(b.AppearanceMode(), 0);
    EXPECT_EQ(b.AppearanceThemes(), 0);
    EXPECT_EQ(b.BackColorDown(), 0x00E6EBEC);  // the blue theme's, not the default
    EXPECT_EQ(b.BackColorOver(), 0x00FFFFFF);
    EXPECT_EQ(b.BorderColor(), 0x00743C00);
    EXPECT_EQ(b.BorderDrawEvent(), 0);
    EXPECT_EQ(b.BorderWidth(), 1);
    EXPECT_EQ(b.TransparentColor(), 0);  // black, not the container's colour
    EXPECT_EQ(b.CaptionAlignment(), 4);
    EXPECT_EQ(b.CaptionEffect(), 2);
    EXPECT_EQ(b.CaptionEffectEvent(), 1);
    EXPECT_EQ(b.CaptionOffsetX(), 0);
    EXPECT_EQ(b.CaptionOffsetY(), 0);
    EXPECT_EQ(b.CaptionPosition(), 1);
    EXPECT_EQ(b.DefaultThemes(), 0);
    EXPECT_EQ(b.Depth(), 2);
    EXPECT_EQ(b.DepthMode(), 0);
    EXPECT_EQ(b.DepthEvent(), 3);
    EXPECT_EQ(b.DropDownPicture(), nullptr);
    EXPECT_EQ(b.DropDownWidth(), 16);
    EXPECT_EQ(b.ForeColorDisabled(), SystemColorRef(17));
    EXPECT_EQ(b.ForeColorOver(), SystemColorRef(18));
    EXPECT_EQ(b.ForeColorFocus(), SystemColorRef(18));
    EXPECT_EQ(b.ForeColorDown(), SystemColorRef(18));
    EXPECT_EQ(b.PictureOffsetX(), 0);
    EXPECT_EQ(b.PictureOffsetY(), 0);
    EXPECT_EQ(b.PictureAlignment(), 3);
    EXPECT_EQ(b.PictureStretch(), kFalse);
    EXPECT_EQ(b.PictureDisabledEffect(), 1);
    EXPECT_EQ(b.PictureFocusEffect(), 0);
    EXPECT_EQ(b.ShowFocus(), kFalse);
    EXPECT_EQ(b.ToggleValue(), kFalse);
    EXPECT_EQ(b.OLEDropMode(), 0);
    EXPECT_EQ(b.OLEDragMode(), 0);
    EXPECT_EQ(b.Value(), kFalse);
    EXPECT_EQ(b.GradientType(), 0);
    EXPECT_EQ(b.ThemeIndex(), 0);
}

TEST_F(PersistenceTest, AbsentTooltipFadeAndGradientKeysLoadTheirDefaults) {
    MemoryPropertyBag bag = BagOf({{u"Appearance", std::int32_t{0}}});
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.ToolTipBackColor(), -1);
    EXPECT_EQ(b.ToolTipForeColor(), -1);
    EXPECT_EQ(b.ToolTipTitle(), u"");
    EXPECT_EQ(b.ToolTipStyle(), 0);
    EXPECT_EQ(b.ToolTipIcon(), 1);
    EXPECT_EQ(b.TextFadeToColor(), 0x00FFFFFF);
    EXPECT_EQ(b.TextFadeCycle(), 0);
    EXPECT_EQ(b.TextFadeEvents(), 1);
    EXPECT_EQ(b.TextFadeSpeed(), 10);
    EXPECT_EQ(b.GradientType(), 0);
    EXPECT_EQ(b.Colors().m_TextFadeToRGB, 0x00FFFFFFu);
}

TEST_F(PersistenceTest, AbsentFontAndCaptionTakeTheAmbientsOfNow) {
    MemoryPropertyBag bag;
    HeadlessSite& site = Created(u"Zorvane7");
    site.displayName = u"NewName";
    ZorvaneOf(site)->ReadProperties(bag);
    EXPECT_EQ(ZorvaneOf(site)->Caption(), u"NewName");
    EXPECT_EQ(ZorvaneOf(site)->Font(), form.ambientFont);  // the object itself
}

// Values go straight into the members: no clamp, no NUL cut, no effect
// pictures, no derived edge colours, no notification.
TEST_F(PersistenceTest, ValuesLoadWithoutSetterSideEffects) {
    const std::uint32_t pixels[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
    const PictureRef picture = MakeBitmapPicture(2, 2, pixels);
    MemoryPropertyBag bag = BagOf({
        {u"Appearance", std::int32_t{0}},
        {u"TextFadeSpeed", std::int16_t{0}},
        {u"TextFadeCycle", std::int16_t{-5}},
        {u"DropDownWidth", std::int32_t{5000}},
        {u"Caption", std::u16string(u"A\0B", 3)},
        {u"BorderColor", std::int32_t{0x00FFFFFF}},
        {u"Picture", picture},
        {u"PictureOverEffect", std::int32_t{2}},
        {u"PictureStretch", Variant::Boolean(true)},
        {u"CaptionPosition", std::int32_t{0}},
        {u"AppearanceMode", std::int32_t{1}},
        {u"ToggleValue", Variant::Boolean(true)},
    });
    form.ClearLog();
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.TextFadeSpeed(), 0);
    EXPECT_EQ(b.TextFadeCycle(), -5);
    EXPECT_EQ(b.DropDownWidth(), 5000);
    EXPECT_EQ(b.Caption(), std::u16string(u"A\0B", 3));
    EXPECT_EQ(b.BorderColor(), 0x00FFFFFF);
    EXPECT_EQ(b.Colors().m_BorderRGB, 0x00FFFFFFu);
    EXPECT_EQ(b.Colors().m_DarkShadowRGB, Translate(SystemColorRef(21)));
    EXPECT_EQ(b.Colors().m_ShadowRGB, Translate(SystemColorRef(16)));
    EXPECT_EQ(b.Colors().m_LightRGB, Translate(SystemColorRef(22)));
    EXPECT_EQ(b.PictureOver(), nullptr);  // no effect picture made at load
    EXPECT_EQ(b.CaptionPosition(), 0);    // PictureStretch did not move it
    EXPECT_EQ(b.ToggleValue(), kTrue);    // AppearanceMode did not reset it
    // the MouseIcon setter runs for the absent key too; nothing else speaks
    EXPECT_THAT(Notified(), ElementsAre("MouseIcon"));
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(PersistenceTest, TextFadeSpeedFiveHundredLoadsUnchanged) {
    MemoryPropertyBag bag = BagOf({{u"TextFadeSpeed", std::int16_t{500}}});
    EXPECT_EQ(Load(bag).TextFadeSpeed(), 500);
}

TEST_F(PersistenceTest, VersionIsTheLibrarysWhateverTheBagSays) {
    MemoryPropertyBag bag = BagOf({{u"Version", u"9.99"}});
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.Version(), u"5.16");
    EXPECT_THAT(bag.readOrder(), ::testing::Not(::testing::Contains(u"Version")));
}

TEST_F(PersistenceTest, WindowHeldKeysGoToTheWindowAndMouseIconThroughItsSetter) {
    const std::uint32_t pixels[1] = {0x00FF0000};
    const PictureRef icon = MakeBitmapPicture(1, 1, pixels);
    MemoryPropertyBag bag = BagOf({{u"Appearance", std::int32_t{0}},
                                   {u"Enabled", Variant::Boolean(false)},
                                   {u"MouseIcon", icon},
                                   {u"MousePointer", std::int16_t{99}},
                                   {u"RightToLeft", Variant::Boolean(true)},
                                   {u"OLEDropMode", std::int16_t{1}}});
    form.ClearLog();
    Zorvane& b = Load(bag);
    HeadlessSite& site = SiteOf(b);
    EXPECT_FALSE(site.Enabled());
    EXPECT_EQ(site.MouseIcon(), icon);
    EXPECT_EQ(site.MousePointer(), 99);
    EXPECT_TRUE(site.RightToLeft());
    EXPECT_EQ(site.OLEDropMode(), 1);
    EXPECT_THAT(Notified(), ElementsAre("MouseIcon"));
}

TEST_F(PersistenceTest, LoadEndsWithAccessKeyAndShapeMode) {
    MemoryPropertyBag bag = BagOf({{u"Caption", u"&&Save && &Quit"}, {u"Appearance", std::int32_t{2}},
                                   {u"TransparentColor", std::int32_t{0x00FF00FF}}});
    form.ClearLog();
    Zorvane& b = Load(bag);
    HeadlessSite& site = SiteOf(b);
    EXPECT_EQ(site.accessKeys(), u"Q");
    EXPECT_EQ(site.backStyle(), 0);  // Shaped: transparent window
    EXPECT_TRUE(site.autoRedraw());
    EXPECT_EQ(site.maskColor(), 0x00FF00FFu);
    EXPECT_EQ(Repaints(), 1);  // the one repaint a Shaped button makes
    EXPECT_THAT(Notified(), ElementsAre("MouseIcon"));
}

TEST_F(PersistenceTest, ChosenThemeSetsTheThemeIndexAtLoad) {
    for (auto [appearance, themes, index] :
         {std::tuple{3, 1, 0}, {3, 2, 1}, {3, 3, 2}, {3, 4, 3}, {3, 5, 2}, {6, 5, 5}, {9, 5, 5}, {5, 5, 2}}) {
        MemoryPropertyBag bag = BagOf({{u"Appearance", std::int32_t{appearance}},
                                       {u"AppearanceThemes", std::int32_t{themes}},
                                       {u"BackColor", std::int32_t{0x00010203}}});
        Zorvane& b = Load(bag);
        EXPECT_EQ(b.ThemeIndex(), index) << appearance << " " << themes;
        EXPECT_EQ(b.BackColor(), 0x00010203);  // saved colours stay
    }
}

TEST_F(PersistenceTest, AutoDetectedXpColoursComeFromTheDesktopAtLoad) {
    form.platform().SetVisualStyle(u"C:\\Luna.msstyles", u"HomeStead");
    MemoryPropertyBag bag = BagOf({{u"BackColor", std::int32_t{0x00010203}}});
    form.ClearLog();
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.BackColor(), 0x00F6FFFF);
    EXPECT_EQ(b.ThemeIndex(), 1);
    EXPECT_THAT(Notified(), ElementsAre("MouseIcon", "BackColor", "BackColorDown", "BackColorOver",
                                        "BackColorFocus", "BackColorDisabled", "BorderColor"));
}

TEST_F(PersistenceTest, AnUnreadableKeyKeepsTheMember) {
    MemoryPropertyBag bag = BagOf({{u"Depth", std::int16_t{7}}, {u"Caption", u"X"}});
    bag.FailReads(u"depth");
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.Depth(), 0);  // a fresh button's member
    EXPECT_EQ(b.Caption(), u"X");
}

TEST_F(PersistenceTest, KeysMatchWithoutRegardToCase) {
    MemoryPropertyBag bag = BagOf({{u"backcolor", std::int32_t{0x00112233}},
                                   {u"appearance", std::int32_t{0}},
                                   {u"showfocus", Variant::Boolean(true)}});
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.BackColor(), 0x00112233);
    EXPECT_EQ(b.ShowFocus(), kTrue);
}

}  // namespace
}  // namespace vemmix::persisttest
