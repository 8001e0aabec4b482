// The caption: device font, rectangle, alignment, offsets, depth, relief
// passes and colour, seen through a renderer that records every call and
// lays out with the built-in renderer's metrics.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <vemmix/headless/BuiltinTextRenderer.h>
#include "tests/content/ContentFixture.h"

namespace vemmix::test {
namespace {

struct TextCall {
    std::u16string text;
    gdi::RECT rect;  // as passed in
    unsigned format;
    gdi::COLORREF colour;
    int backgroundMode;
    gdi::LOGFONT font;
    std::u16string faceName;
    TextRenderer::Direction direction;
};

class RecordingRenderer final : public TextRenderer {
public:
    int DrawText(const Target& target, const Font& font, std::u16string_view text,
                 gdi::RECT& rect, unsigned format) override {
        calls.push_back({std::u16string(text), rect, format, target.textColor, target.backgroundMode,
                         font.logFont, std::u16string(font.faceName), target.direction});
        return m_Builtin->DrawText(target, font, text, rect, format);
    }
    // The calls that drew (not the measurements).
    std::vector<TextCall> Draws() const {
        std::vector<TextCall> draws;
        for (const TextCall& c : calls)
            if (!(c.format & gdi::DT_CALCRECT)) draws.push_back(c);
        return draws;
    }
    std::vector<TextCall> calls;

private:
    std::unique_ptr<TextRenderer> m_Builtin = headless::MakeBuiltinTextRenderer();
};

constexpr gdi::COLORREF kText = 0x102030;

// 100 x 45, no border, Above Picture, 10-point font (13-pixel lines at 96 dpi).
class CaptionTest : public PlainButtonTest {
protected:
    CaptionTest() { buttonBounds = {0, 0, 100, 45}; }
    void ConfigureForm() override { form.platform().SetTextRenderer(&recorder); }
    void SetUp() override {
        PlainButtonTest::SetUp();
        FontDescription font;
        font.name = u"Arial";
        font.size = 10;
        btn().SetFont(MakeFont(font));
        btn().SetForeColor(kText);
        btn().SetCaptionEffectEvent(ecEvents::Never);
        btn().SetCaptionPosition(ecCaptionPos::AbovePicture);
        btn().SetCaptionAlignment(ecAlignment::TopLeft);
    }
    void TearDown() override { form.platform().SetTextRenderer(nullptr); }
    // Repaints with `caption` and returns the drawing calls of that repaint.
    std::vector<TextCall> Draw(const std::u16string& caption) {
        recorder.calls.clear();
        btn().SetCaption(caption);
        return recorder.Draws();
    }
    RecordingRenderer recorder;
};

TEST_F(CaptionTest, MiddleRowSplitsTheSlackRoundingHalvesToEven) {
    btn().SetCaptionOffsetY(5);  // rectangle top 5 + 5 = 10, bottom 45 - 5 = 40
    btn().SetCaptionAlignment(ecAlignment::MiddleCenter);
    const auto draws = Draw(u"OK");
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0].format, gdi::DT_CENTER | gdi::DT_WORDBREAK | gdi::DT_CALCRECT);
    EXPECT_EQ(recorder.calls[0].rect.top, 10);
    EXPECT_EQ(recorder.calls[0].rect.bottom, 40);
    ASSERT_EQ(draws.size(), 1u);
    // measured bottom 23, slack 17: top 18 (18.5), bottom 32 (31.5), then + 2
    EXPECT_EQ(draws[0].rect.top, 18);
    EXPECT_EQ(draws[0].rect.bottom, 34);
    EXPECT_EQ(btn().Layout().caption, draws[0].rect);
    EXPECT_EQ(draws[0].format, gdi::DT_CENTER | gdi::DT_WORDBREAK);
    // glyph rows 18 + 2 .. 18 + 10 of the built-in renderer
    const gdi::RECT box = BoxOf(Pixels(), kText);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.bottom, 29);
}

TEST_F(CaptionTest, BottomRowMovesByTheWholeSlack) {
    btn().SetCaptionAlignment(ecAlignment::BottomRight);
    const auto draws = Draw(u"OK");
    ASSERT_EQ(draws.size(), 1u);
    // rectangle 0..45; one line of 13: slack 32
    EXPECT_EQ(draws[0].rect, (gdi::RECT{0, 32, 100, 47}));
    EXPECT_EQ(draws[0].format, gdi::DT_RIGHT | gdi::DT_WORDBREAK);
}

