// The main window's session orders: bids, press statement and the orders archive.
#include "Enterbidunit.h"
#include "app/sqmainform.h"
#include "base/errors.h"
#include "base/textfile.h"
#include "bids.h"
#include "lineup/filenames.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/placement.h"
#include "widgets/stringgrid.h"
#include "ziplist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
enum { ColLot, ColPrice, ColBidName };
// The largest file an orders archive sent by e-mail can sensibly carry: 25 MiB.
constexpr qint64 kLargestOrderFile = 25 * 1024 * 1024;

// The text box's text exactly as held: toPlainText() would turn a no-break space into a plain one, so the
// document's raw text is taken, with its paragraph and line separators as line breaks.
QString pressText(const QPlainTextEdit* memo)
{
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}
} // namespace

bool TSQMainForm::checkOrdersReady()
{
    if (!rosterLoaded()) {
        MessageBox::warning(this, QStringLiteral("No Roster File open! File not saved"), {MessageBox::Cancel});
        return false;
    }
    if (SessionNoComboBox->currentIndex() < 0) {
        MessageBox::warning(this, QStringLiteral("Session number not specified. File not saved"), {MessageBox::Cancel});
        return false;
    }
    return true;
}

QString TSQMainForm::orderFilePath(const QString& suffix) const
{
    return inWorkDir(WorkDir, orderFileName(AbbLabel->text(), SessionNoComboBox->currentText(), suffix));
}

QStringList TSQMainForm::zipList() const
{
    QStringList list;
    for (int i = 0; i < ZipListBox->count(); ++i)
        list.append(ZipListBox->item(i)->text());
    return list;
}

void TSQMainForm::addToZipList(const QString& path)
{
    ZipListBox->insertItem(int(sortedInsertPosition(zipList(), path)), path);
}

void TSQMainForm::AuctionStringGridMouseUp(const QPoint& pos)
{
    actOnAuctionCell(AuctionStringGrid->mapToGlobal(pos));
}

void TSQMainForm::AuctionStringGridKeyDown()
{
    const QRect cell = AuctionStringGrid->cellRect(AuctionStringGrid->currentColumn(), AuctionStringGrid->currentRow());
    actOnAuctionCell(AuctionStringGrid->mapToGlobal(cell.bottomLeft()));
}

void TSQMainForm::actOnAuctionCell(const QPoint& global)
{
    const int row = AuctionStringGrid->currentRow();
    if (!rosterLoaded() || row <= 0)
        return;
    switch (AuctionStringGrid->currentColumn()) {
    case ColLot: LOTPopup->popup(global); break;
    case ColPrice: {
        TEnterBidForm dialog(AuctionStringGrid->cellText(ColPrice, row), this);
        if (dialog.exec() == QDialog::Accepted)
            AuctionStringGrid->setCellText(ColPrice, row, dialog.amount());
        break;
    }
    case ColBidName: {
        QList<BidRow> rows;
        for (int r = 1; r <= 5; ++r)
            rows.append({AuctionStringGrid->cellText(ColLot, r), AuctionStringGrid->cellText(ColPrice, r),
                         AuctionStringGrid->cellText(ColBidName, r)});
        BidPlayerName = proposeBidName(rows, row - 1);
        TBidNameDlg dialog(BidPlayerName, this);
        if (dialog.exec() == QDialog::Accepted)
            AuctionStringGrid->setCellText(ColBidName, row, dialog.name());
        break;
    }
    default: break;
    }
}

void TSQMainForm::LotPopupClick(QAction* item)
{
    const int row = AuctionStringGrid->currentRow();
    if (row > 0)
        AuctionStringGrid->setCellText(ColLot, row, item->data().toString());
}

