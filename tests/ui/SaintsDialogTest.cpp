// The "Saints' Days" dialog's binding: the name box and result list to the
// model, real focus changes, the list buttons to the store, the display
// buttons to the panel, Enter and help. When it searches and what it finds
// are checked on the model.
#include "SaintsDialog.h"
#include "UiTestSupport.h"
#include "daynames/DayNameLists.h"
#include "saints/SaintSearch.h"
#include "settings/MemorySettingsStore.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

// What the dialog works on: the frame's settings and store, a panel on
// 10 January 2023 (Julian 28 December 2022), help.
struct CRig : CPanelRig {
    CMemorySettingsStore store;
    CFrameSettings settings;

    CRig() : CPanelRig(2459955) {}
    std::unique_ptr<CSaintsDialog> Open() {
        auto dialog = std::make_unique<CSaintsDialog>(settings, store, panel, help);
        dialog->show();
        if (!Activate(dialog.get()))
            qWarning("dialog not active");
        return dialog;
    }
};

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

const QStringList kJean = {"Jean : May 6th", "Jean : June 24th", "Jean : December 27th"};

void Pick(CSaintsDialog& dialog, const QString& name) {
    const int index = dialog.NameCombo()->findText(name);
    QVERIFY(index >= 0);
    dialog.NameCombo()->setCurrentIndex(index);
    emit dialog.NameCombo()->activated(index);
}

void Retype(CSaintsDialog& dialog, const QString& text) {
    dialog.NameCombo()->setFocus();
    Retype(dialog.NameCombo()->lineEdit(), text);
}

} // namespace

class SaintsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        FreeDayNameLists();
        ClearSaintSearchCache();
        CSaintsDialogModel::ResetTypedLength();
        const struct {
            const char* name;
            int day;
            int month;
            int list;
        } entries[] = {
            {"Pierre", 29, 6, 0}, {"Jean", 24, 6, 0},   {"Jean", 27, 12, 0},
            {"Marie", 15, 8, 0},  {"Romain", 29, 2, 0}, {"Jean", 6, 5, 0},
            {"Zo\xE9", 2, 5, 1},  {"Jean", 26, 8, 1},   {"Pierre", 29, 6, 1},
        };
        for (const auto& e : entries)
            new CSaintEntry(e.name, e.day, e.month, static_cast<std::uint8_t>(e.list));
    }
    void cleanup() {
        FreeDayNameLists();
        ClearSaintSearchCache();
        CSaintsDialogModel::ResetTypedLength();
    }

    // Any non-zero stored choice opens on the present list; opening writes nothing.
    void opensOnTheStoredList() {
        CRig rig;
        rig.settings.m_nSaintsDlgList = 5;
        auto dialog = rig.Open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Saints' Days"));
        QVERIFY(dialog->PresentButton()->isChecked());
        QVERIFY(!dialog->TraditionalButton()->isChecked());
        QCOMPARE(Items(dialog->NameCombo()),
                 (QStringList{"Jean", "Pierre", QStringLiteral("Zo\u00e9")}));
        QCOMPARE(dialog->NameCombo()->currentText(), QString());
        QCOMPARE(dialog->ResultList()->count(), 0);
        QVERIFY(rig.store.Writes().empty());
        QVERIFY(dialog->SearchButton()->isDefault());
    }

    void pickingSearchesOnceSearchAlways() {
        CRig rig;
        auto dialog = rig.Open();
        Pick(*dialog, QStringLiteral("Jean"));
        QCOMPARE(Lines(dialog->ResultList()), kJean);
        QVERIFY(dialog->ResultList()->item(0)->isSelected());
        // The same name again: no new search, the user's line stays chosen.
        dialog->ResultList()->setCurrentRow(2);
        Pick(*dialog, QStringLiteral("Jean"));
        QCOMPARE(dialog->Model().GetSearchCount(), 1u);
        QCOMPARE(dialog->ResultList()->currentRow(), 2);
        dialog->SearchButton()->click();
        QCOMPARE(dialog->Model().GetSearchCount(), 2u);
        QCOMPARE(dialog->ResultList()->currentRow(), 0);
    }

    // Leaving the box searches a changed name only; the focus really moves.
    void leavingTheBox() {
        CRig rig;
        auto dialog = rig.Open();
        QComboBox* name = dialog->NameCombo();
        Retype(*dialog, QStringLiteral("Maria")); // no item of the box
        QCOMPARE(name->currentText(), QStringLiteral("Maria"));
        QCOMPARE(dialog->Model().GetSearchCount(), 0u);
        dialog->ResultList()->setFocus();
        QCOMPARE(dialog->Model().GetSearchCount(), 1u);
        QCOMPARE(dialog->ResultList()->item(0)->text(), QStringLiteral("Marie : August 15th"));
        name->setFocus();
        dialog->TraditionalButton()->setFocus();
        QCOMPARE(dialog->Model().GetSearchCount(), 1u);
        QCOMPARE(name->currentText(), QStringLiteral("Maria"));
    }

    void enterPressesSearch() {
        CRig rig;
        auto dialog = rig.Open();
        Retype(*dialog, QStringLiteral("Pierre"));
        QTest::keyClick(dialog->NameCombo()->lineEdit(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Lines(dialog->ResultList()), QStringList{"Pierre : June 29th"});
    }

    void switchingListsStoresAtOnce() {
        CRig rig;
        auto dialog = rig.Open();
        dialog->PresentButton()->click();
        QCOMPARE(Items(dialog->NameCombo()).size(), 3);
        QCOMPARE(dialog->ResultList()->count(), 0);
        QCOMPARE(rig.settings.m_nSaintsDlgList, 1);
        QCOMPARE(rig.store.Writes(),
                 (std::vector<CMemorySettingsStore::CWrite>{{"SaintsRecent", std::int32_t(1)}}));
        Retype(*dialog, QStringLiteral("Jean"));
        dialog->SearchButton()->click();
        QCOMPARE(Lines(dialog->ResultList()), QStringList{"Jean : August 26th"});
        dialog->TraditionalButton()->click();
        QCOMPARE(Lines(dialog->ResultList()), kJean);
        QCOMPARE(dialog->NameCombo()->currentText(), QStringLiteral("Jean"));
        QCOMPARE(std::get<std::int32_t>(rig.store.Values().at("SaintsRecent")), 0);
        QCOMPARE(rig.settings.m_nSaintsDlgList, 0);
    }

    // Keystrokes complete with the tail selected; Backspace never completes.
    void typeAhead() {
        CRig rig;
        auto dialog = rig.Open();
        QLineEdit* edit = dialog->NameCombo()->lineEdit();
        dialog->NameCombo()->setFocus();
        const struct {
            Qt::Key key;
            const char* text;
            const char* selected;
        } steps[] = {
            {Qt::Key_M, "Marie", "arie"},
            {Qt::Key_A, "Marie", "rie"},
            {Qt::Key_Backspace, "Ma", ""},
            {Qt::Key_Backspace, "M", ""},
        };
        for (const auto& step : steps) {
            QTest::keyClick(edit, step.key);
            QCOMPARE(edit->text(), QLatin1String(step.text));
            QCOMPARE(edit->selectedText(), QLatin1String(step.selected));
        }
        QCOMPARE(dialog->Model().GetSearchCount(), 0u);
    }

    // The panel goes to the selected day in the year its row shows; the
    // dialog stays open. 29 February of a common year is taken as the
    // panel's own conversion takes it: 1 March.
    void displayButtons() {
        CRig rig;
        auto dialog = rig.Open();
        const QString before = rig.Row(ROW_GREGORIAN);
        dialog->GregorianButton()->click(); // nothing found yet
        QCOMPARE(rig.Row(ROW_GREGORIAN), before);

        Pick(*dialog, QStringLiteral("Jean"));
        dialog->ResultList()->setCurrentRow(1);
        dialog->GregorianButton()->click();
        QVERIFY(dialog->isVisible());
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("24 June 2023"));
        dialog->ResultList()->setCurrentRow(2);
        dialog->JulianButton()->click();
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("27 December 2023"));
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("09 January 2024"));

        Retype(*dialog, QStringLiteral("Romain"));
        dialog->SearchButton()->click();
        dialog->GregorianButton()->click();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("29 February 2024"));
        dialog->JulianButton()->click(); // the Julian row shows 2024 too
        QCOMPARE(rig.Row(ROW_JULIAN), QStringLiteral("29 February 2024"));
        CJulianDay common;
        common.SetGregorian({1, 1, 2023});
        rig.panel.GoToRowDay(ROW_GREGORIAN, common);
        dialog->GregorianButton()->click();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("01 March 2023"));

        // A search that finds nothing leaves no line to show.
        Retype(*dialog, QStringLiteral("Xyzzy"));
        dialog->SearchButton()->click();
        QCOMPARE(dialog->ResultList()->count(), 0);
        dialog->JulianButton()->click();
        QCOMPARE(rig.Row(ROW_GREGORIAN), QStringLiteral("01 March 2023"));
    }

    void helpShowsItsTopic() {
        CRig rig;
        auto dialog = rig.Open();
        dialog->NameCombo()->setFocus();
        dialog->HelpButton()->click();
        QTest::keyClick(dialog->NameCombo()->lineEdit(), Qt::Key_F1);
        QCOMPARE(rig.help.topics, (std::vector<std::string>{"saints", "saints"}));
        QVERIFY(dialog->isVisible());
    }
};

QTEST_MAIN(SaintsDialogTest)
#include "SaintsDialogTest.moc"
