// The Button widget: one control on a form of its own, its properties and
// events in Qt's terms.
#include <vemmix/qt/Button.h>

#include <algorithm>
#include <array>
#include <stdexcept>

#include <QEvent>
#include <QFontMetrics>
#include <QImage>

#include <vemmix/Dispatch.h>
#include <vemmix/Errors.h>
#include <vemmix/host/FormControls.h>
#include <vemmix/host/Pictures.h>
#include <vemmix/qt/ControlWindow.h>

#include "ButtonForm.h"
#include "ControlProperties.h"

namespace vemmix::qt {

// ---- colours -------------------------------------------------------------------------

QColor ColorFromOle(OleColor colour) {
    if (colour == -1) return QColor();
    const auto v = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF), 255 - static_cast<int>(v >> 24));
}

OleColor OleFromColor(const QColor& colour) {
    if (!colour.isValid()) return -1;
    const QColor rgb = colour.toRgb();
    const auto high = static_cast<std::uint32_t>(255 - rgb.alpha());
    return static_cast<OleColor>(high << 24 | static_cast<std::uint32_t>(rgb.blue()) << 16 |
                                 static_cast<std::uint32_t>(rgb.green()) << 8 |
                                 static_cast<std::uint32_t>(rgb.red()));
}

namespace {

// ---- values between the control and Qt -----------------------------------------------

Variant Read(Control& control, std::u16string_view name) {
    Variant value;
    GetProperty(control, name, value);
    return value;
}

QColor ColorProperty(Control& control, std::u16string_view name) {
    return ColorFromOle(IntegerProperty(control, name));
}

PictureRef PictureProperty(Control& control, std::u16string_view name) {
    return ToPicture(Read(control, name)).value_or(nullptr);
}

// A picture Qt cannot show (a metafile) reads as a null pixmap.
QPixmap PixmapProperty(Control& control, std::u16string_view name) {
    const PictureRef picture = PictureProperty(control, name);
    if (!picture) return {};
    const QImage image = host::ImageFromPicture(*picture);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

// Its HIMETRIC size follows from the image's resolution, 96 dpi without one.
PictureRef PictureOf(const QPixmap& pixmap) {
    if (pixmap.isNull()) return nullptr;
    const QImage image = pixmap.toImage();
    const auto dpi = [](int dotsPerMeter) {
        return dotsPerMeter > 0 ? qRound(dotsPerMeter * 0.0254) : 96;
    };
    return host::PictureFromImage(image, image.hasAlphaChannel(), dpi(image.dotsPerMeterX()),
                                  dpi(image.dotsPerMeterY()));
}

FontDescription DescriptionOf(const QFont& font, std::int16_t charset, int dpi) {
    FontDescription d;
    d.name = font.family().toStdU16String();
    d.size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / dpi;
    d.bold = font.bold();
    d.italic = font.italic();
    d.underline = font.underline();
    d.strikethrough = font.strikeOut();
    d.charset = charset;
    return d;
}

QFont QFontOf(const FontDescription& d) {
    QFont font(QString::fromStdU16String(d.name));
    font.setPointSizeF(d.size);
    font.setBold(d.bold);
    font.setItalic(d.italic);
    font.setUnderline(d.underline);
    font.setStrikeOut(d.strikethrough);
    return font;
}

FontRef FontProperty(Control& control) { return ToFont(Read(control, u"Font")).value_or(nullptr); }

// ---- event arguments -----------------------------------------------------------------

// The arguments of an event as the values a slot writes through, put back
// into the Variants the control reads once the slots have run.
class EventArguments {
public:
    explicit EventArguments(std::span<Variant> args) : m_Args(args) {}
    ~EventArguments() {
        for (std::size_t i = 0; i < std::min(m_Args.size(), m_Slots.size()); ++i) {
            Slot& s = m_Slots[i];
            switch (s.kind) {
            case Kind::None: break;
            case Kind::Int16: m_Args[i] = Variant(s.int16); break;
            case Kind::Int32: m_Args[i] = Variant(s.int32); break;
            case Kind::Single: m_Args[i] = Variant(s.single); break;
            case Kind::Bool: m_Args[i] = Variant(s.boolean); break;
            case Kind::Data: m_Args[i] = Variant(s.data); break;
            }
        }
    }
    EventArguments(const EventArguments&) = delete;
    EventArguments& operator=(const EventArguments&) = delete;

    qint16* Int16(std::size_t i) {
        Slot& s = Take(i, Kind::Int16);
        s.int16 = ToInt16(Arg(i)).value_or(0);
        return &s.int16;
    }
    qint32* Int32(std::size_t i) {
        Slot& s = Take(i, Kind::Int32);
        s.int32 = ToInt32(Arg(i)).value_or(0);
        return &s.int32;
    }
    float* Single(std::size_t i) {
        Slot& s = Take(i, Kind::Single);
        s.single = ToSingle(Arg(i)).value_or(0.0f);
        return &s.single;
    }
    bool* Bool(std::size_t i) {
        Slot& s = Take(i, Kind::Bool);
        s.boolean = ToBool(Arg(i)).value_or(kFalse) != kFalse;
        return &s.boolean;
    }
    DataObjectRef* Data(std::size_t i) {
        Slot& s = Take(i, Kind::Data);
        s.data = ToDataObject(Arg(i)).value_or(nullptr);
        return &s.data;
    }

private:
    enum class Kind : std::uint8_t { None, Int16, Int32, Single, Bool, Data };
    struct Slot {
        Kind kind = Kind::None;
        qint16 int16 = 0;
        qint32 int32 = 0;
        float single = 0;
        bool boolean = false;
        DataObjectRef data;
    };

    // An argument the control did not pass reads as Empty and is not put back.
    Variant Arg(std::size_t i) const { return i < m_Args.size() ? m_Args[i] : Variant(); }
    Slot& Take(std::size_t i, Kind kind) {
        Slot& s = m_Slots[std::min(i, m_Slots.size() - 1)];
        s.kind = kind;
        return s;
    }

    std::span<Variant> m_Args;
    std::array<Slot, 7> m_Slots;  // OLEDragOver has the most
};

// Sizes of sizeHint, in pixels: the space around the content inside the
// border, the space between caption and picture, and a push button's
// smallest size when it has a caption.
constexpr int kPaddingX = 6, kPaddingY = 3, kGap = 4, kMinimumWidth = 75, kMinimumHeight = 23;

}  // namespace

// ---- the widget ---------------------------------------------------------------------------

Button::Button(QWidget* parent)
    : QWidget(parent), m_Form(new ButtonForm(this)), m_Pictures(std::make_shared<host::PictureSources>()) {
    m_Form->onEvent = [this](ControlWindow&, std::int32_t dispid, std::span<Variant> args) {
        return Raise(dispid, args);
    };
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed, QSizePolicy::PushButton));
    MakeWindow(host::PropertySet(), nullptr);
}

