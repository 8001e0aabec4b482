// A saved form is untrusted: whatever a bag holds, ReadProperties neither
// crashes nor half-assigns a member. A value that does not convert, a text
// over 65535 characters, a font with an empty name or a size outside 1..2048
// points, a picture without a positive size or with more than 16384 pixels a
// side or 64 Mi in all: the key is skipped and the member keeps its value.
#include <cmath>
#include <limits>

#include "tests/control/persistence/PersistenceFixture.h"

namespace vemmix::persisttest {
namespace {

using test::PersistedKind;
using ::testing::IsEmpty;

PictureRef Bitmap(int w, int h) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w * h), 0x00336699u);
    return MakeBitmapPicture(w, h, pixels);
}

// A picture object that only declares a size (as a loader might build one).
PictureRef Declared(PictureType type, std::int32_t widthHimetric, std::int32_t heightHimetric) {
    auto picture = std::make_shared<StdPicture>();
    picture->type = type;
    picture->widthHimetric = widthHimetric;
    picture->heightHimetric = heightHimetric;
    return picture;
}

// A good bag with a non-default value under every key (3d base).
MemoryPropertyBag GoodBag() {
    MemoryPropertyBag bag;
    for (const auto& info : test::PersistedKeys()) {
        switch (info.kind) {
        case PersistedKind::Int32: bag.Set(info.key, std::int32_t{-77}); break;
        case PersistedKind::Int16: bag.Set(info.key, std::int16_t{-55}); break;
        case PersistedKind::Boolean: bag.Set(info.key, Variant::Boolean(info.key != u"Enabled")); break;
        case PersistedKind::String: bag.Set(info.key, u"good"); break;
        case PersistedKind::Font: bag.Set(info.key, MakeFont(FontDescription{u"Good", 9})); break;
        case PersistedKind::Picture: bag.Set(info.key, Bitmap(2, 2)); break;
        }
    }
    bag.Set(u"Appearance", std::int32_t{0});
    return bag;
}

// Under every key, a value of a kind that cannot become the member's.
MemoryPropertyBag WrongKinds(int variant) {
    MemoryPropertyBag bag;
    const FontRef font = MakeFont(FontDescription{});
    const PictureRef picture = Bitmap(1, 1);
    for (const auto& info : test::PersistedKeys()) {
        Variant v;
        switch (info.kind) {
        case PersistedKind::Int32:
            v = variant == 0 ? Variant(u"twelve") : variant == 1 ? Variant(picture) : Variant(1e12);
            break;
        case PersistedKind::Int16:
            v = variant == 0 ? Variant(u"-") : variant == 1 ? Variant(font) : Variant(std::int32_t{100000});
            break;
        case PersistedKind::Boolean:
            v = variant == 0 ? Variant(u"maybe")
                : variant == 1 ? Variant(picture)
                               : Variant(u"yes");
            break;
        case PersistedKind::String:
            v = variant == 2 ? Variant(std::u16string(1'000'000, u'x')) : Variant(font);
            break;
        case PersistedKind::Font:
            v = variant == 0 ? Variant(u"Arial") : variant == 1 ? Variant(picture) : Variant(std::int32_t{3});
            break;
        case PersistedKind::Picture:
            v = variant == 0 ? Variant(std::int32_t{7}) : variant == 1 ? Variant(font) : Variant(u"pic.png");
            break;
        }
        bag.Set(info.key, v);
    }
    return bag;
}

class WrongKindsTest : public PersistenceTest, public ::testing::WithParamInterface<int> {};

// A fresh member keeps its fresh value (0, False, empty, no object).
TEST_P(WrongKindsTest, FreshButtonKeepsItsFreshMembers) {
    MemoryPropertyBag hostile = WrongKinds(GetParam());
    Zorvane& fresh = *ZorvaneOf(Created());
    form.ClearLog();
    Zorvane& loaded = Load(hostile);
    EXPECT_THAT(test::DifferingKeys(fresh, loaded), IsEmpty());
    EXPECT_EQ(loaded.Version(), u"5.16");
    EXPECT_THAT(Notified(), IsEmpty());  // MouseIcon was refused: no setter ran
}

