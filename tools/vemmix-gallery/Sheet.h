// Sheet: the contact sheet's pixels (COLORREF, 0x00BBGGRR) and its PNG
// output, each sheet pixel written as a scale x scale block.
#pragma once

#include <string>
#include <vector>

#include "render/Gdi.h"

namespace vemmix::gallery {

class Sheet {
public:
    Sheet(int width, int height, gdi::COLORREF background);
    int width() const { return m_W; }
    int height() const { return m_H; }
    void Fill(int x, int y, int w, int h, gdi::COLORREF colour);
    // A w x h cell of COLORREF values, row by row.
    void Put(int x, int y, int w, int h, const std::vector<gdi::COLORREF>& cell);
    // A window image (0xXXRRGGBB pixels, top-down); where `shape` is given
    // and false the window is not there and the sheet shows through.
    void PutPixels(int x, int y, const gdi::PixelView& view, const std::vector<bool>* shape = nullptr);
    bool WritePng(const std::string& path, int scale) const;

private:
    int m_W;
    int m_H;
    std::vector<gdi::COLORREF> m_Pixels;
};

}  // namespace vemmix::gallery
