// Every damaged or hostile form under data/forms/hostile is refused as a
// whole with the one message its .error file holds, after "<file>: ".
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vemmix/host/Form.h>
#include <vemmix/host/Limits.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

QStringList HostileFiles() {
    return QDir(DataPath(QStringLiteral("forms/hostile"))).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
}

QString Expected(const QString& jsonFile) {
    QFile file(DataPath(QStringLiteral("forms/hostile/") + jsonFile.chopped(5) + QStringLiteral(".error")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

class HostileForm : public ::testing::TestWithParam<QString> {};

TEST_P(HostileForm, IsRefusedWithItsMessage) {
    const QString path = DataPath(QStringLiteral("forms/hostile/") + GetParam());
    const QString expected = Expected(GetParam());
    ASSERT_FALSE(expected.isEmpty()) << "no .error file for " << Str(GetParam());
    host::FormError error;
    const std::optional<host::FormDocument> doc = host::ReadFormFile(path, &error);
    EXPECT_FALSE(doc.has_value());
    EXPECT_EQ(Str(error.Text()), Str(path + QStringLiteral(": ") + expected));
    EXPECT_EQ(error.file, path);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileForm, ::testing::ValuesIn(HostileFiles()), [](const auto& info) {
    std::string name = Str(info.param.chopped(5));
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

TEST(HostileForms, EveryMessageHasItsFile) {
    const QStringList errors =
        QDir(DataPath(QStringLiteral("forms/hostile"))).entryList({QStringLiteral("*.error")}, QDir::Files);
    EXPECT_EQ(errors.size(), HostileFiles().size());
    EXPECT_GE(HostileFiles().size(), 40);
}

TEST(HostileForms, AFileBeyondTheSizeLimitIsNotRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(host::limits::kMaxFormFileBytes + 1));
    file.close();
    host::FormError error;
    EXPECT_FALSE(host::ReadFormFile(path, &error));
    EXPECT_EQ(Str(error.Text()), Str(path + QStringLiteral(": file: larger than the 33554432 bytes a form file may have")));
}

TEST(HostileForms, AMissingFileOrAFolderIsNamed) {
    host::FormError error;
    EXPECT_FALSE(host::ReadFormFile(QStringLiteral("/nonexistent/form.json"), &error));
    EXPECT_EQ(Str(error.Text()), "/nonexistent/form.json: file: cannot be opened (No such file or directory)");
    EXPECT_FALSE(host::ReadFormFile(DataPath(QStringLiteral("forms")), &error));
    EXPECT_EQ(error.location, QStringLiteral("file"));
}

// A document made in code gets the same checks between its parts.
TEST(HostileForms, DocumentsMadeInCodeAreCheckedToo) {
    host::FormDocument doc;
    doc.form.width = 100;
    doc.form.height = 50;
    host::FormControl frame;
    frame.className = QStringLiteral("Frame");
    frame.name = frame.parent = QStringLiteral("fraA");
    doc.controls.push_back(frame);
    const std::optional<host::FormError> error = host::CheckForm(doc);
    ASSERT_TRUE(error);
    EXPECT_EQ(Str(error->location + QStringLiteral(": ") + error->message),
              "controls[0].parent: \"fraA\" is inside itself (fraA -> fraA)");
    doc.controls[0].parent.clear();
    doc.controls[0].width = 100000;
    ASSERT_TRUE(host::CheckForm(doc));
    EXPECT_EQ(host::CheckForm(doc)->location, QStringLiteral("controls[0]"));
    host::FormError loadError;
    EXPECT_FALSE(host::HostedForm::Load(doc, DefaultRegistry(), {}, &loadError));
    EXPECT_EQ(loadError.location, QStringLiteral("controls[0]"));
}

}  // namespace
}  // namespace vemmix::hosttest