TEST_F(CaptionTest, TallerTextMovesUp) {
    btn().SetCaptionAlignment(ecAlignment::BottomLeft);
    ResizeButton(20, 20);
    const auto draws = Draw(u"aa bb cc");  // three lines of 13 in a 20-pixel box
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].rect.top, 20 - 39);
}

TEST_F(CaptionTest, TopRowIsNotMeasured) {
    const auto draws = Draw(u"OK");
    EXPECT_EQ(recorder.calls.size(), 1u);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].rect, (gdi::RECT{0, 0, 100, 47}));
    EXPECT_EQ(draws[0].backgroundMode, gdi::TRANSPARENT);
}

TEST_F(CaptionTest, DeviceFontFromTheFontProperty) {
    FontDescription font;
    font.name = u"Tahoma";
    font.size = 8.25;  // 8 points: -MulDiv(8, 96, 72) = -11
    font.bold = true;
    font.italic = true;
    font.underline = true;
    font.strikethrough = true;
    font.charset = 204;
    btn().SetFont(MakeFont(font));
    const auto draws = Draw(u"OK");
    ASSERT_EQ(draws.size(), 1u);
    const gdi::LOGFONT& lf = draws[0].font;
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_NE(lf.lfItalic, 0);
    EXPECT_NE(lf.lfUnderline, 0);
    EXPECT_NE(lf.lfStrikeOut, 0);
    EXPECT_EQ(lf.lfCharSet, 204);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfQuality, 0);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");

    font.bold = font.italic = font.underline = font.strikethrough = false;
    font.size = 10.5;  // to even: 10 points, 13 pixels
    btn().SetFont(MakeFont(font));
    const auto plain = Draw(u"OK");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].font.lfHeight, -13);
    EXPECT_EQ(plain[0].font.lfWeight, 400);
    EXPECT_EQ(plain[0].font.lfItalic, 0);
}

TEST_F(CaptionTest, FontHeightRoundsHalvesAwayFromZeroLikeMulDiv) {
    form.platform().SetScreenDpi(108, 108);
    FontDescription font;
    font.size = 3;  // 3 x 108 / 72 = 4.5
    btn().SetFont(MakeFont(font));
    const auto draws = Draw(u"OK");
    form.platform().SetScreenDpi(96, 96);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].font.lfHeight, -5);
}

TEST_F(CaptionTest, LongFaceNameFillsTheWholeField) {
    FontDescription font;
    font.name = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    btn().SetFont(MakeFont(font));
    const auto draws = Draw(u"OK");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(std::memcmp(draws[0].font.lfFaceName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", 32), 0);
}

TEST_F(CaptionTest, FaceNameGoesThroughTheAnsiCodePage) {
    FontDescription font;
    font.name = u"Caf\u00E9 \u0416";
    btn().SetFont(MakeFont(font));
    const auto draws = Draw(u"OK");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_STREQ(draws[0].font.lfFaceName, "Caf\xE9 ?");
}

struct OffsetCase {
    std::int32_t alignment;
    int dx;  // how far the text moves with CaptionOffsetX 4
};
class CaptionOffsetTest : public CaptionTest, public ::testing::WithParamInterface<OffsetCase> {};
INSTANTIATE_TEST_SUITE_P(ByColumn, CaptionOffsetTest,
                         ::testing::Values(OffsetCase{ecAlignment::MiddleLeft, 4},
                                           OffsetCase{ecAlignment::MiddleCenter, 0},
                                           OffsetCase{ecAlignment::MiddleRight, -4}));

// Beside a picture the areas carry no offset of their own.
TEST_P(CaptionOffsetTest, OffsetInsetsTheAreaBesideThePicture) {
    btn().SetPictureAlignment(ecAlignment::MiddleLeft);
    btn().SetPicture(SolidPicture(20, 20, 0x0000FF));
    btn().SetCaptionPosition(ecCaptionPos::RightOfPicture);
    btn().SetCaptionAlignment(GetParam().alignment);
    btn().SetCaption(u"OK");
    const int before = BoxOf(Pixels(), kText).left;
    btn().SetCaptionOffsetX(4);
    const int after = BoxOf(Pixels(), kText).left;
    EXPECT_EQ(after - before, GetParam().dx);
    EXPECT_EQ(btn().Layout().caption.left, 20 + 4);
    EXPECT_EQ(btn().Layout().caption.right, 100 - 4);
}

TEST_F(CaptionTest, AbovePictureCountsTheOffsetTwiceAtLeftAndTop) {
    btn().SetCaptionOffsetX(3);
    btn().SetCaptionOffsetY(2);
    const auto draws = Draw(u"OK");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].rect, (gdi::RECT{6, 4, 97, 45 - 2 + 2}));
}

