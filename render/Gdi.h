// The button's software drawing surface: device contexts, bitmaps, pens,
// brushes, fonts and palettes with the coverage rules of the Windows GDI.
// The container's part (handles, contexts, bitmaps, pixels, fonts) is the
// public <vemmix/Surface.h>; this header adds the drawing calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include <vemmix/Surface.h>

namespace vemmix {
class TextRenderer;  // <vemmix/TextRenderer.h>
}

namespace vemmix::gdi {

// ---- pens, brushes --------------------------------------------------------
constexpr int PS_SOLID = 0;
constexpr int PS_INSIDEFRAME = 6;

HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);

// ---- selecting and deleting ---------------------------------------------
// Selecting returns the previously selected object of the same kind, or a
// null handle on failure.
HPEN SelectObject(HDC dc, HPEN pen);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HFONT SelectObject(HDC dc, HFONT font);

// Deleting fails for an object still selected into a context (as in GDI,
// where the object then stays alive) and for stock objects.
bool DeleteObject(HPEN object);
bool DeleteObject(HBRUSH object);
bool DeleteObject(HFONT object);
bool DeleteObject(HPALETTE object);

// Palettes are accepted and have no effect on this true-colour surface.
HPALETTE CreateHalftonePalette(HDC dc);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground);
unsigned RealizePalette(HDC dc);

HDC GetScreenDC();             // GetDC(NULL)
int ReleaseDC(HDC screenDC);   // ReleaseDC(NULL, dc)

// ---- attributes -----------------------------------------------------------
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

COLORREF SetBkColor(HDC dc, COLORREF color);    // returns the previous colour
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF color);  // returns the previous colour
COLORREF GetTextColor(HDC dc);
int SetBkMode(HDC dc, int mode);                // returns the previous mode, 0 on failure
int GetBkMode(HDC dc);

constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
// The logical resolution GetDeviceCaps reports for a context: 96 dots per
// inch until its owner sets the resolution of the screen it draws for (the
// redraw pipeline sets the platform's).
void SetDeviceResolution(HDC dc, int dpiX, int dpiY);
int GetDeviceCaps(HDC dc, int index);

// ---- drawing --------------------------------------------------------------
// Device space is 28 bits wide, as in GDI: a drawing or transfer call given
// a coordinate or extent beyond +-kMaxCoordinate draws nothing and fails.
// So does a shape whose pen or corner ellipse is more than kMaxEllipse
// pixels across (a wide pen is round at its ends and joins), since its row
// table would dwarf any bitmap it could be drawn on.
constexpr int kMaxCoordinate = (1 << 27) - 1;
constexpr int kMaxEllipse = 1 << 16;

bool MoveToEx(HDC dc, int x, int y, POINT* previous);
bool LineTo(HDC dc, int x, int y);
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth,
               int ellipseHeight);
int FillRect(HDC dc, const RECT& rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT& rect, HBRUSH brush);
bool SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);  // CLR_INVALID outside the bitmap
bool DrawFocusRect(HDC dc, const RECT& rect);

// ---- one statement with objects of its own ---------------------------------
// A drawing statement of the primitives (render/Primitives.h) in one call:
// it creates its pen (and brush), selects them, draws from `from` to `to`
// (or the rectangle, rounded when cornerDiameter is not 0), restores the
// selection and deletes what it created, with the context looked up once
// and no table slot taken by objects nobody else can see.
// Everything the separate calls do is done: an object that cannot be
// created is not selected (the context's own draws instead, as a failed
// SelectObject leaves it), the current position ends where LineTo leaves
// it, and nothing created outlives the call.
bool LineWithNewPen(HDC dc, int penStyle, int penWidth, COLORREF colour, POINT from, POINT to);
bool RectangleWithNewPenAndBrush(HDC dc, int penStyle, int penWidth, COLORREF penColour,
                                 COLORREF brushColour, const RECT& rect, int cornerDiameter);
// CreateSolidBrush, FrameRect with it, DeleteObject.
int FrameRectWithNewBrush(HDC dc, const RECT& rect, COLORREF colour);
// A run of statements "one-pixel solid line from (x1, y) to (x2, y)", one
// per row, in order, each with its pen: the rows of a gradient.
struct RowLine {
    std::int32_t y = 0;
    COLORREF colour = 0;
};
void RowsWithNewPens(HDC dc, int x1, int x2, std::span<const RowLine> rows);

