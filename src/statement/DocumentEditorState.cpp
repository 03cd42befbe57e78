#include "statement/DocumentEditorState.h"

#include "statement/CashField.h"
#include "statement/EarnSources.h"
#include "statement/StoredStatement.h"
#include "store/Store.h"
#include "text/Format.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxUsedSources = 5;

std::optional<Money> AmountOf(const TSourceRow& row) {
    return TextToMoney(row.Amount);
}

// The ID a list selects, held in the statement (0 = none).
template <class TStatementRef> auto& SelectionOf(TStatementRef& statement, TEditorList list) {
    switch (list) {
    case TEditorList::FromFirm:
        return statement.FromFirm;
    case TEditorList::ToFirm:
        return statement.ToFirm;
    case TEditorList::FromBank:
        return statement.FromBank;
    case TEditorList::ToBank:
        break;
    }
    return statement.ToBank;
}

} // namespace

TDocumentEditorState::TDocumentEditorState(TStore& store) : store_(store) {}

const TChoiceItems& TDocumentEditorState::Items(TEditorList list) const {
    return list == TEditorList::FromFirm || list == TEditorList::ToFirm ? firms_ : banks_;
}

std::int64_t TDocumentEditorState::SelectedID(TEditorList list) const {
    return SelectionOf(statement_, list);
}

void TDocumentEditorState::Select(TEditorList list, std::int64_t id) {
    SelectionOf(statement_, list) = SelectableID(Items(list), id);
}

void TDocumentEditorState::RebuildFirmLists() {
    firms_ = BuildChoiceItems(store_.Firms());
    Select(TEditorList::FromFirm, statement_.FromFirm);
    Select(TEditorList::ToFirm, statement_.ToFirm);
}

void TDocumentEditorState::RebuildBankLists() {
    banks_ = BuildChoiceItems(store_.Banks());
    Select(TEditorList::FromBank, statement_.FromBank);
    Select(TEditorList::ToBank, statement_.ToBank);
}

void TDocumentEditorState::ReadSources() {
    ApplyEarnSources(BuildEarnSourceList(store_.EarnSources()), statement_);
}

void TDocumentEditorState::Load(TDateTime now) {
    RebuildFirmLists();
    RebuildBankLists();
    statement_.Counts.fill("");
    for (TSourceRow& row : statement_.Sources) {
        row.Amount.clear();
    }
    statement_.BagNumber.clear();
    statement_.Field39.clear();
    statement_.Datetime = now;
    // Nothing of an earlier editing survives, the current source included.
    statement_.CurrentSource = 1;

    const auto first = [](const TChoiceItems& items) { return items.empty() ? 0 : items[0].ID; };
    statement_.FromFirm = statement_.ToFirm = first(firms_);
    statement_.FromBank = statement_.ToBank = first(banks_);
    const auto preselect = [this](TEditorList list, std::int64_t id) {
        if (ChoiceIndex(Items(list), id) >= 0) {
            Select(list, id);
        }
    };
    const int defaultFirm = store_.DefaultID(TStore::kFirmSlot);
    const int defaultBank = store_.DefaultID(TStore::kBankSlot);
    preselect(TEditorList::FromBank, defaultBank);
    preselect(TEditorList::ToBank, defaultBank);
    preselect(TEditorList::FromFirm, defaultFirm);
    preselect(TEditorList::ToFirm, defaultFirm);

    ReadSources();

    ReadStoredStatement(store_.Documents(), documentID_, firms_, banks_, statement_);
    cashRow_ = 1;
    Recompute(true);
}

void TDocumentEditorState::Recompute(bool autoFill) {
    cashLabel_ = CashLabelOf(WalkCounts(statement_.Counts));
    const std::optional<Money> cash = BalanceTotal(statement_.Counts);
    std::vector<TSourceRow>& rows = statement_.Sources;
    if (!cash || rows.empty()) {
        // Counts beyond the money range: the cash label already names the
        // row; the split is left as typed.
        return;
    }
    const std::size_t current = static_cast<std::size_t>(statement_.CurrentSource - 1);
    if (autoFill) {
        Money others = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto amount = AmountOf(rows[i]);
            if (i != current && amount && *amount > 0) {
                others = AddAmounts(others, *amount);
            }
        }
        const Money rest = AddAmounts(*cash, -others);
        rows[current].Amount = rest != 0 ? MoneyToText(rest, 2) : "";
    }
    Money amounts = 0;
    for (const TSourceRow& row : rows) {
        amounts = AddAmounts(amounts, AmountOf(row).value_or(0));
    }
    sourceLabel_ = SourceLabelOf(amounts, *cash);
}

void TDocumentEditorState::SetCount(int row, std::string_view text) {
    if (row < 1 || row > static_cast<int>(kDenominationCount)) {
        return;
    }
    statement_.Counts[static_cast<std::size_t>(row - 1)] = text;
    Recompute(true);
}

void TDocumentEditorState::SetCashRow(int row) {
    cashRow_ = std::clamp(row, 1, static_cast<int>(kDenominationCount));
}

void TDocumentEditorState::SetAmount(int row, std::string_view text) {
    if (row < 1 || row > static_cast<int>(statement_.Sources.size())) {
        return;
    }
    statement_.Sources[static_cast<std::size_t>(row - 1)].Amount = text;
    Recompute(false);
}

