#include "../testfiles.h"

#include "formats/compactstring.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "formats/filelookup.h"
#include "formats/idset.h"
#include "formats/indexedlookup.h"
#include "formats/recordcodec.h"
#include "formats/recordreader.h"
#include "formats/recordwriter.h"
#include "formats/storeindexfile.h"
#include "formats/tsvformat.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <climits>
#include <cstring>
#include <sys/stat.h>

namespace {

// Hex digits; spaces and bars only group them for the eye.
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray header(const char *version)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s << version; // length with the zero byte, the text, the zero byte
    return out;
}

QByteArray v33Header()
{
    return header("DICT V3.3") + hex("00000000");
}

Entry sampleEntry()
{
    Entry e(QString::fromUtf8("מִילָּה"), QStringLiteral("word, term"), 12);
    e.setWordType(Entry::Noun);
    e.setFlags(Entry::FlagFeminine | Entry::FlagSingular | Entry::FlagIsName);
    e.appendText(Entry::TextPlural, QString::fromUtf8("מִילִּים"));
    e.appendText(Entry::TextUserBase + 1, QStringLiteral("Wort"));
    e.appendText(Entry::TextLegacy, QString());
    e.setLearnCounters(100, -1);
    return e;
}

// The ids and words of entries, in their order.
QStringList dumpOf(const QList<Entry> &entries)
{
    QStringList out;
    for (const Entry &e : entries)
        out.append(QString::number(e.id()) + u' ' + e.word());
    return out;
}

} // namespace

class TestDictionaryFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void workedExampleBytes();
    void compactEncoding_data();
    void compactEncoding();
    void overlongTextIsShortenedAndFileReadsBackWhole();
    void writeReadRoundTripKeepsEveryField();
    void olderVersions_data();
    void olderVersions();
    void loadStatus_data();
    void loadStatus();
    void damagedFileIsKeptOnFirstSave();
    void hostileBytesNeverCrash_data();
    void hostileBytesNeverCrash();
    void failedSaveLeavesOldFileIntact();
    void onlyRegularFilesOfTheFolder_data();
    void onlyRegularFilesOfTheFolder();
    void lookupWithoutLoadingAgreesWithTheStore();
    void importWithoutTheStoreAgreesWithTheStore();
    void idSetAgreesWithAPlainSet();
    void openingReadsWhatEachRecordHolds();
    void storeCache_data();
    void storeCache();
    void storeCacheKeepsTheCopiesUsedLast();

private:
    QTemporaryDir m_dir;
};

// Damaged files are the point here; their warnings would only be noise.
void TestDictionaryFile::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("verbalon.dict.warning=false"));
}

void TestDictionaryFile::init()
{
    QVERIFY(m_dir.isValid());
}

void TestDictionaryFile::workedExampleBytes()
{
    Dictionary dict;
    dict.setAttribute(QStringLiteral("NAME"), QStringLiteral("Hebrew"));
    Entry e(QString::fromUtf8("מילה"), QStringLiteral("word"), 7);
    e.setWordType(Entry::Noun);
    e.setFlags(6);
    dict.insertEntry(e);

    const QByteArray expected = hex("0000000A 44494354205633 2E33 00"
                                    "0000000C")
        + QByteArray("NAME: Hebrew") + hex("00000000")
        + hex("00000007 | 0001 | 00000006 | 0006 0005DED9DCD4 | 0004 776F7264 | 0000 | FF | FF");
    QCOMPARE(DictionaryFile::toBytes(dict), expected);
}

void TestDictionaryFile::compactEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii, one byte each") << "word" << hex("776F7264");
    QTest::newRow("mixed scripts") << QString::fromUtf16(u"\u05D0 \u05D1") << hex("0005D0 000020 0005D1");
    QTest::newRow("U+0000") << QString(QChar(0)) << hex("000000");
    QTest::newRow("empty") << "" << QByteArray();
    // a unit with low byte 00 under an unchanged high byte gets its escape
    QTest::newRow("U+0400 after U+0401") << QString::fromUtf16(u"\u0401\u0400") << hex("000401 000400");
    QTest::newRow("U+0600 inside arabic") << QString::fromUtf16(u"\u0628\u0600\u0628") << hex("000628 000600 28");
    QTest::newRow("U+2000 after U+2001") << QString::fromUtf16(u"\u2001\u2000x") << hex("002001 002000 000078");
    QTest::newRow("U+0100 after ascii") << QString::fromUtf16(u"a\u0100") << hex("61 000100");
}

