#include "CopyFormatDialog.h"

#include "HelpWindow.h"
#include "ReformDialog.h"
#include "TextBridge.h"
#include "calendar/JulianDay.h"
#include "calendar/RowTexts.h"
#include "panel/CalendarPanel.h"
#include "panel/PanelExchange.h"
#include "panel/PanelIds.h"
#include "text/StringTable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

// The control ids of the dialog's template, kept as object names.
constexpr int kDayIds[] = {1068, 1069};
constexpr int kMonthIds[] = {1070, 1071, 1072};
constexpr int kYearIds[] = {1073, 1074};
constexpr int kSeparatorId = 1075;
constexpr int kGedcomIds[] = {1076, 1077, 1078};
constexpr int kDualYearIds[] = {1081, 1082, 1083};

QString ControlName(int id) {
    return QStringLiteral("ctl%1").arg(id);
}

// The button of the form the copy would use: it reads a day or year form
// other than 0 as 1 and a month form other than 0 and 1 as 2, so a value
// without a button of its own still shows the choice in force.
std::int32_t FormInForce(std::int32_t form, std::int32_t last) {
    return form == 0 ? 0 : form > 0 && form < last ? form : last;
}

void Check(QButtonGroup* group, std::int32_t form) {
    const int last = static_cast<int>(group->buttons().size()) - 1;
    if (QAbstractButton* button = group->button(FormInForce(form, last)))
        button->setChecked(true);
}

} // namespace

CCopyFormatDialog::CCopyFormatDialog(CFrameSettings& settings, CSettingsStore& store,
                                     CHelpLauncher& help, QWidget* parent, CCalendarPanel* panel)
    : QDialog(parent), m_settings(settings), m_store(store), m_panel(panel) {
    CreateControls(help);
    RetranslateUi();
    // The preview is elided to the width the layout gives it, so lay out first.
    layout()->activate();
    WriteForm();
    InstallHelpKey(this, help, EHelpTrigger::CopyFormatDialog);
}

void CCopyFormatDialog::CreateControls(CHelpLauncher& help) {
    const CDialogUnits units = DialogUnitsOf(this);

    auto makeGroup = [this](std::initializer_list<const char*> texts, const int* ids,
                            QRadioButton** buttons, QButtonGroup*& group) {
        auto* box = new QGroupBox(this);
        auto* column = new QVBoxLayout(box);
        group = new QButtonGroup(this);
        int form = 0;
        for (const char* text : texts) {
            auto* button = new QRadioButton(QString::fromLatin1(text), box);
            button->setObjectName(ControlName(ids[form]));
            group->addButton(button, form);
            column->addWidget(button);
            buttons[form] = button;
            ++form;
        }
        column->addStretch(1);
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on)
                UpdatePreview();
        });
        return box;
    };
    // The month's name is the one a copy writes, in the language of the moment.
    m_dayBox = makeGroup({"3", "03"}, kDayIds, m_day.data(), m_dayGroup);
    m_monthBox = makeGroup({"6", "06", ""}, kMonthIds, m_month.data(), m_monthGroup);
    m_yearBox = makeGroup({"97", "1997"}, kYearIds, m_year.data(), m_yearGroup);
    m_gedcomBox =
        makeGroup({"", "GEDCOM 5.5.1", "GEDCOM 7.0"}, kGedcomIds, m_gedcom.data(), m_gedcomGroup);
    // Texts set in RetranslateUi.
    m_dualBox = makeGroup({"", "", ""}, kDualYearIds, m_dual.data(), m_dualGroup);
    // A GEDCOM value has its own fixed form: the other choices do not apply.
    connect(m_gedcomGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            EnableForms();
    });

    m_separator = new QComboBox(this);
    m_separator->setObjectName(ControlName(kSeparatorId));
    m_separator->setEditable(true);
    m_separator->setInsertPolicy(QComboBox::NoInsert);
    // Completion would turn a typed space into the list's space and stop there.
    m_separator->setCompleter(nullptr);
    // The space is named in the list, where a blank line would say nothing;
    // choosing it puts a real space in the box.
    m_separator->addItem(QString(), QStringLiteral(" "));
    m_separator->addItem(QStringLiteral("/"), QStringLiteral("/"));
    connect(m_separator, &QComboBox::activated, this, [this](int index) {
        m_separator->setEditText(m_separator->itemData(index).toString());
    });
    // The store keeps nine characters; the box takes no more.
    m_separator->lineEdit()->setMaxLength(static_cast<int>(kMaxCopySeparator));
    m_separator->setMinimumWidth(units.ToPixelsX(48));
    connect(m_separator, &QComboBox::editTextChanged, this, &CCopyFormatDialog::UpdatePreview);

    m_separatorLabel = new QLabel(this);
    m_separatorLabel->setBuddy(m_separator);
    auto* separatorRow = new QHBoxLayout;
    separatorRow->addWidget(m_separatorLabel);
    separatorRow->addWidget(m_separator);
    separatorRow->addStretch(1);

    // What may follow the date: texts set in RetranslateUi.
    m_appendBox = new QGroupBox(this);
    m_regnal = new QCheckBox(m_appendBox);
    m_regnal->setObjectName(QStringLiteral("regnal"));
    connect(m_regnal, &QCheckBox::toggled, this, &CCopyFormatDialog::UpdatePreview);
    m_indiction = new QComboBox(m_appendBox);
    m_indiction->setObjectName(QStringLiteral("indiction"));
    for (int choice = COPY_INDICTION_NONE; choice <= COPY_INDICTION_BEDAN; ++choice)
        m_indiction->addItem(QString());
    connect(m_indiction, &QComboBox::currentIndexChanged, this, &CCopyFormatDialog::UpdatePreview);
    m_indictionLabel = new QLabel(m_appendBox);
    m_indictionLabel->setBuddy(m_indiction);
    auto* indictionRow = new QHBoxLayout;
    indictionRow->addWidget(m_indictionLabel);
    indictionRow->addWidget(m_indiction);
    indictionRow->addStretch(1);
    auto* appendColumn = new QVBoxLayout(m_appendBox);
    appendColumn->addWidget(m_regnal);
    appendColumn->addLayout(indictionRow);

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setTextFormat(Qt::PlainText);
    // A long separator must not widen the dialog; the text is elided instead.
    m_preview->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_preview->setMinimumHeight(m_preview->fontMetrics().height());

    m_helpButton = MakeHelpButton(this);
    m_ok = new QPushButton(this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_dayBox);
    groups->addWidget(m_monthBox);
    groups->addWidget(m_yearBox);

    auto* gedcomRow = new QHBoxLayout;
    gedcomRow->addWidget(m_dualBox);
    gedcomRow->addWidget(m_gedcomBox);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(separatorRow);
    layout->addLayout(gedcomRow);
    layout->addWidget(m_appendBox);
    layout->addWidget(m_preview);
    layout->addSpacing(units.ToPixelsY(4));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &CCopyFormatDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelpButton(m_helpButton, help, EHelpTrigger::CopyFormatDialog);
}

