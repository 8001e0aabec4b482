#include "FormDesign.h"

#include <vemmix/Color.h>
#include <vemmix/Enums.h>

namespace demo::design {
namespace {

using namespace vemmix;

Value Text(const QString& text) { return {Value::Kind::Text, text, 0, {}}; }
Value Number(std::int64_t n) { return {Value::Kind::Number, {}, n, {}}; }
Value Boolean(bool b) { return {Value::Kind::Boolean, {}, b ? 1 : 0, {}}; }
Value Colour(int r, int g, int b) { return {Value::Kind::Colour, {}, r + g * 256 + b * 65536, {}}; }
Value Font(const char16_t* name, double size, bool bold = false, bool italic = false) {
    FontDescription font;
    font.name = name;
    font.size = size;
    font.bold = bold;
    font.italic = italic;
    return {Value::Kind::Font, {}, 0, font};
}
Value Icon(const QString& file) { return {Value::Kind::Picture, file, 1, {}}; }
Value Bitmap(const QString& file) { return {Value::Kind::Picture, file, 0, {}}; }

// The form's own font, and a larger one for headings and big captions.
constexpr const char16_t* kFace = u"Tahoma";

class Designer {
public:
    explicit Designer(Form& form) : m_Form(form) {}

    // A button: the style first, as its preset decides the rest.
    Control& Button(const QString& name, const QString& parent, QRect r, std::int32_t appearance,
                    const QString& caption, std::optional<int> index = std::nullopt) {
        Control& c = Add(QStringLiteral("Vemmix.Zorvane"), name, parent, r, index);
        c.Set(QStringLiteral("Appearance"), Number(appearance));
        c.Set(QStringLiteral("Caption"), Text(caption));
        return c;
    }
    Control& Frame(const QString& name, const QString& caption, QRect r) {
        return Add(QStringLiteral("Frame"), name, {}, r, std::nullopt)
            .Set(QStringLiteral("Caption"), Text(caption));
    }
    Control& Label(const QString& name, const QString& parent, QRect r, const QString& caption) {
        return Add(QStringLiteral("Label"), name, parent, r, std::nullopt)
            .Set(QStringLiteral("Caption"), Text(caption));
    }

private:
    Control& Add(const QString& className, const QString& name, const QString& parent, QRect r,
                 std::optional<int> index) {
        Control c;
        c.className = className;
        c.name = name;
        c.index = index;
        c.parent = parent;
        c.geometry = r;
        m_Form.controls.push_back(std::move(c));
        return m_Form.controls.back();
    }
    Form& m_Form;
};

// A heading inside a page.
Control& Heading(Designer& d, const QString& name, const QString& page, QRect r,
                 const QString& caption) {
    return d.Label(name, page, r, caption)
        .Set(QStringLiteral("Font"), Font(kFace, 9.75, true))
        .Set(QStringLiteral("ForeColor"), Colour(0x1F, 0x3F, 0x7F));
}

// Shaped buttons in the outline of an arrow (120 x 48) and of a round badge
// (64 x 64), their captions in bold.
Control& ShapedArrow(Designer& d, const QString& name, const QString& page, QPoint at,
                     const QString& caption, double size) {
    return d.Button(name, page, QRect(at, QSize(120, 48)), ecAppearance::Shaped, caption)
        .Set(QStringLiteral("Picture"), Bitmap(QStringLiteral("arrow.png")))
        .Set(QStringLiteral("Font"), Font(kFace, size, true));
}
Control& ShapedBadge(Designer& d, const QString& name, const QString& page, QPoint at,
                     const QString& caption, double size) {
    return d.Button(name, page, QRect(at, QSize(64, 64)), ecAppearance::Shaped, caption)
        .Set(QStringLiteral("Picture"), Bitmap(QStringLiteral("badge.png")))
        .Set(QStringLiteral("Font"), Font(kFace, size, true));
}

// A landscape stretched over the whole button, a white shadowed caption on it.
Control& Stretched(Designer& d, const QString& name, const QString& page, QRect r,
                   std::int32_t appearance, const QString& caption) {
    return d.Button(name, page, r, appearance, caption)
        .Set(QStringLiteral("Picture"), Bitmap(QStringLiteral("landscape.png")))
        .Set(QStringLiteral("PictureStretch"), Boolean(true))
        .Set(QStringLiteral("ForeColor"), Colour(0xFF, 0xFF, 0xFF))
        .Set(QStringLiteral("CaptionEffect"), Number(ecCaptionEffect::Shadowed))
        .Set(QStringLiteral("CaptionEffectEvent"), Number(ecEvents::Always))
        .Set(QStringLiteral("Font"), Font(kFace, 11.25, true));
}

const QString kPages[] = {QStringLiteral("fraMain"), QStringLiteral("fraAppearance"),
                          QStringLiteral("fraMode"), QStringLiteral("fraPicture"),
                          QStringLiteral("fraFade"), QStringLiteral("fraToolTip"),
                          QStringLiteral("fraOther")};
const QString kPageCaptions[] = {QStringLiteral("Main info"), QStringLiteral("Appearance"),
                                 QStringLiteral("Mode"),      QStringLiteral("Picture"),
                                 QStringLiteral("Fade"),      QStringLiteral("ToolTip / Unicode"),
                                 QStringLiteral("Other")};
constexpr QRect kPageRect(8, 48, 784, 492);

void Navigation(Designer& d) {
    // widths that fit each caption in bold
    const int widths[] = {92, 100, 76, 80, 76, 136, 76};
    int x = 8;
    for (int i = 0; i < 7; ++i) {
        Control& c = d.Button(QStringLiteral("cmdNavigate"), {}, QRect(x, 8, widths[i], 32),
                              ecAppearance::Office2007, kPageCaptions[i], i);
        c.Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::Toggle))
            .Set(QStringLiteral("Font"), Font(kFace, 8.25, true));
        if (i == 4)  // "Fade" fades its caption from start-up
            c.Set(QStringLiteral("TextFadeToColor"), Colour(0xE0, 0x40, 0x00))
                .Set(QStringLiteral("TextFadeSpeed"), Number(12));
        x += widths[i] + 4;
    }
    Control& next = d.Button(QStringLiteral("cmdNav_Next"), {}, QRect(680, 8, 112, 32),
                             ecAppearance::Office2007, QStringLiteral("Next"));
    next.toolTipText = QStringLiteral("Click here to see more...");
    next.Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::DropDown))
        .Set(QStringLiteral("Font"), Font(kFace, 8.25, true))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("star-16.png")))
        .Set(QStringLiteral("DropDownWidth"), Number(20))
        .Set(QStringLiteral("ToolTipStyle"), Number(ecToolTipStyle::Balloon))
        .Set(QStringLiteral("ToolTipIcon"), Number(ecToolTipIcon::Info))
        .Set(QStringLiteral("ToolTipTitle"), Text(QStringLiteral("What's next ?")));
}

