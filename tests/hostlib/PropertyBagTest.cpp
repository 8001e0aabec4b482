// The property bag over JSON values: what each kind of value reads as,
// what each kind of value is written as, and what the button refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QJsonArray>
#include <QJsonObject>

#include <vemmix/ControlLibrary.h>
#include <vemmix/Dispatch.h>
#include <vemmix/Errors.h>
#include <vemmix/headless/HeadlessContainer.h>
#include <vemmix/host/PropertySet.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

using host::JsonPropertyBag;
using host::PropertySet;

const typelib::TypeInfo& ButtonTypes() { return *vemmix_control_library()->classes[0].typeInfo; }

PropertySet SetOf(std::initializer_list<std::pair<const char*, QJsonValue>> values) {
    PropertySet set;
    for (const auto& [key, value] : values) set.Set({QString::fromLatin1(key), value, nullptr});
    return set;
}

Variant Read(PropertySet& set, std::u16string_view key, const Variant& defaultValue = Variant()) {
    JsonPropertyBag bag(set, &ButtonTypes(), nullptr);
    return bag.ReadProperty(key, defaultValue).value_or(Variant::Error(-1));
}

TEST(JsonPropertyBag, KeysMatchWithoutRegardToCase) {
    PropertySet set = SetOf({{"backcolor", 255}});
    EXPECT_EQ(Read(set, u"BackColor"), Variant(std::int32_t{255}));
    EXPECT_EQ(Read(set, u"BACKCOLOR"), Variant(std::int32_t{255}));
    EXPECT_EQ(Read(set, u"BackColo", Variant(std::int16_t{7})), Variant(std::int16_t{7}));  // absent: the default
}

TEST(JsonPropertyBag, WholeNumbersAreIntegersTheRestDoubles) {
    PropertySet set = SetOf({{"A", 7}, {"B", -2147483648.0}, {"C", 2.5}, {"D", 3e9}, {"E", 1e300}});
    EXPECT_EQ(Read(set, u"A"), Variant(std::int32_t{7}));
    EXPECT_EQ(Read(set, u"B"), Variant(std::numeric_limits<std::int32_t>::min()));
    EXPECT_EQ(Read(set, u"C"), Variant(2.5));
    EXPECT_EQ(Read(set, u"D"), Variant(3e9));
    EXPECT_EQ(Read(set, u"E"), Variant(1e300));
}

TEST(JsonPropertyBag, ColoursAreLongLiteralsOnlyWhereTheMemberIsAColour) {
    PropertySet set = SetOf({{"ForeColor", QStringLiteral("&H80000012&")},
                             {"MaskColor", QStringLiteral("&h0000ffff&")},
                             {"Caption", QStringLiteral("&H80000012&")},
                             {"BorderColor", QStringLiteral("&H1234")}});
    EXPECT_EQ(Read(set, u"ForeColor"), Variant(static_cast<std::int32_t>(0x80000012u)));
    EXPECT_EQ(Read(set, u"MaskColor"), Variant(std::int32_t{0xFFFF}));  // a long, not the integer -1
    EXPECT_EQ(Read(set, u"Caption"), Variant(u"&H80000012&"));
    // not the long literal: a text, which the button converts its own way
    EXPECT_EQ(Read(set, u"BorderColor"), Variant(u"&H1234"));

    PropertySet out;
    JsonPropertyBag bag(out, &ButtonTypes(), nullptr);
    bag.WriteProperty(u"ForeColor", Variant(static_cast<std::int32_t>(0x8000000Fu)), Variant(std::int32_t{0}));
    bag.WriteProperty(u"ToolTipBackColor", Variant(std::int32_t{-1}), Variant(std::int32_t{0}));
    bag.WriteProperty(u"Depth", Variant(std::int16_t{5}), Variant(std::int16_t{2}));
    EXPECT_EQ(out.Find(u"ForeColor")->value, QJsonValue(QStringLiteral("&H8000000F&")));
    EXPECT_EQ(out.Find(u"ToolTipBackColor")->value, QJsonValue(QStringLiteral("&HFFFFFFFF&")));
    EXPECT_EQ(out.Find(u"Depth")->value, QJsonValue(5));
    // without type information every number is a number
    PropertySet plain;
    JsonPropertyBag untyped(plain, nullptr, nullptr);
    untyped.WriteProperty(u"ForeColor", Variant(std::int32_t{255}), Variant(std::int32_t{0}));
    EXPECT_EQ(plain.Find(u"ForeColor")->value, QJsonValue(255));
}

TEST(JsonPropertyBag, TextsKeepTheirNul) {
    PropertySet set = SetOf({{"Caption", QString::fromUtf16(u"a\0b\u0e20", 4)}});
    EXPECT_EQ(Read(set, u"Caption"), Variant(std::u16string(u"a\0b\u0e20", 4)));
    PropertySet out;
    JsonPropertyBag bag(out, &ButtonTypes(), nullptr);
    bag.WriteProperty(u"Caption", Variant(std::u16string(u"x\0y", 3)), Variant(u""));
    EXPECT_EQ(out.Find(u"Caption")->value.toString().size(), 3);
}

TEST(JsonPropertyBag, BooleansAndNull) {
    PropertySet set = SetOf({{"ShowFocus", true}, {"Value", false}, {"Picture", QJsonValue::Null}});
    EXPECT_EQ(Read(set, u"ShowFocus"), Variant::Boolean(true));
    EXPECT_EQ(Read(set, u"Value"), Variant::Boolean(false));
    EXPECT_TRUE(Read(set, u"Picture").IsEmpty());
}

