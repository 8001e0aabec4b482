// Host handlers that call back into the button from inside its events.
#include <gtest/gtest.h>

#include <algorithm>

#include "CoreTestSupport.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

using coretest::Events;
using coretest::Notifications;
using headless::HeadlessForm;
using headless::HeadlessSite;

std::size_t CountOf(const std::vector<std::int32_t>& ids, std::int32_t id) {
    return static_cast<std::size_t>(std::count(ids.begin(), ids.end(), id));
}

TEST(Reentrance, HandlerSettingPropertiesInsideClickSeesTheRepaints) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    HeadlessSite& site = *form.Find(u"Zorvane1");
    VBool valueInsideClick = kFalse;
    site.onEvent = [&](std::int32_t dispid, std::span<Variant>) {
        if (dispid == EventId::Click) {
            valueInsideClick = b.Value();
            b.SetCaption(u"Clicked");
            b.SetBackColor(0x000000FF);
        }
        return 0;
    };
    form.ClearLog();
    EXPECT_EQ(b.SetValue(kTrue), 0);
    EXPECT_EQ(valueInsideClick, kTrue);
    EXPECT_EQ(b.Value(), kFalse);
    EXPECT_EQ(b.Caption(), u"Clicked");
    EXPECT_EQ(b.Colors().m_BackRGB, 0x000000FFu);
    EXPECT_EQ(CountOf(Events(form), EventId::Click), 1u);
    const std::vector<std::string> expected = {"Value", "Caption", "BackColor", "Value"};
    EXPECT_EQ(Notifications(form), expected);
}

// A Click handler that sets Value True again would recurse without end.
TEST(Reentrance, RecursiveValueFromClickIsBoundedAndReportsOutOfStackSpace) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    HeadlessSite& site = *form.Find(u"Zorvane1");
    int depth = 0, deepest = 0;
    site.onEvent = [&](std::int32_t dispid, std::span<Variant>) -> std::int32_t {
        if (dispid != EventId::Click) return 0;
        deepest = std::max(deepest, ++depth);
        const std::int32_t error = b.SetValue(kTrue);
        --depth;
        return error;
    };
    form.ClearLog();
    EXPECT_EQ(b.SetValue(kTrue), errors::kOutOfStackSpace);
    EXPECT_EQ(deepest, Zorvane::kMaxEventDepth);
    EXPECT_EQ(CountOf(Events(form), EventId::Click), static_cast<std::size_t>(Zorvane::kMaxEventDepth));
    EXPECT_EQ(b.Value(), kFalse);

    // The bound resets: a plain handler works again afterwards.
    site.onEvent = nullptr;
    form.ClearLog();
    EXPECT_EQ(b.SetValue(kTrue), 0);
    EXPECT_EQ(CountOf(Events(form), EventId::Click), 1u);
}

TEST(Reentrance, NestedEventsOfDifferentKindsShareTheBound) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    HeadlessSite& site = *form.Find(u"Zorvane1");
    int raised = 0;
    site.onEvent = [&](std::int32_t dispid, std::span<Variant>) -> std::int32_t {
        if (dispid != EventId::OLECompleteDrag) return 0;
        ++raised;
        std::int32_t effect = 1;
        b.OLECompleteDrag(effect);
        return 0;
    };
    std::int32_t effect = 0;
    b.OLECompleteDrag(effect);
    EXPECT_EQ(raised, Zorvane::kMaxEventDepth);
}

// TextFadeEnd -> TextFade_Start -> TextFade_Stop -> TextFadeEnd …
TEST(Reentrance, FadeEndHandlerRestartingAndStoppingIsBounded) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    HeadlessSite& site = *form.Find(u"Zorvane1");
    b.SetCaption(u"Fade");
    std::int32_t innerError = 0;
    site.onEvent = [&](std::int32_t dispid, std::span<Variant>) -> std::int32_t {
        if (dispid != EventId::TextFadeEnd) return 0;
        b.TextFade_Start();
        innerError = b.TextFade_Stop();
        return innerError;
    };
    ASSERT_EQ(b.TextFade_Start(), 0);
    ASSERT_TRUE(b.IsFading());
    form.ClearLog();
    EXPECT_EQ(b.TextFade_Stop(), errors::kOutOfStackSpace);
    EXPECT_EQ(innerError, errors::kOutOfStackSpace);
    EXPECT_EQ(CountOf(Events(form), EventId::TextFadeEnd), static_cast<std::size_t>(Zorvane::kMaxEventDepth));
    EXPECT_FALSE(b.IsFading());
    EXPECT_FALSE(site.TimerEnabled(TimerId::Fading));
}

}  // namespace
}  // namespace vemmix
