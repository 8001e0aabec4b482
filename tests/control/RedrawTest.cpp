// The repaint: what reaches the window, which face and border are drawn,
// the Shaped window settings, and that no drawing object survives.
#include <gtest/gtest.h>

#include <cmath>

#include "CoreTestSupport.h"
#include "render/FaceRenderer.h"
#include "render/Primitives.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

using coretest::MakePlain;
using coretest::Repaints;
using coretest::WindowColors;
using headless::HeadlessForm;
using headless::HeadlessSite;

enum class Face { Up, Down };

// The image a plain button (no caption, picture or focus rectangle) must
// show: the background, then the face drawn by the renderer itself, and in
// DropDown Mode the zone's black arrow on top of it.
std::vector<gdi::COLORREF> ExpectedImage(const Zorvane& b, HeadlessSite& site, Face face,
                                         VBool drawBorder) {
    const int w = b.Width(), h = b.Height();
    gdi::HDC dc = gdi::CreateCompatibleDC(gdi::HDC{});
    gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(gdi::HDC{}, w, h);
    gdi::HBITMAP old = gdi::SelectObject(dc, bitmap);
    Painter painter(dc);
    const gdi::COLORREF transparent = b.Colors().m_TransparentRGB;
    painter.DrawRectangle(0, 0, w, h, 1, transparent, transparent, 0);
    if (b.Appearance() != ecAppearance::Shaped) {
        FaceState state;
        state.width = w;
        state.height = h;
        state.appearance = b.Appearance();
        state.appearanceMode = b.AppearanceMode();
        state.toggleValue = b.ToggleValue();
        state.borderWidth = b.BorderWidth();
        state.dropDownWidth = b.DropDownWidth();
        state.depth = b.Depth();
        state.enabled = b.Enabled() != 0;
        state.pressed = b.State().m_Pressed;
        state.mouseOver = b.State().m_MouseOver;
        state.hasFocus = b.State().m_HasFocus;
        state.inDropDown = b.State().m_InDropDown;
        state.displayAsDefault = site.displayAsDefault.value_or(false);
        state.themeIndex = b.ThemeIndex();
        state.gradientType = b.GradientType();
        ColorCache colours = b.Colors();
        std::vector<gdi::COLORREF> ramp = b.ColorRampEntries();
        FaceTarget target{painter, colours, ramp};
        if (face == Face::Down)
            DrawFaceDown(state, target, drawBorder);
        else
            DrawFaceUp(state, target, drawBorder);
    }
    std::vector<gdi::COLORREF> colours;
    for (std::uint32_t p : gdi::GetBitmapPixels(bitmap).pixels)
        colours.push_back(gdi::ColorFromPixel(p) & 0x00FFFFFFu);
    gdi::SelectObject(dc, old);
    gdi::DeleteObject(bitmap);
    gdi::DeleteDC(dc);
    if (b.AppearanceMode() == ecAppearanceMode::DropDown) {
        // rows of 7, 5, 3 and 1 pixels centred in the zone, the top row
        // two pixels above the middle
        const double zone = b.DropDownWidth();
        const int left = static_cast<int>(std::nearbyint(w - zone + zone / 2 - 3.5));
        const int top = static_cast<int>(std::nearbyint(h / 2.0 - 2));
        for (int row = 0; row < 4; ++row)
            for (int x = left + row; x < left + 7 - row; ++x)
                if (x >= 0 && x < w && top + row >= 0 && top + row < h)
                    colours[static_cast<std::size_t>((top + row) * w + x)] = 0x00000000;
    }
    return colours;
}

class RedrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = &AddButton(form);
        site = form.Find(u"Zorvane1");
        site->displayAsDefault = false;
        MakePlain(*button);
        form.ClearLog();
    }
    HeadlessForm form;
    Zorvane* button = nullptr;
    HeadlessSite* site = nullptr;
};

TEST_F(RedrawTest, OneRepaintCopiesBackgroundAndFace) {
    button->Refresh();
    EXPECT_EQ(Repaints(form), 1);
    EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, kTrue));
}

TEST_F(RedrawTest, EveryAppearanceComposesTheRendererOutput) {
    for (std::int32_t appearance = 0; appearance <= 10; ++appearance) {
        SCOPED_TRACE(appearance);
        button->SetAppearance(appearance);
        button->SetCaption(u"");
        button->SetShowFocus(kFalse);
        button->SetBorderDrawEvent(ecEvents::Always);
        button->Refresh();
        EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, kTrue));
    }
}

