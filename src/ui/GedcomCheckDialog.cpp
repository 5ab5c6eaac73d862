#include "GedcomCheckDialog.h"

#include "HelpWindow.h"
#include "Language.h"
#include "ListWindows.h"
#include "ReformDialog.h"
#include "TextBridge.h"

#ifndef Q_MOC_RUN
#include "gedcom/GedcomFix.h"
#include "settings/RecentFiles.h"
#include "text/StringTable.h"
#endif

#include <QAbstractTableModel>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <bit>
#include <fstream>

namespace {

// Every finding that is a problem, for "Lines with problems".
constexpr unsigned kProblemFindings = ((1u << kGedcomFindingCount) - 1) & ~kGedcomNotProblems;

std::int64_t FindingCount(const CGedcomCheckModel& model, unsigned finding) {
    return model.FindingCount(std::countr_zero(finding));
}

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

std::vector<std::string> Utf8Fields(const QStringList& texts) {
    std::vector<std::string> fields;
    fields.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts)
        fields.push_back(Utf8(text));
    return fields;
}

// The reform's first Gregorian day as the window writes dates.
QString ReformText(std::int32_t reformDay) {
    return FromCp1252(GedcomCivilText(reformDay, {reformDay}));
}

// What a Save writes for the row: with the Julian box ticked, its dates
// before the reform made Julian too.
QString SuggestionText(const CGedcomCheckModel& model, const CGedcomCheckRow& row, bool julian) {
    if (julian && (row.nFindings & kGedcomGregorianBefore1582) && !row.strWhole.empty()) {
        CGedcomFixOptions options;
        options.bJulianBefore1582 = true;
        options.nReformDay = model.ReformDay();
        if (const auto repaired = RepairedGedcomValue(row.strWhole, model.Version(), options))
            return QString::fromStdString(*repaired);
    }
    return QString::fromStdString(row.strSuggestion);
}

QString CellText(const CGedcomCheckModel& model, const CGedcomCheckRow& row,
                 EGedcomCheckColumn column, bool julian) {
    switch (column) {
    case EGedcomCheckColumn::Line:
        return QString::number(row.nLine);
    case EGedcomCheckColumn::Record:
        return QString::fromStdString(row.strRecord);
    case EGedcomCheckColumn::Event:
        return QString::fromStdString(row.strEvent);
    case EGedcomCheckColumn::Value:
        return QString::fromStdString(row.strValue);
    case EGedcomCheckColumn::Suggestion:
        return SuggestionText(model, row, julian);
    case EGedcomCheckColumn::Status:
        return CGedcomCheckDialog::StatusText(row.nFindings, model.ReformDay());
    case EGedcomCheckColumn::Civil:
        return FromCp1252(GedcomCheckDaysText(row, {model.ReformDay()}));
    }
    return {};
}

QString ColumnTitle(EGedcomCheckColumn column) {
    switch (column) {
    case EGedcomCheckColumn::Line:
        return CGedcomCheckDialog::tr("Line");
    case EGedcomCheckColumn::Record:
        return CGedcomCheckDialog::tr("Record");
    case EGedcomCheckColumn::Event:
        return CGedcomCheckDialog::tr("Event");
    case EGedcomCheckColumn::Value:
        return CGedcomCheckDialog::tr("Value");
    case EGedcomCheckColumn::Suggestion:
        return CGedcomCheckDialog::tr("Suggestion");
    case EGedcomCheckColumn::Status:
        return CGedcomCheckDialog::tr("Status");
    case EGedcomCheckColumn::Civil:
        return CGedcomCheckDialog::tr("Days");
    }
    return {};
}

QStringList PathList(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths)
        list << QFile::decodeName(QByteArray::fromStdString(path));
    return list;
}

} // namespace

