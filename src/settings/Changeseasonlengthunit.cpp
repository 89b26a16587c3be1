#include "Changeseasonlengthunit.h"

#include "app/sqmainform.h"
#include "base/wholenumber.h"
#include "inifile.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"

#include "widgets/placement.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

void styleDialog(QDialog* dialog, const QString& name, const QString& caption, QSize size)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(caption);
    dialog->setModal(true);
    dialog->setFixedSize(size);
    QPalette pal = dialog->palette();
    pal.setColor(QPalette::Window, QColor(192, 220, 192));
    dialog->setPalette(pal);
    dialog->setAutoFillBackground(true);
    QFont compact = dialog->font();
    compact.setPointSizeF(8);
    dialog->setFont(compact);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
}

TSeasonLengthForm::TSeasonLengthForm(TIniFile& ini, QWidget* parent)
    : QDialog(parent)
    , m_ini(ini)
{
    styleDialog(this, QStringLiteral("SeasonLengthForm"), QStringLiteral("Change Season Length"), {380, 170});
    placeText(QStringLiteral("Set the length of the season to"), this, 16, 18);
    MatchNumEdit = new QLineEdit(this);
    MatchNumEdit->setObjectName(QStringLiteral("MatchNumEdit"));
    MatchNumEdit->setMaxLength(2);
    MatchNumEdit->setGeometry(16, 44, 36, 24);
    placeText(QStringLiteral("matches and"), this, 58, 48);
    SessNumEdit = new QLineEdit(this);
    SessNumEdit->setObjectName(QStringLiteral("SessNumEdit"));
    SessNumEdit->setMaxLength(2);
    SessNumEdit->setGeometry(150, 44, 36, 24);
    placeText(QStringLiteral("sessions"), this, 192, 48);
    auto* note = new QLabel(QStringLiteral("This alters the value ranges used for Session and Match No."), this);
    note->setAlignment(Qt::AlignCenter);
    note->setGeometry(10, 80, 360, 30);
    DoneBtn = placeButton(QStringLiteral("DoneBtn"), QStringLiteral("Done"), this, {100, 122, 80, 28});
    BitBtnWithColor1 =
        placeButton(QStringLiteral("BitBtnWithColor1"), QStringLiteral("Cancel"), this, {200, 122, 80, 28});
    DoneBtn->setDefault(true);
    connect(DoneBtn, &QPushButton::clicked, this, [this] { runAsCommand([this] { DoneBtnClick(); }); });
    connect(BitBtnWithColor1, &QPushButton::clicked, this, &QDialog::reject);

    // FormCreate
    MatchNumEdit->setText(
        QString::number(m_ini.readNumber(QStringLiteral("SeasonLength"), QStringLiteral("Matches"), 30, 1, 99)));
    SessNumEdit->setText(
        QString::number(m_ini.readNumber(QStringLiteral("SeasonLength"), QStringLiteral("Sessions"), 10, 1, 99)));
}

void TSeasonLengthForm::DoneBtnClick()
{
    const auto matches = parseWholeNumber(MatchNumEdit->text());
    const auto sessions = parseWholeNumber(SessNumEdit->text());
    const auto valid = [](const std::optional<int>& n) { return n && *n >= 1 && *n <= 99; };
    if (!valid(matches) || !valid(sessions)) {
        MessageBox::plain(this, QStringLiteral("Choose numbers between 1 - 99"), QStringLiteral("Invalid Number"));
        return;
    }
    m_ini.writeInteger(QStringLiteral("SeasonLength"), QStringLiteral("Sessions"), *sessions);
    m_ini.writeInteger(QStringLiteral("SeasonLength"), QStringLiteral("Matches"), *matches);
    accept();
}

