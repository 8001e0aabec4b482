// Hostile inputs beyond the damaged forms of data/forms/hostile: every
// picture under data/hostile/pictures (absurd, lying, truncated, empty) is
// refused with the one message its .error file holds, or, where its .error
// file says "accepted WIDTH x HEIGHT", read as a picture of that size; and
// a form of a million controls is refused by its count before any control
// is read. (The hostile scripts are run by the script tests, label script.)
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonObject>
#include <QFile>
#include <QTemporaryDir>

#include <vemmix/Dispatch.h>
#include <vemmix/Errors.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/Limits.h>
#include <vemmix/host/Pictures.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

QString PicturePath(const QString& name) { return DataPath(QStringLiteral("hostile/pictures/") + name); }

QStringList HostilePictures() {
    QStringList pictures = QDir(DataPath(QStringLiteral("hostile/pictures"))).entryList(QDir::Files, QDir::Name);
    pictures.removeIf([](const QString& name) { return name.endsWith(QLatin1String(".error")); });
    return pictures;
}

QString Expected(const QString& picture) {
    QFile file(PicturePath(picture + QStringLiteral(".error")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

class HostilePicture : public ::testing::TestWithParam<QString> {};

TEST_P(HostilePicture, IsRefusedWithItsMessageOrReadAtItsSize) {
    const QString expected = Expected(GetParam());
    ASSERT_FALSE(expected.isEmpty()) << "no .error file for " << Str(GetParam());
    QString error;
    const PictureRef picture = host::LoadPicture(PicturePath(GetParam()), &error);
    if (expected.startsWith(QLatin1String("accepted "))) {
        ASSERT_TRUE(picture) << Str(error);
        const QImage image = host::ImageFromPicture(*picture);
        EXPECT_EQ(Str(QStringLiteral("accepted %1 x %2").arg(image.width()).arg(image.height())), Str(expected));
    } else {
        EXPECT_FALSE(picture);
        EXPECT_EQ(Str(error), Str(expected));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, HostilePicture, ::testing::ValuesIn(HostilePictures()), [](const auto& info) {
    std::string name = Str(info.param);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

TEST(HostilePictures, EveryPictureHasItsMessage) {
    const QStringList errors =
        QDir(DataPath(QStringLiteral("hostile/pictures"))).entryList({QStringLiteral("*.error")}, QDir::Files);
    EXPECT_EQ(errors.size(), HostilePictures().size());
    EXPECT_GE(HostilePictures().size(), 10);
}

// A million controls in a file of 3 MB, under the size limit: refused by
// the count, before any control is read.
TEST(HostileForms, AMillionControlsAreRefusedByTheirCount) {
    constexpr int kControls = 1000000;
    QByteArray json = R"({"format": "vemmix-form", "version": 1, "form": {"width": 200, "height": 100}, "controls": [)";
    json.reserve(json.size() + 3 * kControls + 8);
    for (int i = 0; i < kControls; ++i) json += i ? ",{}" : "{}";
    json += "]}";
    ASSERT_LT(json.size(), host::limits::kMaxFormFileBytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("million.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(json), json.size());
    file.close();
    host::FormError error;
    EXPECT_FALSE(host::ReadFormFile(path, &error));
    EXPECT_EQ(Str(error.Text()), Str(path + QStringLiteral(": controls: 1000000 entries are more than the 1024 allowed")));
}

// A font object takes any 16-bit character set through its setter, so a
// form holding one is read (the whole form was refused before).
TEST(FontCharset, WhatAFontHoldsAFormKeeps) {
    FontRef font = MakeFont({});
    font->SetCharset(300);
    host::FormDocument doc;
    doc.form.width = 100;
    doc.form.height = 50;
    doc.form.font.charset = -1;
    host::FormControl button;
    button.className = QStringLiteral("Vemmix.Zorvane");
    button.name = QStringLiteral("cmdA");
    button.width = 80;
    button.height = 20;
    doc.controls.push_back(button);
    auto form = Host(doc);
    ASSERT_TRUE(form);
    ASSERT_EQ(SetProperty(form->Find(u"cmdA")->control(), u"Font", Variant(font)), errors::kNone);
    const QByteArray json = host::WriteForm(form->Save());
    const host::FormDocument read = Parse(json);
    EXPECT_EQ(read.form.font.charset, -1);
    ASSERT_EQ(read.controls.size(), 1u);
    const host::PropertySet::Entry* saved = read.controls[0].properties.Find(u"Font");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->value.toObject().value(QStringLiteral("charset")).toInt(), 300);
}

}  // namespace
}  // namespace vemmix::hosttest
