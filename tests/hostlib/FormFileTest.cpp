// Saved forms: a form with every key of every kind of control comes back
// from a load and a save whole, and the second save is byte for byte the
// first; placeholders give their sets back; the writer's output is the
// documented layout.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <vemmix/Dispatch.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/HostedForm.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << Str(path);
    return file.readAll();
}

// The file's "controls[i].properties" as Qt reads it.
QJsonObject OriginalProperties(const QString& path, int control) {
    const QJsonDocument doc = QJsonDocument::fromJson(ReadBytes(path));
    return doc.object().value(QStringLiteral("controls")).toArray()[control].toObject().value(QStringLiteral("properties")).toObject();
}

class EveryKeyForm : public ::testing::Test {
protected:
    const QString path = DataPath(QStringLiteral("forms/every-key.json"));
    QTemporaryDir dir;

    host::FormDocument Read(const QString& file) {
        host::FormError error;
        std::optional<host::FormDocument> doc = host::ReadFormFile(file, &error);
        EXPECT_TRUE(doc) << Str(error.Text());
        return doc ? std::move(*doc) : host::FormDocument{};
    }
    // Loaded, saved and written to `out` next to the original pictures.
    QByteArray LoadAndSave(const QString& from, const QString& out, QStringList* problems = nullptr) {
        std::unique_ptr<host::HostedForm> form = Host(Read(from));
        if (!form) return {};
        if (problems) *problems = form->problems();
        const host::FormDocument saved = form->Save();
        QString error;
        EXPECT_TRUE(host::WriteFormFile(saved, out, &error)) << Str(error);
        return ReadBytes(out);
    }
    // The form loaded, saved into the temporary folder and read back.
    host::FormDocument SavedAndReadBack() {
        const QString saved = dir.filePath(QStringLiteral("saved.json"));
        LoadAndSave(path, saved);
        return Read(saved);
    }
};

TEST_F(EveryKeyForm, TheSecondSaveIsTheFirstByteForByte) {
    const QString first = dir.filePath(QStringLiteral("first.json"));
    const QString second = dir.filePath(QStringLiteral("second.json"));
    const QByteArray once = LoadAndSave(path, first);
    const QByteArray twice = LoadAndSave(first, second);
    ASSERT_FALSE(once.isEmpty());
    EXPECT_EQ(once, twice);
    // and written again from the document as read, unchanged
    EXPECT_EQ(host::WriteForm(Read(first), dir.path()), once);
}

TEST_F(EveryKeyForm, EveryKeyOfTheButtonComesBackAsItWasSaved) {
    const host::FormDocument doc = SavedAndReadBack();
    const QJsonObject original = OriginalProperties(path, 1);
    const host::PropertySet& set = doc.controls[1].properties;
    ASSERT_EQ(original.size(), 64);
    // the container's extent first, then the 64 keys in the order the button writes them
    ASSERT_EQ(set.entries().size(), 66u);
    EXPECT_EQ(set.entries()[0].key, QStringLiteral("_ExtentX"));
    EXPECT_EQ(set.entries()[0].value.toInt(), 5292);  // 200 pixels at 96 dpi
    EXPECT_EQ(set.entries()[1].key, QStringLiteral("_ExtentY"));
    EXPECT_EQ(set.entries()[2].key, QStringLiteral("BackColor"));
    EXPECT_EQ(set.entries()[65].key, QStringLiteral("TextFadeSpeed"));
    for (auto it = original.begin(); it != original.end(); ++it) {
        const host::PropertySet::Entry* entry = set.Find(it.key());
        ASSERT_TRUE(entry) << Str(it.key());
        // pictures read from files are saved as the same files, relative to the new folder
        QJsonValue expected = it.value();
        if (expected.isObject() && expected.toObject().contains(QStringLiteral("file"))) {
            QJsonObject o = expected.toObject();
            o.insert(QStringLiteral("file"), QDir(dir.path()).relativeFilePath(
                                                 QDir(DataPath(QStringLiteral("forms"))).absoluteFilePath(o.value(QStringLiteral("file")).toString())));
            expected = o;
        }
        EXPECT_EQ(entry->value, expected) << Str(it.key());
    }
}

