#pragma once

#include "cantoreldoc.h"

#include <QObject>
#include <QStringList>

#include <memory>

class CCantorelView;
class CMainFrame;
class QPrinter;

// The program: its one document, main frame and view, the settings, and the
// commands that are not the view's (New, Open, the recent files, Print Setup,
// About, Exit). Every command of the menu and the keys arrives in OnCommand.
class CCantorelApp : public QObject {
    Q_OBJECT

public:
    CCantorelApp();
    ~CCantorelApp() override;

    // Start-up: the settings, the document, frame and view, then the command
    // line: a new document without a song, else that song. False, after the
    // failure was shown, when the song cannot be opened.
    bool InitInstance(const QString &songPath);

    CCantorelDoc &GetDocument() { return m_document; }
    CMainFrame *GetMainWnd() const { return m_pMainWnd.get(); }
    CCantorelView *GetView() const { return m_pView; }

    void OnCommand(int id);
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();

    // Opens `path` as the document and puts it at the top of the recent files.
    // The song already open is not read again. Failures are shown.
    bool OpenDocumentFile(const QString &path);

private:
    void LoadSettings();
    void SaveSettings() const;
    void AddToRecentFileList(const QString &path);
    void OnOpenRecentFile(int index);
    QPrinter &GetPrinter();

    CCantorelDoc m_document;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    CCantorelView *m_pView = nullptr; // owned by the frame
    std::unique_ptr<QPrinter> m_printer;
    QString m_strLastDir;
    QStringList m_recentFiles;
};