void TSQMainForm::SaveBidsBtnClick()
{
    if (!checkOrdersReady())
        return;
    QList<BidRow> rows;
    for (int r = 1; r <= 5; ++r)
        rows.append({AuctionStringGrid->cellText(ColLot, r), AuctionStringGrid->cellText(ColPrice, r),
                     AuctionStringGrid->cellText(ColBidName, r)});
    if (hasNonUniqueNames(rows)) {
        MessageBox::warning(this, QStringLiteral("Non Unique Names?"), {MessageBox::Retry});
        return;
    }
    const QStringList lines = buildBidsLines(rows, AutoSortCheckBox->isChecked());
    checkTeamFileName();
    const QString path = orderFilePath(QStringLiteral("Bids.txt"));
    check8BitText(lines, path);
    if (QFileInfo::exists(path) && !MessageBox::confirm(this, QStringLiteral("File exits. Replace it?"))) {
        MessageBox::plain(this, QStringLiteral("Bids not saved"));
        return;
    }
    writeTextLines(path, lines);
    addToZipList(path);
    MessageBox::plain(this, bareFileName(path) + QStringLiteral(" has been created"), QStringLiteral("Bids Saved"));
}

void TSQMainForm::AuctionBidsHowBtnClick()
{
    MessageBox::show(this, MessageBox::Question, QString(),
                     QStringLiteral("First select the cells by clicking in them with your mouse pointer,\n"
                                    " and enter the Lot, amount and player name information. When you have finished\n"
                                    " press the Save button to save them."),
                     {MessageBox::Ok});
}

void TSQMainForm::SavePressBtnClick()
{
    if (!checkOrdersReady())
        return;
    checkTeamFileName();
    const QString path = orderFilePath(QStringLiteral("Press.txt"));
    const QString text = pressText(PressMemo);
    check8BitText({text}, path);
    const bool existed = QFileInfo::exists(path);
    if (existed && !MessageBox::confirm(this, QStringLiteral("File exits. Replace it?"))) {
        MessageBox::plain(this, QStringLiteral("Press not saved"));
        return;
    }
    writeTextExactly(path, text);
    addToZipList(path);
    MessageBox::plain(
        this, bareFileName(path) + (existed ? QStringLiteral(" has been saved") : QStringLiteral(" has been created")),
        QStringLiteral("Press Saved"));
}

void TSQMainForm::PressHowBtnClick()
{
    MessageBox::plain(
        this,
        QStringLiteral("First enter your press by typing in the text box and then press the Save button to save it."),
        QStringLiteral("How do I enter Press?"));
}

void TSQMainForm::AddZipListBtnClick()
{
    OpenLineupDialog->Title = QStringLiteral("Add File to Orders to be Zipped");
    const QString path = OpenLineupDialog->execute(this);
    if (path.isEmpty())
        return;
    // Attachments such as a PDF or a picture are welcome; a file too big for an e-mail archive is not.
    const qint64 size = QFileInfo(path).size();
    if (size > kLargestOrderFile) {
        MessageBox::error(this, QStringLiteral("%1 was not added: it holds %2 MB, and an orders archive sent by "
                                               "e-mail can carry files of at most 25 MB.")
                                    .arg(bareFileName(path))
                                    .arg(double(size) / (1024 * 1024), 0, 'f', 1));
        return;
    }
    if (!zipList().contains(path, Qt::CaseSensitive))
        addToZipList(path);
}

void TSQMainForm::ZipListBoxDblClick()
{
    deleteListEntry(ZipListBox, ZipListBox->currentItem());
}

void TSQMainForm::ZipListBoxDeleteKey()
{
    deleteListEntry(ZipListBox, framedEntry(ZipListBox));
}

void TSQMainForm::tidyZipListBox()
{
    const QStringList before = zipList();
    const QStringList after = tidyZipList(before);
    if (after.size() == before.size())
        return;
    ZipListBox->clear();
    ZipListBox->addItems(after);
}

void TSQMainForm::ZipBtnClick()
{
    if (ZipListBox->count() == 0) {
        MessageBox::warning(this, QStringLiteral("No files to Zip!"), {MessageBox::Cancel});
        return;
    }
    if (!checkOrdersReady())
        return;
    checkTeamFileName();
    const QString path = orderFilePath(QStringLiteral(".zip"));
    ZipBuilder1.ZipFileName = path;
    ZipBuilder1.FSpecArgs = zipList();
    const TZipBuilder::Result result = ZipBuilder1.Add();
    if (!result.ok)
        throw FileError(result.error); // the list and any earlier archive stay as they were
    MessageBox::plain(this, bareFileName(path) + QStringLiteral(" has been created"), QStringLiteral("Orders Saved"));
    ZipListBox->clear();
}
