// The windows on a real X display (Xvfb, started by with_openbox.sh), under the openbox window manager and with no
// window manager at all: the outer sizes, the outline against what is really on the screen, the tabs, centring,
// and moving and resizing the window with the mouse as the manager does (xdotool drives the X server's pointer).
#include "app/Formsizeunit.h"
#include "app/aboutbox.h"
#include "app/helpwindow.h"
#include "focustestutil.h"
#include "tactics/Playcondunit.h"
#include "testutil.h"
#include "widgets/titlestrip.h"

#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegion>
#include <QScopeGuard>
#include <QScreen>
#include <QSizeGrip>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
// True when the display has a window manager (the test is run both ways).
bool withWindowManager()
{
    return qEnvironmentVariable("SQUADRANT_WM") != QLatin1String("none");
}

QString checkedSize(const Window& w)
{
    QStringList on;
    for (const char* name : {"size640Menu", "size800Menu", "size1024Menu", "sizeCustMenu"})
        if (w.action(name)->isChecked())
            on << name;
    return on.join(' ');
}

// Waits until the window manager has done with the window: exposed, and the same outer geometry for a while.
void settle(QWidget* window)
{
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QElapsedTimer clock;
    clock.start();
    QRect last = window->frameGeometry();
    QElapsedTimer still;
    still.start();
    while (clock.elapsed() < 5000 && still.elapsed() < 300) {
        QTest::qWait(20);
        if (window->frameGeometry() != last) {
            last = window->frameGeometry();
            still.restart();
        }
    }
}

void xdotool(const QStringList& args)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), args), 0);
}

// A drag with the real pointer, in screen coordinates, in small steps as a hand makes it.
void drag(QPoint from, QPoint to)
{
    xdotool({"mousemove", QString::number(from.x()), QString::number(from.y())});
    QTest::qWait(50);
    xdotool({"mousedown", "1"});
    QTest::qWait(50);
    for (int i = 1; i <= 10; ++i) {
        const QPoint p = from + (to - from) * i / 10;
        xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())});
        QTest::qWait(20);
    }
    xdotool({"mouseup", "1"});
    QTest::qWait(100);
}

void click(QPoint at)
{
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    QTest::qWait(100);
}

QImage screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// The window's outline in screen coordinates.
QRegion outlineOnScreen(TSQMainForm* form)
{
    const QRect outer = form->frameGeometry();
    return windowOutline(outer.width(), outer.height()).translated(outer.topLeft());
}

// Every pixel of the screen around the window that lies outside its outline shows the bare (black) root
// window: no frame, border or piece of the window stands apart from it. Returns the first pixel that does not.
QString strayPixel(const QImage& shot, const QRegion& outline, const QRect& around)
{
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x) {
            if (x < 0 || y < 0 || x >= shot.width() || y >= shot.height() || outline.contains(QPoint(x, y)))
                continue;
            if (shot.pixelColor(x, y) != QColor(Qt::black))
                return QStringLiteral("%1,%2 shows %3").arg(x).arg(y).arg(shot.pixelColor(x, y).name());
        }
    return QString();
}

// The five tabs, each wholly inside the visible outline (in screen coordinates).
void checkTabsInsideOutline(TSQMainForm* form)
{
    QTabBar* tabs = form->MainPageControl->tabBar();
    QVERIFY(tabs->isVisible());
    QCOMPARE(tabs->count(), 5);
    const QRegion outline = outlineOnScreen(form);
    for (int i = 0; i < tabs->count(); ++i) {
        const QRect tab(tabs->mapToGlobal(tabs->tabRect(i).topLeft()), tabs->tabRect(i).size());
        QVERIFY2(QRegion(tab).subtracted(outline).isEmpty(),
                 qPrintable(QStringLiteral("tab %1 at %2,%3 %4x%5 is not wholly inside the outline")
                                .arg(tabs->tabText(i))
                                .arg(tab.x())
                                .arg(tab.y())
                                .arg(tab.width())
                                .arg(tab.height())));
        // ...and inside the page control's own visible area, so it is drawn whole.
        QVERIFY(tabs->rect().contains(tabs->tabRect(i)));
        QVERIFY(form->MainPageControl->rect().contains(
            QRect(tabs->mapTo(form->MainPageControl, tabs->tabRect(i).topLeft()), tabs->tabRect(i).size())));
    }
}

