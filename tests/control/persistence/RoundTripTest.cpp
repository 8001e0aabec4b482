// Nothing is lost: a save followed by a load gives back every value that
// was set, key by key and with randomised values. The only values that do
// not survive are the three edge colours (recomputed at load) and the
// XP-family theme colours under automatic detection (taken from the
// desktop again); the cases below avoid the second.
#include <random>

#include "tests/control/persistence/PersistenceFixture.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::persisttest {
namespace {

using test::PersistedKind;

PictureRef SmallPicture(std::uint32_t seed, int width = 3, int height = 2) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = (seed * 2654435761u + i * 40503u) & 0xFFFFFFu;
    return MakeBitmapPicture(width, height, pixels);
}

// A value of the key's kind that differs from its default, chosen to be
// awkward: out-of-range enumerations, negative offsets, system colours,
// Unicode and ampersands.
Variant NonDefault(const test::PersistedKeyInfo& info) {
    const std::u16string& k = info.key;
    switch (info.kind) {
    case PersistedKind::Int32:
        if (k == u"Appearance") return std::int32_t{77};
        if (k.find(u"Color") != std::u16string::npos) return SystemColorRef(13);
        return std::int32_t{-123456};
    case PersistedKind::Int16:
        if (k == u"MousePointer") return std::int16_t{99};
        if (k == u"OLEDropMode") return std::int16_t{1};
        return std::int16_t{-321};
    case PersistedKind::Boolean:
        return Variant::Boolean(k == u"Enabled" ? false : true);
    case PersistedKind::String:
        return std::u16string(u"Sp\u00e9cial && &Caption \u4e2d\u6587 \U0001F600");
    case PersistedKind::Font:
        return MakeFont(FontDescription{u"DejaVu Sans", 13.5, true, true, false, true, 2});
    case PersistedKind::Picture:
        return SmallPicture(static_cast<std::uint32_t>(k.size()));
    }
    return Variant();
}

class KeyRoundTrip : public PersistenceTest,
                     public ::testing::WithParamInterface<test::PersistedKeyInfo> {};

// A button loaded from a bag holding one key (on a 3d base, so that no
// theme is recomputed) shows that value, and saves exactly that key again.
TEST_P(KeyRoundTrip, OneKeyComesBackAndIsSavedAlone) {
    const test::PersistedKeyInfo& info = GetParam();
    const Variant value = NonDefault(info);
    MemoryPropertyBag bag;
    if (info.key != u"Appearance") bag.Set(u"Appearance", std::int32_t{0});
    bag.Set(info.key, value);

    Zorvane& b = Load(bag);
    const Variant loaded = test::PersistedValue(b, info.key);
    EXPECT_TRUE(test::SameValue(loaded, value)) << test::Narrow16(info.key);

    MemoryPropertyBag saved = Save(b);
    std::vector<std::u16string> expectedKeys;
    for (const std::u16string& key : KeyNames())
        if (key == info.key || key == u"Font" ||  // every saved set holds the font
            (key == u"Appearance" && info.key != u"Appearance"))
            expectedKeys.push_back(key);
    EXPECT_THAT(StoredKeys(saved), ::testing::ElementsAreArray(expectedKeys));
    ASSERT_TRUE(saved.Has(info.key));
    const Variant stored = *saved.Get(info.key);
    EXPECT_TRUE(test::SameValue(stored, value)) << test::Narrow16(info.key);
    EXPECT_EQ(stored.type(), value.type()) << test::Narrow16(info.key);

    Zorvane& again = Load(saved);
    EXPECT_TRUE(test::SameValue(test::PersistedValue(again, info.key), value));
}

INSTANTIATE_TEST_SUITE_P(EveryKey, KeyRoundTrip, ::testing::ValuesIn(test::PersistedKeys()),
                         [](const auto& info) { return test::Narrow16(info.param.key); });

// ---- randomised ---------------------------------------------------------------------

class RandomBag {
public:
    explicit RandomBag(std::uint32_t seed) : m_Random(seed) {}

