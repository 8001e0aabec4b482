// Drawing-surface kernels on a button-sized bitmap (120 x 32).
#include <benchmark/benchmark.h>

#include "render/Gdi.h"

namespace gdi = vemmix::gdi;

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 32;

class Surface {
public:
    explicit Surface(int bitsPerPixel = 32) {
        m_Dc = gdi::CreateCompatibleDC({});
        m_Bitmap = bitsPerPixel == 1 ? gdi::CreateBitmap(kWidth, kHeight, 1, 1, nullptr)
                                     : gdi::CreateCompatibleBitmap({}, kWidth, kHeight);
        m_Old = gdi::SelectObject(m_Dc, m_Bitmap);
    }
    ~Surface() {
        gdi::SelectObject(m_Dc, m_Old);
        gdi::DeleteObject(m_Bitmap);
        gdi::DeleteDC(m_Dc);
    }
    gdi::HDC Dc() const { return m_Dc; }

private:
    gdi::HDC m_Dc;
    gdi::HBITMAP m_Bitmap;
    gdi::HBITMAP m_Old;
};

void BM_FillRect120x32(benchmark::State& state) {
    Surface s;
    gdi::HBRUSH brush = gdi::CreateSolidBrush(0x00C8D0D4);
    for (auto _ : state) {
        gdi::FillRect(s.Dc(), gdi::RECT{0, 0, kWidth, kHeight}, brush);
        benchmark::ClobberMemory();
    }
    gdi::DeleteObject(brush);
}
BENCHMARK(BM_FillRect120x32);

// A gradient face: 30 full-width one-pixel lines, each with its own pen.
void BM_ThirtyHorizontalLines(benchmark::State& state) {
    Surface s;
    for (auto _ : state) {
        for (int y = 0; y < 30; ++y) {
            gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, 1, static_cast<gdi::COLORREF>(y * 0x080808));
            gdi::HPEN old = gdi::SelectObject(s.Dc(), pen);
            gdi::MoveToEx(s.Dc(), 0, y, nullptr);
            gdi::LineTo(s.Dc(), kWidth, y);
            gdi::SelectObject(s.Dc(), old);
            gdi::DeleteObject(pen);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ThirtyHorizontalLines);

void BM_WideLine3(benchmark::State& state) {
    Surface s;
    gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, 3, 0x00202020);
    gdi::HPEN old = gdi::SelectObject(s.Dc(), pen);
    for (auto _ : state) {
        gdi::MoveToEx(s.Dc(), 1, 1, nullptr);
        gdi::LineTo(s.Dc(), kWidth - 2, 1);
        benchmark::ClobberMemory();
    }
    gdi::SelectObject(s.Dc(), old);
    gdi::DeleteObject(pen);
}
BENCHMARK(BM_WideLine3);

void BM_BitBlt120x32(benchmark::State& state) {
    Surface source, dest;
    for (auto _ : state) {
        gdi::BitBlt(dest.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, gdi::SRCCOPY);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BitBlt120x32);

// The mask step of a transparent picture: colour to monochrome and back.
void BM_MonoRoundTrip120x32(benchmark::State& state) {
    Surface colour, mono(1);
    for (auto _ : state) {
        gdi::SetBkColor(colour.Dc(), 0x00FF00FF);
        gdi::SetTextColor(colour.Dc(), 0x00FFFFFF);
        gdi::BitBlt(mono.Dc(), 0, 0, kWidth, kHeight, colour.Dc(), 0, 0, gdi::SRCCOPY);
        gdi::SetTextColor(colour.Dc(), 0);
        gdi::SetBkColor(colour.Dc(), 0x00FFFFFF);
        gdi::BitBlt(colour.Dc(), 0, 0, kWidth, kHeight, mono.Dc(), 0, 0, gdi::SRCCOPY);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MonoRoundTrip120x32);

}  // namespace
