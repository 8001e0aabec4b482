// What the button takes through its API it loads again: for every one of
// the 64 persisted keys and a set of edge values per key, a button set up
// through the dispatch path (and so the typed setters) either refuses the
// value with an error the caller sees and stays as it was, or saves and
// loads as the same button. The font object's own setters keep a font the
// button holds one it would load.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "base/Limits.h"
#include "control/Zorvane.h"
#include "tests/reliability/HostilePictures.h"
#include "tests/support/PersistedProperties.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {
namespace {

using headless::HeadlessForm;
using headless::HeadlessSite;
using headless::MemoryPropertyBag;
using ::testing::IsEmpty;

// One colour: what is saved and loaded here is the picture, not its pixels.
PictureRef Solid(int width, int height) {
    return MakeBitmapPicture(width, height,
                             std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0x336699u));
}

PictureRef Icon(int size) {
    gdi::Icon icon;
    icon.width = size;
    icon.height = size;
    icon.hasAlpha = true;
    icon.pixels.assign(static_cast<std::size_t>(size) * size, 0xFF00FF00u);
    return MakeIconPicture(icon);
}

FontRef Font(std::u16string name, double size) { return MakeFont(FontDescription{std::move(name), size}); }

// Values are made when a case runs: a picture made while the test binary
// starts would outlive the drawing surface's object table at exit.
struct Edge {
    std::string label;
    std::function<Variant()> make;
};
#define EDGE(label, value) Edge{label, [] { return Variant(value); }}

std::vector<Edge> EdgesOf(const PersistedKeyInfo& info) {
    const bool colour = info.key.find(u"Color") != std::u16string::npos;
    switch (info.kind) {
    case PersistedKind::Int32: {
        std::vector<Edge> edges = {
            EDGE("Min", std::numeric_limits<std::int32_t>::min()), EDGE("MinusOne", std::int32_t{-1}),
            EDGE("Zero", std::int32_t{0}),  EDGE("One", std::int32_t{1}),  EDGE("Two", std::int32_t{2}),
            EDGE("Five", std::int32_t{5}),  EDGE("Nine", std::int32_t{9}), EDGE("Hundred", std::int32_t{100}),
            EDGE("Max", std::numeric_limits<std::int32_t>::max()),
        };
        if (colour) {
            edges.push_back(EDGE("SystemColour", Variant::FromInteger(std::int64_t{0x80000012})));
            edges.push_back(EDGE("AllBits", 4294967295.0));
            edges.push_back(EDGE("White", std::int32_t{0x00FFFFFF}));
        }
        return edges;
    }
    case PersistedKind::Int16:
        return {EDGE("Min", std::numeric_limits<std::int16_t>::min()), EDGE("MinusOne", std::int16_t{-1}),
                EDGE("Zero", std::int16_t{0}), EDGE("One", std::int16_t{1}), EDGE("Hundred", std::int16_t{100}),
                EDGE("Max", std::numeric_limits<std::int16_t>::max())};
    case PersistedKind::Boolean:
        return {EDGE("True", Variant::Boolean(true)), EDGE("False", Variant::Boolean(false)),
                EDGE("Five", std::int32_t{5})};
    case PersistedKind::String:
        return {EDGE("Empty", std::u16string()),
                EDGE("One", u"x"),
                EDGE("Ampersands", u"&&&a&"),
                EDGE("Nul", std::u16string(u"ab\0cd", 5)),
                EDGE("LoneSurrogate", std::u16string(1, char16_t(0xD800))),
                EDGE("Longest", std::u16string(kMaxTextLength, u'a')),
                EDGE("TooLong", std::u16string(kMaxTextLength + 1, u'a'))};
    case PersistedKind::Font:
        return {EDGE("Nothing", FontRef{}),
                EDGE("Plain", Font(u"Arial", 8.25)),
                EDGE("Points5000", Font(u"Arial", 5000)),
                EDGE("HalfAPoint", Font(u"Arial", 0.5)),
                EDGE("OnePoint", Font(u"Arial", 1)),
                EDGE("Points2048", Font(u"Arial", 2048)),
                EDGE("Points2048AndAHalf", Font(u"Arial", 2048.5)),
                EDGE("NotANumber", Font(u"Arial", std::nan(""))),
                EDGE("Name300", Font(std::u16string(300, u'F'), 10)),
                EDGE("Name255", Font(std::u16string(255, u'F'), 10)),
                EDGE("EmptyName", Font(u"", 10))};
    case PersistedKind::Picture:
        return {EDGE("Nothing", PictureRef{}),
                EDGE("EmptyPicture", MakeEmptyPicture()),
                EDGE("Bitmap2x2", Solid(2, 2)),
                EDGE("Icon16", Icon(16)),
                EDGE("Metafile20000Wide", MakeOtherPicture(PictureType::Metafile, Him(20000), Him(10))),
                EDGE("EmptyMetafile", MakeOtherPicture(PictureType::Metafile, 0, 0)),
                EDGE("Metafile16384x4097", MakeOtherPicture(PictureType::Metafile, Him(16384), Him(4097))),
                EDGE("Metafile16384x4096", MakeOtherPicture(PictureType::Metafile, Him(16384), Him(4096))),
                EDGE("HalfAPixel", MakeOtherPicture(PictureType::EnhMetafile, 13, 13)),
                EDGE("TinyBitmapDeclaring16384x4096", Declaring(16384, 4096, Solid(2, 2))),
                EDGE("TinyBitmapDeclaring4096x4096", Declaring(4096, 4096, Solid(2, 2)))};
    }
    return {};
}
#undef EDGE

