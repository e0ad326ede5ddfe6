#include "cantorelapp.h"

#include "aboutdlg.h"
#include "cantorelview.h"
#include "chordlibrary.h"
#include "mainframe.h"
#include "modaldialogs.h"
#include "resourceids.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>

namespace {

const QStringList kOpenFilters = {
    QStringLiteral("Song Files (*.cho *.crd *.chopro *.chord *.pro *.txt)"),
    QStringLiteral("All files (*)"),
};

// The last three characters of names that are never songs; the test is
// case-sensitive, so SONG.PDF opens.
const QStringList kNotSongEndings = {QStringLiteral("pdf"), QStringLiteral("bmp"), QStringLiteral(".sc")};

const QString kSettingsCompany = QStringLiteral("Orvane");
const QString kSettingsProgram = QStringLiteral("Guitar Cantorel");

} // namespace

CCantorelApp::CCantorelApp() = default;

CCantorelApp::~CCantorelApp() = default;

bool CCantorelApp::InitInstance(const QString &songPath)
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/cantorel/cantorel.svg")));
    LoadSettings();

    m_pView = new CCantorelView(&m_document);
    m_pMainWnd = std::make_unique<CMainFrame>(m_pView);
    m_pMainWnd->SetRecentFiles(m_recentFiles);
    connect(m_pMainWnd.get(), &CMainFrame::commandTriggered, this, &CCantorelApp::OnCommand);

    if (songPath.isEmpty())
        OnFileNew();
    else if (!OpenDocumentFile(songPath))
        return false;

    m_pMainWnd->show();
    return true;
}

void CCantorelApp::OnCommand(int id)
{
    switch (id) {
    case ID_FILE_NEW: OnFileNew(); break;
    case ID_FILE_OPEN: OnFileOpen(); break;
    case ID_FILE_PRINT_SETUP: OnFilePrintSetup(); break;
    case ID_APP_ABOUT: OnAppAbout(); break;
    case ID_APP_EXIT: m_pMainWnd->close(); break;
    case ID_REFRESH: m_pView->OnRefresh(); break;
    case ID_SAVE_TO_FILES: m_pView->SaveSheetBitmap(); break;
    case ID_FILE_PRINT: m_pView->OnFilePrint(GetPrinter()); break;
    case ID_FILE_PRINT_PREVIEW: m_pView->OnFilePrintPreview(GetPrinter()); break;
    case ID_FONT_LARGER: m_pView->OnFontLarger(); break;
    case ID_FONT_SMALLER: m_pView->OnFontSmaller(); break;
    case ID_EDIT_CHORDS: m_pView->OnEditChords(); break;
    case ID_HELP_FILE: m_pView->OnHelpFile(); break;
    default:
        if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount)
            OnOpenRecentFile(id - ID_FILE_MRU_FILE1);
        // Save, Copy, Paste and the panes have no handler: their keys do nothing.
        break;
    }
}

// An untitled document that keeps what it showed; the view fills its name
// boxes again from it.
void CCantorelApp::OnFileNew()
{
    m_document.OnNewDocument();
    m_pMainWnd->SetDocumentTitle(m_document.GetTitle());
    m_pView->OnInitialUpdate();
}

void CCantorelApp::OnFileOpen()
{
    if (m_strLastDir.isEmpty()) {
        m_strLastDir = ChordLibraryFolder();
        SaveSettings();
    }

    QFileDialog dialog(m_pMainWnd.get(), QString(), m_strLastDir);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(kOpenFilters);
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;

    const QString path = dialog.selectedFiles().first();
    if (kNotSongEndings.contains(path.right(3))) {
        ShowMessageBox(m_pMainWnd.get(), QMessageBox::Critical, QStringLiteral("File is not a song file!"));
        return;
    }
    m_strLastDir = path.left(path.lastIndexOf(u'/'));
    SaveSettings();
    OpenDocumentFile(path);
}

void CCantorelApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&GetPrinter(), m_pMainWnd.get());
    RunModal(dialog);
}

void CCantorelApp::OnAppAbout()
{
    CAboutDlg about(m_pMainWnd.get());
    RunModal(about);
}

bool CCantorelApp::OpenDocumentFile(const QString &path)
{
    const QString openPath = m_document.GetPathName();
    if (!openPath.isEmpty() && QFileInfo(path) == QFileInfo(openPath)) {
        m_pMainWnd->raise();
        m_pMainWnd->activateWindow();
        AddToRecentFileList(openPath);
        return true;
    }
    QString errorMessage;
    if (!m_document.OnOpenDocument(path, &errorMessage)) {
        ShowMessageBox(m_pMainWnd.get(), QMessageBox::Warning, errorMessage);
        return false;
    }
    m_pMainWnd->SetDocumentTitle(m_document.GetTitle());
    AddToRecentFileList(path);
    m_pView->OnInitialUpdate();
    return true;
}

// A recent file that no longer opens leaves the list.
void CCantorelApp::OnOpenRecentFile(int index)
{
    if (index >= m_recentFiles.size())
        return;
    if (!OpenDocumentFile(m_recentFiles[index])) {
        m_recentFiles.removeAt(index);
        m_pMainWnd->SetRecentFiles(m_recentFiles);
        SaveSettings();
    }
}

void CCantorelApp::AddToRecentFileList(const QString &path)
{
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    m_recentFiles.removeAll(absolutePath);
    m_recentFiles.prepend(absolutePath);
    while (m_recentFiles.size() > kRecentFileCount)
        m_recentFiles.removeLast();
    m_pMainWnd->SetRecentFiles(m_recentFiles);
    SaveSettings();
}

QPrinter &CCantorelApp::GetPrinter()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

void CCantorelApp::LoadSettings()
{
    QSettings settings(kSettingsCompany, kSettingsProgram);
    m_strLastDir = settings.value(QStringLiteral("Settings/lastdir")).toString();
    m_recentFiles.clear();
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString path = settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!path.isEmpty())
            m_recentFiles.append(path);
    }
}

void CCantorelApp::SaveSettings() const
{
    QSettings settings(kSettingsCompany, kSettingsProgram);
    if (!m_strLastDir.isEmpty())
        settings.setValue(QStringLiteral("Settings/lastdir"), m_strLastDir);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QStringLiteral("Recent File List/File%1").arg(i);
        if (i <= m_recentFiles.size())
            settings.setValue(key, m_recentFiles[i - 1]);
        else
            settings.remove(key);
    }
}
