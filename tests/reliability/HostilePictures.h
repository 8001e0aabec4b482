// Pictures as a hostile saved form may hold them: images with a pattern of
// pixels, and declared sizes that are not their image's.
#pragma once

#include <cstdint>
#include <vector>

#include <vemmix/StdObjects.h>


namespace vemmix::test {

inline std::int32_t Him(int pixels) { return HimetricFromPixels(pixels, 96); }

// Every pixel different from its neighbours, so a misplaced copy shows.
inline std::vector<std::uint32_t> Pattern(int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint32_t>((i * 2654435761u) & 0xFFFFFFu);
    return pixels;
}

inline PictureRef Bitmap(int width, int height) { return MakeBitmapPicture(width, height, Pattern(width, height)); }

// `picture` declaring a size of its own.
inline PictureRef Declaring(int widthPixels, int heightPixels, PictureRef picture) {
    picture->widthHimetric = Him(widthPixels);
    picture->heightHimetric = Him(heightPixels);
    return picture;
}

}  // namespace vemmix::test
