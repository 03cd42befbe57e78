#pragma once
// The Qt edge of the Windows-1251 codec: the only place QString meets the
// program's strings.
#include <QString>

#include <string>
#include <string_view>

QString ToQString(std::string_view cp1251);
std::string FromQString(const QString& text);
