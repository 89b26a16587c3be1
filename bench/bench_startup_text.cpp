// A bare main window that shows one line of text: the floor plus the font system's start.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Squadrant")));
    window.resize(799, 600);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