void MainPage(Designer& d) {
    const QString page = kPages[0];
    d.Label(QStringLiteral("lblInfo"), page, QRect(20, 28, 420, 120), QString())
        .Set(QStringLiteral("Font"), Font(kFace, 11.25, true))
        .Set(QStringLiteral("ForeColor"), Colour(0x1F, 0x3F, 0x7F));
    d.Label(QStringLiteral("lblHint"), page, QRect(20, 160, 420, 60),
            QStringLiteral("Every button on these pages is a Zorvane whose settings come from the "
                           "saved form. Choose a page with the buttons above, or with \"Next\" "
                           "and the arrow beside it."));
    d.Button(QStringLiteral("cmdWelcome"), page, QRect(470, 28, 290, 64), ecAppearance::VistaSunset,
             QStringLiteral("Ten looks, three modes"))
        .Set(QStringLiteral("Font"), Font(kFace, 12, true))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("globe.png")));
    d.Button(QStringLiteral("cmdPictures"), page, QRect(470, 104, 290, 48),
             ecAppearance::Office2007, QStringLiteral("Pictures with transparency"))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("star.png")))
        .Set(QStringLiteral("PictureOverEffect"), Number(ecPictureEffect::Lighter));
    d.Button(QStringLiteral("cmdGradient"), page, QRect(470, 164, 290, 48), ecAppearance::Gradient,
             QStringLiteral("Gradients and fading captions"))
        .Set(QStringLiteral("BackColor"), Colour(0xF0, 0x90, 0x30))
        .Set(QStringLiteral("ForeColor"), Colour(0xFF, 0xFF, 0xFF))
        .Set(QStringLiteral("TextFadeToColor"), Colour(0x40, 0x10, 0x00))
        .Set(QStringLiteral("TextFadeEvents"), Number(ecEvents::OnMouseOver))
        .Set(QStringLiteral("Font"), Font(kFace, 9.75, true));
    ShapedArrow(d, QStringLiteral("cmdShaped"), page, QPoint(470, 232), QStringLiteral("Shaped"),
                8.25);
    ShapedBadge(d, QStringLiteral("cmdBadge"), page, QPoint(620, 224), QStringLiteral("5.16"),
                9.75);
}

