#pragma once

#include <QString>
#include <QTextStream>

// `cantorel --chords SONG`: reads the song as the window would and prints its
// chord slots, one library line each. Returns the process exit code.
int RunChordsCommand(const QString &songPath, QTextStream &out, QTextStream &err);
