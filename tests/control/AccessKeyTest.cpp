// The access key taken from the caption.
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

struct AccessKeyCase {
    std::u16string caption;
    std::u16string key;
};

class AccessKey : public ::testing::TestWithParam<AccessKeyCase> {};

TEST_P(AccessKey, IsTheCharacterAfterTheFirstSingleAmpersand) {
    headless::HeadlessForm form;
    Zorvane& b = AddButton(form);
    headless::HeadlessSite& site = *form.Find(u"Zorvane1");
    b.SetCaption(u"&Q");  // a key left over from before
    ASSERT_EQ(site.accessKeys(), u"Q");
    b.SetCaption(GetParam().caption);
    EXPECT_EQ(site.accessKeys(), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AccessKey,
    ::testing::Values(AccessKeyCase{u"&File", u"F"},
                      AccessKeyCase{u"Save &As", u"A"},
                      AccessKeyCase{u"A&&B&C", u"C"},    // the doubled one is skipped
                      AccessKeyCase{u"&&&x", u"x"},
                      AccessKeyCase{u"&&x", u""},       // only a literal ampersand
                      AccessKeyCase{u"a&&", u""},
                      AccessKeyCase{u"abc&", u""},      // marker at the end: empty key
                      AccessKeyCase{u"&", u""},
                      AccessKeyCase{u"plain", u""},
                      AccessKeyCase{u"", u""},          // an empty caption clears it
                      AccessKeyCase{u"&a&b", u"a"},
                      AccessKeyCase{std::u16string(u"Ab\0&C", 5), u""}));  // cut at the NUL first

}  // namespace
}  // namespace vemmix