Button::Button(const QString& caption, QWidget* parent) : Button(parent) { setCaption(caption); }

// The control ends while the button is whole, and raises nothing into it
// any more.
Button::~Button() {
    m_Form->onEvent = nullptr;
    disconnect(m_Window, nullptr, this, nullptr);
    delete m_Form;
}

void Button::MakeWindow(const host::PropertySet& set, QStringList* problems) {
    const bool hadFocus = m_Window && m_Window->hasFocus();
    if (m_Window) m_Form->RemoveControl(*m_Window);
    m_Window = nullptr;
    // the widget's font is the ambient font, which a set without Font takes
    m_Form->setAmbientFont(DescriptionOf(font(), 0, logicalDpiY()));

    // The display name is empty: a new button's caption is empty.
    std::int32_t error = errors::kNone;
    m_Window = m_Form->AddControl(u"Vemmix.Zorvane", QString(), m_Form->rect(), nullptr, &error);
    if (!m_Window)
        throw std::runtime_error("cannot create Vemmix.Zorvane (error " + std::to_string(error) + ")");
    host::ReadControlProperties(*m_Window->control(), set, m_Pictures, QStringLiteral("button"),
                                problems);
    connect(m_Window, &ControlWindow::propertyChanged, this, &Button::ControlPropertyChanged);
    connect(m_Window, &ControlWindow::statesChanged, this, &Button::StatesChanged);
    m_Window->setToolTipText(toolTip());
    setFocusProxy(m_Window);
    m_Window->show();
    if (hadFocus) m_Window->setFocus(Qt::OtherFocusReason);

    // what the set says of the widget's own properties
    m_Syncing = true;
    if (const FontRef font = FontProperty(*m_Window->control()))
        if (DescriptionOf(this->font(), font->Charset(), logicalDpiY()) != font->Description())
            setFont(QFontOf(font->Description()));
    if (m_Window->testAttribute(Qt::WA_ForceDisabled)) setEnabled(false);  // Enabled False
    m_Syncing = false;
    updateGeometry();
    StatesChanged();
}

