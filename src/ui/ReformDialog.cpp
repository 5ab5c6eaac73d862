#include "ReformDialog.h"

#include "HelpWindow.h"
#include "Icons.h"
#include "TextBridge.h"
#include "panel/CalendarPanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CDialogUnits DialogUnitsOf(const QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    CDialogUnits units;
    units.nCharWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    units.nCharHeight = metrics.height();
    return units;
}

QAbstractButton* MakeIconButton(QWidget* parent, const QIcon& icon, const QString& tooltip) {
    auto* button = new QPushButton(parent);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    // Square, as tall as the boxes beside it.
    QLineEdit probe;
    probe.setFont(parent->font());
    const int side = probe.sizeHint().height();
    button->setFixedSize(side + 2, side);
    SetIconButtonTooltip(button, tooltip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void SetIconButtonTooltip(QAbstractButton* button, const QString& tooltip) {
    button->setToolTip(tooltip);
    button->setAccessibleName(tooltip);
}

QAbstractButton* MakeHelpButton(QWidget* parent) {
    QAbstractButton* button = MakeIconButton(
        parent, parent->style()->standardIcon(QStyle::SP_TitleBarContextHelpButton), QString());
    button->setObjectName(QStringLiteral("ctl4"));
    SetHelpButtonText(button);
    return button;
}

void SetHelpButtonText(QAbstractButton* button) {
    SetIconButtonTooltip(button, QCoreApplication::translate("CDialogParts", "Help"));
}

void ShowDialogWarning(QWidget* dialog, const QString& text) {
    QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : dialog;
    QMessageBox::warning(owner, QString(), text);
}

CReformDialog::CReformDialog(CFrameSettings& settings, CSettingsStore& store, CCalendarPanel& panel,
                             CHelpLauncher& help, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_store(store), m_panel(panel),
      m_model(settings.m_nGregCountry, settings.m_dtGregStart, FrameYearStyle(settings)) {
    m_warn = [this](const QString& text) { ShowDialogWarning(this, text); };
    CreateControls(help);
    RetranslateUi();
    WriteForm();
    InstallHelpKey(this, help, EHelpTrigger::GregorianReformDialog);
}

CReformDialog::~CReformDialog() {
    // Focus leaving the boxes while the dialog is torn down must not reach the model.
    m_day->lineEdit()->removeEventFilter(this);
    m_month->lineEdit()->removeEventFilter(this);
}

void CReformDialog::CreateControls(CHelpLauncher& help) {
    const CDialogUnits units = DialogUnitsOf(this);

    m_country = new QComboBox(this);
    m_country->setObjectName(QStringLiteral("ctl1033"));
    m_country->setMaxVisibleItems(15);
    // Sorted by name; each item carries its position, which the model and
    // "PaysGreg" count.
    const auto& countries = CReformDialogModel::GetCountryList();
    for (const int position : CReformDialogModel::GetCountryOrder())
        m_country->addItem(FromCp1252(countries[static_cast<std::size_t>(position)]), position);

    auto makeCombo = [this](const std::vector<std::string>& list, const char* name) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(name));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr); // the model completes month names itself
        combo->setMaxVisibleItems(12);
        for (const std::string& entry : list)
            combo->addItem(FromCp1252(entry));
        // The combo, not its edit part, is what loses the focus.
        combo->installEventFilter(this);
        return combo;
    };
    m_day = makeCombo(CReformDialogModel::GetDayList(), "ctl1034");
    m_month = makeCombo(CReformDialogModel::GetMonthList(), "ctl1035");
    m_year = new QLineEdit(this);
    m_year->setObjectName(QStringLiteral("ctl1036"));

    // Room for "31", the longest month name and a four-digit year with a sign.
    m_day->setMinimumWidth(units.ToPixelsX(32));
    m_month->setMinimumWidth(units.ToPixelsX(64));
    m_year->setFixedWidth(units.ToPixelsX(36));

    // When the year began, and until when.
    m_styleLabel = new QLabel(this);
    m_style = new QComboBox(this);
    m_style->setObjectName(QStringLiteral("ctl1079"));
    for (int i = 0; i < kYearStyleCount; ++i)
        m_style->addItem(QString());
    m_styleLabel->setBuddy(m_style);
    m_styleUntilLabel = new QLabel(this);
    m_styleUntil = new QLineEdit(this);
    m_styleUntil->setObjectName(QStringLiteral("ctl1080"));
    m_styleUntil->setFixedWidth(units.ToPixelsX(36));
    m_styleUntilLabel->setBuddy(m_styleUntil);

    m_display = MakeIconButton(this, MakeIcon(QuindorIcon::Today), QString());
    m_display->setObjectName(QStringLiteral("ctl1055"));
    m_helpButton = MakeHelpButton(this);

    m_ok = new QPushButton(this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_day);
    dateRow->addWidget(m_month, 1);
    dateRow->addWidget(m_year);
    dateRow->addWidget(m_display);

    auto* styleRows = new QGridLayout;
    styleRows->addWidget(m_styleLabel, 0, 0);
    styleRows->addWidget(m_style, 0, 1, 1, 2);
    styleRows->addWidget(m_styleUntilLabel, 1, 0);
    styleRows->addWidget(m_styleUntil, 1, 1);
    styleRows->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_country);
    layout->addLayout(dateRow);
    layout->addSpacing(units.ToPixelsY(4));
    layout->addLayout(styleRows);
    layout->addSpacing(units.ToPixelsY(4));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_country, &QComboBox::activated, this, [this](int index) {
        ReadForm();
        m_model.OnCountrySelected(m_country->itemData(index).toInt());
        WriteForm();
    });
    connect(m_style, &QComboBox::activated, this, [this](int index) {
        ReadForm();
        m_model.SetYearStyle(index);
        WriteForm();
    });
    connect(m_day, &QComboBox::activated, this, [this](int index) {
        ReadForm();
        m_model.OnDaySelected(index);
        WriteForm();
    });
    connect(m_month, &QComboBox::activated, this, [this](int index) {
        ReadForm();
        m_model.OnMonthSelected(index);
        WriteForm();
    });
    connect(m_month->lineEdit(), &QLineEdit::textEdited, this, &CReformDialog::OnMonthEdited);
    connect(m_display, &QAbstractButton::clicked, this, &CReformDialog::OnDisplay);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ok, &QPushButton::clicked, this, &CReformDialog::accept);
    ConnectHelpButton(m_helpButton, help, EHelpTrigger::GregorianReformDialog);
}