// The list's rows and columns over the core model; the order and the filter
// live there, the texts are made here, for the rows Qt asks for.
class CGedcomCheckTable : public QAbstractTableModel {
public:
    CGedcomCheckTable(CGedcomCheckModel& model, QObject* parent)
        : QAbstractTableModel(parent), m_model(model) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_model.RowCount());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : kGedcomCheckColumns;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount({}))
            return {};
        const CGedcomCheckRow& row = m_model.Row(static_cast<std::size_t>(index.row()));
        const auto column = static_cast<EGedcomCheckColumn>(index.column());
        if (role == Qt::TextAlignmentRole && column == EGedcomCheckColumn::Line)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        return CellText(m_model, row, column, m_bJulian);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return ColumnTitle(static_cast<EGedcomCheckColumn>(section));
    }

    void sort(int column, Qt::SortOrder order) override {
        if (column < 0 || column >= kGedcomCheckColumns)
            return;
        beginResetModel();
        m_model.Sort(static_cast<EGedcomCheckColumn>(column), order == Qt::AscendingOrder);
        endResetModel();
    }

    void SetFindingFilter(unsigned findings) {
        beginResetModel();
        m_model.SetFindingFilter(findings);
        endResetModel();
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }
    void SetJulian(bool julian) {
        m_bJulian = julian;
        Retranslate();
    }
    void Retranslate() {
        emit headerDataChanged(Qt::Horizontal, 0, kGedcomCheckColumns - 1);
        if (rowCount({}) > 0)
            emit dataChanged(index(0, 0), index(rowCount({}) - 1, kGedcomCheckColumns - 1));
    }

private:
    CGedcomCheckModel& m_model;
    bool m_bJulian = false;
};

CGedcomCheckDialog::CGedcomCheckDialog(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent)
    : QDialog(parent), m_panel(panel) {
    m_warn = [this](const QString& text) { ShowDialogWarning(this, text); };
    m_notice = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    m_chooseTarget = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Save a Repaired Copy"), suggested,
                                            tr("GEDCOM files (*.ged *.GED);;All files (*)"));
    };
    m_chooseExport = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Export the List"), suggested,
                                            tr("CSV files (*.csv);;All files (*)"));
    };
    CreateControls(help);
    RetranslateUi();
    InstallHelpKey(this, help, EHelpTrigger::GedcomCheckDialog);
}

CGedcomCheckDialog::~CGedcomCheckDialog() = default;

