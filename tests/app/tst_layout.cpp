#include "app/Formsizeunit.h"
#include "testutil.h"

#include <QGroupBox>
#include <QRegion>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {
QString checkedSize(const Window& w)
{
    QStringList on;
    for (const char* name : {"size640Menu", "size800Menu", "size1024Menu", "sizeCustMenu"})
        if (w.action(name)->isChecked())
            on << name;
    return on.join(' ');
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Every caption of the shown page and the top strip: a single-line label is as wide as its text in its own
// font, and lies wholly inside its parent; a group box's title fits the box, and the box the page.
QStringList cutTexts(TSQMainForm* form)
{
    QStringList cut;
    QWidget* page = form->MainPageControl->currentWidget();
    QList<QLabel*> labels = page->findChildren<QLabel*>();
    labels << form->infoPanel->findChildren<QLabel*>() << form->validPanel->findChildren<QLabel*>();
    for (QLabel* l : labels) {
        if (!l->isVisibleTo(form) || l->text().isEmpty() || !l->pixmap().isNull())
            continue;
        const QWidget* parent = l->parentWidget();
        if (!l->wordWrap() && !l->inherits("TRotatedLabel")) {
            for (const QString& line : l->text().split('\n'))
                if (l->fontMetrics().horizontalAdvance(line) > l->contentsRect().width())
                    cut << QStringLiteral("\"%1\" is %2 wide in a label of %3")
                               .arg(line)
                               .arg(l->fontMetrics().horizontalAdvance(line))
                               .arg(l->contentsRect().width());
        }
        if (!parent->rect().contains(l->geometry()))
            cut << QStringLiteral("\"%1\" reaches outside %2").arg(l->text(), parent->objectName());
    }
    for (QGroupBox* box : page->findChildren<QGroupBox*>()) {
        if (!page->rect().contains(box->geometry()))
            cut << QStringLiteral("group box \"%1\" reaches outside the page").arg(box->title());
        for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(form) && !box->rect().contains(child->geometry()))
                cut << QStringLiteral("%1 reaches outside \"%2\"").arg(child->objectName(), box->title());
    }
    QTabBar* tabs = form->MainPageControl->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) > tabs->tabRect(i).width())
            cut << QStringLiteral("tab \"%1\"").arg(tabs->tabText(i));
    return cut;
}
} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void presetSizes_data();
    void presetSizes();
    void largeWindowGeometry();
    void customSizeIsKeptForTheNextStart();
    void draggingBelowTheMinimumSpringsBack();
    void storedSizeAtStartUp_data();
    void storedSizeAtStartUp();
    void outlineContainsAndExcludes_data();
    void outlineContainsAndExcludes();
    void textsAreWholeAtEverySize_data();
    void textsAreWholeAtEverySize();
    void longPitchNameGrowsAroundItsPlace();
    void topStripControlsDoNotOverlap_data();
    void topStripControlsDoNotOverlap();
    void viewerShowsEveryStarterAtEverySize_data();
    void viewerShowsEveryStarterAtEverySize();
};

void TestLayout::presetSizes_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("grid");
    QTest::addColumn<QSize>("pages");
    QTest::newRow("640 x 480") << "size640Menu" << QSize(680, 480) << QSize(390, 315) << QSize(667, 373);
    QTest::newRow("800 x 600") << "size800Menu" << QSize(796, 512) << QSize(511, 342) << QSize(786, 404);
    QTest::newRow("1024 x 768") << "size1024Menu" << QSize(1020, 680) << QSize(735, 510) << QSize(1010, 572);
}

void TestLayout::presetSizes()
{
    QFETCH(QString, item);
    QFETCH(QSize, window);
    QFETCH(QSize, grid);
    QFETCH(QSize, pages);
    Window w;
    w.action(item)->trigger();
    settle();
    QCOMPARE(w.form->outerSize(), window);
    QCOMPARE(checkedSize(w), item);
    QCOMPARE(w.form->RosterStringGrid->size(), grid);
    QCOMPARE(w.form->MainPageControl->size(), pages);
    QVERIFY(readBytes(w.iniPath).contains(
        QByteArray("ScreenRes=" + item.mid(4, item.indexOf("Menu") - 4).toLatin1() + "\r\n")));
}

void TestLayout::largeWindowGeometry()
{
    Window w;
    QTest::keyClick(w.form.get(), Qt::Key_F7);
    settle();
    QCOMPARE(w.form->outerSize(), QSize(1020, 680));
    QCOMPARE(w.form->LUOptionsGroupBox->x(), 741);
    QCOMPARE(w.form->LUTotalsGroupBox->x(), 741);
    QCOMPARE(w.form->validPanel->x(), 380);
    QCOMPARE(w.form->infoPanel->width(), 275);
    QCOMPARE(w.form->TeamInfListBox->size(), QSize(460, 114));
    QCOMPARE(w.form->StartersLabel->y(), 139);
    QCOMPARE(w.form->StartersListBox->geometry(), QRect(20, 159, 460, 190));
    QCOMPARE(w.form->SubstitutesLabel->y(), 359);
    QCOMPARE(w.form->SubsListBox->geometry(), QRect(20, 379, 460, 114));
    QCOMPARE(w.form->pitchPanel->x(), 510);
    QCOMPARE(w.form->pitchPanel->width(), 380);
}

