#pragma once
// What the statement editor decides, without any widget: the statement its
// controls show, the running totals, the balancing of the earn sources, the
// check before saving or printing, loading and saving the record, and the
// earn-source operations. The editor window only shows this state and
// forwards the user's edits to it:
//
//   window showing           state
//   eBag, eField39, Calendar  Statement().BagNumber, .Field39, .Datetime
//   Cash row r, count         Statement().Counts[r - 1]; current row CashRow()
//   Source row n              Statement().Sources[n - 1] (SourceCaption(n), Amount);
//                             current row Statement().CurrentSource
//   cbFromFirm ... cbToBank   Firms() / Banks() items, SelectedID(list)
//   LSum, LSourceSum          CashLabel(), SourceLabel() (text, green or red)
//
// The count grid's labels, value texts and codes are Denominations(). Typed
// characters go through the filters of EditorKeys.h. After a key in a count
// cell: SetCount (recomputes and balances with auto-fill); after a key in an
// amount cell: SetAmount (balances without). A browse button: the browser
// starts at SelectedID(list); on OK, Select(list, its ID); in every case
// RebuildFirmLists or RebuildBankLists. "Сохранить": Check(), then, when it
// passed, BankDetailFaults() (the user may go on or back), then Save().
// "Печать": the same checks, then LoadStatementReport (in
// StatementReport.h) with PrintVariables() and the working directory, then
// the preview. The main window prints a listed statement without the editor
// (StoredStatement.h). "Новая по образцу": LoadCopy, then as for a new one.
// Earn-source "Удалить": IsOnlySource() (warn, then Change), else ask
// DeleteQuestion() and DeleteCurrentSource(); the editor's fields are judged
// by CheckEarnSourceInput (EarnSourceInput.h).
#include "statement/ChoiceList.h"
#include "statement/EditorTotals.h"
#include "statement/PrintVariables.h"
#include "statement/Statement.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TBankDirectory;
class TStore;

// The editor's controls that a check may focus.
enum class TEditorControl { None, Bag, Cash, FromFirm, ToFirm, FromBank, ToBank, Source };

// The four drop-down lists; the firm lists share their items, so do the bank lists.
enum class TEditorList { FromFirm, ToFirm, FromBank, ToBank };

struct TCheckResult {
    bool Passed = false;
    // Shown first in a warning box with "ОК" when not empty.
    std::string Message;
    // Gets the focus when the check fails (None when it passed).
    TEditorControl Focus = TEditorControl::None;
};

// A bank detail of the chosen firms and banks that failed its check.
struct TDetailFault {
    // The line of the question: `Организация-получатель "ООО Вектор", ИНН
    // 7701000022: неверное контрольное число`.
    std::string Line;
    // The list of the firm or bank at fault.
    TEditorList List = TEditorList::ToFirm;
};

class TDocumentEditorState {
public:
    explicit TDocumentEditorState(TStore& store);

    // The statement being edited: a Documents ID, or 0 for a new one. Set
    // before Load; after a successful Save it is the saved record's ID.
    std::int64_t DocumentID() const { return documentID_; }
    void SetDocumentID(std::int64_t id) { documentID_ = id; }

    // Fills everything afresh: lists, earn sources, today (`now`) for a new
    // statement with the default firm and bank preselected, or the stored
    // statement; then the totals, balanced with auto-fill. A listed firm or
    // bank that is marked deleted leaves its list without a selection.
    void Load(TDateTime now);

    // Fills everything as Load does for a new statement (today, `now`), but
    // with the firms, banks, bag number, current earn source and field 39 of
    // the stored statement `sourceID`; the counts and amounts stay empty.
    // Saving then adds a new statement; the stored one is never changed.
    void LoadCopy(std::int64_t sourceID, TDateTime now);

    const TStatement& Statement() const { return statement_; }
    void SetBagNumber(std::string_view text) { statement_.BagNumber = text; }
    void SetField39(std::string_view text) { statement_.Field39 = text; }
    void SetDatetime(TDateTime value) { statement_.Datetime = value; }

    // A count cell changed (row 1 to 15): the cash total is recomputed and
    // the current source takes the rest of the total.
    void SetCount(int row, std::string_view text);
    // The current row of the count grid, 1 to 15.
    int CashRow() const { return cashRow_; }
    void SetCashRow(int row);

    // An amount cell changed (row 1 to the number of sources): the totals are
    // recomputed and the split only compared, not changed.
    void SetAmount(int row, std::string_view text);
    // The current earn-source row, 1 to the number of sources.
    void SetCurrentSource(int row);
    // "02. Торговая выручка" of source row `row`.
    std::string SourceCaption(int row) const;

    const TChoiceItems& Firms() const { return firms_; }
    const TChoiceItems& Banks() const { return banks_; }
    const TChoiceItems& Items(TEditorList list) const;
    // The selected item's ID, 0 when none is selected.
    std::int64_t SelectedID(TEditorList list) const;
    // Selects the item carrying `id`; no selection when none carries it.
    void Select(TEditorList list, std::int64_t id);
    // Rereads the firms (or banks) after the reference browser, keeping the
    // selections whose records are still listed.
    void RebuildFirmLists();
    void RebuildBankLists();

    const TEditorLabel& CashLabel() const { return cashLabel_; }
    const TEditorLabel& SourceLabel() const { return sourceLabel_; }

    // The check before saving and printing; the first failure ends it. It may
    // change the current rows, the labels and the current source's amount.
    TCheckResult Check();

    // The checks of bank details, after Check() passed: the receiving firm's
    // INN, its settlement and credit accounts against the receiving bank's
    // BIK, each chosen bank's BIK and debit account, and, when `directory`
    // is given, a chosen bank it marks deleted or without licence. In the
    // order of the lists; empty fields are never at fault.
    std::vector<TDetailFault> BankDetailFaults(const TBankDirectory* directory) const;

    // Writes the statement into Documents and saves the table file; the ID
    // becomes the record's. False, with nothing written, when the statement
    // being edited vanished from the table. The table's errors pass through.
    bool Save();

    // The report variables of the statement as shown.
    TVariableList PrintVariables() const;

    // Earn sources. Each change goes to the earn-source tree at once and the
    // list is read from it again, amounts staying with their rows.
    void AddSource(std::string_view name, std::string_view symbol);
    // Changes the source of row `row`.
    void ChangeSource(int row, std::string_view name, std::string_view symbol);
    // The only source cannot be deleted: the window warns and offers Change.
    bool IsOnlySource() const { return statement_.Sources.size() <= 1; }
    // The question asked before deleting the current source.
    std::string DeleteQuestion() const;
    // Deletes the current source; the amounts below it move up with their
    // sources and the split is compared again without auto-fill.
    void DeleteCurrentSource();

private:
    void ReadSources();
    void Recompute(bool autoFill);

    TStore& store_;
    std::int64_t documentID_ = 0;
    TStatement statement_;
    TChoiceItems firms_;
    TChoiceItems banks_;
    int cashRow_ = 1;
    TEditorLabel cashLabel_;
    TEditorLabel sourceLabel_;
};
