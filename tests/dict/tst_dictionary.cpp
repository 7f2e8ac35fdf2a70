#include "dict/dictionary.h"

#include <QRandomGenerator>
#include <QTest>

#include <climits>

namespace {

Entry entry(const QString &word, const QString &translation, int id)
{
    return Entry(word, translation, id);
}

QStringList words(const QList<Entry> &entries)
{
    QStringList out;
    for (const Entry &e : entries)
        out.append(e.word());
    return out;
}

QStringList storedKeys(const Dictionary &dict)
{
    QStringList keys;
    for (int i = 0; i < dict.count(); ++i)
        keys.append(dict.entryAt(i)->searchKey());
    return keys;
}

// The plain walk over all entries that the binary search must agree with.
int walkLongestPrefix(const Dictionary &dict, const QString &text, int &matchLength)
{
    int best = 0;
    matchLength = 0;
    for (int i = 0; i < dict.count(); ++i) {
        const QString &key = dict.entryAt(i)->searchKey();
        int n = 0;
        while (n < qMin(text.size(), key.size()) && text[n] == key[n])
            ++n;
        if (n == text.size()) {
            matchLength = int(key.size());
            return i;
        }
        if (n > best) {
            best = n;
            matchLength = int(key.size());
        } else if (n < best) {
            break;
        }
    }
    return -1;
}

QString randomWord(QRandomGenerator &random, int maxLength)
{
    static const QString letters = QStringLiteral("abcd");
    QString w;
    const int length = int(random.bounded(maxLength + 1));
    for (int i = 0; i < length; ++i)
        w += letters[random.bounded(int(letters.size()))];
    return w;
}

} // namespace

class TestDictionary : public QObject
{
    Q_OBJECT

private slots:
    void keepsKeyOrderAndPlacesEqualKeys();
    void bulkInsertionEqualsOneByOne();
    void addOrReplaceGivesIdsAfterTheLargest();
    void addingRefusesWhenNoIdIsLeft();
    void replaceKeepsPositionOfUnchangedKey();
    void replaceWithChangedWordKeepsListSorted();
    void findExact();
    void findByMeaningVisitsMostRecentFirst();
    void meaningIndexFollowsReplaceAndDelete();
    void longestPrefixMatchesWalkOnRandomData();
    void userLanguages();
};

void TestDictionary::keepsKeyOrderAndPlacesEqualKeys()
{
    Dictionary dict;
    dict.insertEntry(entry("b", "1", 1));
    dict.insertEntry(entry("d", "2", 2));
    dict.insertEntry(entry("a", "3", 3));
    dict.insertEntry(entry("c", "4", 4));
    QCOMPARE(storedKeys(dict), QStringList({"a", "b", "c", "d"}));

    // an equal key lands after its equals, except next to the last entry
    dict.insertEntry(entry("B", "5", 5));
    QCOMPARE(dict.entryAt(2)->id(), 5);
    dict.insertEntry(entry("D", "6", 6));
    QCOMPARE(dict.entryAt(4)->id(), 6);
    QCOMPARE(dict.entryAt(5)->id(), 2);
}

// Loading, importing and merging insert many entries at once; the store
// must end up exactly as after inserting them one by one, the order of
// equal keys and of the meaning index included.
void TestDictionary::bulkInsertionEqualsOneByOne()
{
    auto ids = [](const Dictionary &dict) {
        QList<int> out;
        for (int i = 0; i < dict.count(); ++i)
            out.append(dict.entryAt(i)->id());
        return out;
    };
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator random(seed);
        Dictionary single;
        Dictionary bulk;
        int id = 0;
        // sometimes a store that already holds entries
        for (int i = int(random.bounded(4)) * 5; i > 0; --i) {
            const Entry e = entry(randomWord(random, 2), randomWord(random, 1), ++id);
            single.insertEntry(e);
            bulk.insertEntry(e);
        }
        std::vector<Entry> batch;
        for (int i = int(random.bounded(1, 60)); i > 0; --i) {
            batch.push_back(entry(randomWord(random, 3), randomWord(random, 1), ++id));
            single.insertEntry(batch.back());
        }
        bulk.insertEntries(batch);
        QCOMPARE(ids(bulk), ids(single));
        for (const QString meaning : {"", "a", "b"})
            QCOMPARE(words(bulk.findByMeaning(meaning)), words(single.findByMeaning(meaning)));
        QCOMPARE(bulk.maxId(), single.maxId());
    }
}

void TestDictionary::addingRefusesWhenNoIdIsLeft()
{
    Dictionary dict;
    dict.insertEntry(entry("last", "id", INT_MAX));
    QCOMPARE(dict.addOrReplace(entry("one", "more", 0)), 0);
    QCOMPARE(dict.count(), 1);
    QVERIFY(!dict.errorString().isEmpty());
    QCOMPARE(dict.nextId(), 0);
}

void TestDictionary::addOrReplaceGivesIdsAfterTheLargest()
{
    Dictionary source;
    source.insertEntry(entry("x", "x", 41));
    source.insertEntry(entry("y", "y", 3));
    Dictionary dict;
    QVERIFY(dict.readFrom(source.toBytes()));
    QCOMPARE(dict.maxId(), 41);
    QCOMPARE(dict.addOrReplace(entry("new", "one", 0)), 42);
    QCOMPARE(dict.addOrReplace(entry("newer", "two", 0)), 43);
    QCOMPARE(dict.nextId(), 44);
    QCOMPARE(dict.maxId(), 44);
}