// The border is drawn by the event table; a value outside it draws none.
TEST_F(RedrawTest, BorderDrawEventWithoutStateFlags) {
    const struct {
        std::int32_t events;
        VBool drawBorder;
    } rows[] = {
        {0, kTrue}, {1, kFalse}, {2, kFalse}, {3, kFalse}, {4, kFalse}, {5, kFalse}, {6, kFalse},
        {7, kFalse}, {-1, kFalse}, {1000, kFalse},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.events);
        button->SetBorderDrawEvent(row.events);
        EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, row.drawBorder));
    }
}

TEST_F(RedrawTest, BorderOnFocusFollowsTheFocus) {
    button->SetBorderDrawEvent(ecEvents::OnFocus);
    form.SetFocus(site);
    ASSERT_EQ(button->State().m_HasFocus, kTrue);
    button->Refresh();
    EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, kTrue));
    for (std::int32_t events : {5, 6}) {
        button->SetBorderDrawEvent(events);
        EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, kTrue)) << events;
    }
    form.SetFocus(nullptr);
    button->SetBorderDrawEvent(ecEvents::OnFocus);
    EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, kFalse));
}

TEST_F(RedrawTest, PressedDrawsTheDownFaceInEveryMode) {
    for (std::int32_t mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        button->SetAppearanceMode(mode);
        button->SetBorderDrawEvent(ecEvents::OnClick);
        // a right-button press sets m_Pressed without repainting
        button->MouseDown(2, 0, 5, 5);
        ASSERT_EQ(button->State().m_Pressed, kTrue);
        button->Refresh();
        EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Down, kTrue));
        button->MouseUp(2, 0, 5, 5);
        EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, kFalse));
    }
}

TEST_F(RedrawTest, ToggleValueDrawsTheDownFaceOnlyInToggleMode) {
    button->SetAppearanceMode(ecAppearanceMode::Toggle);
    button->SetToggleValue(kTrue);
    ASSERT_EQ(button->ToggleValue(), kTrue);
    EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Down, kTrue));

    button->SetAppearanceMode(ecAppearanceMode::Standard);
    button->SetToggleValue(kTrue);
    EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, kTrue));
}

// ---- nothing drawn, nothing created -------------------------------------------

TEST_F(RedrawTest, HiddenButtonDrawsNothingAndCreatesNothing) {
    button->Hide();
    const std::size_t live = gdi::LiveObjectCount();
    const auto before = WindowColors(*site);
    button->SetBackColor(0x000000FF);
    button->Refresh();
    button->Paint();
    EXPECT_EQ(Repaints(form), 0);
    EXPECT_EQ(gdi::LiveObjectCount(), live);
    EXPECT_EQ(WindowColors(*site), before);

    // Show repaints with the value set while hidden.
    button->Show();
    EXPECT_EQ(Repaints(form), 1);
    EXPECT_EQ(WindowColors(*site), ExpectedImage(*button, *site, Face::Up, kTrue));
}

TEST(RedrawSize, ZeroWidthOrHeightDrawsNothingAndCreatesNothing) {
    for (gdi::RECT bounds : {gdi::RECT{0, 0, 0, 30}, gdi::RECT{0, 0, 100, 0}}) {
        HeadlessForm form;
        Zorvane& b = AddButton(form, u"Zorvane1", bounds);
        form.ClearLog();
        const std::size_t live = gdi::LiveObjectCount();
        b.Refresh();
        b.Paint();
        b.SetCaption(u"x");
        EXPECT_EQ(Repaints(form), 0);
        EXPECT_EQ(gdi::LiveObjectCount(), live);
    }
}

TEST(RedrawSize, ResizeToZeroThenBackDrawsAgain) {
    HeadlessForm form;
    AddButton(form);
    HeadlessSite& site = *form.Find(u"Zorvane1");
    form.ClearLog();
    site.SetBounds({0, 0, 0, 30});
    EXPECT_EQ(Repaints(form), 0);
    site.SetBounds({0, 0, 50, 20});
    EXPECT_EQ(Repaints(form), 1);
}

TEST_F(RedrawTest, NoDrawingObjectSurvivesARepaint) {
    button->SetCaption(u"&Caption");
    button->SetShowFocus(kTrue);
    for (std::int32_t appearance = 0; appearance <= 9; ++appearance) {
        if (appearance == ecAppearance::Shaped) continue;  // keeps its mask picture
        for (std::int32_t mode : {0, 1, 2}) {
            SCOPED_TRACE(std::to_string(appearance) + "/" + std::to_string(mode));
            button->SetAppearance(appearance);
            button->SetAppearanceMode(mode);
            const std::size_t live = gdi::LiveObjectCount();
            button->Refresh();
            button->MouseDown(1, 0, 95, 5);
            button->MouseUp(1, 0, 95, 5);
            EXPECT_EQ(gdi::LiveObjectCount(), live);
        }
    }
}

