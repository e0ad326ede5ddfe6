#pragma once

#include "chordentry.h"

#include <QString>

#include <optional>

// The chord entry dialog's conversions between a library line and its three
// fields. None of them touches a window.

// The fields that Modify shows for a library line: the name before the first
// "]" without "[", at most two base-fret characters without spaces, and six
// marks in which anything but "0" to "6" reads as "x".
ChordEntry SplitChordLine(const QString &line);

// A line built from the entry dialog's fields, and the text the list shows for it.
struct BuiltChordLine {
    QString line;      // "[Am],1,002210", without a line end
    QString listName;  // "Am"
};

// Composes "[" name "]," base fret "," marks: the name becomes "new" when
// empty, a base fret keeps two characters and drops a leading "0" from two,
// the marks are cut or filled with "0" to six; name and base fret lose any CR
// and LF. Nothing when a mark is not "0" to "6" or a lower-case "x".
std::optional<BuiltChordLine> BuildChordLine(const ChordEntry &fields);

// The base fret as the live diagram draws it: as stored, with an empty field
// standing for "1".
QString DiagramBaseFret(const QString &baseFretField);
