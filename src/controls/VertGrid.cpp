#include "controls/VertGrid.h"

#include "text/qt/QtCodec.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

// The message SafeSelectCell posts to the grid.
const QEvent::Type kSelectCellEvent = static_cast<QEvent::Type>(QEvent::User + 1002);

class TSelectCellEvent : public QEvent {
public:
    TSelectCellEvent(int col, int row) : QEvent(kSelectCellEvent), Col(col), Row(row) {}
    const int Col;
    const int Row;
};

const std::string kEmpty;

} // namespace

// The cells of a grid, row after row. Qt's rows are the grid's data rows
// (grid row = Qt row + 1); row 0 is shown by the header.
class TVertGridModel : public QAbstractTableModel {
public:
    struct TCell {
        std::string Text;
        int Object = 0;
    };

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : rows_ - 1;
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : cols_;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole) {
            return {};
        }
        return ToQString(At(index.column(), index.row() + 1).Text);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        return ToQString(At(section, 0).Text);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (index.column() < FixedCols) {
            return Qt::ItemNeverHasChildren;
        }
        Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
        if (Editable) {
            result |= Qt::ItemIsEditable;
        }
        return result;
    }

    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    bool Contains(int col, int row) const {
        return col >= 0 && row >= 0 && col < cols_ && row < rows_;
    }
    const TCell& At(int col, int row) const {
        return cells_[static_cast<std::size_t>(row) * cols_ + col];
    }
    TCell& At(int col, int row) { return cells_[static_cast<std::size_t>(row) * cols_ + col]; }

    // Structure changes; the caller resets the model around them.
    void Resize(int cols, int rows) {
        if (cols != cols_) {
            std::vector<TCell> cells(static_cast<std::size_t>(cols) * rows);
            for (int r = 0; r < std::min(rows, rows_); ++r) {
                for (int c = 0; c < std::min(cols, cols_); ++c) {
                    cells[static_cast<std::size_t>(r) * cols + c] = std::move(At(c, r));
                }
            }
            cells_ = std::move(cells);
        } else {
            cells_.resize(static_cast<std::size_t>(cols) * rows);
        }
        cols_ = cols;
        rows_ = rows;
    }
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void CellChanged(int col, int row) {
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, col, col);
        } else {
            const QModelIndex at = index(row - 1, col);
            emit dataChanged(at, at);
        }
    }

    int FixedCols = 0;
    bool Editable = true;

private:
    int cols_ = 2;
    int rows_ = 5;
    std::vector<TCell> cells_ = std::vector<TCell>(10);
};

// The title row: painted by the grid's cell painter like any other cell.
class TVertGridHeader : public QHeaderView {
public:
    explicit TVertGridHeader(TVertGrid& grid) : QHeaderView(Qt::Horizontal, &grid), grid_(grid) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        if (!rect.isValid()) {
            return;
        }
        painter->save();
        grid_.PaintCell(*painter, logicalIndex, 0, rect, false);
        painter->restore();
    }

private:
    TVertGrid& grid_;
};

TVertGrid::TVertGrid(QWidget* parent) : QTableView(parent), model_(new TVertGridModel) {
    model_->setParent(this);
    setHorizontalHeader(new TVertGridHeader(*this));
    setModel(model_);
    setItemDelegate(new TVertGridDelegate(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultSectionSize(64);
    SetDefaultRowHeight(defaultRowHeight_);
    ApplyOptions();
    SetRow(1);
}

TVertGrid::~TVertGrid() {
    // The editor outlives this part of the grid; it must not call back.
    if (editor_) {
        editor_->Detach();
    }
}

int TVertGrid::ColCount() const {
    return model_->Cols();
}

int TVertGrid::RowCount() const {
    return model_->Rows();
}

void TVertGrid::SetColCount(int count) {
    count = std::max(count, 1);
    if (count == ColCount()) {
        return;
    }
    BeginUpdate();
    model_->Resize(count, RowCount());
    EndUpdate();
}

void TVertGrid::SetRowCount(int count) {
    count = std::max(count, 1);
    if (count == RowCount()) {
        return;
    }
    BeginUpdate();
    model_->Resize(ColCount(), count);
    EndUpdate();
}

void TVertGrid::SetFixedCols(int count) {
    BeginUpdate();
    fixedCols_ = std::clamp(count, 0, ColCount() - 1);
    model_->FixedCols = fixedCols_;
    EndUpdate();
}

void TVertGrid::SetDefaultRowHeight(int pixels) {
    defaultRowHeight_ = std::max(pixels, 1);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight_);
    horizontalHeader()->setFixedHeight(defaultRowHeight_);
}

int TVertGrid::ColWidth(int col) const {
    return columnWidth(col);
}

void TVertGrid::SetColWidth(int col, int pixels) {
    setColumnWidth(col, pixels);
}

void TVertGrid::SetOptions(TGridOptions options) {
    options_ = options;
    ApplyOptions();
}

void TVertGrid::ApplyOptions() {
    setShowGrid((options_ & (goVertLine | goHorzLine)) != 0);
    horizontalHeader()->setSectionResizeMode((options_ & goColSizing) ? QHeaderView::Interactive
                                                                      : QHeaderView::Fixed);
    setSelectionBehavior((options_ & goRowSelect) ? QAbstractItemView::SelectRows
                                                  : QAbstractItemView::SelectItems);
    verticalScrollBar()->setTracking((options_ & goThumbTracking) != 0);
    horizontalScrollBar()->setTracking((options_ & goThumbTracking) != 0);
    const bool editing = (options_ & goEditing) != 0;
    model_->Editable = editing;
    if (!editing) {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
    } else if (options_ & goAlwaysShowEditor) {
        setEditTriggers(QAbstractItemView::AllEditTriggers);
    } else {
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed);
    }
}