TEST_F(EveryKeyForm, TheLoadedButtonHoldsTheValues) {
    std::unique_ptr<host::HostedForm> form = Host(Read(path));
    ASSERT_TRUE(form);
    Control& button = form->Find(u"cmdEvery")->control();
    Variant v;
    ASSERT_EQ(GetProperty(button, u"Caption", v), 0);
    const std::u16string caption = *v.get_if<std::u16string>();
    EXPECT_NE(caption.find(std::u16string(u"&Go\0tail", 8)), std::u16string::npos);  // the NUL stays data
    EXPECT_NE(caption.find(u"\U0001F600"), std::u16string::npos);
    ASSERT_EQ(GetProperty(button, u"TextFadeSpeed", v), 0);
    EXPECT_EQ(v, Variant(std::int16_t{500}));  // no clamp at load
    ASSERT_EQ(GetProperty(button, u"ForeColor", v), 0);
    EXPECT_EQ(ToInt32(v), static_cast<std::int32_t>(0x80000008u));
    ASSERT_EQ(GetProperty(button, u"Font", v), 0);
    const FontRef font = *v.get_if<FontRef>();
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Description(), (FontDescription{u"DejaVu Sans", 13.5, true, true, false, true, 2}));
    ASSERT_EQ(GetProperty(button, u"PictureOver", v), 0);
    const PictureRef over = *v.get_if<PictureRef>();
    ASSERT_TRUE(over);
    EXPECT_EQ(over->type, PictureType::Bitmap);
    EXPECT_EQ(over->widthHimetric, 600);  // as the file says
    EXPECT_EQ(over->heightHimetric, 529);  // 20 pixels at 96 dpi
    ASSERT_EQ(GetProperty(button, u"PictureFocus", v), 0);
    EXPECT_EQ((*v.get_if<PictureRef>())->type, PictureType::Metafile);
    EXPECT_FALSE(form->Find(u"cmdEvery")->Enabled());
    EXPECT_EQ(form->Find(u"cmdEvery")->MousePointer(), 11);
    EXPECT_TRUE(form->Find(u"cmdPlain(3)"));
    EXPECT_FALSE(form->Find(u"cmdPlain(3)")->visible());
    EXPECT_TRUE(form->problems().size() == 1 && form->problems()[0].startsWith(QStringLiteral("controls[4].class:")))
        << Str(form->problems().join(u'\n'));
}

TEST_F(EveryKeyForm, ThePlaceholderGivesItsSetBackWithNothingLost) {
    const host::FormDocument doc = SavedAndReadBack();
    const QJsonObject original = OriginalProperties(path, 4);
    const host::PropertySet& set = doc.controls[4].properties;
    ASSERT_EQ(set.entries().size(), static_cast<std::size_t>(original.size()));
    for (auto it = original.begin(); it != original.end(); ++it) {
        ASSERT_TRUE(set.Find(it.key())) << Str(it.key());
        EXPECT_EQ(set.Find(it.key())->value, it.value()) << Str(it.key());
    }
    // in the order of the file
    QStringList keys;
    for (const host::PropertySet::Entry& e : set.entries()) keys << e.key;
    EXPECT_EQ(keys.join(u' '), QStringLiteral("zeta Alpha _ExtentY Flag Nothing Ratio Face Image _ExtentX"));
    EXPECT_EQ(doc.controls[4].className, QStringLiteral("Acme.Gauge"));
}

