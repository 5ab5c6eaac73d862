// The dialogs' binding: widgets to their models, OK and Cancel to the
// settings and store, display buttons to the panel, refusals with their
// message, help. What the models decide is checked in the core.
#include "ChurchYearBox.h"
#include "CopyFormatDialog.h"
#include "FeastsDialog.h"
#include "Language.h"
#include "ReformDialog.h"
#include "SaintsDialog.h"
#include "UiTestSupport.h"
#include "daynames/DayNameLists.h"
#include "reform/ReformCountries.h"
#include "saints/SaintSearch.h"
#include "settings/MemorySettingsStore.h"

#include <QAbstractButton>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

using Write = CMemorySettingsStore::CWrite;
using Writes = std::vector<Write>;

void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList Texts(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// What the dialogs work on: the frame's settings and store, a panel, help.
struct CRig : CPanelRig {
    CMemorySettingsStore store;
    CFrameSettings settings;
    QStringList warnings;

    explicit CRig(std::int32_t day) : CPanelRig(day) {}
    template <class Dialog, class... Args> std::unique_ptr<Dialog> Open(Args&&... args) {
        auto dialog = std::make_unique<Dialog>(std::forward<Args>(args)...);
        if constexpr (requires { dialog->SetWarningHandler({}); })
            dialog->SetWarningHandler([this](const QString& text) { warnings << text; });
        dialog->show();
        return dialog;
    }
    auto CopyFormat() { return Open<CCopyFormatDialog>(settings, store, help); }
    auto Reform() { return Open<CReformDialog>(settings, store, panel, help); }
    auto Feasts(std::int32_t year) {
        return Open<CFeastsDialog>(year, CJulianDay(kDefaultGregorianStart), panel, help);
    }
    auto Saints() { return Open<CSaintsDialog>(settings, store, panel, help); }
};

// The three boxes typed and left in turn, as a user tabbing through them.
void TypeDate(CReformDialog& dialog, const QString& day, const QString& month,
              const QString& year) {
    for (auto [edit, text] : {std::pair{dialog.DayCombo()->lineEdit(), day},
                              {dialog.MonthCombo()->lineEdit(), month},
                              {dialog.YearEdit(), year}}) {
        Retype(edit, text);
        Leave(edit);
    }
}
QStringList Boxes(const CReformDialog& dialog) {
    return {dialog.DayCombo()->currentText(), dialog.MonthCombo()->currentText(),
            dialog.YearEdit()->text()};
}

QStringList Feasts(const CFeastsDialog& dialog) {
    QStringList texts;
    for (int f = 0; f < FEAST_COUNT; ++f)
        texts << dialog.FeastEdit(static_cast<EFeast>(f))->text();
    return texts;
}
// 'G' or 'J' for the indicator showing, '-' for none, '!' for both.
char Indicator(const CFeastsDialog& dialog) {
    const bool g = dialog.GregorianIndicator()->isVisibleTo(&dialog);
    const bool j = dialog.JulianIndicator()->isVisibleTo(&dialog);
    return g && j ? '!' : g ? 'G' : j ? 'J' : '-';
}
void LeaveYear(CFeastsDialog& dialog, const QString& year) {
    Retype(dialog.YearEdit(), year);
    Leave(dialog.YearEdit());
}

const QStringList kJean = {"Jean : May 6th", "Jean : June 24th", "Jean : December 27th"};

void Pick(CSaintsDialog& dialog, const QString& name) {
    Choose(dialog.NameCombo(), dialog.NameCombo()->findText(name));
}
void Type(CSaintsDialog& dialog, const QString& text) {
    dialog.NameCombo()->setFocus();
    Retype(dialog.NameCombo()->lineEdit(), text);
}

// A few saints in two lists, the present one (1) shorter.
void LoadSaints() {
    const std::tuple<const char*, int, int, int> entries[] = {
        {"Pierre", 29, 6, 0}, {"Jean", 24, 6, 0},   {"Jean", 27, 12, 0},
        {"Marie", 15, 8, 0},  {"Romain", 29, 2, 0}, {"Jean", 6, 5, 0},
        {"Zo\xE9", 2, 5, 1},  {"Jean", 26, 8, 1},   {"Pierre", 29, 6, 1}};
    for (const auto& [name, day, month, list] : entries)
        new CSaintEntry(name, day, month, static_cast<std::uint8_t>(list));
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        g_jdGregorianStart = kDefaultGregorianStart;
        CReformDialogModel::ResetTypedLength();
        CSaintsDialogModel::ResetTypedLength();
        FreeDayNameLists();
        ClearSaintSearchCache();
    }
    void cleanup() { init(); }

    // Nothing changes before OK; OK stores the six values; Cancel and Escape
    // none; a store that cannot be written still gives the format for this run.
    void okStoresCancelDoesNot() {
        for (const int close : {0, 1, 2, 3}) { // OK, Cancel, Escape, OK on a failing store
            CRig rig(2451545);
            rig.store.SetFailOpen(close == 3);
            auto dialog = rig.CopyFormat();
            if (close == 0)
                CheckHelp(dialog.get(), dialog->SeparatorCombo()->lineEdit(), dialog->HelpButton(),
                          rig.help, "copier");
            for (QAbstractButton* button : {dialog->DayButton(0), dialog->MonthButton(2),
                                            dialog->YearButton(0), dialog->DualYearButton(2)})
                button->click();
            Retype(dialog->SeparatorCombo()->lineEdit(), QStringLiteral(" - "));
            QVERIFY(rig.store.Writes().empty() && rig.settings == CFrameSettings{});
            QVERIFY(dialog->OkButton()->isDefault());
            if (close == 1)
                dialog->CancelButton()->click();
            else if (close == 2)
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
            else
                dialog->OkButton()->click();
            QVERIFY(!dialog->isVisible());
            const Writes six = {{"FmtJour", 0},        {"FmtMois", 2},   {"FmtAnnee", 0},
                                {"Separateur", " - "}, {"FmtGedcom", 0}, {"FmtAnDouble", 2}};
            QCOMPARE(rig.store.Writes(), close == 0 ? six : Writes{});
            QCOMPARE(rig.settings.m_nFmtMonth, close % 3 == 0 ? 2 : 1);
            QCOMPARE(rig.settings.m_strSeparator, close % 3 == 0 ? " - " : "/");
        }
    }

    // The store holds nine Windows-1252 characters: the box takes no more,
    // typed or pasted, and a character outside it is stored as "?". The
    // preview shows today (QDate is an independent reference) in the form
    // chosen; GEDCOM greys the other forms.
    void separatorAndPreview() {
        CRig rig(2451545);
        auto dialog = rig.CopyFormat();
        const QDate today = QDate::currentDate();
        QCOMPARE(dialog->PreviewLabel()->text(),
                 QStringLiteral("Today: ") + today.toString(QStringLiteral("dd/MM/yyyy")));
        QLineEdit* edit = dialog->SeparatorCombo()->lineEdit();
        Retype(edit, QStringLiteral("0123456789ABC"));
        QCOMPARE(edit->text(), QStringLiteral("012345678"));
        edit->selectAll();
        edit->insert(QString::fromUtf8("\xe2\x80\x94\xe2\x86\x92\xc3\xa9<-------->"));
        QCOMPARE(edit->text(), QString::fromUtf8("\xe2\x80\x94\xe2\x86\x92\xc3\xa9<-----"));
        dialog->GedcomButton(2)->click();
        QCOMPARE(dialog->PreviewLabel()->text(),
                 QStringLiteral("Today: %1 %2 %3")
                     .arg(today.day())
                     .arg(QLocale::c().monthName(today.month(), QLocale::ShortFormat).toUpper())
                     .arg(today.year()));
        QVERIFY(!dialog->MonthButton(2)->isEnabled() && !dialog->DualYearButton(2)->isEnabled() &&
                !dialog->SeparatorCombo()->isEnabled());
        dialog->OkButton()->click();
        QCOMPARE(rig.settings.m_strSeparator, "\x97?\xe9<-----");
        QCOMPARE(rig.settings.m_nFmtGedcom, 2);
    }

    // The stored choice is what the widgets show; a country fills the boxes;
    // OK stores it and its day, and the panel's civil marker moves; typed
    // boxes are read when left; a store that fails keeps the day for the run.
    void okStoresTheCountryAndMovesTheMarker() {
        CRig rig(2361000); // 5 February 1752
        auto dialog = rig.Reform();
        QCOMPARE(dialog->CountryCombo()->currentText(), QStringLiteral("12-20-1582 : France"));
        CheckHelp(dialog.get(), dialog->YearEdit(), dialog->HelpButton(), rig.help, "gregorien");
        QVERIFY(rig.panel.IsIconVisible(IDC_MARKER_GREG));
        Choose(dialog->CountryCombo(), 1);
        QCOMPARE(Boxes(*dialog), (QStringList{"14", "September", "1752"}));
        dialog->OkButton()->click();
        QVERIFY(!dialog->isVisible() && rig.panel.IsIconVisible(IDC_MARKER_JUL));
        QCOMPARE(g_jdGregorianStart, 2361222);
        QCOMPARE(
            rig.store.Writes(),
            (Writes{
                {"PaysGreg", 1}, {"DtGreg", 2361222}, {"StyleAnnee", 1}, {"FinStyle", 2360976}}));
        auto typed = rig.Reform();
        TypeDate(*typed, "5", "2", "1800");
        QCOMPARE(Boxes(*typed), (QStringList{"05", "February", "1800"}));
        Choose(typed->DayCombo(), 8);
        Choose(typed->MonthCombo(), 3);
        rig.store.SetFailWrites(true);
        typed->OkButton()->click();
        QCOMPARE(rig.settings.m_nGregCountry, -1);
        QCOMPARE(g_jdGregorianStart, 2378595); // 9 April 1800
    }

    // A refused date keeps the dialog open with what was typed and changes
    // nothing; Display moves the panel only; Cancel changes nothing.
    void refusalsDisplayAndCancel() {
        CRig rig(2361000);
        auto dialog = rig.Reform();
        TypeDate(*dialog, "14", "October", "1582");
        dialog->OkButton()->click();
        QCOMPARE(rig.warnings, QStringList{"The date can not be before october, 15th 1582."});
        QCOMPARE(Boxes(*dialog), (QStringList{"14", "October", "1582"}));
        Choose(dialog->CountryCombo(), 1);
        dialog->DisplayButton()->click();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("14 September 1752"));
        TypeDate(*dialog, "31", "April", "1752");
        dialog->DisplayButton()->click();
        QCOMPARE(rig.warnings.last(), QStringLiteral("Illegal date"));
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("14 September 1752"));
        dialog->CancelButton()->click();
        QVERIFY(!dialog->isVisible() && rig.store.Writes().empty() &&
                rig.settings == CFrameSettings{});
        QCOMPARE(g_jdGregorianStart, kDefaultGregorianStart);
    }

    // Without a handler of its own the refusal is a warning box over the
    // main window, and the dialog stays open behind it.
    void warningBoxOverTheMainWindow() {
        CRig rig(2361000);
        QWidget main;
        main.show();
        CReformDialog dialog(rig.settings, rig.store, rig.panel, rig.help, &main);
        dialog.show();
        Retype(dialog.YearEdit(), QString());
        QMessageBox* box = nullptr;
        QCOMPARE(ModalOpenedBy([&] { dialog.OkButton()->click(); },
                               [&](QWidget* modal) {
                                   box = qobject_cast<QMessageBox*>(modal);
                                   QVERIFY(box && box->text() == QStringLiteral("Illegal date"));
                                   QVERIFY(box->parentWidget() == &main &&
                                           box->icon() == QMessageBox::Warning);
                               }),
                 QString());
        QVERIFY(box && dialog.isVisible());
    }

    // Calculate on the year shown alternates the reckonings; each display
    // button lands the reckoning's row on the date its box shows; a year out
    // of range empties the boxes, and displaying warns and leaves the panel.
    void calculateFlipsAndDisplayMovesThePanel() {
        CRig rig(2451545);
        auto dialog = rig.Feasts(2008);
        QVERIFY(dialog->CalculateButton()->isDefault());
        for (const auto& [indicator, row] : {std::pair{'G', ROW_GREGORIAN}, {'J', ROW_JULIAN}}) {
            QCOMPARE(Indicator(*dialog), indicator);
            for (int f = 0; f < FEAST_COUNT; ++f) {
                dialog->DisplayButton(static_cast<EFeast>(f))->click();
                QCOMPARE(rig.Row(row), dialog->FeastEdit(static_cast<EFeast>(f))->text());
            }
            dialog->CalculateButton()->click();
        }
        QVERIFY(Indicator(*dialog) == 'G' && rig.warnings.isEmpty() && dialog->isVisible());
        const QString before = rig.Row(ROW_GREGORIAN);
        LeaveYear(*dialog, QStringLiteral("3000"));
        QCOMPARE(Feasts(*dialog), (QStringList{"", "", "", ""}));
        dialog->DisplayButton(FEAST_EASTER)->click();
        QCOMPARE(rig.warnings, QStringList{QStringLiteral("Illegal date")});
        QCOMPARE(rig.Row(ROW_GREGORIAN), before);
        CheckHelp(dialog.get(), dialog->YearEdit(), dialog->HelpButton(), rig.help, "fetes");
        // Enter in the year box computes it in the Gregorian reckoning; a
        // click elsewhere computes it first.
        dialog->CalculateButton()->click();
        Retype(dialog->YearEdit(), QStringLiteral("2009"));
        QTest::keyClick(dialog->YearEdit(), Qt::Key_Return);
        QVERIFY(Indicator(*dialog) == 'G' && dialog->isVisible());
        QCOMPARE(Feasts(*dialog)[1], QStringLiteral("12 April 2009"));
        dialog->YearEdit()->setFocus();
        Retype(dialog->YearEdit(), QStringLiteral("2011"));
        QTest::mouseClick(dialog->DisplayButton(FEAST_EASTER), Qt::LeftButton);
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("24 April 2011"));
    }

    // The year's list follows the year, and a day of it moves the panel; a
    // date told by a feast moves it and says how, or why not.
    void churchYear() {
        CRig rig(2451545);
        auto dialog = rig.Feasts(1523);
        CChurchYearBox* box = dialog->ChurchYear();
        const auto find = [box](const char* latin) {
            const auto items =
                box->DaysList()->findItems(QLatin1String(latin), Qt::MatchExactly, 1);
            return items.isEmpty() ? nullptr : items.front();
        };
        QTreeWidgetItem* laetare = find("Laetare");
        QVERIFY(laetare);
        emit box->DaysList()->itemActivated(laetare, 0);
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("15 March 1523"));
        LeaveYear(*dialog, QStringLiteral("2008"));
        QCOMPARE(find("Pascha")->text(0), QStringLiteral("14 April 2008"));
        LeaveYear(*dialog, QStringLiteral("3000"));
        QCOMPARE(box->DaysList()->topLevelItemCount(), 0);
        QVERIFY(Activate(dialog.get()));
        box->FeastField()->setFocus();
        QTest::keyClicks(box->FeastField(), QStringLiteral("fer. 3 p. Laetare 1523"));
        QTest::keyClick(box->FeastField(), Qt::Key_Return); // reads the field, not Calculate
        QVERIFY(dialog->isVisible());
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("17 March 1523"));
        QCOMPARE(box->ReadingLabel()->text(),
                 QStringLiteral("fer. 3 p. Laetare 1523: Laetare is 15 March 1523 "
                                "by the Julian computus, so 17 March 1523"));
        for (const char* text : {"3 days after Candlemas 1600", "Tuesday after Zzqxw 1523"}) {
            Retype(box->FeastField(), QLatin1String(text));
            box->ReadButton()->click();
            QCOMPARE(rig.Row(ROW_GREGORIAN),
                     QStringLiteral("05 February 1600")); // from the reform on
        }
        QVERIFY(box->ReadingLabel()->text().contains(QStringLiteral("\"zzqxw\"")));
        QVERIFY(rig.warnings.isEmpty());
    }

    // Picking a name searches; leaving the box searches a changed name
    // only; Enter presses Search; keystrokes complete, Backspace does not;
    // the display buttons move the panel.
    void whenItSearches() {
        LoadSaints();
        CRig rig(2459955); // 10 January 2023
        auto dialog = rig.Saints();
        QVERIFY(Activate(dialog.get()));
        QVERIFY(dialog->SearchButton()->isDefault());
        Pick(*dialog, QStringLiteral("Jean"));
        QCOMPARE(Texts(dialog->ResultList()), kJean);
        Type(*dialog, QStringLiteral("Maria"));
        dialog->ResultList()->setFocus();
        dialog->NameCombo()->setFocus();
        dialog->TraditionalButton()->setFocus();
        QCOMPARE(dialog->Model().GetSearchCount(), 2u);
        QCOMPARE(dialog->ResultList()->item(0)->text(), QStringLiteral("Marie : August 15th"));
        Type(*dialog, QStringLiteral("Pierre"));
        QTest::keyClick(dialog->NameCombo()->lineEdit(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Texts(dialog->ResultList()), QStringList{"Pierre : June 29th"});
        Retype(dialog->NameCombo()->lineEdit(), QStringLiteral("m"));
        QCOMPARE(dialog->NameCombo()->lineEdit()->selectedText(), QStringLiteral("arie"));
        QTest::keyClick(dialog->NameCombo()->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(dialog->NameCombo()->currentText().toLower(), QStringLiteral("m"));
        CheckHelp(dialog.get(), dialog->NameCombo()->lineEdit(), dialog->HelpButton(), rig.help,
                  "saints");
        // The panel goes to the selected day in the year its row shows.
        Pick(*dialog, QStringLiteral("Jean"));
        dialog->ResultList()->setCurrentRow(1);
        dialog->GregorianButton()->click();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("24 June 2023"));
        dialog->ResultList()->setCurrentRow(2);
        dialog->JulianButton()->click();
        QVERIFY(dialog->isVisible() && rig.Row(ROW_JULIAN) == QStringLiteral("27 December 2023"));
    }

    // Any non-zero stored choice opens on the present list; switching lists
    // stores at once and searches the name again.
    void listsAreStoredAtOnce() {
        LoadSaints();
        CRig rig(2459955);
        rig.settings.m_nSaintsDlgList = 5;
        auto dialog = rig.Saints();
        QVERIFY(dialog->PresentButton()->isChecked() && !dialog->TraditionalButton()->isChecked());
        QCOMPARE(dialog->NameCombo()->count(), 3);
        dialog->TraditionalButton()->click();
        QCOMPARE(rig.settings.m_nSaintsDlgList, 0);
        Type(*dialog, QStringLiteral("Jean"));
        dialog->SearchButton()->click();
        QCOMPARE(Texts(dialog->ResultList()), kJean);
        dialog->PresentButton()->click();
        QCOMPARE(Texts(dialog->ResultList()), QStringList{"Jean : August 26th"});
        QCOMPARE(rig.store.Writes(), (Writes{{"SaintsRecent", 0}, {"SaintsRecent", 1}}));
    }
};
QUINDOR_UI_TEST("Dialogs", DialogsTest);

#include "DialogsTest.moc"
