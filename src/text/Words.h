#pragma once
// Numbers and money amounts in Russian words, as the dispatch statement
// writes its sum: "Сто двадцать три рубля 45 копеек".
#include "text/Money.h"

#include <string>
#include <string_view>

// Words of one group of three digits ("211": "двести одиннадцать "), each
// word followed by one blank; `feminine` for thousands ("одна ", "две ").
// A shorter group counts as padded with zeros on the left, a longer one by its
// last three characters, and a character that is no digit as 0.
std::string HundredsInWords(std::string_view group, bool feminine);

// The whole part of an amount in words, capitalised, ending with one blank:
// "Две тысячи двадцать один ". A thousandth of a rouble short of a whole rouble
// counts as that rouble.
std::string NumberInWords(Money amount);

// Roubles in words and kopecks in figures: "Две тысячи пятьсот рублей 00 копеек".
// The amount is first rounded to whole kopecks, a half kopeck upwards; figure,
// kopeck word and roubles all follow that rounding.
//
// Statements only ever hold 0 to 999 999 999 999,99. Beyond that both
// functions still write every Money value: 10^12 and more in trillions
// ("Один триллион рублей 00 копеек"), and a negative amount as its magnitude
// after "Минус " ("Минус пять рублей 50 копеек") unless it rounds to zero.
std::string AmountInWords(Money amount);
