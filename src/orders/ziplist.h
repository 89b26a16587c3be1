// Plain rules of the list of a session's order files.
#pragma once

#include <QStringList>

// Where a path goes in a list kept in alphabetical order ignoring case (after any equal entries).
qsizetype sortedInsertPosition(const QStringList& list, const QString& path);

// Reduces every run of neighbouring entries that are exactly equal to one entry, in repeated passes.
QStringList tidyZipList(QStringList list);
