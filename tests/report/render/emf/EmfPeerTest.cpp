// A metafile written by the program is opened by a converter that nobody
// here wrote (emf2svg-conv, Debian package emf2svg): it reads the file and
// the SVG it makes holds the Russian texts and the drawing's shapes.
#include "support/TestSupport.h"
#include "support/emf/EmfTestSupport.h"
#include "text/qt/QtCodec.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::string Utf8(std::string_view cp1251) {
    return ToQString(cp1251).toUtf8().toStdString();
}

} // namespace

TEST(EmfPeer, Emf2SvgReadsTheTextsAndShapes) {
    if (!HaveProgram("emf2svg-conv")) {
        GTEST_SKIP() << "emf2svg-conv is not installed (Debian package emf2svg): the "
                        "metafile is not checked by another program";
    }
    const std::string total = "Итого к зачислению";
    const std::string bank = "ПАО «Сбербанк»";
    TEmfMetafile inner(200, 40);
    {
        QPainter painter(&inner.PaintDevice());
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(14);
        painter.setFont(font);
        painter.drawText(QPointF(5, 20), ToQString(bank));
    }
    TEmfMetafile metafile(840, 300);
    {
        QPainter painter(&metafile.PaintDevice());
        painter.fillRect(QRect(40, 40, 400, 60), QColor(255, 255, 204));
        QPen dashed(Qt::black);
        dashed.setStyle(Qt::DashLine);
        painter.setPen(dashed);
        painter.drawLine(40, 120, 440, 120);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(10);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(40, 40, 400, 60), Qt::AlignCenter, ToQString(total));
        inner.Play(painter, QRectF(40, 150, 400, 80));
    }
    const TempDir dir;
    WriteFile(dir / "page.emf", metafile.Bytes());
    ASSERT_EQ(RunCommand("emf2svg-conv -i '" + (dir / "page.emf").string() + "' -o '" +
                         (dir / "page.svg").string() + "' 2>/dev/null"),
              0);
    const std::string svg = ReadFile(dir / "page.svg");
    EXPECT_NE(svg.find(Utf8(total)), std::string::npos) << svg;
    EXPECT_NE(svg.find(Utf8(bank)), std::string::npos) << svg;
    EXPECT_NE(svg.find("fill=\"#FFFFCC\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("font-weight=\"700\""), std::string::npos) << svg;
}
