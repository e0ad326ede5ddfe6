// Embedding images: format detection, the BMP, PNG, JPEG and PPM paths, the
// display size and drawing on the page.
#include "pdfwtestsupport.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDataStream>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int PutImage(PdfwDocument *pdf, const QByteArray &file, float width = kSheetWidth, float height = kSheetHeight)
{
    return pdfw_put_image(pdf, 0, 0, width, height, reinterpret_cast<const uint8_t *>(file.constData()),
                          size_t(file.size()));
}

// The body of the newest image object.
QByteArray LastImageBody(const PdfwDocument *pdf)
{
    const PdfwObject *image = pdf->last_of_kind[static_cast<int>(PdfwObjectKind::Image)];
    return image ? BodyBytes(image->image.body) : QByteArray();
}

QByteArray RawImageBody(int number, const char *colorSpace, int width, int height, const QByteArray &samples)
{
    return "<<\r\n  /Type /XObject\r\n  /Name /Image" + QByteArray::number(number) + "\r\n  /Subtype /Image\r\n  /ColorSpace "
        + colorSpace + "\r\n  /Height " + QByteArray::number(height) + "\r\n  /Width " + QByteArray::number(width)
        + "\r\n  /BitsPerComponent 8\r\n  /Length " + QByteArray::number(samples.size() + 1) + "\r\n>>stream\r\n" + samples
        + ">\r\nendstream\r\n";
}

QByteArray PngBody(const QByteArray &colorSpace, int width, int height, int colors, const QByteArray &data)
{
    return "<<\r\n  /Type /XObject\r\n  /Name /Image6\r\n  /Subtype /Image\r\n  /ColorSpace " + colorSpace + "\r\n  /Width "
        + QByteArray::number(width) + "\r\n  /Height " + QByteArray::number(height)
        + "\r\n  /Interpolate true\r\n  /BitsPerComponent 8\r\n  /Filter /FlateDecode\r\n"
          "  /DecodeParms << /Predictor 15 /Colors "
        + QByteArray::number(colors) + " /BitsPerComponent 8 /Columns " + QByteArray::number(width) + " >>\r\n  /Length "
        + QByteArray::number(data.size()) + "\r\n>>stream\r\n" + data + "\r\nendstream\r\n";
}

QByteArray BigEndian(quint32 value)
{
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << value;
    return bytes;
}

// A BMP with one header field (at its file offset) overwritten.
QByteArray PatchedBmp(int offset, qint32 value)
{
    QByteArray bmp = BmpFile({{qRgb(1, 2, 3)}}, 24);
    QDataStream out(&bmp, QIODevice::ReadWrite);
    out.setByteOrder(QDataStream::LittleEndian);
    out.device()->seek(offset);
    if (offset == 28)
        out << qint16(value);
    else
        out << value;
    return bmp;
}

const QByteArray kRedGreen = PngImageData({QByteArray("\x00\x01", 2)});

QByteArray JpegFile(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG"));
    return buffer.data();
}

} // namespace

TEST(PdfwImage, BmpBecomesRgbRowsFromTopToBottom)
{
    const PixelRows fivePixelRows = {
        {qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9), qRgb(10, 11, 12), qRgb(13, 14, 15)},
        {qRgb(16, 17, 18), qRgb(19, 20, 21), qRgb(22, 23, 24), qRgb(25, 26, 27), qRgb(28, 29, 30)},
        {qRgb(31, 32, 33), qRgb(34, 35, 36), qRgb(37, 38, 39), qRgb(40, 41, 42), qRgb(43, 44, 45)},
    };
    struct Case {
        const char *name;
        int bitsPerPixel;
        bool topDown;
    };
    const Case cases[] = {{"24-bit bottom-up, stride 16", 24, false}, {"32-bit bottom-up", 32, false}, {"24-bit top-down", 24, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfwDocumentPtr pdf = NewExportDocument();
        EXPECT_EQ(PutImage(pdf.get(), BmpFile(fivePixelRows, c.bitsPerPixel, c.topDown)), 0) << pdf->error_text;
        EXPECT_EQ(LastImageBody(pdf.get()), RawImageBody(6, "/DeviceRGB", 5, 3, RgbSamples(fivePixelRows)));
        QStringList images;
        SavedPdf(pdf.get(), &images);
        EXPECT_EQ(images.size(), 1);
    }
}

