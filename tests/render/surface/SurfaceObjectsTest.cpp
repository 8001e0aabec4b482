// Object table: selection returns the previous object, deletion of selected
// or stock objects fails, and live counts show leaks.
#include <gtest/gtest.h>

#include "render/Gdi.h"

namespace vemmix::gdi {
namespace {

TEST(SurfaceObjects, CreateSelectDeleteLeavesNoLiveObjects) {
    const std::size_t before = LiveObjectCount();
    HDC dc = CreateCompatibleDC({});
    HBITMAP bitmap = CreateCompatibleBitmap({}, 4, 3);
    HPEN pen = CreatePen(PS_SOLID, 2, 0x0000FF);
    HBRUSH brush = CreateSolidBrush(0x00FF00);
    EXPECT_EQ(LiveObjectCount(), before + 4);
    EXPECT_EQ(LiveObjectCount(ObjectKind::Pen), LiveObjectCount(ObjectKind::Pen));

    HBITMAP oldBitmap = SelectObject(dc, bitmap);
    HPEN oldPen = SelectObject(dc, pen);
    HBRUSH oldBrush = SelectObject(dc, brush);
    ASSERT_TRUE(oldBitmap);
    ASSERT_TRUE(oldPen);
    ASSERT_TRUE(oldBrush);

    // Selected objects cannot be deleted and stay alive.
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(LiveObjectCount(), before + 4);

    // Selecting the previous objects back returns ours.
    EXPECT_EQ(SelectObject(dc, oldBitmap), bitmap);
    EXPECT_EQ(SelectObject(dc, oldPen), pen);
    EXPECT_EQ(SelectObject(dc, oldBrush), brush);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST(SurfaceObjects, StockObjectsAreNotCountedAndCannotBeDeleted) {
    const std::size_t before = LiveObjectCount();
    HDC dc = CreateCompatibleDC({});
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HBRUSH brush = CreateSolidBrush(0);
    HBITMAP bitmap = CreateCompatibleBitmap({}, 2, 2);
    HFONT font = CreateFontIndirect(LOGFONT{});
    HPEN stockPen = SelectObject(dc, pen);
    HBRUSH stockBrush = SelectObject(dc, brush);
    HBITMAP stockBitmap = SelectObject(dc, bitmap);
    HFONT stockFont = SelectObject(dc, font);
    SelectObject(dc, stockPen);
    SelectObject(dc, stockBrush);
    SelectObject(dc, stockBitmap);
    SelectObject(dc, stockFont);
    EXPECT_FALSE(DeleteObject(stockPen));
    EXPECT_FALSE(DeleteObject(stockBrush));
    EXPECT_FALSE(DeleteObject(stockBitmap));
    EXPECT_FALSE(DeleteObject(stockFont));
    EXPECT_EQ(LiveObjectCount(), before + 5);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(LiveObjectCount(), before);

    // The default bitmap of a new context is 1 x 1 monochrome.
    HDC fresh = CreateCompatibleDC({});
    BITMAP info;
    ASSERT_EQ(GetObject(GetCurrentBitmap(fresh), &info), 24);
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(info.bmBitsPixel, 1);
    // ...so a bitmap compatible with it is monochrome too.
    HBITMAP mono = CreateCompatibleBitmap(fresh, 5, 5);
    ASSERT_EQ(GetObject(mono, &info), 24);
    EXPECT_EQ(info.bmBitsPixel, 1);
    DeleteObject(mono);
    DeleteDC(fresh);
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST(SurfaceObjects, BitmapSelectsIntoOneContextAtATime) {
    HDC a = CreateCompatibleDC({});
    HDC b = CreateCompatibleDC({});
    HBITMAP bitmap = CreateCompatibleBitmap({}, 3, 3);
    HBITMAP oldA = SelectObject(a, bitmap);
    EXPECT_TRUE(oldA);
    EXPECT_FALSE(SelectObject(b, bitmap));
    SelectObject(a, oldA);
    HBITMAP oldB = SelectObject(b, bitmap);
    EXPECT_TRUE(oldB);
    SelectObject(b, oldB);
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(a);
    DeleteDC(b);
}

TEST(SurfaceObjects, DeletingAContextReleasesItsSelections) {
    const std::size_t before = LiveObjectCount();
    HDC dc = CreateCompatibleDC({});
    HPEN pen = CreatePen(PS_SOLID, 3, 0);
    SelectObject(dc, pen);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST(SurfaceObjects, StaleAndNullHandlesFail) {
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
    HPEN again = CreatePen(PS_SOLID, 1, 0);  // may reuse the slot
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(again));
    EXPECT_FALSE(LineTo(HDC{}, 1, 1));
    EXPECT_EQ(GetPixel(HDC{}, 0, 0), CLR_INVALID);
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_FALSE(SelectObject(HDC{}, brush));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(SurfaceObjects, AttributesAndDefaults) {
    HDC dc = CreateCompatibleDC({});
    EXPECT_EQ(GetBkColor(dc), 0xFFFFFFu);
    EXPECT_EQ(GetTextColor(dc), 0u);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(SetBkColor(dc, 0x123456), 0xFFFFFFu);
    EXPECT_EQ(SetTextColor(dc, 0x654321), 0u);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), 0x123456u);
    EXPECT_EQ(GetTextColor(dc), 0x654321u);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    POINT previous{-1, -1};
    EXPECT_TRUE(MoveToEx(dc, 4, 5, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_EQ(previous.y, 0);
    HDC screen = GetScreenDC();
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
    EXPECT_EQ(ReleaseDC(screen), 1);
    DeleteDC(dc);
}

TEST(SurfaceObjects, PalettesAreAcceptedWithoutEffect) {
    const std::size_t before = LiveObjectCount();
    HDC screen = GetScreenDC();
    HPALETTE palette = CreateHalftonePalette(screen);
    HDC dc = CreateCompatibleDC({});
    HPALETTE old = SelectPalette(dc, palette, true);
    EXPECT_TRUE(old);
    EXPECT_EQ(RealizePalette(dc), 0u);
    EXPECT_FALSE(DeleteObject(palette));
    EXPECT_EQ(SelectPalette(dc, old, true), palette);
    EXPECT_TRUE(DeleteObject(palette));
    DeleteDC(dc);
    ReleaseDC(screen);
    EXPECT_EQ(LiveObjectCount(), before);
}

}  // namespace
}  // namespace vemmix::gdi
