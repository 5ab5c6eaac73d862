#include "SaintsDialog.h"

#include "HelpWindow.h"
#include "Icons.h"
#include "ReformDialog.h"
#include "TextBridge.h"
#include "panel/DateCommands.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSaintsDialog::CSaintsDialog(CFrameSettings& settings, CSettingsStore& store, CCalendarPanel& panel,
                             CHelpLauncher& help, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_store(store), m_panel(panel),
      m_model(settings.m_nSaintsDlgList) {
    CreateControls(help);
    RetranslateUi();
    WriteForm();
    InstallHelpKey(this, help, EHelpTrigger::SaintsDialog);
}

CSaintsDialog::~CSaintsDialog() {
    // Focus leaving the name box while the dialog is torn down must not reach
    // the model: neither through the filter nor through the box's own
    // activation of an item equal to its text.
    m_name->removeEventFilter(this);
    disconnect(m_name, nullptr, this, nullptr);
    disconnect(m_name->lineEdit(), nullptr, this, nullptr);
}

void CSaintsDialog::CreateControls(CHelpLauncher& help) {
    const CDialogUnits units = DialogUnitsOf(this);

    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("ctl1060"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->setCompleter(nullptr); // the model completes names itself
    m_name->setMaxVisibleItems(15);
    // Wide enough for the longer names and their dates without scrolling sideways.
    m_name->setMinimumWidth(units.ToPixelsX(200));
    // The items come sorted from the model; long lists fill faster when Qt
    // need not measure every one of them.
    m_name->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The editable box takes the focus itself, its edit part is its proxy.
    m_name->installEventFilter(this);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setBuddy(m_name);

    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("ctl1061"));
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setMinimumSize(units.ToPixelsX(200), units.ToPixelsY(80));

    m_showGregorian = MakeIconButton(this, MakeIcon(QuindorIcon::Gregorian), QString());
    m_showGregorian->setObjectName(QStringLiteral("ctl1062"));
    m_showJulian = MakeIconButton(this, MakeIcon(QuindorIcon::Julian), QString());
    m_showJulian->setObjectName(QStringLiteral("ctl1063"));
    for (QAbstractButton* button : {m_showGregorian, m_showJulian})
        button->setFixedWidth(units.ToPixelsX(30));

    m_traditional = new QRadioButton(this);
    m_traditional->setObjectName(QStringLiteral("ctl1067"));
    m_present = new QRadioButton(this);
    m_present->setObjectName(QStringLiteral("ctl1068"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_traditional, 0);
    group->addButton(m_present, 1);

    m_helpButton = MakeHelpButton(this);
    m_search = new QPushButton(this);
    m_search->setObjectName(QStringLiteral("ctl3"));
    m_search->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("ctl2"));

    // The display buttons stand beside the results they act on.
    auto* showColumn = new QVBoxLayout;
    showColumn->addSpacing(units.ToPixelsY(4));
    showColumn->addWidget(m_showGregorian);
    showColumn->addSpacing(units.ToPixelsY(8));
    showColumn->addWidget(m_showJulian);
    showColumn->addStretch(1);

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_traditional);
    listRow->addSpacing(units.ToPixelsX(6));
    listRow->addWidget(m_present);
    listRow->addStretch(1);

    auto* grid = new QGridLayout;
    grid->addWidget(m_nameLabel, 0, 0, 1, 2);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(m_results, 2, 0);
    grid->addLayout(showColumn, 2, 1);
    grid->addLayout(listRow, 3, 0, 1, 2);
    grid->setRowStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_search);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(units.ToPixelsY(2));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_name, m_results);
    setTabOrder(m_results, m_showGregorian);
    setTabOrder(m_showGregorian, m_showJulian);
    setTabOrder(m_showJulian, m_traditional);
    setTabOrder(m_traditional, m_present);
    setTabOrder(m_present, m_search);
    setTabOrder(m_search, m_cancel);
    setTabOrder(m_cancel, m_helpButton);

    connect(m_name->lineEdit(), &QLineEdit::textEdited, this, &CSaintsDialog::OnNameEdited);
    connect(m_name, &QComboBox::activated, this, [this](int index) {
        ReadForm();
        m_model.OnNamePicked(index);
        WriteForm();
    });
    connect(m_search, &QPushButton::clicked, this, [this] {
        ReadForm();
        m_model.OnSearch();
        WriteForm();
    });
    connect(m_traditional, &QAbstractButton::clicked, this, [this] { OnListClicked(0); });
    connect(m_present, &QAbstractButton::clicked, this, [this] { OnListClicked(1); });
    connect(m_showGregorian, &QAbstractButton::clicked, this,
            [this] { OnShow(ESaintsCalendar::Gregorian); });
    connect(m_showJulian, &QAbstractButton::clicked, this,
            [this] { OnShow(ESaintsCalendar::Julian); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectHelpButton(m_helpButton, help, EHelpTrigger::SaintsDialog);
}

void CSaintsDialog::RetranslateUi() {
    setWindowTitle(tr("Saints' Days"));
    m_nameLabel->setText(tr("Saint's &name:"));
    m_name->lineEdit()->setPlaceholderText(tr("a name, e.g. Geneviève or Genevieve"));
    m_results->setAccessibleName(tr("Saints found"));
    SetIconButtonTooltip(m_showGregorian, tr("Display the date in Gregorian calendar"));
    SetIconButtonTooltip(m_showJulian, tr("Display the date in Julian calendar"));
    m_traditional->setText(tr("Traditional dates"));
    m_present->setText(tr("Present dates"));
    m_search->setText(tr("Search"));
    m_cancel->setText(tr("Cancel"));
    SetHelpButtonText(m_helpButton);
}

void CSaintsDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

void CSaintsDialog::ReadForm() {
    m_model.SetName(ToCp1252(m_name->currentText()));
    const QModelIndexList selected = m_results->selectionModel()->selectedIndexes();
    m_model.SetResultSelection(selected.isEmpty() ? -1 : selected.first().row());
}

void CSaintsDialog::WriteForm() {
    if (m_nNamesShown != m_model.GetNamesRevision()) {
        m_nNamesShown = m_model.GetNamesRevision();
        QStringList names;
        names.reserve(static_cast<qsizetype>(m_model.GetNames().size()));
        for (const std::string& name : m_model.GetNames())
            names << FromCp1252(name);
        const QSignalBlocker quiet(m_name);
        m_name->clear();
        m_name->addItems(names);
        m_name->setCurrentIndex(m_model.GetNameSelection());
    }
    // An unchanged text is left alone so the cursor and selection stay; the
    // comparison is made in the model's code page, where a character it
    // cannot hold reads as "?" without being rewritten.
    QLineEdit* edit = m_name->lineEdit();
    if (ToCp1252(edit->text()) != m_model.GetName())
        edit->setText(FromCp1252(m_model.GetName()));

    if (m_nResultsShown != m_model.GetSearchCount()) {
        m_nResultsShown = m_model.GetSearchCount();
        // One repaint for the whole list, however long.
        m_results->setUpdatesEnabled(false);
        m_results->clear();
        for (const CSaintsResultLine& line : m_model.GetResults())
            m_results->addItem(FromCp1252(line.strLine));
        m_results->setUpdatesEnabled(true);
    }
    const int selection = m_model.GetResultSelection();
    if (selection < 0)
        m_results->clearSelection();
    else if (m_results->currentRow() != selection || !m_results->item(selection)->isSelected())
        m_results->setCurrentRow(selection);

    m_traditional->setChecked(m_model.GetList() == 0);
    m_present->setChecked(m_model.GetList() != 0);
}

bool CSaintsDialog::eventFilter(QObject* watched, QEvent* event) {
    // A drop-down list opening is not the user leaving the box.
    if (watched == m_name && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        ReadForm();
        m_model.OnNameKillFocus();
        WriteForm();
    }
    return QDialog::eventFilter(watched, event);
}

void CSaintsDialog::OnNameEdited(const QString& text) {
    const std::string typed = ToCp1252(text);
    m_model.SetName(typed);
    const CTextSelection selection = m_model.OnNameEdited();
    if (m_model.GetName() == typed)
        return;
    QLineEdit* edit = m_name->lineEdit();
    edit->setText(FromCp1252(m_model.GetName()));
    // Select backwards so the cursor stays after what was typed.
    const int length = selection.nEnd - selection.nStart;
    edit->setSelection(selection.nStart + length, -length);
}

void CSaintsDialog::OnListClicked(std::int32_t list) {
    ReadForm();
    m_model.OnListClicked(list);
    WriteForm();
    // A store that cannot be written is not reported: the choice holds for the run.
    StoreSaintsDlgList(m_settings, m_store, m_model.GetList());
}

void CSaintsDialog::OnShow(ESaintsCalendar calendar) {
    ReadForm();
    if (const auto day = m_model.GetSelectedDay())
        ShowSaintDay(m_panel, calendar, *day);
}

void RunSaintsDialog(QWidget* parent, CFrameSettings& settings, CSettingsStore& store,
                     CCalendarPanel& panel, CHelpLauncher& help) {
    CSaintsDialog dialog(settings, store, panel, help, parent);
    dialog.exec();
}
