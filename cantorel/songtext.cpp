#include "songtext.h"

QString NormalisedSongText(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    QString text = QString::fromLocal8Bit(nul < 0 ? bytes : bytes.left(nul));
    text.removeIf([](QChar c) { return c.unicode() > 127; });
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
