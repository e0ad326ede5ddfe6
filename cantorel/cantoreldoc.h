#pragma once

#include "chordcollection.h"
#include "rect.h"

#include <QIODevice>
#include <QObject>
#include <QString>

class Canvas;

// The one song the program shows: its normalised text, the chord slots collected
// from the chord library, the export paths and what the view and drawing share.
class CCantorelDoc : public QObject {
    Q_OBJECT

public:
    explicit CCantorelDoc(QObject *parent = nullptr);

    // Derives the export paths, then opens and reads the song; a 0-byte file is
    // opened without reading. On failure `errorMessage` says why; the text, slots
    // and font height stay as they were.
    bool OnOpenDocument(const QString &path, QString *errorMessage = nullptr);
    bool OnNewDocument();

    // Reads a whole song from `archive`; false when no 7-bit character is left.
    bool Serialize(QIODevice &archive);

    // Fills the chord slots from the library for a song text.
    void LoadChordLibrary(const QString &song);

    // Draws the song text from the top-left corner of m_rcText at m_nFontHeight,
    // chord names in teal above the lyrics; a title line also sets m_strTitle.
    void DrawSong(Canvas &canvas);

    // The path of the song last opened and its file name (empty for New).
    QString GetPathName() const { return m_strPathName; }
    QString GetTitle() const;

    QString m_strChords[kChordSlotCount];
    QString m_strSong;
    QString m_strBmpPath;
    QString m_strPdfPath;
    QString m_strTitle;
    Rect m_rcText;
    int m_nChords = 0;
    int m_nFontHeight = 0;

signals:
    // A song was read; the view repaints its song area at once.
    void songRead();

private:
    QString m_strPathName;
};
