#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The chord library both programs share: <documents>/Cantorel/chords.sc.
QString ChordLibraryFolder();
QString ChordLibraryPath();

// Cantorel's reading: the library's lines without their line ends.
// When no file exists at `path`, the folder (one level) and the file are created
// from `defaultList` and that list is used. An existing file that cannot be read
// is never touched; the default list stands in for it. Nothing is reported.
QStringList ReadSongLibraryLines(const QString &path, const QByteArray &defaultList);

// The editor's reading: every line with CR LF appended, in file order, with
// trailing blank lines dropped. Nothing when the file cannot be opened.
std::optional<QStringList> ReadLibraryLines(const QString &path);

// The editor's rewrite: every line (each already ends with CR LF) in the narrow
// encoding, replacing the file atomically and creating its folder if needed.
// On failure the old file stays as it was and `errorMessage` names the path
// and the system's reason.
bool WriteLibraryLines(const QString &path, const QStringList &lines, QString *errorMessage);
