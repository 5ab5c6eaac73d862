#include "ChurchYearBox.h"

#include "TextBridge.h"
#include "church/ChurchYear.h"
#include "church/Clause.h"
#include "church/FeastDate.h"
#include "exchange/PasteDate.h"
#include "panel/CalendarPanel.h"
#include "panel/DateCommands.h"
#include "panel/PanelIds.h"
#include "reform/MovableFeasts.h"
#include "saints/SaintSearch.h"
#include "text/StringTable.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum EColumn { COL_DATE, COL_LATIN, COL_GLOSS, COL_COUNT };
enum EClauseColumn { CLAUSE_DATE, CLAUSE_READING, CLAUSE_USAGE, CLAUSE_COUNT };
constexpr int kDayRole = Qt::UserRole;
constexpr int kGregorianRole = Qt::UserRole + 1;
constexpr int kWholeTextRole = Qt::UserRole + 2; // a doubt's or check's text, unbroken
constexpr int kListRows = 12;
constexpr int kListColumns = 96;
constexpr int kFieldLines = 3;
constexpr int kClauseRows = 4;
constexpr int kClauseRowsAtMost = 12; // warnings take lines of their own
// Far above any dating clause; the reader bounds itself, this bounds the copy.
constexpr qsizetype kMaxClauseText = static_cast<qsizetype>(kMaxPasteText);

QString Quoted(const QString& text) {
    return CChurchYearBox::tr("\"%1\"").arg(text);
}

// How the feast's day was found: "Martinmas is 11 November 1553 in the
// Julian calendar".
QString FeastDayText(const CClauseReading& r) {
    const QString feast = FromCp1252(r.strFeast);
    const QString base = FromCp1252(FormatFeastDate(r.baseDay, r.bGregorian));
    if (r.bWritten)
        return r.bGregorian ? CChurchYearBox::tr("%1 in the Gregorian calendar").arg(base)
                            : CChurchYearBox::tr("%1 in the Julian calendar").arg(base);
    if (r.bComputus)
        return r.bGregorian
                   ? CChurchYearBox::tr("%1 is %2 by the Gregorian computus").arg(feast, base)
                   : CChurchYearBox::tr("%1 is %2 by the Julian computus").arg(feast, base);
    return r.bGregorian ? CChurchYearBox::tr("%1 is %2 in the Gregorian calendar").arg(feast, base)
                        : CChurchYearBox::tr("%1 is %2 in the Julian calendar").arg(feast, base);
}

// The text broken between words into lines no wider than width.
QString BrokenText(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() &&
            metrics.horizontalAdvance(lines.back() + QLatin1Char(' ') + word) <= width)
            lines.back() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines.join(QLatin1Char('\n'));
}

// Breaks the doubts and checks under each day to the width the list shows,
// so a warning is read whole rather than cut off.
void BreakClauseLines(QTreeWidget* list) {
    // As wide with the scroll bar as without, so the breaks do not bring it
    // and take it away in turn.
    const int bar = list->verticalScrollBar()->isVisible()
                        ? 0
                        : list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int width = list->viewport()->width() - bar - list->indentation() -
                      list->iconSize().width() - 4 * list->fontMetrics().averageCharWidth();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        for (int k = 0; k < item->childCount(); ++k) {
            QTreeWidgetItem* line = item->child(k);
            const QString broken =
                BrokenText(line->data(CLAUSE_DATE, kWholeTextRole).toString(),
                           QFontMetrics(line->font(CLAUSE_DATE)), std::max(width, 1));
            if (line->text(CLAUSE_DATE) != broken)
                line->setText(CLAUSE_DATE, broken);
        }
    }
}

// Breaks the lines again whenever the list changes width.
class CClauseLineBreaker : public QObject {
public:
    explicit CClauseLineBreaker(QTreeWidget* list) : QObject(list), m_list(list) {
        list->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            BreakClauseLines(m_list);
        return QObject::eventFilter(watched, event);
    }

private:
    QTreeWidget* m_list;
};