void AppearancePage(Designer& d) {
    const QString page = kPages[1];
    Heading(d, QStringLiteral("lblStyles"), page, QRect(16, 24, 740, 18),
            QStringLiteral(
                "Styles of their own colours (flat and Explorer XP show a border on mouse over)"));
    struct Plain {
        const char* name;
        std::int32_t appearance;
        const char* caption;
    };
    const Plain plain[] = {{"cmdStyle3d", ecAppearance::ThreeD, "3d"},
                           {"cmdStyleFlat", ecAppearance::Flat, "flat"},
                           {"cmdStyleExplorer", ecAppearance::ExplorerXP, "Explorer XP"}};
    int x = 16;
    for (const Plain& p : plain) {
        d.Button(QString::fromLatin1(p.name), page, QRect(x, 46, 180, 32), p.appearance,
                 QString::fromLatin1(p.caption));
        x += 188;
    }
    struct GradientStyle {
        std::int32_t type;
        const char* caption;
        int r, g, b;
        bool lightText;
    };
    const GradientStyle gradients[] = {
        {ecGradientType::ColorTowardsDark, "Gradient: colour to dark", 0x50, 0x90, 0xE0, true},
        {ecGradientType::DarkTowardsColor, "Gradient: dark to colour", 0x50, 0xB0, 0x50, true},
        {ecGradientType::ColorTowardsLight, "Gradient: colour to light", 0xE0, 0x60, 0x60, false},
        {ecGradientType::LightTowardsColor, "Gradient: light to colour", 0xB0, 0x70, 0xE0, false}};
    x = 16;
    for (const GradientStyle& g : gradients) {
        Control& c =
            d.Button(QStringLiteral("cmdGradient%1").arg(g.type), page, QRect(x, 86, 180, 32),
                     ecAppearance::Gradient, QString::fromLatin1(g.caption));
        c.Set(QStringLiteral("BackColor"), Colour(g.r, g.g, g.b))
            .Set(QStringLiteral("GradientType"), Number(g.type));
        if (g.lightText) c.Set(QStringLiteral("ForeColor"), Colour(0xFF, 0xFF, 0xFF));
        x += 188;
    }

    Heading(d, QStringLiteral("lblThemes"), page, QRect(16, 134, 740, 18),
            QStringLiteral("Styles in each colour theme (AppearanceThemes)"));
    struct Themed {
        const char* name;
        std::int32_t appearance;
        const char* caption;
    };
    const Themed themed[] = {{"XP", ecAppearance::WindowsXP, "Windows XP"},
                             {"Office2003", ecAppearance::Office2003, "Office 2003"},
                             {"Office2007", ecAppearance::Office2007, "Office 2007"},
                             {"Sunrise", ecAppearance::VistaSunrise, "Vista Sunrise"},
                             {"Sunset", ecAppearance::VistaSunset, "Vista Sunset"}};
    const char* themes[] = {"blue", "olive", "silver", "royal", "black"};
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col) {
            const Themed& t = themed[col];
            d.Button(QStringLiteral("cmdTheme%1_%2").arg(QString::fromLatin1(t.name)).arg(row),
                     page, QRect(16 + col * 152, 156 + row * 40, 144, 32), t.appearance,
                     QStringLiteral("%1 %2").arg(QString::fromLatin1(t.caption),
                                                 QString::fromLatin1(themes[row])))
                .Set(QStringLiteral("AppearanceThemes"), Number(ecAppearanceThemes::Blue + row));
        }

    Heading(d, QStringLiteral("lblShaped"), page, QRect(16, 374, 600, 18),
            QStringLiteral("Shaped: the button takes the outline of its picture"));
    ShapedArrow(d, QStringLiteral("cmdShapedArrow"), page, QPoint(16, 400), QStringLiteral("Go"),
                9.75);
    ShapedBadge(d, QStringLiteral("cmdShapedBadge"), page, QPoint(160, 392), QStringLiteral("OK"),
                9.75);
}