void checkWholeWindowOnScreen(TSQMainForm* form)
{
    // The window draws its own frame: the window manager adds none.
    QCOMPARE(form->frameGeometry(), form->geometry());
    // The platform's idea of where the window is (which places pop-up menus) agrees with the window's own.
    QCOMPARE(form->windowHandle()->geometry(), form->geometry());
    const QRect outer = form->frameGeometry();
    const QImage shot = screen();
    const QString stray = strayPixel(shot, outlineOnScreen(form), outer.adjusted(-6, -6, 6, 60));
    QVERIFY2(stray.isEmpty(), qPrintable(stray));
    // ...and the window is really there: the title strip at the top, the window colour in the tab piece.
    QCOMPARE(shot.pixelColor(outer.topLeft() + QPoint(outer.width() / 2, 3)), QColor(46, 104, 58));
    QCOMPARE(shot.pixelColor(outer.topLeft() + QPoint(385, outer.height() - 30)), QColor(192, 220, 192));
    checkTabsInsideOutline(form);
}

void checkCentred(QWidget* window)
{
    const QRect area = window->screen()->availableGeometry();
    const QRect outer = outerGeometry(window);
    QVERIFY2(qAbs(outer.center().x() - area.center().x()) <= 1 && qAbs(outer.center().y() - area.center().y()) <= 1,
             qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 is not centred")
                            .arg(window->objectName())
                            .arg(outer.x())
                            .arg(outer.y())
                            .arg(outer.width())
                            .arg(outer.height())));
}

// The close message of the X desktop (WM_PROTOCOLS / WM_DELETE_WINDOW), as a window manager sends it to the
// window's client for its close button or Alt+F4, and as a session manager's end of session leads to.
void sendDeleteWindow(QWidget* window)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    QVERIFY(x11);
    xcb_connection_t* c = x11->connection();
    auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return a;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

QByteArray options(const QByteArray& lines)
{
    return "[Options]\r\n" + lines + "\r\n";
}
} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startUpSizes_data();
    void startUpSizes();
    void formSizeItems_data();
    void formSizeItems();
    void customThenRestartKeepsTheSize_data();
    void customThenRestartKeepsTheSize();
    void dragBelowTheMinimum_data();
    void dragBelowTheMinimum();
    void edgesResize_data();
    void edgesResize();
    void eachTabIsClickable_data();
    void eachTabIsClickable();
    void titleStripMovesMinimisesAndCloses();
    void aboutBoxIsCentred();
    void conditionalsEditorOutlineIsTheWholeWindow();
    void helpWindowStandsBesideTheMainWindow();
    void matchPlanStandsBesideTheMainWindow();
    void tabRoundShowsTheRingOnTheScreen_data();
    void tabRoundShowsTheRingOnTheScreen();
    void windowManagerCloseAndSessionEndAsk_data();
    void windowManagerCloseAndSessionEndAsk();
    void sideWindowsOnACrowdedScreen();
};

void TestDesktop::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    QProcess xprop;
    xprop.start("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
    QVERIFY(xprop.waitForFinished());
    const bool running = xprop.readAllStandardOutput().contains("window id");
    QVERIFY2(running == withWindowManager(), running ? "a window manager is running" : "no window manager is running");
}

void TestDesktop::startUpSizes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QString>("checked");
    QTest::newRow("640") << QByteArray("ScreenRes=640") << QSize(680, 480) << "size640Menu";
    QTest::newRow("800") << QByteArray("ScreenRes=800") << QSize(796, 512) << "size800Menu";
    QTest::newRow("1024") << QByteArray("ScreenRes=1024") << QSize(1020, 680) << "size1024Menu";
    QTest::newRow("999") << QByteArray("ScreenRes=999\r\nXRes=900\r\nYRes=650") << QSize(900, 650) << "sizeCustMenu";
    QTest::newRow("999 below the minimum")
        << QByteArray("ScreenRes=999\r\nXRes=500\r\nYRes=300") << QSize(680, 480) << "sizeCustMenu";
    QTest::newRow("other") << QByteArray("ScreenRes=700") << QSize(799, 600) << "";
}

