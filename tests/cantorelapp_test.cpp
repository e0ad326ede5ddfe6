#include "aboutdlg.h"
#include "cantorelapp.h"
#include "cantorelview.h"
#include "chordlibrary.h"
#include "mainframe.h"
#include "modaldialogs.h"
#include "resourceids.h"
#include "testsupport.h"
#include "viewcontrols.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CantorelAppTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CCantorelApp app;
    QStringList messages;
    QStringList dialogFolders; // where each file dialog started
    QString chosenFile;        // what the file dialog answers; empty cancels

    void SetUp() override
    {
        SetModalAnswerer([this](QDialog &dialog) {
            if (auto *box = qobject_cast<QMessageBox *>(&dialog)) {
                messages << box->text();
                return int(QMessageBox::Ok);
            }
            if (auto *files = qobject_cast<QFileDialog *>(&dialog)) {
                dialogFolders << files->directory().absolutePath();
                if (chosenFile.isEmpty())
                    return int(QDialog::Rejected);
                files->selectFile(chosenFile);
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
    }
    void TearDown() override { SetModalAnswerer({}); }

    QString Song(const QString &name, const QByteArray &text = "[G]Hey [C]there\n")
    {
        const QString path = home.path() + "/" + name;
        WriteFile(path, text);
        return path;
    }

    QVariant Setting(const QString &key)
    {
        return QSettings("Orvane", "Guitar Cantorel").value(key);
    }

    QString NameBoxText(int slot)
    {
        return static_cast<CNameBox *>(app.GetView()->GetDlgItem(IDC_NAME_BOX_FIRST + slot))->toPlainText();
    }
};

} // namespace

TEST_F(CantorelAppTest, StartsWithAnEmptyUntitledSheet)
{
    ASSERT_TRUE(app.InitInstance(QString()));
    EXPECT_TRUE(app.GetMainWnd()->isVisible());
    EXPECT_EQ(app.GetMainWnd()->windowTitle(), "Guitar Cantorel - Untitled");
    EXPECT_TRUE(app.GetDocument().m_strSong.isEmpty());
    EXPECT_EQ(app.GetDocument().m_rcText, (Rect{0, 0, 638, 733}));
}

TEST_F(CantorelAppTest, ASongOnTheCommandLineLeavesTheNameBoxesEmptyUntilRefresh)
{
    ASSERT_TRUE(app.InitInstance(Song("start.cho")));
    EXPECT_EQ(app.GetMainWnd()->windowTitle(), "Guitar Cantorel - start.cho");
    EXPECT_EQ(app.GetDocument().m_nChords, 2);
    EXPECT_EQ(NameBoxText(0), "");

    app.OnCommand(ID_REFRESH);
    EXPECT_EQ(NameBoxText(0), "C\n       o  o");
    EXPECT_EQ(NameBoxText(1), "G\n    o oo  ");
}

TEST_F(CantorelAppTest, ASongThatCannotBeOpenedAtStartIsReportedAndEndsTheProgram)
{
    const QString missing = home.path() + "/missing.cho";
    EXPECT_FALSE(app.InitInstance(missing));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(missing));
}

TEST_F(CantorelAppTest, FirstOpenStartsInTheCantorelFolderAndKeepsItEvenWhenCancelled)
{
    const QString cantorelFolder = home.documents() + "/Cantorel";
    QDir().mkpath(cantorelFolder);
    ASSERT_TRUE(app.InitInstance(QString()));
    app.OnCommand(ID_FILE_OPEN);
    EXPECT_EQ(dialogFolders, QStringList{cantorelFolder});
    EXPECT_EQ(Setting("Settings/lastdir"), cantorelFolder);
    EXPECT_TRUE(app.GetDocument().m_strSong.isEmpty());
}

TEST_F(CantorelAppTest, OpenRefusesNamesEndingInPdfBmpOrDotSc)
{
    ASSERT_TRUE(app.InitInstance(QString()));
    const struct {
        QString name;
        bool refused;
    } cases[] = {
        {"notes.txt", false}, {"chords.sc", true}, {"x.pdf", true}, {"x.bmp", true}, {"SONG.PDF", false},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.name.toStdString());
        messages.clear();
        const QString folder = home.path() + "/" + testCase.name + ".d";
        chosenFile = Song(testCase.name + ".d/" + testCase.name, "[D]la\n");
        const QVariant lastDirBefore = Setting("Settings/lastdir");

        app.OnCommand(ID_FILE_OPEN);
        if (testCase.refused) {
            EXPECT_EQ(messages, QStringList{"File is not a song file!"});
            EXPECT_EQ(Setting("Settings/lastdir"), lastDirBefore);
            EXPECT_NE(app.GetDocument().GetPathName(), chosenFile);
        } else {
            EXPECT_TRUE(messages.isEmpty());
            EXPECT_EQ(Setting("Settings/lastdir"), folder);
            EXPECT_EQ(app.GetDocument().GetPathName(), chosenFile);
            EXPECT_EQ(NameBoxText(0), "D\nxoo       ");
        }
    }
    // The next Open starts where the last song came from.
    chosenFile.clear();
    app.OnCommand(ID_FILE_OPEN);
    EXPECT_EQ(dialogFolders.last(), home.path() + "/SONG.PDF.d");
}

