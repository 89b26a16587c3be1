#include "ziplist.h"

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
