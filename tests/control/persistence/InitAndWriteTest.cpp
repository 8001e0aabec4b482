// A new button's initial values, and what WriteProperties saves: the keys in
// order, defaults left out, the extender's tooltip given back in between.
#include "tests/control/persistence/PersistenceFixture.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::persisttest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// ---- InitProperties ----------------------------------------------------------------

TEST_F(PersistenceTest, NewButtonHasTheInitialValuesAndTheWindowsXpPreset) {
    form.ambientBackColor = SystemColorRef(15);
    Zorvane& b = New();
    EXPECT_EQ(b.BackColor(), 0x00FFFFFF);  // blue theme
    EXPECT_EQ(b.ForeColor(), SystemColorRef(18));
    EXPECT_EQ(b.Font(), form.ambientFont);  // the container's object itself
    EXPECT_EQ(b.Appearance(), 3);
    EXPECT_EQ(b.MaskColor(), 0x00FF00FF);
    ASSERT_TRUE(b.Picture());
    EXPECT_EQ(b.Picture()->type, PictureType::None);
    EXPECT_EQ(b.BackColorDown(), 0x00E6EBEC);
    EXPECT_EQ(b.BorderColor(), 0x00743C00);
    EXPECT_EQ(b.BorderWidth(), 1);
    EXPECT_EQ(b.TransparentColor(), static_cast<OleColor>(Translate(SystemColorRef(15))));
    EXPECT_EQ(b.Caption(), u"ZorvaneA");
    EXPECT_EQ(b.CaptionAlignment(), 4);
    EXPECT_EQ(b.CaptionEffect(), 2);
    EXPECT_EQ(b.CaptionEffectEvent(), 1);
    EXPECT_EQ(b.CaptionPosition(), 1);
    EXPECT_EQ(b.Depth(), 2);
    EXPECT_EQ(b.DepthEvent(), 1);  // Windows XP preset
    EXPECT_EQ(b.DropDownWidth(), 16);
    EXPECT_EQ(b.ForeColorDisabled(), SystemColorRef(17));
    EXPECT_EQ(b.PictureAlignment(), 3);
    EXPECT_EQ(b.PictureDisabledEffect(), 1);
    EXPECT_EQ(b.ShowFocus(), kTrue);  // Windows XP preset
    EXPECT_EQ(b.Version(), u"5.16");
    EXPECT_EQ(b.ToolTipBackColor(), -1);
    EXPECT_EQ(b.ToolTipForeColor(), -1);
    EXPECT_EQ(b.ToolTipIcon(), 1);
    EXPECT_EQ(b.TextFadeToColor(), 0x00FFFFFF);
    EXPECT_EQ(b.TextFadeEvents(), 1);
    EXPECT_EQ(b.TextFadeSpeed(), 10);
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 30);
    EXPECT_EQ(b.Colors().m_TransparentRGB, Translate(SystemColorRef(15)));
    EXPECT_EQ(b.Colors().m_ForeRGB, Translate(SystemColorRef(18)));
    EXPECT_EQ(b.Colors().m_ToolTipBackRGB, 0u);  // -1 cannot be translated
}

