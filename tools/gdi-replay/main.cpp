// gdi-replay FILE [--errata LIST | --no-errata] [--dump CASE]
//
// Replays every case of a drawing-surface reference corpus (see the corpus
// README for the format) against the software surface, prints one line per
// case whose pixels differ and ends with "N passed, M failed". Exit status
// 0 only when nothing failed; 2 when a file cannot be read or a line is
// malformed. --dump prints the expected and the actual rows of one case.
//
// Errata: where the reference drew pixels its own coverage rules forbid
// (a stray span outside the shape, say), LIST corrects them, one case per
// line: "CASE X,Y=BBGGRR [X,Y=BBGGRR ...] | reason". LIST is FILE.errata
// when that file exists. Every corrected case is named in the output, and
// a correction that lies outside the bitmap or changes nothing is an error,
// so the list cannot hide a real mismatch or outlive the fault it mends.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/gdi-replay/Corpus.h"

using namespace gdireplay;

namespace {

std::string Hex(std::uint32_t c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c & 0xFFFFFFu));
    return buf;
}

void Dump(const Case& c, const std::vector<std::uint32_t>& actual) {
    std::cout << "case " << c.name << " (line " << c.lineNumber << ")\n";
    for (const Command& cmd : c.commands) std::cout << "  " << cmd.line << "\n";
    for (int y = 0; y < c.height; ++y) {
        std::string e, a;
        for (int x = 0; x < c.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * c.width + x;
            e += Hex(c.expected[i]) + (actual[i] != c.expected[i] ? "* " : " ");
            a += Hex(actual[i]) + " ";
        }
        std::cout << "  exp " << e << "\n  got " << a << "\n";
    }
}

struct PixelFix {
    int x = 0;
    int y = 0;
    std::uint32_t color = 0;
};

struct Erratum {
    std::vector<PixelFix> pixels;
    std::string reason;
};

// Reads "CASE X,Y=BBGGRR ... | reason" lines; '#' starts a comment line.
std::map<std::string, Erratum> ReadErrata(const std::string& path, bool required) {
    std::map<std::string, Erratum> errata;
    std::ifstream in(path);
    if (!in) {
        if (required) throw ParseError(path + ": cannot open file");
        return errata;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = path + ":" + std::to_string(lineNumber) + ": ";
        const std::size_t bar = line.find('|');
        const std::vector<std::string_view> tokens =
            Split(std::string_view(line).substr(0, bar == std::string::npos ? line.size() : bar));
        if (tokens.empty() || tokens[0].starts_with("#")) continue;
        if (tokens.size() < 2 || bar == std::string::npos) {
            throw ParseError(where + "expected 'CASE X,Y=BBGGRR ... | reason'");
        }
        Erratum e;
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            const std::string_view t = tokens[i];
            const std::size_t comma = t.find(',');
            const std::size_t equals = t.find('=');
            if (comma == std::string_view::npos || equals == std::string_view::npos || equals < comma) {
                throw ParseError(where + "bad pixel '" + std::string(t) + "'");
            }
            try {
                e.pixels.push_back(PixelFix{ParseInt(t.substr(0, comma)),
                                            ParseInt(t.substr(comma + 1, equals - comma - 1)),
                                            ParseHex(t.substr(equals + 1))});
            } catch (const ParseError& bad) {
                throw ParseError(where + bad.what());
            }
        }
        e.reason = line.substr(bar + 1);
        while (!e.reason.empty() && (e.reason.front() == ' ')) e.reason.erase(0, 1);
        while (!e.reason.empty() && (e.reason.back() == '\r' || e.reason.back() == ' ')) e.reason.pop_back();
        if (!errata.emplace(std::string(tokens[0]), std::move(e)).second) {
            throw ParseError(where + "case '" + std::string(tokens[0]) + "' is listed twice");
        }
    }
    return errata;
}

// Applies an erratum to a case's expected pixels; throws when a correction
// lies outside the bitmap or restates what the reference recorded.
void Correct(Case& c, const Erratum& e) {
    for (const PixelFix& fix : e.pixels) {
        if (fix.x < 0 || fix.y < 0 || fix.x >= c.width || fix.y >= c.height) {
            throw ParseError(c.name + ": correction " + std::to_string(fix.x) + "," +
                             std::to_string(fix.y) + " lies outside the bitmap");
        }
        std::uint32_t& pixel =
            c.expected[static_cast<std::size_t>(fix.y) * static_cast<std::size_t>(c.width) +
                       static_cast<std::size_t>(fix.x)];
        if (pixel == fix.color) {
            throw ParseError(c.name + ": correction " + std::to_string(fix.x) + "," +
                             std::to_string(fix.y) + " changes nothing");
        }
        pixel = fix.color;
    }
}

}  // namespace

int main(int argc, char** argv) {
    constexpr const char* kUsage = "usage: gdi-replay FILE [--errata LIST | --no-errata] [--dump CASE]\n";
    std::string path;
    std::optional<std::string> dump;
    std::optional<std::string> errataPath;
    bool useErrata = true;
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a == "--dump" && i + 1 < argc) {
            dump = argv[++i];
        } else if (a == "--errata" && i + 1 < argc) {
            errataPath = argv[++i];
        } else if (a == "--no-errata") {
            useErrata = false;
        } else if (path.empty() && !a.starts_with("--")) {
            path = a;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (path.empty() || (errataPath && !useErrata)) {
        std::cerr << kUsage;
        return 2;
    }
    std::vector<Case> cases;
    std::map<std::string, Erratum> errata;
    try {
        cases = ReadCorpusFile(path);
        if (useErrata) errata = ReadErrata(errataPath.value_or(path + ".errata"), errataPath.has_value());
        for (Case& c : cases) {
            const auto listed = errata.find(c.name);
            if (listed != errata.end()) Correct(c, listed->second);
        }
        for (const auto& entry : errata) {
            const std::string& name = entry.first;
            const bool present = std::any_of(cases.begin(), cases.end(),
                                             [&](const Case& c) { return c.name == name; });
            if (!present) throw ParseError("erratum for unknown case '" + name + "'");
        }
    } catch (const ParseError& e) {
        std::cerr << "gdi-replay: " << e.what() << "\n";
        return 2;
    }

    const Replayer replayer;

    int passed = 0;
    int failed = 0;
    for (const Case& c : cases) {
        if (dump && *dump != c.name) continue;
        const std::vector<std::uint32_t> actual = replayer.Run(c);
        if (dump) Dump(c, actual);
        const auto listed = errata.find(c.name);
        if (listed != errata.end()) {
            std::cout << c.name << ": checked with " << listed->second.pixels.size()
                      << " corrected pixels (" << listed->second.reason << ")\n";
        }
        std::size_t i = 0;
        while (i < actual.size() && actual[i] == c.expected[i]) ++i;
        if (i == actual.size()) {
            ++passed;
            continue;
        }
        ++failed;
        std::cout << c.name << ": first difference at " << (i % c.width) << "," << (i / c.width)
                  << " expected " << Hex(c.expected[i]) << " actual " << Hex(actual[i]) << "\n";
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
