#include "testsupport.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct ProcessResult {
    int exitCode;
    QString out;
    QString err;
};

ProcessResult Cantorel(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(CANTOREL_BIN_DIR "/cantorel"), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

TEST(CommandLine, ChordsPrintsTheSlotsAndCreatesTheLibrary)
{
    TemporaryHome home;
    QDir().mkpath(home.documents());
    const QString song = home.path() + "/song.cho";
    WriteFile(song, "[G]Hey [C]there [D]you\n");

    const ProcessResult run = Cantorel({"--chords", song});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "[C],1,332010\n[D],1,x00232\n[G],1,320003\n");
    EXPECT_EQ(ReadFile(home.documents() + "/Cantorel/chords.sc").size(), 2625);
}

TEST(CommandLine, ChordsNamesAnUnreadableSong)
{
    TemporaryHome home;
    const QString song = home.path() + "/missing.cho";
    const ProcessResult run = Cantorel({"--chords", song});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(song)) << run.err.toStdString();
}
