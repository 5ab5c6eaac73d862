#include "ChurchYearBox.h"

#include "TextBridge.h"
#include "church/ChurchYear.h"
#include "church/FeastDate.h"
#include "panel/CalendarPanel.h"
#include "panel/PanelIds.h"
#include "reform/MovableFeasts.h"
#include "text/StringTable.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum EColumn { COL_DATE, COL_LATIN, COL_GLOSS, COL_COUNT };
constexpr int kDayRole = Qt::UserRole;
constexpr int kListRows = 12;
constexpr int kListColumns = 96;

QString Quoted(const QString& text) {
    return CChurchYearBox::tr("\"%1\"").arg(text);
}

} // namespace

CChurchYearBox::CChurchYearBox(CCalendarPanel& panel, const CJulianDay& reformStart,
                               QWidget* parent)
    : QWidget(parent), m_panel(panel), m_nReformDay(reformStart.GetDayNumber()) {
    m_listLabel = new QLabel(this);
    m_days = new QTreeWidget(this);
    m_days->setObjectName(QStringLiteral("churchYearDays"));
    m_days->setColumnCount(COL_COUNT);
    m_days->setRootIsDecorated(false);
    m_days->setUniformRowHeights(true);
    m_days->setAlternatingRowColors(true);
    m_days->setAllColumnsShowFocus(true);
    m_days->header()->setStretchLastSection(true);
    m_days->setMinimumHeight(m_days->fontMetrics().height() * kListRows);
    // A date, "Dominica XXIV post Pentecosten" and most of its gloss.
    m_days->setMinimumWidth(m_days->fontMetrics().averageCharWidth() * kListColumns);
    m_listLabel->setBuddy(m_days);
    connect(m_days, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { OnItemActivated(item); });

    m_fieldLabel = new QLabel(this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("feastDateField"));
    m_field->setClearButtonEnabled(true);
    m_field->setMaxLength(200);
    m_field->installEventFilter(this);
    m_fieldLabel->setBuddy(m_field);
    m_read = new QPushButton(this);
    m_read->setAutoDefault(false);
    connect(m_read, &QPushButton::clicked, this, &CChurchYearBox::ReadFeastField);
    m_reading = new QLabel(this);
    m_reading->setObjectName(QStringLiteral("feastReading"));
    m_reading->setWordWrap(true);
    m_reading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_reading->setTextFormat(Qt::PlainText);
    // Room for a reading of two lines, so the dialog does not jump.
    m_reading->setMinimumHeight(m_reading->fontMetrics().lineSpacing() * 2);

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(m_fieldLabel);
    fieldRow->addWidget(m_field, 1);
    fieldRow->addWidget(m_read);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listLabel);
    layout->addWidget(m_days, 1);
    layout->addLayout(fieldRow);
    layout->addWidget(m_reading);
    RetranslateUi();
}

void CChurchYearBox::RetranslateUi() {
    m_listLabel->setText(tr("&Sundays and feasts of the year"));
    m_days->setHeaderLabels({tr("Date"), tr("Latin name"), tr("Meaning")});
    m_days->setToolTip(tr("Double-click a day to display it"));
    m_fieldLabel->setText(tr("Date by &feast"));
    m_field->setPlaceholderText(tr("Tuesday after Laetare 1523"));
    m_field->setToolTip(tr("A day told by the church year, in English, French or Latin: "
                           "\"the Monday after St Martin 1450\", \"veille de la Saint-Michel "
                           "1450\", \"fer. 3 p. Laetare 1523\""));
    m_read->setText(tr("&Display"));
    FillList();
    m_reading->clear();
}

void CChurchYearBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

bool CChurchYearBox::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the field reads it rather than pressing the dialog's default button.
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ReadFeastField();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CChurchYearBox::SetYear(std::int32_t year, bool gregorian) {
    if (year == m_nYear && gregorian == m_bGregorian)
        return;
    m_nYear = year;
    m_bGregorian = gregorian;
    FillList();
}

