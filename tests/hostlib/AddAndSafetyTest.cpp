// Controls added to a loaded form (HostedForm::Add), the scripting-safety
// check a container makes before it hands a control untrusted callers or
// data (CheckSafety, HostOptions::requiredSafety), and names in documents
// made in code (CheckForm).
#include <gtest/gtest.h>

#include <vemmix/Dispatch.h>
#include <vemmix/Errors.h>
#include <vemmix/headless/HeadlessContainer.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

constexpr std::uint32_t kBoth = kSafeForUntrustedCaller | kSafeForUntrustedData;

host::FormControl Record(const char* className, const char* name, int left = 0) {
    host::FormControl record;
    record.className = QLatin1String(className);
    record.name = QLatin1String(name);
    record.left = left;
    record.width = 80;
    record.height = 24;
    return record;
}

const QByteArray kEmptyForm = R"({"format": "vemmix-form", "version": 1, "form": {"width": 200, "height": 60}})";

TEST(HostedFormAdd, AddsANewButtonThatTheNextSaveWrites) {
    std::unique_ptr<host::HostedForm> form = Host(Parse(kEmptyForm));
    ASSERT_TRUE(form);
    host::FormError error;
    std::int32_t number = -1;
    headless::HeadlessSite* site = form->Add(Record("Vemmix.Zorvane", "cmdA", 10), &error, &number);
    ASSERT_TRUE(site) << Str(error.Text());
    EXPECT_EQ(number, errors::kNone);
    EXPECT_EQ(form->Find(u"cmdA"), site);
    // InitProperties ran: the caption is the control's name, and it was shown
    Variant caption;
    ASSERT_EQ(GetProperty(site->control(), u"Caption", caption), errors::kNone);
    EXPECT_EQ(caption, Variant(u"cmdA"));
    EXPECT_GT(site->repaintCount(), 0);
    EXPECT_EQ(site->bounds().left, 10);

    SetProperty(site->control(), u"Caption", Variant(u"&Added"));
    const host::FormDocument saved = form->Save();
    ASSERT_EQ(saved.controls.size(), 1u);
    EXPECT_EQ(saved.controls[0].name, QStringLiteral("cmdA"));
    EXPECT_EQ(saved.controls[0].properties.Find(u"Caption")->value.toString(), QStringLiteral("&Added"));
    // and it is drawn with the form
    EXPECT_EQ(form->Render().pixel(15, 5), form->RenderControl(u"cmdA").pixel(5, 5));
}

// Tab passes over a Label and a Frame, which take no focus.
TEST(HostedFormAdd, TabSkipsLabelsAndFrames) {
    std::unique_ptr<host::HostedForm> form = Host(Parse(kEmptyForm));
    ASSERT_TRUE(form);
    host::FormError error;
    headless::HeadlessSite* a = form->Add(Record("Vemmix.Zorvane", "cmdA"), &error);
    headless::HeadlessSite* label = form->Add(Record("Label", "lblA", 90), &error);
    headless::HeadlessSite* frame = form->Add(Record("Frame", "fraA", 90), &error);
    headless::HeadlessSite* b = form->Add(Record("Vemmix.Zorvane", "cmdB", 100), &error);
    ASSERT_TRUE(a && label && frame && b) << Str(error.Text());
    EXPECT_FALSE(label->tabStop);
    EXPECT_FALSE(frame->tabStop);
    form->form().SetFocus(a);
    form->form().Tab(true);
    EXPECT_EQ(form->form().focus(), b);
    form->form().Tab(false);
    EXPECT_EQ(form->form().focus(), a);
}

TEST(HostedFormAdd, RefusesWhatWouldMakeTheFormUnsound) {
    std::unique_ptr<host::HostedForm> form = Host(Parse(kEmptyForm));
    ASSERT_TRUE(form);
    host::FormError error;
    std::int32_t number = 0;
    ASSERT_TRUE(form->Add(Record("Vemmix.Zorvane", "cmdA"), &error, &number));

    EXPECT_FALSE(form->Add(Record("Vemmix.Zorvane", "CMDA"), &error, &number));
    EXPECT_EQ(number, errors::kInvalidArgument);
    EXPECT_EQ(Str(error.location + u' ' + error.message), "controls[1].name \"CMDA\" is already the name of controls[0]");

    EXPECT_FALSE(form->Add(Record("Vemmix.Zorvane", "2nd"), &error, &number));
    EXPECT_EQ(Str(error.location), "controls[1].name");

    host::FormControl wide = Record("Vemmix.Zorvane", "cmdWide");
    wide.width = 9000;
    EXPECT_FALSE(form->Add(wide, &error, &number));
    EXPECT_EQ(Str(error.location), "controls[1]");

    EXPECT_FALSE(form->Add(Record("Acme.Gauge", "gauge"), &error, &number));
    EXPECT_EQ(number, errors::kCannotCreateObject);
    EXPECT_EQ(Str(error.location + u' ' + error.message),
              "controls[1].class \"Acme.Gauge\" cannot be created (error 429: ActiveX component can't create object)");

    // nothing of the refused ones is left
    EXPECT_EQ(form->document().controls.size(), 1u);
    EXPECT_EQ(form->form().sites().size(), 1u);
    EXPECT_EQ(form->Save().controls.size(), 1u);
}

