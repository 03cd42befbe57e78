// bank_editor_screenshot EDITOR.png DIRECTORY: the bank editor with the
// Bank of Russia's directory of banks (its ZIP or XML) loaded and a BIK
// typed into a new bank, taken from the screen with the window's frame
// (run it under a virtual display with a window manager). The store is a
// scratch folder; nothing of the user's is read or written.
#include "controls/ActionRunner.h"
#include "bank/DirectoryReader.h"
#include "bank/KeptDirectory.h"
#include "reference/ui/TfmBankEditor.h"
#include "store/Store.h"
#include "text/FormatSettings.h"
#include "text/ScratchDirectory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include <iostream>

namespace {

void Type(QWidget& target, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&target, &press);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: bank_editor_screenshot EDITOR.png DIRECTORY\n";
        return 2;
    }
    InitFormatSettings();
    QApplication app(argc, argv);
    TScratchDirectory scratch;
    TStore store(scratch.Path(), scratch.Path());
    store.Open();
    TKeptBankDirectory kept(scratch.Path());
    try {
        kept.Replace(ReadDirectoryFile(argv[2]));
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    TfmBankEditor editor(store, RunUserAction, &kept);
    bool saved = false;
    QTimer::singleShot(300, &editor, [&] {
        auto* bik = editor.findChild<QLineEdit*>("eBIK");
        bik->setFocus();
        Type(*bik, "044525225");
        Type(*editor.findChild<QLineEdit*>("eDebitAccount"), "30101810400000000225");
        // The frame is drawn by the window manager once the window is mapped.
        QTimer::singleShot(500, &editor, [&] {
            const QRect frame = editor.frameGeometry().adjusted(-8, -8, 8, 8);
            saved = editor.screen()
                        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                        .save(QString::fromLocal8Bit(argv[1]), "PNG");
            editor.reject();
        });
    });
    editor.Execute();
    if (!saved) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
