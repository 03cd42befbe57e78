#pragma once
// The application's error box, and the one place where an error that escapes
// a user action is caught: it is shown in that box and ends only the action.
#include <functional>
#include <string>

// The application's title, also the caption of its error box.
extern const char* const kAppTitle;

// A stop-icon box captioned with the application's title; the message gets
// its full stop.
void ShowErrorBox(const std::string& message);

// Runs the action; any error it raises is shown in the error box. Returns
// whether the action ran to its end.
bool RunUserAction(const std::function<void()>& action);
