#pragma once

#include "core/printing/PrintDocument.h"

#include <QByteArray>
#include <QImage>

class QPainter;
class QPaintDevice;

// Draws a print job as a receipt: an 80 mm strip, each printed line left-aligned below the last in
// its own font, size and weight; a line wider than the strip wraps; a picture is drawn as wide as the
// strip. The PDF folder printer, the
// system printer and the ticket picture all draw with it.
namespace ReceiptRenderer {

inline constexpr double kPaperWidthMm = 80.0;
inline constexpr double kMarginMm = 4.0;

// The height of the drawn lines in the device's pixels, for a strip as wide as `widthPx`.
double contentHeight(const PrintDocument& document, QPaintDevice* device, double widthPx);
// Draws the lines from the top left corner (x, y) of a strip `widthPx` wide.
void paint(QPainter& painter, const PrintDocument& document, QPaintDevice* device, double x, double y,
           double widthPx);

// The page height in millimetres that holds the whole job with its margins.
double pageHeightMm(const PrintDocument& document, QPaintDevice* device, double dotsPerInch);

// The job as a one-page PDF on an 80 mm page as long as its content; empty on failure.
QByteArray pdf(const PrintDocument& document);
// The job as a picture of the strip at `dotsPerInch` (203: the resolution of most thermal printers).
QImage image(const PrintDocument& document, int dotsPerInch = 203);

} // namespace ReceiptRenderer
