// Event nesting is bounded across all the controls of a container, not
// only per button: handlers that click each other stop at the same depth
// one button's handler does, and a handler that ignores error 28 and
// raises again does not fan out.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Limits.h"
#include "control/Zorvane.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {
namespace {

using headless::HeadlessForm;
using headless::HeadlessSite;
using headless::LogEntry;

std::size_t ClicksLogged(const HeadlessForm& form) {
    return static_cast<std::size_t>(std::count_if(form.log().begin(), form.log().end(), [](const LogEntry& e) {
        return e.kind == LogEntry::Kind::Event && e.dispid == EventId::Click;
    }));
}

class EventNesting : public ::testing::Test {
protected:
    HeadlessForm form;
    Zorvane& a = headless::AddButton(form, u"A", {0, 0, 60, 20});
    Zorvane& b = headless::AddButton(form, u"B", {0, 30, 60, 50});
    HeadlessSite& siteA = *form.Find(u"A");
    HeadlessSite& siteB = *form.Find(u"B");
    int depth = 0, deepest = 0, handled = 0;

    // A Click handler of `site` that clicks `other` `times` times,
    // returning the last error (or ignoring them all).
    void ClickOnClick(HeadlessSite& site, Zorvane& other, int times, bool ignoreErrors) {
        site.onEvent = [this, &other, times, ignoreErrors](std::int32_t dispid, std::span<Variant>) {
            if (dispid != EventId::Click) return 0;
            ++handled;
            deepest = std::max(deepest, ++depth);
            std::int32_t error = 0;
            for (int i = 0; i < times; ++i) error = other.SetValue(kTrue);
            --depth;
            return ignoreErrors ? 0 : error;
        };
    }
};

TEST_F(EventNesting, TwoButtonsClickingEachOtherStopAtTheContainersBound) {
    ClickOnClick(siteA, b, 1, false);
    ClickOnClick(siteB, a, 1, false);
    form.ClearLog();
    EXPECT_EQ(a.SetValue(kTrue), errors::kOutOfStackSpace);
    EXPECT_EQ(deepest, kMaxEventNesting);
    EXPECT_EQ(ClicksLogged(form), static_cast<std::size_t>(kMaxEventNesting));
    EXPECT_EQ(a.Value(), kFalse);
    EXPECT_EQ(b.Value(), kFalse);

    // the bound resets once the outermost raise has returned
    siteA.onEvent = siteB.onEvent = nullptr;
    form.ClearLog();
    EXPECT_EQ(a.SetValue(kTrue), 0);
    EXPECT_EQ(b.SetValue(kTrue), 0);
    EXPECT_EQ(ClicksLogged(form), 2u);
}

TEST_F(EventNesting, AHandlerThatIgnoresTheErrorAndRaisesTwiceDoesNotFanOut) {
    ClickOnClick(siteA, a, 2, true);
    form.ClearLog();
    EXPECT_EQ(a.SetValue(kTrue), 0);
    EXPECT_EQ(deepest, kMaxEventNesting);
    EXPECT_EQ(handled, kMaxEventNesting);  // the second raise of each level fails at once
    EXPECT_EQ(ClicksLogged(form), static_cast<std::size_t>(kMaxEventNesting));
}

TEST_F(EventNesting, TwoButtonsRaisingTwiceAcrossTheFormDoNotFanOut) {
    ClickOnClick(siteA, b, 2, true);
    ClickOnClick(siteB, a, 2, true);
    form.ClearLog();
    EXPECT_EQ(a.SetValue(kTrue), 0);
    EXPECT_EQ(deepest, kMaxEventNesting);
    EXPECT_EQ(handled, kMaxEventNesting);
}

// Other events of the same form count towards the same bound: a mouse
// handler of one button that fires the other's drag events.
TEST_F(EventNesting, EventsOfEveryKindShareTheFormsBound) {
    int raised = 0;
    siteA.onEvent = [&](std::int32_t dispid, std::span<Variant>) -> std::int32_t {
        if (dispid != EventId::OLECompleteDrag) return 0;
        ++raised;
        std::int32_t effect = 0;
        b.OLECompleteDrag(effect);
        return 0;
    };
    siteB.onEvent = [&](std::int32_t dispid, std::span<Variant>) -> std::int32_t {
        if (dispid != EventId::OLECompleteDrag) return 0;
        ++raised;
        std::int32_t effect = 0;
        a.OLECompleteDrag(effect);
        a.OLECompleteDrag(effect);
        return 0;
    };
    std::int32_t effect = 0;
    a.OLECompleteDrag(effect);
    EXPECT_EQ(raised, kMaxEventNesting);
}

}  // namespace
}  // namespace vemmix::test
