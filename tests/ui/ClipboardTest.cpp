// Copy and Paste through the real clipboard: a row's text pasted back into
// the same row of another panel lands on the same day; non-text and huge
// clipboards leave the panel alone. What the rows write and read is checked
// in the core.
#include "Clipboard.h"
// The core headers use C++20 library parts the meta-object compiler cannot parse.
#ifndef Q_MOC_RUN
#include "exchange/PanelExchange.h"
#include "panel/PanelOwner.h"
#include "settings/FrameSettings.h"
#endif

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTest>

#include <array>
#include <string>
#include <vector>

namespace {

struct CPanelRig {
    CFixedPanelOwner owner;
    CCalendarPanel panel{owner};
    CPanelRig() { panel.OnInitialUpdate(); }
    void GoTo(std::int32_t day) { panel.GoToRowDay(ROW_GREGORIAN, CJulianDay(day)); }
    std::vector<std::vector<std::string>> AllRows() const {
        std::vector<std::vector<std::string>> rows;
        for (int row = 0; row < ROW_COUNT; ++row)
            rows.push_back(panel.GetRowTexts(row));
        return rows;
    }
};

CFrameSettings Format(std::int32_t day, std::int32_t month, std::int32_t year,
                      const std::string& separator) {
    CFrameSettings settings;
    settings.m_nFmtDay = day;
    settings.m_nFmtMonth = month;
    settings.m_nFmtYear = year;
    settings.m_strSeparator = separator;
    return settings;
}

QClipboard* Clipboard() {
    return QGuiApplication::clipboard();
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Clipboard()->clear(); }

    void copyPutsTheRowText() {
        CPanelRig rig;
        const struct {
            std::int32_t day; // 3 June 1997 Gregorian, then Julian
            int row;
            CFrameSettings settings;
            const char* text;
        } table[] = {
            {2450603, ROW_GREGORIAN, CFrameSettings(), "03/06/1997"},
            {2450616, ROW_ROMAN, Format(0, 2, 1, " "), "3rd day of Nones June 1997"},
        };
        for (const auto& entry : table) {
            rig.GoTo(entry.day);
            QVERIFY(CopyRowToClipboard(rig.panel, entry.row, entry.settings));
            QCOMPARE(Clipboard()->text(), QString::fromLatin1(entry.text));
            // Plain text, no line ending.
            QVERIFY(Clipboard()->mimeData()->hasText());
        }
    }

    // Copy from every row of one panel, paste into the same row of a panel
    // showing another day: all six rows then show the first panel's day.
    void roundTripEveryRow() {
        const CFrameSettings formats[] = {CFrameSettings(), Format(0, 0, 1, " "),
                                          Format(1, 0, 1, "."), Format(0, 1, 1, ", ")};
        CPanelRig source;
        CPanelRig target;
        for (const std::int32_t day : {2450603, 2460000}) {
            source.GoTo(day);
            const auto expected = source.AllRows();
            for (const CFrameSettings& settings : formats) {
                for (int row = 0; row < ROW_COUNT; ++row) {
                    QVERIFY(CopyRowToClipboard(source.panel, row, settings));
                    target.GoTo(day - 1234567);
                    QVERIFY2(CanPasteRow(row), qPrintable(Clipboard()->text()));
                    QVERIFY(PasteRowFromClipboard(target.panel, row));
                    QVERIFY2(target.AllRows() == expected, qPrintable(Clipboard()->text()));
                }
            }
        }
    }

    // Rows that are not rows, and a row holding an illegal date, copy nothing.
    void refusedCopies() {
        CPanelRig rig;
        rig.GoTo(2450603);
        Clipboard()->setText(QStringLiteral("kept"));
        for (const int row : {-1, int{ROW_COUNT}, 1000})
            QVERIFY(!CopyRowToClipboard(rig.panel, row, CFrameSettings()));
        rig.panel.SetFieldText(FIELD_GREG_DAY, "31");
        rig.panel.SetFieldText(FIELD_GREG_MONTH, "February");
        QVERIFY(!CopyRowToClipboard(rig.panel, ROW_GREGORIAN, CFrameSettings()));
        rig.panel.SetFieldText(FIELD_JEW_YEAR, "");
        QVERIFY(!CopyRowToClipboard(rig.panel, ROW_JEWISH, CFrameSettings()));
        QCOMPARE(Clipboard()->text(), QStringLiteral("kept"));
    }

    // Clipboards no row accepts: the Paste entries grey and a paste leaves
    // the panel as it was.
    void refusedPastes() {
        CPanelRig rig;
        rig.GoTo(2450603);
        const auto before = rig.AllRows();
        auto refusedEverywhere = [&](const char* what) {
            for (int row = -1; row <= ROW_COUNT; ++row) {
                QVERIFY2(!CanPasteRow(row), what);
                QVERIFY2(!PasteRowFromClipboard(rig.panel, row), what);
            }
            QVERIFY2(rig.AllRows() == before, what);
        };

        Clipboard()->clear();
        QVERIFY(ClipboardTextForPaste().isEmpty());
        refusedEverywhere("empty");

        auto* image = new QMimeData;
        image->setImageData(QImage(4, 4, QImage::Format_RGB32));
        Clipboard()->setMimeData(image);
        QVERIFY(ClipboardTextForPaste().isEmpty());
        refusedEverywhere("image");

        auto* html = new QMimeData;
        html->setHtml(QStringLiteral("<b>03/06/1997</b>"));
        Clipboard()->setMimeData(html);
        refusedEverywhere("html only");

        // A date followed by ten megabytes of separators would read as the
        // date if the whole text were looked at.
        const QString huge = QStringLiteral("03/06/1997") + QString(10 * 1024 * 1024, u' ');
        Clipboard()->setText(huge);
        QVERIFY(ClipboardTextForPaste().isEmpty());
        refusedEverywhere("ten megabytes");
    }

    // The text ends at its first NUL, whatever follows it.
    void textEndsAtNul() {
        CPanelRig rig;
        rig.GoTo(2400000);
        Clipboard()->setText(QStringLiteral("29/2/04") + QChar(u'\0') +
                             QString(10 * 1024 * 1024, u'x'));
        QCOMPARE(ClipboardTextForPaste(), QStringLiteral("29/2/04"));
        QVERIFY(CanPasteRow(ROW_JULIAN));
        QVERIFY(PasteRowFromClipboard(rig.panel, ROW_JULIAN));
        QCOMPARE(rig.panel.GetRowTexts(ROW_JULIAN),
                 (std::vector<std::string>{"29", "February", "2004"}));
    }

    // The Paste entries follow the clipboard from one moment to the next.
    void enableFollowsClipboard() {
        Clipboard()->setText(QStringLiteral("Kalends June 1997"));
        std::array<bool, ROW_COUNT> enabled{};
        for (int row = 0; row < ROW_COUNT; ++row)
            enabled[static_cast<std::size_t>(row)] = CanPasteRow(row);
        QCOMPARE(enabled, (std::array<bool, ROW_COUNT>{false, false, true, false, false, false}));
        Clipboard()->setText(QStringLiteral("03/06/1997\n"));
        for (int row = 0; row < ROW_COUNT; ++row)
            enabled[static_cast<std::size_t>(row)] = CanPasteRow(row);
        QCOMPARE(enabled, (std::array<bool, ROW_COUNT>{true, true, false, false, true, true}));
    }
};

QTEST_MAIN(ClipboardTest)
#include "ClipboardTest.moc"
