#include "chorddiagram.h"

namespace {

constexpr int kStringCount = 6;
constexpr int kLeftString = 14;
constexpr int kRightString = 49;
constexpr int kStringSpacing = 7;
constexpr int kTopFret = 0;
constexpr int kBottomFret = 32;
constexpr int kFretSpacing = 8;
constexpr int kDotRadius = 3;
constexpr int kMarksLabelSpaceAfter = 3;

const Rect kOutline{kLeftString, kTopFret, kRightString + 1, kBottomFret + 1};
const Rect kBaseFretSquare{0, 0, 14, 14};
const QColor kInk(0, 0, 0);

// The row (1 to 6) in which a mark stops its string, or 0 for any other mark.
int StoppedRow(QChar mark)
{
    return mark >= u'1' && mark <= u'6' ? mark.unicode() - u'0' : 0;
}

} // namespace

QString MarksLabel(const QString &marks)
{
    QString label;
    for (int string = 0; string < kStringCount; ++string) {
        if (string == kMarksLabelSpaceAfter)
            label += u' ';
        const QChar mark = string < marks.size() ? marks[string] : QChar(u'x');
        if (mark == u'0')
            label += u'o';
        else if (StoppedRow(mark) > 0)
            label += QLatin1String("  ");
        else
            label += u'x';
    }
    return label;
}

QString LabelMarksFromLine(const QString &line)
{
    const qsizetype bracket = line.indexOf(u']');
    if (bracket < 0)
        return QString();
    const qsizetype comma = line.indexOf(u',', bracket + 2);
    return comma < 0 ? QString() : line.mid(comma + 1);
}

void DiagramTextsFromLine(const QString &line, QString &baseFret, QString &marks)
{
    baseFret.clear();
    marks.clear();
    const qsizetype bracket = line.indexOf(u']');
    if (bracket < 0)
        return;
    // The base fret starts after "]," and stops at a comma, at the end of the
    // line or after two characters; the marks follow the character it stopped at.
    qsizetype position = bracket + 2;
    while (position < line.size() && line[position] != u',' && baseFret.size() < 2)
        baseFret += line[position++];
    if (position < line.size())
        marks = line.mid(position + 1);
}

void DrawChordDiagram(Canvas &canvas, const QString &baseFret, const QString &marks)
{
    const CanvasPen previousPen = canvas.SelectPen(CanvasPen{kInk});
    canvas.Rectangle(kOutline);
    for (int x = kLeftString + kStringSpacing; x < kRightString; x += kStringSpacing) {
        canvas.MoveTo(x, kTopFret);
        canvas.LineTo(x, kBottomFret);
    }
    for (int y = kTopFret + kFretSpacing; y < kBottomFret; y += kFretSpacing) {
        canvas.MoveTo(kLeftString, y);
        canvas.LineTo(kRightString, y);
    }

    const CanvasBrush previousBrush = canvas.SelectBrush(CanvasBrush{kInk});
    for (int string = 0; string < kStringCount && string < marks.size(); ++string) {
        const int row = StoppedRow(marks[string]);
        if (row == 0)
            continue;
        const int centreX = kLeftString + kStringSpacing * string;
        const int top = kTopFret + kFretSpacing * (row - 1) + 1;
        canvas.Ellipse(Rect{centreX - kDotRadius, top, centreX + kDotRadius + 1, top + 2 * kDotRadius + 1});
    }
    canvas.SelectPen(previousPen);
    canvas.SelectBrush(previousBrush);

    // Fret 1 is the nut and needs no number; "0" and an empty text show none either.
    if (!baseFret.isEmpty() && (baseFret[0] > u'1' || baseFret.size() > 1))
        canvas.DrawCentredText(kBaseFretSquare, baseFret, TextClip::ToRect);
}
