#include "CountDaysDialog.h"

#include "Clipboard.h"

#include "HelpWindow.h"
#include "QuindorView.h"
#include "ReformDialog.h"
#include "TextBridge.h"
#include "calendar/RowTexts.h"
#include "calendar/RowValues.h"
#include "exchange/PasteDate.h"
#include "panel/CalendarPanel.h"
#include "panel/Labels.h"
#include "span/DaySpan.h"
#include "text/StringTable.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The calendars a span is counted in, in the order the choice lists them.
constexpr ESpanCalendar kReckonings[] = {ESpanCalendar::Civil,  ESpanCalendar::Gregorian,
                                         ESpanCalendar::Julian, ESpanCalendar::Republican,
                                         ESpanCalendar::Jewish, ESpanCalendar::Muslim};
constexpr std::optional<CalendarRow> kReckoningRows[] = {
    std::nullopt,        CalendarRow::Gregorian, CalendarRow::Julian, CalendarRow::Republican,
    CalendarRow::Jewish, CalendarRow::Muslim};

QString WeekdayName(const CJulianDay& day) {
    return FromCp1252(ComposeWeekdayLabel(day, {0, 0, false})); // no saints
}

std::optional<std::int32_t> AgePart(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

} // namespace

QString RowDateText(CalendarRow row, const CJulianDay& day) {
    return FromCp1252(JoinFieldTexts(RowFieldTexts(row, day)));
}

QString RowCalendarName(CalendarRow row) {
    static constexpr int kIcons[kRowCount] = {IDC_ICON_GREG, IDC_ICON_JUL, IDC_ICON_ROMAN,
                                              IDC_ICON_REP,  IDC_ICON_JEW, IDC_ICON_MUS};
    return IsRow(row) ? CQuindorView::IconTooltip(kIcons[RowIndex(row)]) : QString();
}

// --- CDayPicker ---------------------------------------------------------------

CDayPicker::CDayPicker(CCalendarPanel& panel, QWidget* parent) : QGroupBox(parent), m_panel(panel) {
    m_row = new QComboBox(this);
    for (int k = 0; k < kRowCount; ++k)
        m_row->addItem(QString());
    m_day = new QSpinBox(this);
    m_kind = new QComboBox(this);
    m_month = new QComboBox(this);
    m_year = new QLineEdit(this);
    m_year->setValidator(new QIntValidator(-4714, 9999, m_year));
    m_year->setMaximumWidth(m_year->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) * 2);
    m_text = new QLineEdit(this);
    m_text->setClearButtonEnabled(true);
    m_textLabel = new QLabel(this);
    m_textLabel->setBuddy(m_text);
    m_fromPanel = new QPushButton(this);
    m_reading = new QLabel(this);

    auto* fields = new QHBoxLayout;
    fields->addWidget(m_day);
    fields->addWidget(m_kind);
    fields->addWidget(m_month, 1);
    fields->addWidget(m_year);
    auto* text = new QHBoxLayout;
    text->addWidget(m_textLabel);
    text->addWidget(m_text, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_row, 1);
    top->addWidget(m_fromPanel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(fields);
    layout->addLayout(text);
    layout->addWidget(m_reading);

    // Another row shows the same day in its own calendar.
    connect(m_row, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_bFilling)
            RefillKeepingDay();
    });
    const auto edited = [this] {
        if (m_bFilling)
            return;
        m_bTextRefused = false;
        ShowReading();
        emit DayChanged();
    };
    connect(m_day, &QSpinBox::valueChanged, this, edited);
    connect(m_kind, &QComboBox::currentIndexChanged, this, edited);
    connect(m_month, &QComboBox::currentIndexChanged, this, edited);
    connect(m_year, &QLineEdit::textEdited, this, edited);
    connect(m_text, &QLineEdit::editingFinished, this, &CDayPicker::ReadText); // Enter too
    connect(m_fromPanel, &QPushButton::clicked, this, [this] {
        if (m_panel.GetDayShown().GetDayNumber() != 0)
            SetDay(m_panel.GetDayShown());
    });
    RetranslateUi(); // fills the fields' lists
}

CalendarRow CDayPicker::Row() const {
    return RowAt(m_row->currentIndex()).value_or(CalendarRow::Gregorian);
}

