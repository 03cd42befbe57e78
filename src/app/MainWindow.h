#pragma once
// TfmMain: the program's home window. It owns the data store, loads it when
// created, lists every statement in a grid and offers new, new from the
// selected one (F9), edit, delete, print, the register of a period, finding
// a statement (Ctrl+F, F3 again) and help. Editing a statement belongs to
// the statement editor, which the program plugs in through OnEditDocument
// and OnCopyDocument; the window refreshes its list after each. Printing a
// statement and the register bind the store's values (StoredStatement.h,
// StatementRegister.h) and open them in the preview.
//
// The list is a view of the statements table, rebuilt whole after every
// action; the selected statement stays selected by its ID (or, when it is
// gone, the same row number, moved up if the list became shorter).
#include "report/ReportServices.h"
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
class TfmFind;
class TfmRegister;
class TVertGrid;
struct TDrawCell;

class TfmMain : public QWidget {
    Q_OBJECT
public:
    // Loads the store from the working directory ("Data.txt" from the
    // program's directory) and fills the list. The reports it prints are
    // made with `reportServices`; their templates are in the working directory.
    TfmMain(std::filesystem::path workingDirectory, std::filesystem::path programDirectory,
            TReportServices reportServices = {}, QWidget* parent = nullptr);
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
    // A new statement in the editor's window, filled from the one with this
    // ID; answers the ID of the statement saved, 0 when none was.
    std::function<std::int64_t(int id)> OnCopyDocument;
    // The window BtnHelp and F1 show.
    void SetHelpWindow(QDialog* help) { help_ = help; }

    void BtnAddClick();
    void BtnCopyClick();
    void BtnEditClick();
    void BtnDeleteClick();
    void BtnPrintClick();
    void BtnRegisterClick();
    void BtnHelpClick();
    // Ctrl+F: asks for a text and selects the next row holding it; F3: the
    // next row holding the same text.
    void FindClick();
    void FindNextClick();
    // Remembers the text and selects the next row holding it; says so in a
    // message when no row does.
    void FindText(std::string text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    QToolButton* AddButton(const char* name, const char* hint, TPicture picture,
                           void (TfmMain::*click)());
    void TableDrawCell(QPainter& painter, const TDrawCell& cell);

    TStore store_;
    std::filesystem::path workingDirectory_;
    TReportServices reportServices_;
    std::vector<std::string> startupErrors_;
    TVertGrid* Table;
    QDialog* help_ = nullptr;
    TfmRegister* register_;
    TfmFind* find_;
    // What Ctrl+F asked for last (Windows-1251).
    std::string findText_;
};
