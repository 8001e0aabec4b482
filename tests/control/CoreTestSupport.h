// Helpers of the button-core tests: what the headless form logged for one
// control, and the drawing-object count around a repaint.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "control/Zorvane.h"
#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::coretest {

inline std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

// Property names notified by `control`, in order.
inline std::vector<std::string> Notifications(headless::HeadlessForm& form,
                                              std::u16string_view control = u"Zorvane1") {
    std::vector<std::string> names;
    for (const auto& entry : form.log())
        if (entry.kind == headless::LogEntry::Kind::PropertyChanged && entry.control == control)
            names.push_back(Narrow(entry.name));
    return names;
}

// Event dispatch identifiers raised by `control`, in order.
inline std::vector<std::int32_t> Events(headless::HeadlessForm& form,
                                        std::u16string_view control = u"Zorvane1") {
    std::vector<std::int32_t> ids;
    for (const auto& entry : form.log())
        if (entry.kind == headless::LogEntry::Kind::Event && entry.control == control)
            ids.push_back(entry.dispid);
    return ids;
}

inline int Repaints(headless::HeadlessForm& form, std::u16string_view control = u"Zorvane1") {
    int count = 0;
    for (const auto& entry : form.log())
        if (entry.kind == headless::LogEntry::Kind::Repaint && entry.control == control) ++count;
    return count;
}

// The window's pixels as COLORREF values, row by row.
inline std::vector<gdi::COLORREF> WindowColors(const headless::HeadlessSite& site) {
    const gdi::PixelView view = site.pixels();
    std::vector<gdi::COLORREF> colours;
    colours.reserve(view.pixels.size());
    for (std::uint32_t p : view.pixels) colours.push_back(gdi::ColorFromPixel(p) & 0x00FFFFFFu);
    return colours;
}

// A button in a plain, known state: 3d look drawn from plain colours, no
// caption, no picture, no focus rectangle, Standard Mode. Whatever the
// initial values are, the tests that need a state set it here.
inline void MakePlain(Zorvane& b) {
    b.SetAppearance(ecAppearance::ThreeD);
    b.SetAppearanceMode(ecAppearanceMode::Standard);
    b.SetCaption(u"");
    b.SetPicture(nullptr);
    b.SetShowFocus(kFalse);
    b.SetBorderDrawEvent(ecEvents::Always);
    b.SetBorderWidth(1);
    b.SetBorderColor(0x00743C00);
    b.SetTransparentColor(0x00336699);
    b.SetBackColor(0x00C0C0C0);
    b.SetBackColorDown(0x00A0A0A0);
    b.SetBackColorOver(0x00D0D0D0);
    b.SetBackColorFocus(0x00B0B0B0);
    b.SetBackColorDisabled(0x00808080);
}

}  // namespace vemmix::coretest

namespace vemmix::coretest {

// A site under the test's full control, for what the headless form cannot
// arrange: fractional scale sizes, a platform probe that throws, a record
// of timer settings. The platform (system colours, text, tooltips) is the
// headless form's.
class ScriptedSite final : public ControlSite {
public:
    explicit ScriptedSite(Platform& platform) : m_Platform(platform) {
        m_WindowDC = gdi::CreateCompatibleDC(gdi::HDC{});
    }
    ~ScriptedSite() override {
        if (m_Bitmap) {
            gdi::SelectObject(m_WindowDC, m_Stock);
            gdi::DeleteObject(m_Bitmap);
        }
        gdi::DeleteDC(m_WindowDC);
    }

    void SetSize(double width, double height) {
        scaleWidth = width;
        scaleHeight = height;
        if (m_Bitmap) {
            gdi::SelectObject(m_WindowDC, m_Stock);
            gdi::DeleteObject(m_Bitmap);
            m_Bitmap = {};
        }
        const int w = static_cast<int>(width), h = static_cast<int>(height);
        if (w > 0 && h > 0) {
            m_Bitmap = gdi::CreateCompatibleBitmap(gdi::HDC{}, w, h);
            m_Stock = gdi::SelectObject(m_WindowDC, m_Bitmap);
        }
    }

    struct TimerCall {
        TimerId timer;
        std::uint32_t interval;
        bool enabled;
    };

