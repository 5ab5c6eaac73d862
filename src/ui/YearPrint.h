// The printed year: a month or the whole year of a year sheet on paper, in a
// preview or in a PDF file, laid out by the core's year pages.
#pragma once

#include <QString>

#ifndef Q_MOC_RUN
#include "calendar/CalendarRow.h"
#include "year/YearPage.h"
#include "year/YearSheet.h"
#endif

class QPagedPaintDevice;
class QPrinter;
class QWidget;
class CCalendarPanel;

// The File menu's commands, beside those of Commands.h.
enum : int { ID_YEAR_PRINT = 32870, ID_YEAR_PRINT_PREVIEW = 32871, ID_YEAR_SAVE_PDF = 32872 };

struct CYearPrintChoice {
    std::int32_t nYear = 1;
    ESpanCalendar eCalendar = ESpanCalendar::Civil;
    std::int32_t nMonth = 0; // 0: the whole year
    std::uint32_t nColumns = PAGE_ALL;
    ESheetSaints eSaints = ESheetSaints::Traditional;
    CCivilUse civil{}; // the civil calendar's reform
};

// The choice's defaults for the panel's day: its year, its month.
CYearPrintChoice DefaultYearPrintChoice(const CCalendarPanel& panel);

// Asks what to print; false when cancelled.
bool AskYearPrint(QWidget* parent, CYearPrintChoice& choice);

// Turns the paper the way that prints larger, on fewer pages, with fewer
// wrapped texts; portrait when both are alike.
void ChooseOrientation(QPrinter& printer, const CYearPrintChoice& choice, const CYearStyle& style);

// Paints the pages on the printer, at the largest print size (8 down to 5
// points) that keeps every text whole; an empty text when done, else why not.
QString PaintYearPages(QPrinter& printer, const CYearPrintChoice& choice, const CYearStyle& style);

// Writes the pages as a PDF file at path (replaced only once the new one is
// whole); an empty text when done, else a message for the user.
QString SaveYearPdf(const QString& path, const CYearPrintChoice& choice, const CYearStyle& style);

// The File menu's three commands, from asking to the printed pages.
void RunYearPrint(QWidget* parent, int commandId, const CCalendarPanel& panel);
