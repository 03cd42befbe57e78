#pragma once
// The folder where the installed programs keep the user's data:
// "vedomost" in the user's data directory ($XDG_DATA_HOME, by default
// ~/.local/share). The program and report3 both find it here.
#include <filesystem>

// Empty when the system names no data directory (no home folder).
std::filesystem::path UserDataFolder();
