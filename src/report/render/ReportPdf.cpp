#include "report/render/ReportPdf.h"

#include "report/ReportError.h"
#include "report/ReportInterfaces.h"
#include "report/render/PagePainter.h"
#include "text/SafeFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

QPageLayout LayoutOf(const IReport3Page& page) {
    // The page's own width and height already say its orientation.
    const QPageSize size(QSizeF(page.GetWidth(), page.GetHeight()), QPageSize::Millimeter,
                         QString(), QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF());
}

} // namespace

std::string ReportPdfBytes(IReport3& report) {
    if (report.PageCount() < 1) {
        throw EReportError("В отчете нет страниц");
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter;
        for (std::int32_t number = 1; number <= report.PageCount(); ++number) {
            const auto page = report.GetPage(number);
            writer.setPageLayout(LayoutOf(*page));
            if (number == 1) {
                painter.begin(&writer);
            } else {
                writer.newPage();
            }
            // Drawn straight from the page texts: a PDF keeps vectors and text
            // anyway, and replaying the kept image would only add its records.
            const QSize size = PageSizePixels(*page);
            painter.save();
            painter.scale(static_cast<qreal>(writer.width()) / std::max(1, size.width()),
                          static_cast<qreal>(writer.height()) / std::max(1, size.height()));
            PaintPage(*page, painter);
            painter.restore();
        }
        painter.end();
    }
    return buffer.data().toStdString();
}

void WriteReportPdf(IReport3& report, const std::filesystem::path& fileName) {
    WriteFileAtomically(fileName, ReportPdfBytes(report));
}
