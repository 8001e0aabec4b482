// Values on the automation boundary: conversions with the automation rules,
// the equality the rule of defaults uses, and the font and picture objects.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

#include <vemmix/ContainerServices.h>
#include <vemmix/Errors.h>
#include <vemmix/StdObjects.h>
#include <vemmix/Variant.h>
#include "render/Gdi.h"

namespace vemmix {
namespace {

Variant Str(std::u16string_view s) { return Variant(std::u16string(s)); }
const Variant kTrueV = Variant::Boolean(true);
const Variant kFalseV = Variant::Boolean(false);

// ---- integers --------------------------------------------------------------

struct IntCase {
    Variant in;
    std::optional<std::int32_t> out;
};

class ToInt16Conversion : public ::testing::TestWithParam<IntCase> {};

TEST_P(ToInt16Conversion, FollowsTheAutomationRules) {
    const auto& c = GetParam();
    const auto r = ToInt16(c.in);
    ASSERT_EQ(r.has_value(), c.out.has_value());
    if (r) {
        EXPECT_EQ(*r, *c.out);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToInt16Conversion,
    ::testing::Values(
        IntCase{Variant(std::int16_t{5}), 5}, IntCase{Variant(std::int32_t{-32768}), -32768},
        IntCase{Variant(std::int32_t{32767}), 32767},
        IntCase{Variant(std::int32_t{32768}), std::nullopt},    // overflow
        IntCase{Variant(std::int32_t{-32769}), std::nullopt},
        // halves go to the even neighbour
        IntCase{Variant(2.5), 2}, IntCase{Variant(3.5), 4}, IntCase{Variant(-2.5), -2},
        IntCase{Variant(-3.5), -4}, IntCase{Variant(2.4999), 2}, IntCase{Variant(1.5f), 2},
        IntCase{Variant(0.5f), 0},
        // the range is checked after rounding
        IntCase{Variant(32767.5), std::nullopt}, IntCase{Variant(32766.5), 32766},
        IntCase{Variant(-32768.5), -32768}, IntCase{Variant(-32768.6), std::nullopt},
        IntCase{Variant(std::numeric_limits<double>::quiet_NaN()), std::nullopt},
        IntCase{Variant(std::numeric_limits<double>::infinity()), std::nullopt},
        // Booleans and Empty
        IntCase{kTrueV, -1}, IntCase{kFalseV, 0}, IntCase{Variant(), 0},
        // numeric strings
        IntCase{Str(u"12"), 12}, IntCase{Str(u"  -7 "), -7}, IntCase{Str(u"+3"), 3},
        IntCase{Str(u"2.5"), 2}, IntCase{Str(u"1e3"), 1000}, IntCase{Str(u"1D2"), 100},
        IntCase{Str(u".5"), 0}, IntCase{Str(u"1.5"), 2}, IntCase{Str(u"&HFFFF"), -1},
        IntCase{Str(u"&h10"), 16}, IntCase{Str(u"&O17"), 15}, IntCase{Str(u"40000"), std::nullopt},
        IntCase{Str(u"&H10000"), std::nullopt},
        // not numbers
        IntCase{Str(u""), std::nullopt}, IntCase{Str(u"abc"), std::nullopt},
        IntCase{Str(u"12abc"), std::nullopt}, IntCase{Str(u"."), std::nullopt},
        IntCase{Str(u"1e"), std::nullopt}, IntCase{Str(u"inf"), std::nullopt},
        IntCase{Str(u"nan"), std::nullopt}, IntCase{Str(u"&H"), std::nullopt},
        IntCase{Str(u"&HG"), std::nullopt}, IntCase{Str(u"True"), std::nullopt},
        IntCase{Str(u"1 2"), std::nullopt}, IntCase{Variant(MakeFont(FontDescription{})), std::nullopt},
        IntCase{Variant(MakeEmptyPicture()), std::nullopt}));

TEST(ToInt32Conversion, RangeRoundingAndColourLiterals) {
    EXPECT_EQ(ToInt32(Variant(std::int16_t{-1})), -1);
    EXPECT_EQ(ToInt32(Variant(2147483646.5)), 2147483646);
    EXPECT_EQ(ToInt32(Variant(2147483647.5)), std::nullopt);  // rounds to 2^31
    EXPECT_EQ(ToInt32(Variant(-2147483648.5)), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ToInt32(Variant(3e9)), std::nullopt);
    EXPECT_EQ(ToInt32(Str(u"&H80000012")), static_cast<std::int32_t>(0x80000012u));
    EXPECT_EQ(ToInt32(Str(u"&HFFFF")), -1);  // a 16-bit literal
    EXPECT_EQ(ToInt32(Str(u"&H0000FFFF")), -1);
    EXPECT_EQ(ToInt32(Str(u"&H10000")), 65536);
    EXPECT_EQ(ToInt32(Str(u"&H100000000")), std::nullopt);
    EXPECT_EQ(ToInt32(Str(u"65535")), 65535);
    EXPECT_EQ(ToInt32(kTrueV), -1);
}

TEST(ToSingleConversion, OverflowAndStrings) {
    EXPECT_EQ(ToSingle(Variant(0.5)), 0.5f);
    EXPECT_EQ(ToSingle(Str(u"-1.25")), -1.25f);
    EXPECT_EQ(ToSingle(Variant(1e39)), std::nullopt);
    EXPECT_EQ(ToSingle(Variant(-1e39)), std::nullopt);
    EXPECT_EQ(ToSingle(Variant(std::int32_t{16777217})), 16777216.0f);  // nearest single
    EXPECT_EQ(ToSingle(kTrueV), -1.0f);
    EXPECT_EQ(ToSingle(Variant()), 0.0f);
    EXPECT_EQ(ToSingle(Variant(MakeFont(FontDescription{}))), std::nullopt);
}

TEST(ToBoolConversion, NonZeroIsTrueAndTheWordsConvert) {
    EXPECT_EQ(ToBool(Variant(std::int16_t{0})), kFalse);
    EXPECT_EQ(ToBool(Variant(std::int32_t{2})), kTrue);
    EXPECT_EQ(ToBool(Variant(-0.0)), kFalse);
    EXPECT_EQ(ToBool(Variant(0.25)), kTrue);
    EXPECT_EQ(ToBool(Variant(BoolValue{1})), kTrue);  // stored flags hold exactly -1
    EXPECT_EQ(ToBool(Variant()), kFalse);
    EXPECT_EQ(ToBool(Str(u"True")), kTrue);
    EXPECT_EQ(ToBool(Str(u" false ")), kFalse);
    EXPECT_EQ(ToBool(Str(u"TRUE")), kTrue);
    EXPECT_EQ(ToBool(Str(u"0")), kFalse);
    EXPECT_EQ(ToBool(Str(u"-1")), kTrue);
    EXPECT_EQ(ToBool(Str(u"yes")), std::nullopt);
    EXPECT_EQ(ToBool(Str(u"")), std::nullopt);
    EXPECT_EQ(ToBool(Variant(MakeEmptyPicture())), std::nullopt);
}

TEST(ToStringConversion, NumbersBooleansAndEmpty) {
    EXPECT_EQ(ToString(Variant(std::int16_t{-5})), u"-5");
    EXPECT_EQ(ToString(Variant(std::int32_t{-2147483647 - 1})), u"-2147483648");
    EXPECT_EQ(ToString(Variant(1.5)), u"1.5");
    EXPECT_EQ(ToString(Variant(0.1 + 0.2)), u"0.3");  // fifteen significant digits
    EXPECT_EQ(ToString(Variant(1e20)), u"1E+20");
    EXPECT_EQ(ToString(Variant(0.00001)), u"1E-05");
    EXPECT_EQ(ToString(Variant(0.1f)), u"0.1");  // seven for a single
    EXPECT_EQ(ToString(Variant(-0.0)), u"0");
    EXPECT_EQ(ToString(kTrueV), u"True");
    EXPECT_EQ(ToString(kFalseV), u"False");
    EXPECT_EQ(ToString(Variant()), u"");
    EXPECT_EQ(ToString(Str(u"abc")), u"abc");
    EXPECT_EQ(ToString(Variant(MakeFont(FontDescription{}))), std::nullopt);
}

TEST(StringLimit, LongerStringsNeverConvert) {
    const std::u16string atLimit(kMaxStringLength, u'1');
    const std::u16string over(kMaxStringLength + 1, u'x');
    EXPECT_EQ(ToString(Variant(atLimit)), atLimit);
    EXPECT_EQ(ToString(Variant(over)), std::nullopt);
    EXPECT_EQ(ToInt32(Variant(std::u16string(kMaxStringLength + 1, u' ') + u"1")), std::nullopt);
    EXPECT_EQ(ToBool(Variant(std::u16string(kMaxStringLength + 1, u' ') + u"True")), std::nullopt);
}

TEST(ObjectConversion, EmptyAndNullAreNoObject) {
    const FontRef font = MakeFont(FontDescription{});
    const PictureRef picture = MakeEmptyPicture();
    EXPECT_EQ(ToFont(Variant(font)), font);
    EXPECT_EQ(ToFont(Variant()), FontRef{});
    EXPECT_EQ(ToFont(Variant(PictureRef{})), FontRef{});  // "no object" has no type
    EXPECT_EQ(ToFont(Variant(picture)), std::nullopt);
    EXPECT_EQ(ToFont(Str(u"Arial")), std::nullopt);
    EXPECT_EQ(ToPicture(Variant(picture)), picture);
    EXPECT_EQ(ToPicture(Variant()), PictureRef{});
    EXPECT_EQ(ToPicture(Variant(FontRef{})), PictureRef{});
    EXPECT_EQ(ToPicture(Variant(font)), std::nullopt);
    EXPECT_EQ(ToPicture(Variant(std::int32_t{0})), std::nullopt);
}

TEST(VariantKinds, NumericKinds) {
    EXPECT_TRUE(Variant(std::int16_t{1}).IsNumeric());
    EXPECT_TRUE(Variant(std::int32_t{1}).IsNumeric());
    EXPECT_TRUE(Variant(1.0f).IsNumeric());
    EXPECT_TRUE(Variant(1.0).IsNumeric());
    EXPECT_TRUE(kTrueV.IsNumeric());
    EXPECT_FALSE(Variant().IsNumeric());
    EXPECT_FALSE(Str(u"1").IsNumeric());
    EXPECT_FALSE(Variant(MakeFont(FontDescription{})).IsNumeric());
}

// ---- equality for the rule of defaults ---------------------------------------

TEST(MatchesDefaultRule, NumbersByValueWhateverTheirWidth) {
    const Variant ones[] = {Variant(std::int16_t{1}), Variant(std::int32_t{1}), Variant(1.0f),
                            Variant(1.0)};
    for (const auto& a : ones)
        for (const auto& b : ones) EXPECT_TRUE(PropertyBag::MatchesDefault(a, b));
    EXPECT_TRUE(PropertyBag::MatchesDefault(kTrueV, Variant(std::int16_t{-1})));
    EXPECT_TRUE(PropertyBag::MatchesDefault(Variant(std::int32_t{-1}), kTrueV));
    EXPECT_TRUE(PropertyBag::MatchesDefault(kFalseV, Variant(std::int32_t{0})));
    EXPECT_FALSE(PropertyBag::MatchesDefault(kTrueV, Variant(std::int16_t{1})));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(0.1f), Variant(0.1)));  // different values
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(std::int32_t{65535}), Variant(std::int16_t{-1})));
}

