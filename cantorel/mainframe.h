#pragma once

#include <QList>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QMenu;

// The main window: a fixed-size frame around the view, with menu 128 and the
// keys of accelerator table 128, and no toolbar or status bar. Every menu item
// and key reports its command id through commandTriggered.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // `view` becomes the frame's only child window; its fixed size sets the frame's.
    explicit CMainFrame(QWidget *view);

    // "Guitar Cantorel - " and the document's title.
    void SetDocumentTitle(const QString &documentTitle);

    // Puts the recent files in place of the "Recent File" item, most recent first.
    void SetRecentFiles(const QStringList &paths);

signals:
    void commandTriggered(int id);

private:
    void CreateMenuAndKeys();
    QAction *NewCommand(int id, const QString &text, const QString &keys);

    QMenu *m_recentFilesMenu = nullptr;
    QAction *m_recentFilesEnd = nullptr; // the separator after the recent files
    QList<QAction *> m_recentFileActions;
};
