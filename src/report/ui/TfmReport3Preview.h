#pragma once
// The report preview window: the built pages one under another on a grey
// background, zoomed by the zoom button's caption, scrolled by the scroll
// bars, keys, wheel and dragging; printing, saving, and editing a page
// text by a double click when the report is editable. It draws only by
// replaying the pages' images (Draw); text is never laid out here.
#include "controls/ActionRunner.h"

#include <QCursor>
#include <QDialog>
#include <QImage>
#include <QPoint>

#include <cstdint>
#include <functional>

class QFileDialog;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;
class TReport3;
class TfmReport3TextEditor;

class TfmReport3Preview : public QDialog {
    Q_OBJECT

public:
    // Shows `report`; page texts are edited in `editor`; the user's actions
    // run through `runAction`, which shows their errors.
    TfmReport3Preview(TReport3& report, TfmReport3TextEditor& editor, TActionRunner runAction,
                      QWidget* parent = nullptr);

    // The zoom percentage held in the zoom button's caption.
    std::int32_t Zoom() const;
    // A page text was changed since the window was shown.
    bool Modified() const { return modified_; }
    // Fits the scroll bars to the pages at the current zoom, both at 0.
    void RecomputeScrollRanges();
    // Repaints after a change of the view or the pages.
    void PagesChanged();

    QWidget* pb;
    QWidget* Panel1;
    QWidget* MyGlassGradient1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;
    QToolButton* SpeedButton7;
    QLabel* Label1;
    QFrame* Shape1;
    QScrollBar* ScrollBar1;
    QScrollBar* ScrollBar2;
    QMenu* PopupMenu1;
    // Made at the first save.
    QFileDialog* SaveDialog1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void CreateToolbar();
    void CreateZoomMenu();
    void CreateSaveDialog();
    void AfterShow();
    void PaintPages();
    void PressAt(QPoint point);
    void MoveTo(QPoint point, Qt::MouseButtons buttons);
    void SetDragging(bool dragging);
    void EditTextAt(QPoint point);
    void Print(bool withDialog);
    void PrinterSetup();
    void Save();
    // Runs a user action; an error it raises is shown and false returned.
    bool RunAction(const std::function<void()>& action);

    TReport3& report_;
    TfmReport3TextEditor& editor_;
    TActionRunner runAction_;
    // Pages are painted here first, with fonts at 96 pixels per inch.
    QImage bitmap_;
    QCursor hand_;
    bool modified_ = false;
    // An error while painting is told once, not at every repaint of the same view.
    bool paintFailed_ = false;
    QPoint last_;
};
