#include "settingsplace.h"

#include "inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kSettingsName = QStringLiteral("squadrant.INI");
const QString kHelpName = QStringLiteral("SQDX.HLP");

// A file (or, with folder set, a folder) of the program's own: beside the executable, else in the package.
QString findInPackage(const QString& executablePath, const QString& name, bool folder = false)
{
    const auto there = [folder](const QString& path) {
        const QFileInfo info(path);
        return folder ? info.isDir() : info.isFile();
    };
    const QString beside = QFileInfo(executablePath).absolutePath() + QLatin1Char('/') + name;
    if (there(beside))
        return beside;
    for (const QString& data :
         packageDataFolders(executablePath, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)))
        if (there(data + QLatin1Char('/') + name))
            return data + QLatin1Char('/') + name;
    return QString();
}
} // namespace

QStringList packageDataFolders(const QString& executablePath, const QStringList& dataFolders)
{
    QStringList out{QDir::cleanPath(QFileInfo(executablePath).absolutePath() + QLatin1String("/../share/squadrant"))};
    for (const QString& folder : dataFolders) {
        const QString candidate = QDir::cleanPath(folder + QLatin1String("/squadrant"));
        if (!out.contains(candidate))
            out.append(candidate);
    }
    return out;
}

SettingsPlace locateSettingsFile(const QString& executablePath, const QString& configFolder,
                                 const QStringList& dataFolders)
{
    const QString beside = TIniFile::pathForExecutable(executablePath);
    const QFileInfo folder(QFileInfo(executablePath).absolutePath());
    if (QFileInfo(beside).isFile() && folder.isWritable())
        return {beside, true, {}};

    const QString own = QDir(configFolder).filePath(kSettingsName);
    if (QFileInfo(own).isFile())
        return {own, true, {}};

    QString shipped = QFileInfo(beside).isFile() ? beside : QString();
    for (const QString& data : packageDataFolders(executablePath, dataFolders)) {
        if (!shipped.isEmpty())
            break;
        if (QFileInfo(data + QLatin1Char('/') + kSettingsName).isFile())
            shipped = data + QLatin1Char('/') + kSettingsName;
    }
    if (shipped.isEmpty())
        return {beside, false, {}};

    // The first start of an installed copy: the user's own settings file begins as the shipped one.
    if (!QDir().mkpath(configFolder))
        return {shipped, true, QStringLiteral("Cannot create the folder \"%1\".").arg(configFolder)};
    QFile from(shipped);
    if (!from.copy(own))
        return {shipped, true,
                QStringLiteral("Cannot copy \"%1\" to \"%2\". %3").arg(shipped, own, from.errorString())};
    QFile::setPermissions(own, QFile::permissions(own) | QFile::ReadOwner | QFile::WriteOwner);
    return {own, true, {}};
}

SettingsPlace locateSettingsFile(const QString& executablePath)
{
    return locateSettingsFile(executablePath,
                              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                  QLatin1String("/squadrant"),
                              QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

QString locateHelpFile(const QString& executablePath)
{
    const QString found = findInPackage(executablePath, kHelpName);
    return found.isEmpty() ? QFileInfo(executablePath).absolutePath() + QLatin1Char('/') + kHelpName : found;
}

QString locateSamplesFolder(const QString& executablePath)
{
    return findInPackage(executablePath, QStringLiteral("samples"), true);
}
