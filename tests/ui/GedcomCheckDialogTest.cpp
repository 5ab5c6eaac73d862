// The family-tree file check through its widgets: the list, its orders and
// filter, a double click moving the panel, the warning for a file that is
// not GEDCOM, cancelling a long read, F1, and the French texts.
#include "GedcomCheckDialog.h"
#include "Language.h"
#include "UiTestSupport.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>

namespace {

struct CRig : CPanelRig {
    CRig() : CPanelRig(2451545) {}
    QStringList warnings;
    std::unique_ptr<CGedcomCheckDialog> dialog;

    EGedcomLoad Open(const QString& path, std::size_t slice = 2000) {
        dialog = std::make_unique<CGedcomCheckDialog>(panel, help);
        dialog->SetWarningHandler([this](const QString& text) { warnings << text; });
        dialog->SetSliceSize(slice);
        return dialog->Load(path);
    }
    QString Cell(int row, int column) const {
        QAbstractItemModel* model = dialog->Table()->model();
        return model->data(model->index(row, column)).toString();
    }
    int Rows() const { return dialog->Table()->model()->rowCount(); }
    QStringList Column(int column) const {
        QStringList cells;
        for (int row = 0; row < Rows(); ++row)
            cells << Cell(row, column);
        return cells;
    }
};

QString Write(const QTemporaryDir& dir, const QString& name, const std::string& bytes) {
    const QString path = dir.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    return path;
}

// DATE lines 4, 6, 8, 10, 12.
const std::string kSample = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 DATE 14 JUL 1789\n"
                            "0 @I2@ INDI\n1 DATE 30 FEB 1700\n0 @I3@ INDI\n1 DATE 2 JAN 1200\n"
                            "0 @I4@ INDI\n1 DATE ABT @#DJULIAN@ 1 MAR 1600\n0 @I5@ INDI\n"
                            "1 DATE (unknown)\n0 TRLR\n";

} // namespace

class GedcomCheckDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        g_jdGregorianStart = kDefaultGregorianStart;
        SetUiLanguage(ETextLanguage::English);
    }
    void cleanupTestCase() { SetUiLanguage(ETextLanguage::English); }

    void listsEveryDateLine() {
        QTemporaryDir dir;
        CRig rig;
        QCOMPARE(rig.Open(Write(dir, "tree.ged", kSample)), EGedcomLoad::Loaded);
        QVERIFY(rig.warnings.isEmpty());
        QCOMPARE(rig.Column(0), (QStringList{"4", "6", "8", "10", "12"}));
        QCOMPARE(rig.Cell(0, 1), QStringLiteral("14 JUL 1789"));
        QCOMPARE(rig.Column(2),
                 (QStringList{"correct", "no such day in its calendar",
                              "Gregorian before 15 October 1582", "correct", "a phrase, no date"}));
        // The first day in the calendar in civil use: 2 January 1200 Gregorian is
        // a Julian date; 1 March 1600 Julian is Gregorian 11 March.
        QCOMPARE(rig.Column(3),
                 (QStringList{"14 July 1789", "", "26 December 1199", "11 March 1600", ""}));
        const QString summary = rig.dialog->SummaryLabel()->text();
        QVERIFY2(summary.contains("tree.ged: 5 date lines, 2 correct, 3 with problems."),
                 qPrintable(summary));
        QVERIFY(!summary.contains("ANSEL"));
    }

    void sortsByTheHeaderAndFilters() {
        QTemporaryDir dir;
        CRig rig;
        QCOMPARE(rig.Open(Write(dir, "tree.ged", kSample), 1), EGedcomLoad::Loaded);
        QHeaderView* header = rig.dialog->Table()->horizontalHeader();
        header->setSortIndicator(3, Qt::AscendingOrder);
        QCOMPARE(rig.Column(0), (QStringList{"8", "10", "4", "6", "12"}));
        header->setSortIndicator(0, Qt::DescendingOrder);
        QCOMPARE(rig.Column(0), (QStringList{"12", "10", "8", "6", "4"}));
        rig.dialog->ProblemsOnlyBox()->click();
        QCOMPARE(rig.Column(0), (QStringList{"12", "8", "6"}));
        rig.dialog->ProblemsOnlyBox()->click();
        QCOMPARE(rig.Rows(), 5);
    }

    void doubleClickMovesThePanel() {
        QTemporaryDir dir;
        CRig rig;
        QCOMPARE(rig.Open(Write(dir, "tree.ged", kSample)), EGedcomLoad::Loaded);
        rig.dialog->show();
        QTableView* table = rig.dialog->Table();
        const auto doubleClick = [&](int row) {
            const QRect cell = table->visualRect(table->model()->index(row, 1));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        };
        doubleClick(0);
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("14 July 1789"));
        doubleClick(2); // before the reform: shown from the Julian row
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("26 December 1199"));
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("02 January 1200"));
        doubleClick(1); // no day: the panel stays
        doubleClick(4);
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("26 December 1199"));
    }

    void unreadableFilesWarnAndListNothing() {
        QTemporaryDir dir;
        const struct {
            std::string bytes;
            QString message;
        } rows[] = {
            {"hello\n0 HEAD\n", "odd.ged is not a GEDCOM file: line 1 is not 0 HEAD."},
            {"\n\n", "odd.ged is empty: it is not a GEDCOM file."},
            {"0 HEAD\n1 DATE " + std::string(kGedcomMaxLine + 10, '1') + "\n",
             "odd.ged: line 2 is longer than 1 MiB."},
        };
        for (const auto& row : rows) {
            CRig rig;
            QCOMPARE(rig.Open(Write(dir, "odd.ged", row.bytes)), EGedcomLoad::Failed);
            QCOMPARE(rig.warnings, QStringList{row.message});
            QCOMPARE(rig.Rows(), 0);
        }
        CRig rig;
        QCOMPARE(rig.Open(dir.filePath("missing.ged")), EGedcomLoad::Failed);
        QCOMPARE(rig.warnings, QStringList{"Cannot open missing.ged."});
    }

    void cancelStopsALongRead() {
        QTemporaryDir dir;
        std::string bytes = "0 HEAD\n";
        for (int i = 0; i < 20000; ++i)
            bytes += "1 DATE 1 JAN 1900\n";
        const QString path = Write(dir, "long.ged", bytes);
        CRig rig;
        bool found = false;
        // The first turn of the event loop after a slice finds the progress box.
        QTimer::singleShot(0, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* progress = qobject_cast<QProgressDialog*>(widget)) {
                    found = true;
                    progress->cancel();
                }
            }
        });
        QCOMPARE(rig.Open(path, 10), EGedcomLoad::Cancelled);
        QVERIFY(found);
        QVERIFY(rig.warnings.isEmpty());
        QCOMPARE(rig.Rows(), 0);
        // Without a cancel the same file reads to its end.
        QCOMPARE(rig.Open(path, 1000), EGedcomLoad::Loaded);
        QCOMPARE(rig.Rows(), 20000);
    }

    void f1OpensTheFamilyTreePage() {
        QTemporaryDir dir;
        CRig rig;
        QCOMPARE(rig.Open(Write(dir, "tree.ged", kSample)), EGedcomLoad::Loaded);
        rig.dialog->show();
        QVERIFY(Activate(rig.dialog.get()));
        rig.dialog->Table()->setFocus();
        rig.dialog->HelpButton()->click();
        QTest::keyClick(rig.dialog->Table(), Qt::Key_F1);
        QCOMPARE(rig.help.topics, (std::vector<std::string>{"gedcom", "gedcom"}));
    }

    void speaksFrench() {
        if (!HasFrenchTranslation())
            QSKIP("built without the translations");
        SetUiLanguage(ETextLanguage::French);
        QTemporaryDir dir;
        CRig rig;
        std::string ansel = kSample;
        ansel.replace(ansel.find("UTF-8"), 5, "ANSEL");
        QCOMPARE(rig.Open(Write(dir, "arbre.ged", ansel)), EGedcomLoad::Loaded);
        QCOMPARE(rig.dialog->windowTitle(),
                 QStringLiteral("Vérifier un fichier d'arbre généalogique"));
        QCOMPARE(rig.Column(2).first(), QStringLiteral("correcte"));
        QCOMPARE(rig.Column(3).first(), QStringLiteral("14 juillet 1789"));
        QCOMPARE(rig.dialog->Table()->model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Date civile"));
        const QString summary = rig.dialog->SummaryLabel()->text();
        QVERIFY2(summary.startsWith(QStringLiteral("arbre.ged\u00A0: 5 lignes de date")),
                 qPrintable(summary));
        QVERIFY(summary.contains(QStringLiteral("ANSEL")));
        CRig bad;
        QCOMPARE(bad.Open(Write(dir, "x.ged", "x\n")), EGedcomLoad::Failed);
        QCOMPARE(bad.warnings,
                 QStringList{QStringLiteral("x.ged n'est pas un fichier GEDCOM\u00A0: la ligne 1 "
                                            "n'est pas 0 HEAD.")});
    }
};

QTEST_MAIN(GedcomCheckDialogTest)
#include "GedcomCheckDialogTest.moc"
