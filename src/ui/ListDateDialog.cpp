#include "ListDateDialog.h"

#include "HelpWindow.h"
#include "Language.h"
#include "ListWindows.h"
#include "ReformDialog.h"

#ifndef Q_MOC_RUN
#include "gedcom/GedcomFix.h"
#include "panel/PanelIds.h"
#include "text/Csv.h"
#include "text/CsvReader.h"
#include "text/StringTable.h"
#endif

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

namespace {

// The Show choices past "All rows": one certainty, or the rows to review.
constexpr int kShowAll = -1;
constexpr int kShowToReview = kClauseCertainties;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The column a list most likely keeps its clauses or its years in.
int GuessColumn(const std::vector<std::string>& header,
                std::initializer_list<std::string_view> words) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        const QString name = FromUtf8(header[i]).toLower();
        for (const std::string_view word : words)
            if (name.contains(QLatin1String(word.data(), static_cast<qsizetype>(word.size()))))
                return static_cast<int>(i);
    }
    return -1;
}

} // namespace

// The rows the Show choice keeps, their own columns then the dated ones;
// the clause column is edited in place.
class CListDateTable : public QAbstractTableModel {
public:
    explicit CListDateTable(CListDateDialog& dialog)
        : QAbstractTableModel(&dialog), m_dialog(dialog) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_dialog.m_shown.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid()
                   ? 0
                   : static_cast<int>(m_dialog.m_header.size() + kClauseListColumns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount({}))
            return {};
        const std::size_t row = m_dialog.m_shown[static_cast<std::size_t>(index.row())];
        const auto column = static_cast<std::size_t>(index.column());
        const std::size_t own = m_dialog.m_header.size();
        if (m_dialog.m_bDated && (role == Qt::BackgroundRole || role == Qt::ForegroundRole)) {
            // Rows to look at stand out, in any colour scheme.
            switch (m_dialog.m_results[row].eCertainty) {
            case EClauseCertainty::Doubtful:
                return role == Qt::BackgroundRole ? QColor(255, 236, 179) : QColor(Qt::black);
            case EClauseCertainty::Refused:
                return role == Qt::BackgroundRole ? QColor(255, 205, 210) : QColor(Qt::black);
            case EClauseCertainty::Several:
                return role == Qt::BackgroundRole ? QColor(207, 226, 255) : QColor(Qt::black);
            case EClauseCertainty::Sure:
                break;
            }
            return {};
        }
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::EditRole)
            return {};
        if (column < own) {
            const auto& fields = m_dialog.m_records[row];
            return column < fields.size() ? FromUtf8(fields[column]) : QString();
        }
        if (!m_dialog.m_bDated)
            return {};
        return FromUtf8(m_dialog.m_added[row][column - own]);
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        m_dialog.SetClause(m_dialog.m_shown[static_cast<std::size_t>(index.row())],
                           value.toString());
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = QAbstractTableModel::flags(index);
        if (index.isValid() && static_cast<std::size_t>(index.column()) == m_dialog.m_nTextColumn)
            flags |= Qt::ItemIsEditable;
        return flags;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0)
            return QAbstractTableModel::headerData(section, orientation, role);
        const auto column = static_cast<std::size_t>(section);
        const std::size_t own = m_dialog.m_header.size();
        if (column < own)
            return FromUtf8(m_dialog.m_header[column]);
        const std::string_view name = kClauseListColumns[column - own];
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }
    void RowChanged(std::size_t row) {
        const auto at = std::find(m_dialog.m_shown.begin(), m_dialog.m_shown.end(), row);
        if (at == m_dialog.m_shown.end())
            return;
        const int line = static_cast<int>(at - m_dialog.m_shown.begin());
        emit dataChanged(index(line, 0), index(line, columnCount({}) - 1));
    }

private:
    CListDateDialog& m_dialog;
};

CListDateDialog::CListDateDialog(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent)
    : QDialog(parent), m_panel(panel) {
    m_warn = [this](const QString& text) { ShowDialogWarning(this, text); };
    m_notice = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    m_chooseExport = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Export the Dated List"), suggested,
                                            tr("CSV files (*.csv);;All files (*)"));
    };
    CreateControls(help);
    RetranslateUi();
    InstallHelpKey(this, help, EHelpTrigger::ListDateDialog);
}

