// The Button widget: the type library's members as Qt properties, signals
// and slots; properties set by name reach the control and its picture;
// signals in the control's event order, with arguments a slot can change;
// toggled, sizeHint and layouts, the focus chain; the saved property set,
// also through a saved form and back.
#include <QApplication>
#include <QHBoxLayout>
#include <QJsonObject>
#include <QLineEdit>
#include <QMetaEnum>
#include <QMimeData>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <vemmix/Dispatch.h>
#include <vemmix/Enums.h>
#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/qt/Button.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormLoading.h>
#include <vemmix/qt/FormWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

const typelib::TypeInfo& TypesOf(Button& button) {
    return button.controlWindow().control()->GetTypeInfo();
}

QString FromView(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// "Windows XP" -> "windowsxp": how an enumeration member is written as an
// identifier, without regard to case; "3d" is ThreeD.
QString IdentifierOf(std::u16string_view member) {
    if (member == u"3d") return QStringLiteral("threed");
    return FromView(member).remove(u' ').toLower();
}

const char* QtTypeOf(typelib::ValueType type) {
    using enum typelib::ValueType;
    switch (type) {
    case Int16: return "qint16*";
    case Int32: return "qint32*";
    case Single: return "float*";
    case Bool: return "bool*";
    case DataObject: return "vemmix::DataObjectRef*";
    default: return "?";
    }
}

// A top-level window with the button, shown and active.
struct Window {
    QWidget top;
    Button* button;
    explicit Window(QSize size = {120, 40}) : button(new Button(&top)) {
        top.resize(size.width() + 20, size.height() + 20);
        top.move(100, 100);
        button->setGeometry(10, 10, size.width(), size.height());
        button->controlWindow().form().setLogging(true);
    }
    void Show() {
        top.show();
        top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&top));
    }
    Control& control() { return *button->controlWindow().control(); }
    const QImage& image() { return button->controlWindow().image(); }
};

// The events the container's log holds, as "MouseDown(1,0,41,12)".
QStringList LoggedEvents(const FormWindow& form, std::size_t from = 0) {
    QStringList events;
    for (const QString& line : EventLines(form, from)) events << line.section(QStringLiteral(" event "), 1);
    return events;
}

QString Args(std::initializer_list<QString> args) { return u'(' + QStringList(args).join(u',') + u')'; }

}  // namespace

class ButtonTest : public QObject {
    Q_OBJECT

private slots:
    // ---- the type library as Qt's members ---------------------------------------------

    void everyPropertyIsAQtPropertyOfItsName() {
        Button button;
        const QMetaObject& meta = Button::staticMetaObject;
        int properties = 0;
        for (const typelib::Member& member : TypesOf(button).members) {
            if (member.IsMethod()) {
                // a slot of the method's own name
                const QByteArray slot = FromView(member.name).toLatin1() + "()";
                QVERIFY2(meta.indexOfSlot(slot) >= 0, slot.constData());
                continue;
            }
            ++properties;
            const QString name = FromView(member.name);
            const int index = meta.indexOfProperty(name.toLatin1().constData());
            QVERIFY2(index >= 0, qPrintable(name));
            const QMetaProperty property = meta.property(index);
            QCOMPARE(property.isWritable(), !member.readOnly);
            if (member.type == typelib::ValueType::Enum) {
                // registered under the type library's name, members as identifiers
                QVERIFY2(property.isEnumType(), qPrintable(name));
                const QMetaEnum e = property.enumerator();
                QCOMPARE(QString::fromLatin1(e.name()), FromView(member.enumName));
                const typelib::Enumeration* values = TypesOf(button).FindEnumeration(member.enumName);
                QVERIFY(values);
                QCOMPARE(e.keyCount(), static_cast<int>(values->members.size()));
                for (int i = 0; i < e.keyCount(); ++i) {
                    QCOMPARE(QString::fromLatin1(e.key(i)).toLower(), IdentifierOf(values->members[i]));
                    QCOMPARE(e.value(i), i);
                }
            }
        }
        QCOMPARE(properties, 66);
        // the Qt types
        QCOMPARE(meta.property(meta.indexOfProperty("BackColorOver")).metaType(), QMetaType::fromType<QColor>());
        QCOMPARE(meta.property(meta.indexOfProperty("Picture")).metaType(), QMetaType::fromType<QPixmap>());
        QCOMPARE(meta.property(meta.indexOfProperty("Font")).metaType(), QMetaType::fromType<QFont>());
        QCOMPARE(meta.property(meta.indexOfProperty("Caption")).metaType(), QMetaType::fromType<QString>());
    }

