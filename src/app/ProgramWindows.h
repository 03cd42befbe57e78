#pragma once
// The program's windows, created once in their fixed order and living for the
// whole run. The main window goes first at shut-down (it writes "Data.txt"),
// then the others.
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "reference/ReferenceBooks.h"
#include "statement/ui/TfmDocumentEditor.h"

#include <filesystem>
#include <memory>

class TProgramWindows {
public:
    TProgramWindows(const std::filesystem::path& workingDirectory,
                    const std::filesystem::path& programDirectory);
    ~TProgramWindows();
    TProgramWindows(const TProgramWindows&) = delete;
    TProgramWindows& operator=(const TProgramWindows&) = delete;

    TfmMain& Main() { return *fmMain_; }
    TfmHelp& Help() { return *fmHelp_; }
    TfmDocumentEditor& DocumentEditor() { return *fmDocumentEditor_; }

    // Shows the main window, then each start-up error in the error box.
    void Show();

private:
    std::unique_ptr<TfmMain> fmMain_;
    std::unique_ptr<TfmHelp> fmHelp_;
    std::unique_ptr<TReferenceBooks> referenceBooks_;
    std::unique_ptr<TfmDocumentEditor> fmDocumentEditor_;
};