void TestDictionaryFile::compactEncoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeCompact(text), bytes);
    QCOMPARE(decodeCompact(bytes.constData(), bytes.size()), text);
}

void TestDictionaryFile::overlongTextIsShortenedAndFileReadsBackWhole()
{
    // Hebrew letters separated by spaces cost three bytes each
    QString longText;
    for (int i = 0; i < 30000; ++i)
        longText += QString::fromUtf16(u"\u05D0 ");
    longText += QString::fromUtf16(u"\U0001F600");
    Dictionary dict;
    Entry big(QStringLiteral("big"), longText, 1);
    big.setText(Entry::TextPlural, QStringLiteral("kept"));
    dict.insertEntry(big);
    dict.insertEntry(Entry(QStringLiteral("next"), QStringLiteral("after"), 2));

    Dictionary back;
    QCOMPARE(DictionaryFile().read(DictionaryFile::toBytes(dict), back), DictionaryFile::Status::Ok);
    QCOMPARE(back.count(), 2);
    const Entry read = back.entryById(1);
    QVERIFY(longText.startsWith(read.translation()));
    QVERIFY(encodeCompact(read.translation()).size() <= 0xFFFF);
    QVERIFY(encodeCompact(read.translation()).size() > 0xFFFF - 6);
    QCOMPARE(read.text(Entry::TextPlural), QStringLiteral("kept"));
    QCOMPARE(back.entryById(2).translation(), QStringLiteral("after"));
}

void TestDictionaryFile::writeReadRoundTripKeepsEveryField()
{
    Dictionary dict;
    dict.setAttribute(QStringLiteral("NAME"), QStringLiteral("Hebrew"));
    dict.setAttribute(QStringLiteral("TYPE"), QStringLiteral("he_IL"));
    dict.setAttribute(QStringLiteral("USER"), QStringLiteral("en,de"));
    dict.insertEntry(sampleEntry());
    Entry other(QStringLiteral("zzz"), QStringLiteral("last; one"), 41);
    other.setWordType(300); // outside the known types, still kept
    other.setFlags(0xFFFFFFFFu);
    other.setLearnCounters(-128, 127);
    dict.insertEntry(other);
    dict.insertEntry(Entry(QStringLiteral("ghost"), QStringLiteral("never written"), 0));

    const QString path = m_dir.filePath("round.dic");
    QVERIFY(DictionaryFile(path).save(dict));

    Dictionary back;
    DictionaryFile file(path);
    QCOMPARE(file.load(back), DictionaryFile::Status::Ok);
    QCOMPARE(file.version(), QStringLiteral("DICT V3.3"));
    QCOMPARE(back.attributes(), dict.attributes());
    QCOMPARE(back.maxId(), 41);
    Dictionary written;
    written.insertEntry(sampleEntry());
    written.insertEntry(other);
    QCOMPARE(dump(back), dump(written));
}

void TestDictionaryFile::olderVersions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("entries");

    // V3.0 records have no id: they get fresh ones; the note is kept as a legacy text
    QByteArray v30 = header("DICT V3.0");
    {
        QDataStream s(&v30, QIODevice::Append);
        s << QString::fromUtf8("בַּיִת") << QStringLiteral("old note") << QStringLiteral("house");
        s << QString::fromUtf8("סֵפֶר") << QString() << QStringLiteral("book");
    }
    QTest::newRow("V3.0") << v30 << "DICT V3.0"
                          << QStringList{QString::fromUtf8("1 0 0 -1 -1 בַּיִת בית house 1=old note"),
                                 QString::fromUtf8("2 0 0 -1 -1 סֵפֶר ספר book")};

    QByteArray v31 = header("DICT V3.1");
    {
        QDataStream s(&v31, QIODevice::Append);
        s << qint32(9) << quint16(2) << quint32(64) << QString::fromUtf8("כָּתַב") << QStringLiteral("to write")
          << quint16(1) << quint16(2) << QString::fromUtf8("לִכְתּוֹב");
    }
    QTest::newRow("V3.1") << v31 << "DICT V3.1"
                          << QStringList{QString::fromUtf8("9 2 64 -1 -1 כָּתַב כתב to write 2=לִכְתּוֹב")};

    const QByteArray v32 = header("DICT V3.2") + hex("00000009 0002 00000040 0008 0005DB B8 BC EA B7 D1") + hex("0008")
        + "to write" + hex("0001 0002 0003 0005DC") + hex("05 FF");
    QTest::newRow("V3.2") << v32 << "DICT V3.2" << QStringList{QString::fromUtf8("9 2 64 5 -1 כָּתַב כתב to write 2=ל")};
}

