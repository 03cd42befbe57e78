// The grid driven by real keys and clicks on the offscreen platform.
#include "controls/VertGrid.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A shown grid of three columns and four data rows, texts "c,r".
std::unique_ptr<TVertGrid> MakeGrid(TGridOptions options) {
    auto grid = std::make_unique<TVertGrid>();
    grid->SetOptions(options);
    grid->SetColCount(3);
    grid->SetRowCount(5);
    grid->SetTitles({"A", "B", "C"});
    for (int row = 1; row < 5; ++row) {
        for (int col = 0; col < 3; ++col) {
            grid->SetCell(col, row, std::to_string(col) + "," + std::to_string(row));
        }
    }
    grid->resize(400, 200);
    grid->show();
    // Active before it has the focus, as a window manager makes it: only a
    // grid that holds the focus opens its editor.
    QApplication::setActiveWindow(grid.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(grid.get()));
    grid->setFocus();
    QApplication::processEvents();
    return grid;
}

QPoint CellCentre(TVertGrid& grid, int col, int row) {
    return grid.visualRect(grid.model()->index(row - 1, col)).center();
}

} // namespace

TEST(VertGridTest, TitlesRaiseTheColumnCountButNeverLowerIt) {
    TVertGrid grid;
    EXPECT_EQ(2, grid.ColCount());
    EXPECT_EQ(5, grid.RowCount());
    grid.SetColCount(5);
    grid.SetTitles({"a", "b", "c"});
    EXPECT_EQ(5, grid.ColCount());
    EXPECT_EQ(std::vector<std::string>({"a", "b", "c", "", ""}), grid.Titles());

    TVertGrid narrow;
    narrow.SetTitles({"1", "2", "3", "4", "5"});
    EXPECT_EQ(5, narrow.ColCount());
    EXPECT_EQ("5", narrow.Cell(4, 0));
    EXPECT_EQ(ToQString("5"), narrow.model()->headerData(4, Qt::Horizontal));
}

TEST(VertGridTest, CellsKeepTextAndObjectAcrossResizesAndReadEmptyOutside) {
    TVertGrid grid;
    grid.SetCell(1, 2, "текст");
    grid.SetObject(1, 2, 42);
    grid.SetColCount(4);
    grid.SetRowCount(10);
    EXPECT_EQ("текст", grid.Cell(1, 2));
    EXPECT_EQ(42, grid.Object(1, 2));
    EXPECT_EQ("", grid.Cell(9, 2));
    EXPECT_EQ(0, grid.Object(-1, 0));
    grid.SetCell(100, 100, "lost"); // outside: ignored, no crash
    grid.SetRowCount(2);
    EXPECT_EQ("", grid.Cell(1, 2));
    grid.SetRowCount(3);
    EXPECT_EQ("", grid.Cell(1, 2)); // a regrown row starts empty
    EXPECT_EQ(0, grid.Object(1, 2));
}

TEST(VertGridTest, SelectionStaysOnItsRowAcrossAnUpdateAndMovesUpWhenTheGridShrinks) {
    auto grid = MakeGrid(kListGridOptions);
    grid->SetRow(3);
    grid->SetColWidth(1, 123);
    grid->BeginUpdate();
    grid->SetCell(0, 3, "new");
    grid->SetRowCount(200);
    grid->SetRowCount(5);
    grid->EndUpdate();
    EXPECT_EQ(3, grid->Row());
    EXPECT_EQ(123, grid->ColWidth(1)); // a refill keeps the widths the user set
    EXPECT_EQ(ToQString("new"), grid->model()->index(2, 0).data());
    grid->SetRowCount(3);
    EXPECT_EQ(2, grid->Row());
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(1, {}));
}

TEST(VertGridTest, ArrowKeysMoveTheSelectionAndDoubleClickFindsTheCell) {
    auto grid = MakeGrid(kListGridOptions);
    EXPECT_EQ(1, grid->Row());
    QTest::keyClick(grid.get(), Qt::Key_Down);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(3, grid->Row());
    QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(4, grid->Row());

    std::vector<std::pair<int, int>> clicked;
    QObject::connect(grid.get(), &QAbstractItemView::doubleClicked, [&](const QModelIndex&) {
        int col = -1;
        int row = -1;
        if (grid->MouseToCell(grid->viewport()->mapFromGlobal(QCursor::pos()), col, row)) {
            clicked.emplace_back(col, row);
        }
    });
    const QPoint at = CellCentre(*grid, 2, 2);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    int col = -1;
    int row = -1;
    ASSERT_TRUE(grid->MouseToCell(at, col, row));
    EXPECT_EQ(std::make_pair(2, 2), std::make_pair(col, row));
    EXPECT_EQ(2, grid->Row());
    // Below the last row there is no cell.
    EXPECT_FALSE(grid->MouseToCell(QPoint(5, grid->viewport()->height() - 2), col, row));
}

