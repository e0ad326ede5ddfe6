// Writing the PDF file: layout byte for byte, the file identifier, the
// information dictionary and the output file.
#include "pdfwtestsupport.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// A 3 x 2 sheet: 24-bit rows need padding, and no two pixels are alike.
const PixelRows kSheet = {
    {qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0x00, 0x00, 0xFF)},
    {qRgb(0x10, 0x20, 0x30), qRgb(0x40, 0x50, 0x60), qRgb(0x70, 0x80, 0x90)},
};

// The export's file up to the first identifier half, for kSheet.
QByteArray ExportFileHead()
{
    const QByteArray objects[] = {
        "<<\r\n  /Creator (Cantorel)\r\n  /Producer (Cantorel)\r\n  /Title (Lantern Road)\r\n"
        "  /Author (Pellandor)\r\n  /Subject (Lantern Road)\r\n  /CreationDate (D:Today)\r\n>>\r\n",
        "<<\r\n  /Type /Pages\r\n  /Kids [ 5 0 R ]\r\n  /Count 1\r\n>>\r\n",
        "<<\r\n  /Type /Catalog\r\n  /Pages 2 0 R\r\n>>\r\n",
        "<<\r\n  /Type /Font\r\n  /Subtype /Type1\r\n  /BaseFont /Times-Roman\r\n  /Encoding /WinAnsiEncoding\r\n>>\r\n",
        "<<\r\n  /Type /Page\r\n  /Parent 2 0 R\r\n  /MediaBox [0 0 595.275574 841.889771]\r\n  /Resources <<\r\n"
        "    /Font <<\r\n      /F1 4 0 R\r\n    >>\r\n"
        "    /ExtGState <<\r\n"
        "      /GS0 <</ca 1.000000>>\r\n      /GS1 <</ca 0.933333>>\r\n      /GS2 <</ca 0.866667>>\r\n"
        "      /GS3 <</ca 0.800000>>\r\n      /GS4 <</ca 0.733333>>\r\n      /GS5 <</ca 0.666667>>\r\n"
        "      /GS6 <</ca 0.600000>>\r\n      /GS7 <</ca 0.533333>>\r\n      /GS8 <</ca 0.466667>>\r\n"
        "      /GS9 <</ca 0.400000>>\r\n      /GS10 <</ca 0.333333>>\r\n      /GS11 <</ca 0.266667>>\r\n"
        "      /GS12 <</ca 0.200000>>\r\n      /GS13 <</ca 0.133333>>\r\n      /GS14 <</ca 0.066667>>\r\n"
        "      /GS15 <</ca 0.000000>>\r\n"
        "    >>\r\n"
        "    /XObject <<      /Image6 6 0 R     >>\r\n"
        "  >>\r\n  /Contents [\r\n7 0 R\r\n]\r\n>>\r\n",
        "<<\r\n  /Type /XObject\r\n  /Name /Image6\r\n  /Subtype /Image\r\n  /ColorSpace /DeviceRGB\r\n"
        "  /Height 2\r\n  /Width 3\r\n  /BitsPerComponent 8\r\n  /Length 19\r\n>>stream\r\n"
            + RgbSamples(kSheet) + ">\r\nendstream\r\n",
        "<< /Length 61 >>stream\r\nq 605.000000 0 0 850.000000 0.000000 0.000000 cm /Image6 Do Q\r\nendstream\r\n",
    };
    QByteArray file("%PDF-1.3\r\n\x25\xC7\xEC\x8F\xA2\r\n");
    QByteArray xref("xref\r\n0 8\r\n0000000000 65535 f\r\n");
    for (int number = 1; number <= 7; ++number) {
        xref += QByteArray::number(file.size()).rightJustified(10, '0') + " 00000 n\r\n";
        file += QByteArray::number(number) + " 0 obj\r\n" + objects[number - 1] + "endobj\r\n";
    }
    return file + xref + "trailer\r\n<<\r\n/Size 8\r\n/Root 3 0 R\r\n/Info 1 0 R\r\n/ID [<";
}

