// The Qt text renderer against what the caption code asks of it:
// measuring, line breaks, wrapping, alignment, prefixes, bidirectional
// text, clipping, the pixels it may change, and its cache; then real
// captions in Thai and Hebrew on a button.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <vemmix/Dispatch.h>
#include <vemmix/Enums.h>
#include <vemmix/headless/HeadlessContainer.h>
#include <vemmix/host/QtTextRenderer.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

using gdi::RECT;

constexpr std::uint32_t kWhite = 0x00FFFFFF;

// A bitmap of pixels 0xXXRRGGBB and a renderer drawing into it.
class Canvas {
public:
    Canvas(int w, int h, std::uint32_t fill = kWhite) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    // DrawText on a copy of the rectangle.
    int Draw(std::u16string_view text, RECT rect, unsigned format, const gdi::LOGFONT& font,
             std::u16string_view face = u"DejaVu Sans", gdi::COLORREF colour = 0,
             TextRenderer::Direction direction = TextRenderer::Direction::LeftToRight, int mode = gdi::TRANSPARENT,
             gdi::COLORREF background = 0) {
        return DrawInto(text, rect, format, font, face, colour, direction, mode, background);
    }
    // DrawText that may change the rectangle (DT_CALCRECT).
    int DrawInto(std::u16string_view text, RECT& rect, unsigned format, const gdi::LOGFONT& font,
                 std::u16string_view face = u"DejaVu Sans", gdi::COLORREF colour = 0,
                 TextRenderer::Direction direction = TextRenderer::Direction::LeftToRight,
                 int mode = gdi::TRANSPARENT, gdi::COLORREF background = 0) {
        TextRenderer::Target target;
        target.pixels = gdi::PixelView{width, height, 32, pixels};
        target.textColor = colour;
        target.backgroundMode = mode;
        target.backgroundColor = background;
        target.direction = direction;
        return renderer->DrawText(target, TextRenderer::Font{font, face}, text, rect, format);
    }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // The box of pixels that are not `background`: left, top, right, bottom (exclusive).
    RECT Ink(std::uint32_t background = kWhite) const {
        RECT r{width, height, -1, -1};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((At(x, y) & 0x00FFFFFF) != (background & 0x00FFFFFF)) {
                    r.left = std::min(r.left, x);
                    r.top = std::min(r.top, y);
                    r.right = std::max(r.right, x + 1);
                    r.bottom = std::max(r.bottom, y + 1);
                }
        return r;
    }
    int InkCount() const {
        return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                              [](std::uint32_t p) { return (p & 0x00FFFFFF) != kWhite; }));
    }
    // Columns [x0, x0 + w) of this against columns [x1, x1 + w) of another.
    bool SameColumns(int x0, const Canvas& other, int x1, int w) const {
        for (int y = 0; y < height; ++y)
            for (int i = 0; i < w; ++i)
                if (At(x0 + i, y) != other.At(x1 + i, y)) return false;
        return true;
    }

    int width, height;
    std::vector<std::uint32_t> pixels;
    std::shared_ptr<host::QtTextRenderer> renderer = std::make_shared<host::QtTextRenderer>();
};

gdi::LOGFONT Font(int height = -16, int weight = 400) {
    gdi::LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    return lf;
}

RECT Measure(Canvas& c, std::u16string_view text, int width, unsigned format = 0, const gdi::LOGFONT& font = Font()) {
    RECT r{0, 0, width, 0};
    c.DrawInto(text, r, format | gdi::DT_CALCRECT, font);
    return r;
}

TEST(QtTextRenderer, MeasuringAgreesWithDrawing) {
    Canvas c(300, 60);
    RECT measured{10, 10, 290, 10};
    const int height = c.DrawInto(u"Hello, world", measured, gdi::DT_CALCRECT, Font());
    EXPECT_EQ(measured.bottom, 10 + height);
    EXPECT_GT(measured.right - measured.left, 60);
    EXPECT_EQ(c.InkCount(), 0);  // measuring draws nothing
    RECT draw{10, 10, 290, 50};
    EXPECT_EQ(c.Draw(u"Hello, world", draw, gdi::DT_LEFT, Font()), height);
    const RECT ink = c.Ink();
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, measured.right + 1);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 10 + height);
}

