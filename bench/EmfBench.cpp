// Page pictures: a dense A4 page (300 framed texts) recorded as an EMF
// metafile, read back, and replayed at 200 % into a 1920 x 1080 image as the
// preview does, beside the same drawing kept as a QPicture and drawn directly.
#include "BenchApplication.h"
#include "report/render/emf/EmfMetafile.h"
#include "text/qt/QtCodec.h"

#include <QImage>
#include <QPainter>
#include <QPicture>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr int kPageWidth = 840;
constexpr int kPageHeight = 1188;

// 300 boxes in 30 rows of 10: a fill, four one-pixel frame sides as filled
// rectangles, and a wrapped text.
void DensePage(QPainter& painter) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    painter.setFont(font);
    const QString text = ToQString("Сумма 1 234,56 руб.");
    for (int row = 0; row < 30; ++row) {
        for (int column = 0; column < 10; ++column) {
            const QRect box(20 + column * 80, 20 + row * 38, 80, 38);
            if ((row + column) % 3 == 0) {
                painter.fillRect(box, QColor(230, 230, 230));
            }
            painter.fillRect(box.left(), box.top(), box.width() + 1, 1, Qt::black);
            painter.fillRect(box.left(), box.top(), 1, box.height() + 1, Qt::black);
            painter.fillRect(box.right() + 1, box.top(), 1, box.height() + 1, Qt::black);
            painter.fillRect(box.left(), box.bottom() + 1, box.width() + 1, 1, Qt::black);
            painter.drawText(box.adjusted(2, 1, -1, -1), Qt::AlignLeft | Qt::TextWordWrap, text);
        }
    }
}

TEmfMetafile RecordPage() {
    TEmfMetafile metafile(kPageWidth, kPageHeight);
    QPainter painter(&metafile.PaintDevice());
    DensePage(painter);
    return metafile;
}

// The preview at 200 %: the page rectangle is twice the page, from (8, 8).
const QRectF kZoomed(8, 8, 2 * kPageWidth, 2 * kPageHeight);

void EmfRecordPage(benchmark::State& state) {
    BenchApplication();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RecordPage().Bytes().size());
    }
}
BENCHMARK(EmfRecordPage)->Unit(benchmark::kMillisecond);

void DirectDrawPage(benchmark::State& state) {
    BenchApplication();
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        DensePage(painter);
    }
}
BENCHMARK(DirectDrawPage)->Unit(benchmark::kMillisecond);

void EmfReadPage(benchmark::State& state) {
    BenchApplication();
    const std::string bytes = RecordPage().Bytes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TEmfMetafile::FromBytes(bytes).Width());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(EmfReadPage)->Unit(benchmark::kMillisecond);

// Frames of the preview at 200 %: grey background, the white page, and the
// page drawn by draw into the page rectangle.
void ReplayFrames(benchmark::State& state, const std::function<void(QPainter&)>& draw) {
    QImage frame(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        frame.fill(Qt::gray);
        QPainter painter(&frame);
        painter.fillRect(kZoomed, Qt::white);
        draw(painter);
    }
}

void EmfReplayAt200(benchmark::State& state) {
    BenchApplication();
    const TEmfMetafile metafile = RecordPage();
    ReplayFrames(state, [&](QPainter& painter) { metafile.Play(painter, kZoomed); });
}
BENCHMARK(EmfReplayAt200)->Unit(benchmark::kMillisecond);

void QPictureReplayAt200(benchmark::State& state) {
    BenchApplication();
    QPicture picture;
    {
        QPainter painter(&picture);
        DensePage(painter);
    }
    ReplayFrames(state, [&](QPainter& painter) {
        painter.translate(kZoomed.topLeft());
        painter.scale(2, 2);
        painter.drawPicture(0, 0, picture);
    });
}
BENCHMARK(QPictureReplayAt200)->Unit(benchmark::kMillisecond);

void DirectDrawAt200(benchmark::State& state) {
    BenchApplication();
    ReplayFrames(state, [](QPainter& painter) {
        painter.translate(kZoomed.topLeft());
        painter.scale(2, 2);
        DensePage(painter);
    });
}
BENCHMARK(DirectDrawAt200)->Unit(benchmark::kMillisecond);

} // namespace
