// Small file systems of a test's own, to make a folder read-only or full, or to lay one writable file over
// a read-only folder. Needs root (the tests are skipped with the reason otherwise).
#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <unistd.h>

class Mount {
public:
    explicit Mount(const QString& folder)
        : m_folder(folder)
    {
    }
    ~Mount()
    {
        for (auto it = m_binds.crbegin(); it != m_binds.crend(); ++it)
            QProcess::execute("umount", {*it});
        if (m_mounted)
            QProcess::execute("umount", {m_folder});
    }
    // A tmpfs on the folder, with the mount options given ("size=1m").
    bool mount(const QString& options)
    {
        if (geteuid() != 0) {
            m_why = "the tests do not run as root, so they cannot mount a small file system";
            return false;
        }
        m_mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", m_folder}) == 0;
        if (!m_mounted)
            m_why = "mount of a tmpfs was refused on this machine";
        return m_mounted;
    }
    bool remountReadOnly() { return QProcess::execute("mount", {"-o", "remount,ro", m_folder}) == 0; }
    // Lays the file source (outside the folder) over target (a file inside it), so that target may be written
    // while the folder, once read-only, takes no new file.
    bool bindFile(const QString& source, const QString& target)
    {
        if (QProcess::execute("mount", {"--bind", source, target}) != 0) {
            m_why = "a bind mount was refused on this machine";
            return false;
        }
        m_binds.append(target);
        return true;
    }
    QString why() const { return m_why; }

private:
    QString m_folder;
    QString m_why;
    QStringList m_binds;
    bool m_mounted = false;
};
