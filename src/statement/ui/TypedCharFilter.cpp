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

void OnGridEditorOpened(TVertGrid& grid, std::function<void(TMyInplaceEditList&)> opened) {
    grid.viewport()->installEventFilter(new TEditorWatch(grid, std::move(opened)));
}
