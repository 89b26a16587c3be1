// "Orders Check": a window beside the main window that lists what the orders check finds and keeps the list
// up to date after every command while it is open. Activating a finding takes the manager to its place.
#pragma once

#include "orderscheck.h"

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

private:
    void FindingsListActivated(int index);
    TSQMainForm* m_main;
    QList<Finding> m_findings;
};