quint64 InfoHash(const PdfwDocument *pdf, quint32 objectsWritten)
{
    const uint8_t count[4] = {uint8_t(objectsWritten), 0, 0, 0};
    return pdfw_hash(pdfw_hash(kPdfwHashStart, ObjectAt(pdf, 1)->info, sizeof(PdfwInfo)), count, 4);
}

quint64 TimeHash(qint64 seconds)
{
    uint8_t bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = uint8_t(quint64(seconds) >> (8 * i));
    return pdfw_hash(kPdfwHashStart, bytes, 8);
}

const QRegularExpression kTail(QStringLiteral("^([0-9a-f]{16})> <([0-9a-f]{16})>\\]\r\n>>\r\nstartxref\r\n(\\d+)\r\n%%EOF\r\n$"));

} // namespace

TEST(PdfwSerialise, ExportDocumentIsWrittenByteForByte)
{
    for (int bitsPerPixel : {24, 32}) {
        SCOPED_TRACE(bitsPerPixel);
        PdfwDocumentPtr pdf = NewExportDocument();
        const QByteArray bmp = BmpFile(kSheet, bitsPerPixel);
        ASSERT_EQ(pdfw_put_image(pdf.get(), 0, 0, kSheetWidth, kSheetHeight, reinterpret_cast<const uint8_t *>(bmp.constData()),
                                 size_t(bmp.size())),
                  0)
            << pdf->error_text;

        const qint64 before = time(nullptr);
        QStringList images;
        const QByteArray file = SavedPdf(pdf.get(), &images);
        const qint64 after = time(nullptr);

        const QByteArray head = ExportFileHead();
        ASSERT_EQ(file.left(head.size()), head);
        EXPECT_TRUE(head.contains("0000000017 00000 n"));
        const QRegularExpressionMatch tail = kTail.match(QString::fromLatin1(file.mid(head.size())));
        ASSERT_TRUE(tail.hasMatch()) << file.mid(head.size()).toStdString();
        EXPECT_EQ(tail.captured(1).toULongLong(nullptr, 16), InfoHash(pdf.get(), 7));
        const quint64 timeHalf = tail.captured(2).toULongLong(nullptr, 16);
        EXPECT_TRUE(timeHalf == TimeHash(before) || timeHalf == TimeHash(after));
        EXPECT_EQ(tail.captured(3).toInt(), head.indexOf("xref\r\n"));

        ASSERT_EQ(images.size(), 1);
        EXPECT_TRUE(images[0].simplified().startsWith(QStringLiteral("1 0 image 3 2 rgb 3 8 image no 6 0"))) << images[0].toStdString();
    }
}

TEST(PdfwSerialise, IdentifierHash)
{
    EXPECT_EQ(pdfw_hash(kPdfwHashStart, "abc", 3), 0x000000000b885c8bull);
    EXPECT_EQ(pdfw_hash(kPdfwHashStart, QByteArray(20, 'a').constData(), 20), 0xd2d326bf3b7cd0d9ull);
    EXPECT_EQ(pdfw_hash(kPdfwHashStart, "", 0), kPdfwHashStart);
}

TEST(PdfwSerialise, SavingTwiceInOneSecondGivesIdenticalFiles)
{
    PdfwDocumentPtr pdf = NewExportDocument();
    for (;;) {
        const time_t second = time(nullptr);
        const QByteArray first = SavedPdf(pdf.get());
        const QByteArray again = SavedPdf(pdf.get());
        if (time(nullptr) != second)
            continue;  // a second boundary fell between the saves
        EXPECT_EQ(first, again);
        break;
    }
}