void ModePage(Designer& d) {
    const QString page = kPages[2];
    Heading(d, QStringLiteral("lblStandard"), page, QRect(16, 24, 600, 18),
            QStringLiteral("Standard Mode: a push button"));
    d.Button(QStringLiteral("cmdStandard"), page, QRect(16, 46, 180, 36), ecAppearance::WindowsXP,
             QStringLiteral("Standard button"));
    d.Button(QStringLiteral("cmdStandard3d"), page, QRect(208, 46, 180, 36), ecAppearance::ThreeD,
             QStringLiteral("&Access key"));

    Heading(d, QStringLiteral("lblToggle"), page, QRect(16, 100, 600, 18),
            QStringLiteral("Toggle Mode: on and off (ToggleValue)"));
    d.Button(QStringLiteral("cmdToggleOn"), page, QRect(16, 122, 180, 36),
             ecAppearance::VistaSunrise, QStringLiteral("Toggle, now on"))
        .Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::Toggle))
        .Set(QStringLiteral("ToggleValue"), Boolean(true));
    d.Button(QStringLiteral("cmdToggleOff"), page, QRect(208, 122, 180, 36), ecAppearance::Flat,
             QStringLiteral("Toggle, now off"))
        .Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::Toggle));
    d.Button(QStringLiteral("cmdToggleOffice"), page, QRect(400, 122, 180, 36),
             ecAppearance::Office2003, QStringLiteral("Toggle, Office 2003"))
        .Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::Toggle))
        .Set(QStringLiteral("ToggleValue"), Boolean(true));

    Heading(d, QStringLiteral("lblDropDown"), page, QRect(16, 176, 700, 18),
            QStringLiteral("DropDown Mode: the zone at the right edge opens a menu"));
    d.Button(QStringLiteral("cmdDropDown"), page, QRect(16, 198, 180, 36),
             ecAppearance::VistaSunset, QStringLiteral("Vista Sunset"), 0)
        .Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::DropDown));
    d.Button(QStringLiteral("cmdDropDown"), page, QRect(208, 198, 240, 56),
             ecAppearance::Office2007, QStringLiteral("Customize size && icon"), 1)
        .Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::DropDown))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("star.png")))
        .Set(QStringLiteral("DropDownPicture"), Icon(QStringLiteral("triangle.png")))
        .Set(QStringLiteral("DropDownWidth"), Number(28))
        .Set(QStringLiteral("Font"), Font(kFace, 9.75, true));
    d.Button(QStringLiteral("cmdDropDown"), page, QRect(16, 266, 180, 36), ecAppearance::ExplorerXP,
             QStringLiteral("Explorer custom"), 2)
        .Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::DropDown))
        .Set(QStringLiteral("BackColor"), Colour(0xF4, 0xF0, 0xE0))
        .Set(QStringLiteral("BackColorOver"), Colour(0xFF, 0xF0, 0xC0))
        .Set(QStringLiteral("BorderColor"), Colour(0xB0, 0x80, 0x30))
        .Set(QStringLiteral("BorderDrawEvent"), Number(ecEvents::Always))
        .Set(QStringLiteral("DropDownWidth"), Number(22));
    d.Button(QStringLiteral("cmdDropDown"), page, QRect(208, 266, 240, 36),
             ecAppearance::VistaSunrise, QStringLiteral("Vista Sunrise"), 3)
        .Set(QStringLiteral("AppearanceMode"), Number(ecAppearanceMode::DropDown));
    d.Label(
        QStringLiteral("lblModeHint"), page, QRect(16, 320, 700, 40),
        QStringLiteral("A click on the arrow of a drop-down button raises DropDownClick instead "
                       "of Click; these four open a test menu there."));
}

void PicturePage(Designer& d) {
    const QString page = kPages[3];
    Heading(d, QStringLiteral("lblPlacement"), page, QRect(16, 24, 700, 18),
            QStringLiteral("Placement: alignment, caption position, offsets, stretch"));
    const QString disc = QStringLiteral("disc.png");
    d.Button(QStringLiteral("cmdPicLeft"), page, QRect(16, 46, 240, 48), ecAppearance::WindowsXP,
             QStringLiteral("Picture left, caption right"))
        .Set(QStringLiteral("Picture"), Bitmap(disc));
    d.Button(QStringLiteral("cmdPicTop"), page, QRect(272, 46, 240, 64), ecAppearance::Office2003,
             QStringLiteral("Picture on top"))
        .Set(QStringLiteral("Picture"), Bitmap(disc))
        .Set(QStringLiteral("PictureAlignment"), Number(ecAlignment::TopCenter))
        .Set(QStringLiteral("CaptionPosition"), Number(ecCaptionPos::BottomOfPicture))
        .Set(QStringLiteral("PictureOffsetY"), Number(4));
    d.Button(QStringLiteral("cmdPicRight"), page, QRect(528, 46, 240, 48),
             ecAppearance::VistaSunrise, QStringLiteral("Picture right, caption left"))
        .Set(QStringLiteral("Picture"), Bitmap(disc))
        .Set(QStringLiteral("PictureAlignment"), Number(ecAlignment::MiddleRight))
        .Set(QStringLiteral("CaptionPosition"), Number(ecCaptionPos::LeftOfPicture));
    d.Button(QStringLiteral("cmdPicOffset"), page, QRect(16, 122, 240, 48), ecAppearance::ThreeD,
             QStringLiteral("Picture moved 16, 6"))
        .Set(QStringLiteral("Picture"), Bitmap(disc))
        .Set(QStringLiteral("PictureAlignment"), Number(ecAlignment::TopLeft))
        .Set(QStringLiteral("PictureOffsetX"), Number(16))
        .Set(QStringLiteral("PictureOffsetY"), Number(6));
    d.Button(QStringLiteral("cmdPicAbove"), page, QRect(272, 122, 240, 48),
             ecAppearance::Office2007, QStringLiteral("Caption over the picture"))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("globe.png")))
        .Set(QStringLiteral("PictureAlignment"), Number(ecAlignment::MiddleCenter))
        .Set(QStringLiteral("CaptionPosition"), Number(ecCaptionPos::AbovePicture))
        .Set(QStringLiteral("Font"), Font(kFace, 9.75, true));
    Stretched(d, QStringLiteral("cmdPicStretch"), page, QRect(528, 122, 240, 48),
              ecAppearance::ThreeD, QStringLiteral("Stretched picture"));

    Heading(d, QStringLiteral("lblEffects"), page, QRect(16, 190, 700, 18),
            QStringLiteral("Pictures derived automatically: grey, lighter, darker"));
    struct Effect {
        const char* name;
        std::int32_t effect;
        const char* caption;
    };
    const Effect effects[] = {{"cmdPicGrey", ecPictureEffect::Gray, "Grey (disabled)"},
                              {"cmdPicLighter", ecPictureEffect::Lighter, "Lighter (disabled)"},
                              {"cmdPicDarker", ecPictureEffect::Darkness, "Darker (disabled)"}};
    int x = 16;
    for (const Effect& e : effects) {
        d.Button(QString::fromLatin1(e.name), page, QRect(x, 212, 180, 48), ecAppearance::WindowsXP,
                 QString::fromLatin1(e.caption))
            .Set(QStringLiteral("Picture"), Bitmap(disc))
            .Set(QStringLiteral("PictureDisabledEffect"), Number(e.effect))
            .Set(QStringLiteral("Enabled"), Boolean(false));
        x += 188;
    }
    d.Button(QStringLiteral("cmdPicStates"), page, QRect(x, 212, 204, 48), ecAppearance::WindowsXP,
             QStringLiteral("Lighter over, darker down"))
        .Set(QStringLiteral("Picture"), Bitmap(disc))
        .Set(QStringLiteral("PictureOverEffect"), Number(ecPictureEffect::Lighter))
        .Set(QStringLiteral("PictureDownEffect"), Number(ecPictureEffect::Darkness))
        .Set(QStringLiteral("PictureFocusEffect"), Number(ecPictureEffect::Gray));

    Heading(d, QStringLiteral("lblIcons"), page, QRect(16, 280, 700, 18),
            QStringLiteral("Icons with transparency, and Shaped buttons"));
    d.Button(QStringLiteral("cmdIconGradient"), page, QRect(16, 302, 180, 48),
             ecAppearance::Gradient, QStringLiteral("Icon on a gradient"))
        .Set(QStringLiteral("BackColor"), Colour(0x50, 0x80, 0xD0))
        .Set(QStringLiteral("ForeColor"), Colour(0xFF, 0xFF, 0xFF))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("star.png")));
    d.Button(QStringLiteral("cmdIconSunset"), page, QRect(204, 302, 180, 48),
             ecAppearance::VistaSunset, QStringLiteral("Icon, Vista Sunset"))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("globe.png")));
    ShapedArrow(d, QStringLiteral("cmdPicArrow"), page, QPoint(412, 302), QStringLiteral("Shaped"),
                8.25);
    ShapedBadge(d, QStringLiteral("cmdPicBadge"), page, QPoint(560, 294), QStringLiteral("Round"),
                8.25);
}

