#include "sqmainform.h"

#include "Formsizeunit.h"
#include "aboutbox.h"
#include "base/errors.h"
#include "check/matchplanform.h"
#include "check/orderscheck.h"
#include "check/orderscheckform.h"
#include "helpwindow.h"
#include "settings/settingsplace.h"
#include "squad/lineupchecker.h"
#include "squad/viewer.h"
#include "widgets/filedialog.h"
#include "widgets/focusring.h"
#include "widgets/messagebox.h"
#include "widgets/stringgrid.h"
#include "widgets/widgets.h"

#include "widgets/placement.h"
#include "widgets/titlestrip.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QSessionManager>
#include <QSizeGrip>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

TSQMainForm* SQMainForm = nullptr;

namespace {
const QColor kWindowColour(192, 220, 192);

template <typename T> T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

TSQMainForm::TSQMainForm(const QString& iniPath, QWidget* parent)
    : QMainWindow(parent)
{
    SQMainForm = this;
    // Before any control exists, so that every window of the program shows where the focus is.
    installFocusRing();
    setObjectName(QStringLiteral("SQMainForm"));
    // The window draws its own title strip, so that its rounded outline is the whole window on every desktop.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowTitle(QStringLiteral("Squadrant "));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWindowColour);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    buildMenus();
    buildTopStrip(central);
    MainPageControl = named(new QTabWidget(central), QStringLiteral("MainPageControl"));
    MainPageControl->setTabPosition(QTabWidget::South);
    // The tabs must fit the rounded tab piece at the window's lower left (390 pixels).
    MainPageControl->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar { font-size: 7pt; } QTabBar::tab { padding: 2px 4px; }"));
    // Its top lies 80 pixels below the window's top, so its tabs sit in the outline's tab piece.
    MainPageControl->setGeometry(2, 80 - TTitleStrip::Height, 789, 492);
    buildMainSheet();
    buildLineupSheet();
    buildAuctionSheet();
    buildPressSheet();
    buildSummarySheet();
    buildPopups();
    SizeGrip = named(new QSizeGrip(this), QStringLiteral("SizeGrip"));
    LeftEdgeGrip = named(new TEdgeGrip(Qt::LeftEdge, this), QStringLiteral("LeftEdgeGrip"));
    RightEdgeGrip = named(new TEdgeGrip(Qt::RightEdge, this), QStringLiteral("RightEdgeGrip"));
    BottomEdgeGrip = named(new TEdgeGrip(Qt::BottomEdge, this), QStringLiteral("BottomEdgeGrip"));
    OutlineBorder = new TOutlineBorder(QPainterPath(), this);
    OpenRosDialog = new TOpenDialog(QStringLiteral("OpenRosDialog"), QStringLiteral("Open Roster File"),
                                    QStringLiteral("Roster Files|*.ros|All files|*.*"), this);
    OpenLineupDialog = new TOpenDialog(QStringLiteral("OpenLineupDialog"), QStringLiteral("Open Lineup"),
                                       QStringLiteral("Lineup files|*.txt|All Files (*.*)|*.*"), this);
    connect(this, &TSQMainForm::commandDone, this, &TSQMainForm::showConditionalsHints);
    // The end of the desktop session asks as closing does; No keeps the session (and the program) going.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (manager.allowsInteraction()) {
            const bool ends = endOfSession();
            manager.release();
            if (!ends)
                manager.cancel();
        }
    });
    connect(MainPageControl, &QTabWidget::currentChanged, this, [this] { guard([this] { MainPageControlChange(); }); });

    setOuterSize(799, 600);
    TeamTactic.clear();
    WorkDir.clear();
    BidPlayerName.clear();
    applyWindowOutline();

    // The create handler.
    IniFile = std::make_unique<TIniFile>(iniPath);
    if (!QFileInfo::exists(iniPath)) {
        m_startFailed = true;
        const auto answer = MessageBox::error(this, QStringLiteral("WARNING INI file not found (see Help)"),
                                              {MessageBox::Abort, MessageBox::Help});
        m_helpAsked = answer == MessageBox::Help;
    }
    TacticChanges.clear();
    OppPlayers.clear();
    ZipBuilder1.Load_Zip_Dll();
    setUpMainWindow();
    setUpHistory();
}

TSQMainForm::~TSQMainForm()
{
    ZipBuilder1.Unload_Zip_Dll();
    // The help window is a window of its own; it goes with the program's main window.
    delete THelpWindow::instance();
    if (SQMainForm == this)
        SQMainForm = nullptr;
}

void TSQMainForm::guard(const std::function<void()>& command)
{
    ++m_commandDepth;
    try {
        command();
    } catch (const SquadError& e) {
        MessageBox::error(this, e.message());
    } catch (const std::exception& e) {
        MessageBox::error(this, QString::fromLocal8Bit(e.what()));
    }
    if (--m_commandDepth == 0)
        emit commandDone();
}

void runAsCommand(const std::function<void()>& handler)
{
    if (SQMainForm)
        SQMainForm->guard(handler);
    else
        handler();
}

QAction* TSQMainForm::addAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key,
                                void (TSQMainForm::*handler)())
{
    auto* action = named(new QAction(caption, this), name);
    if (!key.isEmpty())
        action->setShortcut(key);
    if (menu)
        menu->addAction(action);
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { guard([this, handler] { (this->*handler)(); }); });
    return action;
}