TEST_F(CaptionTest, AbovePictureDrawsOverThePicture) {
    btn().SetPictureAlignment(ecAlignment::TopLeft);
    btn().SetPicture(SolidPicture(30, 30, 0x0000FF));
    Draw(u"WWW");
    // the first glyph lies on the picture
    EXPECT_EQ(Pixel(1, 5), kText);
}

TEST_F(CaptionTest, EmptyCaptionDrawsNothing) {
    const auto draws = Draw(u"");
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_TRUE(draws.empty());
    EXPECT_EQ(CountOf(Pixels(), kText), 0);
}

TEST_F(CaptionTest, WrapsAtWordBoundariesInTheRectangleWidth) {
    ResizeButton(30, 45);  // four 7-pixel characters a line
    Draw(u"ab cd");
    // two lines: rows 2..10 and 15..23
    EXPECT_EQ(BoxOf(Pixels(), kText), (gdi::RECT{0, 2, 13, 24}));
}

TEST_F(CaptionTest, FontIsReleasedAndTheContextRestored) {
    Draw(u"OK");
    const std::size_t live = gdi::LiveObjectCount();
    btn().Refresh();
    EXPECT_EQ(gdi::LiveObjectCount(), live);
    EXPECT_EQ(gdi::LiveObjectCount(gdi::ObjectKind::Font), 0u);
}

// ---- depth ----------------------------------------------------------------

TEST_F(CaptionTest, DepthMovesTheCaptionForCaptionModesOnly) {
    btn().SetDepth(1);
    btn().SetDepthEvent(ecEvents::OnClick);
    btn().SetDepthMode(ecDepthMode::OnlyPicture);
    btn().SetCaption(u"OK");
    recorder.calls.clear();
    MouseDown(5, 5);
    ASSERT_FALSE(recorder.Draws().empty());
    EXPECT_EQ(recorder.Draws().back().rect, (gdi::RECT{0, 0, 100, 47}));
    MouseUp(5, 5);

    btn().SetDepthMode(ecDepthMode::CaptionAndPicture);
    recorder.calls.clear();
    MouseDown(5, 5);
    ASSERT_FALSE(recorder.Draws().empty());
    EXPECT_EQ(recorder.Draws().back().rect, (gdi::RECT{1, 1, 101, 48}));
    MouseUp(5, 5);
}

// ---- relief ---------------------------------------------------------------

struct ReliefCase {
    std::int32_t effect;
    std::vector<std::pair<int, bool>> passes;  // offset of left and top, light colour
};
class ReliefTest : public CaptionTest, public ::testing::WithParamInterface<ReliefCase> {};
INSTANTIATE_TEST_SUITE_P(
    AllThree, ReliefTest,
    ::testing::Values(ReliefCase{ecCaptionEffect::Shadowed, {{+1, false}}},
                      ReliefCase{ecCaptionEffect::Embossed, {{-1, true}, {+1, false}}},
                      ReliefCase{ecCaptionEffect::Engraved, {{+1, true}, {-1, false}}}));

TEST_P(ReliefTest, PassesMoveOnlyLeftAndTopThenTheCaption) {
    btn().SetCaptionOffsetX(10);
    btn().SetCaptionOffsetY(10);
    btn().SetCaptionEffect(GetParam().effect);
    btn().SetCaptionEffectEvent(ecEvents::Always);
    const auto draws = Draw(u"OK");
    const auto& passes = GetParam().passes;
    ASSERT_EQ(draws.size(), passes.size() + 1);
    const gdi::RECT main = draws.back().rect;
    EXPECT_EQ(main, (gdi::RECT{20, 20, 90, 37}));
    for (std::size_t i = 0; i < passes.size(); ++i) {
        const int d = passes[i].first;
        EXPECT_EQ(draws[i].rect, (gdi::RECT{main.left + d, main.top + d, main.right, main.bottom})) << i;
        EXPECT_EQ(draws[i].colour, passes[i].second ? btn().Colors().m_LightRGB : btn().Colors().m_ShadowRGB) << i;
        EXPECT_EQ(draws[i].format, gdi::DT_LEFT | gdi::DT_WORDBREAK);
    }
    EXPECT_EQ(draws.back().colour, kText);
}

TEST_F(CaptionTest, ShadowIsOnePixelDownRight) {
    btn().SetCaptionEffect(ecCaptionEffect::Shadowed);
    btn().SetCaptionEffectEvent(ecEvents::Always);
    Draw(u"I");
    const gdi::COLORREF shadow = btn().Colors().m_ShadowRGB;
    // glyph columns 0..5, rows 2..10; the shadow shows in column 6 and row 11
    EXPECT_EQ(BoxOf(Pixels(), kText), (gdi::RECT{0, 2, 6, 11}));
    EXPECT_EQ(BoxOf(Pixels(), shadow), (gdi::RECT{1, 3, 7, 12}));
    EXPECT_EQ(CountOf(Pixels(), shadow), 6 + 9 - 1);
}