TEST(JsonPropertyBag, AFontIsANewObjectEachRead) {
    PropertySet set = SetOf({{"Font", QJsonObject{{"name", "Tahoma"}, {"size", 9.75}, {"bold", true}, {"charset", 161}}}});
    const Variant a = Read(set, u"Font");
    const Variant b = Read(set, u"Font");
    ASSERT_TRUE(a.get_if<FontRef>() && *a.get_if<FontRef>());
    EXPECT_NE(*a.get_if<FontRef>(), *b.get_if<FontRef>());
    EXPECT_EQ((*a.get_if<FontRef>())->Description(), (FontDescription{u"Tahoma", 9.75, true, false, false, false, 161}));
}

TEST(JsonPropertyBag, AValueOfNoKnownShapeIsNotReadAndNamed) {
    PropertySet set = SetOf({{"Caption", QJsonArray{1}}, {"Font", QJsonObject{{"name", "X"}}}});
    JsonPropertyBag bag(set, &ButtonTypes(), nullptr);
    EXPECT_FALSE(bag.ReadProperty(u"Caption", Variant(u"")));
    EXPECT_FALSE(bag.ReadProperty(u"Font", Variant()));
    ASSERT_EQ(bag.problems().size(), 2u);
    EXPECT_EQ(bag.problems()[0].key, QStringLiteral("Caption"));
    EXPECT_EQ(bag.problems()[0].reason,
              QStringLiteral("expected a number, a Boolean, a text, a font or a picture, found an array"));
    EXPECT_EQ(bag.problems()[1].reason, QStringLiteral("the key \"size\" is missing"));
    // the control's word on the same key adds nothing
    bag.LogError(u"caption", errors::kTypeMismatch, u"later");
    EXPECT_EQ(bag.problems().size(), 2u);
}

TEST(JsonPropertyBag, WritesFollowTheRuleOfDefaults) {
    PropertySet out;
    JsonPropertyBag bag(out, &ButtonTypes(), nullptr);
    EXPECT_EQ(bag.WriteProperty(u"Depth", Variant(std::int32_t{2}), Variant(std::int16_t{2})), 0);
    EXPECT_FALSE(out.Find(u"Depth"));
    EXPECT_EQ(bag.WriteProperty(u"Depth", Variant(std::int16_t{4}), Variant(std::int16_t{2})), 0);
    EXPECT_EQ(bag.WriteProperty(u"depth", Variant(std::int16_t{2}), Variant(std::int16_t{2})), 0);
    EXPECT_FALSE(out.Find(u"Depth"));  // the default over a stored value removes it
    const FontRef ambient = MakeFont(FontDescription{});
    EXPECT_EQ(bag.WriteProperty(u"Font", Variant(ambient), Variant(ambient)), 0);
    ASSERT_TRUE(out.Find(u"Font"));  // an object is written whatever its default
    EXPECT_EQ(out.Find(u"Font")->value.toObject().value(QStringLiteral("name")).toString(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(bag.WriteProperty(u"Picture", Variant(MakeEmptyPicture()), Variant(PictureRef{})), 0);
    EXPECT_FALSE(out.Find(u"Picture"));
    EXPECT_EQ(bag.WriteProperty(u"X", Variant(std::numeric_limits<double>::infinity()), Variant()), errors::kTypeMismatch);
    EXPECT_EQ(bag.WriteProperty(u"Y", Variant(MakeDataObject()), Variant()), errors::kTypeMismatch);
    EXPECT_EQ(bag.WriteProperty(u"Z", Variant(), Variant(std::int32_t{1})), 0);
    EXPECT_TRUE(out.Find(u"Z")->value.isNull());
    EXPECT_EQ(bag.problems().size(), 2u);
}

// The mend of the rule of defaults, through a real button: a new button's
// Font is the ambient font object itself, and it is saved.
TEST(JsonPropertyBag, ANewButtonSavesItsFont) {
    headless::HeadlessForm form;
    Control& button = form.AddButton();
    PropertySet out;
    JsonPropertyBag bag(out, &button.GetTypeInfo(), nullptr);
    button.WriteProperties(bag);
    ASSERT_TRUE(out.Find(u"Font"));
    EXPECT_EQ(out.Find(u"Font")->value.toObject().value(QStringLiteral("size")).toDouble(), 8.25);
    EXPECT_FALSE(out.Find(u"Picture"));  // the empty picture
    EXPECT_FALSE(out.Find(u"Caption"));  // the display name
}

// Numbers out of a member's range: the member keeps its value and the
// loader names the key.
TEST(JsonPropertyBag, TheButtonsRefusalsAreNamed) {
    std::unique_ptr<host::HostedForm> form = Host(Parse(R"({"format": "vemmix-form", "version": 1,
        "form": {"width": 100, "height": 40},
        "controls": [{"class": "Vemmix.Zorvane", "name": "cmdA", "left": 0, "top": 0, "width": 80, "height": 24,
                      "properties": {"Depth": 40000, "BorderWidth": 3, "TextFadeSpeed": "fast",
                                     "Appearance": 1e12, "Caption": "Kept"}}]})"));
    ASSERT_TRUE(form);
    Control& button = form->Find(u"cmdA")->control();
    Variant v;
    GetProperty(button, u"Depth", v);
    EXPECT_EQ(v, Variant(std::int16_t{0}));  // what a fresh button held
    GetProperty(button, u"BorderWidth", v);
    EXPECT_EQ(v, Variant(std::int16_t{3}));
    EXPECT_EQ(Str(form->problems().join(u'\n')),
              "controls[0].properties.Appearance: refused (error 6: Overflow): not a 32-bit integer\n"
              "controls[0].properties.Depth: refused (error 6: Overflow): not a 16-bit integer\n"
              "controls[0].properties.TextFadeSpeed: refused (error 13: Type mismatch): not a 16-bit integer");
}

}  // namespace
}  // namespace vemmix::hosttest
