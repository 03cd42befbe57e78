#pragma once
// The program's windows, created once in their fixed order (the main window,
// the statement editor, the reference books with the browser and the bank and
// firm editors, the help) and living for the whole run. The main window goes
// first at shut-down (it writes "Data.txt"), then the others. The main
// window's own small dialogs (the register's period, finding a statement)
// are its children and go with it.
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "reference/ui/ReferenceBooks.h"
#include "report/ReportServices.h"
#include "statement/ui/TfmDocumentEditor.h"

#include <filesystem>
#include <memory>

class TProgramWindows {
public:
    // Reports the windows print (the main window's and the editor's) are
    // made with `reportServices`, their preview being the program's preview
    // window.
    TProgramWindows(const std::filesystem::path& workingDirectory,
                    const std::filesystem::path& programDirectory,
                    TReportServices reportServices = {});
    ~TProgramWindows();
    TProgramWindows(const TProgramWindows&) = delete;
    TProgramWindows& operator=(const TProgramWindows&) = delete;

    TfmMain& Main() { return *fmMain_; }
    TReferenceBooks& ReferenceBooks() { return *referenceBooks_; }
    TfmDocumentEditor& DocumentEditor() { return *fmDocumentEditor_; }
    TfmHelp& Help() { return *fmHelp_; }

    // Shows the main window, then each start-up error in the error box.
    void Show();

private:
    std::unique_ptr<TfmMain> fmMain_;
    // Made in this order: the statement editor before the reference books.
    std::unique_ptr<TfmDocumentEditor> fmDocumentEditor_;
    std::unique_ptr<TReferenceBooks> referenceBooks_;
    std::unique_ptr<TfmHelp> fmHelp_;
};