// Between the items of a list in a sentence: French spaces it.
QString ListSeparator() {
    return CChurchYearBox::tr("; ", "between the items of a list");
}

// What the clause states that this day contradicts.
QStringList Disagreements(const CClauseReading& r) {
    QStringList texts;
    for (const CClauseCheck& check : r.checks)
        if (!check.bAgrees)
            texts << FromCp1252(check.strText);
    return texts;
}

QTreeWidget* NewClauseList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("clauseDays"));
    list->setColumnCount(CLAUSE_COUNT);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setWordWrap(true);
    list->header()->setStretchLastSection(true);
    list->setHeaderLabels(
        {CChurchYearBox::tr("Day"), CChurchYearBox::tr("Reading"), CChurchYearBox::tr("Usage")});
    list->setMinimumHeight(list->fontMetrics().height() * kClauseRows);
    new CClauseLineBreaker(list);
    return list;
}

} // namespace

CChurchYearBox::CChurchYearBox(CCalendarPanel& panel, const CJulianDay& reformStart,
                               QWidget* parent)
    : QWidget(parent), m_panel(panel), m_nReformDay(reformStart.GetDayNumber()) {
    m_listLabel = new QLabel(this);
    m_days = new QTreeWidget(this);
    m_days->setObjectName(QStringLiteral("churchYearDays"));
    m_days->setColumnCount(COL_COUNT);
    m_days->setRootIsDecorated(false);
    m_days->setUniformRowHeights(true);
    m_days->setAlternatingRowColors(true);
    m_days->setAllColumnsShowFocus(true);
    m_days->header()->setStretchLastSection(true);
    m_days->setMinimumHeight(m_days->fontMetrics().height() * kListRows);
    // A date, "Dominica XXIV post Pentecosten" and most of its gloss.
    m_days->setMinimumWidth(m_days->fontMetrics().averageCharWidth() * kListColumns);
    m_listLabel->setBuddy(m_days);
    connect(m_days, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { OnItemActivated(item); });

    m_fieldLabel = new QLabel(this);
    // A clause is pasted as the edition prints it, over several lines.
    m_field = new QPlainTextEdit(this);
    m_field->setObjectName(QStringLiteral("feastDateField"));
    m_field->setTabChangesFocus(true);
    m_field->setFixedHeight(m_field->fontMetrics().lineSpacing() * kFieldLines +
                            2 * m_field->frameWidth() + 8);
    m_field->installEventFilter(this);
    m_fieldLabel->setBuddy(m_field);
    m_read = new QPushButton(this);
    m_read->setAutoDefault(false);
    connect(m_read, &QPushButton::clicked, this, &CChurchYearBox::ReadFeastField);
    m_reading = new QLabel(this);
    m_reading->setObjectName(QStringLiteral("feastReading"));
    m_reading->setWordWrap(true);
    m_reading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_reading->setTextFormat(Qt::PlainText);
    // Room for a reading of two lines, so the dialog does not jump.
    m_reading->setMinimumHeight(m_reading->fontMetrics().lineSpacing() * 2);
    m_reading->hide(); // shown with a reading, so no empty band waits for one
    m_clauseDays = NewClauseList(this);
    // The year's list keeps the room; a clause has a day or two and their checks.
    m_clauseDays->setMaximumHeight(m_clauseDays->fontMetrics().height() * kClauseRowsAtMost);
    connect(m_clauseDays, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowClauseItem(m_panel, item); });

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(m_fieldLabel, 0, Qt::AlignTop);
    fieldRow->addWidget(m_field, 1);
    fieldRow->addWidget(m_read, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listLabel);
    layout->addWidget(m_days, 1);
    layout->addLayout(fieldRow);
    layout->addWidget(m_reading);
    layout->addWidget(m_clauseDays);
    RetranslateUi();
}

