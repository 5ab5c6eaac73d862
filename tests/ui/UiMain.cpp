// One program for every widget test: "test_ui GROUP [QtTest options]" runs
// the classes of one file, "test_ui" all of them.
#include "Language.h"
#include "UiTestSupport.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // The language the system's locale gives, for the test that sets the variables.
    if (argc == 2 && std::strcmp(argv[1], "--system-language") == 0) {
        QCoreApplication app(argc, argv);
        std::puts(LanguageForSetting(kLanguageSystem) == ETextLanguage::French ? "fr" : "en");
        return 0;
    }
    // The settings writer that the durability test kills.
    if (argc == 4 && std::strcmp(argv[1], "--write-settings") == 0)
        return RunSettingsWriter(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    const bool oneGroup = argc > 1 && argv[1][0] != '-';
    const QString group = oneGroup ? QString::fromLocal8Bit(argv[1]) : QString();
    // The help window is checked on a screen smaller than itself; set as a user sets it.
    if (group == QLatin1String("Help"))
        qputenv("QT_SCALE_FACTOR", "2");
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
