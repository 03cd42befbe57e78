#pragma once
// The first step of a run, before any table is opened: the data folder made
// ready (created by the installed program, checked for writing), its lock
// taken and the shipped templates put in. A refusal is shown in the
// application's error box, and on the standard error for a start from a
// terminal; the program then ends without writing any file.
#include "app/DataFolderLock.h"
#include "app/DataPlaces.h"

#include <memory>

// The lock held for the run, or nothing when the program must end.
std::unique_ptr<TDataFolderLock> OpenDataFolder(const TDataPlaces& places);
