#include "settingsplace.h"

#include "inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kSettingsName = QStringLiteral("squadrant.INI");
const QString kHelpName = QStringLiteral("SQDX.HLP");

QString findInPackage(const QString& executablePath, const QString& name)
{
    const QString beside = QFileInfo(executablePath).absolutePath() + QLatin1Char('/') + name;
    if (QFileInfo(beside).isFile())
        return beside;
    for (const QString& folder :
         packageDataFolders(executablePath, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)))
        if (QFileInfo(folder + QLatin1Char('/') + name).isFile())
            return folder + QLatin1Char('/') + name;
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
