#include "chordlibrary.h"
#include "defaultchordlist.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

class ChordLibraryTest : public ::testing::Test {
protected:
    TemporaryHome home;
    QString path = ChordLibraryPath();
};

// A library of `lines` chord lines ending in `lineEnd`, e.g. "[C1],1,332010".
QByteArray NumberedLibrary(int lines, const QByteArray &lineEnd)
{
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += "[C" + QByteArray::number(i) + "],1,332010" + lineEnd;
    return bytes;
}

} // namespace

TEST_F(ChordLibraryTest, PathIsInTheDocumentsFolder)
{
    EXPECT_EQ(path, home.documents() + "/Cantorel/chords.sc");
    EXPECT_EQ(ChordLibraryFolder(), home.documents() + "/Cantorel");
}

TEST_F(ChordLibraryTest, DefaultListIsTheCompiledResource)
{
    const QByteArray list = DefaultChordList();
    EXPECT_EQ(list.size(), 2625);
    EXPECT_EQ(list.count("\r\n"), 151);
    EXPECT_EQ(list.count('\n'), 151);
    EXPECT_TRUE(list.startsWith("[A],1,x02220\r\n[Bb],1,113331\r\n"));
    EXPECT_TRUE(list.endsWith("[G#m],4,133111\r\n[F#m7],1,242222\r\n"));
}

TEST_F(ChordLibraryTest, SongReaderCreatesFolderAndFileFromDefaultList)
{
    const QStringList lines = ReadSongLibraryLines(path, DefaultChordList());
    EXPECT_EQ(ReadFile(path), DefaultChordList());
    ASSERT_EQ(lines.size(), 151);
    EXPECT_EQ(lines.first(), "[A],1,x02220");
    EXPECT_EQ(lines.last(), "[F#m7],1,242222");
}

TEST_F(ChordLibraryTest, SongReaderWithoutDefaultListReadsNothing)
{
    EXPECT_TRUE(ReadSongLibraryLines(path, QByteArray()).isEmpty());
}

TEST_F(ChordLibraryTest, SongReaderThatCannotCreateUsesDefaultListAndRetriesLater)
{
    // A file where the folder should be: neither folder nor library can be made.
    const QString blocker = ChordLibraryFolder();
    WriteFile(blocker, "not a folder");

    EXPECT_EQ(ReadSongLibraryLines(path, DefaultChordList()).size(), 151);
    EXPECT_EQ(ReadFile(blocker), "not a folder");

    QFile::remove(blocker);
    EXPECT_EQ(ReadSongLibraryLines(path, DefaultChordList()).size(), 151);
    EXPECT_EQ(ReadFile(path), DefaultChordList());
}