void CDayPicker::FillFields() {
    m_bFilling = true;
    const auto row = Row();
    const bool roman = row == CalendarRow::Roman;
    m_day->setRange(1, roman ? 19 : 31);
    m_kind->setVisible(roman);
    m_kind->clear();
    for (std::int32_t kind = 1; kind <= 3; ++kind)
        m_kind->addItem(FromCp1252(RomanKindName(kind)));
    const int month = m_month->currentIndex();
    m_month->clear();
    for (std::int32_t m = 1; m <= RowMonthCount(row); ++m)
        m_month->addItem(FromCp1252(RowMonthName(row, m)));
    m_month->setCurrentIndex(std::clamp(month, 0, m_month->count() - 1));
    m_day->setToolTip(roman ? tr("Count (1: the named day itself)") : tr("Day"));
    m_bFilling = false;
}

void CDayPicker::RefillKeepingDay() {
    FillFields();
    if (m_lastDay)
        SetDay(*m_lastDay);
    else
        ShowReading();
}

std::optional<CJulianDay> CDayPicker::Day() const {
    if (m_bTextRefused)
        return std::nullopt;
    const auto row = Row();
    bool ok = false;
    const std::int32_t year = m_year->text().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    CRowValues values;
    if (row == CalendarRow::Roman)
        values = {m_day->value(), m_kind->currentIndex() + 1, m_month->currentIndex() + 1, year};
    else
        values = {m_day->value(), m_month->currentIndex() + 1, year, 0};
    if (!IsRowDateValid(row, values))
        return std::nullopt;
    return DayOfRowValues(row, values);
}

void CDayPicker::SetDay(const CJulianDay& day) {
    m_bTextRefused = false;
    CRowValues values = RowValuesOfDay(Row(), day);
    if (values.nFirst == 0) {
        m_bFilling = true;
        m_row->setCurrentIndex(RowIndex(CalendarRow::Gregorian));
        m_bFilling = false;
        FillFields();
        values = RowValuesOfDay(CalendarRow::Gregorian, day);
    }
    m_bFilling = true;
    m_day->setValue(values.nFirst);
    if (Row() == CalendarRow::Roman) {
        m_kind->setCurrentIndex(values.nSecond - 1);
        m_month->setCurrentIndex(values.nThird - 1);
        m_year->setText(QString::number(values.nFourth));
    } else {
        m_month->setCurrentIndex(values.nSecond - 1);
        m_year->setText(QString::number(values.nThird));
    }
    m_bFilling = false;
    ShowReading();
    emit DayChanged();
}

void CDayPicker::ReadText() {
    const QString typed = m_text->text().trimmed();
    if (typed.isEmpty())
        return;
    // Modern years, as in the fields beside it, whatever the year-start style.
    const CStyleReadings readings = PastedDays(Row(), ToCp1252(typed));
    if (readings.nCount == 0) {
        // The reason the row's paste would give, and no day to count from.
        m_bTextRefused = true;
        QString why = TextRefusalText(Row(), typed, CYearStyle{});
        m_reading->setText(why.isEmpty() ? tr("This row cannot read the text.") : why);
        emit DayChanged();
        return;
    }
    SetDay(readings.days[0]);
}

void CDayPicker::ShowReading() {
    const auto day = Day();
    if (day)
        m_lastDay = day;
    m_reading->setText(day ? tr("%1, day number %2").arg(WeekdayName(*day)).arg(day->GetDayNumber())
                           : FromCp1252(LoadResString(IDS_ILLEGAL_DATE)));
}

void CDayPicker::RetranslateUi() {
    for (const CalendarRow row : kAllRows)
        m_row->setItemText(RowIndex(row), RowCalendarName(row));
    m_textLabel->setText(tr("Text:"));
    m_text->setPlaceholderText(tr("a date to read, as pasted into the row"));
    m_fromPanel->setText(tr("Panel's Day"));
    m_fromPanel->setToolTip(tr("Take the day the calendar panel shows"));
    RefillKeepingDay(); // the names of the new language
}

// --- CCountDaysDialog ---------------------------------------------------------

CCountDaysDialog::CCountDaysDialog(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent)
    : QDialog(parent), m_panel(panel) {
    CreateControls(help);
    RetranslateUi();
    const CJulianDay shown = panel.GetDayShown();
    for (CDayPicker* picker : {m_first, m_second, m_ageDay}) {
        picker->RowChoice()->setCurrentIndex(
            shown.GetDayNumber() != 0 ? RowIndex(panel.GetCivilUse().Row(shown)) : 0);
        if (shown.GetDayNumber() != 0)
            picker->SetDay(shown);
    }
    Recount();
    RecountAge();
    InstallHelpKey(this, help, EHelpTrigger::CountDaysDialog);
}

