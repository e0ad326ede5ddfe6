#include "chorddiagram.h"
#include "qpaintercanvas.h"
#include "testsupport.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using Pixel = std::pair<int, int>;

// A diagram drawn as a song sheet slot draws it: on a white 66 x 44 control.
QImage Diagram(const QString &baseFret, const QString &marks)
{
    QImage image(66, 44, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    DrawChordDiagram(canvas, baseFret, marks);
    return image;
}

bool IsInk(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

std::set<Pixel> InkPixels(const QImage &image, const Rect &area)
{
    std::set<Pixel> ink;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (IsInk(image, x, y))
                ink.insert({x, y});
    return ink;
}

// The outline and the inner strings and frets.
std::set<Pixel> GridPixels()
{
    std::set<Pixel> grid;
    for (int x = 14; x <= 49; x += 7)
        for (int y = 0; y <= 32; ++y)
            grid.insert({x, y});
    for (int y = 0; y <= 32; y += 8)
        for (int x = 14; x <= 49; ++x)
            grid.insert({x, y});
    return grid;
}

const Rect kSlot{0, 0, 66, 44};
const Rect kBaseFretSquare{0, 0, 14, 14};

// The 7 x 7 box of the dot on `string` (0 to 5) in `row` (1 to 6).
Rect DotBox(int string, int row)
{
    return Rect{11 + 7 * string, 8 * (row - 1) + 1, 18 + 7 * string, 8 * (row - 1) + 8};
}

// Every pixel inked beyond the grid lies in one of `dots`, and each dot
// reaches all four sides of its box.
void ExpectDots(const QImage &image, const std::vector<Rect> &dots)
{
    const std::set<Pixel> grid = GridPixels();
    for (const Pixel &pixel : InkPixels(image, kSlot)) {
        if (grid.count(pixel))
            continue;
        const bool inDot = std::any_of(dots.begin(), dots.end(), [&](const Rect &box) {
            return pixel.first >= box.left && pixel.first < box.right && pixel.second >= box.top && pixel.second < box.bottom;
        });
        EXPECT_TRUE(inDot) << "stray ink at " << pixel.first << "," << pixel.second;
    }
    // Row 6 reaches below the control; only what the control shows is checked.
    const auto expectInk = [&](int x, int y, bool ink, const char *where) {
        if (y < kSlot.bottom) {
            EXPECT_EQ(IsInk(image, x, y), ink) << where << " of the dot at " << x << "," << y;
        }
    };
    for (const Rect &box : dots) {
        const int centreX = box.left + 3;
        const int centreY = box.top + 3;
        expectInk(centreX, centreY, true, "centre");
        expectInk(box.left, centreY, true, "left side");
        expectInk(box.right - 1, centreY, true, "right side");
        expectInk(centreX - 1, box.top, true, "top");
        expectInk(centreX - 1, box.bottom - 1, true, "bottom");
        expectInk(box.left, box.top, false, "corner");
    }
}

} // namespace

TEST(ChordDiagram, DrawsExactlyTheGridWhenNothingIsStopped)
{
    for (const QString &marks : {QString("x00000"), QString(), QString("x0a7-?")}) {
        SCOPED_TRACE(marks.toStdString());
        EXPECT_EQ(InkPixels(Diagram("1", marks), kSlot), GridPixels());
    }
}

TEST(ChordDiagram, DrawsADotForEachStoppedString)
{
    struct Case {
        QString marks;
        std::vector<Rect> dots;
    };
    const Case cases[] = {
        {"x02220", {DotBox(2, 2), DotBox(3, 2), DotBox(4, 2)}},
        {"x00210", {DotBox(3, 2), DotBox(4, 1)}},
        {"133211", {DotBox(0, 1), DotBox(1, 3), DotBox(2, 3), DotBox(3, 2), DotBox(4, 1), DotBox(5, 1)}},
        {"555555", {DotBox(0, 5), DotBox(1, 5), DotBox(2, 5), DotBox(3, 5), DotBox(4, 5), DotBox(5, 5)}},
        {"6x6x4x", {DotBox(0, 6), DotBox(2, 6), DotBox(4, 4)}},
        {"x0a2", {DotBox(3, 2)}},
        {"x32010\r\n", {DotBox(1, 3), DotBox(2, 2), DotBox(4, 1)}},
        {"0000001", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.marks.toStdString());
        ExpectDots(Diagram("1", c.marks), c.dots);
    }
}

TEST(ChordDiagram, DotsInRowFiveHangBelowTheBox)
{
    const QImage image = Diagram("1", "555555");
    for (int string = 0; string < 6; ++string) {
        const int x = 14 + 7 * string;
        EXPECT_FALSE(IsInk(image, x, 33 + 7)) << string;
        for (int y = 33; y <= 39; ++y)
            EXPECT_TRUE(IsInk(image, x, y)) << string << " at y " << y;
    }
}

TEST(ChordDiagram, NumbersTheBaseFretFromTwoOnOrWithTwoCharacters)
{
    const std::pair<QString, bool> cases[] = {
        {"", false}, {"0", false}, {"1", false}, {"2", true}, {"9", true}, {"10", true}, {"05", true}, {"12", true},
    };
    for (const auto &[baseFret, numbered] : cases) {
        SCOPED_TRACE(baseFret.toStdString());
        const QImage image = Diagram(baseFret, "x32010");
        EXPECT_EQ(!InkPixels(image, kBaseFretSquare).empty(), numbered);
    }
}

TEST(ChordDiagram, FillsTheBoxWithTheCanvasBrushAndKeepsPenAndBrush)
{
    const QColor grey(200, 200, 200);
    QImage image(66, 44, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SelectBrush(CanvasBrush{grey});
    canvas.SelectPen(CanvasPen{Qt::red});

    DrawChordDiagram(canvas, "1", "x02220");

    EXPECT_EQ(image.pixelColor(17, 4), grey);
    EXPECT_EQ(image.pixelColor(14, 4), Qt::black);
    EXPECT_EQ(image.pixelColor(28, 12), Qt::black);
    EXPECT_EQ(image.pixelColor(60, 4), Qt::white);
    EXPECT_EQ(canvas.SelectBrush(CanvasBrush{Qt::white}), CanvasBrush{grey});
    EXPECT_EQ(canvas.SelectPen(CanvasPen{Qt::black}), CanvasPen{Qt::red});
}

TEST(ChordDiagram, MarksLabelShowsOpenAndMutedStrings)
{
    const std::pair<QString, QString> cases[] = {
        {"x02220", "xo       o"},
        {"x32010", "x     o  o"},
        {"000000", "ooo ooo"},
        {"133211", "             "},
        {"", "xxx xxx"},
        {"x0a2", "xox   xx"},
        {"x02220\r\n", "xo       o"},
        {"7-?x06", "xxx xo  "},
    };
    for (const auto &[marks, label] : cases) {
        SCOPED_TRACE(marks.toStdString());
        EXPECT_EQ(MarksLabel(marks), label);
    }
}

TEST(ChordDiagram, TextsFromLibraryLines)
{
    struct Case {
        QString line;
        QString baseFret, marks, labelMarks;
    };
    const Case cases[] = {
        {"[A],1,x02220", "1", "x02220", "x02220"},
        {"[Dadd2],10,x00210", "10", "x00210", "x00210"},
        {"[X],123,x32010", "12", ",x32010", "x32010"},
        {"[Em]1,022000", "", "022000", "022000"},
        {"[Am],1,002210\r\n", "1", "002210\r\n", "002210\r\n"},
        {";[Am],1,002210", "1", "002210", "002210"},
        {"[F],,133211", "", "133211", "133211"},
        {"[Am],7", "7", "", ""},
        {"[Am],", "", "", ""},
        {"[Am]", "", "", ""},
        {"Am,1,002210", "", "", ""},
        {"", "", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        QString baseFret = "stale";
        QString marks = "stale";
        DiagramTextsFromLine(c.line, baseFret, marks);
        EXPECT_EQ(baseFret, c.baseFret);
        EXPECT_EQ(marks, c.marks);
        EXPECT_EQ(LabelMarksFromLine(c.line), c.labelMarks);
    }
}
