// A Zorvane button as a Qt widget, for layouts, .ui files and C++ that
// would rather not call members by name.
//
// The button hosts one control the way a form does: a ControlWindow on a
// small form of the button's own, which gives it the desktop's text,
// colours and visual style, its timers, tooltip windows, drag and drop and
// accessibility. On top of that the control's members are Qt's:
//
//   properties  every property of _Zorvane is a Q_PROPERTY of the type
//               library's name ("Caption", "BackColorOver"), so a .ui
//               file, a saved form, a script and C++ use one set of names;
//               the C++ accessors are in Qt's style (caption(),
//               setCaption()). Enabled and Font are QWidget's own enabled
//               and font; Depth's accessors are pressDepth() and
//               setPressDepth() (QPaintDevice has a depth()). A value the
//               control refuses leaves the property as it was.
//   types       QString; int for Integer and Long; bool for Boolean; QFont;
//               QPixmap for pictures (null: no picture; an image with an
//               alpha channel becomes an icon picture, any other a bitmap);
//               the enumerations under their type-library names, each
//               member's name written as an identifier ("Windows XP" is
//               WindowsXP, "3d" ThreeD); colours see ColorFromOle below.
//   events      every event of __Zorvane is a signal of its own name
//               (Click, KeyDown, OLEDragOver …), emitted while the control
//               raises the event, in the control's order. By-reference
//               arguments are pointers a slot may write through, as a
//               host's handler may: the control reads back what the slots
//               left (connect directly, not queued).
//   methods     Refresh, OLEDrag, TextFade_Start and TextFade_Stop are slots
//               of their own names.
//   Qt's own    clicked() after Click, dropDownClicked() after
//               DropDownClick, toggled(bool) when isChecked() changes (after
//               the input that changed it), click(), sizeHint() from the
//               caption, the picture and the border; setToolTip() sets the
//               tooltip text the control shows.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vemmix/Color.h>
#include <vemmix/StdObjects.h>
#include <vemmix/host/PropertySet.h>
#include <vemmix/qt/Export.h>

namespace vemmix::qt {

class ControlWindow;
class ButtonForm;

// Colours as QColor. A plain colour is opaque. Anything else the control
// holds keeps a QColor of its own, so that reading a property and writing
// it back changes nothing: the alpha is 255 minus the value's high byte,
// red, green and blue are its three low bytes. A system colour
// 0x80000000 + n (which follows the desktop) is SystemColor(n), that is
// QColor(n, 0, 0, 127); the tooltip colours' default -1 is the invalid
// QColor.
VEMMIX_QT_EXPORT QColor ColorFromOle(OleColor colour);
VEMMIX_QT_EXPORT OleColor OleFromColor(const QColor& colour);
inline QColor SystemColor(int index) { return ColorFromOle(SystemColorRef(index)); }

class VEMMIX_QT_EXPORT Button : public QWidget {
    Q_OBJECT

public:
    // clang-format off
    enum ecAppearance : int { ThreeD, Flat, Shaped, WindowsXP, ExplorerXP, Office2003, Office2007,
                              VistaSunrise, VistaSunset, Gradient };
    enum ecAppearanceMode : int { StandardMode, ToggleMode, DropDownMode };
    enum ecAppearanceThemes : int { XPAutoDetectTheme, XPBlueTheme, XPOliveTheme, XPSilverTheme,
                                    RoyalTheme, BlackTheme };
    enum ecAppearanceThemesDefault : int { XPBlueThemeDefault, XPOliveThemeDefault,
                                           XPSilverThemeDefault, RoyalThemeDefault,
                                           Standard3DDefault, BlackThemeDefault };
    enum ecGradientType : int { ColorTowardsDark, DarkTowardsColor, ColorTowardsLight,
                                LightTowardsColor };
    enum ecPictureEffect : int { NoEffect, GrayPicture, LighterPicture, DarknessPicture };
    enum ecEvents : int { Always, Never, OnFocus, OnClick, OnMouseOver, OnFocusOrMouseOver,
                          OnFocusOrMouseOverOrClick };
    enum ecDepthMode : int { CaptionAndPicture, OnlyCaption, OnlyPicture };
    enum ecCaptionPos : int { LeftOfPicture, RightOfPicture, TopOfPicture, BottomOfPicture,
                              AbovePicture };
    enum ecAlignment : int { TopLeft, TopCenter, TopRight, MiddleLeft, MiddleCenter, MiddleRight,
                             BottomLeft, BottomCenter, BottomRight };
    enum ecCaptionEffect : int { Shadowed, Embossed, Engraved };
    enum ecToolTipStyle : int { Classic, Balloon, Rectangular };
    enum ecToolTipIcon : int { Icon_NONE, Icon_INFO, Icon_WARNING, Icon_ERROR };
    // clang-format on
    Q_ENUM(ecAppearance)
    Q_ENUM(ecAppearanceMode)
    Q_ENUM(ecAppearanceThemes)
    Q_ENUM(ecAppearanceThemesDefault)
    Q_ENUM(ecGradientType)
    Q_ENUM(ecPictureEffect)
    Q_ENUM(ecEvents)
    Q_ENUM(ecDepthMode)
    Q_ENUM(ecCaptionPos)
    Q_ENUM(ecAlignment)
    Q_ENUM(ecCaptionEffect)
    Q_ENUM(ecToolTipStyle)
    Q_ENUM(ecToolTipIcon)