THBRangeDlg::THBRangeDlg(TIniFile& ini, QWidget* parent)
    : QDialog(parent)
    , m_ini(ini)
{
    styleDialog(this, QStringLiteral("HBRangeDlg"), QStringLiteral("Configure  Home Bonus Range"), {380, 200});
    placeText(QStringLiteral("Set the range for the Home Bonus to be"), this, 16, 16);
    placeText(QStringLiteral("from a minimum of"), this, 16, 46);
    placeText(QStringLiteral("to a maximum of"), this, 196, 46);
    auto spin = [this](const QString& name, int x) {
        auto* s = new QSpinBox(this);
        s->setObjectName(name);
        s->setRange(0, 99);
        s->setGeometry(x, 66, 60, 24);
        return s;
    };
    HBminEdit = spin(QStringLiteral("HBminEdit"), 16);
    HBmaxEdit = spin(QStringLiteral("HBmaxEdit"), 196);
    auto* note = new QLabel(QStringLiteral("This will set the Home Bonus range that SQDX uses.\n"
                                           "Ensure you know what range is used by your league."),
                            this);
    note->setGeometry(16, 100, 350, 40);
    BitBtnWithColor1 =
        placeButton(QStringLiteral("BitBtnWithColor1"), QStringLiteral("Done"), this, {100, 152, 80, 28});
    CancelBitBtn = placeButton(QStringLiteral("CancelBitBtn"), QStringLiteral("Cancel"), this, {200, 152, 80, 28});
    BitBtnWithColor1->setDefault(true);
    connect(BitBtnWithColor1, &QPushButton::clicked, this, [this] { runAsCommand([this] { DoneBtnClick(); }); });
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);

    HBminEdit->setValue(m_ini.readNumber(QStringLiteral("HomeBonus"), QStringLiteral("Min"), 3, 0, 99));
    HBmaxEdit->setValue(m_ini.readNumber(QStringLiteral("HomeBonus"), QStringLiteral("Max"), 8, 0, 99));
}

void THBRangeDlg::DoneBtnClick()
{
    m_ini.writeInteger(QStringLiteral("HomeBonus"), QStringLiteral("Min"), HBminEdit->value());
    m_ini.writeInteger(QStringLiteral("HomeBonus"), QStringLiteral("Max"), HBmaxEdit->value());
    accept();
}

TWorkDirDlg::TWorkDirDlg(TIniFile& ini, QWidget* parent)
    : QDialog(parent)
{
    styleDialog(this, QStringLiteral("WorkDirDlg"), QStringLiteral("Change Working Directoy"), {420, 170});
    placeText(QStringLiteral("Set the directory where files are\n'opened from' and 'saved to' to:"), this, 16, 14);
    DirectoryEdit1 = new QLineEdit(this);
    DirectoryEdit1->setObjectName(QStringLiteral("DirectoryEdit1"));
    DirectoryEdit1->setGeometry(16, 60, 350, 24);
    BrowseBtn = placeButton(QStringLiteral("BrowseBtn"), QStringLiteral("..."), this, {370, 60, 32, 24});
    connect(BrowseBtn, &QPushButton::clicked, this, [this] {
        const QString folder =
            FileDialog::chooseFolder(this, QStringLiteral("Select Directory"), DirectoryEdit1->text());
        if (!folder.isEmpty())
            DirectoryEdit1->setText(folder);
    });
    OKBtn = placeButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), this, {120, 118, 80, 28});
    CancelBtn = placeButton(QStringLiteral("CancelBtn"), QStringLiteral("Cancel"), this, {220, 118, 80, 28});
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { runAsCommand([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    DirectoryEdit1->setText(ini.keyExists(QStringLiteral("Options"), QStringLiteral("WorkingDir"))
                                ? ini.readString(QStringLiteral("Options"), QStringLiteral("WorkingDir"), QString())
                                : QDir::homePath());
}

void TWorkDirDlg::OKBtnClick()
{
    // A folder shown as it was stored or as the chooser gave it is taken as it stands; only typing is checked.
    if (!DirectoryEdit1->isModified()) {
        accept();
        return;
    }
    const QString typed = DirectoryEdit1->text().trimmed();
    const QFileInfo folder(typed);
    if (typed.isEmpty() || !folder.isDir()) {
        MessageBox::plain(this,
                          (typed.isEmpty() ? QStringLiteral("No folder is given.")
                                           : QStringLiteral("\"%1\" is not a folder.").arg(typed)) +
                              QStringLiteral(" Type the path of an existing folder, or choose one with the "
                                             "\"...\" button."),
                          QStringLiteral("Change Working Directoy"));
        DirectoryEdit1->setFocus();
        DirectoryEdit1->selectAll();
        return;
    }
    // A relative path would follow wherever the program is started from: the folder is kept as it is now.
    DirectoryEdit1->setText(QDir::cleanPath(folder.absoluteFilePath()));
    accept();
}
