#include "chordlibrary.h"

#include "textmode.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Splits at LF; a final LF starts no further line.
QStringList SplitAtLineFeeds(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Cantorel's lines carry no line end: a CR before an LF goes with it.
QStringList SongLibraryLines(const QString &text)
{
    QStringList lines = SplitAtLineFeeds(text);
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

// Writes the default list as a new file; an existing file is never opened for
// writing. The documents folder itself may be missing on a fresh account.
void CreateLibraryFile(const QString &path, const QByteArray &defaultList)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.write(defaultList);
}

} // namespace

QString ChordLibraryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Cantorel");
}

QString ChordLibraryPath()
{
    return ChordLibraryFolder() + QStringLiteral("/chords.sc");
}

QStringList ReadSongLibraryLines(const QString &path, const QByteArray &defaultList)
{
    QFile file(path);
    if (!file.exists()) {
        CreateLibraryFile(path, defaultList);
        return SongLibraryLines(QString::fromLocal8Bit(defaultList));
    }
    if (!file.open(QIODevice::ReadOnly))
        return SongLibraryLines(QString::fromLocal8Bit(defaultList));
    return SongLibraryLines(QString::fromLocal8Bit(FromTextMode(file.readAll())));
}

std::optional<QStringList> ReadLibraryLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;

    QByteArray bytes = FromTextMode(file.readAll());
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    QString text = QString::fromLocal8Bit(bytes);

    // Keep one line end after the last character that is not a line end.
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == u'\n' || text[end - 1] == u'\r'))
        --end;
    if (end == 0)
        return QStringList();
    text.truncate(end < text.size() ? end + 1 : end);

    QStringList lines = SplitAtLineFeeds(text);
    for (QString &line : lines)
        line += kLineEnd;
    return lines;
}

bool WriteLibraryLines(const QString &path, const QStringList &lines, QString *errorMessage)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLocal8Bit();

    QDir().mkpath(QFileInfo(path).path());
    // Unbuffered, so that a short write (a full disk) shows here and is not
    // lost in a buffer that the commit would then take as written.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; written && done < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + done, bytes.size() - done);
        written = count > 0;
        done += count;
    }
    if (written && file.commit())
        return true;
    if (errorMessage)
        *errorMessage = QStringLiteral("Could not write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}