TEST(PdfwSerialise, InformationFields)
{
    struct Case {
        const char *name;
        PdfwInfo info;
        QByteArray body;
    };
    PdfwInfo escaped{};
    strcpy(escaped.title, "Me (and you");
    strcpy(escaped.author, "a) /Producer (b\\");
    strcpy(escaped.creation_date, "Today");
    PdfwInfo some{};
    strcpy(some.producer, "Cantorel");
    strcpy(some.creation_date, "Today");
    const Case cases[] = {
        {"only a producer", some, "<<\r\n  /Producer (Cantorel)\r\n  /CreationDate (D:Today)\r\n>>\r\n"},
        {"parentheses and backslash escaped", escaped,
         "<<\r\n  /Title (Me \\(and you)\r\n  /Author (a\\) /Producer \\(b\\\\)\r\n  /CreationDate (D:Today)\r\n>>\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfwDocumentPtr pdf(pdfw_new_document(kA4Width, kA4Height, &c.info));
        const QByteArray file = SavedPdf(pdf.get());
        EXPECT_TRUE(file.contains("1 0 obj\r\n" + c.body + "endobj\r\n")) << file.toStdString();
    }

    PdfwDocumentPtr pdf(pdfw_new_document(kA4Width, kA4Height, &some));
    memset(ObjectAt(pdf.get(), 1)->info, 0, sizeof(PdfwInfo));
    EXPECT_TRUE(SavedPdf(pdf.get()).contains("1 0 obj\r\n<<\r\n>>\r\nendobj\r\n"));
}

TEST(PdfwSerialise, PagesWithoutDrawings)
{
    PdfwDocumentPtr pdf(pdfw_new_document(kA4Width, kA4Height, nullptr));
    const QByteArray empty = SavedPdf(pdf.get());
    EXPECT_TRUE(empty.contains("/Kids [ ]\r\n  /Count 0\r\n")) << empty.toStdString();

    ASSERT_TRUE(pdfw_new_page(pdf.get()));
    const QByteArray blank = SavedPdf(pdf.get());
    EXPECT_TRUE(blank.contains("/Kids [ 5 0 R ]\r\n  /Count 1\r\n"));
    EXPECT_FALSE(blank.contains("/XObject"));
    EXPECT_TRUE(blank.contains("  >>\r\n  /Contents [\r\n]\r\n>>\r\n"));
}

TEST(PdfwSerialise, FailedOpenLeavesTheDocumentForAnotherPath)
{
    PdfwDocumentPtr pdf = NewExportDocument();
    QTemporaryDir folder;
    const QByteArray missing = QFile::encodeName(folder.filePath(QStringLiteral("no/such/folder.pdf")));
    EXPECT_EQ(pdfw_save_to_path(pdf.get(), missing.constData()), -ENOENT);
    EXPECT_EQ(pdf->error_code, -ENOENT);
    EXPECT_EQ(QByteArray(pdf->error_text), "Unable to open '" + missing + "': No such file or directory");
    EXPECT_FALSE(SavedPdf(pdf.get()).isEmpty());
}

TEST(PdfwSerialise, FullDiskIsReported)
{
    PdfwDocumentPtr pdf = NewExportDocument();
    EXPECT_EQ(pdfw_save_to_path(pdf.get(), "/dev/full"), -ENOSPC);
    EXPECT_EQ(QByteArray(pdf->error_text), "Unable to close '/dev/full': No space left on device");
}

TEST(PdfwSerialise, OffsetsAreRightOnAPipe)
{
    // A pipe cannot tell its position; the offsets come from the bytes written.
    PdfwDocumentPtr pdf = NewExportDocument();
    const QByteArray bmp = BmpFile(kSheet, 24);
    ASSERT_EQ(pdfw_put_image(pdf.get(), 0, 0, kSheetWidth, kSheetHeight, reinterpret_cast<const uint8_t *>(bmp.constData()),
                             size_t(bmp.size())),
              0);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("piped.pdf"));
    FILE *pipe = popen(("cat > '" + QFile::encodeName(path) + "'").constData(), "w");
    ASSERT_TRUE(pipe);
    EXPECT_EQ(pdfw_write_document(pdf.get(), pipe), 0);
    ASSERT_EQ(pclose(pipe), 0);
    const QByteArray piped = ReadFile(path);
    const QByteArray saved = SavedPdf(pdf.get());
    // Apart from the second of writing, the files are the same.
    EXPECT_EQ(piped.left(piped.indexOf("/ID")), saved.left(saved.indexOf("/ID")));
}
