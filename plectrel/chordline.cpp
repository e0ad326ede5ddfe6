#include "chordline.h"

namespace {

constexpr int kMarkCount = 6;
constexpr int kBaseFretLength = 2;

bool IsMark(QChar mark)
{
    return (mark >= u'0' && mark <= u'6') || mark == u'x';
}

// At most two characters, and "05" stands for "5".
QString ShortBaseFret(const QString &baseFret)
{
    QString shortened = baseFret.left(kBaseFretLength);
    if (shortened.size() == kBaseFretLength && shortened.startsWith(u'0'))
        shortened.remove(0, 1);
    return shortened;
}

QString WithoutLineBreaks(QString text)
{
    return text.remove(u'\r').remove(u'\n');
}

} // namespace

ChordEntry SplitChordLine(const QString &line)
{
    ChordEntry fields;
    fields.name = ChordListName(line);

    // Skip the "]" and the character after it, normally the comma.
    const qsizetype bracket = line.indexOf(u']');
    const QString rest = bracket < 0 ? QString() : line.mid(bracket + 2);

    // The base fret stops at its comma or after two characters; the marks
    // begin where it stopped.
    qsizetype fretEnd = 0;
    while (fretEnd < rest.size() && fretEnd < kBaseFretLength && rest[fretEnd] != u',')
        ++fretEnd;
    fields.baseFret = rest.left(fretEnd).remove(u' ');

    QString marks = rest.mid(fretEnd);
    marks.remove(u',').remove(u'\r').remove(u'\n');
    marks = marks.leftJustified(kMarkCount, u'x', true);
    for (QChar &mark : marks) {
        if (!IsMark(mark))
            mark = u'x';
    }
    fields.marks = marks;
    return fields;
}

std::optional<BuiltChordLine> BuildChordLine(const ChordEntry &fields)
{
    const QString marks = fields.marks.leftJustified(kMarkCount, u'0', true);
    for (QChar mark : marks) {
        if (!IsMark(mark))
            return std::nullopt;
    }
    // A line break would split the entry into two lines of the file. Modify
    // can bring the line's own CR LF into a field: into the name of a line
    // without "]", into the base fret of a line that ends after it.
    QString name = WithoutLineBreaks(fields.name);
    if (name.isEmpty())
        name = QStringLiteral("new");
    const QString baseFret = ShortBaseFret(WithoutLineBreaks(fields.baseFret));
    const QString line = QLatin1Char('[') + name + QLatin1String("],") + baseFret + QLatin1Char(',') + marks;
    return BuiltChordLine {line, name};
}

QString DiagramBaseFret(const QString &baseFretField)
{
    return baseFretField.isEmpty() ? QStringLiteral("1") : ShortBaseFret(baseFretField);
}
