// The "Beginning of Gregorian Calendar" dialog's binding: widgets to the
// model, OK and Cancel to the settings and store, Display to the panel, the
// refusals and help. The dates themselves are checked on the model.
#include "ReformDialog.h"
#include "UiTestSupport.h"
#include "reform/ReformCountries.h"
#include "settings/MemorySettingsStore.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

// What the dialog works on: the frame's settings and store, a panel on
// 5 February 1752, help.
struct CRig : CPanelRig {
    CMemorySettingsStore store;
    CFrameSettings settings;
    QStringList warnings;

    CRig() : CPanelRig(2361000) {}
    std::unique_ptr<CReformDialog> Open() {
        auto dialog = std::make_unique<CReformDialog>(settings, store, panel, help);
        dialog->SetWarningHandler([this](const QString& text) { warnings << text; });
        dialog->show();
        return dialog;
    }
};

void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
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

    // The stored choice, damaged or not, is what the widgets show; every
    // country item carries its day.
    void opensOnTheStoredChoice() {
        const struct {
            std::int32_t country;
            int selection;
            QString text;
        } table[] = {{10, 10, "12-20-1582 : France"}, {99, -1, ""}};
        for (const auto& row : table) {
            CRig rig;
            rig.settings.m_nGregCountry = row.country;
            auto dialog = rig.Open();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Beginning of Gregorian Calendar"));
            QCOMPARE(dialog->CountryCombo()->currentIndex(), row.selection);
            QCOMPARE(dialog->CountryCombo()->currentText(), row.text);
            QCOMPARE(Boxes(*dialog), (QStringList{"20", "December", "1582"}));
            QCOMPARE(dialog->CountryCombo()->count(), kReformCountryCount);
            for (int i = 0; i < kReformCountryCount; ++i)
                QCOMPARE(dialog->CountryCombo()->itemData(i).toInt(),
                         ReformCountryDay(i).GetDayNumber());
            QCOMPARE(dialog->DayCombo()->count(), 31);
            QCOMPARE(dialog->MonthCombo()->itemText(11), QStringLiteral("December"));
        }
    }

    // OK stores the country, the store gets both values, and the panel's
    // civil marker moves where the view sees it.
    void okStoresTheCountryAndMovesTheMarker() {
        CRig rig;
        QVERIFY(rig.panel.IsIconVisible(IDC_MARKER_GREG));
        bool viewSeesJulian = false;
        rig.panel.SetChangeObserver(
            [&] { viewSeesJulian = rig.panel.IsIconVisible(IDC_MARKER_JUL); });
        auto dialog = rig.Open();
        Choose(dialog->CountryCombo(), 1);
        QCOMPARE(Boxes(*dialog), (QStringList{"14", "September", "1752"}));
        dialog->OkButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(rig.settings.m_nGregCountry, 1);
        QCOMPARE(rig.settings.m_dtGregStart.GetDayNumber(), 2361222);
        QCOMPARE(g_jdGregorianStart, 2361222);
        QCOMPARE(std::get<std::int32_t>(rig.store.Values().at("PaysGreg")), 1);
        QCOMPARE(std::get<std::int32_t>(rig.store.Values().at("DtGreg")), 2361222);
        QVERIFY(rig.warnings.isEmpty());
        QVERIFY(rig.panel.IsIconVisible(IDC_MARKER_JUL));
        QVERIFY(viewSeesJulian);
    }

    // Refused dates keep the dialog open with what was typed and change nothing.
    void refusalsKeepTheDialogOpen() {
        const struct {
            const char* day;
            const char* month;
            const char* year;
            QString message;
        } table[] = {
            {"14", "October", "1582", "The date can not be before october, 15th 1582."},
            {"31", "February", "1700", "Illegal date"},
        };
        for (const auto& row : table) {
            CRig rig;
            const CFrameSettings before = rig.settings;
            auto dialog = rig.Open();
            TypeDate(*dialog, row.day, row.month, row.year);
            dialog->OkButton()->click();
            QCOMPARE(rig.warnings, QStringList{row.message});
            QVERIFY(dialog->isVisible());
            QCOMPARE(Boxes(*dialog), (QStringList{row.day, row.month, row.year}));
            QCOMPARE(rig.settings, before);
            QVERIFY(rig.store.Writes().empty());
            QCOMPARE(g_jdGregorianStart, kDefaultGregorianStart);
        }
    }

    // Leaving the boxes pads the day and names the month; OK does the same
    // for boxes it finds unleft; list choices fill the boxes.
    void boxesFollowTheModel() {
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
        QCOMPARE(rig.settings.m_nGregCountry, -1);

        auto other = rig.Open();
        Choose(other->DayCombo(), 8);
        Choose(other->MonthCombo(), 3);
        QCOMPARE(Boxes(*other), (QStringList{"09", "April", "1800"}));
    }

    void monthTypeAhead() {
        CRig rig;
        auto dialog = rig.Open();
        QLineEdit* month = dialog->MonthCombo()->lineEdit();
        Retype(month, QString());
        const struct {
            char key;
            const char* text;
            const char* selected;
        } steps[] = {{'j', "January", "anuary"}, {'u', "June", "ne"}, {'z', "Juz", "z"}};
        for (const auto& step : steps) {
            QTest::keyClick(month, step.key);
            QCOMPARE(month->text(), QLatin1String(step.text));
            QCOMPARE(month->selectedText(), QLatin1String(step.selected));
        }
        // A number is left alone until the box is left.
        Retype(month, QStringLiteral("1"));
        QCOMPARE(month->text(), QStringLiteral("1"));
    }

    void cancelChangesNothing() {
        CRig rig;
        const CFrameSettings before = rig.settings;
        const QString row0 = rig.Row(ROW_GREGORIAN);
        auto dialog = rig.Open();
        Choose(dialog->CountryCombo(), 0);
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
        Choose(dialog->CountryCombo(), 1);
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
        Choose(dialog->CountryCombo(), 23);
        dialog->OkButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.settings.m_nGregCountry, 23);
        QCOMPARE(g_jdGregorianStart, 2421639);
        QVERIFY(rig.warnings.isEmpty());
    }

    void helpShowsItsTopic() {
        CRig rig;
        auto dialog = rig.Open();
        QVERIFY(Activate(dialog.get()));
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