TEST_F(RedrawTest, TheRepaintAttachesTheTextRendererToItsMemoryContext) {
    struct CountingRenderer final : TextRenderer {
        int calls = 0;
        int DrawText(const Target&, const Font&, std::u16string_view, gdi::RECT& rect,
                     unsigned) override {
            ++calls;
            rect.right = rect.left + 10;
            rect.bottom = rect.top + 10;
            return 10;
        }
    } renderer;
    form.platform().SetTextRenderer(&renderer);
    button->SetCaption(u"Text");
    EXPECT_GT(renderer.calls, 0);
    form.platform().SetTextRenderer(nullptr);
}

// A container whose screens differ answers the resolution per control: the
// caption's font is made at the resolution of the control's own screen.
TEST(RedrawResolution, TheCaptionFontFollowsTheResolutionOfTheControlsScreen) {
    struct HeightRenderer final : TextRenderer {
        int lastHeight = 0;
        int DrawText(const Target&, const Font& font, std::u16string_view, gdi::RECT& rect,
                     unsigned) override {
            lastHeight = font.logFont.lfHeight;
            rect.bottom = rect.top + 1;
            return 1;
        }
    } renderer;
    HeadlessForm form;
    form.platform().SetTextRenderer(&renderer);
    coretest::ScriptedSite site(form.platform());
    site.SetSize(60, 20);
    Zorvane b(site);
    b.Initialize();
    b.SetFont(MakeFont(FontDescription{u"Tahoma", 12}));
    b.SetCaption(u"OK");
    b.Show();
    EXPECT_EQ(renderer.lastHeight, -16);  // 12 points at the platform's 96 dots per inch
    site.dpiX = site.dpiY = 192;
    b.Refresh();
    EXPECT_EQ(renderer.lastHeight, -32);
    form.platform().SetTextRenderer(nullptr);
}

// ---- Shaped ----------------------------------------------------------------------

TEST_F(RedrawTest, ShapedSetsTheWindowUpAndRefreshesTheMaskAtEveryRepaint) {
    button->SetAppearance(ecAppearance::Shaped);
    button->SetCaption(u"");
    button->SetTransparentColor(0x00336699);
    EXPECT_TRUE(site->autoRedraw());
    EXPECT_EQ(site->backStyle(), 0);
    // the mask colour is taken at ApplyShapeMode, from the transparent colour then
    const gdi::COLORREF maskAtSwitch = site->maskColor();

    for (int i = 0; i < 3; ++i) {
        site->SetMaskPicture(nullptr);
        button->Refresh();
        ASSERT_NE(site->maskPicture(), nullptr);
        EXPECT_EQ(site->maskPicture()->type, PictureType::Bitmap);
    }
    // A later TransparentColor reaches the mask colour only at the next ApplyShapeMode.
    EXPECT_EQ(site->maskColor(), maskAtSwitch);
    button->SetAppearance(ecAppearance::Shaped);
    EXPECT_EQ(site->maskColor(), button->Colors().m_TransparentRGB);
}

TEST_F(RedrawTest, ShapedDrawsNoFaceWhateverTheBorderEvent) {
    button->SetAppearance(ecAppearance::Shaped);
    button->SetCaption(u"");
    button->SetShowFocus(kFalse);
    button->SetTransparentColor(0x00336699);
    for (std::int32_t events = 0; events <= 7; ++events) {
        button->SetBorderDrawEvent(events);
        for (gdi::COLORREF c : WindowColors(*site)) ASSERT_EQ(c, 0x00336699u) << events;
        // nothing differs from the mask colour: nothing of the window shows
        site->SetMaskColor(button->Colors().m_TransparentRGB);
        for (bool visible : site->shape()) ASSERT_FALSE(visible);
    }
}

TEST_F(RedrawTest, ShapedKeepsOneMaskPictureAndNoOtherObject) {
    button->SetAppearance(ecAppearance::Shaped);
    button->Refresh();
    const std::size_t live = gdi::LiveObjectCount();
    for (int i = 0; i < 5; ++i) button->Refresh();
    EXPECT_EQ(gdi::LiveObjectCount(), live);
}

TEST_F(RedrawTest, LeavingShapedRestoresAnOpaqueWindow) {
    button->SetAppearance(ecAppearance::Shaped);
    button->SetAppearance(ecAppearance::ThreeD);
    EXPECT_EQ(site->backStyle(), 1);
    EXPECT_FALSE(site->autoRedraw());
    site->SetMaskPicture(nullptr);
    button->Refresh();
    EXPECT_EQ(site->maskPicture(), nullptr);  // no longer recomputed
    for (bool visible : site->shape()) ASSERT_TRUE(visible);
}

}  // namespace
}  // namespace vemmix