// Only the presets speak: the theme colours (from the colour cache), the
// Windows XP preset, then the theme colours once more. Nothing is painted.
TEST_F(PersistenceTest, NewButtonNotifiesOnlyWhatThePresetsChange) {
    HeadlessSite& site = Created();
    form.ClearLog();
    ZorvaneOf(site)->InitProperties();
    const std::vector<std::string> theme = {"BackColor",      "BackColorDown",     "BackColorOver",
                                            "BackColorFocus", "BackColorDisabled", "BorderColor"};
    std::vector<std::string> expected = theme;
    for (const char* n : {"TransparentColor", "BorderDrawEvent", "ShowFocus", "DepthEvent", "BorderColor"})
        expected.push_back(n);
    expected.insert(expected.end(), theme.begin(), theme.end());
    EXPECT_THAT(Notified(), ElementsAreArray(expected));
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(PersistenceTest, NewButtonWithoutAmbientsKeepsWhatItCannotAsk) {
    form.offerAmbients = false;
    Zorvane& b = New();
    EXPECT_EQ(b.Font(), nullptr);
    EXPECT_EQ(b.Caption(), u"");
    EXPECT_EQ(b.TransparentColor(), 0);
    EXPECT_EQ(b.Version(), u"5.16");
}

// ---- WriteProperties ------------------------------------------------------------------

TEST_F(PersistenceTest, WritesTheSixtyFourKeysInOrder) {
    Zorvane& b = New();
    MemoryPropertyBag bag = Save(b);
    EXPECT_THAT(bag.writeOrder(), ElementsAreArray(KeyNames()));
    EXPECT_EQ(bag.writeOrder().size(), 64u);
}

// On the default desktop (blue) the Windows XP preset leaves four values
// that differ from the table's defaults; nothing else is kept but the font,
// which every saved set holds.
TEST_F(PersistenceTest, FreshButtonSavesOnlyWhatDiffersFromTheDefaults) {
    Zorvane& b = New();
    MemoryPropertyBag bag = Save(b);
    EXPECT_THAT(StoredKeys(bag),
                ElementsAre(u"Font", u"BackColorDown", u"TransparentColor", u"DepthEvent", u"ShowFocus"));
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"BackColorDown"), Variant(std::int32_t{0x00E6EBEC})));
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"TransparentColor"),
                            Variant(static_cast<std::int32_t>(Translate(SystemColorRef(15))))));
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"DepthEvent"), Variant(std::int32_t{1})));
    EXPECT_EQ(bag.Get(u"ShowFocus")->type(), Variant::Type::Bool);
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"ShowFocus"), Variant::Boolean(true)));
}

TEST_F(PersistenceTest, WritesValuesWithTheirKinds) {
    Zorvane& b = New();
    b.SetAppearance(0);
    b.SetForeColor(0x00123456);
    b.SetBorderWidth(3);
    b.SetPictureStretch(kTrue);
    b.SetToolTipTitle(u"Title");
    b.SetEnabled(kFalse);
    b.SetMousePointer(11);
    b.SetRightToLeft(kTrue);
    b.SetOLEDropMode(1);
    MemoryPropertyBag bag = Save(b);
    EXPECT_EQ(bag.Get(u"ForeColor")->type(), Variant::Type::Int32);
    EXPECT_EQ(bag.Get(u"BackColor")->type(), Variant::Type::Int32);
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"BackColor"), Variant(SystemColorRef(15))));  // still a reference
    EXPECT_EQ(bag.Get(u"BorderWidth")->type(), Variant::Type::Int16);
    EXPECT_EQ(bag.Get(u"PictureStretch")->type(), Variant::Type::Bool);
    EXPECT_EQ(bag.Get(u"ToolTipTitle")->type(), Variant::Type::String);
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"Enabled"), Variant::Boolean(false)));
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"MousePointer"), Variant(std::int16_t{11})));
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"RightToLeft"), Variant::Boolean(true)));
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"OLEDropMode"), Variant(std::int16_t{1})));
    EXPECT_FALSE(bag.Has(u"Version"));
}

