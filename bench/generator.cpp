#include "generator.h"

#include "model/dictionary.h"
#include "lang/conjugation.h"
#include "lang/hebrewtext.h"
#include "lang/paradigm.h"

#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace {

const QStringList EnglishWords = {"house", "book", "water", "to write", "to go", "city", "friend", "light", "small",
    "big", "table", "window", "bread", "to eat", "to see", "road", "tree", "good", "new", "old", "to speak", "child",
    "letter", "word", "time", "day", "night", "morning", "evening", "sea", "mountain", "river", "to read", "to learn",
    "teacher", "student", "door", "room", "key", "car", "to buy", "to sell", "money", "work", "to open", "to close",
    "hand", "eye", "heart", "head", "song", "story", "red", "blue", "green", "white", "black", "hot", "cold", "sweet"};

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
    return HebrewText::finalForm(word);
}

// A verb in the pattern of one of the seven binyanim, on a random root.
QString randomVerb(QRandomGenerator &random)
{
    // root letters that are not he, vav, yod or nun, so that no pattern breaks
    static const QString roots = QString::fromUtf16(u"\u05D1\u05D2\u05D3\u05D6\u05D7\u05D8\u05DB\u05DC\u05DE"
                                                    u"\u05E1\u05E4\u05E6\u05E7\u05E8\u05E9\u05EA");
    static const char16_t *const patterns[] = {
        u"1\u05B82\u05B73", // Paal
        u"1\u05B4\u05D92\u05BC\u05B53", // Piel
        u"\u05D4\u05B41\u05B02\u05B4\u05D93", // Hifil
        u"\u05D4\u05B4\u05EA\u05B01\u05B72\u05BC\u05B53", // Hitpael
        u"\u05D4\u05D5\u05BC1\u05B02\u05B73", // Hufal
        u"1\u05D5\u05BC2\u05BC\u05B73", // Pual
        u"\u05E0\u05B41\u05B02\u05B73", // Nifal
    };
    QString verb = QString::fromUtf16(patterns[random.bounded(int(std::size(patterns)))]);
    for (QChar digit : {QChar(u'1'), QChar(u'2'), QChar(u'3')})
        verb.replace(digit, roots[random.bounded(int(roots.size()))]);
    return HebrewText::finalForm(verb);
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

QString generateText(const Dictionary &dictionary, int words, quint32 seed)
{
    QRandomGenerator random(seed);
    QString text;
    for (int i = 0; i < words; ++i) {
        const Entry e = dictionary.entryAt(int(random.bounded(dictionary.count())));
        QString word = HebrewText::withoutMarks(e.word());
        if (e.wordType() == Entry::Verb) {
            const QList<Paradigm::Form> forms = Paradigm::generate(Conjugation::readVerb(e));
            if (!forms.isEmpty())
                word = forms[random.bounded(int(forms.size()))].text;
        } else if (e.wordType() == Entry::Noun && random.bounded(3) == 0) {
            word = HebrewText::medialForm(word) + QString::fromUtf16(u"\u05D9\u05DD");
        }
        if (random.bounded(5) == 0)
            word.prepend(QString::fromUtf16(u"\u05D5\u05D1\u05D4\u05DC\u05DE\u05E9").at(random.bounded(6)));
        text += word;
        const int gap = int(random.bounded(20));
        text += gap == 0 ? QStringLiteral(". ")
            : gap == 1   ? QStringLiteral(", ")
            : gap == 2   ? QStringLiteral("\n")
                         : QStringLiteral(" ");
    }
    return text;
}

void generateDictionary(Dictionary &dictionary, int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QSet<QString> keys;
    std::vector<Entry> entries;
    entries.reserve(count);
    dictionary.setAttribute(QStringLiteral("NAME"), QStringLiteral("Hebrew"));
    dictionary.setAttribute(QStringLiteral("TYPE"), QStringLiteral("he_IL"));
    dictionary.setAttribute(QStringLiteral("USER"), QStringLiteral("en,de"));
    for (int id = 1; id <= count; ++id) {
        const int kind = int(random.bounded(10));
        auto draw = [&random, kind] { return kind < 2 ? randomVerb(random) : randomWord(random); };
        QString word = draw();
        // about one word in fifty is a homograph of an earlier one
        while (keys.contains(makeSearchKey(word)) && random.bounded(50) != 0)
            word = draw();
        keys.insert(makeSearchKey(word));
        Entry e(word, randomTranslation(random), id);
        if (kind < 2) {
            e.setTranslation(QStringLiteral("to ") + e.translation());
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
        entries.push_back(e);
    }
    dictionary.insertEntries(std::move(entries));
}
