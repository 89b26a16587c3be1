#include "helpwindow.h"

#include "widgets/messagebox.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(const QString& html, const QString& folder, QWidget* parent)
    : QDialog(parent)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Squadrant Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 560);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setSearchPaths({folder});
    m_browser->setOpenExternalLinks(true);
    m_browser->setHtml(html);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

void THelpWindow::showContents(QWidget* parent, const QString& helpFile)
{
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox::error(parent, QStringLiteral("The help file \"%1\" cannot be opened (%2). It belongs beside the "
                                                 "program; reinstall Squadrant to get it back.")
                                      .arg(QFileInfo(helpFile).fileName(), file.errorString()));
        return;
    }
    auto* window = new THelpWindow(QString::fromUtf8(file.readAll()), QFileInfo(helpFile).absolutePath(), parent);
    window->show();
}