TEST_F(PersistenceTest, PicturesAreSavedOnlyWhenThereIsAnImage) {
    Zorvane& b = New();
    const std::uint32_t pixels[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
    EXPECT_FALSE(Save(b).Has(u"Picture"));  // the empty picture
    b.SetPicture(nullptr);
    EXPECT_FALSE(Save(b).Has(u"Picture"));  // no object
    const PictureRef picture = MakeBitmapPicture(2, 2, pixels);
    b.SetPicture(picture);
    b.SetMouseIcon(picture);
    b.SetDropDownPicture(MakeEmptyPicture());
    MemoryPropertyBag bag = Save(b);
    EXPECT_EQ(*bag.Get(u"Picture")->get_if<PictureRef>(), picture);
    EXPECT_EQ(*bag.Get(u"MouseIcon")->get_if<PictureRef>(), picture);
    EXPECT_FALSE(bag.Has(u"DropDownPicture"));
    EXPECT_EQ(bag.writeOrder().size(), 64u);
}

TEST_F(PersistenceTest, FontAndCaptionDefaultToTheCurrentAmbients) {
    Zorvane& b = New();
    EXPECT_TRUE(Save(b).Has(u"Font"));  // the ambient font object itself is saved too
    EXPECT_FALSE(Save(b).Has(u"Caption"));
    SiteOf(b).displayName = u"Renamed";  // the caption no longer equals the display name
    form.ambientFont = MakeFont(FontDescription{});  // equal text, another object
    MemoryPropertyBag bag = Save(b);
    EXPECT_TRUE(PropertyBag::MatchesDefault(*bag.Get(u"Caption"), Variant(u"ZorvaneA")));
    EXPECT_TRUE(bag.Has(u"Font"));
}

// A container whose bag records the extender's text at every write shows
// when the text comes back: after "GradientType", before "TextFadeToColor".
class ExtenderWatchingBag final : public PropertyBag {
public:
    explicit ExtenderWatchingBag(HeadlessSite& site) : m_Site(site) {}
    std::optional<Variant> ReadProperty(std::u16string_view, const Variant& d) override { return d; }
    std::int32_t WriteProperty(std::u16string_view key, const Variant&, const Variant&) override {
        seen.emplace_back(std::u16string(key), m_Site.extenderToolTipText.value_or(u"?"));
        return 0;
    }
    std::vector<std::pair<std::u16string, std::u16string>> seen;

private:
    HeadlessSite& m_Site;
};

TEST_F(PersistenceTest, GivesTheExtenderTooltipBackBetweenKeysSixtyAndSixtyOne) {
    HeadlessSite& site = Created();
    Zorvane& b = *ZorvaneOf(site);
    b.InitProperties();
    b.SetToolTipStyle(1);
    site.extenderToolTipText = u"Press me";
    b.Show();  // the button takes the text over at run time
    ASSERT_EQ(site.extenderToolTipText, u"");
    ASSERT_EQ(b.ToolTipTextTaken(), u"Press me");

    ExtenderWatchingBag bag(site);
    b.WriteProperties(bag);
    ASSERT_EQ(bag.seen.size(), 64u);
    EXPECT_EQ(bag.seen[59].first, u"GradientType");
    EXPECT_EQ(bag.seen[59].second, u"");
    EXPECT_EQ(bag.seen[60].first, u"TextFadeToColor");
    EXPECT_EQ(bag.seen[60].second, u"Press me");
    EXPECT_EQ(site.extenderToolTipText, u"Press me");
}

TEST_F(PersistenceTest, ANonEmptyExtenderTooltipIsLeftAlone) {
    HeadlessSite& site = Created();
    ZorvaneOf(site)->InitProperties();
    site.extenderToolTipText = u"Own text";
    Save(*ZorvaneOf(site));
    EXPECT_EQ(site.extenderToolTipText, u"Own text");
    site.extenderToolTipText.reset();  // no extender at all: nothing to give back, no failure
    EXPECT_EQ(Save(*ZorvaneOf(site)).writeOrder().size(), 64u);
}

// A write that fails is skipped; the next key is still written.
class FailingBag final : public PropertyBag {
public:
    std::optional<Variant> ReadProperty(std::u16string_view, const Variant& d) override { return d; }
    std::int32_t WriteProperty(std::u16string_view key, const Variant& value, const Variant& d) override {
        tried.emplace_back(key);
        if (key == u"Caption") throw std::runtime_error("disk full");
        if (key == u"BackColorDown") return 7;
        return inner.WriteProperty(key, value, d);
    }
    MemoryPropertyBag inner;
    std::vector<std::u16string> tried;
};

TEST_F(PersistenceTest, AFailingWriteIsSkipped) {
    Zorvane& b = New();
    b.SetCaption(u"Other");
    FailingBag bag;
    b.WriteProperties(bag);
    EXPECT_EQ(bag.tried.size(), 64u);
    EXPECT_FALSE(bag.inner.Has(u"Caption"));
    EXPECT_FALSE(bag.inner.Has(u"BackColorDown"));
    EXPECT_TRUE(bag.inner.Has(u"DepthEvent"));
}

}  // namespace
}  // namespace vemmix::persisttest
