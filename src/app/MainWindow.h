#pragma once
// TfmMain: the program's home window. It owns the data store, loads it when
// created, lists every statement in a grid and offers new, edit, delete,
// print and help. Editing and printing a statement belong to the statement
// editor, which the program plugs in through OnEditDocument and
// OnPrintDocument; the window refreshes its list after each.
//
// The list is a view of the statements table, rebuilt whole after every
// action; the selected statement stays selected by its ID (or, when it is
// gone, the same row number, moved up if the list became shorter).
#include "store/Store.h"

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

enum class TPicture;
class QDialog;
class QToolButton;
class TVertGrid;
struct TDrawCell;

class TfmMain : public QWidget {
    Q_OBJECT
public:
    // Loads the store from the working directory ("Data.txt" from the
    // program's directory) and fills the list.
    TfmMain(std::filesystem::path workingDirectory, std::filesystem::path programDirectory,
            QWidget* parent = nullptr);
    // Writes "Data.txt"; a failure is shown and shut-down goes on.
    ~TfmMain() override;

    TStore& Store() { return store_; }
    // What went wrong while loading, one message per failure.
    const std::vector<std::string>& StartupErrors() const { return startupErrors_; }
    // Shows each start-up error in the application's error box.
    void ShowStartupErrors();

    void RefreshList();
    // The ID of the selected statement; 0 on the placeholder row.
    int SelectedID() const;
    // Selects the statement with this ID, when it is listed.
    void SelectDocument(std::int64_t id);

    // Works on the statement with this ID (0: a new one) in the editor's
    // window; answers the ID of the statement saved, 0 when none was.
    std::function<std::int64_t(int id)> OnEditDocument;
    // Prints the statement with this ID without showing the editor.
    std::function<void(int id)> OnPrintDocument;
    // The window BtnHelp and F1 show.
    void SetHelpWindow(QDialog* help) { help_ = help; }

    void BtnAddClick();
    void BtnEditClick();
    void BtnDeleteClick();
    void BtnPrintClick();
    void BtnHelpClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    QToolButton* AddButton(const char* name, const char* hint, TPicture picture,
                           void (TfmMain::*click)());
    void TableDrawCell(QPainter& painter, const TDrawCell& cell);

    TStore store_;
    std::vector<std::string> startupErrors_;
    TVertGrid* Table;
    QDialog* help_ = nullptr;
};