const std::string& TVertGrid::Cell(int col, int row) const {
    return model_->Contains(col, row) ? model_->At(col, row).Text : kEmpty;
}

void TVertGrid::SetCell(int col, int row, std::string text) {
    if (!model_->Contains(col, row)) {
        return;
    }
    model_->At(col, row).Text = std::move(text);
    if (updating_ == 0) {
        model_->CellChanged(col, row);
    }
}

int TVertGrid::Object(int col, int row) const {
    return model_->Contains(col, row) ? model_->At(col, row).Object : 0;
}

void TVertGrid::SetObject(int col, int row, int object) {
    if (model_->Contains(col, row)) {
        model_->At(col, row).Object = object;
    }
}

std::vector<std::string> TVertGrid::Titles() const {
    std::vector<std::string> titles;
    for (int col = 0; col < ColCount(); ++col) {
        titles.push_back(Cell(col, 0));
    }
    return titles;
}

void TVertGrid::SetTitles(const std::vector<std::string>& titles) {
    if (static_cast<int>(titles.size()) > ColCount()) {
        SetColCount(static_cast<int>(titles.size()));
    }
    for (int col = 0; col < ColCount(); ++col) {
        SetCell(col, 0, col < static_cast<int>(titles.size()) ? titles[col] : std::string());
    }
}

void TVertGrid::BeginUpdate() {
    if (updating_++ == 0) {
        savedCol_ = Col();
        savedRow_ = Row();
        model_->BeginReset();
    }
}

void TVertGrid::EndUpdate() {
    if (--updating_ > 0) {
        return;
    }
    model_->EndReset();
    const int row = std::min(std::max(savedRow_, 1), RowCount() - 1);
    const int col = std::min(std::max(savedCol_, fixedCols_), ColCount() - 1);
    if (row >= 1) {
        SetCol(col);
        SetRow(row);
    }
}

QModelIndex TVertGrid::IndexOf(int col, int row) const {
    return model_->index(row - 1, col);
}

int TVertGrid::Col() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : -1;
}

int TVertGrid::Row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : -1;
}

void TVertGrid::SetCol(int col) {
    const int row = Row() >= 1 ? Row() : 1;
    const QModelIndex at = IndexOf(col, row);
    if (col >= fixedCols_ && at.isValid()) {
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                                  ((options_ & goRowSelect)
                                                       ? QItemSelectionModel::Rows
                                                       : QItemSelectionModel::NoUpdate));
    }
}

void TVertGrid::SetRow(int row) {
    const int col = Col() >= fixedCols_ ? Col() : fixedCols_;
    const QModelIndex at = IndexOf(col, row);
    if (!at.isValid()) {
        return;
    }
    const auto rows =
        (options_ & goRowSelect) ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate;
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | rows);
    scrollTo(at);
}

void TVertGrid::SafeSelectCell(int col, int row) {
    QCoreApplication::postEvent(this, new TSelectCellEvent(col, row));
}

bool TVertGrid::event(QEvent* event) {
    if (event->type() == kSelectCellEvent) {
        const auto& select = static_cast<const TSelectCellEvent&>(*event);
        SetCol(select.Col);
        SetRow(select.Row);
        return true;
    }
    return QTableView::event(event);
}

bool TVertGrid::MouseToCell(QPoint viewportPos, int& col, int& row) const {
    const QModelIndex at = indexAt(viewportPos);
    if (!at.isValid()) {
        return false;
    }
    col = at.column();
    row = at.row() + 1;
    return true;
}

