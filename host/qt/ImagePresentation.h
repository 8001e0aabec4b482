// Putting a control's window image on the screen: at any device-pixel
// ratio, and cut to its shape.
#pragma once

#include <QImage>
#include <QRegion>

#include <vemmix/StdObjects.h>
#include <vemmix/Surface.h>

class QPainter;

namespace vemmix::qt {

// The image (the window's pixels, one per logical pixel) drawn over the
// painter's device at (0, 0), each pixel covering its logical pixel.
//
// At a whole device-pixel ratio every pixel becomes an exact square of
// ratio x ratio device pixels (nearest neighbour): the image stays crisp
// and every pixel keeps its colour. At a fractional ratio the image is
// first enlarged the same way to the next whole ratio and then reduced
// smoothly, so edges blur over one device pixel at most instead of pixels
// doubling unevenly.
void PresentImage(QPainter& painter, const QImage& image);

// The visible part of a window of `size` whose mask picture is `mask`: its
// pixels that differ from `maskColor` (compared as 24-bit RGB); nothing
// outside the picture, and nothing at all without a bitmap picture.
QRegion ShapeRegion(const StdPicture* mask, gdi::COLORREF maskColor, QSize size);

}  // namespace vemmix::qt