void FadePage(Designer& d) {
    const QString page = kPages[4];
    d.Label(QStringLiteral("lblFade"), page, QRect(16, 24, 740, 36),
            QStringLiteral(
                "The caption's colour pulses between ForeColor and TextFadeToColor: "
                "started by the program (TextFade_Start), or on an event (TextFadeEvents), "
                "for a number of cycles (TextFadeCycle, 0 for ever) at a speed (TextFadeSpeed)."));
    d.Button(QStringLiteral("buttonFade"), page, QRect(16, 70, 360, 64), ecAppearance::VistaSunset,
             QStringLiteral("Text fade, started at start-up"))
        .Set(QStringLiteral("Font"), Font(kFace, 12, true))
        .Set(QStringLiteral("TextFadeToColor"), Colour(0xD0, 0x10, 0x10))
        .Set(QStringLiteral("TextFadeSpeed"), Number(40));
    struct Fade {
        const char* name;
        std::int32_t appearance;
        std::int32_t events;
        int cycles, speed;
        const char* caption;
    };
    const Fade fades[] = {
        {"cmdFadeOver", ecAppearance::Office2007, ecEvents::OnMouseOver, 0, 10,
         "Fades while the mouse is over"},
        {"cmdFadeFocus", ecAppearance::WindowsXP, ecEvents::OnFocus, 0, 10,
         "Fades while it has the focus"},
        {"cmdFadeClick", ecAppearance::Office2003, ecEvents::OnClick, 0, 4, "Fades while pressed"},
        {"cmdFadeCycles", ecAppearance::Gradient, ecEvents::OnFocusOrMouseOver, 3, 30,
         "Three slow cycles on focus or mouse over"}};
    int y = 150;
    for (const Fade& f : fades) {
        Control& c = d.Button(QString::fromLatin1(f.name), page, QRect(16, y, 360, 40),
                              f.appearance, QString::fromLatin1(f.caption));
        c.Set(QStringLiteral("TextFadeEvents"), Number(f.events))
            .Set(QStringLiteral("TextFadeCycle"), Number(f.cycles))
            .Set(QStringLiteral("TextFadeSpeed"), Number(f.speed))
            .Set(QStringLiteral("TextFadeToColor"), Colour(0x00, 0x90, 0x20));
        if (f.appearance == ecAppearance::Gradient)
            c.Set(QStringLiteral("BackColor"), Colour(0xB0, 0xD0, 0xF0));
        y += 48;
    }

    Heading(d, QStringLiteral("lblFadeSpeeds"), page, QRect(400, 70, 360, 18),
            QStringLiteral("Speeds and colours, on mouse over"));
    struct Speed {
        const char* name;
        std::int32_t appearance;
        int speed;
        int r, g, b;
        const char* caption;
    };
    const Speed speeds[] = {
        {"cmdFadeFast", ecAppearance::VistaSunrise, 1, 0xFF, 0x00, 0x00, "Fast, to red (speed 1)"},
        {"cmdFadeMedium", ecAppearance::Office2003, 10, 0x00, 0x80, 0x00,
         "Medium, to green (speed 10)"},
        {"cmdFadeSlow", ecAppearance::WindowsXP, 40, 0x00, 0x40, 0xFF, "Slow, to blue (speed 40)"}};
    y = 94;
    for (const Speed& sp : speeds) {
        d.Button(QString::fromLatin1(sp.name), page, QRect(400, y, 360, 40), sp.appearance,
                 QString::fromLatin1(sp.caption))
            .Set(QStringLiteral("TextFadeEvents"), Number(ecEvents::OnMouseOver))
            .Set(QStringLiteral("TextFadeSpeed"), Number(sp.speed))
            .Set(QStringLiteral("TextFadeToColor"), Colour(sp.r, sp.g, sp.b))
            .Set(QStringLiteral("Font"), Font(kFace, 9.75, true));
        y += 48;
    }
    d.Button(QStringLiteral("cmdFadeWhite"), page, QRect(400, y, 360, 40), ecAppearance::Gradient,
             QStringLiteral("Into white, on a dark gradient"))
        .Set(QStringLiteral("BackColor"), Colour(0x30, 0x50, 0x90))
        .Set(QStringLiteral("ForeColor"), Colour(0xFF, 0xD0, 0x60))
        .Set(QStringLiteral("TextFadeToColor"), Colour(0xFF, 0xFF, 0xFF))
        .Set(QStringLiteral("TextFadeEvents"), Number(ecEvents::OnMouseOver))
        .Set(QStringLiteral("Font"), Font(kFace, 9.75, true));
}

