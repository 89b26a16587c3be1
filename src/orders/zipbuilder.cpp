#include "zipbuilder.h"

#include "base/textfile.h"
#include "ziplist.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace {
QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}
} // namespace

TZipBuilder::Result TZipBuilder::Add()
{
    const QStringList files = FSpecArgs;
    FSpecArgs.clear();
    Result result;
    if (!m_loaded)
        Load_Zip_Dll();

    const QString archive = bareFileName(ZipFileName);
    if (const auto same = sameBareName(files)) {
        result.error = QStringLiteral("%1 was not created: \"%2\" and \"%3\" have the same name, and the archive "
                                      "can hold only one of them. Take one of them off the list, or rename it.")
                           .arg(archive, same->first, same->second);
        return result;
    }
    for (const QString& path : files) {
        QFile f(path);
        if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly)) {
            result.error =
                QStringLiteral("%1 was not created: the listed file \"%2\" cannot be read (%3).")
                    .arg(archive, path, QFileInfo(path).isDir() ? QStringLiteral("it is a folder") : f.errorString());
            return result;
        }
    }
    if (QFileInfo(ZipFileName).isDir()) {
        result.error = QStringLiteral("%1 was not created: a folder of that name is in the way.").arg(archive);
        return result;
    }

    int code = 0;
    const QByteArray archivePath = QFile::encodeName(ZipFileName);
    zip_t* za = zip_open(archivePath.constData(), ZIP_CREATE, &code);
    if (!za) {
        result.error = QStringLiteral("%1 was not created: %2.").arg(archive, zipErrorText(code));
        return result;
    }
    for (const QString& path : files) {
        const QByteArray source = QFile::encodeName(path);
        zip_source_t* src = zip_source_file(za, source.constData(), 0, -1);
        const QByteArray entry = bareFileName(path).toUtf8();
        const zip_int64_t index =
            src ? zip_file_add(za, entry.constData(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_GUESS) : -1;
        if (index < 0) {
            result.error = QStringLiteral("%1 was not created: \"%2\" could not be added (%3).")
                               .arg(archive, path, QString::fromLocal8Bit(zip_strerror(za)));
            if (src)
                zip_source_free(src);
            zip_discard(za);
            return result;
        }
        zip_set_file_compression(za, zip_uint64_t(index), ZIP_CM_DEFLATE, 9);
        ++result.added;
    }
    if (zip_close(za) != 0) {
        result.error = QStringLiteral("%1 was not created: %2.").arg(archive, QString::fromLocal8Bit(zip_strerror(za)));
        zip_discard(za);
        result.added = 0;
        return result;
    }
    result.ok = true;
    return result;
}
