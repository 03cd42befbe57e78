// Metafile bytes read and played into a small image, stretched and moved;
// what was played is recorded again, and that recording must read back.
// The first byte chooses whether the rest is a whole file or the records of
// one (wrapped in a sound header and end record), so the records themselves
// get most of the attention.
#include "report/ReportError.h"
#include "report/render/emf/EmfMetafile.h"
#include "report/render/emf/EmfWriter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// Caches that the system's font libraries keep for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libdbus\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "emf_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string bytes;
    if (data[0] % 2 == 0) {
        bytes = rest;
    } else {
        std::string records(rest);
        records.resize((records.size() + 3) / 4 * 4, '\0');
        bytes = EmfFileBytes(64, 48, 16, records, 0);
    }
    try {
        const TEmfMetafile metafile = TEmfMetafile::FromBytes(bytes);
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::white);
        TEmfMetafile recording(64, 64);
        {
            QPainter painter(&image);
            metafile.Play(painter, QRectF(0, 0, 64, 64));
            painter.setClipRect(QRect(4, 4, 50, 50));
            metafile.Play(painter, QRectF(-10, 5, 200, 30));
            QPainter recorder(&recording.PaintDevice());
            metafile.Play(recorder, QRectF(2, 2, 40, 40));
        }
        const TEmfMetafile again = TEmfMetafile::FromBytes(recording.Bytes());
        if (again.Width() != 64 || again.Height() != 64) {
            std::abort();
        }
    } catch (const EReportError&) {
    }
    return 0;
}
