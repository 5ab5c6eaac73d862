#include "GedcomCheckDialog.h"

#include "HelpWindow.h"
#include "ReformDialog.h"
#include "TextBridge.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <fstream>

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
        switch (column) {
        case EGedcomCheckColumn::Line:
            return QString::number(row.nLine);
        case EGedcomCheckColumn::Value:
            return QString::fromStdString(row.strValue);
        case EGedcomCheckColumn::Status:
            return CGedcomCheckDialog::StatusText(row.nFindings);
        case EGedcomCheckColumn::Civil:
            return row.nFirst != 0 ? FromCp1252(GedcomCivilText(row.nFirst)) : QString();
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        switch (static_cast<EGedcomCheckColumn>(section)) {
        case EGedcomCheckColumn::Line:
            return CGedcomCheckDialog::tr("Line");
        case EGedcomCheckColumn::Value:
            return CGedcomCheckDialog::tr("Value");
        case EGedcomCheckColumn::Status:
            return CGedcomCheckDialog::tr("Status");
        case EGedcomCheckColumn::Civil:
            return CGedcomCheckDialog::tr("Civil date");
        }
        return {};
    }

    void sort(int column, Qt::SortOrder order) override {
        if (column < 0 || column >= kGedcomCheckColumns)
            return;
        beginResetModel();
        m_model.Sort(static_cast<EGedcomCheckColumn>(column), order == Qt::AscendingOrder);
        endResetModel();
    }

    void SetProblemsOnly(bool problemsOnly) {
        beginResetModel();
        m_model.SetProblemsOnly(problemsOnly);
        endResetModel();
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }
    void Retranslate() {
        emit headerDataChanged(Qt::Horizontal, 0, kGedcomCheckColumns - 1);
        if (rowCount({}) > 0)
            emit dataChanged(index(0, 0), index(rowCount({}) - 1, kGedcomCheckColumns - 1));
    }

private:
    CGedcomCheckModel& m_model;
};