TEST(VertGridTest, SafeSelectCellTakesEffectAfterTheHandlerReturns) {
    auto grid = MakeGrid(kListGridOptions);
    int rowInHandler = -1;
    int calls = 0;
    grid->OnSelectCell = [&](TVertGrid& sender, int, int) {
        if (++calls == 1) {
            sender.SafeSelectCell(0, 4);
            rowInHandler = sender.Row();
        }
    };
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(2, rowInHandler);
    EXPECT_EQ(2, grid->Row());
    QApplication::processEvents();
    EXPECT_EQ(4, grid->Row());
    EXPECT_EQ(2, calls);
}

TEST(VertGridTest, EnterInAPlainCellFiresSetValueOnceAndTypesNothing) {
    auto grid = MakeGrid(kDefaultGridOptions);
    std::vector<std::pair<int, int>> values;
    grid->OnSetValue = [&](QObject&, int col, int row) { values.emplace_back(col, row); };
    grid->SetCol(1);
    grid->SetRow(2);
    QApplication::processEvents();
    TMyInplaceEditList* editor = grid->InplaceEditor();
    ASSERT_NE(nullptr, editor);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, "x");
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_EQ(1u, values.size());
    EXPECT_EQ(std::make_pair(1, 2), values[0]);
    EXPECT_EQ("1,2x", grid->Cell(1, 2));
    EXPECT_EQ(5, grid->RowCount());
}

TEST(VertGridTest, LeavingACellFiresCommitOnlyWhenItsTextChanged) {
    auto grid = MakeGrid(kDefaultGridOptions);
    std::vector<std::pair<int, int>> commits;
    grid->OnCommitCell = [&](TVertGrid&, int col, int row) { commits.emplace_back(col, row); };
    grid->SetCol(0);
    grid->SetRow(1);
    QApplication::processEvents();
    // Typed and typed back: no commit.
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_End);
    QTest::keyClicks(grid->InplaceEditor(), "7");
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Backspace);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(2, grid->Row());
    EXPECT_TRUE(commits.empty());
    // Changed: one commit, naming the cell that was edited.
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_End);
    QTest::keyClicks(grid->InplaceEditor(), "7");
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Down);
    QApplication::processEvents();
    ASSERT_EQ(1u, commits.size());
    EXPECT_EQ(std::make_pair(0, 2), commits[0]);
    EXPECT_EQ("0,27", grid->Cell(0, 2));
}

TEST(VertGridTest, PickListCellsTakeOnlyPicks) {
    auto grid = MakeGrid(kDefaultGridOptions);
    grid->GetCellStyle = [](TVertGrid&, int col, int, TEditorKind& kind) {
        if (col == 2) {
            kind = TEditorKind::PickList;
        }
    };
    int lists = 0;
    grid->GetCellPickList = [&lists](TVertGrid&, int, int row, TPickList& list) {
        ++lists;
        list = {{"один", 10}, {"два", 20}, {"2," + std::to_string(row), 30}};
    };
    std::vector<std::pair<int, int>> values;
    QObject* sender = nullptr;
    grid->OnSetValue = [&](QObject& from, int col, int row) {
        sender = &from;
        values.emplace_back(col, row);
    };
    grid->SetCol(2);
    grid->SetRow(1);
    QApplication::processEvents();
    TMyInplaceEditList* editor = grid->InplaceEditor();
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(TEditorKind::PickList, grid->EditorKind());

    // Typing, Delete and Insert change nothing.
    QTest::keyClicks(editor, "abc");
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Insert);
    EXPECT_EQ("2,1", grid->Cell(2, 1));
    EXPECT_EQ(QString("2,1"), editor->text());

    // Picking the item equal to the text changes and fires nothing.
    QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(nullptr, editor->PickList());
    EXPECT_EQ(2, editor->PickList()->currentRow());
    QTest::keyClick(editor->PickList(), Qt::Key_Return);
    EXPECT_EQ(nullptr, editor->PickList());
    EXPECT_TRUE(values.empty());

    // Double click opens the list; a pick stores text and index, then fires.
    QTest::mouseDClick(editor, Qt::LeftButton);
    ASSERT_NE(nullptr, editor->PickList());
    EXPECT_EQ(2, lists);
    QTest::keyClick(editor->PickList(), Qt::Key_Up);
    QTest::keyClick(editor->PickList(), Qt::Key_Return);
    EXPECT_EQ("два", grid->Cell(2, 1));
    EXPECT_EQ(1, grid->Object(2, 1));
    EXPECT_TRUE(editor->isModified());
    ASSERT_EQ(1u, values.size());
    EXPECT_EQ(std::make_pair(2, 1), values[0]);
    EXPECT_EQ(editor, sender);

    // With the items' objects, and closed by Escape without a pick.
    grid->UseObjectsOfComboBox = true;
    QTest::mouseClick(editor->Button(), Qt::LeftButton);
    QTest::keyClick(editor->PickList(), Qt::Key_Up);
    QTest::keyClick(editor->PickList(), Qt::Key_Escape);
    EXPECT_EQ("два", grid->Cell(2, 1));
    QTest::mouseClick(editor->Button(), Qt::LeftButton);
    QTest::keyClick(editor->PickList(), Qt::Key_Up);
    QTest::keyClick(editor->PickList(), Qt::Key_Return);
    EXPECT_EQ("один", grid->Cell(2, 1));
    EXPECT_EQ(10, grid->Object(2, 1));
    EXPECT_EQ(2u, values.size());
}

