// The settings file: an INI-layout text file beside the executable. Section and key names match without
// regard to case. Every read looks at the file as it is now and every write goes to the file at once,
// replacing the key's one line (or adding it, creating its section) and leaving every other line as it was.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TIniFile {
public:
    explicit TIniFile(QString path);

    const QString& fileName() const { return m_path; }

    // The settings file of an executable: its path with the extension replaced by ".INI".
    static QString pathForExecutable(const QString& executablePath);

    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A value that is not a whole number reads as the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // True when the value is a whole number other than 0; a value that is not a whole number is the default.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;
    bool keyExists(const QString& section, const QString& key) const;

    // Each write throws FileError when the file cannot be written; the file is then unchanged.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    // The same rules on lines in memory, so they can be used and tested without a file.
    static std::optional<QString> findValue(const QStringList& lines, const QString& section, const QString& key);
    static QStringList withValue(QStringList lines, const QString& section, const QString& key, const QString& value);

private:
    QStringList lines() const;
    QString m_path;
};
