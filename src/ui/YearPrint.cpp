#include "YearPrint.h"

#include "TextBridge.h"

#ifndef Q_MOC_RUN
#include "calendar/RowValues.h"
#include "panel/CalendarPanel.h"
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <tuple>
#include <unordered_map>

namespace {

struct CYearPrint {
    Q_DECLARE_TR_FUNCTIONS(YearPrint)
};

// The dialog's choices, in its order.
constexpr ESpanCalendar kSheetCalendars[] = {ESpanCalendar::Civil, ESpanCalendar::Julian,
                                             ESpanCalendar::Gregorian};

QString CalendarLabel(ESpanCalendar calendar, const CCivilUse& civil) {
    if (calendar == ESpanCalendar::Julian)
        return CYearPrint::tr("Julian calendar");
    if (calendar == ESpanCalendar::Gregorian)
        return CYearPrint::tr("Gregorian calendar");
    const CGregorianDate reform = CJulianDay(civil.nReformDay).GetGregorian();
    return CYearPrint::tr("Civil calendar, Gregorian from %1 %2 %3")
        .arg(reform.nDay)
        .arg(FromCp1252(RowMonthName(CalendarRow::Gregorian, reform.nMonth)))
        .arg(reform.nYear);
}

CPageLabels Labels(ESpanCalendar calendar, const CCivilUse& civil) {
    CPageLabels labels;
    labels.strCalendar = ToCp1252(CalendarLabel(calendar, civil));
    labels.strDominical = ToCp1252(CYearPrint::tr("Dominical letters"));
    labels.strGoldenNumber = ToCp1252(CYearPrint::tr("Golden number"));
    labels.strEpact = ToCp1252(CYearPrint::tr("Epact"));
    labels.strIndiction = ToCp1252(CYearPrint::tr("Indiction"));
    labels.strWeekday = ToCp1252(CYearPrint::tr("Day"));
    labels.strDate = ToCp1252(CYearPrint::tr("Date"));
    labels.strRoman = ToCp1252(CYearPrint::tr("Roman style"));
    labels.strRepublican = ToCp1252(CYearPrint::tr("Republican"));
    labels.strJewish = ToCp1252(CYearPrint::tr("Jewish"));
    labels.strMuslim = ToCp1252(CYearPrint::tr("Muslim"));
    labels.strSaint = ToCp1252(CYearPrint::tr("Saint"));
    labels.strFeasts = ToCp1252(CYearPrint::tr("Sundays and feasts"));
    return labels;
}

} // namespace

CYearPrintChoice DefaultYearPrintChoice(const CCalendarPanel& panel) {
    const CJulianDay day = panel.GetDayShown();
    CYearPrintChoice choice;
    choice.civil = panel.GetCivilUse();
    const CCivilDate date = choice.civil.Date(day);
    choice.nYear = date.nYear;
    choice.nMonth = date.nMonth;
    return choice;
}

