#include "songtext.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(SongText, NormalisesTheEnd)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"Line one", "Line one\r\n"},
        {"\n", "\n\r\n"},
        {"\r", "\r\r\n"},
        {"x\n", "x\r\n"},
        {"a\nx\n\n", "a\nx\n\r\n"},
        {"x\r\n\r\n\r\n", "x\r\n"},
        {"x\r\n", "x\r\n"},
        {"x\r", "x\r\n"},
        {"a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"},
        {"\r\n", "\r\n"},
        {"Caf\xc3\xa9 [Am]la\r\n", "Caf [Am]la\r\n"},
        {"\xef\xbb\xbf{t:Song}\r\n", "{t:Song}\r\n"},
        {"\tTab\r\n", "\tTab\r\n"},
        {QByteArray("ab\0cd", 5), "ab\r\n"},
    };
    for (const auto &[bytes, song] : cases) {
        SCOPED_TRACE(bytes.toStdString());
        EXPECT_EQ(NormalisedSongText(bytes), song);
    }
}

TEST(SongText, NothingLeftIsEmpty)
{
    EXPECT_TRUE(NormalisedSongText("\xc3\xa9\xe2\x80\x99").isEmpty());
    EXPECT_TRUE(NormalisedSongText(QByteArray("\0abc", 4)).isEmpty());
}

TEST(SongText, FontHeightFollowsTheLineCount)
{
    const std::pair<int, int> cases[] = {
        {1, -400}, {20, -20}, {25, -16}, {26, -12}, {33, -12}, {34, -8},
        {50, -8}, {51, -4}, {100, -4}, {101, 0}, {120, 0},
    };
    for (const auto &[lines, height] : cases) {
        SCOPED_TRACE(lines);
        QString song;
        for (int i = 0; i < lines; ++i)
            song += "la\r\n";
        EXPECT_EQ(SongFontHeight(song), height);
    }
}