    void everyEventIsASignalOfItsName() {
        Button button;
        const QMetaObject& meta = Button::staticMetaObject;
        for (const typelib::Event& event : TypesOf(button).events) {
            QByteArray signature = FromView(event.name).toLatin1() + '(';
            for (std::size_t i = 0; i < event.args.size(); ++i)
                signature += (i ? "," : "") + QByteArray(QtTypeOf(event.args[i].type));
            signature += ')';
            const int index = meta.indexOfSignal(QMetaObject::normalizedSignature(signature.constData()));
            QVERIFY2(index >= 0, signature.constData());
            // the arguments keep their names
            const QMetaMethod method = meta.method(index);
            for (std::size_t i = 0; i < event.args.size(); ++i)
                QCOMPARE(QString::fromLatin1(method.parameterNames()[static_cast<int>(i)]),
                         FromView(event.args[i].name));
        }
    }

    // ---- properties by name ----------------------------------------------------------

    void propertiesSetByNameReachTheControlAndItsPicture() {
        Window w;
        w.Show();
        Button& b = *w.button;
        // the window gave the button the focus; without it, BackColor is the face
        b.controlWindow().clearFocus();
        QVERIFY(b.setProperty("Appearance", QStringLiteral("Flat")));  // a key of the enumeration
        QCOMPARE(b.appearance(), Button::Flat);
        QCOMPARE(ToInt32(Get(b.controlWindow(), u"Appearance")), std::optional(ecAppearance::Flat));

        QVERIFY(b.setProperty("Caption", QStringLiteral("&Hello")));
        QCOMPARE(ToString(Get(b.controlWindow(), u"Caption")), std::optional<std::u16string>(u"&Hello"));
        QCOMPARE(b.property("Caption").toString(), QStringLiteral("&Hello"));

        // a plain colour, and the repaint shows it
        const QImage before = w.image().copy();
        const int repaints = b.controlWindow().repaintCount();
        QVERIFY(b.setProperty("BackColor", QColor(255, 0, 0)));
        QCOMPARE(ToInt32(Get(b.controlWindow(), u"BackColor")), std::optional<std::int32_t>(0x0000FF));
        QCOMPARE(b.property("BackColor").value<QColor>(), QColor(255, 0, 0));
        QVERIFY(b.controlWindow().repaintCount() > repaints);
        QVERIFY(w.image() != before);
        QCOMPARE(w.image().pixel(60, 5) & 0xFFFFFF, 0xFF0000u);  // the face, above the caption

        // a system colour stays a reference; the default tooltip colour is -1
        QVERIFY(b.setProperty("BackColor", SystemColor(15)));
        QCOMPARE(ToInt32(Get(b.controlWindow(), u"BackColor")), std::optional(SystemColorRef(15)));
        QCOMPARE(b.property("BackColor").value<QColor>(), SystemColor(15));
        QCOMPARE(SystemColor(15), QColor(15, 0, 0, 127));
        QVERIFY(b.setProperty("ToolTipBackColor", QColor()));
        QCOMPARE(ToInt32(Get(b.controlWindow(), u"ToolTipBackColor")), std::optional<std::int32_t>(-1));
        QVERIFY(!b.property("ToolTipBackColor").value<QColor>().isValid());

        // a picture: a bitmap object of its size, read back as it was
        QImage red(16, 12, QImage::Format_RGB32);
        red.fill(QColor(255, 0, 0));
        QVERIFY(b.setProperty("Picture", QPixmap::fromImage(red)));
        const std::optional<PictureRef> picture = ToPicture(Get(b.controlWindow(), u"Picture"));
        QVERIFY(picture && *picture);
        QCOMPARE((*picture)->type, PictureType::Bitmap);
        QCOMPARE((*picture)->widthHimetric, HimetricFromPixels(16, 96));
        QCOMPARE(b.picture().toImage().convertToFormat(QImage::Format_RGB32), red);
        QVERIFY(b.setProperty("Picture", QPixmap()));
        QVERIFY(!*ToPicture(Get(b.controlWindow(), u"Picture")));

        // the widget's font is the control's Font
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(12);
        font.setBold(true);
        QVERIFY(b.setProperty("Font", font));
        const FontRef controlFont = *ToFont(Get(b.controlWindow(), u"Font"));
        QCOMPARE(controlFont->Name(), std::u16string(u"DejaVu Sans"));
        QCOMPARE(controlFont->Size(), 12.0);
        QVERIFY(controlFont->Bold());
        // and the other way: a script's change reaches the widget
        controlFont->SetItalic(true);
        QVERIFY(b.font().italic());

        // Enabled both ways
        QVERIFY(b.setProperty("Enabled", false));
        QCOMPARE(ToBool(Get(b.controlWindow(), u"Enabled")), std::optional(kFalse));
        QVERIFY(!b.controlWindow().isEnabled());
        b.setEnabled(true);
        QCOMPARE(ToBool(Get(b.controlWindow(), u"Enabled")), std::optional(kTrue));
        Set(b.controlWindow(), u"Enabled", false);
        QVERIFY(!b.isEnabled());

        // a value the control refuses leaves the property as it was
        b.setProperty("BorderWidth", 2);
        QVERIFY(b.setProperty("BorderWidth", 100000));  // beyond Integer
        QCOMPARE(b.borderWidth(), 2);
    }

