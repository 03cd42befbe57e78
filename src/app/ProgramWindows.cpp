#include "app/ProgramWindows.h"

#include "app/ErrorBox.h"
#include "report/render/QtReportServices.h"

#include <QTimer>

TProgramWindows::TProgramWindows(const std::filesystem::path& workingDirectory,
                                 const std::filesystem::path& programDirectory)
    : fmMain_(std::make_unique<TfmMain>(workingDirectory, programDirectory)),
      fmHelp_(std::make_unique<TfmHelp>()),
      referenceBooks_(std::make_unique<TReferenceBooks>(fmMain_->Store())),
      fmDocumentEditor_(std::make_unique<TfmDocumentEditor>(
          fmMain_->Store(), MakeQtReportServices(), workingDirectory)) {
    fmMain_->SetHelpWindow(fmHelp_.get());
    fmDocumentEditor_->SetActionRunner(RunUserAction);
    fmDocumentEditor_->SetReferenceBrowse(
        [this](const std::string& caption, TStoreTable table, int slot, std::int64_t selectedID) {
            return referenceBooks_->Browse(caption, table, slot, selectedID);
        });
    fmMain_->OnEditDocument = [this](int id) { fmDocumentEditor_->EditStatement(id); };
    fmMain_->OnPrintDocument = [this](int id) { fmDocumentEditor_->PrintStatement(id); };
}

TProgramWindows::~TProgramWindows() {
    fmMain_.reset();
}

void TProgramWindows::Show() {
    fmMain_->show();
    // The boxes come once the main window is on the screen, over it.
    QTimer::singleShot(0, fmMain_.get(), [this] { fmMain_->ShowStartupErrors(); });
}
