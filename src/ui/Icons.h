// The program's icons, painted in code so they stay sharp at any size and
// device pixel ratio without image files.
//
//   button->setIcon(MakeIcon(RowValidIcon(row)));
//   action->setIcon(MakeIcon(QuindorIcon::Today));
//   QPixmap pm = MakePixmap(QuindorIcon::Muslim, 16, 2.0); // 32 x 32 pixels
//
// Every drawing is laid out on a 16-unit grid and painted for the exact
// pixel size asked for: straight edges fall on whole pixels, line widths grow
// in whole pixels, and large renderings gain detail (binder rings, day grid,
// sun rays, laurel leaves) that small ones leave out.
#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QPixmap>
#include <QString>

#include <optional>

enum class CalendarRow : int;

enum class QuindorIcon {
    // Row icons of the calendar panel.
    Gregorian,
    Julian,
    Roman,
    Republican,
    RepublicanSimulated,
    Jewish,
    Muslim,
    IllegalGregorian,
    IllegalJulian,
    IllegalRoman,
    IllegalRepublican,
    IllegalJewish,
    IllegalMuslim,
    // The civil-use marker beside the Gregorian or the Julian row.
    CivilMarker,
    // Toolbar and menu commands.
    Today,
    PreviousDay,
    NextDay,
    GregorianReform,
    MovableFeasts,
    Saints,
    About,
    Help,
    // The window and desktop icon.
    App,
};

inline constexpr int kQuindorIconCount = static_cast<int>(QuindorIcon::App) + 1;

// An icon that paints itself on demand for every size, mode and pixel
// ratio. Disabled renderings are greyed and faded.
QIcon MakeIcon(QuindorIcon id);

// One rendering of logicalSize x logicalSize at the given device pixel
// ratio: the pixmap holds round(logicalSize * dpr) pixels a side and carries
// dpr. Sizes are clamped to 1..1024 pixels; a ratio that is not a positive
// finite number is taken as 1.
QPixmap MakePixmap(QuindorIcon id, int logicalSize, qreal dpr = 1.0,
                   QIcon::Mode mode = QIcon::Normal);

// The panel row's icons (rows 0 Gregorian to 5 Muslim); the valid icon of
// the Republican row is the historical one. Rows out of range give the
// Gregorian icons.
QuindorIcon RowValidIcon(CalendarRow row);
QuindorIcon RowIllegalIcon(CalendarRow row);

// The image of a toolbar or menu command (32771 Today, 32778, 32779, 32772,
// 32776, 32792, 57664 About, 57667 Help topics); no value for the commands that have none.
std::optional<QuindorIcon> CommandIcon(int commandId);

// The accessible name of a panel icon (control ids 1064 and 1065 the
// civil-use markers, the others named by their tooltip), translated.
QString PanelIconName(int id, const QString& tooltip);

// A button's tooltip: its text with its key, "Today (Ctrl+T)".
QString ToolTipWithKey(const QString& tip, const QKeySequence& key);