TEST(QtTextRenderer, LinesEndAtBreaksAndStackByTheLineHeight) {
    Canvas c(200, 200);
    const int one = Measure(c, u"a", 200).bottom;
    EXPECT_GT(one, 12);
    EXPECT_EQ(Measure(c, u"a\nb\nc", 200).bottom, 3 * one);
    EXPECT_EQ(Measure(c, u"a\r\nb", 200).bottom, 2 * one);
    EXPECT_EQ(Measure(c, u"a\rb", 200).bottom, 2 * one);
    EXPECT_EQ(Measure(c, u"a\n", 200).bottom, one);  // a trailing break starts no line
    EXPECT_EQ(Measure(c, u"\n\n", 200).bottom, 2 * one);
    EXPECT_EQ(Measure(c, u"", 200).bottom, 0);
    EXPECT_EQ(Measure(c, u"a\nb", 200, gdi::DT_SINGLELINE).bottom, one);
    EXPECT_EQ(Measure(c, u"\n", 200, gdi::DT_SINGLELINE).bottom, 0);
}

TEST(QtTextRenderer, WordBreakWrapsWithinTheWidth) {
    Canvas c(400, 200);
    const int one = Measure(c, u"a", 400).bottom;
    const RECT wide = Measure(c, u"one two three four five", 400, gdi::DT_WORDBREAK);
    EXPECT_EQ(wide.bottom, one);
    const RECT narrow = Measure(c, u"one two three four five", 90, gdi::DT_WORDBREAK);
    EXPECT_GE(narrow.bottom, 3 * one);
    EXPECT_LE(narrow.right, 90);
    // without DT_WORDBREAK nothing wraps
    EXPECT_EQ(Measure(c, u"one two three four five", 90).bottom, one);
    // a word longer than the line is broken between its characters
    RECT r{0, 0, 40, 200};
    const int h = c.Draw(u"Supercalifragilistic", r, gdi::DT_WORDBREAK, Font());
    EXPECT_GE(h, 3 * one);
    EXPECT_LE(c.Ink().right, 41);
}

TEST(QtTextRenderer, AlignmentPlacesEachLine) {
    const std::u16string text = u"Centre me";
    Canvas left(300, 40), centre(300, 40), right(300, 40);
    const int w = Measure(left, text, 300).right;
    left.Draw(text, RECT{0, 0, 300, 40}, gdi::DT_LEFT, Font());
    centre.Draw(text, RECT{0, 0, 300, 40}, gdi::DT_CENTER, Font());
    right.Draw(text, RECT{0, 0, 300, 40}, gdi::DT_RIGHT, Font());
    // the same pixels, shifted by where each line starts
    EXPECT_TRUE(centre.SameColumns((300 - w) / 2, left, 0, w));
    EXPECT_TRUE(right.SameColumns(300 - w, left, 0, w));
    EXPECT_GT(left.InkCount(), 50);
    EXPECT_EQ(left.InkCount(), centre.InkCount());
    EXPECT_EQ(left.InkCount(), right.InkCount());
}