void TestDesktop::startUpSizes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QSize, outer);
    QFETCH(QString, checked);
    Window w(options(stored));
    settle(w.form.get());
    QCOMPARE(w.form->frameGeometry().size(), outer);
    QCOMPARE(checkedSize(w), checked);
    checkCentred(w.form.get());
    checkWholeWindowOnScreen(w.form.get());
}

void TestDesktop::formSizeItems_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QSize>("outer");
    QTest::newRow("F5") << int(Qt::Key_F5) << "size640Menu" << QSize(680, 480);
    QTest::newRow("F6") << int(Qt::Key_F6) << "size800Menu" << QSize(796, 512);
    QTest::newRow("F7") << int(Qt::Key_F7) << "size1024Menu" << QSize(1020, 680);
    QTest::newRow("Custom") << 0 << "sizeCustMenu" << QSize(799, 600);
}

void TestDesktop::formSizeItems()
{
    QFETCH(int, key);
    QFETCH(QString, item);
    QFETCH(QSize, outer);
    Window w;
    settle(w.form.get());
    if (key) {
        w.form->activateWindow();
        QTRY_VERIFY(w.form->isActiveWindow());
        xdotool({"key", key == Qt::Key_F5 ? "F5" : key == Qt::Key_F6 ? "F6" : "F7"});
    } else {
        w.action(item)->trigger();
    }
    QTRY_COMPARE(w.form->frameGeometry().size(), outer);
    settle(w.form.get());
    QCOMPARE(w.form->frameGeometry().size(), outer);
    QCOMPARE(checkedSize(w), item);
    const MainLayout l = computeMainLayout(outer.width(), outer.height());
    QCOMPARE(w.form->RosterStringGrid->size(), QSize(l.gridWidth, l.gridHeight));
    QCOMPARE(w.form->MainPageControl->size(), QSize(l.pageWidth, l.pageHeight));
    // The whole window stays on the screen.
    QVERIFY(w.form->screen()->availableGeometry().contains(w.form->frameGeometry()));
    checkWholeWindowOnScreen(w.form.get());
}

void TestDesktop::customThenRestartKeepsTheSize_data()
{
    QTest::addColumn<QString>("item"); // the size chosen before Custom, or empty
    QTest::addColumn<QPoint>("drag");  // then dragged by the grip
    QTest::addColumn<QSize>("outer");
    QTest::newRow("designed size") << "" << QPoint() << QSize(799, 600);
    QTest::newRow("640 x 480") << "size640Menu" << QPoint() << QSize(680, 480);
    QTest::newRow("800 x 600") << "size800Menu" << QPoint() << QSize(796, 512);
    QTest::newRow("1024 x 768") << "size1024Menu" << QPoint() << QSize(1020, 680);
    QTest::newRow("dragged") << "" << QPoint(101, 50) << QSize(900, 650);
}

void TestDesktop::customThenRestartKeepsTheSize()
{
    QFETCH(QString, item);
    QFETCH(QPoint, drag);
    QFETCH(QSize, outer);
    QByteArray ini;
    {
        Window w;
        settle(w.form.get());
        if (!item.isEmpty())
            w.action(item)->trigger();
        settle(w.form.get());
        if (!drag.isNull()) {
            auto* grip = w.find<QSizeGrip>("SizeGrip");
            const QPoint at = grip->mapToGlobal(grip->rect().center());
            ::drag(at, at + drag);
            settle(w.form.get());
        }
        QCOMPARE(w.form->frameGeometry().size(), outer);
        w.action("sizeCustMenu")->trigger();
        ini = readBytes(w.iniPath);
    }
    const QByteArray stored =
        QStringLiteral("ScreenRes=999\r\nXRes=%1\r\nYRes=%2\r\n").arg(outer.width()).arg(outer.height()).toLatin1();
    QVERIFY2(ini.contains(stored), ini.constData());
    // A fresh start, then Custom again, three times over: the window opens at the stored outer size and never
    // grows.
    for (int round = 0; round < 3; ++round) {
        Window w(ini);
        settle(w.form.get());
        QCOMPARE(w.form->frameGeometry().size(), outer);
        QCOMPARE(checkedSize(w), QString("sizeCustMenu"));
        checkWholeWindowOnScreen(w.form.get());
        w.action("sizeCustMenu")->trigger();
        ini = readBytes(w.iniPath);
        QVERIFY2(ini.contains(stored), ini.constData());
    }
}

