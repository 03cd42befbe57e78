#pragma once
// TVertGrid: the program's titled string grid. Row 0 holds the column titles
// and stays in view as the header; rows 1.. are the data rows. Every cell has
// a text and one integer object. The cells live in one flat array of small
// records (no item object per cell), so a list of 100 000 rows is cheap.
//
// On top of a plain grid it adds: an editor kind per cell (plain text, an
// ellipsis button or a pick list) chosen by GetCellStyle, pick lists filled on
// demand, OnSetValue when a value is entered, OnCommitCell when the text of
// the edited cell changed while it had the editor, and SafeSelectCell, which
// moves the selection after the caller's handler has returned.
//
// Fixed columns are cells that cannot be selected or edited and are painted
// like the titles; they scroll with the rest (the program's grids are never
// wider than their window).
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMyInplaceEditList;
class TVertGridModel;

// The editor a cell gets.
enum class TEditorKind { Plain = 0, Ellipsis = 1, PickList = 2 };

// One entry of a pick list: the text shown and the object it carries.
struct TPickItem {
    std::string Text;
    int Object = 0;
};
using TPickList = std::vector<TPickItem>;

// Grid options, combined as a bit set.
enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goColSizing = 1u << 4,
    goEditing = 1u << 5,
    goAlwaysShowEditor = 1u << 6,
    goThumbTracking = 1u << 7,
    goRowSelect = 1u << 8,
};
using TGridOptions = unsigned;

constexpr TGridOptions kGridLines = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;
// What a new grid has: lines, column sizing, editing with the editor always shown.
constexpr TGridOptions kDefaultGridOptions =
    kGridLines | goColSizing | goEditing | goAlwaysShowEditor | goThumbTracking;
// A read-only list: lines, column sizing, whole-row selection.
constexpr TGridOptions kListGridOptions = kGridLines | goColSizing | goRowSelect | goThumbTracking;

// What the grid hands a cell painter.
struct TDrawCell {
    int Col = 0;
    int Row = 0;
    QRect Rect;
    bool Fixed = false;    // a title or a fixed-column cell
    bool Selected = false; // part of the selection
    QColor Background;     // the colour the grid chose for the cell
    QColor Foreground;
};

class TVertGrid : public QTableView {
    Q_OBJECT
public:
    explicit TVertGrid(QWidget* parent = nullptr);
    ~TVertGrid() override;

    // --- size; counts include the title row
    int ColCount() const;
    void SetColCount(int count);
    int RowCount() const;
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int pixels);
    int ColWidth(int col) const;
    void SetColWidth(int col, int pixels);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);

    // --- cells (row 0: the titles); out-of-range cells read as empty
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    int Object(int col, int row) const;
    void SetObject(int col, int row, int object);
    // Row 0. Setting raises ColCount to the number of titles, never lowers it.
    std::vector<std::string> Titles() const;
    void SetTitles(const std::vector<std::string>& titles);
    // Cell changes between these two are shown at once at the end; the
    // selected cell stays where it was, moved up or left if the grid shrank.
    void BeginUpdate();
    void EndUpdate();

    // --- selection, in grid coordinates; -1 when nothing is selected
    int Col() const;
    int Row() const;
    void SetCol(int col);
    void SetRow(int row);
    // Selects the cell once the current event handlers have returned.
    void SafeSelectCell(int col, int row);
    // The cell under a point of the viewport, if any (row 0 is never there).
    bool MouseToCell(QPoint viewportPos, int& col, int& row) const;

    // The kind of the cell whose editor was asked for last.
    TEditorKind EditorKind() const { return editorKind_; }
    // The in-place editor while a cell is being edited, else null.
    TMyInplaceEditList* InplaceEditor() const;
    using QTableView::edit;

    // --- events
    std::function<void(TVertGrid& sender, int col, int row, TEditorKind& kind)> GetCellStyle;
    std::function<void(TVertGrid& sender, int col, int row, TPickList& list)> GetCellPickList;
    std::function<void(QObject& sender)> OnEditButtonClick;
    std::function<void(QObject& sender, int col, int row)> OnSetValue;
    // What a pick stores as the cell's object: the item's object, or its index.
    bool UseObjectsOfComboBox = false;
    std::function<void(TVertGrid& sender, int col, int row)> OnCommitCell;
    // The current cell moved.
    std::function<void(TVertGrid& sender, int col, int row)> OnSelectCell;
    // Paints a cell (titles included) instead of the grid's own painting.
    std::function<void(QPainter& painter, const TDrawCell& cell)> OnDrawCell;

    // Asks GetCellStyle for the kind of a cell and remembers it.
    TEditorKind RequestEditorKind(int col, int row);
    // Whether a key does nothing in a cell with a button (a character, Insert, Delete).
    static bool DroppedByButtonCell(const QKeyEvent& key);
    // Calls OnSetValue for the current cell with the given sender.
    void SetValueEntered(QObject& sender);

protected:
    // The editor follows the current cell only while the grid holds the focus.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The focus goes on to the cell's editor, opened if need be.
    void focusInEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    friend class TVertGridDelegate;
    friend class TVertGridHeader;

    QModelIndex IndexOf(int col, int row) const;
    void ApplyOptions();
    bool HoldsFocus() const;
    void EditCurrentIfAlwaysShown();
    void PaintCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);

    TVertGridModel* model_;
    int fixedCols_ = 0;
    int defaultRowHeight_ = 20;
    TGridOptions options_ = kDefaultGridOptions;
    TEditorKind editorKind_ = TEditorKind::Plain;
    int updating_ = 0;
    int savedCol_ = -1;
    int savedRow_ = -1;
    QPointer<TMyInplaceEditList> editor_;
};

// The delegate that gives cells the grid's in-place editor and painting.
class TVertGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TVertGridDelegate(TVertGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TVertGrid& grid_;
};

// The grid's in-place editor: a line edit with a button for cells with an
// ellipsis or a pick list. It remembers the cell's text when it gets the focus
// and tells the grid when it leaves the cell with a different text.
class TMyInplaceEditList : public QLineEdit {
    Q_OBJECT
public:
    TMyInplaceEditList(TVertGrid& grid, int col, int row, TEditorKind kind, QWidget* parent);

    int EditCol() const { return col_; }
    int EditRow() const { return row_; }
    TEditorKind Kind() const { return kind_; }
    // The cell's text when the editor got the focus.
    const std::string& TextOnFocus() const { return textOnFocus_; }

    bool ListVisible() const;
    void DropDown();
    // Closes the pick list; an accept takes the highlighted item.
    void CloseUp(bool accept);
    // The list while it is open (for keys and clicks), else null.
    QListWidget* PickList() const;
    QToolButton* Button() const { return button_; }
    // Shows the cell's text. The first text the editor shows is selected
    // whole, so that typing replaces it, as typing into a spreadsheet cell does.
    void ShowCellText(const QString& text);
    // Takes the focus from its grid; the cell's text is selected whole again.
    void TakeFocus(Qt::FocusReason reason);
    // Compares the cell with the text on focus once per focus.
    void FinishFocus();
    // The grid is going: nothing more is reported to it.
    void Detach() { focused_ = false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ButtonClicked();

    TVertGrid& grid_;
    int col_;
    int row_;
    TEditorKind kind_;
    QToolButton* button_ = nullptr;
    QListWidget* list_ = nullptr; // a popup child window, made on the first drop-down
    TPickList items_;
    std::string textOnFocus_;
    bool focused_ = false;
    bool shown_ = false;
    // A click brought the focus from elsewhere: the cell is selected whole.
    bool selectOnRelease_ = false;
};