    double scaleWidth = 0, scaleHeight = 0;
    Platform* platformOverride = nullptr;
    int dpiX = 0, dpiY = 0;  // the screen of this control; 0: the platform's
    std::vector<TimerCall> timerCalls;
    std::vector<std::string> notifications;
    int repaints = 0;
    bool timers[2] = {false, false};

    Platform& GetPlatform() override { return platformOverride ? *platformOverride : m_Platform; }
    int ScreenDpiX() override { return dpiX ? dpiX : ControlSite::ScreenDpiX(); }
    int ScreenDpiY() override { return dpiY ? dpiY : ControlSite::ScreenDpiY(); }
    bool Enabled() const override { return true; }
    std::int32_t SetEnabled(bool) override { return 0; }
    std::int16_t MousePointer() const override { return 0; }
    std::int32_t SetMousePointer(std::int16_t) override { return 0; }
    PictureRef MouseIcon() const override { return nullptr; }
    std::int32_t SetMouseIcon(PictureRef) override { return 0; }
    bool RightToLeft() const override { return false; }
    std::int32_t SetRightToLeft(bool) override { return 0; }
    std::int16_t OLEDropMode() const override { return 0; }
    std::int32_t SetOLEDropMode(std::int16_t) override { return 0; }
    std::int32_t WindowHandle() const override { return 77; }
    double ScaleWidth() const override { return scaleWidth; }
    double ScaleHeight() const override { return scaleHeight; }
    gdi::HDC WindowDC() override { return m_WindowDC; }
    void WindowImageChanged() override { ++repaints; }
    void SetAutoRedraw(bool) override {}
    void SetBackStyle(std::int16_t) override {}
    void SetMaskColor(gdi::COLORREF) override {}
    void SetMaskPicture(PictureRef) override {}
    PictureRef Image() override { return nullptr; }
    void SetAccessKeys(std::u16string_view) override {}
    std::int32_t OLEDrag() override { return 0; }
    std::optional<OleColor> AmbientBackColor() const override { return std::nullopt; }
    std::optional<std::u16string> AmbientDisplayName() const override { return std::nullopt; }
    std::optional<FontRef> AmbientFont() const override { return std::nullopt; }
    std::optional<bool> AmbientUserMode() const override { return std::nullopt; }
    std::optional<bool> AmbientDisplayAsDefault() const override { return std::nullopt; }
    std::optional<std::u16string> ExtenderToolTipText() const override { return std::nullopt; }
    bool SetExtenderToolTipText(std::u16string_view) override { return false; }
    void PropertyChanged(std::u16string_view name) override { notifications.push_back(Narrow(name)); }
    std::int32_t RaiseEvent(std::int32_t, std::span<Variant>) override { return 0; }
    void SetTimer(TimerId timer, std::uint32_t interval, bool enabled) override {
        timerCalls.push_back({timer, interval, enabled});
        timers[timer == TimerId::Over ? 0 : 1] = enabled;
    }
    bool TimerEnabled(TimerId timer) const override { return timers[timer == TimerId::Over ? 0 : 1]; }
    bool IsPointerOverWindow() const override { return false; }
    void MoveFocus(bool) override {}

private:
    Platform& m_Platform;
    gdi::HDC m_WindowDC;
    gdi::HBITMAP m_Bitmap;
    gdi::HBITMAP m_Stock;
};

// A platform whose Unicode probe fails (throws); everything else delegates.
class FailingProbePlatform final : public Platform {
public:
    explicit FailingProbePlatform(Platform& inner) : m_Inner(inner) {}
    const SystemColorTable& SystemColors() const override { return m_Inner.SystemColors(); }
    std::optional<VisualStyleBuffers> CurrentThemeName() const override {
        return m_Inner.CurrentThemeName();
    }
    int ScreenDpiX() const override { return m_Inner.ScreenDpiX(); }
    int ScreenDpiY() const override { return m_Inner.ScreenDpiY(); }
    bool IsUnicodeSystem() const override { throw std::runtime_error("probe failed"); }
    TextRenderer& Text() override { return m_Inner.Text(); }
    TooltipFacility& Tooltips() override { return m_Inner.Tooltips(); }

private:
    Platform& m_Inner;
};

}  // namespace vemmix::coretest