void Button::Put(std::u16string_view name, Variant value) {
    SetProperty(*m_Window->control(), name, std::move(value));
    updateGeometry();
}

bool Button::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTipChange:
        if (m_Window) m_Window->setToolTipText(toolTip());
        break;
    case QEvent::ToolTip:
        return true;  // the control window shows the tooltip, in the control's style
    default: break;
    }
    return QWidget::event(event);
}

// The widget's font and enabled state are the control's Font and Enabled.
void Button::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (m_Syncing || !m_Window) return;
    m_Syncing = true;
    if (event->type() == QEvent::FontChange) {
        const FontRef current = FontProperty(*m_Window->control());
        Put(u"Font", MakeFont(DescriptionOf(font(), current ? current->Charset() : 0, logicalDpiY())));
    } else if (event->type() == QEvent::EnabledChange) {
        Put(u"Enabled", isEnabled());
    }
    m_Syncing = false;
}

void Button::ControlPropertyChanged(const QString& name) {
    if (!m_Syncing) {
        m_Syncing = true;
        if (name == u"Font") {
            if (const FontRef font = FontProperty(*m_Window->control())) setFont(QFontOf(font->Description()));
        } else if (name == u"Enabled") {
            setEnabled(BoolProperty(*m_Window->control(), u"Enabled"));
        }
        m_Syncing = false;
    }
    updateGeometry();
    emit propertyChanged(name);
}

void Button::StatesChanged() {
    const bool checked = isChecked();
    if (checked == m_Checked) return;
    m_Checked = checked;
    emit toggled(checked);
}

void Button::resizeEvent(QResizeEvent*) {
    m_Form->setGeometry(rect());
    m_Window->setGeometry(m_Form->rect());
}

bool Button::isChecked() const {
    return appearanceMode() == ToggleMode && toggleValue();
}

// ---- events ----------------------------------------------------------------------------------

std::int32_t Button::Raise(std::int32_t dispid, std::span<Variant> args) {
    EventArguments a(args);
    switch (dispid) {
    case 1: emit Click(); emit clicked(); break;
    case 2: emit DblClick(); break;
    case 3: emit KeyDown(a.Int16(0), a.Int16(1)); break;
    case 4: emit KeyPress(a.Int16(0)); break;
    case 5: emit KeyUp(a.Int16(0), a.Int16(1)); break;
    case 6: emit MouseDown(a.Int16(0), a.Int16(1), a.Single(2), a.Single(3)); break;
    case 7: emit MouseMove(a.Int16(0), a.Int16(1), a.Single(2), a.Single(3)); break;
    case 8: emit MouseUp(a.Int16(0), a.Int16(1), a.Single(2), a.Single(3)); break;
    case 9: emit MouseOver(); break;
    case 10: emit MouseOut(); break;
    case 11: emit DropDownClick(); emit dropDownClicked(); break;
    case 12:
        emit OLEDragOver(a.Data(0), a.Int32(1), a.Int16(2), a.Int16(3), a.Single(4), a.Single(5), a.Int16(6));
        break;
    case 13: emit OLEDragDrop(a.Data(0), a.Int32(1), a.Int16(2), a.Int16(3), a.Single(4), a.Single(5)); break;
    case 14: emit OLEGiveFeedback(a.Int32(0), a.Bool(1)); break;
    case 15: emit OLEStartDrag(a.Data(0), a.Int32(1)); break;
    case 16: emit OLESetData(a.Data(0), a.Int16(1)); break;
    case 17: emit OLECompleteDrag(a.Int32(0)); break;
    case 18: emit TextFadeEnd(); break;
    default: break;
    }
    return errors::kNone;
}

