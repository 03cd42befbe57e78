#include "controls/MessageDialog.h"

#include "text/qt/QtCodec.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <span>
#include <vector>

namespace {

struct TButton {
    const char* Caption;
    int Id;
    const char* Name;
};

// The dialog's own button sets, left to right.
const std::vector<std::vector<TButton>> kDialogButtons = {
    {{"ОК", kIdOk, "OK"}},
    {{"ОК", kIdOk, "OK"}, {"Отменить", kIdCancel, "Cancel"}},
    {{"Повторить", kIdRetry, "Retry"},
     {"Прервать", kIdAbort, "Abort"},
     {"Пропустить", kIdIgnore, "Ignore"}},
    {{"Да", kIdYes, "Yes"}, {"Нет", kIdNo, "No"}, {"Отменить", kIdCancel, "Cancel"}},
    {{"Да", kIdYes, "Yes"}, {"Нет", kIdNo, "No"}},
    {{"Повтор", kIdRetry, "Retry"}, {"Отменить", kIdCancel, "Cancel"}},
};

// The platform box's sets, in its order and with its captions.
const std::vector<std::vector<TButton>> kBoxButtons = {
    {{"ОК", kIdOk, "OK"}},
    {{"ОК", kIdOk, "OK"}, {"Отмена", kIdCancel, "Cancel"}},
    {{"Прервать", kIdAbort, "Abort"},
     {"Повторить", kIdRetry, "Retry"},
     {"Пропустить", kIdIgnore, "Ignore"}},
    {{"Да", kIdYes, "Yes"}, {"Нет", kIdNo, "No"}, {"Отмена", kIdCancel, "Cancel"}},
    {{"Да", kIdYes, "Yes"}, {"Нет", kIdNo, "No"}},
    {{"Повторить", kIdRetry, "Retry"}, {"Отмена", kIdCancel, "Cancel"}},
};

// An unknown button part shows OK alone.
std::span<const TButton> ButtonSet(const std::vector<std::vector<TButton>>& sets, unsigned flags) {
    const unsigned part = flags & 0xF;
    return part < sets.size() ? sets[part] : sets[0];
}

// The index of the button that gets the focus first.
std::size_t FirstButton(unsigned flags, std::size_t count) {
    const unsigned part = flags & 0xF00;
    const std::size_t index = part == kMbDefButton2 ? 1 : part == kMbDefButton3 ? 2 : 0;
    return index < count ? index : 0;
}

QMessageBox::Icon IconKindOf(unsigned flags) {
    switch (flags & 0xF0) {
    case kMbIconError:
        return QMessageBox::Critical;
    case kMbIconQuestion:
        return QMessageBox::Question;
    case kMbIconWarning:
        return QMessageBox::Warning;
    case kMbIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QIcon IconOf(QMessageBox::Icon kind) {
    QStyle* style = QApplication::style();
    switch (kind) {
    case QMessageBox::Critical:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case QMessageBox::Question:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case QMessageBox::Warning:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case QMessageBox::Information:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case QMessageBox::NoIcon:
        break;
    }
    return {};
}

// A message's line breaks as the toolkit shows them: a carriage return,
// alone or before a line feed, is one break.
QString DisplayText(const std::string& text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// Escape and the window's close button press the rightmost button.
class TMessageDialog : public QDialog {
    Q_OBJECT
    // The kind of message, as the toolkit's message box has it.
    Q_PROPERTY(QMessageBox::Icon icon READ icon)
public:
    TMessageDialog(int escapeId, QMessageBox::Icon icon) : escapeId_(escapeId), icon_(icon) {}
    void reject() override { done(escapeId_); }
    QMessageBox::Icon icon() const { return icon_; }

private:
    int escapeId_;
    QMessageBox::Icon icon_;
};

// Assistive technology sees the dialog as the alert it is, like the
// toolkit's message box.
QAccessibleInterface* MessageDialogAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("TMessageDialog") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    }
    return nullptr;
}

void InstallMessageDialogAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(MessageDialogAccessible);
        return true;
    }();
    (void)installed;
}

