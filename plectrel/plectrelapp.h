#pragma once

#include <QApplication>

// The program's name, also the caption of its simple message boxes.
inline const QString kApplicationName = QStringLiteral("Plectrel");

// The editor program: its one window is the chord list dialog, run modally;
// the program ends when it closes.
class CPlectrelApp : public QApplication {
    Q_OBJECT
public:
    CPlectrelApp(int &argc, char **argv);

    // Runs the chord list dialog until Exit.
    void InitInstance();
};
