#include "QuindorView.h"

#include "calendar/StyledRow.h"

#include "CountDaysDialog.h"

#include "Clipboard.h"
#include "HelpWindow.h"
#include "Icons.h"
#include "TextBridge.h"
#include "panel/PanelExchange.h"
#include "text/StringTable.h"

#include <functional>
#include <string>

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QToolButton>

namespace {

// Average width of the dialog font's letters and its height: what dialog
// units are measured in.
CDialogUnits MeasureDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    CDialogUnits units;
    units.nCharWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    units.nCharHeight = metrics.height();
    return units;
}

// The marker's picture: a cross (Easter) or a bar (the style's end), with
// the day as a dot after it (reading 0 at Easter, 1 at the end) or before.
QIcon EasterMarkerIcon(int reading, bool styleChange, const QColor& colour) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(16, 16) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const bool dotAfter = (reading == 0) != styleChange;
        const qreal cross = dotAfter ? 3.0 : 8.0;
        painter.drawRect(QRectF(cross + 1.5, 2, 2, 12));
        if (!styleChange)
            painter.drawRect(QRectF(cross, 5, 5, 2));
        painter.drawEllipse(QPointF(dotAfter ? 12.5 : 3.5, 10.5), 2.2, 2.2);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Set on a field's edit while its row shows the last legal day greyed.
constexpr const char* kGreyedProperty = "quindorGreyed";

// A read-only label that knows the width its text has, and shortens its
// text again when that width changes.
class CLabelEdit : public QLineEdit {
public:
    CLabelEdit(QWidget* parent, std::function<void()> onResize)
        : QLineEdit(parent), m_onResize(std::move(onResize)) {}

    int TextWidth() const {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        const QMargins margins = textMargins();
        // The edit keeps a margin of two pixels on each side of its text.
        return contents.width() - margins.left() - margins.right() - 4;
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLineEdit::resizeEvent(event);
        m_onResize();
    }

private:
    std::function<void()> m_onResize;
};

constexpr int kIconIds[] = {IDC_MARKER_GREG,       IDC_MARKER_JUL,         IDC_ICON_GREG,
                            IDC_ICON_GREG_ILLEGAL, IDC_ICON_JUL,           IDC_ICON_JUL_ILLEGAL,
                            IDC_ICON_ROMAN,        IDC_ICON_ROMAN_ILLEGAL, IDC_ICON_REP,
                            IDC_ICON_REP_ILLEGAL,  IDC_ICON_REP_SIMULATED, IDC_ICON_JEW,
                            IDC_ICON_JEW_ILLEGAL,  IDC_ICON_MUS,           IDC_ICON_MUS_ILLEGAL};

QuindorIcon IconImage(int id) {
    switch (id) {
    case IDC_MARKER_GREG:
    case IDC_MARKER_JUL:
        return QuindorIcon::CivilMarker;
    case IDC_ICON_REP_SIMULATED:
        return QuindorIcon::RepublicanSimulated;
    default:
        break;
    }
    for (const CalendarRow row : kAllRows) {
        const CRowIcons icons = RowIcons(row);
        if (icons.valid == id)
            return RowValidIcon(row);
        if (icons.illegal == id)
            return RowIllegalIcon(row);
    }
    return QuindorIcon::Gregorian;
}

} // namespace

CQuindorView::CQuindorView(IPanelOwner& owner, CHelpLauncher& help, QWidget* parent)
    : QWidget(parent), m_panel(owner) {
    m_units = MeasureDialogUnits(font());
    CreateControls();
    m_panel.SetFormReader([this] { ReadForm(); });
    m_panel.SetChangeObserver([this] { WriteForm(); });
    m_panel.SetDayObserver([this](const CJulianDay& day) {
        m_bAccepted = true;
        const bool back = m_history.CanGoBack(), forward = m_history.CanGoForward();
        m_history.Visit(day);
        if (back != m_history.CanGoBack() || forward != m_history.CanGoForward())
            emit HistoryChanged();
    });
    InstallHelpKey(this, help, EHelpTrigger::PanelF1);
    setFixedWidth(FormWidth());
}

int CQuindorView::FormWidth() const {
    return m_units.ToPixelsX(kFormWidthUnits);
}

