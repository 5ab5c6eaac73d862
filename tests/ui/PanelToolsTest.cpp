// The windows over the panel and the real clipboard: what they compute
// (checked in the core) reaches the widgets and the panel.
#include "Clipboard.h"
#include "CountDaysDialog.h"
#include "GedcomCheckDialog.h"
#include "MonthView.h"
#include "UiTestSupport.h"
#include "settings/FrameSettings.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <fstream>

namespace {

// DATE lines 4, 6, 8, 10, 12.
const std::string kSample = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 DATE 14 JUL 1789\n"
                            "0 @I2@ INDI\n1 DATE 30 FEB 1700\n0 @I3@ INDI\n1 DATE 2 JAN 1200\n"
                            "0 @I4@ INDI\n1 DATE ABT @#DJULIAN@ 1 MAR 1600\n0 @I5@ INDI\n"
                            "1 DATE (unknown)\n0 TRLR\n";

struct CGedcomRig : CPanelRig {
    QTemporaryDir dir;
    QStringList warnings;
    CGedcomCheckDialog dialog{panel, help};

    explicit CGedcomRig(std::int32_t reform = kDefaultGregorianStart) : CPanelRig(2451545, reform) {
        dialog.SetWarningHandler([this](const QString& text) { warnings << text; });
    }
    EGedcomLoad Load(const QString& name, const std::string& bytes, std::size_t slice = 2000) {
        std::ofstream(dir.filePath(name).toStdString(), std::ios::binary) << bytes;
        dialog.SetSliceSize(slice);
        return dialog.Load(dir.filePath(name));
    }
    QStringList Column(int column) const {
        const QAbstractItemModel* model = dialog.Table()->model();
        QStringList cells;
        for (int row = 0; row < model->rowCount(); ++row)
            cells << model->data(model->index(row, column)).toString();
        return cells;
    }
};

void PickByFields(CDayPicker* picker, CalendarRow row, int day, int month, const QString& year) {
    picker->RowChoice()->setCurrentIndex(RowIndex(row));
    picker->DayField()->setValue(day);
    picker->MonthField()->setCurrentIndex(month - 1);
    Retype(picker->YearField(), year);
}

void PickByText(CDayPicker* picker, CalendarRow row, const QString& text) {
    picker->RowChoice()->setCurrentIndex(RowIndex(row));
    Retype(picker->TextField(), text);
    QTest::keyClick(picker->TextField(), Qt::Key_Return);
}

} // namespace

class PanelToolsTest : public QObject {
    Q_OBJECT

private slots:
    // Every DATE line listed with its verdict and days; the header sorts,
    // the choice filters by kind, a double click or Enter moves the panel
    // and leaves the list open; F1 helps.
    void gedcomCheckListsEveryDateLine() {
        CGedcomRig rig;
        QCOMPARE(rig.Load("tree.ged", kSample, 1), EGedcomLoad::Loaded);
        QVERIFY(rig.warnings.isEmpty());
        const int days = static_cast<int>(EGedcomCheckColumn::Civil);
        QCOMPARE(rig.Column(days),
                 (QStringList{"14 July 1789 (Gregorian)", "", "26 December 1199 (Julian)",
                              "11 March 1600 (Gregorian)", ""}));
        QVERIFY(rig.dialog.SummaryLabel()->text().contains(
            "tree.ged: 5 date lines, 2 correct, 2 with problems, 1 right but worth knowing."));
        QCOMPARE(rig.dialog.FindingsLabel()->text(),
                 "Problems: phrase (1), no such day (1). Right but worth knowing: Gregorian "
                 "before 20 December 1582 (1)."); // the panel's reform: France
        QHeaderView* header = rig.dialog.Table()->horizontalHeader();
        header->setSortIndicator(days, Qt::AscendingOrder);
        QCOMPARE(rig.Column(0), (QStringList{"8", "10", "4", "6", "12"}));
        header->setSortIndicator(0, Qt::DescendingOrder);
        QComboBox* show = rig.dialog.ShowChoice();
        QCOMPARE(show->count(), 5);
        for (const auto& [choice, lines] : {std::pair{1, QStringList{"12", "6"}},
                                            {4, QStringList{"8"}},
                                            {0, QStringList{"12", "10", "8", "6", "4"}}}) {
            show->setCurrentIndex(choice);
            emit show->activated(choice);
            QCOMPARE(rig.Column(0), lines);
        }
        header->setSortIndicator(0, Qt::AscendingOrder);
        rig.dialog.show();
        QTableView* table = rig.dialog.Table();
        for (const auto& [line, row, text] :
             {std::tuple{2, CalendarRow::Julian, "26 December 1199"},
              {1, CalendarRow::Julian, "26 December 1199"}}) { // no day: stays
            const QPoint cell = table->visualRect(table->model()->index(line, 1)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
            QCOMPARE(rig.Row(row), QLatin1String(text));
        }
        table->setFocus();
        table->selectRow(0);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QLatin1String("14 July 1789"));
        show->setFocus();
        QTest::keyClick(show, Qt::Key_Return);
        QVERIFY(rig.dialog.isVisible());
        CheckHelp(&rig.dialog, table, rig.dialog.HelpButton(), rig.help, "gedcom");
    }

