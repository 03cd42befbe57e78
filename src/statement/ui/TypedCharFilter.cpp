#include "statement/ui/TypedCharFilter.h"

#include "controls/VertGrid.h"
#include "text/qt/QtCodec.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\x7f';
}

// The text with what the rule drops left out; control characters (the line
// breaks of a pasted block) are no text of a field.
std::string KeptChars(std::string_view text, TCharRule rule) {
    std::string kept;
    for (const char c : text) {
        const std::optional<char> typed = rule(c);
        if (typed && !IsControl(*typed)) {
            kept += *typed;
        }
    }
    return kept;
}

class TTypedCharFilter : public QObject {
public:
    TTypedCharFilter(QObject& owner, TCharRule rule, std::function<void()> onEnter)
        : QObject(&owner), rule_(rule), onEnter_(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            if (onEnter_) {
                onEnter_();
            }
            return true;
        }
        if (!rule_ || key.text().isEmpty() ||
            (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            return false;
        }
        const std::string typed = FromQString(key.text());
        // Tab, Escape and Delete are commands, not typed text; Backspace is
        // the one control character the rules judge.
        if (std::all_of(typed.begin(), typed.end(),
                        [](char c) { return IsControl(c) && c != '\b'; })) {
            return false;
        }
        std::string kept;
        for (const char c : typed) {
            if (const std::optional<char> mapped = rule_(c)) {
                kept += *mapped;
            }
        }
        if (kept == typed) {
            return false;
        }
        if (!kept.empty()) {
            // A character turned into another one is typed as that one.
            QKeyEvent replaced(QEvent::KeyPress, kept == "," ? Qt::Key_Comma : key.key(),
                               key.modifiers(), ToQString(kept));
            QCoreApplication::sendEvent(watched, &replaced);
        }
        return true;
    }

private:
    TCharRule rule_;
    std::function<void()> onEnter_;
};

// The control Tab leads to from the grid: the next (or previous) one in the
// window's tab order that is not the grid or one of its editors.
QWidget* NeighbourOf(QWidget& grid, bool forward) {
    QWidget* w = &grid;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    } while (w != &grid && (grid.isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) ||
                            !w->isVisible() || !w->isEnabled()));
    return w;
}

class TTabOut : public QObject {
public:
    TTabOut(QObject& owner, QWidget& grid) : QObject(&owner), grid_(grid) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<const QKeyEvent&>(*event).key();
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab) {
            return false;
        }
        NeighbourOf(grid_, key == Qt::Key_Tab)->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QWidget& grid_;
};

class TEditorWatch : public QObject {
public:
    TEditorWatch(QObject& owner, std::function<void(TMyInplaceEditList&)> opened)
        : QObject(&owner), opened_(std::move(opened)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // An editor is polished once, when it is first shown, which the grid
        // does before it hands the editor a key.
        if (event->type() == QEvent::ChildPolished) {
            if (auto* editor =
                    qobject_cast<TMyInplaceEditList*>(static_cast<QChildEvent*>(event)->child())) {
                LeaveOnTab(*editor, *static_cast<QWidget*>(parent()));
                opened_(*editor);
            }
        }
        return false;
    }

private:
    std::function<void(TMyInplaceEditList&)> opened_;
};

} // namespace

void FilterTypedChars(QWidget& widget, TCharRule rule, std::function<void()> onEnter) {
    widget.installEventFilter(new TTypedCharFilter(widget, rule, std::move(onEnter)));
}

void GuardLineEdit(QLineEdit& edit, TCharRule rule, std::function<void()> onEnter) {
    FilterTypedChars(edit, rule, std::move(onEnter));
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [&edit, rule](const QString& text) {
        const std::string kept = KeptChars(FromQString(text), rule);
        if (kept != FromQString(text)) {
            const int cursor =
                edit.cursorPosition() - (text.size() - static_cast<int>(kept.size()));
            edit.setText(ToQString(kept));
            edit.setCursorPosition(std::max(cursor, 0));
        }
    });
}

void LeaveOnTab(QWidget& watched, QWidget& control) {
    watched.installEventFilter(new TTabOut(watched, control));
}

void OnGridEditorOpened(TVertGrid& grid, std::function<void(TMyInplaceEditList&)> opened) {
    grid.setTabKeyNavigation(false);
    LeaveOnTab(grid, grid);
    grid.viewport()->installEventFilter(new TEditorWatch(grid, std::move(opened)));
}
