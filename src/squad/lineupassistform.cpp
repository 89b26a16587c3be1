#include "lineupassistform.h"

#include "app/sqmainform.h"
#include "base/errors.h"
#include "settings/Changeseasonlengthunit.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TLineupAssistForm::TLineupAssistForm(TSQMainForm* main)
    : QDialog(main)
    , m_main(main)
    , m_table(main->squadTable())
{
    styleDialog(this, QStringLiteral("LineupAssistForm"), QStringLiteral("Lineup Assistant"), {700, 420});
    placeText(QStringLiteral("&Formation"), this, 12, 14, QStringLiteral("FormationLabel"));
    FormationBox = placeList(this, QStringLiteral("FormationBox"), QRect(80, 10, 150, 22));
    FormationBox->addItem(QStringLiteral("Best"));
    m_formations = legalFormations(main->isMswl());
    for (const Formation& f : m_formations)
        FormationBox->addItem(formationName(f));
    FormationBox->setCurrentIndex(0);
    KeepPlacedCheck = place(new QCheckBox(QStringLiteral("Keep the players already placed"), this),
                            QStringLiteral("KeepPlacedCheck"), QRect(12, 40, 230, 20));
    KeepPlacedCheck->setChecked(true);
    FillSubsCheck = place(new QCheckBox(QStringLiteral("Fill the empty substitute slots"), this),
                          QStringLiteral("FillSubsCheck"), QRect(12, 62, 230, 20));
    FillSubsCheck->setChecked(true);
    placeText(QStringLiteral("&Leave out (injured, suspended, resting)"), this, 12, 88,
              QStringLiteral("LeaveOutLabel"));
    LeaveOutList = place(new QListWidget(this), QStringLiteral("LeaveOutList"), QRect(12, 106, 230, 260));
    for (int j = 1; j < m_table.size(); ++j) {
        if (m_table.at(j).at(ColName).isEmpty())
            continue;
        // The roster position and SL beside the name, so the manager sees whom he leaves out.
        const QStringList& row = m_table.at(j);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1  %2  %3").arg(row.at(ColName), row.at(ColPos), row.at(ColSL)), LeaveOutList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        m_rows.append(j);
    }
    placeText(QStringLiteral("Proposed line-up"), this, 254, 14, QStringLiteral("AssistResultLabel"));
    AssistResultList = place(new QListWidget(this), QStringLiteral("AssistResultList"), QRect(254, 32, 434, 334));
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSizeF(font().pointSizeF() * 0.9);
    AssistResultList->setFont(mono);
    AssistApplyBtn = place(new QPushButton(QStringLiteral("Apply"), this), QStringLiteral("AssistApplyBtn"),
                           QRect(506, 378, 86, 28));
    AssistApplyBtn->setDefault(true);
    AssistCancelBtn = place(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("AssistCancelBtn"),
                            QRect(602, 378, 86, 28));
    AssistCancelBtn->setAutoDefault(false);
    // What the manager chose last time, while the same roster stays loaded.
    QStringList squad;
    for (const QStringList& row : m_table)
        squad.append(row.at(ColName));
    if (const auto& last = main->LastAssistChoices; last && last->squad == squad) {
        const int f = FormationBox->findText(last->formation);
        FormationBox->setCurrentIndex(f >= 0 ? f : 0);
        KeepPlacedCheck->setChecked(last->keepPlaced);
        FillSubsCheck->setChecked(last->fillSubs);
        for (int i = 0; i < m_rows.size(); ++i)
            if (last->leftOutRows.contains(m_rows.at(i)))
                LeaveOutList->item(i)->setCheckState(Qt::Checked);
    }
    if (auto* label = findChild<QLabel*>(QStringLiteral("FormationLabel")))
        label->setBuddy(FormationBox);
    if (auto* label = findChild<QLabel*>(QStringLiteral("LeaveOutLabel")))
        label->setBuddy(LeaveOutList);

    connect(FormationBox, &QComboBox::currentIndexChanged, this, &TLineupAssistForm::updateProposal);
    connect(KeepPlacedCheck, &QCheckBox::toggled, this, &TLineupAssistForm::updateProposal);
    connect(FillSubsCheck, &QCheckBox::toggled, this, &TLineupAssistForm::updateProposal);
    connect(LeaveOutList, &QListWidget::itemChanged, this, &TLineupAssistForm::updateProposal);
    connect(AssistApplyBtn, &QPushButton::clicked, this, &TLineupAssistForm::AssistApplyBtnClick);
    connect(AssistCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    updateProposal();
}

void TLineupAssistForm::updateProposal()
{
    AssistOptions options;
    options.mswl = m_main->isMswl();
    options.teamTactic = m_main->TeamTactic;
    const int f = FormationBox->currentIndex();
    if (f > 0)
        options.formation = m_formations.at(f - 1);
    options.keepPlaced = KeepPlacedCheck->isChecked();
    options.fillSubs = FillSubsCheck->isChecked();
    for (int i = 0; i < LeaveOutList->count(); ++i)
        if (LeaveOutList->item(i)->checkState() == Qt::Checked)
            options.leftOut.append(m_rows.at(i));
    try {
        m_result = suggestLineup(m_table, options);
    } catch (const SquadError& e) {
        m_result = AssistResult();
        m_result.reason = e.message();
    }
    AssistResultList->clear();
    AssistResultList->addItems(describeSuggestion(m_result));
    AssistApplyBtn->setEnabled(m_result.found);
}

void TLineupAssistForm::done(int result)
{
    TSQMainForm::AssistChoices choices;
    choices.formation = FormationBox->currentText();
    choices.keepPlaced = KeepPlacedCheck->isChecked();
    choices.fillSubs = FillSubsCheck->isChecked();
    for (int i = 0; i < LeaveOutList->count(); ++i)
        if (LeaveOutList->item(i)->checkState() == Qt::Checked)
            choices.leftOutRows.append(m_rows.at(i));
    for (const QStringList& row : m_table)
        choices.squad.append(row.at(ColName));
    m_main->LastAssistChoices = choices;
    QDialog::done(result);
}

void TLineupAssistForm::AssistApplyBtnClick()
{
    if (!m_result.found)
        return;
    m_main->setSquadTable(m_result.table);
    accept();
}
