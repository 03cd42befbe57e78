#pragma once
// The edge of a user action inside a dialog's own event handling. An error raised
// by what a click or a key asked for is raised again from the event loop,
// where the application's error box takes it: it must not unwind through the
// toolkit's handling of the click or key, whose clean-up would be skipped
// (leaking the event's data and leaving the press half handled).
#include <functional>

void RunDeferringErrors(const std::function<void()>& action);