TEST(MatchesDefaultRule, StringsByTextEmptyOnlyWithEmpty) {
    EXPECT_TRUE(PropertyBag::MatchesDefault(Str(u"abc"), Str(u"abc")));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Str(u"abc"), Str(u"ABC")));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Str(u"1"), Variant(std::int32_t{1})));
    EXPECT_TRUE(PropertyBag::MatchesDefault(Variant(), Variant()));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(), Variant(std::int32_t{0})));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(), Str(u"")));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(), Variant(FontRef{})));
}

// A font or picture is saved whatever the default, even when the default is
// the object itself (a new button's Font is the ambient font object); no
// object and the empty picture hold nothing to save.
TEST(MatchesDefaultRule, ObjectsNeverMatchAndNothingMatchesNothing) {
    const FontRef a = MakeFont(FontDescription{});
    const FontRef b = MakeFont(FontDescription{});
    ASSERT_EQ(a->Description(), b->Description());
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(a), Variant(a)));  // the same object
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(a), Variant(b)));  // equal contents, two objects
    EXPECT_TRUE(PropertyBag::MatchesDefault(Variant(FontRef{}), Variant(PictureRef{})));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(a), Variant(FontRef{})));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(FontRef{}), Variant(a)));
    const PictureRef p = MakeEmptyPicture();
    EXPECT_TRUE(PropertyBag::MatchesDefault(Variant(p), Variant(PictureRef(p))));
    EXPECT_TRUE(PropertyBag::MatchesDefault(Variant(p), Variant(PictureRef{})));
    EXPECT_TRUE(PropertyBag::MatchesDefault(Variant(p), Variant(MakeEmptyPicture())));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(p), Str(u"")));
    const std::uint32_t pixel = 0x00FF0000;
    const PictureRef bitmap = MakeBitmapPicture(1, 1, std::span(&pixel, 1));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(bitmap), Variant(bitmap)));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(bitmap), Variant(PictureRef{})));
    EXPECT_FALSE(PropertyBag::MatchesDefault(Variant(MakeOtherPicture(PictureType::Metafile, 10, 10)),
                                             Variant(PictureRef{})));
}

