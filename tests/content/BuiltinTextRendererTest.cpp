// The built-in text renderer: its documented metrics, prefixes, wrapping,
// alignment and measuring.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <vemmix/headless/BuiltinTextRenderer.h>
#include "tests/content/ContentFixture.h"

namespace vemmix::test {
namespace {

constexpr gdi::COLORREF kInk = 0x0000FF;
constexpr gdi::COLORREF kPaper = 0xFFFFFF;

class BuiltinTextRendererTest : public ::testing::Test {
protected:
    BuiltinTextRendererTest() : m_Pixels(40 * 30, gdi::PixelFromColor(kPaper)) {
        m_Font.lfHeight = -13;
        m_Font.lfWeight = 400;
    }

    int Draw(std::u16string_view text, gdi::RECT rect, unsigned format) {
        TextRenderer::Target target;
        target.pixels = View();
        target.textColor = kInk;
        target.backgroundMode = m_Mode;
        target.backgroundColor = 0x00FF00;
        m_Rect = rect;
        return m_Renderer->DrawText(target, TextRenderer::Font{m_Font, {}}, text, m_Rect, format);
    }
    gdi::PixelView View() { return gdi::PixelView{40, 30, 32, m_Pixels}; }

    std::unique_ptr<TextRenderer> m_Renderer = headless::MakeBuiltinTextRenderer();
    std::vector<std::uint32_t> m_Pixels;
    gdi::LOGFONT m_Font;
    gdi::RECT m_Rect;
    int m_Mode = gdi::TRANSPARENT;
};

TEST_F(BuiltinTextRendererTest, GlyphCellsOfAThirteenPixelFont) {
    // h 13, a 7, t 2: glyphs are 6 x 9 boxes at rows 2..10, 7 pixels apart
    EXPECT_EQ(Draw(u"A B", {0, 0, 40, 30}, gdi::DT_LEFT), 13);
    EXPECT_TRUE(PixelArtMatches(View(), {
        "#######...............",
        "..............#.......",
    }, {{'#', kPaper}}, {0, 0}));
    EXPECT_TRUE(AreaIs(View(), {0, 2, 6, 11}, kInk));
    EXPECT_TRUE(AreaIs(View(), {6, 0, 14, 13}, kPaper));  // the gap and the space
    EXPECT_TRUE(AreaIs(View(), {14, 2, 20, 11}, kInk));
    EXPECT_EQ(CountOf(View(), kInk), 2 * 6 * 9);
}

TEST_F(BuiltinTextRendererTest, HeightZeroMeansThirteenAndBoldIsOneWider) {
    m_Font.lfHeight = 0;
    m_Font.lfWeight = 700;
    EXPECT_EQ(Draw(u"A", {0, 0, 40, 30}, gdi::DT_LEFT), 13);
    EXPECT_EQ(BoxOf(View(), kInk), (gdi::RECT{0, 2, 7, 11}));
}

TEST_F(BuiltinTextRendererTest, SingleAmpersandUnderlinesTheNextCharacter) {
    Draw(u"a&bc", {0, 0, 40, 30}, gdi::DT_LEFT);
    EXPECT_EQ(BoxOf(View(), kInk), (gdi::RECT{0, 2, 20, 13}));
    EXPECT_TRUE(AreaIs(View(), {7, 12, 14, 13}, kInk));     // underline of b, a full cell
    EXPECT_TRUE(AreaIs(View(), {0, 11, 7, 13}, kPaper));
    EXPECT_TRUE(AreaIs(View(), {14, 11, 21, 13}, kPaper));
}

TEST_F(BuiltinTextRendererTest, DoubledAmpersandDrawsOneAndNoPrefixDrawsAll) {
    gdi::RECT rect{0, 0, 40, 30};
    Draw(u"&&", rect, gdi::DT_CALCRECT);
    EXPECT_EQ(m_Rect.right, 7);
    Draw(u"&&", rect, gdi::DT_CALCRECT | gdi::DT_NOPREFIX);
    EXPECT_EQ(m_Rect.right, 14);
    Draw(u"ab&", rect, gdi::DT_CALCRECT);
    EXPECT_EQ(m_Rect.right, 14);
}

TEST_F(BuiltinTextRendererTest, AlignmentInTheRectangle) {
    Draw(u"ab", {0, 0, 21, 30}, gdi::DT_CENTER);  // floor((0 + 21 - 14) / 2) = 3
    EXPECT_EQ(BoxOf(View(), kInk).left, 3);
    m_Pixels.assign(m_Pixels.size(), gdi::PixelFromColor(kPaper));
    Draw(u"ab", {0, 0, 21, 30}, gdi::DT_RIGHT);
    EXPECT_EQ(BoxOf(View(), kInk), (gdi::RECT{7, 2, 20, 11}));
}

TEST_F(BuiltinTextRendererTest, CalcRectMeasuresTheWrappedText) {
    Draw(u"aa bb", {2, 3, 30, 4}, gdi::DT_WORDBREAK | gdi::DT_CALCRECT);  // 4 cells a line
    EXPECT_EQ(m_Rect, (gdi::RECT{2, 3, 16, 29}));
    EXPECT_EQ(CountOf(View(), kInk), 0);
    Draw(u"aa bb", {2, 3, 40, 4}, gdi::DT_WORDBREAK | gdi::DT_CALCRECT);
    EXPECT_EQ(m_Rect, (gdi::RECT{2, 3, 37, 16}));
}

TEST_F(BuiltinTextRendererTest, LongWordIsBrokenAtTheCharacterThatDoesNotFit) {
    EXPECT_EQ(Draw(u"abcdef", {0, 0, 20, 0}, gdi::DT_WORDBREAK | gdi::DT_CALCRECT), 39);
    EXPECT_EQ(m_Rect.right, 14);
    // narrower than one cell: still one character a line
    EXPECT_EQ(Draw(u"abc", {0, 0, 3, 0}, gdi::DT_WORDBREAK | gdi::DT_CALCRECT), 39);
}

TEST_F(BuiltinTextRendererTest, WordBreakKeepsWordsTogether) {
    // "ab cd ef" in 5 cells: "ab cd" then "ef"
    EXPECT_EQ(Draw(u"ab cd ef", {0, 0, 35, 0}, gdi::DT_WORDBREAK | gdi::DT_CALCRECT), 26);
    EXPECT_EQ(m_Rect.right, 35);
    // without DT_WORDBREAK the line is not broken
    EXPECT_EQ(Draw(u"ab cd ef", {0, 0, 35, 0}, gdi::DT_CALCRECT), 13);
    EXPECT_EQ(m_Rect.right, 56);
}

TEST_F(BuiltinTextRendererTest, LineBreaksUnlessSingleLine) {
    EXPECT_EQ(Draw(u"a\r\nb\nc\n", {0, 0, 40, 0}, gdi::DT_CALCRECT), 39);
    EXPECT_EQ(Draw(u"a\n\nb", {0, 0, 40, 0}, gdi::DT_CALCRECT), 39);
    EXPECT_EQ(Draw(u"a\r\nb", {0, 0, 40, 0}, gdi::DT_CALCRECT | gdi::DT_SINGLELINE), 13);
    EXPECT_EQ(m_Rect.right, 14);
    EXPECT_EQ(Draw(u"", {0, 0, 40, 0}, gdi::DT_CALCRECT), 0);
    EXPECT_EQ(m_Rect, (gdi::RECT{0, 0, 0, 0}));
}

TEST_F(BuiltinTextRendererTest, OpaqueBackgroundFillsTheCells) {
    m_Mode = gdi::OPAQUE;
    Draw(u"a b", {1, 1, 40, 30}, gdi::DT_LEFT);
    EXPECT_EQ(BoxOf(View(), 0x00FF00), (gdi::RECT{1, 1, 22, 14}));
    EXPECT_EQ(CountOf(View(), 0x00FF00), 21 * 13 - 2 * 6 * 9);
}

TEST_F(BuiltinTextRendererTest, UnderlineAndStrikeOutFonts) {
    gdi::LOGFONT font;
    font.lfHeight = -13;
    font.lfUnderline = 1;
    font.lfStrikeOut = 1;
    m_Font = font;
    Draw(u"a b", {0, 0, 40, 30}, gdi::DT_LEFT);
    EXPECT_TRUE(AreaIs(View(), {0, 12, 21, 13}, kInk));  // underline, spaces included
    EXPECT_TRUE(AreaIs(View(), {0, 6, 21, 7}, kInk));    // strike-out at h / 2
}

TEST_F(BuiltinTextRendererTest, ClippedToTheBitmapOnly) {
    Draw(u"abcdefgh", {-10, 25, 5, 30}, gdi::DT_LEFT);
    // the rectangle does not clip: glyphs right of it are drawn, rows below 30 are not
    EXPECT_EQ(BoxOf(View(), kInk), (gdi::RECT{0, 27, 40, 30}));
}

}  // namespace
}  // namespace vemmix::test
