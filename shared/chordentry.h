#pragma once

#include <QString>

// The three fields of one chord line of the library, e.g. "[Am],1,002210".
struct ChordEntry {
    QString name;      // "Am"
    QString baseFret;  // "1": the fret that the diagram's top row stands for
    QString marks;     // "002210": lowest string first; x muted, 0 open, 1-6 row
};

// Takes a library line apart: the name before the first "]" without any "[",
// at most two characters of base fret after "],", at most six marks after the
// next comma. Short or malformed lines give short or empty fields.
ChordEntry ChordEntryFromLine(const QString &line);

// The editor's list text for a line: up to the first "]" (the whole line when
// there is none), every "[" removed, nothing trimmed.
QString ChordListName(const QString &line);
