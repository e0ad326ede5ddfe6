#pragma once

#include <QStringList>
#include <QTextStream>

// `cantorel --export SONG...`: for each song, its BMP and PDF beside it as the
// window saves them, written at once; each written path goes to `out`, each
// failure to `err`, and the other songs are still done. Returns the exit code:
// non-zero when anything failed. Needs a QApplication.
int RunExportCommand(const QStringList &songPaths, QTextStream &out, QTextStream &err);

// `cantorel --print SONG`: prints the sheet on the default printer. Returns the
// exit code. Needs a QApplication.
int RunPrintCommand(const QString &songPath, QTextStream &err);
