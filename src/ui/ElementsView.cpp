#include "ElementsView.h"

#include "HelpWindow.h"
#include "TextBridge.h"
#include "elements/Elements.h"
#include "panel/CalendarPanel.h"
#include "text/StringTable.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>
#include <iterator>

namespace {

struct CElementRow {
    const char* key;
    const char* label;
    const char* tip;
};

// The rows in the core's order. A key the table lacks still shows, under its own name.
const CElementRow kRows[] = {
    {"dominical-letters-julian", QT_TRANSLATE_NOOP("CElementsView", "Dominical letters (Julian)"),
     QT_TRANSLATE_NOOP("CElementsView",
                       "The letters of the year's Sundays in the Julian calendar: A when 1 January "
                       "is a Sunday, G when a Monday, and so back; a leap year has two, the second "
                       "from 25 February.")},
    {"dominical-letters-gregorian",
     QT_TRANSLATE_NOOP("CElementsView", "Dominical letters (Gregorian)"),
     QT_TRANSLATE_NOOP("CElementsView", "The same letters for the Gregorian year, from 1583.")},
    {"golden-number", QT_TRANSLATE_NOOP("CElementsView", "Golden number"),
     QT_TRANSLATE_NOOP("CElementsView", "The year's place in the 19-year lunar cycle: the "
                                        "year's remainder by 19, plus 1.")},
    {"epact-julian", QT_TRANSLATE_NOOP("CElementsView", "Epact (Julian)"),
     QT_TRANSLATE_NOOP("CElementsView",
                       "The age of the moon on 22 March by the old computus: 0 (nullae) for "
                       "golden number 1, then 11 more each year, modulo 30.")},
    {"epact-gregorian", QT_TRANSLATE_NOOP("CElementsView", "Epact (Gregorian)"),
     QT_TRANSLATE_NOOP("CElementsView",
                       "The epact of the reformed calendar, corrected by the solar and lunar "
                       "equations; \"25\" is reckoned as 26 when the golden number is above 11.")},
    {"concurrent", QT_TRANSLATE_NOOP("CElementsView", "Concurrent"),
     QT_TRANSLATE_NOOP("CElementsView", "The weekday of 24 March, counted from Sunday 1 to "
                                        "Saturday 7.")},
    {"solar-cycle", QT_TRANSLATE_NOOP("CElementsView", "Solar cycle"),
     QT_TRANSLATE_NOOP("CElementsView",
                       "The year's place in the 28-year cycle of weekdays: the remainder of the "
                       "year plus 9 by 28, 0 read as 28.")},
    {"indiction-roman", QT_TRANSLATE_NOOP("CElementsView", "Indiction (Roman, from 1 January)"),
     QT_TRANSLATE_NOOP("CElementsView", "The year's place in the 15-year cycle of indictions, "
                                        "changing on 1 January.")},
    {"indiction-greek", QT_TRANSLATE_NOOP("CElementsView", "Indiction (Greek, from 1 September)"),
     QT_TRANSLATE_NOOP("CElementsView", "The indiction changing on 1 September, four months "
                                        "ahead of the Roman one.")},
    {"indiction-bedan", QT_TRANSLATE_NOOP("CElementsView", "Indiction (Bedan, from 24 September)"),
     QT_TRANSLATE_NOOP("CElementsView", "The indiction changing on 24 September, as Bede "
                                        "reckoned it and English charters often did.")},
    {"julian-period", QT_TRANSLATE_NOOP("CElementsView", "Year of the Julian Period"),
     QT_TRANSLATE_NOOP("CElementsView",
                       "The year in Scaliger's 7980-year period that began in 4713 BC: the year "
                       "plus 4713.")},
    {"byzantine-year", QT_TRANSLATE_NOOP("CElementsView", "Byzantine year"),
     QT_TRANSLATE_NOOP("CElementsView", "The year of the world of the Byzantine era: the year "
                                        "plus 5508, one more from 1 September.")},
    {"day-of-year", QT_TRANSLATE_NOOP("CElementsView", "Day of the year"),
     QT_TRANSLATE_NOOP("CElementsView", "The day's number counted from 1 January of its year.")},
    {"iso-week", QT_TRANSLATE_NOOP("CElementsView", "ISO week"),
     QT_TRANSLATE_NOOP("CElementsView",
                       "The ISO 8601 week date of the Gregorian date: year, week from Monday, and "
                       "weekday from 1 Monday to 7 Sunday.")},
    {"regnal-england", QT_TRANSLATE_NOOP("CElementsView", "Regnal year (England)"),
     QT_TRANSLATE_NOOP("CElementsView",
                       "The year of the reign in England as the king's clerks counted it, most "
                       "reigns from the accession day; on the day of a demise both are named.")},
};

const QString kNone = QStringLiteral("\u2013"); // – for an element that does not apply

} // namespace