void TSQMainForm::buildMenus()
{
    TitleStrip = new TTitleStrip(this, TTitleStrip::MinimiseAndClose, 12);
    auto* bar = named(new QMenuBar, QStringLiteral("MainMenu1"));
    TitleStrip->setMenuBar(bar);
    setMenuWidget(TitleStrip);
    QMenu* file = named(bar->addMenu(QStringLiteral("&File")), QStringLiteral("File1"));
    OpenSubMenu = addAction(file, QStringLiteral("OpenSubMenu"), QStringLiteral("&Open Roster"),
                            QKeySequence(QStringLiteral("Ctrl+O")), &TSQMainForm::OpenRosterClick);
    OpenLineupMenu = addAction(file, QStringLiteral("OpenLineupMenu"), QStringLiteral("Open &Lineup"), {},
                               &TSQMainForm::OpenLineupMenuClick);
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    SaveLineupMenu = addAction(file, QStringLiteral("SaveLineupMenu"), QStringLiteral("&Save Lineup"),
                               QKeySequence(QStringLiteral("Ctrl+S")), &TSQMainForm::SaveLineupMenuClick);
    SaveView1 = addAction(file, QStringLiteral("SaveView1"), QStringLiteral("Save && &View"),
                          QKeySequence(QStringLiteral("Ctrl+E")), &TSQMainForm::SaveView1Click);
    CheckOrdersMenu = addAction(file, QStringLiteral("CheckOrdersMenu"), QStringLiteral("&Check Orders"),
                                QKeySequence(QStringLiteral("F9")), &TSQMainForm::CheckOrdersMenuClick);
    MatchPlanMenu = addAction(file, QStringLiteral("MatchPlanMenu"), QStringLiteral("Match &Plan"),
                              QKeySequence(QStringLiteral("Ctrl+M")), &TSQMainForm::MatchPlanMenuClick);
    NewLineupMenu = addAction(file, QStringLiteral("NewLineupMenu"), QStringLiteral("&New Lineup"),
                              QKeySequence(QStringLiteral("Ctrl+N")), &TSQMainForm::NewLineupMenuClick);
    SuggestLineupMenu = addAction(file, QStringLiteral("SuggestLineupMenu"), QStringLiteral("S&uggest Lineup..."),
                                  QKeySequence(QStringLiteral("Ctrl+L")), &TSQMainForm::SuggestLineupMenuClick);
    file->addSeparator()->setObjectName(QStringLiteral("N4"));
    ExitMenu = addAction(file, QStringLiteral("ExitMenu"), QStringLiteral("E&xit"),
                         QKeySequence(QStringLiteral("Ctrl+X")), &TSQMainForm::ExitMenuClick);
    // Ctrl+Q is how programs are left on Linux desktops; the league's Ctrl+X stays the first.
    ExitMenu->setShortcuts({QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Ctrl+Q"))});

    EditMenu = named(bar->addMenu(QStringLiteral("&Edit")), QStringLiteral("EditMenu"));
    UndoMenu = addAction(EditMenu, QStringLiteral("UndoMenu"), QStringLiteral("&Undo"),
                         QKeySequence(QStringLiteral("Ctrl+Z")), &TSQMainForm::UndoMenuClick);
    RedoMenu =
        addAction(EditMenu, QStringLiteral("RedoMenu"), QStringLiteral("&Redo"), {}, &TSQMainForm::RedoMenuClick);
    RedoMenu->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});

    QMenu* options = named(bar->addMenu(QStringLiteral("&Options")), QStringLiteral("Options1"));
    QMenu* league = named(options->addMenu(QStringLiteral("League")), QStringLiteral("League1"));
    MenuNoWG = addAction(league, QStringLiteral("MenuNoWG"), QStringLiteral("LGM"), {}, &TSQMainForm::MenuNoWGClick);
    MenuFullMSWL =
        addAction(league, QStringLiteral("MenuFullMSWL"), QStringLiteral("MSWL"), {}, &TSQMainForm::MenuFullMSWLClick);
    auto* leagueGroup = new QActionGroup(this);
    for (QAction* a : {MenuNoWG, MenuFullMSWL}) {
        a->setCheckable(true);
        leagueGroup->addAction(a);
    }
    options->addSeparator()->setObjectName(QStringLiteral("N5"));
    QMenu* configure = named(options->addMenu(QStringLiteral("Configure")), QStringLiteral("Match1"));
    MenuAutoIncr = addAction(configure, QStringLiteral("MenuAutoIncr"), QStringLiteral("Auto Increase"), {},
                             &TSQMainForm::MenuAutoIncrClick);
    MenuAutoIncr->setCheckable(true);
    SeasonLength1 = addAction(configure, QStringLiteral("SeasonLength1"), QStringLiteral("Season Length"), {},
                              &TSQMainForm::SeasonLengthClick);
    HomeBonus = addAction(configure, QStringLiteral("HomeBonus"), QStringLiteral("Home Bonus"), {},
                          &TSQMainForm::HomeBonusClick);
    QMenu* steps = named(configure->addMenu(QStringLiteral("Set Time Steps")), QStringLiteral("SetTimeSteps1"));
    Default1 = addAction(steps, QStringLiteral("Default1"), QStringLiteral("Default"), {}, nullptr);
    Default1->setEnabled(false);
    Set15on = addAction(steps, QStringLiteral("Set15on"), QStringLiteral("15 mins ON"), {}, nullptr);
    Set15off = addAction(steps, QStringLiteral("Set15off"), QStringLiteral("15 mins OFF"), {}, nullptr);
    auto* stepGroup = new QActionGroup(this);
    for (QAction* a : {Set15on, Set15off}) {
        a->setCheckable(true);
        stepGroup->addAction(a);
    }
    connect(Set15on, &QAction::triggered, this, [this] { guard([this] { SetTimeStep(true); }); });
    connect(Set15off, &QAction::triggered, this, [this] { guard([this] { SetTimeStep(false); }); });

    QMenu* size = named(options->addMenu(QStringLiteral("Form Size")), QStringLiteral("SizeMenu"));
    const struct {
        QAction** action;
        const char* name;
        const char* caption;
        const char* key;
        int tag;
    } sizes[] = {{&size640Menu, "size640Menu", "640 x 480", "F5", 640},
                 {&size800Menu, "size800Menu", "800 x 600", "F6", 800},
                 {&size1024Menu, "size1024Menu", "1024 x 768", "F7", 1024},
                 {&sizeCustMenu, "sizeCustMenu", "Custom", "", 999}};
    for (const auto& s : sizes) {
        *s.action = addAction(size, QString::fromLatin1(s.name), QString::fromLatin1(s.caption),
                              QKeySequence(QString::fromLatin1(s.key)), nullptr);
        (*s.action)->setCheckable(true);
        (*s.action)->setProperty("tag", s.tag);
        const int tag = s.tag;
        connect(*s.action, &QAction::triggered, this, [this, tag] { guard([this, tag] { changePageSize(tag); }); });
    }
    MenuSelectDirectory = addAction(options, QStringLiteral("MenuSelectDirectory"), QStringLiteral("Directory"), {},
                                    &TSQMainForm::MenuSelectDirectoryClick);

    Help1 = addAction(nullptr, QStringLiteral("Help1"), QStringLiteral("Help"), QKeySequence(QStringLiteral("F1")),
                      &TSQMainForm::HelpClick);
    bar->addAction(Help1);
    About1 = addAction(nullptr, QStringLiteral("About1"), QStringLiteral("About"), {}, &TSQMainForm::AboutClick);
    bar->addAction(About1);
    // Actions in the menu bar's top level need the window to carry their shortcuts.
    QMainWindow::addAction(Help1);

    // The page keys work wherever the focus is, also inside the grids and text boxes of a page.
    const struct {
        const char* name;
        QList<QKeySequence> keys;
        int step;
    } pageKeys[] = {
        {"NextPageKey", {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1},
        {"PreviousPageKey",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
         -1}};
    for (const auto& k : pageKeys) {
        auto* action = named(new QAction(this), QString::fromLatin1(k.name));
        action->setShortcuts(k.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int step = k.step;
        connect(action, &QAction::triggered, this, [this, step] { guard([this, step] { turnPage(step); }); });
        QMainWindow::addAction(action);
    }
}

void TSQMainForm::buildTopStrip(QWidget* central)
{
    ToolBar1 = named(new QToolBar(central), QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 2, 104, 28);
    ToolBar1->layout()->setSpacing(1);
    ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);
    ToolBar1->setIconSize(QSize(18, 18));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    const struct {
        QToolButton** button;
        const char* name;
        Glyph glyph;
        const char* hint;
        QAction* action;
    } buttons[] = {
        {&NewToolbarBtn, "NewToolbarBtn", Glyph::New, "New Lineup - resets for next match", NewLineupMenu},
        {&OpenToolbarBtn, "OpenToolbarBtn", Glyph::Open, "Open Roster File", OpenSubMenu},
        {&SaveToolbarBtn, "SaveToolbarBtn", Glyph::Save, "Save Current Lineup", SaveLineupMenu},
        {&SuggestToolbarBtn, "SuggestToolbarBtn", Glyph::Suggest, "Suggest the best legal line-up", SuggestLineupMenu},
        {&HelpToolbarBtn, "HelpToolbarBtn", Glyph::Help, "Help on SQDT", Help1}};
    for (const auto& b : buttons) {
        auto* button = named(new QToolButton(ToolBar1), QString::fromLatin1(b.name));
        button->setIcon(glyphIcon(b.glyph));
        button->setToolTip(QString::fromLatin1(b.hint));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setFixedSize(20, 24);
        button->setIconSize(QSize(18, 18));
        QAction* action = b.action;
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        ToolBar1->addWidget(button);
        *b.button = button;
    }

    // The tool bar is full up to the team panel: the orders check has its button just below it.
    CheckToolbarBtn = named(new QToolButton(central), QStringLiteral("CheckToolbarBtn"));
    CheckToolbarBtn->setIcon(glyphIcon(Glyph::Check));
    CheckToolbarBtn->setToolTip(QStringLiteral("Check the orders before sending them"));
    CheckToolbarBtn->setAutoRaise(true);
    CheckToolbarBtn->setFixedSize(24, 24);
    CheckToolbarBtn->setIconSize(QSize(18, 18));
    CheckToolbarBtn->move(0, 31);
    connect(CheckToolbarBtn, &QToolButton::clicked, CheckOrdersMenu, &QAction::trigger);
    PlanToolbarBtn = named(new QToolButton(central), QStringLiteral("PlanToolbarBtn"));
    PlanToolbarBtn->setIcon(glyphIcon(Glyph::Plan));
    PlanToolbarBtn->setToolTip(QStringLiteral("Show what the orders do over the match"));
    PlanToolbarBtn->setAutoRaise(true);
    PlanToolbarBtn->setFixedSize(24, 24);
    PlanToolbarBtn->setIconSize(QSize(18, 18));
    PlanToolbarBtn->move(26, 31);
    connect(PlanToolbarBtn, &QToolButton::clicked, MatchPlanMenu, &QAction::trigger);

    infoPanel = named(new QFrame(central), QStringLiteral("infoPanel"));
    infoPanel->setFrameShape(QFrame::StyledPanel);
    infoPanel->setGeometry(104, 0, 275, 58);
    TeamNameLabel = named(new QLabel(infoPanel), QStringLiteral("TeamNameLabel"));
    TeamNameLabel->setGeometry(6, 2, 262, 22);
    QFont big = TeamNameLabel->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.35);
    TeamNameLabel->setFont(big);
    setTextColour(TeamNameLabel, Qt::red);
    TeamNameLabel->setTextFormat(Qt::PlainText);
    ManageLabel = named(new QLabel(infoPanel), QStringLiteral("ManageLabel"));
    ManageLabel->setTextFormat(Qt::PlainText);
    ManageLabel->setGeometry(6, 24, 200, 16);
    AbbLabel = named(new QLabel(infoPanel), QStringLiteral("AbbLabel"));
    AbbLabel->setGeometry(6, 40, 200, 16);
    AbbLabel->setTextFormat(Qt::PlainText);
    setTextColour(AbbLabel, Qt::blue);

    validPanel = named(new QFrame(central), QStringLiteral("validPanel"));
    validPanel->setFrameShape(QFrame::StyledPanel);
    validPanel->setGeometry(380, 0, 316, 58);
    QFont small = validPanel->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    validPanel->setFont(small);
    auto* title = placeText(QStringLiteral("Lineup Checker"), validPanel, 6, 1);
    QFont bold = small;
    bold.setBold(true);
    title->setFont(bold);
    title->adjustSize();
    QFont underlined = small;
    underlined.setUnderline(true);
    placeText(QStringLiteral("2:1 rule:"), validPanel, 6, 20, underlined);
    placeText(QStringLiteral("Squad:"), validPanel, 6, 38, underlined);
    const QColor red(220, 0, 0), purple(128, 0, 128);
    auto lamp = [&](TLed** led, const char* name, const char* caption, QColor on, int x, int y) {
        placeText(QString::fromLatin1(caption), validPanel, x, y);
        const int w = validPanel->fontMetrics().horizontalAdvance(QString::fromLatin1(caption));
        *led = new TLed(QString::fromLatin1(name), on, validPanel);
        (*led)->setAccessibleName(QString::fromLatin1(caption).remove(QLatin1Char(':')).trimmed());
        (*led)->move(x + w + 3, y + 1);
    };
    lamp(&MF21Led, "MF21Led", "MF", red, 60, 20);
    lamp(&FW21Led, "FW21Led", "FW", red, 100, 20);
    lamp(&subsLed, "subsLed", "Five Subs", purple, 232, 20);
    lamp(&valGKLed, "valGKLed", "GK", red, 48, 38);
    lamp(&valSWLed, "valSWLed", "SW", red, 86, 38);
    lamp(&valDFLed, "valDFLed", "DF", red, 124, 38);
    lamp(&valMFLed, "valMFLed", "MF", red, 162, 38);
    lamp(&valFWLed, "valFWLed", "FW", red, 200, 38);
    lamp(&starting11Led, "starting11Led", "Starting 11 :", purple, 232, 38);
    // The two lamps at the right edge stand one above the other.
    starting11Led->move(296, 39);
    subsLed->move(296, 21);
    showLampHints(nullptr);
}

