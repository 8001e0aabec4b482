#include "tests/conformance/TextRendererConformance.h"

#include <algorithm>
#include <string_view>

namespace vemmix::conformance {

std::string CaseName(const ::testing::TestParamInfo<RendererCase>& info) { return info.param.name; }

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 90;
constexpr std::size_t kGuard = 64;  // pixels before and after the bitmap
constexpr gdi::COLORREF kInk = 0x00000000;
// The bitmap starts white with a fourth byte no renderer may write.
constexpr std::uint32_t kPaper = 0xAB000000u | 0x00FFFFFFu;
constexpr std::uint32_t kGuardValue = 0x5A5A5A5Au;

// A box of pixels, right and bottom exclusive; empty when left >= right.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return left >= right || top >= bottom; }
};

class Canvas {
public:
    Canvas() : m_Memory(kGuard + kWidth * kHeight + kGuard, kGuardValue) { Clear(); }

    void Clear() {
        std::fill_n(m_Memory.begin() + kGuard, kWidth * kHeight, kPaper);
    }
    gdi::PixelView View() {
        return gdi::PixelView{kWidth, kHeight, 32,
                              std::span<std::uint32_t>(m_Memory.data() + kGuard, kWidth * kHeight)};
    }
    std::uint32_t At(int x, int y) const { return m_Memory[kGuard + y * kWidth + x]; }
    bool GuardsIntact() const {
        const auto intact = [](auto first, auto last) {
            return std::all_of(first, last, [](std::uint32_t p) { return p == kGuardValue; });
        };
        return intact(m_Memory.begin(), m_Memory.begin() + kGuard) &&
               intact(m_Memory.end() - kGuard, m_Memory.end());
    }
    // The box of every pixel that changed.
    Box Ink() const {
        Box box{kWidth, kHeight, 0, 0};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (At(x, y) != kPaper) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x + 1);
                    box.bottom = std::max(box.bottom, y + 1);
                }
        return box;
    }
    int Changed() const {
        int n = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) n += At(x, y) != kPaper;
        return n;
    }

private:
    std::vector<std::uint32_t> m_Memory;
};

class Harness {
public:
    explicit Harness(const RendererCase& c)
        : m_Renderer(c.make()), m_Face(c.face), m_Slack(c.slack) {
        m_Font.lfHeight = -13;
        m_Font.lfWeight = 400;
        const std::string ansi(m_Face.begin(), m_Face.end());
        std::copy_n(ansi.begin(), std::min<std::size_t>(ansi.size(), 31), m_Font.lfFaceName);
    }

    int Measure(std::u16string_view text, gdi::RECT& rect, unsigned format) {
        return Call(text, rect, format | gdi::DT_CALCRECT);
    }
    // Draws on a clean canvas.
    int Draw(std::u16string_view text, gdi::RECT rect, unsigned format) {
        m_Canvas.Clear();
        return Call(text, rect, format);
    }
    int Width(std::u16string_view text, unsigned format = gdi::DT_LEFT) {
        gdi::RECT r{0, 0, kWidth, kHeight};
        Measure(text, r, format | gdi::DT_SINGLELINE);
        return r.right - r.left;
    }
    int LineHeight() {
        gdi::RECT r{0, 0, kWidth, kHeight};
        return Measure(u"X", r, gdi::DT_LEFT);
    }

    Canvas& canvas() { return m_Canvas; }
    int slack() const { return m_Slack; }
    int mode = gdi::TRANSPARENT;

private:
    int Call(std::u16string_view text, gdi::RECT& rect, unsigned format) {
        TextRenderer::Target target;
        target.pixels = m_Canvas.View();
        target.textColor = kInk;
        target.backgroundMode = mode;
        target.backgroundColor = 0x0000FF00;
        return m_Renderer->DrawText(target, TextRenderer::Font{m_Font, m_Face}, text, rect, format);
    }

