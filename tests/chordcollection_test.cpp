#include "chordcollection.h"
#include "defaultchordlist.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

QStringList DefaultLines()
{
    QStringList lines = QString::fromLatin1(DefaultChordList()).split("\r\n");
    lines.removeLast();
    return lines;
}

} // namespace

TEST(ChordCollection, FollowsTheLibraryRules)
{
    struct Case {
        const char *label;
        QString song;
        QStringList chordSlots;
    };
    const Case cases[] = {
        {"library order", "[G]Hey [C]there [D]you\r\n", {"[C],1,332010", "[D],1,x00232", "[G],1,320003"}},
        {"same name, two fingerings", "[Am7-2]la\r\n", {"[Am7-2],1,x02213", "[Am7-2],1,002213"}},
        {"identical lines once", "[Em7-4]la\r\n", {"[Em7-4],1,020000"}},
        {"exact names only", "[A]la\r\n", {"[A],1,x02220"}},
        {"case-sensitive", "[am] [a7]\r\n", {}},
        {"inside a comment directive", "{c: capo on [Em] chord}\r\n", {"[Em],1,022000"}},
        {"unknown chord", "[H7]la\r\n", {}},
        {"nested bracket", "[[A]]\r\n", {"[A],1,x02220"}},
    };
    const QStringList library = DefaultLines();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CollectChordSlots(c.song, library), c.chordSlots);
    }
}

TEST(ChordCollection, SkipsCommentAndBlankLines)
{
    const QStringList library = {";[Am],1,002210", "", "no bracket", "[Am],1,002210"};
    EXPECT_EQ(CollectChordSlots("[Am]no bracket\r\n", library), QStringList({"[Am],1,002210"}));
}

TEST(ChordCollection, KeysOfAnyShapeAreSearchedAsPlainText)
{
    const QStringList library = {"Am],1,002210", "[]", "[C],1,332010"};
    EXPECT_EQ(CollectChordSlots("x Am] [] [C\r\n", library), QStringList({"Am],1,002210", "[]"}));
}

TEST(ChordCollection, KeepsTheFirstTwentyInLibraryOrder)
{
    const QStringList library = DefaultLines();
    QString song;
    for (int i = 24; i >= 0; --i)
        song += library[i].left(library[i].indexOf(']') + 1) + "la ";
    const QStringList chordSlots = CollectChordSlots(song, library);
    EXPECT_EQ(chordSlots, library.mid(0, 20));
}
