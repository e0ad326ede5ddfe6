#include "qpaintercanvas.h"
#include "testsupport.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <optional>

namespace {

// A white image with a canvas over it.
class QPainterCanvasTest : public ::testing::Test {
protected:
    QImage image{40, 30, QImage::Format_RGB32};
    std::optional<QPainter> painter;
    std::optional<QPainterCanvas> canvas;

    void SetUp() override
    {
        canvas.reset();
        painter.reset();
        image.fill(Qt::white);
        painter.emplace(&image);
        canvas.emplace(*painter);
    }

    // The smallest rectangle around every non-white pixel (empty when none).
    Rect Ink()
    {
        canvas.reset();
        painter.reset();
        Rect ink{image.width(), image.height(), 0, 0};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == qRgb(255, 255, 255))
                    continue;
                ink = Rect{std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
            }
        }
        return ink.left < ink.right ? ink : Rect{};
    }
};

} // namespace

TEST_F(QPainterCanvasTest, LinesLeaveOutTheirEndPoint)
{
    struct Case {
        int fromX, fromY, toX, toY;
        Rect ink;
    };
    const Case cases[] = {
        {2, 3, 2, 10, {2, 3, 3, 10}},
        {2, 3, 12, 3, {2, 3, 12, 4}},
        {12, 3, 2, 3, {3, 3, 13, 4}},
        {2, 3, 12, 13, {2, 3, 12, 13}},
        {2, 3, 3, 3, {2, 3, 3, 4}},
        {2, 3, 2, 3, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.fromX << "," << c.fromY << " to " << c.toX << "," << c.toY);
        SetUp();
        canvas->MoveTo(c.fromX, c.fromY);
        canvas->LineTo(c.toX, c.toY);
        EXPECT_EQ(Ink(), c.ink);
    }
}

TEST_F(QPainterCanvasTest, LineToMovesTheCurrentPosition)
{
    canvas->MoveTo(2, 2);
    canvas->LineTo(2, 6);
    canvas->LineTo(9, 6);
    EXPECT_EQ(image.pixelColor(2, 5), Qt::black);
    EXPECT_EQ(image.pixelColor(2, 6), Qt::black);
    EXPECT_EQ(image.pixelColor(8, 6), Qt::black);
    EXPECT_EQ(Ink(), (Rect{2, 2, 9, 7}));
}

TEST_F(QPainterCanvasTest, ShapesStayInsideTheirRectangle)
{
    canvas->Rectangle(Rect{3, 4, 13, 10});
    EXPECT_EQ(Ink(), (Rect{3, 4, 13, 10}));

    SetUp();
    canvas->SelectBrush(CanvasBrush{Qt::black});
    canvas->Ellipse(Rect{11, 1, 18, 8});
    EXPECT_EQ(Ink(), (Rect{11, 1, 18, 8}));

    SetUp();
    canvas->FillSolidRect(Rect{5, 6, 7, 9}, Qt::red);
    EXPECT_EQ(image.pixelColor(6, 8), Qt::red);
    EXPECT_EQ(Ink(), (Rect{5, 6, 7, 9}));
}

TEST_F(QPainterCanvasTest, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    EXPECT_EQ(canvas->SelectPen(CanvasPen{Qt::red}), CanvasPen{Qt::black});
    EXPECT_EQ(canvas->SelectBrush(CanvasBrush{Qt::blue}), CanvasBrush{Qt::white});
    canvas->Rectangle(Rect{3, 4, 13, 10});
    EXPECT_EQ(image.pixelColor(3, 4), Qt::red);
    EXPECT_EQ(image.pixelColor(12, 9), Qt::red);
    EXPECT_EQ(image.pixelColor(4, 5), Qt::blue);
    EXPECT_EQ(image.pixelColor(11, 8), Qt::blue);
}

TEST_F(QPainterCanvasTest, ClipBoxIsTheSurfaceOrItsClip)
{
    EXPECT_EQ(canvas->GetClipBox(), (Rect{0, 0, 40, 30}));
    painter->setClipRect(QRect(5, 6, 10, 4));
    EXPECT_EQ(canvas->GetClipBox(), (Rect{5, 6, 15, 10}));
}

