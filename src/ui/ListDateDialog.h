// "Date a List": opens a CSV or TSV list (an inventory, a register, a card
// index), shows its rows, and dates the clauses of the chosen column on
// every core with a progress box that can cancel. The rows keep their
// columns and gain the dated ones (ClauseList.h); doubtful and refused rows
// are marked, and the Show choice keeps one kind with its count. Selecting
// a row with a day (or Enter on it) moves the calendar panel there. A
// clause corrected in its cell (F2) is read again at once. Ctrl+C copies
// the selected rows, "Export..." writes the dated list as CSV, never over
// the list itself. Modeless, like the family-tree check.
//
//   RunListDate(frame, panel, help);   // asks for the file
#pragma once

#ifndef Q_MOC_RUN
#include "exchange/ClauseList.h"
#include "panel/CalendarPanel.h"
#endif

#include <QDialog>

#include <functional>

class CHelpLauncher;
class CListDateTable;
class QAbstractButton;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

enum class EListDate { Done, Failed, Cancelled };

class CListDateDialog : public QDialog {
    Q_OBJECT
public:
    // The window keeps at most this many rows; longer lists go through quindor-cli.
    static constexpr std::size_t kMaxRows = 200000;

    CListDateDialog(CCalendarPanel& panel, CHelpLauncher& help, QWidget* parent = nullptr);
    ~CListDateDialog() override;

    // Reads the list and shows its rows undated; a fault keeps the rows
    // before it and says where.
    EListDate Load(const QString& path);
    // Dates every row with the options chosen.
    EListDate DateRows();
    // Reads one row's clause again after it was corrected.
    void SetClause(std::size_t row, const QString& text);

    void SetWarningHandler(std::function<void(const QString&)> warn) { m_warn = std::move(warn); }
    void SetNoticeHandler(std::function<void(const QString&)> notice) {
        m_notice = std::move(notice);
    }
    void SetExportTargetHandler(std::function<QString(const QString&)> choose) {
        m_chooseExport = std::move(choose);
    }
    void CopySelection();
    EListDate Export();

    const CClauseListCounts& Counts() const { return m_counts; }
    // The row of the file shown at a line of the table.
    std::size_t RowAt(int line) const;
    QTableView* Table() const { return m_table; }
    QComboBox* ClauseColumn() const { return m_clauseColumn; }
    QComboBox* YearColumn() const { return m_yearColumn; }
    QSpinBox* FixedYear() const { return m_fixedYear; }
    QComboBox* Reckoning() const { return m_reckoning; }
    QComboBox* YearStart() const { return m_yearStart; }
    QComboBox* ShowChoice() const { return m_show; }
    QLabel* SummaryLabel() const { return m_summary; }
    QPushButton* DateButton() const { return m_date; }
    QPushButton* ExportButton() const { return m_export; }
    QAbstractButton* HelpButton() const { return m_helpButton; }

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CListDateTable;
    void CreateControls(CHelpLauncher& help);
    void RetranslateUi();
    void FillColumnChoices();
    void UpdateSummary();
    void UpdateShowChoices();
    void ApplyFilter();
    void FitColumns();
    void OnActivated(int line);
    CClauseOptions Options() const;
    CClauseListRow RowOf(std::size_t row) const;
    void Take(std::size_t row, const CClauseListResult& result);

    CCalendarPanel& m_panel;
    std::function<void(const QString&)> m_warn;
    std::function<void(const QString&)> m_notice;
    std::function<QString(const QString&)> m_chooseExport;
    QString m_strPath;
    QString m_strFile;
    std::vector<std::string> m_header;
    std::vector<std::vector<std::string>> m_records;
    std::vector<CClauseListResult> m_results;
    std::vector<std::vector<std::string>> m_added; // the dated columns, once dated
    std::vector<std::size_t> m_shown;              // the rows the Show choice keeps
    CClauseListCounts m_counts;
    bool m_bDated = false;
    std::size_t m_nTextColumn = 0;

    CListDateTable* m_tableModel = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_fileLabel = nullptr;
    QPushButton* m_open = nullptr;
    QLabel* m_clauseLabel = nullptr;
    QComboBox* m_clauseColumn = nullptr;
    QLabel* m_yearLabel = nullptr;
    QComboBox* m_yearColumn = nullptr;
    QLabel* m_fixedLabel = nullptr;
    QSpinBox* m_fixedYear = nullptr;
    QLabel* m_reckoningLabel = nullptr;
    QComboBox* m_reckoning = nullptr;
    QLabel* m_startLabel = nullptr;
    QComboBox* m_yearStart = nullptr;
    QPushButton* m_date = nullptr;
    QLabel* m_showLabel = nullptr;
    QComboBox* m_show = nullptr;
    QLabel* m_summary = nullptr;
    QAction* m_copyAction = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_close = nullptr;
    QAbstractButton* m_helpButton = nullptr;
};

// File > Date a List...: asks for the file, then opens the window on it.
void RunListDate(QWidget* parent, CCalendarPanel& panel, CHelpLauncher& help);
