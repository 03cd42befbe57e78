#pragma once
// The statement editor: one statement's bag number, date, firms and banks,
// counts of banknotes and coins, split over earn sources and field 39. The
// window only shows TDocumentEditorState and forwards the user's edits to
// it; totals, balancing, the check and saving are decided there.
//
// Created once and reused: every opening loads the statement afresh (a
// window restored after being minimised keeps what was typed). The
// program's errors (a table that cannot be saved, a missing template) end
// only the user's action: each action runs through the program's action
// runner, which shows them; the window stays open.
#include "controls/ActionRunner.h"
#include "report/ReportServices.h"
#include "statement/DocumentEditorState.h"
#include "store/Store.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class TfmEarnSourceEditor;
class TKeptBankDirectory;
class TVertGrid;

// Shows the reference browser modally with a caption, on the firms or the
// banks with their default-ID slot and a record preselected (0 = none); the
// chosen record's ID, nothing when the browser was cancelled.
using TReferenceBrowse = std::function<std::optional<std::int64_t>(
    const std::string& caption, TStoreTable table, int slot, std::int64_t selectedID)>;

class TfmDocumentEditor : public QDialog {
public:
    // The characters a bag number may be typed with.
    static constexpr int kBagNumberLength = 20;

    // The template is looked for in `templateDirectory` (the working
    // directory); the window's own actions run through `runner`.
    TfmDocumentEditor(TStore& store, TReportServices reportServices,
                      std::filesystem::path templateDirectory, TActionRunner runner,
                      QWidget* parent = nullptr);
    ~TfmDocumentEditor() override;

    // The directory of banks the check of bank details looks the chosen
    // banks up in (not owned); none = they are not looked up.
    void SetBankDirectory(TKeptBankDirectory* directory) { bankDirectory_ = directory; }

    // How the browse buttons open the reference browser.
    void SetReferenceBrowse(TReferenceBrowse browse) { browse_ = std::move(browse); }

    // The statement being edited: a Documents ID, 0 for a new one; after a
    // save, the saved record's ID.
    std::int64_t DocumentID() const { return state_.DocumentID(); }
    void SetDocumentID(std::int64_t id) { state_.SetDocumentID(id); }

    // Shows the editor modally for `id` (0 = a new statement); true when the
    // statement was saved.
    bool EditStatement(std::int64_t id);
    // Shows the editor modally for a new statement filled from the stored
    // statement `id` (LoadCopy); true when the new statement was saved.
    bool CopyStatement(std::int64_t id);

    const TDocumentEditorState& State() const { return state_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls, in the order FormCreate makes them.
    void FormCreate();
    QWidget* MakeChoice(int listIndex);
    void MakeCashGrid();
    void MakeSourceGrid();
    void SetTabOrder();

    // Loading and showing the state.
    void LoadStatement();
    void ShowStatement();
    void ShowList(int listIndex);
    void ShowCounts();
    void ShowSources();
    void ShowAmounts();
    void ShowLabels();

    // The user's edits.
    void CountEdited(int row, const std::string& text);
    void AmountEdited(int row, const std::string& text);
    void CashEnter();
    void ListChosen(int listIndex);
    void BrowseClick(int listIndex);

    // Runs a handler as one user action.
    void Act(const std::function<void()>& action);

    // Buttons.
    bool RunCheck();
    // The bank details pass, or the user chose to go on; on Нет the list of
    // the first firm or bank at fault gets the focus.
    bool ConfirmBankDetails();
    void BtnOKClick();
    void BtnPrintClick();
    void BtnAddSourceClick();
    void BtnEditSourceClick();
    void BtnDeleteSourceClick();

    TDocumentEditorState state_;
    TReportServices reportServices_;
    std::filesystem::path templateDirectory_;
    TReferenceBrowse browse_;
    TKeptBankDirectory* bankDirectory_ = nullptr;
    TActionRunner runner_;
    // While the window shows the state, the grids' selection moves are not
    // the user's.
    bool showing_ = false;
    // The statement was loaded for the showing to come.
    bool loaded_ = false;

    QLineEdit* eBag_ = nullptr;
    QDateEdit* calendar_ = nullptr;
    std::array<QComboBox*, 4> lists_{};
    TVertGrid* cash_ = nullptr;
    QLabel* lSum_ = nullptr;
    TVertGrid* source_ = nullptr;
    QLabel* lSourceSum_ = nullptr;
    QPushButton* btnAddSource_ = nullptr;
    QPushButton* btnEditSource_ = nullptr;
    QPushButton* btnDeleteSource_ = nullptr;
    QLineEdit* eField39_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    TfmEarnSourceEditor* earnSourceEditor_ = nullptr;
};
