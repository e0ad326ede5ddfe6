#include "cantoreldoc.h"

#include "canvas.h"

#include <algorithm>

namespace {

const QString kSongFace = QStringLiteral("Baskerville");
constexpr int kTitleFontHeight = -16;
constexpr int kSubtitleFontHeight = -13;
constexpr int kBold = 700;
constexpr int kNormal = 400;
const QColor kChordColor(0, 128, 128);
const QColor kBlack(0, 0, 0);

// The text of a title line: what follows "{title:" or "{t:", with further
// such markers and every "}" turned into spaces.
QString TitleText(const QString &line)
{
    const bool longMarker = line.size() > 6 && line[6] == u':';
    QString text = longMarker ? line.mid(7).replace(QLatin1String("{title:"), QLatin1String(" "))
                              : line.mid(3).replace(QLatin1String("{t:"), QLatin1String(" "));
    return text.replace(u'}', u' ');
}

// The text of a subtitle line: all but the first four characters, with every
// further "{st:" and "}" turned into spaces.
QString SubtitleText(const QString &line)
{
    return line.mid(4).replace(QLatin1String("{st:"), QLatin1String("    ")).replace(u'}', u' ');
}

// The text of a comment line: all but the first three characters, with every
// further "{c:" and "}" turned into spaces.
QString CommentText(const QString &line)
{
    return line.mid(3).replace(QLatin1String("{c:"), QLatin1String("   ")).replace(u'}', u' ');
}

// Whether anything but spaces and CRs is left of a line once every chord,
// from its "[" through the next "]" or the end of the line, is blanked out.
bool HasLyrics(const QString &line)
{
    bool inChord = false;
    for (const QChar c : line) {
        if (c == u'[')
            inChord = true;
        else if (inChord)
            inChord = c != u']';
        else if (c != u' ' && c != u'\r' && c != u'\n')
            return true;
    }
    return false;
}

// Keeps a font selected for as long as it lives, then selects back the one
// it replaced.
class FontSelection {
public:
    FontSelection(Canvas &canvas, const CanvasFont &font)
        : m_canvas(canvas)
        , m_previous(canvas.SelectFont(font))
    {
    }
    ~FontSelection() { m_canvas.SelectFont(m_previous); }
    FontSelection(const FontSelection &) = delete;
    FontSelection &operator=(const FontSelection &) = delete;

private:
    Canvas &m_canvas;
    const CanvasFont m_previous;
};

// Lays the song's lines out one below the other for one drawing: the fonts,
// the left edge, the y of the next line and the height that blank lines repeat.
class SongLayout {
public:
    SongLayout(Canvas &canvas, const Rect &area, int songFontHeight)
        : m_canvas(canvas)
        , m_area(area)
        , m_titleFont{kSongFace, kTitleFontHeight, kBold}
        , m_subtitleFont{kSongFace, kSubtitleFontHeight, kBold}
        , m_chordFont{kSongFace, songFontHeight, kBold}
        , m_lyricFont{kSongFace, songFontHeight, kNormal}
        , m_y(area.top)
    {
    }

    void DrawTitle(const QString &text) { DrawCentred(text, m_titleFont); }
    void DrawSubtitle(const QString &text) { DrawCentred(text, m_subtitleFont); }

    void DrawComment(const QString &text)
    {
        const FontSelection chordFont(m_canvas, m_chordFont);
        const int height = m_canvas.FontHeight();
        m_canvas.TextOut(m_area.left, m_y, text);
        Advance(height);
    }

    // A line that is not a directive: lyrics, chords above lyrics, chords
    // alone, or blank.
    void DrawLyricLine(const QString &line)
    {
        const bool hasChords = line.contains(u'[');
        if (HasLyrics(line)) {
            if (hasChords)
                DrawChordsAndLyrics(line);
            else
                DrawLyrics(line);
        } else if (hasChords) {
            DrawChordsAlone(line);
        } else {
            m_y += m_lineHeight;
        }
    }

private:
    void Advance(int height)
    {
        m_y += height;
        m_lineHeight = height;
    }

