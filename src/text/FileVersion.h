#pragma once
// The version text stored in the program file ("1.0.0.0"). Linux executables
// carry no version resource, so the program embeds a marked version string
// and this reads it back; any other file yields the empty text.
#include <filesystem>
#include <string>

std::string FileVersionText(const std::filesystem::path& path);
