// The reference-corpus reader of gdi-replay over arbitrary text, and every
// case it accepts replayed on the drawing surface: a malformed corpus gets
// a ParseError naming its line, never a crash, and any command with any
// numbers draws only inside its bitmap (AddressSanitizer watches). Cases
// are kept small so that an execution stays cheap.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "render/Gdi.h"
#include "tools/gdi-replay/Corpus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 64 * 1024) return -1;  // a corpus of a few cases is enough
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<gdireplay::Case> cases;
    try {
        cases = gdireplay::ReadCorpus(text, "fuzz");
    } catch (const gdireplay::ParseError& e) {
        if (std::string_view(e.what()).substr(0, 5) != "fuzz:") std::abort();  // the line is named
        return 0;
    }
    // made per input: a static one would outlive the surface's object table
    const gdireplay::Replayer replayer;
    const std::size_t live = vemmix::gdi::LiveObjectCount();
    for (const gdireplay::Case& c : cases) {
        if (static_cast<std::int64_t>(c.width) * c.height > 96 * 96) continue;
        const std::vector<std::uint32_t> pixels = replayer.Run(c);
        if (pixels.size() != c.expected.size()) std::abort();
        if (vemmix::gdi::LiveObjectCount() != live) std::abort();  // every object released
    }
    return 0;
}