    void writingBackWhatIsReadChangesNothing() {
        Window w;
        Button& b = *w.button;
        // (QPixmap keeps premultiplied pixels: a partial alpha may come back
        // one step off)
        QImage icon(8, 8, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        for (int y = 2; y < 6; ++y)
            for (int x = 2; x < 6; ++x) icon.setPixelColor(x, y, QColor(0, 128, 255));
        b.setPictureOver(QPixmap::fromImage(icon));
        b.setForeColorOver(SystemColor(8));
        b.setToolTipForeColor(QColor());
        b.setCaption(QStringLiteral("Round && trip"));
        const host::PropertySet before = b.saveProperties();
        const QMetaObject& meta = Button::staticMetaObject;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const QMetaProperty property = meta.property(i);
            const QByteArray name = property.name();
            if (!property.isWritable() || name == "Value") continue;
            // a state picture made by its effect: set directly, it would be
            // the picture and the effect 0
            const QVariant effect = b.property(name + "Effect");
            if (name.startsWith("Picture") && effect.isValid() && effect.toInt() != 0) continue;
            QVERIFY2(property.write(&b, property.read(&b)), property.name());
        }
        QCOMPARE(b.saveProperties(), before);
        QCOMPARE(b.pictureOver().toImage().convertToFormat(QImage::Format_ARGB32), icon);
    }

    // ---- events ------------------------------------------------------------------------

