// Page drawing beside plain Qt drawing in the same run: the page image of a
// dense A4 page (300 framed, wrapped texts) against the same rectangles and
// texts drawn straight onto an image; a page image replayed at 200 % onto a
// 1920 x 1080 screen (as a kept picture and as metafile records); and a
// 100-page report to PDF against the same texts drawn straight onto a PDF.
#include "BenchApplication.h"
#include "report/NumberText.h"
#include "report/TReport3.h"
#include "report/render/PageImage.h"
#include "report/render/PagePainter.h"
#include "report/render/QtReportServices.h"
#include "report/render/ReportFont.h"
#include "report/render/ReportPdf.h"
#include "report/render/emf/EmfMetafile.h"
#include "text/qt/QtCodec.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

// 300 texts of 30 x 12 mm in 6 columns and 50 rows of a portrait page, framed, wrapped.
void FillDensePage(IReport3Page& page, int serial) {
    for (int i = 0; i < 300; ++i) {
        const auto text = page.AddText();
        text->SetX(MmToLength(10 + (i % 6) * 31));
        text->SetY(MmToLength(10 + (i / 6) * 5));
        text->SetW(MmToLength(30));
        text->SetH(MmToLength(5));
        text->SetFrame("1");
        text->SetAlign(i % 9 + 1);
        text->SetFontSize(6);
        text->SetText("Позиция " + IntToText(i) + " страницы " + IntToText(serial) +
                      " с переносом строки");
    }
}

std::shared_ptr<TReport3> DenseReport(int pages) {
    BenchApplication();
    const auto report = TReport3::Create(MakeQtReportServices());
    for (int number = 1; number <= pages; ++number) {
        FillDensePage(*report->GetPage(number), number);
    }
    return report;
}

QImage WhitePage() {
    QImage image(840, 1188, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// The same boxes and texts with plain QPainter calls, scaled from page pixels.
void DrawDirectly(QPainter& painter, IReport3Page& page) {
    for (std::int32_t i = 1; i <= page.TextCount(); ++i) {
        const auto text = page.GetText(i);
        const QRect box(
            static_cast<int>(ToPixels(text->GetX())), static_cast<int>(ToPixels(text->GetY())),
            static_cast<int>(ToPixels(text->GetW())), static_cast<int>(ToPixels(text->GetH())));
        painter.fillRect(QRect(box.left(), box.top(), box.width() + 1, 1), Qt::black);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height() + 1), Qt::black);
        painter.fillRect(QRect(box.right() + 1, box.top(), 1, box.height() + 1), Qt::black);
        painter.fillRect(QRect(box.left(), box.bottom() + 1, box.width() + 1, 1), Qt::black);
        painter.setFont(ReportFont(text->GetFont(), text->GetFontSize(), text->GetFontStyle()));
        painter.drawText(box.adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap,
                         ToQString(text->GetText()));
    }
}

// Making the page image and showing it on an image at 100 %.
void DensePageImageShown(benchmark::State& state) {
    const auto report = DenseReport(1);
    const auto page = report->GetPage(1);
    for (auto _ : state) {
        QImage image = WhitePage();
        QPainter painter(&image);
        TPageImage(*page).Play(painter, QRectF(image.rect()));
    }
}
BENCHMARK(DensePageImageShown)->Unit(benchmark::kMillisecond);

// Making the page image: the drawing recorded once per change of the page.
void DensePageImage(benchmark::State& state) {
    const auto report = DenseReport(1);
    const auto page = report->GetPage(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TPageImage(*page).Size());
    }
}
BENCHMARK(DensePageImage)->Unit(benchmark::kMillisecond);

void DensePageDirectQPainter(benchmark::State& state) {
    const auto report = DenseReport(1);
    const auto page = report->GetPage(1);
    for (auto _ : state) {
        QImage image = WhitePage();
        QPainter painter(&image);
        DrawDirectly(painter, *page);
    }
}
BENCHMARK(DensePageDirectQPainter)->Unit(benchmark::kMillisecond);

void DensePagePaintedStraight(benchmark::State& state) {
    const auto report = DenseReport(1);
    const auto page = report->GetPage(1);
    for (auto _ : state) {
        QImage image = WhitePage();
        QPainter painter(&image);
        PaintPage(*page, painter);
    }
}
BENCHMARK(DensePagePaintedStraight)->Unit(benchmark::kMillisecond);

void ReplayAt200(benchmark::State& state) {
    const auto report = DenseReport(1);
    const TPageImage image(*report->GetPage(1));
    QImage screen(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        screen.fill(Qt::gray);
        QPainter painter(&screen);
        ShowPageImage(image, painter, 200, -200, -300);
    }
}
BENCHMARK(ReplayAt200)->Unit(benchmark::kMillisecond);

void ReplayMetafileAt200(benchmark::State& state) {
    const auto report = DenseReport(1);
    TEmfMetafile metafile(840, 1188);
    {
        QPainter painter(&metafile.PaintDevice());
        PaintPage(*report->GetPage(1), painter);
    }
    QImage screen(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        screen.fill(Qt::gray);
        QPainter painter(&screen);
        metafile.Play(painter, QRectF(-192, -292, 1680, 2376));
    }
}
BENCHMARK(ReplayMetafileAt200)->Unit(benchmark::kMillisecond);

void HundredPagesToPdf(benchmark::State& state) {
    const auto report = DenseReport(100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReportPdfBytes(*report).size());
    }
}
BENCHMARK(HundredPagesToPdf)->Unit(benchmark::kMillisecond);

void HundredPagesDirectPdfWriter(benchmark::State& state) {
    const auto report = DenseReport(100);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(
                QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            QPainter painter(&writer);
            for (std::int32_t number = 1; number <= report->PageCount(); ++number) {
                if (number > 1) {
                    writer.newPage();
                }
                painter.save();
                painter.scale(writer.width() / 840.0, writer.height() / 1188.0);
                DrawDirectly(painter, *report->GetPage(number));
                painter.restore();
            }
        }
        benchmark::DoNotOptimize(buffer.data().size());
    }
}
BENCHMARK(HundredPagesDirectPdfWriter)->Unit(benchmark::kMillisecond);

} // namespace
