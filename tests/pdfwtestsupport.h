#pragma once

// Fixtures and checks shared by the tests of the PDF writer.

#include "pdfw.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <memory>

struct PdfwDocumentDeleter {
    void operator()(PdfwDocument *pdf) const { pdfw_free_document(pdf); }
};
using PdfwDocumentPtr = std::unique_ptr<PdfwDocument, PdfwDocumentDeleter>;

// The export's page: A4 in points as 32-bit floats, and the image placed over it.
constexpr float kA4Width = 595.27557f;
constexpr float kA4Height = 841.88977f;
constexpr float kSheetWidth = 605;
constexpr float kSheetHeight = 850;

// The information the export fills in, with a zero-filled remainder.
PdfwInfo ExportInfo(const char *title);
// An A4 document with the export's information and one page.
PdfwDocumentPtr NewExportDocument(const char *title = "Lantern Road");

// The object with that number.
PdfwObject *ObjectAt(const PdfwDocument *pdf, int number);
// An object body as bytes.
QByteArray BodyBytes(const PdfwBuffer &body);

// Rows of pixels, top row first.
using PixelRows = QList<QList<QRgb>>;
// An uncompressed BMP with the 40-byte information header; bottom-up unless `topDown`.
QByteArray BmpFile(const PixelRows &rows, int bitsPerPixel, bool topDown = false);
// The RGB samples of the rows, top row first.
QByteArray RgbSamples(const PixelRows &rows);

struct PngChunk {
    QByteArray type;
    QByteArray data;
};
// A PNG: signature, IHDR of the given fields, the chunks, IEND; CRCs included.
QByteArray PngFile(quint32 width, quint32 height, quint8 bitDepth, quint8 colorType, const QList<PngChunk> &chunks);
// Rows of samples as PNG IDAT data: each row with filter byte 0, deflated.
QByteArray PngImageData(const QList<QByteArray> &rows);
// The marker segments of a JPEG up to its frame header, with no image data.
QByteArray JpegHeader(quint16 width, quint16 height, quint8 components);

// Saves the document to a file, which must pass `qpdf --check`; returns the
// file's bytes and, in `imageList`, the image lines of `pdfimages -list`.
QByteArray SavedPdf(PdfwDocument *pdf, QStringList *imageList = nullptr);
// The first page of a PDF rendered by pdftoppm.
QImage RenderedPage(const QByteArray &pdf, int dpi);