TEST_F(CaptionTest, NoReliefWhenTheConditionFails) {
    btn().SetCaptionEffect(ecCaptionEffect::Embossed);
    btn().SetCaptionEffectEvent(ecEvents::OnFocus);
    EXPECT_EQ(Draw(u"OK").size(), 1u);
    Focus();
    recorder.calls.clear();
    btn().Refresh();
    EXPECT_EQ(recorder.Draws().size(), 3u);
}

// ---- colour ---------------------------------------------------------------

TEST_F(CaptionTest, ColourByState) {
    btn().SetForeColorDisabled(0x000011);
    btn().SetForeColorDown(0x000022);
    btn().SetForeColorOver(0x000033);
    btn().SetForeColorFocus(0x000044);
    btn().SetCaption(u"OK");
    const auto colour = [&] {
        recorder.calls.clear();
        btn().Refresh();
        return recorder.Draws().empty() ? gdi::CLR_INVALID : recorder.Draws().back().colour;
    };
    EXPECT_EQ(colour(), kText);
    Focus();
    EXPECT_EQ(colour(), 0x000044u);
    MouseMove(5, 5);
    Tick(10);
    EXPECT_EQ(colour(), 0x000033u);
    MouseDown(5, 5);
    EXPECT_EQ(colour(), 0x000022u);
    MouseUp(5, 5);
    btn().SetEnabled(kFalse);
    EXPECT_EQ(colour(), 0x000011u);
}

TEST_F(CaptionTest, FadeColourWinsEvenWhenDisabled) {
    btn().SetForeColorDisabled(0x000011);
    btn().SetTextFadeToColor(0xFFFFFF);
    btn().SetCaption(u"OK");
    btn().TextFade_Start();
    Tick(150);
    ASSERT_TRUE(btn().IsFading());
    btn().SetEnabled(kFalse);
    recorder.calls.clear();
    btn().Refresh();
    ASSERT_FALSE(recorder.Draws().empty());
    const TextFadeState& fade = btn().Fade();
    const gdi::COLORREF expected = static_cast<gdi::COLORREF>(fade.r | (fade.g << 8) | (fade.b << 16));
    EXPECT_EQ(recorder.Draws().back().colour, expected);
    EXPECT_NE(expected, 0x000011u);
    btn().TextFade_Stop();
}

// ---- code page ------------------------------------------------------------

class AnsiCaptionTest : public CaptionTest {
protected:
    void ConfigureForm() override {
        CaptionTest::ConfigureForm();
        form.platform().SetUnicodeSystem(false);
    }
};

TEST_F(AnsiCaptionTest, NonLatinCharactersBecomeQuestionMarks) {
    ASSERT_EQ(btn().IsUnicode(), kFalse);
    const auto draws = Draw(u"\u0416\u0436 caf\u00E9 \u20AC &OK");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].text, u"?? caf\u00E9 \u20AC &OK");
}

TEST_F(CaptionTest, UnicodeCaptionIsPassedAsIs) {
    ASSERT_EQ(btn().IsUnicode(), kTrue);
    const auto draws = Draw(u"\u0416 &OK");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].text, u"\u0416 &OK");
}


// ---- what the renderer is told --------------------------------------------------

TEST_F(CaptionTest, TheRendererGetsTheFontsWholeUnicodeName) {
    FontDescription font;
    font.name = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";  // longer than a LOGFONT holds
    btn().SetFont(MakeFont(font));
    auto draws = Draw(u"OK");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].faceName, font.name);

    font.name = u"\u5B8B\u4F53 \u0416";  // no ANSI code page holds it
    btn().SetFont(MakeFont(font));
    draws = Draw(u"OK");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].faceName, font.name);
    EXPECT_EQ(std::string(draws[0].font.lfFaceName), "?? ?");  // the ANSI field as before
}

TEST_F(CaptionTest, TheReadingDirectionFollowsTheWindowsRightToLeft) {
    auto draws = Draw(u"OK");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].direction, TextRenderer::Direction::LeftToRight);
    ASSERT_EQ(btn().SetRightToLeft(kTrue), 0);
    draws = Draw(u"\u05E2\u05D1\u05E8\u05D9\u05EA");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].direction, TextRenderer::Direction::RightToLeft);
}

}  // namespace
}  // namespace vemmix::test
