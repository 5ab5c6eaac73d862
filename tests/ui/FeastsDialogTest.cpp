// The "Movable Christian Holy Days" dialog's binding: the year box, Calculate,
// Enter and the lost focus to the model, the display buttons to the panel,
// help. The feasts' dates are checked on the model.
#include "ChurchYearBox.h"
#include "FeastsDialog.h"
#include "Language.h"
#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <memory>

namespace {

// A panel on 1 January 2000 and the dialog over it.
struct CRig : CPanelRig {
    QStringList warnings;

    CRig() : CPanelRig(2451545) {}
    std::unique_ptr<CFeastsDialog> Open(std::int32_t year) {
        auto dialog =
            std::make_unique<CFeastsDialog>(year, CJulianDay(kDefaultGregorianStart), panel, help);
        dialog->SetWarningHandler([this](const QString& text) { warnings << text; });
        dialog->show();
        return dialog;
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

void LeaveYear(CFeastsDialog& dialog, const QString& year) {
    Retype(dialog.YearEdit(), year);
    Leave(dialog.YearEdit());
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

    // The dialog opens on the computed year; Calculate on that same year
    // alternates the reckonings and their indicators.
    void opensComputedAndCalculateFlips() {
        CRig rig;
        auto dialog = rig.Open(2008);
        QCOMPARE(dialog->YearEdit()->text(), QStringLiteral("2008"));
        QCOMPARE(Feasts(*dialog), kGregorian2008);
        QCOMPARE(Indicator(*dialog), 'G');
        QVERIFY(dialog->CalculateButton()->isDefault());
        for (int f = 0; f < FEAST_COUNT; ++f)
            QVERIFY(dialog->FeastEdit(static_cast<EFeast>(f))->isReadOnly());
        for (int i = 0; i < 2; ++i) {
            dialog->CalculateButton()->click();
            QCOMPARE(Feasts(*dialog), i == 0 ? kJulian2008 : kGregorian2008);
            QCOMPARE(Indicator(*dialog), i == 0 ? 'J' : 'G');
        }
    }

    // A year out of range empties the boxes; displaying then warns and
    // leaves the panel alone.
    void yearOutOfRangeWarns() {
        CRig rig;
        const QString before = rig.Row(ROW_GREGORIAN);
        auto dialog = rig.Open(2008);
        LeaveYear(*dialog, QStringLiteral("3000"));
        QCOMPARE(Feasts(*dialog), (QStringList{"", "", "", ""}));
        dialog->DisplayButton(FEAST_EASTER)->click();
        QCOMPARE(rig.warnings, QStringList{QStringLiteral("Illegal date")});
        QCOMPARE(rig.Row(ROW_GREGORIAN), before);
        QVERIFY(dialog->isVisible());
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
        Retype(dialog->YearEdit(), QStringLiteral("2009"));
        QTest::keyClick(dialog->YearEdit(), Qt::Key_Return);
        QCOMPARE(Indicator(*dialog), 'G');
        QCOMPARE(Feasts(*dialog)[1], QStringLiteral("12 April 2009"));
        QVERIFY(dialog->isVisible());

        LeaveYear(*dialog, QStringLiteral("2010"));
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
        QVERIFY(Activate(dialog.get()));
        dialog->YearEdit()->setFocus();
        Retype(dialog->YearEdit(), QStringLiteral("2011"));
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
        QVERIFY(Activate(dialog.get()));
        dialog->YearEdit()->setFocus();
        dialog->HelpButton()->click();
        QTest::keyClick(dialog->YearEdit(), Qt::Key_F1);
        QCOMPARE(rig.help.topics, (std::vector<std::string>{"fetes", "fetes"}));
        QVERIFY(dialog->isVisible());
    }

    // The year's list follows the computed year and its reckoning, and a
    // day of it moves the panel through that reckoning's row.
    void churchYearListFollowsTheYear() {
        CRig rig;
        auto dialog = rig.Open(1523);
        QTreeWidget* list = dialog->ChurchYear()->DaysList();
        auto find = [&](const QString& latin) -> QTreeWidgetItem* {
            const auto items = list->findItems(latin, Qt::MatchExactly, 1);
            return items.isEmpty() ? nullptr : items.front();
        };
        QTreeWidgetItem* laetare = find(QStringLiteral("Laetare"));
        QVERIFY(laetare);
        QCOMPARE(laetare->text(0), QStringLiteral("15 March 1523"));
        QCOMPARE(laetare->text(2), QStringLiteral("Fourth Sunday in Lent"));
        emit list->itemActivated(laetare, 0);
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("15 March 1523"));

        LeaveYear(*dialog, QStringLiteral("2008"));
        // Leaving the box keeps the reckoning: Julian, as for 1523.
        QCOMPARE(find(QStringLiteral("Pascha"))->text(0), QStringLiteral("14 April 2008"));
        // A year out of range leaves nothing to list.
        LeaveYear(*dialog, QStringLiteral("3000"));
        QCOMPARE(list->topLevelItemCount(), 0);
    }

    void dateByFeastMovesThePanelAndSaysHow() {
        CRig rig;
        auto dialog = rig.Open(2008);
        QVERIFY(Activate(dialog.get()));
        CChurchYearBox* box = dialog->ChurchYear();
        const QString year = dialog->YearEdit()->text();
        box->FeastField()->setFocus();
        QTest::keyClicks(box->FeastField(), QStringLiteral("fer. 3 p. Laetare 1523"));
        // Enter reads the field; it does not press Calculate.
        QTest::keyClick(box->FeastField(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Model().GetYear(), 2008);
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("17 March 1523"));
        QCOMPARE(box->ReadingLabel()->text(),
                 QStringLiteral("fer. 3 p. Laetare 1523: Laetare is 15 March 1523 by the Julian "
                                "computus, so 17 March 1523"));

        // From the reform day on, the Gregorian row.
        Retype(box->FeastField(), QStringLiteral("3 days after Candlemas 1600"));
        box->ReadButton()->click();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("05 February 1600"));

        // A refusal says why and leaves the panel where it was.
        Retype(box->FeastField(), QStringLiteral("Tuesday after Zzqxw 1523"));
        box->ReadButton()->click();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("05 February 1600"));
        QVERIFY2(box->ReadingLabel()->text().contains(QStringLiteral("\"zzqxw\"")),
                 qPrintable(box->ReadingLabel()->text()));
        Retype(box->FeastField(), QStringLiteral("Laetare"));
        box->ReadButton()->click();
        QCOMPARE(box->ReadingLabel()->text(), QStringLiteral("No year from 1 to 2999 ends the text."));
        QVERIFY(rig.warnings.isEmpty());
    }

    void churchYearInFrench() {
        if (!HasFrenchTranslation())
            QSKIP("built without translations");
        CRig rig;
        auto dialog = rig.Open(2024);
        SetUiLanguage(ETextLanguage::French);
        CChurchYearBox* box = dialog->ChurchYear();
        const auto items = box->DaysList()->findItems(QStringLiteral("Pascha"), Qt::MatchExactly, 1);
        QVERIFY(!items.isEmpty());
        QCOMPARE(items.front()->text(2), QStringLiteral("P\u00e2ques"));
        Retype(box->FeastField(), QStringLiteral("veille de la Saint-Michel 1450"));
        box->ReadButton()->click();
        QCOMPARE(box->ReadingLabel()->text(),
                 QStringLiteral("veille de la Saint-Michel 1450 : Saint Michel tombe le "
                                "29 septembre 1450 dans le calendrier julien, donc le 28 septembre 1450"));
        SetUiLanguage(ETextLanguage::English);
    }
};

QTEST_MAIN(FeastsDialogTest)
#include "FeastsDialogTest.moc"
