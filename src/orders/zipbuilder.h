// The zip engine of the orders archive, on libzip: every listed file under its bare name, deflated at level
// 9, added to an existing archive (an entry of the same name is replaced). The archive is written to a
// temporary file and replaces the old one only when everything succeeded, so a failure leaves it unchanged.
#pragma once

#include <QString>
#include <QStringList>

class TZipBuilder {
public:
    QString ZipFileName;
    QStringList FSpecArgs;

    // The engine is linked in, so loading always finds it; kept so the run reads as the manager's tool does.
    bool Load_Zip_Dll() { return m_loaded = true; }
    void Unload_Zip_Dll() { m_loaded = false; }

    struct Result {
        bool ok = false;
        int added = 0;
        QString error; // names the file and the reason when !ok
    };
    // Puts every file of FSpecArgs into ZipFileName; FSpecArgs is emptied afterwards, whatever happened. Writes
    // nothing when two listed files share a bare name (one would silently replace the other in the archive).
    Result Add();

private:
    bool m_loaded = false;
};
