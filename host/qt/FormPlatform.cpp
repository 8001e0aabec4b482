// The platform of a Qt form, and its tooltip facility.
#include "FormPlatform.h"

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

namespace vemmix::qt {

namespace {

// A COLORREF (red in the low byte) as a QColor.
QColor ColorOf(gdi::COLORREF colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QString StringOf(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FormPlatform::FormPlatform(FormWindow& form) : m_Form(form) {}

FormPlatform::~FormPlatform() {
    for (auto& [handle, tip] : m_Tooltips) delete tip.window.data();
}

const SystemColorTable& FormPlatform::SystemColors() const {
    if (m_SystemColors) return *m_SystemColors;
    return m_PaletteColors ? static_cast<const SystemColorTable&>(*m_PaletteColors) : ClassicSystemColors();
}

void FormPlatform::FollowPalette(const QPalette& palette) { m_PaletteColors.emplace(palette); }

void FormPlatform::SetSystemColors(std::shared_ptr<const SystemColorTable> colours) {
    m_SystemColors = std::move(colours);
}

int FormPlatform::ScreenDpiX() const { return m_Dpi > 0 ? m_Dpi : host::DesktopDpiX(m_Form.screen()); }
int FormPlatform::ScreenDpiY() const { return m_Dpi > 0 ? m_Dpi : host::DesktopDpiY(m_Form.screen()); }

TextRenderer& FormPlatform::Text() {
    if (m_Text) return *m_Text;
    if (!m_QtText) m_QtText = std::make_unique<host::QtTextRenderer>();
    return *m_QtText;
}

// ---- tooltip facility ------------------------------------------------------------

void FormPlatform::Log(std::int32_t tooltip, const char16_t* what, std::vector<Variant> args) {
    if (!m_Form.logging()) return;
    const auto it = m_Tooltips.find(tooltip);
    const QString control = it != m_Tooltips.end() ? it->second.control : QString();
    headless::LogEntry entry =
        headless::LogEntry::Make(headless::LogEntry::Kind::Tooltip, control.toStdU16String(), what);
    entry.args = std::move(args);
    m_Form.Append(std::move(entry));
}

std::int32_t FormPlatform::CreateTooltip(bool balloon) {
    // Tooltips are windows: their handles share the form's window numbering.
    const std::int32_t handle = m_Form.NextHandle();
    auto* window = new TooltipWindow(handle, balloon);
    m_Tooltips[handle] = Tip{window, m_Caller ? m_Caller->name() : QString()};
    Log(handle, u"create", {Variant::Boolean(balloon)});
    return handle;
}

bool FormPlatform::AddTool(std::int32_t tooltip, std::int32_t window, gdi::RECT area,
                           std::u16string_view text) {
    TooltipWindow* tip = Find(tooltip);
    if (!tip) return false;
    ControlWindow* tool = nullptr;
    for (ControlWindow* control : m_Form.controls())
        if (control->WindowHandle() == window) tool = control;
    if (tool) m_Tooltips[tooltip].control = tool->name();
    tip->setTool(tool, QRect(area.left, area.top, area.right - area.left, area.bottom - area.top),
                 StringOf(text));
    Log(tooltip, u"addtool", {std::u16string(text)});
    return true;
}

bool FormPlatform::SetTitle(std::int32_t tooltip, std::int32_t icon, std::u16string_view title) {
    TooltipWindow* tip = Find(tooltip);
    if (!tip) return false;
    tip->setTitle(icon, StringOf(title));
    Log(tooltip, u"title", {icon, std::u16string(title)});
    return true;
}

bool FormPlatform::SetBackColor(std::int32_t tooltip, gdi::COLORREF colour) {
    TooltipWindow* tip = Find(tooltip);
    if (!tip) return false;
    tip->setBackColor(ColorOf(colour));
    Log(tooltip, u"backcolor", {static_cast<std::int32_t>(colour)});
    return true;
}

bool FormPlatform::SetTextColor(std::int32_t tooltip, gdi::COLORREF colour) {
    TooltipWindow* tip = Find(tooltip);
    if (!tip) return false;
    tip->setTextColor(ColorOf(colour));
    Log(tooltip, u"textcolor", {static_cast<std::int32_t>(colour)});
    return true;
}

void FormPlatform::DestroyTooltip(std::int32_t tooltip) {
    const auto it = m_Tooltips.find(tooltip);
    if (it == m_Tooltips.end() || !it->second.window) return;
    Log(tooltip, u"destroy");
    delete it->second.window.data();
    m_Tooltips.erase(it);
}

std::vector<TooltipWindow*> FormPlatform::Live() const {
    std::vector<TooltipWindow*> live;
    for (const auto& [handle, tip] : m_Tooltips)
        if (tip.window) live.push_back(tip.window);
    return live;
}

TooltipWindow* FormPlatform::Find(std::int32_t handle) const {
    const auto it = m_Tooltips.find(handle);
    return it != m_Tooltips.end() ? it->second.window.data() : nullptr;
}

void FormPlatform::DropTooltipsOf(const ControlWindow* window) {
    for (auto it = m_Tooltips.begin(); it != m_Tooltips.end();) {
        if (it->second.window && it->second.window->toolWindow() == window) {
            delete it->second.window.data();
            it = m_Tooltips.erase(it);
        } else {
            ++it;
        }
    }
    if (m_Caller == window) m_Caller = nullptr;
}

}  // namespace vemmix::qt
