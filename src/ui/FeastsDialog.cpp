#include "FeastsDialog.h"

#include "ChurchYearBox.h"

#include "HelpWindow.h"
#include "Icons.h"
#include "ReformDialog.h"
#include "TextBridge.h"
#include "panel/CalendarPanel.h"
#include "panel/DateCommands.h"
#include "text/StringTable.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kIndicatorSize = 20;

const char* const kFeastLabels[FEAST_COUNT] = {QT_TRANSLATE_NOOP("CFeastsDialog", "Ash Wednesday"),
                                               QT_TRANSLATE_NOOP("CFeastsDialog", "Easter"),
                                               QT_TRANSLATE_NOOP("CFeastsDialog", "Ascension"),
                                               QT_TRANSLATE_NOOP("CFeastsDialog", "Pentecost")};
const char* const kDisplayTips[FEAST_COUNT] = {
    QT_TRANSLATE_NOOP("CFeastsDialog", "Display Ash Wednesday day"),
    QT_TRANSLATE_NOOP("CFeastsDialog", "Display Easter day"),
    QT_TRANSLATE_NOOP("CFeastsDialog", "Display Ascension day"),
    QT_TRANSLATE_NOOP("CFeastsDialog", "Display Pentecost day")};
// Control ids of the date boxes and of the display buttons, by feast.
constexpr int kFeastEditIds[FEAST_COUNT] = {1038, 1039, 1040, 1041};
constexpr int kDisplayIds[FEAST_COUNT] = {1059, 1056, 1057, 1058};

QLabel* MakeIndicator(QWidget* parent, QuindorIcon icon) {
    auto* label = new QLabel(parent);
    label->setPixmap(MakePixmap(icon, kIndicatorSize, parent->devicePixelRatioF()));
    label->setFixedSize(kIndicatorSize, kIndicatorSize);
    label->hide();
    return label;
}

} // namespace

CFeastsDialog::CFeastsDialog(std::int32_t startYear, const CJulianDay& reformStart,
                             CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent)
    : QDialog(parent), m_panel(panel), m_model(startYear, reformStart) {
    m_warn = [this](const QString& text) { ShowDialogWarning(this, text); };
    m_churchYear = new CChurchYearBox(panel, reformStart, this);
    CreateControls(help);
    RetranslateUi();
    WriteForm();
    InstallHelpKey(this, help, EHelpTrigger::MovableFeastsDialog);
}

CFeastsDialog::~CFeastsDialog() {
    // Focus leaving the year box while the dialog is torn down must not reach the model.
    m_year->removeEventFilter(this);
}

QLineEdit* CFeastsDialog::FeastEdit(EFeast feast) const {
    return feast >= 0 && feast < FEAST_COUNT ? m_feasts[feast] : nullptr;
}

QAbstractButton* CFeastsDialog::DisplayButton(EFeast feast) const {
    return feast >= 0 && feast < FEAST_COUNT ? m_displays[feast] : nullptr;
}

void CFeastsDialog::CreateControls(CHelpLauncher& help) {
    const CDialogUnits units = DialogUnitsOf(this);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);

    m_year = new QLineEdit(this);
    m_year->setObjectName(QStringLiteral("ctl1036"));
    m_year->setFixedWidth(units.ToPixelsX(36));
    m_year->installEventFilter(this);
    m_yearLabel = new QLabel(this);
    m_yearLabel->setBuddy(m_year);

    // The two indicators share one place beside the year; at most one shows.
    auto* indicators = new QWidget(this);
    indicators->setFixedSize(kIndicatorSize, kIndicatorSize);
    m_gregorian = MakeIndicator(indicators, QuindorIcon::Gregorian);
    m_gregorian->setObjectName(QStringLiteral("ctl1060"));
    m_julian = MakeIndicator(indicators, QuindorIcon::Julian);
    m_julian->setObjectName(QStringLiteral("ctl1061"));

    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(m_year);
    yearRow->addWidget(indicators);
    yearRow->addStretch(1);
    grid->addWidget(m_yearLabel, 0, 0);
    grid->addLayout(yearRow, 0, 1);
    // A little air between the year and the dates computed from it.
    grid->setRowMinimumHeight(1, units.ToPixelsY(2));

    for (int f = 0; f < FEAST_COUNT; ++f) {
        const auto feast = static_cast<EFeast>(f);
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setObjectName(QStringLiteral("ctl%1").arg(kFeastEditIds[f]));
        // "06 September 2008" with a little room to spare.
        edit->setMinimumWidth(units.ToPixelsX(80));
        m_feasts[f] = edit;
        auto* label = new QLabel(this);
        label->setBuddy(edit);
        m_feastLabels[f] = label;
        QAbstractButton* display = MakeIconButton(this, MakeIcon(QuindorIcon::Today), QString());
        display->setObjectName(QStringLiteral("ctl%1").arg(kDisplayIds[f]));
        m_displays[f] = display;
        connect(display, &QAbstractButton::clicked, this, [this, feast] { OnDisplay(feast); });
        grid->addWidget(label, f + 2, 0);
        grid->addWidget(edit, f + 2, 1);
        grid->addWidget(display, f + 2, 2);
    }

    // Why the dates stay empty for a year out of range.
    m_rangeNote = new QLabel(this);
    m_rangeNote->setObjectName(QStringLiteral("rangeNote"));
    m_rangeNote->setWordWrap(true);
    m_rangeNote->hide();
    grid->addWidget(m_rangeNote, FEAST_COUNT + 2, 0, 1, 3);

    m_helpButton = MakeHelpButton(this);
    m_calculate = new QPushButton(this);
    m_calculate->setObjectName(QStringLiteral("ctl1043"));
    m_calculate->setDefault(true);
    m_cancel = new QPushButton(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(units.ToPixelsY(4));
    layout->addWidget(m_churchYear, 1);
    layout->addSpacing(units.ToPixelsY(4));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_year, m_calculate);
    QWidget* previous = m_calculate;
    for (int f = 0; f < FEAST_COUNT; ++f) {
        setTabOrder(previous, m_feasts[f]);
        setTabOrder(m_feasts[f], m_displays[f]);
        previous = m_displays[f];
    }
    setTabOrder(previous, m_churchYear->DaysList());
    setTabOrder(m_churchYear->DaysList(), m_churchYear->FeastField());
    setTabOrder(m_churchYear->FeastField(), m_churchYear->ReadButton());
    setTabOrder(m_churchYear->ReadButton(), m_cancel);
    setTabOrder(m_cancel, m_helpButton);

    connect(m_calculate, &QPushButton::clicked, this, &CFeastsDialog::OnCalculate);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelpButton(m_helpButton, help, EHelpTrigger::MovableFeastsDialog);
}

