#pragma once
// File names are Windows-1251 inside the program and UTF-8 on the disk.
#include <filesystem>
#include <string>
#include <string_view>

// The disk path of a Windows-1251 file name.
std::filesystem::path PathFromText(std::string_view name);

// The disk path of a UTF-8 file name (a command-line argument), every
// character kept.
std::filesystem::path PathFromUtf8(std::string_view name);

// The Windows-1251 text of a disk path (for messages and for the program's data).
std::string PathToText(const std::filesystem::path& path);

// The running executable.
std::filesystem::path ProgramFile();

// The directory of the running executable.
std::filesystem::path ProgramDirectory();