// ---- fonts and pictures -------------------------------------------------------

TEST(StdObjectsFont, CopiesTheDescription) {
    FontDescription desc;
    desc.name = u"Tahoma";
    desc.size = 11.25;
    desc.bold = true;
    desc.charset = 204;
    const FontRef font = MakeFont(desc);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Description(), desc);
    EXPECT_NE(MakeFont(desc), font);  // a new object each time
}

TEST(StdObjectsHimetric, RoundsHalvesToEven) {
    EXPECT_EQ(HimetricFromPixels(96, 96), 2540);
    EXPECT_EQ(HimetricFromPixels(1, 96), 26);    // 26.458
    EXPECT_EQ(HimetricFromPixels(32, 96), 847);  // 846.67
    EXPECT_EQ(HimetricFromPixels(1, 40), 64);    // 63.5 -> even
    EXPECT_EQ(HimetricFromPixels(3, 40), 190);   // 190.5 -> even
    EXPECT_EQ(HimetricFromPixels(-1, 40), -64);  // -63.5 -> even
    EXPECT_EQ(HimetricFromPixels(0, 96), 0);
    EXPECT_EQ(HimetricFromPixels(16, 120), 339);  // 338.67
    EXPECT_EQ(HimetricFromPixels(10, 0), 0);      // no resolution, no size
}