void TSQMainForm::buildMainSheet()
{
    MainSheet = named(new QWidget, QStringLiteral("MainSheet"));
    MainPageControl->addTab(MainSheet, QStringLiteral("Lineup Creator"));

    RosterStringGrid = new TStringGrid(QStringLiteral("RosterStringGrid"), SquadColumns, 18, true, MainSheet);
    RosterStringGrid->setGeometry(2, 2, 514, 430);
    RosterStringGrid->setRowHeights(16);
    connect(RosterStringGrid, &TStringGrid::mouseUp, this,
            [this](const QPoint& pos) { guard([this, pos] { RosterStringGridMouseUp(pos); }); });
    connect(RosterStringGrid, &TStringGrid::keyActivated, this,
            [this] { guard([this] { RosterStringGridKeyDown(); }); });

    LUOptionsGroupBox =
        named(new QGroupBox(QStringLiteral("Lineup Options"), MainSheet), QStringLiteral("LUOptionsGroupBox"));
    // Options and totals together fit the page at its smallest (357 pixels at 680 by 480).
    LUOptionsGroupBox->setGeometry(520, 0, 268, 278);
    QWidget* g = LUOptionsGroupBox;
    placeText(QStringLiteral("Session"), g, 8, 20, QStringLiteral("SessionLabel"));
    SessionNoComboBox = placeList(g, QStringLiteral("SessionNoComboBox"), QRect(58, 16, 56, 22));
    placeText(QStringLiteral("Match No."), g, 124, 20, QStringLiteral("MatchLabel"));
    MatchNoComboBox = placeList(g, QStringLiteral("MatchNoComboBox"), QRect(192, 16, 60, 22));
    placeText(QStringLiteral("Home Bonus"), g, 8, 46, QStringLiteral("Label2"));
    HBCombo = placeList(g, QStringLiteral("HBCombo"), QRect(84, 42, 48, 22));
    placeText(QStringLiteral("Opponent"), g, 138, 46, QStringLiteral("OppLabel"));
    ChooseOppButton = named(new QPushButton(QStringLiteral("None"), g), QStringLiteral("ChooseOppButton"));
    ChooseOppButton->setGeometry(196, 41, 62, 24);
    ChooseOppButton->setToolTip(QStringLiteral("Select Opponent for current match"));
    connect(ChooseOppButton, &QPushButton::clicked, this, [this] { guard([this] { ChooseOppButtonClick(); }); });
    MatchTacBtnWithColor1 =
        named(new QPushButton(QStringLiteral("Team Tactics"), g), QStringLiteral("MatchTacBtnWithColor1"));
    MatchTacBtnWithColor1->setGeometry(8, 72, 96, 26);
    MatchTacBtnWithColor1->setToolTip(QStringLiteral("Enter Tactics for current match"));
    connect(MatchTacBtnWithColor1, &QPushButton::clicked, this, [this] { guard([this] { MatchTacBtnClick(); }); });
    TTListBox = named(new QListWidget(g), QStringLiteral("TTListBox"));
    TTListBox->setGeometry(110, 68, 150, 40);
    TTListBox->setFrameShape(QFrame::NoFrame);
    // Only shows the tactic lines (the Team Tactics editor changes them): no Tab stop of its own.
    TTListBox->setFocusPolicy(Qt::NoFocus);
    QFont tiny = TTListBox->font();
    tiny.setPointSizeF(tiny.pointSizeF() * 0.7);
    TTListBox->setFont(tiny);
    QPalette clear = TTListBox->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    TTListBox->setPalette(clear);
    placeText(QStringLiteral("Penalty Taker"), g, 8, 116, QStringLiteral("PTakeLabel"));
    PTakeBox = placeList(g, QStringLiteral("PTakeBox"), QRect(96, 112, 162, 22));
    placeText(QStringLiteral("Train (TP)"), g, 8, 140, QStringLiteral("TPLabel"));
    placeText(QStringLiteral("Coach (CP)"), g, 136, 140, QStringLiteral("CPLabel"));
    TPBox = placeList(g, QStringLiteral("TPBox"), QRect(8, 156, 122, 22));
    CPBox = placeList(g, QStringLiteral("CPBox"), QRect(136, 156, 122, 22));
    TPListBox = named(new QListWidget(g), QStringLiteral("TPListBox"));
    TPListBox->setGeometry(8, 180, 122, 66);
    CPListBox = named(new QListWidget(g), QStringLiteral("CPListBox"));
    CPListBox->setGeometry(136, 180, 122, 66);
    auto* hint = placeText(QStringLiteral("Double click on a player in a list to delete them."), g, 8, 247,
                           QStringLiteral("Label1"));
    hint->setWordWrap(true);
    hint->setGeometry(8, 247, 250, 30);
    connect(TPBox, &QComboBox::activated, this, [this] { guard([this] { TPBoxChange(); }); });
    connect(CPBox, &QComboBox::activated, this, [this] { guard([this] { CPBoxChange(); }); });
    for (QListWidget* list : {TPListBox, CPListBox}) {
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list](QListWidgetItem* item) { guard([list, item] { deleteListEntry(list, item); }); });
        onDeleteKey(list, [this, list] { guard([list] { deleteListEntry(list, framedEntry(list)); }); });
    }
    // Choosing in these lists is a command of its own: nothing else happens, but the change counts.
    for (QComboBox* box : {SessionNoComboBox, MatchNoComboBox, HBCombo, PTakeBox})
        connect(box, &QComboBox::activated, this, [this] { guard([] {}); });

    LUTotalsGroupBox =
        named(new QGroupBox(QStringLiteral("Lineup Totals"), MainSheet), QStringLiteral("LUTotalsGroupBox"));
    LUTotalsGroupBox->setGeometry(520, 281, 268, 74);
    LineupTotGrid = new TStringGrid(QStringLiteral("LineupTotGrid"), 7, 4, true, LUTotalsGroupBox);
    LineupTotGrid->setGeometry(8, 17, 38 + 6 * 29 + 2, 4 * 13 + 2);
    LineupTotGrid->setColumnWidths({38, 29, 29, 29, 29, 29, 29});
    LineupTotGrid->setRowHeights(13);
    LineupTotGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LineupTotGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LineupTotGrid->setFrameShape(QFrame::NoFrame);
    QFont totals = LineupTotGrid->font();
    totals.setPointSizeF(totals.pointSizeF() * 0.75);
    LineupTotGrid->setFont(totals);
    LineupTotGrid->setEnabled(false);
    // Disabled for the user, but the figures stay as readable as enabled text.
    QPalette totalsPalette = LineupTotGrid->palette();
    totalsPalette.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    LineupTotGrid->setPalette(totalsPalette);
}

