#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct ProcessResult {
    int exitCode;
    QString out;
    QString err;
};

ProcessResult Cantorel(const QStringList &arguments,
                       const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CANTOREL_BIN_DIR "/cantorel"), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

class SheetCommandsTest : public ::testing::Test {
protected:
    TemporaryHome home;

    QString Song(const QString &name, const QByteArray &text)
    {
        const QString path = home.path() + "/" + name;
        WriteFile(path, text);
        return path;
    }
    QString Beside(const QString &name) const { return home.path() + "/" + name; }
};

} // namespace

TEST_F(SheetCommandsTest, ExportWritesBothFilesOfEverySongAndNamesTheFailures)
{
    const QString first = Song("first.cho", "{t:First}\n[Am]la\n");
    const QString missing = Beside("missing.cho");
    const QString second = Song("second.song.cho", "[F]li\n");

    const ProcessResult run = Cantorel({"--export", first, missing, second});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, Beside("first.bmp") + "\n" + Beside("first.pdf") + "\n" + Beside("second.song.bmp") + "\n"
                           + Beside("second.song.pdf") + "\n");
    EXPECT_TRUE(run.err.contains("cantorel: " + missing)) << run.err.toStdString();
    for (const char *written : {"first.bmp", "first.pdf", "second.song.bmp", "second.song.pdf"})
        EXPECT_GT(QFileInfo(Beside(written)).size(), 2000000) << written;
    // Each song is exported as if alone: the second has no title of its own.
    EXPECT_TRUE(ReadFile(Beside("first.pdf")).contains("/Title (First   )"));
    EXPECT_FALSE(ReadFile(Beside("second.song.pdf")).contains("/Title"));
}

TEST_F(SheetCommandsTest, ExportReportsABitmapThatCannotBeWrittenAndSkipsItsPdf)
{
    const QString song = Song("song.cho", "[Am]la\n");
    QDir().mkpath(Beside("song.bmp"));
    const ProcessResult run = Cantorel({"--export", song});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(Beside("song.bmp"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Beside("song.pdf")));
}

TEST_F(SheetCommandsTest, ExportNeedsNoDisplay)
{
    const QString song = Song("song.cho", "[Am]la\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    const ProcessResult run = Cantorel({"--export", song}, environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(Beside("song.pdf")));
}

TEST_F(SheetCommandsTest, PrintNamesAnUnreadableSong)
{
    const ProcessResult run = Cantorel({"--print", Beside("missing.cho")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(Beside("missing.cho"))) << run.err.toStdString();
}

TEST_F(SheetCommandsTest, HelpAndVersion)
{
    const ProcessResult help = Cantorel({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *option : {"--export", "--print", "--chords", "--version", "SONG"})
        EXPECT_TRUE(help.out.contains(option)) << option;

    const ProcessResult version = Cantorel({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "cantorel 2.0.0.0\n");
}

TEST_F(SheetCommandsTest, WrongUseShowsTheUsageAndFails)
{
    const QStringList wrongUses[] = {
        {"--export"}, {"--print"}, {"--print", "a.cho", "b.cho"}, {"--chords", "a.cho", "b.cho"},
        {"--export", "--chords", "a.cho"}, {"a.cho", "b.cho"}, {"--bogus", "a.cho"},
    };
    for (const QStringList &arguments : wrongUses) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ProcessResult run = Cantorel(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains("Usage:"));
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST_F(SheetCommandsTest, ExportNeverReplacesTheSongItself)
{
    for (const char *name : {"song.bmp", "song.pdf"}) {
        SCOPED_TRACE(name);
        const QString song = Song(name, "[Am]la\n");
        const ProcessResult run = Cantorel({"--export", song});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(song + ": not written")) << run.err.toStdString();
        EXPECT_EQ(ReadFile(song), "[Am]la\n");
    }
}