void CChurchYearBox::FillList() {
    m_days->clear();
    if (m_nYear == 0)
        return;
    const bool french = TextLanguage() == ETextLanguage::French;
    QList<QTreeWidgetItem*> items;
    for (const CChurchDay& day : ChurchYearDays(m_nYear, m_bGregorian, french)) {
        auto* item = new QTreeWidgetItem;
        item->setText(COL_DATE, FromCp1252(FormatFeastDate(day.day, m_bGregorian)));
        item->setText(COL_LATIN, FromCp1252(day.strLatin));
        item->setText(COL_GLOSS, day.strGloss == day.strLatin ? QString() : FromCp1252(day.strGloss));
        item->setData(COL_DATE, kDayRole, day.day.GetDayNumber());
        items << item;
    }
    m_days->addTopLevelItems(items);
    for (int c = 0; c < COL_COUNT - 1; ++c)
        m_days->resizeColumnToContents(c);
}

void CChurchYearBox::OnItemActivated(QTreeWidgetItem* item) {
    if (!item)
        return;
    m_panel.GoToRowDay(m_bGregorian ? ROW_GREGORIAN : ROW_JULIAN,
                       CJulianDay(item->data(COL_DATE, kDayRole).toInt()));
}

void CChurchYearBox::ReadFeastField() {
    const QString text = m_field->text().simplified();
    if (text.isEmpty()) {
        m_reading->clear();
        return;
    }
    CFeastDateOptions options;
    options.nReformDay = m_nReformDay;
    const CFeastReading reading = ReadFeastDate(ToCp1252(text), options);
    if (reading.eError != EFeastDateError::None) {
        m_reading->setText(RefusalText(reading));
        return;
    }
    m_reading->setText(ReadingText(text, reading));
    m_panel.GoToRowDay(reading.bGregorian ? ROW_GREGORIAN : ROW_JULIAN, reading.day);
}

QString CChurchYearBox::ReadingText(const QString& text, const CFeastReading& r) const {
    const QString feast = FromCp1252(r.strFeast);
    const QString base = FromCp1252(FormatFeastDate(r.baseDay, r.bGregorian));
    QString how;
    if (r.bComputus)
        how = r.bGregorian ? tr("%1 is %2 by the Gregorian computus").arg(feast, base)
                           : tr("%1 is %2 by the Julian computus").arg(feast, base);
    else
        how = r.bGregorian ? tr("%1 is %2 in the Gregorian calendar").arg(feast, base)
                           : tr("%1 is %2 in the Julian calendar").arg(feast, base);
    QString sentence = tr("%1: %2").arg(text, how);
    if (r.day != r.baseDay)
        sentence += tr(", so %1").arg(FromCp1252(FormatFeastDate(r.day, r.bGregorian)));
    return sentence;
}

QString CChurchYearBox::RefusalText(const CFeastReading& r) const {
    QStringList candidates;
    for (const std::string& line : r.candidates)
        candidates << FromCp1252(line);
    const QString what = Quoted(FromCp1252(r.strWhat));
    switch (r.eError) {
    case EFeastDateError::Unreadable:
        return tr("Cannot read %1.").arg(what);
    case EFeastDateError::UnknownName:
        return candidates.isEmpty()
                   ? tr("No feast or saint is named %1.").arg(what)
                   : tr("No feast or saint is named %1 (nearest: %2).")
                         .arg(what, candidates.join(QStringLiteral("; ")));
    case EFeastDateError::AmbiguousName:
        return tr("%1 names saints on different days: %2. Give a fuller name.")
            .arg(what, candidates.join(QStringLiteral("; ")));
    case EFeastDateError::Skipped:
        return tr("That day fell in the days the reform skipped.");
    case EFeastDateError::OutOfRange:
        return tr("The day lies outside 4713 BC to AD 2999.");
    case EFeastDateError::NoYear:
    case EFeastDateError::None:
        break;
    }
    return tr("No year from 1 to 2999 ends the text.");
}
