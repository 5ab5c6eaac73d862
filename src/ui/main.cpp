#include "QuindorApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quindor"));
    QApplication::setOrganizationName(QStringLiteral("Velmont"));
    QApplication::setApplicationVersion(QStringLiteral(QUINDOR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quindor"));
    CQuindorApp quindor;
    if (!quindor.InitInstance())
        return 1;
    return QApplication::exec();
}