// A loaded member keeps what an earlier load gave it.
TEST_P(WrongKindsTest, LoadedButtonKeepsItsValues) {
    MemoryPropertyBag good = GoodBag();
    Zorvane& reference = Load(good);
    Zorvane& b = Load(good);
    MemoryPropertyBag hostile = WrongKinds(GetParam());
    b.ReadProperties(hostile);
    EXPECT_THAT(test::DifferingKeys(reference, b, {u"Caption"}), IsEmpty());
    EXPECT_EQ(b.Caption(), u"good");
}

INSTANTIATE_TEST_SUITE_P(ThreeSets, WrongKindsTest, ::testing::Values(0, 1, 2));

TEST_F(PersistenceTest, TextUpToTheLimitLoadsAndLongerIsSkipped) {
    MemoryPropertyBag bag;
    bag.Set(u"Appearance", std::int32_t{0});
    bag.Set(u"Caption", std::u16string(kMaxStringLength, u'a'));
    bag.Set(u"ToolTipTitle", std::u16string(kMaxStringLength + 1, u'b'));
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.Caption().size(), kMaxStringLength);
    EXPECT_EQ(b.ToolTipTitle(), u"");
}

struct FontCase {
    const char* label;
    std::u16string name;
    double size;
    bool accepted;
};

void PrintTo(const FontCase& c, std::ostream* os) { *os << c.label; }

class HostileFontTest : public PersistenceTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(HostileFontTest, OnlyUsableFontsAreTaken) {
    const FontCase& c = GetParam();
    const FontRef before = MakeFont(FontDescription{u"Before", 10});
    MemoryPropertyBag first;
    first.Set(u"Appearance", std::int32_t{0});
    first.Set(u"Font", before);
    Zorvane& b = Load(first);
    const FontRef font = MakeFont(FontDescription{c.name, c.size});
    MemoryPropertyBag bag;
    bag.Set(u"Appearance", std::int32_t{0});
    bag.Set(u"Font", font);
    b.ReadProperties(bag);
    EXPECT_EQ(b.Font(), c.accepted ? font : before);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, HostileFontTest,
    ::testing::Values(FontCase{"Plain", u"Arial", 8.25, true},
                      FontCase{"OnePoint", u"Arial", 1.0, true},
                      FontCase{"Largest", u"Arial", 2048.0, true},
                      FontCase{"EmptyName", u"", 10.0, false},
                      FontCase{"NulInName", std::u16string(u"Ari\0al", 6), 10.0, false},
                      FontCase{"LongName", std::u16string(256, u'F'), 10.0, false},
                      FontCase{"Huge", u"Arial", 1e9, false},
                      FontCase{"JustTooLarge", u"Arial", 2048.5, false},
                      FontCase{"Zero", u"Arial", 0.0, false},
                      FontCase{"Negative", u"Arial", -8.0, false},
                      FontCase{"NaN", u"Arial", std::numeric_limits<double>::quiet_NaN(), false},
                      FontCase{"Infinite", u"Arial", std::numeric_limits<double>::infinity(), false}),
    [](const auto& info) { return std::string(info.param.label); });

struct PictureCase {
    const char* label;
    PictureRef (*make)();
    bool accepted;
};

std::int32_t Him(int pixels) { return HimetricFromPixels(pixels, 96); }

