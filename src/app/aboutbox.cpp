#include "aboutbox.h"

#include "widgets/titlestrip.h"
#include "widgets/widgets.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(372, 232);
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/hicolor/48x48/apps/squadrant.png")).pixmap(48, 48));
    icon->setGeometry(16, 16, 48, 48);

    auto* product = new TFadingLabel(QStringLiteral("Squadrant"), QColor(128, 0, 128), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont script(QStringLiteral("URW Chancery L"));
    script.setStyleHint(QFont::Cursive);
    script.setPixelSize(34);
    script.setBold(true);
    script.setItalic(true);
    product->setFont(script);
    product->setGeometry(80, 10, 280, 46);

    auto* version = new QLabel(QStringLiteral("Version 3.1.0"), this);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(82, 58, 200, 18);

    auto* comments = new QLabel(QStringLiteral("Squadrant writes a team's orders for a play-by-e-mail football "
                                               "league: line-ups, tactics, bids and press, packed for sending. "
                                               "Comments and ideas are welcome at:"),
                                this);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);
    comments->setGeometry(16, 86, 340, 64);

    auto* contact = new QLabel(this);
    contact->setObjectName(QStringLiteral("ContactLabel"));
    contact->setText(QStringLiteral("<a href=\"mailto:%1\" style=\"color: blue; text-decoration: underline;\">%1</a>")
                         .arg(contactAddress()));
    contact->setTextFormat(Qt::RichText);
    contact->setOpenExternalLinks(true);
    contact->setGeometry(16, 152, 340, 20);

    auto* licence = new QLabel(QStringLiteral("Free software: GNU General Public License v3 or later"), this);
    licence->setObjectName(QStringLiteral("LicenceLabel"));
    licence->setGeometry(16, 172, 340, 18);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setGeometry(148, 196, 76, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen rather than over the main window.
    centreOnScreen(this);
}

QString TAboutBox::contactAddress()
{
    return QStringLiteral("squadrant@example.org");
}