// ---- methods ---------------------------------------------------------------------------------

void Button::click() {
    m_Window->clickAt(QPointF(m_Window->width() / 2.0, m_Window->height() / 2.0));
}

namespace {
void Call(Control& control, std::u16string_view method) {
    Variant result;
    CallMethod(control, method, {}, result);
}
}  // namespace

void Button::Refresh() { Call(*m_Window->control(), u"Refresh"); }
void Button::OLEDrag() { Call(*m_Window->control(), u"OLEDrag"); }
void Button::TextFade_Start() { Call(*m_Window->control(), u"TextFade_Start"); }
void Button::TextFade_Stop() { Call(*m_Window->control(), u"TextFade_Stop"); }

// ---- the saved property set ---------------------------------------------------------------

host::PropertySet Button::saveProperties() const {
    Control& control = *m_Window->control();
    host::PropertySet set = host::WriteControlProperties(control, m_Pictures, width(), height(),
                                                         m_Window->ScreenDpiX(), m_Window->ScreenDpiY());
    // Caption and Font default to the container's display name and font:
    // written always, the set means the same on any form.
    host::JsonPropertyBag bag(set, &control.GetTypeInfo(), m_Pictures);
    for (std::u16string_view key : {u"Caption", u"Font"})
        if (!set.Find(QString::fromUtf16(key.data(), static_cast<qsizetype>(key.size()))))
            bag.WriteProperty(key, Read(control, key), Variant());
    return set;
}

void Button::loadProperties(const host::PropertySet& set, QStringList* problems) {
    MakeWindow(set, problems);
    m_Window->setGeometry(m_Form->rect());
}

// ---- the size -------------------------------------------------------------------------------

// The caption (its access-key marks left out) and the picture placed as
// CaptionPosition places them, the border and some space around, the
// drop-down zone; a captioned button is at least as big as a classic
// push button.
QSize Button::sizeHint() const {
    const QString text = caption();
    const QSize textSize = text.isEmpty() ? QSize(0, 0) : QFontMetrics(font()).size(Qt::TextShowMnemonic, text);
    QSize pictureSize(0, 0);
    if (const PictureRef picture = PictureProperty(*m_Window->control(), u"Picture"))
        pictureSize = QSize(PixelsFromHimetric(picture->widthHimetric, m_Window->ScreenDpiX()),
                            PixelsFromHimetric(picture->heightHimetric, m_Window->ScreenDpiY()));
    const int gap = !text.isEmpty() && !pictureSize.isEmpty() ? kGap : 0;
    QSize content;
    switch (captionPosition()) {
    case LeftOfPicture:
    case RightOfPicture:
        content = QSize(textSize.width() + gap + pictureSize.width(),
                        std::max(textSize.height(), pictureSize.height()));
        break;
    case TopOfPicture:
    case BottomOfPicture:
        content = QSize(std::max(textSize.width(), pictureSize.width()),
                        textSize.height() + gap + pictureSize.height());
        break;
    default: content = textSize.expandedTo(pictureSize); break;
    }
    const int border = std::clamp(borderWidth(), 1, 100);
    int width = content.width() + 2 * (border + kPaddingX);
    const int height = content.height() + 2 * (border + kPaddingY);
    if (appearanceMode() == DropDownMode) width += std::max(dropDownWidth(), 0);
    if (!text.isEmpty()) width = std::max(width, kMinimumWidth);
    return QSize(width, std::max(height, kMinimumHeight));
}

QSize Button::minimumSizeHint() const { return sizeHint(); }

// ---- the properties, in the type library's order -----------------------------------------------

