// The desktop program as a user drives it: start-up, typing in the panel,
// the date commands, the display options and what survives a restart.
#include "MainFrame.h"
#include "Commands.h"
#include "Language.h"
#include "QtSettingsStore.h"
#include "MonthView.h"
#include "QuindorApp.h"
#include "QuindorView.h"
#include "TextBridge.h"
#include "UiTestSupport.h"
#include "daynames/DayNameLists.h"
#include "panel/CalendarPanel.h"
#include "settings/SettingsSchema.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

QString Text(CMainFrame* frame, PanelField field) {
    return frame->View()->FieldEdit(field)->text();
}

// What the user does to leave a field: the focus goes elsewhere.
void Leave(CMainFrame* frame, PanelField field) {
    QWidget* widget = frame->View()->FieldWidget(field);
    if (!widget->hasFocus())
        widget->setFocus(Qt::TabFocusReason);
    QWidget* other =
        frame->View()->FieldWidget(field == FIELD_MUS_YEAR ? FIELD_MUS_DAY : FIELD_MUS_YEAR);
    other->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

void Type(CMainFrame* frame, PanelField field, const QString& text) {
    frame->View()->FieldWidget(field)->setFocus(Qt::TabFocusReason);
    QLineEdit* edit = frame->View()->FieldEdit(field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void PressEnter(CMainFrame* frame, PanelField field) {
    QTest::keyClick(frame->View()->FieldEdit(field), Qt::Key_Return);
}

bool IconShown(CMainFrame* frame, int id) {
    return frame->View()->IconButton(id)->isVisibleTo(frame);
}

// Runs an action that may open a modal dialog; the dialog is looked at by
// inspect (when given) and closed. The dialog's title, empty when none opened.
QString ModalOpenedBy(const std::function<void()>& act,
                      const std::function<void(QWidget*)>& inspect = {}) {
    QString title;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            title = modal->windowTitle();
            if (inspect)
                inspect(modal);
            modal->close();
        }
    });
    poll.start();
    act();
    QCoreApplication::processEvents();
    return title;
}

// A menu entry as the user reads it: its text without the mnemonic, and the
// key the menu shows beside it in parentheses.
QString EntryText(const QAction* action) {
    QString text = action->text().remove(QLatin1Char('&'));
    if (!action->shortcut().isEmpty())
        text += QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText));
    return text;
}

// The manual's menu table: each menu with its entries in order. A row's
// first cell with a rowspan names the menu; an entry cell may list several
// entries, one a line.
QList<QPair<QString, QStringList>> ManualMenus(const QString& html) {
    const qsizetype start = html.indexOf(QStringLiteral("<h2>Menus</h2>"));
    const QString table = html.mid(start, html.indexOf(QStringLiteral("</table>"), start) - start);
    const QRegularExpression cell(QStringLiteral("<td( rowspan=\"\\d+\")?>(.*?)</td>"),
                                  QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    const auto plain = [&tag](QString text) {
        return text.remove(tag).replace(QStringLiteral("&amp;"), QStringLiteral("&")).simplified();
    };
    QList<QPair<QString, QStringList>> menus;
    for (const QString& row : table.split(QStringLiteral("<tr>"))) {
        QList<QRegularExpressionMatch> cells;
        for (const QRegularExpressionMatch& m : cell.globalMatch(row))
            cells << m;
        if (cells.size() < 2)
            continue;
        if (!cells[0].captured(1).isEmpty()) {
            menus.append({plain(cells[0].captured(2)), {}});
            cells.removeFirst();
        }
        if (menus.isEmpty())
            continue;
        for (const QString& line : cells[0].captured(2).split(QStringLiteral("<br>")))
            menus.last().second << plain(line);
    }
    return menus;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;
    std::unique_ptr<CQuindorApp> m_app;

    CMainFrame* Start() {
        m_app.reset();
        m_app = std::make_unique<CQuindorApp>();
        m_app->InitInstance();
        CMainFrame* frame = m_app->MainFrame();
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame))
            qWarning("the main window did not become active: focus changes will not arrive");
        return frame;
    }
    QString ConfigFile() const { return m_config.path() + QStringLiteral("/Velmont/Quindor.conf"); }
    QVariant Stored(const char* name) const {
        QSettings settings(ConfigFile(), QSettings::IniFormat);
        return settings.value(QLatin1String(name));
    }