void TestLayout::customSizeIsKeptForTheNextStart()
{
    QByteArray ini;
    {
        Window w;
        w.action("sizeCustMenu")->trigger();
        QCOMPARE(checkedSize(w), QString("sizeCustMenu"));
        ini = readBytes(w.iniPath);
        QVERIFY(ini.contains("ScreenRes=999\r\nXRes=799\r\nYRes=600\r\n"));
    }
    Window again(ini);
    settle();
    QCOMPARE(again.form->outerSize(), QSize(799, 600));
    QCOMPARE(checkedSize(again), QString("sizeCustMenu"));
}

void TestLayout::draggingBelowTheMinimumSpringsBack()
{
    Window w;
    w.action("size800Menu")->trigger();
    settle();
    const QSize frame = w.form->outerSize() - w.form->size();
    w.form->resize(QSize(600, 400) - frame); // as a drag of the frame does
    settle();
    QCOMPARE(w.form->outerSize(), QSize(680, 480));
    QCOMPARE(checkedSize(w), QString());
    QCOMPARE(w.form->RosterStringGrid->size(), QSize(390, 315));
    // Tall enough for the five substitutes (and the eleven starters above them).
    QCOMPARE(w.form->SubsListBox->geometry(), QRect(20, 277, 280, 76));
    QCOMPARE(w.form->pitchPanel->x(), 400);
    QVERIFY(readBytes(w.iniPath).contains("ScreenRes=800\r\n"));
    w.form->resize(QSize(900, 700) - frame);
    settle();
    QCOMPARE(w.form->outerSize(), QSize(900, 700));
    QCOMPARE(w.form->RosterStringGrid->size(), QSize(615, 530));
}

void TestLayout::storedSizeAtStartUp_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QString>("checked");
    QTest::newRow("700 keeps the designed size") << QByteArray("ScreenRes=700") << QSize(799, 600) << "";
    QTest::newRow("640") << QByteArray("ScreenRes=640") << QSize(680, 480) << "size640Menu";
    QTest::newRow("1024") << QByteArray("ScreenRes=1024") << QSize(1020, 680) << "size1024Menu";
    QTest::newRow("999 without sizes") << QByteArray("ScreenRes=999") << QSize(796, 512) << "sizeCustMenu";
    QTest::newRow("999 with sizes") << QByteArray("ScreenRes=999\r\nXRes=900\r\nYRes=650") << QSize(900, 650)
                                    << "sizeCustMenu";
    QTest::newRow("999 with negative sizes")
        << QByteArray("ScreenRes=999\r\nXRes=-5\r\nYRes=-2147483648") << QSize(680, 480) << "sizeCustMenu";
    QTest::newRow("999 below the minimum")
        << QByteArray("ScreenRes=999\r\nXRes=300\r\nYRes=600") << QSize(680, 600) << "sizeCustMenu";
}

void TestLayout::storedSizeAtStartUp()
{
    QFETCH(QByteArray, options);
    QFETCH(QSize, window);
    QFETCH(QString, checked);
    Window w("[Options]\r\n" + options + "\r\n");
    settle();
    QCOMPARE(w.form->outerSize(), window);
    QCOMPARE(checkedSize(w), checked);
}

void TestLayout::outlineContainsAndExcludes_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top left corner") << QPoint(0, 0) << false;
    QTest::newRow("top band") << QPoint(400, 45) << true;
    QTest::newRow("left of the body") << QPoint(1, 300) << false;
    QTest::newRow("body") << QPoint(3, 300) << true;
    QTest::newRow("right edge of the body") << QPoint(795, 300) << false;
    QTest::newRow("just inside the right edge") << QPoint(794, 300) << true;
    QTest::newRow("body bottom") << QPoint(400, 558) << true;
    QTest::newRow("below the body, right of the tab") << QPoint(500, 570) << false;
    QTest::newRow("bottom tab") << QPoint(100, 570) << true;
    QTest::newRow("bottom tab left edge") << QPoint(0, 562) << true;
    QTest::newRow("below the tab") << QPoint(100, 581) << false;
}

void TestLayout::outlineContainsAndExcludes()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    QCOMPARE(windowOutline(799, 600).contains(point), inside);
}

void TestLayout::textsAreWholeAtEverySize_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("page");
    const char* items[] = {"size640Menu", "size800Menu", "size1024Menu", "sizeCustMenu"};
    const char* pages[] = {"Lineup Creator", "Lineup Viewer", "Auction Bids", "Press Statement", "Zip Orders"};
    for (const char* item : items)
        for (int page = 0; page < 5; ++page)
            QTest::addRow("%s, %s", item, pages[page]) << QString(item) << page;
}

