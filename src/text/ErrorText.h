#pragma once
// The text of the application's error box: the message with a full stop
// appended unless it already ends in "." or a character that sorts before it.
#include <string>

std::string ErrorBoxText(std::string message);
