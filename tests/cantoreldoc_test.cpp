#include "cantoreldoc.h"
#include "chordlibrary.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

class CantorelDocTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CCantorelDoc document;

    QString Song(const QString &name, const QByteArray &text)
    {
        const QString path = home.path() + "/" + name;
        WriteFile(path, text);
        return path;
    }
};

} // namespace

TEST_F(CantorelDocTest, StartsEmpty)
{
    EXPECT_EQ(document.m_nChords, 0);
    EXPECT_EQ(document.m_nFontHeight, 0);
    EXPECT_TRUE(document.m_strSong.isEmpty());
    EXPECT_TRUE(document.m_strTitle.isEmpty());
    EXPECT_EQ(document.m_rcText, Rect());
}

TEST_F(CantorelDocTest, ReadsASongAndItsChords)
{
    const QString path = Song("song.cho", "{t:Test}\r\n[G]Hey [C]there [D]you");
    ASSERT_TRUE(document.OnOpenDocument(path));
    EXPECT_EQ(document.m_strSong, "{t:Test}\r\n[G]Hey [C]there [D]you\r\n");
    EXPECT_EQ(document.m_nFontHeight, -200);
    ASSERT_EQ(document.m_nChords, 3);
    EXPECT_EQ(document.m_strChords[0], "[C],1,332010");
    EXPECT_EQ(document.m_strChords[1], "[D],1,x00232");
    EXPECT_EQ(document.m_strChords[2], "[G],1,320003");
    EXPECT_EQ(document.GetPathName(), path);
    EXPECT_EQ(document.GetTitle(), "song.cho");
    EXPECT_EQ(ReadFile(ChordLibraryPath()).size(), 2625);
}

TEST_F(CantorelDocTest, DerivesExportPathsFromTheLastDot)
{
    const std::tuple<QString, QString, QString> cases[] = {
        {"/songs/Amazing Grace.cho", "/songs/Amazing Grace.bmp", "/songs/Amazing Grace.pdf"},
        {"/music.files/song", "/music.bmp", "/music.pdf"},
        {"/songs/a.b.txt", "/songs/a.b.bmp", "/songs/a.b.pdf"},
    };
    for (const auto &[path, bmp, pdf] : cases) {
        SCOPED_TRACE(path.toStdString());
        document.OnOpenDocument(path);
        EXPECT_EQ(document.m_strBmpPath, bmp);
        EXPECT_EQ(document.m_strPdfPath, pdf);
    }
}

TEST_F(CantorelDocTest, PathWithoutDotFailsBeforeReading)
{
    const QString path = Song("song", "[G]la\r\n");
    QString error;
    EXPECT_FALSE(document.OnOpenDocument(path, &error));
    EXPECT_TRUE(error.startsWith(path)) << error.toStdString();
    EXPECT_TRUE(document.m_strSong.isEmpty());
    EXPECT_TRUE(document.m_strBmpPath.isEmpty());
    EXPECT_FALSE(document.OnOpenDocument(QString()));
}

TEST_F(CantorelDocTest, FailedReadsKeepTheShownSong)
{
    ASSERT_TRUE(document.OnOpenDocument(Song("first.cho", "[Am]la\r\n")));

    QString error;
    EXPECT_FALSE(document.OnOpenDocument(home.path() + "/missing.cho", &error));
    EXPECT_TRUE(error.startsWith(home.path() + "/missing.cho: ")) << error.toStdString();

    const QString accentsOnly = Song("accents.cho", "\xc3\xa9\xc3\xa8");
    EXPECT_FALSE(document.OnOpenDocument(accentsOnly, &error));
    EXPECT_EQ(error, accentsOnly + ": Failed to open document.");

    EXPECT_EQ(document.m_strSong, "[Am]la\r\n");
    EXPECT_EQ(document.m_nChords, 1);
    EXPECT_EQ(document.GetTitle(), "first.cho");
}

TEST_F(CantorelDocTest, EmptyFileOpensWithoutReading)
{
    ASSERT_TRUE(document.OnOpenDocument(Song("first.cho", "[Am]la\r\n")));
    const QString empty = Song("empty.cho", "");
    ASSERT_TRUE(document.OnOpenDocument(empty));
    EXPECT_EQ(document.m_strSong, "[Am]la\r\n");
    EXPECT_EQ(document.m_nFontHeight, -400);
    EXPECT_EQ(document.m_nChords, 1);
    EXPECT_EQ(document.m_strBmpPath, home.path() + "/empty.bmp");
    EXPECT_EQ(document.GetTitle(), "empty.cho");
}

TEST_F(CantorelDocTest, RereadingPicksUpLibraryChanges)
{
    const QString path = Song("song.cho", "[Am]la [Zz]\r\n");
    ASSERT_TRUE(document.OnOpenDocument(path));
    EXPECT_EQ(document.m_nChords, 1);

    WriteFile(ChordLibraryPath(), "[Zz],3,x13331\n[Am],1,002210\n");
    document.m_nFontHeight = -30;
    ASSERT_TRUE(document.OnOpenDocument(path));
    ASSERT_EQ(document.m_nChords, 2);
    EXPECT_EQ(document.m_strChords[0], "[Zz],3,x13331");
    EXPECT_EQ(document.m_strChords[1], "[Am],1,002210");
    EXPECT_EQ(document.m_nFontHeight, -400);
}

TEST_F(CantorelDocTest, AnnouncesEachRead)
{
    int reads = 0;
    QObject::connect(&document, &CCantorelDoc::songRead, [&reads] { ++reads; });
    document.OnOpenDocument(Song("song.cho", "la\r\n"));
    document.OnOpenDocument(Song("empty.cho", ""));
    EXPECT_EQ(reads, 1);
}