void CFeastsDialog::RetranslateUi() {
    setWindowTitle(tr("Movable Christian Holy Days"));
    m_yearLabel->setText(tr("Year"));
    // The indicators say what the core calls the two calendars.
    m_gregorian->setToolTip(FromCp1252(LoadResString(IDS_GREGORIAN_CALENDAR)));
    m_julian->setToolTip(FromCp1252(LoadResString(IDS_JULIAN_CALENDAR)));
    for (int f = 0; f < FEAST_COUNT; ++f) {
        m_feastLabels[f]->setText(tr(kFeastLabels[f]));
        SetIconButtonTooltip(m_displays[f], tr(kDisplayTips[f]));
    }
    m_calculate->setText(tr("Calculate"));
    // Nothing here is stored: the dialog is closed, not cancelled.
    m_cancel->setText(tr("Close"));
    SetHelpButtonText(m_helpButton);
    WriteRangeNote();
}

void CFeastsDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

void CFeastsDialog::WriteForm() {
    const QString year = FromCp1252(m_model.GetYearText());
    if (m_year->text() != year)
        m_year->setText(year);
    for (int f = 0; f < FEAST_COUNT; ++f)
        m_feasts[f]->setText(FromCp1252(m_model.GetFeastText(static_cast<EFeast>(f))));
    m_gregorian->setVisible(m_model.IsGregorianIndicatorShown());
    m_julian->setVisible(m_model.IsJulianIndicatorShown());
    const bool computed = m_model.IsGregorianIndicatorShown() || m_model.IsJulianIndicatorShown();
    m_churchYear->SetYear(computed ? m_model.GetYear() : 0, m_model.IsGregorianReckoning());
    WriteRangeNote();
}

void CFeastsDialog::WriteRangeNote() {
    const bool outOfRange = !m_model.GetYearText().empty() &&
                            m_model.GetFeastDay(FEAST_ASH_WEDNESDAY).GetDayNumber() == 0;
    if (outOfRange)
        m_rangeNote->setText(tr("No feasts for the year %1: years from %2 to %3 can be shown.")
                                 .arg(FromCp1252(m_model.GetYearText()))
                                 .arg(kFirstFeastYear)
                                 .arg(kLastFeastYear));
    m_rangeNote->setVisible(outOfRange);
}

bool CFeastsDialog::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the year box computes it, whichever control takes the focus.
    // A context menu opening over the box is not leaving it.
    if (watched == m_year && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        m_model.SetYearText(ToCp1252(m_year->text()));
        m_model.OnYearKillFocus();
        WriteForm();
    }
    return QDialog::eventFilter(watched, event);
}

void CFeastsDialog::OnCalculate() {
    m_model.SetYearText(ToCp1252(m_year->text()));
    m_model.OnCalculate();
    WriteForm();
}

void CFeastsDialog::OnDisplay(EFeast feast) {
    const CPanelMove move = m_model.OnDisplay(feast);
    if (move.bMove)
        m_panel.GoToRowDay(move.row, move.day);
    else if (m_warn)
        m_warn(FromCp1252(move.strMessage));
}

std::int32_t PanelFeastsYear(CCalendarPanel& panel) {
    return MovableFeastsStartYear(panel);
}

void RunFeastsDialog(QWidget* parent, std::int32_t year, const CFrameSettings& settings,
                     CCalendarPanel& panel, CHelpLauncher& help) {
    CFeastsDialog dialog(year, settings.m_dtGregStart, panel, help, parent);
    dialog.exec();
}
