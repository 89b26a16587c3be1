// TSQMainForm: the program's one main window. It owns every piece of state of the orders being prepared (the
// squad grid, the line-up options, the bids, the press text and the list of order files) and runs every
// command. The handlers of each subject are defined in that subject's folder.
#pragma once

#include "lineup/lineupfile.h"
#include "orders/zipbuilder.h"
#include "settings/inifile.h"
#include "squad/squadtable.h"
#include "squad/undohistory.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSizeGrip;
class QTabWidget;
class TTitleStrip;
class TOutlineBorder;
class TEdgeGrip;
class TStringGrid;
class QToolBar;
class QToolButton;
class TLed;
class TOpenDialog;
class TPitchView;
class TRotatedLabel;
class TOrdersCheckForm;
class TMatchPlanForm;
struct CheckResult;
struct Finding;
struct MatchPlan;

class TSQMainForm : public QMainWindow {
    Q_OBJECT
public:
    // iniPath is the settings file; the program passes the one beside its executable.
    explicit TSQMainForm(const QString& iniPath, QWidget* parent = nullptr);
    ~TSQMainForm() override;

    // True when the settings file was missing: the window must not be used and the program ends.
    bool startFailed() const { return m_startFailed; }
    // True when the manager asked for help in the missing-settings box.
    bool helpAsked() const { return m_helpAsked; }

    // Runs a command; an error it does not handle itself is shown in an error box and the program goes on.
    // When the outermost command has finished (whether or not it failed), commandDone is emitted.
    void guard(const std::function<void()>& command);

    // ---- fields ----
    std::unique_ptr<TIniFile> IniFile;
    bool TimeStepsOn = false;
    QStringList TacticChanges;
    QStringList OppPlayers;
    QString TeamTactic;
    QString WorkDir;
    QString BidPlayerName;
    TZipBuilder ZipBuilder1;

    // ---- the window's own frame ----
    TTitleStrip* TitleStrip;
    QSizeGrip* SizeGrip;
    TEdgeGrip *LeftEdgeGrip, *RightEdgeGrip, *BottomEdgeGrip;
    TOutlineBorder* OutlineBorder;

    // ---- top strip ----
    QToolBar* ToolBar1;
    QToolButton *NewToolbarBtn, *OpenToolbarBtn, *SaveToolbarBtn, *SuggestToolbarBtn, *HelpToolbarBtn;
    QFrame* infoPanel;
    QLabel *TeamNameLabel, *ManageLabel, *AbbLabel;
    QFrame* validPanel;
    TLed *MF21Led, *FW21Led, *subsLed, *valGKLed, *valSWLed, *valDFLed, *valMFLed, *valFWLed, *starting11Led;

    // ---- pages ----
    QTabWidget* MainPageControl;
    QWidget *MainSheet, *LineupSheet, *AuctionSheet, *PressSheet, *SummarySheet;

    // Lineup Creator
    TStringGrid* RosterStringGrid;
    QGroupBox *LUOptionsGroupBox, *LUTotalsGroupBox;
    TStringGrid* LineupTotGrid;
    QComboBox *SessionNoComboBox, *MatchNoComboBox, *HBCombo, *PTakeBox, *TPBox, *CPBox;
    QPushButton *ChooseOppButton, *MatchTacBtnWithColor1;
    QListWidget *TTListBox, *TPListBox, *CPListBox;

    // Lineup Viewer
    QListWidget *TeamInfListBox, *StartersListBox, *SubsListBox;
    QLabel *TeamInfLabel, *StartersLabel, *SubstitutesLabel;
    QFrame* pitchPanel;
    TPitchView* FieldImage;
    QList<QLabel*> pitchLabels;
    TRotatedLabel* ProLabel4;

    // Auction Bids
    TStringGrid* AuctionStringGrid;
    QCheckBox* AutoSortCheckBox;
    QPushButton *SaveBidsBtn, *AuctionBidsHow;

    // Press Statement
    QPlainTextEdit* PressMemo;
    QPushButton *SavePressBtn, *BMShapedButton1;

    // Zip Orders
    QListWidget* ZipListBox;
    QPushButton *AddZipListBtn, *ZipBtn;

