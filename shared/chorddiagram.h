#pragma once

#include "canvas.h"

#include <QString>

// The chord fingering diagram both programs draw: a box of six strings and
// four fret rows at fixed pixel positions, a 7 x 7 dot for each stopped string
// and the base-fret number left of the top row.

// The one-line text of open ("o") and muted ("x") strings shown above a
// diagram, with blanks for the fretted strings and a space after the third.
QString MarksLabel(const QString &marks);

// The marks that the label above a diagram takes from a library line: all
// after the first comma at or after two characters past the first "]"; empty
// when there is no such comma.
QString LabelMarksFromLine(const QString &line);

// The base-fret text (at most two characters) and the marks that the diagram
// of a library line is drawn from. A line without "]" gives both empty.
void DiagramTextsFromLine(const QString &line, QString &baseFret, QString &marks);

// Draws the diagram at the canvas's origin. The box is filled with the
// canvas's current brush; the base-fret number, when there is one, is drawn in
// the canvas's font and text colour. The canvas keeps its pen and brush.
void DrawChordDiagram(Canvas &canvas, const QString &baseFret, const QString &marks);
