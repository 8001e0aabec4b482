// What a stranger builds on: the shared library through its public headers
// alone, and the library's entry point found by a container that loads it
// by file name.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <vemmix/ControlLibrary.h>
#include <vemmix/Dispatch.h>
#include <vemmix/Enums.h>
#include <vemmix/Errors.h>
#include <vemmix/Version.h>
#include <vemmix/headless/HeadlessContainer.h>

namespace {

using namespace vemmix;

// Loads the control library by its file name, as a container that was not
// linked against it does.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* file) : m_Handle(dlopen(file, RTLD_NOW | RTLD_LOCAL)) {}
    ~LoadedLibrary() {
        if (m_Handle) dlclose(m_Handle);
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    const ControlLibraryInfo* Info() const {
        if (!m_Handle) return nullptr;
        auto entry = reinterpret_cast<ControlLibraryEntry>(dlsym(m_Handle, kControlLibraryEntryName));
        return entry ? entry() : nullptr;
    }

private:
    void* m_Handle;
};

TEST(ControlLibraryEntry, ListsItsClassesByProgramIdentifier) {
    LoadedLibrary library(VEMMIX_LIBRARY_FILE);
    const ControlLibraryInfo* info = library.Info();
    ASSERT_NE(info, nullptr) << dlerror();
    EXPECT_EQ(info->abiVersion, kControlLibraryAbiVersion);
    EXPECT_EQ(info->name, u"Vemmix");
    EXPECT_EQ(info->version, u"" VEMMIX_VERSION_STRING);
    ASSERT_EQ(info->classes.size(), 1u);
    const ControlClass& zorvane = info->classes[0];
    EXPECT_EQ(zorvane.progId, u"Vemmix.Zorvane");
    EXPECT_EQ(ToString(zorvane.classId), u"{961F8B38-DC45-42F7-A3EE-82781EC68FB3}");
    ASSERT_NE(zorvane.typeInfo, nullptr);
    EXPECT_EQ(zorvane.typeInfo->progId, zorvane.progId);
    EXPECT_EQ(zorvane.typeInfo->members.size(), 70u);
    EXPECT_EQ(zorvane.typeInfo->events.size(), 18u);
}

TEST(ControlLibraryEntry, CreatesAWorkingButton) {
    LoadedLibrary library(VEMMIX_LIBRARY_FILE);
    const ControlLibraryInfo* info = library.Info();
    ASSERT_NE(info, nullptr);
    headless::HeadlessForm form;
    headless::HeadlessSite* site = form.AddCustomControl(
        [&](ControlSite& s) { return info->classes[0].create(s); }, u"Loaded", {0, 0, 80, 24});
    ASSERT_NE(site, nullptr);
    Control& button = site->control();
    EXPECT_EQ(&button.GetTypeInfo(), info->classes[0].typeInfo);
    button.InitProperties();
    button.Show();
    EXPECT_EQ(SetProperty(button, u"Appearance", Variant(ecAppearance::Flat)), errors::kNone);
    EXPECT_EQ(SetProperty(button, u"BackColor", Variant(std::int32_t{0x00336699})), errors::kNone);
    EXPECT_EQ(SetProperty(button, u"Caption", Variant(u"")), errors::kNone);
    EXPECT_EQ(site->PixelAt(40, 12), 0x00336699u);
}

TEST(PublicApi, AButtonByProgramIdentifierSetByNameAndRendered) {
    headless::HeadlessForm form;
    Control& button = form.AddButton(u"Ok", {0, 0, 90, 30});
    EXPECT_EQ(SetProperty(button, u"Appearance", Variant(ecAppearance::ThreeD)), errors::kNone);
    EXPECT_EQ(SetProperty(button, u"BackColor", Variant(std::int32_t{0x0000C000})), errors::kNone);
    EXPECT_EQ(SetProperty(button, u"Caption", Variant(u"")), errors::kNone);
    const headless::HeadlessSite* site = form.Find(u"Ok");
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(site->PixelAt(45, 15), 0x0000C000u);  // the face's interior
    Variant version;
    EXPECT_EQ(GetProperty(button, u"Version", version), errors::kNone);
    EXPECT_EQ(version, Variant(u"5.16"));
    EXPECT_EQ(SetProperty(button, u"Version", Variant(u"6.0")), errors::kNotSupportedAtRunTime);
    EXPECT_EQ(errors::Message(errors::kNotSupportedAtRunTime), u"Set not supported at runtime");
}

TEST(PublicApi, AnUnknownClassIsError429) {
    headless::HeadlessForm form;
    std::int32_t error = 0;
    EXPECT_EQ(form.AddControl(u"Vemmix.Nothing", u"X", {0, 0, 10, 10}, &error), nullptr);
    EXPECT_EQ(error, errors::kCannotCreateObject);
}

}  // namespace
