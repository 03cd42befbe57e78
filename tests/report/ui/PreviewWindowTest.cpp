// The preview window driven as a user would: real keys, wheel and mouse on
// the offscreen platform, modal windows answered by clicking their buttons.
#include "PreviewTestSupport.h"
#include "RecordingPrinter.h"
#include "report/ui/PreviewGeometry.h"
#include "report/ui/ReportPreview.h"
#include "report/ui/TfmReport3TextEditor.h"
#include "support/TestSupport.h"
#include "support/widgets/ModalAnswer.h"
#include "text/qt/QtCodec.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace preview_test;
using testing_support::ClickButton;
using testing_support::ModalAnswer;
using testing_support::PressKey;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::W;

namespace {

// A preview of a report, shown and settled as Preview would leave it.
class PreviewTest : public testing::Test {
protected:
    void Open(std::shared_ptr<TReport3> report) {
        report_ = std::move(report);
        preview_ = std::make_unique<TfmReport3Preview>(*report_, editor_,
                                                       [this](const std::function<void()>& action) {
                                                           try {
                                                               action();
                                                               return true;
                                                           } catch (const std::exception& error) {
                                                               errors_.push_back(error.what());
                                                               return false;
                                                           }
                                                       });
        preview_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(preview_.get()));
        QApplication::processEvents();
    }

    // Several A4 pages: the window (800 x 600 offscreen) scrolls both ways.
    void OpenPages(std::int32_t count) {
        auto report = MakeQtReport();
        report->GetPage(count);
        Open(report);
    }

    TfmReport3Preview& Preview() { return *preview_; }
    QScrollBar& Horizontal() { return *preview_->ScrollBar1; }
    QScrollBar& Vertical() { return *preview_->ScrollBar2; }
    void Key(Qt::Key key) { QTest::keyClick(preview_.get(), key); }

    std::shared_ptr<TReport3> report_;
    TfmReport3TextEditor editor_;
    std::unique_ptr<TfmReport3Preview> preview_;
    std::vector<std::string> errors_;
};

} // namespace

TEST_F(PreviewTest, ShowsTheNamedControlsAndThePageCount) {
    OpenPages(21);
    EXPECT_EQ(Preview().windowTitle(), ToQString("Предварительный просмотр"));
    EXPECT_EQ(Preview().Label1->text(), ToQString("Документ содержит 21 страницу"));
    EXPECT_EQ(Preview().SpeedButton1->text(), "100%");
    EXPECT_EQ(Preview().SpeedButton3->text(), ToQString("Печать (Enter)"));
    EXPECT_FALSE(Preview().SpeedButton6->isEnabled());
    EXPECT_EQ(Preview().Panel1->height(), 33);
    for (const char* name : {"pb", "Panel1", "MyGlassGradient1", "SpeedButton7", "SpeedButton5",
                             "Shape1", "ScrollBar1", "ScrollBar2", "PopupMenu1"}) {
        EXPECT_NE(Preview().findChild<QObject*>(name), nullptr) << name;
    }
    const QSize client = Preview().size();
    EXPECT_EQ(Horizontal().maximum(), 1188 - client.width() + 32);
    EXPECT_EQ(Vertical().maximum(), 21 * 1196 - client.height() + 56);

    OpenPages(11);
    EXPECT_EQ(Preview().Label1->text(), ToQString("Документ содержит 11 страниц"));
}

TEST_F(PreviewTest, ZoomMenuSetsTheCaptionAndTheRanges) {
    OpenPages(2);
    Key(Qt::Key_Down);
    QTest::mouseClick(Preview().SpeedButton1, Qt::LeftButton);
    QMenu& menu = *Preview().PopupMenu1;
    ASSERT_TRUE(menu.isVisible());
    QAction* item = nullptr;
    for (QAction* action : menu.actions()) {
        if (action->text() == "500%") {
            item = action;
        }
    }
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(item).center());
    EXPECT_EQ(Preview().SpeedButton1->text(), "500%");
    EXPECT_EQ(Preview().Zoom(), 500);
    const auto expected = ComputeScrollRanges(*report_, 500, Preview().width(), Preview().height());
    EXPECT_EQ(Horizontal().maximum(), expected.Horizontal);
    EXPECT_EQ(Vertical().maximum(), expected.Vertical);
    EXPECT_EQ(Vertical().value(), 0);

    Preview().SpeedButton1->setText("x");
    EXPECT_EQ(Preview().Zoom(), 100);
}