void ToolTipPage(Designer& d) {
    const QString page = kPages[5];
    Heading(d, QStringLiteral("lblToolTips"), page, QRect(16, 24, 360, 18),
            QStringLiteral("Tooltips: rest the mouse on a button"));
    struct Tip {
        const char* name;
        std::int32_t style, icon;
        const char* title;
        const char* caption;
        const char* text;
    };
    const Tip tips[] = {
        {"cmdTipClassic", ecToolTipStyle::Classic, ecToolTipIcon::None, "", "Classic tooltip",
         "The container's own tooltip"},
        {"cmdTipBalloon", ecToolTipStyle::Balloon, ecToolTipIcon::Info, "Balloon",
         "Balloon, information icon", "A balloon with a title and the information icon"},
        {"cmdTipRectangle", ecToolTipStyle::Rectangular, ecToolTipIcon::Warning, "Rectangular",
         "Rectangular, warning icon", "A rectangular tip with the warning icon"},
        {"cmdTipError", ecToolTipStyle::Balloon, ecToolTipIcon::Error, "Something went wrong",
         "Balloon, error icon", "A balloon with the error icon"},
        {"cmdTipNoIcon", ecToolTipStyle::Rectangular, ecToolTipIcon::None, "A title only",
         "Title without an icon", "A title and no icon"}};
    int y = 46;
    for (const Tip& t : tips) {
        Control& c = d.Button(QString::fromLatin1(t.name), page, QRect(16, y, 340, 36),
                              ecAppearance::WindowsXP, QString::fromLatin1(t.caption));
        c.toolTipText = QString::fromLatin1(t.text);
        c.Set(QStringLiteral("ToolTipStyle"), Number(t.style))
            .Set(QStringLiteral("ToolTipIcon"), Number(t.icon))
            .Set(QStringLiteral("ToolTipTitle"), Text(QString::fromLatin1(t.title)));
        y += 44;
    }
    Control& coloured =
        d.Button(QStringLiteral("cmdTipColours"), page, QRect(16, y, 340, 36),
                 ecAppearance::WindowsXP, QStringLiteral("Tooltip in colours of its own"));
    coloured.toolTipText = QStringLiteral("White on dark blue");
    coloured.Set(QStringLiteral("ToolTipStyle"), Number(ecToolTipStyle::Balloon))
        .Set(QStringLiteral("ToolTipIcon"), Number(ecToolTipIcon::Info))
        .Set(QStringLiteral("ToolTipTitle"), Text(QStringLiteral("Colours")))
        .Set(QStringLiteral("ToolTipBackColor"), Colour(0x20, 0x30, 0x70))
        .Set(QStringLiteral("ToolTipForeColor"), Colour(0xFF, 0xFF, 0xFF));

    Heading(d, QStringLiteral("lblUnicode"), page, QRect(400, 24, 360, 18),
            QStringLiteral("Unicode captions"));
    struct Language {
        const char* name;
        std::int32_t appearance;
        const char* caption;
    };
    const Language languages[] = {{"cmdUnicode_Thai", ecAppearance::Office2007, "Thai"},
                                  {"cmdUnicode_Hebrew", ecAppearance::VistaSunset, "Hebrew"},
                                  {"cmdUnicode_Russian", ecAppearance::Office2003, "Russian"},
                                  {"cmdUnicode_Greek", ecAppearance::Gradient, "Greek"}};
    y = 46;
    for (const Language& l : languages) {
        Control& c = d.Button(QString::fromLatin1(l.name), page, QRect(400, y, 360, 48),
                              l.appearance, QString::fromLatin1(l.caption));
        c.Set(QStringLiteral("Font"), Font(kFace, 14.25, true));
        if (l.appearance == ecAppearance::Gradient)
            c.Set(QStringLiteral("BackColor"), Colour(0x90, 0xC0, 0xF0))
                .Set(QStringLiteral("GradientType"), Number(ecGradientType::ColorTowardsLight));
        if (QLatin1String(l.caption) == QLatin1String("Hebrew"))
            c.Set(QStringLiteral("RightToLeft"), Boolean(true));
        y += 56;
    }
}

