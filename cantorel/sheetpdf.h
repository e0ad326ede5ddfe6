#pragma once

#include <QString>

// What the PDF step of an export needs: the bitmap saved by the first step,
// where the PDF goes, the song title for the document information, and the
// song, which no export file may replace.
struct SheetPdfJob {
    QString bitmapPath;
    QString pdfPath;
    QString title;
    QString songPath;

    // False, with the reason in `errorMessage`, when writing `path` would
    // replace the song itself, as for a song named "x.bmp" given on the command line.
    bool MayWrite(const QString &path, QString *errorMessage) const;
};

// Writes a one-page A4 PDF showing the bitmap file at 0, 0 with 605 x 850
// points. A bitmap that cannot be read or embedded leaves the page empty; the
// file is written all the same. False, with the reason in `errorMessage`, when
// the page stays empty or the file cannot or may not be written.
bool WriteSheetPdfFile(const SheetPdfJob &job, QString *errorMessage = nullptr);
