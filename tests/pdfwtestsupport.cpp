#include "pdfwtestsupport.h"

#include "testsupport.h"

#include <QDataStream>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

PdfwInfo ExportInfo(const char *title)
{
    PdfwInfo info{};
    strcpy(info.creator, "Cantorel");
    strcpy(info.producer, "Cantorel");
    snprintf(info.title, sizeof info.title, "%s", title);
    strcpy(info.author, "Pellandor");
    snprintf(info.subject, sizeof info.subject, "%s", title);
    strcpy(info.creation_date, "Today");
    return info;
}

PdfwDocumentPtr NewExportDocument(const char *title)
{
    const PdfwInfo info = ExportInfo(title);
    PdfwDocumentPtr pdf(pdfw_new_document(kA4Width, kA4Height, &info));
    EXPECT_TRUE(pdf && pdfw_new_page(pdf.get()));
    return pdf;
}

PdfwObject *ObjectAt(const PdfwDocument *pdf, int number)
{
    return static_cast<PdfwObject *>(pdfw_chunks_get(&pdf->objects, number));
}

QByteArray BodyBytes(const PdfwBuffer &body)
{
    return QByteArray(pdfw_buffer_data(&body), body.length);
}

QByteArray BmpFile(const PixelRows &rows, int bitsPerPixel, bool topDown)
{
    const int height = int(rows.size());
    const int width = int(rows.first().size());
    const int bytesPerPixel = bitsPerPixel / 8;
    const int stride = (width * bytesPerPixel + 3) / 4 * 4;
    QByteArray pixels;
    for (int stored = 0; stored < height; ++stored) {
        QByteArray row;
        for (QRgb pixel : rows[topDown ? stored : height - 1 - stored]) {
            row += char(qBlue(pixel));
            row += char(qGreen(pixel));
            row += char(qRed(pixel));
            if (bytesPerPixel == 4)
                row += char(0xFF);
        }
        pixels += row.leftJustified(stride, '\0');
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + pixels.size()) << quint32(0) << quint32(54);
    out << quint32(40) << qint32(width) << qint32(topDown ? -height : height) << quint16(1) << quint16(bitsPerPixel)
        << quint32(0) << quint32(pixels.size()) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    out.writeRawData(pixels.constData(), int(pixels.size()));
    return file;
}

QByteArray RgbSamples(const PixelRows &rows)
{
    QByteArray samples;
    for (const auto &row : rows) {
        for (QRgb pixel : row) {
            samples += char(qRed(pixel));
            samples += char(qGreen(pixel));
            samples += char(qBlue(pixel));
        }
    }
    return samples;
}

namespace {

quint32 Crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

void WriteChunk(QDataStream &out, const PngChunk &chunk)
{
    out << quint32(chunk.data.size());
    out.writeRawData(chunk.type.constData(), 4);
    out.writeRawData(chunk.data.constData(), int(chunk.data.size()));
    out << Crc32(chunk.type + chunk.data);
}

QString RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    const QString output = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << output.toStdString();
    return output;
}

} // namespace

QByteArray PngFile(quint32 width, quint32 height, quint8 bitDepth, quint8 colorType, const QList<PngChunk> &chunks)
{
    QByteArray file("\x89PNG\r\n\x1a\n", 8);
    QDataStream out(&file, QIODevice::Append);
    QByteArray header;
    QDataStream ihdr(&header, QIODevice::WriteOnly);
    ihdr << width << height << bitDepth << colorType << quint8(0) << quint8(0) << quint8(0);
    WriteChunk(out, {"IHDR", header});
    for (const PngChunk &chunk : chunks)
        WriteChunk(out, chunk);
    WriteChunk(out, {"IEND", {}});
    return file;
}

QByteArray PngImageData(const QList<QByteArray> &rows)
{
    QByteArray filtered;
    for (const QByteArray &row : rows)
        filtered += '\0' + row;
    return qCompress(filtered).mid(4);  // qCompress puts the length before the zlib stream
}

QByteArray JpegHeader(quint16 width, quint16 height, quint8 components)
{
    QByteArray file("\xFF\xD8", 2);
    QDataStream out(&file, QIODevice::Append);
    out << quint16(0xFFE0) << quint16(16);  // APP0 with JFIF
    out.writeRawData("JFIF\0", 5);
    out << quint8(1) << quint8(1) << quint8(0) << quint16(1) << quint16(1) << quint8(0) << quint8(0);
    out << quint16(0xFFC0) << quint16(8 + 3 * components) << quint8(8) << height << width << components;
    for (quint8 component = 1; component <= components; ++component)
        out << component << quint8(0x11) << quint8(0);
    out << quint16(0xFFD9);
    return file;
}

QByteArray SavedPdf(PdfwDocument *pdf, QStringList *imageList)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.pdf"));
    EXPECT_EQ(pdfw_save_to_path(pdf, QFile::encodeName(path).constData()), 0) << pdf->error_text;
    const QString check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
    EXPECT_TRUE(check.contains(QStringLiteral("No syntax or stream encoding errors found"))) << check.toStdString();
    // Poppler takes a document without pages for a damaged one.
    if (!pdf->first_of_kind[static_cast<int>(PdfwObjectKind::Page)])
        return ReadFile(path);
    const QStringList lines = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (imageList)
        *imageList = lines.mid(2);  // below the column titles and the rule
    return ReadFile(path);
}

QImage RenderedPage(const QByteArray &pdf, int dpi)
{
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("page.pdf")), pdf);
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), folder.filePath(QStringLiteral("page.pdf")),
                                         folder.filePath(QStringLiteral("page"))});
    return QImage(folder.filePath(QStringLiteral("page.png")));
}
