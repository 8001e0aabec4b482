// The platform's answers taken from the desktop: the system colours, the
// visual style and the screen's resolution.
#pragma once

#include <array>
#include <optional>
#include <string>

#include <QPalette>
#include <QScreen>
#include <QString>

#include <vemmix/Color.h>
#include <vemmix/host/Export.h>
#include <vemmix/host/Form.h>

namespace vemmix::host {

// The system colours of a desktop palette. Each system colour takes one
// colour role of the palette (active group unless said):
//
//   index  system colour             palette role
//    0     scroll bar                Button
//    2     active caption            Highlight
//    3     inactive caption          Highlight (inactive group)
//    4     menu                      Window
//    5     window                    Base
//    6     window frame              Shadow
//    7     menu text                 WindowText
//    8     window text               Text
//    9     caption text              HighlightedText
//   10,11  active, inactive border   Button
//   12     application workspace     Dark
//   13     highlight                 Highlight
//   14     highlight text            HighlightedText
//   15     button face               Button
//   16     button shadow             Dark
//   17     grey text                 Text (disabled group)
//   18     button text               ButtonText
//   19     inactive caption text     HighlightedText (inactive group)
//   20     button highlight          Light
//   21     3D dark shadow            Shadow
//   22     3D light                  Midlight
//   23     tooltip text              ToolTipText
//   24     tooltip background        ToolTipBase
//   26     hot-tracked item          Link
//   29     menu highlight            Highlight
//   30     menu bar                  Window
//
// The rest (1 desktop, 25, 27 and 28 the caption gradients) keep the
// classic value of ClassicSystemColors().
class VEMMIX_HOST_EXPORT PaletteSystemColors final : public SystemColorTable {
public:
    explicit PaletteSystemColors(const QPalette& palette);
    std::optional<COLORREF> SystemColor(int index) const override;

private:
    std::array<COLORREF, kSystemColorCount> m_Colors{};
};

// What the visual-style query answers: the theme file name, the colour
// scheme name and the size name.
struct VisualStyleName {
    std::u16string themeFile, colorName, sizeName;
    friend bool operator==(const VisualStyleName&, const VisualStyleName&) = default;
};

// A setting's answer. The named styles answer as the desktop with that
// style would, so the button's own detection picks the colour theme:
//
//   "blue"    Luna.msstyles,   NormalColor  -> blue   (0)
//   "olive"   Luna.msstyles,   HomeStead    -> olive  (1)
//   "silver"  Luna.msstyles,   Metallic     -> silver (2)
//   "royal"   Royale.msstyles, NormalColor  -> royal  (3)
//   "none"    no answer: each button takes its DefaultThemes (the only way
//             to standard 3D (4) and black (5))
//   "auto"    DesktopVisualStyle()
//
// A setting with names answers them as they are.
VEMMIX_HOST_EXPORT std::optional<VisualStyleName> VisualStyleFor(const VisualStyleSetting& setting);

// The desktop's style, from its palette's highlight colour: a grey
// highlight (saturation below 25 %) is silver, a hue of 50 to 170 degrees
// olive, 250 to 340 degrees royal, any other blue. No answer when there is
// no QGuiApplication to ask.
VEMMIX_HOST_EXPORT std::optional<VisualStyleName> DesktopVisualStyle();

// "auto", "none", "blue", "olive", "silver" or "royal", without regard to
// case; nullopt for anything else.
VEMMIX_HOST_EXPORT std::optional<VisualStyleSetting> ParseVisualStyle(QStringView text);

// The environment variable whose value (a name ParseVisualStyle takes)
// overrides the visual style a form asks for.
inline constexpr const char* kVisualStyleVariable = "VEMMIX_VISUAL_STYLE";

// The setting that applies to a form asking for `form`: the environment
// variable's when it names a style, else the form's. When the variable is
// set to something else, `problem` (may be null) says so.
VEMMIX_HOST_EXPORT VisualStyleSetting EffectiveVisualStyle(const VisualStyleSetting& form,
                                                           QString* problem = nullptr);

// A screen's logical resolution in dots per inch, the primary screen's when
// `screen` is null; 96 without one.
VEMMIX_HOST_EXPORT int DesktopDpiX(const QScreen* screen = nullptr);
VEMMIX_HOST_EXPORT int DesktopDpiY(const QScreen* screen = nullptr);

}  // namespace vemmix::host