void CGedcomCheckDialog::CreateControls(CHelpLauncher& help) {
    const CDialogUnits units = DialogUnitsOf(this);

    m_tableModel = new CGedcomCheckTable(m_model, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("gedcomList"));
    m_table->setModel(m_tableModel);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Rows of one height need no measuring: a long list fills at once.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    // One line a row, no taller than the text needs: a screenful shows many.
    m_table->verticalHeader()->setMinimumSectionSize(m_table->fontMetrics().height() + 2);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 2);
    const std::pair<EGedcomCheckColumn, int> widths[] = {
        {EGedcomCheckColumn::Line, 30},       {EGedcomCheckColumn::Record, 95},
        {EGedcomCheckColumn::Event, 50},      {EGedcomCheckColumn::Value, 95},
        {EGedcomCheckColumn::Suggestion, 95}, {EGedcomCheckColumn::Status, 130}};
    for (const auto& [column, width] : widths)
        m_table->setColumnWidth(static_cast<int>(column), units.ToPixelsX(width));
    m_table->setMinimumSize(units.ToPixelsX(620), units.ToPixelsY(270));

    // The list's own commands, in its context menu; Ctrl+C there copies.
    m_copyAction = new QAction(this);
    m_copyAction->setObjectName(QStringLiteral("copyLines"));
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setShortcutContext(Qt::WidgetShortcut);
    m_exportAction = new QAction(this);
    m_exportAction->setObjectName(QStringLiteral("exportList"));
    m_showDayAction = new QAction(this);
    m_showDayAction->setObjectName(QStringLiteral("showDay"));
    m_table->addActions({m_copyAction, m_exportAction, m_showDayAction});
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);

    m_showLabel = new QLabel(this);
    m_show = new QComboBox(this);
    m_show->setObjectName(QStringLiteral("showFindings"));
    m_show->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_showLabel->setBuddy(m_show);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_findings = new QLabel(this);
    m_findings->setObjectName(QStringLiteral("findings"));
    m_findings->setWordWrap(true);
    m_findings->setTextFormat(Qt::PlainText);

    m_julian = new QCheckBox(this);
    m_julian->setObjectName(QStringLiteral("julianBefore1582"));
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("saveRepaired"));
    // No default button: Enter belongs to the list (see keyPressEvent).
    m_save->setAutoDefault(false);
    m_export = new QPushButton(this);
    m_export->setObjectName(QStringLiteral("exportButton"));
    m_export->setAutoDefault(false);
    m_helpButton = MakeHelpButton(this);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("ctl2"));
    m_close->setAutoDefault(false);

    auto* show = new QHBoxLayout;
    show->addWidget(m_showLabel);
    show->addWidget(m_show);
    show->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_julian);
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(show);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_findings);
    layout->addLayout(buttons);

    connect(m_show, &QComboBox::activated, this, [this] { OnShowChosen(); });
    connect(m_table, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { OnActivated(index.row()); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { UpdateShowDayState(); });
    connect(m_tableModel, &QAbstractItemModel::modelReset, this, [this] { UpdateShowDayState(); });
    connect(m_copyAction, &QAction::triggered, this, [this] { CopySelection(); });
    connect(m_exportAction, &QAction::triggered, this, [this] { Export(); });
    connect(m_export, &QPushButton::clicked, this, [this] { Export(); });
    connect(m_showDayAction, &QAction::triggered, this,
            [this] { OnActivated(m_table->currentIndex().row()); });
    connect(m_julian, &QCheckBox::toggled, this, [this] {
        UpdateSaveState();
        m_tableModel->SetJulian(m_julian->isEnabled() && m_julian->isChecked());
    });
    connect(m_save, &QPushButton::clicked, this, [this] { SaveRepairedCopy(); });
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, [this] {
        if (m_save->isEnabled())
            SaveRepairedCopy();
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    ConnectHelpButton(m_helpButton, help, EHelpTrigger::GedcomCheckDialog);
}

void CGedcomCheckDialog::RetranslateUi() {
    setWindowTitle(tr("Check a family tree file"));
    m_showLabel->setText(tr("&Show:"));
    const QString reform = ReformText(m_model.ReformDay());
    m_julian->setText(tr("Also make dates before %1 &Julian").arg(reform));
    m_julian->setToolTip(tr("For a file known to mean the old reckoning: the copy also gives the "
                            "Julian escape to the dates before %1 that name no calendar, as the "
                            "Suggestion column shows while this is ticked.")
                             .arg(reform));
    m_save->setText(tr("Save a &Repaired Copy…"));
    m_close->setText(tr("Close"));
    m_export->setText(tr("&Export…"));
    m_export->setToolTip(tr("Saves the lines shown, in their order, as a CSV file."));
    m_copyAction->setText(tr("&Copy"));
    m_exportAction->setText(tr("&Export…"));
    m_showDayAction->setText(tr("&Show the Day"));
    SetHelpButtonText(m_helpButton);
    m_tableModel->Retranslate();
    UpdateSummary();
}

void CGedcomCheckDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

// Enter never closes the list: in it Enter shows the day (the view's
// activation), on a focused button it presses that button, elsewhere nothing.
void CGedcomCheckDialog::keyPressEvent(QKeyEvent* event) {
    if (!TakeEnter(focusWidget(), event))
        QDialog::keyPressEvent(event);
}

QString CGedcomCheckDialog::FindingPhrase(int bit, std::int32_t reformDay) {
    switch (bit < 0 || bit >= kGedcomFindingCount ? 0u : 1u << bit) {
    case kGedcomNonstandard:
        return tr("not standard: see the suggestion");
    case kGedcomOldStyle:
        return tr("dual year of the old style, read as Julian");
    case kGedcomExtension:
        return tr("extension calendar: right, no days");
    case kGedcomUnreadable:
        return tr("not a date value");
    case kGedcomPhrase:
        return tr("a phrase, no date");
    case kGedcomNoSuchDay:
        return tr("no such day in its calendar");
    case kGedcomOutsideRange:
        return tr("outside the calendars' range");
    case kGedcomDualYearMisplaced:
        return tr("dual year out of place");
    case kGedcomReversed:
        return tr("ends before it starts");
    case kGedcomGregorianBefore1582:
        return tr("Gregorian before the reform of %1").arg(ReformText(reformDay));
    default:
        return {};
    }
}

QString CGedcomCheckDialog::FindingName(int bit, std::int32_t reformDay) {
    switch (bit < 0 || bit >= kGedcomFindingCount ? 0u : 1u << bit) {
    case kGedcomNonstandard:
        return tr("nonstandard");
    case kGedcomOldStyle:
        return tr("old style");
    case kGedcomExtension:
        return tr("extension");
    case kGedcomUnreadable:
        return tr("unreadable");
    case kGedcomPhrase:
        return tr("phrase");
    case kGedcomNoSuchDay:
        return tr("no such day");
    case kGedcomOutsideRange:
        return tr("outside the range");
    case kGedcomDualYearMisplaced:
        return tr("misplaced dual year");
    case kGedcomReversed:
        return tr("reversed");
    case kGedcomGregorianBefore1582:
        return tr("Gregorian before %1").arg(ReformText(reformDay));
    default:
        return {};
    }
}

QString CGedcomCheckDialog::StatusText(unsigned findings, std::int32_t reformDay) {
    if (findings == 0)
        return tr("correct");
    QStringList phrases;
    for (int bit = 0; bit < kGedcomFindingCount; ++bit) {
        if (findings & (1u << bit))
            phrases << FindingPhrase(bit, reformDay);
    }
    return phrases.join(QStringLiteral("; "));
}

QString CGedcomCheckDialog::ErrorText(EGedcomFileError error, std::int64_t line,
                                      const QString& file) {
    return error == EGedcomFileError::None ? QString()
                                           : FileSentence(GedcomFileErrorText(error), file, line);
}

EGedcomLoad CGedcomCheckDialog::Load(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in || QFileInfo(path).isDir()) {
        m_warn(FileSentence(IDS_CANNOT_OPEN, name));
        return EGedcomLoad::Failed;
    }
    const double size = static_cast<double>(std::max<qint64>(QFileInfo(path).size(), 1));
    CGedcomFileReader reader(in);
    reader.TrackRecords(true);
    const unsigned filter = m_model.FindingFilter();
    m_model = CGedcomCheckModel();
    m_model.SetFindingFilter(filter);
    // Dates worth knowing as Gregorian before the reform the panel follows.
    m_model.SetReformDay(m_panel.GetCivilUse().nReformDay);

    QWidget* owner = parentWidget() ? parentWidget()->window() : this;
    QProgressDialog progress(tr("Reading %1…").arg(name), tr("Cancel"), 0, 1000, owner);
    SetUpProgress(progress, QStringLiteral("gedcomProgress"), tr("Check a family tree file"), 500);
    bool more = true;
    while (more) {
        more = m_model.ReadSlice(reader, m_nSlice);
        progress.setValue(
            static_cast<int>(1000.0 * static_cast<double>(reader.BytesRead()) / size));
        // The event loop turns between slices: the window repaints and Cancel is heard.
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            break;
    }
    const bool failed = reader.Error() != EGedcomFileError::None;
    if (more || failed) {
        m_model = CGedcomCheckModel();
        m_model.SetFindingFilter(filter);
        m_strFile.clear();
        m_strPath.clear();
        m_tableModel->Reset();
        UpdateSummary();
        progress.close();
        if (!failed)
            return EGedcomLoad::Cancelled;
        m_warn(ErrorText(reader.Error(), reader.ErrorLine(), name));
        return EGedcomLoad::Failed;
    }
    m_strFile = name;
    m_strPath = path;
    RetranslateUi();
    m_tableModel->SetJulian(m_julian->isEnabled() && m_julian->isChecked());
    // The list takes the keys first: Enter there shows a day, never saves.
    m_table->setFocus();
    const QHeaderView* header = m_table->horizontalHeader();
    m_tableModel->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    UpdateSummary();
    return EGedcomLoad::Loaded;
}