const PictureCase kPictureCases[] = {
    {"SmallBitmap", [] { return Bitmap(4, 3); }, true},
    {"EmptyPicture", [] { return MakeEmptyPicture(); }, true},
    {"Metafile", [] { return MakeOtherPicture(PictureType::Metafile, Him(50), Him(20)); }, true},
    {"ZeroSize", [] { return Declared(PictureType::Bitmap, 0, 0); }, false},
    {"ZeroWidth", [] { return Declared(PictureType::Metafile, 0, Him(10)); }, false},
    {"NegativeSize", [] { return Declared(PictureType::Bitmap, -Him(10), -Him(10)); }, false},
    {"NegativeHeight", [] { return Declared(PictureType::EnhMetafile, Him(10), -1); }, false},
    {"Enormous", [] { return Declared(PictureType::Bitmap, Him(100000), Him(100000)); }, false},
    {"TooWide", [] { return Declared(PictureType::Metafile, Him(20000), Him(1)); }, false},
    {"TooManyPixels", [] { return Declared(PictureType::Metafile, Him(9000), Him(9000)); }, false},
    {"LargestSide", [] { return Declared(PictureType::Metafile, Him(16384), Him(10)); }, true},
    {"MaximalHimetric",
     [] { return Declared(PictureType::Metafile, std::numeric_limits<std::int32_t>::max(),
                          std::numeric_limits<std::int32_t>::max()); }, false},
    {"NoneWithASize", [] { return Declared(PictureType::None, Him(10), Him(10)); }, false},
    {"UnknownType", [] { return Declared(static_cast<PictureType>(77), Him(10), Him(10)); }, false},
    {"BitmapDeclaringAHugeSize",
     [] {
         PictureRef p = Bitmap(2, 2);
         p->widthHimetric = Him(100000);
         return p;
     }, false},
    {"BitmapLargerThanDeclared",
     [] {
         // the real bitmap breaks the bound behind a modest declared size
         PictureRef p = Declared(PictureType::Bitmap, Him(10), Him(2));
         p->bitmap = gdi::CreateCompatibleBitmap(gdi::HDC{}, 16385, 2);
         return p->bitmap ? p : nullptr;
     }, false},
    {"IconWithShortArrays",
     [] {
         PictureRef p = Declared(PictureType::Icon, Him(64), Him(64));
         p->icon.width = 64;
         p->icon.height = 64;
         p->icon.pixels.assign(10, 0xFF000000u);
         p->icon.hasAlpha = true;
         return p;
     }, false},
    {"IconWithoutMask",
     [] {
         PictureRef p = Declared(PictureType::Icon, Him(2), Him(2));
         p->icon.width = 2;
         p->icon.height = 2;
         p->icon.pixels.assign(4, 0x00FFFFFFu);
         return p;
     }, false},
    {"GoodIcon",
     [] {
         gdi::Icon icon;
         icon.width = 2;
         icon.height = 2;
         icon.pixels.assign(4, 0x00FFFFFFu);
         return MakeIconPicture(icon);
     }, true},
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.label; }

class HostilePictureTest : public PersistenceTest,
                           public ::testing::WithParamInterface<PictureCase> {};

TEST_P(HostilePictureTest, OnlySanePicturesAreTakenUnderEveryPictureKey) {
    const PictureCase& c = GetParam();
    MemoryPropertyBag good = GoodBag();
    Zorvane& b = Load(good);
    MemoryPropertyBag bag;
    bag.Set(u"Appearance", std::int32_t{0});
    std::vector<std::pair<std::u16string, PictureRef>> given;
    for (const auto& info : test::PersistedKeys()) {
        if (info.kind != PersistedKind::Picture) continue;
        const PictureRef picture = c.make();
        ASSERT_TRUE(picture) << "the test could not build its picture";
        given.emplace_back(info.key, picture);
        bag.Set(info.key, picture);
    }
    std::vector<PictureRef> before;
    for (const auto& [key, picture] : given)
        before.push_back(*ToPicture(test::PersistedValue(b, key)));
    form.ClearLog();
    b.ReadProperties(bag);
    for (std::size_t i = 0; i < given.size(); ++i) {
        const PictureRef now = *ToPicture(test::PersistedValue(b, given[i].first));
        EXPECT_EQ(now, c.accepted ? given[i].second : before[i]) << test::Narrow16(given[i].first);
    }
    EXPECT_EQ(Notified().size(), c.accepted ? 1u : 0u);  // "MouseIcon" only when taken
}

INSTANTIATE_TEST_SUITE_P(Pictures, HostilePictureTest, ::testing::ValuesIn(kPictureCases),
                         [](const auto& info) { return std::string(info.param.label); });