void CReformDialog::RetranslateUi() {
    setWindowTitle(tr("Beginning of Gregorian Calendar"));
    SetIconButtonTooltip(m_display, tr("Display the beginning date"));
    SetHelpButtonText(m_helpButton);
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    m_styleLabel->setText(tr("&Year began on"));
    m_styleUntilLabel->setText(tr("u&ntil the end of"));
    m_styleUntil->setPlaceholderText(tr("no end"));
    const QString styles[kYearStyleCount] = {
        tr("1 January"),
        tr("25 March, after 1 January (Annunciation)"),
        tr("25 March, before 1 January (Pisan)"),
        tr("25 December (Nativity)"),
        tr("1 March (Venetian)"),
        tr("Easter"),
    };
    for (int i = 0; i < kYearStyleCount; ++i)
        m_style->setItemText(i, styles[i]);
}

void CReformDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

void CReformDialog::ReadForm() {
    m_model.SetDayText(ToCp1252(m_day->currentText()));
    m_model.SetMonthText(ToCp1252(m_month->currentText()));
    m_model.SetYearText(ToCp1252(m_year->text()));
    m_model.SetYearStyle(m_style->currentIndex());
    m_model.SetStyleUntilText(ToCp1252(m_styleUntil->text().trimmed()));
}

void CReformDialog::WriteForm() {
    const int country = m_country->findData(m_model.GetCountrySelection());
    if (m_country->currentIndex() != country)
        m_country->setCurrentIndex(country);
    // An unchanged text is left alone so the cursor stays under the user's hands.
    auto put = [](QLineEdit* edit, const std::string& text) {
        const QString value = FromCp1252(text);
        if (edit->text() != value)
            edit->setText(value);
    };
    put(m_day->lineEdit(), m_model.GetDayText());
    put(m_month->lineEdit(), m_model.GetMonthText());
    put(m_year, m_model.GetYearText());
    if (m_style->currentIndex() != m_model.GetYearStyle())
        m_style->setCurrentIndex(m_model.GetYearStyle());
    put(m_styleUntil, m_model.GetStyleUntilText());
    // 1 January has no end to give.
    const bool dated = m_model.GetYearStyle() != static_cast<int>(EYearStyle::January);
    m_styleUntil->setEnabled(dated);
    m_styleUntilLabel->setEnabled(dated);
}

bool CReformDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == m_day || watched == m_month)) {
        // A drop-down list opening is not the user leaving the box.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            ReadForm();
            if (watched == m_day)
                m_model.OnDayKillFocus();
            else
                m_model.OnMonthKillFocus();
            WriteForm();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CReformDialog::OnMonthEdited(const QString& text) {
    m_model.SetMonthText(ToCp1252(text));
    const auto selection = m_model.OnMonthEditChange();
    if (!selection)
        return;
    QLineEdit* edit = m_month->lineEdit();
    const QString completed = FromCp1252(m_model.GetMonthText());
    if (edit->text() != completed)
        edit->setText(completed);
    // Select backwards so the cursor stays after what was typed.
    const int length = selection->nEnd - selection->nStart;
    edit->setSelection(selection->nStart + length, -length);
}

void CReformDialog::OnDisplay() {
    ReadForm();
    const CPanelMove move = m_model.OnDisplayBeginning();
    WriteForm();
    if (move.bMove)
        m_panel.GoToRowDay(move.row, move.day);
    else
        Warn(move.strMessage);
}

void CReformDialog::accept() {
    ReadForm();
    const CReformChoice choice = m_model.OnOK();
    WriteForm();
    if (!choice.bAccepted) {
        Warn(choice.strMessage);
        return;
    }
    // A store that cannot be written is not reported: the new day holds for this run.
    const CYearStyle styleBefore = FrameYearStyle(m_settings);
    ApplyReformChoice(choice, m_settings, m_store);
    m_panel.RecheckCivilMarker();
    // The day shown stays; its years are written in the new style.
    if (FrameYearStyle(m_settings) != styleBefore)
        m_panel.RedisplayDay();
    // The marker's change alone does not reach the view; a form write does.
    m_panel.WriteForm();
    QDialog::accept();
}

void CReformDialog::Warn(const std::string& message) {
    if (m_warn)
        m_warn(FromCp1252(message));
}

void RunReformDialog(QWidget* parent, CFrameSettings& settings, CSettingsStore& store,
                     CCalendarPanel& panel, CHelpLauncher& help) {
    CReformDialog dialog(settings, store, panel, help, parent);
    dialog.exec();
}