TEST(StdObjectsPicture, EmptyPictureIsAnObjectOfTypeNone) {
    const PictureRef p = MakeEmptyPicture();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->type, PictureType::None);
    EXPECT_EQ(p->widthHimetric, 0);
    EXPECT_FALSE(p->bitmap);
}

TEST(StdObjectsPicture, BitmapKeepsItsPixelsAndReleasesItsBitmap) {
    const std::size_t before = gdi::LiveObjectCount(gdi::ObjectKind::Bitmap);
    {
        const std::vector<std::uint32_t> pixels = {0x00112233, 0xFF445566, 0x00FF00FF,
                                                   0x00000000, 0x00ABCDEF, 0x12010203};
        const PictureRef p = MakeBitmapPicture(3, 2, pixels, 96);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->type, PictureType::Bitmap);
        EXPECT_EQ(p->widthHimetric, HimetricFromPixels(3, 96));
        EXPECT_EQ(p->heightHimetric, HimetricFromPixels(2, 96));
        ASSERT_TRUE(p->bitmap);
        const gdi::PixelView view = gdi::GetBitmapPixels(p->bitmap);
        ASSERT_EQ(view.width, 3);
        ASSERT_EQ(view.height, 2);
        ASSERT_EQ(view.bitsPerPixel, 32);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            EXPECT_EQ(view.pixels[i] & 0x00FFFFFFu, pixels[i] & 0x00FFFFFFu) << i;
        EXPECT_EQ(gdi::LiveObjectCount(gdi::ObjectKind::Bitmap), before + 1);
    }
    EXPECT_EQ(gdi::LiveObjectCount(gdi::ObjectKind::Bitmap), before);
}

TEST(StdObjectsPicture, RefusesBadAndAbsurdSizes) {
    const std::vector<std::uint32_t> four(4, 0);
    EXPECT_EQ(MakeBitmapPicture(0, 4, {}), nullptr);
    EXPECT_EQ(MakeBitmapPicture(-2, -2, four), nullptr);
    EXPECT_EQ(MakeBitmapPicture(2, 1, four), nullptr);  // span does not match the size
    EXPECT_EQ(MakeBitmapPicture(2, 3, four), nullptr);
    // Beyond the caps nothing is allocated at all.
    EXPECT_EQ(MakeBitmapPicture(16385, 1, {}), nullptr);
    EXPECT_EQ(MakeBitmapPicture(16384, 16384, {}), nullptr);
    EXPECT_EQ(MakeBitmapPicture(1 << 30, 1 << 30, {}), nullptr);
    gdi::Icon huge;
    huge.width = 20000;
    huge.height = 1;
    EXPECT_EQ(MakeIconPicture(huge), nullptr);
}

