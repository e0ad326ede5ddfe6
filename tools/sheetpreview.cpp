// Renders the song text of a song and the diagram of every chord of the
// default library into PNG files, to look at what the drawing code makes:
//   sheet_preview OUTPUT_FOLDER [SONG]
// writes OUTPUT_FOLDER/song.png (the song area of the sheet) and
// OUTPUT_FOLDER/chords.png (the library in chord slots, ten to a row).
#include "cantoreldoc.h"
#include "chorddiagram.h"
#include "chordentry.h"
#include "defaultchordlist.h"
#include "qpaintercanvas.h"
#include "songtext.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

// The song area of the 734 x 981 sheet: 48 pixels in from the left, top and
// right, with 200 pixels below it for the chord slots.
const QSize kSongArea(734 - 2 * 48, 981 - 48 - 200);
// A chord slot: a 76 x 30 name box over a 66 x 44 diagram, 64 x 80 apart.
const QSize kSlotPitch(64, 80);
const QRect kNameBox(-6, -30, 76, 30);
const QSize kDiagram(66, 44);
constexpr int kSlotsPerRow = 10;
// The sheet's controls use a small sans font ("Arial" 8 point on the original form).
constexpr int kControlPointSize = 8;

QImage SongImage(const QString &songPath, QString *errorMessage)
{
    QFile file(songPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorMessage = QStringLiteral("%1: %2").arg(songPath, file.errorString());
        return QImage();
    }
    CCantorelDoc document;
    document.m_strSong = NormalisedSongText(file.readAll());
    document.m_nFontHeight = SongFontHeight(document.m_strSong);
    document.m_rcText = Rect{0, 0, kSongArea.width(), kSongArea.height()};

    QImage image(kSongArea, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetTextColor(Qt::black);
    document.DrawSong(canvas);
    return image;
}

QImage ChordsImage(const QStringList &libraryLines)
{
    const int rows = (static_cast<int>(libraryLines.size()) + kSlotsPerRow - 1) / kSlotsPerRow;
    const QPoint margin(16, 40);
    QImage image(2 * margin.x() + kSlotsPerRow * kSlotPitch.width(), margin.y() + rows * kSlotPitch.height(), QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter painter(&image);
    QFont controlFont = painter.font();
    controlFont.setPointSize(kControlPointSize);
    painter.setFont(controlFont);
    for (int i = 0; i < libraryLines.size(); ++i) {
        const QString &line = libraryLines[i];
        const QPoint origin = margin + QPoint(i % kSlotsPerRow * kSlotPitch.width(), i / kSlotsPerRow * kSlotPitch.height());
        painter.drawText(kNameBox.translated(origin), Qt::AlignHCenter | Qt::AlignTop,
                         ChordListName(line) + u'\n' + MarksLabel(LabelMarksFromLine(line)));

        painter.save();
        painter.translate(origin);
        painter.setClipRect(QRect(QPoint(0, 0), kDiagram));
        QPainterCanvas canvas(painter);
        QString baseFret;
        QString marks;
        DiagramTextsFromLine(line, baseFret, marks);
        DrawChordDiagram(canvas, baseFret, marks);
        painter.restore();
    }
    return image;
}

bool Save(const QImage &image, const QString &path, QTextStream &err)
{
    if (image.save(path, "PNG"))
        return true;
    err << path << ": could not be written\n";
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList arguments = app.arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        err << "usage: sheet_preview OUTPUT_FOLDER [SONG]\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    const QString songPath = arguments.size() == 3 ? arguments[2] : QStringLiteral(CANTOREL_EXAMPLE_SONG);
    if (!QDir().mkpath(folder.path())) {
        err << folder.path() << ": the folder could not be created\n";
        return 1;
    }

    QString errorMessage;
    const QImage song = SongImage(songPath, &errorMessage);
    if (song.isNull()) {
        err << errorMessage << '\n';
        return 1;
    }
    const QStringList libraryLines = QString::fromLocal8Bit(DefaultChordList()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);

    const QString songPng = folder.filePath(QStringLiteral("song.png"));
    const QString chordsPng = folder.filePath(QStringLiteral("chords.png"));
    if (!Save(song, songPng, err) || !Save(ChordsImage(libraryLines), chordsPng, err))
        return 1;
    out << songPng << '\n' << chordsPng << '\n';
    return 0;
}