void TDocumentEditorState::SetCurrentSource(int row) {
    if (row >= 1 && row <= static_cast<int>(statement_.Sources.size())) {
        statement_.CurrentSource = row;
    }
}

std::string TDocumentEditorState::SourceCaption(int row) const {
    if (row < 1 || row > static_cast<int>(statement_.Sources.size())) {
        return {};
    }
    const TSourceRow& source = statement_.Sources[static_cast<std::size_t>(row - 1)];
    return EarnSourceCaption({source.Symbol, source.Name});
}

TCheckResult TDocumentEditorState::Check() {
    if (statement_.BagNumber.empty()) {
        return {false, {}, TEditorControl::Bag};
    }
    const TCashWalk walk = WalkCounts(statement_.Counts);
    cashLabel_ = CashLabelOf(walk);
    if (walk.ErrorRow > 0) {
        // The offending row becomes current, so the user lands on it.
        cashRow_ = walk.ErrorRow;
        return {false, {}, TEditorControl::Cash};
    }
    if (walk.Total <= 0) {
        cashRow_ = 1;
        return {false, {}, TEditorControl::Cash};
    }
    for (const auto& [list, control] : {std::pair{TEditorList::FromFirm, TEditorControl::FromFirm},
                                        std::pair{TEditorList::ToFirm, TEditorControl::ToFirm},
                                        std::pair{TEditorList::FromBank, TEditorControl::FromBank},
                                        std::pair{TEditorList::ToBank, TEditorControl::ToBank}}) {
        if (SelectedID(list) == 0) {
            return {false, {}, control};
        }
    }
    Recompute(true);

    Money sum = 0;
    std::size_t used = 0;
    int badRow = 0;
    for (std::size_t i = 0; i < statement_.Sources.size(); ++i) {
        const TSourceRow& row = statement_.Sources[i];
        const auto amount = AmountOf(row);
        if (!row.Amount.empty() && (!amount || *amount < 0)) {
            badRow = static_cast<int>(i + 1);
            statement_.CurrentSource = badRow;
            break;
        }
        sum = AddAmounts(sum, amount.value_or(0));
        used += amount.value_or(0) > 0 ? 1 : 0;
    }
    if (badRow > 0) {
        // Named before the totals are judged: the totals gathered so far stop
        // at this row, and a message about them would contradict the label,
        // which adds every row up.
        return {false, "Неверная сумма в источнике поступления \"" + SourceCaption(badRow) + "\"",
                TEditorControl::Source};
    }
    if (used == 0) {
        return {false, "Введите сумму в соответствующем источнике поступления",
                TEditorControl::Source};
    }
    if (used > kMaxUsedSources) {
        return {false, "Выберите не более 5 источников поступления", TEditorControl::Source};
    }
    if (sum != walk.Total) {
        return {false, "Сумма банкнот (монет) и итог по источникам поступления различаются",
                TEditorControl::Source};
    }
    return {true, {}, TEditorControl::None};
}

bool TDocumentEditorState::Save() {
    const std::string cash = EncodeCash(statement_);
    const Money total = CashTotal(statement_.Counts);
    TTable& documents = store_.Documents();
    if (documentID_ > 0) {
        if (!documents.Locate(documentID_)) {
            return false;
        }
        documents.Edit();
    } else {
        documents.Append();
    }
    documents.FieldByName("Datetime").SetDateTime(statement_.Datetime);
    documents.FieldByName("BagNumber").SetString(statement_.BagNumber);
    documents.FieldByName("FromFirm").SetInteger(statement_.FromFirm);
    documents.FieldByName("ToFirm").SetInteger(statement_.ToFirm);
    documents.FieldByName("FromBank").SetInteger(statement_.FromBank);
    documents.FieldByName("ToBank").SetInteger(statement_.ToBank);
    documents.FieldByName("Cash").SetString(cash);
    documents.FieldByName("CashSum").SetFloat(MoneyToDouble(total));
    documents.FieldByName("FIELD39").SetString(statement_.Field39);
    documents.Post();
    documentID_ = documents.FieldByName("ID").AsInteger();
    store_.SaveDocuments();
    return true;
}

TVariableList TDocumentEditorState::PrintVariables() const {
    return BuildPrintVariables(statement_, store_.Firms(), store_.Banks());
}

void TDocumentEditorState::AddSource(std::string_view name, std::string_view symbol) {
    AddEarnSource(store_.EarnSources(), name, symbol);
    ReadSources();
}

void TDocumentEditorState::ChangeSource(int row, std::string_view name, std::string_view symbol) {
    ChangeEarnSource(store_.EarnSources(), row - 1, name, symbol);
    ReadSources();
}

std::string TDocumentEditorState::DeleteQuestion() const {
    return Format("Вы действительно хотите удалить \"%s\"?",
                  {SourceCaption(statement_.CurrentSource)});
}

void TDocumentEditorState::DeleteCurrentSource() {
    if (IsOnlySource()) {
        return;
    }
    const int index = statement_.CurrentSource - 1;
    statement_.Sources.erase(statement_.Sources.begin() + index);
    DeleteEarnSource(store_.EarnSources(), index);
    ReadSources();
    Recompute(false);
}