// Saved again, an older file is V3.3 with the default attributes written out.
void TestDictionaryFile::olderVersions()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, version);
    QFETCH(QStringList, entries);
    Dictionary dict;
    DictionaryFile older;
    QCOMPARE(older.read(file, dict), DictionaryFile::Status::Ok);
    QCOMPARE(older.version(), version);
    QCOMPARE(dict.name(), QStringLiteral("Hebrew"));
    QCOMPARE(dict.type(), QStringLiteral("he_IL"));
    QCOMPARE(dump(dict), entries);
    Dictionary back;
    DictionaryFile current;
    QCOMPARE(current.read(DictionaryFile::toBytes(dict), back), DictionaryFile::Status::Ok);
    QCOMPARE(current.version(), QStringLiteral("DICT V3.3"));
    QCOMPARE(back.attributes(), dict.attributes());
    QCOMPARE(dump(back), entries);
}

void TestDictionaryFile::loadStatus_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<DictionaryFile::Status>("status");
    QTest::addColumn<int>("count");
    QTest::newRow("good") << "good.dic" << DictionaryFile::Status::Ok << 2;
    QTest::newRow("missing") << "missing.dic" << DictionaryFile::Status::Missing << 0;
    QTest::newRow("a folder") << "folder.dic" << DictionaryFile::Status::Unreadable << 0;
    QTest::newRow("junk after the records") << "junk.dic" << DictionaryFile::Status::Damaged << 2;
    QTest::newRow("a newer version") << "v4.dic" << DictionaryFile::Status::UnknownVersion << 0;
    QTest::newRow("store not empty") << "good.dic" << DictionaryFile::Status::NotEmpty << 1;
    QTest::newRow("more entries than allowed") << "good.dic" << DictionaryFile::Status::TooManyEntries << 0;
    QTest::newRow("a header without end") << "lines.dic" << DictionaryFile::Status::Damaged << 0;
    QTest::newRow("a record of 60000 texts") << "texts.dic" << DictionaryFile::Status::Damaged << 2;
}

void TestDictionaryFile::loadStatus()
{
    QFETCH(QString, file);
    QFETCH(DictionaryFile::Status, status);
    Dictionary good;
    good.insertEntry(Entry(QStringLiteral("a"), QStringLiteral("b"), 1));
    good.insertEntry(Entry(QStringLiteral("c"), QStringLiteral("d"), 2));
    QVERIFY(DictionaryFile(m_dir.filePath("good.dic")).save(good));
    writeFile(m_dir.filePath("junk.dic"), DictionaryFile::toBytes(good) + hex("00000000 0001"));
    QVERIFY(QDir(m_dir.path()).mkpath("folder.dic"));
    writeFile(m_dir.filePath("v4.dic"), header("DICT V4.0") + hex("00000000"));
    // as many header lines as a hostile file may hold, and a record claiming
    // tens of thousands of empty texts after a good one
    writeFile(m_dir.filePath("lines.dic"), header("DICT V3.3") + hex("00000001 41").repeated(5000) + hex("00000000"));
    writeFile(m_dir.filePath("texts.dic"),
        DictionaryFile::toBytes(good) + hex("00000009 0001 00000000 0001 61 0001 62 ea60")
            + hex("0011 0000").repeated(60000) + hex("ffff"));

    Dictionary dict;
    if (status == DictionaryFile::Status::NotEmpty)
        dict.insertEntry(Entry(QStringLiteral("x"), QStringLiteral("y"), 5));
    DictionaryFile dictionaryFile(m_dir.filePath(file));
    if (status == DictionaryFile::Status::TooManyEntries)
        dictionaryFile.setMaxEntries(1);
    QCOMPARE(dictionaryFile.load(dict), status);
    QTEST(dict.count(), "count");
    QCOMPARE(dict.isModified(), status == DictionaryFile::Status::NotEmpty);
    QCOMPARE(dictionaryFile.damageOffset() >= 0, status == DictionaryFile::Status::Damaged);
    if (status != DictionaryFile::Status::Ok)
        QVERIFY(!dictionaryFile.errorString().isEmpty() || status == DictionaryFile::Status::Damaged);
}

