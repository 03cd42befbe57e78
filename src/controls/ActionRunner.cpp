#include "controls/ActionRunner.h"

#include "controls/MessageDialog.h"
#include "text/ErrorText.h"

#include <exception>
#include <new>

const char* const kAppTitle = "Препроводительная ведомость";

void ShowErrorBox(const std::string& message) {
    ShowMessageBox(ErrorBoxText(message), kAppTitle, kMbOk | kMbIconError);
}

bool RunUserAction(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::bad_alloc&) {
        ShowErrorBox("Недостаточно памяти");
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
    return false;
}