TEST(QtTextRenderer, ASinglePrefixUnderlinesAndADoubleOneDrawsOneAmpersand) {
    Canvas plain(200, 40), prefixed(200, 40), doubled(200, 40), literal(200, 40);
    EXPECT_EQ(Measure(plain, u"&Save", 200).right, Measure(plain, u"Save", 200).right);
    plain.Draw(u"Save", RECT{0, 0, 200, 40}, 0, Font());
    prefixed.Draw(u"&Save", RECT{0, 0, 200, 40}, 0, Font());
    const int s = Measure(plain, u"S", 200).right;
    // the prefixed caption is the plain one plus an underline under the S only
    bool underlined = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (plain.At(x, y) != prefixed.At(x, y)) {
                EXPECT_LT(x, s + 1);
                underlined = true;
            }
    EXPECT_TRUE(underlined);
    // a single line leaves the breaks out and keeps the underline in its place
    Canvas broken(200, 40), joined(200, 40);
    broken.Draw(u"Sa\r\nv&e", RECT{0, 0, 200, 40}, gdi::DT_SINGLELINE, Font());
    joined.Draw(u"Sav&e", RECT{0, 0, 200, 40}, 0, Font());
    EXPECT_EQ(broken.pixels, joined.pixels);
    doubled.Draw(u"a&&b", RECT{0, 0, 200, 40}, 0, Font());
    literal.Draw(u"a&b", RECT{0, 0, 200, 40}, gdi::DT_NOPREFIX, Font());
    EXPECT_EQ(doubled.pixels, literal.pixels);
}

TEST(QtTextRenderer, TheBaseDirectionOrdersMixedText) {
    const std::u16string mixed = u"abc \u05d0\u05d1\u05d2";
    Canvas ltr(300, 40), rtl(300, 40), alone(300, 40);
    const int abc = Measure(alone, u"abc", 300).right;
    const int whole = Measure(alone, mixed, 300).right;
    alone.Draw(u"abc", RECT{0, 0, 300, 40}, 0, Font());
    ltr.Draw(mixed, RECT{0, 0, 300, 40}, 0, Font());
    rtl.Draw(mixed, RECT{0, 0, 300, 40}, 0, Font(), u"DejaVu Sans", 0, TextRenderer::Direction::RightToLeft);
    // left to right: the Latin word first; right to left: the Latin word last
    EXPECT_TRUE(ltr.SameColumns(0, alone, 0, abc - 1));
    EXPECT_TRUE(rtl.SameColumns(whole - abc + 1, alone, 1, abc - 1));
    EXPECT_FALSE(ltr.SameColumns(0, rtl, 0, whole));
    EXPECT_GT(rtl.Ink().right, abc);  // the Hebrew has glyphs
}

TEST(QtTextRenderer, DrawingIsClippedToTheBitmapNotTheRectangle) {
    Canvas c(200, 40);
    c.Draw(u"Wider than its rectangle", RECT{0, 0, 20, 10}, gdi::DT_LEFT, Font());
    EXPECT_GT(c.Ink().right, 60);
    EXPECT_GT(c.Ink().bottom, 10);
    // far outside, and across the edges: nothing breaks
    Canvas edge(50, 20);
    edge.Draw(u"edge", RECT{-10, -8, 40, 20}, 0, Font());
    edge.Draw(u"far", RECT{2147483000, 2147483000, 2147483600, 2147483600}, gdi::DT_CENTER, Font());
    edge.Draw(u"far", RECT{-2147483600, -2147483600, -2147483000, -2147483000}, gdi::DT_RIGHT, Font());
    RECT huge{0, 0, 2147483647, 2147483647};
    edge.DrawInto(u"wrap me", huge, gdi::DT_WORDBREAK | gdi::DT_CALCRECT, Font());
    EXPECT_GT(huge.right, 0);
    EXPECT_GT(edge.InkCount(), 0);
}

TEST(QtTextRenderer, OnlyCoveredPixelsChangeAndTheirFourthByteIsZero) {
    constexpr std::uint32_t kMarked = 0xAB406080;  // a fourth byte the text must not keep
    Canvas c(200, 50, kMarked);
    c.Draw(u"Marked \u0e20\u0e32\u0e29\u0e32", RECT{5, 5, 195, 45}, 0, Font(), u"DejaVu Sans", 0x00FFFFFF);
    int changed = 0;
    for (std::uint32_t p : c.pixels) {
        if (p == kMarked) continue;
        ++changed;
        EXPECT_EQ(p >> 24, 0u);
    }
    EXPECT_GT(changed, 50);
}

