// Drawing the song text and a chord diagram, as every repaint of the sheet does.
#include "cantoreldoc.h"
#include "chorddiagram.h"
#include "qpaintercanvas.h"
#include "songtext.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

const QSize kSheet(734, 981);

// A song of `lines` lines: a title, then verses of chord-and-lyric lines with
// a comment and a blank line between them.
QByteArray SongOfLines(int lines)
{
    const QByteArray verse[] = {
        "[Am]Down by the [F]river the [C]water runs [G]slow,\r\n",
        "[Am]Lanterns are [F]swaying where [E7]fishermen go.\r\n",
        "[C]Carry me [G]home on the [Am]lantern [F]road,\r\n",
        "[Dm]Lighten my [E7]heart and [Am]lighten my load.\r\n",
        "\r\n",
        "{c: Chorus}\r\n",
    };
    QByteArray song = "{t: Benchmark Song}\r\n";
    for (int i = 1; i < lines; ++i)
        song += verse[i % std::size(verse)];
    return song;
}

void DrawSong(benchmark::State &state, const QByteArray &songBytes)
{
    CCantorelDoc document;
    document.m_strSong = NormalisedSongText(songBytes);
    document.m_nFontHeight = SongFontHeight(document.m_strSong);
    document.m_rcText = Rect{0, 0, kSheet.width(), kSheet.height()};
    QImage image(kSheet, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        document.DrawSong(canvas);
    }
    state.counters["lines"] = static_cast<double>(document.m_strSong.count(u'\n'));
}

void BM_DrawSongExample(benchmark::State &state)
{
    QFile file(QStringLiteral(CANTOREL_EXAMPLE_SONG));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("example song not readable");
        return;
    }
    DrawSong(state, file.readAll());
}

void BM_DrawSong150Lines(benchmark::State &state)
{
    DrawSong(state, SongOfLines(150));
}

void BM_DrawChordDiagram(benchmark::State &state)
{
    QImage image(66, 44, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        DrawChordDiagram(canvas, QStringLiteral("10"), QStringLiteral("x00210"));
    }
}

BENCHMARK(BM_DrawSongExample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawSong150Lines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawChordDiagram)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
