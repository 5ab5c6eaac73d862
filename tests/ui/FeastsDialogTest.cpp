// The "Movable Christian Holy Days" dialog as a user drives it: the year box,
// Calculate and its alternation, the four display buttons and help.
#include "FeastsDialog.h"
#include "HelpTopics.h"
#include "TextBridge.h"
#include "panel/CalendarPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

namespace {

class CRecordingLauncher : public CHelpLauncher {
public:
    void ShowTopic(const std::string& topic) override { topics.push_back(topic); }
    std::vector<std::string> topics;
};

struct CRig {
    CFixedPanelOwner owner;
    CCalendarPanel panel{owner};
    CRecordingLauncher help;
    QStringList warnings;

    CRig() {
        panel.OnInitialUpdate();
        panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(2451545)); // 1 January 2000
    }
    std::unique_ptr<CFeastsDialog> Open(std::int32_t year,
                                        std::int32_t reform = kDefaultGregorianStart) {
        auto dialog = std::make_unique<CFeastsDialog>(year, CJulianDay(reform), panel, help);
        dialog->SetWarningHandler([this](const QString& text) { warnings << text; });
        dialog->show();
        return dialog;
    }
    QString Row(int row) const {
        QStringList parts;
        for (const std::string& text : panel.GetRowTexts(row))
            parts << FromCp1252(text);
        return parts.join(QLatin1Char(' '));
    }
};

QStringList Feasts(const CFeastsDialog& dialog) {
    QStringList texts;
    for (int f = 0; f < FEAST_COUNT; ++f)
        texts << dialog.FeastEdit(static_cast<EFeast>(f))->text();
    return texts;
}

// 'G' or 'J' for the indicator showing, '-' for none; both at once is a fault.
char Indicator(const CFeastsDialog& dialog) {
    const bool g = dialog.GregorianIndicator()->isVisibleTo(&dialog);
    const bool j = dialog.JulianIndicator()->isVisibleTo(&dialog);
    return g && j ? '!' : g ? 'G' : j ? 'J' : '-';
}

void TypeYear(CFeastsDialog& dialog, const QString& year) {
    QLineEdit* edit = dialog.YearEdit();
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, year);
}

void LeaveYear(CFeastsDialog& dialog) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(dialog.YearEdit(), &out);
}

const QStringList kGregorian2008 = {"06 February 2008", "23 March 2008", "01 May 2008",
                                    "11 May 2008"};
const QStringList kJulian2008 = {"28 February 2008", "14 April 2008", "23 May 2008",
                                 "02 June 2008"};

} // namespace

class FeastsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { g_jdGregorianStart = kDefaultGregorianStart; }

    void opensComputed() {
        CRig rig;
        auto dialog = rig.Open(2008);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Movable Christian Holy Days"));
        QCOMPARE(dialog->YearEdit()->text(), QStringLiteral("2008"));
        QCOMPARE(Feasts(*dialog), kGregorian2008);
        QCOMPARE(Indicator(*dialog), 'G');
        QCOMPARE(dialog->GregorianIndicator()->toolTip(), QStringLiteral("Gregorian calendar"));
        QCOMPARE(dialog->JulianIndicator()->toolTip(), QStringLiteral("Julian calendar"));
        QVERIFY(dialog->CalculateButton()->isDefault());
        QCOMPARE(dialog->CalculateButton()->text(), QStringLiteral("Calculate"));
        QCOMPARE(dialog->CancelButton()->text(), QStringLiteral("Cancel"));
        const char* tips[] = {"Display Ash Wednesday day", "Display Easter day",
                              "Display Ascension day", "Display Pentecost day"};
        for (int f = 0; f < FEAST_COUNT; ++f) {
            QVERIFY(dialog->FeastEdit(static_cast<EFeast>(f))->isReadOnly());
            QCOMPARE(dialog->DisplayButton(static_cast<EFeast>(f))->toolTip(),
                     QLatin1String(tips[f]));
        }
        QVERIFY(dialog->FeastEdit(FEAST_COUNT) == nullptr);
        QVERIFY(dialog->DisplayButton(FEAST_COUNT) == nullptr);
    }

    // Calculate on the year just computed alternates the reckonings.
    void calculateFlips() {
        CRig rig;
        auto dialog = rig.Open(2008);
        for (int i = 0; i < 4; ++i) {
            dialog->CalculateButton()->click();
            QCOMPARE(Feasts(*dialog), i % 2 == 0 ? kJulian2008 : kGregorian2008);
            QCOMPARE(Indicator(*dialog), i % 2 == 0 ? 'J' : 'G');
        }
    }

    void upTo1582OnlyJulian() {
        CRig rig;
        auto dialog = rig.Open(1582);
        QCOMPARE(Feasts(*dialog),
                 (QStringList{"28 February 1582", "15 April 1582", "24 May 1582", "03 June 1582"}));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Indicator(*dialog), 'J');
            dialog->CalculateButton()->click();
            QCOMPARE(Feasts(*dialog)[1], QStringLiteral("15 April 1582"));
        }
    }

    void yearsOutOfRangeGiveNothing() {
        for (const QString& year : {QStringLiteral("0"), QStringLiteral("3000"),
                                    QStringLiteral("-5"), QStringLiteral("abc")}) {
            CRig rig;
            const QString before = rig.Row(ROW_GREGORIAN);
            auto dialog = rig.Open(2008);
            TypeYear(*dialog, year);
            LeaveYear(*dialog);
            QCOMPARE(Feasts(*dialog), (QStringList{"", "", "", ""}));
            dialog->DisplayButton(FEAST_EASTER)->click();
            QCOMPARE(rig.warnings, QStringList{QStringLiteral("Illegal date")});
            QCOMPARE(rig.Row(ROW_GREGORIAN), before);
            QVERIFY(dialog->isVisible());
        }
        CRig rig;
        auto dialog = rig.Open(0);
        QCOMPARE(Indicator(*dialog), '-');
        QCOMPARE(Feasts(*dialog), (QStringList{"", "", "", ""}));
    }

    // Each display button lands the panel's row of the reckoning in use on
    // exactly the date its box shows; the dialog stays open.
    void displayMovesThroughTheReckoningsRow() {
        CRig rig;
        auto dialog = rig.Open(2008);
        for (int pass = 0; pass < 2; ++pass) {
            const int row = pass == 0 ? ROW_GREGORIAN : ROW_JULIAN;
            for (int f = 0; f < FEAST_COUNT; ++f) {
                const auto feast = static_cast<EFeast>(f);
                dialog->DisplayButton(feast)->click();
                QCOMPARE(rig.Row(row), dialog->FeastEdit(feast)->text());
            }
            dialog->CalculateButton()->click();
        }
        // Julian Easter 2008 is 27 April in the Gregorian calendar.
        dialog->CalculateButton()->click();
        dialog->DisplayButton(FEAST_EASTER)->click();
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("14 April 2008"));
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("27 April 2008"));
        QVERIFY(rig.warnings.isEmpty());
        QVERIFY(dialog->isVisible());
    }

    // Enter keeps the focus in the year box, so a new year prefers the
    // Gregorian reckoning; leaving the box first computes it, and the
    // Calculate that follows flips it.
    void enterAndCalculateAfterAnEdit() {
        CRig rig;
        auto dialog = rig.Open(2008);
        dialog->CalculateButton()->click();
        QCOMPARE(Indicator(*dialog), 'J');
        TypeYear(*dialog, QStringLiteral("2009"));
        QTest::keyClick(dialog->YearEdit(), Qt::Key_Return);
        QCOMPARE(Indicator(*dialog), 'G');
        QCOMPARE(Feasts(*dialog)[1], QStringLiteral("12 April 2009"));
        QVERIFY(dialog->isVisible());

        TypeYear(*dialog, QStringLiteral("2010"));
        LeaveYear(*dialog);
        QCOMPARE(Feasts(*dialog)[1], QStringLiteral("04 April 2010"));
        dialog->CalculateButton()->click();
        QCOMPARE(Indicator(*dialog), 'J');
        QCOMPARE(Feasts(*dialog)[1], QStringLiteral("22 March 2010"));
    }

    // Clicking a button takes the focus from the year box, which computes
    // the year before the button acts.
    void clickingAButtonLeavesTheYearBox() {
        CRig rig;
        auto dialog = rig.Open(2008);
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->YearEdit()->setFocus();
        TypeYear(*dialog, QStringLiteral("2011"));
        QTest::mouseClick(dialog->DisplayButton(FEAST_EASTER), Qt::LeftButton);
        QCOMPARE(Feasts(*dialog)[1], QStringLiteral("24 April 2011"));
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("24 April 2011"));
    }

    void startYearFromThePanel() {
        const struct {
            std::int32_t day;
            std::int32_t reform;
            std::int32_t year;
        } table[] = {
            {2451545, kDefaultGregorianStart, 2000}, // 1 January 2000
            {2299239, kDefaultGregorianStart, 1583}, // 1 January 1583, Gregorian in force
            {2299220, kDefaultGregorianStart, 1582}, // 13 December 1582, before France's day
            {2341977, 2361222, 1699}, // 5 January 1700, still 26 December 1699 in England
        };
        for (const auto& row : table) {
            g_jdGregorianStart = row.reform;
            CRig rig;
            rig.panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(row.day));
            QCOMPARE(PanelFeastsYear(rig.panel), row.year);
        }
    }

    void helpShowsItsTopic() {
        CRig rig;
        auto dialog = rig.Open(2008);
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->YearEdit()->setFocus();
        dialog->HelpButton()->click();
        QTest::keyClick(dialog->YearEdit(), Qt::Key_F1);
        QCOMPARE(rig.help.topics, (std::vector<std::string>{"fetes", "fetes"}));
        QVERIFY(dialog->isVisible());
    }
};

QTEST_MAIN(FeastsDialogTest)
#include "FeastsDialogTest.moc"
