#include "chordcollection.h"

#include <QHash>
#include <QStringView>

#include <vector>

namespace {

// A line's name key: from its start up to and including its first "]".
QStringView NameKey(const QString &line)
{
    const qsizetype bracket = line.indexOf(u']');
    return bracket < 0 ? QStringView(line) : QStringView(line).left(bracket + 1);
}

// A key of the form "[...]" can only occur in the song as a piece that starts at
// a "[" and ends at the next "]"; such keys are all looked up in one pass.
bool IsBracketedKey(QStringView key)
{
    return key.size() >= 2 && key.front() == u'[' && key.indexOf(u']') == key.size() - 1;
}

// For each key: whether it occurs anywhere in the song, case-sensitively.
// Bracketed keys share a single scan of the song instead of one search each.
std::vector<bool> KeysInSong(const QString &song, const std::vector<QStringView> &keys)
{
    std::vector<bool> found(keys.size(), false);
    QHash<QStringView, std::vector<size_t>> bracketed;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (IsBracketedKey(keys[i]))
            bracketed[keys[i]].push_back(i);
        else
            found[i] = song.contains(keys[i]);
    }
    if (bracketed.isEmpty())
        return found;

    // Every "[" since the last "]" may start an occurrence that ends at the next "]".
    std::vector<qsizetype> openings;
    const QChar *text = song.constData();
    for (qsizetype pos = 0; pos < song.size(); ++pos) {
        if (text[pos] == u'[') {
            openings.push_back(pos);
        } else if (text[pos] == u']') {
            for (qsizetype start : openings) {
                const auto match = bracketed.constFind(QStringView(text + start, pos - start + 1));
                if (match != bracketed.cend()) {
                    for (size_t i : *match)
                        found[i] = true;
                }
            }
            openings.clear();
        }
    }
    return found;
}

} // namespace

QStringList CollectChordSlots(const QString &song, const QStringList &libraryLines)
{
    std::vector<QStringView> keys;
    keys.reserve(libraryLines.size());
    for (const QString &line : libraryLines)
        keys.push_back(NameKey(line));
    const std::vector<bool> inSong = KeysInSong(song, keys);

    QStringList chordSlots;
    for (qsizetype i = 0; i < libraryLines.size(); ++i) {
        const QString &line = libraryLines[i];
        if (!inSong[i])
            continue;
        if (chordSlots.size() >= kChordSlotCount)
            continue;
        if (line.startsWith(u';'))
            continue;
        // A line without "]" is no chord: its whole text would be its key and
        // an empty line would match every song.
        if (!line.contains(u']'))
            continue;
        bool held = false;
        for (const QString &slot : chordSlots)
            held = held || slot.contains(line);
        if (held)
            continue;
        chordSlots.push_back(line);
    }
    return chordSlots;
}
