#pragma once
// The one drawing of a page: its texts in list order, in page pixels (4 per
// millimetre), onto any QPainter (the page image, a screen, a printer, a PDF,
// a PNG). Short frame codes are written back to the page texts in their long
// form, as the page-text format then saves them.
#include <QPainter>

class IReport3Page;

// The page's size in page pixels (840 x 1188 for a portrait A4 page).
QSize PageSizePixels(const IReport3Page& page);

// `painter` is left with the state it came with.
void PaintPage(IReport3Page& page, QPainter& painter);

// The number of pages of the report a page belongs to; 0 for a lone page.
std::int32_t OwningReportPageCount(const IReport3Page& page);