void TestDesktop::dragBelowTheMinimum_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("640 x 480") << "size640Menu";
    QTest::newRow("800 x 600") << "size800Menu";
    QTest::newRow("1024 x 768") << "size1024Menu";
    QTest::newRow("Custom") << "sizeCustMenu";
}

void TestDesktop::dragBelowTheMinimum()
{
    QFETCH(QString, item);
    Window w;
    settle(w.form.get());
    w.action(item)->trigger();
    settle(w.form.get());
    const QSize start = w.form->frameGeometry().size();

    // Larger first: the grip follows the pointer and the layout follows the window.
    QSizeGrip* grip = w.find<QSizeGrip>("SizeGrip");
    QVERIFY(grip->isVisible());
    QPoint at = grip->mapToGlobal(grip->rect().center());
    drag(at, at + QPoint(60, 40));
    settle(w.form.get());
    const QSize larger = w.form->frameGeometry().size();
    QVERIFY2(qAbs(larger.width() - start.width() - 60) <= 2 && qAbs(larger.height() - start.height() - 40) <= 2,
             qPrintable(QStringLiteral("%1x%2").arg(larger.width()).arg(larger.height())));
    QCOMPARE(checkedSize(w), QString());
    QCOMPARE(w.form->RosterStringGrid->width(), larger.width() - 285);
    checkWholeWindowOnScreen(w.form.get());

    // Then far below the minimum: the window springs back to 680 by 480.
    at = grip->mapToGlobal(grip->rect().center());
    drag(at, at - QPoint(larger.width() - 300, larger.height() - 250));
    QTRY_COMPARE(w.form->frameGeometry().size(), QSize(680, 480));
    settle(w.form.get());
    QCOMPARE(w.form->frameGeometry().size(), QSize(680, 480));
    QCOMPARE(checkedSize(w), QString());
    QCOMPARE(w.form->RosterStringGrid->size(), QSize(390, 315));
    QCOMPARE(w.form->MainPageControl->size(), QSize(667, 373));
    checkWholeWindowOnScreen(w.form.get());
}

void TestDesktop::edgesResize_data()
{
    QTest::addColumn<QString>("edge");
    QTest::addColumn<QPoint>("move");
    QTest::addColumn<QRect>("change"); // of the outer geometry: left, top, width, height
    QTest::newRow("right, wider") << "RightEdgeGrip" << QPoint(50, 0) << QRect(0, 0, 50, 0);
    QTest::newRow("left, wider") << "LeftEdgeGrip" << QPoint(-40, 0) << QRect(-40, 0, 40, 0);
    QTest::newRow("bottom, taller") << "BottomEdgeGrip" << QPoint(0, 30) << QRect(0, 0, 0, 30);
    QTest::newRow("right, too narrow") << "RightEdgeGrip" << QPoint(-400, 0) << QRect(0, 0, 680 - 799, 0);
    QTest::newRow("bottom, too low") << "BottomEdgeGrip" << QPoint(0, -300) << QRect(0, 0, 0, 480 - 600);
}

