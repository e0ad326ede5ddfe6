#include "chordline.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(ChordLine, SplitGivesTheFieldsThatModifyShows)
{
    struct Case {
        QString line;
        QString name, baseFret, marks;
    };
    const Case cases[] = {
        {"[Am],1,002210\r\n", "Am", "1", "002210"},
        {"[D],1,x00232\r\n", "D", "1", "x00232"},
        {"[Dadd2],10,x00210\r\n", "Dadd2", "10", "x00210"},
        // The marks start at the base fret's third character.
        {"[X],123,x32010\r\n", "X", "12", "3x3201"},
        // Short marks are filled with "x"; anything but "0" to "6" reads as "x".
        {"[Am],1,00221\r\n", "Am", "1", "00221x"},
        {"[A],1,X0a2-7\r\n", "A", "1", "x0x2xx"},
        {"[C], 5,332010\r\n", "C", "5", "332010"},
        {"[Em]1,022000\r\n", "Em", "", "022000"},
        {"[Am]\r\n", "Am", "\n", "xxxxxx"},
        {"[Am],1\r\n", "Am", "1\r", "xxxxxx"},
        // A line without "]" is all name.
        {"; my chords\r\n", "; my chords\r\n", "", "xxxxxx"},
        {"\r\n", "\r\n", "", "xxxxxx"},
        {"", "", "", "xxxxxx"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const ChordEntry fields = SplitChordLine(c.line);
        EXPECT_EQ(fields.name, c.name);
        EXPECT_EQ(fields.baseFret, c.baseFret);
        EXPECT_EQ(fields.marks, c.marks);
    }
}

TEST(ChordLine, BuildComposesTheLineAndListName)
{
    struct Case {
        ChordEntry fields;
        QString line, listName;
    };
    const Case cases[] = {
        {{"new", "1", "000000"}, "[new],1,000000", "new"},
        {{"G7", "1", "320001"}, "[G7],1,320001", "G7"},
        {{"", "05", "x02"}, "[new],5,x02000", "new"},
        {{"Am", "", "002210"}, "[Am],,002210", "Am"},
        {{"D", "00", "x00232"}, "[D],0,x00232", "D"},
        {{"D", "123", "x002321"}, "[D],12,x00232", "D"},
        {{"A", "1", "x3"}, "[A],1,x30000", "A"},
        {{"A", "1", "xx"}, "[A],1,xx0000", "A"},
        {{" A]b,c ", "1", "x02220"}, "[ A]b,c ],1,x02220", " A]b,c "},
        // A line break in the name would split the line in two in the file.
        {{"; my chords\r\n", "", "xxxxxx"}, "[; my chords],,xxxxxx", "; my chords"},
        {{"\r\n", "1\r", "000000"}, "[new],1,000000", "new"},
        {{"Am", "\n", "xxxxxx"}, "[Am],,xxxxxx", "Am"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const auto built = BuildChordLine(c.fields);
        ASSERT_TRUE(built);
        EXPECT_EQ(built->line, c.line);
        EXPECT_EQ(built->listName, c.listName);
    }
}

TEST(ChordLine, BuildRefusesMarksTheLibraryCannotHold)
{
    for (const QString marks : {"X02220", "x0222-", "x 2220", "x02227", "x0222X"}) {
        SCOPED_TRACE(marks.toStdString());
        EXPECT_FALSE(BuildChordLine({"A", "1", marks}));
    }
    // Only the first six count; the rest is cut before the check.
    EXPECT_TRUE(BuildChordLine({"A", "1", "x02220X"}));
}

TEST(ChordLine, ModifyConfirmedUnchangedWritesTheNormalForm)
{
    const std::pair<QString, QString> cases[] = {
        {"[F],1,133211\r\n", "[F],1,133211"},
        {"[Dadd2],10,x00210\r\n", "[Dadd2],10,x00210"},
        {"[X],123,x32010\r\n", "[X],12,3x3201"},
        {"[A],05,X0a2\r\n", "[A],5,x0x2xx"},
        {"[Em]1,022000\r\n", "[Em],,022000"},
        {"[Am]\r\n", "[Am],,xxxxxx"},
        {"[Am],1\r\n", "[Am],1,xxxxxx"},
        {"; my chords\r\n", "[; my chords],,xxxxxx"},
    };
    for (const auto &[line, written] : cases) {
        SCOPED_TRACE(line.toStdString());
        const auto built = BuildChordLine(SplitChordLine(line));
        ASSERT_TRUE(built);
        EXPECT_EQ(built->line, written);
    }
}

TEST(ChordLine, DiagramBaseFretTreatsEmptyAsOne)
{
    const std::pair<QString, QString> cases[] = {
        {"", "1"}, {"1", "1"}, {"0", "0"}, {"05", "5"}, {"00", "0"}, {"12", "12"}, {"123", "12"},
    };
    for (const auto &[field, drawn] : cases) {
        SCOPED_TRACE(field.toStdString());
        EXPECT_EQ(DiagramBaseFret(field), drawn);
    }
}
