#pragma once
// Printing a built report: every page its own print job titled
// "Отчет - стр. N", in the orientation its pages call for, the page image
// stretched over the printable area. The printer sits behind a small
// interface: the program's is Qt's printer with its dialogs, tests use one
// that writes PDF files.
#include <QPainter>
#include <QSize>

#include <optional>
#include <string>

class IReport3;
class TPageImage;

// What the user chose in the print dialog.
struct TPrintChoice {
    std::int32_t Copies = 1;
    // Otherwise only pages From..To are printed.
    bool AllPages = true;
    std::int32_t From = 1;
    std::int32_t To = 1;
};

class IReportPrinter {
public:
    virtual ~IReportPrinter() = default;
    // The print dialog for pages 1..pageCount, with a page range offered and
    // preselected, one copy, no collation and no printing to a file; nothing
    // when the user cancels.
    virtual std::optional<TPrintChoice> AskPrintChoice(std::int32_t pageCount) = 0;
    // The printer set-up dialog.
    virtual void SetUp() = 0;
    virtual void SetCopies(std::int32_t copies) = 0;
    virtual void SetLandscape(bool landscape) = 0;
    // Starts a job of one page; raises EReportError when the printer refuses.
    virtual void BeginJob(const std::string& title) = 0;
    // The painter of the job's page, origin at the printable area's corner;
    // null outside a job.
    virtual QPainter* JobPainter() = 0;
    // The printable area in the painter's pixels.
    virtual QSize PrintableSize() const = 0;
    // Ends the job begun last; nothing when none is running.
    virtual void EndJob() = 0;
};

// Prints the report's pages (nothing when it may not be printed or has no
// pages); `printer` must be the one the report's pages print on. A page that
// fails ends the printing and raises what to tell the user ("Ошибка печати
// отчета:", CR and the reason); the pages after it are not printed.
void PrintReport(IReport3& report, IReportPrinter& printer, bool withDialog);

// Plays the page image over the printable area of the printer's current job.
void PrintPageImage(const TPageImage& image, IReportPrinter& printer);