void OtherPage(Designer& d) {
    const QString page = kPages[6];
    d.Label(QStringLiteral("lblOther"), page, QRect(16, 24, 752, 124), QString());
    const int top = 160;
    // per-state colours
    d.Button(QStringLiteral("cmdStateColours"), page, QRect(16, top, 240, 40), ecAppearance::Flat,
             QStringLiteral("Colours for each state"))
        .Set(QStringLiteral("BackColor"), Colour(0xE8, 0xF0, 0xFF))
        .Set(QStringLiteral("BackColorOver"), Colour(0xFF, 0xE8, 0xA0))
        .Set(QStringLiteral("BackColorDown"), Colour(0xFF, 0xB0, 0x60))
        .Set(QStringLiteral("BackColorFocus"), Colour(0xD0, 0xF0, 0xD0))
        .Set(QStringLiteral("ForeColor"), Colour(0x00, 0x30, 0x90))
        .Set(QStringLiteral("ForeColorOver"), Colour(0xA0, 0x40, 0x00))
        .Set(QStringLiteral("ForeColorDown"), Colour(0xFF, 0xFF, 0xFF))
        .Set(QStringLiteral("ForeColorFocus"), Colour(0x00, 0x70, 0x00));
    d.Button(QStringLiteral("cmdDisabledColours"), page, QRect(272, top, 240, 40),
             ecAppearance::Flat, QStringLiteral("Disabled, in colours of its own"))
        .Set(QStringLiteral("BackColorDisabled"), Colour(0xE0, 0xE0, 0xE0))
        .Set(QStringLiteral("ForeColorDisabled"), Colour(0xA0, 0x60, 0x60))
        .Set(QStringLiteral("Enabled"), Boolean(false));
    d.Button(QStringLiteral("cmdFocusRect"), page, QRect(528, top, 240, 40), ecAppearance::ThreeD,
             QStringLiteral("Focus rectangle shown"))
        .Set(QStringLiteral("ShowFocus"), Boolean(true));
    // caption effects
    struct CaptionStyle {
        const char* name;
        std::int32_t effect, event;
        const char* caption;
    };
    const CaptionStyle captions[] = {
        {"cmdShadowed", ecCaptionEffect::Shadowed, ecEvents::Always, "Shadowed caption"},
        {"cmdEmbossed", ecCaptionEffect::Embossed, ecEvents::Always, "Embossed caption"},
        {"cmdEngraved", ecCaptionEffect::Engraved, ecEvents::OnFocusOrMouseOver,
         "Engraved on focus or mouse over"}};
    int x = 16;
    for (const CaptionStyle& c : captions) {
        d.Button(QString::fromLatin1(c.name), page, QRect(x, top + 52, 240, 40),
                 ecAppearance::Office2003, QString::fromLatin1(c.caption))
            .Set(QStringLiteral("CaptionEffect"), Number(c.effect))
            .Set(QStringLiteral("CaptionEffectEvent"), Number(c.event))
            .Set(QStringLiteral("Font"), Font(kFace, 9.75, true));
        x += 256;
    }
    // borders
    d.Button(QStringLiteral("cmdBorderWide"), page, QRect(16, top + 104, 240, 40),
             ecAppearance::Flat, QStringLiteral("Border 3 pixels wide"))
        .Set(QStringLiteral("BorderColor"), Colour(0xC0, 0x30, 0x30))
        .Set(QStringLiteral("BorderWidth"), Number(3))
        .Set(QStringLiteral("BorderDrawEvent"), Number(ecEvents::Always));
    d.Button(QStringLiteral("cmdBorderOver"), page, QRect(272, top + 104, 240, 40),
             ecAppearance::Flat, QStringLiteral("Border on mouse over"))
        .Set(QStringLiteral("BorderColor"), Colour(0x20, 0x60, 0xC0))
        .Set(QStringLiteral("BorderWidth"), Number(2))
        .Set(QStringLiteral("BorderDrawEvent"), Number(ecEvents::OnMouseOver));
    d.Button(QStringLiteral("cmdBorder3d"), page, QRect(528, top + 104, 240, 40),
             ecAppearance::ThreeD, QStringLiteral("3d border, 2 pixels"))
        .Set(QStringLiteral("BorderWidth"), Number(2));
    // positions and movement
    d.Button(QStringLiteral("cmdCaptionOffset"), page, QRect(16, top + 156, 240, 48),
             ecAppearance::WindowsXP, QStringLiteral("Caption 24 pixels in"))
        .Set(QStringLiteral("CaptionAlignment"), Number(ecAlignment::MiddleLeft))
        .Set(QStringLiteral("CaptionOffsetX"), Number(24));
    d.Button(QStringLiteral("cmdDepth"), page, QRect(272, top + 156, 240, 48),
             ecAppearance::Office2007, QStringLiteral("Moves 4 pixels when clicked"))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("star.png")))
        .Set(QStringLiteral("Depth"), Number(4))
        .Set(QStringLiteral("DepthEvent"), Number(ecEvents::OnClick));
    d.Button(QStringLiteral("cmdDepthOver"), page, QRect(528, top + 156, 240, 48),
             ecAppearance::VistaSunrise, QStringLiteral("Picture moves on mouse over"))
        .Set(QStringLiteral("Picture"), Icon(QStringLiteral("globe.png")))
        .Set(QStringLiteral("Depth"), Number(3))
        .Set(QStringLiteral("DepthMode"), Number(ecDepthMode::OnlyPicture))
        .Set(QStringLiteral("DepthEvent"), Number(ecEvents::OnMouseOver));
    Stretched(d, QStringLiteral("cmdStretch"), page, QRect(16, top + 216, 240, 64),
              ecAppearance::Flat, QStringLiteral("Stretched to fit"));
    d.Button(QStringLiteral("cmdNoFocus"), page, QRect(272, top + 216, 240, 64),
             ecAppearance::ThreeD, QStringLiteral("No focus rectangle"))
        .Set(QStringLiteral("ShowFocus"), Boolean(false));
    d.Button(QStringLiteral("cmdAlignTopLeft"), page, QRect(528, top + 216, 240, 64),
             ecAppearance::Office2003, QStringLiteral("Caption at top left"))
        .Set(QStringLiteral("CaptionAlignment"), Number(ecAlignment::TopLeft))
        .Set(QStringLiteral("CaptionOffsetX"), Number(6))
        .Set(QStringLiteral("CaptionOffsetY"), Number(4));
}

}  // namespace

