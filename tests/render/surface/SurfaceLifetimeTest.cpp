// The object table outlives every object of the program: a static object
// that releases its drawing objects while the program exits (a picture
// kept in a static, say) finds them still there. With a table per thread,
// destroyed before the statics, that release touched freed memory.
#include <gtest/gtest.h>

#include <cstdlib>

#include <vemmix/StdObjects.h>

#include "render/Gdi.h"

namespace vemmix::gdi {
namespace {

// Releases, when the program's statics are destroyed, what it took while
// the program ran: a brush, a context with a bitmap selected, and a
// picture. Ends the process with code 3 if any release fails or leaves an
// object behind.
struct ReleasedAtExit {
    HBRUSH brush = CreateSolidBrush(0x00112233);
    HDC dc = CreateCompatibleDC({});
    HBITMAP bitmap = CreateCompatibleBitmap({}, 4, 4);
    HBITMAP previous = SelectObject(dc, bitmap);
    PictureRef picture = MakeBitmapPicture(2, 1, std::vector<std::uint32_t>{0x00FF0000u, 0x0000FF00u});

    ~ReleasedAtExit() {
        const std::size_t live = LiveObjectCount();
        bool released = SetPixelV(dc, 1, 1, 0x000000FF) && GetPixel(dc, 1, 1) == 0x000000FFu;
        released = SelectObject(dc, previous) == bitmap && released;
        released = DeleteObject(bitmap) && released;
        released = DeleteDC(dc) && released;
        released = DeleteObject(brush) && released;
        picture.reset();  // deletes the picture's bitmap
        if (!released || LiveObjectCount() != live - 4) std::_Exit(3);
    }
};

TEST(SurfaceLifetimeDeathTest, AStaticObjectReleasesItsObjectsWhileTheProgramExits) {
    EXPECT_EXIT(
        {
            static ReleasedAtExit held;
            std::exit(held.picture ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vemmix::gdi
