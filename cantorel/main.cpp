#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cantorel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.0.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Guitar Cantorel: song sheets with chord diagrams."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption chordsOption(QStringLiteral("chords"), QStringLiteral("Print the chord slots of SONG, one library line each."));
    parser.addOption(chordsOption);
    parser.addPositionalArgument(QStringLiteral("SONG"), QStringLiteral("The song file."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList songs = parser.positionalArguments();
    if (!parser.isSet(chordsOption) || songs.size() != 1) {
        err << parser.helpText();
        return 2;
    }
    return RunChordsCommand(songs.first(), out, err);
}