CElementsView::CElementsView(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_panel(panel) {
    setObjectName(QStringLiteral("elementsView"));
    m_title = new QLabel(this);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    m_table = new QTreeWidget(this);
    m_table->setColumnCount(2);
    m_table->setRootIsDecorated(false);
    m_table->setAllColumnsShowFocus(true);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->header()->setStretchLastSection(true);
    m_table->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (const CElementRow& row : kRows) {
        auto* item = new QTreeWidgetItem(m_table);
        item->setData(0, Qt::UserRole, QLatin1String(row.key));
    }
    const QFontMetrics metrics = m_table->fontMetrics();
    m_table->setMinimumSize(metrics.averageCharWidth() * 72,
                            metrics.height() * (int(std::size(kRows)) + 3));

    // The values are what a historian writes down: let them be copied.
    auto* copy = new QAction(this);
    copy->setShortcuts(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &CElementsView::CopySelection);
    addAction(copy);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_table, 1);
    InstallHelpKey(this, help, EHelpTrigger::ElementsView);
    RetranslateUi();
}

QString CElementsView::Value(const char* key) const {
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_table->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toString() == QLatin1String(key))
            return item->text(1);
    }
    return QString();
}

void CElementsView::RetranslateUi() {
    setWindowTitle(tr("Elements of the Year"));
    m_table->setHeaderLabels({tr("Element"), tr("Value")});
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_table->topLevelItem(i);
        const QByteArray key = item->data(0, Qt::UserRole).toString().toLatin1();
        for (const CElementRow& row : kRows) {
            if (key != row.key)
                continue;
            item->setText(0, tr(row.label));
            item->setToolTip(0, tr(row.tip));
            item->setToolTip(1, tr(row.tip));
        }
    }
    Refresh();
}

void CElementsView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_table)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void CElementsView::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void CElementsView::Refresh() {
    const CJulianDay shown = m_panel.GetDayShown();
    const bool french = TextLanguage() == ETextLanguage::French;
    const std::vector<CElementLine> lines = DayElements(shown, french, m_panel.GetCivilUse());

    const CCivilDate civil = m_panel.GetCivilUse().Date(shown);
    m_title->setText(civil.nMonth < 1 || civil.nMonth > 12
                         ? QString()
                         : tr("%1 %2 %3 (%4)")
                               .arg(civil.nDay)
                               .arg(FromCp1252(LoadResString(IDS_MONTH_FIRST + civil.nMonth - 1)))
                               .arg(civil.nYear)
                               .arg(civil.bGregorian ? tr("Gregorian") : tr("Julian")));

    for (int i = 0; i < m_table->topLevelItemCount(); ++i)
        m_table->topLevelItem(i)->setText(1, kNone);
    for (const CElementLine& line : lines) {
        if (!line.pszKey)
            continue;
        const QString key = QLatin1String(line.pszKey);
        QTreeWidgetItem* found = nullptr;
        for (int i = 0; i < m_table->topLevelItemCount() && !found; ++i) {
            if (m_table->topLevelItem(i)->data(0, Qt::UserRole).toString() == key)
                found = m_table->topLevelItem(i);
        }
        if (!found) {
            found = new QTreeWidgetItem(m_table, {key});
            found->setData(0, Qt::UserRole, key);
        }
        found->setText(1, FromCp1252(line.strValue));
    }
}

void CElementsView::CopySelection() const {
    QStringList lines;
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_table->topLevelItem(i);
        if (item->isSelected())
            lines << item->text(0) + QLatin1Char('\t') + item->text(1);
    }
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}
