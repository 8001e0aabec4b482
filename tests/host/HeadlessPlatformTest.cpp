// The platform's answers: system colours, visual style buffers, resolution,
// text renderer, and the recorded tooltip requests.
#include <gmock/gmock.h>

#include "tests/host/RecordingForm.h"
#include "themes/ThemeDetection.h"

namespace vemmix::test {
namespace {

using ::testing::ElementsAre;

class HeadlessPlatformTest : public RecordingFormTest {};

TEST_F(HeadlessPlatformTest, SystemColorsAreTheClassicTableWithOverrides) {
    const SystemColorTable& colors = form.platform().SystemColors();
    EXPECT_EQ(colors.SystemColor(15), ClassicSystemColors().SystemColor(15));
    EXPECT_EQ(colors.SystemColor(18), ClassicSystemColors().SystemColor(18));
    form.platform().SetSystemColor(15, 0x00112233);
    EXPECT_EQ(colors.SystemColor(15), std::optional<COLORREF>(0x00112233));
    EXPECT_EQ(TranslateColor(SystemColorRef(15), colors), 0x00112233u);
}

TEST_F(HeadlessPlatformTest, DefaultDesktopIsLunaBlue) {
    const auto style = form.platform().CurrentThemeName();
    ASSERT_TRUE(style);
    EXPECT_EQ(TrimAtNull(style->themeFile),
              std::optional<std::u16string>(u"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles"));
    EXPECT_EQ(TrimAtNull(style->colorName), std::optional<std::u16string>(u"NormalColor"));
    EXPECT_EQ(TrimAtNull(style->sizeName), std::optional<std::u16string>(u"NormalSize"));
}

TEST_F(HeadlessPlatformTest, VisualStyleNamesArriveAsFilledBuffers) {
    form.platform().SetVisualStyle(u"Royale.msstyles", u"HomeStead");
    const auto style = form.platform().CurrentThemeName();
    ASSERT_TRUE(style);
    ASSERT_EQ(style->colorName.size(), 256u);
    EXPECT_EQ(style->colorName.substr(0, 9), u"HomeStead");
    EXPECT_EQ(style->colorName[9], u'\0');
    EXPECT_EQ(style->colorName.substr(10), std::u16string(246, u' '));
    EXPECT_EQ(style->themeFile.size(), 256u);

    form.platform().SetVisualStyle(std::nullopt);
    EXPECT_FALSE(form.platform().CurrentThemeName());

    form.platform().SetVisualStyleBuffers(VisualStyleBuffers{u"no nul", u"", u""});
    EXPECT_EQ(form.platform().CurrentThemeName()->themeFile, u"no nul");
}

TEST_F(HeadlessPlatformTest, ResolutionAndUnicode) {
    EXPECT_EQ(form.platform().ScreenDpiX(), 96);
    EXPECT_EQ(form.platform().ScreenDpiY(), 96);
    EXPECT_TRUE(form.platform().IsUnicodeSystem());
    form.platform().SetScreenDpi(120, 144);
    EXPECT_EQ(form.platform().ScreenDpiY(), 144);
    // the one source of the resolution: every control's site answers it
    form.AddButton();
    EXPECT_EQ(form.Find(u"Zorvane1")->ScreenDpiX(), 120);
    EXPECT_EQ(form.Find(u"Zorvane1")->ScreenDpiY(), 144);
    form.platform().SetScreenDpi(96, 96);
    form.platform().SetUnicodeSystem(false);
    EXPECT_FALSE(form.platform().IsUnicodeSystem());
}

TEST_F(HeadlessPlatformTest, TextRendererCanBeReplaced) {
    class Fixed final : public TextRenderer {
    public:
        int DrawText(const Target&, const Font&, std::u16string_view, gdi::RECT&,
                     unsigned) override {
            return 42;
        }
    } fixed;
    TextRenderer& builtin = form.platform().Text();
    EXPECT_EQ(&form.platform().Text(), &builtin);
    form.platform().SetTextRenderer(&fixed);
    EXPECT_EQ(&form.platform().Text(), &fixed);
    form.platform().SetTextRenderer(nullptr);
    EXPECT_EQ(&form.platform().Text(), &builtin);
}

TEST_F(HeadlessPlatformTest, TooltipRequestsAreRecordedAndLogged) {
    auto& site = Add("Zorvane1", {5, 5, 45, 25});
    form.ClearLog();
    // the control reaches the facility through its site
    TooltipFacility& tips = site.GetPlatform().Tooltips();
    const std::int32_t tip = tips.CreateTooltip(true);
    EXPECT_TRUE(tips.AddTool(tip, site.WindowHandle(), {0, 0, 40, 20}, u"Saves the file"));
    EXPECT_TRUE(tips.SetTitle(tip, 2, u"Save"));
    EXPECT_TRUE(tips.SetBackColor(tip, 0x00E1FFFF));
    EXPECT_TRUE(tips.SetTextColor(tip, 0x00000080));
    tips.DestroyTooltip(tip);
    EXPECT_FALSE(tips.SetTitle(tip, 1, u"late"));
    const std::int32_t second = tips.CreateTooltip(false);
    EXPECT_NE(second, tip);

    EXPECT_THAT(form.LogLines(),
                ElementsAre("Zorvane1 tooltip create balloon", "Zorvane1 tooltip addtool \"Saves the file\"",
                            "Zorvane1 tooltip title 2 \"Save\"", "Zorvane1 tooltip backcolor 0x00E1FFFF",
                            "Zorvane1 tooltip textcolor 0x00000080", "Zorvane1 tooltip destroy",
                            "Zorvane1 tooltip create rectangular"));

    const headless::TooltipRecord* record = form.platform().FindTooltip(tip);
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->balloon);
    EXPECT_EQ(record->window, site.WindowHandle());
    EXPECT_EQ(record->area, (gdi::RECT{0, 0, 40, 20}));
    EXPECT_EQ(record->text, u"Saves the file");
    EXPECT_EQ(record->titleIcon, std::optional<std::int32_t>(2));
    EXPECT_EQ(record->title, u"Save");
    EXPECT_EQ(record->backColor, std::optional<gdi::COLORREF>(0x00E1FFFF));
    EXPECT_EQ(record->textColor, std::optional<gdi::COLORREF>(0x00000080));
    EXPECT_FALSE(record->alive);
    EXPECT_EQ(form.platform().TooltipRecords().size(), 2u);
}

}  // namespace
}  // namespace vemmix::test