TEST_F(QPainterCanvasTest, BaskervilleIsASerifFace)
{
    canvas->SelectFont(CanvasFont{"Baskerville", -16, 700});
    const QString family = QFontInfo(painter->font()).family();
    if (QFontDatabase::hasFamily("Baskerville"))
        EXPECT_EQ(family, "Baskerville");
    else if (QFontDatabase::hasFamily("Baskervald ADF Std"))
        EXPECT_EQ(family, "Baskervald ADF Std");
    else
        EXPECT_FALSE(family.contains("Sans")) << family.toStdString();
    EXPECT_TRUE(QFontInfo(painter->font()).bold());
}

TEST_F(QPainterCanvasTest, FontHeightsFollowTheSignConvention)
{
    const QFont surfaceFont = painter->font();
    const int defaultHeight = canvas->FontHeight();

    EXPECT_EQ(canvas->SelectFont(CanvasFont{"Baskerville", -20, 400}), CanvasFont{});
    const int characterHeight = canvas->FontHeight();
    EXPECT_GE(characterHeight, 20);
    EXPECT_LE(characterHeight, 30);

    EXPECT_EQ(canvas->SelectFont(CanvasFont{"Baskerville", 20, 400}), (CanvasFont{"Baskerville", -20, 400}));
    EXPECT_NEAR(canvas->FontHeight(), 20, 1);

    canvas->SelectFont(CanvasFont{"Baskerville", 0, 400});
    EXPECT_NEAR(canvas->FontHeight(), defaultHeight, 4);

    canvas->SelectFont(CanvasFont{});
    EXPECT_EQ(painter->font(), surfaceFont);
    EXPECT_EQ(canvas->FontHeight(), defaultHeight);
}

TEST_F(QPainterCanvasTest, TextHangsFromItsTopLeftCorner)
{
    canvas->SelectFont(CanvasFont{"Baskerville", -16, 400});
    const int height = canvas->FontHeight();
    const int width = canvas->TextWidth("Hg");
    EXPECT_GT(width, 10);
    EXPECT_EQ(canvas->SetTextColor(Qt::red), QColor(Qt::black));
    canvas->TextOut(5, 6, "Hg");
    const Rect ink = Ink();
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.right, 5 + width + 1);
    EXPECT_GE(ink.top, 6);
    EXPECT_LE(ink.bottom, 6 + height);
    EXPECT_GT(ink.height(), height / 2);
}

TEST_F(QPainterCanvasTest, CentredTextIsClippedOnlyWhenAsked)
{
    canvas->SelectFont(CanvasFont{"Baskerville", -16, 400});
    const int width = canvas->TextWidth("WW");
    canvas->DrawCentredText(Rect{15, 2, 25, 20}, "WW", TextClip::None);
    Rect ink = Ink();
    EXPECT_NEAR(ink.left, 15 + (10 - width) / 2, 1);
    EXPECT_LT(ink.left, 15);
    EXPECT_GT(ink.right, 25);

    SetUp();
    canvas->SelectFont(CanvasFont{"Baskerville", -16, 400});
    canvas->DrawCentredText(Rect{15, 2, 25, 20}, "WW", TextClip::ToRect);
    ink = Ink();
    EXPECT_EQ(ink.left, 15);
    EXPECT_EQ(ink.right, 25);
}

TEST_F(QPainterCanvasTest, HandsThePainterBackAsItFoundIt)
{
    const QFont font = painter->font();
    canvas->SelectFont(CanvasFont{"Baskerville", -30, 700});
    canvas->SelectPen(CanvasPen{Qt::red});
    canvas->Rectangle(Rect{1, 1, 5, 5});
    EXPECT_FALSE(painter->testRenderHint(QPainter::Antialiasing));
    canvas.reset();
    EXPECT_EQ(painter->font(), font);
    EXPECT_EQ(painter->pen(), QPen());
    EXPECT_EQ(painter->brush(), QBrush());
}
