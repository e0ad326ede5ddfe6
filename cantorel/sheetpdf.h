#pragma once

#include <QString>

// What the PDF step of an export needs: the bitmap saved by the first step,
// where the PDF goes, and the song title for the document information.
struct SheetPdfJob {
    QString bitmapPath;
    QString pdfPath;
    QString title;
};

// Writes a one-page A4 PDF showing the bitmap file at 0, 0 with 605 x 850
// points. A bitmap that cannot be read or embedded leaves the page empty; the
// file is written all the same. False, with the reason in `errorMessage`, when
// the page stays empty or the file cannot be written.
bool WriteSheetPdfFile(const SheetPdfJob &job, QString *errorMessage = nullptr);