void TestDesktop::edgesResize()
{
    QFETCH(QString, edge);
    QFETCH(QPoint, move);
    QFETCH(QRect, change);
    Window w;
    settle(w.form.get());
    const QRect before = w.form->frameGeometry();
    auto* grip = w.find<QWidget>(edge);
    QVERIFY(grip->isVisible());
    QVERIFY(outlineOnScreen(w.form.get()).contains(QRect(grip->mapToGlobal(QPoint(0, 0)), grip->size())));
    const QPoint at = grip->mapToGlobal(grip->rect().center());
    drag(at, at + move);
    settle(w.form.get());
    const QRect after = w.form->frameGeometry();
    const QRect expected(before.x() + change.x(), before.y() + change.y(), before.width() + change.width(),
                         before.height() + change.height());
    QVERIFY2(
        qAbs(after.width() - expected.width()) <= 2 && qAbs(after.height() - expected.height()) <= 2 &&
            qAbs(after.x() - expected.x()) <= 2 && qAbs(after.y() - expected.y()) <= 2,
        qPrintable(QStringLiteral("%1,%2 %3x%4").arg(after.x()).arg(after.y()).arg(after.width()).arg(after.height())));
    QCOMPARE(checkedSize(w), QString());
    checkWholeWindowOnScreen(w.form.get());
}

void TestDesktop::eachTabIsClickable_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("640") << QByteArray("ScreenRes=640");
    QTest::newRow("800") << QByteArray("ScreenRes=800");
    QTest::newRow("1024") << QByteArray("ScreenRes=1024");
    QTest::newRow("999") << QByteArray("ScreenRes=999\r\nXRes=1100\r\nYRes=760");
}

void TestDesktop::eachTabIsClickable()
{
    QFETCH(QByteArray, stored);
    Window w(options(stored));
    settle(w.form.get());
    QTabBar* tabs = w.form->MainPageControl->tabBar();
    // With the real pointer, near each tab's lower left corner as well as at its centre.
    for (int i : {4, 1, 2, 3, 0}) {
        const QRect tab = tabs->tabRect(i);
        click(tabs->mapToGlobal(tab.center()));
        QTRY_COMPARE(w.form->MainPageControl->currentIndex(), i);
        click(tabs->mapToGlobal(QPoint(tab.left() + 3, tab.bottom() - 2)));
        QTRY_COMPARE(w.form->MainPageControl->currentIndex(), i);
    }
}

void TestDesktop::titleStripMovesMinimisesAndCloses()
{
    Window w;
    settle(w.form.get());
    QCOMPARE(w.find<QLabel>("CaptionLabel")->text(), QString("Squadrant "));
    const QPoint before = w.form->frameGeometry().topLeft();
    // The free part of the strip, between the menus and the buttons.
    auto* strip = w.find<TTitleStrip>("TitleStrip");
    const QPoint grab = strip->mapToGlobal(QPoint(strip->width() - 120, strip->height() / 2));
    drag(grab, grab + QPoint(-70, 45));
    settle(w.form.get());
    QCOMPARE(w.form->frameGeometry().topLeft(), before + QPoint(-70, 45));
    QCOMPARE(w.form->frameGeometry().size(), QSize(799, 600));
    checkWholeWindowOnScreen(w.form.get());

    if (withWindowManager()) { // only a window manager can take a window off the screen to an icon
        auto* minimise = w.find<QToolButton>("MinimiseButton");
        click(minimise->mapToGlobal(minimise->rect().center()));
        QTRY_VERIFY(w.form->windowState() & Qt::WindowMinimized);
        w.form->showNormal();
        settle(w.form.get());
    }

    // The close button asks, as every way out does, while files wait to be zipped: No stays, Yes ends.
    w.form->ZipListBox->addItem("RVR3.txt");
    auto* close = w.find<QToolButton>("CloseButton");
    MessageBox::queueAnswer(MessageBox::No);
    click(close->mapToGlobal(close->rect().center()));
    QStringList asked;
    QTRY_VERIFY(!(asked += shownBoxes()).isEmpty());
    QCOMPARE(asked, QStringList{"Confirm|Orders not Zipped. Exit Anyway?|Yes,No"});
    QVERIFY(w.form->isVisible());
    MessageBox::queueAnswer(MessageBox::Yes);
    click(close->mapToGlobal(close->rect().center()));
    QTRY_VERIFY(!w.form->isVisible());
    QCOMPARE(shownBoxes(), QStringList{"Confirm|Orders not Zipped. Exit Anyway?|Yes,No"});
}