void TSQMainForm::buildLineupSheet()
{
    LineupSheet = named(new QWidget, QStringLiteral("LineupSheet"));
    MainPageControl->addTab(LineupSheet, QStringLiteral("Lineup Viewer"));
    TeamInfLabel = placeText(QStringLiteral("Team Information"), LineupSheet, 20, 2, QStringLiteral("TeamInfLabel"));
    TeamInfListBox = named(new QListWidget(LineupSheet), QStringLiteral("TeamInfListBox"));
    TeamInfListBox->setGeometry(20, 20, 325, 77);
    StartersLabel = placeText(QStringLiteral("Starters"), LineupSheet, 20, 101, QStringLiteral("StartersLabel"));
    StartersListBox = named(new QListWidget(LineupSheet), QStringLiteral("StartersListBox"));
    StartersListBox->setGeometry(20, 121, 325, 145);
    SubstitutesLabel =
        placeText(QStringLiteral("Substitutes"), LineupSheet, 20, 268, QStringLiteral("SubstitutesLabel"));
    SubsListBox = named(new QListWidget(LineupSheet), QStringLiteral("SubsListBox"));
    SubsListBox->setGeometry(20, 288, 325, 73);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSizeF(TeamInfListBox->font().pointSizeF() * 0.9);
    for (QListWidget* list : {TeamInfListBox, StartersListBox, SubsListBox})
        list->setFont(mono);

    pitchPanel = named(new QFrame(LineupSheet), QStringLiteral("pitchPanel"));
    pitchPanel->setGeometry(394, 0, 370, 467);
    FieldImage = named(new TPitchView(pitchPanel), QStringLiteral("FieldImage"));
    FieldImage->setGeometry(0, 5, 300, 356);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPixelSize(11);
    serif.setBold(true);
    const QList<QPoint> places = {{98, 334}, {121, 302}, {21, 283}, {183, 283}, {103, 267}, {-1, 256}, {191, 248},
                                  {7, 211},  {183, 211}, {55, 180}, {159, 180}, {95, 142},  {9, 108},  {192, 108},
                                  {7, 157},  {195, 149}, {17, 54},  {169, 54},  {81, 76},   {161, 92}};
    const QStringList& names = pitchLabelNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* l = named(new QLabel(pitchPanel), names.at(i));
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(places.at(i).x(), places.at(i).y(), i == 0 ? 95 : 100, 17);
        l->setFont(serif);
        setTextColour(l, Qt::white);
        l->setAlignment(names.at(i) == QLatin1String("pitchWG1")   ? Qt::AlignLeft | Qt::AlignVCenter
                        : names.at(i) == QLatin1String("pitchWG2") ? Qt::AlignRight | Qt::AlignVCenter
                                                                   : Qt::AlignCenter);
        pitchLabels.append(l);
    }
    ProLabel4 = named(new TRotatedLabel(QStringLiteral("Starting Lineup"), pitchPanel), QStringLiteral("ProLabel4"));
    ProLabel4->setGeometry(312, 56, 33, 233);
    QFont caption = ProLabel4->font();
    caption.setPixelSize(24);
    caption.setBold(true);
    ProLabel4->setFont(caption);
    setTextColour(ProLabel4, Qt::yellow);
}

