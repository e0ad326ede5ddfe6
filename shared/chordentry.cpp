#include "chordentry.h"

ChordEntry ChordEntryFromLine(const QString &line)
{
    ChordEntry entry;
    entry.name = ChordListName(line);

    const qsizetype bracket = line.indexOf(u']');
    if (bracket < 0)
        return entry;
    // The base fret starts after "],"; a line too short for that has none.
    const qsizetype fretStart = bracket + 2;
    if (fretStart > line.size())
        return entry;
    const qsizetype comma = line.indexOf(u',', fretStart);
    const qsizetype fretEnd = comma < 0 ? line.size() : comma;
    entry.baseFret = line.mid(fretStart, fretEnd - fretStart).left(2);
    if (comma >= 0)
        entry.marks = line.mid(comma + 1).left(6);
    return entry;
}

QString ChordListName(const QString &line)
{
    const qsizetype bracket = line.indexOf(u']');
    QString name = bracket < 0 ? line : line.left(bracket);
    name.remove(u'[');
    return name;
}