    // In the type library's order.
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled DESIGNABLE false)
    Q_PROPERTY(QFont Font READ font WRITE setFont DESIGNABLE false)
    Q_PROPERTY(ecAppearance Appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(ecAppearanceThemesDefault DefaultThemes READ defaultThemes WRITE setDefaultThemes)
    Q_PROPERTY(int hwnd READ hwnd DESIGNABLE false)
    Q_PROPERTY(QColor MaskColor READ maskColor WRITE setMaskColor)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool RightToLeft READ rightToLeft WRITE setRightToLeft)
    Q_PROPERTY(ecAppearanceMode AppearanceMode READ appearanceMode WRITE setAppearanceMode)
    Q_PROPERTY(ecAppearanceThemes AppearanceThemes READ appearanceThemes WRITE setAppearanceThemes)
    Q_PROPERTY(QColor BackColorDown READ backColorDown WRITE setBackColorDown)
    Q_PROPERTY(QColor BackColorOver READ backColorOver WRITE setBackColorOver)
    Q_PROPERTY(QColor BackColorFocus READ backColorFocus WRITE setBackColorFocus)
    Q_PROPERTY(QColor BackColorDisabled READ backColorDisabled WRITE setBackColorDisabled)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(ecEvents BorderDrawEvent READ borderDrawEvent WRITE setBorderDrawEvent)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor TransparentColor READ transparentColor WRITE setTransparentColor)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(ecAlignment CaptionAlignment READ captionAlignment WRITE setCaptionAlignment)
    Q_PROPERTY(ecCaptionEffect CaptionEffect READ captionEffect WRITE setCaptionEffect)
    Q_PROPERTY(ecEvents CaptionEffectEvent READ captionEffectEvent WRITE setCaptionEffectEvent)
    Q_PROPERTY(int CaptionOffsetX READ captionOffsetX WRITE setCaptionOffsetX)
    Q_PROPERTY(int CaptionOffsetY READ captionOffsetY WRITE setCaptionOffsetY)
    Q_PROPERTY(ecCaptionPos CaptionPosition READ captionPosition WRITE setCaptionPosition)
    Q_PROPERTY(int Depth READ pressDepth WRITE setPressDepth)
    Q_PROPERTY(ecDepthMode DepthMode READ depthMode WRITE setDepthMode)
    Q_PROPERTY(ecEvents DepthEvent READ depthEvent WRITE setDepthEvent)
    Q_PROPERTY(int DropDownWidth READ dropDownWidth WRITE setDropDownWidth)
    Q_PROPERTY(QColor ForeColorDisabled READ foreColorDisabled WRITE setForeColorDisabled)
    Q_PROPERTY(QColor ForeColorOver READ foreColorOver WRITE setForeColorOver)
    Q_PROPERTY(QColor ForeColorFocus READ foreColorFocus WRITE setForeColorFocus)
    Q_PROPERTY(QColor ForeColorDown READ foreColorDown WRITE setForeColorDown)
    Q_PROPERTY(ecAlignment PictureAlignment READ pictureAlignment WRITE setPictureAlignment)
    Q_PROPERTY(QPixmap PictureDisabled READ pictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(QPixmap PictureDown READ pictureDown WRITE setPictureDown)
    Q_PROPERTY(QPixmap PictureFocus READ pictureFocus WRITE setPictureFocus)
    Q_PROPERTY(int PictureOffsetX READ pictureOffsetX WRITE setPictureOffsetX)
    Q_PROPERTY(int PictureOffsetY READ pictureOffsetY WRITE setPictureOffsetY)
    Q_PROPERTY(bool PictureStretch READ pictureStretch WRITE setPictureStretch)
    Q_PROPERTY(QPixmap PictureOver READ pictureOver WRITE setPictureOver)
    Q_PROPERTY(ecPictureEffect PictureDisabledEffect READ pictureDisabledEffect WRITE setPictureDisabledEffect)
    Q_PROPERTY(ecPictureEffect PictureFocusEffect READ pictureFocusEffect WRITE setPictureFocusEffect)
    Q_PROPERTY(ecPictureEffect PictureDownEffect READ pictureDownEffect WRITE setPictureDownEffect)
    Q_PROPERTY(ecPictureEffect PictureOverEffect READ pictureOverEffect WRITE setPictureOverEffect)
    Q_PROPERTY(QPixmap DropDownPicture READ dropDownPicture WRITE setDropDownPicture)
    Q_PROPERTY(bool ShowFocus READ showFocus WRITE setShowFocus)
    Q_PROPERTY(bool ToggleValue READ toggleValue WRITE setToggleValue)
    Q_PROPERTY(QString Version READ version)
    Q_PROPERTY(QColor ToolTipBackColor READ toolTipBackColor WRITE setToolTipBackColor)
    Q_PROPERTY(QColor ToolTipForeColor READ toolTipForeColor WRITE setToolTipForeColor)
    Q_PROPERTY(QString ToolTipTitle READ toolTipTitle WRITE setToolTipTitle)
    Q_PROPERTY(ecToolTipStyle ToolTipStyle READ toolTipStyle WRITE setToolTipStyle)
    Q_PROPERTY(ecToolTipIcon ToolTipIcon READ toolTipIcon WRITE setToolTipIcon)
    Q_PROPERTY(int OLEDropMode READ oleDropMode WRITE setOleDropMode)
    Q_PROPERTY(int OLEDragMode READ oleDragMode WRITE setOleDragMode)
    // Setting it True clicks the button (raises Click).
    Q_PROPERTY(bool Value READ value WRITE setValue DESIGNABLE false)
    Q_PROPERTY(ecGradientType GradientType READ gradientType WRITE setGradientType)
    Q_PROPERTY(QColor TextFadeToColor READ textFadeToColor WRITE setTextFadeToColor)
    Q_PROPERTY(int TextFadeCycle READ textFadeCycle WRITE setTextFadeCycle)
    Q_PROPERTY(ecEvents TextFadeEvents READ textFadeEvents WRITE setTextFadeEvents)
    Q_PROPERTY(int TextFadeSpeed READ textFadeSpeed WRITE setTextFadeSpeed)

    // A button with the control's initial properties and an empty caption,
    // in the parent's font.
    explicit Button(QWidget* parent = nullptr);
    explicit Button(const QString& caption, QWidget* parent = nullptr);
    ~Button() override;

    // ---- the properties --------------------------------------------------------
    // clang-format off
    QColor backColor() const;                 void setBackColor(const QColor& colour);
    QColor foreColor() const;                 void setForeColor(const QColor& colour);
    ecAppearance appearance() const;          void setAppearance(ecAppearance appearance);
    ecAppearanceThemesDefault defaultThemes() const;
                                              void setDefaultThemes(ecAppearanceThemesDefault theme);
    int hwnd() const;
    QColor maskColor() const;                 void setMaskColor(const QColor& colour);
    QPixmap mouseIcon() const;                void setMouseIcon(const QPixmap& icon);
    int mousePointer() const;                 void setMousePointer(int pointer);
    QPixmap picture() const;                  void setPicture(const QPixmap& picture);
    bool rightToLeft() const;                 void setRightToLeft(bool rightToLeft);
    ecAppearanceMode appearanceMode() const;  void setAppearanceMode(ecAppearanceMode mode);
    ecAppearanceThemes appearanceThemes() const;
                                              void setAppearanceThemes(ecAppearanceThemes theme);
    QColor backColorDown() const;             void setBackColorDown(const QColor& colour);
    QColor backColorOver() const;             void setBackColorOver(const QColor& colour);
    QColor backColorFocus() const;            void setBackColorFocus(const QColor& colour);
    QColor backColorDisabled() const;         void setBackColorDisabled(const QColor& colour);
    QColor borderColor() const;               void setBorderColor(const QColor& colour);
    ecEvents borderDrawEvent() const;         void setBorderDrawEvent(ecEvents event);
    int borderWidth() const;                  void setBorderWidth(int width);
    QColor transparentColor() const;          void setTransparentColor(const QColor& colour);
    QString caption() const;                  void setCaption(const QString& caption);
    ecAlignment captionAlignment() const;     void setCaptionAlignment(ecAlignment alignment);
    ecCaptionEffect captionEffect() const;    void setCaptionEffect(ecCaptionEffect effect);
    ecEvents captionEffectEvent() const;      void setCaptionEffectEvent(ecEvents event);
    int captionOffsetX() const;               void setCaptionOffsetX(int offset);
    int captionOffsetY() const;               void setCaptionOffsetY(int offset);
    ecCaptionPos captionPosition() const;     void setCaptionPosition(ecCaptionPos position);
    int pressDepth() const;                   void setPressDepth(int depth);
    ecDepthMode depthMode() const;            void setDepthMode(ecDepthMode mode);
    ecEvents depthEvent() const;              void setDepthEvent(ecEvents event);
    int dropDownWidth() const;                void setDropDownWidth(int width);
    QColor foreColorDisabled() const;         void setForeColorDisabled(const QColor& colour);
    QColor foreColorOver() const;             void setForeColorOver(const QColor& colour);
    QColor foreColorFocus() const;            void setForeColorFocus(const QColor& colour);
    QColor foreColorDown() const;             void setForeColorDown(const QColor& colour);
    ecAlignment pictureAlignment() const;     void setPictureAlignment(ecAlignment alignment);
    QPixmap pictureDisabled() const;          void setPictureDisabled(const QPixmap& picture);
    QPixmap pictureDown() const;              void setPictureDown(const QPixmap& picture);
    QPixmap pictureFocus() const;             void setPictureFocus(const QPixmap& picture);
    int pictureOffsetX() const;               void setPictureOffsetX(int offset);
    int pictureOffsetY() const;               void setPictureOffsetY(int offset);
    bool pictureStretch() const;              void setPictureStretch(bool stretch);
    QPixmap pictureOver() const;              void setPictureOver(const QPixmap& picture);
    ecPictureEffect pictureDisabledEffect() const;
                                              void setPictureDisabledEffect(ecPictureEffect effect);
    ecPictureEffect pictureFocusEffect() const;
                                              void setPictureFocusEffect(ecPictureEffect effect);
    ecPictureEffect pictureDownEffect() const;
                                              void setPictureDownEffect(ecPictureEffect effect);
    ecPictureEffect pictureOverEffect() const;
                                              void setPictureOverEffect(ecPictureEffect effect);
    QPixmap dropDownPicture() const;          void setDropDownPicture(const QPixmap& picture);
    bool showFocus() const;                   void setShowFocus(bool show);
    bool toggleValue() const;                 void setToggleValue(bool value);
    QString version() const;
    QColor toolTipBackColor() const;          void setToolTipBackColor(const QColor& colour);
    QColor toolTipForeColor() const;          void setToolTipForeColor(const QColor& colour);
    QString toolTipTitle() const;             void setToolTipTitle(const QString& title);
    ecToolTipStyle toolTipStyle() const;      void setToolTipStyle(ecToolTipStyle style);
    ecToolTipIcon toolTipIcon() const;        void setToolTipIcon(ecToolTipIcon icon);
    int oleDropMode() const;                  void setOleDropMode(int mode);
    int oleDragMode() const;                  void setOleDragMode(int mode);
    bool value() const;                       void setValue(bool value);
    ecGradientType gradientType() const;      void setGradientType(ecGradientType type);
    QColor textFadeToColor() const;           void setTextFadeToColor(const QColor& colour);
    int textFadeCycle() const;                void setTextFadeCycle(int cycles);
    ecEvents textFadeEvents() const;          void setTextFadeEvents(ecEvents events);
    int textFadeSpeed() const;                void setTextFadeSpeed(int speed);
    // clang-format on

    // Toggle Mode with ToggleValue True.
    bool isChecked() const;

    // ---- the saved property set ---------------------------------------------
    // The set a saved form keeps for this control (host/Form.h): the
    // container's _ExtentX and _ExtentY, the keys the control writes, and
    // always Caption and Font, which would otherwise default to what the
    // form loading it gives.
    host::PropertySet saveProperties() const;
    // Makes the control anew from `set` as a form loads it (an empty set:
    // the initial properties); the size stays the widget's (a form keeps a
    // control's geometry beside its set). Each key the control refuses is appended to `problems` (may be null),
    // one line each; the control keeps its initial value for it. Not from a
    // slot of this button's events: the control that raises them goes.
    void loadProperties(const host::PropertySet& set, QStringList* problems = nullptr);

    // ---- the host's side --------------------------------------------------------
    // The control's window: its site, for what this class does not cover
    // (control() for a script, form() for the container's log). Replaced by
    // loadProperties.
    ControlWindow& controlWindow() const { return *m_Window; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // A left click in the middle, as the user's.
    void click();
    void Refresh();
    void OLEDrag();
    void TextFade_Start();
    void TextFade_Stop();

signals:
    void Click();
    void DblClick();
    void KeyDown(qint16* KeyCode, qint16* Shift);
    void KeyPress(qint16* KeyAscii);
    void KeyUp(qint16* KeyCode, qint16* Shift);
    void MouseDown(qint16* Button, qint16* Shift, float* x, float* y);
    void MouseMove(qint16* Button, qint16* Shift, float* x, float* y);
    void MouseUp(qint16* Button, qint16* Shift, float* x, float* y);
    void MouseOver();
    void MouseOut();
    void DropDownClick();
    void OLEDragOver(vemmix::DataObjectRef* Data, qint32* Effect, qint16* Button, qint16* Shift,
                     float* x, float* y, qint16* State);
    void OLEDragDrop(vemmix::DataObjectRef* Data, qint32* Effect, qint16* Button, qint16* Shift,
                     float* x, float* y);
    void OLEGiveFeedback(qint32* Effect, bool* DefaultCursors);
    void OLEStartDrag(vemmix::DataObjectRef* Data, qint32* AllowedEffects);
    void OLESetData(vemmix::DataObjectRef* Data, qint16* DataFormat);
    void OLECompleteDrag(qint32* Effect);
    void TextFadeEnd();

    void clicked();
    void dropDownClicked();
    void toggled(bool checked);
    // The control told its container that a property changed.
    void propertyChanged(const QString& name);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void MakeWindow(const host::PropertySet& set, QStringList* problems);
    void Put(std::u16string_view name, Variant value);
    std::int32_t Raise(std::int32_t dispid, std::span<Variant> args);
    void ControlPropertyChanged(const QString& name);
    void StatesChanged();

    ButtonForm* m_Form;
    ControlWindow* m_Window = nullptr;
    std::shared_ptr<host::PictureSources> m_Pictures;
    bool m_Checked = false;
    bool m_Syncing = false;  // the widget's font or enabled state and the control's, one from the other
};

}  // namespace vemmix::qt