CListDateDialog::~CListDateDialog() = default;

void CListDateDialog::CreateControls(CHelpLauncher& help) {
    const CDialogUnits units = DialogUnitsOf(this);
    m_fileLabel = new QLabel(this);
    m_fileLabel->setObjectName(QStringLiteral("listFile"));
    m_fileLabel->setTextFormat(Qt::PlainText);
    m_open = new QPushButton(this);
    m_open->setObjectName(QStringLiteral("openList"));
    m_open->setAutoDefault(false);
    m_clauseLabel = new QLabel(this);
    m_clauseColumn = new QComboBox(this);
    m_clauseColumn->setObjectName(QStringLiteral("clauseColumn"));
    m_clauseLabel->setBuddy(m_clauseColumn);
    m_yearLabel = new QLabel(this);
    m_yearColumn = new QComboBox(this);
    m_yearColumn->setObjectName(QStringLiteral("yearColumn"));
    m_yearLabel->setBuddy(m_yearColumn);
    m_fixedLabel = new QLabel(this);
    m_fixedYear = new QSpinBox(this);
    m_fixedYear->setObjectName(QStringLiteral("fixedYear"));
    m_fixedYear->setRange(0, 2999);
    m_fixedLabel->setBuddy(m_fixedYear);
    m_reckoningLabel = new QLabel(this);
    m_reckoning = new QComboBox(this);
    m_reckoning->setObjectName(QStringLiteral("reckoning"));
    m_reckoning->addItems({QString(), QString(), QString()});
    m_reckoningLabel->setBuddy(m_reckoning);
    m_startLabel = new QLabel(this);
    m_yearStart = new QComboBox(this);
    m_yearStart->setObjectName(QStringLiteral("yearStart"));
    for (int i = 0; i < kYearStyleCount; ++i)
        m_yearStart->addItem(QString());
    // The panel's style is the default, as its reckoning is.
    m_yearStart->setCurrentIndex(static_cast<int>(m_panel.GetYearStyle().eStyle));
    m_startLabel->setBuddy(m_yearStart);
    m_date = new QPushButton(this);
    m_date->setObjectName(QStringLiteral("dateList"));
    m_date->setAutoDefault(false);

    m_tableModel = new CListDateTable(*this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("datedList"));
    m_table->setModel(m_tableModel);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Rows of one height need no measuring: a long list fills at once.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->horizontalHeader()->setDefaultSectionSize(units.ToPixelsX(70));
    // Widths from the first rows only: a list of 100,000 rows opens at once.
    m_table->horizontalHeader()->setResizeContentsPrecision(100);
    m_table->setMinimumSize(units.ToPixelsX(620), units.ToPixelsY(250));
    m_copyAction = new QAction(this);
    m_copyAction->setObjectName(QStringLiteral("copyRows"));
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(m_copyAction);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);

    m_showLabel = new QLabel(this);
    m_show = new QComboBox(this);
    m_show->setObjectName(QStringLiteral("showRows"));
    m_show->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_showLabel->setBuddy(m_show);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_export = new QPushButton(this);
    m_export->setObjectName(QStringLiteral("exportDated"));
    m_export->setAutoDefault(false);
    m_helpButton = MakeHelpButton(this);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("closeList"));
    m_close->setAutoDefault(false);

    auto* file = new QHBoxLayout;
    file->addWidget(m_fileLabel, 1);
    file->addWidget(m_open);
    auto* options = new QGridLayout;
    options->addWidget(m_clauseLabel, 0, 0);
    options->addWidget(m_clauseColumn, 0, 1);
    options->addWidget(m_yearLabel, 0, 2);
    options->addWidget(m_yearColumn, 0, 3);
    options->addWidget(m_fixedLabel, 0, 4);
    options->addWidget(m_fixedYear, 0, 5);
    options->addWidget(m_reckoningLabel, 1, 0);
    options->addWidget(m_reckoning, 1, 1);
    options->addWidget(m_startLabel, 1, 2);
    options->addWidget(m_yearStart, 1, 3);
    options->addWidget(m_date, 1, 5);
    options->setColumnStretch(6, 1);
    auto* show = new QHBoxLayout;
    show->addWidget(m_showLabel);
    show->addWidget(m_show);
    show->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addLayout(options);
    layout->addLayout(show);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);

    connect(m_open, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Date a List"), QFileInfo(m_strPath).absolutePath(),
            tr("Lists (*.csv *.tsv *.txt);;All files (*)"));
        if (!path.isEmpty())
            Load(path);
    });
    connect(m_date, &QPushButton::clicked, this, [this] { DateRows(); });
    connect(m_show, &QComboBox::activated, this, [this] { ApplyFilter(); });
    connect(m_table, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { OnActivated(index.row()); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& index) { OnActivated(index.row()); });
    connect(m_copyAction, &QAction::triggered, this, [this] { CopySelection(); });
    connect(m_export, &QPushButton::clicked, this, [this] { Export(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    ConnectHelpButton(m_helpButton, help, EHelpTrigger::ListDateDialog);
}

void CListDateDialog::RetranslateUi() {
    setWindowTitle(tr("Date a List"));
    m_open->setText(tr("&Open…"));
    m_clauseLabel->setText(tr("&Clause column:"));
    m_yearLabel->setText(tr("&Year column:"));
    m_fixedLabel->setText(tr("or &fixed year:"));
    m_fixedYear->setSpecialValueText(tr("none"));
    m_fixedYear->setToolTip(tr("The year of the clauses that state none and whose row gives none"));
    m_reckoningLabel->setText(tr("&Reckoning:"));
    m_reckoning->setItemText(0, tr("Calendar in civil use (as the panel)"));
    m_reckoning->setItemText(1, tr("Julian"));
    m_reckoning->setItemText(2, tr("Gregorian"));
    m_startLabel->setText(tr("Year &began on:"));
    const QString styles[kYearStyleCount] = {
        tr("1 January"),
        tr("25 March, after 1 January (Annunciation)"),
        tr("25 March, before 1 January (Pisan)"),
        tr("25 December (Nativity)"),
        tr("1 March (Venetian)"),
        tr("Easter"),
    };
    for (int i = 0; i < kYearStyleCount; ++i)
        m_yearStart->setItemText(i, styles[i]);
    m_date->setText(tr("&Date the List"));
    m_showLabel->setText(tr("&Show:"));
    m_copyAction->setText(tr("&Copy"));
    m_export->setText(tr("&Export…"));
    m_export->setToolTip(tr("Saves every row with its dated columns as a CSV file."));
    m_close->setText(tr("Close"));
    SetHelpButtonText(m_helpButton);
    FillColumnChoices();
    // The dated columns are the core's texts: read again in the new language.
    if (m_bDated)
        for (std::size_t row = 0; row < m_records.size(); ++row)
            m_added[row] = ClauseListColumns(RowOf(row), m_results[row]);
    m_tableModel->Reset();
    UpdateSummary();
}

void CListDateDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

// Enter never closes the window: in the table it shows the day, on a
// focused button it presses it.
void CListDateDialog::keyPressEvent(QKeyEvent* event) {
    if (!TakeEnter(focusWidget(), event))
        QDialog::keyPressEvent(event);
}

void CListDateDialog::FillColumnChoices() {
    const int clause = m_clauseColumn->currentIndex();
    const int year = m_yearColumn->currentIndex();
    m_clauseColumn->clear();
    m_yearColumn->clear();
    m_yearColumn->addItem(tr("none"), -1);
    for (std::size_t i = 0; i < m_header.size(); ++i) {
        const QString name = tr("%1. %2").arg(i + 1).arg(FromUtf8(m_header[i]));
        m_clauseColumn->addItem(name, static_cast<int>(i));
        m_yearColumn->addItem(name, static_cast<int>(i));
    }
    m_clauseColumn->setCurrentIndex(std::max(clause, 0));
    m_yearColumn->setCurrentIndex(std::max(year, 0));
    m_date->setEnabled(!m_records.empty());
}

EListDate CListDateDialog::Load(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    std::ifstream in(LocalName(path), std::ios::binary);
    if (!in || QFileInfo(path).isDir()) {
        m_warn(FileSentence(IDS_CANNOT_OPEN, name));
        return EListDate::Failed;
    }
    CCsvReader reader(in);
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> records;
    if (reader.Next(header)) {
        std::vector<std::string> fields;
        while (records.size() < kMaxRows && reader.Next(fields))
            records.push_back(fields);
    }
    QString fault;
    const QString line = GroupedCount(reader.ErrorLine());
    switch (reader.Error()) {
    case ECsvError::None:
        if (header.empty())
            fault = tr("%1 is empty: it has no header line.").arg(name);
        else if (records.size() == kMaxRows)
            fault = tr("The window keeps the first %1 rows of %2; quindor-cli feastdate --list "
                       "dates longer lists.")
                        .arg(GroupedCount(kMaxRows), name);
        break;
    case ECsvError::ReadFailed:
        fault = tr("%1: cannot read on from line %2.").arg(name, line);
        break;
    case ECsvError::Binary:
        fault = tr("%1: line %2 holds a NUL byte, so this is no text file.").arg(name, line);
        break;
    case ECsvError::Utf16:
        fault = tr("%1 is UTF-16: save it as UTF-8 or Windows-1252.").arg(name);
        break;
    case ECsvError::RecordTooLong:
        fault = tr("%1: the row at line %2 is longer than 1 MiB.").arg(name, line);
        break;
    case ECsvError::OpenQuote:
        fault = tr("%1: the file ends inside the quoted field of the row at line %2 (cut "
                   "short?).")
                    .arg(name, line);
        break;
    }
    if (header.empty()) {
        m_warn(fault.isEmpty() ? FileSentence(IDS_CANNOT_READ, name) : fault);
        return EListDate::Failed;
    }
    if (reader.Error() != ECsvError::None)
        fault +=
            QLatin1Char(' ') + tr("The %1 rows before it are listed.")
                                   .arg(GroupedCount(static_cast<std::int64_t>(records.size())));
    m_strPath = path;
    m_strFile = name;
    m_header = std::move(header);
    m_records = std::move(records);
    m_results.assign(m_records.size(), CClauseListResult{});
    m_added.clear();
    m_counts = {};
    m_bDated = false;
    m_fileLabel->setText(QDir::toNativeSeparators(path));
    m_clauseColumn->setCurrentIndex(-1);
    m_yearColumn->setCurrentIndex(-1);
    FillColumnChoices();
    m_clauseColumn->setCurrentIndex(std::max(
        0, GuessColumn(m_header, {"clause", "expression", "dating", "formule", "datum", "text"})));
    m_yearColumn->setCurrentIndex(1 + GuessColumn(m_header, {"year",
                                                             "ann\xC3\xA9"
                                                             "e",
                                                             "annee", "jahr"}));
    m_nTextColumn = static_cast<std::size_t>(m_clauseColumn->currentIndex());
    ApplyFilter();
    FitColumns();
    m_table->setFocus();
    if (!fault.isEmpty())
        m_warn(fault);
    return EListDate::Done;
}

CClauseOptions CListDateDialog::Options() const {
    CClauseOptions options;
    const EFeastReckoning reckonings[] = {EFeastReckoning::Civil, EFeastReckoning::Julian,
                                          EFeastReckoning::Gregorian};
    options.eReckoning = reckonings[std::clamp(m_reckoning->currentIndex(), 0, 2)];
    options.nReformDay = m_panel.GetCivilUse().nReformDay;
    options.nYear = m_fixedYear->value();
    const CYearStyle panelStyle = m_panel.GetYearStyle();
    options.yearStyle.eStyle = YearStyleOfValue(m_yearStart->currentIndex());
    // The panel's end of the style holds while its style is the one chosen.
    if (options.yearStyle.eStyle == panelStyle.eStyle)
        options.yearStyle.nChangeDay = panelStyle.nChangeDay;
    return options;
}

CClauseListRow CListDateDialog::RowOf(std::size_t row) const {
    const int year =
        m_yearColumn->currentData().isValid() ? m_yearColumn->currentData().toInt() : -1;
    return ListRowOf(m_records[row], m_header.size(), m_nTextColumn,
                     year < 0 ? std::nullopt : std::optional<std::size_t>(year));
}

EListDate CListDateDialog::DateRows() {
    if (m_records.empty())
        return EListDate::Failed;
    m_nTextColumn = static_cast<std::size_t>(std::max(m_clauseColumn->currentIndex(), 0));
    std::vector<CClauseListRow> rows;
    rows.reserve(m_records.size());
    for (std::size_t row = 0; row < m_records.size(); ++row)
        rows.push_back(RowOf(row));
    const CClauseOptions options = Options();
    std::vector<CClauseListResult> results;
    std::vector<std::vector<std::string>> added;
    std::atomic<bool> cancel{false};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        DateListRows(rows, options, results, &cancel, &done);
        if (!cancel) {
            added.reserve(rows.size());
            for (std::size_t row = 0; row < rows.size(); ++row)
                added.push_back(ClauseListColumns(rows[row], results[row]));
        }
        finished = true;
    });
    QWidget* owner = parentWidget() ? parentWidget()->window() : this;
    QProgressDialog progress(tr("Dating %1…").arg(m_strFile), tr("Cancel"), 0,
                             static_cast<int>(rows.size()), owner);
    SetUpProgress(progress, QStringLiteral("listProgress"), tr("Date a List"), 300);
    while (!finished) {
        progress.setValue(static_cast<int>(done.load()));
        // The event loop turns while the rows are read: the window repaints and Cancel is heard.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 30);
        if (progress.wasCanceled())
            cancel = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    worker.join();
    progress.close();
    if (cancel)
        return EListDate::Cancelled;
    m_results = std::move(results);
    m_added = std::move(added);
    m_counts = {};
    for (const CClauseListResult& result : m_results)
        m_counts.Add(result.eCertainty);
    m_bDated = true;
    ApplyFilter();
    FitColumns();
    m_table->setFocus();
    return EListDate::Done;
}

void CListDateDialog::SetClause(std::size_t row, const QString& text) {
    if (row >= m_records.size())
        return;
    std::vector<std::string>& fields = m_records[row];
    if (fields.size() <= m_nTextColumn)
        fields.resize(m_nTextColumn + 1);
    fields[m_nTextColumn] = text.toUtf8().toStdString();
    if (m_bDated) {
        const CClauseListRow read = RowOf(row);
        Take(row, DateListRow(read, Options()));
        m_added[row] = ClauseListColumns(read, m_results[row]);
    }
    // The row stays where it is until the Show choice is made again.
    m_tableModel->RowChanged(row);
    UpdateShowChoices();
    UpdateSummary();
}

void CListDateDialog::Take(std::size_t row, const CClauseListResult& result) {
    m_results[row] = result;
    m_counts = {};
    for (const CClauseListResult& each : m_results)
        m_counts.Add(each.eCertainty);
}

std::size_t CListDateDialog::RowAt(int line) const {
    return line >= 0 && static_cast<std::size_t>(line) < m_shown.size()
               ? m_shown[static_cast<std::size_t>(line)]
               : m_records.size();
}

void CListDateDialog::UpdateShowChoices() {
    const QVariant chosen = m_show->currentData();
    m_show->clear();
    m_show->addItem(
        tr("All rows (%1)").arg(GroupedCount(static_cast<std::int64_t>(m_records.size()))),
        kShowAll);
    if (m_bDated) {
        const QString names[kClauseCertainties] = {tr("Sure (%1)"), tr("Doubtful (%1)"),
                                                   tr("Several days (%1)"), tr("Refused (%1)")};
        for (int i = 0; i < kClauseCertainties; ++i)
            m_show->addItem(
                names[i].arg(GroupedCount(m_counts.counts[static_cast<std::size_t>(i)])), i);
        m_show->addItem(tr("To review: doubtful and refused (%1)")
                            .arg(GroupedCount(m_counts.Of(EClauseCertainty::Doubtful) +
                                              m_counts.Of(EClauseCertainty::Refused))),
                        kShowToReview);
    }
    const int index = m_show->findData(chosen);
    m_show->setCurrentIndex(index < 0 ? 0 : index);
}

void CListDateDialog::ApplyFilter() {
    UpdateShowChoices();
    const int kind = m_show->currentData().toInt();
    m_shown.clear();
    for (std::size_t row = 0; row < m_records.size(); ++row) {
        const auto certainty = static_cast<int>(m_results[row].eCertainty);
        if (!m_bDated || kind == kShowAll || certainty == kind ||
            (kind == kShowToReview && (certainty == static_cast<int>(EClauseCertainty::Doubtful) ||
                                       certainty == static_cast<int>(EClauseCertainty::Refused))))
            m_shown.push_back(row);
    }
    m_tableModel->Reset();
    UpdateSummary();
}

void CListDateDialog::UpdateSummary() {
    m_export->setEnabled(m_bDated);
    if (m_strFile.isEmpty()) {
        m_summary->clear();
        return;
    }
    if (!m_bDated) {
        m_summary->setText(
            tr("%1: %2 rows. Choose the clause column, then date the list.")
                .arg(m_strFile, GroupedCount(static_cast<std::int64_t>(m_records.size()))));
        return;
    }
    m_summary->setText(tr("%1: %2").arg(m_strFile, FromUtf8(ClauseListSummary(m_counts))));
}

void CListDateDialog::FitColumns() {
    m_table->resizeColumnsToContents();
    const int widest = DialogUnitsOf(this).ToPixelsX(160);
    for (int column = 0; column < m_tableModel->columnCount({}); ++column)
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), widest));
}

