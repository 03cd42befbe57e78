#include "app/Application.h"

#include "controls/ActionRunner.h"
#include "text/qt/QtCodec.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(ToQString(kAppTitle));
    // The menu entry the desktop shows the program's windows under, and its
    // icon on the windows when the package has put it in the icon theme.
    setDesktopFileName("org.example.vedomost");
    setWindowIcon(QIcon::fromTheme("vedomost"));
    // The program is Russian whatever the system's language; without Qt's
    // translations installed the dialogs stay as Qt ships them.
    if (qtTranslator_.load(QLocale(QLocale::Russian, QLocale::Russia), "qtbase", "_",
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(&qtTranslator_);
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = true;
    RunUserAction([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
