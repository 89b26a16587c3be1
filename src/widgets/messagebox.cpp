#include "messagebox.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace MessageBox {
namespace {

struct Hook {
    bool enabled = false;
    QList<Button> answers;
    QList<Shown> shown;
    QStringList unanswered;
};

Hook& hook()
{
    static Hook h;
    return h;
}

QMessageBox::StandardButton standard(Button b)
{
    switch (b) {
    case Ok: return QMessageBox::Ok;
    case Cancel: return QMessageBox::Cancel;
    case Yes: return QMessageBox::Yes;
    case No: return QMessageBox::No;
    case Abort: return QMessageBox::Abort;
    case Retry: return QMessageBox::Retry;
    case Help: return QMessageBox::Help;
    case Escape:
    case Enter: return QMessageBox::NoButton;
    }
    return QMessageBox::Ok;
}

} // namespace

Button escapeButton(const QList<Button>& buttons)
{
    // Escape never goes on: it is the button that stops or declines, where the box has one.
    for (Button b : {Cancel, No, Abort})
        if (buttons.contains(b))
            return b;
    return buttons.isEmpty() ? Ok : buttons.last();
}

QString buttonName(Button b)
{
    static const char* names[] = {"OK", "Cancel", "Yes", "No", "Abort", "Retry", "Help", "Escape", "Enter"};
    return QString::fromLatin1(names[b]);
}

Button show(QWidget* parent, Icon icon, const QString& title, const QString& text, const QList<Button>& buttons,
            Button defaultButton)
{
    const QString shownTitle = title.isEmpty() ? QStringLiteral("Squadrant") : title;
    if (!buttons.contains(defaultButton))
        defaultButton = buttons.value(0, Ok);
    Hook& h = hook();
    if (h.enabled) {
        h.shown.append({icon, shownTitle, text, buttons, defaultButton});
        if (buttons.size() <= 1)
            return buttons.value(0, Ok);
        if (h.answers.isEmpty()) {
            h.unanswered.append(text);
            return buttons.first();
        }
        const Button answer = h.answers.takeFirst();
        return answer == Escape ? escapeButton(buttons) : answer == Enter ? defaultButton : answer;
    }

    QMessageBox box(parent);
    box.setWindowTitle(shownTitle);
    // Texts carry file names and fields from files exactly as written: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(icon == Information ? QMessageBox::Information
                : icon == Warning   ? QMessageBox::Warning
                : icon == Critical  ? QMessageBox::Critical
                : icon == Question  ? QMessageBox::Question
                                    : QMessageBox::NoIcon);
    QMessageBox::StandardButtons set;
    for (Button b : buttons)
        set |= standard(b);
    box.setStandardButtons(set);
    if (!buttons.isEmpty()) {
        box.setDefaultButton(standard(defaultButton));
        box.setEscapeButton(standard(escapeButton(buttons)));
    }
    // Room for the whole title in the window manager's title bar, beside its buttons: a small box (a short
    // text and one button) would otherwise show only the title's first and last letters.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(shownTitle) * 5 / 4 + 150;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    const int result = box.exec();
    for (Button b : buttons)
        if (result == standard(b))
            return b;
    return buttons.isEmpty() ? Ok : buttons.last();
}

void plain(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, NoIcon, title, text, {Ok});
}

Button warning(QWidget* parent, const QString& text, const QList<Button>& buttons)
{
    return show(parent, Warning, QStringLiteral("Warning"), text, buttons);
}

Button error(QWidget* parent, const QString& text, const QList<Button>& buttons)
{
    return show(parent, Critical, QStringLiteral("Error"), text, buttons);
}

bool confirm(QWidget* parent, const QString& text, Button defaultButton)
{
    return show(parent, Question, QStringLiteral("Confirm"), text, {Yes, No}, defaultButton) == Yes;
}

void enableTestHook()
{
    hook().enabled = true;
}

void disableTestHook()
{
    hook().enabled = false;
}

void queueAnswer(Button answer)
{
    hook().answers.append(answer);
}

QList<Shown> takeShown()
{
    return std::exchange(hook().shown, {});
}

QStringList takeUnanswered()
{
    hook().answers.clear();
    return std::exchange(hook().unanswered, {});
}

} // namespace MessageBox