void TSQMainForm::buildAuctionSheet()
{
    AuctionSheet = named(new QWidget, QStringLiteral("AuctionSheet"));
    MainPageControl->addTab(AuctionSheet, QStringLiteral("Auction Bids"));
    placeText(QStringLiteral("Bids for this Session's Auction"), AuctionSheet, 20, 10);
    AuctionStringGrid = new TStringGrid(QStringLiteral("AuctionStringGrid"), 3, 6, false, AuctionSheet);
    AuctionStringGrid->setGeometry(20, 34, 50 + 100 + 320 + 4, 6 * 22 + 8);
    AuctionStringGrid->setRowHeights(22);
    AuctionStringGrid->setCursor(Qt::PointingHandCursor);
    AuctionStringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AuctionStringGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(AuctionStringGrid, &TStringGrid::mouseUp, this,
            [this](const QPoint& pos) { guard([this, pos] { AuctionStringGridMouseUp(pos); }); });
    connect(AuctionStringGrid, &TStringGrid::keyActivated, this,
            [this] { guard([this] { AuctionStringGridKeyDown(); }); });
    AutoSortCheckBox =
        named(new QCheckBox(QStringLiteral("Use Auto Sort"), AuctionSheet), QStringLiteral("AutoSortCheckBox"));
    AutoSortCheckBox->setGeometry(20, 186, 160, 24);
    AutoSortCheckBox->setChecked(true);
    AutoSortCheckBox->setToolTip(
        QStringLiteral("State whether entries should be sorted into Lot order (default: YES)"));
    SaveBidsBtn = named(new QPushButton(QStringLiteral("Save Bids"), AuctionSheet), QStringLiteral("SaveBidsBtn"));
    SaveBidsBtn->setGeometry(200, 184, 96, 28);
    connect(SaveBidsBtn, &QPushButton::clicked, this, [this] { guard([this] { SaveBidsBtnClick(); }); });
    AuctionBidsHow = named(new QPushButton(AuctionSheet), QStringLiteral("AuctionBidsHow"));
    AuctionBidsHow->setIcon(glyphIcon(Glyph::Help));
    AuctionBidsHow->setGeometry(304, 184, 28, 28);
    connect(AuctionBidsHow, &QPushButton::clicked, this, [this] { guard([this] { AuctionBidsHowBtnClick(); }); });
}