struct Case {
    PersistedKeyInfo key;
    Edge edge;
};

void PrintTo(const Case& c, std::ostream* os) { *os << Narrow16(c.key.key) << "_" << c.edge.label; }

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const PersistedKeyInfo& key : PersistedKeys())
        for (Edge& edge : EdgesOf(key)) cases.push_back({key, std::move(edge)});
    return cases;
}

// The keys in which two buttons differ. A picture key holding no object
// and one holding the empty picture are alike: neither is saved, and a new
// button starts with the empty picture where a loaded one has none.
std::vector<std::string> Differing(const Zorvane& a, const Zorvane& b) {
    std::vector<std::string> differing;
    for (const std::string& key : DifferingKeys(a, b)) {
        const std::u16string key16(key.begin(), key.end());
        const auto nothing = [&](const Zorvane& z) {
            const Variant value = PersistedValue(z, key16);
            const PictureRef* p = value.get_if<PictureRef>();
            return p && (!*p || (*p)->type == PictureType::None);
        };
        if (!(nothing(a) && nothing(b))) differing.push_back(key);
    }
    return differing;
}

class SaveLoadAgreement : public ::testing::TestWithParam<Case> {
protected:
    HeadlessForm form;

    // Two buttons of one name and size, so the ambient defaults agree.
    HeadlessSite& Place(std::u16string name) {
        HeadlessSite* site = form.AddControl(u"Vemmix.Zorvane", std::move(name), {0, 0, 100, 30});
        if (!site) throw std::runtime_error("no Zorvane");
        site->displayName = u"Same";
        return *site;
    }

    static std::int32_t Put(Zorvane& b, std::u16string_view name, Variant value) {
        std::int32_t dispid = 0;
        if (const std::int32_t error = b.GetIDOfName(name, dispid)) return error;
        const bool object = value.type() == Variant::Type::Font || value.type() == Variant::Type::Picture;
        Variant args[] = {std::move(value)};
        Variant result;
        return b.Invoke(dispid, object ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut, args, result);
    }

    static std::vector<Variant> Snapshot(const Zorvane& b) {
        std::vector<Variant> values;
        for (const PersistedKeyInfo& key : PersistedKeys()) values.push_back(PersistedValue(b, key.key));
        return values;
    }
};

TEST_P(SaveLoadAgreement, WhatTheApiTakesLoadsAsTheSameButton) {
    const Case& c = GetParam();
    HeadlessSite& siteA = Place(u"A");
    Zorvane& a = *ZorvaneOf(siteA);
    a.InitProperties();
    // a 3d base: no theme colours taken from the desktop again at load
    ASSERT_EQ(Put(a, u"Appearance", std::int32_t{0}), 0);
    const std::vector<Variant> before = Snapshot(a);

    const std::int32_t error = Put(a, c.key.key, c.edge.make());
    if (error != 0) {
        // refused: an error the caller sees, and the button as it was
        EXPECT_THAT(error, ::testing::AnyOf(errors::kInvalidPropertyValue, errors::kInvalidPicture,
                                            errors::kOverflow))
            << "an unexpected refusal";
        EXPECT_EQ(Snapshot(a), before) << "a refused value changed the button";
    }

    MemoryPropertyBag saved;
    a.WriteProperties(saved);
    HeadlessSite& siteB = Place(u"B");
    Zorvane& b = *ZorvaneOf(siteB);
    b.ReadProperties(saved);
    EXPECT_THAT(Differing(a, b), IsEmpty());

    // and the loaded button saves the same set again
    MemoryPropertyBag again;
    b.WriteProperties(again);
    EXPECT_EQ(again.entries(), saved.entries());
}

INSTANTIATE_TEST_SUITE_P(EveryKey, SaveLoadAgreement, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) {
                             return Narrow16(info.param.key.key) + "_" + info.param.edge.label;
                         });

// The values the two ways disagreed about are refused by the setters, with
// the error the property bag reports for them.
class ApiRefusal : public SaveLoadAgreement {};