    // The repaired copy: never over the file itself, a report of the
    // changes for a 5.5.1 file, the copy checked at once; Ctrl+S saves.
    void gedcomCheckSavesARepairedCopy() {
        CGedcomRig rig;
        QStringList notices;
        QString suggested;
        QString target = rig.dir.filePath("old.ged");
        rig.dialog.SetNoticeHandler([&notices](const QString& text) { notices << text; });
        rig.dialog.SetSaveTargetHandler([&](const QString& path) {
            suggested = path;
            return target;
        });
        const std::string head = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
        const std::string body = "0 @I1@ INDI\n1 DATE Abt. 17 Jul 2016\n0 @I2@ INDI\n"
                                 "1 DATE 11 FEB 1731/32\n0 @I3@ INDI\n1 DATE 1383\n0 TRLR\n";
        QCOMPARE(rig.Load("old.ged", head + body), EGedcomLoad::Loaded);
        QCOMPARE(rig.Column(static_cast<int>(EGedcomCheckColumn::Suggestion)),
                 (QStringList{"ABT 17 JUL 2016", "@#DJULIAN@ 11 FEB 1731/32", ""}));
        QVERIFY(rig.dialog.SaveButton()->isEnabled());
        rig.dialog.SaveButton()->click();
        QCOMPARE(suggested, rig.dir.filePath("old-repaired.ged"));
        QCOMPARE(rig.warnings.size(), 1);
        QVERIFY(rig.warnings[0].contains("cannot replace the file it repairs"));
        target = rig.dir.filePath("copy.ged");
        rig.dialog.show();
        QVERIFY(Activate(&rig.dialog));
        QTest::keyClick(&rig.dialog, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices[0].contains("values replaced: 2."));
        QVERIFY(notices[0].contains("copy.ged.changes.txt"));
        QFile copy(target);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll().toStdString(),
                 head + "0 @I1@ INDI\n1 DATE ABT 17 JUL 2016\n0 @I2@ INDI\n"
                        "1 DATE @#DJULIAN@ 11 FEB 1731/32\n0 @I3@ INDI\n1 DATE 1383\n0 TRLR\n");
        QFile report(CGedcomCheckDialog::ChangesPath(target));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(report.readAll(), "Line\tOld value\tNew value\n6\tAbt. 17 Jul 2016\tABT 17 JUL "
                                   "2016\n8\t11 FEB 1731/32\t@#DJULIAN@ 11 FEB 1731/32\n");
        // The list now shows the copy, with nothing left to repair...
        QVERIFY(rig.dialog.SummaryLabel()->text().startsWith("copy.ged: 3 date lines"));
        QVERIFY(!rig.dialog.SaveButton()->isEnabled());
        // ...unless its old dates are to be Julian; a 7.0 copy needs no report.
        rig.dialog.JulianBox()->click();
        target = rig.dir.filePath("julian.ged");
        rig.dialog.SaveButton()->click();
        QVERIFY(QFile(target).open(QIODevice::ReadOnly));
        QVERIFY(
            rig.Column(static_cast<int>(EGedcomCheckColumn::Value)).contains("@#DJULIAN@ 1383"));
        QCOMPARE(rig.Load("new.ged", "0 HEAD\n1 GEDC\n2 VERS 7.0\n" + body), EGedcomLoad::Loaded);
        target = rig.dir.filePath("new-copy.ged");
        rig.dialog.SaveButton()->click();
        QVERIFY(QFile::exists(target));
        QVERIFY(!QFile::exists(CGedcomCheckDialog::ChangesPath(target)));
        QVERIFY(notices.last().contains("PHRASE"));
    }

    // Each line names its record and event; Ctrl+C copies the selected lines
    // under the titles, Export writes the lines shown as CSV; the list's
    // context menu has both and shows the day of a line that has one.
    void gedcomCheckCopiesAndExports() {
        CGedcomRig rig;
        QCOMPARE(rig.Load("tree.ged", "0 HEAD\n0 @I1@ INDI\n1 NAME Ann /Lee/\n1 BIRT\n2 DATE 1 "
                                      "JAN 1900\n0 @F1@ FAM\n1 MARR\n2 DATE (1900, \"or so\")\n"),
                 EGedcomLoad::Loaded);
        QCOMPARE(rig.Column(static_cast<int>(EGedcomCheckColumn::Record)),
                 (QStringList{"Ann Lee", "@F1@"}));
        QCOMPARE(rig.Column(static_cast<int>(EGedcomCheckColumn::Event)),
                 (QStringList{"BIRT", "MARR"}));
        rig.dialog.show();
        QVERIFY(Activate(&rig.dialog));
        QTableView* table = rig.dialog.Table();
        table->setFocus();
        table->selectAll();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "Line\tRecord\tEvent\tValue\tSuggestion\tStatus\tDays\n"
                 "5\tAnn Lee\tBIRT\t1 JAN 1900\t\tcorrect\t01 January 1900 (Gregorian)\n"
                 "8\t@F1@\tMARR\t(1900, \"or so\")\t\ta phrase, no date\t\n");
        const QString target = rig.dir.filePath("list.csv");
        QString suggested;
        QStringList notices;
        rig.dialog.SetNoticeHandler([&notices](const QString& text) { notices << text; });
        rig.dialog.SetExportTargetHandler([&](const QString& path) {
            suggested = path;
            return target;
        });
        const auto exported = [&target] {
            QFile file(target);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        rig.dialog.ExportButton()->click();
        QCOMPARE(suggested, rig.dir.filePath("tree.csv"));
        const QByteArray header = "Line,Record,Event,Value,Suggestion,Status,Days\r\n";
        const QByteArray phrase =
            "8,@F1@,MARR,\"(1900, \"\"or so\"\")\",,\"a phrase, no date\",\r\n";
        QCOMPARE(exported(),
                 header + "5,Ann Lee,BIRT,1 JAN 1900,,correct,01 January 1900 (Gregorian)\r\n" +
                     phrase);
        QComboBox* show = rig.dialog.ShowChoice();
        show->setCurrentIndex(1);
        emit show->activated(1);
        rig.dialog.ExportAction()->trigger();
        QCOMPARE(exported(), header + phrase);
        QCOMPARE(rig.warnings, QStringList{});
        // Each export says what it wrote, and whether the list was filtered.
        QCOMPARE(notices.size(), 2);
        QVERIFY(notices[0].contains("list.csv written: 2 lines. Every line"));
        QVERIFY(notices[1].contains("1 lines. Only the lines shown: Lines with problems (1)."));

        QCOMPARE(table->contextMenuPolicy(), Qt::ContextMenuPolicy::ActionsContextMenu);
        QCOMPARE(table->actions(),
                 (QList<QAction*>{rig.dialog.CopyAction(), rig.dialog.ExportAction(),
                                  rig.dialog.ShowDayAction()}));
        QCOMPARE(rig.dialog.ShowDayAction()->text(), "&Show the Day");
        table->setCurrentIndex(table->model()->index(0, 0));
        QVERIFY(!rig.dialog.ShowDayAction()->isEnabled());
        show->setCurrentIndex(0);
        emit show->activated(0);
        table->setCurrentIndex(table->model()->index(0, 0));
        QVERIFY(rig.dialog.ShowDayAction()->isEnabled());
        rig.dialog.ShowDayAction()->trigger();
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QLatin1String("01 January 1900"));
    }

    // The dates worth knowing as Gregorian are those before the panel's
    // reform; with the Julian box ticked the Suggestion column shows what the
    // copy would write.
    void gedcomCheckFollowsTheReform() {
        CGedcomRig rig(2361222); // England: 14 September 1752
        QCOMPARE(rig.Load("tree.ged", "0 HEAD\n0 @I1@ INDI\n1 DATE 3 MAR 1700\n1 DATE Abt. 1500\n"
                                      "1 DATE 1 JAN 1800\n"),
                 EGedcomLoad::Loaded);
        const int status = static_cast<int>(EGedcomCheckColumn::Status);
        const int suggestion = static_cast<int>(EGedcomCheckColumn::Suggestion);
        QCOMPARE(rig.Column(status)[0], "Gregorian before the reform of 14 September 1752");
        QCOMPARE(rig.Column(status)[2], "correct");
        QCOMPARE(rig.Column(suggestion), (QStringList{"", "ABT 1500", ""}));
        QVERIFY(rig.dialog.JulianBox()->text().contains("14 September 1752"));
        rig.dialog.JulianBox()->click();
        QCOMPARE(rig.Column(suggestion),
                 (QStringList{"@#DJULIAN@ 3 MAR 1700", "ABT @#DJULIAN@ 1500", ""}));
    }

    // The check window leaves the panel free to use beside it.
    void gedcomCheckIsModeless() {
        CPanelRig rig(2451545);
        QTemporaryDir dir;
        std::ofstream(dir.filePath("t.ged").toStdString()) << kSample;
        QWidget owner;
        QCOMPARE(RunGedcomCheckFile(&owner, rig.panel, rig.help, dir.filePath("t.ged")),
                 EGedcomLoad::Loaded);
        auto* dialog = owner.findChild<CGedcomCheckDialog*>();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        dialog->close();
    }

    // A file that is not GEDCOM warns and lists nothing; a long read can be cancelled.
    void gedcomCheckRefusesAndCancels() {
        const std::pair<std::string, const char*> refused[] = {
            {"hello\n0 HEAD\n", "odd.ged is not a GEDCOM file: line 1 is not 0 HEAD."},
            {"\n\n", "odd.ged is empty: it is not a GEDCOM file."},
            {"0 HEAD\n1 DATE " + std::string(kGedcomMaxLine + 10, '1') + "\n",
             "odd.ged: line 2 is longer than 1 MiB."}};
        for (const auto& [bytes, message] : refused) {
            CGedcomRig rig;
            QCOMPARE(rig.Load("odd.ged", bytes), EGedcomLoad::Failed);
            QCOMPARE(rig.warnings, QStringList{message});
            QCOMPARE(rig.Column(0), QStringList{});
        }
        CGedcomRig rig;
        std::string bytes = "0 HEAD\n";
        for (int i = 0; i < 20000; ++i)
            bytes += "1 DATE 1 JAN 1900\n";
        // The first turn of the event loop after a slice finds the progress box.
        QTimer::singleShot(0, [] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* progress = qobject_cast<QProgressDialog*>(widget))
                    progress->cancel();
        });
        QCOMPARE(rig.Load("long.ged", bytes, 10), EGedcomLoad::Cancelled);
        QCOMPARE(rig.Column(0).size(), 0);
        QCOMPARE(rig.Load("long.ged", bytes, 1000), EGedcomLoad::Loaded);
    }

    // Days picked by fields and by text (Enter takes it, the dialog stays)
    // give the span; an illegal date says so; the panel moves to a picked day
    // and gives its day back.
    void countDaysBetweenTwoDays() {
        CPanelRig rig(2451545, 2361222); // England
        CCountDaysDialog dialog(rig.panel, rig.help);
        dialog.show();
        PickByText(dialog.FirstDay(), CalendarRow::Julian, QStringLiteral("30 January 1648/49"));
        QVERIFY(dialog.isVisible() && dialog.FirstDay()->Day() == CJulianDay(2323385));
        PickByFields(dialog.FirstDay(), CalendarRow::Julian, 1, 1, QStringLiteral("1700"));
        PickByText(dialog.SecondDay(), CalendarRow::Gregorian, QStringLiteral("17 September 1753"));
        dialog.SecondDay()->RowChoice()->setCurrentIndex(RowIndex(CalendarRow::Julian));
        QCOMPARE(dialog.SecondDay()->DayField()->value(), 6);
        dialog.Reckoning()->setCurrentIndex(2);
        QCOMPARE(dialog.SpanResult()->text(), QStringLiteral("53 years, 8 months and 5 days"));
        QCOMPARE(dialog.DaysResult()->text(), QStringLiteral("19607"));
        PickByFields(dialog.SecondDay(), CalendarRow::Gregorian, 30, 2, QStringLiteral("2001"));
        QCOMPARE(dialog.SecondDay()->Reading()->text(), QStringLiteral("Illegal date"));
        QVERIFY(dialog.DaysResult()->text().isEmpty() && !dialog.ShowSecondButton()->isEnabled());
        // A text the row cannot read says why, as the paste would, and counts nothing.
        PickByFields(dialog.SecondDay(), CalendarRow::Gregorian, 1, 3, QStringLiteral("2001"));
        QVERIFY(!dialog.DaysResult()->text().isEmpty());
        PickByText(dialog.SecondDay(), CalendarRow::Gregorian, QStringLiteral("ABT 1850"));
        QCOMPARE(dialog.SecondDay()->Reading()->text(),
                 QStringLiteral("This row cannot read the text: not a date of any row; a year or "
                                "a month alone names no day."));
        QVERIFY(dialog.DaysResult()->text().isEmpty() && dialog.SpanResult()->text().isEmpty());
        PickByText(dialog.SecondDay(), CalendarRow::Roman, QStringLiteral("3 Nones March 1702"));
        dialog.ShowSecondButton()->click();
        QCOMPARE(rig.Row(CalendarRow::Julian), QStringLiteral("05 March 1702"));
        dialog.FirstDay()->PanelButton()->click();
        QCOMPARE(dialog.FirstDay()->Day()->GetDayNumber(), 2342777);
    }

    // The days of birth an age at death gives, or the days an age is reached.
    void countDaysFromAnAge() {
        CPanelRig rig(2451545, 2361222);
        CCountDaysDialog dialog(rig.panel, rig.help);
        dialog.show();
        dialog.Tabs()->setCurrentIndex(1);
        QVERIFY(!dialog.ShowFirstButton()->isEnabled());
        PickByText(dialog.AgeDay(), CalendarRow::Julian, QStringLiteral("3 March 1702"));
        QTest::keyClicks(dialog.AgeField(0), QStringLiteral("67"));
        const QTreeWidgetItem* julian =
            dialog.AgeDays()->topLevelItem(RowIndex(CalendarRow::Julian));
        QVERIFY(julian && julian->text(1) == QStringLiteral("04 March 1634"));
        QTest::keyClicks(dialog.AgeField(1), QStringLiteral("4\r"));
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(dialog.AgeField(2), QStringLiteral("12"));
        dialog.ShowFirstButton()->click();
        QCOMPARE(rig.panel.GetDayShown().GetDayNumber(), 2318168);
        dialog.AfterChoice()->setChecked(true);
        PickByText(dialog.AgeDay(), CalendarRow::Julian, QStringLiteral("10 February 1700"));
        dialog.AgeField(1)->clear();
        dialog.AgeField(2)->clear();
        Retype(dialog.AgeField(0), QStringLiteral("60"));
        dialog.ShowLastButton()->click();
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QStringLiteral("09 February 1761"));
        PickByText(dialog.AgeDay(), CalendarRow::Gregorian, QStringLiteral("1 January -4713"));
        dialog.BeforeChoice()->setChecked(true);
        QCOMPARE(dialog.AgeSummary()->text(), QStringLiteral("No day gives this age."));
    }

    // The month of the reform: the skipped days noted, each cell its day; a
    // click moves the panel, the buttons move the month; Easter marked.
    void monthViewShowsTheReformAndMovesThePanel() {
        CPanelRig rig(2361222, 2361222);
        CMonthView view(rig.panel, rig.help);
        view.Refresh();
        QCOMPARE(view.Title()->text(), QStringLiteral("September 1752 (Julian, then Gregorian)"));
        QVERIFY(!view.SkippedNote()->isHidden());
        QCOMPARE(view.DayAt(0, 3).GetDayNumber(), 2361222);
        QVERIFY(view.Details()->text().contains(QStringLiteral("03 September 1752")));
        QVERIFY(view.Grid()->item(0, 0)->flags() == Qt::NoItemFlags); // 31 August: no cell
        view.Grid()->setCurrentCell(2, 0);
        QCOMPARE(rig.panel.GetDayShown().GetDayNumber(), 2361233);
        view.NextButton()->click();
        view.Refresh();
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QStringLiteral("25 October 1752"));
        QVERIFY(view.SkippedNote()->isHidden());
    }

    // Every row copied pastes back; the text ends at its first NUL; copies
    // of no row or an illegal date leave it; clipboards no row accepts grey Paste.
    void clipboard() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        CFrameSettings roman;
        roman.m_nFmtDay = 0;
        roman.m_nFmtMonth = 2;
        roman.m_strSeparator = " ";
        CPanelRig source(2450616), target(2450603);
        QVERIFY(CopyRowToClipboard(source.panel, CalendarRow::Roman, roman));
        for (const CalendarRow row : kAllRows) {
            QVERIFY(CopyRowToClipboard(source.panel, row, CFrameSettings()));
            target.panel.GoToRowDay(CalendarRow::Gregorian, CJulianDay(1234567));
            QVERIFY2(CanPasteRow(row) && PasteRowFromClipboard(target.panel, row),
                     qPrintable(clipboard->text()));
            QCOMPARE(target.panel.GetDayShown(), source.panel.GetDayShown());
        }
        clipboard->setText(QStringLiteral("03/06/1997\n"));
        QVERIFY(CanPasteRow(CalendarRow::Gregorian));
        clipboard->setText(QStringLiteral("29/2/04") + QChar(u'\0') + QString(1000, u'x'));
        QVERIFY(PasteRowFromClipboard(target.panel, CalendarRow::Julian));
        QCOMPARE(target.Row(CalendarRow::Julian), QStringLiteral("29 February 2004"));
        // A dating clause moves the panel to its day, or asks which.
        clipboard->setText(QStringLiteral("freitags nach\nMartini 1553"));
        QVERIFY(CanPasteClause(target.panel));
        QVERIFY(PasteRowFromClipboard(target.panel, CalendarRow::Jewish));
        QCOMPARE(target.Row(CalendarRow::Julian), QStringLiteral("17 November 1553"));
        clipboard->setText(QStringLiteral("Dinstagh nach Crucis 1541"));
        QWidget window;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QTreeWidget* days = dialog ? dialog->findChild<QTreeWidget*>() : nullptr;
            if (days && days->topLevelItemCount() == 2)
                emit days->itemActivated(days->topLevelItem(1), 0);
        });
        QVERIFY(PasteRowFromClipboard(target.panel, CalendarRow::Jewish, &window));
        QCOMPARE(target.Row(CalendarRow::Julian), QStringLiteral("20 September 1541"));
        clipboard->setText(QStringLiteral("kept"));
        QVERIFY(!CopyRowToClipboard(target.panel, static_cast<CalendarRow>(kRowCount),
                                    CFrameSettings()));
        target.panel.SetFieldText(FIELD_GREG_DAY, "31");
        target.panel.SetFieldText(FIELD_GREG_MONTH, "February");
        QVERIFY(!CopyRowToClipboard(target.panel, CalendarRow::Gregorian, CFrameSettings()));
        QCOMPARE(clipboard->text(), QStringLiteral("kept"));
        // Ten megabytes that would read as the date if the whole text were looked at.
        auto* huge = new QMimeData;
        huge->setText(QStringLiteral("03/06/1997") + QString(10 * 1024 * 1024, u' '));
        const CJulianDay before = source.panel.GetDayShown();
        clipboard->setMimeData(huge);
        QVERIFY(ClipboardTextForPaste().isEmpty());
        for (const CalendarRow row : kAllRows)
            QVERIFY(!CanPasteRow(row) && !PasteRowFromClipboard(source.panel, row));
        QCOMPARE(source.panel.GetDayShown(), before);
    }
};
QUINDOR_UI_TEST("PanelTools", PanelToolsTest);

#include "PanelToolsTest.moc"