TEST(HostedFormAdd, ReadsTheRecordsPropertiesWhenItHasAny) {
    std::unique_ptr<host::HostedForm> form = Host(Parse(kEmptyForm));
    host::FormControl record = Record("Vemmix.Zorvane", "cmdRead");
    record.properties.Set({QStringLiteral("Caption"), QJsonValue(QStringLiteral("Read")), nullptr});
    record.properties.Set({QStringLiteral("Depth"), QJsonValue(QStringLiteral("deep")), nullptr});
    host::FormError error;
    headless::HeadlessSite* site = form->Add(record, &error);
    ASSERT_TRUE(site);
    Variant caption;
    GetProperty(site->control(), u"Caption", caption);
    EXPECT_EQ(caption, Variant(u"Read"));
    ASSERT_EQ(form->problems().size(), 1);
    EXPECT_TRUE(form->problems()[0].startsWith(QStringLiteral("controls[0].properties.Depth: refused")))
        << Str(form->problems()[0]);
}

TEST(CheckSafety, TheButtonGrantsBothOptionsAControlWithoutAnswersNone) {
    auto registry = DefaultRegistry();
    QString loadError;
    ASSERT_TRUE(registry->Load(QStringLiteral(ECHO_LIBRARY), &loadError));
    headless::HeadlessForm form;
    headless::HeadlessSite* button = form.AddCustomControl(
        [&](ControlSite& s) { return registry->Create(u"Vemmix.Zorvane", s); }, u"b", {0, 0, 10, 10});
    headless::HeadlessSite* echo = form.AddCustomControl(
        [&](ControlSite& s) { return registry->Create(u"Test.Echo", s); }, u"e", {0, 0, 10, 10});
    ASSERT_TRUE(button && echo);
    EXPECT_EQ(host::CheckSafety(button->control(), kBoth), std::nullopt);
    EXPECT_EQ(host::CheckSafety(echo->control(), 0), std::nullopt);
    // Echo answers S_OK but supports nothing
    EXPECT_EQ(host::CheckSafety(echo->control(), kSafeForUntrustedData),
              QStringLiteral("is not safe for untrusted data (it supports the safety options 0)"));
    EXPECT_EQ(host::CheckSafety(echo->control(), kBoth),
              QStringLiteral("is not safe for untrusted callers (it supports the safety options 0)"));
}

TEST(CheckSafety, AnUntrustedFormIsRefusedWholeWhenOneControlIsNotSafe) {
    const QByteArray json = R"({"format": "vemmix-form", "version": 1, "form": {"width": 60, "height": 30},
        "controls": [{"class": "Vemmix.Zorvane", "name": "b", "left": 0, "top": 0, "width": 20, "height": 10},
                     {"class": "Label", "name": "l", "left": 0, "top": 10, "width": 20, "height": 10},
                     {"class": "Test.Echo", "name": "echo", "left": 10, "top": 5, "width": 20, "height": 10}]})";
    auto registry = DefaultRegistry();
    QString loadError;
    ASSERT_TRUE(registry->Load(QStringLiteral(ECHO_LIBRARY), &loadError));
    host::HostOptions untrusted;
    untrusted.requiredSafety = kBoth;
    host::FormError error;
    EXPECT_FALSE(host::HostedForm::Load(Parse(json), registry, untrusted, &error));
    EXPECT_EQ(Str(error.location + u' ' + error.message),
              "controls[2].class \"Test.Echo\" is not safe for untrusted callers (it supports the safety options 0); "
              "it is refused");
    // trusted, the same form loads; untrusted, without the Echo, too
    EXPECT_TRUE(host::HostedForm::Load(Parse(json), registry, {}, &error));
    host::FormDocument safe = Parse(json);
    safe.controls.pop_back();
    std::unique_ptr<host::HostedForm> form = host::HostedForm::Load(safe, registry, untrusted, &error);
    ASSERT_TRUE(form) << Str(error.Text());

    // and a control added to an untrusted form is asked too
    std::int32_t number = 0;
    EXPECT_FALSE(form->Add(Record("Test.Echo", "echo2"), &error, &number));
    EXPECT_EQ(number, errors::kCannotCreateObject);
    EXPECT_EQ(form->form().sites().size(), 2u);
    EXPECT_TRUE(form->Add(Record("Vemmix.Zorvane", "b2"), &error, &number));
}

TEST(CheckForm, ADocumentMadeInCodeHoldsItsNamesToTheFilesSyntax) {
    host::FormDocument doc = Parse(kEmptyForm);
    doc.controls.push_back(Record("Vemmix.Zorvane", "ok_1"));
    EXPECT_EQ(host::CheckForm(doc), std::nullopt);
    doc.controls.push_back(Record("Vemmix.Zorvane", "my button"));
    const std::optional<host::FormError> error = host::CheckForm(doc);
    ASSERT_TRUE(error);
    EXPECT_EQ(Str(error->location + u' ' + error->message),
              "controls[1].name \"my button\" is not a name (a letter, then letters, digits or underscores, 40 "
              "characters at most)");
    doc.controls.pop_back();
    doc.menus.push_back(host::FormMenu{QStringLiteral("_menu"), {}, {}});
    EXPECT_TRUE(host::CheckForm(doc));
}

}  // namespace
}  // namespace vemmix::hosttest
