#include "sheetpdf.h"

#include "pdfw.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <cstring>

namespace {

// A4 in points, as the page size of the document.
constexpr float kA4Width = 595.27557f;
constexpr float kA4Height = 841.88977f;

// The sheet is placed a little larger than the page; its right and top
// margins fall off the page.
constexpr float kSheetWidth = 605.0f;
constexpr float kSheetHeight = 850.0f;

// Copies `text` into a 64-byte information field: at most 63 bytes and the zero.
// The bytes after the zero stay as they are (zero in a fresh PdfwInfo).
void SetInfoText(char (&field)[kPdfwInfoFieldSize], const QByteArray &text)
{
    const QByteArray cut = text.left(sizeof field - 1);
    std::memcpy(field, cut.constData(), cut.size());
    field[cut.size()] = '\0';
}

QString WriterError(const PdfwDocument *pdf)
{
    return QString::fromLocal8Bit(pdf->error_text);
}

} // namespace

bool SheetPdfJob::MayWrite(const QString &path, QString *errorMessage) const
{
    if (songPath.isEmpty() || QFileInfo(path) != QFileInfo(songPath))
        return true;
    if (errorMessage)
        *errorMessage = QStringLiteral("%1: not written, since it is the song itself").arg(path);
    return false;
}

bool WriteSheetPdfFile(const SheetPdfJob &job, QString *errorMessage)
{
    if (!job.MayWrite(job.pdfPath, errorMessage))
        return false;

    PdfwInfo info{};
    SetInfoText(info.creator, "Cantorel");
    SetInfoText(info.producer, "Cantorel");
    SetInfoText(info.title, job.title.toLocal8Bit());
    SetInfoText(info.author, "Pellandor");
    SetInfoText(info.subject, job.title.toLocal8Bit());
    // Given a creation date, the writer does not put in the clock's.
    SetInfoText(info.creation_date, "Today");

    PdfwDocument *pdf = pdfw_new_document(kA4Width, kA4Height, &info);
    if (!pdf) {
        if (errorMessage)
            *errorMessage = QStringLiteral("%1: not enough memory for the PDF document").arg(job.pdfPath);
        return false;
    }
    pdfw_new_page(pdf);

    QString pageError;
    const QByteArray bitmapPath = QFile::encodeName(job.bitmapPath);
    size_t size = 0;
    if (uint8_t *bitmap = pdfw_read_file(pdf, bitmapPath.constData(), &size)) {
        if (pdfw_put_image(pdf, 0, 0, kSheetWidth, kSheetHeight, bitmap, size) < 0)
            pageError = QStringLiteral("%1: %2").arg(job.bitmapPath, WriterError(pdf));
        std::free(bitmap);
    } else {
        pageError = WriterError(pdf);
    }

    // An empty path names no file; the writer would take a null one for standard output.
    const QByteArray pdfPath = QFile::encodeName(job.pdfPath);
    const bool saved = pdfw_save_to_path(pdf, pdfPath.constData()) >= 0;
    if (!saved)
        pageError = WriterError(pdf);
    pdfw_free_document(pdf);

    if (errorMessage && !pageError.isEmpty())
        *errorMessage = pageError;
    return saved && pageError.isEmpty();
}