// What a damaged file held is never lost: the first save keeps its bytes
// beside it, later saves leave that copy alone, and an older copy is never
// replaced.
void TestDictionaryFile::damagedFileIsKeptOnFirstSave()
{
    const QString path = m_dir.filePath("damaged.dic");
    Dictionary source;
    for (int i = 1; i <= 5; ++i)
        source.insertEntry(Entry(QStringLiteral("word%1").arg(i), QStringLiteral("m"), i));
    QByteArray bytes = DictionaryFile::toBytes(source);
    for (qsizetype i = 40; i < bytes.size(); i += 7)
        bytes[i] = char(0xA5);
    writeFile(path, bytes);
    writeFile(path + ".damaged", "an older copy");

    Dictionary dict;
    DictionaryFile file(path);
    QCOMPARE(file.load(dict), DictionaryFile::Status::Damaged);
    QVERIFY(dict.addOrReplace(Entry(QStringLiteral("new"), QStringLiteral("word"), 0)).value() > 0);
    QVERIFY(file.save(dict));
    QCOMPARE(readAll(path + ".damaged.2"), bytes);
    QCOMPARE(readAll(path + ".damaged"), QByteArray("an older copy"));
    QVERIFY(file.save(dict));
    QVERIFY(!QFile::exists(path + ".damaged.3"));

    Dictionary back;
    QCOMPARE(DictionaryFile(path).load(back), DictionaryFile::Status::Ok);
    QCOMPARE(back.count(), dict.count());
}

void TestDictionaryFile::hostileBytesNeverCrash_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("huge version length") << hex("FFFFFFF0 44494354");
    QTest::newRow("huge attribute length") << header("DICT V3.3") + hex("7FFFFFFF 41");
    QTest::newRow("huge V3.1 string") << header("DICT V3.1") + hex("00000001 0001 00000000 7FFFFFFE 0041");
    QTest::newRow("odd V3.1 string") << header("DICT V3.1") + hex("00000001 0001 00000000 00000003 004100");
    QTest::newRow("text count beyond data") << v33Header() + hex("00000001 0001 00000000 0001 41 0001 42 FFFF 0002");
    QTest::newRow("compact length beyond data") << v33Header() + hex("00000001 0001 00000000 FFFF 41");
    QTest::newRow("escape cut off") << v33Header() + hex("00000001 0001 00000000 0002 0005");
}

// Whatever the bytes, what loads is saved whole and reads back the same;
// the fuzz target tries random bytes, these rows the shapes most likely to hurt.
void TestDictionaryFile::hostileBytesNeverCrash()
{
    QFETCH(QByteArray, file);
    Dictionary dict;
    (void)DictionaryFile().read(file, dict);
    // every record takes at least 13 bytes of the file
    QVERIFY(dict.count() <= file.size() / 13 + 1);
    Dictionary back;
    QCOMPARE(DictionaryFile().read(DictionaryFile::toBytes(dict), back), DictionaryFile::Status::Ok);
    QCOMPARE(dump(back), dump(dict));
}

void TestDictionaryFile::failedSaveLeavesOldFileIntact()
{
    const QString path = m_dir.filePath("keep.dic");
    Dictionary old;
    old.insertEntry(Entry(QStringLiteral("old"), QStringLiteral("entry"), 1));
    QVERIFY(DictionaryFile(path).save(old));
    const QByteArray before = readAll(path);

    Dictionary bigger;
    DictionaryFile file(path);
    for (int i = 1; i <= 500; ++i)
        bigger.insertEntry(Entry(QStringLiteral("word%1").arg(i), QStringLiteral("meaning %1").arg(i), i));

    QVERIFY(!onAFullDisk(2000, [&] { return file.save(bigger); }));
    // the system's words, not "Unknown error"
    QCOMPARE(file.errorString(), QString::fromLocal8Bit(std::strerror(EFBIG)));
    QVERIFY(bigger.isModified());
    QCOMPARE(readAll(path), before);
}

// Random files of words with shared keys, points and prefixes: a lookup
// that walks the file answers as the loaded store does; a file out of key
// order is left to the store.
void TestDictionaryFile::onlyRegularFilesOfTheFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a link out of the folder") << "link";
    QTest::newRow("a link to a device that never ends") << "zero";
    QTest::newRow("a FIFO, which would hang") << "fifo";
}

