// The dialogs' wiring; what the models decide is checked in the core.
#include "ChurchYearBox.h"
#include "CopyFormatDialog.h"
#include "FeastsDialog.h"
#include "Language.h"
#include "ReformDialog.h"
#include "SaintsDialog.h"
#include "UiTestSupport.h"
#include "calendar/RowTexts.h"
#include "daynames/DayNameLists.h"
#include "panel/PanelExchange.h"
#include "reform/ReformCountries.h"
#include "saints/SaintSearch.h"
#include "settings/MemorySettingsStore.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

// Replaces the clause in the box and reads it with the button.
void Enter(CChurchYearBox* box, const QString& clause) {
    box->FeastField()->setPlainText(clause);
    box->ReadButton()->click();
}

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

void TypeDate(CReformDialog& dialog, const QString& day, const QString& month,
              const QString& year) {
    for (auto [edit, text] : {std::pair{dialog.DayCombo()->lineEdit(), day},
                              {dialog.MonthCombo()->lineEdit(), month},
                              {dialog.YearEdit(), year}}) {
        Retype(edit, text);
        Leave(edit);
    }
}
// The country at a position of the stored list, whatever its place in the list shown.
void ChooseCountry(CReformDialog& dialog, int position) {
    Choose(dialog.CountryCombo(), dialog.CountryCombo()->findData(position));
}
QStringList Boxes(const CReformDialog& dialog) {
    return {dialog.DayCombo()->currentText(), dialog.MonthCombo()->currentText(),
            dialog.YearEdit()->text()};
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
        CReformDialogModel::ResetTypedLength();
        CSaintsDialogModel::ResetTypedLength();
        FreeDayNameLists();
        ClearSaintSearchCache();
    }

    // A year out of range says so in place of the dates; a year in range hides it.
    void feastsYearOutOfRange() {
        CRig rig(kDefaultGregorianStart);
        auto dialog = rig.Feasts(2000);
        QVERIFY(!dialog->RangeNote()->isVisibleTo(dialog.get()));
        for (const auto& [year, note] : {std::pair{"3000", true}, {"0", true}, {"1999", false}}) {
            LeaveYear(*dialog, QString::fromLatin1(year));
            QCOMPARE(dialog->RangeNote()->isVisibleTo(dialog.get()), note);
            QCOMPARE(dialog->FeastEdit(FEAST_EASTER)->text().isEmpty(), note);
        }
    }

    // The preview copies the panel's day as Copy would, GEDCOM choice included.
    void copyFormatPreviewsThePanelsDay() {
        CRig rig(2208935);
        auto dialog =
            rig.Open<CCopyFormatDialog>(rig.settings, rig.store, rig.help, nullptr, &rig.panel);
        for (const int choice : {0, 1}) {
            dialog->GedcomButton(choice)->click();
            const auto copied =
                CopyRowText(rig.panel, rig.panel.GetCivilUse().Row(rig.panel.GetDayShown()),
                            dialog->FormatOfControls());
            QVERIFY(copied);
            QVERIFY(dialog->PreviewLabel()->toolTip().endsWith(QString::fromStdString(*copied)));
        }
    }
    void cleanup() { init(); }

    // OK stores the eight values, Cancel none; a failing store still gives the format.
    void okStoresCancelDoesNot() {
        for (const int close : {0, 1, 2}) { // OK, Cancel, OK on a failing store
            CRig rig(2451545);
            rig.store.SetFailOpen(close == 2);
            auto dialog = rig.CopyFormat();
            if (close == 0)
                CheckHelp(dialog.get(), dialog->SeparatorCombo()->lineEdit(), dialog->HelpButton(),
                          rig.help, "copier");
            for (QAbstractButton* button : {dialog->DayButton(0), dialog->MonthButton(2),
                                            dialog->YearButton(0), dialog->DualYearButton(2)})
                button->click();
            dialog->RegnalCheck()->click();
            Choose(dialog->IndictionCombo(), COPY_INDICTION_BEDAN);
            Retype(dialog->SeparatorCombo()->lineEdit(), QStringLiteral(" - "));
            QVERIFY(rig.store.Writes().empty() && rig.settings == CFrameSettings{});
            (close == 1 ? dialog->CancelButton() : dialog->OkButton())->click();
            QVERIFY(!dialog->isVisible());
            const Writes eight = {{"FmtJour", 0},        {"FmtMois", 2},     {"FmtAnnee", 0},
                                  {"Separateur", " - "}, {"FmtGedcom", 0},   {"FmtAnDouble", 2},
                                  {"FmtRegne", 1},       {"FmtIndiction", 3}};
            QCOMPARE(rig.store.Writes(), close == 0 ? eight : Writes{});
            QCOMPARE(rig.settings.m_strSeparator, close != 1 ? " - " : "/");
        }
    }

    // Nine Windows-1252 characters at most, others stored as "?"; the
    // preview follows the form; GEDCOM greys the other forms.
    void separatorAndPreview() {
        CRig rig(2451545);
        auto dialog = rig.CopyFormat();
        const QString before = dialog->PreviewLabel()->text();
        const QString plain = dialog->PreviewLabel()->toolTip();
        Choose(dialog->IndictionCombo(), COPY_INDICTION_GREEK);
        QVERIFY(dialog->PreviewLabel()->toolTip().startsWith(plain + ", indiction "));
        QLineEdit* edit = dialog->SeparatorCombo()->lineEdit();
        edit->selectAll();
        edit->insert(QString::fromUtf8("\xe2\x80\x94\xe2\x86\x92\xc3\xa9<-------->"));
        QCOMPARE(edit->text(), QString::fromUtf8("\xe2\x80\x94\xe2\x86\x92\xc3\xa9<-----"));
        dialog->GedcomButton(2)->click();
        QVERIFY(dialog->PreviewLabel()->text() != before);
        QVERIFY(!dialog->MonthButton(2)->isEnabled() && !dialog->DualYearButton(2)->isEnabled() &&
                !dialog->SeparatorCombo()->isEnabled() && !dialog->RegnalCheck()->isEnabled());
        dialog->OkButton()->click();
        QCOMPARE(rig.settings.m_strSeparator, "\x97?\xe9<-----");
        QCOMPARE(rig.settings.m_nFmtGedcom, 2);
    }

    // A country fills the boxes; OK stores it and moves the civil marker;
    // typed boxes are read when left; a failing store keeps the day for the run.
    void okStoresTheCountryAndMovesTheMarker() {
        CRig rig(2361000); // 5 February 1752
        auto dialog = rig.Reform();
        QCOMPARE(dialog->CountryCombo()->currentText(), QStringLiteral("France: 20 December 1582"));
        QCOMPARE(dialog->CountryCombo()->itemText(0), QStringLiteral("Austria: 16 October 1583"));
        CheckHelp(dialog.get(), dialog->YearEdit(), dialog->HelpButton(), rig.help, "gregorien");
        QVERIFY(rig.panel.IsIconVisible(IDC_MARKER_GREG));
        // England again after its style was changed: England's own again.
        ChooseCountry(*dialog, 1);
        Choose(dialog->StyleCombo(), 0);
        ChooseCountry(*dialog, 1);
        QCOMPARE(Boxes(*dialog), (QStringList{"14", "September", "1752"}));
        QVERIFY(dialog->StyleCombo()->currentIndex() == 1 &&
                dialog->StyleUntilEdit()->text() == "1751");
        dialog->OkButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.settings.m_dtGregStart.GetDayNumber(), 2361222);
        QCOMPARE(
            rig.store.Writes(),
            (Writes{
                {"PaysGreg", 1}, {"DtGreg", 2361222}, {"StyleAnnee", 1}, {"FinStyle", 2360976}}));
        auto typed = rig.Reform();
        QCOMPARE(typed->CountryCombo()->currentText(),
                 QStringLiteral("England: 14 September 1752"));
        TypeDate(*typed, "5", "2", "1800");
        Choose(typed->DayCombo(), 8);
        Choose(typed->MonthCombo(), 3);
        rig.store.SetFailWrites(true);
        typed->OkButton()->click();
        QCOMPARE(rig.settings.m_nGregCountry, -1);
        QCOMPARE(rig.settings.m_dtGregStart.GetDayNumber(), 2378595); // 9 April 1800
        // In French, the French names in their order and French dates.
        SetUiLanguage(ETextLanguage::French);
        auto french = rig.Reform();
        SetUiLanguage(ETextLanguage::English);
        QCOMPARE(french->CountryCombo()->itemText(8),
                 QStringLiteral("\u00C9tats-Unis\u00A0: 14 septembre 1752"));
    }

    // A refused date keeps the dialog open; Display moves the panel only.
    void refusalsDisplayAndCancel() {
        CRig rig(2361000);
        auto dialog = rig.Reform();
        TypeDate(*dialog, "14", "October", "1582");
        dialog->OkButton()->click();
        QCOMPARE(rig.warnings, QStringList{"The date can not be before october, 15th 1582."});
        QCOMPARE(Boxes(*dialog), (QStringList{"14", "October", "1582"}));
        ChooseCountry(*dialog, 1);
        dialog->DisplayButton()->click();
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QStringLiteral("14 September 1752"));
        TypeDate(*dialog, "31", "April", "1752");
        dialog->DisplayButton()->click();
        dialog->OkButton()->click();
        QCOMPARE(rig.warnings.size(), 3);
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QStringLiteral("14 September 1752"));
        dialog->CancelButton()->click();
        QVERIFY(!dialog->isVisible() && rig.store.Writes().empty() &&
                rig.settings == CFrameSettings{});
    }

    // Calculate alternates the reckonings; each display button lands its
    // row on its box's date; out of range, displaying warns.
    void calculateFlipsAndDisplayMovesThePanel() {
        CRig rig(2451545);
        auto dialog = rig.Feasts(2008);
        for (const auto& [indicator, row] :
             {std::pair{'G', CalendarRow::Gregorian}, {'J', CalendarRow::Julian}}) {
            QCOMPARE(dialog->GregorianIndicator()->isVisibleTo(dialog.get()), indicator == 'G');
            QCOMPARE(dialog->JulianIndicator()->isVisibleTo(dialog.get()), indicator == 'J');
            for (int f = 0; f < FEAST_COUNT; ++f) {
                dialog->DisplayButton(static_cast<EFeast>(f))->click();
                QCOMPARE(rig.Row(row), dialog->FeastEdit(static_cast<EFeast>(f))->text());
            }
            dialog->CalculateButton()->click();
        }
        const QString before = rig.Row(CalendarRow::Gregorian);
        LeaveYear(*dialog, QStringLiteral("3000"));
        QVERIFY(dialog->FeastEdit(FEAST_EASTER)->text().isEmpty());
        dialog->DisplayButton(FEAST_EASTER)->click();
        QCOMPARE(rig.warnings, QStringList{QStringLiteral("Illegal date")});
        QCOMPARE(rig.Row(CalendarRow::Gregorian), before);
        CheckHelp(dialog.get(), dialog->YearEdit(), dialog->HelpButton(), rig.help, "fetes");
        // A click elsewhere computes the typed year first.
        dialog->YearEdit()->setFocus();
        Retype(dialog->YearEdit(), QStringLiteral("2011"));
        QTest::mouseClick(dialog->DisplayButton(FEAST_EASTER), Qt::LeftButton);
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QStringLiteral("24 April 2011"));
    }

    // A day of the year's list moves the panel; so does a date told by a feast.
    void churchYear() {
        CRig rig(2451545);
        auto dialog = rig.Feasts(1523);
        CChurchYearBox* box = dialog->ChurchYear();
        QTreeWidgetItem* laetare =
            box->DaysList()->findItems(QStringLiteral("Laetare"), Qt::MatchExactly, 1).value(0);
        QVERIFY(laetare);
        emit box->DaysList()->itemActivated(laetare, 0);
        QCOMPARE(rig.Row(CalendarRow::Julian), QStringLiteral("15 March 1523"));
        LeaveYear(*dialog, QStringLiteral("3000"));
        QCOMPARE(box->DaysList()->topLevelItemCount(), 0);
        QVERIFY(Activate(dialog.get()));
        box->FeastField()->setFocus();
        QTest::keyClicks(box->FeastField(), QStringLiteral("fer. 3 p. Laetare 1523"));
        QTest::keyClick(box->FeastField(), Qt::Key_Return); // reads the field, not Calculate
        QVERIFY(dialog->isVisible());
        QCOMPARE(rig.Row(CalendarRow::Julian), QStringLiteral("17 March 1523"));
        // A clause over two lines; the panel's year when it states none.
        box->FeastField()->clear();
        QTest::keyClicks(box->FeastField(), QStringLiteral("freitags nach"));
        QTest::keyClick(box->FeastField(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(box->FeastField(), QStringLiteral("Martini"));
        QCOMPARE(rig.Row(CalendarRow::Julian), QStringLiteral("17 March 1523"));
        QTest::keyClick(box->FeastField(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(rig.Row(CalendarRow::Julian), QStringLiteral("13 November 1523"));
        Enter(box, QStringLiteral("3 days after Candlemas 1600"));
        QCOMPARE(rig.Row(CalendarRow::Gregorian),
                 QStringLiteral("05 February 1600")); // from the reform on
        // Two days to choose from; a check that disagrees is marked.
        Enter(box, QStringLiteral("Dinstagh nach Crucis Anno Domini inn 1541"));
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QStringLiteral("05 February 1600"));
        QCOMPARE(box->ClauseList()->topLevelItemCount(), 2);
        emit box->ClauseList()->itemActivated(box->ClauseList()->topLevelItem(1), 0);
        QCOMPARE(rig.Row(CalendarRow::Julian), QStringLiteral("20 September 1541"));
        Enter(box, QStringLiteral("Saturday St Martin 1533"));
        QCOMPARE(rig.Row(CalendarRow::Julian), QStringLiteral("11 November 1533"));
        // The doubt first, then the check that causes it, marked.
        const QTreeWidgetItem* doubt = box->ClauseList()->topLevelItem(0)->child(0);
        QVERIFY(doubt && doubt->text(0).startsWith(QStringLiteral("Doubtful:")));
        const QTreeWidgetItem* check = box->ClauseList()->topLevelItem(0)->child(1);
        QVERIFY(check && check->font(0).bold() &&
                check->text(0).contains(QStringLiteral("Saturday")));
        // A warning is broken into lines that fit the list, never cut.
        const QStringList lines = check->text(0).split(QLatin1Char('\n'));
        QCOMPARE(lines.join(QLatin1Char(' ')), check->toolTip(0));
        for (const QString& line : lines)
            QVERIFY(QFontMetrics(check->font(0)).horizontalAdvance(line) <
                    box->ClauseList()->viewport()->width());
        // Several days: the summary names each one's disagreement.
        Enter(box, QStringLiteral("am Samstag nach Martini 1533 am 20. November"));
        QVERIFY(box->ClauseList()->topLevelItemCount() > 1);
        QVERIFY(box->ReadingLabel()->text().contains(
            QStringLiteral("Warning for 20 November 1533: the text says Saturday")));
        // The nearest saints, as the interface writes a day.
        const std::unique_ptr<CSaintEntry> saint(new CSaintEntry("Hildegarde", 17, 9, 0));
        ClearSaintSearchCache();
        Enter(box, QStringLiteral("Sancte Hildegardis 1523"));
        QVERIFY(box->ReadingLabel()->text().endsWith(QStringLiteral("Hildegarde, 17 September.")));
        Enter(box, QStringLiteral("Tuesday after Zzqxw 1523"));
        QCOMPARE(rig.Row(CalendarRow::Julian), QStringLiteral("11 November 1533"));
        QVERIFY(box->ReadingLabel()->text().contains(QStringLiteral("\"Zzqxw\"")));
        QCOMPARE(box->ClauseList()->topLevelItemCount(), 0);
        QVERIFY(rig.warnings.isEmpty());
    }

    // Picking, leaving a changed name, Enter search; keystrokes complete;
    // the display buttons move the panel.
    void whenItSearches() {
        LoadSaints();
        CRig rig(2459955); // 10 January 2023
        auto dialog = rig.Saints();
        QVERIFY(Activate(dialog.get()));
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
        CheckHelp(dialog.get(), dialog->NameCombo()->lineEdit(), dialog->HelpButton(), rig.help,
                  "saints");
        Pick(*dialog, QStringLiteral("Jean"));
        dialog->ResultList()->setCurrentRow(1);
        dialog->GregorianButton()->click();
        QCOMPARE(rig.Row(CalendarRow::Gregorian), QStringLiteral("24 June 2023"));
        dialog->ResultList()->setCurrentRow(2);
        dialog->JulianButton()->click();
        QVERIFY(dialog->isVisible() &&
                rig.Row(CalendarRow::Julian) == QStringLiteral("27 December 2023"));
    }

    // Switching lists stores at once and searches again.
    void listsAreStoredAtOnce() {
        LoadSaints();
        CRig rig(2459955);
        rig.settings.m_nSaintsDlgList = 5;
        auto dialog = rig.Saints();
        QVERIFY(dialog->PresentButton()->isChecked());
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