void CQuindorView::CreateControls() {
    for (const int id : {IDC_GROUP_JULIAN, IDC_GROUP_REPUBLICAN, IDC_GROUP_OTHERS}) {
        auto* box = new QGroupBox(this);
        m_controls[id] = box;
    }
    for (int f = 0; f < FIELD_COUNT; ++f) {
        const auto field = static_cast<PanelField>(f);
        QWidget* widget = nullptr;
        QLineEdit* edit = nullptr;
        switch (FieldKind(field)) {
        case PanelFieldKind::Day:
        case PanelFieldKind::Month:
        case PanelFieldKind::Kind: {
            auto* combo = new QComboBox(this);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setMaxVisibleItems(13);
            combo->setCompleter(nullptr); // the panel completes month names itself
            widget = combo;
            edit = combo->lineEdit();
            break;
        }
        case PanelFieldKind::Year:
            edit = new QLineEdit(this);
            widget = edit;
            break;
        case PanelFieldKind::Label:
            edit = new CLabelEdit(this, [this, field] { ShowLabel(field); });
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
            widget = edit;
            break;
        }
        widget->setObjectName(QStringLiteral("field%1").arg(FieldControlId(field)));
        m_fields[f] = widget;
        m_edits[f] = edit;
        m_controls[FieldControlId(field)] = widget;
        ConnectField(field);
    }
    for (const int id : kIconIds) {
        auto* button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIcon(MakeIcon(IconImage(id)));
        button->setIconSize(QSize(16, 16));
        button->setObjectName(QStringLiteral("icon%1").arg(id));
        button->hide();
        m_controls[id] = button;
    }
    for (const CalendarRow row : kStyledRows) {
        QLineEdit* year = m_edits[RowFields(row).year];
        QAction* marker = year->addAction(QIcon(), QLineEdit::TrailingPosition);
        marker->setVisible(false);
        connect(marker, &QAction::triggered, this, [this, row] {
            ReadForm();
            m_panel.SwitchEasterReading(row);
        });
        m_easterMarkers[RowIndex(row)] = marker;
    }
    FillCombos();
    RetranslateUi();
}

QAction* CQuindorView::EasterMarker(CalendarRow row) const {
    return IsStyledRow(row) ? m_easterMarkers[RowIndex(row)] : nullptr;
}

QString CQuindorView::EasterMarkerText(int reading, bool styleChange) {
    if (styleChange)
        return reading == 0 ? tr("the year of the old style")
                            : tr("the year counted from 1 January");
    return reading == 0 ? tr("after Easter") : tr("before Easter");
}

void CQuindorView::ShowEasterMarkers() {
    for (const CalendarRow row : kStyledRows) {
        QAction* marker = m_easterMarkers[RowIndex(row)];
        const int reading = m_panel.IsRowGreyed(row) ? -1 : m_panel.GetEasterReading(row);
        const bool shown = reading >= 0;
        if (shown) {
            const bool styleChange =
                m_panel.GetReadingChoice(row) == CCalendarPanel::EReadingChoice::StyleChange;
            const QString text = EasterMarkerText(reading, styleChange);
            if (marker->text() != text || marker->property("reading").toInt() != reading) {
                marker->setText(text);
                marker->setToolTip(text);
                marker->setProperty("reading", reading);
                marker->setIcon(
                    EasterMarkerIcon(reading, styleChange, palette().color(QPalette::Text)));
            }
        }
        if (marker->isVisible() != shown)
            marker->setVisible(shown);
    }
}

QString CQuindorView::IconTooltip(int id) {
    switch (id) {
    case IDC_ICON_GREG:
        return tr("Gregorian calendar");
    case IDC_ICON_JUL:
        return tr("Julian calendar");
    case IDC_ICON_ROMAN:
        return tr("Julian calendar (Roman style)");
    case IDC_ICON_REP:
        return tr("Republican calendar");
    case IDC_ICON_REP_SIMULATED:
        return tr("Simulated republican calendar");
    case IDC_ICON_JEW:
        return tr("Jewish calendar");
    case IDC_ICON_MUS:
        return tr("Muslim calendar");
    case IDC_ICON_GREG_ILLEGAL:
    case IDC_ICON_JUL_ILLEGAL:
    case IDC_ICON_ROMAN_ILLEGAL:
    case IDC_ICON_REP_ILLEGAL:
    case IDC_ICON_JEW_ILLEGAL:
    case IDC_ICON_MUS_ILLEGAL:
        // The panel's own text, so the icon and the row say the same.
        return FromCp1252(LoadResString(IDS_ILLEGAL_DATE));
    default:
        return QString();
    }
}

