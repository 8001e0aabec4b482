// The reference corpus of the drawing surface: its text format (see the
// corpus README) read into cases, and each case replayed on the surface.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace gdireplay {

struct ParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::string_view> Split(std::string_view line);
int ParseInt(std::string_view s);
std::uint32_t ParseHex(std::string_view s);  // a colour BBGGRR, at most 0xFFFFFF

struct Command {
    std::string name;
    std::vector<std::string> args;
    std::string line;
    int lineNumber = 0;
};

struct Case {
    std::string name;
    int lineNumber = 0;
    int width = 0;
    int height = 0;
    std::vector<Command> commands;
    std::vector<std::uint32_t> expected;  // COLORREF values, row by row
};

// Reads a whole corpus; throws ParseError with "NAME:line: message". Every
// number of every command is checked here, so replay never meets a bad one.
std::vector<Case> ReadCorpus(std::istream& in, const std::string& name);
std::vector<Case> ReadCorpusFile(const std::string& path);

// Replays cases on the surface, with the 13 x 11 pattern bitmap that the
// "stretch" and "blit" commands read from.
class Replayer {
public:
    Replayer();
    ~Replayer();
    Replayer(const Replayer&) = delete;
    Replayer& operator=(const Replayer&) = delete;

    // The case's pixels as the surface draws them, COLORREF row by row.
    std::vector<std::uint32_t> Run(const Case& c) const;

    class Canvas;  // a memory context with its own bitmap

private:
    std::unique_ptr<Canvas> m_Source;
};

}  // namespace gdireplay
