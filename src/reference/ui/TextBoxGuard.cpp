#include "reference/ui/TextBoxGuard.h"

#include "text/qt/QtCodec.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace {

// Whether the program's encoding holds the character; one it cannot hold
// would be stored as "?".
bool Encodable(QChar c) {
    const QString one(c);
    return ToQString(FromQString(one)) == one;
}

// Takes out of pasted text what could not have been typed, keeping the
// cursor after the same characters.
class TKindValidator : public QValidator {
public:
    TKindValidator(TTextKind kind, QObject* parent) : QValidator(parent), kind_(kind) {}

    State validate(QString& input, int& pos) const override {
        QString kept;
        int keptBeforeCursor = 0;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            if (!Encodable(c) || CleanedText(kind_, FromQString(QString(c))).empty()) {
                continue;
            }
            kept += c;
            if (i < pos) {
                ++keptBeforeCursor;
            }
        }
        input = kept;
        pos = keptBeforeCursor;
        return Acceptable;
    }

private:
    TTextKind kind_;
};

// Drops typed characters the box does not take before they reach it, so a
// refused key leaves a selection alone, and turns Enter into a focus move.
class TKeyGuard : public QObject {
public:
    TKeyGuard(TTextKind kind, QWidget& next, QObject* parent)
        : QObject(parent), kind_(kind), next_(&next) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            next_->setFocus(Qt::TabFocusReason);
            return true;
        }
        const QString text = key->text();
        const bool shortcut =
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        if (shortcut || text.size() != 1 || !text[0].isPrint()) {
            return false; // editing and shortcut keys keep their meaning
        }
        return !Encodable(text[0]) || !KeyTyped(kind_, FromQString(text)[0]);
    }

private:
    TTextKind kind_;
    QWidget* next_;
};

} // namespace

void GuardTextBox(QLineEdit& box, TTextKind kind, QWidget& next) {
    box.setValidator(new TKindValidator(kind, &box));
    box.installEventFilter(new TKeyGuard(kind, next, &box));
}