void CQuindorView::RetranslateUi() {
    for (const int id : kIconIds)
        m_controls[id]->setToolTip(IconTooltip(id));
    for (const int id : kIconIds)
        m_controls[id]->setAccessibleName(PanelIconName(id, IconTooltip(id)));
    for (QAction* marker : m_easterMarkers) {
        if (marker)
            marker->setText(QString()); // written again in the new language
    }
    ShowEasterMarkers();
}

void CQuindorView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    RetranslateUi();
    m_panel.RefillListsKeepingTexts();
}

void CQuindorView::FillCombos() {
    if (m_nListsShown == m_panel.GetListsRevision())
        return;
    m_nListsShown = m_panel.GetListsRevision();
    for (int f = 0; f < FIELD_COUNT; ++f) {
        auto* combo = qobject_cast<QComboBox*>(m_fields[f]);
        if (!combo)
            continue;
        // Refilling an editable combo rewrites its edit part: the texts are
        // written again right after.
        const QSignalBlocker quiet(combo);
        const QSignalBlocker quietEdit(combo->lineEdit());
        combo->clear();
        for (const std::string& entry : m_panel.GetFieldList(static_cast<PanelField>(f)))
            combo->addItem(FromCp1252(entry));
        combo->setCurrentIndex(-1);
    }
    // Names of another language have other lengths.
    FitMonthsAndYears();
}

void CQuindorView::ConnectField(PanelField field) {
    QLineEdit* edit = m_edits[field];
    const PanelFieldKind kind = FieldKind(field);
    if (kind == PanelFieldKind::Label)
        return;
    edit->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(m_fields[field])) {
        combo->installEventFilter(this);
        connect(combo, &QComboBox::activated, this, [this, field](int index) {
            m_panel.SetFocusField(field);
            m_panel.OnSelChange(field, index);
        });
    }
    connect(edit, &QLineEdit::textEdited, this, [this, field, edit](const QString& text) {
        m_bEditedSinceFocus[field] = true;
        m_panel.SetFieldText(field, ToCp1252(text));
        if (const auto selection = m_panel.OnEditChange(field)) {
            const int length = selection->nEnd - selection->nStart;
            // Select backwards so the cursor stays after what was typed.
            edit->setSelection(selection->nStart + length, -length);
        }
        // The drop-down opened now must highlight what is typed.
        SyncComboIndex(field);
    });
}

void CQuindorView::ShowGreyed(PanelField field, bool greyed) {
    QLineEdit* edit = m_edits[field];
    if (edit->property(kGreyedProperty).toBool() == greyed)
        return;
    edit->setProperty(kGreyedProperty, greyed);
    if (!greyed) {
        edit->setPalette(QPalette()); // back to the inherited colours
        return;
    }
    // Greyed like a disabled field, yet still editable: it is where an edit
    // of the row starts from.
    QPalette palette = edit->parentWidget()->palette();
    const QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
    palette.setColor(QPalette::Active, QPalette::Text, grey);
    palette.setColor(QPalette::Inactive, QPalette::Text, grey);
    edit->setPalette(palette);
}

void CQuindorView::SyncComboIndex(PanelField field) {
    auto* combo = qobject_cast<QComboBox*>(m_fields[field]);
    const int index = m_panel.FieldListIndex(field);
    if (!combo || combo->currentIndex() == index)
        return;
    QLineEdit* edit = m_edits[field];
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const int selectionStart = edit->selectionStart();
    const int selectionLength = static_cast<int>(edit->selectedText().size());
    // An editable combo writes the entry's text (or none) into its edit part.
    combo->setCurrentIndex(index);
    if (edit->text() == text)
        return;
    edit->setText(text);
    if (selectionLength == 0)
        edit->setCursorPosition(cursor);
    else if (cursor == selectionStart)
        edit->setSelection(selectionStart + selectionLength, -selectionLength);
    else
        edit->setSelection(selectionStart, selectionLength);
}

