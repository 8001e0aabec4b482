// Text forwarding to the attached renderer, and icon drawing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "SurfaceCanvas.h"
#include <vemmix/Icon.h>
#include <vemmix/TextRenderer.h>

namespace vemmix::gdi::test {
namespace {

// Records what it is asked to draw and paints one pixel in the text colour.
class RecordingRenderer : public TextRenderer {
public:
    int DrawText(const Target& target, const Font& font, std::u16string_view text, RECT& rect,
                 unsigned format) override {
        m_Text = std::u16string(text);
        m_Face = font.logFont.lfFaceName;
        m_Format = format;
        m_Mode = target.backgroundMode;
        if (format & DT_CALCRECT) {
            rect.right = rect.left + static_cast<int>(text.size());
            rect.bottom = rect.top + 1;
        } else if (target.pixels.width > 0) {
            target.pixels.pixels[0] = PixelFromColor(target.textColor);
        }
        return 7;
    }
    std::u16string m_Text;
    std::string m_Face;
    unsigned m_Format = 0;
    int m_Mode = 0;
};

TEST(SurfaceText, DrawTextWForwardsFontColoursAndFlags) {
    Canvas c(2, 2);
    RecordingRenderer renderer;
    LOGFONT lf;
    std::strcpy(lf.lfFaceName, "Tahoma");
    lf.lfHeight = -11;
    HFONT font = CreateFontIndirect(lf);
    HFONT old = SelectObject(c.Dc(), font);
    EXPECT_EQ(DrawTextW(c.Dc(), u"Hi", -1, nullptr, 0), 0);  // no rectangle
    RECT r{0, 0, 2, 2};
    EXPECT_EQ(DrawTextW(c.Dc(), u"Hi", -1, &r, DT_CENTER), 0);  // no renderer yet
    SetTextRenderer(c.Dc(), &renderer);
    SetTextColor(c.Dc(), kRed);
    SetBkMode(c.Dc(), TRANSPARENT);
    EXPECT_EQ(DrawTextW(c.Dc(), u"Hi there", 2, &r, DT_CENTER | DT_SINGLELINE), 7);
    EXPECT_EQ(renderer.m_Text, u"Hi");
    EXPECT_EQ(renderer.m_Face, "Tahoma");
    EXPECT_EQ(renderer.m_Format, DT_CENTER | DT_SINGLELINE);
    EXPECT_EQ(renderer.m_Mode, TRANSPARENT);
    EXPECT_EQ(GetPixel(c.Dc(), 0, 0), kRed);
    RECT measure{1, 1, 1, 1};
    DrawTextW(c.Dc(), u"abc", -1, &measure, DT_CALCRECT);
    EXPECT_EQ(measure.right, 4);
    LOGFONT back;
    ASSERT_TRUE(GetFontInfo(GetCurrentFont(c.Dc()), &back));
    EXPECT_EQ(back.lfHeight, -11);
    SelectObject(c.Dc(), old);
    EXPECT_TRUE(DeleteObject(font));
}

TEST(SurfaceText, DrawTextAConvertsWindows1252) {
    Canvas c(1, 1);
    RecordingRenderer renderer;
    SetTextRenderer(c.Dc(), &renderer);
    RECT r{0, 0, 1, 1};
    DrawTextA(c.Dc(), "\x80 \xE9\x85\x81", -1, &r, 0);
    EXPECT_EQ(renderer.m_Text, std::u16string(u"\u20AC \u00E9\u2026\u0081"));
}

TEST(SurfaceIcon, AlphaIconBlendsOverTheDestination) {
    Canvas c(3, 1, kBlue);
    Icon icon;
    icon.width = 3;
    icon.height = 1;
    icon.hasAlpha = true;
    icon.pixels = {0xFFFF0000u, 0x80FF0000u, 0x00FF0000u};  // red at full, half, no alpha
    EXPECT_TRUE(DrawIconEx(c.Dc(), 0, 0, icon, 3, 1, 0, HBRUSH{}, DI_NORMAL));
    EXPECT_EQ(GetPixel(c.Dc(), 0, 0), kRed);
    // (255 * 128 + 0 * 127 + 127) / 255 = 128; blue 255 * 127 / 255 = 127.
    EXPECT_EQ(GetPixel(c.Dc(), 1, 0), 0x007F0080u);
    EXPECT_EQ(GetPixel(c.Dc(), 2, 0), kBlue);
}

TEST(SurfaceIcon, ClassicIconAppliesAndMaskThenXorImage) {
    Canvas c(4, 1, 0x00F0F0F0);
    Icon icon;
    icon.width = 2;
    icon.height = 1;
    icon.pixels = {0x000000FFu, 0x000F0F0Fu};
    icon.andMask = {0, 1};  // replace, then keep and exclusive-or
    // Scaled to 4 x 1: each icon pixel covers two columns.
    EXPECT_TRUE(DrawIconEx(c.Dc(), 0, 0, icon, 4, 1, 0, HBRUSH{}, DI_NORMAL));
    EXPECT_EQ(GetPixel(c.Dc(), 0, 0), 0x00FF0000u);
    EXPECT_EQ(GetPixel(c.Dc(), 1, 0), 0x00FF0000u);
    EXPECT_EQ(GetPixel(c.Dc(), 2, 0), 0x00FFFFFFu);
    EXPECT_EQ(GetPixel(c.Dc(), 3, 0), 0x00FFFFFFu);
}

}  // namespace
}  // namespace vemmix::gdi::test