void TSQMainForm::buildPressSheet()
{
    PressSheet = named(new QWidget, QStringLiteral("PressSheet"));
    MainPageControl->addTab(PressSheet, QStringLiteral("Press Statement"));
    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    placeText(QStringLiteral("Press"), PressSheet, 20, 6, heading);
    PressMemo = named(new QPlainTextEdit(PressSheet), QStringLiteral("PressMemo"));
    PressMemo->setGeometry(20, 34, 481, 249);
    PressMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the next control; a tab character has no place in a statement.
    PressMemo->setTabChangesFocus(true);
    QPalette memo = PressMemo->palette();
    memo.setColor(QPalette::Text, QColor(0, 0, 128));
    memo.setColor(QPalette::Base, QColor(253, 253, 246));
    PressMemo->setPalette(memo);
    SavePressBtn = named(new QPushButton(QStringLiteral("Save Press"), PressSheet), QStringLiteral("SavePressBtn"));
    SavePressBtn->setGeometry(516, 34, 96, 28);
    connect(SavePressBtn, &QPushButton::clicked, this, [this] { guard([this] { SavePressBtnClick(); }); });
    BMShapedButton1 = named(new QPushButton(PressSheet), QStringLiteral("BMShapedButton1"));
    BMShapedButton1->setIcon(glyphIcon(Glyph::Help));
    BMShapedButton1->setGeometry(516, 70, 28, 28);
    connect(BMShapedButton1, &QPushButton::clicked, this, [this] { guard([this] { PressHowBtnClick(); }); });
}

void TSQMainForm::buildSummarySheet()
{
    SummarySheet = named(new QWidget, QStringLiteral("SummarySheet"));
    MainPageControl->addTab(SummarySheet, QStringLiteral("Zip Orders"));
    placeText(QStringLiteral("Files for this Session's Orders"), SummarySheet, 20, 10);
    ZipListBox = named(new QListWidget(SummarySheet), QStringLiteral("ZipListBox"));
    ZipListBox->setGeometry(20, 34, 450, 250);
    connect(ZipListBox, &QListWidget::itemDoubleClicked, this, [this] { guard([this] { ZipListBoxDblClick(); }); });
    onDeleteKey(ZipListBox, [this] { guard([this] { ZipListBoxDeleteKey(); }); });
    placeText(QStringLiteral("To Delete a file from the list.\nDouble Click on it."), SummarySheet, 480, 34);
    AddZipListBtn = named(new QPushButton(QStringLiteral("Add Files"), SummarySheet), QStringLiteral("AddZipListBtn"));
    AddZipListBtn->setGeometry(480, 80, 96, 28);
    connect(AddZipListBtn, &QPushButton::clicked, this, [this] { guard([this] { AddZipListBtnClick(); }); });
    ZipBtn = named(new QPushButton(QStringLiteral("Save to Zip"), SummarySheet), QStringLiteral("ZipBtn"));
    ZipBtn->setGeometry(480, 116, 96, 28);
    connect(ZipBtn, &QPushButton::clicked, this, [this] { guard([this] { ZipBtnClick(); }); });
}

