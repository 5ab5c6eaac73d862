// The drawn icons: whole at every size and ratio, greyed when disabled, each
// row and command its own.
#include "Icons.h"
#include "UiTestSupport.h"

#include <cmath>
#include <set>

namespace {

QImage Pixels(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

// The mean difference per channel (0 to 1), the share of pixels that differ
// plainly, and the share of ink (alpha) of the first image.
std::array<double, 3> Compare(const QImage& a, const QImage& b) {
    double sum = 0, changed = 0, ink = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                          std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
            sum += d;
            changed += d > 96;
            ink += qAlpha(p);
        }
    const double n = double(a.width()) * a.height();
    return {sum / (4.0 * 255.0 * n), changed / n, ink / (255.0 * n)};
}

} // namespace

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void everyIconRendersWhole() {
        for (int i = 0; i < kQuindorIconCount; ++i) {
            const auto id = static_cast<QuindorIcon>(i);
            for (const int size : {16, 20, 32})
                for (const qreal dpr : {1.0, 2.0}) {
                    const QString what = QStringLiteral("%1 at %2x%3").arg(i).arg(size).arg(dpr);
                    const QPixmap pixmap = MakePixmap(id, size, dpr);
                    QCOMPARE(pixmap.devicePixelRatio(), dpr);
                    const QImage image = Pixels(pixmap);
                    QCOMPARE(image.size(), QSize(size * dpr, size * dpr));
                    const double ink = Compare(image, image)[2];
                    QVERIFY2(ink > 0.2 && ink < 0.95, qPrintable(what));
                    const int last = image.width() - 1;
                    for (const QPoint corner :
                         {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                        QVERIFY2(qAlpha(image.pixel(corner)) == 0, qPrintable(what));
                    // Through QIcon as widgets use it; greyed when disabled.
                    const QIcon icon = MakeIcon(id);
                    QCOMPARE(Compare(Pixels(icon.pixmap(QSize(size, size), dpr)), image)[0], 0.0);
                    const QImage disabled =
                        Pixels(icon.pixmap(QSize(size, size), dpr, QIcon::Disabled));
                    QVERIFY2(Compare(disabled, disabled)[2] < 0.7 * ink, qPrintable(what));
                    for (int y = 0; y < disabled.height(); ++y)
                        for (int x = 0; x < disabled.width(); ++x)
                            QVERIFY(qRed(disabled.pixel(x, y)) == qGreen(disabled.pixel(x, y)) &&
                                    qGreen(disabled.pixel(x, y)) == qBlue(disabled.pixel(x, y)));
                    for (int j = 0; j < i && dpr == 1.0; ++j)
                        QVERIFY2(Compare(image, Pixels(MakePixmap(static_cast<QuindorIcon>(j),
                                                                  size)))[1] > 0.06,
                                 qPrintable(what + QStringLiteral(" like %1").arg(j)));
                }
        }
    }

    void rowsAndCommandsHaveTheirOwnIcons() {
        std::set<QuindorIcon> seen;
        for (int row = 0; row < 6; ++row) {
            seen.insert({RowValidIcon(row), RowIllegalIcon(row)});
        }
        QCOMPARE(seen.size(), 12u);
        QCOMPARE(RowValidIcon(6), QuindorIcon::Gregorian);
        QCOMPARE(RowIllegalIcon(-1), QuindorIcon::IllegalGregorian);
        for (const int id : {32771, 32778, 32779, 32772, 32776, 32792, 57664}) {
            QVERIFY(CommandIcon(id).has_value());
            QVERIFY(seen.insert(*CommandIcon(id)).second);
        }
        for (const int id : {0, 32777, 32780, 57665, -1})
            QVERIFY(!CommandIcon(id).has_value());
        // Odd sizes and ratios are safe.
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::App, 0, 1.0)).size(), QSize(1, 1));
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::App, 16, -3.0)).size(), QSize(16, 16));
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::App, 16, std::nan(""))).size(), QSize(16, 16));
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::App, 100000, 2.0)).size(), QSize(1024, 1024));
        QCOMPARE(Pixels(MakePixmap(QuindorIcon::Saints, 16, 1.5)).size(), QSize(24, 24));
        QVERIFY(MakeIcon(QuindorIcon::About).pixmap(QSize(0, 0)).isNull());
    }
};
QUINDOR_UI_TEST("Icons", IconsTest);

#include "IconsTest.moc"