PanelField CQuindorView::FieldOf(QObject* object) const {
    for (int f = 0; f < FIELD_COUNT; ++f) {
        if (m_fields[f] == object || m_edits[f] == object)
            return static_cast<PanelField>(f);
    }
    return FIELD_NONE;
}

bool CQuindorView::eventFilter(QObject* watched, QEvent* event) {
    const PanelField field = FieldOf(watched);
    if (field != FIELD_NONE) {
        switch (event->type()) {
        case QEvent::FocusIn:
            m_panel.SetFocusField(field);
            // Back from the field's own popup list is still the same visit.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                m_strTextAtFocus[field] = m_edits[field]->text();
                m_bEditedSinceFocus[field] = false;
            }
            break;
        case QEvent::FocusOut: {
            // A combo takes the focus for its edit part, so it is the combo
            // that loses it; a popup list opening is not the user leaving.
            // Tabbing through a field is no edit: a blank row would turn
            // illegal and grey all the others.
            const auto* focus = static_cast<QFocusEvent*>(event);
            if (focus->reason() != Qt::PopupFocusReason && watched == m_fields[field] &&
                m_bEditedSinceFocus[field] && m_edits[field]->text() != m_strTextAtFocus[field]) {
                m_panel.OnKillFocus(field);
                // Leaving a row that makes no date says why, as the year 0 does.
                const auto row = FieldRow(field);
                if (row && m_panel.IsIllegal(*row) && !m_panel.HasYearZero(*row)) {
                    m_bIllegalShown[RowIndex(*row)] = true;
                    emit Message(NoDateText(*row));
                }
            }
            break;
        }
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (OnPasteKey(field, *key))
                return true;
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier &&
                RevertField(field))
                return true;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers() == Qt::NoModifier) {
                m_panel.SetFocusField(field);
                m_panel.OnEnter();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CQuindorView::OnPasteKey(PanelField field, const QKeyEvent& key) {
    const bool plain =
        key.keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V);
    if (!plain && !key.matches(QKeySequence::Paste))
        return false;
    const auto row = FieldRow(field);
    if (!row)
        return false;
    const std::string clipboard = ClipboardTextForPaste().toStdString();
    if (ChooseFieldPaste(*row, plain, clipboard, m_panel.GetYearStyle()) == EFieldPaste::RowDate) {
        m_panel.SetFocusField(field);
        emit PasteCommand(*row);
        return true;
    }
    // A dating clause of more than one word goes to the row's paste; one
    // word ("Mai") may be the field's own text, and stays the field's.
    if (!plain && QString::fromStdString(clipboard).simplified().contains(QLatin1Char(' ')) &&
        CanPasteClause(m_panel)) {
        m_panel.SetFocusField(field);
        emit PasteCommand(*row);
        return true;
    }
    // The edit pastes Ctrl+V's text itself; Ctrl+Shift+V is ours to do.
    if (!plain)
        return false;
    m_edits[field]->paste();
    return true;
}

bool CQuindorView::RevertField(PanelField field) {
    QLineEdit* edit = m_edits[field];
    const QString before = m_strTextAtFocus[field];
    const auto row = FieldRow(field);
    const bool illegal = row && m_panel.IsIllegal(*row);
    if (edit->text() == before && !illegal)
        return false;
    edit->setText(before);
    m_panel.SetFieldText(field, ToCp1252(before));
    m_bEditedSinceFocus[field] = false;
    SyncComboIndex(field);
    // An entry already refused greys the other rows: show the day they
    // were on again, which is no move.
    if (illegal && m_panel.GetDayShown().GetDayNumber() != 0)
        m_panel.RedisplayDay();
    edit->selectAll();
    return true;
}

void CQuindorView::GoTo(const std::optional<CJulianDay>& day) {
    if (!day)
        return;
    // The history has moved already: the panel's visit of the day adds nothing.
    m_panel.GoToRowDay(CalendarRow::Gregorian, *day);
    emit HistoryChanged();
}

void CQuindorView::GoBack() {
    GoTo(m_history.Back());
}