void CGedcomCheckDialog::UpdateSummary() {
    UpdateShowChoices();
    UpdateSaveState();
    if (m_strFile.isEmpty()) {
        m_summary->clear();
        m_findings->clear();
        return;
    }
    QString text =
        tr("%1: %2 date lines, %3 correct, %4 with problems, %5 right but worth "
           "knowing.")
            .arg(m_strFile, GroupedCount(m_model.DateCount()), GroupedCount(m_model.OkCount()),
                 GroupedCount(m_model.ProblemCount()), GroupedCount(m_model.ApartCount()));
    if (m_model.IsAnsel())
        text += QLatin1Char(' ') +
                tr("The file is in ANSEL: its dates were read, its other texts were not.");
    if (m_model.IsCapped())
        text += QLatin1Char(' ') + tr("The list keeps the first %1 correct lines and the first %2 "
                                      "lines with problems; the counts cover the whole file.")
                                       .arg(GroupedCount(CGedcomCheckModel::kMaxOkRows),
                                            GroupedCount(CGedcomCheckModel::kMaxProblemRows));
    m_summary->setText(text);
    // The kinds found, problems first, then what is right but worth knowing.
    QStringList problems;
    QStringList apart;
    for (int bit = 0; bit < kGedcomFindingCount; ++bit) {
        if (const std::int64_t count = m_model.FindingCount(bit); count > 0)
            ((1u << bit) & kGedcomNotProblems ? apart : problems)
                << tr("%1 (%2)").arg(FindingName(bit, m_model.ReformDay()), GroupedCount(count));
    }
    QStringList findings;
    if (!problems.isEmpty())
        findings << tr("Problems: %1.").arg(problems.join(tr(", ")));
    if (!apart.isEmpty())
        findings << tr("Right but worth knowing: %1.").arg(apart.join(tr(", ")));
    m_findings->setText(findings.join(QLatin1Char(' ')));
    m_findings->setVisible(!findings.isEmpty());
}

