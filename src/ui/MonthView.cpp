#include "MonthView.h"

#include "CountDaysDialog.h"
#include "HelpWindow.h"
#include "Icons.h"
#include "TextBridge.h"
#include "calendar/Computus.h"
#include "calendar/RowTexts.h"
#include "church/ChurchYear.h"
#include "daynames/DayNameLists.h"
#include "panel/CalendarPanel.h"
#include "panel/Labels.h"
#include "span/DaySpan.h"
#include "text/StringTable.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kFeastMark = QStringLiteral("\u271D");  // ✝
const QString kReformMark = QStringLiteral("\u2016"); // ‖

// A cell holds its day, its marks and the beginning of its saint's name;
// narrow enough that the window fits beside the main one at a scale of 2.
int CellWidth(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QLatin1Char('x')) * 9 / 2;
}

QString MonthName(std::int32_t month) {
    return FromCp1252(LoadResString(IDS_MONTH_FIRST + month - 1));
}

// The movable feasts of a day, by the computus of the calendar in civil use on it.
QStringList MovableFeastsOn(const CJulianDay& day, bool gregorian) {
    QStringList names;
    const std::int32_t year = gregorian ? day.GetGregorian().nYear : day.GetJulian().nYear;
    if (year < 1)
        return names;
    const bool french = TextLanguage() == ETextLanguage::French;
    for (const CChurchFeast& feast : ChurchFeasts()) {
        if (feast.eKind == EChurchFeastKind::Movable &&
            ChurchFeastDay(feast, year, gregorian) == day)
            names << FromCp1252(ChurchFeastName(feast, french));
    }
    return names;
}

} // namespace

CMonthView::CMonthView(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_panel(panel) {
    setObjectName(QStringLiteral("monthView"));
    m_previous = new QToolButton(this);
    m_previous->setArrowType(Qt::LeftArrow);
    m_previous->setAutoRaise(true);
    m_next = new QToolButton(this);
    m_next->setArrowType(Qt::RightArrow);
    m_next->setAutoRaise(true);
    m_title = new QLabel(this);
    m_title->setAlignment(Qt::AlignCenter);
    // A long month and calendar take two lines rather than widen the window.
    m_title->setWordWrap(true);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    m_grid = new QTableWidget(this);
    m_grid->setColumnCount(7);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->setWordWrap(true);
    // Room for a day number and a line of marks in every cell, at any scale.
    const QFontMetrics metrics = m_grid->fontMetrics();
    m_grid->horizontalHeader()->setMinimumSectionSize(CellWidth(metrics));
    m_grid->verticalHeader()->setMinimumSectionSize(metrics.height() * 5 / 2);
    m_grid->setMinimumSize(CellWidth(metrics) * 7 + 2 * m_grid->frameWidth(),
                           metrics.height() * 18);

    m_legend = new QLabel(this);
    m_legend->setWordWrap(true);
    m_skipped = new QLabel(this);
    m_skipped->setWordWrap(true);
    m_details = new QLabel(this);
    m_details->setWordWrap(true);
    m_details->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* header = new QHBoxLayout;
    header->addWidget(m_previous);
    header->addWidget(m_title, 1);
    header->addWidget(m_next);
    auto* left = new QVBoxLayout;
    left->addLayout(header);
    left->addWidget(m_grid, 1);
    left->addWidget(m_skipped);
    left->addWidget(m_legend);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(left, 3);
    layout->addWidget(m_details, 2);

    connect(m_previous, &QToolButton::clicked, this, [this] { Move(0, -1); });
    connect(m_next, &QToolButton::clicked, this, [this] { Move(0, 1); });
    // Page Up and Page Down turn the months, with Ctrl the years, wherever
    // the focus is in the window.
    const struct {
        QKeySequence key;
        int years;
        int months;
    } keys[] = {{QKeySequence(Qt::Key_PageUp), 0, -1},
                {QKeySequence(Qt::Key_PageDown), 0, 1},
                {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1, 0},
                {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1, 0}};
    for (const auto& key : keys) {
        auto* shortcut = new QShortcut(key.key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        const int years = key.years, months = key.months;
        connect(shortcut, &QShortcut::activated, this,
                [this, years, months] { Move(years, months); });
    }
    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { CellChosen(row, column); });
    connect(m_grid, &QTableWidget::cellClicked, this, &CMonthView::CellChosen);
    // The grid would take Page Up and Page Down to move its own cursor.
    m_grid->installEventFilter(this);
    InstallHelpKey(this, help, EHelpTrigger::MonthView);
    RetranslateUi();
}

CJulianDay CMonthView::DayAt(int row, int column) const {
    const QTableWidgetItem* item = m_grid->item(row, column);
    return item ? CJulianDay(item->data(Qt::UserRole).toInt()) : CJulianDay();
}

void CMonthView::RetranslateUi() {
    setWindowTitle(tr("Month"));
    const auto name = [](QToolButton* button, const QString& text, QKeySequence::StandardKey key) {
        button->setAccessibleName(text);
        button->setToolTip(ToolTipWithKey(text, QKeySequence(key)));
    };
    name(m_previous, tr("Previous month"), QKeySequence::MoveToPreviousPage);
    name(m_next, tr("Next month"), QKeySequence::MoveToNextPage);
    QStringList weekdays;
    for (int day = 0; day < 7; ++day)
        weekdays << FromCp1252(LoadResString(IDS_WEEKDAY_FIRST + day)).left(3);
    m_grid->setHorizontalHeaderLabels(weekdays);
    m_legend->setText(
        tr("Under each day, its first saint.<br>%1 movable feast<br>%2 first day of the reform")
            .arg(kFeastMark, kReformMark));
    Refresh();
}

void CMonthView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_grid)
        RetranslateUi();
    QWidget::changeEvent(event);
}

