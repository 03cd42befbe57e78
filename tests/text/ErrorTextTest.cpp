#include "text/ErrorText.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, AFullStopIsAddedOnlyAfterCharactersSortingAfterIt) {
    EXPECT_EQ(ErrorBoxText("Field 'ID' not found"), "Field 'ID' not found.");
    EXPECT_EQ(ErrorBoxText("Готово."), "Готово.");
    EXPECT_EQ(ErrorBoxText("Ошибка в имени переменной \"a[0]\""),
              "Ошибка в имени переменной \"a[0]\""); // a quote sorts before "."
    EXPECT_EQ(ErrorBoxText("Нет данных!"), "Нет данных!");
    EXPECT_EQ(ErrorBoxText("Ошибка"), "Ошибка."); // Cyrillic letters sort after it
    EXPECT_EQ(ErrorBoxText(""), "");
}
