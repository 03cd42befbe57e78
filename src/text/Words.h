#pragma once
// Numbers and money amounts in Russian words, as the dispatch statement
// writes its sum: "Сто двадцать три рубля 45 копеек".
#include "text/Money.h"

#include <string>
#include <string_view>

// Words of one group of exactly three digits; `feminine` for thousands.
std::string HundredsInWords(std::string_view group, bool feminine);

// The whole part of an amount in words, capitalised, ending with one blank.
std::string NumberInWords(Money amount);

// Roubles in words and kopecks in figures: "Две тысячи пятьсот рублей 00 копеек".
std::string AmountInWords(Money amount);
