#include "app/ProgramWindows.h"

#include "controls/ActionRunner.h"
#include "report/ui/ReportPreview.h"

#include <QTimer>

namespace {

TReportServices WithPreview(TReportServices services) {
    InstallReportPreview(services, RunUserAction);
    return services;
}

} // namespace

TProgramWindows::TProgramWindows(const std::filesystem::path& workingDirectory,
                                 const std::filesystem::path& programDirectory,
                                 TReportServices reportServices)
    : fmMain_(std::make_unique<TfmMain>(workingDirectory, programDirectory,
                                        WithPreview(reportServices))),
      fmDocumentEditor_(std::make_unique<TfmDocumentEditor>(fmMain_->Store(),
                                                            WithPreview(std::move(reportServices)),
                                                            workingDirectory, RunUserAction)),
      referenceBooks_(std::make_unique<TReferenceBooks>(fmMain_->Store(), RunUserAction)),
      fmHelp_(std::make_unique<TfmHelp>()) {
    fmMain_->SetHelpWindow(fmHelp_.get());
    fmDocumentEditor_->SetBankDirectory(&referenceBooks_->BankDirectory());
    fmDocumentEditor_->SetReferenceBrowse(
        [this](const std::string& caption, TStoreTable table, int slot, std::int64_t selectedID) {
            return referenceBooks_->Browse(caption, table, slot, selectedID);
        });
    fmMain_->OnEditDocument = [this](int id) -> std::int64_t {
        return fmDocumentEditor_->EditStatement(id) ? fmDocumentEditor_->DocumentID() : 0;
    };
    fmMain_->OnCopyDocument = [this](int id) -> std::int64_t {
        return fmDocumentEditor_->CopyStatement(id) ? fmDocumentEditor_->DocumentID() : 0;
    };
}

TProgramWindows::~TProgramWindows() {
    fmMain_.reset();
}

void TProgramWindows::Show() {
    fmMain_->show();
    // The boxes come once the main window is on the screen, over it.
    QTimer::singleShot(0, fmMain_.get(), [this] { fmMain_->ShowStartupErrors(); });
}