CGedcomCheckDialog::CGedcomCheckDialog(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent)
    : QDialog(parent), m_panel(panel) {
    m_warn = [this](const QString& text) { ShowDialogWarning(this, text); };
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
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Rows of one height need no measuring: a long list fills at once.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->setColumnWidth(0, units.ToPixelsX(30));
    m_table->setColumnWidth(1, units.ToPixelsX(110));
    m_table->setColumnWidth(2, units.ToPixelsX(100));
    m_table->setMinimumSize(units.ToPixelsX(330), units.ToPixelsY(160));

    m_problemsOnly = new QCheckBox(this);
    m_problemsOnly->setObjectName(QStringLiteral("problemsOnly"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);

    m_helpButton = MakeHelpButton(this);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("ctl2"));
    m_close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_helpButton);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_problemsOnly);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);

    connect(m_problemsOnly, &QCheckBox::toggled, this,
            [this](bool on) { m_tableModel->SetProblemsOnly(on); });
    connect(m_table, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { OnActivated(index.row()); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    ConnectHelpButton(m_helpButton, help, EHelpTrigger::GedcomCheckDialog);
}

void CGedcomCheckDialog::RetranslateUi() {
    setWindowTitle(tr("Check a family tree file"));
    m_problemsOnly->setText(tr("&Problems only"));
    m_close->setText(tr("Close"));
    SetHelpButtonText(m_helpButton);
    m_tableModel->Retranslate();
    UpdateSummary();
}

void CGedcomCheckDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

QString CGedcomCheckDialog::FindingPhrase(int bit) {
    switch (bit) {
    case 0:
        return tr("not a date value");
    case 1:
        return tr("a phrase, no date");
    case 2:
        return tr("no such day in its calendar");
    case 3:
        return tr("outside the calendars' range");
    case 4:
        return tr("dual year out of place");
    case 5:
        return tr("ends before it starts");
    case 6:
        return tr("Gregorian before 15 October 1582");
    default:
        return {};
    }
}

QString CGedcomCheckDialog::StatusText(unsigned findings) {
    if (findings == 0)
        return tr("correct");
    QStringList phrases;
    for (int bit = 0; bit < kGedcomFindingCount; ++bit) {
        if (findings & (1u << bit))
            phrases << FindingPhrase(bit);
    }
    return phrases.join(QStringLiteral("; "));
}

QString CGedcomCheckDialog::ErrorText(EGedcomFileError error, std::int64_t line,
                                      const QString& file) {
    switch (error) {
    case EGedcomFileError::None:
        break;
    case EGedcomFileError::ReadFailed:
        return tr("Cannot read %1.").arg(file);
    case EGedcomFileError::Empty:
        return tr("%1 is empty: it is not a GEDCOM file.").arg(file);
    case EGedcomFileError::NotGedcom:
        return tr("%1 is not a GEDCOM file: line %2 is not 0 HEAD.").arg(file).arg(line);
    case EGedcomFileError::LineTooLong:
        return tr("%1: line %2 is longer than 1 MiB.").arg(file).arg(line);
    case EGedcomFileError::OddUtf16:
        return tr("%1: the UTF-16 text ends in half a character.").arg(file);
    }
    return {};
}

EGedcomLoad CGedcomCheckDialog::Load(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in || QFileInfo(path).isDir()) {
        m_warn(tr("Cannot open %1.").arg(name));
        return EGedcomLoad::Failed;
    }
    const double size = static_cast<double>(std::max<qint64>(QFileInfo(path).size(), 1));
    CGedcomFileReader reader(in);
    m_model = CGedcomCheckModel();
    m_model.SetProblemsOnly(m_problemsOnly->isChecked());

    QWidget* owner = parentWidget() ? parentWidget()->window() : this;
    QProgressDialog progress(tr("Reading %1...").arg(name), tr("Cancel"), 0, 1000, owner);
    progress.setObjectName(QStringLiteral("gedcomProgress"));
    progress.setWindowTitle(tr("Check a family tree file"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    bool more = true;
    while (more) {
        more = m_model.ReadSlice(reader, m_nSlice);
        progress.setValue(
            static_cast<int>(1000.0 * static_cast<double>(reader.BytesRead()) / size));
        // The event loop turns between slices: the window repaints and Cancel is heard.
        QCoreApplication::processEvents();
        if (progress.wasCanceled()) {
            m_model = CGedcomCheckModel();
            m_tableModel->Reset();
            return EGedcomLoad::Cancelled;
        }
    }
    if (reader.Error() != EGedcomFileError::None) {
        m_model = CGedcomCheckModel();
        m_tableModel->Reset();
        progress.close();
        m_warn(ErrorText(reader.Error(), reader.ErrorLine(), name));
        return EGedcomLoad::Failed;
    }
    m_strFile = name;
    const QHeaderView* header = m_table->horizontalHeader();
    m_tableModel->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    UpdateSummary();
    return EGedcomLoad::Loaded;
}

void CGedcomCheckDialog::UpdateSummary() {
    if (m_strFile.isEmpty()) {
        m_summary->clear();
        return;
    }
    QString text = tr("%1: %2 date lines, %3 correct, %4 with problems.")
                       .arg(m_strFile)
                       .arg(m_model.DateCount())
                       .arg(m_model.OkCount())
                       .arg(m_model.ProblemCount());
    if (m_model.IsAnsel())
        text += QLatin1Char(' ') +
                tr("The file is in ANSEL: its dates were read, its other texts were not.");
    if (m_model.IsCapped())
        text += QLatin1Char(' ') + tr("The list keeps the first %1 correct lines and the first %2 "
                                      "lines with problems; the counts cover the whole file.")
                                       .arg(CGedcomCheckModel::kMaxOkRows)
                                       .arg(CGedcomCheckModel::kMaxProblemRows);
    m_summary->setText(text);
}

void CGedcomCheckDialog::OnActivated(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_model.RowCount())
        return;
    if (const auto day = GedcomCheckRowDay(m_model.Row(static_cast<std::size_t>(row))))
        m_panel.GoToRowDay(GedcomCivilRow(day->GetDayNumber()), *day);
}

void RunGedcomCheckFile(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help,
                        const QString& path) {
    CGedcomCheckDialog dialog(panel, help, parent);
    if (dialog.Load(path) == EGedcomLoad::Loaded)
        dialog.exec();
}

void RunGedcomCheck(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help) {
    const QString path = QFileDialog::getOpenFileName(
        parent, CGedcomCheckDialog::tr("Check a family tree file"), QString(),
        CGedcomCheckDialog::tr("GEDCOM files (*.ged *.GED);;All files (*)"));
    if (!path.isEmpty())
        RunGedcomCheckFile(parent, panel, help, path);
}
