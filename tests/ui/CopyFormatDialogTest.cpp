// The "Copy Format" dialog as a user drives it: what it shows, OK storing
// the six values, Cancel storing none, the separator's length, help.
#include "CopyFormatDialog.h"
#include "UiTestSupport.h"
#include "settings/MemorySettingsStore.h"

#include <QAbstractButton>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

struct CRig {
    CMemorySettingsStore store;
    CFrameSettings settings;
    CRecordingLauncher help;

    std::unique_ptr<CCopyFormatDialog> Open() {
        auto dialog = std::make_unique<CCopyFormatDialog>(settings, store, help);
        dialog->show();
        return dialog;
    }
};

using Write = CMemorySettingsStore::CWrite;

std::vector<Write> SixWrites(std::int32_t day, std::int32_t month, std::int32_t year,
                            const std::string& separator, std::int32_t gedcom = 0,
                            std::int32_t dualYear = 0) {
    return {{"FmtJour", day},          {"FmtMois", month},     {"FmtAnnee", year},
            {"Separateur", separator}, {"FmtGedcom", gedcom}, {"FmtAnDouble", dualYear}};
}

// Which button of a group is checked; -1 for none.
int Checked(std::initializer_list<QRadioButton*> group) {
    int position = 0;
    int checked = -1;
    for (QRadioButton* button : group) {
        if (button->isChecked()) {
            if (checked >= 0)
                return -2; // two at once
            checked = position;
        }
        ++position;
    }
    return checked;
}

void Retype(QComboBox* combo, const QString& text) {
    Retype(combo->lineEdit(), text);
}

} // namespace

class CopyFormatDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Every combination of forms, and separators typed or picked, shown as
    // loaded and stored back unchanged by OK.
    void showsAndStoresEveryCombination() {
        const std::string separators[] = {"/", " ", " - ", "", "abcdefghi"};
        for (int day = 0; day < 2; ++day) {
            for (int month = 0; month < 3; ++month) {
                for (int year = 0; year < 2; ++year) {
                    for (const std::string& separator : separators) {
                        CRig rig;
                        rig.settings.m_nFmtDay = day;
                        rig.settings.m_nFmtMonth = month;
                        rig.settings.m_nFmtYear = year;
                        rig.settings.m_strSeparator = separator;
                        const CFrameSettings before = rig.settings;
                        auto dialog = rig.Open();
                        QCOMPARE(Checked({dialog->DayButton(0), dialog->DayButton(1)}), day);
                        QCOMPARE(Checked({dialog->MonthButton(0), dialog->MonthButton(1),
                                          dialog->MonthButton(2)}),
                                 month);
                        QCOMPARE(Checked({dialog->YearButton(0), dialog->YearButton(1)}), year);
                        QCOMPARE(dialog->SeparatorCombo()->currentText(),
                                 QString::fromStdString(separator));
                        dialog->OkButton()->click();
                        QCOMPARE(dialog->result(), int{QDialog::Accepted});
                        QVERIFY(rig.settings == before);
                        QCOMPARE(rig.store.Writes(), SixWrites(day, month, year, separator));
                    }
                }
            }
        }
    }

    void okStoresTheChoices() {
        CRig rig;
        auto dialog = rig.Open();
        // Each button says which form it stores.
        for (auto [button, text] :
             {std::pair{dialog->DayButton(0), "3"}, std::pair{dialog->MonthButton(2), "June"},
              std::pair{dialog->YearButton(0), "97"}}) {
            QCOMPARE(button->text(), QLatin1String(text));
            button->click();
        }
        Retype(dialog->SeparatorCombo(), QStringLiteral(" - "));
        QVERIFY(rig.store.Writes().empty());
        QCOMPARE(rig.settings.m_nFmtMonth, 1); // nothing changes before OK
        QVERIFY(dialog->OkButton()->isDefault());
        dialog->OkButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.settings.m_nFmtDay, 0);
        QCOMPARE(rig.settings.m_nFmtMonth, 2);
        QCOMPARE(rig.settings.m_nFmtYear, 0);
        QCOMPARE(rig.settings.m_strSeparator, std::string(" - "));
        QCOMPARE(rig.store.Writes(), SixWrites(0, 2, 0, " - "));

        // The space item picked from the list.
        CRig picked;
        auto again = picked.Open();
        QCOMPARE(again->SeparatorCombo()->itemText(1), QStringLiteral("/"));
        again->SeparatorCombo()->setCurrentIndex(0);
        again->OkButton()->click();
        QCOMPARE(picked.settings.m_strSeparator, std::string(" "));
    }

    // The dual-year choice shows as stored (anything unknown as shown), is
    // stored by OK, and is greyed with the other forms under GEDCOM.
    void dualYearChoiceIsShownAndStored() {
        for (const auto& [stored, shown] : {std::pair{0, 0}, {1, 1}, {2, 2}, {9, 0}}) {
            CRig rig;
            rig.settings.m_nFmtDualYear = stored;
            auto dialog = rig.Open();
            QCOMPARE(Checked({dialog->DualYearButton(0), dialog->DualYearButton(1),
                              dialog->DualYearButton(2)}),
                     shown);
        }
        CRig rig;
        auto dialog = rig.Open();
        QCOMPARE(dialog->DualYearButton(2)->text(), QStringLiteral("Year of the style (1648)"));
        dialog->DualYearButton(2)->click();
        QCOMPARE(dialog->FormatOfControls().nDualYear, 2);
        dialog->GedcomButton(1)->click();
        QVERIFY(!dialog->DualYearButton(2)->isEnabled());
        dialog->GedcomButton(0)->click();
        dialog->OkButton()->click();
        QCOMPARE(rig.settings.m_nFmtDualYear, 2);
        QCOMPARE(rig.store.Writes(), SixWrites(1, 1, 1, "/", 0, 2));
    }

    void cancelChangesNothing() {
        for (const bool byEscape : {false, true}) {
            CRig rig;
            const CFrameSettings before = rig.settings;
            auto dialog = rig.Open();
            dialog->DayButton(0)->click();
            dialog->MonthButton(0)->click();
            Retype(dialog->SeparatorCombo(), QStringLiteral("."));
            if (byEscape)
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
            else
                dialog->CancelButton()->click();
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int{QDialog::Rejected});
            QVERIFY(rig.settings == before);
            QVERIFY(rig.store.Writes().empty());
        }
    }

    // The store holds nine characters: the box takes no more, typed or pasted.
    void separatorHoldsNine() {
        CRig rig;
        auto dialog = rig.Open();
        Retype(dialog->SeparatorCombo(), QStringLiteral("0123456789ABC"));
        QCOMPARE(dialog->SeparatorCombo()->currentText(), QStringLiteral("012345678"));
        dialog->SeparatorCombo()->lineEdit()->selectAll();
        dialog->SeparatorCombo()->lineEdit()->insert(QStringLiteral("<--------->"));
        QCOMPARE(dialog->SeparatorCombo()->currentText(), QStringLiteral("<--------"));
        dialog->OkButton()->click();
        QCOMPARE(rig.store.Writes().at(3), (Write{"Separateur", std::string("<--------")}));

        // A character outside Windows-1252 is stored as "?", one byte for
        // one character, so nine typed characters always fit.
        CRig other;
        auto again = other.Open();
        again->SeparatorCombo()->lineEdit()->selectAll();
        again->SeparatorCombo()->lineEdit()->insert(
            QString::fromUtf8("\xe2\x80\x94\xe2\x86\x92\xc3\xa9"));
        again->OkButton()->click();
        QCOMPARE(other.settings.m_strSeparator, std::string("\x97?\xe9"));
    }

    // A form the dialog has no button for shows the one the copy gives it,
    // and OK stores that one.
    void oddFormsShowTheFormInForce() {
        CRig rig;
        rig.settings.m_nFmtDay = 5;
        rig.settings.m_nFmtMonth = -1;
        rig.settings.m_nFmtYear = 2;
        auto dialog = rig.Open();
        QCOMPARE(Checked({dialog->DayButton(0), dialog->DayButton(1)}), 1);
        QCOMPARE(Checked({dialog->MonthButton(0), dialog->MonthButton(1), dialog->MonthButton(2)}),
                 2);
        QCOMPARE(Checked({dialog->YearButton(0), dialog->YearButton(1)}), 1);
        dialog->YearButton(0)->click();
        dialog->OkButton()->click();
        QCOMPARE(rig.store.Writes(), SixWrites(1, 2, 0, "/"));
    }

    // A store that cannot be written: the new format still holds for this run.
    void failingStore() {
        CRig rig;
        rig.store.SetFailOpen(true);
        auto dialog = rig.Open();
        dialog->MonthButton(2)->click();
        dialog->OkButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.settings.m_nFmtMonth, 2);
        QVERIFY(rig.store.Values().empty());
    }

    // The preview follows the controls; QDate is an independent reference.
    void previewOfToday() {
        CRig rig;
        auto dialog = rig.Open();
        auto expect = [](const QString& format) {
            return QStringLiteral("Today: ") + QDate::currentDate().toString(format);
        };
        QCOMPARE(dialog->PreviewLabel()->text(), expect(QStringLiteral("dd/MM/yyyy")));
        dialog->DayButton(0)->click();
        dialog->MonthButton(2)->click();
        dialog->YearButton(0)->click();
        dialog->SeparatorCombo()->setCurrentIndex(0);
        QCOMPARE(dialog->PreviewLabel()->text(), expect(QStringLiteral("d MMMM yy")));
        // Long separators are elided, not widening the dialog.
        const int width = dialog->width();
        Retype(dialog->SeparatorCombo(), QStringLiteral("WWWWWWWWW"));
        dialog->MonthButton(2)->click();
        QCOMPARE(dialog->width(), width);
        QCOMPARE(dialog->PreviewLabel()->toolTip(),
                 expect(QStringLiteral("d'WWWWWWWWW'MMMM'WWWWWWWWW'yy")));
    }

    // The GEDCOM choice: shown as stored (any other value as none), the other
    // forms greyed while it is on, the preview a GEDCOM value, OK storing it.
    void gedcomChoice() {
        const std::pair<std::int32_t, int> stored[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}};
        for (const auto& [value, shown] : stored) {
            CRig rig;
            rig.settings.m_nFmtGedcom = value;
            auto dialog = rig.Open();
            QCOMPARE(Checked({dialog->GedcomButton(0), dialog->GedcomButton(1),
                              dialog->GedcomButton(2)}),
                     shown);
            QCOMPARE(dialog->DayButton(0)->isEnabled(), shown == 0);
            QCOMPARE(dialog->SeparatorCombo()->isEnabled(), shown == 0);
        }

        CRig rig;
        auto dialog = rig.Open();
        const QDate today = QDate::currentDate();
        const QString gedcomToday = QStringLiteral("Today: %1 %2 %3")
                                        .arg(today.day())
                                        .arg(QLocale::c().monthName(today.month(),
                                                                    QLocale::ShortFormat)
                                                 .toUpper())
                                        .arg(today.year());
        dialog->GedcomButton(1)->click();
        QVERIFY(!dialog->MonthButton(2)->isEnabled());
        QCOMPARE(dialog->PreviewLabel()->text(), gedcomToday);
        dialog->GedcomButton(2)->click();
        QCOMPARE(dialog->PreviewLabel()->text(), gedcomToday);
        dialog->GedcomButton(0)->click();
        QVERIFY(dialog->MonthButton(2)->isEnabled());
        dialog->GedcomButton(2)->click();
        dialog->OkButton()->click();
        QCOMPARE(rig.settings.m_nFmtGedcom, 2);
        QCOMPARE(rig.store.Writes(), SixWrites(1, 1, 1, "/", 2));
    }

    void helpShowsItsTopic() {
        CRig rig;
        auto dialog = rig.Open();
        QVERIFY(Activate(dialog.get()));
        dialog->SeparatorCombo()->setFocus();
        dialog->HelpButton()->click();
        QTest::keyClick(dialog->SeparatorCombo()->lineEdit(), Qt::Key_F1);
        QCOMPARE(rig.help.topics, (std::vector<std::string>{"copier", "copier"}));
        QVERIFY(dialog->isVisible());
        QVERIFY(rig.store.Writes().empty());
    }
};

QTEST_MAIN(CopyFormatDialogTest)
#include "CopyFormatDialogTest.moc"