// "All lines", "Lines with problems", then each kind found, with its count.
void CGedcomCheckDialog::UpdateShowChoices() {
    const unsigned filter = m_model.FindingFilter();
    m_show->clear();
    m_show->addItem(tr("All lines (%1)").arg(GroupedCount(m_model.DateCount())), 0u);
    m_show->addItem(tr("Lines with problems (%1)").arg(GroupedCount(m_model.ProblemCount())),
                    kProblemFindings);
    for (int bit = 0; bit < kGedcomFindingCount; ++bit) {
        if (const std::int64_t count = m_model.FindingCount(bit); count > 0) {
            QString name = FindingName(bit, m_model.ReformDay());
            name[0] = name[0].toUpper();
            m_show->addItem(tr("%1 (%2)").arg(name, GroupedCount(count)), 1u << bit);
        }
    }
    const int index = m_show->findData(filter);
    m_show->setCurrentIndex(index < 0 ? 0 : index);
    if (index < 0 && filter != 0)
        m_tableModel->SetFindingFilter(0);
}

void CGedcomCheckDialog::OnShowChosen() {
    m_tableModel->SetFindingFilter(m_show->currentData().toUInt());
}

void CGedcomCheckDialog::UpdateSaveState() {
    const bool before1582 = FindingCount(m_model, kGedcomGregorianBefore1582) > 0;
    const bool repairable = FindingCount(m_model, kGedcomNonstandard) > 0 ||
                            FindingCount(m_model, kGedcomOldStyle) > 0 ||
                            (before1582 && m_julian->isChecked());
    m_julian->setEnabled(before1582);
    m_save->setEnabled(repairable);
    m_save->setToolTip(
        repairable ? tr("Writes a copy of the file with each value that has a sure standard form "
                        "replaced by it; the file itself is left as it is (Ctrl+S).")
                   : tr("Nothing to repair: no value of this file has a sure standard form."));
}

void CGedcomCheckDialog::UpdateShowDayState() {
    const int row = m_table->currentIndex().row();
    m_showDayAction->setEnabled(row >= 0 && static_cast<std::size_t>(row) < m_model.RowCount() &&
                                GedcomCheckRowDay(m_model.Row(static_cast<std::size_t>(row))));
    m_export->setEnabled(m_model.RowCount() > 0);
    m_exportAction->setEnabled(m_model.RowCount() > 0);
}

QStringList CGedcomCheckDialog::ColumnTitles() {
    QStringList titles;
    for (int column = 0; column < kGedcomCheckColumns; ++column)
        titles << ColumnTitle(static_cast<EGedcomCheckColumn>(column));
    return titles;
}

QStringList CGedcomCheckDialog::RowTexts(std::size_t row) const {
    QStringList texts;
    if (row >= m_model.RowCount())
        return texts;
    for (int column = 0; column < kGedcomCheckColumns; ++column)
        texts << CellText(m_model, m_model.Row(row), static_cast<EGedcomCheckColumn>(column),
                          m_julian->isEnabled() && m_julian->isChecked());
    return texts;
}

