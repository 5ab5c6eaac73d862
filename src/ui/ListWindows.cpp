#include "ListWindows.h"

#include "Language.h"
#include "TextBridge.h"

#include "gedcom/GedcomFix.h"
#include "text/StringTable.h"

#include <QAbstractItemView>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>

QString GroupedCount(std::int64_t count) {
    const QLocale locale = UiLanguage() == ETextLanguage::French
                               ? QLocale(QLocale::French, QLocale::France)
                               : QLocale(QLocale::English, QLocale::UnitedStates);
    return locale.toString(static_cast<qint64>(count));
}

std::string LocalName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FileSentence(int id, const QString& file, std::int64_t line) {
    return FromCp1252(FormatResString(id, {"%1", std::to_string(line)})).arg(file) +
           QLatin1Char('.');
}

bool TakeEnter(QWidget* focus, const QKeyEvent* event) {
    if ((event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (auto* button = qobject_cast<QPushButton*>(focus); button && button->isEnabled())
        button->click();
    return true;
}

QModelIndexList SelectedRowsInOrder(const QAbstractItemView* view) {
    QModelIndexList rows = view->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return rows;
}

void SetUpProgress(QProgressDialog& progress, const QString& objectName, const QString& title,
                   int minimumMs) {
    progress.setObjectName(objectName);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(minimumMs);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
}

bool WriteRows(CAtomicFile& file, std::string text, std::size_t rows,
               const std::function<void(std::string&, std::size_t)>& appendRow) {
    for (std::size_t row = 0; row < rows; ++row) {
        appendRow(text, row);
        if (text.size() >= (1u << 16)) {
            file.Stream().write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    }
    file.Stream().write(text.data(), static_cast<std::streamsize>(text.size()));
    return file.Commit();
}
