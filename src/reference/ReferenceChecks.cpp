#include "reference/ReferenceChecks.h"

#include "bank/BankChecks.h"

std::string_view CaptionOf(std::string_view label) {
    if (label.ends_with(':')) {
        label.remove_suffix(1);
    }
    return label;
}

std::vector<TBoxFault> BoxFaults(std::span<const TBoxRule> rules,
                                 std::span<const std::string> texts) {
    std::vector<TBoxFault> faults;
    for (std::size_t i = 0; i < rules.size() && i < texts.size(); ++i) {
        const std::string& text = texts[i];
        if (text.empty() || rules[i].Check == TBoxCheck::None) {
            continue;
        }
        std::string fault;
        switch (rules[i].Check) {
        case TBoxCheck::INN:
            if (const TDetailCheck check = CheckINN(text); check != TDetailCheck::Passed) {
                fault = INNFaultText(check);
            }
            break;
        case TBoxCheck::BIK:
            if (const TDetailCheck check = CheckBIK(text); check != TDetailCheck::Passed) {
                fault = BIKFaultText(check);
            }
            break;
        case TBoxCheck::AccountAtBIK: {
            const int bikBox = rules[i].BIKBox;
            const std::string bik = bikBox >= 0 && static_cast<std::size_t>(bikBox) < texts.size()
                                        ? texts[static_cast<std::size_t>(bikBox)]
                                        : std::string();
            if (const TDetailCheck check = CheckAccount(text, bik); check != TDetailCheck::Passed) {
                fault = AccountFaultText(check, bik);
            }
            break;
        }
        case TBoxCheck::None:
            break;
        }
        if (!fault.empty()) {
            faults.push_back(
                {static_cast<int>(i), FaultLine(CaptionOf(rules[i].Label), text, fault)});
        }
    }
    return faults;
}