TEST(PdfwImage, SheetStandsUprightInItsColours)
{
    const QRgb topLeft = qRgb(255, 0, 0), topRight = qRgb(0, 255, 0), bottomLeft = qRgb(0, 0, 255),
               bottomRight = qRgb(255, 255, 0);
    PdfwDocumentPtr pdf = NewExportDocument();
    ASSERT_EQ(PutImage(pdf.get(), BmpFile({{topLeft, topRight}, {bottomLeft, bottomRight}}, 32)), 0);
    const QImage page = RenderedPage(SavedPdf(pdf.get()), 20);
    ASSERT_FALSE(page.isNull());
    const int right = page.width() - 3, bottom = page.height() - 3;
    EXPECT_EQ(page.pixel(2, 2), topLeft);
    EXPECT_EQ(page.pixel(right, 2), topRight);
    EXPECT_EQ(page.pixel(2, bottom), bottomLeft);
    EXPECT_EQ(page.pixel(right, bottom), bottomRight);
}

TEST(PdfwImage, PngDataIsCopiedWithItsColourSpace)
{
    const QByteArray grayRows = PngImageData({QByteArray("\x10\x20\x30", 3), QByteArray("\x40\x50\x60", 3)});
    const QByteArray redGreen("\xFF\x00\x00\x00\xFF\x00", 6);
    const QByteArray rgbRow = PngImageData({redGreen});
    struct Case {
        const char *name;
        QByteArray png;
        QByteArray body;
        const char *imageList;
    };
    const Case cases[] = {
        {"palette of red and green", PngFile(2, 1, 8, 3, {{"PLTE", redGreen}, {"IDAT", kRedGreen}}),
         PngBody("[ /Indexed\r\n  /DeviceRGB\r\n  1\r\n  <FF0000 00FF00 >\r\n]", 2, 1, 1, kRedGreen), "2 1 index 1 8"},
        {"gray, with an unknown chunk", PngFile(3, 2, 8, 0, {{"tEXt", QByteArray("Title\0Song", 10)}, {"IDAT", grayRows}}),
         PngBody("/DeviceGray", 3, 2, 1, grayRows), "3 2 gray 1 8"},
        {"RGB in three IDAT chunks and an empty one, palette ignored",
         PngFile(2, 1, 8, 2,
                 {{"PLTE", "\x01\x02\x03"}, {"IDAT", rgbRow.left(5)}, {"IDAT", {}}, {"IDAT", rgbRow.mid(5, 4)},
                  {"IDAT", rgbRow.mid(9)}}),
         PngBody("/DeviceRGB", 2, 1, 3, rgbRow), "2 1 rgb 3 8"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfwDocumentPtr pdf = NewExportDocument();
        EXPECT_EQ(PutImage(pdf.get(), c.png), 0) << pdf->error_text;
        EXPECT_EQ(LastImageBody(pdf.get()), c.body);
        QStringList images;
        SavedPdf(pdf.get(), &images);
        ASSERT_EQ(images.size(), 1);
        EXPECT_TRUE(images[0].simplified().startsWith(QStringLiteral("1 0 image ") + c.imageList)) << images[0].toStdString();
    }
}

TEST(PdfwImage, JpegIsEmbeddedWhole)
{
    QImage gray(16, 8, QImage::Format_Grayscale8), rgb(16, 8, QImage::Format_RGB32);
    gray.fill(0x80);
    rgb.fill(qRgb(0x20, 0x80, 0xE0));
    struct Case {
        const char *name;
        QByteArray jpeg;
        QByteArray colorSpace;
        const char *imageList;  // empty: not written, as it holds no image data
    };
    const Case cases[] = {
        {"1 component", JpegFile(gray), "/DeviceGray", "16 8 gray 1 8 jpeg"},
        {"3 components", JpegFile(rgb), "/DeviceRGB", "16 8 rgb 3 8 jpeg"},
        {"4 components", JpegHeader(16, 8, 4), "/DeviceRGB", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfwDocumentPtr pdf = NewExportDocument();
        EXPECT_EQ(PutImage(pdf.get(), c.jpeg), 0) << pdf->error_text;
        EXPECT_EQ(LastImageBody(pdf.get()),
                  "<<\r\n  /Type /XObject\r\n  /Name /Image6\r\n  /Subtype /Image\r\n  /ColorSpace " + c.colorSpace
                      + "\r\n  /Width 16\r\n  /Height 8\r\n  /BitsPerComponent 8\r\n  /Filter /DCTDecode\r\n  /Length "
                      + QByteArray::number(c.jpeg.size()) + "\r\n>>stream\r\n" + c.jpeg + "\r\nendstream\r\n");
        if (*c.imageList == '\0')
            continue;
        QStringList images;
        SavedPdf(pdf.get(), &images);
        ASSERT_EQ(images.size(), 1);
        EXPECT_TRUE(images[0].simplified().startsWith(QStringLiteral("1 0 image ") + c.imageList)) << images[0].toStdString();
    }
}

TEST(PdfwImage, PpmSamplesAreEmbeddedRaw)
{
    const QByteArray rgb("\x01\x02\x03\x04\x05\x06", 6);
    const QByteArray gray("\x10\x20\x30\x40\x50\x60", 6);
    struct Case {
        const char *name;
        QByteArray ppm;
        QByteArray body;
    };
    const Case cases[] = {
        {"P6 with comment lines", "P6\n# made by hand\n#\n2 1\n255\n" + rgb, RawImageBody(6, "/DeviceRGB", 2, 1, rgb)},
        {"P5, samples kept whatever the maximum", "P5\n3 2\n15\n" + gray, RawImageBody(6, "/DeviceGray", 3, 2, gray)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfwDocumentPtr pdf = NewExportDocument();
        EXPECT_EQ(PutImage(pdf.get(), c.ppm), 0) << pdf->error_text;
        EXPECT_EQ(LastImageBody(pdf.get()), c.body);
        SavedPdf(pdf.get());
    }
}

TEST(PdfwImage, DamagedAndUnsupportedFilesAreRefused)
{
    const QByteArray png8("\x89PNG\r\n\x1a\n", 8);
    const QByteArray gray = PngFile(1, 1, 8, 0, {{"IDAT", kRedGreen}});
    QByteArray longChunk = gray;
    longChunk.replace(33, 4, BigEndian(100));  // the IDAT length
    QByteArray badCompression = gray, zeroDepth = gray;
    badCompression[26] = 1;
    zeroDepth[24] = 0;
    // The IDAT data starts at 41; the message gives what is left after its CRC.
    const QByteArray chunkPastTheEnd = "PNG chunk exceeds file: 100 vs " + QByteArray::number(longChunk.size() - 41 - 4);
    const QByteArray onePixel = BmpFile({{qRgb(1, 2, 3)}}, 24);

    struct Case {
        const char *name;
        QByteArray file;
        const char *message;
        bool detection;  // detection leaves the document's error code alone
    };
    const Case cases[] = {
        {"three unknown bytes", "abc", "Unknown file format", true},
        {"one byte", "B", "Unknown file format", true},
        {"PNG signature alone", png8, "PNG file too short", true},
        {"PNG without IHDR", png8 + BigEndian(13) + "IHDX" + QByteArray(17, '\0'), "Failed to read PNG file header", true},
        {"PNG cut in IHDR", gray.left(28), "PNG file too short", true},
        {"PNG not deflated", badCompression, "Deflate wrong in PNG header", true},
        {"PNG of zero bit depth", zeroDepth, "PNG file has zero bit depth", true},
        {"PNG with alpha", PngFile(1, 1, 8, 6, {{"IDAT", kRedGreen}}), "PNG has unsupported color type: 6", false},
        {"PNG gray with alpha", PngFile(1, 1, 8, 4, {{"IDAT", kRedGreen}}), "PNG has unsupported color type: 4", false},
        {"PNG chunk past the end", longChunk, chunkPastTheEnd.constData(), false},
        {"PNG without IEND", gray.left(gray.size() - 12), "PNG file too short", false},
        {"PNG with two palettes", PngFile(2, 1, 8, 3, {{"PLTE", "abc"}, {"PLTE", "abc"}, {"IDAT", kRedGreen}}),
         "PNG contains multiple palette chunks", false},
        {"PNG palette of 4 bytes", PngFile(2, 1, 8, 3, {{"PLTE", "abcd"}, {"IDAT", kRedGreen}}),
         "PNG format error: palette chunk length is not divisbly by 3!", false},
        {"PNG empty palette", PngFile(2, 1, 8, 3, {{"PLTE", ""}, {"IDAT", kRedGreen}}), "PNG palette length invalid: 0", false},
        {"PNG palette of 257", PngFile(2, 1, 8, 3, {{"PLTE", QByteArray(771, 'p')}, {"IDAT", kRedGreen}}),
         "PNG palette length invalid: 257", false},
        {"PNG gray with palette", PngFile(2, 1, 8, 0, {{"PLTE", "abc"}, {"IDAT", kRedGreen}}),
         "Unexpected palette chunk for color type 0", false},
        {"PNG without data", PngFile(2, 1, 8, 2, {{"IDAT", ""}}), "PNG file has zero length", false},
        {"PNG palette image without palette", PngFile(2, 1, 8, 3, {{"IDAT", kRedGreen}}), "Indexed PNG contains no palette", false},
        {"BMP header cut", onePixel.left(33), "File is too short", true},
        {"BMP of negative width", PatchedBmp(18, -1), "BMP has negative width", true},
        {"BMP height overflow", PatchedBmp(22, INT32_MIN), "BMP height overflow", true},
        {"BMP with a wrong length", onePixel + '\0', "BMP file seems to have wrong length", false},
        {"BMP with a core header", PatchedBmp(14, 12), "Wrong BMP header: biSize", false},
        {"BMP compressed", PatchedBmp(30, 1), "Wrong BMP compression value: 1", false},
        {"BMP of width 0", PatchedBmp(18, 0), "BMP has invalid width: 0", false},
        {"BMP of width 16385", PatchedBmp(18, 16385), "BMP has invalid width: 16385", false},
        {"BMP of height 0", PatchedBmp(22, 0), "BMP has invalid height: 0", false},
        {"BMP of height -16385", PatchedBmp(22, -16385), "BMP has invalid height: -16385", false},
        {"BMP of 16 bits", PatchedBmp(28, 16), "Unsupported BMP bitdepth: 16", false},
        {"BMP offset at the end", PatchedBmp(10, 58), "Invalid BMP image offset", false},
        {"BMP pixels past the end", PatchedBmp(22, 2), "Wrong BMP image size", false},
        {"JPEG of three bytes", "\xFF\xD8\xFF", "Error parsing JPEG header", true},
        {"JPEG without frame header", JpegHeader(8, 8, 3).left(20) + "\xFF\xD9", "Error parsing JPEG header", true},
        {"JPEG with a short frame header", "\xFF\xD8\xFF\xC0\x00\x08\x08\x00\x01\x00\x01\x01\x00\x00", "Error parsing JPEG header",
         true},
        {"JPEG marker without FF", "\xFF\xD8\x00\xC0", "Error parsing JPEG header", true},
        {"PPM of text samples", "P3\n1 1\n255\n1 2 3\n", "Only binary PPM files (grayscale, RGB) supported", true},
        {"PPM magic with a high bit", "P6\xA0\n1 1\n255\nabc", "Invalid PPM file", true},
        {"PPM without size", "P6\n# only a comment\n", "Unable to find PPM header", true},
        {"PPM size with a high bit", "P6\n1 1\xA0\n255\nabc", "Unable to find PPM header", true},
        {"PPM size not numbers", "P6\nwide high\n255\nabc", "Unable to find PPM size", true},
        {"PPM too wide", "P5\n16385 1\n255\n", "Invalid width/height: 16385x1", true},
        {"PPM without maximum line", "P6\n1 1\n", "No byte-size line in PPM file", false},
        {"PPM short of samples", "P6\n2 1\n255\nabcde", "Insufficient image data available", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfwDocumentPtr pdf = NewExportDocument();
        pdfw_set_error(pdf.get(), -1, "earlier");
        EXPECT_EQ(PutImage(pdf.get(), c.file), -22);
        EXPECT_STREQ(pdf->error_text, c.message);
        EXPECT_EQ(pdf->error_code, c.detection ? -1 : -22);
        EXPECT_EQ(pdf->objects.count, 6);  // no image object made
    }
}

TEST(PdfwImage, DisplaySizeFollowsTheImage)
{
    const QByteArray gray100x200 = "P5\n100 200\n255\n" + QByteArray(100 * 200, '\x80');
    struct Case {
        float width, height;
        QByteArray operators;
    };
    const Case cases[] = {
        {-1, 850, "q 425.000000 0 0 850.000000 10.000000 20.500000 cm /Image6 Do Q"},
        {300, -1, "q 300.000000 0 0 600.000000 10.000000 20.500000 cm /Image6 Do Q"},
        {0, 0, "q 0.000000 0 0 0.000000 10.000000 20.500000 cm /Image6 Do Q"},
        {50, 50, "q 50.000000 0 0 50.000000 10.000000 20.500000 cm /Image6 Do Q"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.operators.toStdString());
        PdfwDocumentPtr pdf = NewExportDocument();
        EXPECT_EQ(pdfw_put_image(pdf.get(), 10, 20.5f, c.width, c.height, reinterpret_cast<const uint8_t *>(gray100x200.constData()),
                                 size_t(gray100x200.size())),
                  0);
        const PdfwObject *stream = ObjectAt(pdf.get(), 7);
        ASSERT_TRUE(stream);
        EXPECT_EQ(BodyBytes(stream->stream.body),
                  "<< /Length " + QByteArray::number(c.operators.size()) + " >>stream\r\n" + c.operators + "\r\nendstream\r\n");
        SavedPdf(pdf.get());
    }
}

TEST(PdfwImage, RefusedDisplaySizeLeavesTheImageUnlisted)
{
    struct Case {
        const char *name;
        QByteArray file;
        float width, height;
        const char *message;
    };
    const Case cases[] = {
        {"both sizes negative", BmpFile({{qRgb(1, 2, 3)}}, 24), -1, -1,
         "Unable to determine image display dimensions, display_width and display_height are both < 0"},
        {"empty image", "P6\n0 4\n255\n", 10, 10, "Invalid image dimensions received, the loaded image appears to be empty."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfwDocumentPtr pdf = NewExportDocument();
        EXPECT_EQ(PutImage(pdf.get(), c.file, c.width, c.height), -22);
        EXPECT_STREQ(pdf->error_text, c.message);
        EXPECT_EQ(pdf->error_code, -22);
        EXPECT_EQ(ObjectAt(pdf.get(), 6)->kind, PdfwObjectKind::Image);
        EXPECT_EQ(ObjectAt(pdf.get(), 6)->image.page, nullptr);
        const QByteArray file = SavedPdf(pdf.get());
        EXPECT_TRUE(file.contains("6 0 obj\r\n"));
        EXPECT_FALSE(file.contains("/XObject <<"));
    }
}

TEST(PdfwImage, ImageWithoutPageIsNotDrawn)
{
    PdfwDocumentPtr pdf(pdfw_new_document(kA4Width, kA4Height, nullptr));
    EXPECT_EQ(PutImage(pdf.get(), BmpFile({{qRgb(1, 2, 3)}}, 24)), -22);
    EXPECT_STREQ(pdf->error_text, "Invalid pdf page");
    EXPECT_EQ(pdf->objects.count, 6);  // the image stays, unlisted
    EXPECT_EQ(pdfw_add_content(pdf.get(), nullptr, "q Q"), -22);
    EXPECT_EQ(pdfw_add_content(pdf.get(), ObjectAt(pdf.get(), 5), "q Q"), -22);  // an image is no page
}

TEST(PdfwDrawing, ContentStreamsAreListedInOrderWithoutTrailingLineEnds)
{
    PdfwDocumentPtr pdf = NewExportDocument();
    EXPECT_EQ(pdfw_add_content(pdf.get(), nullptr, "0 0 m 10 10 l S\r\n\r\n"), 0);
    EXPECT_EQ(pdfw_add_content(pdf.get(), ObjectAt(pdf.get(), 5), "\r\n"), 1);
    EXPECT_EQ(BodyBytes(ObjectAt(pdf.get(), 6)->stream.body), "<< /Length 15 >>stream\r\n0 0 m 10 10 l S\r\nendstream\r\n");
    EXPECT_EQ(BodyBytes(ObjectAt(pdf.get(), 7)->stream.body), "<< /Length 0 >>stream\r\n\r\nendstream\r\n");
    EXPECT_TRUE(SavedPdf(pdf.get()).contains("/Contents [\r\n6 0 R\r\n7 0 R\r\n]\r\n"));
}

TEST(PdfwImageFile, ReadsWholeFilesAndReportsFailures)
{
    QTemporaryDir folder;
    const QByteArray bmp = BmpFile({{qRgb(1, 2, 3)}}, 24);
    WriteFile(folder.filePath(QStringLiteral("sheet.bmp")), bmp);
    WriteFile(folder.filePath(QStringLiteral("empty.bmp")), {});
    const QByteArray sheet = QFile::encodeName(folder.filePath(QStringLiteral("sheet.bmp")));
    const QByteArray empty = QFile::encodeName(folder.filePath(QStringLiteral("empty.bmp")));
    const QByteArray missing = QFile::encodeName(folder.filePath(QStringLiteral("missing.bmp")));

    PdfwDocumentPtr pdf = NewExportDocument();
    size_t size = 0;
    uint8_t *block = pdfw_read_file(pdf.get(), sheet.constData(), &size);
    ASSERT_TRUE(block);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(block), qsizetype(size)), bmp);
    free(block);

    struct Case {
        QByteArray path;
        int code;
        QByteArray message;
    };
    const Case cases[] = {
        {missing, -ENOENT, "Unable to open " + missing + ": No such file or directory"},
        {empty, -EIO, "Unable to read full data: " + empty},
        {QFile::encodeName(folder.path()), -EISDIR, "Unable to read full data: " + QFile::encodeName(folder.path())},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        size = 7;
        EXPECT_EQ(pdfw_read_file(pdf.get(), c.path.constData(), &size), nullptr);
        EXPECT_EQ(size, 7u);
        EXPECT_EQ(pdf->error_code, c.code);
        EXPECT_EQ(QByteArray(pdf->error_text), c.message);
    }
}