void CGedcomCheckDialog::CopySelection() {
    const QModelIndexList rows = SelectedRowsInOrder(m_table);
    if (rows.isEmpty())
        return;
    std::string text;
    AppendTsvRow(text, Utf8Fields(ColumnTitles()));
    for (const QModelIndex& index : rows)
        AppendTsvRow(text, Utf8Fields(RowTexts(static_cast<std::size_t>(index.row()))));
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

EGedcomSave CGedcomCheckDialog::Export() {
    if (m_strPath.isEmpty() || m_model.RowCount() == 0)
        return EGedcomSave::Failed;
    const QFileInfo source(m_strPath);
    const QString target =
        m_chooseExport(source.dir().filePath(source.completeBaseName() + QStringLiteral(".csv")));
    if (target.isEmpty())
        return EGedcomSave::Cancelled;
    const QString targetName = QFileInfo(target).fileName();
    if (QFileInfo(target).absoluteFilePath() == source.absoluteFilePath()) {
        m_warn(tr("The list cannot replace the file it lists (%1): choose another name.")
                   .arg(m_strFile));
        return EGedcomSave::Failed;
    }
    CAtomicFile file(LocalName(target));
    if (!file.IsOpen()) {
        m_warn(FileSentence(IDS_CANNOT_WRITE, targetName));
        return EGedcomSave::Failed;
    }
    std::string text;
    AppendCsvRow(text, Utf8Fields(ColumnTitles()));
    if (!WriteRows(file, std::move(text), m_model.RowCount(),
                   [this](std::string& out, std::size_t row) {
                       AppendCsvRow(out, Utf8Fields(RowTexts(row)));
                   })) {
        m_warn(FileSentence(IDS_CANNOT_WRITE, targetName));
        return EGedcomSave::Failed;
    }
    QString notice = tr("%1 written: %2 lines.")
                         .arg(QDir::toNativeSeparators(target),
                              GroupedCount(static_cast<std::int64_t>(m_model.RowCount())));
    notice +=
        QLatin1Char(' ') + (m_model.FindingFilter() != 0
                                ? tr("Only the lines shown: %1.").arg(m_show->currentText())
                                : tr("Every line of the list, none left out by the Show choice."));
    m_notice(notice);
    return EGedcomSave::Saved;
}

void CGedcomCheckDialog::OnActivated(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_model.RowCount())
        return;
    const CGedcomCheckRow& line = m_model.Row(static_cast<std::size_t>(row));
    if (const auto day = GedcomCheckRowDay(line))
        m_panel.GoToRowDay(GedcomCheckRowCalendar(line, m_panel.GetCivilUse()), *day);
}

QString CGedcomCheckDialog::ChangesPath(const QString& copy) {
    return copy + QStringLiteral(".changes.txt");
}

