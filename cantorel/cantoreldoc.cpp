#include "cantoreldoc.h"

#include "chordlibrary.h"
#include "defaultchordlist.h"
#include "songtext.h"

#include <QFile>
#include <QFileInfo>

CCantorelDoc::CCantorelDoc(QObject *parent)
    : QObject(parent)
{
}

bool CCantorelDoc::OnOpenDocument(const QString &path, QString *errorMessage)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0) {
        if (errorMessage)
            *errorMessage = QStringLiteral("%1: the path has no \".\", so no export file names can be derived from it.").arg(path);
        return false;
    }
    const QString exportStem = path.left(dot + 1);
    m_strBmpPath = exportStem + QStringLiteral("bmp");
    m_strPdfPath = exportStem + QStringLiteral("pdf");

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorMessage)
            *errorMessage = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > 0 && !Serialize(file)) {
        if (errorMessage)
            *errorMessage = QStringLiteral("%1: Failed to open document.").arg(path);
        return false;
    }
    m_strPathName = path;
    return true;
}

bool CCantorelDoc::OnNewDocument()
{
    m_strPathName.clear();
    return true;
}

bool CCantorelDoc::Serialize(QIODevice &archive)
{
    const QString song = NormalisedSongText(archive.readAll());
    if (song.isEmpty())
        return false;
    m_strSong = song;
    m_nFontHeight = SongFontHeight(m_strSong);
    LoadChordLibrary(m_strSong);
    emit songRead();
    return true;
}

void CCantorelDoc::LoadChordLibrary(const QString &song)
{
    const QStringList chordSlots = CollectChordSlots(song, ReadSongLibraryLines(ChordLibraryPath(), DefaultChordList()));
    m_nChords = static_cast<int>(chordSlots.size());
    for (int i = 0; i < m_nChords; ++i)
        m_strChords[i] = chordSlots[i];
}

QString CCantorelDoc::GetTitle() const
{
    return m_strPathName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_strPathName).fileName();
}
