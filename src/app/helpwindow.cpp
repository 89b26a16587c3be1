#include "helpwindow.h"

#include "sqmainform.h"
#include "widgets/placement.h"

#include "widgets/messagebox.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPointer<THelpWindow>& theWindow()
{
    static QPointer<THelpWindow> window;
    return window;
}

QToolButton* navigationButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint,
                              const QKeySequence& key)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    button->setShortcut(key);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}
} // namespace

THelpWindow::THelpWindow(const QString& helpFile)
    : QWidget(nullptr, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Squadrant Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Wide enough for the code tables to keep each row on one line.
    setMinimumWidth(MinimumWidth);
    resize(720, 600);
    // Escape closes the help, as it leaves every dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("HelpCloseKey"));
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    m_back = navigationButton(this, QStringLiteral("HelpBackButton"), QStringLiteral("&Back"),
                              QStringLiteral("The page before"), QKeySequence::Back);
    m_forward = navigationButton(this, QStringLiteral("HelpForwardButton"), QStringLiteral("&Forward"),
                                 QStringLiteral("The page after"), QKeySequence::Forward);
    m_contents = navigationButton(this, QStringLiteral("HelpContentsButton"), QStringLiteral("&Contents"),
                                  QStringLiteral("The contents"), QKeySequence(Qt::ALT | Qt::Key_Home));
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 4, 4, 0);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_contents);
    buttons->addStretch(1);

    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setSearchPaths({QFileInfo(helpFile).absolutePath()});
    m_browser->setOpenExternalLinks(true);
    m_source = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
    QUrl contents = m_source;
    contents.setFragment(QStringLiteral("contents"));
    m_browser->setSource(contents, QTextDocument::HtmlResource);
    m_browser->clearHistory();
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QToolButton::clicked, this, &THelpWindow::showContentsPage);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

void THelpWindow::showContentsPage()
{
    QUrl contents = m_source;
    contents.setFragment(QStringLiteral("contents"));
    if (m_browser->source() != contents)
        m_browser->setSource(contents, QTextDocument::HtmlResource);
}

THelpWindow* THelpWindow::instance()
{
    return theWindow().data();
}

THelpWindow* THelpWindow::showContents(QWidget* beside, const QString& helpFile)
{
    THelpWindow* window = theWindow().data();
    if (!window || !window->isVisible()) { // none, or one closed and about to go
        QFile file(helpFile);
        if (!file.open(QIODevice::ReadOnly)) {
            MessageBox::error(beside, QStringLiteral("The help file \"%1\" cannot be opened (%2). It belongs beside "
                                                     "the program; reinstall Squadrant to get it back.")
                                          .arg(QFileInfo(helpFile).fileName(), file.errorString()));
            return nullptr;
        }
        file.close();
        window = new THelpWindow(helpFile);
        theWindow() = window;
        if (beside)
            window->placeBeside(beside);
    }
    window->showContentsPage();
    window->showNormal();
    window->raise();
    window->activateWindow();
    return window;
}

void THelpWindow::placeBeside(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame the window manager will add is not known before the window is shown: allow for one.
    const QSize frame(16, 32);
    QList<QRect> keepClear;
    if (auto* main = qobject_cast<TSQMainForm*>(window))
        keepClear = main->sideWindowKeepClear();
    const QRect area = screen->availableGeometry();
    const QRect at = placeSideWindow(window->frameGeometry(), size() + frame, area, keepClear,
                                     minimumSizeHint().expandedTo(QSize(MinimumWidth, 160)) + frame);
    resize(at.size() - frame);
    move(at.topLeft());
}