void TestDesktop::windowManagerCloseAndSessionEndAsk_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("window manager's close (Alt+F4)") << "window manager";
    QTest::newRow("window manager's close (WM_DELETE_WINDOW)") << "delete window";
    QTest::newRow("end of the desktop session") << "session end";
}

void TestDesktop::windowManagerCloseAndSessionEndAsk()
{
    QFETCH(QString, way);
    if (way == "window manager" && !withWindowManager())
        QSKIP("only a window manager closes a window on Alt+F4");
    Window w;
    settle(w.form.get());
    w.form->addToZipList(w.path("RVR3.txt"));
    auto closeOnce = [&] {
        if (way == "window manager") {
            w.form->activateWindow();
            QTRY_VERIFY(w.form->isActiveWindow());
            xdotool({"key", "--clearmodifiers", "alt+F4"});
        } else if (way == "delete window") {
            sendDeleteWindow(w.form.get());
        } else {
            w.form->endOfSession();
        }
    };
    // The real box: Enter and Escape keep the program open (No is the default), Yes ends it.
    MessageBox::disableTestHook();
    const auto hookBack = qScopeGuard([] { MessageBox::enableTestHook(); });
    for (const QString key : {"Return", "Escape", "y"}) {
        bool asked = false;
        whenModal([&](QWidget* box) {
            QVERIFY(QTest::qWaitForWindowExposed(box));
            auto* message = qobject_cast<QMessageBox*>(box);
            QVERIFY(message);
            QCOMPARE(message->text(), QString("Orders not Zipped. Exit Anyway?"));
            QCOMPARE(message->defaultButton(), message->button(QMessageBox::No));
            QTRY_VERIFY(box->isActiveWindow());
            xdotool({"key", "--clearmodifiers", key == "y" ? "alt+y" : key});
            asked = true;
        });
        closeOnce();
        QTRY_VERIFY(asked);
        if (key == "y")
            QTRY_VERIFY(!w.form->isVisible());
        else {
            QTest::qWait(200);
            QVERIFY2(w.form->isVisible(), qPrintable(key));
        }
    }
}

void TestDesktop::sideWindowsOnACrowdedScreen()
{
    // The largest size on a screen with no room beside it: the Orders Check and the help keep clear of the
    // line-up columns and the options they point at.
    Window w(options("ScreenRes=999\r\nXRes=1500\r\nYRes=1100"));
    settle(w.form.get());
    w.openRoster(sample("RVR.ros"));
    const QRect room = w.form->screen()->availableGeometry();
    const QList<QRect> keepClear = w.form->sideWindowKeepClear();
    w.action("CheckOrdersMenu")->trigger();
    auto* check = w.find<QWidget>("OrdersCheckForm");
    settle(check);
    w.action("Help1")->trigger();
    const QList<THelpWindow*> helps = shownHelpWindows();
    QCOMPARE(helps.size(), 1);
    settle(helps.first());
    for (QWidget* side : {check, static_cast<QWidget*>(helps.first())}) {
        const QRect at = side->frameGeometry();
        const QString where = QStringLiteral("%1 at %2,%3 %4x%5 (minimum %6x%7)")
                                  .arg(side->objectName())
                                  .arg(at.x())
                                  .arg(at.y())
                                  .arg(at.width())
                                  .arg(at.height())
                                  .arg(side->minimumSizeHint().width())
                                  .arg(side->minimumSizeHint().height());
        QVERIFY2(room.contains(at), qPrintable(where));
        for (const QRect& k : keepClear)
            QVERIFY2(!at.intersects(k), qPrintable(where));
    }
    helps.first()->close();
    check->close();
}

