#include "Clipboard.h"

#include "ChurchYearBox.h"
#include "exchange/PanelExchange.h"
#include "exchange/PasteDate.h"
#include "settings/FrameSettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace {

// Well above any date's length in any encoding the text may pass through,
// yet small enough that looking at it costs nothing.
constexpr qsizetype kMaxClipboardText = static_cast<qsizetype>(kMaxPasteText) * 4;

bool IsCalendarRow(int row) {
    return row >= 0 && row < ROW_COUNT;
}

} // namespace

bool CopyRowToClipboard(CCalendarPanel& panel, int row, const CFrameSettings& settings) {
    if (!IsCalendarRow(row))
        return false;
    const auto text = CopyRowText(panel, static_cast<CalendarRow>(row), CopyFormatOf(settings));
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

bool CanPasteRow(int row, const CYearStyle& style) {
    if (!IsCalendarRow(row))
        return false;
    const QString text = ClipboardTextForPaste();
    return !text.isEmpty() &&
           CanPasteIntoRow(static_cast<CalendarRow>(row), text.toStdString(), style);
}

bool CanPasteRow(int row) {
    return CanPasteRow(row, CYearStyle{});
}

bool CanPasteClause(CCalendarPanel& panel) {
    const QString text = ClipboardTextForPaste();
    return !text.isEmpty() && !ReadPastedClause(panel, text.toStdString()).readings.empty();
}

bool PasteRowFromClipboard(CCalendarPanel& panel, int row, QWidget* parent) {
    if (!IsCalendarRow(row))
        return false;
    const QString text = ClipboardTextForPaste();
    if (text.isEmpty())
        return false;
    if (PasteIntoRow(panel, static_cast<CalendarRow>(row), text.toStdString()))
        return true;
    const CClauseResult clause = ReadPastedClause(panel, text.toStdString());
    if (clause.readings.size() == 1) {
        const CClauseReading& only = clause.readings.front();
        panel.GoToRowDay(only.bGregorian ? ROW_GREGORIAN : ROW_JULIAN, only.day);
        return true;
    }
    return clause.readings.size() > 1 && parent &&
           ChooseClauseDay(parent, panel, text.simplified(), clause);
}