TEST(StdObjectsPicture, IconPictures) {
    gdi::Icon icon;
    icon.width = 2;
    icon.height = 2;
    icon.pixels = {0xFF0000FF, 0x8000FF00, 0x00FF0000, 0xFFFFFFFF};
    icon.hasAlpha = true;
    const PictureRef p = MakeIconPicture(icon, 96);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->type, PictureType::Icon);
    EXPECT_EQ(p->icon.pixels, icon.pixels);
    EXPECT_EQ(p->widthHimetric, HimetricFromPixels(2, 96));

    gdi::Icon classic = icon;
    classic.hasAlpha = false;
    const PictureRef q = MakeIconPicture(classic);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->icon.andMask, std::vector<std::uint8_t>(4, 0));  // no mask: replace every pixel
    classic.andMask = {1, 0};
    EXPECT_EQ(MakeIconPicture(classic), nullptr);
    gdi::Icon short_ = icon;
    short_.pixels.pop_back();
    EXPECT_EQ(MakeIconPicture(short_), nullptr);
}

TEST(StdObjectsPicture, OtherTypesHaveASizeOnly) {
    const PictureRef m = MakeOtherPicture(PictureType::Metafile, 1000, 500);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->type, PictureType::Metafile);
    EXPECT_EQ(m->widthHimetric, 1000);
    EXPECT_EQ(m->heightHimetric, 500);
    EXPECT_TRUE(MakeOtherPicture(PictureType::EnhMetafile, 0, 0));
    EXPECT_EQ(MakeOtherPicture(PictureType::Bitmap, 10, 10), nullptr);
    EXPECT_EQ(MakeOtherPicture(PictureType::Icon, 10, 10), nullptr);
    EXPECT_EQ(MakeOtherPicture(PictureType::Metafile, -1, 10), nullptr);
}

// ---- construction ----------------------------------------------------------------

// A C++ bool is the 16-bit Boolean; a character, or an integer of another
// width, does not become a Variant by accident.
static_assert(std::is_constructible_v<Variant, bool>);
static_assert(!std::is_constructible_v<Variant, char16_t>);
static_assert(!std::is_constructible_v<Variant, char>);
static_assert(!std::is_constructible_v<Variant, wchar_t>);
static_assert(!std::is_constructible_v<Variant, unsigned>);
static_assert(!std::is_constructible_v<Variant, long>);
static_assert(!std::is_constructible_v<Variant, std::uint16_t>);
static_assert(!std::is_convertible_v<std::int64_t, Variant>);

TEST(VariantConstruction, ABoolIsTheSixteenBitBoolean) {
    EXPECT_EQ(Variant(true).type(), Variant::Type::Bool);
    EXPECT_EQ(Variant(true), Variant::Boolean(true));
    EXPECT_EQ(*ToInt32(Variant(true)), -1);
    EXPECT_EQ(*ToInt32(Variant(false)), 0);
}

TEST(VariantConstruction, WiderIntegersBecomeALongWhenTheyFitElseADouble) {
    EXPECT_EQ(Variant::FromInteger(7u), Variant(std::int32_t{7}));
    EXPECT_EQ(Variant::FromInteger(std::int64_t{-5}), Variant(std::int32_t{-5}));
    EXPECT_EQ(Variant::FromInteger(0xFFFFFFFFu), Variant(4294967295.0));
    EXPECT_EQ(Variant::FromInteger(std::int64_t{1} << 40), Variant(1099511627776.0));
    EXPECT_EQ(Variant::FromInteger(std::int16_t{3}), Variant(std::int32_t{3}));
}

TEST(VariantConstruction, MissingIsAnErrorValueThatConvertsToNothing) {
    const Variant missing = Variant::Missing();
    EXPECT_TRUE(missing.IsMissing());
    EXPECT_EQ(missing.type(), Variant::Type::Error);
    EXPECT_FALSE(Variant::Error(5).IsMissing());
    EXPECT_FALSE(Variant().IsMissing());
    for (const Variant& v : {missing, Variant::Error(0)}) {
        EXPECT_EQ(ToInt16(v), std::nullopt);
        EXPECT_EQ(ToInt32(v), std::nullopt);
        EXPECT_EQ(ToDouble(v), std::nullopt);
        EXPECT_EQ(ToBool(v), std::nullopt);
        EXPECT_EQ(ToString(v), std::nullopt);
        EXPECT_EQ(ToFont(v), std::nullopt);
        EXPECT_EQ(ToPicture(v), std::nullopt);
        EXPECT_EQ(ToDataObject(v), std::nullopt);
        EXPECT_FALSE(v.IsNumeric());
    }
}