// A dictionary or list in the data folder that is no regular file of it is
// neither read (at once, with a reason) nor written through.
void TestDictionaryFile::onlyRegularFilesOfTheFolder()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("data")));
    const QString outside = dir.filePath("outside.dic");
    Dictionary original;
    original.insertEntry(Entry("a", "b", 1));
    QVERIFY(DictionaryFile(outside).save(original));
    const QByteArray before = readAll(outside);
    for (const QString &name : {QStringLiteral("data/x.dic"), QStringLiteral("data/dicts.dic")}) {
        const QString path = dir.filePath(name);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(kind == "zero" ? QStringLiteral("/dev/zero") : outside, path));
    }
    Dictionary store;
    DictionaryFile file(dir.filePath("data/x.dic"));
    QCOMPARE(file.load(store), DictionaryFile::Status::Unreadable);
    QVERIFY(!file.errorString().isEmpty());
    QVERIFY(!DictionaryList().load(dir.filePath("data/dicts.dic")));
    if (kind == "link") {
        QVERIFY(!file.save(original));
        DictionaryList list;
        list.setFileName(dir.filePath("data/dicts.dic"));
        QVERIFY(!list.save());
        QCOMPARE(readAll(outside), before);
    }
}

void TestDictionaryFile::lookupWithoutLoadingAgreesWithTheStore()
{
    QRandomGenerator random(11);
    // pointed and plain, a final letter and its plain form, two cases
    const QStringList pieces = {u8("ס"), u8("סֵ"), u8("פ"), u8("ר"), u8("ך"), u8("כ"), "a", "B", "b"};
    const auto randomText = [&](int maxPieces) {
        QString text;
        for (int n = 1 + random.bounded(maxPieces); n > 0; --n)
            text += pieces[random.bounded(int(pieces.size()))];
        return text;
    };
    for (int round = 0; round < 40; ++round) {
        Dictionary store;
        for (int id = 1; id <= 30; ++id)
            store.insertEntry(Entry(randomText(4), randomText(1) + ", " + randomText(1), id));
        QByteArray bytes = DictionaryFile::toBytes(store);
        Dictionary loaded;
        QCOMPARE(DictionaryFile().read(bytes, loaded), DictionaryFile::Status::Ok);
        // every other file walked in two halves
        FileLookup lookup(bytes, round % 2 ? 0 : bytes.size());
        QBuffer file(&bytes);
        QBuffer indexBytes;
        QVERIFY(file.open(QIODevice::ReadOnly) && indexBytes.open(QIODevice::ReadWrite));
        StoreIndex index;
        QVERIFY(StoreIndex::build(bytes, nullptr, index));
        QVERIFY(StoreIndexFile::write(indexBytes, index, {}));
        StoreIndexFile indexFile(indexBytes);
        // misses before the first key and after the last among them
        for (int query = 0; query < 22; ++query) {
            const QString text = query == 0 ? QStringLiteral("0") : query == 1 ? u8("תת") : randomText(4);
            FileLookup::Result result;
            QVERIFY(lookup.lookUp(text, text, result));
            int matchLength = 0;
            QCOMPARE(result.prefixPosition, loaded.findLongestPrefix(text, matchLength));
            QCOMPARE(result.matchLength, matchLength);
            QCOMPARE(dumpOf(result.exact), dumpOf(loaded.findExact(text)));
            QCOMPARE(dumpOf(result.meaning), dumpOf(loaded.findByMeaning(text)));
            FileLookup::Result indexed;
            QVERIFY(IndexedLookup(file, indexFile).lookUp(text, text, indexed));
            QCOMPARE(indexed.prefixPosition, result.prefixPosition);
            QCOMPARE(indexed.matchLength, result.matchLength);
            QCOMPARE(dumpOf(indexed.exact), dumpOf(result.exact));
            QCOMPARE(dumpOf(indexed.meaning), dumpOf(result.meaning));
        }
    }
    // records out of key order, first, later, at either side of the middle
    // or among pointed words: the file must be loaded instead, or looked up
    // through the order its loaded store has
    const QList<QStringList> disordered
        = {{"b", "a"}, {"a", "c", "b", "d"}, {"a", "b", "c", "e", "d"}, {"a", u8("סֵפ"), u8("סֵב"), u8("ת")}};
    for (const QStringList &words : disordered) {
        Dictionary header;
        QByteArray bytes = DictionaryFile::toBytes(header);
        RecordWriter writer(bytes);
        for (int i = 0; i < words.size(); ++i)
            RecordCodec::write(writer, Entry(words[i], QStringLiteral("x"), i + 1));
        for (const qsizetype twoWalksFrom : {qsizetype(0), bytes.size()}) {
            FileLookup::Result result;
            QVERIFY(!FileLookup(bytes, twoWalksFrom).lookUp(QStringLiteral("a"), QString(), result));
        }
        Dictionary loaded;
        QCOMPARE(DictionaryFile().read(bytes, loaded), DictionaryFile::Status::Ok);
        StoreIndex index;
        QVERIFY(StoreIndex::build(bytes, &loaded.order(), index));
        QBuffer file(&bytes);
        QBuffer indexBytes;
        QVERIFY(file.open(QIODevice::ReadOnly) && indexBytes.open(QIODevice::ReadWrite));
        QVERIFY(StoreIndexFile::write(indexBytes, index, {}));
        StoreIndexFile indexFile(indexBytes);
        for (const QString &text : words + QStringList{"0", "c", "x"}) {
            FileLookup::Result indexed;
            QVERIFY(IndexedLookup(file, indexFile).lookUp(text, text, indexed));
            int matchLength = 0;
            QCOMPARE(indexed.prefixPosition, loaded.findLongestPrefix(text, matchLength));
            QCOMPARE(indexed.matchLength, matchLength);
            QCOMPARE(dumpOf(indexed.exact), dumpOf(loaded.findExact(text)));
            QCOMPARE(dumpOf(indexed.meaning), dumpOf(loaded.findByMeaning(text)));
        }
    }
}

