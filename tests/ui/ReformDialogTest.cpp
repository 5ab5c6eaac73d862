// The "Beginning of Gregorian Calendar" dialog as a user drives it: choosing
// countries, typing dates, the refusals, Cancel, Display and help.
#include "ReformDialog.h"
#include "HelpTopics.h"
#include "TextBridge.h"
#include "panel/CalendarPanel.h"
#include "reform/ReformCountries.h"
#include "settings/MemorySettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

class CRecordingLauncher : public CHelpLauncher {
public:
    void ShowTopic(const std::string& topic) override { topics.push_back(topic); }
    std::vector<std::string> topics;
};

// What the dialog works on: the frame's settings and store, a panel, help.
struct CRig {
    CFixedPanelOwner owner;
    CCalendarPanel panel{owner};
    CMemorySettingsStore store;
    CFrameSettings settings;
    CRecordingLauncher help;
    QStringList warnings;

    CRig() {
        panel.OnInitialUpdate();
        panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(2361000)); // 5 February 1752
    }
    std::unique_ptr<CReformDialog> Open() {
        auto dialog = std::make_unique<CReformDialog>(settings, store, panel, help);
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

void Choose(CReformDialog& dialog, int country) {
    dialog.CountryCombo()->setCurrentIndex(country);
    emit dialog.CountryCombo()->activated(country);
}

// Leaving a box: the focus leaves the combo that holds an edit part.
void Leave(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget->parentWidget()))
        widget = combo;
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

// The three boxes typed and left in turn, as a user tabbing through them.
void TypeDate(CReformDialog& dialog, const QString& day, const QString& month,
              const QString& year) {
    for (auto [edit, text] :
         {std::pair{dialog.DayCombo()->lineEdit(), day},
          std::pair{dialog.MonthCombo()->lineEdit(), month}, std::pair{dialog.YearEdit(), year}}) {
        Retype(edit, text);
        Leave(edit);
    }
}

QStringList Boxes(const CReformDialog& dialog) {
    return {dialog.DayCombo()->currentText(), dialog.MonthCombo()->currentText(),
            dialog.YearEdit()->text()};
}

} // namespace

class ReformDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        g_jdGregorianStart = kDefaultGregorianStart;
        CReformDialogModel::ResetTypedLength();
    }
    void cleanup() { g_jdGregorianStart = kDefaultGregorianStart; }

    void opensOnTheStoredChoice() {
        CRig rig;
        auto dialog = rig.Open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Beginning of Gregorian Calendar"));
        QCOMPARE(dialog->CountryCombo()->count(), kReformCountryCount);
        QCOMPARE(dialog->CountryCombo()->currentIndex(), 10);
        QCOMPARE(dialog->CountryCombo()->currentText(), QStringLiteral("12-20-1582 : France"));
        QCOMPARE(dialog->CountryCombo()->itemText(1), QStringLiteral("09-14-1752 : England"));
        QCOMPARE(dialog->CountryCombo()->itemText(28), QStringLiteral("03-18-1919 : Yugoslavia"));
        QCOMPARE(Boxes(*dialog), (QStringList{"20", "December", "1582"}));
        QCOMPARE(dialog->DayCombo()->count(), 31);
        QCOMPARE(dialog->DayCombo()->itemText(4), QStringLiteral("05"));
        QCOMPARE(dialog->MonthCombo()->count(), 12);
        QCOMPARE(dialog->MonthCombo()->itemText(11), QStringLiteral("December"));
        QCOMPARE(dialog->OkButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog->CancelButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(dialog->DisplayButton()->toolTip(), QStringLiteral("Display the beginning date"));
    }

    // Damaged stored values open without a selection or without a date
    // instead of failing, and OK then judges what the boxes hold.
    void opensOnDamagedSettings() {
        const struct {
            std::int32_t country;
            std::int32_t day;
            int selection;
            QStringList boxes;
            bool accepted;
        } table[] = {
            {99, 2299227, -1, {"20", "December", "1582"}, true},
            {3, -5, 3, {"", "", ""}, false},
        };
        for (const auto& row : table) {
            CRig rig;
            rig.settings.m_nGregCountry = row.country;
            rig.settings.m_dtGregStart = CJulianDay(row.day);
            auto dialog = rig.Open();
            QCOMPARE(dialog->CountryCombo()->currentIndex(), row.selection);
            QCOMPARE(Boxes(*dialog), row.boxes);
            dialog->OkButton()->click();
            QCOMPARE(dialog->isVisible(), !row.accepted);
            QCOMPARE(rig.warnings.isEmpty(), row.accepted);
            if (row.accepted)
                QCOMPARE(rig.settings.m_nGregCountry, -1);
        }
    }

    // Every country fills the boxes with its day and OK stores its own
    // position, even where another country shares the day.
    void everyCountryRoundTrips() {
        for (int i = 0; i < kReformCountryCount; ++i) {
            CRig rig;
            auto dialog = rig.Open();
            const CJulianDay day = ReformCountryDay(i);
            QCOMPARE(dialog->CountryCombo()->itemData(i).toInt(), day.GetDayNumber());
            Choose(*dialog, i);
            const CGregorianDate date = day.GetGregorian();
            QCOMPARE(Boxes(*dialog),
                     (QStringList{QStringLiteral("%1").arg(date.nDay, 2, 10, QLatin1Char('0')),
                                  dialog->MonthCombo()->itemText(date.nMonth - 1),
                                  QString::number(date.nYear)}));
            dialog->OkButton()->click();
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(rig.settings.m_nGregCountry, i);
            QCOMPARE(rig.settings.m_dtGregStart, day);
            QCOMPARE(g_jdGregorianStart, day.GetDayNumber());
            QCOMPARE(std::get<std::int32_t>(rig.store.Values().at("PaysGreg")), i);
            QCOMPARE(std::get<std::int32_t>(rig.store.Values().at("DtGreg")), day.GetDayNumber());
            QVERIFY(rig.warnings.isEmpty());
        }
    }

    void englandMovesTheCivilMarker() {
        CRig rig;
        // 5 February 1752 is Gregorian under France's date.
        QVERIFY(rig.panel.IsIconVisible(IDC_MARKER_GREG));
        // What a view sees when the panel tells it the form changed.
        bool viewSeesJulian = false;
        rig.panel.SetChangeObserver(
            [&] { viewSeesJulian = rig.panel.IsIconVisible(IDC_MARKER_JUL); });
        auto dialog = rig.Open();
        Choose(*dialog, 1);
        QCOMPARE(Boxes(*dialog), (QStringList{"14", "September", "1752"}));
        dialog->OkButton()->click();
        QCOMPARE(rig.settings.m_nGregCountry, 1);
        QCOMPARE(rig.settings.m_dtGregStart.GetDayNumber(), 2361222);
        QVERIFY(!rig.panel.IsIconVisible(IDC_MARKER_GREG));
        QVERIFY(rig.panel.IsIconVisible(IDC_MARKER_JUL));
        QVERIFY(viewSeesJulian);
    }

    void typedDateStoresNoCountry() {
        CRig rig;
        {
            auto dialog = rig.Open();
            Choose(*dialog, 1);
            Retype(dialog->YearEdit(), QStringLiteral("1753"));
            dialog->OkButton()->click();
            QVERIFY(!dialog->isVisible());
        }
        QCOMPARE(rig.settings.m_nGregCountry, -1);
        QCOMPARE(rig.settings.m_dtGregStart.GetDayNumber(), 2361222 + 365);
        QCOMPARE(std::get<std::int32_t>(rig.store.Values().at("PaysGreg")), -1);
        auto again = rig.Open();
        QCOMPARE(again->CountryCombo()->currentIndex(), -1);
        QCOMPARE(Boxes(*again), (QStringList{"14", "September", "1753"}));
    }

    // Refused dates keep the dialog open with what was typed and change nothing.
    void refusalsKeepTheDialogOpen() {
        const QString illegal = QStringLiteral("Illegal date");
        const QString early = QStringLiteral("The date can not be before october, 15th 1582.");
        const struct {
            const char* day;
            const char* month;
            const char* year;
            QString message;
        } table[] = {
            {"14", "October", "1582", early},    {"31", "February", "1700", illegal},
            {"14", "September", "", illegal},    {"14", "September", "abc", illegal},
            {"29", "February", "1900", illegal}, {"0", "May", "1700", illegal},
            {"14", "13", "1752", illegal},       {"1", "1", "-4713", early},
        };
        for (const auto& row : table) {
            CRig rig;
            const CFrameSettings before = rig.settings;
            auto dialog = rig.Open();
            TypeDate(*dialog, row.day, row.month, row.year);
            dialog->OkButton()->click();
            QVERIFY2(rig.warnings == QStringList{row.message}, row.year);
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->YearEdit()->text(), QLatin1String(row.year));
            QCOMPARE(rig.settings, before);
            QVERIFY(rig.store.Writes().empty());
            QCOMPARE(g_jdGregorianStart, kDefaultGregorianStart);
        }
    }

    void firstGregorianDayIsAccepted() {
        CRig rig;
        auto dialog = rig.Open();
        TypeDate(*dialog, "15", "October", "1582x"); // read as its leading number
        dialog->OkButton()->click();
        QVERIFY(rig.warnings.isEmpty());
        QCOMPARE(rig.settings.m_dtGregStart.GetDayNumber(), 2299161);
        QCOMPARE(rig.settings.m_nGregCountry, -1);
    }

    // Leaving the boxes pads the day and names the month; OK does the same
    // for boxes it finds unleft.
    void boxesAreNormalised() {
        CRig rig;
        auto dialog = rig.Open();
        TypeDate(*dialog, "5", "2", "1800");
        QCOMPARE(Boxes(*dialog), (QStringList{"05", "February", "1800"}));
        Retype(dialog->DayCombo()->lineEdit(), QStringLiteral("7"));
        Retype(dialog->MonthCombo()->lineEdit(), QStringLiteral("3"));
        dialog->OkButton()->click();
        QCOMPARE(Boxes(*dialog), (QStringList{"07", "March", "1800"}));
        CJulianDay expected;
        expected.SetGregorian({7, 3, 1800});
        QCOMPARE(rig.settings.m_dtGregStart, expected);
        // Texts that are not numbers of the list stay as typed.
        auto other = rig.Open();
        TypeDate(*other, "x", "13", "1800");
        QCOMPARE(Boxes(*other), (QStringList{"x", "13", "1800"}));
    }

    void monthTypeAhead() {
        CRig rig;
        auto dialog = rig.Open();
        QLineEdit* month = dialog->MonthCombo()->lineEdit();
        month->selectAll();
        month->del();
        const struct {
            char key;
            const char* text;
            const char* selected;
        } steps[] = {{'j', "January", "anuary"},
                     {'u', "June", "ne"},
                     {'l', "July", "y"},
                     {'z', "Julz", "z"}};
        for (const auto& step : steps) {
            QTest::keyClick(month, step.key);
            QCOMPARE(month->text(), QLatin1String(step.text));
            QCOMPARE(month->selectedText(), QLatin1String(step.selected));
        }
        // A number is left alone until the box is left.
        month->selectAll();
        QTest::keyClicks(month, QStringLiteral("1"));
        QCOMPARE(month->text(), QStringLiteral("1"));
        QVERIFY(!month->hasSelectedText());
    }

    void listChoicesFillTheBoxes() {
        CRig rig;
        auto dialog = rig.Open();
        dialog->DayCombo()->setCurrentIndex(8);
        emit dialog->DayCombo()->activated(8);
        dialog->MonthCombo()->setCurrentIndex(3);
        emit dialog->MonthCombo()->activated(3);
        Retype(dialog->YearEdit(), QStringLiteral("1600"));
        dialog->OkButton()->click();
        CJulianDay expected;
        expected.SetGregorian({9, 4, 1600});
        QCOMPARE(rig.settings.m_dtGregStart, expected);
    }

    void cancelChangesNothing() {
        CRig rig;
        const CFrameSettings before = rig.settings;
        const QString row0 = rig.Row(ROW_GREGORIAN);
        auto dialog = rig.Open();
        Choose(*dialog, 0);
        dialog->CancelButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(rig.settings, before);
        QVERIFY(rig.store.Writes().empty());
        QCOMPARE(g_jdGregorianStart, kDefaultGregorianStart);
        QCOMPARE(rig.Row(ROW_GREGORIAN), row0);
    }

    void displayMovesThePanelOnly() {
        CRig rig;
        auto dialog = rig.Open();
        Choose(*dialog, 1);
        dialog->DisplayButton()->click();
        QVERIFY(dialog->isVisible());
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("14 September 1752"));
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("03 September 1752"));
        QVERIFY(rig.store.Writes().empty());
        QCOMPARE(rig.settings.m_nGregCountry, 10);
        // An impossible date is refused and leaves the panel where it was.
        TypeDate(*dialog, "31", "April", "1752");
        dialog->DisplayButton()->click();
        QCOMPARE(rig.warnings, QStringList{QStringLiteral("Illegal date")});
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("14 September 1752"));
    }

    // A store that cannot be written still lets the new day hold for the run.
    void failingStoreStillApplies() {
        CRig rig;
        rig.store.SetFailWrites(true);
        auto dialog = rig.Open();
        Choose(*dialog, 23);
        dialog->OkButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.settings.m_nGregCountry, 23);
        QCOMPARE(g_jdGregorianStart, 2421639);
        QVERIFY(rig.warnings.isEmpty());
    }

    void helpShowsItsTopic() {
        CRig rig;
        auto dialog = rig.Open();
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->YearEdit()->setFocus();
        dialog->HelpButton()->click();
        QTest::keyClick(dialog->YearEdit(), Qt::Key_F1);
        QCOMPARE(rig.help.topics, (std::vector<std::string>{"gregorien", "gregorien"}));
        QVERIFY(dialog->isVisible());
    }

    // Without a handler of its own the refusal is a warning box over the
    // main window, and the dialog stays open behind it.
    void warningBoxOverTheMainWindow() {
        CRig rig;
        QWidget main;
        main.show();
        CReformDialog dialog(rig.settings, rig.store, rig.panel, rig.help, &main);
        dialog.show();
        Retype(dialog.YearEdit(), QString());
        QString text;
        QWidget* owner = nullptr;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                owner = box->parentWidget();
                icon = box->icon();
                box->accept();
            }
        });
        dialog.OkButton()->click();
        QCOMPARE(text, QStringLiteral("Illegal date"));
        QCOMPARE(owner, &main);
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(ReformDialogTest)
#include "ReformDialogTest.moc"
