// The window that dates a list: the file read, the rows dated and counted,
// the Show choice, the panel moved, a clause corrected and read again, the
// export never over the list, a cut file kept up to its fault. What each
// row reads as is tested in the core.
#include "ListDateDialog.h"
#include "UiTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>

#include <fstream>

namespace {

const std::string kList = "id;clause;year\r\n"
                          "1;freitags nach Martini;1553\r\n"
                          "2;Margarethe;1450\r\n"
                          "3;freitags nach Martini Stadt;1553\r\n"
                          "4;Quuxday;1553\r\n";

struct CListRig : CPanelRig {
    QTemporaryDir dir;
    QStringList warnings;
    QStringList notices;
    QString exportTo;
    CListDateDialog dialog{panel, help};

    CListRig() : CPanelRig(2451545) {
        dialog.SetWarningHandler([this](const QString& text) { warnings << text; });
        dialog.SetNoticeHandler([this](const QString& text) { notices << text; });
        dialog.SetExportTargetHandler([this](const QString&) { return exportTo; });
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    EListDate Load(const QString& name, const std::string& bytes) {
        std::ofstream(Path(name).toStdString(), std::ios::binary) << bytes;
        return dialog.Load(Path(name));
    }
    QStringList Column(int column) const {
        const QAbstractItemModel* model = dialog.Table()->model();
        QStringList cells;
        for (int row = 0; row < model->rowCount(); ++row)
            cells << model->data(model->index(row, column)).toString();
        return cells;
    }
};

} // namespace

class ListDateTest : public QObject {
    Q_OBJECT

private slots:
    void datesCountsFiltersAndMovesThePanel() {
        CListRig rig;
        QCOMPARE(rig.Load("inventory.csv", kList), EListDate::Done);
        QVERIFY(rig.warnings.isEmpty());
        // The clause and year columns are found by their names.
        QCOMPARE(rig.dialog.ClauseColumn()->currentIndex(), 1);
        QCOMPARE(rig.dialog.YearColumn()->currentData().toInt(), 2);
        QCOMPARE(rig.dialog.SummaryLabel()->text(),
                 "inventory.csv: 4 rows. Choose the clause column, then date the list.");
        QCOMPARE(rig.dialog.DateRows(), EListDate::Done);
        QCOMPARE(rig.Column(7), (QStringList{"sure", "several", "doubtful", "refused"}));
        QCOMPARE(rig.dialog.SummaryLabel()->text(),
                 "inventory.csv: 4 rows: 1 sure, 1 doubtful, 1 several days, 1 refused");
        QComboBox* show = rig.dialog.ShowChoice();
        QCOMPARE(show->count(), 6);
        show->setCurrentIndex(5);
        emit show->activated(5);
        QCOMPARE(show->currentText(), "To review: doubtful and refused (2)");
        QCOMPARE(rig.Column(0), (QStringList{"3", "4"}));
        show->setCurrentIndex(0);
        emit show->activated(0);

        // Selecting a row with a day shows it; a refused row leaves the panel.
        rig.dialog.Table()->setCurrentIndex(rig.dialog.Table()->model()->index(0, 0));
        QVERIFY(rig.Row(CalendarRow::Julian).contains("17 November 1553"));
        rig.dialog.Table()->setCurrentIndex(rig.dialog.Table()->model()->index(3, 0));
        QVERIFY(rig.Row(CalendarRow::Julian).contains("17 November 1553"));

        // A clause corrected in place is read again and counted again.
        QAbstractItemModel* model = rig.dialog.Table()->model();
        QVERIFY(model->flags(model->index(3, 1)) & Qt::ItemIsEditable);
        QVERIFY(!(model->flags(model->index(3, 2)) & Qt::ItemIsEditable));
        QVERIFY(model->setData(model->index(3, 1), "Martini"));
        QCOMPARE(rig.Column(7).at(3), "sure");
        QCOMPARE(rig.Column(4).at(3), "1553-11-11");
        QCOMPARE(rig.dialog.Counts().Of(EClauseCertainty::Refused), 0);

        // The export never goes over the list; elsewhere it writes every row.
        rig.exportTo = rig.Path("inventory.csv");
        QCOMPARE(rig.dialog.Export(), EListDate::Failed);
        QCOMPARE(ReadAll(rig.Path("inventory.csv")), QByteArray::fromStdString(kList));
        rig.exportTo = rig.Path("dated.csv");
        QCOMPARE(rig.dialog.Export(), EListDate::Done);
        const QByteArray dated = ReadAll(rig.Path("dated.csv"));
        QVERIFY(dated.startsWith("id,clause,year,day,date,calendar,weekday,certainty,reading,"
                                 "checks,other days\r\n1,freitags nach Martini,1553,2288612,"));
        QCOMPARE(dated.count("\r\n"), 5);
        QCOMPARE(rig.notices.size(), 1);
    }

    void aFaultKeepsTheRowsBefore() {
        CListRig rig;
        QCOMPARE(rig.Load("cut.tsv", "clause\tyear\nMartini\t1553\n\"Martini"), EListDate::Done);
        QCOMPARE(rig.warnings.size(), 1);
        QVERIFY(rig.warnings[0].contains("line 3"));
        QCOMPARE(rig.Column(0), (QStringList{"Martini"}));
        QCOMPARE(rig.Load("empty.csv", ""), EListDate::Failed);
        QCOMPARE(rig.dialog.Load(rig.Path("missing.csv")), EListDate::Failed);
        QCOMPARE(rig.warnings.size(), 3);
    }
};
QUINDOR_UI_TEST("ListDate", ListDateTest);

#include "ListDateTest.moc"