TEST_F(EveryKeyForm, FormSettingsMenusAndNativeControlsComeBack) {
    const host::FormDocument a = Read(path);
    const host::FormDocument b = SavedAndReadBack();
    EXPECT_EQ(b.form.name, a.form.name);
    EXPECT_EQ(b.form.title, a.form.title);
    EXPECT_EQ(b.form.backColor, a.form.backColor);
    EXPECT_EQ(b.form.font, a.form.font);
    EXPECT_EQ(b.form.visualStyle, a.form.visualStyle);
    EXPECT_EQ(b.form.defaultControl, a.form.defaultControl);
    EXPECT_EQ(b.form.cancelControl, a.form.cancelControl);
    EXPECT_TRUE(b.form.designMode);
    ASSERT_EQ(b.menus.size(), 2u);
    EXPECT_EQ(b.menus[0].items[0].caption, QStringLiteral("Main \u0394"));
    EXPECT_EQ(b.menus[0].items[1].index, 1);
    EXPECT_FALSE(b.menus[1].items[0].index);
    ASSERT_EQ(b.controls.size(), a.controls.size());
    for (std::size_t i = 0; i < a.controls.size(); ++i) {
        EXPECT_EQ(b.controls[i].Reference(), a.controls[i].Reference());
        EXPECT_EQ(b.controls[i].parent, a.controls[i].parent);
        EXPECT_EQ(b.controls[i].left, a.controls[i].left);
        EXPECT_EQ(b.controls[i].height, a.controls[i].height);
        EXPECT_EQ(b.controls[i].tabIndex, a.controls[i].tabIndex);
        EXPECT_EQ(b.controls[i].visible, a.controls[i].visible);
        EXPECT_EQ(b.controls[i].toolTipText, a.controls[i].toolTipText);
    }
    // the frame's and the label's own keys
    for (int control : {0, 3}) {
        const QJsonObject original = OriginalProperties(path, control);
        for (auto it = original.begin(); it != original.end(); ++it) {
            ASSERT_TRUE(b.controls[static_cast<std::size_t>(control)].properties.Find(it.key())) << Str(it.key());
            EXPECT_EQ(b.controls[static_cast<std::size_t>(control)].properties.Find(it.key())->value, it.value())
                << Str(it.key());
        }
    }
}

// The button keeps its values when the set is read again from the saved
// file: what the saved file says is what the first button held.
TEST_F(EveryKeyForm, ALoadedSaveEqualsTheFirstButton) {
    const QString saved = dir.filePath(QStringLiteral("saved.json"));
    LoadAndSave(path, saved);
    std::unique_ptr<host::HostedForm> first = Host(Read(path));
    std::unique_ptr<host::HostedForm> second = Host(Read(saved));
    Control& a = first->Find(u"cmdEvery")->control();
    Control& b = second->Find(u"cmdEvery")->control();
    for (const typelib::Member& m : a.GetTypeInfo().members) {
        if (m.IsMethod() || m.type == typelib::ValueType::Picture || m.type == typelib::ValueType::Font) continue;
        Variant va, vb;
        if (GetProperty(a, m.name, va) != 0) continue;
        ASSERT_EQ(GetProperty(b, m.name, vb), 0);
        EXPECT_EQ(va, vb) << Str(QString::fromStdU16String(std::u16string(m.name)));
    }
    EXPECT_EQ(first->Render(), second->Render());
}

TEST(FormWriter, WritesTheDocumentedLayout) {
    const host::FormDocument doc = Parse(R"({"format": "vemmix-form", "version": 1,
        "form": {"width": 120, "height": 40},
        "controls": [{"class": "Label", "name": "lblA", "left": 1, "top": 2, "width": 30, "height": 10,
                      "properties": {"Caption": "Tab\there \"quoted\" \\ \u00e9\u0000"}}]})");
    const QByteArray json = host::WriteForm(doc);
    const QByteArray expected = R"({
  "format": "vemmix-form",
  "version": 1,
  "form": {
    "name": "Form1",
    "title": "",
    "width": 120,
    "height": 40,
    "backColor": "&H8000000F&",
    "font": {
      "name": "MS Sans Serif",
      "size": 8.25,
      "bold": false,
      "italic": false,
      "underline": false,
      "strikethrough": false,
      "charset": 0
    },
    "visualStyle": "auto",
    "mode": "run"
  },
  "controls": [
    {
      "class": "Label",
      "name": "lblA",
      "left": 1,
      "top": 2,
      "width": 30,
      "height": 10,
      "tabIndex": 0,
      "visible": true,
      "properties": {
        "Caption": "Tab\there \"quoted\" \\ )" "\xc3\xa9" R"(\u0000"
      }
    }
  ],
  "menus": []
}
)";
    EXPECT_EQ(json.toStdString(), expected.toStdString());
}