// Bags that fail in every way a container's could.
class ThrowingBag final : public PropertyBag {
public:
    std::optional<Variant> ReadProperty(std::u16string_view, const Variant&) override {
        ++reads;
        throw std::runtime_error("corrupt");
    }
    std::int32_t WriteProperty(std::u16string_view, const Variant&, const Variant&) override {
        throw std::runtime_error("corrupt");
    }
    int reads = 0;
};

class SilentBag final : public PropertyBag {
public:
    std::optional<Variant> ReadProperty(std::u16string_view, const Variant&) override {
        return std::nullopt;
    }
    std::int32_t WriteProperty(std::u16string_view, const Variant&, const Variant&) override { return 5; }
};

TEST_F(PersistenceTest, BagsThatFailEveryReadLeaveEveryMember) {
    MemoryPropertyBag good = GoodBag();
    Zorvane& reference = Load(good);
    Zorvane& b = Load(good);
    ThrowingBag throwing;
    b.ReadProperties(throwing);
    EXPECT_EQ(throwing.reads, 64);  // every key still tried
    SilentBag silent;
    b.ReadProperties(silent);
    EXPECT_THAT(test::DifferingKeys(reference, b, {u"Caption"}), IsEmpty());
    b.WriteProperties(throwing);
    b.WriteProperties(silent);
}

// Numbers out of the member's range are not cut to fit.
TEST_F(PersistenceTest, NumbersThatDoNotFitAreSkipped) {
    MemoryPropertyBag bag;
    bag.Set(u"Appearance", std::int32_t{0});
    bag.Set(u"Depth", std::int32_t{40000});
    bag.Set(u"BackColor", 4294967296.0);
    bag.Set(u"DropDownWidth", -1e300);
    bag.Set(u"BorderWidth", std::numeric_limits<double>::infinity());
    bag.Set(u"CaptionOffsetX", u"12");  // a numeric text converts
    Zorvane& b = Load(bag);
    EXPECT_EQ(b.Depth(), 0);
    EXPECT_EQ(b.BackColor(), 0);
    EXPECT_EQ(b.DropDownWidth(), 0);
    EXPECT_EQ(b.BorderWidth(), 0);
    EXPECT_EQ(b.CaptionOffsetX(), 12);
}

// The container hears which key the button could not take and why, so a
// form loader can name it instead of dropping it silently.
TEST_F(PersistenceTest, EveryRejectedKeyIsReportedWithItsReason) {
    MemoryPropertyBag bag;
    bag.Set(u"Appearance", std::int32_t{0});
    bag.Set(u"Depth", u"deep");
    bag.Set(u"BorderWidth", std::int32_t{40000});
    bag.Set(u"Font", MakeFont(FontDescription{u"", 10}));
    bag.Set(u"Picture", Declared(PictureType::Bitmap, 0, 0));
    bag.Set(u"Caption", std::u16string(kMaxStringLength + 1, u'c'));
    bag.FailReads(u"ToolTipTitle");
    Load(bag);
    const auto& rejected = bag.rejections();
    std::vector<std::string> lines;
    for (const auto& r : rejected)
        lines.push_back(test::Narrow16(r.key) + " " + std::to_string(r.error) + " " +
                        test::Narrow16(r.reason));
    EXPECT_THAT(lines, ::testing::ElementsAre(
        "Font 380 a font without a name of 1 to 255 characters or a size of 1 to 2048 points",
        "Picture 481 a picture without a size of 1 to 16384 pixels a side and 64 Mpixels in all",
        "BorderWidth 6 not a 16-bit integer",
        "Caption 380 a text longer than 65535 characters",
        "Depth 13 not a 16-bit integer",
        "ToolTipTitle 380 the saved value cannot be read"));
}

TEST_F(PersistenceTest, AGoodBagReportsNothing) {
    MemoryPropertyBag good = GoodBag();
    Load(good);
    EXPECT_THAT(good.rejections(), IsEmpty());
}

}  // namespace
}  // namespace vemmix::persisttest