void CCountDaysDialog::CreateControls(CHelpLauncher& help) {
    m_reckoningLabel = new QLabel(this);
    m_reckoning = new QComboBox(this);
    for (int k = 0; k < static_cast<int>(std::size(kReckonings)); ++k)
        m_reckoning->addItem(QString());
    m_reckoningLabel->setBuddy(m_reckoning);
    auto* reckoning = new QHBoxLayout;
    reckoning->addWidget(m_reckoningLabel);
    reckoning->addWidget(m_reckoning, 1);

    // Between two days.
    auto* between = new QWidget(this);
    m_first = new CDayPicker(m_panel, between);
    m_second = new CDayPicker(m_panel, between);
    const auto result = [between] {
        auto* edit = new QLineEdit(between);
        edit->setReadOnly(true);
        return edit;
    };
    m_days = result();
    m_weeks = result();
    m_ymd = result();
    m_daysLabel = new QLabel(between);
    m_weeksLabel = new QLabel(between);
    m_ymdLabel = new QLabel(between);
    m_daysLabel->setBuddy(m_days);
    m_weeksLabel->setBuddy(m_weeks);
    m_ymdLabel->setBuddy(m_ymd);
    m_showSecond = new QPushButton(between);
    auto* results = new QGridLayout;
    results->addWidget(m_daysLabel, 0, 0);
    results->addWidget(m_days, 0, 1);
    results->addWidget(m_weeksLabel, 1, 0);
    results->addWidget(m_weeks, 1, 1);
    results->addWidget(m_ymdLabel, 2, 0);
    results->addWidget(m_ymd, 2, 1);
    // Beside the results rather than on a line of its own: the dialog must
    // fit a small screen at a large scale.
    results->addWidget(m_showSecond, 2, 2);
    results->setColumnStretch(1, 1);
    auto* betweenLayout = new QVBoxLayout(between);
    auto* pickers = new QHBoxLayout;
    pickers->addWidget(m_first);
    pickers->addWidget(m_second);
    betweenLayout->addLayout(pickers);
    betweenLayout->addLayout(results);

    // From an age.
    auto* fromAge = new QWidget(this);
    m_ageDay = new CDayPicker(m_panel, fromAge);
    auto* ageRow = new QHBoxLayout;
    for (int part = 0; part < 3; ++part) {
        m_age[part] = new QLineEdit(fromAge);
        m_age[part]->setValidator(new QIntValidator(0, 9999, m_age[part]));
        m_age[part]->setMaximumWidth(
            m_age[part]->fontMetrics().horizontalAdvance(QStringLiteral("00000")) * 2);
        m_ageLabels[part] = new QLabel(fromAge);
        m_ageLabels[part]->setBuddy(m_age[part]);
        ageRow->addWidget(m_ageLabels[part]);
        ageRow->addWidget(m_age[part]);
        connect(m_age[part], &QLineEdit::textChanged, this, &CCountDaysDialog::RecountAge);
    }
    ageRow->addStretch(1);
    m_before = new QRadioButton(fromAge);
    m_after = new QRadioButton(fromAge);
    m_before->setChecked(true);
    m_ageSummary = new QLabel(fromAge);
    m_ageSummary->setWordWrap(true);
    m_ageDays = new QTreeWidget(fromAge);
    m_ageDays->setColumnCount(3);
    m_ageDays->setRootIsDecorated(false);
    m_ageDays->setSelectionMode(QAbstractItemView::NoSelection);
    m_ageDays->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A header and the three lines it can hold, no more: the dialog must fit
    // a small screen at a large scale.
    m_ageDays->setMinimumHeight(m_ageDays->fontMetrics().height() * 6);
    m_showFirst = new QPushButton(fromAge);
    m_showLast = new QPushButton(fromAge);
    auto* showButtons = new QHBoxLayout;
    showButtons->addStretch(1);
    showButtons->addWidget(m_showFirst);
    showButtons->addWidget(m_showLast);
    auto* ageLayout = new QVBoxLayout(fromAge);
    ageLayout->addWidget(m_ageDay);
    ageLayout->addLayout(ageRow);
    ageLayout->addWidget(m_before);
    ageLayout->addWidget(m_after);
    ageLayout->addWidget(m_ageSummary);
    ageLayout->addWidget(m_ageDays, 1);
    ageLayout->addLayout(showButtons);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(between, QString());
    m_tabs->addTab(fromAge, QString());
    // The dialog takes the size of the page shown, with no empty band under
    // the shorter one.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int current) {
        for (int page = 0; page < m_tabs->count(); ++page)
            m_tabs->widget(page)->setSizePolicy(QSizePolicy::Preferred, page == current
                                                                            ? QSizePolicy::Preferred
                                                                            : QSizePolicy::Ignored);
        adjustSize();
    });
    fromAge->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);

    m_helpButton = MakeHelpButton(this);
    m_close = new QPushButton(this);
    m_close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(reckoning);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    connect(m_reckoning, &QComboBox::currentIndexChanged, this, [this] {
        Recount();
        RecountAge();
    });
    connect(m_first, &CDayPicker::DayChanged, this, &CCountDaysDialog::Recount);
    connect(m_second, &CDayPicker::DayChanged, this, &CCountDaysDialog::Recount);
    connect(m_ageDay, &CDayPicker::DayChanged, this, &CCountDaysDialog::RecountAge);
    connect(m_before, &QRadioButton::toggled, this, &CCountDaysDialog::RecountAge);
    connect(m_showSecond, &QPushButton::clicked, this, [this] {
        if (const auto day = m_second->Day())
            MovePanel(*day);
    });
    connect(m_showFirst, &QPushButton::clicked, this, [this] { MovePanel(m_firstResult); });
    connect(m_showLast, &QPushButton::clicked, this, [this] { MovePanel(m_lastResult); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    ConnectHelpButton(m_helpButton, help, EHelpTrigger::CountDaysDialog);
}

void CCountDaysDialog::RetranslateUi() {
    setWindowTitle(tr("Count Days"));
    m_reckoningLabel->setText(tr("Count &in:"));
    for (int k = 0; k < static_cast<int>(std::size(kReckonings)); ++k) {
        m_reckoning->setItemText(k, !kReckoningRows[k] ? tr("Calendar in civil use")
                                                       : RowCalendarName(*kReckoningRows[k]));
    }
    m_reckoning->setToolTip(
        tr("Years and months are counted in this calendar; in civil use, the Julian calendar "
           "before the reform day chosen for the Gregorian calendar, the Gregorian from it"));
    m_tabs->setTabText(0, tr("&Between Two Days"));
    m_tabs->setTabText(1, tr("From an &Age"));
    m_first->setTitle(tr("First day"));
    m_second->setTitle(tr("Second day"));
    m_ageDay->setTitle(tr("Day"));
    for (CDayPicker* picker : {m_first, m_second, m_ageDay})
        picker->RetranslateUi();
    m_daysLabel->setText(tr("Days:"));
    m_weeksLabel->setText(tr("Weeks:"));
    m_ymdLabel->setText(tr("Years, months, days:"));
    m_showSecond->setText(tr("&Show Second Day"));
    m_ageLabels[0]->setText(tr("&Years:"));
    m_ageLabels[1]->setText(tr("&Months:"));
    m_ageLabels[2]->setText(tr("&Days:"));
    m_before->setText(tr("Bor&n before this day, with this age on it"));
    m_after->setText(tr("Rea&ched after this day, by someone born on it"));
    m_ageDays->setHeaderLabels({tr("Calendar"), tr("First day"), tr("Last day")});
    m_showFirst->setText(tr("Show &First Day"));
    m_showLast->setText(tr("Show &Last Day"));
    m_close->setText(tr("Close"));
    SetHelpButtonText(m_helpButton);
    Recount();
    RecountAge();
}

void CCountDaysDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_tabs)
        RetranslateUi();
    QDialog::changeEvent(event);
}

