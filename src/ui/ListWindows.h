// What the windows that list a file's lines share: counts in the window's
// language, file names for the system, a file's sentence, Enter, the
// progress of a long read, and a CSV written whole or not at all.
#pragma once

#include <QModelIndexList>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class QAbstractItemView;
class QKeyEvent;
class QProgressDialog;
class QWidget;
class CAtomicFile;

// Counts with the group separator of the window's language ("4,765", "4 765").
QString GroupedCount(std::int64_t count);

// The path as the system's file functions take it.
std::string LocalName(const QString& path);

// A file's sentence from the core's table, which quindor-cli writes too,
// with the window's final period. The name goes in last, as Qt text: it
// may hold what the code page cannot.
QString FileSentence(int id, const QString& file, std::int64_t line = 0);

// Enter never closes a list: on a focused button it presses that button,
// elsewhere nothing (the list's own activation shows a day). False for
// any other key, which the dialog handles as usual.
bool TakeEnter(QWidget* focus, const QKeyEvent* event);

// The rows selected in the view, top to bottom.
QModelIndexList SelectedRowsInOrder(const QAbstractItemView* view);

// A window-modal progress that shows after minimumMs and stays until closed.
void SetUpProgress(QProgressDialog& progress, const QString& objectName, const QString& title,
                   int minimumMs);

// Writes text (the header), then each of the rows appendRow adds, in chunks,
// and commits the file; false when it could not be written whole.
bool WriteRows(CAtomicFile& file, std::string text, std::size_t rows,
               const std::function<void(std::string&, std::size_t)>& appendRow);
