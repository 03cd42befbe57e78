#pragma once
// The program's modal message windows with Russian button captions:
// MessageDialog lays its window out itself (text, icon, a row of buttons of
// fixed size); ShowMessageBox is the toolkit's own message box. Both take the
// flags of a platform message box and answer with its button numbers.
#include "text/Format.h"

#include <initializer_list>
#include <string>

// Button sets (flags & 0xF).
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbOkCancel = 0x1;
constexpr unsigned kMbAbortRetryIgnore = 0x2;
constexpr unsigned kMbYesNoCancel = 0x3;
constexpr unsigned kMbYesNo = 0x4;
constexpr unsigned kMbRetryCancel = 0x5;
// Icons (flags & 0xF0).
constexpr unsigned kMbIconError = 0x10;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconWarning = 0x30;
constexpr unsigned kMbIconInformation = 0x40;
// The button that has the focus first (flags & 0xF00).
constexpr unsigned kMbDefButton2 = 0x100;
constexpr unsigned kMbDefButton3 = 0x200;

// The answers: the number of the button pressed.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Shows the text unchanged. Escape presses the rightmost button.
int MessageDialog(const std::string& text, unsigned flags, const std::string& caption = {});
// Formats the text with the arguments first, as Format does.
int MessageDialog(const std::string& text, std::initializer_list<FormatArg> args, unsigned flags,
                  const std::string& caption = {});

// A question with "Да" and "Нет", "Нет" focused first (Escape answers it
// too): whether the user answered "Да".
bool ConfirmQuestion(const std::string& text);

// The toolkit's message box; Escape answers only where there is a Cancel
// button or a lone OK.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
