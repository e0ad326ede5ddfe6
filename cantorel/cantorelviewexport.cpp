// Export of the sheet: the BMP at once, and the PDF made from that BMP when the
// timer started by the BMP step fires.
#include "cantorelview.h"

#include "cantoreldoc.h"

#include <QImageWriter>

bool CCantorelView::SaveSheetBitmap(QString *errorMessage)
{
    const QImage sheet = CaptureSheet();
    // Taken after the capture, whose drawing records the song's title.
    const SheetPdfJob job{m_pDocument->m_strBmpPath, m_pDocument->m_strPdfPath, m_pDocument->m_strTitle,
                          m_pDocument->GetPathName()};
    const QString &bitmapPath = job.bitmapPath;
    if (!job.MayWrite(bitmapPath, errorMessage))
        return false;
    // The PDF step writes this sheet's PDF even when another song is opened meanwhile.
    m_pendingPdf = job;

    QImageWriter writer(bitmapPath, "BMP");
    const bool saved = writer.write(sheet);
    if (!saved && errorMessage)
        *errorMessage = QStringLiteral("%1: %2").arg(bitmapPath, writer.errorString());
    // Saved or not, the PDF step follows: a second Save restarts the wait.
    m_pdfTimer.start();
    return saved;
}

bool CCantorelView::WriteSheetPdf(QString *errorMessage)
{
    return WriteSheetPdfFile(m_pendingPdf, errorMessage);
}