void TestDesktop::aboutBoxIsCentred()
{
    Window w;
    settle(w.form.get());
    bool seen = false;
    whenModal([&seen](QWidget* box) {
        const auto closeAnyway = qScopeGuard([box] {
            if (box->isVisible())
                static_cast<QDialog*>(box)->reject();
        });
        QVERIFY(QTest::qWaitForWindowExposed(box));
        // Framed by the window manager, when there is one, and centred by its outer size once framed.
        if (withWindowManager())
            QTRY_VERIFY_WITH_TIMEOUT(outerGeometry(box).height() > box->height(), 10000);
        settle(box);
        QCOMPARE(outerGeometry(box).height() > box->height(), withWindowManager());
        QTRY_VERIFY_WITH_TIMEOUT(
            qAbs(outerGeometry(box).center().y() - box->screen()->availableGeometry().center().y()) <= 1, 5000);
        checkCentred(box);
        seen = true;
        box->findChild<QPushButton*>("OKButton")->click();
    });
    w.action("About1")->trigger();
    QVERIFY(seen);
}

void TestDesktop::conditionalsEditorOutlineIsTheWholeWindow()
{
    Window w;
    w.openRoster(sample("RVR.ros"));
    settle(w.form.get());
    bool seen = false;
    whenModal([&seen](QWidget* dialog) {
        const auto closeAnyway = qScopeGuard([dialog] {
            if (dialog->isVisible())
                static_cast<QDialog*>(dialog)->reject();
        });
        auto* editor = qobject_cast<TPlayCondForm*>(dialog);
        QVERIFY(editor);
        settle(editor);
        QCOMPARE(editor->frameGeometry(), editor->geometry());
        QCOMPARE(editor->findChild<QLabel*>("CaptionLabel")->text(), QString("Player Conditionals"));
        // The editor stands over the main window: its rounded corners show what lies beneath, not the strip.
        const QImage shot = screen();
        const QPoint corner = editor->geometry().topLeft();
        QVERIFY(!editor->mask().contains(QPoint(0, 0)));
        QVERIFY(shot.pixelColor(corner) != QColor(46, 104, 58)); // the strip's colour stops at the outline
        QVERIFY(shot.pixelColor(corner + QPoint(200, 10)) == QColor(46, 104, 58));
        auto* close = editor->findChild<QToolButton*>("CloseButton");
        click(close->mapToGlobal(close->rect().center()));
        QTRY_VERIFY(!editor->isVisible());
        seen = true;
    });
    w.clickGrid(3, ColConditionals);
    QVERIFY(seen);
    QCOMPARE(w.cell(ColConditionals, 3), QString()); // the close box leaves the cell as it was
}

void TestDesktop::helpWindowStandsBesideTheMainWindow()
{
    Window w(options("ScreenRes=640"));
    settle(w.form.get());
    for (int i = 0; i < 3; ++i)
        w.action("Help1")->trigger();
    const QList<THelpWindow*> helps = shownHelpWindows();
    QCOMPARE(helps.size(), 1);
    THelpWindow* help = helps.first();
    settle(help);
    QVERIFY(!help->windowHandle()->transientParent());
    QVERIFY(!(help->windowFlags() & Qt::WindowStaysOnTopHint));
    // At least 640 pixels wide, whole on the screen: beside the main window where the screen has room for that.
    QVERIFY(help->width() >= THelpWindow::MinimumWidth);
    const QRect area = w.form->screen()->availableGeometry();
    const QRect main = w.form->frameGeometry();
    if (std::max(area.right() - main.right(), main.left() - area.left()) > help->frameGeometry().width() + 8)
        QVERIFY(!help->frameGeometry().intersects(main));
    QVERIFY(area.contains(help->frameGeometry()));
    help->close();
    QTRY_VERIFY(shownHelpWindows().isEmpty());

    // With the main window at the screen's left edge there is room at its right: the help stands there, whole.
    w.form->move(area.topLeft());
    settle(w.form.get());
    w.action("Help1")->trigger();
    help = shownHelpWindows().value(0);
    QVERIFY(help);
    settle(help);
    QVERIFY(help->width() >= THelpWindow::MinimumWidth);
    QVERIFY(!help->frameGeometry().intersects(w.form->frameGeometry()));
    QVERIFY(area.contains(help->frameGeometry()));
    help->close();
}