    MemoryPropertyBag Make() {
        MemoryPropertyBag bag;
        for (const test::PersistedKeyInfo& info : test::PersistedKeys()) {
            if (Chance(4)) continue;  // absent: its default
            bag.Set(info.key, Value(info));
        }
        // keep the theme recomputation away from the saved colours
        if (!bag.Has(u"AppearanceThemes") || ToInt32(*bag.Get(u"AppearanceThemes")) == 0)
            if (IsXpFamily(bag.Has(u"Appearance") ? *ToInt32(*bag.Get(u"Appearance")) : 3))
                bag.Set(u"AppearanceThemes", std::int32_t{1 + Below(5)});
        return bag;
    }

private:
    static bool IsXpFamily(std::int32_t a) { return a == 3 || (a >= 5 && a <= 8); }
    bool Chance(int oneIn) { return Below(oneIn) == 0; }
    std::int32_t Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_Random); }
    std::int32_t Any32() { return static_cast<std::int32_t>(m_Random()); }

    std::int32_t Colour() {
        switch (Below(4)) {
        case 0: return SystemColorRef(Below(31));
        case 1: return -1;
        default: return Any32() & 0x00FFFFFF;
        }
    }

    std::u16string Text() {
        static const char16_t kAlphabet[] = u"abcXYZ &&&\u00e9\u00df\u4e2d\u0416 \t\r\n0";
        std::u16string s;
        const int length = Below(40);
        for (int i = 0; i < length; ++i) {
            if (Chance(15)) {
                s += u"\U0001F680";  // a surrogate pair
            } else {
                s += kAlphabet[Below(static_cast<int>(std::size(kAlphabet)) - 1)];
            }
        }
        return s;
    }

    Variant Value(const test::PersistedKeyInfo& info) {
        const std::u16string& key = info.key;
        switch (info.kind) {
        case PersistedKind::Int32:
            if (key.find(u"Color") != std::u16string::npos) return Colour();
            if (key == u"Appearance") return std::int32_t{Chance(5) ? Any32() : Below(10)};
            return Chance(3) ? Any32() : std::int32_t{Below(12) - 2};
        case PersistedKind::Int16:
            return static_cast<std::int16_t>(Any32());
        case PersistedKind::Boolean:
            return Variant::Boolean(Chance(2));
        case PersistedKind::String:
            return Text();
        case PersistedKind::Font:
            return MakeFont(FontDescription{Chance(2) ? u"Arial" : u"Courier New",
                                    1.0 + Below(400) / 4.0, Chance(2), Chance(2), Chance(2),
                                    Chance(2), static_cast<std::int16_t>(Below(256))});
        case PersistedKind::Picture:
            return Chance(3) ? Variant(PictureRef{})
                             : Variant(SmallPicture(static_cast<std::uint32_t>(Any32()),
                                                    1 + Below(4), 1 + Below(4)));
        }
        return Variant();
    }

    std::mt19937 m_Random;
};

TEST_F(PersistenceTest, RandomisedSaveAndLoadLosesNothing) {
    RandomBag random(20240611u);
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        MemoryPropertyBag original = random.Make();
        Zorvane& first = Load(original, u"First");
        // every key read is what the bag held (or the default when absent)
        for (const test::PersistedKeyInfo& info : test::PersistedKeys()) {
            if (auto held = original.Get(info.key)) {
                EXPECT_TRUE(test::SameValue(test::PersistedValue(first, info.key), *held))
                    << test::Narrow16(info.key);
            }
        }
        MemoryPropertyBag saved = Save(first);
        HeadlessSite& secondSite = Created(u"Second");
        ZorvaneOf(secondSite)->ReadProperties(saved);
        Zorvane& second = *ZorvaneOf(secondSite);
        // the caption's default is the display name: both instances use the first's
        EXPECT_THAT(test::DifferingKeys(first, second, {u"Caption"}), ::testing::IsEmpty());
        EXPECT_EQ(second.Caption(), first.Caption() == u"First" ? u"Second" : first.Caption());
        EXPECT_EQ(second.ThemeIndex(), first.ThemeIndex());
        for (auto* site : {&SiteOf(first), &secondSite}) form.RemoveControl(*site);
    }
}

// What does not come back: the edge colours of a custom border colour.
TEST_F(PersistenceTest, EdgeColoursAreTheSystemsAfterALoad) {
    Zorvane& b = New();
    b.SetAppearance(0);
    b.SetBorderColor(0x00FFFFFF);
    ASSERT_EQ(b.Colors().m_DarkShadowRGB, 0x00646F71u);
    MemoryPropertyBag bag = Save(b);
    Zorvane& loaded = Load(bag);
    EXPECT_EQ(loaded.BorderColor(), 0x00FFFFFF);
    EXPECT_EQ(loaded.Colors().m_DarkShadowRGB, Translate(SystemColorRef(21)));
    EXPECT_EQ(loaded.Colors().m_ShadowRGB, Translate(SystemColorRef(16)));
    EXPECT_EQ(loaded.Colors().m_LightRGB, Translate(SystemColorRef(22)));
}

// A button made through its setters, saved and loaded, equals itself.
TEST_F(PersistenceTest, AConfiguredButtonComesBackWhole) {
    Zorvane& b = New();
    b.SetAppearance(7);
    b.SetAppearanceThemes(3);
    b.SetAppearanceMode(1);
    b.SetToggleValue(kTrue);
    b.SetCaption(u"&Open \u00e9");
    b.SetCaptionOffsetX(-4);
    b.SetPictureOffsetY(-7);
    b.SetPicture(SmallPicture(1));
    b.SetPictureOverEffect(2);  // generates PictureOver
    b.SetForeColorOver(SystemColorRef(2));
    b.SetToolTipTitle(u"Hint");
    b.SetToolTipBackColor(0x00ABCDEF);
    b.SetTextFadeSpeed(55);
    b.SetFont(MakeFont(FontDescription{u"Verdana", 12}));
    b.SetEnabled(kFalse);
    MemoryPropertyBag bag = Save(b);
    Zorvane& loaded = Load(bag, u"ZorvaneA2");
    EXPECT_THAT(test::DifferingKeys(b, loaded), ::testing::IsEmpty());
    EXPECT_EQ(loaded.PictureOver(), b.PictureOver());  // saved, not regenerated
    EXPECT_EQ(loaded.ThemeIndex(), b.ThemeIndex());
    EXPECT_EQ(SiteOf(loaded).accessKeys(), u"O");
}

}  // namespace
}  // namespace vemmix::persisttest
