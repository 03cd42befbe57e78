#include "app/DataFolderStart.h"

#include "app/DataFolder.h"
#include "controls/ActionRunner.h"
#include "text/Cp1251.h"
#include "text/ErrorText.h"
#include "text/Errors.h"

#include <iostream>

namespace {

void Refuse(const std::string& message) {
    std::cerr << Cp1251ToUtf8(ErrorBoxText(message)) << '\n';
    ShowErrorBox(message);
}

} // namespace

std::unique_ptr<TDataFolderLock> OpenDataFolder(const TDataPlaces& places) {
    std::unique_ptr<TDataFolderLock> lock;
    try {
        if (places.CreateWorkingDirectory) {
            CreateDataFolder(places.WorkingDirectory);
        }
        CheckDataFolderWritable(places.WorkingDirectory);
        lock = std::make_unique<TDataFolderLock>(places.WorkingDirectory);
    } catch (const EAppError& error) {
        Refuse(error.what());
        return nullptr;
    }
    // Without its template the program still keeps statements; printing
    // then names the missing file.
    RunUserAction([&] {
        CopyMissingTemplates(places.SharedDirectory, places.WorkingDirectory, places.Templates);
    });
    return lock;
}
