#pragma once

#include <QByteArray>
#include <QString>

// The song text as the document keeps it: the bytes up to the first NUL in the
// narrow encoding, every character above 127 removed, and the end normalised to
// a single CR LF. Empty when nothing is left after the removal.
QString NormalisedSongText(const QByteArray &bytes);

// The song font height for a normalised text: -4 x (100 / lines), where lines is
// the number of LFs. A negative height is a character height; 0 is the default.
int SongFontHeight(const QString &song);
