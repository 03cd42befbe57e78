#pragma once
// Making a data folder ready before any table in it is opened: created when
// the installed program starts for the first time, refused when it cannot
// be written, and given the shipped templates the user does not have yet.
// Each refusal is an EFileError whose message names the folder; nothing is
// left behind by a refusal.
#include <filesystem>
#include <string>
#include <vector>

// Creates the folder and its missing parents, each private to the user
// (0700, as the desktop's rules for data folders ask). Raises "Не удается
// создать папку данных "<folder>". <reason>" when something that is not a
// folder stands in the way or the system refuses; the parents made before
// the failure are removed again.
void CreateDataFolder(const std::filesystem::path& folder);

// Raises "Нет доступа на запись в папку данных "<folder>"." when the program
// could not save there. A folder without any write permission bit counts as
// closed even for root, to whom the system lets everything through.
void CheckDataFolderWritable(const std::filesystem::path& folder);

// Copies each template (Windows-1251 file names) from `shared` into `folder`
// when `folder` has nothing of that name; the user's copy, edited or not, is
// never replaced. A template the package lacks is skipped. A failed copy
// raises the file writer's error and leaves no partial file.
void CopyMissingTemplates(const std::filesystem::path& shared, const std::filesystem::path& folder,
                          const std::vector<std::string>& templates);
