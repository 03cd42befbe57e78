#include "EditorWindowSupport.h"

#include "report/ReportInterfaces.h"
#include "report/render/QtReportServices.h"
#include "statement/EarnSources.h"
#include "text/Errors.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QTest>

std::vector<std::string>& CaughtErrors() {
    static std::vector<std::string> errors;
    return errors;
}

namespace {

// As the program's action runner: an error ends only the user's action.
bool RunAction(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const EAppError& error) {
        CaughtErrors().push_back(error.what());
        return false;
    }
}

// Every variable the statement binds, read back from the report.
const std::vector<std::string> kPrintedNames = {
    "Datetime",  "Bag",     "Sum",   "TextSum", "FromFirm", "ToFirm",      "FromBank",
    "ToBank",    "Field39", "INN",   "Account", "Credit",   "FromBankBIK", "Debit",
    "ToBankBIK", "N5000",   "S5000", "N100",    "S100",     "N05",         "S05",
    "Sym1",      "SrcSum1", "Sym2",  "SrcSum2", "Source"};

} // namespace

void EditorWindow::SetUp() {
    EditorStore::SetUp();
    CaughtErrors().clear();
    payer_ = AddFirm("Плательщик");
    receiver_ = AddFirm("Получатель", "7707083893");
    bankA_ = AddBank("Банк А", "044525225");
    bankB_ = AddBank("Банк Б", "044525000");
    testing_support::CopyShippedTemplates(dir_.path());
    TReportServices services = MakeQtReportServices();
    services.Preview = [this](IReport3& report) {
        std::map<std::string, std::string>& shown = previews_.emplace_back();
        for (const std::string& name : kPrintedNames) {
            shown[name] = report.GetVariable(name);
        }
        shown["pages"] = std::to_string(report.PageCount());
    };
    editor_ = std::make_unique<TfmDocumentEditor>(store_, services, dir_.path(), RunAction);
}

void EditorWindow::TearDown() {
    editor_.reset();
    EXPECT_TRUE(CaughtErrors().empty()) << CaughtErrors().front();
    EditorStore::TearDown();
}

void EditorWindow::Show(std::int64_t id) {
    editor_->SetDocumentID(id);
    editor_->show();
    Reactivate();
}

void EditorWindow::Reactivate() {
    QApplication::setActiveWindow(editor_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor_.get()));
}

std::string EditorWindow::Text(const char* labelOrEdit) {
    if (auto* label = editor_->findChild<QLabel*>(labelOrEdit)) {
        return FromQString(label->text());
    }
    return FromQString(Find<QLineEdit>(labelOrEdit).text());
}

std::string EditorWindow::Colour(const char* label) {
    const QColor colour = Find<QLabel>(label).palette().color(QPalette::WindowText);
    return colour == QColor(0, 128, 0) ? "green" : colour == QColor(255, 0, 0) ? "red" : "other";
}

void EditorWindow::Type(const std::string& text) {
    for (const char c : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        const QString typed = ToQString(std::string(1, c));
        const Qt::Key key = c >= '0' && c <= '9' ? static_cast<Qt::Key>(Qt::Key_0 + (c - '0'))
                            : c == '\b'          ? Qt::Key_Backspace
                                                 : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, typed, Qt::NoModifier);
    }
}

void EditorWindow::PressEnter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void EditorWindow::TypeCell(TVertGrid& grid, int row, const std::string& text) {
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(grid.Row(), row);
    TMyInplaceEditList* editor = grid.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->EditRow(), row);
    editor->setFocus();
    // Typing goes on after what the cell holds.
    QTest::keyClick(editor, Qt::Key_End);
    Type(text);
}

void EditorWindow::Click(const char* button) {
    QTest::mouseClick(&Find<QAbstractButton>(button), Qt::LeftButton);
}

std::string EditorWindow::FocusName() {
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* w = focus; w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<TVertGrid*>(w) != nullptr) {
            return w->objectName().toStdString();
        }
    }
    return focus ? focus->objectName().toStdString() : std::string();
}

void EditorWindow::FillValid() {
    Find<QLineEdit>("eBag").setFocus();
    Type("12");
    TypeCell(Cash(), 1, "1");
    TypeCell(Cash(), 6, "3");
    TypeCell(Cash(), 12, "2");
}

void EditorWindow::AddSources(int count) {
    TXNod& list = store_.EarnSources();
    BuildEarnSourceList(list); // seeds the first source
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i + 2);
        AddEarnSource(list, "Источник " + n, n);
    }
}
