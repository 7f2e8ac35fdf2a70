#include "generator.h"

#include "dict/dictionary.h"
#include "lang/hebrew.h"

#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace {

const QStringList EnglishWords = {
    "house", "book", "water", "to write", "to go", "city", "friend", "light", "small", "big",
    "table", "window", "bread", "to eat", "to see", "road", "tree", "good", "new", "old",
    "to speak", "child", "letter", "word", "time", "day", "night", "morning", "evening", "sea",
    "mountain", "river", "to read", "to learn", "teacher", "student", "door", "room", "key", "car",
    "to buy", "to sell", "money", "work", "to open", "to close", "hand", "eye", "heart", "head",
    "song", "story", "red", "blue", "green", "white", "black", "hot", "cold", "sweet"};

// letters and the vowel points a pointed word is made of
const char16_t Letters[] = u"\u05D0\u05D1\u05D2\u05D3\u05D4\u05D5\u05D6\u05D7\u05D8\u05D9\u05DB"
                           u"\u05DC\u05DE\u05E0\u05E1\u05E2\u05E4\u05E6\u05E7\u05E8\u05E9\u05EA";
const char16_t Points[] = u"\u05B0\u05B4\u05B5\u05B6\u05B7\u05B8\u05B9\u05BB\u05BC";

QString randomWord(QRandomGenerator &random)
{
    QString word;
    const int letters = int(random.bounded(3, 9));
    for (int i = 0; i < letters; ++i) {
        word += QChar(Letters[random.bounded(int(std::size(Letters) - 1))]);
        if (random.bounded(4) != 0)
            word += QChar(Points[random.bounded(int(std::size(Points) - 1))]);
    }
    return Hebrew::finalForm(word);
}

QString randomTranslation(QRandomGenerator &random)
{
    QStringList meanings;
    const int count = int(random.bounded(1, 4));
    for (int i = 0; i < count; ++i)
        meanings.append(EnglishWords[random.bounded(int(EnglishWords.size()))]
                        + (random.bounded(3) == 0 ? QStringLiteral(" %1").arg(random.bounded(1000)) : QString()));
    return meanings.join(QStringLiteral(", "));
}

} // namespace

QString generatedWord(quint32 seed)
{
    QRandomGenerator random(seed);
    return randomWord(random);
}

void generateDictionary(Dictionary &dictionary, int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QSet<QString> keys;
    QList<Entry> entries;
    entries.reserve(count);
    dictionary.setAttribute(QStringLiteral("NAME"), QStringLiteral("Hebrew"));
    dictionary.setAttribute(QStringLiteral("TYPE"), QStringLiteral("he_IL"));
    dictionary.setAttribute(QStringLiteral("USER"), QStringLiteral("en,de"));
    for (int id = 1; id <= count; ++id) {
        QString word = randomWord(random);
        // about one word in fifty is a homograph of an earlier one
        while (keys.contains(makeSearchKey(word)) && random.bounded(50) != 0)
            word = randomWord(random);
        keys.insert(makeSearchKey(word));
        Entry e(word, randomTranslation(random), id);
        const int kind = int(random.bounded(10));
        if (kind < 2) {
            e.setWordType(Entry::Verb);
            e.setFlags(random.bounded(2) ? Entry::FlagTransitive : Entry::FlagIntransitive);
        } else if (kind < 6) {
            e.setWordType(Entry::Noun);
            e.setFlags((random.bounded(2) ? Entry::FlagFeminine : Entry::FlagMasculine) | Entry::FlagSingular);
            if (random.bounded(3) == 0)
                e.appendText(Entry::TextPlural, randomWord(random));
        } else if (kind < 8) {
            e.setWordType(Entry::Adjective);
            e.setFlags(Entry::FlagMasculine | Entry::FlagSingular);
        } else {
            e.setWordType(int(random.bounded(4, 9)));
        }
        if (random.bounded(2) == 0)
            e.appendText(Entry::TextUserBase + 1, QStringLiteral("Wort %1").arg(id));
        entries.append(e);
    }
    // inserted in key order, as a file is read
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &a, const Entry &b) { return a.searchKey() < b.searchKey(); });
    for (const Entry &e : std::as_const(entries))
        dictionary.insertEntry(e);
}
