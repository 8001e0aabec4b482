// The saved-form reader over any bytes. A refused form names what is
// wrong; an accepted one is sound (CheckForm), and writing it, reading the
// result and writing again gives the same bytes. A small accepted form is
// also loaded into a headless form (through the control registry) and
// saved from it, which must give a document the reader takes again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QByteArray>

#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/HostedForm.h>

#include "tests/fuzz/qt/QtFuzz.h"

namespace {

using namespace vemmix;

// Relative picture paths resolve in a folder that does not exist: the
// reader answers "cannot be opened" without touching the disk.
const QString kBase = QStringLiteral("/nonexistent/vemmix-fuzz");

// Forms loaded into windows: at most this many window pixels, so an
// execution stays cheap.
constexpr std::int64_t kMaxLoadedPixels = 64 * 1024;

std::int64_t WindowPixels(const host::FormDocument& document) {
    std::int64_t pixels = std::int64_t{document.form.width} * document.form.height;
    for (const host::FormControl& control : document.controls) pixels += std::int64_t{control.width} * control.height;
    return pixels;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static_cast<void>(argc);
    fuzz::StartQt((*argv)[0]);
    fuzz::Registry();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    host::FormError error;
    const std::optional<host::FormDocument> document = host::ReadForm(bytes, QStringLiteral("fuzz.json"), kBase, &error);
    if (!document) {
        if (error.message.isEmpty() || error.location.isEmpty()) fuzz::Fail("a refusal without a place or a message");
        if (error.file != QLatin1String("fuzz.json")) fuzz::Fail("a refusal naming another file");
        return 0;
    }
    if (const std::optional<host::FormError> unsound = host::CheckForm(*document))
        fuzz::Fail(("an accepted form is unsound: " + unsound->Text().toStdString()).c_str());

    const QByteArray written = host::WriteForm(*document, kBase);
    const std::optional<host::FormDocument> again = host::ReadForm(written, QStringLiteral("fuzz.json"), kBase, &error);
    if (!again) fuzz::Fail(("a written form is refused: " + error.Text().toStdString()).c_str());
    if (host::WriteForm(*again, kBase) != written) fuzz::Fail("write -> read -> write changed the bytes");

    if (WindowPixels(*again) > kMaxLoadedPixels) return 0;
    host::HostOptions options;
    options.deterministicText = true;
    options.dpi = 96;
    std::unique_ptr<host::HostedForm> form = host::HostedForm::Load(*again, fuzz::Registry(), options, &error);
    if (!form) return 0;  // a control's own refusal; the form as a whole was sound
    const QByteArray saved = host::WriteForm(form->Save(), kBase);
    if (!host::ReadForm(saved, QStringLiteral("saved.json"), kBase, &error))
        fuzz::Fail(("a loaded form saves a form the reader refuses: " + error.Text().toStdString()).c_str());
    return 0;
}