TEST_F(PreviewTest, KeysMoveThePositionsWithinTheRanges) {
    OpenPages(3);
    Key(Qt::Key_Up);
    EXPECT_EQ(Vertical().value(), 0);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(Vertical().value(), 64);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Vertical().value(), 64 + Preview().pb->height());
    Key(Qt::Key_PageUp);
    Key(Qt::Key_Up);
    EXPECT_EQ(Vertical().value(), 32);
    Key(Qt::Key_End);
    EXPECT_EQ(Vertical().value(), Vertical().maximum());
    Key(Qt::Key_Home);
    EXPECT_EQ(Vertical().value(), 0);
    Key(Qt::Key_Right);
    EXPECT_EQ(Horizontal().value(), 32);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(Horizontal().value(), 0);
    for (int i = 0; i < 100; ++i) {
        Key(Qt::Key_Right);
    }
    EXPECT_EQ(Horizontal().value(), Horizontal().maximum());
}

TEST_F(PreviewTest, DoubleClickOutsideThePagesResetsTheRanges) {
    OpenPages(3);
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    QTest::mouseDClick(Preview().Label1, Qt::LeftButton);
    EXPECT_EQ(Vertical().value(), 0);
    EXPECT_EQ(Horizontal().value(), 0);
}

TEST_F(PreviewTest, WheelScrollsByItsDelta) {
    OpenPages(3);
    QWidget* pb = Preview().pb;
    const auto turn = [pb](int delta) {
        const QPointF at(100, 100);
        QWheelEvent wheel(at, pb->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pb, &wheel);
    };
    turn(-120);
    turn(-120);
    EXPECT_EQ(Vertical().value(), 240);
    turn(120);
    EXPECT_EQ(Vertical().value(), 120);
    turn(360);
    EXPECT_EQ(Vertical().value(), 0);
    // Over a scroll bar the rule is the same, not the bar's own steps.
    QWheelEvent overBar(QPointF(5, 5), Horizontal().mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&Horizontal(), &overBar);
    EXPECT_EQ(Vertical().value(), 120);
    EXPECT_EQ(Horizontal().value(), 0);
}

TEST_F(PreviewTest, DraggingMovesThePagesWithTheHand) {
    OpenPages(3);
    QWidget* pb = Preview().pb;
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    const auto move = [pb](QPoint to, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, to, pb->mapToGlobal(QPointF(to)), Qt::NoButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(pb, &event);
    };
    QTest::mousePress(pb, Qt::LeftButton, {}, QPoint(200, 200));
    move(QPoint(190, 150), Qt::LeftButton);
    EXPECT_EQ(Horizontal().value(), 42);
    EXPECT_EQ(Vertical().value(), 82);
    EXPECT_EQ(pb->cursor().shape(), Qt::BitmapCursor);
    // Dragging down and right past the start stops at 0.
    move(QPoint(400, 400), Qt::LeftButton);
    EXPECT_EQ(Horizontal().value(), 0);
    EXPECT_EQ(Vertical().value(), 0);
    QTest::mouseRelease(pb, Qt::LeftButton, {}, QPoint(400, 400));
    EXPECT_EQ(pb->cursor().shape(), Qt::ArrowCursor);
    // Moving without the button scrolls nothing.
    move(QPoint(100, 100), Qt::NoButton);
    EXPECT_EQ(Vertical().value(), 0);
}

TEST_F(PreviewTest, PaintsPagesOnGrey) {
    auto report = MakeQtReport();
    AddText(*report, 1, 20, 20, 100, 20, "Text")->SetFrame("1");
    Open(report);
    const QImage shot = Preview().pb->grab().toImage();
    EXPECT_EQ(shot.pixelColor(3, 3), QColor(0x80, 0x80, 0x80));
    // The page's outline at (8, 8), white inside, the frame at 20 mm.
    EXPECT_EQ(shot.pixelColor(8, 100), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(40, 40), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(8 + 80, 8 + 100), QColor(Qt::black));
    EXPECT_FALSE(PageIsStale(*report, 1));
}

TEST_F(PreviewTest, DrawingFailureIsToldOnce) {
    auto report = MakePages(1);
    Open(report);
    Preview().pb->repaint();
    Preview().pb->repaint();
    QApplication::processEvents();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_NE(errors_[0].find("Draw"), std::string::npos);
}

