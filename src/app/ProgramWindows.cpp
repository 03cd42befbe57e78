#include "app/ProgramWindows.h"

#include <QTimer>

TProgramWindows::TProgramWindows(const std::filesystem::path& workingDirectory,
                                 const std::filesystem::path& programDirectory)
    : fmMain_(std::make_unique<TfmMain>(workingDirectory, programDirectory)),
      referenceBooks_(std::make_unique<TReferenceBooks>(fmMain_->Store())),
      fmHelp_(std::make_unique<TfmHelp>()) {
    fmMain_->SetHelpWindow(fmHelp_.get());
}

TProgramWindows::~TProgramWindows() {
    fmMain_.reset();
}

void TProgramWindows::Show() {
    fmMain_->show();
    // The boxes come once the main window is on the screen, over it.
    QTimer::singleShot(0, fmMain_.get(), [this] { fmMain_->ShowStartupErrors(); });
}
