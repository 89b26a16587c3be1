#include "sqapplication.h"

#include "base/errors.h"
#include "widgets/messagebox.h"

TSquadrantApplication::TSquadrantApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool TSquadrantApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const SquadError& e) {
        MessageBox::error(activeWindow(), e.message());
    } catch (const std::exception& e) {
        MessageBox::error(activeWindow(), QString::fromLocal8Bit(e.what()));
    }
    return false;
}
