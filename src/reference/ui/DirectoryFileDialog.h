#pragma once
// The dialog in which the user picks the directory of banks as downloaded
// from the Bank of Russia: its ZIP, or the XML file inside it.
#include <filesystem>
#include <optional>

class QWidget;

// The file chosen, or nothing when the user cancelled.
std::optional<std::filesystem::path> ChooseDirectoryFile(QWidget& parent);