EGedcomSave CGedcomCheckDialog::SaveRepairedCopy() {
    if (m_strPath.isEmpty())
        return EGedcomSave::Failed;
    const QFileInfo source(m_strPath);
    const QString suggested =
        source.dir().filePath(source.completeBaseName() + QStringLiteral("-repaired.ged"));
    const QString target = m_chooseTarget(suggested);
    if (target.isEmpty())
        return EGedcomSave::Cancelled;
    const QString report = ChangesPath(target);
    // The copy and its report never go over the file being repaired.
    const auto isSource = [&source](const QString& path) {
        const QFileInfo info(path);
        return info.absoluteFilePath() == source.absoluteFilePath() ||
               (info.exists() && info.canonicalFilePath() == source.canonicalFilePath());
    };
    if (isSource(target) || isSource(report)) {
        m_warn(tr("A repaired copy cannot replace the file it repairs (%1): choose another name.")
                   .arg(m_strFile));
        return EGedcomSave::Failed;
    }
    const QString targetName = QFileInfo(target).fileName();
    std::ifstream in(LocalName(m_strPath), std::ios::binary);
    if (!in) {
        m_warn(FileSentence(IDS_CANNOT_OPEN, m_strFile));
        return EGedcomSave::Failed;
    }
    // Written as the changes come, kept only for a 5.5.1 file with changes.
    CAtomicFile changes(LocalName(report));
    const std::string line = (tr("Line") + QLatin1Char('\t') + tr("Old value") + QLatin1Char('\t') +
                              tr("New value") + QLatin1Char('\n'))
                                 .toStdString();
    changes.Stream().write(line.data(), static_cast<std::streamsize>(line.size()));
    CGedcomFixOptions options;
    options.bJulianBefore1582 = m_julian->isEnabled() && m_julian->isChecked();

    const double size = static_cast<double>(std::max<qint64>(source.size(), 1));
    QProgressDialog progress(tr("Writing %1…").arg(targetName), tr("Cancel"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("gedcomProgress"));
    progress.setWindowTitle(tr("Save a Repaired Copy"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    CGedcomCopyRun run;
    run.keepGoing = [&](std::uint64_t read) {
        progress.setValue(static_cast<int>(1000.0 * static_cast<double>(read) / size));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    const CGedcomCopyResult copy =
        WriteRepairedGedcom(in, LocalName(target), options, changes.Stream(), run);
    if (copy.eEnd == EGedcomCopy::Cancelled)
        return EGedcomSave::Cancelled;
    progress.close();
    if (copy.eEnd == EGedcomCopy::Unreadable) {
        m_warn(ErrorText(copy.eError, copy.nErrorLine, m_strFile));
        return EGedcomSave::Failed;
    }
    if (copy.eEnd != EGedcomCopy::Written) {
        m_warn(FileSentence(IDS_CANNOT_WRITE, targetName));
        return EGedcomSave::Failed;
    }
    const bool withReport = copy.eVersion == EGedcomVersion::V551 && copy.nChanges > 0;
    QString notice = tr("%1 written: values replaced: %2.")
                         .arg(QDir::toNativeSeparators(target), GroupedCount(copy.nChanges));
    if (withReport) {
        if (changes.Commit())
            notice += QLatin1Char(' ') +
                      tr("The changes are listed in %1.").arg(QDir::toNativeSeparators(report));
        else
            notice += QLatin1Char(' ') + tr("The list of the changes could not be written "
                                            "beside it.");
    } else if (copy.nChanges > 0) {
        notice += QLatin1Char(' ') + tr("Each replaced value keeps its old text in a PHRASE line.");
    }
    // The list shows the copy from now on.
    Load(target);
    m_notice(notice);
    m_table->setFocus();
    return EGedcomSave::Saved;
}

EGedcomLoad RunGedcomCheckFile(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help,
                               const QString& path, const std::function<void()>& loaded) {
    // Modeless: the panel stays in use beside the list.
    auto* dialog = new CGedcomCheckDialog(panel, help, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const EGedcomLoad load = dialog->Load(path);
    if (load != EGedcomLoad::Loaded) {
        delete dialog;
        return load;
    }
    if (loaded)
        loaded();
    dialog->setModal(false);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return load;
}

QStringList RecentGedcomFiles(CSettingsStore& store) {
    return PathList(ReadRecentFiles(store, kRecentGedcomFiles));
}

void NoteRecentGedcomFile(CSettingsStore& store, const QString& path) {
    const QFileInfo info(path);
    WriteRecentFiles(store, kRecentGedcomFiles,
                     WithRecentFile(ReadRecentFiles(store, kRecentGedcomFiles),
                                    LocalName(info.absoluteFilePath())));
    WriteRecentFiles(store, kGedcomFolder, {LocalName(info.absolutePath())});
}

void ForgetRecentGedcomFile(CSettingsStore& store, const QString& path) {
    WriteRecentFiles(
        store, kRecentGedcomFiles,
        WithoutRecentFile(ReadRecentFiles(store, kRecentGedcomFiles), LocalName(path)));
}

QString ChooseGedcomFile(QWidget* parent, CSettingsStore& store) {
    // The folder last used, else that of the file checked last.
    QStringList folders = PathList(ReadRecentFiles(store, kGedcomFolder));
    for (const QString& file : RecentGedcomFiles(store))
        folders << QFileInfo(file).absolutePath();
    QString start;
    for (const QString& folder : folders) {
        if (QFileInfo(folder).isDir()) {
            start = folder;
            break;
        }
    }
    const QString path = QFileDialog::getOpenFileName(
        parent, CGedcomCheckDialog::tr("Check a family tree file"), start,
        CGedcomCheckDialog::tr("GEDCOM files (*.ged *.GED);;All files (*)"));
    if (!path.isEmpty())
        WriteRecentFiles(store, kGedcomFolder, {LocalName(QFileInfo(path).absolutePath())});
    return path;
}

void RunGedcomCheck(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help) {
    const QString path = QFileDialog::getOpenFileName(
        parent, CGedcomCheckDialog::tr("Check a family tree file"), QString(),
        CGedcomCheckDialog::tr("GEDCOM files (*.ged *.GED);;All files (*)"));
    if (!path.isEmpty())
        RunGedcomCheckFile(parent, panel, help, path);
}
