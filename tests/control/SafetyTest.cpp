// IObjectSafety: safe for untrusted callers and data, for every interface.
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

TEST(ObjectSafety, EveryInterfaceIsSafeForUntrustedCallersAndData) {
    headless::HeadlessForm form;
    Zorvane& b = AddButton(form);
    const Guid interfaces[] = {
        Guid{},  // IUnknown
        Guid{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}},  // IDispatch
        Guid{0x37D84F60, 0x42CB, 0x11CE, {0x81, 0x35, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}},  // IPersistPropertyBag
        Guid{0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}},  // nothing the button has
    };
    for (const Guid& riid : interfaces) {
        std::uint32_t supported = 0, enabled = 0;
        EXPECT_EQ(b.GetInterfaceSafetyOptions(riid, supported, enabled), 0);
        EXPECT_EQ(supported, 3u);
        EXPECT_EQ(enabled, 3u);
    }
}

TEST(ObjectSafety, SettingOptionsChangesNothing) {
    headless::HeadlessForm form;
    Zorvane& b = AddButton(form);
    form.ClearLog();
    const std::uint32_t requests[][2] = {{3, 0}, {3, 3}, {1, 1}, {2, 0}, {0, 0}, {0xFFFFFFFF, 0xFFFFFFFF}};
    for (const auto& request : requests) {
        EXPECT_EQ(b.SetInterfaceSafetyOptions(Guid{}, request[0], request[1]), 0);
        std::uint32_t supported = 0, enabled = 0;
        b.GetInterfaceSafetyOptions(Guid{}, supported, enabled);
        EXPECT_EQ(supported, 3u);
        EXPECT_EQ(enabled, 3u);
    }
    EXPECT_TRUE(form.log().empty());
}

}  // namespace
}  // namespace vemmix
