// The "Copy Format" dialog as a user drives it: what it shows, OK storing
// the four values, Cancel storing none, the separator's length, help.
#include "CopyFormatDialog.h"
#include "HelpTopics.h"
#include "settings/MemorySettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

class CRecordingLauncher : public CHelpLauncher {
public:
    void ShowTopic(const std::string& topic) override { topics.push_back(topic); }
    std::vector<std::string> topics;
};

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

std::vector<Write> FourWrites(std::int32_t day, std::int32_t month, std::int32_t year,
                              const std::string& separator) {
    return {{"FmtJour", day}, {"FmtMois", month}, {"FmtAnnee", year}, {"Separateur", separator}};
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
    combo->lineEdit()->selectAll();
    combo->lineEdit()->del();
    QTest::keyClicks(combo->lineEdit(), text);
}

} // namespace

class CopyFormatDialogTest : public QObject {
    Q_OBJECT

private slots:
    void controls() {
        CRig rig;
        auto dialog = rig.Open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Copy Format"));
        const char* texts[] = {"3", "03", "6", "06", "June", "97", "1997"};
        int id = 1068;
        for (const char* text : texts) {
            auto* button = dialog->findChild<QRadioButton*>(QStringLiteral("ctl%1").arg(id++));
            QVERIFY(button);
            QCOMPARE(button->text(), QLatin1String(text));
        }
        QStringList titles;
        for (const QGroupBox* box : dialog->findChildren<QGroupBox*>())
            titles << box->title();
        QCOMPARE(titles, (QStringList{"Day", "Month", "Year"}));
        bool labelled = false;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labelled |= label->text() == QStringLiteral("Separator") &&
                        label->buddy() == dialog->SeparatorCombo();
        QVERIFY(labelled);

        QComboBox* separator = dialog->SeparatorCombo();
        QCOMPARE(separator->objectName(), QStringLiteral("ctl1075"));
        QVERIFY(separator->isEditable());
        QCOMPARE(separator->count(), 2);
        QCOMPARE(separator->itemText(0), QStringLiteral(" "));
        QCOMPARE(separator->itemText(1), QStringLiteral("/"));
        QCOMPARE(dialog->OkButton()->text(), QStringLiteral("OK"));
        QVERIFY(dialog->OkButton()->isDefault());
        QCOMPARE(dialog->CancelButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(dialog->HelpButton()->objectName(), QStringLiteral("ctl4"));
    }

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
                        QCOMPARE(rig.store.Writes(), FourWrites(day, month, year, separator));
                    }
                }
            }
        }
    }

    void okStoresTheChoices() {
        CRig rig;
        auto dialog = rig.Open();
        dialog->DayButton(0)->click();
        dialog->MonthButton(2)->click();
        dialog->YearButton(0)->click();
        Retype(dialog->SeparatorCombo(), QStringLiteral(" - "));
        QVERIFY(rig.store.Writes().empty());
        QCOMPARE(rig.settings.m_nFmtMonth, 1); // nothing changes before OK
        dialog->OkButton()->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.settings.m_nFmtDay, 0);
        QCOMPARE(rig.settings.m_nFmtMonth, 2);
        QCOMPARE(rig.settings.m_nFmtYear, 0);
        QCOMPARE(rig.settings.m_strSeparator, std::string(" - "));
        QCOMPARE(rig.store.Writes(), FourWrites(0, 2, 0, " - "));

        // The space item picked from the list.
        CRig picked;
        auto again = picked.Open();
        again->SeparatorCombo()->setCurrentIndex(0);
        again->OkButton()->click();
        QCOMPARE(picked.settings.m_strSeparator, std::string(" "));
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
        QCOMPARE(rig.store.Writes().back(), (Write{"Separateur", std::string("<--------")}));

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

    // A stored form the dialog has no button for shows none checked, and OK
    // keeps it rather than losing it.
    void oddStoredFormsKept() {
        CRig rig;
        rig.settings.m_nFmtDay = 5;
        rig.settings.m_nFmtMonth = -1;
        rig.settings.m_nFmtYear = 2;
        auto dialog = rig.Open();
        QCOMPARE(Checked({dialog->DayButton(0), dialog->DayButton(1)}), -1);
        QCOMPARE(Checked({dialog->MonthButton(0), dialog->MonthButton(1), dialog->MonthButton(2)}),
                 -1);
        dialog->YearButton(0)->click();
        dialog->OkButton()->click();
        QCOMPARE(rig.store.Writes(), FourWrites(5, -1, 0, "/"));
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
        Retype(dialog->SeparatorCombo(), QString());
        dialog->MonthButton(0)->click();
        QCOMPARE(dialog->PreviewLabel()->text(), expect(QStringLiteral("dMyy")));
        // Long separators are elided, not widening the dialog.
        const int width = dialog->width();
        Retype(dialog->SeparatorCombo(), QStringLiteral("WWWWWWWWW"));
        dialog->MonthButton(2)->click();
        QCOMPARE(dialog->width(), width);
        QCOMPARE(dialog->PreviewLabel()->toolTip(),
                 expect(QStringLiteral("d'WWWWWWWWW'MMMM'WWWWWWWWW'yy")));
    }

    void helpShowsItsTopic() {
        CRig rig;
        auto dialog = rig.Open();
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
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