#define VEMMIX_COLOUR(Name, getter, setter)                                                     \
    QColor Button::getter() const { return ColorProperty(*m_Window->control(), u"" #Name); }   \
    void Button::setter(const QColor& colour) { Put(u"" #Name, Variant(OleFromColor(colour))); }
#define VEMMIX_INTEGER(Name, getter, setter)                                                    \
    int Button::getter() const { return IntegerProperty(*m_Window->control(), u"" #Name); }    \
    void Button::setter(int value) { Put(u"" #Name, Variant(static_cast<std::int32_t>(value))); }
#define VEMMIX_BOOL(Name, getter, setter)                                                       \
    bool Button::getter() const { return BoolProperty(*m_Window->control(), u"" #Name); }      \
    void Button::setter(bool value) { Put(u"" #Name, Variant(value)); }
#define VEMMIX_TEXT(Name, getter, setter)                                                       \
    QString Button::getter() const { return TextProperty(*m_Window->control(), u"" #Name); }   \
    void Button::setter(const QString& text) { Put(u"" #Name, Variant(text.toStdU16String())); }
#define VEMMIX_PICTURE(Name, getter, setter)                                                    \
    QPixmap Button::getter() const { return PixmapProperty(*m_Window->control(), u"" #Name); } \
    void Button::setter(const QPixmap& pixmap) { Put(u"" #Name, Variant(PictureOf(pixmap))); }
#define VEMMIX_ENUM(Type, Name, getter, setter)                                                 \
    Button::Type Button::getter() const {                                                       \
        return static_cast<Type>(IntegerProperty(*m_Window->control(), u"" #Name));            \
    }                                                                                            \
    void Button::setter(Type value) { Put(u"" #Name, Variant(static_cast<std::int32_t>(value))); }

// clang-format off
VEMMIX_COLOUR(BackColor,                                   backColor,             setBackColor)
VEMMIX_COLOUR(ForeColor,                                   foreColor,             setForeColor)
VEMMIX_ENUM(ecAppearance, Appearance,                      appearance,            setAppearance)
VEMMIX_ENUM(ecAppearanceThemesDefault, DefaultThemes,      defaultThemes,         setDefaultThemes)
int Button::hwnd() const { return IntegerProperty(*m_Window->control(), u"hwnd"); }
VEMMIX_COLOUR(MaskColor,                                   maskColor,             setMaskColor)
VEMMIX_PICTURE(MouseIcon,                                  mouseIcon,             setMouseIcon)
VEMMIX_INTEGER(MousePointer,                               mousePointer,          setMousePointer)
VEMMIX_PICTURE(Picture,                                    picture,               setPicture)
VEMMIX_BOOL(RightToLeft,                                   rightToLeft,           setRightToLeft)
VEMMIX_ENUM(ecAppearanceMode, AppearanceMode,              appearanceMode,        setAppearanceMode)
VEMMIX_ENUM(ecAppearanceThemes, AppearanceThemes,          appearanceThemes,      setAppearanceThemes)
VEMMIX_COLOUR(BackColorDown,                               backColorDown,         setBackColorDown)
VEMMIX_COLOUR(BackColorOver,                               backColorOver,         setBackColorOver)
VEMMIX_COLOUR(BackColorFocus,                              backColorFocus,        setBackColorFocus)
VEMMIX_COLOUR(BackColorDisabled,                           backColorDisabled,     setBackColorDisabled)
VEMMIX_COLOUR(BorderColor,                                 borderColor,           setBorderColor)
VEMMIX_ENUM(ecEvents, BorderDrawEvent,                     borderDrawEvent,       setBorderDrawEvent)
VEMMIX_INTEGER(BorderWidth,                                borderWidth,           setBorderWidth)
VEMMIX_COLOUR(TransparentColor,                            transparentColor,      setTransparentColor)
VEMMIX_TEXT(Caption,                                       caption,               setCaption)
VEMMIX_ENUM(ecAlignment, CaptionAlignment,                 captionAlignment,      setCaptionAlignment)
VEMMIX_ENUM(ecCaptionEffect, CaptionEffect,                captionEffect,         setCaptionEffect)
VEMMIX_ENUM(ecEvents, CaptionEffectEvent,                  captionEffectEvent,    setCaptionEffectEvent)
VEMMIX_INTEGER(CaptionOffsetX,                             captionOffsetX,        setCaptionOffsetX)
VEMMIX_INTEGER(CaptionOffsetY,                             captionOffsetY,        setCaptionOffsetY)
VEMMIX_ENUM(ecCaptionPos, CaptionPosition,                 captionPosition,       setCaptionPosition)
VEMMIX_INTEGER(Depth,                                      pressDepth,            setPressDepth)
VEMMIX_ENUM(ecDepthMode, DepthMode,                        depthMode,             setDepthMode)
VEMMIX_ENUM(ecEvents, DepthEvent,                          depthEvent,            setDepthEvent)
VEMMIX_INTEGER(DropDownWidth,                              dropDownWidth,         setDropDownWidth)
VEMMIX_COLOUR(ForeColorDisabled,                           foreColorDisabled,     setForeColorDisabled)
VEMMIX_COLOUR(ForeColorOver,                               foreColorOver,         setForeColorOver)
VEMMIX_COLOUR(ForeColorFocus,                              foreColorFocus,        setForeColorFocus)
VEMMIX_COLOUR(ForeColorDown,                               foreColorDown,         setForeColorDown)
VEMMIX_ENUM(ecAlignment, PictureAlignment,                 pictureAlignment,      setPictureAlignment)
VEMMIX_PICTURE(PictureDisabled,                            pictureDisabled,       setPictureDisabled)
VEMMIX_PICTURE(PictureDown,                                pictureDown,           setPictureDown)
VEMMIX_PICTURE(PictureFocus,                               pictureFocus,          setPictureFocus)
VEMMIX_INTEGER(PictureOffsetX,                             pictureOffsetX,        setPictureOffsetX)
VEMMIX_INTEGER(PictureOffsetY,                             pictureOffsetY,        setPictureOffsetY)
VEMMIX_BOOL(PictureStretch,                                pictureStretch,        setPictureStretch)
VEMMIX_PICTURE(PictureOver,                                pictureOver,           setPictureOver)
VEMMIX_ENUM(ecPictureEffect, PictureDisabledEffect,        pictureDisabledEffect, setPictureDisabledEffect)
VEMMIX_ENUM(ecPictureEffect, PictureFocusEffect,           pictureFocusEffect,    setPictureFocusEffect)
VEMMIX_ENUM(ecPictureEffect, PictureDownEffect,            pictureDownEffect,     setPictureDownEffect)
VEMMIX_ENUM(ecPictureEffect, PictureOverEffect,            pictureOverEffect,     setPictureOverEffect)
VEMMIX_PICTURE(DropDownPicture,                            dropDownPicture,       setDropDownPicture)
VEMMIX_BOOL(ShowFocus,                                     showFocus,             setShowFocus)
VEMMIX_BOOL(ToggleValue,                                   toggleValue,           setToggleValue)
QString Button::version() const { return TextProperty(*m_Window->control(), u"Version"); }
VEMMIX_COLOUR(ToolTipBackColor,                            toolTipBackColor,      setToolTipBackColor)
VEMMIX_COLOUR(ToolTipForeColor,                            toolTipForeColor,      setToolTipForeColor)
VEMMIX_TEXT(ToolTipTitle,                                  toolTipTitle,          setToolTipTitle)
VEMMIX_ENUM(ecToolTipStyle, ToolTipStyle,                  toolTipStyle,          setToolTipStyle)
VEMMIX_ENUM(ecToolTipIcon, ToolTipIcon,                    toolTipIcon,           setToolTipIcon)
VEMMIX_INTEGER(OLEDropMode,                                oleDropMode,           setOleDropMode)
VEMMIX_INTEGER(OLEDragMode,                                oleDragMode,           setOleDragMode)
VEMMIX_BOOL(Value,                                         value,                 setValue)
VEMMIX_ENUM(ecGradientType, GradientType,                  gradientType,          setGradientType)
VEMMIX_COLOUR(TextFadeToColor,                             textFadeToColor,       setTextFadeToColor)
VEMMIX_INTEGER(TextFadeCycle,                              textFadeCycle,         setTextFadeCycle)
VEMMIX_ENUM(ecEvents, TextFadeEvents,                      textFadeEvents,        setTextFadeEvents)
VEMMIX_INTEGER(TextFadeSpeed,                              textFadeSpeed,         setTextFadeSpeed)
// clang-format on

#undef VEMMIX_COLOUR
#undef VEMMIX_INTEGER
#undef VEMMIX_BOOL
#undef VEMMIX_TEXT
#undef VEMMIX_PICTURE
#undef VEMMIX_ENUM

}  // namespace vemmix::qt