    void DrawCentred(const QString &text, const CanvasFont &font)
    {
        const FontSelection selection(m_canvas, font);
        const int height = m_canvas.FontHeight();
        m_canvas.DrawCentredText(Rect{m_area.left, m_y, m_area.right, m_y + height}, text, TextClip::None);
        Advance(height);
    }

    void DrawLyrics(const QString &line)
    {
        const FontSelection lyricFont(m_canvas, m_lyricFont);
        const int height = m_canvas.FontHeight() - 1;
        m_canvas.TextOut(m_area.left, m_y, line);
        Advance(height);
    }

    // The chord names keep their columns: only the brackets become spaces.
    void DrawChordsAlone(QString line)
    {
        line.replace(u'[', u' ').replace(u']', u' ');
        const FontSelection chordFont(m_canvas, m_chordFont);
        m_canvas.SetTextColor(kChordColor);
        const int height = m_canvas.FontHeight() - 1;
        m_canvas.TextOut(m_area.left, m_y, line);
        Advance(height);
        m_canvas.SetTextColor(kBlack);
    }

    // Each chord name stands in the row above the lyric piece that follows
    // it. A chord wider than its piece pushes the next piece to the right; a
    // chord that follows another stands one pixel beyond it.
    void DrawChordsAndLyrics(const QString &line)
    {
        int rowHeight;
        {
            const FontSelection lyricFont(m_canvas, m_lyricFont);
            rowHeight = m_canvas.FontHeight() - 1;
        }
        const int chordRow = m_y;
        const int lyricRow = m_y + rowHeight;
        m_y += 2 * rowHeight;
        m_lineHeight = rowHeight;

        int chordX = m_area.left;
        int lyricX = m_area.left;
        qsizetype position = 0;
        while (position < line.size()) {
            const qsizetype open = line.indexOf(u'[', position);
            const qsizetype pieceEnd = open < 0 ? line.size() : open;
            if (pieceEnd > position) {
                const QString piece = line.mid(position, pieceEnd - position);
                const FontSelection lyricFont(m_canvas, m_lyricFont);
                m_canvas.TextOut(lyricX, lyricRow, piece);
                lyricX = std::max(chordX, lyricX + m_canvas.TextWidth(piece));
                chordX = lyricX;
            }

            // An unclosed "[" and an empty "[]" draw no chord.
            const qsizetype nameStart = pieceEnd + 1;
            const qsizetype close = line.indexOf(u']', nameStart);
            const qsizetype nameEnd = close < 0 ? line.size() : close;
            if (close >= 0 && nameEnd > nameStart) {
                const QString name = line.mid(nameStart, nameEnd - nameStart) + u' ';
                const FontSelection chordFont(m_canvas, m_chordFont);
                m_canvas.SetTextColor(kChordColor);
                m_canvas.TextOut(chordX, chordRow, name);
                chordX = std::max(chordX + m_canvas.TextWidth(name) + 1, lyricX);
            }
            m_canvas.SetTextColor(kBlack);
            position = nameEnd + 1;
        }
    }

    Canvas &m_canvas;
    const Rect m_area;
    const CanvasFont m_titleFont;
    const CanvasFont m_subtitleFont;
    const CanvasFont m_chordFont;
    const CanvasFont m_lyricFont;
    int m_y;
    int m_lineHeight = 0;
};

} // namespace

void CCantorelDoc::DrawSong(Canvas &canvas)
{
    SongLayout layout(canvas, m_rcText, m_nFontHeight);
    // A line ends at an LF; a CR before it stays part of the line.
    for (qsizetype start = 0, end; (end = m_strSong.indexOf(u'\n', start)) >= 0; start = end + 1) {
        const QString line = m_strSong.mid(start, end - start) + QLatin1String("  ");
        const bool title = line.contains(QLatin1String("{t"));
        const bool subtitle = line.contains(QLatin1String("{s"));
        const bool comment = line.contains(QLatin1String("{c"));
        if (!title && !subtitle && !comment) {
            layout.DrawLyricLine(line);
            continue;
        }
        // One line may give a title, a subtitle and a comment, in that order.
        if (title) {
            m_strTitle = TitleText(line);
            layout.DrawTitle(m_strTitle);
        }
        if (subtitle)
            layout.DrawSubtitle(SubtitleText(line));
        if (comment)
            layout.DrawComment(CommentText(line));
    }
}