void TSQMainForm::buildPopups()
{
    PlayPopup = named(new QMenu(this), QStringLiteral("PlayPopup"));
    deselectPlay = named(PlayPopup->addAction(QStringLiteral("[deselect]")), QStringLiteral("deselectPlay"));
    PlayPopup->setDefaultAction(deselectPlay);
    connect(deselectPlay, &QAction::triggered, this, [this] { guard([this] { choosePlayer(deselectPlay); }); });
    PlayPopup->addSeparator()->setObjectName(QStringLiteral("N2"));
    const QStringList styles = {QStringLiteral("passive"), QStringLiteral("normal"), QStringLiteral("aggressive")};
    // The key of each item is underlined: the position's first letter, the style's letter in brackets.
    const QStringList captions = {QStringLiteral("[&p]assive"), QStringLiteral("[&n]ormal"),
                                  QStringLiteral("[&a]ggressive")};
    for (const QString& pos : playedPositions()) {
        QMenu* sub = named(PlayPopup->addMenu(QLatin1Char('&') + pos), QStringLiteral("pop%1Menu").arg(pos));
        sub->menuAction()->setObjectName(QStringLiteral("pop") + pos);
        QAction* caption = sub->addAction(QStringLiteral("Play Style"));
        caption->setEnabled(false);
        for (int s = 0; s < 3; ++s) {
            QAction* item = named(sub->addAction(captions.at(s)), styles.at(s) + pos);
            item->setData(QStringList{pos, styles.at(s).left(1)});
            connect(item, &QAction::triggered, this, [this, item] { guard([this, item] { choosePlayer(item); }); });
        }
        if (pos == QLatin1String("WG"))
            popWG = sub->menuAction();
    }

    SubPopup = named(new QMenu(this), QStringLiteral("SubPopup"));
    SubPopup->setToolTipsVisible(true);
    auto subItem = [this](const QString& name, const QString& caption, const QString& hint, const QString& slot) {
        QAction* a = named(SubPopup->addAction(caption), name);
        a->setToolTip(hint);
        a->setData(slot);
        connect(a, &QAction::triggered, this, [this, a] { guard([this, a] { popSubClick(a); }); });
    };
    subItem(QStringLiteral("subDeselect"), QStringLiteral("[deselect]"), QStringLiteral("not a sub"), QString());
    SubPopup->addSeparator()->setObjectName(QStringLiteral("N3"));
    const QStringList hints = {QStringLiteral("1st sub"), QStringLiteral("2nd Sub"), QStringLiteral("3rd Sub"),
                               QStringLiteral("4th Sub"), QStringLiteral("5th Sub")};
    for (int k = 1; k <= 5; ++k)
        subItem(QStringLiteral("popSub%1").arg(k), QStringLiteral("S &%1").arg(k), hints.at(k - 1),
                QStringLiteral("S%1").arg(k));
    // Each slot shows who holds it, beside its caption; the caption itself (iconText) stays "S 1" .. "S 5".
    connect(SubPopup, &QMenu::aboutToShow, this, [this] {
        const SquadTable table = squadTable();
        for (int k = 1; k <= 5; ++k) {
            QAction* a = findChild<QAction*>(QStringLiteral("popSub%1").arg(k));
            const QString caption = QStringLiteral("S &%1").arg(k);
            a->setIconText(QStringLiteral("S %1").arg(k));
            const QString holder = substituteInSlot(table, k);
            // Names from a file show their "&" as written.
            a->setText(holder.isEmpty() ? caption
                                        : caption + QLatin1Char('\t') +
                                              QString(holder).replace(QLatin1Char('&'), QLatin1String("&&")));
        }
    });

    LOTPopup = named(new QMenu(this), QStringLiteral("LOTPopup"));
    auto lotItem = [this](const QString& name, const QString& caption, const QString& lot) {
        QAction* a = named(LOTPopup->addAction(caption), name);
        a->setData(lot);
        connect(a, &QAction::triggered, this, [this, a] { guard([this, a] { LotPopupClick(a); }); });
    };
    lotItem(QStringLiteral("LOTDeselect"), QStringLiteral("[Deselect]"), QString());
    LOTPopup->addSeparator();
    QList<QAction*> lots;
    for (int lot = 1; lot <= 10; ++lot) {
        lotItem(QStringLiteral("LOT%1").arg(lot), QString::number(lot), QString::number(lot));
        lots.append(LOTPopup->actions().constLast());
    }
    chooseWithDigits(LOTPopup, lots);
}

