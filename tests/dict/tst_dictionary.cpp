#include "model/dictionary.h"
#include "files/dictionaryfile.h"

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

QList<int> idsOf(const QList<Entry> &entries)
{
    QList<int> out;
    for (const Entry &e : entries)
        out.append(e.id());
    std::sort(out.begin(), out.end());
    return out;
}

int placeOf(const Dictionary &dict, int id)
{
    for (int i = 0; i < dict.count(); ++i) {
        if (dict.entryAt(i).id() == id)
            return i;
    }
    return -1;
}

QStringList storedKeys(const Dictionary &dict)
{
    QStringList keys;
    for (int i = 0; i < dict.count(); ++i)
        keys.append(dict.entryAt(i).searchKey());
    return keys;
}

// The plain walk over all entries that the binary search must agree with.
int walkLongestPrefix(const Dictionary &dict, const QString &text, int &matchLength)
{
    int best = 0;
    matchLength = 0;
    for (int i = 0; i < dict.count(); ++i) {
        const QString &key = dict.entryAt(i).searchKey();
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
    void addingRefusesWhenNoIdIsLeft();
    void editsKeepTheStoreConsistent();
    void findExact();
    void findByMeaningVisitsMostRecentFirst();
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
    QCOMPARE(dict.entryAt(2).id(), 5);
    dict.insertEntry(entry("D", "6", 6));
    QCOMPARE(dict.entryAt(4).id(), 6);
    QCOMPARE(dict.entryAt(5).id(), 2);
}

// Loading, importing and merging insert many entries at once; the store
// must end up exactly as after inserting them one by one, the order of
// equal keys and of the meaning index included.
void TestDictionary::bulkInsertionEqualsOneByOne()
{
    auto ids = [](const Dictionary &dict) {
        QList<int> out;
        for (int i = 0; i < dict.count(); ++i)
            out.append(dict.entryAt(i).id());
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
        for (int i = int(random.bounded(1, 60)); i > 0; --i)
            batch.push_back(entry(randomWord(random, 3), randomWord(random, 1), ++id));
        // sometimes in key order, as a saved file holds them
        if (seed % 2 == 0) {
            std::stable_sort(batch.begin(), batch.end(),
                [](const Entry &a, const Entry &b) { return compareSearchKeys(a.word(), b.word()) < 0; });
        }
        for (const Entry &e : batch)
            single.insertEntry(e);
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
    const Result<int> added = dict.addOrReplace(entry("one", "more", 0));
    QVERIFY(!added);
    QCOMPARE(dict.count(), 1);
    QVERIFY(!added.errorString().isEmpty());
    QCOMPARE(dict.nextId(), 0);
}

// Random additions, edits and deletions, checked after each step against a
// plain map of what the store should hold: keys stay sorted, an edit keeps
// its id (and its place while the key is unchanged), new ids follow the
// largest, and every entry is found by its word and by each of its meanings,
// the most recently stored first.
void TestDictionary::editsKeepTheStoreConsistent()
{
    Dictionary loaded;
    loaded.insertEntry(entry("x", "a", 41));
    loaded.insertEntry(entry("y", "b", 3));
    Dictionary dict;
    QCOMPARE(DictionaryFile().read(DictionaryFile::toBytes(loaded), dict), DictionaryFile::Status::Ok);
    int next = 42;
    QMap<int, Entry> expected{{41, entry("x", "a", 41)}, {3, entry("y", "b", 3)}};
    QList<int> storedOrder{41, 3};
    QRandomGenerator random(12);
    auto meaning = [&random] {
        return QStringLiteral("%1, %2").arg(QChar(u'a' + random.bounded(3)), QChar(u'a' + random.bounded(3)));
    };
    for (int step = 0; step < 400; ++step) {
        const QList<int> ids = expected.keys();
        const int op = ids.isEmpty() ? 0 : int(random.bounded(5)); // 0, 1: add; 2: edit; 3: new meaning; 4: delete
        const int id = op < 2 ? 0 : ids[random.bounded(int(ids.size()))];
        if (op < 3) {
            const QString word = QStringLiteral("w") + randomWord(random, 2);
            const Entry e = entry(random.bounded(2) ? word.toUpper() : word, meaning(), id);
            // the editor's path and the plain replacement must agree
            const int stored
                = op == 2 && random.bounded(2) ? (dict.replaceEntry(e) ? id : -1) : dict.addOrReplace(e).value();
            QCOMPARE(stored, id == 0 ? next++ : id);
            expected.insert(stored, entry(e.word(), e.translation(), stored));
            storedOrder.removeOne(stored);
            storedOrder.append(stored);
        } else if (op == 3) {
            const int place = placeOf(dict, id);
            expected[id].setTranslation(meaning());
            QVERIFY(dict.replaceEntry(expected[id]));
            QCOMPARE(placeOf(dict, id), place);
            storedOrder.removeOne(id);
            storedOrder.append(id);
        } else {
            QVERIFY(dict.deleteEntry(Entry(id)));
            expected.remove(id);
            storedOrder.removeOne(id);
        }
        QCOMPARE(dict.count(), expected.size());
        const QStringList keys = storedKeys(dict);
        QVERIFY(std::is_sorted(keys.begin(), keys.end()));
        for (const Entry &e : expected) {
            QCOMPARE(dict.entryById(e.id()).word(), e.word());
            QCOMPARE(dict.entryById(e.id()).translation(), e.translation());
            QVERIFY(idsOf(dict.findExact(e.word())).contains(e.id()));
        }
        // now and then only, so that entries stored in between wait together
        for (const QString m : {"a", "b", "c"}) {
            if (step % 3 != 0)
                break;
            QList<int> withMeaning;
            for (auto it = storedOrder.crbegin(); it != storedOrder.crend(); ++it) {
                if (splitMeanings(expected[*it].translation()).contains(m))
                    withMeaning.append(*it);
            }
            QList<int> found;
            for (const Entry &e : dict.findByMeaning(m))
                found.append(e.id());
            QCOMPARE(found, withMeaning);
        }
    }
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

void TestDictionary::longestPrefixMatchesWalkOnRandomData()
{
    QRandomGenerator random(4711);
    for (int round = 0; round < 200; ++round) {
        Dictionary dict;
        const int size = int(random.bounded(0, 40));
        for (int i = 0; i < size; ++i)
            QVERIFY(dict.addOrReplace(entry(randomWord(random, 6), "m", 0)));
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
    dict.setAttribute("USER", QString());
    QVERIFY(!dict.attributes().contains("USER"));
}

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
