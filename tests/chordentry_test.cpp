#include "chordentry.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(ChordEntry, TakesLinesApart)
{
    struct Case {
        QString line;
        QString name, baseFret, marks;
    };
    const Case cases[] = {
        {"[Am],1,002210", "Am", "1", "002210"},
        {"[F#dim7],1,433430", "F#dim7", "1", "433430"},
        {"[Dadd2],10,x00210", "Dadd2", "10", "x00210"},
        {"[X],123,x32010", "X", "12", "x32010"},
        {"[Am],1,0022101234", "Am", "1", "002210"},
        {"[Am],1,00\r\n", "Am", "1", "00\r\n"},
        {"[Em]1,022000", "Em", "", "022000"},
        {"[F],,133211", "F", "", "133211"},
        {"[A[b]],1,x", "Ab", "", "1,x"},
        {";my chords", ";my chords", "", ""},
        {"[Am]", "Am", "", ""},
        {"[Am],", "Am", "", ""},
        {"[Am],7", "Am", "7", ""},
        {"", "", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const ChordEntry entry = ChordEntryFromLine(c.line);
        EXPECT_EQ(entry.name, c.name);
        EXPECT_EQ(entry.baseFret, c.baseFret);
        EXPECT_EQ(entry.marks, c.marks);
    }
}

TEST(ChordEntry, ListNameKeepsEverythingButBrackets)
{
    const std::pair<QString, QString> cases[] = {
        {"[Am],1,002210\r\n", "Am"},
        {";[Am] my chords\r\n", ";Am"},
        {"\r\n", "\r\n"},
        {"no brackets\r\n", "no brackets\r\n"},
        {"[[G] ],1,3", "G"},
        {" [C] ,1", " C"},
    };
    for (const auto &[line, name] : cases) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(ChordListName(line), name);
    }
}
