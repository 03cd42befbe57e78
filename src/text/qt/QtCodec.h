#pragma once
// The Qt edge of the Windows-1251 codec: the only place QString meets the
// program's strings.
#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

QString ToQString(std::string_view cp1251);
std::string FromQString(const QString& text);

// File names chosen in Qt's dialogs keep every character, also those
// Windows-1251 has no code for.
std::filesystem::path PathFromQString(const QString& name);
QString QStringFromPath(const std::filesystem::path& path);
