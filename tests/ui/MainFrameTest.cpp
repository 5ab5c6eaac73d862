// The program as a user drives it: typing, commands and keys, copy and paste, options.
#include "Commands.h"
#include "CountDaysDialog.h"
#include "ElementsView.h"
#include "Language.h"
#include "MonthView.h"
#include "StatusLine.h"
#include "UiTestSupport.h"
#include "elements/Elements.h"
#include "settings/SettingsSchema.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QDate>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

// A field that claims every key for itself, as a line edit claims Ctrl+E
// and Ctrl+K under X11's key scheme (the offscreen platform has none).
class CGreedyField : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        event->accept();
        return true;
    }
};

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
    void Leave(PanelField field) {
        Focus(field == FIELD_MUS_YEAR ? FIELD_MUS_DAY : FIELD_MUS_YEAR);
    }
    void GoTo(std::int32_t d, std::int32_t m, std::int32_t y) {
        CJulianDay day;
        day.SetGregorian({d, m, y});
        Panel().GoToRowDay(CalendarRow::Gregorian, day);
    }
    void Key(PanelField field, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QVERIFY(Activate(m_frame));
        Focus(field);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
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
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { m_rig.reset(); }

    // Keys in the menus and on the toolbar: the saints' lists are one
    // choice, the toolbar's tips carry the keys, its last button is the help.
    void menuKeysAndChoices() {
        Start();
        QCOMPARE(m_frame->Action(ID_APP_EXIT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(m_frame->Action(ID_MONTH_VIEW)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
        QVERIFY(m_frame->Action(ID_HELP_TOPICS)->text().endsWith(QStringLiteral("\tF1")));
        QActionGroup* lists = m_frame->Action(ID_SAINTS_PRESENT)->actionGroup();
        QVERIFY(lists && lists->isExclusive());
        QVERIFY(lists->actions().contains(m_frame->Action(ID_SAINTS_TRADITIONAL)));
        for (QAction* action : m_frame->ToolBar()->actions()) {
            if (!action->shortcut().isEmpty())
                QVERIFY(action->toolTip().contains(
                    action->shortcut().toString(QKeySequence::NativeText)));
        }
        QCOMPARE(m_frame->ToolBar()->actions().last(), m_frame->Action(ID_HELP_TOPICS));
    }

    // Page Up and Page Down in the month view turn months, with Ctrl years.
    void monthViewPageKeys() {
        Start();
        Panel().GoToRowDay(CalendarRow::Gregorian, CJulianDay(2451545)); // 1 January 2000
        m_frame->OnCommand(ID_MONTH_VIEW);
        CMonthView* view = m_frame->MonthView();
        // Shortcuts answer in the active window only.
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view));
        const struct {
            QKeyCombination key;
            std::int32_t month, year;
        } steps[] = {{QKeyCombination(Qt::Key_PageDown), 2, 2000},
                     {QKeyCombination(Qt::ControlModifier, Qt::Key_PageDown), 2, 2001},
                     {QKeyCombination(Qt::ControlModifier, Qt::Key_PageUp), 2, 2000},
                     {QKeyCombination(Qt::Key_PageUp), 1, 2000}};
        for (const auto& step : steps) {
            QTest::keyClick(view->Grid(), step.key.key(), step.key.keyboardModifiers());
            const auto shown = Panel().GetDayShown().GetGregorian();
            QCOMPARE(shown.nMonth, step.month);
            QCOMPARE(shown.nYear, step.year);
        }
        QVERIFY(!view->PreviousButton()->accessibleName().isEmpty());
        QVERIFY(!view->NextButton()->accessibleName().isEmpty());
    }

    // File > Recent Family-Tree Files: none for a damaged value; a file
    // checked goes first, one gone warns and leaves the list.
    void recentFamilyTreeFiles() {
        m_rig->WriteConfig("[General]\nFichiersGedcom=%ZZ\n");
        Start();
        QVERIFY(!m_frame->RecentGedcomMenu()->isEnabled());
        const QString tree = m_rig->config.filePath("tree.ged");
        const QString gone = m_rig->config.filePath("gone.ged");
        QVERIFY(WriteAll(tree, "0 HEAD\n1 DATE 1 JAN 2000\n0 TRLR\n"));
        m_rig->WriteConfig(("[General]\nFichiersGedcom=" + gone + "|" + tree + "\n").toUtf8());
        Start();
        QMenu* menu = m_frame->RecentGedcomMenu();
        const auto texts = [menu] {
            QStringList list;
            for (const QAction* action : menu->actions())
                list << action->text();
            return list;
        };
        QCOMPARE(texts(), (QStringList{"&1 gone.ged", "&2 tree.ged"}));
        // Each modal window that opens is read and closed.
        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                shown << (box ? box->text() : modal->windowTitle());
                modal->close();
            }
        });
        closer.start(20);
        menu->actions()[1]->trigger();
        // The check window stays open beside the panel, not modal.
        QCOMPARE(shown, QStringList{});
        auto* check = m_frame->findChild<QDialog*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(check && check->isVisible() && !check->isModal());
        QCOMPARE(check->windowTitle(), "Check a family tree file");
        check->close();
        QCOMPARE(Stored("FichiersGedcom").toString(), tree + "|" + gone);
        QCOMPARE(Stored("DossierGedcom").toString(), m_rig->config.path());
        QCOMPARE(texts(), (QStringList{"&1 tree.ged", "&2 gone.ged"}));
        menu->actions()[1]->trigger();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].startsWith(gone + " is no longer there"));
        QCOMPARE(Stored("FichiersGedcom").toString(), tree);
        QCOMPARE(texts(), QStringList{"&1 tree.ged"});
    }

    // Typing moves every row and the drop-downs; a typed month completes.
    void typingMovesEveryRowAndTheDropDowns() {
        Start();
        Type(FIELD_GREG_DAY, QStringLiteral("1"));
        Type(FIELD_GREG_MONTH, QStringLiteral("1"));
        Type(FIELD_GREG_YEAR, QStringLiteral("2000"));
        Leave(FIELD_GREG_YEAR);
        QCOMPARE(Text(FIELD_GREG_MONTH), QStringLiteral("January"));
        QCOMPARE(Text(FIELD_JUL_MONTH), QStringLiteral("December"));
        QVERIFY(CombosFollowTheirTexts());
        Type(FIELD_GREG_MONTH, QStringLiteral("fe"));
        QCOMPARE(Edit(FIELD_GREG_MONTH)->selectedText(), QStringLiteral("bruary"));
    }

    // A date the ended Pisan style also named: the marker in the year field
    // says which year is meant, and a click takes the other.
    void yearMarkerOffersTheOtherDay() {
        m_rig->WriteConfig("[General]\nStyleAnnee=2\nFinStyle=2360235\n"); // to 1749
        Start();
        GoTo(30, 3, 1750);
        QAction* marker = m_frame->View()->EasterMarker(CalendarRow::Gregorian);
        QVERIFY(marker->isVisible());
        QCOMPARE(marker->toolTip(), QStringLiteral("the year counted from 1 January"));
        marker->trigger();
        QCOMPARE(Text(FIELD_GREG_YEAR), QStringLiteral("1749/50"));
        QCOMPARE(marker->toolTip(), QStringLiteral("the year of the old style"));
    }

    // The first start stores every setting and shows today; Enter applies
    // the row it is pressed in: the Gregorian row follows.
    void firstStartAndEnterInEachRow() {
        Start();
        QCOMPARE(QSettings(m_rig->ConfigFile(), QSettings::IniFormat).allKeys().size(),
                 int{SET_COUNT});
        QCOMPARE(Text(FIELD_GREG_YEAR), QString::number(QDate::currentDate().year()));
        QVERIFY(Shown(IDC_MARKER_GREG) && !Shown(IDC_MARKER_JUL) && !Shown(IDC_ICON_GREG_ILLEGAL));
        QVERIFY(CombosFollowTheirTexts());
        const std::tuple<PanelField, const char*, int> rows[] = {// Gregorian year, give or take one
                                                                 {FIELD_JUL_YEAR, "1999", 1999},
                                                                 {FIELD_JEW_YEAR, "5700", 1939},
                                                                 {FIELD_GREG_YEAR, "1990", 1990}};
        for (const auto& [field, text, gregorianYear] : rows) {
            Type(field, QLatin1String(text));
            QTest::keyClick(Edit(field), Qt::Key_Return);
            QCOMPARE(Text(field), QLatin1String(text));
            QVERIFY2(std::abs(Text(FIELD_GREG_YEAR).toInt() - gregorianYear) <= 1, text);
        }
    }

    // An illegal date: its icon, the other rows greyed and not copied, the
    // day commands idle; typing in a greyed row draws it as usual at once.
    void illegalDateGreysTheOtherRows() {
        Start();
        Type(FIELD_GREG_DAY, QStringLiteral("29"));
        Type(FIELD_GREG_MONTH, QStringLiteral("2"));
        Type(FIELD_GREG_YEAR, QStringLiteral("1900"));
        Leave(FIELD_GREG_YEAR);
        QVERIFY(Shown(IDC_ICON_GREG_ILLEGAL) && !Shown(IDC_ICON_GREG) && !Shown(IDC_MARKER_GREG));
        const QString julianDay = Text(FIELD_JUL_DAY);
        const QPalette& julian = Edit(FIELD_JUL_DAY)->palette();
        QCOMPARE(julian.color(QPalette::Active, QPalette::Text),
                 julian.color(QPalette::Disabled, QPalette::Text));
        QVERIFY(!Enabled(ID_COPY_FIRST + RowIndex(CalendarRow::Julian)));
        m_frame->OnCommand(ID_NEXT_DAY);
        QVERIFY(Text(FIELD_GREG_DAY) == QStringLiteral("29") && Text(FIELD_JUL_DAY) == julianDay);
        Type(FIELD_JUL_YEAR, QStringLiteral("1899"));
        Leave(FIELD_JUL_YEAR);
        QVERIFY(!Shown(IDC_ICON_GREG_ILLEGAL) &&
                Enabled(ID_COPY_FIRST + RowIndex(CalendarRow::Julian)));
    }

    // Tabbing through every field, the blank Republican ones of 1293 included,
    // checks nothing: no row turns illegal or grey, the weekday stays.
    void tabbingThroughBlankFieldsChangesNothing() {
        Start();
        GoTo(3, 9, 1293);
        const QString weekday = Text(FIELD_WEEKDAY_LABEL);
        Key(FIELD_GREG_DAY, Qt::Key_Tab, Qt::NoModifier);
        for (int i = 0; i < FIELD_COUNT; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (const CalendarRow row : kAllRows)
            QVERIFY(!Panel().IsIllegal(row) && !Panel().IsRowGreyed(row));
        QVERIFY(Text(FIELD_REP_DAY).isEmpty() && Text(FIELD_WEEKDAY_LABEL) == weekday);
    }

    // Back and Forward go through the days shown, keys included; Escape puts
    // a field back without moving the panel.
    void backForwardAndEscape() {
        Start();
        GoTo(3, 6, 1997);
        GoTo(9, 11, 1799);
        Type(FIELD_GREG_YEAR, QStringLiteral("1805"));
        QTest::keyClick(Edit(FIELD_GREG_YEAR), Qt::Key_Escape);
        QCOMPARE(Text(FIELD_GREG_YEAR), QLatin1String("1799"));
        QVERIFY(Enabled(ID_HISTORY_BACK) && !Enabled(ID_HISTORY_FORWARD));
        Key(FIELD_GREG_DAY, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(Text(FIELD_GREG_YEAR), QLatin1String("1997"));
        QVERIFY(Enabled(ID_HISTORY_FORWARD));
        Key(FIELD_GREG_DAY, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(Text(FIELD_GREG_YEAR), QLatin1String("1799"));
        // A blank row says when its calendar begins; its copy and a refused paste say why.
        GoTo(1, 1, 1700);
        QVERIFY(Edit(FIELD_REP_YEAR)->toolTip().contains(QLatin1String("1792")));
        QVERIFY(!Enabled(ID_COPY_FIRST + RowIndex(CalendarRow::Republican)));
        QVERIFY(m_frame->Action(ID_COPY_FIRST + RowIndex(CalendarRow::Republican))
                    ->toolTip()
                    .contains("1792"));
        QGuiApplication::clipboard()->setText(QStringLiteral("ABT 1850"));
        QVERIFY(!Enabled(ID_PASTE_FIRST));
        QVERIFY(m_frame->Action(ID_PASTE_FIRST)->toolTip().contains(QLatin1String("ABT 1850")));
        Type(FIELD_GREG_YEAR, QStringLiteral("0"));
        QTest::keyClick(Edit(FIELD_GREG_YEAR), Qt::Key_Return);
        QVERIFY(m_frame->View()->IconButton(IDC_ICON_GREG_ILLEGAL)->toolTip().contains("year 0"));
    }

    // The menus' keys reach their command from a focused field; the keypad's plus as well.
    void keysWorkFromAFocusedField() {
        Start();
        const PanelField field = FIELD_GREG_MONTH;
        GoTo(1, 3, 2004);
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*> steps[] = {
            {Qt::Key_Minus, Qt::ControlModifier, "29"},
            {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, "01"},
            {Qt::Key_Plus, Qt::ControlModifier, "02"}};
        for (const auto& [key, modifiers, day] : steps) {
            Key(field, key, modifiers);
            QCOMPARE(Text(FIELD_GREG_DAY), QLatin1String(day));
        }
        // Offscreen, Key() activates the window again as a window manager would.
        for (const auto& [key, title] : {std::pair{Qt::Key_G, "Beginning of Gregorian Calendar"},
                                         {Qt::Key_M, "Movable Christian Holy Days"},
                                         {Qt::Key_S, "Saints' Days"}}) {
            const Qt::Key pressed = key; // clang 14 cannot capture a structured binding
            QCOMPARE(ModalOpenedBy([&] { Key(field, pressed, Qt::ControlModifier); }),
                     QLatin1String(title));
        }
        Key(field, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(Text(FIELD_GREG_YEAR), QString::number(QDate::currentDate().year()));
    }

    // Every key of every menu command reaches its action from every field of
    // the panel, even a field that would keep it. The commands are cut off,
    // so only the keys' routing is under test.
    void everyMenuKeyFromEveryField() {
        Start();
        CGreedyField greedy;
        for (int f = 0; f < FIELD_COUNT; ++f) {
            Edit(static_cast<PanelField>(f))->installEventFilter(&greedy);
            m_frame->View()->FieldWidget(static_cast<PanelField>(f))->installEventFilter(&greedy);
        }
        GoTo(1, 3, 2004);
        GoTo(2, 3, 2004);
        m_frame->OnCommand(ID_HISTORY_BACK); // Back and Forward both possible
        QGuiApplication::clipboard()->setText(QStringLiteral("1 1 200"));
        QVERIFY(Activate(m_frame));
        int keys = 0;
        for (QAction* action : m_frame->actions()) {
            const int id = action->data().toInt();
            const bool paste = id >= ID_PASTE_FIRST && id < ID_PASTE_FIRST + kRowCount;
            m_frame->UpdateCommandStates();
            // A paste the clipboard gives nothing to is greyed, and so is its key.
            if (action->shortcuts().isEmpty() || (paste && !action->isEnabled()))
                continue;
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
            action->disconnect(m_frame);
            QSignalSpy triggered(action, &QAction::triggered);
            for (int f = 0; f < FIELD_COUNT; ++f) {
                const auto field = static_cast<PanelField>(f);
                if (FieldKind(field) == PanelFieldKind::Label)
                    continue;
                Focus(field);
                for (const QKeySequence& key : action->shortcuts()) {
                    const int before = int(triggered.size());
                    QTest::keyClick(QApplication::focusWidget(), key[0].key(),
                                    key[0].keyboardModifiers());
                    QVERIFY2(triggered.size() == before + 1,
                             qPrintable(key.toString() + QStringLiteral(" in field ") +
                                        QString::number(f)));
                    ++keys;
                }
            }
        }
        QVERIFY(keys > 0);
    }

    // A line in the status bar goes when its cause goes, not when another
    // took its place; a long one is cut to the bar, whole in its tooltip; a
    // pointed-at tip shows over it.
    void statusLineFollowsItsCause() {
        Start();
        const CStatusLine* line = m_frame->StatusLine();
        QVERIFY(line->width() > m_frame->width() / 2);
        for (const bool overtaken : {false, true}) {
            Type(FIELD_GREG_YEAR, QStringLiteral("0"));
            Leave(FIELD_GREG_YEAR);
            QVERIFY(line->text().startsWith(QLatin1String("There is no year 0")));
            if (overtaken)
                emit m_frame->View()->Message(QStringLiteral("other"));
            Type(FIELD_GREG_YEAR, QStringLiteral("1"));
            Leave(FIELD_GREG_YEAR);
            QCOMPARE(line->text(), overtaken ? QStringLiteral("other") : QString());
        }
        const QString longText = QStringLiteral("The Republican calendar ").repeated(9);
        emit m_frame->View()->Message(longText);
        QVERIFY(line->text().endsWith(QChar(0x2026)));
        QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <=
                line->contentsRect().width());
        QCOMPARE(line->toolTip().simplified(), longText.simplified());
        QStatusTipEvent tip(QStringLiteral("tip"));
        QApplication::sendEvent(m_frame->ToolBar(), &tip);
        QVERIFY(line->text() == QStringLiteral("tip") && line->toolTip().isEmpty());
        QStatusTipEvent gone{QString()};
        QApplication::sendEvent(m_frame->ToolBar(), &gone);
        QCOMPARE(line->toolTip().simplified(), longText.simplified());
    }

    // Copy and paste by menu and key; Ctrl+V in a field pastes a date the
    // row reads into the row, other text into the field; Ctrl+Shift+V the text.
    void copyAndPaste() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        Start();
        GoTo(14, 7, 1789);
        m_frame->Action(ID_COPY_FIRST)->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("14/07/1789"));
        m_frame->OnCommand(ID_TODAY);
        QVERIFY(Enabled(ID_PASTE_FIRST));
        m_frame->Action(ID_PASTE_FIRST)->trigger();
        QCOMPARE(Text(FIELD_JUL_DAY), QStringLiteral("03"));
        Type(FIELD_GREG_YEAR, QStringLiteral("0"));
        Focus(FIELD_GREG_DAY);
        m_frame->UpdateCommandStates(); // Gregorian copy greyed
        GoTo(3, 6, 1997);
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_5, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("27/09/5757"));
        clipboard->setText(QStringLiteral("1 Vendemiaire 2"));
        QTest::keyClick(Edit(FIELD_GREG_DAY), Qt::Key_4, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Text(FIELD_GREG_YEAR), QStringLiteral("1793"));
        const std::tuple<PanelField, const char*, Qt::KeyboardModifiers, PanelField, const char*>
            pastes[] = {
                {FIELD_GREG_DAY, "03/06/1997", Qt::ControlModifier, FIELD_JUL_DAY, "21"},
                {FIELD_JEW_YEAR, "1 tishri 84", Qt::ControlModifier, FIELD_GREG_YEAR, "2023"},
                {FIELD_ROMAN_COUNT, "03/06/1997", Qt::ControlModifier, FIELD_ROMAN_COUNT,
                 "03/06/1997"},
                {FIELD_GREG_YEAR, "03/06/1997", Qt::ControlModifier | Qt::ShiftModifier,
                 FIELD_GREG_YEAR, "03/06/1997"}};
        for (const auto& [field, text, modifiers, shown, expected] : pastes) {
            clipboard->setText(QLatin1String(text));
            Focus(field);
            Edit(field)->selectAll();
            QTest::keyClick(Edit(field), Qt::Key_V, modifiers);
            QCOMPARE(Text(shown), QLatin1String(expected));
        }
        clipboard->setText(QStringLiteral("no date here"));
        QVERIFY(!Enabled(ID_PASTE_FIRST));
        // A greyed paste's key says why, as a keyboard sends it: shifted
        // ("Ctrl+Shift+1" arrives as Ctrl+Shift+!, the key cap's 1 beside it).
        Focus(FIELD_GREG_DAY);
        m_frame->StatusLine()->Withdraw(m_frame->StatusLine()->FullText());
        QKeyEvent shifted(QEvent::ShortcutOverride, Qt::Key_Exclam,
                          Qt::ControlModifier | Qt::ShiftModifier, 0, '1', 0, QStringLiteral("!"));
        QApplication::sendEvent(Edit(FIELD_GREG_DAY), &shifted);
        QVERIFY(m_frame->StatusLine()->FullText().startsWith(
            QStringLiteral("The clipboard holds \u201Cno date here\u201D")));
        // Leaving a row that makes no date says why; the word goes when it is put right.
        Type(FIELD_GREG_YEAR, QStringLiteral("ABT 185029"));
        Leave(FIELD_GREG_YEAR);
        QVERIFY(m_frame->StatusLine()->FullText().contains(QStringLiteral("make no date")));
        Type(FIELD_GREG_YEAR, QStringLiteral("1850"));
        Leave(FIELD_GREG_YEAR);
        QVERIFY(!m_frame->StatusLine()->FullText().contains(QStringLiteral("make no date")));
    }

    // Each option: stored at once, ticked, in force after a restart.
    void optionsAreStoredAndRestored() {
        Start();
        const std::tuple<int, const char*, int, bool> options[] = {
            {ID_VIEW_TOOLBAR, "AffBarre", 0, false},
            {ID_ON_TOP, "Dessus", 1, true},
            {ID_SAINTS_MODE_FIRST, "AffSaints", 0, true},
            {ID_SAINTS_PRESENT, "AffSaintsRecent", 1, true},
            {ID_REP_FEASTS, "AffFetesRep", 0, false},
            {ID_SHOW_ROW_FIRST + 3, "AffCal3", 0, false},
            {ID_MONTH_VIEW, "AffMois", 1, true},
            {ID_ELEMENTS_VIEW, "AffElements", 1, true}};
        for (const auto& [command, key, stored, ticked] : options) {
            m_frame->OnCommand(command);
            QVERIFY2(Stored(key).toInt() == stored && Checked(command) == ticked, key);
        }
        Start();
        QVERIFY(!m_frame->ToolBar()->isVisibleTo(m_frame) && m_frame->MonthView() &&
                m_frame->ElementsView() &&
                m_frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        for (const auto& [command, key, stored, ticked] : options)
            QVERIFY2(Checked(command) == ticked, key);
        // The month view follows the panel; closed, it stays closed at the next start.
        m_frame->OnCommand(ID_NEXT_DAY);
        const CMonthView* view = m_frame->MonthView();
        QCOMPARE(view->DayAt(view->Grid()->currentRow(), view->Grid()->currentColumn()),
                 Panel().GetDayShown());
        // So do the elements, in French too.
        Panel().GoToRowDay(CalendarRow::Julian, CJulianDay(2208935));
        const CElementsView* elements = m_frame->ElementsView();
        QCOMPARE(
            elements->Value("golden-number"),
            QString::number(GoldenNumber(Panel().GetCivilUse().Date(Panel().GetDayShown()).nYear)));
        if (HasFrenchTranslation()) {
            SetUiLanguage(ETextLanguage::French);
            QCOMPARE(elements->windowTitle(), QStringLiteral("Éléments de l'année"));
            for (const CElementLine& line :
                 DayElements(Panel().GetDayShown(), true, Panel().GetCivilUse()))
                QCOMPARE(elements->Value(line.pszKey), FromCp1252(line.strValue));
            SetUiLanguage(ETextLanguage::English);
        }
        // Exit, and the application's closing of every window after it, keep them open.
        m_frame->OnCommand(ID_APP_EXIT);
        QApplication::closeAllWindows();
        QVERIFY(Stored("AffMois").toInt() == 1 && Stored("AffElements").toInt() == 1);
        Start();
        m_frame->MonthView()->close();
        m_frame->ElementsView()->close();
        QVERIFY(Stored("AffMois").toInt() == 0 && !Checked(ID_MONTH_VIEW));
        QVERIFY(Stored("AffElements").toInt() == 0 && !Checked(ID_ELEMENTS_VIEW));
        Start();
        QVERIFY(!m_frame->MonthView() && !m_frame->ElementsView());
    }

    // Count Days keeps its tab, reckoning and fields for the session; Escape closes it.
    void countDaysIsKeptForTheSession() {
        Start();
        const auto open = [this](const std::function<void(CCountDaysDialog*)>& inspect) {
            ModalOpenedBy([this] { m_frame->OnCommand(ID_COUNT_DAYS); },
                          [&](QWidget* modal) { inspect(qobject_cast<CCountDaysDialog*>(modal)); });
        };
        open([](CCountDaysDialog* dialog) {
            dialog->Tabs()->setCurrentIndex(1);
            dialog->Reckoning()->setCurrentIndex(2);
            QTest::keyClicks(dialog->AgeField(1), QStringLiteral("4\r"));
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog->AgeField(1), Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        open([](CCountDaysDialog* dialog) {
            QVERIFY(dialog->Tabs()->currentIndex() == 1 &&
                    dialog->Reckoning()->currentIndex() == 2 &&
                    dialog->AgeField(1)->text() == QStringLiteral("4"));
        });
    }

    // Hiding rows shrinks the window; showing them again restores it.
    void hidingRowsResizesTheWindow() {
        Start();
        const int full = m_frame->height();
        for (const CalendarRow row : kAllRows)
            m_frame->OnCommand(ID_SHOW_ROW_FIRST + RowIndex(row));
        QVERIFY(m_frame->height() < full &&
                !m_frame->View()->ControlWidget(IDC_WEEKDAY_LABEL)->isVisibleTo(m_frame));
        for (const CalendarRow row : kAllRows)
            m_frame->OnCommand(ID_SHOW_ROW_FIRST + RowIndex(row));
        QCOMPARE(m_frame->height(), full);
    }
};
QUINDOR_UI_TEST("MainFrame", MainFrameTest);

#include "MainFrameTest.moc"
