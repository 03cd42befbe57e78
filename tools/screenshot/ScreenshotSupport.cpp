#include "ScreenshotSupport.h"

#include "reference/ReferenceRecords.h"

#include <QApplication>
#include <QTimer>

#include <iostream>

std::int64_t AddRecord(TTable& table, std::string name, const char* field, std::string value) {
    TEditedRecord record;
    record.Start(0);
    const TFieldText texts[] = {{"Name", std::move(name)}, {field, std::move(value)}};
    return record.Write(table, texts).value_or(0);
}

bool SavePicture(QWidget& window, const char* fileName) {
    if (window.grab().save(QString::fromLocal8Bit(fileName), "PNG")) {
        return true;
    }
    std::cerr << "cannot write " << fileName << "\n";
    return false;
}

void WhenModalShown(const char* name, std::function<void(QWidget&)> take) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, name, take = std::move(take)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->objectName() != name) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        // Give the window its first paints before taking the picture.
        QTimer::singleShot(300, modal, [modal, take] { take(*modal); });
    });
    poll->start(50);
}