    void signalsFollowTheControlsEventOrderWithItsArguments() {
        Window w;
        Button& b = *w.button;
        QStringList seen;
        const auto mouse = [&](const char* name) {
            return [&seen, name](qint16* button, qint16* shift, float* x, float* y) {
                seen << QString::fromLatin1(name) +
                            Args({QString::number(*button), QString::number(*shift), QString::number(*x),
                                  QString::number(*y)});
            };
        };
        connect(&b, &Button::MouseDown, &b, mouse("MouseDown"));
        connect(&b, &Button::MouseUp, &b, mouse("MouseUp"));
        connect(&b, &Button::Click, &b, [&] { seen << QStringLiteral("Click"); });
        connect(&b, &Button::clicked, &b, [&] { seen << QStringLiteral("clicked"); });
        connect(&b, &Button::KeyDown, &b, [&](qint16* key, qint16* shift) {
            seen << QStringLiteral("KeyDown") + Args({QString::number(*key), QString::number(*shift)});
        });
        connect(&b, &Button::KeyPress, &b, [&](qint16* key) {
            seen << QStringLiteral("KeyPress") + Args({QString::number(*key)});
        });
        connect(&b, &Button::KeyUp, &b, [&](qint16* key, qint16* shift) {
            seen << QStringLiteral("KeyUp") + Args({QString::number(*key), QString::number(*shift)});
        });
        w.Show();
        const std::size_t from = b.controlWindow().form().log().size();

        WindowInput input(b);
        input.Press(QPointF(41, 12));
        input.Release(QPointF(41, 12));
        b.setFocus();
        input.Key(Qt::Key_Space);

        QStringList expected = LoggedEvents(b.controlWindow().form(), from);
        expected.removeAll(QStringLiteral("MouseOver"));
        expected.removeAll(QStringLiteral("MouseOut"));
        expected.removeIf([](const QString& e) { return e.startsWith(u"MouseMove"); });
        // clicked() follows each Click
        for (qsizetype i = expected.size() - 1; i >= 0; --i)
            if (expected[i] == u"Click") expected.insert(i + 1, QStringLiteral("clicked"));
        QCOMPARE(seen, expected);
        QCOMPARE(seen, QStringList({"MouseDown(1,0,41,12)", "Click", "clicked", "MouseUp(1,0,41,12)",
                                    "KeyDown(32,0)", "Click", "clicked", "KeyPress(32)", "KeyUp(32,0)"}));
    }

    void hoverSignalsComeFromTheControlsTimer() {
        Window w;
        Button& b = *w.button;
        QStringList seen;
        connect(&b, &Button::MouseOver, &b, [&] { seen << QStringLiteral("MouseOver"); });
        connect(&b, &Button::MouseOut, &b, [&] { seen << QStringLiteral("MouseOut"); });
        w.Show();
        WindowInput input(b);
        input.Move(QPointF(30, 20));
        QVERIFY(WaitFor([&] { return seen.count(QStringLiteral("MouseOver")) >= 2; }));
        input.Leave();
        QVERIFY(WaitFor([&] { return seen.contains(QStringLiteral("MouseOut")); }));
        QCOMPARE(seen.last(), QStringLiteral("MouseOut"));
        QCOMPARE(seen.count(QStringLiteral("MouseOut")), 1);
    }

    void theWidgetsToolTipIsTheControlsText() {
        Window w;
        Button& b = *w.button;
        b.setToolTip(QStringLiteral("Saves the file"));
        QCOMPARE(b.controlWindow().toolTipText(), QStringLiteral("Saves the file"));
        QCOMPARE(b.controlWindow().tooltipDescription(), QStringLiteral("Saves the file"));
        b.setToolTip(QString());
        QCOMPARE(b.controlWindow().toolTipText(), QString());
    }

