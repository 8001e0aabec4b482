// The in-memory property bag: keys without regard to case, the rule of
// defaults (numbers by value whatever their width), orders of access.
#include <gmock/gmock.h>

#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::test {
namespace {

using ::testing::ElementsAre;
using headless::MemoryPropertyBag;

TEST(MemoryPropertyBag, KeysMatchWithoutRegardToCase) {
    MemoryPropertyBag bag;
    bag.Set(u"backcolor", Variant(std::int32_t{0x00FF00}));  // as a saved form stores it
    const auto read = bag.ReadProperty(u"BackColor", Variant(std::int32_t{0xFFFFFF}));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, Variant(std::int32_t{0x00FF00}));
    EXPECT_TRUE(bag.Has(u"BACKCOLOR"));
    EXPECT_FALSE(bag.Has(u"BackColo"));
}

TEST(MemoryPropertyBag, RewritingAKeyInAnotherCaseReplacesIt) {
    MemoryPropertyBag bag;
    bag.WriteProperty(u"Caption", Variant(u"One"), Variant(u""));
    bag.WriteProperty(u"CAPTION", Variant(u"Two"), Variant(u""));
    ASSERT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.Get(u"caption"), Variant(u"Two"));
}

TEST(MemoryPropertyBag, AbsentKeyReadsAsTheDefault) {
    MemoryPropertyBag bag;
    EXPECT_EQ(bag.ReadProperty(u"Depth", Variant(std::int16_t{2})), Variant(std::int16_t{2}));
}

struct DefaultCase {
    const char* what;
    Variant value;
    Variant defaultValue;
    bool stored;
    friend void PrintTo(const DefaultCase& c, std::ostream* out) { *out << c.what; }
};

class RuleOfDefaults : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(RuleOfDefaults, ValueEqualToItsDefaultIsNotStored) {
    MemoryPropertyBag bag;
    EXPECT_EQ(bag.WriteProperty(u"Key", GetParam().value, GetParam().defaultValue), 0);
    EXPECT_EQ(bag.Has(u"key"), GetParam().stored) << GetParam().what;
    EXPECT_THAT(bag.writeOrder(), ElementsAre(u"Key"));
}

INSTANTIATE_TEST_SUITE_P(
    Values, RuleOfDefaults,
    ::testing::Values(
        DefaultCase{"Int16 1 vs Int32 1", Variant(std::int16_t{1}), Variant(std::int32_t{1}), false},
        DefaultCase{"Int32 16 vs Int16 16", Variant(std::int32_t{16}), Variant(std::int16_t{16}), false},
        DefaultCase{"Int32 -1 vs Int16 -1", Variant(std::int32_t{-1}), Variant(std::int16_t{-1}), false},
        DefaultCase{"Int32 0 vs Int16 0", Variant(std::int32_t{0}), Variant(std::int16_t{0}), false},
        DefaultCase{"Bool True vs Int16 -1", Variant::Boolean(true), Variant(std::int16_t{-1}), false},
        DefaultCase{"Bool True vs Bool True", Variant::Boolean(true), Variant::Boolean(true), false},
        DefaultCase{"Bool False vs Int16 0", Variant::Boolean(false), Variant(std::int16_t{0}), false},
        DefaultCase{"Bool True vs Bool False", Variant::Boolean(true), Variant::Boolean(false), true},
        DefaultCase{"Bool True vs Int16 1", Variant::Boolean(true), Variant(std::int16_t{1}), true},
        DefaultCase{"Int32 2 vs Int16 1", Variant(std::int32_t{2}), Variant(std::int16_t{1}), true},
        DefaultCase{"string equal", Variant(u"Zorvane1"), Variant(u"Zorvane1"), false},
        DefaultCase{"string differs", Variant(u"Zorvane1"), Variant(u"Zorvane2"), true},
        DefaultCase{"no picture vs no picture", Variant(PictureRef{}), Variant(PictureRef{}), false}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

// A font is stored whatever its default, even the ambient font object itself.
TEST(MemoryPropertyBag, ObjectsAreStoredWhateverTheDefault) {
    MemoryPropertyBag bag;
    const FontRef ambient = MakeFont(FontDescription{});
    const FontRef same = MakeFont(FontDescription{});
    bag.WriteProperty(u"Font", Variant(ambient), Variant(ambient));
    ASSERT_TRUE(bag.Has(u"Font"));
    EXPECT_EQ(*bag.Get(u"Font")->get_if<FontRef>(), ambient);
    bag.WriteProperty(u"Font", Variant(same), Variant(ambient));
    EXPECT_EQ(*bag.Get(u"Font")->get_if<FontRef>(), same);
    bag.WriteProperty(u"Picture", Variant(MakeEmptyPicture()), Variant(PictureRef{}));
    EXPECT_FALSE(bag.Has(u"Picture"));
}

TEST(MemoryPropertyBag, WritingTheDefaultOverAStoredValueRemovesIt) {
    MemoryPropertyBag bag;
    bag.WriteProperty(u"Depth", Variant(std::int16_t{5}), Variant(std::int16_t{2}));
    bag.WriteProperty(u"depth", Variant(std::int16_t{2}), Variant(std::int16_t{2}));
    EXPECT_FALSE(bag.Has(u"Depth"));
    EXPECT_THAT(bag.writeOrder(), ElementsAre(u"Depth", u"depth"));
}

TEST(MemoryPropertyBag, RecordsReadsAndWritesInOrderAndKeepsStoreOrder) {
    MemoryPropertyBag bag;
    bag.WriteProperty(u"B", Variant(std::int32_t{1}), Variant(std::int32_t{0}));
    bag.WriteProperty(u"A", Variant(std::int32_t{0}), Variant(std::int32_t{0}));
    bag.WriteProperty(u"C", Variant(std::int32_t{3}), Variant(std::int32_t{0}));
    bag.ReadProperty(u"C", Variant());
    bag.ReadProperty(u"Z", Variant());
    EXPECT_THAT(bag.writeOrder(), ElementsAre(u"B", u"A", u"C"));
    EXPECT_THAT(bag.readOrder(), ElementsAre(u"C", u"Z"));
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_EQ(bag.entries()[0].first, u"B");
    EXPECT_EQ(bag.entries()[1].first, u"C");
}

TEST(MemoryPropertyBag, FailingReadGivesNothingWhateverTheCase) {
    MemoryPropertyBag bag;
    bag.Set(u"Depth", Variant(u"deep"));
    bag.FailReads(u"DEPTH");
    EXPECT_FALSE(bag.ReadProperty(u"depth", Variant(std::int16_t{2})).has_value());
    EXPECT_TRUE(bag.ReadProperty(u"Other", Variant(std::int16_t{2})).has_value());
    EXPECT_THAT(bag.readOrder(), ElementsAre(u"depth", u"Other"));
}

}  // namespace
}  // namespace vemmix::test
