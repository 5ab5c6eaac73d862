// The "Count Days" dialog and the month view, driven through their widgets:
// days picked by fields and by text, the spans and ages they give, and the
// panel moved from them.
#include "CountDaysDialog.h"
#include "MonthView.h"
#include "UiTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

constexpr std::int32_t kEnglandReform = 2361222; // 14 September 1752

void PickByFields(CDayPicker* picker, int row, int day, int month, const QString& year) {
    picker->RowChoice()->setCurrentIndex(row);
    picker->DayField()->setValue(day);
    picker->MonthField()->setCurrentIndex(month - 1);
    Retype(picker->YearField(), year);
}

void PickByText(CDayPicker* picker, int row, const QString& text) {
    picker->RowChoice()->setCurrentIndex(row);
    Retype(picker->TextField(), text);
    QTest::keyClick(picker->TextField(), Qt::Key_Return);
}

// The first and last day the age table gives in a calendar row.
QStringList AgeRow(const CCountDaysDialog& dialog, int row) {
    const QTreeWidgetItem* item = dialog.AgeDays()->topLevelItem(row);
    return item ? QStringList{item->text(1), item->text(2)} : QStringList{};
}

} // namespace

class CountingDaysTest : public QObject {
    Q_OBJECT

private slots:
    void init() { g_jdGregorianStart = kEnglandReform; }
    void cleanup() { g_jdGregorianStart = kDefaultGregorianStart; }

