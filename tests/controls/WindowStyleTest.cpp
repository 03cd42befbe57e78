// Windows put in the middle of the screen, also those their layout sizes.
#include "controls/WindowStyle.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// The distance of the window's middle, once shown, from the screen's.
QPoint OffCentre(QWidget& window) {
    CentreOnScreen(window);
    window.show();
    const QPoint offset =
        window.frameGeometry().center() - window.screen()->availableGeometry().center();
    window.hide();
    return offset;
}

void AddLayout(QDialog& dialog, QLayout::SizeConstraint constraint) {
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("A line long enough to matter"), &dialog));
    layout->setSizeConstraint(constraint);
}

} // namespace

TEST(CentreOnScreen, WindowsOfEverySizingLandInTheMiddle) {
    QDialog fixed;
    AddLayout(fixed, QLayout::SetFixedSize);
    QDialog grown;
    AddLayout(grown, QLayout::SetDefaultConstraint);
    QDialog sized;
    sized.resize(300, 200);
    for (QDialog* dialog : {&fixed, &grown, &sized}) {
        const QPoint offset = OffCentre(*dialog);
        EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    }
    EXPECT_EQ(sized.size(), QSize(300, 200));
}
