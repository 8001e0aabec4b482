// The control registry: control libraries loaded by file name, classes
// created by program or class identifier, and the refusals.
#include <gtest/gtest.h>

#include <vemmix/Errors.h>
#include <vemmix/headless/HeadlessContainer.h>
#include <vemmix/host/ControlRegistry.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

using host::ControlRegistry;

TEST(ControlRegistry, CreatesTheButtonFromItsOwnLibrary) {
    const auto registry = DefaultRegistry();
    EXPECT_TRUE(registry->ProgIds().contains(QStringLiteral("Vemmix.Zorvane")));
    const ControlClass* byName = registry->Find(u"vemmix.ZORVANE");
    ASSERT_TRUE(byName);
    EXPECT_EQ(registry->Find(ToString(byName->classId)), byName);
    headless::HeadlessForm form;
    std::int32_t error = -1;
    headless::HeadlessSite* site = form.AddCustomControl(
        [&](ControlSite& s) { return registry->Create(u"Vemmix.Zorvane", s, &error); }, u"cmdA", {0, 0, 80, 24});
    ASSERT_TRUE(site);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(site->control().GetTypeInfo().progId, u"Vemmix.Zorvane");
}

TEST(ControlRegistry, AnUnknownClassIsError429) {
    const auto registry = DefaultRegistry();
    headless::HeadlessForm form;
    std::int32_t error = 0;
    EXPECT_FALSE(form.AddCustomControl([&](ControlSite& s) { return registry->Create(u"Acme.Gauge", s, &error); },
                                       u"g", {0, 0, 10, 10}));
    EXPECT_EQ(error, errors::kCannotCreateObject);
    EXPECT_FALSE(registry->Find(u"{00000000-0000-0000-0000-000000000000}"));
}

TEST(ControlRegistry, LoadsALibraryItWasNotLinkedAgainst) {
    ControlRegistry registry;
    QString error;
    ASSERT_TRUE(registry.Load(QStringLiteral(ECHO_LIBRARY), &error)) << Str(error);
    ASSERT_TRUE(registry.Load(QStringLiteral(ECHO_LIBRARY), &error));  // once is enough
    EXPECT_EQ(registry.ProgIds(), QStringList{QStringLiteral("Test.Echo")});
    EXPECT_TRUE(registry.Find(u"test.echo"));
    EXPECT_FALSE(registry.Find(u"Vemmix.Zorvane"));  // not loaded here
}

TEST(ControlRegistry, RefusesWhatIsNoControlLibraryOfItsVersion) {
    ControlRegistry registry;
    QString error;
    EXPECT_FALSE(registry.Load(QStringLiteral("/nonexistent/libnothing.so"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("/nonexistent/libnothing.so: cannot be loaded ("))) << Str(error);
    EXPECT_FALSE(registry.Load(QStringLiteral("libm.so.6"), &error));
    EXPECT_EQ(Str(error), "libm.so.6: is not a control library (it has no vemmix_control_library)");
    EXPECT_FALSE(registry.Load(QStringLiteral(WRONG_ABI_LIBRARY), &error));
    EXPECT_EQ(Str(error), Str(QStringLiteral(WRONG_ABI_LIBRARY) +
                              QStringLiteral(": speaks version 999 of the control library interface; this "
                                             "container speaks version 1")));
    EXPECT_TRUE(registry.ProgIds().isEmpty());
}

// A form names a class of the loaded library: a real control with its
// properties, saved back; without the library, a placeholder.
TEST(ControlRegistry, AFormsControlsComeFromTheLoadedLibraries) {
    const QByteArray json = R"({"format": "vemmix-form", "version": 1, "form": {"width": 60, "height": 30},
        "controls": [{"class": "Test.Echo", "name": "echo", "left": 10, "top": 5, "width": 20, "height": 10,
                      "properties": {"Color": "&H0000FF00&", "Label": "kept"}}]})";
    auto registry = DefaultRegistry();
    QString error;
    ASSERT_TRUE(registry->Load(QStringLiteral(ECHO_LIBRARY), &error)) << Str(error);
    host::FormError formError;
    std::unique_ptr<host::HostedForm> form = host::HostedForm::Load(Parse(json), registry, {}, &formError);
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->problems().isEmpty());
    EXPECT_FALSE(form->IsPlaceholder(u"echo"));
    const QImage image = form->Render();
    EXPECT_EQ(Rgb(image, 15, 10), 0x00FF00u);
    const host::FormDocument saved = form->Save();
    EXPECT_EQ(saved.controls[0].properties.Find(u"Label")->value.toString(), QStringLiteral("kept"));

    std::unique_ptr<host::HostedForm> without = Host(Parse(json));
    ASSERT_TRUE(without);
    EXPECT_TRUE(without->IsPlaceholder(u"echo"));
    EXPECT_EQ(Str(without->problems().join(u'\n')),
              "controls[0].class: \"Test.Echo\" cannot be created (error 429: ActiveX component can't create "
              "object); a placeholder keeps its properties");
    // the placeholder is visible: its red frame
    EXPECT_EQ(Rgb(without->Render(), 10, 5), 0xC00000u);
}

}  // namespace
}  // namespace vemmix::hosttest
