// Reading a song and collecting its chords against the default library, as
// every Open and Refresh does.
#include "cantoreldoc.h"
#include "chordlibrary.h"
#include "defaultchordlist.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A song of chord-and-lyric lines using chords of the default library.
QByteArray SongOfSize(qsizetype bytes)
{
    const QByteArray lines[] = {
        "{t:Benchmark Song}\r\n",
        "[Am]Down by the [F]river the [C]water runs [G]slow\r\n",
        "[Dm7]Evening is [Em]falling, the [Fmaj7]lanterns [E7]glow\r\n",
        "{c: Chorus}\r\n",
        "\r\n",
    };
    QByteArray song;
    for (size_t i = 0; song.size() < bytes; ++i)
        song += lines[i % std::size(lines)];
    return song;
}

void ReadSong(benchmark::State &state, qsizetype bytes)
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
    ReadSongLibraryLines(ChordLibraryPath(), DefaultChordList());

    const QString path = home.path() + "/song.cho";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(SongOfSize(bytes));
    file.close();

    CCantorelDoc document;
    for (auto _ : state) {
        if (!document.OnOpenDocument(path))
            state.SkipWithError("song not read");
        benchmark::DoNotOptimize(document.m_nChords);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_ReadSong200Lines(benchmark::State &state) { ReadSong(state, 200 * 36); }
void BM_ReadSong10MB(benchmark::State &state) { ReadSong(state, 10 * 1024 * 1024); }

BENCHMARK(BM_ReadSong200Lines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadSong10MB)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
