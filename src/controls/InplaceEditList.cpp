#include "controls/VertGrid.h"

#include "text/qt/QtCodec.h"

#include <QKeyEvent>

#include <algorithm>
#include <utility>

namespace {

bool IsEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

TMyInplaceEditList::TMyInplaceEditList(TVertGrid& grid, int col, int row, TEditorKind kind,
                                       QWidget* parent)
    : QLineEdit(parent), grid_(grid), col_(col), row_(row), kind_(kind) {
    setFrame(false);
    if (kind_ != TEditorKind::Plain) {
        // Only a pick or the button changes such a cell.
        setReadOnly(true);
        button_ = new QToolButton(this);
        button_->setObjectName("EditButton");
        button_->setFocusPolicy(Qt::NoFocus);
        button_->setText(kind_ == TEditorKind::Ellipsis ? QStringLiteral("...")
                                                        : QStringLiteral("\u25be"));
        connect(button_, &QToolButton::clicked, this, [this] { ButtonClicked(); });
    }
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { grid_.SetCell(col_, row_, FromQString(text)); });
}

bool TMyInplaceEditList::ListVisible() const {
    return list_ && list_->isVisible();
}

QListWidget* TMyInplaceEditList::PickList() const {
    return ListVisible() ? list_ : nullptr;
}

void TMyInplaceEditList::DropDown() {
    if (kind_ != TEditorKind::PickList || ListVisible()) {
        return;
    }
    if (!list_) {
        list_ = new QListWidget(this);
        list_->setObjectName("PickList");
        list_->setWindowFlags(Qt::Popup);
        list_->installEventFilter(this);
        connect(list_, &QListWidget::itemClicked, this, [this] { CloseUp(true); });
    }
    items_.clear();
    if (grid_.GetCellPickList) {
        grid_.GetCellPickList(grid_, col_, row_, items_);
    }
    list_->clear();
    const std::string current = FromQString(text());
    for (const TPickItem& item : items_) {
        list_->addItem(ToQString(item.Text));
        if (item.Text == current) {
            list_->setCurrentRow(list_->count() - 1);
        }
    }
    const int rows = std::clamp(list_->count(), 1, 8);
    list_->setGeometry(
        QRect(mapToGlobal(QPoint(0, height())), QSize(width(), rows * fontMetrics().height() + 4)));
    list_->show();
    list_->setFocus(Qt::PopupFocusReason);
}

void TMyInplaceEditList::CloseUp(bool accept) {
    if (!ListVisible()) {
        return;
    }
    const int index = list_->currentRow();
    list_->hide();
    setFocus(Qt::PopupFocusReason);
    if (!accept || index < 0 || index >= static_cast<int>(items_.size()) ||
        items_[index].Text == FromQString(text())) {
        return;
    }
    const TPickItem item = items_[index];
    setText(ToQString(item.Text));
    setModified(true);
    grid_.SetCell(col_, row_, item.Text);
    grid_.SetObject(col_, row_, grid_.UseObjectsOfComboBox ? item.Object : index);
    if (grid_.OnSetValue) {
        grid_.OnSetValue(*this, col_, row_);
    }
}

void TMyInplaceEditList::ButtonClicked() {
    if (kind_ == TEditorKind::Ellipsis) {
        if (grid_.OnEditButtonClick) {
            grid_.OnEditButtonClick(grid_);
        }
    } else if (ListVisible()) {
        CloseUp(false);
    } else {
        DropDown();
    }
}

void TMyInplaceEditList::ShowCellText(const QString& text) {
    if (this->text() != text) {
        setText(text);
    }
    if (!std::exchange(shown_, true)) {
        selectAll();
    }
}

void TMyInplaceEditList::TakeFocus(Qt::FocusReason reason) {
    setFocus(reason);
    // A click that gave the grid the focus was the grid's; its release is too.
    selectOnRelease_ = false;
    if (kind_ == TEditorKind::Plain) {
        selectAll();
    }
}

void TMyInplaceEditList::FinishFocus() {
    if (!focused_) {
        return;
    }
    focused_ = false;
    if (grid_.Cell(col_, row_) != textOnFocus_ && grid_.OnCommitCell) {
        grid_.OnCommitCell(grid_, col_, row_);
    }
}

bool TMyInplaceEditList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsEnter(key) || key.key() == Qt::Key_Escape) {
            CloseUp(IsEnter(key));
            return true;
        }
    }
    return QLineEdit::eventFilter(watched, event);
}

void TMyInplaceEditList::focusInEvent(QFocusEvent* event) {
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
    if (!focused_) {
        focused_ = true;
        textOnFocus_ = grid_.Cell(col_, row_);
    }
    QLineEdit::focusInEvent(event);
}

void TMyInplaceEditList::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        FinishFocus();
    }
}

void TMyInplaceEditList::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(*event)) {
        if (kind_ == TEditorKind::Plain && grid_.OnSetValue) {
            grid_.OnSetValue(grid_, col_, row_);
            event->accept();
        } else {
            event->ignore();
        }
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    if (kind_ == TEditorKind::PickList &&
        ((event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) ||
         event->key() == Qt::Key_F4)) {
        DropDown();
        return;
    }
    if (kind_ != TEditorKind::Plain && TVertGrid::DroppedByButtonCell(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TMyInplaceEditList::mouseDoubleClickEvent(QMouseEvent* event) {
    switch (kind_) {
    case TEditorKind::Plain:
        QLineEdit::mouseDoubleClickEvent(event);
        break;
    case TEditorKind::PickList:
        if (ListVisible()) {
            CloseUp(true);
        } else {
            DropDown();
        }
        break;
    case TEditorKind::Ellipsis:
        ButtonClicked();
        break;
    }
}

void TMyInplaceEditList::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (std::exchange(selectOnRelease_, false) && kind_ == TEditorKind::Plain) {
        selectAll();
    }
}

void TMyInplaceEditList::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    if (button_) {
        const int side = height();
        button_->setGeometry(width() - side, 0, side, side);
        setTextMargins(0, 0, side, 0);
    }
}
