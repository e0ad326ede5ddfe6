#include "cantoreldoc.h"
#include "cantorelview.h"
#include "testsupport.h"

#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kTeal = qRgb(0, 128, 128);
const QRgb kBlack = qRgb(0, 0, 0);

QString RunTool(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool HasColour(const QImage &image, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

bool IsAllWhite(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != kWhite)
                return false;
    return true;
}

// A laid-out view showing a song opened as File Open does.
class SheetExportTest : public ::testing::Test {
protected:
    TemporaryHome home;
    CCantorelDoc document;
    CCantorelView view{&document};
    QString songPath;

    void Open(const QByteArray &songText, const QString &name = "song.cho")
    {
        if (view.m_bFirstLayout)
            view.OnInitialUpdate();
        songPath = home.path() + "/" + name;
        WriteFile(songPath, songText);
        ASSERT_TRUE(document.OnOpenDocument(songPath));
        view.OnInitialUpdate();
    }
};

} // namespace

TEST_F(SheetExportTest, TheBitmapShowsTheSheetAsTheWindowDoes)
{
    // 25 lines: a song font 16 pixels high.
    Open("[Am]Down by the river\n" + QByteArray("la la\n").repeated(24));
    ASSERT_TRUE(view.SaveSheetBitmap());
    const QString bitmapPath = home.path() + "/song.bmp";
    const QByteArray bytes = ReadFile(bitmapPath);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.mid(14, 4), QByteArray("\x28\0\0\0", 4)); // 40-byte information header
    EXPECT_EQ(bytes.mid(28, 2), QByteArray("\x18\0", 2));     // 24 bits per pixel
    EXPECT_EQ(bytes.mid(30, 4), QByteArray(4, '\0'));         // uncompressed

    const QImage sheet(bitmapPath, "BMP");
    ASSERT_EQ(sheet.size(), QSize(734, 981));
    // The chord row at the top of the song area holds the teal chord name,
    // the lyric row below it none.
    EXPECT_TRUE(HasColour(sheet, QRect(48, 48, 638, 16), kTeal));
    EXPECT_FALSE(HasColour(sheet, QRect(48, 70, 638, 12), kTeal));
    // Slot 1 is [Am],1,002210: dots in row 2 on the third and fourth strings,
    // in row 1 on the fifth; the diagram stands at 48, 817.
    ASSERT_EQ(document.m_strChords[0], "[Am],1,002210");
    for (const QPoint &dotCentre : {QPoint(28, 12), QPoint(35, 12), QPoint(42, 4)})
        EXPECT_EQ(sheet.pixel(QPoint(48, 817) + dotCentre), kBlack) << dotCentre.x();
    EXPECT_EQ(sheet.pixel(48 + 19, 817 + 12), kWhite); // the second string has no dot
    // Slots at and beyond the chord count stay white.
    ASSERT_EQ(document.m_nChords, 1);
    for (int slot = 1; slot < 20; ++slot)
        EXPECT_TRUE(IsAllWhite(sheet, QRect(48 + 64 * (slot % 10), 817 + 80 * (slot / 10), 66, 44))) << slot;
}

TEST_F(SheetExportTest, ThePdfHoldsTheBitmapOnAnA4PageWithTheSongTitle)
{
    const QByteArray title = "The Lantern Road and the Long Way Home Across the Silver Water X";
    const QByteArray longTitle = title + "--sixteen more!!"; // 80 characters
    Open("{title:" + longTitle + "}\n[Am]Down by the [F]river\n");
    ASSERT_TRUE(view.SaveSheetBitmap());
    ASSERT_TRUE(view.WriteSheetPdf());

    const QString pdfPath = home.path() + "/song.pdf";
    const QByteArray pdf = ReadFile(pdfPath);
    EXPECT_EQ(pdf.count(" 0 obj\r\n"), 7);
    EXPECT_TRUE(pdf.contains("/Size 8\r\n"));
    EXPECT_TRUE(pdf.contains("  /Creator (Cantorel)\r\n  /Producer (Cantorel)\r\n  /Title (" + title.left(63)
                             + ")\r\n  /Author (Pellandor)\r\n  /Subject (" + title.left(63)
                             + ")\r\n  /CreationDate (D:Today)\r\n"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.275574 841.889771]"));
    EXPECT_TRUE(pdf.contains("q 605.000000 0 0 850.000000 0.000000 0.000000 cm /Image6 Do Q"));

    int exitCode = -1;
    RunTool("qpdf", {"--check", pdfPath}, &exitCode);
    EXPECT_EQ(exitCode, 0);
    const QStringList images = RunTool("pdfimages", {"-list", pdfPath}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images.first().simplified().section(' ', 3, 6), "734 981 rgb 3");
}

TEST_F(SheetExportTest, ExportFilesReplaceOnlyTheTextAfterTheLastDot)
{
    Open("[Am]la\n", "Song.live.cho");
    ASSERT_TRUE(view.SaveSheetBitmap());
    ASSERT_TRUE(view.WriteSheetPdf());
    EXPECT_TRUE(QFile::exists(home.path() + "/Song.live.bmp"));
    EXPECT_TRUE(QFile::exists(home.path() + "/Song.live.pdf"));
}

TEST_F(SheetExportTest, ASecondSaveRestartsTheWaitAndOnePdfFollows)
{
    Open("[Am]la\n");
    EXPECT_EQ(view.PdfTimer().interval(), 5000);
    view.PdfTimer().setInterval(1000);
    QSignalSpy pdfSteps(&view.PdfTimer(), &QTimer::timeout);

    view.SaveSheetBitmap();
    QTest::qWait(200);
    const int remainingBefore = view.PdfTimer().remainingTime();
    view.SaveSheetBitmap();
    EXPECT_GT(view.PdfTimer().remainingTime(), remainingBefore);
    EXPECT_FALSE(QFile::exists(home.path() + "/song.pdf"));

    ASSERT_TRUE(pdfSteps.wait(5000));
    QTest::qWait(100);
    EXPECT_EQ(pdfSteps.count(), 1);
    EXPECT_TRUE(ReadFile(home.path() + "/song.pdf").startsWith("%PDF-1.3"));
}

TEST_F(SheetExportTest, ThePdfStepWritesTheSavedSheetEvenAfterAnotherSongWasOpened)
{
    Open("[Am]la\n", "first.cho");
    view.SaveSheetBitmap();
    Open("[F]li\n", "second.cho");
    view.WriteSheetPdf();
    EXPECT_TRUE(QFile::exists(home.path() + "/first.pdf"));
    EXPECT_FALSE(QFile::exists(home.path() + "/second.pdf"));
}

TEST_F(SheetExportTest, WithoutASongNothingIsWritten)
{
    view.OnInitialUpdate();
    QString errorMessage;
    EXPECT_FALSE(view.SaveSheetBitmap(&errorMessage));
    EXPECT_FALSE(errorMessage.isEmpty());
    EXPECT_FALSE(view.WriteSheetPdf());
    EXPECT_TRUE(view.PdfTimer().isActive());
}
