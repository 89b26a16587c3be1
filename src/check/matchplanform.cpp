#include "matchplanform.h"
#include "matchplanview.h"
#include "orderreading.h"
#include "orderscheck.h"

#include "app/sqmainform.h"
#include "tactics/encodings.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
enum LineKind { EventLine, SegmentLine, UnreadLine };
constexpr int KindRole = Qt::UserRole;
constexpr int IndexRole = Qt::UserRole + 1;
} // namespace

TMatchPlanForm::TMatchPlanForm(TSQMainForm* main)
    : QWidget(main, Qt::Window)
    , m_main(main)
{
    setObjectName(QStringLiteral("MatchPlanForm"));
    setWindowTitle(QStringLiteral("Match Plan"));
    resize(760, 640);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* scoreLabel = new QLabel(QStringLiteral("&Score held all match:"), this);
    top->addWidget(scoreLabel);
    ScoreBox = new QComboBox(this);
    ScoreBox->setObjectName(QStringLiteral("ScoreBox"));
    for (int g = -3; g <= 3; ++g)
        ScoreBox->addItem(scoreName(g), g);
    ScoreBox->setCurrentIndex(3);
    scoreLabel->setBuddy(ScoreBox);
    top->addWidget(ScoreBox);
    top->addStretch(1);
    layout->addLayout(top);

    PlanView = new MatchPlanView(this);
    layout->addWidget(PlanView, 3);
    PlanView->setEventWords([this](const PlanEvent& e) -> QString {
        // The grid's hint of the one conditional: the cell with only that conditional kept.
        const SquadTable table = m_main->squadTable();
        const ConditionalsCell cell = readConditionalsCell(table.value(e.row).value(ColConditionals));
        std::array<Conditional, 3> kept;
        const CellConditional& c = cell.conditionals[e.conditional];
        kept[e.conditional] = {c.first, c.second, c.action, c.position};
        const QStringList words =
            describeConditionalsCell(encodeConditionalsCell(QString(), QString(), kept[0], kept[1], kept[2]), table);
        return e.player + QLatin1Char('\n') + words.join(QLatin1Char('\n'));
    });

    PlanEventsList = new QListWidget(this);
    PlanEventsList->setObjectName(QStringLiteral("PlanEventsList"));
    PlanEventsList->setWordWrap(true); // an unread order's reason is read whole
    PlanEventsList->setAccessibleName(QStringLiteral("What happens at the chosen score"));
    layout->addWidget(PlanEventsList, 1);

    auto* buttons = new QHBoxLayout;
    auto* hint = new QLabel(
        QStringLiteral("Click a marker, or press Enter on a line, to go to its conditional or to Team Tactics."), this);
    hint->setWordWrap(true);
    buttons->addWidget(hint, 1);
    SavePlanBtn = new QPushButton(QStringLiteral("Save Picture..."), this);
    SavePlanBtn->setObjectName(QStringLiteral("SavePlanBtn"));
    buttons->addWidget(SavePlanBtn);
    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    buttons->addWidget(CloseBtn);
    layout->addLayout(buttons);
    setTabOrder(ScoreBox, PlanEventsList);
    setTabOrder(PlanEventsList, SavePlanBtn);
    setTabOrder(SavePlanBtn, CloseBtn);

    connect(ScoreBox, &QComboBox::currentIndexChanged, this, [this] { ScoreBoxChange(); });
    connect(PlanEventsList, &QListWidget::activated, this,
            [this](const QModelIndex& index) { PlanEventsListActivated(index.row()); });
    connect(PlanView, &MatchPlanView::eventClicked, this, [this](int g, int index) { goToEvent(g, index); });
    connect(PlanView, &MatchPlanView::segmentClicked, this, [this] { openTeamTactics(); });
    connect(SavePlanBtn, &QPushButton::clicked, this, [this] { m_main->guard([this] { SavePlanBtnClick(); }); });
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(main, &TSQMainForm::commandDone, this, [this] {
        if (isVisible())
            refresh();
    });
}

int TMatchPlanForm::chosenScore() const
{
    return ScoreBox->currentIndex() - 3;
}