TEST(VertGridTest, EllipsisCellsCallTheButtonHandler) {
    auto grid = MakeGrid(kDefaultGridOptions);
    grid->GetCellStyle = [](TVertGrid&, int, int, TEditorKind& kind) {
        kind = TEditorKind::Ellipsis;
    };
    int presses = 0;
    grid->OnEditButtonClick = [&](QObject& sender) {
        EXPECT_EQ(grid.get(), &sender);
        ++presses;
    };
    grid->SetRow(2);
    QApplication::processEvents();
    TMyInplaceEditList* editor = grid->InplaceEditor();
    ASSERT_NE(nullptr, editor);
    ASSERT_NE(nullptr, editor->Button());
    QTest::mouseClick(editor->Button(), Qt::LeftButton);
    QTest::mouseDClick(editor, Qt::LeftButton);
    EXPECT_EQ(2, presses);
    QTest::keyClicks(editor, "z");
    EXPECT_EQ("0,2", grid->Cell(0, 2));
}

TEST(VertGridTest, ListGridsHaveNoEditorAndPassEnterOn) {
    auto grid = MakeGrid(kListGridOptions);
    QTest::keyClicks(grid.get(), "abc");
    QTest::keyClick(grid.get(), Qt::Key_F2);
    EXPECT_EQ(nullptr, grid->InplaceEditor());
    EXPECT_EQ("0,1", grid->Cell(0, 1));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(grid.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST(VertGridTest, FixedColumnsCannotBeSelectedAndArePaintedAsTitles) {
    auto grid = MakeGrid(kDefaultGridOptions);
    grid->SetFixedCols(1);
    std::vector<TDrawCell> painted;
    grid->OnDrawCell = [&painted](QPainter&, const TDrawCell& cell) { painted.push_back(cell); };
    grid->SetCol(0);
    EXPECT_EQ(1, grid->Col());
    QTest::keyClick(grid->InplaceEditor() ? static_cast<QWidget*>(grid->InplaceEditor())
                                          : grid.get(),
                    Qt::Key_Left);
    EXPECT_EQ(1, grid->Col());
    grid->repaint();
    grid->horizontalHeader()->repaint();
    bool fixedData = false;
    bool title = false;
    for (const TDrawCell& cell : painted) {
        fixedData |= cell.Col == 0 && cell.Row > 0 && cell.Fixed && !cell.Selected;
        title |= cell.Row == 0 && cell.Fixed;
        EXPECT_FALSE(cell.Col > 0 && cell.Row > 0 && cell.Fixed);
    }
    EXPECT_TRUE(fixedData);
    EXPECT_TRUE(title);
}

// A cashier's grid beside an edit box: the editor is where the keys go.
TEST(VertGridTest, TheEditorOpensOnlyInAFocusedGridAndTakesItsFocusWithTheTextSelected) {
    QWidget window;
    auto* grid = new TVertGrid(&window);
    grid->SetColCount(3);
    for (int row = 1; row < 5; ++row) {
        grid->SetCell(1, row, "1," + std::to_string(row));
    }
    grid->resize(400, 200);
    auto* other = new QLineEdit(&window);
    other->move(0, 250);
    window.resize(400, 300);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();

    // Moved by the program while the focus is elsewhere: no editor.
    grid->SetCol(1);
    grid->SetRow(3);
    EXPECT_EQ(nullptr, grid->InplaceEditor());
    EXPECT_EQ(other, QApplication::focusWidget());
    // Clicked: the clicked cell's editor has the focus and its text selected.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(*grid, 1, 2));
    ASSERT_NE(nullptr, grid->InplaceEditor());
    EXPECT_EQ(grid->InplaceEditor(), QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), "x");
    EXPECT_EQ("x", grid->Cell(1, 2));

    // An editor that opened in a window not active has no focus; the grid
    // gets the focus by a click or by Tab and hands it to the clicked or the
    // current cell's editor.
    QWidget second;
    second.show();
    QApplication::setActiveWindow(&second);
    QApplication::processEvents();
    grid->edit(grid->model()->index(3, 1));
    other->setFocus();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_NE(nullptr, grid->InplaceEditor());
    ASSERT_EQ(other, QApplication::focusWidget());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(*grid, 1, 4));
    EXPECT_EQ(grid->InplaceEditor(), QApplication::focusWidget());
    EXPECT_EQ(4, grid->Row());
    QTest::keyClicks(QApplication::focusWidget(), "y");
    EXPECT_EQ("y", grid->Cell(1, 4));
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Backtab);
    EXPECT_EQ(grid->InplaceEditor(), QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), "z");
    EXPECT_EQ("z", grid->Cell(1, 4));
}