void CListDateDialog::OnActivated(int line) {
    const std::size_t row = RowAt(line);
    if (!m_bDated || row >= m_results.size() || m_results[row].clause.readings.empty())
        return;
    const CClauseReading& reading = m_results[row].clause.readings[0];
    m_panel.GoToRowDay(reading.bGregorian ? CalendarRow::Gregorian : CalendarRow::Julian,
                       reading.day);
}

void CListDateDialog::CopySelection() {
    const QModelIndexList lines = SelectedRowsInOrder(m_table);
    if (lines.isEmpty())
        return;
    std::vector<std::string> titles = m_header;
    titles.insert(titles.end(), kClauseListColumns.begin(), kClauseListColumns.end());
    std::string text;
    AppendDelimitedRow(text, titles, '\t');
    for (const QModelIndex& index : lines) {
        const std::size_t row = RowAt(index.row());
        std::vector<std::string> fields = m_records[row];
        fields.resize(m_header.size());
        if (m_bDated)
            fields.insert(fields.end(), m_added[row].begin(), m_added[row].end());
        AppendDelimitedRow(text, fields, '\t');
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

EListDate CListDateDialog::Export() {
    if (!m_bDated)
        return EListDate::Failed;
    const QFileInfo source(m_strPath);
    const QString target = m_chooseExport(
        source.dir().filePath(source.completeBaseName() + QStringLiteral("-dated.csv")));
    if (target.isEmpty())
        return EListDate::Cancelled;
    const QFileInfo info(target);
    if (info.absoluteFilePath() == source.absoluteFilePath() ||
        (info.exists() && info.canonicalFilePath() == source.canonicalFilePath())) {
        m_warn(tr("The dated list cannot replace the list it dates (%1): choose another name.")
                   .arg(m_strFile));
        return EListDate::Failed;
    }
    CAtomicFile file(LocalName(target));
    if (!file.IsOpen()) {
        m_warn(FileSentence(IDS_CANNOT_WRITE, info.fileName()));
        return EListDate::Failed;
    }
    std::vector<std::string> titles = m_header;
    titles.insert(titles.end(), kClauseListColumns.begin(), kClauseListColumns.end());
    std::string text;
    AppendCsvRow(text, titles);
    if (!WriteRows(file, std::move(text), m_records.size(),
                   [this](std::string& out, std::size_t row) {
                       std::vector<std::string> fields = m_records[row];
                       fields.resize(std::max(fields.size(), m_header.size()));
                       fields.insert(fields.end(), m_added[row].begin(), m_added[row].end());
                       AppendCsvRow(out, fields);
                   })) {
        m_warn(FileSentence(IDS_CANNOT_WRITE, info.fileName()));
        return EListDate::Failed;
    }
    m_notice(tr("%1 written: %2 rows.")
                 .arg(QDir::toNativeSeparators(target),
                      GroupedCount(static_cast<std::int64_t>(m_records.size()))));
    return EListDate::Done;
}

void RunListDate(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help) {
    const QString path = QFileDialog::getOpenFileName(
        parent, CListDateDialog::tr("Date a List"), QString(),
        CListDateDialog::tr("Lists (*.csv *.tsv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    // Modeless: the panel stays in use beside the list.
    auto* dialog = new CListDateDialog(panel, help, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (dialog->Load(path) != EListDate::Done) {
        delete dialog;
        return;
    }
    dialog->setModal(false);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
