#include "report/render/QtMeasuringCanvas.h"

#include "report/render/ReportFont.h"
#include "text/qt/QtCodec.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace {

// 96 pixels per inch.
constexpr int kDotsPerMetre = 3780;

// Lines of one paragraph wrapped at word boundaries; a word wider than the
// box keeps a line of its own.
std::int64_t ParagraphLines(const QString& paragraph, const QFont& font, QPaintDevice* device,
                            qreal width) {
    if (paragraph.isEmpty()) {
        return 1;
    }
    QTextLayout layout(paragraph, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    std::int64_t lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

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
    std::int64_t lines = 0;
    for (const std::string_view paragraph : SplitParagraphs(text)) {
        lines += ParagraphLines(ToQString(paragraph), font_, &image_, boxWidth);
    }
    return lines * QFontMetrics(font_, &image_).height();
}

TMeasuringCanvasFactory QtMeasuringCanvasFactory() {
    return [] { return std::make_unique<TQtMeasuringCanvas>(); };
}
