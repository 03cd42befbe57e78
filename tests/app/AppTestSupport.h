#pragma once
// A working directory and a program directory with a few statements, firms
// and banks written by the store itself.
#include "store/Store.h"
#include "support/TestSupport.h"

#include <string>

namespace testing_support {

struct TProgramDirs {
    TempDir Work;
    TempDir Program;
};

// Adds a firm or bank; its ID.
int AddNamed(TTable& table, const std::string& name, bool deleted = false);
// Adds a statement; its ID.
int AddDocument(TTable& documents, int year, int month, int day, int hour, int minute,
                const std::string& bag, int fromFirm, int toBank, double sum);

// Firms "Альфа" (1), "Бета" (2, deleted); bank "Сбербанк" (1); statements
// 1: 05.03.2024 9:30, Альфа, Сбербанк, bag "A-1", 12345.6
// 2: 01.01.2025 0:00, Бета, no bank, bag "B-2", 10
// 3: 02.01.2025 17:05, firm 99 (none), Сбербанк, bag "C-3", 0.5
void WriteSampleData(const TProgramDirs& dirs);

} // namespace testing_support