void TSQMainForm::setUpMainWindow()
{
    // 1. the squad grid
    RosterStringGrid->clearContents();
    RosterStringGrid->setColumnCount(SquadColumns);
    RosterStringGrid->setRowCount(18);
    for (int c = 0; c < SquadColumns; ++c)
        RosterStringGrid->setCellText(c, 0, squadCaptions().at(c));
    RosterStringGrid->setColumnWidths({120, 30, 30, 30, 30, 30, 30, 30, 141});

    // 2. to 6. the settings
    if (isMswl())
        MenuFullMSWL->setChecked(true);
    else
        MenuNoWG->setChecked(true);
    popWG->setEnabled(isMswl());
    MenuAutoIncr->setChecked(IniFile->readBool(QStringLiteral("Options"), QStringLiteral("AutoIncr"), false));
    TimeStepsOn = IniFile->readBool(QStringLiteral("Options"), QStringLiteral("TimeSteps"), false);
    (TimeStepsOn ? Set15on : Set15off)->setChecked(true);
    fillNumberCombo(MatchNoComboBox, 1,
                    IniFile->readNumber(QStringLiteral("SeasonLength"), QStringLiteral("Matches"), 30, 1, 99));
    fillNumberCombo(SessionNoComboBox, 1,
                    IniFile->readNumber(QStringLiteral("SeasonLength"), QStringLiteral("Sessions"), 10, 1, 99));
    fillNumberCombo(HBCombo, IniFile->readNumber(QStringLiteral("HomeBonus"), QStringLiteral("Min"), 3, 0, 99),
                    IniFile->readNumber(QStringLiteral("HomeBonus"), QStringLiteral("Max"), 8, 0, 99));
    WorkDir = IniFile->readString(QStringLiteral("Options"), QStringLiteral("WorkingDir"), QString());
    if (!WorkDir.isEmpty())
        OpenRosDialog->InitialDir = OpenLineupDialog->InitialDir = WorkDir;

    // 7. the window size
    const int res = IniFile->readInteger(QStringLiteral("Options"), QStringLiteral("ScreenRes"), 0);
    for (QAction* a : {size640Menu, size800Menu, size1024Menu, sizeCustMenu})
        a->setChecked(false);
    QSize size = presetWindowSize(res, true);
    if (res == 999) {
        // A stored custom size below the window's minimum (a negative one too) is raised to it; one beyond
        // any screen is held to a size the window system can take.
        constexpr int largest = 16000;
        size =
            QSize(qBound(680, IniFile->readInteger(QStringLiteral("Options"), QStringLiteral("XRes"), 796), largest),
                  qBound(480, IniFile->readInteger(QStringLiteral("Options"), QStringLiteral("YRes"), 512), largest));
    }
    if (size.isValid()) {
        (res == 640    ? size640Menu
         : res == 800  ? size800Menu
         : res == 1024 ? size1024Menu
                       : sizeCustMenu)
            ->setChecked(true);
        setOuterSize(size.width(), size.height());
    }
    layOutMainWindow();
    // Before the window is shown, so that the platform places it there from the start.
    centreOnScreen(this);

    // 8. the totals grid
    const QStringList totalsCaptions = {QString(), QStringLiteral("Num"), QStringLiteral("SL"), QString()};
    for (int r = 0; r < 4; ++r)
        LineupTotGrid->setCellText(0, r, totalsCaptions.at(r));
    for (int c = 1; c <= 6; ++c) {
        LineupTotGrid->setCellText(c, 0, playedPositions().at(c - 1));
        LineupTotGrid->setCellText(c, 1, QStringLiteral("0"));
        LineupTotGrid->setCellText(c, 2, QStringLiteral("0"));
    }
    // 9. the pitch
    for (QLabel* l : pitchLabels)
        l->clear();
    // 10.
    MainPageControl->setCurrentWidget(MainSheet);
    // 11. the auction grid
    AuctionStringGrid->setCellText(0, 0, QStringLiteral("LOT"));
    AuctionStringGrid->setCellText(1, 0, QStringLiteral("Price Bid"));
    AuctionStringGrid->setCellText(2, 0, QStringLiteral("Name"));
    AuctionStringGrid->setColumnWidths({50, 100, 320});
}

void TSQMainForm::fillNumberCombo(QComboBox* box, int from, int to)
{
    box->clear();
    for (int i = from; i <= to; ++i)
        box->addItem(QString::number(i));
    box->setCurrentIndex(-1);
}

void TSQMainForm::MainPageControlChange()
{
    validPanel->setVisible(MainPageControl->currentWidget() == MainSheet);
    if (MainPageControl->currentWidget() == SummarySheet)
        tidyZipListBox();
}

void TSQMainForm::turnPage(int step)
{
    const int count = MainPageControl->count();
    if (count > 0)
        MainPageControl->setCurrentIndex((MainPageControl->currentIndex() + step + count) % count);
}

void TSQMainForm::HelpClick()
{
    THelpWindow::showContents(this, locateHelpFile(QApplication::applicationFilePath()));
}

void TSQMainForm::AboutClick()
{
    TAboutBox box(this);
    box.exec();
}

void TSQMainForm::ExitMenuClick()
{
    close(); // the question, when there is one, is the close event's
}

bool TSQMainForm::lineupChangedSinceSaved() const
{
    try {
        const QList<Finding> findings = checkOrders();
        return std::any_of(findings.begin(), findings.end(),
                           [](const Finding& f) { return f.code == QLatin1String("S3"); });
    } catch (const std::exception&) {
        return false; // a grid the file cannot be built from has nothing to compare
    }
}

QString TSQMainForm::closingQuestion() const
{
    const bool lineup = lineupChangedSinceSaved();
    const bool archive = ZipListBox->count() > 0;
    if (lineup && archive)
        return QStringLiteral("The line-up has changed since it was saved.\nOrders not Zipped. Exit Anyway?");
    if (lineup)
        return QStringLiteral("The line-up has changed since it was saved. Exit anyway?");
    if (archive)
        return QStringLiteral("Orders not Zipped. Exit Anyway?");
    return QString();
}

void TSQMainForm::closeEvent(QCloseEvent* event)
{
    const QString question = closingQuestion();
    // No is the default: Enter, like Escape, keeps the program open.
    if (!question.isEmpty() && !MessageBox::confirm(this, question, MessageBox::No)) {
        event->ignore();
        return;
    }
    event->accept();
    // The side windows go with the main window, so that the program ends.
    if (OrdersCheckForm)
        OrdersCheckForm->close();
    if (MatchPlanForm)
        MatchPlanForm->close();
    if (THelpWindow* help = THelpWindow::instance())
        help->close();
}

bool TSQMainForm::endOfSession()
{
    return close();
}