void CChurchYearBox::RetranslateUi() {
    m_listLabel->setText(tr("&Sundays and feasts of the church year, Advent to Advent"));
    m_days->setHeaderLabels({tr("Date"), tr("Latin name"), tr("Meaning")});
    m_days->setToolTip(tr("Double-click a day to display it"));
    m_fieldLabel->setText(tr("Date by &feast"));
    m_field->setPlaceholderText(tr("Tuesday after Laetare 1523"));
    m_field->setToolTip(tr("A dating clause in Latin, German, French or English, typed or pasted "
                           "whole: \"feria tertia post dominicam qua cantatur Oculi 1401\", "
                           "\"freitags nach Martini\", \"le lundi après les Brandons 1316\", "
                           "\"the morrow of Martinmas 1400\". Without a year, the panel's year. "
                           "Enter reads it; Shift+Enter starts a new line."));
    m_clauseDays->setHeaderLabels({tr("Day"), tr("Reading"), tr("Usage")});
    m_clauseDays->setToolTip(tr("Double-click a day to display it"));
    m_read->setText(tr("&Display"));
    FillList();
    ShowReading(QString());
    m_clauseDays->clear();
}

void CChurchYearBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
}

bool CChurchYearBox::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the box reads it rather than pressing the dialog's default
    // button; Shift+Enter or Ctrl+Enter breaks the line.
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
                m_field->insertPlainText(QStringLiteral("\n"));
            else
                ReadFeastField();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CChurchYearBox::SetYear(std::int32_t year, bool gregorian) {
    if (year == m_nYear && gregorian == m_bGregorian)
        return;
    m_nYear = year;
    m_bGregorian = gregorian;
    FillList();
}

void CChurchYearBox::FillList() {
    m_days->clear();
    if (m_nYear == 0)
        return;
    const bool french = TextLanguage() == ETextLanguage::French;
    QList<QTreeWidgetItem*> items;
    for (const CChurchDay& day : LiturgicalYearDays(m_nYear, m_bGregorian, french)) {
        auto* item = new QTreeWidgetItem;
        item->setText(COL_DATE, FromCp1252(FormatFeastDate(day.day, m_bGregorian)));
        item->setText(COL_LATIN, FromCp1252(day.strLatin));
        item->setText(COL_GLOSS,
                      day.strGloss == day.strLatin ? QString() : FromCp1252(day.strGloss));
        item->setData(COL_DATE, kDayRole, day.day.GetDayNumber());
        items << item;
    }
    m_days->addTopLevelItems(items);
    for (int c = 0; c < COL_COUNT - 1; ++c)
        m_days->resizeColumnToContents(c);
}

void CChurchYearBox::OnItemActivated(QTreeWidgetItem* item) {
    if (!item)
        return;
    m_panel.GoToRowDay(m_bGregorian ? CalendarRow::Gregorian : CalendarRow::Julian,
                       CJulianDay(item->data(COL_DATE, kDayRole).toInt()));
}

void CChurchYearBox::ReadFeastField() {
    // Read as typed, line ends as blanks, so that word places match the field.
    QString raw = m_field->toPlainText().left(kMaxClauseText);
    raw.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString text = raw.simplified();
    m_clauseDays->clear();
    m_field->setExtraSelections({});
    if (text.isEmpty()) {
        ShowReading(QString());
        return;
    }
    CClauseOptions options;
    options.nReformDay = m_nReformDay;
    options.nYear = ShownModernYear(m_panel);
    options.yearStyle = m_panel.GetYearStyle();
    const std::string cp1252 = ToCp1252(raw);
    const CClauseResult clause = ReadDatingClause(cp1252, options);
    UnderlineUnread(clause, cp1252.size() == static_cast<std::size_t>(raw.size()));
    if (clause.readings.empty()) {
        ShowReading(RefusalText(clause));
        return;
    }
    FillClauseList(m_clauseDays, text, clause);
    if (clause.readings.size() > 1) {
        QString choose = tr("%1 can mean more than one day; choose one below.").arg(Quoted(text));
        for (const CClauseReading& r : clause.readings) {
            const QStringList against = Disagreements(r);
            if (!against.isEmpty())
                choose +=
                    QLatin1Char(' ') + tr("Warning for %1: %2.")
                                           .arg(FromCp1252(FormatFeastDate(r.day, r.bGregorian)),
                                                against.join(ListSeparator()));
        }
        ShowReading(choose);
        m_clauseDays->setFocus();
        return;
    }
    ShowReading(ReadingText(text, clause.readings.front()));
    ShowClauseItem(m_panel, m_clauseDays->topLevelItem(0));
}

