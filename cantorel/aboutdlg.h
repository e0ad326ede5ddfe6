#pragma once

#include <QDialog>

// The about box: the program's icon, name, version and legal notice, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
