// Reading an archive back with libzip, to check what the orders archive holds.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <zip.h>

struct ZipEntry {
    QByteArray content;
    int method = -1;
};

inline QMap<QString, ZipEntry> readZip(const QString& path)
{
    QMap<QString, ZipEntry> entries;
    int error = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!za)
        return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(za, zip_uint64_t(i), 0, &st);
        ZipEntry e;
        e.method = st.comp_method;
        e.content.resize(qsizetype(st.size));
        zip_file_t* f = zip_fopen_index(za, zip_uint64_t(i), 0);
        if (f) {
            zip_fread(f, e.content.data(), st.size);
            zip_fclose(f);
        }
        entries.insert(QString::fromUtf8(st.name), e);
    }
    zip_close(za);
    return entries;
}