TEST(QtTextRenderer, TheColoursDrawnDoNotDependOnTheFourthByteBeneath) {
    // Beneath the text every fourth byte 0 (the surface's colours), or one
    // pixel with another: the same colours come out, and only that pixel
    // keeps its byte where the text leaves it alone.
    constexpr std::uint32_t kGround = 0x00406080;
    Canvas plain(200, 50, kGround), marked(200, 50, kGround);
    marked.pixels[0] = 0xAB406080;
    for (Canvas* c : {&plain, &marked})
        c->Draw(u"Fourth \u0e20\u0e32\u0e29\u0e32", RECT{5, 5, 195, 45}, 0, Font(), u"DejaVu Sans", 0x00FFFFFF);
    EXPECT_EQ(marked.pixels[0], 0xAB406080u);
    marked.pixels[0] = kGround;
    EXPECT_EQ(plain.pixels, marked.pixels);
    EXPECT_GT(plain.InkCount(), 50);
    for (std::uint32_t p : plain.pixels) EXPECT_EQ(p >> 24, 0u);
}

TEST(QtTextRenderer, OneRendererDrawsIntoBitmapAfterBitmap) {
    // one renderer, bitmaps of two sizes in turn, against a renderer each
    const auto shared = std::make_shared<host::QtTextRenderer>();
    Canvas a(120, 32), b(400, 120), aloneA(120, 32), aloneB(400, 120);
    a.renderer = shared;
    b.renderer = shared;
    for (int round = 0; round < 2; ++round) {
        for (Canvas* c : {&a, &b, &aloneA, &aloneB})
            c->Draw(round == 0 ? u"First" : u"Second", RECT{2, 2 + 10 * round, 118, 30}, 0, Font());
    }
    EXPECT_EQ(a.pixels, aloneA.pixels);
    EXPECT_EQ(b.pixels, aloneB.pixels);
    // a bitmap freed and another made in its place
    std::vector<std::uint32_t> expected;
    {
        Canvas first(64, 20);
        first.renderer = shared;
        first.Draw(u"Again", RECT{0, 0, 64, 20}, 0, Font());
        expected = first.pixels;
    }
    Canvas second(64, 20);
    second.renderer = shared;
    second.Draw(u"Again", RECT{0, 0, 64, 20}, 0, Font());
    EXPECT_EQ(second.pixels, expected);
}

TEST(QtTextRenderer, OpaqueModeFillsTheLinesBackground) {
    Canvas c(200, 40);
    const RECT m = Measure(c, u"Filled", 200);
    c.Draw(u"Filled", RECT{10, 5, 200, 40}, 0, Font(), u"DejaVu Sans", 0x00000000, TextRenderer::Direction::LeftToRight,
           gdi::OPAQUE, 0x0000FF00);
    EXPECT_EQ(c.At(10, 5), gdi::PixelFromColor(0x0000FF00));  // the corner of the line's box
    EXPECT_EQ(c.At(10 + m.right - 1, 5 + m.bottom - 1), gdi::PixelFromColor(0x0000FF00));
    EXPECT_EQ(c.At(9, 5), kWhite);
    EXPECT_EQ(c.At(10 + m.right, 5), kWhite);
    EXPECT_EQ(c.At(10, 5 + m.bottom), kWhite);
}

TEST(QtTextRenderer, GreyAntialiasingWithoutColourFringes) {
    Canvas c(300, 40);
    c.Draw(u"Crisp grey text, no fringes", RECT{0, 0, 300, 40}, 0, Font(-13));
    int grey = 0;
    for (std::uint32_t p : c.pixels) {
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        EXPECT_TRUE(r == g && g == b) << std::hex << p;
        grey += (r > 0 && r < 255);
    }
    EXPECT_GT(grey, 0);
}