// The words the reader could not read, underlined as a spelling checker
// would, so the user sees what the reading rests on.
void CChurchYearBox::UnderlineUnread(const CClauseResult& clause, bool placesMatch) {
    if (!placesMatch)
        return;
    QList<QTextEdit::ExtraSelection> marks;
    for (const CClauseWordRole& word : clause.words) {
        if (word.eRole != EClauseRole::Unread)
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_field->document());
        mark.cursor.setPosition(static_cast<int>(word.nStart));
        mark.cursor.setPosition(static_cast<int>(word.nEnd), QTextCursor::KeepAnchor);
        mark.format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        mark.format.setUnderlineColor(Qt::red);
        mark.format.setToolTip(tr("Not read"));
        marks << mark;
    }
    m_field->setExtraSelections(marks);
}

QString CChurchYearBox::HowText(const CClauseReading& r) {
    QString how = FeastDayText(r);
    if (r.day != r.baseDay)
        how += tr(", so %1").arg(FromCp1252(FormatFeastDate(r.day, r.bGregorian)));
    return how;
}

QString CChurchYearBox::ReadingText(const QString& text, const CClauseReading& r) {
    QString sentence = tr("%1: %2").arg(text, HowText(r));
    if (!r.strUsage.empty())
        sentence += tr(" (in the usage of %1)").arg(FromCp1252(r.strUsage));
    if (r.bYearAssumed)
        sentence += tr(" (the year %1 assumed: the text states none)").arg(r.nYear);
    return sentence + QLatin1Char(' ') + CertaintyText(r);
}

QString CChurchYearBox::CertaintyText(const CClauseReading& r) {
    QStringList doubts;
    for (const std::string& doubt : r.doubts)
        doubts << FromCp1252(doubt);
    // A check the text contradicts is a doubt, whether the reader said so or not.
    for (const QString& check : Disagreements(r))
        if (!doubts.contains(check))
            doubts << check;
    if (r.bSure && doubts.isEmpty())
        return tr("Sure.");
    return tr("Doubtful: %1.").arg(doubts.join(ListSeparator()));
}

QString CChurchYearBox::RefusalText(const CClauseResult& r) {
    // The reader offers saints of the traditional list, in its result lines.
    QStringList candidates;
    for (const std::string& line : r.candidates)
        candidates << FromCp1252(SuggestionOfResultLine(line, 0));
    const QString what = Quoted(FromCp1252(r.strWhat));
    switch (r.eError) {
    case EFeastDateError::Unreadable:
        return r.strWhat.empty() ? tr("Cannot read the text.") : tr("Cannot read %1.").arg(what);
    case EFeastDateError::UnknownName:
        return candidates.isEmpty() ? tr("No feast or saint is named %1.").arg(what)
                                    : tr("No feast or saint is named %1. Nearest in the "
                                         "traditional list of saints (names in French): %2.")
                                          .arg(what, candidates.join(ListSeparator()));
    case EFeastDateError::AmbiguousName:
        return tr("%1 names saints on different days: %2. Give a fuller name.")
            .arg(what, candidates.join(ListSeparator()));
    case EFeastDateError::Skipped:
        return tr("That day fell in the days the reform skipped.");
    case EFeastDateError::OutOfRange:
        return tr("The day lies outside 4713 BC to AD 2999.");
    case EFeastDateError::NoYear:
    case EFeastDateError::None:
        break;
    }
    return tr("The text states no year, and the panel shows none.");
}