    std::unique_ptr<TextRenderer> m_Renderer;
    std::u16string m_Face;
    int m_Slack;
    gdi::LOGFONT m_Font;
    Canvas m_Canvas;
};

::testing::AssertionResult InkWithin(const Box& ink, const gdi::RECT& box, int slack) {
    if (ink.Empty()) return ::testing::AssertionFailure() << "nothing was drawn";
    if (ink.left < box.left - slack || ink.top < box.top - slack ||
        ink.right > box.right + slack || ink.bottom > box.bottom + slack)
        return ::testing::AssertionFailure()
               << "ink " << ink.left << "," << ink.top << ".." << ink.right << "," << ink.bottom
               << " leaves the measured box " << box.left << "," << box.top << ".." << box.right
               << "," << box.bottom << " (slack " << slack << ")";
    return ::testing::AssertionSuccess();
}

constexpr std::u16string_view kSentence = u"Many short words wrap onto several lines here";

}  // namespace

TEST_P(TextRendererConformance, MeasuringAndDrawingAnswerTheSameHeight) {
    Harness h(GetParam());
    for (const unsigned align : {gdi::DT_LEFT, gdi::DT_CENTER, gdi::DT_RIGHT}) {
        for (const std::u16string_view text : {std::u16string_view(u"OK"), kSentence,
                                               std::u16string_view(u"one\r\ntwo\nthree")}) {
            const unsigned format = align | gdi::DT_WORDBREAK;
            gdi::RECT measured{4, 4, 84, 84};
            const int measuredHeight = h.Measure(text, measured, format);
            EXPECT_EQ(measured.bottom - measured.top, measuredHeight);
            EXPECT_EQ(h.Draw(text, {4, 4, 84, 84}, format), measuredHeight);
        }
    }
}

TEST_P(TextRendererConformance, WrappedTextInksTheLinesTheMeasureCounted) {
    Harness h(GetParam());
    const int line = h.LineHeight();
    ASSERT_GT(line, 0);
    gdi::RECT measured{4, 2, 84, 2};
    const int height = h.Measure(kSentence, measured, gdi::DT_LEFT | gdi::DT_WORDBREAK);
    ASSERT_GE(height, 2 * line) << "the sentence must wrap at 80 pixels";
    EXPECT_LE(measured.right, 84 + h.slack()) << "no line is wider than the rectangle";
    h.Draw(kSentence, {4, 2, 84, 2 + height}, gdi::DT_LEFT | gdi::DT_WORDBREAK);
    const Box ink = h.canvas().Ink();
    EXPECT_TRUE(InkWithin(ink, measured, h.slack()));
    EXPECT_GT(ink.bottom, measured.bottom - line) << "the last measured line is drawn";
}

TEST_P(TextRendererConformance, AlignmentPutsTheInkWhereTheMeasureSays) {
    Harness h(GetParam());
    const int width = h.Width(u"Align");
    ASSERT_GT(width, 0);
    const gdi::RECT rect{10, 10, 150, 40};

    h.Draw(u"Align", rect, gdi::DT_LEFT);
    EXPECT_TRUE(InkWithin(h.canvas().Ink(), {10, 10, 10 + width, 40}, h.slack()));

    h.Draw(u"Align", rect, gdi::DT_RIGHT);
    EXPECT_TRUE(InkWithin(h.canvas().Ink(), {150 - width, 10, 150, 40}, h.slack()));

    h.Draw(u"Align", rect, gdi::DT_CENTER);
    const Box centred = h.canvas().Ink();
    const int left = 10 + (140 - width) / 2;
    EXPECT_TRUE(InkWithin(centred, {left, 10, left + width + 1, 40}, h.slack() + 1));
}