    void spanBetweenTwoDaysInEachReckoning() {
        CPanelRig rig(2451545);
        CCountDaysDialog dialog(rig.panel, rig.help);
        // Both pickers start on the panel's day.
        QCOMPARE(dialog.DaysResult()->text(), QStringLiteral("0"));
        PickByFields(dialog.FirstDay(), ROW_JULIAN, 1, 1, QStringLiteral("1700"));
        PickByText(dialog.SecondDay(), ROW_GREGORIAN, QStringLiteral("17 September 1753"));
        QCOMPARE(dialog.FirstDay()->Day()->GetDayNumber(), 2341983);
        QCOMPARE(dialog.SecondDay()->MonthField()->currentText(), QStringLiteral("September"));
        // Another row shows the same day in its own calendar.
        dialog.SecondDay()->RowChoice()->setCurrentIndex(ROW_JULIAN);
        QCOMPARE(dialog.SecondDay()->DayField()->value(), 6);
        QCOMPARE(dialog.SecondDay()->Day()->GetDayNumber(), 2361590);
        const struct {
            int choice;
            const char* ymd;
        } cases[] = {
            {0, "53 years, 8 months and 16 days"}, // as written on each day, in England
            {1, "53 years, 8 months and 6 days"},
            {2, "53 years, 8 months and 5 days"},
        };
        for (const auto& c : cases) {
            dialog.Reckoning()->setCurrentIndex(c.choice);
            QCOMPARE(dialog.SpanResult()->text(), QLatin1String(c.ymd));
            QCOMPARE(dialog.DaysResult()->text(), QStringLiteral("19607"));
            QCOMPARE(dialog.WeeksResult()->text(), QStringLiteral("2801 weeks and 0 days"));
        }
        // Backwards, every part is negative.
        PickByFields(dialog.FirstDay(), ROW_GREGORIAN, 1, 1, QStringLiteral("2000"));
        PickByFields(dialog.SecondDay(), ROW_GREGORIAN, 17, 11, QStringLiteral("1999"));
        QCOMPARE(dialog.WeeksResult()->text(), QStringLiteral("-6 weeks and -3 days"));
        QCOMPARE(dialog.SpanResult()->text(), QStringLiteral("0 years, -1 months and -15 days"));

        // A date no calendar has clears the results, and says so.
        PickByFields(dialog.SecondDay(), ROW_GREGORIAN, 30, 2, QStringLiteral("2001"));
        QVERIFY(!dialog.SecondDay()->Day());
        QCOMPARE(dialog.SecondDay()->Reading()->text(), QStringLiteral("Illegal date"));
        QVERIFY(dialog.DaysResult()->text().isEmpty());
        QVERIFY(!dialog.ShowSecondButton()->isEnabled());
        // A text the row cannot read leaves the day as it was.
        PickByText(dialog.SecondDay(), ROW_JEWISH, QStringLiteral("no date here"));
        QCOMPARE(dialog.SecondDay()->Reading()->text(),
                 QStringLiteral("This row cannot read the text."));

        // A Roman-style date, then the panel moved to it.
        PickByText(dialog.SecondDay(), ROW_ROMAN, QStringLiteral("3 Nones March 1702"));
        QVERIFY(dialog.SecondDay()->KindField()->isVisibleTo(dialog.SecondDay()));
        QCOMPARE(dialog.SecondDay()->Day()->GetDayNumber(), 2342777);
        dialog.ShowSecondButton()->click();
        QCOMPARE(rig.panel.GetDayShown().GetDayNumber(), 2342777);
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("05 March 1702"));
        // The panel's day comes back into a picker, in its chosen row.
        dialog.FirstDay()->RowChoice()->setCurrentIndex(ROW_JEWISH);
        dialog.FirstDay()->PanelButton()->click();
        QCOMPARE(dialog.FirstDay()->Day()->GetDayNumber(), 2342777);
        QCOMPARE(dialog.FirstDay()->RowChoice()->currentIndex(), int(ROW_JEWISH));
    }

    void birthsFromAnAgeAtDeath() {
        CPanelRig rig(2451545);
        CCountDaysDialog dialog(rig.panel, rig.help);
        dialog.Tabs()->setCurrentIndex(1);
        QVERIFY(!dialog.ShowFirstButton()->isEnabled());
        PickByText(dialog.AgeDay(), ROW_JULIAN, QStringLiteral("3 March 1702"));
        QTest::keyClicks(dialog.AgeField(0), QStringLiteral("67"));
        QVERIFY(dialog.AgeSummary()->text().startsWith(QStringLiteral("365 days, from ")));
        QCOMPARE(AgeRow(dialog, ROW_JULIAN),
                 (QStringList{QStringLiteral("04 March 1634"), QStringLiteral("03 March 1635")}));
        QCOMPARE(AgeRow(dialog, ROW_COUNT),
                 (QStringList{QStringLiteral("2317939"), QStringLiteral("2318303")}));
        QTest::keyClicks(dialog.AgeField(1), QStringLiteral("4"));
        QCOMPARE(AgeRow(dialog, ROW_JULIAN), (QStringList{QStringLiteral("04 October 1634"),
                                                          QStringLiteral("03 November 1634")}));
        QTest::keyClicks(dialog.AgeField(2), QStringLiteral("12"));
        QVERIFY(dialog.AgeSummary()->text().startsWith(QStringLiteral("One day: ")));
        QCOMPARE(AgeRow(dialog, ROW_JULIAN), (QStringList{QStringLiteral("19 October 1634"),
                                                          QStringLiteral("19 October 1634")}));
        dialog.ShowFirstButton()->click();
        QCOMPARE(rig.panel.GetDayShown().GetDayNumber(), 2318168);

        // Reached after a day: sixty years old across England's reform.
        dialog.AfterChoice()->setChecked(true);
        PickByText(dialog.AgeDay(), ROW_JULIAN, QStringLiteral("10 February 1700"));
        for (int part : {1, 2})
            dialog.AgeField(part)->clear();
        Retype(dialog.AgeField(0), QStringLiteral("60"));
        QCOMPARE(AgeRow(dialog, ROW_GREGORIAN), (QStringList{QStringLiteral("10 February 1760"),
                                                             QStringLiteral("09 February 1761")}));
        dialog.ShowLastButton()->click();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("09 February 1761"));

        // No age, and an age no day has.
        dialog.AgeField(0)->clear();
        QVERIFY(dialog.AgeSummary()->text().startsWith(QStringLiteral("Give an age")));
        QVERIFY(!dialog.ShowFirstButton()->isEnabled());
        dialog.BeforeChoice()->setChecked(true);
        PickByText(dialog.AgeDay(), ROW_GREGORIAN, QStringLiteral("1 January -4713"));
        Retype(dialog.AgeField(0), QStringLiteral("5"));
        QCOMPARE(dialog.AgeSummary()->text(), QStringLiteral("No day gives this age."));
        QCOMPARE(dialog.AgeDays()->topLevelItemCount(), 0);
    }

    void monthViewShowsTheReformAndMovesThePanel() {
        CPanelRig rig(kEnglandReform);
        CMonthView view(rig.panel, rig.help);
        view.Refresh();
        QCOMPARE(view.Title()->text(), QStringLiteral("September 1752 (Julian, then Gregorian)"));
        QCOMPARE(view.Grid()->rowCount(), 3);
        QCOMPARE(view.SkippedNote()->text(),
                 QStringLiteral("The reform skipped 3 to 13 September."));
        // 2 September, a Wednesday, then 14 September on the Thursday beside it.
        QCOMPARE(view.DayAt(0, 2).GetDayNumber(), kEnglandReform - 1);
        QCOMPARE(view.DayAt(0, 3).GetDayNumber(), kEnglandReform);
        QVERIFY(view.Grid()->item(0, 3)->text().startsWith(QStringLiteral("14 \u2016")));
        QCOMPARE(view.Grid()->currentRow(), 0);
        QCOMPARE(view.Grid()->currentColumn(), 3);
        QVERIFY(
            view.Details()->text().contains(QStringLiteral("Julian calendar: 03 September 1752")));
        QVERIFY(view.Grid()->item(0, 0)->flags() == Qt::NoItemFlags); // Monday 31 August: no cell

        // A click moves the panel; the grid follows it.
        view.Grid()->setCurrentCell(2, 0); // Monday 25 September
        QCOMPARE(rig.panel.GetDayShown().GetDayNumber(), kEnglandReform + 11);
        view.NextButton()->click();
        view.Refresh();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("25 October 1752"));
        QCOMPARE(view.Title()->text(), QStringLiteral("October 1752 (Gregorian)"));
        QVERIFY(view.SkippedNote()->isHidden());
        view.PreviousButton()->click();
        view.PreviousButton()->click();
        view.Refresh();
        QCOMPARE(view.Title()->text(), QStringLiteral("August 1752 (Julian)"));

        // Easter 2024 carries its mark and its name.
        rig.panel.GoToRowDay(ROW_GREGORIAN, 2460401);
        view.Refresh();
        const QTableWidgetItem* easter =
            view.Grid()->item(view.Grid()->currentRow(), view.Grid()->currentColumn());
        QVERIFY(easter->text().startsWith(QStringLiteral("31 \u271D")));
        QVERIFY(easter->toolTip().contains(QStringLiteral("Easter")));
        QVERIFY(view.Details()->text().contains(QStringLiteral("Easter")));
    }
};

QTEST_MAIN(CountingDaysTest)
#include "CountingDaysTest.moc"