TEST(VariantEquality, TheOneEqualityComparesKindAndValue) {
    EXPECT_EQ(Variant(std::int16_t{1}), Variant(std::int16_t{1}));
    EXPECT_NE(Variant(std::int16_t{1}), Variant(std::int32_t{1}));  // the rule of defaults is the bag's
    EXPECT_NE(Variant::Boolean(true), Variant(std::int16_t{-1}));
    EXPECT_EQ(Variant::Error(5), Variant::Error(5));
    EXPECT_NE(Variant::Error(5), Variant::Missing());
}

// ---- drag-and-drop data ------------------------------------------------------------

TEST(StdObjectsData, FormatsHoldTheirKindOfData) {
    const DataObjectRef data = MakeDataObject();
    ASSERT_TRUE(data);
    EXPECT_FALSE(data->HasFormat(DataFormat::Text));
    EXPECT_TRUE(data->SetData(DataFormat::Text, std::u16string(u"dropped")));
    EXPECT_TRUE(data->SetData(DataFormat::Files, std::vector<std::u16string>{u"/tmp/a", u"/tmp/b"}));
    EXPECT_TRUE(data->SetData(49161, std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(data->SetData(DataFormat::Text, std::vector<std::uint8_t>{1}));  // text takes text
    EXPECT_FALSE(data->SetData(DataFormat::Files, std::u16string(u"x")));
    EXPECT_FALSE(data->SetData(7, std::u16string(u"x")));  // other formats take bytes
    EXPECT_EQ(data->Formats(), (std::vector<std::int32_t>{DataFormat::Text, DataFormat::Files, 49161}));
    EXPECT_EQ(std::get<std::u16string>(*data->GetData(DataFormat::Text)), u"dropped");
    EXPECT_EQ(std::get<std::vector<std::u16string>>(*data->GetData(DataFormat::Files)).size(), 2u);
    EXPECT_EQ(data->GetData(DataFormat::Bitmap), std::nullopt);

    EXPECT_TRUE(data->SetData(DataFormat::Text, std::u16string(u"again")));  // replaces, keeps order
    EXPECT_EQ(data->Formats().front(), DataFormat::Text);
    EXPECT_EQ(std::get<std::u16string>(*data->GetData(DataFormat::Text)), u"again");
    data->Clear();
    EXPECT_TRUE(data->Formats().empty());
    EXPECT_FALSE(data->HasFormat(DataFormat::Files));
}

TEST(StdObjectsData, AVariantCarriesTheObject) {
    const DataObjectRef data = MakeDataObject();
    EXPECT_EQ(*ToDataObject(Variant(data)), data);
    EXPECT_EQ(*ToDataObject(Variant()), nullptr);
    EXPECT_EQ(ToDataObject(Variant(std::int32_t{1})), std::nullopt);
}

// ---- error messages -----------------------------------------------------------------

TEST(ErrorMessages, EveryNumberTheControlRaisesHasItsText) {
    EXPECT_EQ(errors::Message(errors::kTypeMismatch), u"Type mismatch");
    EXPECT_EQ(errors::Message(errors::kNotSupportedAtRunTime), u"Set not supported at runtime");
    EXPECT_EQ(errors::Message(errors::kNotPermitted), u"Set not permitted");
    EXPECT_EQ(errors::Message(errors::kUnknownMember), u"Object doesn't support this property or method");
    EXPECT_EQ(errors::Message(errors::kOutOfStackSpace), u"Out of stack space");
    EXPECT_EQ(errors::Message(errors::kCannotCreateObject), u"ActiveX component can't create object");
    EXPECT_EQ(errors::Message(errors::kWrongArgumentCount),
              u"Wrong number of arguments or invalid property assignment");
    EXPECT_EQ(errors::Message(errors::kOverflow), u"Overflow");
    EXPECT_EQ(errors::Message(errors::kReadOnlyProperty), u"Set not supported (read-only property)");
    EXPECT_EQ(errors::Message(errors::kInvalidPropertyValue), u"Invalid property value");
    EXPECT_EQ(errors::Message(31337), u"Application-defined or object-defined error");
}

}  // namespace
}  // namespace vemmix
