#pragma once
// What the screenshot programs share: sample records written as the
// reference books write them, and pictures of windows saved as PNG.
#include "store/Table.h"

#include <QWidget>

#include <cstdint>
#include <string>

// A new firm or bank with one more field, as its editor writes it; its ID.
std::int64_t AddRecord(TTable& table, std::string name, const char* field, std::string value);

// The window as it is on the screen, into a PNG file; false (and a message)
// when the file cannot be written.
bool SavePicture(QWidget& window, const char* fileName);

// Once the next modal window named `name` is on the screen and painted,
// runs `take` on it (from the event loop).
void WhenModalShown(const char* name, std::function<void(QWidget&)> take);