TEST_F(ApiRefusal, FontsNoSavedFormCouldHoldAreRefused) {
    Zorvane& b = *ZorvaneOf(Place(u"A"));
    b.InitProperties();
    const FontRef held = b.Font();
    for (const FontRef& font : {Font(u"Arial", 5000), Font(u"Arial", 0.5),
                                Font(std::u16string(300, u'F'), 10), Font(u"", 10)}) {
        EXPECT_EQ(b.SetFont(font), errors::kInvalidPropertyValue);
        EXPECT_EQ(Put(b, u"Font", font), errors::kInvalidPropertyValue);
        EXPECT_EQ(b.Font(), held);
    }
}

TEST_F(ApiRefusal, PicturesNoSavedFormCouldHoldAreRefused) {
    Zorvane& b = *ZorvaneOf(Place(u"A"));
    b.InitProperties();
    const PictureRef wide = MakeOtherPicture(PictureType::Metafile, Him(20000), Him(10));
    const PictureRef empty = MakeOtherPicture(PictureType::Metafile, 0, 0);
    const PictureRef tooMany = MakeOtherPicture(PictureType::Metafile, Him(16384), Him(4097));
    EXPECT_EQ(b.SetPicture(wide), errors::kInvalidPicture);
    EXPECT_EQ(b.SetDropDownPicture(empty), errors::kInvalidPicture);
    EXPECT_EQ(b.SetPictureOver(tooMany), errors::kInvalidPicture);
    EXPECT_EQ(Put(b, u"DropDownPicture", empty), errors::kInvalidPicture);
    EXPECT_EQ(Put(b, u"PictureOver", tooMany), errors::kInvalidPicture);
    EXPECT_EQ(b.SetMouseIcon(wide), errors::kInvalidPicture);
    EXPECT_EQ(b.DropDownPicture(), nullptr);
    EXPECT_EQ(b.PictureOver(), nullptr);
    EXPECT_EQ(b.MouseIcon(), nullptr);
    // the largest declared size is taken
    EXPECT_EQ(b.SetPictureOver(MakeOtherPicture(PictureType::Metafile, Him(16384), Him(4096))), 0);
}

TEST_F(ApiRefusal, TextsLongerThanAFormHoldsAreRefused) {
    Zorvane& b = *ZorvaneOf(Place(u"A"));
    b.InitProperties();
    EXPECT_EQ(b.SetCaption(std::u16string(kMaxTextLength + 1, u'c')), errors::kInvalidPropertyValue);
    EXPECT_EQ(b.SetToolTipTitle(std::u16string(kMaxTextLength + 1, u't')), errors::kInvalidPropertyValue);
    EXPECT_EQ(b.Caption(), u"Same");
    EXPECT_EQ(b.ToolTipTitle(), u"");
    // a NUL ends the caption before its length is judged
    std::u16string cut(kMaxTextLength + 10, u'c');
    cut[3] = u'\0';
    EXPECT_EQ(b.SetCaption(cut), 0);
    EXPECT_EQ(b.Caption(), u"ccc");
}

// The font object's own setters keep it a font a form would load.
TEST(FontObject, NameAndSizeSettersRefuseWhatALoadWould) {
    const FontRef font = MakeFont(FontDescription{u"Arial", 9});
    EXPECT_EQ(font->SetSize(5000), errors::kInvalidPropertyValue);
    EXPECT_EQ(font->SetSize(0.5), errors::kInvalidPropertyValue);
    EXPECT_EQ(font->SetSize(std::nan("")), errors::kInvalidPropertyValue);
    EXPECT_EQ(font->SetName(std::u16string(300, u'F')), errors::kInvalidPropertyValue);
    EXPECT_EQ(font->SetName(u""), errors::kInvalidPropertyValue);
    EXPECT_EQ(font->SetName(std::u16string(u"A\0b", 3)), errors::kInvalidPropertyValue);
    EXPECT_EQ(font->SetDescription(FontDescription{u"Arial", 5000}), errors::kInvalidPropertyValue);
    EXPECT_EQ(font->Description(), (FontDescription{u"Arial", 9}));
    EXPECT_EQ(font->SetSize(2048), 0);
    EXPECT_EQ(font->SetName(std::u16string(255, u'F')), 0);
    EXPECT_EQ(font->Size(), 2048);
}

TEST_F(ApiRefusal, AFontChangedThroughItsObjectStillLoads) {
    Zorvane& a = *ZorvaneOf(Place(u"A"));
    a.InitProperties();
    const FontRef font = MakeFont(FontDescription{u"Arial", 9});
    ASSERT_EQ(a.SetFont(font), 0);
    font->SetSize(5000);  // refused
    font->SetSize(30);
    MemoryPropertyBag saved;
    a.WriteProperties(saved);
    Zorvane& b = *ZorvaneOf(Place(u"B"));
    b.ReadProperties(saved);
    EXPECT_EQ(b.Font(), font);
}

}  // namespace
}  // namespace vemmix::test