void CQuindorView::GoForward() {
    GoTo(m_history.Forward());
}

QString CQuindorView::NoDateText(CalendarRow row) {
    return tr("%1: these fields make no date; the other rows wait until they are put right.")
        .arg(RowCalendarName(row));
}

void CQuindorView::ShowRowTips() {
    for (const CalendarRow row : kAllRows) {
        const int illegalIcon = RowIcons(row).illegal;
        const bool yearZero = m_panel.IsIllegal(row) && m_panel.HasYearZero(row);
        const QString noYearZero = tr("There is no year 0: the year before 1 is -1");
        if (QWidget* icon = ControlWidget(illegalIcon))
            icon->setToolTip(yearZero ? noYearZero : IconTooltip(illegalIcon));
        if (yearZero && !m_bYearZeroShown[RowIndex(row)])
            emit Message(noYearZero);
        if (!yearZero && m_bYearZeroShown[RowIndex(row)])
            emit MessageGone(noYearZero);
        m_bYearZeroShown[RowIndex(row)] = yearZero;
        // The word said on leaving an illegal row goes when the row is put right.
        if (!(m_panel.IsIllegal(row) && !yearZero) && m_bIllegalShown[RowIndex(row)]) {
            emit MessageGone(NoDateText(row));
            m_bIllegalShown[RowIndex(row)] = false;
        }
        // A blank row tells when its calendar begins.
        bool blank = !m_panel.IsIllegal(row);
        for (const std::string& text : m_panel.GetRowTexts(row))
            blank = blank && text.empty();
        const QString tip = blank ? CalendarBeginsText(row) : QString();
        const CRowFields fields = RowFields(row);
        for (const PanelField field : {fields.day, fields.kind, fields.month, fields.year}) {
            if (field != FIELD_NONE) {
                m_fields[field]->setToolTip(tip);
                m_edits[field]->setToolTip(tip);
            }
        }
    }
}

void CQuindorView::ReadForm() {
    if (m_bWriting)
        return;
    // The labels are read-only and may show a shortened text: the model's
    // own text is the whole one.
    for (int f = 0; f < FIELD_COUNT; ++f) {
        if (FieldKind(static_cast<PanelField>(f)) != PanelFieldKind::Label)
            m_panel.SetFieldText(static_cast<PanelField>(f), ToCp1252(m_edits[f]->text()));
    }
}

void CQuindorView::ShowLabel(PanelField field) {
    auto* edit = static_cast<CLabelEdit*>(m_edits[field]);
    const std::string& full = m_panel.GetFieldText(field);
    const QFontMetrics metrics(edit->font());
    const int width = edit->TextWidth();
    // A long list of saints is cut between two names, never inside one;
    // the whole text shows on hover.
    const QString shown = FromCp1252(ElideAtNameBoundary(full, [&](std::string_view text) {
        return metrics.horizontalAdvance(FromCp1252(std::string(text))) <= width;
    }));
    edit->setToolTip(FromCp1252(full));
    if (edit->text() != shown) {
        edit->setText(shown);
        edit->setCursorPosition(0);
    }
}

void CQuindorView::WriteForm() {
    m_bWriting = true;
    FillCombos();
    for (int f = 0; f < FIELD_COUNT; ++f) {
        const auto field = static_cast<PanelField>(f);
        if (FieldKind(field) == PanelFieldKind::Label) {
            ShowLabel(field);
            continue;
        }
        const QString text = FromCp1252(m_panel.GetFieldText(field));
        QLineEdit* edit = m_edits[f];
        // Rewriting an unchanged text would move the cursor under the user's hands.
        if (edit->text() != text) {
            edit->setText(text);
            // A name longer than its box shows its beginning, not its end.
            if (!edit->hasFocus() && !m_fields[f]->hasFocus())
                edit->setCursorPosition(0);
        }
    }
    for (int f = 0; f < FIELD_COUNT; ++f) {
        const auto field = static_cast<PanelField>(f);
        SyncComboIndex(field);
        const auto row = FieldRow(field);
        ShowGreyed(field, row && m_panel.IsRowGreyed(*row));
    }
    for (const int id : kIconIds)
        m_controls[id]->setVisible(m_panel.IsIconVisible(id));
    ShowEasterMarkers();
    ShowRowTips();
    if (m_bAccepted) {
        // What Escape puts back from now on.
        m_bAccepted = false;
        for (int f = 0; f < FIELD_COUNT; ++f) {
            m_strTextAtFocus[f] = m_edits[f]->text();
            m_bEditedSinceFocus[f] = false;
        }
    }
    m_bWriting = false;
    emit FormWritten();
}

