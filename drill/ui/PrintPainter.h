#pragma once
// Prints the worksheet: the step pictures in the order the student made
// them, two columns to a sheet, a header line of date, time and page on each
// sheet, and the answer group's pictures below the last steps when it shows.
// Each picture is painted from its description straight onto the printer at
// the printer's resolution.

#include <QDateTime>
#include <QFont>
#include <ctime>

#include "drill/PrintLayout.h"

class QPainter;
class Drill;
class QPrinter;

// What a print job came to.
enum class PrintOutcome {
    Printed,
    NothingToPrint,  // no step picture in use
    Failed,          // the printer (or the PDF file) could not be opened
};

// The job of printing `drill`'s worksheet as it holds it now, with `params`
// and `when` on its header lines.
PrintJob worksheetPrintJob(const Drill& drill, const PrintParameters& params,
                           const QDateTime& when);

// Prints `job` on `printer` (already set up). Returns the number of sheets in
// `sheets` when given.
PrintOutcome printWorksheet(QPrinter& printer, const PrintJob& job, int* sheets = nullptr);

// The pieces a printed sheet is made of, shared with the answer key.
// The header line's font: "ＭＳ Ｐゴシック" at 12 points, at the printer's resolution.
QFont printHeaderFont();
// The date and time of a header line.
std::tm printStamp(const QDateTime& when);
// Paints a picture of `screen` pixels into `rect` of the printer: the
// description is drawn afresh at the printer's resolution.
void printPicture(QPainter& painter, const Picture& picture, PixelSize screen,
                  const PixelRect& rect);
