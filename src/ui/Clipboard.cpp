#include "Clipboard.h"

#include "ChurchYearBox.h"
#include "TextBridge.h"
#include "calendar/DayMonth.h"
#include "calendar/RowValues.h"
#include "exchange/PasteDate.h"
#include "panel/PanelExchange.h"
#include "settings/FrameSettings.h"

#include <QCoreApplication>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace {

// Well above any date's length in any encoding the text may pass through,
// yet small enough that looking at it costs nothing.
constexpr qsizetype kMaxClipboardText = static_cast<qsizetype>(kMaxPasteText) * 4;

QString Tr(const char* text) {
    return QCoreApplication::translate("Clipboard", text);
}

// The clipboard's text as a message quotes it: on one line, its head only.
QString Quoted(const QString& text) {
    constexpr qsizetype kShown = 40;
    QString line = text.simplified();
    if (line.size() > kShown)
        line = line.left(kShown - 1) + QChar(0x2026);
    return line;
}

// "22 September 1792", in the Gregorian or the Julian calendar.
QString DateText(const CJulianDay& day, bool gregorian) {
    const CDayMonthYear date = DateOf(day, gregorian);
    return QStringLiteral("%1 %2 %3")
        .arg(date.nDay)
        .arg(FromCp1252(
            RowMonthName(gregorian ? CalendarRow::Gregorian : CalendarRow::Julian, date.nMonth)))
        .arg(date.nYear);
}

} // namespace

bool CopyRowToClipboard(CCalendarPanel& panel, CalendarRow row, const CFrameSettings& settings) {
    if (!IsRow(row))
        return false;
    const auto text = CopyRowText(panel, row, CopyFormatOf(settings));
    if (!text)
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(QString::fromStdString(*text));
    return true;
}

QString ClipboardTextForPaste() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText())
        return QString();
    QString text = data->text();
    // The text ends at its first NUL, as a C string on the clipboard does;
    // only the bounded head is searched.
    const qsizetype head = std::min(text.size(), kMaxClipboardText + 1);
    const qsizetype nul = QStringView(text).first(head).indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    if (text.size() > kMaxClipboardText)
        return QString();
    return text;
}

bool CanPasteRow(CalendarRow row, const CYearStyle& style, const CCivilUse& civil) {
    if (!IsRow(row))
        return false;
    const QString text = ClipboardTextForPaste();
    return !text.isEmpty() && CanPasteIntoRow(row, text.toStdString(), style, civil);
}

bool CanPasteRow(CalendarRow row) {
    return CanPasteRow(row, CYearStyle{}, CCivilUse{});
}

bool CanPasteClause(CCalendarPanel& panel) {
    const QString text = ClipboardTextForPaste();
    return !text.isEmpty() && !ReadPastedClause(panel, text.toStdString()).readings.empty();
}

bool PasteRowFromClipboard(CCalendarPanel& panel, CalendarRow row, QWidget* parent) {
    if (!IsRow(row))
        return false;
    const QString text = ClipboardTextForPaste();
    if (text.isEmpty())
        return false;
    if (PasteIntoRow(panel, row, text.toStdString()))
        return true;
    const CClauseResult clause = ReadPastedClause(panel, text.toStdString());
    if (clause.readings.size() == 1) {
        const CClauseReading& only = clause.readings.front();
        panel.GoToRowDay(only.bGregorian ? CalendarRow::Gregorian : CalendarRow::Julian, only.day);
        return true;
    }
    return clause.readings.size() > 1 && parent &&
           ChooseClauseDay(parent, panel, text.simplified(), clause);
}

QString PasteNoteText() {
    const QString text = ClipboardTextForPaste();
    if (text.isEmpty() || !PasteReadsOldStyle(text.toStdString()))
        return QString();
    return QCoreApplication::translate("Clipboard",
                                       "\u201C%1\u201D read as an Old Style (Julian) date")
        .arg(text.simplified());
}

QString CalendarBeginsText(CalendarRow row) {
    switch (row) {
    case CalendarRow::Republican:
        return QCoreApplication::translate("Clipboard", "The Republican calendar begins on %1.")
            .arg(DateText(CJulianDay(kFirstRepublicanDay), true));
    case CalendarRow::Jewish:
        return QCoreApplication::translate("Clipboard",
                                           "The Jewish calendar begins on %1 (Julian calendar).")
            .arg(DateText(CJulianDay(kFirstJewishDay), false));
    case CalendarRow::Muslim:
        return QCoreApplication::translate(
                   "Clipboard", "The Muslim row shows no date before %1 (Gregorian calendar).")
            .arg(DateText(CJulianDay(kFirstMuslimDay), true));
    default:
        return QString();
    }
}

