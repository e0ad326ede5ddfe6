#include "songtext.h"

QString NormalisedSongText(const QByteArray &bytes)
{
    // The narrow encoding is UTF-8, in which a byte below 128 is always that very
    // character and every other byte belongs to a character above 127; so
    // dropping those bytes before decoding leaves the same text, much faster.
    const qsizetype nul = bytes.indexOf('\0');
    QByteArray ascii = nul < 0 ? bytes : bytes.left(nul);
    ascii.removeIf([](char byte) { return static_cast<unsigned char>(byte) > 127; });
    QString text = QString::fromLatin1(ascii);
    if (text.isEmpty())
        return text;

    if (text.size() >= 2 && text.endsWith(u'\n') && text[text.size() - 2] != u'\r')
        text.chop(1);
    if (text.size() >= 2 && text.endsWith(u'\r'))
        text.chop(1);
    if (!text.endsWith(QLatin1String("\r\n")))
        text += QLatin1String("\r\n");
    while (text.endsWith(QLatin1String("\r\n\r\n")))
        text.chop(2);
    return text;
}

int SongFontHeight(const QString &song)
{
    const qsizetype lines = song.count(u'\n');
    return lines > 0 ? -4 * static_cast<int>(100 / lines) : 0;
}