    void aShapedButtonShowsItsParentAroundIt() {
        Window w;
        w.top.setAutoFillBackground(true);
        QPalette palette = w.top.palette();
        palette.setColor(QPalette::Window, QColor(0, 255, 0));
        w.top.setPalette(palette);
        Button& b = *w.button;
        b.setAppearance(Button::Shaped);
        w.Show();
        const QRegion shape = b.controlWindow().shape();
        QVERIFY(!shape.isEmpty());
        QVERIFY(shape != QRegion(b.rect()));
        const QImage shot = w.top.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int outside = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) {
                if (shape.contains(QPoint(x, y))) continue;
                ++outside;
                QCOMPARE(QColor(shot.pixel(b.mapTo(&w.top, QPoint(x, y)))), QColor(0, 255, 0));
            }
        QVERIFY(outside > 0);
    }

    void aSlotThatChangesAnArgumentChangesWhatTheButtonDoes() {
        Window w(QSize(120, 30));
        Button& b = *w.button;
        QSignalSpy clicked(&b, &Button::clicked);
        QSignalSpy dropDown(&b, &Button::dropDownClicked);
        w.Show();
        b.setFocus();
        WindowInput input(b);

        // Space clicks, unless a KeyDown slot takes the key away
        input.Key(Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
        auto swallow = connect(&b, &Button::KeyDown, &b, [](qint16* keyCode, qint16*) {
            if (*keyCode == 32) *keyCode = 0;
        });
        input.Key(Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
        disconnect(swallow);

        // a press moved into the drop-down zone opens it instead of clicking
        b.setAppearanceMode(Button::DropDownMode);
        input.Click(QPointF(20, 15));
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(dropDown.count(), 0);
        connect(&b, &Button::MouseDown, &b, [&](qint16*, qint16*, float* x, float*) { *x = 115; });
        input.Click(QPointF(20, 15));
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(dropDown.count(), 1);
        QCOMPARE(LoggedEvents(b.controlWindow().form()).filter(QStringLiteral("MouseDown")).last(),
                 QStringLiteral("MouseDown(1,0,115,15)"));
    }

    void aDropReachesTheSlotsWithItsDataAndTakesTheirEffect() {
        Window w;
        Button& b = *w.button;
        b.setOleDropMode(1);  // manual
        QStringList seen;
        connect(&b, &Button::OLEDragOver, &b,
                [&](DataObjectRef* data, qint32* effect, qint16*, qint16* shift, float* x, float*, qint16* state) {
                    seen << QStringLiteral("OLEDragOver %1 %2 %3 %4").arg(*effect).arg(*shift).arg(*x).arg(*state);
                    *effect = 1;  // copy only
                    QVERIFY(data && *data && (*data)->HasFormat(DataFormat::Text));
                });
        connect(&b, &Button::OLEDragDrop, &b,
                [&](DataObjectRef* data, qint32* effect, qint16*, qint16*, float*, float*) {
                    const std::optional<DataValue> text = (*data)->GetData(DataFormat::Text);
                    QVERIFY(text && std::holds_alternative<std::u16string>(*text));
                    seen << QStringLiteral("OLEDragDrop %1 ").arg(*effect) +
                                QString::fromStdU16String(std::get<std::u16string>(*text));
                });
        w.Show();
        QMimeData mime;
        mime.setText(QStringLiteral("dropped"));
        QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                              Qt::ShiftModifier);
        QApplication::sendEvent(&b.controlWindow(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);  // what the slot left
        QDropEvent drop(QPointF(22, 12), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&b.controlWindow(), &drop);
        QCOMPARE(seen, QStringList({"OLEDragOver 3 1 20 0", "OLEDragDrop 3 dropped"}));
        QCOMPARE(LoggedEvents(b.controlWindow().form()).filter(QStringLiteral("OLEDragOver")),
                 QStringList({"OLEDragOver(data,1,1,1,20,10,0)"}));
    }

    void toggledFollowsTheCheckedStateInToggleMode() {
        Window w;
        Button& b = *w.button;
        QStringList seen;
        connect(&b, &Button::toggled, &b, [&](bool on) { seen << (on ? "toggled on" : "toggled off"); });
        connect(&b, &Button::clicked, &b, [&] { seen << QStringLiteral("clicked"); });
        w.Show();
        WindowInput input(b);
        input.Click(QPointF(30, 20));  // a standard button toggles nothing
        QCOMPARE(seen, QStringList({"clicked"}));

        seen.clear();
        b.setAppearanceMode(Button::ToggleMode);
        input.Click(QPointF(30, 20));
        QVERIFY(b.isChecked());
        input.Click(QPointF(30, 20));
        b.setFocus();
        input.Key(Qt::Key_Space);
        QCOMPARE(seen, QStringList({"clicked", "toggled on", "clicked", "toggled off", "clicked", "toggled on"}));

        seen.clear();
        b.setToggleValue(false);
        b.setToggleValue(false);
        b.setToggleValue(true);
        b.setAppearanceMode(Button::StandardMode);  // not checked any more
        QCOMPARE(seen, QStringList({"toggled off", "toggled on", "toggled off"}));

        // Value True clicks by program
        seen.clear();
        QVERIFY(b.setProperty("Value", true));
        QCOMPARE(seen, QStringList({"clicked"}));
        QVERIFY(!b.value());
    }

    // ---- size, layouts, focus -----------------------------------------------------------

    void theSizeHintFollowsCaptionPictureAndMode() {
        Button b;
        b.setBorderWidth(2);
        // the content, 2 * (border + 6) across and 2 * (border + 3) down
        QCOMPARE(b.sizeHint(), QSize(2 * 8, 23));
        b.setCaption(QStringLiteral("&A caption much longer than seventy-five pixels"));
        const QSize text = QFontMetrics(b.font()).size(Qt::TextShowMnemonic, b.caption());
        QCOMPARE(b.sizeHint(), QSize(text.width() + 2 * 8, std::max(23, text.height() + 2 * 5)));
        b.setCaption(QStringLiteral("OK"));
        QCOMPARE(b.sizeHint().width(), 75);  // a captioned button is as wide as a push button
        QImage tall(20, 48, QImage::Format_RGB32);
        tall.fill(Qt::blue);
        b.setPicture(QPixmap::fromImage(tall));
        const QSize ok = QFontMetrics(b.font()).size(Qt::TextShowMnemonic, b.caption());
        QCOMPARE(b.sizeHint(), QSize(std::max(75, ok.width() + 4 + 20 + 2 * 8), 48 + 2 * 5));
        b.setCaptionPosition(Button::BottomOfPicture);
        QCOMPARE(b.sizeHint().height(), ok.height() + 4 + 48 + 2 * 5);
        b.setCaption(QStringLiteral("A caption wider than a push button"));
        const int width = b.sizeHint().width();
        b.setAppearanceMode(Button::DropDownMode);
        QCOMPARE(b.sizeHint().width(), width + b.dropDownWidth());
    }

    void aLayoutGivesTheControlItsSize() {
        QWidget top;
        auto* layout = new QHBoxLayout(&top);
        auto* ok = new Button(QStringLiteral("&OK"));
        auto* cancel = new Button(QStringLiteral("Cancel"));
        layout->addWidget(ok);
        layout->addWidget(cancel);
        top.resize(400, 100);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QCOMPARE(ok->height(), ok->sizeHint().height());
        QVERIFY(ok->width() > 150);
        QCOMPARE(ok->controlWindow().size(), ok->size());
        QCOMPARE(ok->controlWindow().image().size(), ok->size());
        // a longer caption asks the layout for more room
        const int before = cancel->width();
        top.resize(top.sizeHint());
        cancel->setCaption(QStringLiteral("Cancel this operation and all that follow it"));
        QTRY_VERIFY(cancel->width() > before);
    }

    void tabAndTheArrowKeysTakeTheApplicationsFocusChain() {
        QWidget top;
        auto* layout = new QHBoxLayout(&top);
        auto* first = new QLineEdit;
        auto* button = new Button(QStringLiteral("&Go"));
        auto* last = new QLineEdit;
        layout->addWidget(first);
        layout->addWidget(button);
        layout->addWidget(last);
        button->controlWindow().form().setLogging(true);
        top.show();
        top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&top));
        // showing gives the button no focus
        QVERIFY(!button->controlWindow().hasFocus());
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Tab);
        QVERIFY(button->controlWindow().hasFocus());
        QCOMPARE(button->controlWindow().form().focusControl(), &button->controlWindow());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), last);
        QCOMPARE(button->controlWindow().form().focusControl(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(button->controlWindow().hasFocus());
        // the control's own request: the right arrow moves on
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), last);
        // and the access key presses it from anywhere in the window
        QSignalSpy clicked(button, &Button::clicked);
        QTest::keyClick(last, Qt::Key_G, Qt::AltModifier);
        QCOMPARE(clicked.count(), 1);
    }

    // ---- the saved property set -----------------------------------------------------------

    void thePropertySetRoundTrips() {
        Button b;
        b.resize(100, 30);
        b.setCaption(QStringLiteral("&Save"));
        // (a detected theme would give its colours again when the set is read)
        b.setAppearance(Button::Office2007);
        b.setAppearanceThemes(Button::XPOliveTheme);
        b.setBackColorOver(QColor(255, 0, 0));
        b.setForeColor(SystemColor(13));
        b.setAppearanceMode(Button::ToggleMode);
        b.setToggleValue(true);
        b.setToolTipTitle(QStringLiteral("Saves"));
        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(QColor(0, 200, 0));
        b.setPicture(QPixmap::fromImage(picture));
        const host::PropertySet set = b.saveProperties();
        QCOMPARE(set.entries().front().key, QStringLiteral("_ExtentX"));
        QCOMPARE(set.Find(u"Caption")->value.toString(), QStringLiteral("&Save"));
        QCOMPARE(set.Find(u"BackColorOver")->value.toString(), QStringLiteral("&H000000FF&"));
        QCOMPARE(set.Find(u"ForeColor")->value.toString(), QStringLiteral("&H8000000D&"));
        QVERIFY(set.Find(u"Font"));

        Button copy;
        QSignalSpy toggled(&copy, &Button::toggled);
        copy.resize(100, 30);
        QStringList problems;
        copy.loadProperties(set, &problems);
        QCOMPARE(problems, QStringList());
        QCOMPARE(toggled.count(), 1);
        const QMetaObject& meta = Button::staticMetaObject;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const QMetaProperty property = meta.property(i);
            if (QByteArray(property.name()) == "hwnd") continue;
            if (property.metaType() == QMetaType::fromType<QPixmap>())
                QCOMPARE(property.read(&copy).value<QPixmap>().toImage(), property.read(&b).value<QPixmap>().toImage());
            else
                QVERIFY2(property.read(&copy) == property.read(&b), property.name());
        }
        QCOMPARE(copy.saveProperties(), set);

        // an empty set: the initial properties again
        copy.loadProperties(host::PropertySet());
        QCOMPARE(copy.caption(), QString());
        QCOMPARE(copy.appearanceMode(), Button::StandardMode);
        QCOMPARE(toggled.count(), 2);

        // a key the control refuses is named
        host::PropertySet bad = set;
        bad.Set({QStringLiteral("Caption"), QJsonValue(QJsonObject{{QStringLiteral("x"), 1}}), nullptr});
        copy.loadProperties(bad, &problems);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(u"button.properties.Caption: refused"), qPrintable(problems[0]));
    }

    void aButtonBuiltInCodeGoesThroughASavedFormAndBack() {
        Button b;
        b.resize(90, 28);
        b.setCaption(QStringLiteral("&Print"));
        b.setAppearance(Button::Gradient);
        b.setBackColor(QColor(10, 20, 30));
        b.setCaptionEffect(Button::Embossed);

        host::FormDocument doc;
        doc.form.name = QStringLiteral("frmMain");
        doc.form.width = 200;
        doc.form.height = 100;
        host::FormControl control;
        control.className = QStringLiteral("Vemmix.Zorvane");
        control.name = QStringLiteral("cmdPrint");
        control.width = b.width();
        control.height = b.height();
        control.properties = b.saveProperties();
        doc.controls.push_back(control);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("form.json"));
        QString error;
        QVERIFY2(host::WriteFormFile(doc, path, &error), qPrintable(error));

        host::FormError formError;
        const std::optional<host::FormDocument> read = host::ReadFormFile(path, &formError);
        QVERIFY2(read, qPrintable(formError.Text()));
        host::ControlRegistry registry;
        QVERIFY(registry.Load(host::ControlRegistry::DefaultLibrary(), &error));
        FormWindow form;
        QVERIFY2(LoadForm(form, *read, registry, nullptr, &error), qPrintable(error));
        ControlWindow* loaded = form.Find(u"cmdPrint");
        QVERIFY(loaded);
        QCOMPARE(ToString(Get(*loaded, u"Caption")), std::optional<std::u16string>(u"&Print"));
        QCOMPARE(ToInt32(Get(*loaded, u"Appearance")), std::optional(ecAppearance::Gradient));

        Button back;
        back.resize(90, 28);
        QStringList problems;
        back.loadProperties(SaveForm(form).controls.front().properties, &problems);
        QCOMPARE(problems, QStringList());
        QCOMPARE(back.caption(), QStringLiteral("&Print"));
        QCOMPARE(back.backColor(), QColor(10, 20, 30));
        QCOMPARE(back.captionEffect(), Button::Embossed);
        QCOMPARE(back.saveProperties(), b.saveProperties());
    }
};

QTEST_MAIN(ButtonTest)
#include "ButtonTest.moc"