TEST_F(PreviewTest, DoubleClickEditsTheFirstOverlappingText) {
    auto report = MakeQtReport();
    report->SetEditable(true);
    AddText(*report, 1, 10, 10, 50, 10, "");
    const auto first = AddText(*report, 1, 10, 10, 50, 10, "first");
    const auto second = AddText(*report, 1, 10, 10, 50, 10, "second");
    Open(report);
    {
        ModalAnswer answer([](QWidget& editor) {
            EXPECT_EQ(static_cast<QLineEdit*>(editor.focusWidget())->selectedText(), "first");
            QTest::keyClicks(editor.focusWidget(), "new");
            QTest::keyClick(editor.focusWidget(), Qt::Key_Return);
        });
        QTest::mouseDClick(Preview().pb, Qt::LeftButton, {}, QPoint(100, 60));
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(answer.Title(), ToQString("Редактор"));
        // Drawn again at the next paint.
        EXPECT_TRUE(PageIsStale(*report, 1));
    }
    EXPECT_EQ(first->GetText(), "new");
    EXPECT_EQ(second->GetText(), "second");
    EXPECT_TRUE(Preview().Modified());
    // The editor's Enter went no further: the preview did not print and close.
    EXPECT_TRUE(Preview().isVisible());
}

TEST_F(PreviewTest, EditsLeftAloneChangeNothing) {
    auto report = MakeQtReport();
    report->SetEditable(true);
    AddText(*report, 1, 10, 10, 50, 10, "");
    const auto text = AddText(*report, 1, 100, 10, 50, 10, "kept");
    Open(report);
    QWidget* pb = Preview().pb;
    QApplication::processEvents();
    {
        // Over the empty text nothing opens.
        ModalAnswer answer(ClickButton("BtnCancel"));
        QTest::mouseDClick(pb, Qt::LeftButton, {}, QPoint(100, 60));
        QTest::qWait(50);
        EXPECT_FALSE(answer.Answered());
    }
    {
        ModalAnswer answer([](QWidget& editor) {
            QTest::keyClicks(editor.focusWidget(), "other");
            QTest::keyClick(editor.focusWidget(), Qt::Key_Escape);
        });
        QTest::mouseDClick(pb, Qt::LeftButton, {}, QPoint(8 + 450, 60));
        EXPECT_TRUE(answer.Answered());
    }
    {
        ModalAnswer answer(ClickButton(ToQString("ОК")));
        QTest::mouseDClick(pb, Qt::LeftButton, {}, QPoint(8 + 450, 60));
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(text->GetText(), "kept");
    EXPECT_FALSE(Preview().Modified());
    EXPECT_FALSE(PageIsStale(*report, 1));

    report->SetEditable(false);
    ModalAnswer answer(ClickButton("BtnCancel"));
    QTest::mouseDClick(pb, Qt::LeftButton, {}, QPoint(8 + 450, 60));
    QTest::qWait(50);
    EXPECT_FALSE(answer.Answered());
}

namespace {

// A report loaded from page text, one text changed in the preview.
class PreviewCloseTest : public PreviewTest {
protected:
    void OpenEdited(bool withFileName) {
        auto report = MakeQtReport();
        AddText(*report, 1, 10, 10, 50, 10, "old");
        file_ = (dir_ / "report.rp3").string();
        report->SavePagesToFile(file_);
        original_ = ReadFile(file_);
        report->LoadPagesFromFile(file_);
        if (!withFileName) {
            report->SetFileName("");
        }
        report->SetEditable(true);
        Open(report);
        ModalAnswer answer([](QWidget& editor) {
            QTest::keyClicks(editor.focusWidget(), "new");
            QTest::keyClick(editor.focusWidget(), Qt::Key_Return);
        });
        QTest::mouseDClick(Preview().pb, Qt::LeftButton, {}, QPoint(100, 60));
        ASSERT_TRUE(Preview().Modified());
    }

    // Esc, the question answered with the button; what the question said.
    QString CloseAnswering(const char* button) {
        ModalAnswer answer(ClickButton(ToQString(button)));
        Key(Qt::Key_Escape);
        return answer.Answered() ? answer.Text() : QString();
    }

    TempDir dir_;
    std::string file_;
    std::string original_;
};

} // namespace

TEST_F(PreviewCloseTest, CancelKeepsTheWindowOpen) {
    OpenEdited(true);
    EXPECT_EQ(CloseAnswering("Отменить"), ToQString("Сохранить изменения в отчете?"));
    EXPECT_TRUE(Preview().isVisible());
    EXPECT_EQ(ReadFile(file_), original_);
}

TEST_F(PreviewCloseTest, NoClosesWithoutSaving) {
    OpenEdited(true);
    EXPECT_FALSE(CloseAnswering("Нет").isEmpty());
    EXPECT_FALSE(Preview().isVisible());
    EXPECT_EQ(ReadFile(file_), original_);
}

TEST_F(PreviewCloseTest, YesSavesThePageTextAndCloses) {
    OpenEdited(true);
    EXPECT_FALSE(CloseAnswering("Да").isEmpty());
    EXPECT_FALSE(Preview().isVisible());
    EXPECT_NE(ReadFile(file_).find("text=\"new\""), std::string::npos);
}

TEST_F(PreviewCloseTest, FailedSaveKeepsTheWindowAndTheEdit) {
    OpenEdited(true);
    std::filesystem::remove(file_);
    std::filesystem::create_directory(file_);
    CloseAnswering("Да");
    EXPECT_TRUE(Preview().isVisible());
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(Preview().Modified());
}

TEST_F(PreviewCloseTest, WithoutAFileNameClosesAtOnce) {
    OpenEdited(false);
    EXPECT_TRUE(CloseAnswering("Да").isEmpty());
    EXPECT_FALSE(Preview().isVisible());
}

namespace {

class PreviewSaveTest : public PreviewTest {
protected:
    // F2, then, in the test's directory, the name typed into the save
    // dialog and its button clicked.
    bool SaveAs(const std::string& name) {
        ModalAnswer answer([this, name](QWidget& dialog) {
            static_cast<QFileDialog&>(dialog).setDirectory(QString::fromStdString(dir_.path()));
            // The name of the last save is still there.
            QTest::keyClick(dialog.focusWidget(), Qt::Key_A, Qt::ControlModifier);
            // Key by key, letters beyond a keyboard's keys included.
            for (const QChar letter : QString::fromStdString(name)) {
                QTest::sendKeyEvent(QTest::Click, dialog.focusWidget(), Qt::Key_unknown,
                                    QString(letter), Qt::NoModifier);
            }
            ClickButton(ToQString("Сохранить"))(dialog);
        });
        Key(Qt::Key_F2);
        return answer.Answered();
    }

    TempDir dir_;
};

} // namespace

TEST_F(PreviewSaveTest, NameDecidesTheForm) {
    auto report = MakeQtReport();
    report->AddRow(Mm(5))->AddTextCell("40", "cell", "1", 5);
    report->Build();
    Open(report);
    ASSERT_TRUE(SaveAs("report.xml.rp3"));
    EXPECT_NE(ReadFile(dir_ / "report.xml.rp3").find("<Workbook"), std::string::npos);
    ASSERT_TRUE(SaveAs("form.pdf"));
    EXPECT_EQ(ReadFile(dir_ / "form.pdf").substr(0, 5), "%PDF-");
    ASSERT_TRUE(SaveAs("cells.csv"));
    EXPECT_EQ(ReadFile(dir_ / "cells.csv"), "cell;\r\n");
    ASSERT_TRUE(SaveAs("pages"));
    EXPECT_EQ(ReadFile(dir_ / "pages.rp3").substr(0, 5), "<page");
    // Every character of the chosen name reaches the disk.
    const std::u8string name = u8"Отчёт ✓ü.pdf";
    ASSERT_TRUE(SaveAs(std::string(name.begin(), name.end())));
    EXPECT_EQ(ReadFile(dir_.path() / name).substr(0, 5), "%PDF-");
    EXPECT_TRUE(errors_.empty());
}

TEST_F(PreviewSaveTest, NameWithoutExtensionTakesTheChosenForms) {
    OpenPages(1);
    ModalAnswer answer([this](QWidget& dialog) {
        static_cast<QFileDialog&>(dialog).setDirectory(QString::fromStdString(dir_.path()));
        // "Excel", the second form.
        QTest::keyClick(dialog.findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
        QTest::keyClicks(dialog.findChild<QLineEdit*>("fileNameEdit"), "book");
        ClickButton(ToQString("Сохранить"))(dialog);
    });
    Key(Qt::Key_F2);
    ASSERT_TRUE(answer.Answered());
    EXPECT_NE(ReadFile(dir_ / "book.xml").find("<Workbook"), std::string::npos);
}

TEST_F(PreviewSaveTest, DisabledSaveOpensNothing) {
    OpenPages(1);
    Preview().SpeedButton2->setEnabled(false);
    ModalAnswer answer(ClickButton(ToQString("Отмена")));
    Key(Qt::Key_F2);
    QTest::qWait(50);
    EXPECT_FALSE(answer.Answered());
}

TEST_F(PreviewSaveTest, UnwritableFileIsReported) {
    OpenPages(1);
    ASSERT_TRUE(SaveAs("missing/report.rp3"));
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_TRUE(Preview().isVisible());
}

namespace {

class PreviewPrintTest : public PreviewTest {
protected:
    void OpenPrinting(std::int32_t pages) {
        auto report = MakeQtReport(printer_);
        report->GetPage(pages);
        Open(report);
    }

    std::shared_ptr<TRecordingPrinter> printer_ = std::make_shared<TRecordingPrinter>();
};

} // namespace

TEST_F(PreviewPrintTest, EnterPrintsEveryPageAndCloses) {
    OpenPrinting(2);
    Key(Qt::Key_Return);
    EXPECT_EQ(printer_->Titles,
              (std::vector<std::string>{W(u8"Отчет - стр. 1"), W(u8"Отчет - стр. 2")}));
    EXPECT_FALSE(Preview().isVisible());
}

TEST_F(PreviewPrintTest, DialogChoosesThePages) {
    OpenPrinting(3);
    printer_->Choice = TPrintChoice{1, false, 2, 2};
    QTest::mouseClick(Preview().SpeedButton7, Qt::LeftButton);
    EXPECT_EQ(printer_->Titles, (std::vector<std::string>{W(u8"Отчет - стр. 2")}));
    QTest::mouseClick(Preview().SpeedButton4, Qt::LeftButton);
    EXPECT_EQ(printer_->SetUps, 1);
}

TEST_F(PreviewPrintTest, FailureIsShownAndStopsPrinting) {
    OpenPrinting(2);
    printer_->Refusal = W(u8"Нет бумаги");
    // Told through the window's runner, as every error of the user's actions.
    QTest::mouseClick(Preview().SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(errors_, std::vector<std::string>{W(u8"Ошибка печати отчета:\rНет бумаги")});
    EXPECT_TRUE(printer_->Titles.empty());
    EXPECT_TRUE(Preview().isVisible());
}

TEST_F(PreviewPrintTest, DisabledPrintingPrintsNothing) {
    OpenPrinting(1);
    for (QToolButton* button :
         {Preview().SpeedButton3, Preview().SpeedButton7, Preview().SpeedButton4}) {
        button->setEnabled(false);
    }
    Key(Qt::Key_Return);
    EXPECT_TRUE(printer_->Titles.empty());
    EXPECT_FALSE(Preview().isVisible());
}

TEST(ReportPreviewTest, PreviewBuildsAndShowsTheReportModally) {
    auto services = MakeQtReportServices();
    InstallReportPreview(services, RunUserAction);
    auto report = TReport3::Create(services);
    report->AddRow(Mm(5))->AddTextCell("40", "cell", "1", 5);
    report->SetCanPrint(false);
    bool printEnabled = true;
    bool saveEnabled = false;
    QString label;
    ModalAnswer answer([&](QWidget& window) {
        auto& preview = dynamic_cast<TfmReport3Preview&>(window);
        printEnabled = preview.SpeedButton3->isEnabled() || preview.SpeedButton7->isEnabled() ||
                       preview.SpeedButton4->isEnabled();
        saveEnabled = preview.SpeedButton2->isEnabled();
        // The count is shown once the window is on the screen.
        EXPECT_TRUE(QTest::qWaitFor(
            [&preview] { return preview.Label1->text().startsWith(ToQString("Док")); }));
        label = preview.Label1->text();
        QTest::keyClick(&preview, Qt::Key_Escape);
    });
    report->Preview();
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(answer.Title(), ToQString("Предварительный просмотр"));
    EXPECT_FALSE(printEnabled);
    EXPECT_TRUE(saveEnabled);
    EXPECT_EQ(label, ToQString("Документ содержит 1 страницу"));
    EXPECT_TRUE(report->IsBuilt());
}