TEST_P(TextRendererConformance, PrefixesTakeNoRoomAndADoubledOneDrawsOneAmpersand) {
    Harness h(GetParam());
    EXPECT_EQ(h.Width(u"&File"), h.Width(u"File"));
    EXPECT_EQ(h.Width(u"a&&b"), h.Width(u"a&b", gdi::DT_NOPREFIX));
    EXPECT_GT(h.Width(u"&File", gdi::DT_NOPREFIX), h.Width(u"File"));

    h.Draw(u"F", {10, 10, 150, 40}, gdi::DT_LEFT);
    const int plain = h.canvas().Changed();
    const Box plainInk = h.canvas().Ink();
    h.Draw(u"&F", {10, 10, 150, 40}, gdi::DT_LEFT);
    EXPECT_GT(h.canvas().Changed(), plain) << "the access key is underlined";
    EXPECT_GE(h.canvas().Ink().bottom, plainInk.bottom);
}

TEST_P(TextRendererConformance, SingleLineIgnoresLineBreaks) {
    Harness h(GetParam());
    gdi::RECT r{0, 0, kWidth, kHeight};
    EXPECT_EQ(h.Measure(u"one\r\ntwo", r, gdi::DT_LEFT | gdi::DT_SINGLELINE), h.LineHeight());
    gdi::RECT twoLines{0, 0, kWidth, kHeight};
    EXPECT_EQ(h.Measure(u"one\r\ntwo", twoLines, gdi::DT_LEFT), 2 * h.LineHeight());
}

TEST_P(TextRendererConformance, EmptyTextHasNoLineAndDrawsNothing) {
    Harness h(GetParam());
    gdi::RECT r{5, 5, 50, 50};
    EXPECT_EQ(h.Measure(u"", r, gdi::DT_LEFT | gdi::DT_WORDBREAK), 0);
    EXPECT_EQ(h.Draw(u"", {5, 5, 50, 50}, gdi::DT_LEFT | gdi::DT_WORDBREAK), 0);
    EXPECT_EQ(h.canvas().Changed(), 0);
}

TEST_P(TextRendererConformance, DrawingIsClippedToTheBitmap) {
    Harness h(GetParam());
    const gdi::RECT outside[] = {
        {-70, -9, 30, 20}, {kWidth - 20, kHeight - 6, kWidth + 200, kHeight + 40},
        {-100000, -100000, -99000, -99000}, {kWidth + 5, 0, kWidth + 300, 30},
    };
    for (const gdi::RECT& rect : outside) {
        h.Draw(kSentence, rect, gdi::DT_LEFT | gdi::DT_WORDBREAK);
        h.Draw(u"&Clip", rect, gdi::DT_RIGHT);
        EXPECT_TRUE(h.canvas().GuardsIntact()) << "a pixel outside the bitmap was written";
    }
    h.Draw(u"Clip", {-100000, -100000, -99000, -99000}, gdi::DT_LEFT);
    EXPECT_EQ(h.canvas().Changed(), 0);
}

TEST_P(TextRendererConformance, WrittenPixelsHaveAZeroFourthByteAndTheRestKeepTheirs) {
    Harness h(GetParam());
    for (const int mode : {gdi::TRANSPARENT, gdi::OPAQUE}) {
        h.mode = mode;
        h.Draw(u"&Pixels of text", {3, 3, 150, 60}, gdi::DT_LEFT | gdi::DT_WORDBREAK);
        int written = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const std::uint32_t p = h.canvas().At(x, y);
                if (p == kPaper) continue;
                ++written;
                EXPECT_EQ(p >> 24, 0u) << "pixel " << x << "," << y;
            }
        }
        EXPECT_GT(written, 0);
    }
}

TEST_P(TextRendererConformance, OpaqueBackgroundsStayInTheMeasuredBox) {
    Harness h(GetParam());
    h.mode = gdi::OPAQUE;
    gdi::RECT measured{6, 6, 120, 6};
    h.Measure(u"Opaque words", measured, gdi::DT_LEFT | gdi::DT_WORDBREAK);
    h.Draw(u"Opaque words", {6, 6, 120, 80}, gdi::DT_LEFT | gdi::DT_WORDBREAK);
    EXPECT_TRUE(InkWithin(h.canvas().Ink(), measured, h.slack()));
}

}  // namespace vemmix::conformance
