#include "app/Application.h"

#include "app/ErrorBox.h"
#include "text/qt/QtCodec.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(ToQString(kAppTitle));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = true;
    RunUserAction([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