TEST_F(CantorelAppTest, TheRefusalShowsTheErrorIcon)
{
    ASSERT_TRUE(app.InitInstance(QString()));
    chosenFile = Song("x.pdf");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    SetModalAnswerer([&](QDialog &dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(&dialog)) {
            files->selectFile(chosenFile);
            return int(QDialog::Accepted);
        }
        icon = static_cast<QMessageBox &>(dialog).icon();
        return int(QMessageBox::Ok);
    });
    app.OnCommand(ID_FILE_OPEN);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(CantorelAppTest, RecentFilesKeepTheLastEightMostRecentFirst)
{
    ASSERT_TRUE(app.InitInstance(QString()));
    QStringList songs;
    for (int i = 0; i < 10; ++i) {
        songs.prepend(Song(QStringLiteral("song%1.cho").arg(i)));
        ASSERT_TRUE(app.OpenDocumentFile(songs.first()));
    }
    ASSERT_TRUE(app.OpenDocumentFile(songs[3]));
    songs.move(3, 0);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Setting(QStringLiteral("Recent File List/File%1").arg(i + 1)), songs[i]) << i;

    // The list is read back at the next start, and a file gone from it leaves it.
    CCantorelApp next;
    ASSERT_TRUE(next.InitInstance(QString()));
    QFile::remove(songs[1]);
    next.OnCommand(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(Setting("Recent File List/File2"), songs[2]);
    next.OnCommand(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(next.GetDocument().GetPathName(), songs[2]);
}

TEST_F(CantorelAppTest, NewGivesAnUntitledDocumentThatKeepsTheSong)
{
    ASSERT_TRUE(app.InitInstance(Song("kept.cho")));
    app.OnCommand(ID_FILE_NEW);
    EXPECT_EQ(app.GetMainWnd()->windowTitle(), "Guitar Cantorel - Untitled");
    EXPECT_EQ(app.GetDocument().m_strSong, "[G]Hey [C]there\r\n");
    EXPECT_EQ(NameBoxText(0), "C\n       o  o");
}

TEST_F(CantorelAppTest, SaveCopyAndPasteKeysDoNothing)
{
    const QString path = Song("untouched.cho");
    ASSERT_TRUE(app.InitInstance(path));
    const CCantorelDoc &document = app.GetDocument();
    const int fontHeight = document.m_nFontHeight;
    for (const int id : {ID_FILE_SAVE, ID_EDIT_COPY, ID_EDIT_PASTE, ID_NEXT_PANE, ID_PREV_PANE})
        app.OnCommand(id);
    EXPECT_EQ(ReadFile(path), "[G]Hey [C]there\n");
    EXPECT_EQ(document.m_nFontHeight, fontHeight);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CantorelAppTest, AboutShowsTheNameVersionAndIcon)
{
    ASSERT_TRUE(app.InitInstance(QString()));
    QString aboutText;
    SetModalAnswerer([&](QDialog &dialog) {
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            aboutText += label->text() + (label->pixmap().isNull() ? "" : "[icon]") + "\n";
        return int(QDialog::Accepted);
    });
    app.OnCommand(ID_APP_ABOUT);
    EXPECT_TRUE(aboutText.contains("[icon]"));
    EXPECT_TRUE(aboutText.contains("Guitar Cantorel"));
    EXPECT_TRUE(aboutText.contains("Version 2.0.0.0"));
    EXPECT_TRUE(aboutText.contains("Copyright"));
}

TEST_F(CantorelAppTest, KeysReachTheirCommandsAlsoFromANameBox)
{
    ASSERT_TRUE(app.InitInstance(Song("keys.cho")));
    CMainFrame *frame = app.GetMainWnd();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    const int fontHeight = app.GetDocument().m_nFontHeight;

    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(app.GetDocument().m_nFontHeight, fontHeight - 2);

    auto *box = static_cast<CNameBox *>(app.GetView()->GetDlgItem(IDC_NAME_BOX_FIRST));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Backspace, Qt::AltModifier); // Larger
    EXPECT_EQ(app.GetDocument().m_nFontHeight, fontHeight - 4);
    QTest::keyClick(box, Qt::Key_Delete, Qt::ShiftModifier); // Smaller
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);    // Smaller
    EXPECT_EQ(app.GetDocument().m_nFontHeight, fontHeight);
}