bool CMonthView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool page = key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (page && (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)) {
            const int step = key->key() == Qt::Key_PageUp ? -1 : 1;
            if (modifiers == Qt::ControlModifier)
                Move(step, 0);
            else
                Move(0, step);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CMonthView::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void CMonthView::Refresh() {
    m_bRefreshing = true;
    const CJulianDay shown = m_panel.GetDayShown();
    const CMonthGrid grid = MonthGridOf(shown, m_panel.GetCivilUse().nReformDay);
    m_grid->clearContents();
    m_grid->setRowCount(grid.nWeeks);
    bool julian = false;
    bool gregorian = false;
    const CLabelOptions options = m_panel.GetLabelOptions();
    const QFontMetrics metrics = m_grid->fontMetrics();
    for (const CMonthCell& cell : grid.cells) {
        (cell.bGregorian ? gregorian : julian) = true;
        const QString label = FromCp1252(ComposeWeekdayLabel(cell.day, options));
        const QStringList feasts = MovableFeastsOn(cell.day, cell.bGregorian);
        QStringList marks{QString::number(cell.nDay)};
        QStringList tips{label};
        if (!feasts.isEmpty()) {
            marks << kFeastMark;
            tips << feasts;
        }
        if (cell.bReformDay) {
            marks << kReformMark;
            tips << tr("The first day of the Gregorian calendar");
        }
        const auto saints = SaintsOfDay(cell.day, options);
        const QString saint =
            saints.empty() ? QString()
                           : metrics.elidedText(FromCp1252(saints.front()->strName), Qt::ElideRight,
                                                CellWidth(metrics) - metrics.averageCharWidth());
        auto* item = new QTableWidgetItem(marks.join(QLatin1Char(' ')) + QLatin1Char('\n') + saint);
        item->setData(Qt::UserRole, cell.day.GetDayNumber());
        item->setTextAlignment(Qt::AlignCenter);
        item->setToolTip(tips.join(QLatin1Char('\n')));
        if (cell.nColumn == 6)
            item->setForeground(QColor(0xA0, 0x10, 0x10));
        m_grid->setItem(cell.nWeek, cell.nColumn, item);
        if (cell.day == shown)
            m_grid->setCurrentCell(cell.nWeek, cell.nColumn);
    }
    // Cells of no day take no click.
    for (int row = 0; row < grid.nWeeks; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (!m_grid->item(row, column)) {
                auto* empty = new QTableWidgetItem;
                empty->setFlags(Qt::NoItemFlags);
                m_grid->setItem(row, column, empty);
            }
        }
    }

    const QString calendar = julian && gregorian ? tr("Julian, then Gregorian")
                             : gregorian         ? tr("Gregorian")
                                                 : tr("Julian");
    m_title->setText(
        grid.cells.empty()
            ? QString()
            : tr("%1 %2 (%3)").arg(MonthName(grid.nMonth)).arg(grid.nYear).arg(calendar));
    if (grid.nFirstSkipped != 0) {
        const QString month = MonthName(grid.nMonth);
        m_skipped->setText(grid.nFirstSkipped == grid.nLastSkipped
                               ? tr("The reform skipped %1 %2.").arg(grid.nFirstSkipped).arg(month)
                               : tr("The reform skipped %1 to %2 %3.")
                                     .arg(grid.nFirstSkipped)
                                     .arg(grid.nLastSkipped)
                                     .arg(month));
        m_skipped->show();
    } else {
        m_skipped->hide();
    }

    // The selected day in every calendar.
    QStringList lines;
    int widest = 0;
    const QFontMetrics detailMetrics = m_details->fontMetrics();
    if (shown.GetDayNumber() != 0) {
        lines << QStringLiteral("<b>%1</b>")
                     .arg(FromCp1252(ComposeWeekdayLabel(shown, options)).toHtmlEscaped());
        // The feasts the year kept, as the feasts dialog and the year sheet give them.
        const CCivilUse civil = m_panel.GetCivilUse();
        const bool shownGregorian = KeepsGregorianEaster(civil.Date(shown).nYear, civil.nReformDay);
        for (const QString& feast : MovableFeastsOn(shown, shownGregorian))
            lines << kFeastMark + QLatin1Char(' ') + feast.toHtmlEscaped();
        for (const CalendarRow row : kAllRows) {
            const QString date = ShownDateText(row, shown);
            if (date.isEmpty())
                continue;
            // The line breaks after the calendar's name when it must, never in the date.
            widest = std::max(widest, detailMetrics.horizontalAdvance(date));
            lines << tr("%1: %2").arg(RowCalendarName(row).toHtmlEscaped(),
                                      QStringLiteral("<nobr>%1</nobr>").arg(date.toHtmlEscaped()));
        }
        lines << tr("Day number: %1").arg(shown.GetDayNumber());
    }
    m_details->setMinimumWidth(widest + detailMetrics.averageCharWidth());
    m_details->setText(lines.join(QStringLiteral("<br>")));
    m_bRefreshing = false;
}

QString CMonthView::ShownDateText(CalendarRow row, const CJulianDay& day) const {
    // The year as the panel writes it, with the dual year of the year-start style.
    return FromCp1252(JoinFieldTexts(RowFieldTexts(row, day, m_panel.GetYearStyle())));
}

void CMonthView::Move(int years, int months) {
    const CJulianDay shown = m_panel.GetDayShown();
    const CAddedDay moved = AddSpan(shown, {years, months, 0},
                                    {ESpanCalendar::Civil, m_panel.GetCivilUse().nReformDay});
    if (moved.day.GetDayNumber() == 0)
        return;
    m_panel.GoToRowDay(m_panel.GetCivilUse().Row(moved.day), moved.day);
}

void CMonthView::CellChosen(int row, int column) {
    if (m_bRefreshing)
        return;
    const CJulianDay day = DayAt(row, column);
    if (day.GetDayNumber() == 0 || day == m_panel.GetDayShown())
        return;
    m_panel.GoToRowDay(m_panel.GetCivilUse().Row(day), day);
}
