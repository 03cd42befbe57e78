#include "reference/ui/DirectoryFileDialog.h"

#include "text/qt/QtCodec.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

std::optional<std::filesystem::path> ChooseDirectoryFile(QWidget& parent) {
    // The last folder is kept for the run: the next day's file comes from the same place.
    static QString folder = QDir::homePath();
    QFileDialog dialog(&parent, ToQString("Справочник БИК"), folder,
                       ToQString("Справочник БИК (*.zip *.xml *.ZIP *.XML);;Все файлы (*)"));
    dialog.setObjectName("OpenDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setLabelText(QFileDialog::LookIn, ToQString("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, ToQString("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, ToQString("Тип файла:"));
    dialog.setLabelText(QFileDialog::Accept, ToQString("Открыть"));
    dialog.setLabelText(QFileDialog::Reject, ToQString("Отмена"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    folder = dialog.directory().absolutePath();
    // The name as the system spells it, never squeezed through the program's encoding.
    return std::filesystem::path(QFile::encodeName(dialog.selectedFiles().front()).toStdString());
}
