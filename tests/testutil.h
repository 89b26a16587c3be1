// Helpers shared by the tests: scratch folders, files as bytes, and a main window on the offscreen platform
// with its message boxes and file dialogs answered from queues.
#pragma once

#include "app/helpwindow.h"
#include "app/sqmainform.h"
#include "testfiles.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// What a message box showed, as one text: "title|text|buttons".
inline QString describe(const MessageBox::Shown& s)
{
    QStringList buttons;
    for (auto b : s.buttons)
        buttons.append(MessageBox::buttonName(b));
    return s.title + QLatin1Char('|') + s.text + QLatin1Char('|') + buttons.join(QLatin1Char(','));
}

inline QStringList shownBoxes()
{
    QStringList out;
    for (const auto& s : MessageBox::takeShown())
        out.append(describe(s));
    return out;
}

// Runs `step` on the next modal dialog once it is open (for commands that show one and wait).
inline void whenModal(std::function<void(QWidget*)> step)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        step(modal);
    });
    timer->start();
}

// The help windows on the screen (the program keeps one at most).
inline QList<THelpWindow*> shownHelpWindows()
{
    QList<THelpWindow*> helps;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<THelpWindow*>(top); h && h->isVisible())
            helps.append(h);
    return helps;
}

// Runs `steps` in the editor of type T that `open` shows, and returns once the editor has closed.
template <typename T> void withEditor(const std::function<void()>& open, const std::function<void(T*)>& steps)
{
    bool ran = false;
    whenModal([&](QWidget* dialog) {
        auto* form = qobject_cast<T*>(dialog);
        QVERIFY(form);
        steps(form);
        ran = true;
        if (form->isVisible())
            form->reject();
    });
    open();
    QVERIFY(ran);
}

// A main window with its own settings file in a scratch folder, which is also its working directory.
class Window {
public:
    explicit Window(const QByteArray& ini = QByteArray(), bool withIni = true)
    {
        MessageBox::enableTestHook();
        FileDialog::enableTestHook();
        MessageBox::takeShown();
        MessageBox::takeUnanswered();
        FileDialog::takeAsked();
        iniPath = dir.filePath(QStringLiteral("squadrant.INI"));
        if (withIni)
            writeBytes(iniPath, ini.isEmpty() ? readBytes(QStringLiteral(SHIPPED_INI)) : ini);
        form = std::make_unique<TSQMainForm>(iniPath);
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    ~Window()
    {
        const QStringList unanswered = MessageBox::takeUnanswered();
        // A box that offered a choice the test did not answer is a test mistake or an unexpected question.
        if (!unanswered.isEmpty())
            QTest::qFail(qPrintable("boxes shown without a queued answer: " + unanswered.join(QLatin1String("; "))),
                         __FILE__, __LINE__);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Sets the working directory as the Directory command would have stored it.
    void useWorkDir() { form->WorkDir = dir.path() + QLatin1Char('/'); }

    void openRoster(const QString& file)
    {
        FileDialog::queueAnswer(file);
        form->OpenSubMenu->trigger();
    }

    // Opens the sample line-up RVR3.txt (and so its roster RVR.ros) from the working folder by Open Lineup.
    void openSampleLineup()
    {
        useWorkDir();
        for (const char* name : {"RVR.ros", "RVR3.txt"})
            writeBytes(path(QString::fromLatin1(name)), readBytes(sample(QString::fromLatin1(name))));
        FileDialog::queueAnswer(path(QStringLiteral("RVR3.txt")));
        form->OpenLineupMenu->trigger();
        QCOMPARE(form->AbbLabel->text(), QStringLiteral("RVR"));
    }

    template <typename T = QObject> T* find(const QString& name) const
    {
        T* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    QAction* action(const QString& name) const { return find<QAction>(name); }

    // Clicks a cell of a grid with the left button where the manager sees it (a caption cell too).
    static void clickCell(TStringGrid* grid, int row, int col)
    {
        grid->scrollTo(grid->model()->index(row, col));
        const QPoint at = grid->cellRect(col, row).center();
        QWidget* target = grid->childAt(at);
        QVERIFY2(target, "nothing under the cell");
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(grid, at));
    }

    // Clicks a cell of the squad grid with the left button, as the manager does.
    void clickGrid(int row, int col) { clickCell(form->RosterStringGrid, row, col); }

    // A key pressed where the focus is, as the manager types it.
    static void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        QVERIFY2(target, "no widget has the focus");
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }

    // Presses Tab until `target` has the focus; false when it is not reached in a round of the window.
    static bool tabTo(QWidget* target, int most = 120)
    {
        for (int i = 0; i < most && QApplication::focusWidget() != target; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    }

    // Chooses a pop-up item for a grid row the way the manager does: click the cell, pick the item.
    void pick(int row, int col, const QString& item)
    {
        clickGrid(row, col);
        QMenu* popup = col == ColSubs ? form->SubPopup : form->PlayPopup;
        QVERIFY2(popup->isVisible(), "the pop-up menu did not open");
        action(item)->trigger();
        popup->hide();
    }

    // Places a player: position code and style letter ("DF", "n").
    void place(int row, const QString& pos, const QString& style = QStringLiteral("n"))
    {
        const QString item = (style == QLatin1String("p")   ? QStringLiteral("passive")
                              : style == QLatin1String("a") ? QStringLiteral("aggressive")
                                                            : QStringLiteral("normal")) +
                             pos;
        pick(row, ColPlay, item);
    }

    void makeSub(int row, int slot) { pick(row, ColSubs, QStringLiteral("popSub%1").arg(slot)); }

    QString cell(int col, int row) const { return form->cell(col, row); }

    int rowOf(const QString& name) const
    {
        for (int r = 1; r < form->RosterStringGrid->rowCount(); ++r)
            if (form->cell(ColName, r) == name)
                return r;
        return -1;
    }

    // A double click as the platform delivers it: press and release, then the double click.
    static void doubleClick(QAbstractItemView* view, const QPoint& pos)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, pos);
    }

    static QStringList items(const QComboBox* box)
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out.append(box->itemText(i));
        return out;
    }

    static QStringList items(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }

    QTemporaryDir dir;
    QString iniPath;
    std::unique_ptr<TSQMainForm> form;
};
