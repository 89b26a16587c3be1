// The one way the program shows a message box. Tests switch on the test hook: boxes are then recorded, not
// shown, and answered from a queue (a box with a single button needs no queued answer).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace MessageBox {

// Escape and Enter are no buttons: queued as answers in tests, they stand for the Escape key, which picks the
// box's escape button, and the Enter key, which picks its default button.
enum Button { Ok, Cancel, Yes, No, Abort, Retry, Help, Escape, Enter };
enum Icon { NoIcon, Information, Warning, Critical, Question };

struct Shown {
    Icon icon;
    QString title;
    QString text;
    QList<Button> buttons;
    Button defaultButton; // the one Enter presses
};

// `defaultButton` is the button Enter presses; left out (or not among `buttons`), it is the first button.
Button show(QWidget* parent, Icon icon, const QString& title, const QString& text, const QList<Button>& buttons,
            Button defaultButton = Enter);

// A plain box with an OK button; an empty title shows the program's name, "Squadrant".
void plain(QWidget* parent, const QString& text, const QString& title = QString());
// A warning box with the named buttons, titled "Warning".
Button warning(QWidget* parent, const QString& text, const QList<Button>& buttons);
// An error box with the named buttons, titled "Error".
Button error(QWidget* parent, const QString& text, const QList<Button>& buttons = {Ok});
// A confirmation with Yes and No, titled "Confirm"; true only on Yes. Enter presses `defaultButton`.
bool confirm(QWidget* parent, const QString& text, Button defaultButton = Yes);

QString buttonName(Button b);

// The button the Escape key picks: Cancel, No or Abort where the box has one, otherwise its last button.
Button escapeButton(const QList<Button>& buttons);

// Test hook.
void enableTestHook();
// Real boxes again, for a test that drives a box itself; the queue and the record stay as they are.
void disableTestHook();
void queueAnswer(Button answer);
QList<Shown> takeShown();
// Boxes that offered a choice while no answer was queued (they were answered with their first button).
QStringList takeUnanswered();

} // namespace MessageBox