TEST(QtTextRenderer, TheSameTextIsLaidOutOnce) {
    Canvas c(200, 40);
    const std::uint64_t before = c.renderer->layoutCount();
    RECT r{0, 0, 200, 0};
    c.DrawInto(u"&Cached caption", r, gdi::DT_CENTER | gdi::DT_WORDBREAK | gdi::DT_CALCRECT, Font());
    c.Draw(u"&Cached caption", RECT{0, 0, 200, 40}, gdi::DT_CENTER | gdi::DT_WORDBREAK, Font());
    c.Draw(u"&Cached caption", RECT{0, 5, 200, 40}, gdi::DT_CENTER | gdi::DT_WORDBREAK, Font());
    EXPECT_EQ(c.renderer->layoutCount(), before + 1);
    c.Draw(u"&Cached caption", RECT{1, 5, 200, 40}, gdi::DT_CENTER | gdi::DT_WORDBREAK, Font());  // another width
    EXPECT_EQ(c.renderer->layoutCount(), before + 2);
    c.Draw(u"&Cached caption", RECT{0, 0, 50, 40}, gdi::DT_LEFT, Font());  // no wrapping: the width does not count
    c.Draw(u"&Cached caption", RECT{0, 0, 90, 40}, gdi::DT_RIGHT, Font());
    EXPECT_EQ(c.renderer->layoutCount(), before + 3);
    c.Draw(u"&Cached caption", RECT{0, 0, 90, 40}, gdi::DT_RIGHT, Font(-17));  // another font
    EXPECT_EQ(c.renderer->layoutCount(), before + 4);
}

TEST(QtTextRenderer, TheLogFontChoosesTheFont) {
    Canvas c(400, 100);
    // a classic name that is not installed still draws, with the desktop's sans-serif
    RECT r{0, 0, 400, 100};
    c.Draw(u"MS Sans Serif", r, 0, Font(-11), u"MS Sans Serif");
    EXPECT_GT(c.InkCount(), 30);
    // the character height, and the cell height
    const RECT small = Measure(c, u"Ag", 400, 0, Font(-10));
    const RECT large = Measure(c, u"Ag", 400, 0, Font(-20));
    EXPECT_GT(large.bottom, small.bottom + 8);
    EXPECT_NEAR(Measure(c, u"Ag", 400, 0, Font(30)).bottom, 30, 1);
    // weight: bold covers more
    Canvas regular(400, 40), bold(400, 40);
    regular.Draw(u"Weight", RECT{0, 0, 400, 40}, 0, Font(-16, 400));
    bold.Draw(u"Weight", RECT{0, 0, 400, 40}, 0, Font(-16, 700));
    EXPECT_GT(bold.InkCount(), regular.InkCount());
    // the ANSI face name when the font has no name of its own
    gdi::LOGFONT mono = Font(-16);
    std::strcpy(mono.lfFaceName, "DejaVu Sans Mono");
    RECT m1{0, 0, 400, 0}, m2{0, 0, 400, 0};
    c.DrawInto(u"iiii", m1, gdi::DT_CALCRECT, mono, u"");
    c.DrawInto(u"WWWW", m2, gdi::DT_CALCRECT, mono, u"");
    EXPECT_EQ(m1.right, m2.right);  // a monospace face
    EXPECT_LT(Measure(c, u"iiii", 400, 0, mono).right, Measure(c, u"WWWW", 400, 0, mono).right);  // the font's own name wins
    // underline and strike-out add their lines
    Canvas plain(200, 40), lined(200, 40);
    gdi::LOGFONT underline = Font();
    underline.lfUnderline = 1;
    underline.lfStrikeOut = 1;
    plain.Draw(u"Lines", RECT{0, 0, 200, 40}, 0, Font());
    lined.Draw(u"Lines", RECT{0, 0, 200, 40}, 0, underline);
    EXPECT_GT(lined.InkCount(), plain.InkCount() + 20);
}

// ---- real captions on a button --------------------------------------------------------

class QtCaptions : public ::testing::Test {
protected:
    QtCaptions() { form.platform().SetTextRenderer(&renderer); }
    ~QtCaptions() override {
        while (!form.sites().empty()) form.RemoveControl(*form.sites().back());
    }

