// The button's own tooltip window (Balloon or Rectangular style), made on
// the first mouse move over the button through the container's tooltip
// facility and destroyed when the pointer leaves or the button ends. The
// facility shows and hides the tip after the system's delays by itself.
#include "control/Zorvane.h"

namespace vemmix {
namespace {
constexpr OleColor kDefaultTooltipColor = -1;  // leave the tooltip's own colour
}  // namespace

// A failing request ends the routine; a window already made stays and is
// destroyed with the others. Text and title go to the facility as UTF-16,
// so a caption in any script reaches the tip unchanged.
void Zorvane::ShowTooltip() {
    if (m_ToolTipWindow != 0 || m_ToolTipStyle == ecToolTipStyle::Classic) return;

    // text: take the container's ToolTipText over, so that the container
    // does not show a second tooltip; a text the host sets later replaces
    // the saved one at the next creation
    const std::optional<std::u16string> extenderText = m_Site.ExtenderToolTipText();
    if (!extenderText) return;  // no extender: nothing to show
    if (m_ToolTipText.empty()) m_ToolTipText = *extenderText;
    if (!extenderText->empty()) {
        m_ToolTipText = *extenderText;
        if (!m_Site.SetExtenderToolTipText(u"")) return;
    }

    TooltipFacility& tooltips = m_Site.GetPlatform().Tooltips();
    const std::int32_t tooltip =
        tooltips.CreateTooltip(m_ToolTipStyle == ecToolTipStyle::Balloon);
    if (tooltip == 0) return;
    m_ToolTipWindow = tooltip;

    // the tool covers the client area; an empty text shows no tip
    const gdi::RECT client{0, 0, m_Width, m_Height};
    if (!tooltips.AddTool(tooltip, m_Site.WindowHandle(), client, m_ToolTipText)) return;
    // no title means no icon either
    if (!m_ToolTipTitle.empty() && !tooltips.SetTitle(tooltip, m_ToolTipIcon, m_ToolTipTitle))
        return;
    if (m_ToolTipBackColor != kDefaultTooltipColor &&
        !tooltips.SetBackColor(tooltip, m_ToolTipBackRGB))
        return;
    if (m_ToolTipForeColor != kDefaultTooltipColor)
        tooltips.SetTextColor(tooltip, m_ToolTipForeRGB);
}

void Zorvane::DestroyTooltip() {
    if (m_ToolTipWindow > 0) m_Site.GetPlatform().Tooltips().DestroyTooltip(m_ToolTipWindow);
    m_ToolTipWindow = 0;
}

}  // namespace vemmix
