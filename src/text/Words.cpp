#include "text/Words.h"

#include <array>
#include <cstdint>

namespace {

// The words of each digit by its place; teens by the units digit.
struct TDigitWords {
    const char* Hundreds;
    const char* Tens;
    const char* Teens;
    const char* Units;
};

constexpr std::array<TDigitWords, 10> kDigits = {{
    {"", "", "десять ", ""},
    {"сто ", "", "одиннадцать ", "один "},
    {"двести ", "двадцать ", "двенадцать ", "два "},
    {"триста ", "тридцать ", "тринадцать ", "три "},
    {"четыреста ", "сорок ", "четырнадцать ", "четыре "},
    {"пятьсот ", "пятьдесят ", "пятнадцать ", "пять "},
    {"шестьсот ", "шестьдесят ", "шестнадцать ", "шесть "},
    {"семьсот ", "семьдесят ", "семнадцать ", "семь "},
    {"восемьсот ", "восемьдесят ", "восемнадцать ", "восемь "},
    {"девятьсот ", "девяносто ", "девятнадцать ", "девять "},
}};
constexpr std::array<const char*, 3> kFeminineUnits = {"", "одна ", "две "};

// The word forms for 1, for 2 to 4 and for the rest.
using TForms = std::array<const char*, 3>;

struct TScale {
    bool Feminine;
    TForms Forms;
};

// Groups of three digits from the highest. Trillions lie beyond the amounts
// the program writes, but they keep every Money value grouped correctly.
constexpr std::array<TScale, 5> kScales = {{
    {false, {"триллион ", "триллиона ", "триллионов "}},
    {false, {"миллиард ", "миллиарда ", "миллиардов "}},
    {false, {"миллион ", "миллиона ", "миллионов "}},
    {true, {"тысяча ", "тысячи ", "тысяч "}},
    {false, {"", "", ""}},
}};

constexpr TForms kRoubles = {"рубль", "рубля", "рублей"};
constexpr TForms kKopecks = {" копейка", " копейки", " копеек"};

// Which form a count takes, by its last two digits: 1, 21 ... 91 the first;
// 2-4, 22-24 ... 92-94 the second; the rest, 11-14 among them, the third.
const char* FormFor(const TForms& forms, std::uint64_t count) {
    const std::uint64_t units = count % 10;
    if (count / 10 % 10 == 1 || units == 0 || units > 4) {
        return forms[2];
    }
    return forms[units == 1 ? 0 : 1];
}

std::string GroupInWords(int hundreds, int tens, int units, bool feminine) {
    std::string text = kDigits[hundreds].Hundreds;
    if (tens == 1) {
        return text + kDigits[units].Teens;
    }
    text += kDigits[tens].Tens;
    text += feminine && units <= 2 ? kFeminineUnits[units] : kDigits[units].Units;
    return text;
}

// A whole number in lower-case words, each followed by one blank.
std::string WholeInWords(std::uint64_t number) {
    if (number == 0) {
        return "ноль ";
    }
    std::string text;
    std::uint64_t scale = 1'000'000'000'000'000; // one past the highest group
    for (const TScale& group : kScales) {
        scale /= 1000;
        const auto value = static_cast<int>(number / scale % 1000);
        if (value != 0) {
            text += GroupInWords(value / 100, value / 10 % 10, value % 10, group.Feminine);
            text += FormFor(group.Forms, static_cast<std::uint64_t>(value));
        }
    }
    return text;
}

// Words begin with a lower-case Cyrillic letter (0xE0-0xFF); this makes the
// first one a capital.
void Capitalize(std::string& text) {
    if (!text.empty() && static_cast<unsigned char>(text.front()) >= 0xE0) {
        text.front() = static_cast<char>(text.front() - 32);
    }
}

std::uint64_t Magnitude(Money amount) {
    return amount < 0 ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
}

} // namespace

std::string HundredsInWords(std::string_view group, bool feminine) {
    std::array<int, 3> digits = {0, 0, 0};
    if (group.size() > digits.size()) {
        group = group.substr(group.size() - digits.size());
    }
    const std::size_t offset = digits.size() - group.size();
    for (std::size_t i = 0; i < group.size(); ++i) {
        const char c = group[i];
        digits[offset + i] = c >= '0' && c <= '9' ? c - '0' : 0;
    }
    return GroupInWords(digits[0], digits[1], digits[2], feminine);
}

std::string NumberInWords(Money amount) {
    // A thousandth of a rouble is added before truncating, so that an amount
    // computed a hair below a whole rouble still counts as that rouble.
    const std::uint64_t whole = (Magnitude(amount) + kMoneyScale / 1000) / kMoneyScale;
    std::string text(amount < 0 && whole != 0 ? "минус " : "");
    text += WholeInWords(whole);
    Capitalize(text);
    return text;
}

std::string AmountInWords(Money amount) {
    // Rounded to whole kopecks once, a half kopeck upwards (as the classic
    // "+ 0,0001 before rounding" does), so the figure, the kopeck word and the
    // roubles always agree: 0,9950 is one rouble 00 kopecks.
    const std::uint64_t kopecks = (Magnitude(amount) + kMoneyScale / 200) / (kMoneyScale / 100);
    const std::uint64_t roubles = kopecks / 100;
    const auto cents = static_cast<int>(kopecks % 100);
    std::string text = amount < 0 && kopecks != 0 ? "минус " : "";
    text += WholeInWords(roubles);
    text += FormFor(kRoubles, roubles);
    text += ' ';
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    text += FormFor(kKopecks, static_cast<std::uint64_t>(cents));
    Capitalize(text);
    return text;
}