void CCountDaysDialog::keyPressEvent(QKeyEvent* event) {
    // A field has taken its text on Enter already (editingFinished, or as
    // typed); the dialog's default button must not close it and lose that.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton*>(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CCountDaysDialog::Recount() {
    if (!m_days)
        return;
    const auto first = m_first->Day();
    const auto last = m_second->Day();
    const int choice = std::max(0, m_reckoning->currentIndex());
    const CSpanReckoning reckoning{kReckonings[choice], m_panel.GetCivilUse().nReformDay};
    const auto span = first && last ? SpanBetween(*first, *last, reckoning) : std::nullopt;
    m_showSecond->setEnabled(last.has_value());
    if (!first || !last) {
        m_days->clear();
        m_weeks->clear();
        m_ymd->clear();
        return;
    }
    const std::int32_t days = *last - *first;
    const std::int32_t sign = days < 0 ? -1 : 1;
    m_days->setText(QString::number(days));
    m_weeks->setText(
        tr("%1 weeks and %2 days").arg(sign * (sign * days / 7)).arg(sign * (sign * days % 7)));
    m_ymd->setText(span ? tr("%1 years, %2 months and %3 days")
                              .arg(span->nYears)
                              .arg(span->nMonths)
                              .arg(span->nDays)
                        : tr("A day has no date in that calendar."));
}