void TMatchPlanForm::refresh()
{
    m_plan = m_main->matchPlan();
    m_presets = strategyPresets(*m_main->IniFile, m_main->isMswl(), MissingPresets::Skip);
    PlanView->setPlan(m_plan, m_presets, m_main->TacticChanges);
    const QString team = m_main->TeamNameLabel->text();
    const QString match =
        m_main->MatchNoComboBox->currentIndex() >= 0 ? m_main->MatchNoComboBox->currentText() : QString();
    PlanView->setHeading(match.isEmpty() ? team : team + QStringLiteral(", match ") + match);
    PlanView->setChosenScore(chosenScore());
    fillList();
}

void TMatchPlanForm::fillList()
{
    const int row = PlanEventsList->currentRow();
    const QString keep = PlanEventsList->currentItem() ? PlanEventsList->currentItem()->text() : QString();
    PlanEventsList->clear();
    const ScorePlan& score = m_plan.at(chosenScore());
    auto add = [this](const QString& text, LineKind kind, int index, bool grey) {
        auto* item = new QListWidgetItem(text, PlanEventsList);
        item->setData(KindRole, int(kind));
        item->setData(IndexRole, index);
        if (grey)
            item->setForeground(QColor(110, 110, 110));
    };
    for (qsizetype i = 0; i < score.events.size(); ++i)
        add(eventText(score.events.at(i)), EventLine, int(i), !score.events.at(i).happens);
    for (qsizetype i = 0; i < score.segments.size(); ++i)
        add(segmentText(score.segments.at(i), m_presets), SegmentLine, int(i), false);
    for (qsizetype i = 0; i < m_plan.unread.size(); ++i)
        add(unreadText(m_plan.unread.at(i)), UnreadLine, int(i), true);
    if (PlanEventsList->count() == 0)
        return;
    const QList<QListWidgetItem*> same =
        keep.isEmpty() ? QList<QListWidgetItem*>() : PlanEventsList->findItems(keep, Qt::MatchExactly);
    if (!same.isEmpty())
        PlanEventsList->setCurrentItem(same.first());
    else if (row >= 0)
        PlanEventsList->setCurrentRow(std::min(row, PlanEventsList->count() - 1));
}

void TMatchPlanForm::ScoreBoxChange()
{
    PlanView->setChosenScore(chosenScore());
    PlanEventsList->setCurrentRow(-1);
    fillList();
}

void TMatchPlanForm::PlanEventsListActivated(int row)
{
    const QListWidgetItem* item = PlanEventsList->item(row);
    if (!item)
        return;
    const int index = item->data(IndexRole).toInt();
    switch (LineKind(item->data(KindRole).toInt())) {
    case EventLine: goToEvent(chosenScore(), index); break;
    case SegmentLine: openTeamTactics(); break;
    case UnreadLine: {
        const UnreadOrder unread = m_plan.unread.value(index);
        if (unread.row) {
            Finding at;
            at.target = FindingTarget::GridCell;
            at.row = unread.row;
            at.column = ColConditionals;
            m_main->guard([this, at] { m_main->goToFinding(at); });
        } else {
            openTeamTactics();
        }
        break;
    }
    }
}

void TMatchPlanForm::goToEvent(int goalDifference, int index)
{
    const ScorePlan& score = m_plan.at(goalDifference);
    if (index < 0 || index >= score.events.size())
        return;
    Finding at;
    at.target = FindingTarget::GridCell;
    at.row = score.events.at(index).row;
    at.column = ColConditionals;
    m_main->guard([this, at] { m_main->goToFinding(at); }); // the plan is read again once the command has run
}

void TMatchPlanForm::openTeamTactics()
{
    m_main->guard([this] { m_main->MatchTacBtnClick(); });
}

void TMatchPlanForm::SavePlanBtnClick()
{
    QString suggested = m_main->lineupPath();
    if (suggested.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        suggested.chop(4);
    suggested += QStringLiteral("Plan.png");
    const QString path =
        FileDialog::saveFileName(this, QStringLiteral("Save Picture"), QStringLiteral("PNG pictures|*.png"), suggested);
    if (path.isEmpty())
        return;
    QImage picture(PlanView->size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&picture);
        PlanView->paintChart(painter, picture.size());
    }
    // Written whole or not at all: a file of that name stays as it was when the picture cannot be written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        const QString why = file.errorString();
        file.cancelWriting();
        MessageBox::error(this, QStringLiteral("The picture could not be saved as %1 (%2). Choose a folder you can "
                                               "write to, or another name.")
                                    .arg(QDir::toNativeSeparators(path), why));
    }
}
