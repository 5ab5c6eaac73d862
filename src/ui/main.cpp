#include "CommandLine.h"
#include "QuindorApp.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    if (const auto status = HandleEarlyOptions(argc, argv, std::cout))
        return *status;
    QApplication app(argc, argv);
    if (const auto status = RefuseLeftoverArguments(argc, argv, std::cerr))
        return *status;
    QApplication::setApplicationName(QStringLiteral("Quindor"));
    QApplication::setOrganizationName(QStringLiteral("Velmont"));
    QApplication::setApplicationVersion(QStringLiteral(QUINDOR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.velmont.Quindor"));
    CQuindorApp quindor;
    if (!quindor.InitInstance())
        return 1;
    return QApplication::exec();
}
