#include "Icons.h"

#include <QTest>

#include <cmath>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

std::vector<QuindorIcon> AllIcons() {
    std::vector<QuindorIcon> icons;
    for (int i = 0; i < kQuindorIconCount; ++i)
        icons.push_back(static_cast<QuindorIcon>(i));
    return icons;
}

QImage Pixels(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

// Mean difference per channel, 0 (same) to 1.
double Difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 1.0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * 255.0 * a.width() * a.height());
}

// How many pixels differ plainly, as a share of the image.
double ChangedShare(const QImage& a, const QImage& b) {
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            changed += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                           std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q)) >
                       96;
        }
    return static_cast<double>(changed) / (a.width() * a.height());
}

double Coverage(const QImage& image) {
    double alpha = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            alpha += qAlpha(image.pixel(x, y));
    return alpha / (255.0 * image.width() * image.height());
}

QString Name(QuindorIcon id) {
    return QString::number(static_cast<int>(id));
}

} // namespace

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void everyIconRendersAtEverySizeAndRatio() {
        for (QuindorIcon id : AllIcons())
            for (int size : {16, 20, 32})
                for (qreal dpr : {1.0, 2.0}) {
                    const QPixmap pixmap = MakePixmap(id, size, dpr);
                    const QString what =
                        Name(id) + "@" + QString::number(size) + "x" + QString::number(dpr);
                    QCOMPARE(pixmap.devicePixelRatio(), dpr);
                    const QImage image = Pixels(pixmap);
                    QCOMPARE(image.size(), QSize(size * dpr, size * dpr));
                    const double coverage = Coverage(image);
                    QVERIFY2(coverage > 0.2 && coverage < 0.95, qPrintable(what));
                    const int last = image.width() - 1;
                    for (QPoint corner :
                         {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                        QVERIFY2(qAlpha(image.pixel(corner)) == 0, qPrintable(what));
                }
    }

    // Through QIcon as widgets use it: device pixels, ratio and the greyed state.
    void iconsServeEveryRatioAndTheDisabledState() {
        for (QuindorIcon id : AllIcons()) {
            const QIcon icon = MakeIcon(id);
            QVERIFY(!icon.isNull());
            QVERIFY(icon.availableSizes().contains(QSize(20, 20)));
            for (qreal dpr : {1.0, 2.0}) {
                const QPixmap pixmap = icon.pixmap(QSize(20, 20), dpr);
                QCOMPARE(pixmap.devicePixelRatio(), dpr);
                QCOMPARE(Pixels(pixmap).size(), QSize(20 * dpr, 20 * dpr));
                QCOMPARE(Difference(Pixels(pixmap), Pixels(MakePixmap(id, 20, dpr))), 0.0);
            }
            const QImage normal = Pixels(icon.pixmap(QSize(20, 20), 1.0));
            const QImage disabled = Pixels(icon.pixmap(QSize(20, 20), 1.0, QIcon::Disabled));
            QVERIFY2(Coverage(disabled) < 0.7 * Coverage(normal), qPrintable(Name(id)));
            for (int y = 0; y < disabled.height(); ++y)
                for (int x = 0; x < disabled.width(); ++x) {
                    const QRgb p = disabled.pixel(x, y);
                    QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
                }
        }
    }

    // The double-density rendering is drawn afresh, not an enlarged copy.
    void doubleRatioIsRedrawnNotEnlarged() {
        for (QuindorIcon id : AllIcons())
            for (int size : {16, 20}) {
                const QImage single = Pixels(MakePixmap(id, size, 1.0));
                const QImage twice = Pixels(MakePixmap(id, size, 2.0));
                const QImage enlarged =
                    single.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                QVERIFY2(Difference(twice, enlarged) > 0.02,
                         qPrintable(Name(id) + " at " + QString::number(size)));
            }
    }

    void iconsArePairwiseDistinct() {
        const std::vector<QuindorIcon> icons = AllIcons();
        for (int size : {16, 32})
            for (std::size_t i = 0; i < icons.size(); ++i)
                for (std::size_t j = i + 1; j < icons.size(); ++j) {
                    const double share = ChangedShare(Pixels(MakePixmap(icons[i], size)),
                                                      Pixels(MakePixmap(icons[j], size)));
                    QVERIFY2(share > 0.06, qPrintable(Name(icons[i]) + " vs " + Name(icons[j]) +
                                                      " at " + QString::number(size)));
                }
    }

    // A page's left edge is a solid column of pixels at every size, not a blur
    // across two columns.
    void pageEdgesLandOnWholePixels() {
        for (int row = 0; row < 6; ++row)
            for (int pixels : {16, 20, 24, 32, 40, 48}) {
                const QImage image = Pixels(MakePixmap(RowValidIcon(row), pixels));
                int edge = 0;
                while (edge < image.width() && qAlpha(image.pixel(edge, pixels / 2)) == 0)
                    ++edge;
                QVERIFY(edge < image.width() / 4);
                for (int y = pixels / 2; y < pixels * 3 / 4; ++y)
                    QVERIFY2(qAlpha(image.pixel(edge, y)) == 255,
                             qPrintable(QString("row %1 at %2").arg(row).arg(pixels)));
            }
    }

    void rowsAndCommandsHaveTheirOwnIcons() {
        std::set<QuindorIcon> seen;
        for (int row = 0; row < 6; ++row) {
            seen.insert(RowValidIcon(row));
            seen.insert(RowIllegalIcon(row));
        }
        QCOMPARE(seen.size(), 12u);
        QCOMPARE(RowValidIcon(6), QuindorIcon::Gregorian);
        QCOMPARE(RowIllegalIcon(-1), QuindorIcon::IllegalGregorian);

        std::set<QuindorIcon> commands;
        for (int id : {32771, 32778, 32779, 32772, 32776, 32792, 57664}) {
            const auto icon = CommandIcon(id);
            QVERIFY(icon.has_value());
            QVERIFY(!seen.contains(*icon));
            commands.insert(*icon);
        }
        QCOMPARE(commands.size(), 7u);
        for (int id : {0, 32777, 32780, 57665, -1})
            QVERIFY(!CommandIcon(id).has_value());
    }

    void oddSizesAndRatiosAreSafe() {
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::App, 0, 1.0)).size(), QSize(1, 1));
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::App, 16, -3.0)).size(), QSize(16, 16));
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::App, 16, std::nan(""))).size(), QSize(16, 16));
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::App, 100000, 2.0)).size(), QSize(1024, 1024));
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::Saints, 16, 1.5)).size(), QSize(24, 24));
        QVERIFY(MakeIcon(QuindorIcon::About).pixmap(QSize(0, 0)).isNull());
    }
};

QTEST_MAIN(IconsTest)
#include "IconsTest.moc"
