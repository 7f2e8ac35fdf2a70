#include "formats/compactstring.h"
#include "model/entry.h"
#include "model/entryarena.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTest>

namespace {

// Every field of an entry, for comparing whole entries.
QString fields(const Entry &e)
{
    QStringList out = {QString::number(e.id()), QString::number(e.wordType()), QString::number(e.flags()),
        QString::number(e.learnedForward()), QString::number(e.learnedBackward()), e.word(), e.translation()};
    for (const Entry::KeyedText &t : e.texts())
        out << QString::number(t.key) + u'=' + t.text;
    return out.join(u'|');
}

} // namespace

class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void searchKey_data();
    void searchKey();
    void keyComparisonsAgreeWithTheKeys();
    void splitMeanings_data();
    void splitMeanings();
    void userTranslationFallsBack();
    void arenaGivesBackWhatWasStored();
};

// clang-format off
void TestEntry::searchKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("latin") << "Hello, World!" << "helloworld";
    QTest::newRow("digits only") << "123" << "";
    QTest::newRow("pointed hebrew") << QString::fromUtf8("שָׁלוֹם") << QString::fromUtf8("שלום");
    QTest::newRow("cyrillic") << QString::fromUtf8("Москва") << QString::fromUtf8("москва");
    QTest::newRow("hebrew phrase") << QString::fromUtf8("בּוֹקֶר טוֹב") << QString::fromUtf8("בוקרטוב");
    QTest::newRow("yo as ye") << QString::fromUtf8("ёлка") << QString::fromUtf8("елка");
    QTest::newRow("capital yo, stress mark") << QString::fromUtf8("Ёжи́к") << QString::fromUtf8("ежик");
    QTest::newRow("arabic harakat and shadda") << QString::fromUtf8("مُدَرِّس") << QString::fromUtf8("مدرس");
}
// clang-format on

void TestEntry::searchKey()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QCOMPARE(makeSearchKey(text), key);
}

// Every way of comparing keys, on plain and on compact-encoded words, says
// what comparing the keys made whole says: the encodings' escapes (another
// high byte, a low byte 00) among letters, points and other units, and ё,
// which sorts as е, beside е, the letter after it and a stress mark.
void TestEntry::keyComparisonsAgreeWithTheKeys()
{
    const QStringList pieces
        = {"a", "B", "1", QString::fromUtf8("ס"), QString::fromUtf8("סֵ"), QString::fromUtf16(u"\u0400"),
            QString::fromUtf16(u"\u0401"), QString::fromUtf16(u"\u0100"), QString::fromUtf16(u"\u0600"),
            QString::fromUtf8("ё"), QString::fromUtf8("е"), QString::fromUtf8("ж"), QString::fromUtf8("я\u0301")};
    QRandomGenerator random(3);
    const auto randomText = [&] {
        QString text;
        for (int n = random.bounded(5); n > 0; --n)
            text += pieces[random.bounded(int(pieces.size()))];
        return text;
    };
    const auto sign = [](int n) { return (n > 0) - (n < 0); };
    for (int i = 0; i < 3000; ++i) {
        const QString a = randomText();
        const QString b = i % 3 ? a.left(random.bounded(int(a.size()) + 1)) + randomText() : randomText();
        const int expected = sign(makeSearchKey(a).compare(makeSearchKey(b)));
        QCOMPARE(sign(compareSearchKeys(a, b)), expected);
        QCOMPARE(sign(compareCompactSearchKeys(encodeCompact(a), encodeCompact(b))), expected);
        QCOMPARE(sign(compareSearchKey(a, makeSearchKey(b))), expected);
        QCOMPARE(sign(compareCompactSearchKey(encodeCompact(a), makeSearchKey(b))), expected);
    }
}

// clang-format off
void TestEntry::splitMeanings_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QStringList>("meanings");
    QTest::newRow("commas, semicolon, parentheses") << "to go (on foot), to walk; leave" << QStringList{"to go", "to walk", "leave"};
    QTest::newRow("piece trimming to empty") << "a, (x), b" << QStringList{"a", "", "b"};
    QTest::newRow("all in parentheses") << "(only a note)" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("separators only") << ",;," << QStringList{};
    QTest::newRow("unclosed parenthesis drops the rest") << "house (big, old" << QStringList{"house"};
    QTest::newRow("single") << " word " << QStringList{"word"};
}
// clang-format on

void TestEntry::splitMeanings()
{
    QFETCH(QString, translation);
    QFETCH(QStringList, meanings);
    QCOMPARE(::splitMeanings(translation), meanings);
}

// Where a user language has no text: the main translation only when asked
// for, and the caller learns it through k.
void TestEntry::userTranslationFallsBack()
{
    Entry e(QStringLiteral("x"), QStringLiteral("house"), 1);
    e.setText(Entry::TextUserBase + 1, QStringLiteral("Haus"));
    QCOMPARE(e.userTranslation(2, true), QStringLiteral("house"));
    QCOMPARE(e.userTranslation(2, false), QString());
    for (int k : {1, 3}) {
        const QString text = e.userTranslation(k);
        QCOMPARE(text + QString::number(k), k == 1 ? QStringLiteral("Haus1") : QStringLiteral("house0"));
    }
}

// Random additions, replacements (enough to pack the texts several times)
// and removals: every stored entry reads back whole, as value and as view.
void TestEntry::arenaGivesBackWhatWasStored()
{
    QRandomGenerator random(3);
    const auto text = [&random](int maxLength) {
        QString t;
        for (int n = int(random.bounded(maxLength + 1)); n > 0; --n)
            t += QChar(random.bounded(2) ? u'a' + random.bounded(26) : 0x05D0 + random.bounded(27));
        return t;
    };
    const auto randomEntry = [&] {
        Entry e(int(random.bounded(-5, 100000)));
        e.setWord(text(12));
        e.setTranslation(text(60));
        e.setWordType(int(random.bounded(0x10000)));
        e.setFlags(random.generate());
        e.setLearnCounters(qint8(random.bounded(-128, 128)), qint8(random.bounded(-128, 128)));
        for (int n = int(random.bounded(4)); n > 0; --n)
            e.appendText(random.generate(), text(20));
        return e;
    };
    EntryArena arena;
    QMap<EntryArena::Handle, Entry> stored;
    for (int step = 0; step < 3000; ++step) {
        const int action = stored.size() < 20 ? 0 : int(random.bounded(3));
        const EntryArena::Handle some = stored.keys().value(int(random.bounded(int(stored.size()) + 1)));
        if (action == 0) {
            const Entry e = randomEntry();
            stored.insert(arena.add(e), e);
        } else if (action == 1 && stored.contains(some)) {
            const Entry e = randomEntry();
            arena.replace(some, e);
            stored[some] = e;
        } else if (stored.contains(some)) {
            arena.remove(some);
            stored.remove(some);
        }
    }
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        QCOMPARE(fields(arena.entry(it.key())), fields(*it));
        const EntryArena::View view = arena.view(it.key());
        QCOMPARE(view.word, it->word());
        QCOMPARE(view.learnedBackward, it->learnedBackward());
        QStringList texts;
        view.forEachText([&texts](quint32 key, QStringView t) { texts << QString::number(key) + u'=' + t.toString(); });
        QCOMPARE(texts.size(), it->texts().size());
        QVERIFY(fields(*it).endsWith(texts.join(u'|')));
    }
}

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