void TestDictionary::replaceKeepsPositionOfUnchangedKey()
{
    Dictionary dict;
    dict.insertEntry(entry("a", "first", 1));
    dict.insertEntry(entry("b", "second", 2));
    dict.insertEntry(entry("c", "third", 3));
    Entry changed = entry("B", "changed", 2);
    changed.setLearnCounters(4, 5);
    QCOMPARE(dict.addOrReplace(changed), 2);
    QCOMPARE(dict.count(), 3);
    QCOMPARE(dict.entryAt(1)->word(), QStringLiteral("B"));
    QCOMPARE(dict.entryAt(1)->learnedBackward(), qint8(5));
}

void TestDictionary::replaceWithChangedWordKeepsListSorted()
{
    Dictionary dict;
    for (const char *w : {"apple", "banana", "cherry", "date"})
        dict.addOrReplace(entry(w, w, 0));
    QVERIFY(dict.replaceEntry(entry("zucchini", "vegetable", 1)));
    QCOMPARE(storedKeys(dict), QStringList({"banana", "cherry", "date", "zucchini"}));
    // lookups by binary search still find every entry
    QCOMPARE(dict.findExact("zucchini").size(), 1);
    QCOMPARE(dict.findExact("banana").size(), 1);
    int length = 0;
    QCOMPARE(dict.findLongestPrefix("zu", length), 3);
}

void TestDictionary::findExact()
{
    Dictionary dict;
    dict.insertEntry(entry(QString::fromUtf8("סֵפֶר"), "book", 1));
    dict.insertEntry(entry(QString::fromUtf8("סְפַר"), "border", 2));
    dict.insertEntry(entry(QString::fromUtf8("סַפָּר"), "barber", 3));
    dict.insertEntry(entry(QString::fromUtf8("סִפְרוּת"), "literature", 4));
    QCOMPARE(dict.findExact(QString::fromUtf8("ספר")).size(), 3);
    QCOMPARE(dict.findExact(QString::fromUtf8("סֵפֶר"), 2).size(), 2);
    QVERIFY(dict.findExact("123").isEmpty());
    QVERIFY(dict.findExact(QString::fromUtf8("ספ")).isEmpty());
    QCOMPARE(dict.entryForChar(QChar(0x05E1)).id(), 0);
    dict.insertEntry(entry(QString::fromUtf8("ס"), "letter", 5));
    QCOMPARE(dict.entryForChar(QChar(0x05E1)).id(), 5);
}

void TestDictionary::findByMeaningVisitsMostRecentFirst()
{
    Dictionary dict;
    dict.insertEntry(entry("a", "big, large", 1));
    dict.insertEntry(entry("b", "great; big", 2));
    dict.insertEntry(entry("c", "big (size)", 3));
    QCOMPARE(words(dict.findByMeaning("big")), QStringList({"c", "b", "a"}));
    QCOMPARE(words(dict.findByMeaning("big", 2)), QStringList({"c", "b"}));
    QVERIFY(dict.findByMeaning("size").isEmpty());
    QVERIFY(dict.findByMeaning("Big").isEmpty());
}

void TestDictionary::meaningIndexFollowsReplaceAndDelete()
{
    Dictionary dict;
    dict.insertEntry(entry("a", "cold, chilly", 1));
    dict.insertEntry(entry("b", "cold", 2));
    // the editor stores an edited entry by deleting and re-adding it
    QVERIFY(dict.deleteEntry(Entry(1)));
    dict.addOrReplace(entry("a", "cool, cold", 1));
    QCOMPARE(words(dict.findByMeaning("cold")), QStringList({"a", "b"}));
    QVERIFY(dict.findByMeaning("chilly").isEmpty());
    QCOMPARE(words(dict.findByMeaning("cool")), QStringList({"a"}));

    QVERIFY(dict.replaceEntry(entry("b", "freezing", 2)));
    QCOMPARE(words(dict.findByMeaning("cold")), QStringList({"a"}));
    QCOMPARE(words(dict.findByMeaning("freezing")), QStringList({"b"}));
}

void TestDictionary::longestPrefixMatchesWalkOnRandomData()
{
    QRandomGenerator random(4711);
    for (int round = 0; round < 200; ++round) {
        Dictionary dict;
        const int size = int(random.bounded(0, 40));
        for (int i = 0; i < size; ++i)
            dict.addOrReplace(entry(randomWord(random, 6), "m", 0));
        for (int q = 0; q < 30; ++q) {
            // capitals never match: keys are lower case
            const QString text = q % 5 == 0 ? randomWord(random, 7).toUpper() : randomWord(random, 7);
            int walkLength = 0;
            int searchLength = 0;
            const int walked = walkLongestPrefix(dict, text, walkLength);
            QCOMPARE(dict.findLongestPrefix(text, searchLength), walked);
            QCOMPARE(searchLength, walkLength);
        }
    }
}

void TestDictionary::userLanguages()
{
    Dictionary dict;
    QCOMPARE(dict.userLanguageCodes(), QStringList({"en"}));
    QVERIFY(dict.setUserLanguages({"en", "de"}));
    QCOMPARE(dict.attribute("USER"), QStringLiteral("en,de"));
    QVERIFY(!dict.setUserLanguages({"de"}));
    QVERIFY(!dict.setUserLanguages({"de", "en", "fr"}));
    QCOMPARE(dict.attribute("USER"), QStringLiteral("en,de"));
    QCOMPARE(dict.userLanguageNames(), QStringList({"English", "Deutsch"}));
    QCOMPARE(dict.userLanguageName(1), QStringLiteral("Deutsch"));
    QCOMPARE(dict.userLanguageName(2), QString());
    dict.setAttribute("USER", "en,,xx");
    QCOMPARE(dict.userLanguageNames(), QStringList({"English", "", "xx"}));
    dict.setAttribute("USER", QString());
    QVERIFY(!dict.attributes().contains("USER"));
}

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
