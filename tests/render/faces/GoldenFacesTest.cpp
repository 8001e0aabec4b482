// Golden renderings: whole faces compared pixel by pixel with images that
// were looked at and judged right. The images live in tests/data/faces/,
// one text file per case (rows of BBGGRR colours, N*C for runs). Set
// VEMMIX_REGENERATE_FACES=1 to rewrite them from the current renderers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/vemmix-gallery/FaceSamples.h"

namespace vemmix::test {
namespace {

using samples::SampleState;

constexpr std::int32_t kW = 40;
constexpr std::int32_t kH = 24;

struct GoldenCase {
    std::int32_t appearance;
    SampleState state;
    std::int32_t mode;  // 0 Standard, 2 DropDown
    bool border;
    std::int32_t theme;

    std::string Name() const {
        std::string n = std::string(samples::AppearanceName(appearance)) + "-" +
                        samples::StateName(state) + (mode == 2 ? "-dropdown" : "") +
                        (border ? "" : "-noborder");
        if (theme != 0) n += "-theme" + std::to_string(theme);
        return n;
    }
};

std::vector<GoldenCase> Cases() {
    std::vector<GoldenCase> cases;
    for (std::int32_t a : {0, 1, 3, 4, 5, 6, 7, 8, 9}) {
        cases.push_back({a, SampleState::Released, 0, true, 0});
        cases.push_back({a, SampleState::Hover, 2, true, 0});
        cases.push_back({a, SampleState::Pressed, 0, true, 0});
        cases.push_back({a, SampleState::ZonePressed, 2, true, 0});
    }
    cases.push_back({2, SampleState::Released, 0, true, 0});
    cases.push_back({0, SampleState::ToggledOn, 0, true, 0});
    cases.push_back({1, SampleState::Hover, 2, false, 0});
    cases.push_back({3, SampleState::Pressed, 0, true, 2});
    cases.push_back({3, SampleState::Released, 2, true, 3});
    cases.push_back({5, SampleState::Focus, 0, true, 3});
    cases.push_back({6, SampleState::Released, 2, false, 0});
    cases.push_back({7, SampleState::Focus, 0, true, 0});
    cases.push_back({7, SampleState::Released, 0, false, 0});
    cases.push_back({8, SampleState::ToggledOn, 0, false, 0});
    return cases;
}

std::string Path(const GoldenCase& k) {
    return std::string(VEMMIX_TEST_DATA_DIR) + "/faces/" + k.Name() + ".txt";
}

std::string Serialise(const GoldenCase& k, const std::vector<COLORREF>& px) {
    std::ostringstream out;
    out << "# " << k.Name() << "\n";
    out << "size " << kW << " " << kH << "\n";
    char hex[16];
    for (std::int32_t y = 0; y < kH; ++y) {
        out << "row";
        std::int32_t x = 0;
        while (x < kW) {
            const COLORREF c = px[static_cast<std::size_t>(y) * kW + x];
            std::int32_t n = 1;
            while (x + n < kW && px[static_cast<std::size_t>(y) * kW + x + n] == c) ++n;
            std::snprintf(hex, sizeof hex, "%06X", c);
            out << " ";
            if (n > 1) out << n << "*";
            out << hex;
            x += n;
        }
        out << "\n";
    }
    return out.str();
}

// Reads a golden file into pixels; false when it is missing or malformed.
bool Parse(const std::string& path, std::vector<COLORREF>& px, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "missing " + path + " (run with VEMMIX_REGENERATE_FACES=1)";
        return false;
    }
    std::string line;
    int w = 0, h = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream ls(line);
        std::string word;
        ls >> word;
        if (word == "size") {
            ls >> w >> h;
            if (w != kW || h != kH) {
                error = "unexpected size in " + path;
                return false;
            }
        } else if (word == "row") {
            std::string run;
            int count = 0;
            while (ls >> run) {
                int n = 1;
                const auto star = run.find('*');
                std::string colour = run;
                if (star != std::string::npos) {
                    n = std::stoi(run.substr(0, star));
                    colour = run.substr(star + 1);
                }
                const auto c = static_cast<COLORREF>(std::stoul(colour, nullptr, 16));
                for (int i = 0; i < n; ++i) px.push_back(c);
                count += n;
            }
            if (count != kW) {
                error = "row of " + std::to_string(count) + " pixels in " + path;
                return false;
            }
        }
    }
    if (static_cast<int>(px.size()) != kW * kH) {
        error = "wrong pixel count in " + path;
        return false;
    }
    return true;
}

class GoldenFaces : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenFaces, MatchesTheJudgedImage) {
    const GoldenCase& k = GetParam();
    const std::vector<COLORREF> got =
        samples::RenderSample(k.appearance, k.state, k.mode, kW, kH, k.border ? kTrue : kFalse, k.theme);
    ASSERT_EQ(got.size(), static_cast<std::size_t>(kW * kH));

    const char* regenerate = std::getenv("VEMMIX_REGENERATE_FACES");
    if (regenerate != nullptr && regenerate[0] != '\0' && regenerate[0] != '0') {
        std::ofstream out(Path(k));
        out << Serialise(k, got);
        ASSERT_TRUE(out.good()) << "cannot write " << Path(k);
        return;
    }

    std::vector<COLORREF> want;
    std::string error;
    ASSERT_TRUE(Parse(Path(k), want, error)) << error;
    int differ = 0;
    std::string first;
    for (std::int32_t y = 0; y < kH; ++y)
        for (std::int32_t x = 0; x < kW; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * kW + x;
            if (got[i] != want[i] && differ++ < 8) {
                char buf[80];
                std::snprintf(buf, sizeof buf, " (%d,%d) want %06X got %06X;", x, y, want[i], got[i]);
                first += buf;
            }
        }
    EXPECT_EQ(differ, 0) << k.Name() << ":" << first;
}

INSTANTIATE_TEST_SUITE_P(Faces, GoldenFaces, ::testing::ValuesIn(Cases()), [](const auto& info) {
    std::string n = info.param.Name();
    for (char& ch : n)
        if (ch == '-') ch = '_';
    return n;
});

}  // namespace
}  // namespace vemmix::test