TEST(FormWriter, AnUnpairedSurrogateSurvivesAsAnEscape) {
    host::FormDocument doc = Parse(R"({"format": "vemmix-form", "version": 1, "form": {"width": 10, "height": 10},
        "controls": [{"class": "Label", "name": "l", "left": 0, "top": 0, "width": 1, "height": 1,
                      "properties": {"Caption": "a\ud800b"}}]})");
    const QByteArray json = host::WriteForm(doc);
    EXPECT_TRUE(json.contains("a\\ud800b")) << json.toStdString();
    const host::FormDocument again = Parse(json);
    EXPECT_EQ(again.controls[0].properties.Find(u"Caption")->value.toString(), QString::fromUtf16(std::u16string(u"a\xD800" u"b").c_str()));
}

// Qt's reader drops a byte-order mark that starts a string, so the writer
// escapes it: a text that is only one, or starts with one, comes back.
TEST(FormWriter, AByteOrderMarkThatStartsATextSurvives) {
    host::FormDocument doc = Parse(R"({"format": "vemmix-form", "version": 1, "form": {"width": 10, "height": 10},
        "controls": [{"class": "Label", "name": "l", "left": 0, "top": 0, "width": 1, "height": 1,
                      "toolTipText": "\ufeff", "properties": {"Caption": "\ufeffa"}}]})");
    const host::FormDocument again = Parse(host::WriteForm(doc));
    EXPECT_EQ(again.controls[0].toolTipText, QString(QChar(0xFEFF)));
    EXPECT_EQ(again.controls[0].properties.Find(u"Caption")->value.toString(), QChar(0xFEFF) + QStringLiteral("a"));
}

TEST(FormWriter, WritingAFileIsWholeOrNothing) {
    const host::FormDocument doc = Parse(R"({"format": "vemmix-form", "version": 1, "form": {"width": 10, "height": 10}})");
    QString error;
    EXPECT_FALSE(host::WriteFormFile(doc, QStringLiteral("/nonexistent/folder/form.json"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("/nonexistent/folder/form.json: cannot be written"))) << Str(error);
}

// Property keys are matched without regard to case; the button's own
// spelling is what a save writes.
TEST(FormReader, KeysInAnyCaseAreTheButtonsKeys) {
    std::unique_ptr<host::HostedForm> form = Host(Parse(R"({"format": "vemmix-form", "version": 1,
        "form": {"width": 100, "height": 40},
        "controls": [{"class": "Vemmix.Zorvane", "name": "cmdA", "left": 0, "top": 0, "width": 80, "height": 24,
                      "properties": {"caption": "Lower", "BACKCOLOR": "&H000000FF&", "depth": 5,
                                     "appearance": 0}}]})"));
    ASSERT_TRUE(form);
    Variant v;
    GetProperty(form->Find(u"cmdA")->control(), u"BackColor", v);
    EXPECT_EQ(v, Variant(std::int32_t{0xFF}));
    const host::FormDocument saved = form->Save();
    const host::PropertySet& set = saved.controls[0].properties;
    ASSERT_TRUE(set.Find(u"caption"));
    EXPECT_EQ(set.Find(u"caption")->key, QStringLiteral("Caption"));
    EXPECT_EQ(set.Find(u"Depth")->value.toInt(), 5);
}

}  // namespace
}  // namespace vemmix::hosttest

namespace vemmix::hosttest {
namespace {

// The complete example of docs/forms.md is the example file, and it loads.
TEST(DocumentedExample, IsTheExampleFileAndLoads) {
    QFile doc(QStringLiteral(VEMMIX_DOCS_DIR "/forms.md"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(doc.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("```json\n{\n  \"format\""));
    ASSERT_GE(start, 0);
    const qsizetype end = text.indexOf(QStringLiteral("```"), start + 7);
    const QString example = text.mid(start + 8, end - start - 8);
    QFile file(QStringLiteral(VEMMIX_DOCS_DIR "/examples/welcome.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(Str(example), Str(QString::fromUtf8(file.readAll())));

    host::FormError error;
    std::optional<host::FormDocument> form = host::ReadFormFile(file.fileName(), &error);
    ASSERT_TRUE(form) << Str(error.Text());
    std::unique_ptr<host::HostedForm> hosted = Host(std::move(*form));
    ASSERT_TRUE(hosted);
    ASSERT_EQ(hosted->problems().size(), 1);
    EXPECT_TRUE(hosted->problems()[0].contains(QStringLiteral("Acme.Gauge")));
    EXPECT_EQ(hosted->Render().size(), QSize(440, 300));
}

}  // namespace
}  // namespace vemmix::hosttest
