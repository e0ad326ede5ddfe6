#include "mainframe.h"
#include "resourceids.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// One menu entry as "menu / text / id", separators as "menu / -".
QStringList MenuEntries(CMainFrame &frame)
{
    QStringList entries;
    for (QAction *top : frame.menuBar()->actions()) {
        if (!top->menu()) {
            entries << QStringLiteral("%1 / %2").arg(top->text()).arg(top->data().toInt());
            continue;
        }
        for (QAction *item : top->menu()->actions()) {
            if (item->isSeparator())
                entries << top->text() + " / -";
            else
                entries << QStringLiteral("%1 / %2 / %3").arg(top->text(), item->text()).arg(item->data().toInt());
        }
    }
    return entries;
}

// Every key of the frame as "key id", in the order they were made.
QStringList Accelerators(CMainFrame &frame)
{
    QList<QAction *> actions = frame.actions();
    for (QAction *top : frame.menuBar()->actions())
        if (top->menu())
            actions += top->menu()->actions();
    QStringList keys;
    for (QAction *action : actions)
        for (const QKeySequence &key : action->shortcuts())
            keys << QStringLiteral("%1 %2").arg(key.toString()).arg(action->data().toInt());
    keys.sort();
    return keys;
}

} // namespace

TEST(MainFrame, Menu128)
{
    CMainFrame frame(new QWidget);
    const QStringList expected = {
        "&File / &Open...\tCtrl+O / 57601",
        "&File / Re&fresh / 32773",
        "&File / &Save to bmp and pdf files / 32771",
        "&File / -",
        "&File / &Print...\tCtrl+P / 57607",
        "&File / Print Pre&view / 57609",
        "&File / P&rint Setup... / 57606",
        "&File / -",
        "&File / Recent File / 57616",
        "&File / -",
        "&File / E&xit / 57665",
        "Fo&nt / &Larger / 57643",
        "Fo&nt / -",
        "Fo&nt / &Smaller / 57635",
        "Edit Chords / 32775",
        "&Help / &About Guitar Cantorel... / 57664",
        "&Help / Guitar Cantorel Help / 32774",
    };
    EXPECT_EQ(MenuEntries(frame), expected);
}

TEST(MainFrame, AcceleratorTable128)
{
    CMainFrame frame(new QWidget);
    QStringList expected = {
        "Ctrl+N 57600", "Ctrl+O 57601",  "Ctrl+S 57603",  "Ctrl+P 57607",  "Ctrl+Z 57643",
        "Alt+Backspace 57643", "Ctrl+X 57635", "Shift+Del 57635", "Ctrl+C 57634", "Ctrl+Ins 57634",
        "Ctrl+V 57637", "Shift+Ins 57637", "F6 57680", "Shift+F6 57681",
    };
    expected.sort();
    EXPECT_EQ(Accelerators(frame), expected);
}

TEST(MainFrame, RecentFilesTakeThePlaceOfTheRecentFileItem)
{
    CMainFrame frame(new QWidget);
    frame.SetRecentFiles({"/songs/a.cho", "/songs/R&B.cho"});
    frame.SetRecentFiles({"/songs/b.cho", "/songs/a.cho", "/songs/R&B.cho"});
    const QStringList entries = MenuEntries(frame);
    EXPECT_EQ(entries.mid(7, 5), (QStringList{"&File / -", "&File / &1 /songs/b.cho / 57616",
                                              "&File / &2 /songs/a.cho / 57617",
                                              "&File / &3 /songs/R&&B.cho / 57618", "&File / -"}));

    frame.SetRecentFiles({});
    EXPECT_EQ(MenuEntries(frame).at(8), "&File / Recent File / 57616");
}

TEST(MainFrame, CommandsReportTheirIds)
{
    CMainFrame frame(new QWidget);
    QList<int> ids;
    QObject::connect(&frame, &CMainFrame::commandTriggered, [&](int id) { ids << id; });
    for (QAction *top : frame.menuBar()->actions())
        if (top->menu())
            top->menu()->actions().first()->trigger();
        else
            top->trigger();
    frame.actions().first()->trigger();
    EXPECT_EQ(ids, (QList<int>{ID_FILE_OPEN, ID_FONT_LARGER, ID_EDIT_CHORDS, ID_APP_ABOUT, ID_FILE_NEW}));
}

TEST(MainFrame, FixedSizeWindowAtTheTopCentreWithTheDocumentTitle)
{
    auto *view = new QWidget; // the frame owns it
    view->setFixedSize(734, 981);
    CMainFrame frame(view);
    frame.SetDocumentTitle("lantern-road.cho");
    frame.show();
    EXPECT_EQ(frame.windowTitle(), "Guitar Cantorel - lantern-road.cho");
    EXPECT_EQ(view->size(), QSize(734, 981));
    EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
    EXPECT_FALSE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(frame.pos(), QPoint(QGuiApplication::primaryScreen()->geometry().width() / 2 - 375, 0));
    EXPECT_EQ(frame.findChild<QStatusBar *>(), nullptr);
    EXPECT_EQ(frame.findChild<QToolBar *>(), nullptr);
}
