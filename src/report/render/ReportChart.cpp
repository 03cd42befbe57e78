#include "report/render/ReportChart.h"

#include "report/NumberText.h"
#include "report/render/ReportFont.h"
#include "report/render/emf/EmfMetafile.h"
#include "text/qt/QtCodec.h"

#include <algorithm>
#include <cmath>

namespace {

const QColor kSeriesColors[] = {QColor(0, 0, 192),   QColor(192, 0, 0),   QColor(0, 128, 0),
                                QColor(192, 128, 0), QColor(128, 0, 128), QColor(0, 128, 128)};

QColor SeriesColor(std::size_t series) {
    return kSeriesColors[series % std::size(kSeriesColors)];
}

double LargestValue(const std::vector<double>& values) {
    double largest = 0;
    for (const double value : values) {
        if (std::isfinite(value)) {
            largest = std::max(largest, value);
        }
    }
    return largest;
}

// A value's height above the axis, held to the plot so that negative and
// non-finite values stay on it.
double ValueHeight(double value, double top, double plotHeight) {
    if (!std::isfinite(value) || value <= 0) {
        return 0;
    }
    return std::min(value / top, 1.0) * plotHeight;
}

} // namespace

double ChartAxisTop(double largestValue) {
    double top = 1;
    // 1e300 is as far as a double's powers of ten go safely.
    while (top < largestValue && top < 1e300) {
        top *= 10;
    }
    for (int i = 0; i < 3 && top / 2 > largestValue; ++i) {
        top /= 2;
    }
    return top;
}

void PaintChart(QPainter& painter, const TChartRequest& chart, QSize size) {
    const std::size_t categories = chart.Labels.size();
    if (categories == 0 || chart.Values.size() % categories != 0 || size.isEmpty()) {
        return;
    }
    const std::size_t seriesCount = chart.Values.size() / categories;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    // Text a twentieth of the height, at least 6 pixels.
    QFont font = ReportFont("Arial", 8, 0);
    font.setPixelSize(std::max(6, size.height() / 20));
    painter.setFont(font);
    const int line = painter.fontMetrics().height();
    const bool legend = chart.Option != 0 && !chart.SeriesNames.empty();
    const QRectF plot(size.width() * 0.12, line, size.width() * (legend ? 0.63 : 0.85),
                      size.height() - 3.0 * line);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }
    const double top = ChartAxisTop(LargestValue(chart.Values));
    // Gridlines with their values, the axis last.
    for (int k = 4; k >= 0; --k) {
        const double y = plot.bottom() - plot.height() * k / 4;
        painter.setPen(QPen(k == 0 ? Qt::black : Qt::lightGray, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - line / 2.0, plot.left() - 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, ToQString(NumberToText(top * k / 4)));
    }
    const double step = plot.width() / static_cast<double>(categories);
    for (std::size_t c = 0; c < categories; ++c) {
        painter.drawText(
            QRectF(plot.left() + step * static_cast<double>(c), plot.bottom() + 2, step, line),
            Qt::AlignHCenter | Qt::AlignTop, ToQString(chart.Labels[c]));
    }
    for (std::size_t s = 0; s < seriesCount; ++s) {
        const QColor color = SeriesColor(s);
        const auto value = [&](std::size_t c) { return chart.Values[s * categories + c]; };
        if (chart.Kind == 0) {
            QPolygonF points;
            for (std::size_t c = 0; c < categories; ++c) {
                points << QPointF(plot.left() + step * (static_cast<double>(c) + 0.5),
                                  plot.bottom() - ValueHeight(value(c), top, plot.height()));
            }
            painter.setPen(QPen(color, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(points);
            painter.setBrush(color);
            for (const QPointF& point : points) {
                painter.drawEllipse(point, 4, 4);
            }
            painter.setBrush(Qt::NoBrush);
        } else {
            const double bar = step * 0.8 / static_cast<double>(seriesCount);
            for (std::size_t c = 0; c < categories; ++c) {
                const double height = ValueHeight(value(c), top, plot.height());
                painter.fillRect(QRectF(plot.left() + step * (static_cast<double>(c) + 0.1) +
                                            bar * static_cast<double>(s),
                                        plot.bottom() - height, bar, height),
                                 color);
            }
        }
    }
    if (legend) {
        const double x = plot.right() + size.width() * 0.03;
        for (std::size_t s = 0; s < chart.SeriesNames.size(); ++s) {
            const double y = plot.top() + static_cast<double>(line * s) * 1.5;
            painter.fillRect(QRectF(x, y, line, line), SeriesColor(s));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x + line * 1.5, y, size.width() - x - line * 1.5, line),
                             Qt::AlignLeft | Qt::AlignVCenter, ToQString(chart.SeriesNames[s]));
        }
    }
    painter.restore();
}

std::string ChartMetafileBytes(const TChartRequest& chart) {
    TEmfMetafile metafile(chart.Width, chart.Height);
    {
        QPainter painter(&metafile.PaintDevice());
        PaintChart(painter, chart, QSize(chart.Width, chart.Height));
    }
    return metafile.Bytes();
}
