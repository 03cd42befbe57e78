#include "report/render/PageMetafile.h"

#include "report/ReportInterfaces.h"
#include "report/render/PagePainter.h"
#include "report/render/ReportCanvas.h"
#include "report/render/emf/EmfMetafile.h"
#include "text/SafeFile.h"

#include <algorithm>

std::string PageMetafileBytes(IReport3Page& page) {
    const QSize size = PageSizePixels(page);
    TEmfMetafile metafile(std::max(1, size.width() - 4), std::max(1, size.height() - 4));
    {
        QPainter painter(&metafile.PaintDevice());
        IReport3Canvas canvas(painter);
        page.Draw(&canvas, 100, -9, -9);
    }
    return metafile.Bytes();
}

void SavePageMetafile(IReport3Page& page, const std::filesystem::path& fileName) {
    WriteFileAtomically(fileName, PageMetafileBytes(page));
}
