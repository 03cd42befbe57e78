#include "report/render/PagePng.h"

#include "report/PageImageArchive.h"
#include "report/ReportInterfaces.h"
#include "report/render/PageImage.h"
#include "report/render/PagePainter.h"
#include "text/SafeFile.h"
#include "text/TextCase.h"

#include <QBuffer>
#include <QPainter>

QImage PagePicture(IReport3Page& page) {
    QImage picture(PageSizePixels(page), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PlayPage(page, painter, QRectF(picture.rect()));
    return picture;
}

std::filesystem::path PagePngName(const std::filesystem::path& outputName, int number) {
    std::string base = outputName.native();
    if (LowerCaseCyr(base).ends_with(".png")) {
        base.resize(base.size() - 4);
    }
    return base + "-" + PaddedPageNumber(number) + ".png";
}

void WritePagePngs(IReport3& report, const std::filesystem::path& outputName) {
    for (std::int32_t number = 1; number <= report.PageCount(); ++number) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        PagePicture(*report.GetPage(number)).save(&buffer, "PNG");
        WriteFileAtomically(PagePngName(outputName, number), buffer.data().toStdString());
    }
}