TMyInplaceEditList* TVertGrid::InplaceEditor() const {
    return editor_;
}

TEditorKind TVertGrid::RequestEditorKind(int col, int row) {
    TEditorKind kind = TEditorKind::Plain;
    if (GetCellStyle) {
        GetCellStyle(*this, col, row, kind);
    }
    editorKind_ = kind;
    return kind;
}

void TVertGrid::SetValueEntered(QObject& sender) {
    if (OnSetValue) {
        OnSetValue(sender, Col(), Row());
    }
}

bool TVertGrid::DroppedByButtonCell(const QKeyEvent& key) {
    return key.key() == Qt::Key_Insert || key.key() == Qt::Key_Delete ||
           (!key.text().isEmpty() && key.text().at(0).isPrint());
}

void TVertGrid::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !OnSetValue) {
        // Nothing here takes Enter: the window's own keys get it.
        event->ignore();
        return;
    }
    const TEditorKind kind = Row() >= 1 ? RequestEditorKind(Col(), Row()) : TEditorKind::Plain;
    if (enter) {
        if (kind == TEditorKind::Plain) {
            SetValueEntered(*this);
        }
        event->accept();
        return;
    }
    if (kind != TEditorKind::Plain && DroppedByButtonCell(*event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool TVertGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // An editor opened while the focus is elsewhere (the program moving the
    // current cell, a window not yet active) would keep the grid editing
    // without the keys: the first key after the grid gets the focus would be
    // the grid's, not the cell's.
    if (trigger == CurrentChanged && !HoldsFocus()) {
        return false;
    }
    return QTableView::edit(index, trigger, event);
}

bool TVertGrid::HoldsFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus == this || isAncestorOf(focus);
}

void TVertGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    if (editor_ && state() == EditingState) {
        if (editor_->EditCol() == Col() && editor_->EditRow() == Row()) {
            editor_->TakeFocus(event->reason());
            return;
        }
        // Left on a cell that is no longer current: the keys belong to the current one.
        closeEditor(editor_, QAbstractItemDelegate::NoHint);
    }
    EditCurrentIfAlwaysShown();
}

void TVertGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid() && OnSelectCell) {
        OnSelectCell(*this, current.column(), current.row() + 1);
    }
}

void TVertGrid::EditCurrentIfAlwaysShown() {
    if ((options_ & goEditing) && (options_ & goAlwaysShowEditor) && currentIndex().isValid() &&
        state() != QAbstractItemView::EditingState) {
        edit(currentIndex());
    }
}

void TVertGrid::PaintCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) {
    TDrawCell cell;
    cell.Col = col;
    cell.Row = row;
    cell.Rect = rect;
    cell.Fixed = row == 0 || col < fixedCols_;
    cell.Selected = selected && !cell.Fixed;
    const QPalette& colours = palette();
    cell.Background = cell.Fixed      ? colours.color(QPalette::Button)
                      : cell.Selected ? colours.color(QPalette::Highlight)
                                      : colours.color(QPalette::Base);
    cell.Foreground = cell.Fixed      ? colours.color(QPalette::ButtonText)
                      : cell.Selected ? colours.color(QPalette::HighlightedText)
                                      : colours.color(QPalette::Text);
    if (OnDrawCell) {
        OnDrawCell(painter, cell);
        return;
    }
    painter.fillRect(rect, cell.Background);
    if (cell.Fixed) {
        // The title row has its own lines, as the data rows have the grid's.
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawLine(rect.topRight(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    painter.setPen(cell.Foreground);
    painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     ToQString(Cell(col, row)));
}

// --- delegate

TVertGridDelegate::TVertGridDelegate(TVertGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* TVertGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    const int col = index.column();
    const int row = index.row() + 1;
    grid_.editor_ =
        new TMyInplaceEditList(grid_, col, row, grid_.RequestEditorKind(col, row), parent);
    return grid_.editor_;
}

void TVertGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<TMyInplaceEditList*>(editor)->ShowCellText(
        ToQString(grid_.Cell(index.column(), index.row() + 1)));
}

// The editor writes the cell as the user types.
void TVertGridDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

void TVertGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void TVertGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    static_cast<TMyInplaceEditList*>(editor)->FinishFocus();
    if (grid_.editor_ == editor) {
        grid_.editor_ = nullptr;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TVertGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    grid_.PaintCell(*painter, index.column(), index.row() + 1, option.rect,
                    (option.state & QStyle::State_Selected) != 0);
    painter->restore();
}

bool TVertGridDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            // The editor decides about Enter; Escape belongs to the window.
            return false;
        default:
            break;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}
