// Making the repaint faster changes no pixel: every repaint case of the
// benchmark gives the checksum recorded before the drawing surface was
// tuned (tests/data/perf/repaint-checksums.txt, written by
// `vemmix-bench --checksums`), and leaves no drawing object alive.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <vemmix/Surface.h>

#include "bench/RepaintCases.h"

namespace vemmix::bench {
namespace {

const std::map<std::string, std::string>& Recorded() {
    static const std::map<std::string, std::string> recorded = [] {
        std::map<std::string, std::string> lines;
        std::ifstream in(VEMMIX_TEST_DATA_DIR "/perf/repaint-checksums.txt");
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream fields(line);
            std::string name, checksum;
            fields >> name >> checksum;
            lines[name] = checksum;
        }
        return lines;
    }();
    return recorded;
}

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%016" PRIx64, value);
    return text;
}

class RepaintChecksum : public ::testing::TestWithParam<RepaintCase> {};

TEST_P(RepaintChecksum, MatchesThePixelsRecordedBeforeTuning) {
    const RepaintCase& c = GetParam();
    const auto recorded = Recorded().find(c.Name());
    ASSERT_NE(recorded, Recorded().end()) << "no checksum recorded for " << c.Name();

    RepaintScene scene(c);
    const std::size_t objects = gdi::LiveObjectCount();
    scene.Repaint();
    EXPECT_EQ(gdi::LiveObjectCount(), objects) << "a drawing object outlived the repaint";
    EXPECT_EQ(Hex(scene.Checksum()), recorded->second) << c.Name();
    // A second repaint draws the same again.
    scene.Repaint();
    EXPECT_EQ(Hex(scene.Checksum()), recorded->second) << c.Name() << ", second repaint";
}

TEST(RepaintChecksums, EveryRecordedCaseIsStillMeasured) {
    std::map<std::string, bool> measured;
    for (const RepaintCase& c : AllRepaintCases(BuiltinText())) measured[c.Name()] = true;
    for (const auto& [name, checksum] : Recorded()) EXPECT_TRUE(measured.count(name)) << name;
    EXPECT_EQ(Recorded().size(), measured.size());
}

std::string TestName(const ::testing::TestParamInfo<RepaintCase>& info) {
    std::string name = info.param.Name();
    for (char& ch : name)
        if (ch == '/') ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, RepaintChecksum,
                         ::testing::ValuesIn(AllRepaintCases(BuiltinText())), TestName);

}  // namespace
}  // namespace vemmix::bench
