// The printed year: the PDF file and its failures, the File menu's commands.
#include "YearPrint.h"
#include "UiTestSupport.h"

#include <QFile>
#include <QPrinter>
#include <QtTest>

class YearPrintTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // In England, Julian then.
    CYearPrintChoice January1523() const {
        CYearPrintChoice choice;
        choice.nYear = 1523;
        choice.nMonth = 1;
        choice.civil.nReformDay = 2361222;
        return choice;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void aPdfIsWrittenWholeAndNothingElseIsLeft() {
        const QString path = m_dir.filePath(QStringLiteral("1523.pdf"));
        QCOMPARE(SaveYearPdf(path, January1523(), {}), QString());
        QVERIFY(Read(path).startsWith("%PDF"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("1523.pdf")});
    }

    void aFailureSaysSoAndKeepsTheOldFile() {
        const QString path = m_dir.filePath(QStringLiteral("old.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        CYearPrintChoice noYear = January1523();
        noYear.nYear = 0;
        QVERIFY(!SaveYearPdf(path, noYear, {}).isEmpty());
        QCOMPARE(Read(path), QByteArray("old"));
        const QString nowhere = m_dir.filePath(QStringLiteral("missing/dir/x.pdf"));
        QVERIFY(SaveYearPdf(nowhere, January1523(), {}).contains(QStringLiteral("x.pdf")));
        QVERIFY(!QFile::exists(nowhere));
        QVERIFY(!SaveYearPdf(m_dir.path(), January1523(), {}).isEmpty());
    }

    void thePaperTurnsWhereItPrintsLargerAndATooSmallOneIsRefused() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(QStringLiteral("small.pdf")));
        CYearPrintChoice choice = January1523();
        ChooseOrientation(printer, choice, {});
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        choice.nColumns = PAGE_SAINT;
        ChooseOrientation(printer, choice, {});
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        // A paper where even small print cuts the dates is refused, saying why.
        printer.setPageSize(QPageSize(QSizeF(200, 300), QPageSize::Point));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
        choice.nColumns = PAGE_ALL;
        QVERIFY(PaintYearPages(printer, choice, {}).contains(QStringLiteral("do not fit")));
        choice.nColumns = 0;
        QCOMPARE(PaintYearPages(printer, choice, {}), QString());
    }

    void theFileMenuHoldsTheCommands() {
        CAppRig rig;
        CMainFrame* frame = rig.Start();
        QAction* print = frame->Action(ID_YEAR_PRINT);
        QVERIFY(print && frame->Action(ID_YEAR_PRINT_PREVIEW) && frame->Action(ID_YEAR_SAVE_PDF));
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        // A sample to look at, with the program's lists: QUINDOR_PRINT_SAMPLE=file.pdf
        // writes 1523 in England there.
        const QString sample = qEnvironmentVariable("QUINDOR_PRINT_SAMPLE");
        if (!sample.isEmpty()) {
            CYearPrintChoice year = January1523();
            year.nMonth = 0;
            QCOMPARE(SaveYearPdf(sample, year, {}), QString());
        }
    }
};

QUINDOR_UI_TEST("YearPrint", YearPrintTest);
#include "YearPrintTest.moc"
