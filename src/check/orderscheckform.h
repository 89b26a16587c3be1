// "Orders Check": a window beside the main window that lists what the orders check finds and keeps the list
// up to date after every command while it is open. Activating a finding takes the manager to its place. While the
// player conditionals or team tactics editor is open it shows the main window's orders and says "(editing...)".
#pragma once

#include "orderscheck.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class TSQMainForm;

class TOrdersCheckForm : public QWidget {
    Q_OBJECT
public:
    explicit TOrdersCheckForm(TSQMainForm* main);

    QLabel* FindingsSummary;
    QTreeWidget* FindingsList;
    QPushButton* CloseBtn;

    // Runs the check again and shows its findings, keeping the chosen finding chosen where it still stands.
    void refresh();
    const QList<Finding>& findings() const { return m_findings; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FindingsListActivated(int index);
    TSQMainForm* m_main;
    QList<Finding> m_findings;
    QPointer<QWidget> m_editor; // the editor open over the main window, if any
};
