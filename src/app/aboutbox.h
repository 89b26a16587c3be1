// The About box: the program's icon and name, its version, what it is for and where to write.
#pragma once

#include <QDialog>

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent);
    static QString contactAddress();

protected:
    void showEvent(QShowEvent* event) override;
};
