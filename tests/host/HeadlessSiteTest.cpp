// The site of a control: ambients and their failure mode, extender,
// window-held values and their errors, the window's image, the log.
#include <gmock/gmock.h>

#include <vemmix/StdObjects.h>
#include "tests/host/RecordingForm.h"
#include "tests/support/PixelAssert.h"

namespace vemmix::test {
namespace {

using ::testing::ElementsAre;

class HeadlessSiteTest : public RecordingFormTest {
protected:
    void SetUp() override { site = &Add("Zorvane1", {10, 20, 14, 23}); }
    headless::HeadlessSite* site = nullptr;
};

TEST_F(HeadlessSiteTest, AmbientsComeFromTheForm) {
    form.ambientBackColor = 0x00123456;
    form.ambientUserMode = false;
    ASSERT_TRUE(form.ambientFont);
    EXPECT_EQ(form.ambientFont->Name(), u"MS Sans Serif");
    EXPECT_EQ(site->AmbientBackColor(), std::optional<OleColor>(0x00123456));
    EXPECT_EQ(site->AmbientFont(), std::optional<FontRef>(form.ambientFont));
    EXPECT_EQ(site->AmbientUserMode(), std::optional<bool>(false));
    EXPECT_EQ(site->AmbientDisplayAsDefault(), std::optional<bool>(false));
    EXPECT_EQ(site->AmbientDisplayName(), std::optional<std::u16string>(u"Zorvane1"));
    site->displayName = u"Other";
    site->displayAsDefault = true;
    EXPECT_EQ(site->AmbientDisplayName(), std::optional<std::u16string>(u"Other"));
    EXPECT_EQ(site->AmbientDisplayAsDefault(), std::optional<bool>(true));
}

TEST_F(HeadlessSiteTest, ContainerWithoutAmbientsAnswersNothing) {
    form.offerAmbients = false;
    EXPECT_FALSE(site->AmbientBackColor());
    EXPECT_FALSE(site->AmbientDisplayName());
    EXPECT_FALSE(site->AmbientFont());
    EXPECT_FALSE(site->AmbientUserMode());
    EXPECT_FALSE(site->AmbientDisplayAsDefault());
}

TEST_F(HeadlessSiteTest, ExtenderToolTipTextOrNoExtender) {
    EXPECT_EQ(site->ExtenderToolTipText(), std::optional<std::u16string>(u""));
    EXPECT_TRUE(site->SetExtenderToolTipText(u"Save"));
    EXPECT_EQ(site->extenderToolTipText, std::optional<std::u16string>(u"Save"));
    site->extenderToolTipText.reset();
    EXPECT_FALSE(site->ExtenderToolTipText());
    EXPECT_FALSE(site->SetExtenderToolTipText(u"x"));
    EXPECT_FALSE(site->extenderToolTipText);
}

TEST_F(HeadlessSiteTest, FailingWindowKeepsItsValues) {
    site->windowError = 5;
    EXPECT_EQ(site->SetEnabled(false), 5);
    EXPECT_EQ(site->SetMousePointer(11), 5);
    EXPECT_EQ(site->SetRightToLeft(true), 5);
    EXPECT_EQ(site->SetOLEDropMode(1), 5);
    EXPECT_EQ(site->SetMouseIcon(MakeEmptyPicture()), 5);
    EXPECT_TRUE(site->Enabled());
    EXPECT_EQ(site->MousePointer(), 0);
    EXPECT_FALSE(site->RightToLeft());
    EXPECT_EQ(site->OLEDropMode(), 0);
    EXPECT_FALSE(site->MouseIcon());

    site->windowError = 0;
    EXPECT_EQ(site->SetEnabled(false), 0);
    EXPECT_EQ(site->SetMousePointer(11), 0);
    EXPECT_EQ(site->SetRightToLeft(true), 0);
    EXPECT_EQ(site->SetOLEDropMode(1), 0);
    EXPECT_FALSE(site->Enabled());
    EXPECT_EQ(site->MousePointer(), 11);
    EXPECT_TRUE(site->RightToLeft());
    EXPECT_EQ(site->OLEDropMode(), 1);
}

TEST_F(HeadlessSiteTest, WindowHasABitmapOfTheClientSize) {
    EXPECT_EQ(site->ScaleWidth(), 4.0);
    EXPECT_EQ(site->ScaleHeight(), 3.0);
    gdi::PixelView view = PixelsOf(site->WindowDC());
    EXPECT_EQ(view.width, 4);
    EXPECT_EQ(view.height, 3);
    EXPECT_EQ(view.bitsPerPixel, 32);
}

TEST_F(HeadlessSiteTest, ResizeReplacesTheBitmapAndNotifiesMoveDoesNot) {
    Take();
    site->SetBounds({0, 0, 4, 3});
    EXPECT_THAT(Take(), ::testing::IsEmpty());
    site->SetBounds({0, 0, 6, 2});
    EXPECT_THAT(Take(), ElementsAre("Zorvane1 Resize"));
    EXPECT_EQ(site->pixels().width, 6);
    EXPECT_EQ(site->pixels().height, 2);
    EXPECT_EQ(PixelsOf(site->WindowDC()).width, 6);
    site->SetBounds({0, 0, 0, 2});
    EXPECT_EQ(site->ScaleWidth(), 0.0);
    EXPECT_EQ(site->pixels().width, 0);
}

TEST_F(HeadlessSiteTest, RepaintIsLoggedWithASnapshotWhenAsked) {
    gdi::SetPixelV(site->WindowDC(), 1, 0, 0x0000FF);
    site->WindowImageChanged();
    form.snapshotRepaints = true;
    gdi::SetPixelV(site->WindowDC(), 2, 0, 0xFF0000);
    site->WindowImageChanged();
    EXPECT_EQ(site->repaintCount(), 2);
    ASSERT_EQ(form.log().size(), 2u);
    EXPECT_TRUE(form.log()[0].pixels.empty());
    std::vector<std::uint32_t> snap = form.log()[1].pixels;
    ASSERT_EQ(snap.size(), 12u);
    EXPECT_EQ(snap[1] & 0xFFFFFF, 0xFF0000u);  // stored as 0xRRGGBB
    EXPECT_EQ(snap[2] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(site->PixelAt(2, 0), 0xFF0000u);
    EXPECT_THAT(form.LogLines(), ElementsAre("Zorvane1 repaint", "Zorvane1 repaint"));
    EXPECT_TRUE(PixelsMatch(site->pixels(), {"000000 0000FF FF0000 000000"}));
}

TEST_F(HeadlessSiteTest, ImageIsAPictureOfTheWindow) {
    gdi::SetPixelV(site->WindowDC(), 3, 2, 0x00ABCDEF);
    PictureRef image = site->Image();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->type, PictureType::Bitmap);
    gdi::PixelView view = gdi::GetBitmapPixels(image->bitmap);
    EXPECT_EQ(view.width, 4);
    EXPECT_EQ(view.height, 3);
    EXPECT_EQ(ColorAt(view, 3, 2), 0x00ABCDEFu);
}

TEST_F(HeadlessSiteTest, ShapeOfATransparentWindowFollowsTheMask) {
    EXPECT_EQ(site->shape(), std::vector<bool>(12, true));
    site->SetBackStyle(0);
    EXPECT_EQ(site->shape(), std::vector<bool>(12, false));  // no mask: nothing shows

    // mask 4 x 3, magenta is the mask colour, so only the non-magenta pixels show
    const std::uint32_t m = 0xFF00FF, k = 0x000000;
    const std::vector<std::uint32_t> mask{m, k, k, m,  //
                                          k, k, k, k,  //
                                          m, k, k, m};
    site->SetMaskPicture(MakeBitmapPicture(4, 3, mask));
    site->SetMaskColor(0xFF00FF);
    EXPECT_EQ(site->shape(), (std::vector<bool>{false, true, true, false,  //
                                                true, true, true, true,    //
                                                false, true, true, false}));
}

TEST_F(HeadlessSiteTest, NotificationsAndEventsAreLoggedInOrder) {
    site->onEvent = [&](std::int32_t dispid, std::span<Variant> args) {
        site->PropertyChanged(u"Inside");
        if (dispid == 3) args[0] = Variant(std::int16_t{0});  // the host swallows the key
        return dispid == 1 ? 7 : 0;
    };
    site->PropertyChanged(u"Caption");
    std::vector<Variant> keyArgs{Variant(std::int16_t{13}), Variant(std::int16_t{0})};
    EXPECT_EQ(site->RaiseEvent(3, keyArgs), 0);
    EXPECT_EQ(keyArgs[0], Variant(std::int16_t{0}));
    EXPECT_EQ(site->RaiseEvent(1, {}), 7);
    std::vector<Variant> mouseArgs{Variant(std::int16_t{1}), Variant(std::int16_t{0}), Variant(5.0f),
                                   Variant(7.5f)};
    site->RaiseEvent(7, mouseArgs);
    EXPECT_THAT(form.LogLines(),
                ElementsAre("Zorvane1 notify Caption", "Zorvane1 event KeyDown(0,0)",
                            "Zorvane1 notify Inside", "Zorvane1 event Click", "Zorvane1 notify Inside",
                            "Zorvane1 event MouseMove(1,0,5,7.5)", "Zorvane1 notify Inside"));
    EXPECT_EQ(form.log()[1].dispid, 3);
    EXPECT_EQ(form.log()[1].name, u"KeyDown");
}

TEST(HeadlessFormLifetime, ClosingTheFormReleasesEveryDrawingObject) {
    const std::size_t before = gdi::LiveObjectCount();
    {
        headless::HeadlessForm form;
        for (int i = 0; i < 3; ++i)
            form.AddCustomControl([](ControlSite& s) { return std::make_unique<RecordingControl>(s); },
                                  u"C" + std::u16string(1, static_cast<char16_t>(u'0' + i)),
                                  {0, 0, 10 + i, 10});
        form.sites()[0]->SetBounds({0, 0, 30, 30});
        form.sites()[1]->SetBounds({0, 0, 0, 0});
        EXPECT_GT(gdi::LiveObjectCount(), before);
    }
    EXPECT_EQ(gdi::LiveObjectCount(), before);
}

TEST(LogFormat, ValuesArePrintedCompactly) {
    auto entry = headless::LogEntry::Make(headless::LogEntry::Kind::Event, u"B", u"X");
    entry.args = {Variant::Boolean(true), Variant::Boolean(false), Variant(u"t\u00e9xt"),
                  Variant(FontRef{}), Variant(std::int32_t{-5}), Variant(0.25)};
    EXPECT_EQ(headless::HeadlessForm::FormatLogEntry(entry),
              "B event X(True,False,\"t\xc3\xa9xt\",nothing,-5,0.25)");
}

}  // namespace
}  // namespace vemmix::test
