#include "statement/Denominations.h"

const std::array<TDenomination, kDenominationCount>& Denominations() {
    static const std::array<TDenomination, kDenominationCount> table = {{
        {"5000 руб ", "5000", "5000", 5000 * kMoneyScale},
        {"2000 руб ", "2000", "2000", 2000 * kMoneyScale},
        {"1000 руб ", "1000", "1000", 1000 * kMoneyScale},
        {"500 руб ", "500", "500", 500 * kMoneyScale},
        {"200 руб ", "200", "200", 200 * kMoneyScale},
        {"100 руб ", "100", "100", 100 * kMoneyScale},
        {"50 руб ", "50", "50", 50 * kMoneyScale},
        {"10 руб ", "10", "10", 10 * kMoneyScale},
        {"5 руб ", "5", "5", 5 * kMoneyScale},
        {"2 руб ", "2", "2", 2 * kMoneyScale},
        {"1 руб ", "1", "1", 1 * kMoneyScale},
        {"50 коп ", "0,5", "05", kMoneyScale / 2},
        {"10 коп ", "0,1", "01", kMoneyScale / 10},
        {"5 коп ", "0,05", "005", kMoneyScale / 20},
        {"1 коп ", "0,01", "001", kMoneyScale / 100},
    }};
    return table;
}
