#include "cantoreldoc.h"
#include "recordingcanvas.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kTeal(0, 128, 128);

// With the recording canvas's metrics and a song font height of -10:
//   title font    -16 bold: 9 per character, 19 high
//   subtitle font -13 bold: 7 per character, 16 high
//   chord font    -10 bold: 6 per character, 13 high (chord-only rows 12)
//   lyric font    -10:      5 per character, 13 high (rows 12)
const CanvasFont kTitle{"Baskerville", -16, 700};
const CanvasFont kSubtitle{"Baskerville", -13, 700};
const CanvasFont kChord{"Baskerville", -10, 700};
const CanvasFont kLyric{"Baskerville", -10, 400};
const Rect kArea{10, 20, 610, 700};

// The x at which text of `characters` characters, `width` each, is centred in kArea.
int CentredX(int characters, int width)
{
    return kArea.left + (kArea.width() - characters * width) / 2;
}

class DrawSongTest : public ::testing::Test {
protected:
    CCantorelDoc document;
    RecordingCanvas canvas;

    std::vector<DrawnText> Draw(const QString &song, int fontHeight = -10)
    {
        document.m_strSong = song;
        document.m_rcText = kArea;
        document.m_nFontHeight = fontHeight;
        canvas.texts.clear();
        document.DrawSong(canvas);
        return canvas.texts;
    }
};

} // namespace

TEST_F(DrawSongTest, DirectiveLines)
{
    const std::vector<DrawnText> expected = {
        {" Amazing Grace   ", 233, 20, kTitle, kBlack},
        {" Rovu Derira   ", 257, 39, kSubtitle, kBlack},
        {" Chorus   ", 10, 55, kChord, kBlack},
        {"title: Rovu Derira   ", 236, 68, kSubtitle, kBlack},
        {"mment: Chorus   ", 10, 84, kChord, kBlack},
        {"   ", 299, 97, kSubtitle, kBlack},
        {"rt_of_chorus   ", 257, 113, kSubtitle, kBlack},
        {"{eoc}  ", 10, 129, kLyric, kBlack},
        {"{T: Upper}  ", 10, 141, kLyric, kBlack},
        {"ro     x   ", 10, 153, kChord, kBlack},
        {" Amazing Grace \r  ", 229, 166, kTitle, kBlack},
    };
    EXPECT_EQ(Draw("{title: Amazing Grace}\n"
                   "{st: Rovu Derira}\n"
                   "{c: Chorus}\n"
                   "{subtitle: Rovu Derira}\n"
                   "{comment: Chorus}\n"
                   "{soc}\n"
                   "{start_of_chorus}\n"
                   "{eoc}\n"
                   "{T: Upper}\n"
                   "Intro {c: x}\n"
                   "{t: Amazing Grace}\r\n"),
              expected);
    EXPECT_EQ(document.m_strTitle, " Amazing Grace \r  ");
}

TEST_F(DrawSongTest, OneLineGivesTitleSubtitleAndCommentInThatOrder)
{
    const QString title = "Song {st:Sub {c:Note   ";
    const QString subtitle = "ong     Sub {c:Note   ";
    const std::vector<DrawnText> expected = {
        {title, CentredX(title.size(), 9), 20, kTitle, kBlack},
        {subtitle, CentredX(subtitle.size(), 7), 39, kSubtitle, kBlack},
        {"Song {st:Sub    Note   ", 10, 55, kChord, kBlack},
        {"x  ", 10, 81, kLyric, kBlack},
    };
    EXPECT_EQ(Draw("{t:Song}{st:Sub}{c:Note}\n\nx\n"), expected);
    EXPECT_EQ(document.m_strTitle, title);

    const std::vector<DrawnText> reversed = Draw("{c:Note}{st:Sub}{t:Song}\n");
    ASSERT_EQ(reversed.size(), 3u);
    EXPECT_EQ(reversed[0].font, kTitle);
    EXPECT_EQ(reversed[1].font, kSubtitle);
    EXPECT_EQ(reversed[2].font, kChord);
}