// Rows in any order, with keys shared by pointed and plain words, repeated
// and missing ids: the file made without a store is the one the store saves.
void TestDictionaryFile::importWithoutTheStoreAgreesWithTheStore()
{
    QRandomGenerator random(5);
    const QStringList words
        = {u8("סֵפֶר"), u8("ספר"), u8("סַפָּר"), "Kiwi", "kiwi", "a b", "ab", "z", "kiwifruitsb", "kiwifruitsa"};
    for (int round = 0; round < 90; ++round) {
        QByteArrayList rows = {round % 2 ? "id\tword\ttranslation" : "word\ttranslation\tid"};
        for (int row = random.bounded(12); row > 0; --row) {
            const QByteArray word = words[random.bounded(int(words.size()))].toUtf8();
            const QByteArray id = random.bounded(3) ? QByteArray::number(random.bounded(-2, 6)) : QByteArray();
            rows.append(round % 2 ? id + '\t' + word + "\tm" : word + "\tm\t" + id);
        }
        // every third text has two rows without a word: the first ends the reading
        for (int bad = round % 3 == 2 ? 2 : 0; bad > 0; --bad)
            rows.insert(1 + random.bounded(int(rows.size())), "\t\tm");
        const QByteArray tsv = rows.join('\n') + '\n';
        Dictionary store;
        QStringList warnings;
        const Result<> read = TsvFormat::read(tsv, {"N", "he_IL", "en"}, store, warnings);
        QCOMPARE(read.ok(), round % 3 != 2);
        // read by one reader, and in two halves by two; sorted in one bucket
        // and in many
        for (const qsizetype twoReadersFrom : {tsv.size() + 1, qsizetype(0)}) {
            QStringList direct;
            const qsizetype bucketBytes = round % 4 < 2 ? tsv.size() * 2 : 1;
            const Result<QByteArray> file
                = TsvFormat::toDictionaryFile(tsv, {"N", "he_IL", "en", twoReadersFrom, bucketBytes}, direct);
            QCOMPARE(file.value(), read ? DictionaryFile::toBytes(store) : QByteArray());
            QCOMPARE(file.errorString(), read.errorString());
            QCOMPARE(direct, warnings);
        }
    }
    QStringList warnings;
    const Result<QByteArray> file = TsvFormat::toDictionaryFile("word\ttranslation\n\tx\n", {}, warnings);
    QVERIFY(!file);
    QCOMPARE(file.errorString(), QStringLiteral("line 2: empty word"));
    // nowhere to keep the rows while sorting them: said, and nothing made
    TsvFormat::ImportOptions nowhere;
    nowhere.spoolFolder = m_dir.filePath(QStringLiteral("missing"));
    const Result<QByteArray> unsorted = TsvFormat::toDictionaryFile("word\ttranslation\na\tx\n", nowhere, warnings);
    QVERIFY(!unsorted);
    QVERIFY(unsorted.errorString().contains(nowhere.spoolFolder));
}

// Ids on both sides of where the set stops keeping a bit for each.
void TestDictionaryFile::idSetAgreesWithAPlainSet()
{
    QRandomGenerator random(3);
    IdSet ids;
    QSet<int> plain;
    for (int i = 0; i < 20000; ++i) {
        const int base = std::array{0, 1 << 20, (1 << 26) - 64, INT_MAX - 127, INT_MIN}[random.bounded(5)];
        const int id = base + random.bounded(128);
        QCOMPARE(ids.insert(id), !plain.contains(id));
        plain.insert(id);
    }
}

