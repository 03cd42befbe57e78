#include "report/render/QtMeasuringCanvas.h"

#include "report/render/ReportFont.h"
#include "report/render/TextLines.h"
#include "text/qt/QtCodec.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// 96 pixels per inch.
constexpr int kDotsPerMetre = 3780;

} // namespace

TQtMeasuringCanvas::TQtMeasuringCanvas() : image_(840, 1188, QImage::Format_ARGB32_Premultiplied) {
    image_.setDotsPerMeterX(kDotsPerMetre);
    image_.setDotsPerMeterY(kDotsPerMetre);
    SetFont("Arial", 10, 0);
}

void TQtMeasuringCanvas::SetFont(const std::string& name, std::int32_t size, TFontStyle style) {
    font_ = QFont(ReportFont(name, size, style), &image_);
}

std::int64_t TQtMeasuringCanvas::MeasureWrappedHeight(std::string_view text, std::int64_t width) {
    // Boxes narrower than a pixel wrap like one pixel; absurd widths stay finite.
    const qreal boxWidth = static_cast<qreal>(std::clamp<std::int64_t>(width, 1, 1'000'000));
    const std::int64_t lines = TTextLines(text, font_, &image_, boxWidth, true).Count();
    return lines * QFontMetrics(font_, &image_).height();
}

TMeasuringCanvasFactory QtMeasuringCanvasFactory() {
    return [] { return std::make_unique<TQtMeasuringCanvas>(); };
}