void TestDesktop::tabRoundShowsTheRingOnTheScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("among"); // stops the round must include
    QTest::newRow("Lineup Creator") << "SQMainForm" << 0
                                    << QStringList{"NewToolbarBtn", "RosterStringGrid", "MatchTacBtnWithColor1",
                                                   "PTakeBox", "TPListBox"};
    QTest::newRow("Auction Bids") << "SQMainForm" << 2 << QStringList{"AuctionStringGrid", "SaveBidsBtn"};
    QTest::newRow("Press Statement") << "SQMainForm" << 3 << QStringList{"PressMemo", "SavePressBtn"};
    QTest::newRow("team tactics") << "TeamTacticForm" << 0 << QStringList{"CTacVal1", "TeamTacListBox1"};
    QTest::newRow("player conditionals") << "PlayCondForm" << 0 << QStringList{"CTacValA1", "TacReset3Btn"};
}

void TestDesktop::tabRoundShowsTheRingOnTheScreen()
{
    QFETCH(QString, window);
    QFETCH(int, page);
    QFETCH(QStringList, among);
    Window w;
    w.openRoster(sample("RVR.ros"));
    w.form->TPListBox->addItem("Finn Back");
    w.form->TacticChanges = QStringList{"G,>,1,,,,L"};
    w.form->MainPageControl->setCurrentIndex(page);
    settle(w.form.get());
    QStringList seen;
    // Once round with the X server's own Tab key: every stop is seen, with its ring on the screen.
    auto round = [&seen](QWidget* shown) {
        settle(shown);
        shown->activateWindow();
        QTRY_VERIFY(shown->isActiveWindow());
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first && first->window() == shown);
        for (int i = 0; i < 60; ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus && focus->window() == shown);
            QCOMPARE(stopProblem(focus), QString());
            seen << describeWidget(focus);
            QTest::qWait(60); // the ring is painted
            const QImage shot = screen().copy(QRect(shown->mapToGlobal(QPoint(0, 0)), shown->size()));
            QCOMPARE(focusRingMissing(shot, focus), QString());
            xdotool({"key", "Tab"});
            QTRY_VERIFY(QApplication::focusWidget() != focus);
            if (QApplication::focusWidget() == first)
                return;
        }
        QFAIL("Tab did not come back round the window");
    };
    if (window == "SQMainForm") {
        w.form->MainPageControl->tabBar()->setFocus(Qt::TabFocusReason);
        round(w.form.get());
    } else {
        bool ran = false;
        whenModal([&](QWidget* d) {
            round(d);
            ran = true;
            qobject_cast<QDialog*>(d)->reject();
        });
        if (window == "TeamTacticForm")
            w.form->MatchTacBtnWithColor1->click();
        else
            w.clickGrid(4, ColConditionals);
        QVERIFY(ran);
    }
    for (const QString& name : among)
        QVERIFY2(seen.contains(name), qPrintable(name + " is no stop in: " + seen.join(", ")));
}

// The Match Plan opens beside the main window, wholly on the screen and level with its top, and stays open while
// the main window takes commands.
void TestDesktop::matchPlanStandsBesideTheMainWindow()
{
    Window w(options("ScreenRes=640"));
    settle(w.form.get());
    const QRect room = w.form->screen()->availableGeometry();
    w.form->move(room.topLeft()); // at the left, as a manager who works with both puts it
    settle(w.form.get());
    w.openRoster(sample("RVR.ros"));
    w.action("MatchPlanMenu")->trigger();
    auto* plan = w.form->findChild<QWidget*>("MatchPlanForm");
    QVERIFY(plan);
    settle(plan);
    QVERIFY(plan->isVisible());
    QVERIFY(!plan->frameGeometry().intersects(w.form->frameGeometry()));
    QVERIFY(room.contains(plan->frameGeometry()));
    QVERIFY2(qAbs(plan->frameGeometry().top() - w.form->frameGeometry().top()) <= 4,
             qPrintable(QString("%1 against %2").arg(plan->frameGeometry().top()).arg(w.form->frameGeometry().top())));
    QCOMPARE(plan->windowModality(), Qt::NonModal);
    w.form->MatchNoComboBox->setCurrentIndex(4);
    emit w.form->MatchNoComboBox->activated(4);
    QVERIFY(plan->isVisible());
    plan->close();
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
