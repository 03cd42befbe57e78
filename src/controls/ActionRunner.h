#pragma once
// The application's error box, and the one place where an error that escapes
// a user action is caught: it is shown in that box and ends only the action.
// Every window is handed the runner when it is made and runs each of its
// user's actions through it; no window shows a box of its own for an error.
#include <functional>
#include <string>

// The application's title, also the caption of its error box.
extern const char* const kAppTitle;

// A stop-icon box captioned with the application's title; the message gets
// its full stop.
void ShowErrorBox(const std::string& message);

// Runs one user action and shows the errors it raises; whether the action
// ran to its end.
using TActionRunner = std::function<bool(const std::function<void()>&)>;

// The program's runner: any error the action raises is shown in the error box.
bool RunUserAction(const std::function<void()>& action);