void CQuindorView::ApplyLayout(const CRowLayout& layout) {
    for (const CControlPlace& place : layout.controls) {
        QWidget* widget = ControlWidget(place.nId);
        if (!widget)
            continue;
        if (place.bMoved) {
            const QSize hint = widget->sizeHint();
            const int width = place.nWidth > 0 ? place.nWidth : hint.width();
            const int height = place.nHeight > 0 && qobject_cast<QGroupBox*>(widget)
                                   ? place.nHeight
                                   : hint.height();
            // Rows are laid out on a fixed pixel grid; centre each control in
            // its step so taller platform widgets still line up.
            const bool box = qobject_cast<QGroupBox*>(widget) != nullptr;
            const int top = box ? place.nTop : place.nTop + (24 - height) / 2;
            widget->setGeometry(place.nLeft, top, width, height);
        }
        widget->setVisible(place.bVisible);
    }
    m_panel.ApplyLayoutVisibility(layout);
    for (const CalendarRow row : kAllRows) {
        const QWidget* month = m_fields[RowFields(row).month];
        m_nLaidMonthWidth[RowIndex(row)] = month->width();
        m_nLaidSpan[RowIndex(row)] =
            m_fields[RowFields(row).year]->geometry().right() + 1 - month->x();
    }
    FitMonthsAndYears();
}

void CQuindorView::FitMonthsAndYears() {
    const QFontMetrics metrics(font());
    for (const CalendarRow row : kAllRows) {
        const CRowFields fields = RowFields(row);
        auto* month = qobject_cast<QComboBox*>(m_fields[fields.month]);
        QLineEdit* year = m_edits[fields.year];
        if (!month || !year || m_nLaidSpan[RowIndex(row)] <= 0)
            continue;
        // The month and the year share their line: the year keeps room for
        // its longest text and, in rows 0 to 2, a dual year and the Easter
        // marker beside it; the month takes the rest, up to its longest name.
        const int left = month->x();
        const int gap = year->x() - month->geometry().right() - 1;
        const int span = m_nLaidSpan[RowIndex(row)];
        QStyleOptionComboBox option;
        option.initFrom(month);
        option.editable = true;
        const QRect field = month->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, month);
        int longest = 0;
        for (int i = 0; i < month->count(); ++i)
            longest = std::max(longest, metrics.horizontalAdvance(month->itemText(i)));
        const int monthNeed = longest + month->width() - field.width() + 6;
        const bool marked = IsStyledRow(row);
        const int yearNeed = metrics.horizontalAdvance(marked ? QStringLiteral("-0000/00")
                                                              : QStringLiteral("-00000")) +
                             (marked ? 16 + 12 : 0) + 10;
        // As laid out unless a name or the year needs otherwise.
        const int laid = m_nLaidMonthWidth[RowIndex(row)];
        const int monthWidth =
            std::max(0, std::min(std::max(monthNeed, laid), span - gap - yearNeed));
        month->resize(monthWidth, month->height());
        if (fields.kind != FIELD_NONE)
            m_fields[fields.kind]->resize(monthWidth, m_fields[fields.kind]->height());
        year->setGeometry(left + monthWidth + gap, year->y(), span - monthWidth - gap,
                          year->height());
    }
}

QWidget* CQuindorView::FieldWidget(PanelField field) const {
    return field >= 0 && field < FIELD_COUNT ? m_fields[field] : nullptr;
}

QLineEdit* CQuindorView::FieldEdit(PanelField field) const {
    return field >= 0 && field < FIELD_COUNT ? m_edits[field] : nullptr;
}

QToolButton* CQuindorView::IconButton(int id) const {
    return qobject_cast<QToolButton*>(ControlWidget(id));
}

QWidget* CQuindorView::ControlWidget(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}