private slots:
    void init() {
        QVERIFY(m_config.isValid());
        QFile::remove(ConfigFile());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }
    void cleanup() { m_app.reset(); }

    void firstStartWritesEverySettingAndShowsToday() {
        CMainFrame* frame = Start();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Quindor"));
        QSettings settings(ConfigFile(), QSettings::IniFormat);
        QCOMPARE(settings.allKeys().size(), static_cast<int>(SET_COUNT));
        QCOMPARE(settings.value("DtGreg").toInt(), 2299227);
        QCOMPARE(settings.value("Separateur").toString(), QStringLiteral("/"));

        CJulianDay today;
        today.SetToday();
        const CGregorianDate g = today.GetGregorian();
        QCOMPARE(Text(frame, FIELD_GREG_DAY), QString::asprintf("%02d", g.nDay));
        QCOMPARE(Text(frame, FIELD_GREG_YEAR), QString::number(g.nYear));
        QVERIFY(!Text(frame, FIELD_MUS_MONTH).isEmpty());
        QVERIFY(!Text(frame, FIELD_WEEKDAY_LABEL).isEmpty());
        QVERIFY(IconShown(frame, IDC_MARKER_GREG));
        QVERIFY(!IconShown(frame, IDC_MARKER_JUL));
        QVERIFY(!IconShown(frame, IDC_ICON_GREG_ILLEGAL));
    }

    // The month view follows the panel, and opens again at the next start.
    void monthViewFollowsThePanelAndIsRemembered() {
        CMainFrame* frame = Start();
        QVERIFY(!frame->MonthView());
        QVERIFY(!frame->Action(ID_MONTH_VIEW)->isChecked());
        frame->OnCommand(ID_MONTH_VIEW);
        QVERIFY(frame->MonthView() && frame->MonthView()->isVisible());
        QVERIFY(frame->Action(ID_MONTH_VIEW)->isChecked());
        QCOMPARE(Stored("AffMois").toInt(), 1);
        for (const int id : {ID_NEXT_DAY, ID_NEXT_DAY, ID_PREVIOUS_DAY}) {
            frame->OnCommand(id);
            const CMonthView* view = frame->MonthView();
            QCOMPARE(view->DayAt(view->Grid()->currentRow(), view->Grid()->currentColumn()),
                     frame->View()->Panel().GetDayShown());
        }
        frame = Start();
        QVERIFY(frame->MonthView() && frame->MonthView()->isVisible());
        frame->MonthView()->close();
        QCOMPARE(Stored("AffMois").toInt(), 0);
        QVERIFY(!frame->Action(ID_MONTH_VIEW)->isChecked());
        frame = Start();
        QVERIFY(!frame->MonthView());
    }

    void typingAndLeavingFieldsMovesEveryRow() {
        CMainFrame* frame = Start();
        Type(frame, FIELD_GREG_DAY, QStringLiteral("1"));
        Type(frame, FIELD_GREG_MONTH, QStringLiteral("1"));
        Leave(frame, FIELD_GREG_MONTH);
        QCOMPARE(Text(frame, FIELD_GREG_MONTH), QStringLiteral("January"));
        Type(frame, FIELD_GREG_YEAR, QStringLiteral("2000"));
        Leave(frame, FIELD_GREG_YEAR);
        Leave(frame, FIELD_GREG_DAY);
        QCOMPARE(Text(frame, FIELD_GREG_DAY), QStringLiteral("01"));
        QCOMPARE(Text(frame, FIELD_JUL_DAY), QStringLiteral("19"));
        QCOMPARE(Text(frame, FIELD_JUL_MONTH), QStringLiteral("December"));
        QCOMPARE(Text(frame, FIELD_JEW_MONTH), QStringLiteral("Tevet"));
        QCOMPARE(Text(frame, FIELD_MUS_MONTH), QStringLiteral("Ramadhan"));
        QCOMPARE(Text(frame, FIELD_REP_MONTH), QStringLiteral("Nivose"));
        QVERIFY(Text(frame, FIELD_WEEKDAY_LABEL).startsWith(QStringLiteral("Saturday")));
    }

    void typeAheadCompletesAMonthAndSelectsTheTail() {
        CMainFrame* frame = Start();
        Type(frame, FIELD_GREG_MONTH, QStringLiteral("fe"));
        QLineEdit* edit = frame->View()->FieldEdit(FIELD_GREG_MONTH);
        QCOMPARE(edit->text(), QStringLiteral("February"));
        QCOMPARE(edit->selectedText(), QStringLiteral("bruary"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        // The selected tail goes and nothing completes again.
        QCOMPARE(edit->text(), QStringLiteral("Fe"));
        QVERIFY(!edit->hasSelectedText());
    }

    // Enter applies the row it is pressed in: the Gregorian row follows.
    void enterInEachRowAppliesThatRow() {
        CMainFrame* frame = Start();
        const struct {
            PanelField field;
            QString text;
            int gregorianYear; // give or take one
        } rows[] = {{FIELD_JUL_YEAR, QStringLiteral("1999"), 1999},
                    {FIELD_ROMAN_YEAR, QStringLiteral("1998"), 1998},
                    {FIELD_REP_YEAR, QStringLiteral("200"), 1991},
                    {FIELD_JEW_YEAR, QStringLiteral("5700"), 1939},
                    {FIELD_MUS_YEAR, QStringLiteral("1400"), 1979},
                    {FIELD_GREG_YEAR, QStringLiteral("1990"), 1990}};
        for (const auto& row : rows) {
            Type(frame, row.field, row.text);
            PressEnter(frame, row.field);
            QCOMPARE(Text(frame, row.field), row.text);
            const int year = Text(frame, FIELD_GREG_YEAR).toInt();
            QVERIFY2(std::abs(year - row.gregorianYear) <= 1, qPrintable(row.text));
        }
    }

    void illegalDateGreysTheOtherRows() {
        CMainFrame* frame = Start();
        Type(frame, FIELD_GREG_DAY, QStringLiteral("29"));
        Type(frame, FIELD_GREG_MONTH, QStringLiteral("2"));
        Type(frame, FIELD_GREG_YEAR, QStringLiteral("1900"));
        Leave(frame, FIELD_GREG_YEAR);
        QVERIFY(IconShown(frame, IDC_ICON_GREG_ILLEGAL));
        QVERIFY(!IconShown(frame, IDC_ICON_GREG));
        QCOMPARE(Text(frame, FIELD_GREG_YEAR), QStringLiteral("1900"));
        // The other rows keep the last legal day, drawn greyed, and cannot be copied.
        const QString julianDay = Text(frame, FIELD_JUL_DAY);
        QVERIFY(!julianDay.isEmpty());
        QLineEdit* julian = frame->View()->FieldEdit(FIELD_JUL_DAY);
        QCOMPARE(julian->palette().color(QPalette::Active, QPalette::Text),
                 julian->palette().color(QPalette::Disabled, QPalette::Text));
        QVERIFY(julian->isEnabled());
        frame->UpdateCommandStates();
        QVERIFY(!frame->Action(ID_COPY_FIRST + int{ROW_JULIAN})->isEnabled());
        QVERIFY(!frame->Action(ID_COPY_FIRST + int{ROW_GREGORIAN})->isEnabled());
        QVERIFY(Text(frame, FIELD_WEEKDAY_LABEL).isEmpty());
        QVERIFY(!IconShown(frame, IDC_MARKER_GREG));
        QCOMPARE(frame->View()->IconButton(IDC_ICON_GREG_ILLEGAL)->toolTip(),
                 QStringLiteral("Illegal date"));
        // Previous and next day leave an illegal row alone.
        frame->OnCommand(ID_NEXT_DAY);
        QCOMPARE(Text(frame, FIELD_GREG_DAY), QStringLiteral("29"));
        QCOMPARE(Text(frame, FIELD_JUL_DAY), julianDay);
        // Typing in a greyed row makes it the user's: drawn as usual at once.
        Type(frame, FIELD_JUL_YEAR, QStringLiteral("1899"));
        QCOMPARE(julian->palette().color(QPalette::Active, QPalette::Text),
                 frame->View()
                     ->FieldEdit(FIELD_GREG_DAY)
                     ->palette()
                     .color(QPalette::Active, QPalette::Text));
        Leave(frame, FIELD_JUL_YEAR);
        QVERIFY(!IconShown(frame, IDC_ICON_GREG_ILLEGAL));
        QCOMPARE(Text(frame, FIELD_JUL_DAY), julianDay);
        QCOMPARE(Text(frame, FIELD_JUL_YEAR), QStringLiteral("1899"));
        frame->UpdateCommandStates();
        QVERIFY(frame->Action(ID_COPY_FIRST + int{ROW_JULIAN})->isEnabled());
    }

    void previousAndNextDay() {
        CMainFrame* frame = Start();
        Type(frame, FIELD_GREG_DAY, QStringLiteral("01"));
        Type(frame, FIELD_GREG_MONTH, QStringLiteral("March"));
        Type(frame, FIELD_GREG_YEAR, QStringLiteral("2004"));
        PressEnter(frame, FIELD_GREG_YEAR);
        frame->Action(ID_PREVIOUS_DAY)->trigger();
        QCOMPARE(Text(frame, FIELD_GREG_DAY), QStringLiteral("29"));
        QCOMPARE(Text(frame, FIELD_GREG_MONTH), QStringLiteral("February"));
        QCOMPARE(Text(frame, FIELD_JUL_DAY), QStringLiteral("16"));
        frame->Action(ID_NEXT_DAY)->trigger();
        QCOMPARE(Text(frame, FIELD_GREG_MONTH), QStringLiteral("March"));
        frame->Action(ID_TODAY)->trigger();
        CJulianDay today;
        today.SetToday();
        QCOMPARE(Text(frame, FIELD_GREG_YEAR), QString::number(today.GetGregorian().nYear));
    }

    void hidingRowsResizesTheWindowAndKeepsTheSetting() {
        CMainFrame* frame = Start();
        const int full = frame->height();
        for (int row = 0; row < ROW_COUNT; ++row)
            frame->OnCommand(ID_SHOW_ROW_FIRST + row);
        const int menu = frame->menuBar()->sizeHint().height();
        QCOMPARE(frame->height(), menu + 20 + 30);
        for (const int id : {IDC_GROUP_JULIAN, IDC_GROUP_REPUBLICAN, IDC_GROUP_OTHERS})
            QVERIFY(!frame->View()->ControlWidget(id)->isVisibleTo(frame));
        QVERIFY(!frame->View()->ControlWidget(IDC_WEEKDAY_LABEL)->isVisibleTo(frame));
        QCOMPARE(Stored("AffCal3").toInt(), 0);

        // Only the Roman row: its group box and the weekday label come back.
        frame->OnCommand(ID_SHOW_ROW_FIRST + int{ROW_ROMAN});
        QVERIFY(frame->View()->ControlWidget(IDC_GROUP_JULIAN)->isVisibleTo(frame));
        QVERIFY(frame->View()->ControlWidget(IDC_WEEKDAY_LABEL)->isVisibleTo(frame));
        QVERIFY(!frame->View()->ControlWidget(IDC_GROUP_OTHERS)->isVisibleTo(frame));
        QCOMPARE(frame->height(), menu + 20 + 30 + 16 + 25 + 32 + 32);

        // Hidden rows still follow the day.
        Type(frame, FIELD_ROMAN_YEAR, QStringLiteral("1500"));
        PressEnter(frame, FIELD_ROMAN_YEAR);
        QVERIFY(Text(frame, FIELD_GREG_YEAR).startsWith(QStringLiteral("15")));

        frame = Start();
        QVERIFY(!frame->Action(ID_SHOW_ROW_FIRST)->isChecked());
        QVERIFY(frame->Action(ID_SHOW_ROW_FIRST + int{ROW_ROMAN})->isChecked());
        for (int row = 0; row < ROW_COUNT; ++row)
            if (row != ROW_ROMAN)
                frame->OnCommand(ID_SHOW_ROW_FIRST + row);
        QCOMPARE(frame->height(), full);
    }

    // The tool bar, always-on-top, saints and feast options: stored at once,
    // shown at once, and in force again after a restart.
    void displayOptionsSurviveARestart() {
        CMainFrame* frame = Start();
        const int withToolBar = frame->height();
        frame->OnCommand(ID_VIEW_TOOLBAR);
        QCOMPARE(frame->height(), withToolBar - 30);
        QVERIFY(!frame->ToolBar()->isVisibleTo(frame));
        QCOMPARE(Stored("AffBarre").toInt(), 0);
        frame->OnCommand(ID_ON_TOP);
        QVERIFY(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(frame->isVisible());
        frame->OnCommand(ID_SAINTS_MODE_FIRST); // no saints
        QVERIFY(!Text(frame, FIELD_WEEKDAY_LABEL).contains(QLatin1Char('(')));
        QCOMPARE(Stored("AffSaints").toInt(), 0);
        frame->OnCommand(ID_SAINTS_PRESENT);
        QCOMPARE(Stored("AffSaintsRecent").toInt(), 1);
        QVERIFY(frame->Action(ID_SAINTS_PRESENT)->isChecked());
        QVERIFY(!frame->Action(ID_SAINTS_TRADITIONAL)->isChecked());
        frame->OnCommand(ID_REP_FEASTS);
        QVERIFY(!Text(frame, FIELD_REP_LABEL).contains(QLatin1Char('(')));
        QCOMPARE(Stored("AffFetesRep").toInt(), 0);

        frame = Start();
        QVERIFY(!frame->ToolBar()->isVisibleTo(frame));
        QCOMPARE(frame->height(), withToolBar - 30);
        QVERIFY(!frame->Action(ID_VIEW_TOOLBAR)->isChecked());
        QVERIFY(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(frame->Action(ID_ON_TOP)->isChecked());
        QVERIFY(frame->Action(ID_SAINTS_MODE_FIRST)->isChecked());
        QVERIFY(!frame->Action(ID_REP_FEASTS)->isChecked());
    }

    void frozenPositionFollowsTheWindowAcrossRestarts() {
        CMainFrame* frame = Start();
        frame->move(40, 50);
        QCoreApplication::processEvents();
        frame->OnCommand(ID_FREEZE);
        QVERIFY(frame->Action(ID_FREEZE)->isChecked());
        frame->move(100, 80);
        frame->move(120, 90);
        QCoreApplication::processEvents();
        // Stored once the window rests.
        QTRY_COMPARE(Stored("X").toInt(), frame->x());
        QTRY_COMPARE(Stored("Y").toInt(), frame->y());
        const QPoint frozen = frame->pos();
        frame = Start();
        QCOMPARE(frame->pos(), frozen);
        frame->OnCommand(ID_FREEZE);
        QCOMPARE(Stored("X").toInt(), -1000);
        QCOMPARE(Stored("Y").toInt(), -1000);
    }

    void frozenPlaceStillMovingIsStoredAtClose() {
        CMainFrame* frame = Start();
        frame->OnCommand(ID_FREEZE);
        frame->move(200, 150);
        QCoreApplication::processEvents();
        const QPoint last = frame->pos();
        m_app.reset(); // closes before the window came to rest
        QCOMPARE(Stored("X").toInt(), last.x());
        QCOMPARE(Stored("Y").toInt(), last.y());
    }

    void copyAndPasteThroughTheEditMenu() {
        CMainFrame* frame = Start();
        Type(frame, FIELD_GREG_DAY, QStringLiteral("14"));
        Type(frame, FIELD_GREG_MONTH, QStringLiteral("July"));
        Type(frame, FIELD_GREG_YEAR, QStringLiteral("1789"));
        PressEnter(frame, FIELD_GREG_YEAR);
        frame->UpdateCommandStates();
        QVERIFY(frame->Action(ID_COPY_FIRST)->isEnabled());
        frame->Action(ID_COPY_FIRST)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("14/07/1789"));

        frame->OnCommand(ID_TODAY);
        frame->UpdateCommandStates();
        QVERIFY(frame->Action(ID_PASTE_FIRST)->isEnabled());
        frame->Action(ID_PASTE_FIRST)->trigger();
        QCOMPARE(Text(frame, FIELD_GREG_YEAR), QStringLiteral("1789"));
        QCOMPARE(Text(frame, FIELD_JUL_DAY), QStringLiteral("03"));

        // An illegal row cannot be copied; text no row reads cannot be pasted.
        Type(frame, FIELD_GREG_DAY, QStringLiteral("31"));
        Type(frame, FIELD_GREG_MONTH, QStringLiteral("June"));
        frame->UpdateCommandStates();
        QVERIFY(!frame->Action(ID_COPY_FIRST)->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("no date here"));
        frame->UpdateCommandStates();
        for (int row = 0; row < ROW_COUNT; ++row)
            QVERIFY(!frame->Action(ID_PASTE_FIRST + row)->isEnabled());
    }

    // The manual's table of menus lists what the menus hold, in order: the
    // English page the English menus, the French page the French ones.
    void manualListsTheMenus() {
        const struct {
            int nLanguage;
            const char* page;
        } manuals[] = {{1, ":/help/presentation.html"}, {2, ":/help/fr/presentation.html"}};
        for (const auto& m : manuals) {
            if (m.nLanguage == 2 && !HasFrenchTranslation())
                QSKIP("built without the translation tools: no French menus");
            {
                QSettings settings(ConfigFile(), QSettings::IniFormat);
                settings.setValue(QStringLiteral("Langue"), m.nLanguage);
            }
            CMainFrame* frame = Start();
            QFile page(QLatin1String(m.page));
            QVERIFY(page.open(QIODevice::ReadOnly));
            const auto manual = ManualMenus(QString::fromUtf8(page.readAll()));
            QList<QPair<QString, QStringList>> menus;
            for (const QAction* top : frame->menuBar()->actions()) {
                QStringList entries;
                for (const QAction* action : top->menu()->actions()) {
                    if (action->isSeparator())
                        continue;
                    entries << (action->menu() ? action->menu()->title().remove(QLatin1Char('&'))
                                               : EntryText(action));
                }
                menus.append({top->text().remove(QLatin1Char('&')), entries});
            }
            QCOMPARE(manual.size(), 5);
            QCOMPARE(manual, menus);
            // The toolbar's buttons are the menus' actions, keys and all.
            QCOMPARE(frame->ToolBar()->actions().first(), frame->Action(ID_TODAY));
        }
        m_app.reset();
        SetUiLanguage(ETextLanguage::English);
    }

    // The menus' keys work with the focus in any kind of field: the edit of
    // a month combo, a year edit; the keypad's plus and minus as well.
    void shortcutsWorkFromAFocusedField() {
        CMainFrame* frame = Start();
        CJulianDay today;
        today.SetToday();
        const QString thisYear = QString::number(today.GetGregorian().nYear);
        for (const PanelField field : {FIELD_GREG_MONTH, FIELD_JEW_YEAR}) {
            const QString name = QString::number(field);
            Type(frame, FIELD_GREG_DAY, QStringLiteral("01"));
            Type(frame, FIELD_GREG_MONTH, QStringLiteral("March"));
            Type(frame, FIELD_GREG_YEAR, QStringLiteral("2004"));
            PressEnter(frame, FIELD_GREG_YEAR);
            frame->View()->FieldWidget(field)->setFocus(Qt::TabFocusReason);
            QWidget* focus = QApplication::focusWidget();
            // An editable combo takes the keys itself and hands them to its edit.
            QVERIFY2(qobject_cast<QLineEdit*>(focus) || qobject_cast<QComboBox*>(focus),
                     qPrintable(name));
            const auto press = [focus](Qt::Key key, Qt::KeyboardModifiers modifiers) {
                QTest::keyClick(focus, key, modifiers);
            };

            press(Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(Text(frame, FIELD_GREG_DAY), QStringLiteral("29"));
            press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
            press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
            QCOMPARE(Text(frame, FIELD_GREG_DAY), QStringLiteral("02"));
            press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
            QCOMPARE(Text(frame, FIELD_GREG_MONTH), QStringLiteral("March"));
            QCOMPARE(Text(frame, FIELD_GREG_DAY), QStringLiteral("01"));
            press(Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(Text(frame, FIELD_GREG_DAY), QStringLiteral("02"));

            const std::pair<Qt::Key, QString> dialogs[] = {
                {Qt::Key_G, QStringLiteral("Beginning of Gregorian Calendar")},
                {Qt::Key_M, QStringLiteral("Movable Christian Holy Days")},
                {Qt::Key_S, QStringLiteral("Saints' Days")},
            };
            for (const auto& [dialogKey, title] : dialogs) {
                const Qt::Key key = dialogKey; // clang 14 cannot capture a structured binding
                // The offscreen platform gives no window the focus back when a
                // dialog closes; a window manager gives it to the main window.
                QVERIFY(Activate(frame));
                focus->setFocus(Qt::TabFocusReason);
                QCOMPARE(ModalOpenedBy([&] { press(key, Qt::ControlModifier); }), title);
            }
            QVERIFY(Activate(frame));
            focus->setFocus(Qt::TabFocusReason);
            press(Qt::Key_T, Qt::ControlModifier);
            QVERIFY2(Text(frame, FIELD_GREG_YEAR) == thisYear, qPrintable(name));
        }
    }

    // Stored choices out of range read as their defaults, are written back,
    // and the menus and the copy format dialog tick the default.
    void storedValuesOutOfRangeShowTheDefault() {
        QDir().mkpath(QFileInfo(ConfigFile()).absolutePath());
        QFile file(ConfigFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nAffSaints=77\nFmtMois=9\nFmtJour=-1\nAffSaintsRecent=2\n");
        file.close();
        CMainFrame* frame = Start();
        QCOMPARE(Stored("AffSaints").toInt(), 3);
        QCOMPARE(Stored("FmtMois").toInt(), 1);
        QCOMPARE(Stored("AffSaintsRecent").toInt(), 0);
        for (int mode = 0; mode < 4; ++mode)
            QCOMPARE(frame->Action(ID_SAINTS_MODE_FIRST + mode)->isChecked(), mode == 3);
        QVERIFY(frame->Action(ID_SAINTS_TRADITIONAL)->isChecked());
        QVERIFY(!frame->Action(ID_SAINTS_PRESENT)->isChecked());

        QStringList ticked;
        const QString title = ModalOpenedBy([frame] { frame->OnCommand(ID_COPY_FORMAT); },
                                            [&ticked](QWidget* dialog) {
                                                for (const QRadioButton* button :
                                                     dialog->findChildren<QRadioButton*>()) {
                                                    if (button->isChecked())
                                                        ticked << button->text();
                                                }
                                            });
        QCOMPARE(title, QStringLiteral("Copy Format"));
        ticked.sort();
        QCOMPARE(ticked,
                 (QStringList{QStringLiteral("03"), QStringLiteral("06"), QStringLiteral("1997"),
                              QStringLiteral("As shown (1648/49)"),
                              QStringLiteral("None: the forms above")}));
    }

    // A frozen place whose title bar would be off every screen opens the
    // window where the system puts a new one, unfrozen, and is stored so.
    void frozenPlaceOffTheScreenIsDropped() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const struct {
            int x, y;
            bool kept;
        } cases[] = {{-5000, 100, false}, {screen.left() + 30, screen.top() + 40, true}};
        for (const auto& c : cases) {
            QDir().mkpath(QFileInfo(ConfigFile()).absolutePath());
            QFile file(ConfigFile());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QStringLiteral("[General]\nX=%1\nY=%2\n").arg(c.x).arg(c.y).toLatin1());
            file.close();
            CMainFrame* frame = Start();
            QCOMPARE(frame->Action(ID_FREEZE)->isChecked(), c.kept);
            QCOMPARE(Stored("X").toInt(), c.kept ? c.x : -1000);
            QCOMPARE(Stored("Y").toInt(), c.kept ? c.y : -1000);
            if (c.kept)
                QCOMPARE(frame->pos(), QPoint(c.x, c.y));
            else
                QVERIFY(screen.contains(frame->pos()));
            m_app.reset();
        }
    }

    void startsWithoutListFiles() {
        // A document with no lists still shows today, the weekday alone.
        CMainFrame* frame = Start();
        m_app->Document().DeleteContents();
        frame->OnCommand(ID_TODAY);
        QVERIFY(!Text(frame, FIELD_WEEKDAY_LABEL).contains(QLatin1Char('(')));
        QVERIFY(!Text(frame, FIELD_GREG_YEAR).isEmpty());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