Form MainForm() {
    Form form;
    vemmix::host::FormSettings& s = form.settings;
    s.name = QStringLiteral("frmMain");
    s.title = QStringLiteral("Vemmix \u2014 DemoVemmix");
    s.width = 800;
    s.height = 548;
    // A colour of its own rather than the desktop's button face: the
    // buttons keep it as their TransparentColor, so corners outside a
    // rounded face match the form on every desktop.
    s.backColor = 0x00F0F0F0;
    s.font.name = kFace;
    s.font.size = 8.25;
    s.visualStyle.name = QStringLiteral("blue");
    s.defaultControl = QStringLiteral("cmdNav_Next");

    form.controls.reserve(128);
    Designer d(form);
    Navigation(d);
    for (int i = 0; i < 7; ++i) d.Frame(kPages[i], kPageCaptions[i], kPageRect);
    MainPage(d);
    AppearancePage(d);
    ModePage(d);
    PicturePage(d);
    FadePage(d);
    ToolTipPage(d);
    OtherPage(d);

    using vemmix::host::FormMenu;
    using vemmix::host::MenuItem;
    FormMenu nav{QStringLiteral("MNav"), QStringLiteral("Navigate"), {}};
    const char* items[] = {"Main Info", "Appearance", "Mode", "Picture", "Fade", "Other", "Quit"};
    for (int i = 0; i < 7; ++i)
        nav.items.push_back({QStringLiteral("MNav_"), i, QString::fromLatin1(items[i])});
    FormMenu test{QStringLiteral("MTest"), QStringLiteral("demo"), {}};
    for (int i = 1; i <= 3; ++i)
        test.items.push_back({QStringLiteral("MTest_Item%1").arg(i), std::nullopt,
                              QStringLiteral("menu item %1").arg(i)});
    form.menus = {nav, test};
    return form;
}

}  // namespace demo::design
