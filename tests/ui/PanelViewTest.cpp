// The panel's widgets as a user meets them: what the drop-downs highlight,
// the paste keys in a field, the copy and paste shortcuts, and the labels.
#include "Commands.h"
#include "MainFrame.h"
#include "QuindorApp.h"
#include "QuindorView.h"
#include "TextBridge.h"
#include "exchange/PasteDate.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QClipboard* Clipboard() {
    return QGuiApplication::clipboard();
}

} // namespace

class PanelViewTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;
    std::unique_ptr<CQuindorApp> m_app;
    CMainFrame* m_frame = nullptr;

    CQuindorView* View() const { return m_frame->View(); }
    CCalendarPanel& Panel() const { return View()->Panel(); }
    QLineEdit* Edit(PanelField field) const { return View()->FieldEdit(field); }
    QComboBox* Combo(PanelField field) const {
        return qobject_cast<QComboBox*>(View()->FieldWidget(field));
    }
    void GoTo(std::int32_t d, std::int32_t m, std::int32_t y) {
        CJulianDay day;
        day.SetGregorian({d, m, y});
        Panel().GoToRowDay(ROW_GREGORIAN, day);
    }
    void Focus(PanelField field) {
        View()->FieldWidget(field)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    // Every combo's current entry is the one its text names.
    bool CombosFollowTheirTexts() const {
        for (int f = 0; f < FIELD_COUNT; ++f) {
            const auto field = static_cast<PanelField>(f);
            if (QComboBox* combo = Combo(field)) {
                if (combo->currentIndex() != Panel().FieldListIndex(field))
                    return false;
                if (combo->currentIndex() >= 0 &&
                    combo->currentText().compare(Edit(field)->text(), Qt::CaseInsensitive) != 0)
                    return false;
            }
        }
        return true;
    }

private slots:
    void init() {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        m_app = std::make_unique<CQuindorApp>();
        m_app->InitInstance();
        m_frame = m_app->MainFrame();
        m_frame->activateWindow();
        if (!QTest::qWaitForWindowActive(m_frame))
            qWarning("the main window did not become active: focus changes will not arrive");
        Clipboard()->clear();
    }
    void cleanup() {
        m_app.reset();
        m_frame = nullptr;
    }

    void dropDownsHighlightTheirText() {
        QVERIFY(CombosFollowTheirTexts()); // today, as started
        GoTo(7, 3, 2001);
        QCOMPARE(Combo(FIELD_GREG_DAY)->currentIndex(), 6);
        // Typed, before the field is left: the list opened now shows 09.
        Focus(FIELD_GREG_DAY);
        Edit(FIELD_GREG_DAY)->selectAll();
        QTest::keyClicks(Edit(FIELD_GREG_DAY), QStringLiteral("09"));
        QCOMPARE(Edit(FIELD_GREG_DAY)->text(), QStringLiteral("09"));
        QCOMPARE(Combo(FIELD_GREG_DAY)->currentIndex(), 8);
        QCOMPARE(Edit(FIELD_GREG_DAY)->cursorPosition(), 2);
        // A text no entry holds highlights none, and stays as typed.
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_Backspace);
        QCOMPARE(Edit(FIELD_GREG_DAY)->text(), QStringLiteral("0"));
        QCOMPARE(Combo(FIELD_GREG_DAY)->currentIndex(), -1);
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_9);
        Focus(FIELD_GREG_YEAR);
        // Every row's drop-downs follow the day written into them.
        QCOMPARE(Edit(FIELD_JUL_DAY)->text(), QStringLiteral("24"));
        QVERIFY(CombosFollowTheirTexts());
        m_frame->OnCommand(ID_NEXT_DAY);
        QCOMPARE(Combo(FIELD_GREG_DAY)->currentIndex(), 9);
        QVERIFY(CombosFollowTheirTexts());
        // A name in other letters highlights its entry and keeps its letters.
        Panel().SetFieldText(FIELD_GREG_MONTH, "aPRIL");
        Panel().WriteForm();
        QCOMPARE(Combo(FIELD_GREG_MONTH)->currentIndex(), 3);
        QCOMPARE(Edit(FIELD_GREG_MONTH)->text(), QStringLiteral("aPRIL"));
    }

    void ctrlVPastesADateIntoTheWholeRow() {
        GoTo(1, 1, 2000);
        Clipboard()->setText(QStringLiteral("03/06/1997"));
        Focus(FIELD_GREG_DAY);
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Panel().GetRowTexts(ROW_GREGORIAN),
                 (std::vector<std::string>{"03", "June", "1997"}));
        QCOMPARE(Edit(FIELD_JUL_DAY)->text(), QStringLiteral("21"));
        QVERIFY(!Panel().IsIllegal(ROW_GREGORIAN));
        // Any field of the row, here the Jewish year.
        Clipboard()->setText(QStringLiteral("1 tishri 84"));
        Focus(FIELD_JEW_YEAR);
        QTest::keyClick(Edit(FIELD_JEW_YEAR), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Panel().GetRowTexts(ROW_JEWISH),
                 (std::vector<std::string>{"01", "Tishri", "5784"}));
        QCOMPARE(Edit(FIELD_GREG_YEAR)->text(), QStringLiteral("2023"));
    }

    void otherPastesTakeTheTextIntoTheField() {
        GoTo(1, 1, 2000);
        // A text the row cannot read: the field takes it as typed text.
        Clipboard()->setText(QStringLiteral("03/06/1997"));
        Focus(FIELD_ROMAN_COUNT);
        Edit(FIELD_ROMAN_COUNT)->selectAll();
        QTest::keyClick(Edit(FIELD_ROMAN_COUNT), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Edit(FIELD_ROMAN_COUNT)->text(), QStringLiteral("03/06/1997"));
        QCOMPARE(Edit(FIELD_GREG_YEAR)->text(), QStringLiteral("2000"));
        Clipboard()->setText(QStringLiteral("12"));
        Focus(FIELD_GREG_DAY);
        Edit(FIELD_GREG_DAY)->selectAll();
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Edit(FIELD_GREG_DAY)->text(), QStringLiteral("12"));
        QCOMPARE(Combo(FIELD_GREG_DAY)->currentIndex(), 11);
        // Ctrl+Shift+V asks for the text even when the row could read a date.
        Clipboard()->setText(QStringLiteral("1997"));
        Focus(FIELD_GREG_YEAR);
        Edit(FIELD_GREG_YEAR)->selectAll();
        QTest::keyClick(Edit(FIELD_GREG_YEAR), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Edit(FIELD_GREG_YEAR)->text(), QStringLiteral("1997"));
        Clipboard()->setText(QStringLiteral("03/06/1997"));
        Edit(FIELD_GREG_YEAR)->selectAll();
        QTest::keyClick(Edit(FIELD_GREG_YEAR), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Edit(FIELD_GREG_YEAR)->text(), QStringLiteral("03/06/1997"));
        QCOMPARE(Edit(FIELD_GREG_DAY)->text(), QStringLiteral("12"));
    }

    void copyAndPasteHaveShortcuts() {
        // Shown in the menus, and none taken twice.
        QSet<QString> taken;
        for (QAction* action : m_frame->findChildren<QAction*>()) {
            for (const QKeySequence& key : action->shortcuts()) {
                const QString text = key.toString(QKeySequence::PortableText);
                QVERIFY2(!taken.contains(text), qPrintable(text));
                taken.insert(text);
            }
        }
        for (int row = 0; row < ROW_COUNT; ++row) {
            QCOMPARE(m_frame->Action(ID_COPY_FIRST + row)->shortcut(),
                     QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + row)));
            QCOMPARE(m_frame->Action(ID_PASTE_FIRST + row)->shortcut(),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | static_cast<Qt::Key>(Qt::Key_1 + row)));
        }
        // Right after an edit, with no menu opened since: the states are
        // looked at again when the key comes.
        Focus(FIELD_GREG_YEAR);
        Edit(FIELD_GREG_YEAR)->selectAll();
        QTest::keyClicks(Edit(FIELD_GREG_YEAR), QStringLiteral("0"));
        Focus(FIELD_GREG_DAY); // year 0: illegal, nothing to copy
        QVERIFY(Panel().IsIllegal(ROW_GREGORIAN));
        m_frame->UpdateCommandStates();
        GoTo(3, 6, 1997);
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(Clipboard()->text(), QStringLiteral("03/06/1997"));
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_5, Qt::ControlModifier);
        QCOMPARE(Clipboard()->text(), QStringLiteral("27/09/5757"));
        // The pasted text arrived after the last update of the states.
        Clipboard()->setText(QStringLiteral("1 Vendemiaire 2"));
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_4, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Panel().GetRowTexts(ROW_GREGORIAN),
                 (std::vector<std::string>{"22", "September", "1793"}));
    }

    // The manual says what the program does: the keys, the paste's bound,
    // the Republican row's last day.
    void manualMatchesTheProgram() {
        const auto page = [](const char* topic) {
            QFile file(QStringLiteral(":/help/%1.html").arg(QLatin1String(topic)));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString copier = page("copier");
        for (int row = 0; row < ROW_COUNT; ++row) {
            for (int id : {ID_COPY_FIRST + row, ID_PASTE_FIRST + row}) {
                const QString key =
                    m_frame->Action(id)->shortcut().toString(QKeySequence::PortableText);
                QVERIFY2(copier.contains(QStringLiteral("<td>") + key + QStringLiteral("</td>")),
                         qPrintable(key));
            }
        }
        QVERIFY(copier.contains(QLocale(QLocale::English).toString(qlonglong{kMaxPasteText}) +
                                QStringLiteral(" characters")));
        const CRepublicanDate last = CJulianDay(kLastSupportedDay).GetRepublican();
        const QString lastDay =
            QStringLiteral("%1 %2 %3")
                .arg(last.nDay)
                .arg(FromCp1252(Panel().ListEntry(FIELD_REP_MONTH, last.nMonth)))
                .arg(last.nYear);
        QVERIFY2(page("interface").contains(QStringLiteral("up to ") + lastDay),
                 qPrintable(lastDay));
    }

    void longListsOfSaintsAreCutBetweenNames() {
        GoTo(29, 8, 2025);
        const std::string full = Panel().GetFieldText(FIELD_WEEKDAY_LABEL);
        if (full.find(", ") == std::string::npos)
            QSKIP("the saints lists are not beside the tests");
        QLineEdit* label = Edit(FIELD_WEEKDAY_LABEL);
        const QString shown = label->text();
        QCOMPARE(label->toolTip(), FromCp1252(full));
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(shown) < label->width());
        if (shown != FromCp1252(full)) {
            QVERIFY(shown.endsWith(QStringLiteral(", \u2026)")) ||
                    shown.endsWith(QStringLiteral("(\u2026)")));
            QVERIFY(FromCp1252(full).startsWith(shown.chopped(2)));
        }
        // A wider label shows more, never a name cut short.
        label->resize(2000, label->height());
        QCOMPARE(label->text(), FromCp1252(full));
        // The model keeps the whole text: reading the form leaves it alone.
        View()->ReadForm();
        QCOMPARE(Panel().GetFieldText(FIELD_WEEKDAY_LABEL), full);
    }
};

QTEST_MAIN(PanelViewTest)
#include "PanelViewTest.moc"
