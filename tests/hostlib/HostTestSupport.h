// Helpers of the host tests: data files, images, forms loaded from text.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <optional>
#include <string>

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/HostedForm.h>

// gtest prints a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace vemmix::hosttest {

inline QString DataPath(const QString& relative) {
    return QDir(QStringLiteral(VEMMIX_TEST_DATA_DIR)).filePath(relative);
}

// The registry with the package's own control library.
inline std::shared_ptr<host::ControlRegistry> DefaultRegistry() {
    auto registry = std::make_shared<host::ControlRegistry>();
    QString error;
    EXPECT_TRUE(registry->Load(host::ControlRegistry::DefaultLibrary(), &error)) << error.toStdString();
    return registry;
}

// A form read from JSON text; fails the test when it cannot be read.
inline host::FormDocument Parse(const QByteArray& json, const QString& base = {}) {
    host::FormError error;
    std::optional<host::FormDocument> doc = host::ReadForm(json, QStringLiteral("test.json"), base, &error);
    EXPECT_TRUE(doc.has_value()) << error.Text().toStdString();
    return doc ? std::move(*doc) : host::FormDocument{};
}

inline std::unique_ptr<host::HostedForm> Host(host::FormDocument doc, host::HostOptions options = {}) {
    host::FormError error;
    auto form = host::HostedForm::Load(std::move(doc), DefaultRegistry(), options, &error);
    EXPECT_TRUE(form) << error.Text().toStdString();
    return form;
}

inline std::string Str(const QString& s) { return s.toStdString(); }

// Pixels as 0xRRGGBB, whatever the format.
inline std::uint32_t Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0x00FFFFFFu; }

}  // namespace vemmix::hosttest