// Opening fills the store's arena straight from the bytes; reading the
// records one by one into entries must give the same, on whole files, cut
// ones and ones with bytes changed.
void TestDictionaryFile::openingReadsWhatEachRecordHolds()
{
    QRandomGenerator random(9);
    for (int round = 0; round < 300; ++round) {
        Dictionary source;
        source.setAttribute("NAME", "N");
        const qsizetype headerSize = DictionaryFile::toBytes(source).size();
        for (int id = 1; id <= 6; ++id) {
            Entry e = sampleEntry();
            e.setId(id);
            e.setWord(e.word().left(int(random.bounded(8))) + QString::number(id));
            e.setLearnCounters(qint8(random.bounded(-1, 9)), -1);
            if (random.bounded(2))
                e.appendText(Entry::TextUserBase + 2, u8("mot ") + QString::number(id));
            source.insertEntry(e);
        }
        QByteArray bytes = DictionaryFile::toBytes(source);
        if (round % 3 == 1)
            bytes.truncate(headerSize + qsizetype(random.bounded(int(bytes.size() - headerSize))));
        for (int flips = round % 3 == 2 ? 3 : 0; flips > 0; --flips)
            bytes[headerSize + qsizetype(random.bounded(int(bytes.size() - headerSize)))] = char(random.bounded(256));
        Dictionary opened;
        DictionaryFile file;
        const DictionaryFile::Status status = file.read(bytes, opened);
        Dictionary oneByOne;
        RecordReader in(bytes.mid(headerSize));
        qint64 damage = -1;
        while (!in.atEnd() && damage < 0) {
            const qint64 start = headerSize + in.position();
            Entry e(0);
            const RecordCodec::ReadResult result = RecordCodec::read(in, RecordCodec::Format::V33, e);
            if (result == RecordCodec::ReadResult::Complete
                || (result == RecordCodec::ReadResult::Cut && !e.word().isEmpty()))
                oneByOne.insertEntry(e);
            damage = result == RecordCodec::ReadResult::Complete ? -1 : start;
        }
        QCOMPARE(dump(opened), dump(oneByOne));
        QCOMPARE(file.damageOffset(), damage);
        QCOMPARE(status, damage < 0 ? DictionaryFile::Status::Ok : DictionaryFile::Status::Damaged);
    }
}

void TestDictionaryFile::storeCache_data()
{
    QTest::addColumn<QString>("change"); // what happens between the two openings
    QTest::addColumn<bool>("fromCache");
    QTest::newRow("nothing") << "" << true;
    QTest::newRow("saved again") << "save" << true;
    QTest::newRow("saved, a text shortened") << "save long" << true;
    QTest::newRow("file changed, same size") << "flip file" << false;
    QTest::newRow("file changed, same size and time") << "flip file, keep time" << false;
    for (const char *change : {"cut cache", "flip cache header", "flip cache blocks", "flip cache page hashes",
             "other file's cache", "older version of the file's cache"})
        QTest::newRow(change) << change << false;
}

// A file opened again takes the store's order and meaning index from the
// cache, and must give the store reading its records gives (order, fields,
// the order of meaning results, the next id); any cache that is not of
// exactly these bytes, or not whole, is passed over.
// A file read and written with the store cache in this folder.
DictionaryFile withCache(const QString &path, const QString &cache)
{
    DictionaryFile file(path);
    file.setCacheFolder(cache, 0);
    return file;
}

