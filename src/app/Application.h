#pragma once
// The program's application object. Every event goes through it, so an error
// that a window lets escape from a handler is caught here, shown in the
// application's error box, and the program runs on. The toolkit's own
// dialogs (files, printing, page set-up) speak Russian, as the program does.
#include <QApplication>
#include <QTranslator>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator qtTranslator_;
};
