// Property-based: a random sound form, written and read back, is the same
// form, field by field and property by property, and writes the same bytes
// again. The forms hold every part a form file has: settings with any
// colour, font and visual style, controls of the button, frames, labels and
// unknown classes, control arrays, frames inside frames, the default and
// cancel controls, menus, and property sets with values of every kind
// (numbers, colour texts, texts with any character, Booleans, null, fonts,
// pictures of other types and the empty picture).
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QJsonArray>
#include <QJsonObject>

#include <vemmix/host/Form.h>
#include <vemmix/host/Limits.h>

namespace vemmix::hosttest {
namespace {

using host::FormControl;
using host::FormDocument;

QString Text(const std::u16string& text) { return QString::fromStdU16String(text); }

// Any UTF-16 text, leaning towards what JSON escapes.
rc::Gen<QString> AnyText(int maxLength) {
    return rc::gen::map(rc::gen::resize(maxLength, rc::gen::container<std::u16string>(rc::gen::oneOf(
                            rc::gen::element<char16_t>(u'a', u'Z', u' ', u'"', u'\\', u'/', u'\0', u'\n', u'\t',
                                                       char16_t(0x7F), char16_t(0x4E2D), char16_t(0xFEFF),
                                                       char16_t(0xD800), char16_t(0xDFFF)),
                            rc::gen::arbitrary<char16_t>()))),
                        Text);
}

// A name: a letter, then letters, digits or underscores.
rc::Gen<QString> AnyName(int maxLength) {
    return rc::gen::map(
        rc::gen::pair(rc::gen::element('a', 'Q', 'z'),
                      rc::gen::resize(maxLength - 1, rc::gen::container<std::string>(
                                                         rc::gen::element('a', 'B', '0', '9', '_', 'x')))),
        [](const std::pair<char, std::string>& p) { return QString::fromLatin1(p.first + p.second); });
}

rc::Gen<double> FiniteDouble() {
    return rc::gen::oneOf(rc::gen::map(rc::gen::arbitrary<double>(),
                                       [](double d) { return std::isfinite(d) ? d : 0.5; }),
                          rc::gen::element(0.0, -0.0, 0.1, 8.25, 1e300, -1e-300, 2147483648.0, 9007199254740993.0));
}

rc::Gen<FontDescription> AnyFont() {
    return rc::gen::build<FontDescription>(
        rc::gen::set(&FontDescription::name,
                     rc::gen::map(rc::gen::pair(rc::gen::element(std::u16string(u"Tahoma"), std::u16string(u"Ω"),
                                                                 std::u16string(255, u'x')),
                                                rc::gen::inRange(0, 3)),
                                  [](const std::pair<std::u16string, int>& p) { return p.first.substr(0, 255 - p.second); })),
        rc::gen::set(&FontDescription::size,
                     rc::gen::oneOf(rc::gen::element(1.0, 8.25, 9.75, 2048.0, 1.0000001),
                                    rc::gen::map(rc::gen::inRange(4, 8192), [](int q) { return q / 4.0; }))),
        rc::gen::set(&FontDescription::bold), rc::gen::set(&FontDescription::italic),
        rc::gen::set(&FontDescription::underline), rc::gen::set(&FontDescription::strikethrough),
        rc::gen::set(&FontDescription::charset, rc::gen::arbitrary<std::int16_t>()));
}

QJsonObject FontJson(const FontDescription& font) {
    return QJsonObject{{QStringLiteral("name"), Text(font.name)}, {QStringLiteral("size"), font.size},
                       {QStringLiteral("bold"), font.bold},       {QStringLiteral("italic"), font.italic},
                       {QStringLiteral("underline"), font.underline},
                       {QStringLiteral("strikethrough"), font.strikethrough},
                       {QStringLiteral("charset"), font.charset}};
}

rc::Gen<QJsonValue> AnyValue() {
    return rc::gen::oneOf(
        rc::gen::map(rc::gen::arbitrary<std::int32_t>(), [](std::int32_t v) { return QJsonValue(v); }),
        rc::gen::map(FiniteDouble(), [](double v) { return QJsonValue(v); }),
        rc::gen::map(rc::gen::arbitrary<std::uint32_t>(),
                     [](std::uint32_t v) { return QJsonValue(QStringLiteral("&H%1&").arg(v, 0, 16).toUpper()); }),
        rc::gen::map(AnyText(40), [](const QString& t) { return QJsonValue(t); }),
        rc::gen::map(rc::gen::arbitrary<bool>(), [](bool v) { return QJsonValue(v); }),
        rc::gen::just(QJsonValue(QJsonValue::Null)),
        rc::gen::map(AnyFont(), [](const FontDescription& f) { return QJsonValue(FontJson(f)); }),
        rc::gen::just(QJsonValue(QJsonObject{{QStringLiteral("type"), QStringLiteral("empty")}})),
        rc::gen::map(rc::gen::pair(rc::gen::inRange(0, 600000), rc::gen::inRange(0, 600000)), [](std::pair<int, int> s) {
            return QJsonValue(QJsonObject{{QStringLiteral("type"), QStringLiteral("metafile")},
                                          {QStringLiteral("widthHimetric"), s.first},
                                          {QStringLiteral("heightHimetric"), s.second}});
        }));
}

host::PropertySet AnySet() {
    host::PropertySet set;
    const int count = *rc::gen::inRange(0, 7);
    std::set<QString> keys;
    for (int i = 0; i < count; ++i) {
        QString key = *rc::gen::oneOf(rc::gen::element(QStringLiteral("Caption"), QStringLiteral("BackColor"),
                                                       QStringLiteral("Font"),
                                                       QStringLiteral("Picture")),
                                      AnyName(host::limits::kMaxKeyLength));
        // keys are one a set, in any case; _ExtentX and _ExtentY are the
        // container's own (whole numbers), so none is generated
        if (!keys.insert(key.toLower()).second) continue;
        set.Set({key, *AnyValue(), nullptr});
    }
    return set;
}

FormDocument AnyForm() {
    FormDocument doc;
    doc.form.name = *AnyName(host::limits::kMaxNameLength);
    doc.form.title = *AnyText(60);
    doc.form.width = *rc::gen::inRange(1, host::limits::kMaxFormSize + 1);
    doc.form.height = *rc::gen::inRange(1, 1024);
    doc.form.backColor = *rc::gen::oneOf(rc::gen::inRange<OleColor>(0, 0x01000000),
                                         rc::gen::map(rc::gen::inRange(0, 31), [](int i) { return SystemColorRef(i); }));
    doc.form.font = *AnyFont();
    if (*rc::gen::arbitrary<bool>()) {
        doc.form.visualStyle.name = *rc::gen::element(QStringLiteral("auto"), QStringLiteral("none"), QStringLiteral("blue"),
                                                      QStringLiteral("olive"), QStringLiteral("silver"), QStringLiteral("royal"));
    } else {
        doc.form.visualStyle = {QString(), QStringLiteral("luna.msstyles"), QStringLiteral("Metallic"),
                                QStringLiteral("NormalSize")};
    }
    doc.form.designMode = *rc::gen::arbitrary<bool>();

    const int count = *rc::gen::inRange(0, 9);
    std::vector<QString> frames, buttons;
    std::set<QString> names;
    for (int i = 0; i < count; ++i) {
        FormControl c;
        c.className = *rc::gen::element(QStringLiteral("Vemmix.Zorvane"), QStringLiteral("Frame"),
                                        QStringLiteral("Label"), QStringLiteral("Acme.Unknown"));
        c.name = (*AnyName(30)) + QStringLiteral("_%1").arg(i);
        if (*rc::gen::arbitrary<bool>()) c.index = *rc::gen::inRange(0, host::limits::kMaxIndex + 1);
        if (!frames.empty() && *rc::gen::arbitrary<bool>()) c.parent = *rc::gen::elementOf(frames);
        c.left = *rc::gen::inRange(-host::limits::kMaxPosition, host::limits::kMaxPosition + 1);
        c.top = *rc::gen::inRange(-host::limits::kMaxPosition, host::limits::kMaxPosition + 1);
        c.width = *rc::gen::inRange(0, 2049);
        c.height = *rc::gen::inRange(0, 1025);
        c.tabIndex = *rc::gen::inRange(0, host::limits::kMaxIndex + 1);
        c.visible = *rc::gen::arbitrary<bool>();
        c.toolTipText = *AnyText(20);
        c.properties = AnySet();
        if (c.className == QLatin1String("Frame")) frames.push_back(c.Reference());
        if (c.className == QLatin1String("Vemmix.Zorvane")) buttons.push_back(c.Reference());
        doc.controls.push_back(std::move(c));
    }
    if (!buttons.empty() && *rc::gen::arbitrary<bool>()) doc.form.defaultControl = *rc::gen::elementOf(buttons);
    if (!buttons.empty() && *rc::gen::arbitrary<bool>()) doc.form.cancelControl = *rc::gen::elementOf(buttons);

    const int menus = *rc::gen::inRange(0, 3);
    for (int m = 0; m < menus; ++m) {
        host::FormMenu menu;
        menu.name = QStringLiteral("mnu%1").arg(m);
        menu.caption = *AnyText(20);
        const int items = *rc::gen::inRange(0, 4);
        for (int i = 0; i < items; ++i)
            menu.items.push_back({QStringLiteral("mnuItem%1_%2").arg(m).arg(i),
                                  *rc::gen::arbitrary<bool>() ? std::optional<int>(i) : std::nullopt,
                                  *AnyText(20)});
        doc.menus.push_back(std::move(menu));
    }
    return doc;
}

void ExpectSame(const FormDocument& a, const FormDocument& b) {
    RC_ASSERT(a.form.name == b.form.name);
    RC_ASSERT(a.form.title == b.form.title);
    RC_ASSERT(a.form.width == b.form.width);
    RC_ASSERT(a.form.height == b.form.height);
    RC_ASSERT(a.form.backColor == b.form.backColor);
    RC_ASSERT(a.form.font == b.form.font);
    RC_ASSERT(a.form.visualStyle == b.form.visualStyle);
    RC_ASSERT(a.form.defaultControl == b.form.defaultControl);
    RC_ASSERT(a.form.cancelControl == b.form.cancelControl);
    RC_ASSERT(a.form.designMode == b.form.designMode);
    RC_ASSERT(a.controls.size() == b.controls.size());
    for (std::size_t i = 0; i < a.controls.size(); ++i) {
        const FormControl& x = a.controls[i];
        const FormControl& y = b.controls[i];
        RC_ASSERT(x.className == y.className);
        RC_ASSERT(x.name == y.name);
        RC_ASSERT(x.index == y.index);
        RC_ASSERT(x.parent == y.parent);
        RC_ASSERT(x.left == y.left);
        RC_ASSERT(x.top == y.top);
        RC_ASSERT(x.width == y.width);
        RC_ASSERT(x.height == y.height);
        RC_ASSERT(x.tabIndex == y.tabIndex);
        RC_ASSERT(x.visible == y.visible);
        RC_ASSERT(x.toolTipText == y.toolTipText);
        RC_ASSERT(x.properties == y.properties);
    }
    RC_ASSERT(a.menus.size() == b.menus.size());
    for (std::size_t m = 0; m < a.menus.size(); ++m) {
        RC_ASSERT(a.menus[m].name == b.menus[m].name);
        RC_ASSERT(a.menus[m].caption == b.menus[m].caption);
        RC_ASSERT(a.menus[m].items.size() == b.menus[m].items.size());
        for (std::size_t i = 0; i < a.menus[m].items.size(); ++i) {
            RC_ASSERT(a.menus[m].items[i].name == b.menus[m].items[i].name);
            RC_ASSERT(a.menus[m].items[i].index == b.menus[m].items[i].index);
            RC_ASSERT(a.menus[m].items[i].caption == b.menus[m].items[i].caption);
        }
    }
}

RC_GTEST_PROP(FormRoundTrip, ARandomFormReadsBackAsItWasWritten, ()) {
    const FormDocument doc = AnyForm();
    const std::optional<host::FormError> unsound = host::CheckForm(doc);
    RC_ASSERT(!unsound.has_value());
    const QByteArray bytes = host::WriteForm(doc);
    host::FormError error;
    const std::optional<FormDocument> read = host::ReadForm(bytes, QStringLiteral("random.json"), {}, &error);
    if (!read) RC_FAIL(error.Text().toStdString() + "\n" + bytes.left(4000).toStdString());
    ExpectSame(doc, *read);
    RC_ASSERT(host::WriteForm(*read) == bytes);
}

}  // namespace
}  // namespace vemmix::hosttest
