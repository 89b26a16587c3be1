// Helpers shared by every test: files as bytes, samples and fixtures.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

// Lines joined with CR LF after each, as the league's files hold them.
inline QByteArray crlf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

inline QString sample(const QString& name)
{
    return QStringLiteral(SAMPLES_DIR "/") + name;
}

inline QString fixture(const QString& name)
{
    return QStringLiteral(FIXTURES_DIR "/") + name;
}
