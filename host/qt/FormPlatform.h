// The platform of a Qt form: system colours, the visual style, the screen's
// resolution, the text renderer (the desktop's unless the form sets one),
// and the tooltip facility, whose tooltips are TooltipWindows.
#pragma once

#include <map>
#include <memory>
#include <optional>

#include <QPointer>

#include <vemmix/ContainerServices.h>
#include <vemmix/TextRenderer.h>
#include <vemmix/host/Desktop.h>
#include <vemmix/host/QtTextRenderer.h>
#include <vemmix/qt/TooltipWindow.h>

namespace vemmix::qt {

class ControlWindow;
class FormWindow;

class FormPlatform final : public Platform, public TooltipFacility {
public:
    explicit FormPlatform(FormWindow& form);
    ~FormPlatform() override;

    // Platform
    const SystemColorTable& SystemColors() const override;
    std::optional<VisualStyleBuffers> CurrentThemeName() const override { return m_VisualStyle; }
    int ScreenDpiX() const override;
    int ScreenDpiY() const override;
    bool IsUnicodeSystem() const override { return true; }
    TextRenderer& Text() override;
    TooltipFacility& Tooltips() override { return *this; }

    // TooltipFacility
    std::int32_t CreateTooltip(bool balloon) override;
    bool AddTool(std::int32_t tooltip, std::int32_t window, gdi::RECT area,
                 std::u16string_view text) override;
    bool SetTitle(std::int32_t tooltip, std::int32_t icon, std::u16string_view title) override;
    bool SetBackColor(std::int32_t tooltip, gdi::COLORREF colour) override;
    bool SetTextColor(std::int32_t tooltip, gdi::COLORREF colour) override;
    void DestroyTooltip(std::int32_t tooltip) override;

    // Settings of the form.
    // Null: `palette`'s colours (FollowPalette).
    void SetSystemColors(std::shared_ptr<const SystemColorTable> colours);
    void FollowPalette(const QPalette& palette);
    void SetVisualStyle(std::optional<VisualStyleBuffers> style) { m_VisualStyle = std::move(style); }
    void SetScreenDpi(int dpi) { m_Dpi = dpi; }
    void SetTextRenderer(TextRenderer* renderer) { m_Text = renderer; }

    // The control whose call reached the platform last: the owner of the
    // tooltips it makes.
    void SetCaller(ControlWindow* caller) { m_Caller = caller; }

    std::vector<TooltipWindow*> Live() const;
    TooltipWindow* Find(std::int32_t handle) const;
    // Closes every tooltip of `window` (a control going away).
    void DropTooltipsOf(const ControlWindow* window);

private:
    void Log(std::int32_t tooltip, const char16_t* what, std::vector<Variant> args = {});

    FormWindow& m_Form;
    std::shared_ptr<const SystemColorTable> m_SystemColors;
    std::optional<host::PaletteSystemColors> m_PaletteColors;
    std::optional<VisualStyleBuffers> m_VisualStyle;
    int m_Dpi = 0;
    std::unique_ptr<host::QtTextRenderer> m_QtText;
    TextRenderer* m_Text = nullptr;
    QPointer<ControlWindow> m_Caller;
    struct Tip {
        QPointer<TooltipWindow> window;
        QString control;  // the name the log gives it
    };
    std::map<std::int32_t, Tip> m_Tooltips;
};

}  // namespace vemmix::qt