    // A flat 3d button with `caption`, its window as an image.
    Control& Button(std::u16string caption, bool rightToLeft = false) {
        Control& b = form.AddButton(u"Zorvane1", RECT{0, 0, 160, 40});
        SetProperty(b, u"Appearance", Variant(ecAppearance::ThreeD));
        SetProperty(b, u"RightToLeft", Variant::Boolean(rightToLeft));
        SetProperty(b, u"Caption", Variant(std::move(caption)));
        return b;
    }
    // Pixels much darker than the face: the caption's glyphs.
    RECT Glyphs(int* count) {
        const gdi::PixelView view = form.sites().back()->pixels();
        RECT r{view.width, view.height, -1, -1};
        *count = 0;
        // inside the 3d border
        for (int y = 3; y < view.height - 3; ++y)
            for (int x = 3; x < view.width - 3; ++x) {
                const std::uint32_t p = view.pixels[static_cast<std::size_t>(y) * view.width + x];
                const int sum = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
                if (sum > 300) continue;
                ++*count;
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
        return r;
    }

    host::QtTextRenderer renderer;
    headless::HeadlessForm form;
};

struct ScriptCase {
    const char* name;
    std::u16string caption;
    bool rightToLeft;
    int glyphPixels;  // at least
};
void PrintTo(const ScriptCase& c, std::ostream* out) { *out << c.name; }

class ScriptCaption : public QtCaptions, public ::testing::WithParamInterface<ScriptCase> {};

// Thai and Hebrew: shaped glyphs, centred in the caption rectangle, one line high.
TEST_P(ScriptCaption, PutsGlyphsInTheCaptionRectangle) {
    Button(GetParam().caption, GetParam().rightToLeft);
    int count = 0;
    const RECT glyphs = Glyphs(&count);
    EXPECT_GT(count, GetParam().glyphPixels);
    EXPECT_GT(glyphs.left, 20);
    EXPECT_LT(glyphs.right, 140);
    EXPECT_GT(glyphs.top, 5);
    EXPECT_LT(glyphs.bottom, 36);
    EXPECT_NEAR((glyphs.left + glyphs.right) / 2, 80, 6);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptCaption,
    ::testing::Values(ScriptCase{"Thai", u"\u0e20\u0e32\u0e29\u0e32\u0e44\u0e17\u0e22", false, 40},
                      ScriptCase{"Hebrew", u"\u05e2\u05d1\u05e8\u05d9\u05ea", true, 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtCaptions, RussianAndGreekCaptionsDraw) {
    for (std::u16string caption : {std::u16string(u"\u0420\u0443\u0441\u0441\u043a\u0438\u0439"),
                                   std::u16string(u"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac")}) {
        Button(caption);
        int count = 0;
        Glyphs(&count);
        EXPECT_GT(count, 30);
        form.RemoveControl(*form.sites().back());
    }
}

TEST_F(QtCaptions, ARepaintDoesNotLayTheCaptionOutAgain) {
    Control& b = Button(u"Middle &centre, wrapped if it must");
    b.Paint();
    const std::uint64_t laidOut = renderer.layoutCount();
    for (int i = 0; i < 5; ++i) b.Paint();
    EXPECT_EQ(renderer.layoutCount(), laidOut);
}

// Without the Unicode flag the core draws the Windows-1252 text: what the
// code page has not becomes "?".
TEST_F(QtCaptions, TheAnsiPathDrawsTheCodePagesText) {
    form.platform().SetUnicodeSystem(false);
    Button(u"\u20ac \u2713 ok");
    const gdi::PixelView ansi = form.sites().back()->pixels();
    const std::vector<std::uint32_t> ansiPixels(ansi.pixels.begin(), ansi.pixels.end());
    form.RemoveControl(*form.sites().back());
    form.platform().SetUnicodeSystem(true);
    Button(u"\u20ac ? ok");
    const gdi::PixelView unicode = form.sites().back()->pixels();
    EXPECT_EQ(ansiPixels, std::vector<std::uint32_t>(unicode.pixels.begin(), unicode.pixels.end()));
}

}  // namespace
}  // namespace vemmix::hosttest