void TestLayout::textsAreWholeAtEverySize()
{
    QFETCH(QString, item);
    QFETCH(int, page);
    Window w;
    w.openRoster(sample("RVR.ros"));
    QFile::copy(sample("RVR3.txt"), w.path("RVR3.txt"));
    FileDialog::queueAnswer(w.path("RVR3.txt"));
    w.action("OpenLineupMenu")->trigger();
    w.action(item)->trigger();
    w.form->MainPageControl->setCurrentIndex(page);
    settle();
    const QStringList cut = cutTexts(w.form.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
}

void TestLayout::longPitchNameGrowsAroundItsPlace()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    QMap<QString, QRect> home;
    for (QLabel* l : w.form->pitchLabels)
        home.insert(l->objectName(), l->geometry());
    QFile::copy(sample("RVR3.txt"), w.path("RVR3.txt"));
    FileDialog::queueAnswer(w.path("RVR3.txt"));
    w.action("OpenLineupMenu")->trigger();
    QLabel* shown = nullptr;
    for (QLabel* l : w.form->pitchLabels)
        if (l->text() == QString("François Lemaître"))
            shown = l;
    QVERIFY2(shown, "the long name is not on the pitch");
    QVERIFY(shown->width() >= shown->fontMetrics().horizontalAdvance(shown->text()));
    QVERIFY(shown->width() > home.value(shown->objectName()).width());
    QVERIFY(shown->parentWidget()->rect().contains(shown->geometry()));
    QVERIFY(qAbs(shown->geometry().center().x() - home.value(shown->objectName()).center().x()) <= 1);
    QCOMPARE(shown->y(), home.value(shown->objectName()).y());
}

void TestLayout::topStripControlsDoNotOverlap_data()
{
    QTest::addColumn<QString>("item");
    for (const char* item : {"size640Menu", "size800Menu", "size1024Menu", "sizeCustMenu"})
        QTest::newRow(item) << QString(item);
}

// The tool bar, the two buttons below it (Check Orders and Match Plan), the team and checker panels and the pages:
// each shown whole inside the window and none over another.
void TestLayout::topStripControlsDoNotOverlap()
{
    QFETCH(QString, item);
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.action(item)->trigger();
    settle();
    const QList<QWidget*> controls = {w.form->ToolBar1,
                                      w.find<QWidget>("CheckToolbarBtn"),
                                      w.find<QWidget>("PlanToolbarBtn"),
                                      w.form->infoPanel,
                                      w.form->validPanel,
                                      w.form->MainPageControl};
    QWidget* central = w.form->centralWidget();
    QStringList wrong;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget* a = controls.at(i);
        if (!a->isVisible())
            wrong << a->objectName() + " is hidden";
        if (!central->rect().contains(a->geometry()))
            wrong << a->objectName() + " reaches outside the window";
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (a->geometry().intersects(controls.at(j)->geometry()))
                wrong << a->objectName() + " overlaps " + controls.at(j)->objectName();
    }
    // The tool bar's own buttons lie inside it.
    for (QWidget* b : w.form->ToolBar1->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (b->isVisible() && !w.form->ToolBar1->rect().contains(b->geometry()))
            wrong << b->objectName() + " is cut by the tool bar";
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
}

void TestLayout::viewerShowsEveryStarterAtEverySize_data()
{
    QTest::addColumn<QSize>("outer");
    for (const QSize size : {QSize(680, 480), QSize(796, 512), QSize(799, 600), QSize(1020, 680), QSize(900, 700),
                             QSize(1400, 1000), QSize(700, 520)})
        QTest::addRow("%dx%d", size.width(), size.height()) << size;
}

void TestLayout::viewerShowsEveryStarterAtEverySize()
{
    QFETCH(QSize, outer);
    Window w;
    w.openSampleLineup();
    w.form->MainPageControl->setCurrentWidget(w.form->LineupSheet);
    w.form->setOuterSize(outer.width(), outer.height());
    settle();
    w.form->layOutMainWindow();
    settle();
    // Every line wholly inside the list's visible part, above a scroll bar a long line may bring; the lists
    // stay inside the page, one below the other.
    for (QListWidget* list : {w.form->StartersListBox, w.form->SubsListBox}) {
        QCOMPARE(list->count(), list == w.form->StartersListBox ? 11 : 5);
        list->scrollToTop();
        const QRect shown = list->viewport()->rect();
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(list->visualItemRect(list->item(i)).top() >= shown.top() &&
                         list->visualItemRect(list->item(i)).bottom() <= shown.bottom(),
                     qPrintable(QStringLiteral("%1 line %2 of %3 is cut: %4 in %5")
                                    .arg(list->objectName())
                                    .arg(i + 1)
                                    .arg(list->count())
                                    .arg(list->visualItemRect(list->item(i)).bottom())
                                    .arg(shown.bottom())));
        QVERIFY(w.form->LineupSheet->rect().contains(list->geometry()));
    }
    QVERIFY(w.form->StartersListBox->geometry().bottom() < w.form->SubstitutesLabel->geometry().top());
    QVERIFY(w.form->SubstitutesLabel->geometry().bottom() < w.form->SubsListBox->geometry().top());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
