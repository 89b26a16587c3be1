// Plain rules of the list of a session's order files.
#pragma once

#include <QStringList>
#include <optional>
#include <utility>

// Where a path goes in a list kept in alphabetical order ignoring case (after any equal entries).
qsizetype sortedInsertPosition(const QStringList& list, const QString& path);

// Reduces every run of neighbouring entries that are exactly equal to one entry, in repeated passes.
QStringList tidyZipList(QStringList list);

// The first two listed paths that are different files under the same bare name, which an archive can hold
// only once (letter case ignored, as the machines that unpack the league's archives read names); nothing
// when every bare name is listed once. A path listed twice is one file, not two.
std::optional<std::pair<QString, QString>> sameBareName(const QStringList& list);
