// The drawn icons: whole at each ratio, greyed when disabled, each its own.
#include "Icons.h"
#include "UiTestSupport.h"

#include <set>

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void everyIconIsWholeAndItsOwn() {
        std::set<QByteArray> drawn;
        for (int i = 0; i < kQuindorIconCount; ++i)
            for (const qreal dpr : {1.0, 2.0}) {
                const auto id = static_cast<QuindorIcon>(i);
                QImage image =
                    MakePixmap(id, 20, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
                QCOMPARE(image.size(), QSize(20 * dpr, 20 * dpr));
                const int last = image.width() - 1;
                int ink = 0;
                for (int y = 0; y <= last; ++y)
                    for (int x = 0; x <= last; ++x)
                        ink += qAlpha(image.pixel(x, y)) > 128;
                QVERIFY2(ink > image.width() * image.height() / 5, qPrintable(QString::number(i)));
                QVERIFY(qAlpha(image.pixel(0, 0)) == 0 && qAlpha(image.pixel(last, last)) == 0);
                drawn.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                        image.sizeInBytes()));
            }
        QCOMPARE(drawn.size(), std::size_t{2} * kQuindorIconCount);
    }
};
QUINDOR_UI_TEST("Icons", IconsTest);

#include "IconsTest.moc"
