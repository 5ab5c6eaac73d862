// The desktop program as a user drives it: typing in the panel, the menus'
// commands and keys, copy and paste, the options stored and in force again
// after a restart, and the manual's word on the menus.
#include "Commands.h"
#include "Language.h"
#include "MonthView.h"
#include "UiTestSupport.h"
#include "exchange/PasteDate.h"
#include "settings/SettingsSchema.h"

#include <QAction>
#include <QClipboard>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

QClipboard* Clipboard() {
    return QGuiApplication::clipboard();
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CAppRig> m_rig;
    CMainFrame* m_frame = nullptr;

    CMainFrame* Start() { return m_frame = m_rig->Start(); }
    QVariant Stored(const char* name) const { return m_rig->Stored(name); }
    QLineEdit* Edit(PanelField field) const { return m_frame->View()->FieldEdit(field); }
    QString Text(PanelField field) const { return Edit(field)->text(); }
    QComboBox* Combo(PanelField field) const {
        return qobject_cast<QComboBox*>(m_frame->View()->FieldWidget(field));
    }
    CCalendarPanel& Panel() const { return m_frame->View()->Panel(); }
    bool Shown(int id) const { return m_frame->View()->IconButton(id)->isVisibleTo(m_frame); }
    bool Checked(int id) const { return m_frame->Action(id)->isChecked(); }
    bool Enabled(int id) const {
        m_frame->UpdateCommandStates();
        return m_frame->Action(id)->isEnabled();
    }
    void Focus(PanelField field) {
        m_frame->View()->FieldWidget(field)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    void Type(PanelField field, const QString& text) {
        Focus(field);
        Edit(field)->selectAll();
        QTest::keyClicks(Edit(field), text);
    }
    // What the user does to leave a field: the focus goes elsewhere.
    void Leave(PanelField field) {
        Focus(field == FIELD_MUS_YEAR ? FIELD_MUS_DAY : FIELD_MUS_YEAR);
    }
    void GoTo(std::int32_t d, std::int32_t m, std::int32_t y) {
        CJulianDay day;
        day.SetGregorian({d, m, y});
        Panel().GoToRowDay(ROW_GREGORIAN, day);
    }
    void PasteKey(PanelField field, const QString& text, Qt::KeyboardModifiers modifiers) {
        Clipboard()->setText(text);
        Focus(field);
        Edit(field)->selectAll();
        QTest::keyClick(Edit(field), Qt::Key_V, modifiers);
    }
    // Every combo's current entry is the one its text names.
    bool CombosFollowTheirTexts() const {
        for (int f = 0; f < FIELD_COUNT; ++f) {
            const auto field = static_cast<PanelField>(f);
            QComboBox* combo = Combo(field);
            if (combo && (combo->currentIndex() != Panel().FieldListIndex(field) ||
                          (combo->currentIndex() >= 0 &&
                           combo->currentText().compare(Text(field), Qt::CaseInsensitive) != 0)))
                return false;
        }
        return true;
    }

private slots:
    void init() {
        m_rig = std::make_unique<CAppRig>();
        QVERIFY(m_rig->config.isValid());
        Clipboard()->clear();
    }
    void cleanup() { m_rig.reset(); }

    void firstStartStoresEverySettingAndShowsToday() {
        Start();
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Quindor"));
        QCOMPARE(QSettings(m_rig->ConfigFile(), QSettings::IniFormat).allKeys().size(),
                 int{SET_COUNT});
        CJulianDay today;
        today.SetToday();
        QCOMPARE(Text(FIELD_GREG_DAY), QString::asprintf("%02d", today.GetGregorian().nDay));
        QCOMPARE(Text(FIELD_GREG_YEAR), QString::number(today.GetGregorian().nYear));
        QVERIFY(!Text(FIELD_WEEKDAY_LABEL).isEmpty());
        QVERIFY(Shown(IDC_MARKER_GREG) && !Shown(IDC_MARKER_JUL) && !Shown(IDC_ICON_GREG_ILLEGAL));
        QVERIFY(CombosFollowTheirTexts());
        // A document with no lists still shows a day, the weekday alone.
        m_rig->app->Document().DeleteContents();
        m_frame->OnCommand(ID_TODAY);
        QVERIFY(!Text(FIELD_WEEKDAY_LABEL).contains(QLatin1Char('(')));
    }

    void typingMovesEveryRowAndTheDropDowns() {
        Start();
        Type(FIELD_GREG_DAY, QStringLiteral("1"));
        Type(FIELD_GREG_MONTH, QStringLiteral("1"));
        Leave(FIELD_GREG_MONTH);
        QCOMPARE(Text(FIELD_GREG_MONTH), QStringLiteral("January"));
        Type(FIELD_GREG_YEAR, QStringLiteral("2000"));
        Leave(FIELD_GREG_YEAR);
        QCOMPARE(Text(FIELD_GREG_DAY), QStringLiteral("01"));
        const std::pair<PanelField, const char*> rows[] = {{FIELD_JUL_DAY, "19"},
                                                           {FIELD_JUL_MONTH, "December"},
                                                           {FIELD_JEW_MONTH, "Tevet"},
                                                           {FIELD_MUS_MONTH, "Ramadhan"},
                                                           {FIELD_REP_MONTH, "Nivose"}};
        for (const auto& [field, text] : rows)
            QCOMPARE(Text(field), QLatin1String(text));
        QVERIFY(Text(FIELD_WEEKDAY_LABEL).startsWith(QStringLiteral("Saturday")));
        QVERIFY(CombosFollowTheirTexts());
        // Typed, before the field is left: the list shows the entry; no entry, none.
        Type(FIELD_GREG_DAY, QStringLiteral("09"));
        QCOMPARE(Combo(FIELD_GREG_DAY)->currentIndex(), 8);
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_Backspace);
        QCOMPARE(Combo(FIELD_GREG_DAY)->currentIndex(), -1);
        // A month completes as typed, the tail selected; Backspace drops the tail.
        Type(FIELD_GREG_MONTH, QStringLiteral("fe"));
        QCOMPARE(Text(FIELD_GREG_MONTH), QStringLiteral("February"));
        QCOMPARE(Edit(FIELD_GREG_MONTH)->selectedText(), QStringLiteral("bruary"));
        QTest::keyClick(Edit(FIELD_GREG_MONTH), Qt::Key_Backspace);
        QCOMPARE(Text(FIELD_GREG_MONTH), QStringLiteral("Fe"));
    }

    // Enter applies the row it is pressed in: the Gregorian row follows.
    void enterInEachRowAppliesThatRow() {
        Start();
        const struct {
            PanelField field;
            const char* text;
            int gregorianYear; // give or take one
        } rows[] = {{FIELD_JUL_YEAR, "1999", 1999}, {FIELD_ROMAN_YEAR, "1998", 1998},
                    {FIELD_REP_YEAR, "200", 1991},  {FIELD_JEW_YEAR, "5700", 1939},
                    {FIELD_MUS_YEAR, "1400", 1979}, {FIELD_GREG_YEAR, "1990", 1990}};
        for (const auto& row : rows) {
            Type(row.field, QLatin1String(row.text));
            QTest::keyClick(Edit(row.field), Qt::Key_Return);
            QCOMPARE(Text(row.field), QLatin1String(row.text));
            QVERIFY2(std::abs(Text(FIELD_GREG_YEAR).toInt() - row.gregorianYear) <= 1, row.text);
        }
    }

    void illegalDateGreysTheOtherRows() {
        Start();
        Type(FIELD_GREG_DAY, QStringLiteral("29"));
        Type(FIELD_GREG_MONTH, QStringLiteral("2"));
        Type(FIELD_GREG_YEAR, QStringLiteral("1900"));
        Leave(FIELD_GREG_YEAR);
        QVERIFY(Shown(IDC_ICON_GREG_ILLEGAL) && !Shown(IDC_ICON_GREG) && !Shown(IDC_MARKER_GREG));
        QCOMPARE(m_frame->View()->IconButton(IDC_ICON_GREG_ILLEGAL)->toolTip(),
                 QStringLiteral("Illegal date"));
        QVERIFY(Text(FIELD_WEEKDAY_LABEL).isEmpty());
        // The other rows keep the last legal day, drawn greyed, and cannot be copied.
        const QString julianDay = Text(FIELD_JUL_DAY);
        const QPalette& julian = Edit(FIELD_JUL_DAY)->palette();
        QCOMPARE(julian.color(QPalette::Active, QPalette::Text),
                 julian.color(QPalette::Disabled, QPalette::Text));
        QVERIFY(!Enabled(ID_COPY_FIRST + int{ROW_JULIAN}));
        QVERIFY(!Enabled(ID_COPY_FIRST + int{ROW_GREGORIAN}));
        m_frame->OnCommand(ID_NEXT_DAY); // leaves an illegal row alone
        QCOMPARE(Text(FIELD_GREG_DAY), QStringLiteral("29"));
        QCOMPARE(Text(FIELD_JUL_DAY), julianDay);
        // Typing in a greyed row makes it the user's: drawn as usual at once.
        Type(FIELD_JUL_YEAR, QStringLiteral("1899"));
        QCOMPARE(Edit(FIELD_JUL_DAY)->palette().color(QPalette::Active, QPalette::Text),
                 Edit(FIELD_GREG_DAY)->palette().color(QPalette::Active, QPalette::Text));
        Leave(FIELD_JUL_YEAR);
        QVERIFY(!Shown(IDC_ICON_GREG_ILLEGAL) && Enabled(ID_COPY_FIRST + int{ROW_JULIAN}));
    }

    // The menus' keys work with the focus in any kind of field: the edit of
    // a month combo, a year edit; the keypad's plus and minus as well.
    void shortcutsWorkFromAFocusedField() {
        Start();
        CJulianDay today;
        today.SetToday();
        for (const PanelField field : {FIELD_GREG_MONTH, FIELD_JEW_YEAR}) {
            GoTo(1, 3, 2004);
            Focus(field);
            QWidget* focus = QApplication::focusWidget();
            // An editable combo takes the keys itself and hands them to its edit.
            QVERIFY(qobject_cast<QLineEdit*>(focus) || qobject_cast<QComboBox*>(focus));
            const struct {
                Qt::Key key;
                Qt::KeyboardModifiers modifiers;
                const char* day;
            } steps[] = {{Qt::Key_Minus, Qt::ControlModifier, "29"},
                         {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, "01"},
                         {Qt::Key_Plus, Qt::ControlModifier, "02"}};
            for (const auto& step : steps) {
                QTest::keyClick(focus, step.key, step.modifiers);
                QCOMPARE(Text(FIELD_GREG_DAY), QLatin1String(step.day));
            }
            const std::pair<Qt::Key, const char*> dialogs[] = {
                {Qt::Key_G, "Beginning of Gregorian Calendar"},
                {Qt::Key_M, "Movable Christian Holy Days"},
                {Qt::Key_S, "Saints' Days"}};
            for (const auto& [key, title] : dialogs) {
                // The offscreen platform gives no window the focus back when a
                // dialog closes; a window manager gives it to the main window.
                QVERIFY(Activate(m_frame));
                focus->setFocus(Qt::TabFocusReason);
                const Qt::Key pressed = key; // clang 14 cannot capture a structured binding
                QCOMPARE(
                    ModalOpenedBy([&] { QTest::keyClick(focus, pressed, Qt::ControlModifier); }),
                    QLatin1String(title));
            }
            QVERIFY(Activate(m_frame));
            focus->setFocus(Qt::TabFocusReason);
            QTest::keyClick(focus, Qt::Key_T, Qt::ControlModifier);
            QCOMPARE(Text(FIELD_GREG_YEAR), QString::number(today.GetGregorian().nYear));
        }
    }

    // Copy and paste through the menus and their keys, which no two actions share.
    void copyAndPaste() {
        Start();
        GoTo(14, 7, 1789);
        QVERIFY(Enabled(ID_COPY_FIRST));
        m_frame->Action(ID_COPY_FIRST)->trigger();
        QCOMPARE(Clipboard()->text(), QStringLiteral("14/07/1789"));
        m_frame->OnCommand(ID_TODAY);
        QVERIFY(Enabled(ID_PASTE_FIRST));
        m_frame->Action(ID_PASTE_FIRST)->trigger();
        QCOMPARE(Text(FIELD_JUL_DAY), QStringLiteral("03"));
        // The keys, right after an edit, with no menu opened since: the
        // states are looked at again when the key comes.
        Type(FIELD_GREG_YEAR, QStringLiteral("0"));
        Focus(FIELD_GREG_DAY);
        QVERIFY(Panel().IsIllegal(ROW_GREGORIAN));
        m_frame->UpdateCommandStates();
        GoTo(3, 6, 1997);
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_5, Qt::ControlModifier);
        QCOMPARE(Clipboard()->text(), QStringLiteral("27/09/5757"));
        Clipboard()->setText(QStringLiteral("1 Vendemiaire 2"));
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_4, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Text(FIELD_GREG_YEAR), QStringLiteral("1793"));
        // Text no row reads greys every paste.
        Clipboard()->setText(QStringLiteral("no date here"));
        for (int row = 0; row < ROW_COUNT; ++row)
            QVERIFY(!Enabled(ID_PASTE_FIRST + row));
    }

    // Ctrl+V in a field pastes a date the row reads into the whole row, any
    // other text into the field; Ctrl+Shift+V always the text.
    void pasteKeysInAField() {
        Start();
        GoTo(1, 1, 2000);
        PasteKey(FIELD_GREG_DAY, QStringLiteral("03/06/1997"), Qt::ControlModifier);
        QCOMPARE(Panel().GetRowTexts(ROW_GREGORIAN),
                 (std::vector<std::string>{"03", "June", "1997"}));
        QCOMPARE(Text(FIELD_JUL_DAY), QStringLiteral("21"));
        PasteKey(FIELD_JEW_YEAR, QStringLiteral("1 tishri 84"), Qt::ControlModifier);
        QCOMPARE(Text(FIELD_JEW_YEAR), QStringLiteral("5784"));
        QCOMPARE(Text(FIELD_GREG_YEAR), QStringLiteral("2023"));
        PasteKey(FIELD_ROMAN_COUNT, QStringLiteral("03/06/1997"), Qt::ControlModifier);
        QCOMPARE(Text(FIELD_ROMAN_COUNT), QStringLiteral("03/06/1997"));
        QCOMPARE(Text(FIELD_GREG_YEAR), QStringLiteral("2023"));
        PasteKey(FIELD_GREG_DAY, QStringLiteral("12"), Qt::ControlModifier);
        QCOMPARE(Combo(FIELD_GREG_DAY)->currentIndex(), 11);
        PasteKey(FIELD_GREG_YEAR, QStringLiteral("03/06/1997"),
                 Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Text(FIELD_GREG_YEAR), QStringLiteral("03/06/1997"));
        QCOMPARE(Text(FIELD_GREG_DAY), QStringLiteral("12"));
    }

    // Each option the menus set: stored at once, ticked, and in force after a
    // restart; out of range in the file, it reads as its default.
    void optionsAreStoredAndRestored() {
        Start();
        const int withToolBar = m_frame->height();
        const struct {
            int command;
            const char* key;
            int stored;
            bool ticked;
        } options[] = {{ID_VIEW_TOOLBAR, "AffBarre", 0, false},
                       {ID_ON_TOP, "Dessus", 1, true},
                       {ID_SAINTS_MODE_FIRST, "AffSaints", 0, true},
                       {ID_SAINTS_PRESENT, "AffSaintsRecent", 1, true},
                       {ID_REP_FEASTS, "AffFetesRep", 0, false},
                       {ID_SHOW_ROW_FIRST + 3, "AffCal3", 0, false},
                       {ID_MONTH_VIEW, "AffMois", 1, true}};
        for (const auto& option : options) {
            m_frame->OnCommand(option.command);
            QVERIFY2(Stored(option.key).toInt() == option.stored, option.key);
            QVERIFY2(Checked(option.command) == option.ticked, option.key);
            if (option.command == ID_VIEW_TOOLBAR)
                QCOMPARE(m_frame->height(), withToolBar - 30);
        }
        const int height = m_frame->height();
        QVERIFY(!m_frame->ToolBar()->isVisibleTo(m_frame));
        QVERIFY(m_frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!Text(FIELD_WEEKDAY_LABEL).contains(QLatin1Char('(')));
        QVERIFY(!Text(FIELD_REP_LABEL).contains(QLatin1Char('(')));
        Start();
        for (const auto& option : options)
            QVERIFY2(Checked(option.command) == option.ticked, option.key);
        QCOMPARE(m_frame->height(), height);
        QVERIFY(!m_frame->ToolBar()->isVisibleTo(m_frame));
        QVERIFY(m_frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(m_frame->MonthView() && m_frame->MonthView()->isVisible());

        m_rig->app.reset();
        m_rig->WriteConfig("[General]\nAffSaints=77\nFmtMois=9\nFmtJour=-1\nAffSaintsRecent=2\n");
        Start();
        QCOMPARE(Stored("AffSaints").toInt(), 3);
        QCOMPARE(Stored("FmtMois").toInt(), 1);
        for (int mode = 0; mode < 4; ++mode)
            QCOMPARE(Checked(ID_SAINTS_MODE_FIRST + mode), mode == 3);
        QVERIFY(Checked(ID_SAINTS_TRADITIONAL) && !Checked(ID_SAINTS_PRESENT));
    }

    // The month view follows the panel; closed, it stays closed at the next start.
    void monthViewFollowsThePanel() {
        Start();
        m_frame->OnCommand(ID_MONTH_VIEW);
        for (const int id : {ID_NEXT_DAY, ID_NEXT_DAY, ID_PREVIOUS_DAY}) {
            m_frame->OnCommand(id);
            const CMonthView* view = m_frame->MonthView();
            QCOMPARE(view->DayAt(view->Grid()->currentRow(), view->Grid()->currentColumn()),
                     Panel().GetDayShown());
        }
        m_frame->MonthView()->close();
        QCOMPARE(Stored("AffMois").toInt(), 0);
        QVERIFY(!Checked(ID_MONTH_VIEW));
        Start();
        QVERIFY(!m_frame->MonthView());
    }

    // Hiding rows shrinks the window to what is left; hidden rows still follow the day.
    void hidingRowsResizesTheWindow() {
        Start();
        const int full = m_frame->height();
        for (int row = 0; row < ROW_COUNT; ++row)
            m_frame->OnCommand(ID_SHOW_ROW_FIRST + row);
        const int menu = m_frame->menuBar()->sizeHint().height();
        QCOMPARE(m_frame->height(), menu + 20 + 30);
        QVERIFY(!m_frame->View()->ControlWidget(IDC_WEEKDAY_LABEL)->isVisibleTo(m_frame));
        m_frame->OnCommand(ID_SHOW_ROW_FIRST + int{ROW_ROMAN});
        QVERIFY(m_frame->View()->ControlWidget(IDC_GROUP_JULIAN)->isVisibleTo(m_frame));
        QCOMPARE(m_frame->height(), menu + 20 + 30 + 16 + 25 + 32 + 32);
        Type(FIELD_ROMAN_YEAR, QStringLiteral("1500"));
        QTest::keyClick(Edit(FIELD_ROMAN_YEAR), Qt::Key_Return);
        QVERIFY(Text(FIELD_GREG_YEAR).startsWith(QStringLiteral("15")));
        for (int row = 0; row < ROW_COUNT; ++row)
            if (row != ROW_ROMAN)
                m_frame->OnCommand(ID_SHOW_ROW_FIRST + row);
        QCOMPARE(m_frame->height(), full);
    }

    // The manual says what the program does: the copy keys, the paste's
    // bound, the Republican row's last day.
    void manualMatchesTheProgram() {
        Start();
        QCOMPARE(m_frame->ToolBar()->actions().first(), m_frame->Action(ID_TODAY));
        const QString copier = ResourceText(QStringLiteral(":/help/copier.html"));
        for (int id = ID_COPY_FIRST; id < ID_PASTE_FIRST + int{ROW_COUNT}; ++id) {
            const QString key =
                m_frame->Action(id)->shortcut().toString(QKeySequence::PortableText);
            QVERIFY2(copier.contains(QStringLiteral("<td>%1</td>").arg(key)), qPrintable(key));
        }
        QVERIFY(copier.contains(QLocale(QLocale::English).toString(qlonglong{kMaxPasteText}) +
                                QStringLiteral(" characters")));
        const CRepublicanDate last = CJulianDay(kLastSupportedDay).GetRepublican();
        const QString lastDay =
            QStringLiteral("up to %1 %2 %3")
                .arg(last.nDay)
                .arg(FromCp1252(Panel().ListEntry(FIELD_REP_MONTH, last.nMonth)))
                .arg(last.nYear);
        QVERIFY2(ResourceText(QStringLiteral(":/help/interface.html")).contains(lastDay),
                 qPrintable(lastDay));
    }
};
QUINDOR_UI_TEST("MainFrame", MainFrameTest);

#include "MainFrameTest.moc"