void TestDictionaryFile::storeCache()
{
    QFETCH(QString, change);
    QFETCH(bool, fromCache);
    const QString cache = m_dir.filePath("cache"), path = m_dir.filePath("big.dic"), other = m_dir.filePath("o.dic");
    QDir(cache).removeRecursively();
    QRandomGenerator random(QTest::currentDataTag()[0]);
    Dictionary source;
    for (int id = 1; id <= 200; ++id) {
        Entry e = sampleEntry();
        e.setId(id % 50 == 0 ? 7 : id);
        e.setWord(e.word().left(int(random.bounded(3, 8))));
        e.setTranslation(QStringList{"a", "b", "c"}[random.bounded(3)] + ", x");
        source.insertEntry(e);
    }
    QVERIFY(withCache(other, cache).save(source));
    // the cache of this version of the file, the only one in its folder
    const QString olderFolder = m_dir.filePath("older");
    QDir(olderFolder).removeRecursively();
    QVERIFY(withCache(path, olderFolder).save(source));
    DictionaryFile::waitForCacheWrites();
    source.setLearnCounters(3, 1, 2);
    QVERIFY(withCache(path, cache).save(source));
    Dictionary first;
    QCOMPARE(withCache(path, cache).load(first), DictionaryFile::Status::Ok);
    DictionaryFile::waitForCacheWrites();
    const QStringList cached = QDir(cache).entryList(QDir::Files);
    QCOMPARE(cached.size(), 2);
    if (change == "save long") // each unit escaped: too long for a record
        QVERIFY(first.addOrReplace(Entry(u8("aא").repeated(20000), "b", 3)));
    if (change.startsWith("save")) {
        QVERIFY(withCache(path, cache).save(first));
        DictionaryFile::waitForCacheWrites();
    }
    QByteArray bytes = readAll(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    if (change.startsWith("flip file")) {
        bytes[bytes.size() - 9] = char(bytes[bytes.size() - 9] ^ 1);
        writeFile(path, bytes);
    }
    if (change == "flip file, keep time") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    for (const QString &name : cached) {
        QByteArray copy = readAll(cache + '/' + name);
        if (change == "cut cache")
            copy.chop(1);
        const int pageHashes = int(copy.size()) % 4096;
        const int flipAt = change.endsWith("header") ? random.bounded(128)
            : change.endsWith("blocks")              ? 4096 + random.bounded(int(copy.size()) - 4096 - pageHashes)
                                                     : int(copy.size()) - 1 - random.bounded(pageHashes);
        if (change.startsWith("flip cache"))
            copy[flipAt] = char(copy[flipAt] ^ (1 << random.bounded(8)));
        if (change == "other file's cache")
            copy = readAll(cache + '/' + cached[0] == name ? cached[1] : cached[0]);
        if (change == "older version of the file's cache")
            copy = readAll(olderFolder + '/' + name);
        writeFile(cache + '/' + name, copy);
    }
    Dictionary again;
    DictionaryFile file = withCache(path, cache);
    QCOMPARE(file.load(again), DictionaryFile::Status::Ok);
    Dictionary records;
    QCOMPARE(DictionaryFile().read(bytes, records), DictionaryFile::Status::Ok);
    QCOMPARE(file.readFromCache(), fromCache);
    QCOMPARE(dump(again), dump(records));
    for (const char *meaning : {"a", "b", "x"})
        QCOMPARE(dumpOf(again.findByMeaning(meaning)), dumpOf(records.findByMeaning(meaning)));
    QCOMPARE(again.nextId(), records.nextId());
    QVERIFY(!again.isModified());
    // a cache passed over is made again
    DictionaryFile::waitForCacheWrites();
    Dictionary third;
    QCOMPARE(withCache(path, cache).load(third), DictionaryFile::Status::Ok);
    QCOMPARE(dump(third), dump(records));
}

// Other copies, each used an hour before the next: opening a dictionary
// keeps its own copy and the seven used last; a copy read is used now.
void TestDictionaryFile::storeCacheKeepsTheCopiesUsedLast()
{
    const QString cache = m_dir.filePath("kept");
    const QString path = m_dir.filePath("kept.dic");
    Dictionary source;
    source.insertEntry(sampleEntry());
    QVERIFY(withCache(path, cache).save(source));
    DictionaryFile::waitForCacheWrites();
    const QString own = QDir(cache).entryList(QDir::Files).value(0);
    for (int hours = 1; hours <= 9; ++hours) {
        QFile copy(cache + QStringLiteral("/%1.store").arg(hours));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * hours), QFileDevice::FileModificationTime);
    }
    QFile ownCopy(cache + '/' + own);
    QVERIFY(ownCopy.open(QIODevice::ReadOnly));
    ownCopy.setFileTime(QDateTime::currentDateTime().addSecs(-36000), QFileDevice::FileModificationTime);
    Dictionary read;
    DictionaryFile file = withCache(path, cache);
    QCOMPARE(file.load(read), DictionaryFile::Status::Ok);
    QVERIFY(file.readFromCache());
    QVERIFY(QFileInfo(cache + '/' + own).lastModified() > QDateTime::currentDateTime().addSecs(-600));
    QVERIFY(withCache(m_dir.filePath("other.dic"), cache).save(source));
    DictionaryFile::waitForCacheWrites();
    QStringList kept = QDir(cache).entryList(QDir::Files);
    kept.sort();
    QCOMPARE(kept.size(), 8);
    QVERIFY(kept.contains(own));
    QCOMPARE(kept.filter(QRegularExpression("^[1-9].store$")),
        QStringList({"1.store", "2.store", "3.store", "4.store", "5.store", "6.store"}));
}

QTEST_GUILESS_MAIN(TestDictionaryFile)
#include "tst_dictionaryfile.moc"
