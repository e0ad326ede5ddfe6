#include "mainframe.h"

#include "resourceids.h"

#include <QDir>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace {

enum class Row { Popup, Item, Separator, RecentFiles, TopItem, KeyOnly };

struct Menu128Row {
    Row kind;
    int id;
    const char *text;
    const char *keys; // accelerator table 128, "; " between keys
};

// The item that stands for the recent files while there are none.
constexpr char kRecentFilePlaceholder[] = "Recent File";

// Menu 128 in its order, with the keys of accelerator table 128 beside the
// commands they trigger; keys without a menu item close the table.
const Menu128Row kMenu128[] = {
    {Row::Popup, 0, "&File", ""},
    {Row::Item, ID_FILE_OPEN, "&Open...\tCtrl+O", "Ctrl+O"},
    {Row::Item, ID_REFRESH, "Re&fresh", ""},
    {Row::Item, ID_SAVE_TO_FILES, "&Save to bmp and pdf files", ""},
    {Row::Separator, 0, "", ""},
    {Row::Item, ID_FILE_PRINT, "&Print...\tCtrl+P", "Ctrl+P"},
    {Row::Item, ID_FILE_PRINT_PREVIEW, "Print Pre&view", ""},
    {Row::Item, ID_FILE_PRINT_SETUP, "P&rint Setup...", ""},
    {Row::Separator, 0, "", ""},
    {Row::RecentFiles, ID_FILE_MRU_FILE1, kRecentFilePlaceholder, ""},
    {Row::Separator, 0, "", ""},
    {Row::Item, ID_APP_EXIT, "E&xit", ""},
    {Row::Popup, 0, "Fo&nt", ""},
    {Row::Item, ID_FONT_LARGER, "&Larger", "Ctrl+Z; Alt+Backspace"},
    {Row::Separator, 0, "", ""},
    {Row::Item, ID_FONT_SMALLER, "&Smaller", "Ctrl+X; Shift+Del"},
    {Row::TopItem, ID_EDIT_CHORDS, "Edit Chords", ""},
    {Row::Popup, 0, "&Help", ""},
    {Row::Item, ID_APP_ABOUT, "&About Guitar Cantorel...", ""},
    {Row::Item, ID_HELP_FILE, "Guitar Cantorel Help", ""},
    // Ctrl+S, Ctrl+C and Ctrl+V reach commands without a handler, so they do
    // nothing: the song file is never written.
    {Row::KeyOnly, ID_FILE_NEW, "", "Ctrl+N"},
    {Row::KeyOnly, ID_FILE_SAVE, "", "Ctrl+S"},
    {Row::KeyOnly, ID_EDIT_COPY, "", "Ctrl+C; Ctrl+Ins"},
    {Row::KeyOnly, ID_EDIT_PASTE, "", "Ctrl+V; Shift+Ins"},
    {Row::KeyOnly, ID_NEXT_PANE, "", "F6"},
    {Row::KeyOnly, ID_PREV_PANE, "", "Shift+F6"},
};

// The frame's left edge: centred on a 750-pixel frame, truncating.
constexpr int kFrameHalfWidth = 375;

} // namespace

CMainFrame::CMainFrame(QWidget *view)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setCentralWidget(view);
    CreateMenuAndKeys();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(QGuiApplication::primaryScreen()->geometry().width() / 2 - kFrameHalfWidth, 0);
}

void CMainFrame::SetDocumentTitle(const QString &documentTitle)
{
    setWindowTitle(QStringLiteral("Guitar Cantorel - ") + documentTitle);
}

void CMainFrame::SetRecentFiles(const QStringList &paths)
{
    qDeleteAll(m_recentFileActions);
    m_recentFileActions.clear();
    if (paths.isEmpty()) {
        QAction *placeholder = NewCommand(ID_FILE_MRU_FILE1, QString::fromLatin1(kRecentFilePlaceholder), QString());
        placeholder->setEnabled(false);
        m_recentFileActions.append(placeholder);
    }
    for (int i = 0; i < paths.size() && i < kRecentFileCount; ++i) {
        QString path = QDir::toNativeSeparators(paths[i]);
        path.replace(u'&', QStringLiteral("&&"));
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(path);
        m_recentFileActions.append(NewCommand(ID_FILE_MRU_FILE1 + i, text, QString()));
    }
    m_recentFilesMenu->insertActions(m_recentFilesEnd, m_recentFileActions);
}

void CMainFrame::CreateMenuAndKeys()
{
    QMenu *menu = nullptr;
    for (const Menu128Row &row : kMenu128) {
        const QString text = QString::fromLatin1(row.text);
        switch (row.kind) {
        case Row::Popup:
            menu = menuBar()->addMenu(text);
            break;
        case Row::Item:
            menu->addAction(NewCommand(row.id, text, QString::fromLatin1(row.keys)));
            break;
        case Row::Separator: {
            QAction *separator = menu->addSeparator();
            if (menu == m_recentFilesMenu && !m_recentFilesEnd)
                m_recentFilesEnd = separator;
            break;
        }
        case Row::RecentFiles:
            // SetRecentFiles puts the files here, before the separator that follows.
            m_recentFilesMenu = menu;
            break;
        case Row::TopItem:
            menuBar()->addAction(NewCommand(row.id, text, QString()));
            break;
        case Row::KeyOnly:
            addAction(NewCommand(row.id, QString(), QString::fromLatin1(row.keys)));
            break;
        }
    }
    SetRecentFiles({});
}

QAction *CMainFrame::NewCommand(int id, const QString &text, const QString &keys)
{
    auto *action = new QAction(text, this);
    action->setData(id);
    if (!keys.isEmpty())
        action->setShortcuts(QKeySequence::listFromString(keys));
    connect(action, &QAction::triggered, this, [this, id] { emit commandTriggered(id); });
    return action;
}
