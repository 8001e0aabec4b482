// The button sheet of the gallery: real buttons on a headless form, each
// driven into its state through the input path a container uses, and
// their window images laid out as a contact sheet with a text legend.
#pragma once

#include <string>

namespace vemmix::gallery {

struct ButtonSheetOptions {
    std::string out;        // the PNG; the legend goes to out + ".txt"
    int scale = 1;
    int appearance = -1;    // -1: all ten
    int blocksPerRow = 1;
};

// Renders and writes the sheet; the process exit code (0, 1 write failed,
// 2 bad options).
int RunButtonSheet(const ButtonSheetOptions& options);

}  // namespace vemmix::gallery