void CCopyFormatDialog::RetranslateUi() {
    setWindowTitle(tr("Copy Format"));
    m_dayBox->setTitle(tr("Day"));
    m_monthBox->setTitle(tr("Month"));
    m_yearBox->setTitle(tr("Year"));
    m_month[2]->setText(FromCp1252(LoadResString(IDS_MONTH_FIRST + 5)));
    m_separatorLabel->setText(tr("Separator"));
    {
        // Renaming the item rewrites the box when it is the current one.
        const QString text = m_separator->currentText();
        m_separator->setItemText(0, tr("space"));
        m_separator->setEditText(text);
    }
    m_gedcomBox->setTitle(tr("Family-tree value"));
    m_gedcom[0]->setText(tr("None: the forms above"));
    m_dualBox->setTitle(tr("Dual year"));
    m_dual[COPY_DUAL_AS_SHOWN]->setText(tr("As shown (1648/49)"));
    m_dual[COPY_DUAL_MODERN]->setText(tr("Modern year (1649)"));
    m_dual[COPY_DUAL_STYLE]->setText(tr("Year of the style (1648)"));
    m_appendBox->setTitle(tr("After the date"));
    m_regnal->setText(tr("Append the regnal year of England"));
    m_indictionLabel->setText(tr("Indiction"));
    m_indiction->setItemText(COPY_INDICTION_NONE, tr("None"));
    m_indiction->setItemText(COPY_INDICTION_ROMAN, tr("Roman (from 1 January)"));
    m_indiction->setItemText(COPY_INDICTION_GREEK, tr("Greek (from 1 September)"));
    m_indiction->setItemText(COPY_INDICTION_BEDAN, tr("Bedan (from 24 September)"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    SetHelpButtonText(m_helpButton);
    UpdatePreview();
}

void CCopyFormatDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

void CCopyFormatDialog::WriteForm() {
    Check(m_dayGroup, m_settings.m_nFmtDay);
    Check(m_monthGroup, m_settings.m_nFmtMonth);
    Check(m_yearGroup, m_settings.m_nFmtYear);
    m_separator->setEditText(FromCp1252(m_settings.m_strSeparator));
    // Read as the copy reads it: an unknown value copies as shown, or
    // without an indiction.
    const CCopyFormat format = CopyFormatOf(m_settings);
    m_dualGroup->button(format.nDualYear)->setChecked(true);
    m_regnal->setChecked(format.bRegnal);
    m_indiction->setCurrentIndex(format.nIndiction);
    // Only the two versions are choices; anything else copies as before.
    const auto version = GedcomVersionOfCopy(m_settings.m_nFmtGedcom);
    m_gedcomGroup->button(version ? m_settings.m_nFmtGedcom : COPY_GEDCOM_NONE)->setChecked(true);
    EnableForms();
    UpdatePreview();
}

void CCopyFormatDialog::EnableForms() {
    const bool forms = m_gedcomGroup->checkedId() == COPY_GEDCOM_NONE;
    for (QWidget* widget : {static_cast<QWidget*>(m_dayBox), static_cast<QWidget*>(m_monthBox),
                            static_cast<QWidget*>(m_yearBox), static_cast<QWidget*>(m_dualBox),
                            static_cast<QWidget*>(m_appendBox), static_cast<QWidget*>(m_separator),
                            static_cast<QWidget*>(m_separatorLabel)})
        widget->setEnabled(forms);
}

CCopyFormat CCopyFormatDialog::FormatOfControls() const {
    CCopyFormat format;
    format.nDay = m_dayGroup->checkedId();
    format.nMonth = m_monthGroup->checkedId();
    format.nYear = m_yearGroup->checkedId();
    std::string separator = ToCp1252(m_separator->currentText());
    // A stored text ends at its first NUL, so the copy would too.
    separator = separator.substr(0, separator.find('\0'));
    if (separator.size() > kMaxCopySeparator)
        separator.resize(kMaxCopySeparator);
    format.strSeparator = separator;
    format.nGedcom = m_gedcomGroup->checkedId();
    format.nDualYear = m_dualGroup->checkedId();
    format.bRegnal = m_regnal->isChecked();
    format.nIndiction = m_indiction->currentIndex();
    format.civil = CopyFormatOf(m_settings).civil;
    return format;
}

void CCopyFormatDialog::UpdatePreview() {
    // The panel's day copied from its row in civil use, as Copy would write it.
    QString text;
    if (m_panel) {
        const CJulianDay day = m_panel->GetDayShown();
        const auto copied =
            day.GetDayNumber() != 0
                ? CopyRowText(*m_panel, m_panel->GetCivilUse().Row(day), FormatOfControls())
                : std::nullopt;
        if (copied)
            text = tr("Panel's day: %1").arg(QString::fromStdString(*copied));
    } else {
        CJulianDay today;
        today.SetToday();
        if (const auto copied = FormatDayInRow(CalendarRow::Gregorian, today, FormatOfControls()))
            text = tr("Today: %1").arg(FromCp1252(*copied));
    }
    if (text.isEmpty()) {
        m_preview->clear();
        return;
    }
    const QString full = text;
    m_preview->setText(
        m_preview->fontMetrics().elidedText(full, Qt::ElideRight, m_preview->width()));
    m_preview->setToolTip(full);
}

QRadioButton* CCopyFormatDialog::DayButton(int form) const {
    return form >= 0 && form < 2 ? m_day[static_cast<std::size_t>(form)] : nullptr;
}

QRadioButton* CCopyFormatDialog::MonthButton(int form) const {
    return form >= 0 && form < 3 ? m_month[static_cast<std::size_t>(form)] : nullptr;
}

QRadioButton* CCopyFormatDialog::YearButton(int form) const {
    return form >= 0 && form < 2 ? m_year[static_cast<std::size_t>(form)] : nullptr;
}

QRadioButton* CCopyFormatDialog::DualYearButton(int choice) const {
    return choice >= 0 && choice < 3 ? m_dual[static_cast<std::size_t>(choice)] : nullptr;
}

QRadioButton* CCopyFormatDialog::GedcomButton(int choice) const {
    return choice >= 0 && choice < 3 ? m_gedcom[static_cast<std::size_t>(choice)] : nullptr;
}

void CCopyFormatDialog::accept() {
    const CCopyFormat format = FormatOfControls();
    // The next copy uses the new format whether or not the store takes it.
    m_settings.m_nFmtDay = format.nDay;
    m_settings.m_nFmtMonth = format.nMonth;
    m_settings.m_nFmtYear = format.nYear;
    m_settings.m_strSeparator = format.strSeparator;
    m_settings.m_nFmtGedcom = format.nGedcom;
    m_settings.m_nFmtDualYear = format.nDualYear;
    m_settings.m_bFmtRegnal = format.bRegnal ? 1 : 0;
    m_settings.m_nFmtIndiction = format.nIndiction;
    for (const ESetting setting :
         {SET_FMT_JOUR, SET_FMT_MOIS, SET_FMT_ANNEE, SET_SEPARATEUR, SET_FMT_GEDCOM,
          SET_FMT_AN_DOUBLE, SET_FMT_REGNE, SET_FMT_INDICTION})
        WriteSetting(m_store, m_settings, setting);
    QDialog::accept();
}

void RunCopyFormatDialog(QWidget* parent, CFrameSettings& settings, CSettingsStore& store,
                         CHelpLauncher& help, CCalendarPanel* panel) {
    CCopyFormatDialog dialog(settings, store, help, parent, panel);
    dialog.exec();
}