TEST_F(DrawSongTest, ChordWalkSetsChordsAboveTheirLyrics)
{
    struct Case {
        QString line;
        std::vector<DrawnText> texts;
    };
    const Case cases[] = {
        {"[C]Amazing [G]grace\n",
         {{"C ", 10, 20, kChord, kTeal}, {"Amazing ", 10, 32, kLyric, kBlack}, {"G ", 50, 20, kChord, kTeal}, {"grace  ", 50, 32, kLyric, kBlack}}},
        {"[Cmaj7]Am [G]grace\n",
         {{"Cmaj7 ", 10, 20, kChord, kTeal}, {"Am ", 10, 32, kLyric, kBlack}, {"G ", 47, 20, kChord, kTeal}, {"grace  ", 47, 32, kLyric, kBlack}}},
        {"[Am][D]la\n", {{"Am ", 10, 20, kChord, kTeal}, {"D ", 29, 20, kChord, kTeal}, {"la  ", 10, 32, kLyric, kBlack}}},
        {"Hello [Am\n", {{"Hello ", 10, 32, kLyric, kBlack}}},
        {"a[]b\n", {{"a", 10, 32, kLyric, kBlack}, {"b  ", 15, 32, kLyric, kBlack}}},
        {"[G]Hey\r\n", {{"G ", 10, 20, kChord, kTeal}, {"Hey\r  ", 10, 32, kLyric, kBlack}}},
        {"sing [A]la [B]\n",
         {{"sing ", 10, 32, kLyric, kBlack}, {"A ", 35, 20, kChord, kTeal}, {"la ", 35, 32, kLyric, kBlack}, {"B ", 50, 20, kChord, kTeal}, {"  ", 50, 32, kLyric, kBlack}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        std::vector<DrawnText> expected = c.texts;
        // The next line starts two rows further down.
        expected.push_back({"next  ", 10, 44, kLyric, kBlack});
        EXPECT_EQ(Draw(c.line + "next\n"), expected);
        EXPECT_EQ(canvas.font(), CanvasFont{});
        EXPECT_EQ(canvas.textColor(), kBlack);
    }
}

TEST_F(DrawSongTest, ChordOnlyLinesKeepTheirColumnsInOneRow)
{
    const std::vector<DrawnText> expected = {
        {" Am  D   ", 10, 20, kChord, kTeal},
        {" Am   F   ", 10, 32, kChord, kTeal},
        {" Am  ", 10, 44, kChord, kTeal},
        {"    ", 10, 56, kChord, kTeal},
        {"x  ", 10, 68, kLyric, kBlack},
    };
    EXPECT_EQ(Draw("[Am][D]\n[Am] [F]\n[Am\n[]\nx\n"), expected);
    EXPECT_EQ(canvas.textColor(), kBlack);
}

TEST_F(DrawSongTest, BlankLinesRepeatTheHeightOfTheLineBefore)
{
    const std::vector<DrawnText> expected = {
        {"T   ", CentredX(4, 9), 20, kTitle, kBlack},
        {" Am   ", 10, 58, kChord, kTeal},
        {"C ", 10, 82, kChord, kTeal},
        {"la  ", 10, 94, kLyric, kBlack},
        {"x  ", 10, 118, kLyric, kBlack},
        {"y  ", 10, 142, kLyric, kBlack},
    };
    EXPECT_EQ(Draw("\n \r\n{t:T}\n\n[Am]\n\n[C]la\n\nx\n\ny\n"), expected);
}

TEST_F(DrawSongTest, SongFontHeightSizesChordsLyricsAndComments)
{
    struct Case {
        int fontHeight;
        int lyricRow;
        int commentY;
    };
    // A font of size s is s + 3 high; 0 stands for the default size of 12.
    const Case cases[] = {{-4, 26, 32}, {0, 34, 48}, {2, 24, 28}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fontHeight);
        const CanvasFont chord{"Baskerville", c.fontHeight, 700};
        const CanvasFont lyric{"Baskerville", c.fontHeight, 400};
        const std::vector<DrawnText> expected = {
            {"C ", 10, 20, chord, kTeal},
            {"la  ", 10, c.lyricRow, lyric, kBlack},
            {"x   ", 10, c.commentY, chord, kBlack},
        };
        EXPECT_EQ(Draw("[C]la\n{c:x}\n", c.fontHeight), expected);
    }
}

TEST_F(DrawSongTest, TitleStaysUntilATitleLineIsDrawn)
{
    document.m_strTitle = "Earlier Song";
    Draw("{st: no title}\nla\n");
    EXPECT_EQ(document.m_strTitle, "Earlier Song");
    Draw("{t:First}\n{title:Second}\n");
    EXPECT_EQ(document.m_strTitle, "Second   ");
}