// ---- block transfers ------------------------------------------------------
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;
constexpr DWORD SRCANDNOTDST = 0x00220326;  // destination AND NOT source

// Colour to monochrome: source pixels equal to the source context's
// background colour become 1, the rest 0. Monochrome to colour: 0 becomes
// the destination's text colour, 1 its background colour.
bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop);
// Default stretch mode of a new memory context (BLACKONWHITE).
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop);

// CreateBitmap(width, height, 1, 32, pixels) for pixels that stand for
// colours, 0x00RRGGBB: a high byte set in `pixels` (an inverted pixel, say)
// is cleared in the copy, in the same pass.
HBITMAP CreateBitmapOfColors(int width, int height, const std::uint32_t* pixels);

// ---- bitmap information and pixel arrays ----------------------------------
struct BITMAP {
    std::int32_t bmType = 0;
    std::int32_t bmWidth = 0;
    std::int32_t bmHeight = 0;
    std::int32_t bmWidthBytes = 0;
    std::uint16_t bmPlanes = 0;
    std::uint16_t bmBitsPixel = 0;
    void* bmBits = nullptr;
};
// Fills `out` and returns sizeof(BITMAP) (24 in the original layout), or 0.
int GetObject(HBITMAP bitmap, BITMAP* out);

struct BITMAPINFOHEADER {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;  // negative: top-down rows
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 32;
    std::uint32_t biCompression = 0;  // BI_RGB
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
constexpr unsigned DIB_RGB_COLORS = 0;
constexpr std::uint32_t BI_RGB = 0;

// Only the 32-bit BI_RGB layout is supported (top-down when biHeight < 0).
// Return the number of scan lines copied, 0 on failure.
int GetDIBits(HDC dc, HBITMAP bitmap, unsigned startScan, unsigned scanLines, void* bits,
              BITMAPINFOHEADER* info, unsigned usage);
int SetDIBits(HDC dc, HBITMAP bitmap, unsigned startScan, unsigned scanLines,
              const void* bits, const BITMAPINFOHEADER* info, unsigned usage);

// ---- fonts and text -------------------------------------------------------
HFONT CreateFontIndirect(const LOGFONT& font);
// A font that also keeps its own UTF-16 face name, whole, for the text
// renderer (a LOGFONT holds only 31 ANSI bytes of it).
HFONT CreateFontNamed(const LOGFONT& font, std::u16string_view faceName);
// The LOGFONT a font was created from; false for an invalid handle.
bool GetFontInfo(HFONT font, LOGFONT* out);
HFONT GetCurrentFont(HDC dc);

// The renderer that DrawTextW/DrawTextA use in this context, and the
// reading order it lays text out in; the redraw pipeline attaches the
// platform's renderer and the window's direction to its memory context.
void SetTextRenderer(HDC dc, TextRenderer* renderer);
TextRenderer* GetTextRenderer(HDC dc);
void SetTextRightToLeft(HDC dc, bool rightToLeft);

// DrawText semantics with the context's font, text colour, background mode
// and colour. `length` -1: the text ends at its first NUL. Returns the
// height of the text, 0 on failure. With DT_CALCRECT nothing is drawn and
// rect.bottom (and rect.right) are set to the measured extent.
int DrawTextW(HDC dc, const char16_t* text, int length, RECT* rect, unsigned format);
// The text is in the ANSI code page (Windows-1252 here).
int DrawTextA(HDC dc, const char* text, int length, RECT* rect, unsigned format);

// ---- icons ----------------------------------------------------------------
struct Icon;  // <vemmix/Icon.h>
constexpr unsigned DI_MASK = 1;
constexpr unsigned DI_IMAGE = 2;
constexpr unsigned DI_NORMAL = 3;
bool DrawIconEx(HDC dc, int x, int y, const Icon& icon, int width, int height,
                unsigned step, HBRUSH flickerFreeBrush, unsigned flags);

}  // namespace vemmix::gdi