QString CopyRefusalText(CCalendarPanel& panel, CalendarRow row) {
    if (!IsRow(row))
        return QString();
    switch (CopyRefusal(panel, row)) {
    case ECopyRefusal::None:
        return QString();
    case ECopyRefusal::Blank: {
        const QString begins = CalendarBeginsText(row);
        return begins.isEmpty()
                   ? QCoreApplication::translate("Clipboard",
                                                 "Nothing to copy: the row is blank on this day.")
                   : QCoreApplication::translate("Clipboard",
                                                 "Nothing to copy: the row is blank. %1")
                         .arg(begins);
    }
    case ECopyRefusal::NoDate:
        break;
    }
    return QCoreApplication::translate("Clipboard",
                                       "Nothing to copy: the row holds no valid date.");
}

namespace {

// Why a row refuses a text, as a paste would: "a date of the Jewish row, not
// of this one; its month has no such day"; empty when the row reads it. The
// empty and the overlong text have their own words (empty, tooLong).
QString RefusalReason(CalendarRow row, const QString& text, const CYearStyle& style, bool& empty,
                      bool& tooLong) {
    empty = tooLong = false;
    const CPasteRefusal refusal = PasteRefusal(row, text.toStdString(), style);
    QString why;
    switch (refusal.eReason) {
    case EPasteReason::None:
        return QString();
    case EPasteReason::Empty:
        empty = true;
        return QString();
    case EPasteReason::TooLong:
        tooLong = true;
        return QString();
    case EPasteReason::NoDayInStyle:
        why = QCoreApplication::translate(
            "Clipboard",
            "that day and month do not occur in that year as the year-start style counts it");
        break;
    case EPasteReason::GedcomYearOrMonth:
        why = QCoreApplication::translate("Clipboard", "a year or a month alone names no day");
        break;
    case EPasteReason::GedcomNoSingleDay:
        why = QCoreApplication::translate("Clipboard",
                                          "a family-tree range or period names no single day");
        break;
    case EPasteReason::GedcomYearsSpan:
        why = QCoreApplication::translate("Clipboard",
                                          "a dual year out of its place spans years, not one day");
        break;
    case EPasteReason::NoSuchDay:
        why = QCoreApplication::translate("Clipboard", "its month has no such day");
        break;
    case EPasteReason::OutsideRange:
        why = QCoreApplication::translate("Clipboard",
                                          "the day is outside the range of this calendar");
        break;
    case EPasteReason::NotADate:
        break;
    }
    static const char* const kRowNames[kRowCount] = {
        QT_TRANSLATE_NOOP("Clipboard", "Gregorian"),   QT_TRANSLATE_NOOP("Clipboard", "Julian"),
        QT_TRANSLATE_NOOP("Clipboard", "Roman-style"), QT_TRANSLATE_NOOP("Clipboard", "Republican"),
        QT_TRANSLATE_NOOP("Clipboard", "Jewish"),      QT_TRANSLATE_NOOP("Clipboard", "Muslim")};
    const QString rows =
        refusal.otherRow
            ? QCoreApplication::translate("Clipboard", "a date of the %1 row, not of this one")
                  .arg(Tr(kRowNames[RowIndex(*refusal.otherRow)]))
            : QCoreApplication::translate("Clipboard", "not a date of any row");
    return why.isEmpty() ? rows : QCoreApplication::translate("Clipboard", "%1; %2").arg(rows, why);
}

} // namespace

QString PasteRefusalText(CalendarRow row, const CYearStyle& style) {
    if (!IsRow(row))
        return QString();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    const QString text = ClipboardTextForPaste();
    const QString tooLongText =
        QCoreApplication::translate("Clipboard", "The clipboard holds more text than any date.");
    const QString emptyText =
        QCoreApplication::translate("Clipboard", "The clipboard holds no text to paste.");
    if (text.isEmpty()) {
        if (data && data->hasText() && !data->text().isEmpty() && data->text().at(0) != u'\0')
            return tooLongText;
        return emptyText;
    }
    bool empty = false, tooLong = false;
    const QString why = RefusalReason(row, text, style, empty, tooLong);
    if (empty || tooLong)
        return empty ? emptyText : tooLongText;
    if (why.isEmpty())
        return QString();
    return QCoreApplication::translate("Clipboard", "The clipboard holds \u201C%1\u201D: %2.")
        .arg(Quoted(text), why);
}

QString TextRefusalText(CalendarRow row, const QString& text, const CYearStyle& style) {
    if (!IsRow(row))
        return QString();
    bool empty = false, tooLong = false;
    const QString why = RefusalReason(row, text, style, empty, tooLong);
    if (tooLong)
        return QCoreApplication::translate("Clipboard", "The text is longer than any date.");
    if (empty || why.isEmpty())
        return QString();
    return QCoreApplication::translate("Clipboard", "This row cannot read the text: %1.").arg(why);
}