void FillClauseList(QTreeWidget* list, const QString& text, const CClauseResult& clause) {
    list->clear();
    const QIcon warning = list->style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const CClauseReading& r : clause.readings) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(CLAUSE_DATE, FromCp1252(FormatFeastDate(r.day, r.bGregorian)));
        item->setText(CLAUSE_READING, CChurchYearBox::HowText(r));
        item->setToolTip(CLAUSE_READING, CChurchYearBox::ReadingText(text, r));
        item->setText(CLAUSE_USAGE, FromCp1252(r.strUsage));
        for (int c = 0; c < CLAUSE_COUNT; ++c) {
            item->setData(c, kDayRole, r.day.GetDayNumber());
            item->setData(c, kGregorianRole, r.bGregorian);
        }
        // A doubtful reading says so first, never looking like a sure one.
        if (!r.bSure) {
            auto* line = new QTreeWidgetItem(item);
            line->setData(CLAUSE_DATE, kWholeTextRole, CChurchYearBox::CertaintyText(r));
            line->setToolTip(CLAUSE_DATE, CChurchYearBox::CertaintyText(r));
            line->setData(CLAUSE_DATE, kDayRole, r.day.GetDayNumber());
            line->setData(CLAUSE_DATE, kGregorianRole, r.bGregorian);
            line->setFirstColumnSpanned(true);
            line->setIcon(CLAUSE_DATE, warning);
            item->setIcon(CLAUSE_DATE, warning);
        }
        for (const CClauseCheck& check : r.checks) {
            auto* line = new QTreeWidgetItem(item);
            line->setData(CLAUSE_DATE, kWholeTextRole, FromCp1252(check.strText));
            line->setToolTip(CLAUSE_DATE, FromCp1252(check.strText));
            line->setData(CLAUSE_DATE, kDayRole, r.day.GetDayNumber());
            line->setData(CLAUSE_DATE, kGregorianRole, r.bGregorian);
            line->setFirstColumnSpanned(true);
            if (!check.bAgrees) {
                QFont bold = line->font(CLAUSE_DATE);
                bold.setBold(true);
                line->setFont(CLAUSE_DATE, bold);
                line->setIcon(CLAUSE_DATE, warning);
            }
        }
    }
    BreakClauseLines(list);
    list->expandAll();
    list->resizeColumnToContents(CLAUSE_DATE);
    list->resizeColumnToContents(CLAUSE_READING);
    if (QTreeWidgetItem* first = list->topLevelItem(0))
        list->setCurrentItem(first);
}

bool ShowClauseItem(CCalendarPanel& panel, const QTreeWidgetItem* item) {
    if (!item)
        return false;
    const bool gregorian = item->data(CLAUSE_DATE, kGregorianRole).toBool();
    panel.GoToRowDay(gregorian ? CalendarRow::Gregorian : CalendarRow::Julian,
                     CJulianDay(item->data(CLAUSE_DATE, kDayRole).toInt()));
    return true;
}

bool ChooseClauseDay(QWidget* parent, CCalendarPanel& panel, const QString& text,
                     const CClauseResult& clause) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("clauseChoice"));
    dialog.setWindowTitle(CChurchYearBox::tr("Date by feast"));
    auto* prompt =
        new QLabel(CChurchYearBox::tr("%1 can mean more than one day. Choose the one to display.")
                       .arg(Quoted(text)),
                   &dialog);
    prompt->setWordWrap(true);
    prompt->setTextFormat(Qt::PlainText);
    QTreeWidget* list = NewClauseList(&dialog);
    FillClauseList(list, text, clause);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog,
                     [list, &dialog](QTreeWidgetItem* item) {
                         list->setCurrentItem(item);
                         dialog.accept();
                     });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(prompt);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    dialog.resize(list->fontMetrics().averageCharWidth() * kListColumns,
                  dialog.sizeHint().height());
    list->setFocus();
    return dialog.exec() == QDialog::Accepted && ShowClauseItem(panel, list->currentItem());
}

void CChurchYearBox::ShowReading(const QString& text) {
    m_reading->setText(text);
    m_reading->setVisible(!text.isEmpty());
}
