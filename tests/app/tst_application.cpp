// The application's general handler: an error that a handler lets escape is shown in an error box and the
// program goes on, also inside a modal dialog's own event loop.
#include "app/sqapplication.h"
#include "base/errors.h"
#include "testutil.h"

#include <QDialog>
#include <QPushButton>
#include <stdexcept>

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void escapingErrorIsShownAndTheProgramGoesOn_data();
    void escapingErrorIsShownAndTheProgramGoesOn();
};

void TestApplication::escapingErrorIsShownAndTheProgramGoesOn_data()
{
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<bool>("programError"); // one of the program's errors, or any other
    QTest::newRow("main window, file error") << false << true;
    QTest::newRow("main window, other error") << false << false;
    QTest::newRow("modal dialog, file error") << true << true;
    QTest::newRow("modal dialog, other error") << true << false;
}

void TestApplication::escapingErrorIsShownAndTheProgramGoesOn()
{
    QFETCH(bool, inDialog);
    QFETCH(bool, programError);
    MessageBox::enableTestHook();
    MessageBox::takeShown();
    QWidget window;
    auto* failing = new QPushButton("Done", &window);
    int clicks = 0;
    connect(failing, &QPushButton::clicked, [&clicks, programError] {
        ++clicks;
        if (programError)
            throw FileError("Cannot write file \"s.INI\". Permission denied");
        throw std::runtime_error("out of order");
    });
    const QString text = programError ? "Cannot write file \"s.INI\". Permission denied" : "out of order";
    window.show();
    if (!inDialog) {
        QTest::mouseClick(failing, Qt::LeftButton);
        QTest::mouseClick(failing, Qt::LeftButton);
    } else {
        QDialog dialog(&window);
        failing->setParent(&dialog);
        failing->show();
        whenModal([failing, &dialog](QWidget*) {
            QTest::mouseClick(failing, Qt::LeftButton);
            QTest::mouseClick(failing, Qt::LeftButton);
            dialog.accept();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted)); // the dialog went on until it was closed
    }
    QCOMPARE(clicks, 2); // the second click still reached its handler
    QCOMPARE(shownBoxes(), QStringList({"Error|" + text + "|OK", "Error|" + text + "|OK"}));
}

int main(int argc, char** argv)
{
    TSquadrantApplication app(argc, argv);
    TestApplication test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