bool AskYearPrint(QWidget* parent, CYearPrintChoice& choice) {
    QDialog dialog(parent);
    dialog.setWindowTitle(CYearPrint::tr("Print a Month or a Year"));
    auto* form = new QFormLayout;
    auto* year = new QSpinBox;
    year->setRange(-4713, 2999);
    year->setValue(choice.nYear);
    form->addRow(CYearPrint::tr("&Year:"), year);
    auto* calendar = new QComboBox;
    calendar->addItems({CYearPrint::tr("Civil (Julian, then Gregorian from the reform)"),
                        CYearPrint::tr("Julian"), CYearPrint::tr("Gregorian")});
    calendar->setCurrentIndex(static_cast<int>(
        std::find(std::begin(kSheetCalendars), std::end(kSheetCalendars), choice.eCalendar) -
        std::begin(kSheetCalendars)));
    form->addRow(CYearPrint::tr("&Calendar:"), calendar);
    auto* month = new QComboBox;
    month->addItem(CYearPrint::tr("The whole year"));
    for (std::int32_t m = 1; m <= 12; ++m)
        month->addItem(FromCp1252(RowMonthName(CalendarRow::Gregorian, m)));
    month->setCurrentIndex(choice.nMonth);
    form->addRow(CYearPrint::tr("&Month:"), month);
    auto* saints = new QComboBox;
    saints->addItems({CYearPrint::tr("No saints"), CYearPrint::tr("Traditional list"),
                      CYearPrint::tr("Present list")});
    saints->setCurrentIndex(static_cast<int>(choice.eSaints) + 1);
    form->addRow(CYearPrint::tr("&Saints:"), saints);
    const std::pair<EPageColumn, QString> columns[] = {
        {PAGE_ROMAN, CYearPrint::tr("Roman style")},
        {PAGE_REPUBLICAN, CYearPrint::tr("Republican")},
        {PAGE_JEWISH, CYearPrint::tr("Jewish")},
        {PAGE_MUSLIM, CYearPrint::tr("Muslim")},
        {PAGE_FEASTS, CYearPrint::tr("Feasts")}};
    std::vector<std::pair<EPageColumn, QCheckBox*>> boxes;
    for (const auto& [column, text] : columns) {
        auto* box = new QCheckBox(text);
        box->setChecked((choice.nColumns & column) != 0);
        form->addRow(boxes.empty() ? CYearPrint::tr("Columns:") : QString(), box);
        boxes.emplace_back(column, box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice.nYear = year->value();
    choice.eCalendar = kSheetCalendars[std::clamp(calendar->currentIndex(), 0, 2)];
    choice.nMonth = month->currentIndex();
    choice.eSaints = static_cast<ESheetSaints>(saints->currentIndex() - 1);
    choice.nColumns = choice.eSaints == ESheetSaints::None ? 0u : std::uint32_t{PAGE_SAINT};
    for (const auto& [column, box] : boxes)
        if (box->isChecked())
            choice.nColumns |= column;
    return true;
}

namespace {

CYearSheetResult SheetFor(const CYearPrintChoice& choice, const CYearStyle& style) {
    CYearSheetOptions options;
    options.eCalendar = choice.eCalendar;
    options.nReformDay = choice.civil.nReformDay;
    options.yearStyle = style;
    options.eSaints = choice.eSaints;
    return MakeYearSheet(choice.nYear, options);
}

// The print sizes tried, largest first: a size smaller than the last would
// not be read without a glass.
constexpr double kLargestPoints = 8;
constexpr double kSmallestPoints = 5;
constexpr double kPointsStep = 0.5;
// Down to this size the print shrinks to keep a month on one page.
constexpr double kOnePagePoints = 6.5;

QFont RowFont(double points, bool bold) {
    QFont font(QStringLiteral("Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The layout works in points, inside the printable area.
CYearPages LayOut(QPrinter& printer, const CYearSheet& sheet, const CYearPrintChoice& choice,
                  double points) {
    const double scale = printer.resolution() / 72.0;
    // Measured in bold, so a Sunday's row fits as well as a weekday's.
    const QFontMetricsF metrics(RowFont(points, true), &printer);
    const QRectF area = printer.pageLayout().paintRectPoints();
    CPageMetrics page;
    page.fWidth = area.width();
    page.fHeight = area.height();
    page.fMargin = 0;
    page.fLineHeight = metrics.height() / scale * 1.1;
    // The layout measures the same texts many times over.
    auto known = std::make_shared<std::unordered_map<std::string, double>>();
    page.textWidth = [metrics, scale, known](std::string_view text) {
        auto [at, added] = known->try_emplace(std::string(text), 0.0);
        if (added)
            at->second = metrics.horizontalAdvance(FromCp1252(at->first)) / scale;
        return at->second;
    };
    CPageOptions options;
    options.nMonth = choice.nMonth;
    options.nColumns = choice.nColumns;
    options.labels = Labels(choice.eCalendar, choice.civil);
    return LayOutYearPages(sheet, options, page);
}

struct CFittedPages {
    CYearPages laid;
    double fPoints = 0; // 0: no size fits
};

bool MonthAPage(const CYearPages& laid) {
    std::set<std::int32_t> months;
    for (const CYearPage& page : laid.pages)
        months.insert(page.nMonth);
    return months.size() == laid.pages.size();
}

// The pages at the largest print size whose texts are all whole on the
// printer's paper; a little smaller where that keeps each month on one page.
CFittedPages FitPages(QPrinter& printer, const CYearSheet& sheet, const CYearPrintChoice& choice) {
    CFittedPages largest;
    for (double points = kLargestPoints; points >= kSmallestPoints; points -= kPointsStep) {
        CYearPages laid = LayOut(printer, sheet, choice, points);
        if (!laid.bFits)
            continue;
        if (largest.fPoints != 0 && points < kOnePagePoints)
            break;
        if (MonthAPage(laid))
            return {std::move(laid), points};
        if (largest.fPoints == 0)
            largest = {std::move(laid), points};
    }
    return largest;
}

// The lines of text the rows take: fewer where fewer texts wrap.
std::size_t RowLines(const CYearPages& laid) {
    std::size_t lines = 0;
    for (const CYearPage& page : laid.pages) {
        std::set<std::pair<std::int32_t, double>> seen;
        for (const CPageCell& cell : page.cells)
            if (cell.eKind == EPageCell::Day)
                seen.emplace(cell.nDayIndex, cell.y);
        lines += seen.size();
    }
    return lines;
}

} // namespace

void ChooseOrientation(QPrinter& printer, const CYearPrintChoice& choice, const CYearStyle& style) {
    const CYearSheetResult result = SheetFor(choice, style);
    if (!result.ok())
        return;
    // The larger print wins, then fewer pages, then fewer wrapped texts.
    printer.setPageOrientation(QPageLayout::Portrait);
    const CFittedPages upright = FitPages(printer, result.sheet, choice);
    printer.setPageOrientation(QPageLayout::Landscape);
    const CFittedPages wide = FitPages(printer, result.sheet, choice);
    auto rank = [](const CFittedPages& fitted) {
        return std::make_tuple(fitted.fPoints, -static_cast<double>(fitted.laid.pages.size()),
                               -static_cast<double>(RowLines(fitted.laid)));
    };
    if (!(rank(upright) < rank(wide)))
        printer.setPageOrientation(QPageLayout::Portrait);
}

QString PaintYearPages(QPrinter& printer, const CYearPrintChoice& choice, const CYearStyle& style) {
    const CYearSheetResult result = SheetFor(choice, style);
    if (!result.ok())
        return CYearPrint::tr("The year %1 cannot be printed in this calendar.").arg(choice.nYear);
    const CFittedPages fitted = FitPages(printer, result.sheet, choice);
    if (fitted.fPoints == 0)
        return CYearPrint::tr("The chosen columns do not fit on this paper, even in small print. "
                              "Choose fewer columns, landscape or a larger paper.");
    QPainter painter;
    if (!painter.begin(&printer))
        return CYearPrint::tr("The printer could not be opened.");
    const std::vector<CYearPage>& pages = fitted.laid.pages;
    const double scale = printer.resolution() / 72.0;
    const QRectF area = printer.pageLayout().paintRectPoints();
    const QFont font = RowFont(fitted.fPoints, false), bold = RowFont(fitted.fPoints, true);
    QFont title = RowFont(kLargestPoints, true);
    title.setPointSizeF(14);

    painter.setPen(QPen(Qt::black, 0));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        for (const CPageCell& cell : pages[p].cells) {
            const QRectF rect(cell.x * scale, cell.y * scale, cell.w * scale, cell.h * scale);
            const CSheetDay* day =
                cell.nDayIndex >= 0 ? &result.sheet.days[static_cast<std::size_t>(cell.nDayIndex)]
                                    : nullptr;
            painter.setFont(cell.eKind == EPageCell::Title ? title
                            : !day || day->nWeekday == 0   ? bold
                                                           : font);
            QString text = FromCp1252(cell.strText);
            if (cell.eKind == EPageCell::Title)
                text =
                    QFontMetricsF(title, &printer).elidedText(text, Qt::ElideRight, rect.width());
            painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        }
        for (const double y : pages[p].rules)
            painter.drawLine(QPointF(0, y * scale), QPointF(area.width() * scale, y * scale));
    }
    painter.end();
    return QString();
}

QString SaveYearPdf(const QString& path, const CYearPrintChoice& choice, const CYearStyle& style) {
    const QString cannot =
        CYearPrint::tr("The PDF file %1 cannot be written.").arg(QDir::toNativeSeparators(path));
    // Written beside its place and renamed once whole, so a failure leaves
    // any older file as it was.
    QTemporaryFile temporary(QFileInfo(path).absolutePath() +
                             QStringLiteral("/.quindor-XXXXXX.pdf"));
    if (path.isEmpty() || QFileInfo(path).isDir() || !temporary.open())
        return cannot;
    temporary.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.fileName());
    printer.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
    printer.setDocName(QFileInfo(path).completeBaseName());
    ChooseOrientation(printer, choice, style);
    const QString error = PaintYearPages(printer, choice, style);
    if (!error.isEmpty())
        return error;
    // A temporary file is private; the PDF gets the old file's rights or the usual ones.
    const QByteArray from = QFile::encodeName(temporary.fileName());
    const QByteArray to = QFile::encodeName(path);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old {};
    ::chmod(from.constData(),
            ::stat(to.constData(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask));
    if (std::rename(from.constData(), to.constData()) != 0)
        return cannot;
    temporary.setAutoRemove(false);
    return QString();
}

void RunYearPrint(QWidget* parent, int commandId, const CCalendarPanel& panel) {
    static CYearPrintChoice s_choice;
    static bool s_asked = false;
    CYearPrintChoice choice = DefaultYearPrintChoice(panel);
    if (s_asked) {
        // The year and month follow the panel; the rest is as last chosen.
        s_choice.nYear = choice.nYear;
        s_choice.nMonth = s_choice.nMonth == 0 ? 0 : choice.nMonth;
        choice = s_choice;
    }
    if (!AskYearPrint(parent, choice))
        return;
    s_choice = choice;
    s_asked = true;
    const CYearStyle style = panel.GetYearStyle();
    QString error;
    if (commandId == ID_YEAR_SAVE_PDF) {
        const QString path =
            QFileDialog::getSaveFileName(parent, CYearPrint::tr("Save as PDF"), QDir::homePath(),
                                         CYearPrint::tr("PDF files (*.pdf)"));
        if (path.isEmpty())
            return;
        error = SaveYearPdf(path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                                ? path
                                : path + QLatin1String(".pdf"),
                            choice, style);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
        ChooseOrientation(printer, choice, style);
        if (commandId == ID_YEAR_PRINT_PREVIEW) {
            QPrintPreviewDialog preview(&printer, parent);
            QObject::connect(
                &preview, &QPrintPreviewDialog::paintRequested, parent,
                [&](QPrinter* target) { error = PaintYearPages(*target, choice, style); });
            // The preview sets the paper upright when it opens; turn it back.
            ChooseOrientation(printer, choice, style);
            if (auto* widget = preview.findChild<QPrintPreviewWidget*>();
                widget && printer.pageLayout().orientation() == QPageLayout::Landscape)
                widget->setLandscapeOrientation();
            preview.exec();
        } else {
            QPrintDialog dialog(&printer, parent);
            if (dialog.exec() != QDialog::Accepted)
                return;
            error = PaintYearPages(printer, choice, style);
        }
    }
    if (!error.isEmpty())
        QMessageBox::warning(parent, CYearPrint::tr("Print"), error);
}