constexpr int kIconSize = 32;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 28;

} // namespace

int MessageDialog(const std::string& text, unsigned flags, const std::string& caption) {
    const std::span<const TButton> buttons = ButtonSet(kDialogButtons, flags);
    InstallMessageDialogAccessible();
    TMessageDialog dialog(buttons.back().Id, IconKindOf(flags));
    dialog.setObjectName("MessageDialog");
    dialog.setWindowTitle(ToQString(caption));
    dialog.setFont(QFont("Arial", 10));

    const QString message = DisplayText(text);
    const QRect measured = QFontMetrics(dialog.font()).boundingRect(QRect(0, 0, 0, 0), 0, message);
    const int textWidth = std::max(measured.width(), buttons.size() == 3 ? 384 : 256);
    const int textHeight = std::max(measured.height(), 48);

    const QIcon icon = IconOf(dialog.icon());
    int textLeft = 8;
    int clientWidth = textWidth + 24;
    if (!icon.isNull()) {
        auto* image = new QLabel(&dialog);
        image->setObjectName("Image");
        image->setPixmap(icon.pixmap(kIconSize, kIconSize));
        image->setGeometry(16, 8 + (textHeight - kIconSize) / 2, kIconSize, kIconSize);
        textLeft = kIconSize + 32;
        clientWidth = kIconSize + textWidth + 48;
    }
    auto* label = new QLabel(message, &dialog);
    label->setObjectName("Message");
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(textLeft, 8, textWidth, textHeight);

    // Offsets of the buttons from the window's centre, by their number.
    static const int kOffsets[3][3] = {{-50}, {-104, 4}, {-158, -50, 58}};
    std::vector<QPushButton*> made;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(ToQString(buttons[i].Caption), &dialog);
        button->setObjectName(buttons[i].Name);
        button->setAutoDefault(true);
        button->setGeometry(clientWidth / 2 + kOffsets[buttons.size() - 1][i], textHeight + 16,
                            kButtonWidth, kButtonHeight);
        const int id = buttons[i].Id;
        QObject::connect(button, &QPushButton::clicked, &dialog,
                         [&dialog, id] { dialog.done(id); });
        made.push_back(button);
    }
    // The first focused button leads the tab order; the others follow in turn.
    const std::size_t first = FirstButton(flags, made.size());
    for (std::size_t i = 1; i < made.size(); ++i) {
        QWidget::setTabOrder(made[(first + i - 1) % made.size()], made[(first + i) % made.size()]);
    }
    made[first]->setFocus();

    dialog.setFixedSize(clientWidth, textHeight + 52);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), dialog.size());
        frame.moveCenter(screen->availableGeometry().center());
        dialog.move(frame.topLeft());
    }
    return dialog.exec();
}

int MessageDialog(const std::string& text, std::initializer_list<FormatArg> args, unsigned flags,
                  const std::string& caption) {
    return MessageDialog(Format(text, args), flags, caption);
}

bool ConfirmQuestion(const std::string& text) {
    return MessageDialog(text, kMbIconQuestion | kMbYesNo | kMbDefButton2) == kIdYes;
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    QMessageBox box;
    box.setObjectName("MessageBox");
    box.setWindowTitle(ToQString(caption));
    box.setText(DisplayText(text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(IconKindOf(flags));
    const std::span<const TButton> buttons = ButtonSet(kBoxButtons, flags);
    std::vector<QPushButton*> made;
    for (const TButton& button : buttons) {
        const bool cancels = button.Id == kIdCancel || buttons.size() == 1;
        QPushButton* added = box.addButton(
            ToQString(button.Caption), cancels ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        added->setObjectName(button.Name);
        if (cancels) {
            box.setEscapeButton(added);
        }
        made.push_back(added);
    }
    box.setDefaultButton(made[FirstButton(flags, made.size())]);
    box.exec();
    for (std::size_t i = 0; i < made.size(); ++i) {
        if (box.clickedButton() == made[i]) {
            return buttons[i].Id;
        }
    }
    // Closed without a button where nothing answers Escape.
    return kIdCancel;
}

#include "MessageDialog.moc"
