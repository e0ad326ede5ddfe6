#include "cantorelmain.h"

#include "cantorelapp.h"
#include "commandline.h"
#include "sheetcommands.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QStringList ArgumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int CantorelMain(int argc, char *argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Guitar Cantorel: song sheets with chord diagrams.\n"
                                                    "Without an option, opens the window, with SONG when given."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption exportOption(QStringLiteral("export"),
                                          QStringLiteral("Write the BMP and PDF of each SONG beside it and print their paths."));
    const QCommandLineOption printOption(QStringLiteral("print"),
                                         QStringLiteral("Print the sheet of SONG on the default printer."));
    const QCommandLineOption chordsOption(QStringLiteral("chords"),
                                          QStringLiteral("Print the chord slots of SONG, one library line each."));
    parser.addOptions({exportOption, printOption, chordsOption});
    parser.addPositionalArgument(QStringLiteral("SONG"), QStringLiteral("The song file(s)."), QStringLiteral("[SONG...]"));
    const bool parsed = parser.parse(ArgumentsOf(argc, argv));

    const int commandCount = parser.isSet(exportOption) + parser.isSet(printOption) + parser.isSet(chordsOption);
    // The commands show no window, and without a display there is none to show
    // on: the offscreen platform draws the same sheet at the same size.
    if (commandCount > 0)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!HasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cantorel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CANTOREL_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Guitar Cantorel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("cantorel"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << "cantorel " CANTOREL_VERSION << Qt::endl;
        return 0;
    }
    // --export takes one song or more, --print and --chords one, the window none or one.
    const QStringList songs = parser.positionalArguments();
    const bool songsFit = parser.isSet(exportOption) ? !songs.isEmpty()
                          : commandCount == 1        ? songs.size() == 1
                                                     : songs.size() <= 1;
    if (!parsed || commandCount > 1 || !songsFit) {
        if (!parsed)
            err << "cantorel: " << parser.errorText() << '\n';
        err << parser.helpText();
        return kUsageError;
    }

    if (parser.isSet(chordsOption))
        return RunChordsCommand(songs.first(), out, err);
    if (parser.isSet(printOption))
        return RunPrintCommand(songs.first(), err);
    if (parser.isSet(exportOption))
        return RunExportCommand(songs, out, err);

    CCantorelApp program;
    if (!program.InitInstance(songs.value(0)))
        return 1;
    return QApplication::exec();
}