    // ---- menus and dialogs ----
    QAction *OpenSubMenu, *OpenLineupMenu, *SaveLineupMenu, *SaveView1, *NewLineupMenu, *ExitMenu;
    QAction *SuggestLineupMenu, *UndoMenu, *RedoMenu;
    QMenu* EditMenu;
    QAction *MenuNoWG, *MenuFullMSWL, *MenuAutoIncr, *SeasonLength1, *HomeBonus, *Default1, *Set15on, *Set15off;
    QAction *size640Menu, *size800Menu, *size1024Menu, *sizeCustMenu, *MenuSelectDirectory, *Help1, *About1;
    QMenu *PlayPopup, *SubPopup, *LOTPopup;
    QAction *popWG, *deselectPlay;
    TOpenDialog *OpenRosDialog, *OpenLineupDialog;

    // ---- app ----
    void setUpMainWindow();
    void MainPageControlChange();
    // Shows the next (step 1) or previous (step -1) page, round the end.
    void turnPage(int step);
    void HelpClick();
    void AboutClick();
    void ExitMenuClick();
    // What closing now would lose, as the question to ask first; empty when nothing would be lost.
    QString closingQuestion() const;
    // True when the line-up differs from the file last saved or opened, as the orders check's S3 finds.
    bool lineupChangedSinceSaved() const;
    // The desktop session is ending: closes the window as any other way out does (asking first when work would
    // be lost); false when the manager chose to stay.
    bool endOfSession();
    // Form sizes
    void changePageSize(int tag);
    void layOutMainWindow();
    void applyWindowOutline();
    // The window's outer size (frame, title bar and menu included).
    QSize outerSize() const;
    void setOuterSize(int width, int height);
    // Moves the window back inside its screen when a larger size would leave part of it outside.
    void keepOnScreen();

    // ---- settings ----
    void MenuNoWGClick();
    void MenuFullMSWLClick();
    void MenuAutoIncrClick();
    void SeasonLengthClick();
    void HomeBonusClick();
    void SetTimeStep(bool on);
    void MenuSelectDirectoryClick();
    bool isMswl() const;

    // ---- squad ----
    SquadTable squadTable() const;
    void setSquadTable(const SquadTable& table);
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    int currentGridRow() const;
    bool rosterLoaded() const;
    void OpenRosterClick();
    // Reads the roster file at path as Open Roster reads the one chosen (the roster named on the command line).
    void openRosterFile(const QString& path);
    // fileName names the file in the message that refuses lines that are not a roster.
    void readRoster(const QStringList& lines, const QString& fileName = QString());
    void ChooseOppButtonClick();
    void readOppRoster(const QStringList& lines, const QString& fileName = QString());
    void RosterStringGridMouseUp(const QPoint& pos);
    void RosterStringGridKeyDown();
    // What a click on the current cell of the squad grid does; menus open at `global`.
    void actOnSquadCell(const QPoint& global);
    void choosePlayer(QAction* item);
    void popSubClick(QAction* item);
    void setSubDefaultPosition();
    void TPBoxChange();
    void CPBoxChange();
    void NewLineupMenuClick();
    void checkLineup();
    // Each lamp's hint (also its accessible description): its rule and what `result` holds, or only the rule
    // before the first check (nullptr).
    void showLampHints(const CheckResult* result);
    // The line-up assistant and the history of steps behind Undo and Redo (squad/assisthandlers.cpp).
    void SuggestLineupMenuClick();
    void UndoMenuClick();
    void RedoMenuClick();
    LineupState lineupState() const;
    void setLineupState(const LineupState& state);
    // Names the step the current command makes, for the Edit menu ("New Lineup", "Apply suggestion"); a command
    // that names none is named after what it changed.
    void nameStep(const QString& name) { m_stepName = name; }
    // What the manager last chose in the Lineup Assistant, kept while the same roster stays loaded.
    struct AssistChoices {
        QString formation;
        bool keepPlaced = true;
        bool fillSubs = true;
        QList<int> leftOutRows;
        QStringList squad; // the names of the squad they were made for (Undo may bring back another roster)
    };
    std::optional<AssistChoices> LastAssistChoices;

