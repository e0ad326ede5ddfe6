#include "plectrelapp.h"

#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    CPlectrelApp app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plectrel: edits the chord library of Guitar Cantorel."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    app.InitInstance();
    return 0;
}
