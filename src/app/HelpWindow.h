#pragma once
// TfmHelp: a page of usage text with the pictures of the main window's
// buttons, and the program's version and file date. The wheel scrolls by a
// sixth of its delta in pixels, Up and Down by 20 pixels, Esc closes.
#include <QDialog>

class QLabel;
class QTextBrowser;

class TfmHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfmHelp(QWidget* parent = nullptr);

    // "Версия 1.0.0.0 [dd.mm.yyyy]".
    QString VersionText() const;
    QTextBrowser* Page() const { return page_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ScrollBy(int pixels);

    QLabel* LVersion;
    QTextBrowser* page_;
};
