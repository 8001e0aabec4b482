#include "tools/vemmix-gallery/Sheet.h"

#include <png.h>

#include <cstdio>

namespace vemmix::gallery {

Sheet::Sheet(int width, int height, gdi::COLORREF background)
    : m_W(width), m_H(height), m_Pixels(static_cast<std::size_t>(width) * height, background) {}

void Sheet::Fill(int x, int y, int w, int h, gdi::COLORREF colour) {
    for (int j = y; j < y + h && j < m_H; ++j)
        for (int i = x; i < x + w && i < m_W; ++i) m_Pixels[static_cast<std::size_t>(j) * m_W + i] = colour;
}

void Sheet::Put(int x, int y, int w, int h, const std::vector<gdi::COLORREF>& cell) {
    for (int j = 0; j < h && y + j < m_H; ++j)
        for (int i = 0; i < w && x + i < m_W; ++i)
            m_Pixels[static_cast<std::size_t>(y + j) * m_W + x + i] = cell[static_cast<std::size_t>(j) * w + i];
}

void Sheet::PutPixels(int x, int y, const gdi::PixelView& view, const std::vector<bool>* shape) {
    // A monochrome window has no colours worth showing.
    if (view.bitsPerPixel != 32) return;
    const std::size_t count = static_cast<std::size_t>(view.width) * view.height;
    const bool masked = shape && shape->size() == count;
    for (int j = 0; j < view.height && y + j < m_H; ++j)
        for (int i = 0; i < view.width && x + i < m_W; ++i) {
            const std::size_t k = static_cast<std::size_t>(j) * view.width + i;
            if (masked && !(*shape)[k]) continue;
            m_Pixels[static_cast<std::size_t>(y + j) * m_W + x + i] = gdi::ColorFromPixel(view.pixels[k]);
        }
}

bool Sheet::WritePng(const std::string& path, int scale) const {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    const int w = m_W * scale;
    const int h = m_H * scale;
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(w) * 3);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const gdi::COLORREF c = m_Pixels[static_cast<std::size_t>(y / scale) * m_W + x / scale];
            row[x * 3 + 0] = static_cast<png_byte>(c & 0xFF);
            row[x * 3 + 1] = static_cast<png_byte>((c >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<png_byte>((c >> 16) & 0xFF);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace vemmix::gallery