void CCountDaysDialog::RecountAge() {
    if (!m_ageDays)
        return;
    m_ageDays->clear();
    m_firstResult = CJulianDay();
    m_lastResult = CJulianDay();
    m_showFirst->setEnabled(false);
    m_showLast->setEnabled(false);
    const CAge age{AgePart(m_age[0]), AgePart(m_age[1]), AgePart(m_age[2])};
    const auto day = m_ageDay->Day();
    if (!day) {
        m_ageSummary->setText(FromCp1252(LoadResString(IDS_ILLEGAL_DATE)));
        return;
    }
    if (!age.nYears && !age.nMonths && !age.nDays) {
        m_ageSummary->setText(tr("Give an age in years, months or days; the smallest part given "
                                 "is its precision."));
        return;
    }
    const int choice = std::max(0, m_reckoning->currentIndex());
    const CSpanReckoning reckoning{kReckonings[choice], m_panel.GetCivilUse().nReformDay};
    const CDayRange range =
        DaysAtAge(*day, age, m_before->isChecked() ? EAgeSide::Before : EAgeSide::After, reckoning);
    if (range.first.GetDayNumber() == 0) {
        m_ageSummary->setText(tr("No day gives this age."));
        return;
    }
    m_firstResult = range.first;
    m_lastResult = range.last;
    const std::int32_t count = range.last - range.first + 1;
    QString summary =
        count == 1 ? tr("One day: %1 %2.")
                         .arg(WeekdayName(range.first),
                              RowDateText(m_panel.GetCivilUse().Row(range.first), range.first))
                   : tr("%1 days, from %2 to %3.")
                         .arg(count)
                         .arg(RowDateText(m_panel.GetCivilUse().Row(range.first), range.first),
                              RowDateText(m_panel.GetCivilUse().Row(range.last), range.last));
    if (range.bCut)
        summary +=
            QLatin1Char(' ') + (m_before->isChecked()
                                    ? tr("More days would fit before the first supported day.")
                                    : tr("More days would fit after the last supported day."));
    if (kReckonings[choice] == ESpanCalendar::Jewish && count > 1)
        summary += QLatin1Char(' ') + tr("Adar I and Adar II both become Adar in a common year: "
                                         "some days between may not give this age.");
    m_ageSummary->setText(summary);
    for (const CalendarRow row : kAllRows) {
        auto* item = new QTreeWidgetItem(m_ageDays);
        item->setText(0, RowCalendarName(row));
        item->setText(1, RowDateText(row, range.first));
        item->setText(2, RowDateText(row, range.last));
    }
    auto* number = new QTreeWidgetItem(m_ageDays);
    number->setText(0, tr("Day number"));
    number->setText(1, QString::number(range.first.GetDayNumber()));
    number->setText(2, QString::number(range.last.GetDayNumber()));
    m_showFirst->setEnabled(true);
    m_showLast->setEnabled(true);
}

void CCountDaysDialog::MovePanel(const CJulianDay& day) {
    if (day.GetDayNumber() != 0)
        m_panel.GoToRowDay(m_panel.GetCivilUse().Row(day), day);
}

void RunCountDaysDialog(QWidget* parent, CCountDaysDialog*& kept, CCalendarPanel& panel,
                        CHelpLauncher& help) {
    if (!kept)
        kept = new CCountDaysDialog(panel, help, parent);
    kept->exec();
}