    // ---- lineup file ----
    void SaveLineupMenuClick();
    // Saves the line-up; true when the file was written.
    bool saveLineup();
    void SaveView1Click();
    void OpenLineupMenuClick();
    void readLineup(const QStringList& lines);
    QString lineupPath() const;
    // The line-up options as saving reads them.
    LineupOptions lineupOptions() const;

    // ---- tactics ----
    void MatchTacBtnClick();
    void openPlayerConditionals();

    // ---- orders ----
    bool checkOrdersReady();
    QString orderFilePath(const QString& suffix) const;
    void AuctionStringGridMouseUp(const QPoint& pos);
    void AuctionStringGridKeyDown();
    // What a click on the current cell of the auction grid does; the LOT menu opens at `global`.
    void actOnAuctionCell(const QPoint& global);
    void LotPopupClick(QAction* item);
    void SaveBidsBtnClick();
    void AuctionBidsHowBtnClick();
    void SavePressBtnClick();
    void PressHowBtnClick();
    void AddZipListBtnClick();
    void ZipListBoxDblClick();
    void ZipListBoxDeleteKey();
    void ZipBtnClick();
    void tidyZipListBox();
    void addToZipList(const QString& path);
    QStringList zipList() const;

    // ---- orders check ----
    QAction* CheckOrdersMenu;
    QToolButton* CheckToolbarBtn;
    TOrdersCheckForm* OrdersCheckForm = nullptr; // made by the first Check Orders, then raised again
    // The lines of the line-up file last saved or opened, to tell whether the grid still shows it.
    std::optional<QStringList> SavedLineupLines;
    QString SavedLineupPath; // and the path of that file
    void CheckOrdersMenuClick();
    // What a side window (the Orders Check, the Match Plan, the help) must never cover, in screen coordinates: the
    // squad grid's line-up columns (Play to Conditionals), the Lineup Options box and the title strip with the menus.
    QList<QRect> sideWindowKeepClear() const;
    // Places a side window (the Orders Check, the Match Plan) beside the main window, or where it covers the
    // least of it and none of sideWindowKeepClear().
    void placeSideWindowBeside(QWidget* side);
    QList<Finding> checkOrders() const;
    // Takes the manager to the place of a finding.
    void goToFinding(const Finding& finding);
    // The Conditionals cells' hints: their conditionals in readable words.
    void showConditionalsHints();

    // ---- match plan ----
    QAction* MatchPlanMenu;
    QToolButton* PlanToolbarBtn;
    TMatchPlanForm* MatchPlanForm = nullptr; // made by the first Match Plan, then raised again
    void MatchPlanMenuClick();
    MatchPlan matchPlan() const;

signals:
    // A command of the manager has finished: a menu item, button, pop-up choice, dialog or list selection.
    // Whatever follows every change of the orders (the undo history, the orders check) listens here.
    void commandDone();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Every way out (File > Exit, its keys, the title strip's close button, the window manager's close and the
    // end of the desktop session) arrives here: the one question before work is lost.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildTopStrip(QWidget* central);
    void buildMainSheet();
    void buildLineupSheet();
    void buildAuctionSheet();
    void buildPressSheet();
    void buildSummarySheet();
    void buildPopups();
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key,
                       void (TSQMainForm::*handler)());
    void fillNumberCombo(QComboBox* box, int from, int to);
    // Throws when the team abbreviation cannot name a file.
    void checkTeamFileName() const;
    // Undo and Redo: the history starts with the state after start-up and takes a step after each command.
    void setUpHistory();
    void recordStep();
    // What the current command has changed so far becomes the history's present without a step of its own
    // (saving writes the normal strategy "N" for an empty team tactic; that is no change the manager made).
    void keepOutOfHistory();
    void updateUndoActions();
    UndoHistory m_history;
    QString m_stepName;

    bool m_startFailed = false;
    bool m_helpAsked = false;
    bool m_shownOnce = false;
    int m_commandDepth = 0;
    QSize m_requestedOuter;
    QList<QSize> m_askedSizes; // outer sizes asked for whose resize events may still come
};

// The one main window of the running program.
extern TSQMainForm* SQMainForm;

// Runs a dialog's handler under the main window's command guard (TSQMainForm::guard): an error it lets escape
// is shown in an error box, the dialog stays open as it was, and the program goes on.
void runAsCommand(const std::function<void()>& handler);
