#include "ziplist.h"

#include "base/textfile.h"

#include <QHash>
#include <algorithm>

qsizetype sortedInsertPosition(const QStringList& list, const QString& path)
{
    const auto it = std::upper_bound(list.begin(), list.end(), path, [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return it - list.begin();
}

QStringList tidyZipList(QStringList list)
{
    bool deleted = true;
    while (deleted) {
        deleted = false;
        for (qsizetype i = 1; i < list.size(); ++i) {
            if (list.at(i) == list.at(i - 1)) {
                list.removeAt(i - 1);
                deleted = true;
            }
        }
    }
    return list;
}

std::optional<std::pair<QString, QString>> sameBareName(const QStringList& list)
{
    QHash<QString, QString> byName; // bare name in lower case -> the first path listed under it
    for (const QString& path : list) {
        const QString key = bareFileName(path).toLower();
        const auto it = byName.constFind(key);
        if (it == byName.constEnd())
            byName.insert(key, path);
        else if (*it != path)
            return std::pair{*it, path};
    }
    return std::nullopt;
}