TEST_F(ChordLibraryTest, SongReaderNeverTouchesAnUnreadableLibrary)
{
    // A folder at the library's path exists but cannot be read as a file.
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_EQ(ReadSongLibraryLines(path, DefaultChordList()).size(), 151);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(ChordLibraryTest, SongReaderUsesTextModeRules)
{
    WriteFile(path, "[A],1,x02220\n[B],1,224442\r\n\r\n[C],1,332010\x1a[D],1,x00232\r\n");
    EXPECT_EQ(ReadSongLibraryLines(path, DefaultChordList()),
              QStringList({"[A],1,x02220", "[B],1,224442", "", "[C],1,332010"}));

    WriteFile(path, "[A],1,x02220\r\n[B],1,224442");
    EXPECT_EQ(ReadSongLibraryLines(path, DefaultChordList()), QStringList({"[A],1,x02220", "[B],1,224442"}));
}

TEST_F(ChordLibraryTest, BothReadersReadTheWholeOfALongLibrary)
{
    const QByteArray library = NumberedLibrary(2000, "\r\n");
    ASSERT_GT(library.size(), 25000);
    WriteFile(path, library);

    const QStringList songLines = ReadSongLibraryLines(path, DefaultChordList());
    ASSERT_EQ(songLines.size(), 2000);
    EXPECT_EQ(songLines.last(), "[C1999],1,332010");

    const auto editorLines = ReadLibraryLines(path);
    ASSERT_TRUE(editorLines);
    ASSERT_EQ(editorLines->size(), 2000);
    ASSERT_TRUE(WriteLibraryLines(path, *editorLines, nullptr));
    EXPECT_EQ(ReadFile(path), library);
}

TEST_F(ChordLibraryTest, EditorReaderKeepsEveryLineWithCrLf)
{
    struct Case {
        const char *label;
        QByteArray file;
        QStringList lines;
    };
    const Case cases[] = {
        {"comments, blank line in the middle, duplicates",
         "; my chords\r\n[A],1,x02220\r\n\r\n[A],1,x02220\r\n",
         {"; my chords\r\n", "[A],1,x02220\r\n", "\r\n", "[A],1,x02220\r\n"}},
        {"bare LF ends", "[A],1,x02220\n[B],1,224442\n", {"[A],1,x02220\r\n", "[B],1,224442\r\n"}},
        {"last line without line end", "[A],1,x02220\r\n[B],1,224442", {"[A],1,x02220\r\n", "[B],1,224442\r\n"}},
        {"trailing blank lines dropped", "[A],1,x02220\r\n\r\n\n\r\n", {"[A],1,x02220\r\n"}},
        {"lone CR stays in the last line", "[A],1,x02220\r\r\n", {"[A],1,x02220\r\r\n"}},
        {"data ends at NUL", QByteArray("[A],1,x02220\r\n[B]\0,1\r\n", 22), {"[A],1,x02220\r\n", "[B]\r\n"}},
        {"data ends at Ctrl-Z", "[A],1,x02220\r\n\x1a[B],1,224442\r\n", {"[A],1,x02220\r\n"}},
        {"only line ends", "\r\n\n\r\n", {}},
        {"empty file", "", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        WriteFile(path, c.file);
        const auto lines = ReadLibraryLines(path);
        ASSERT_TRUE(lines);
        EXPECT_EQ(*lines, c.lines);
    }
}

TEST_F(ChordLibraryTest, EditorReaderDoesNotCreateAMissingLibrary)
{
    EXPECT_FALSE(ReadLibraryLines(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ChordLibraryTest, EditorRoundTripMakesEveryLineEndCrLf)
{
    WriteFile(path, "; mine\n[A],1,x02220\n\n[A],1,x02220\n[B],1,224442\n\n\n");
    const auto lines = ReadLibraryLines(path);
    ASSERT_TRUE(lines);
    ASSERT_TRUE(WriteLibraryLines(path, *lines, nullptr));
    EXPECT_EQ(ReadFile(path), "; mine\r\n[A],1,x02220\r\n\r\n[A],1,x02220\r\n[B],1,224442\r\n");

    ASSERT_TRUE(WriteLibraryLines(path, {}, nullptr));
    EXPECT_EQ(ReadFile(path), "");
}

TEST_F(ChordLibraryTest, EditorWriterCreatesAMissingFolder)
{
    QString error;
    ASSERT_TRUE(WriteLibraryLines(path, {"[new],1,000000\r\n"}, &error)) << error.toStdString();
    EXPECT_EQ(ReadFile(path), "[new],1,000000\r\n");
}

TEST_F(ChordLibraryTest, FailedRewriteKeepsTheOldFileAndSaysWhy)
{
    WriteFile(path, "[A],1,x02220\r\n");

    // Let no file grow past 100 bytes, as on a full disk.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit {};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit smallLimit = oldLimit;
    smallLimit.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &smallLimit);

    QString error;
    const bool written = WriteLibraryLines(path, QStringList(50, "[C],1,332010\r\n"), &error);

    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile(path), "[A],1,x02220\r\n");
    EXPECT_TRUE(error.startsWith("Could not write " + path + ": ")) << error.toStdString();
    EXPECT_GT(error.size(), QString("Could not write " + path + ": ").size());
}

TEST_F(ChordLibraryTest, RewriteIntoAnUnusableFolderSaysWhy)
{
    WriteFile(ChordLibraryFolder(), "not a folder");
    QString error;
    EXPECT_FALSE(WriteLibraryLines(path, {"[A],1,x02220\r\n"}, &error));
    EXPECT_TRUE(error.startsWith("Could not write " + path + ": ")) << error.toStdString();
    EXPECT_EQ(ReadFile(ChordLibraryFolder()), "not a folder");
}
