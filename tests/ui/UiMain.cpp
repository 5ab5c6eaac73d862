// One program for every widget test: "test_ui GROUP [QtTest options]" runs
// the classes of one file, "test_ui" all of them.
#include "UiTestSupport.h"

int main(int argc, char** argv) {
    const bool oneGroup = argc > 1 && argv[1][0] != '-';
    const QString group = oneGroup ? QString::fromLocal8Bit(argv[1]) : QString();
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    if (oneGroup)
        args.removeAt(1);
    int failed = 0;
    bool found = false;
    for (const CUiTest& test : UiTests()) {
        if (oneGroup && group != QLatin1String(test.group))
            continue;
        found = true;
        std::unique_ptr<QObject> object(test.make());
        failed += QTest::qExec(object.get(), args);
    }
    return found ? failed : 2;
}
