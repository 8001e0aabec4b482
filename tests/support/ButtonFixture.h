// The fixture most tests start from: a headless form with one Zorvane
// created the way a form designer places a new button (Initialize,
// InitProperties, Show), plus helpers to drive it and read the log.
//
//     TEST_F(ButtonTest, Something) { btn().SetCaption(u"OK"); … }   // 100 x 30
//
//     class MyTest : public ButtonTest {
//     protected:
//         MyTest() { buttonBounds = {0, 0, 40, 20}; }        // optional size
//         void ConfigureForm() override { form.ambientUserMode = false; }  // optional
//     };
//     TEST_F(MyTest, Hover) {
//         const auto mark = Mark();
//         MouseMove(5, 5);
//         Tick(10);
//         EXPECT_THAT(LinesSince(mark), ::testing::Contains("Zorvane1 event MouseOver"));
//     }
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "control/Zorvane.h"
#include <vemmix/headless/HeadlessContainer.h>
#include "tests/support/PixelAssert.h"

namespace vemmix::test {

class ButtonTest : public ::testing::Test {
protected:
    // Runs before the button exists: set the form's ambients or the
    // platform's answers here.
    virtual void ConfigureForm() {}
    void SetUp() override;

    // The button's window bounds on the form (set in the constructor of a
    // derived fixture); ResizeButton changes it later.
    gdi::RECT buttonBounds{0, 0, 100, 30};

    headless::HeadlessForm form;
    Zorvane* button = nullptr;
    headless::HeadlessSite* site = nullptr;

    Zorvane& btn() { return *button; }

    // The window's size changes; the button gets Resize.
    void ResizeButton(int width, int height);

    // ---- the log --------------------------------------------------------------
    std::size_t Mark() const { return form.log().size(); }
    // Log lines (HeadlessForm::LogLines format) from `mark` on.
    std::vector<std::string> LinesSince(std::size_t mark) const;
    // Only the lines of one kind: "event", "notify", "repaint", "tooltip", "focus".
    std::vector<std::string> LinesSince(std::size_t mark, const std::string& kind) const;
    // Entries from `mark` on.
    std::vector<headless::LogEntry> EntriesSince(std::size_t mark) const;
    int RepaintsSince(std::size_t mark) const;

    // ---- input, in client pixels of the button ------------------------------
    // Delivered as the window delivers them: a disabled window (site's
    // Enabled False) sends no mouse or key notifications, but the pointer
    // still moves. Call btn() directly to bypass the window.
    // Puts the pointer over (x, y) of the button (or off the form).
    void PointerAt(int x, int y);
    void PointerAway();
    // Moves the pointer there and sends MouseMove.
    void MouseMove(int x, int y, std::int16_t mouseButton = 0, std::int16_t shift = 0);
    // MouseDown and MouseUp at (x, y) with the left button, pointer there.
    void MouseDown(int x, int y, std::int16_t mouseButton = 1, std::int16_t shift = 0);
    void MouseUp(int x, int y, std::int16_t mouseButton = 1, std::int16_t shift = 0);
    void ClickAt(int x, int y);
    void KeyDown(std::int16_t keyCode, std::int16_t shift = 0);
    void KeyUp(std::int16_t keyCode, std::int16_t shift = 0);
    // Gives the focus to the button.
    void Focus();
    // Runs the virtual clock.
    void Tick(std::uint64_t milliseconds) { form.AdvanceTime(milliseconds); }

    // ---- pixels ---------------------------------------------------------------
    gdi::PixelView Pixels() const { return site->pixels(); }
    gdi::COLORREF Pixel(int x, int y) const { return site->PixelAt(x, y); }
    std::string Dump() const { return DumpPixels(site->pixels()); }
};

}  // namespace vemmix::test

// So that TEST_F(ButtonTest, …) works without a using-declaration.
using vemmix::test::ButtonTest;
