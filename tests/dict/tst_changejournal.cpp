#include "files/changejournal.h"
#include "files/dictionarydocument.h"
#include "files/dictionaryfile.h"
#include "model/dictionary.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using Change = std::function<void(ChangeJournal &, Dictionary &)>;

Entry word(int id, const QString &text, const QString &meaning)
{
    Entry entry(text, meaning, id);
    entry.setLearnCounters(2, 1);
    return entry;
}

// A change made to the store and recorded, as the open document does.
Change put(const Entry &entry)
{
    return [entry](ChangeJournal &journal, Dictionary &store) {
        store.addOrReplace(entry);
        QVERIFY(journal.recordEntry(entry));
    };
}

Change drop(int id)
{
    return [id](ChangeJournal &journal, Dictionary &store) {
        QVERIFY(journal.recordRemoval(id));
        store.deleteEntry(store.entryById(id));
    };
}

Change rename(const QString &name)
{
    return [name](ChangeJournal &journal, Dictionary &store) {
        store.setAttribute(QStringLiteral("NAME"), name);
        QVERIFY(journal.recordAttributes(store.attributes()));
    };
}

Change wholeStore()
{
    return [](ChangeJournal &journal, Dictionary &store) {
        store.resetLearnCounters();
        QVERIFY(journal.recordStore(store));
    };
}

} // namespace

class TestChangeJournal : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

    // The saved file the journals start from.
    void writeDictionary(Dictionary &store)
    {
        store.setAttribute(QStringLiteral("NAME"), QStringLiteral("Test"));
        for (int id = 1; id <= 3; ++id)
            store.insertEntry(word(id, QStringLiteral("w%1").arg(id), QStringLiteral("m%1").arg(id)));
        QVERIFY(DictionaryFile(m_path).save(store));
    }

    void appendRaw(const QByteArray &bytes)
    {
        QFile file(ChangeJournal::pathFor(m_path));
        QVERIFY(file.open(QIODevice::Append));
        file.write(bytes);
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("test.dic"));
        QFile::remove(ChangeJournal::pathFor(m_path));
    }

    // what was recorded comes back over the saved file exactly as the
    // store had it; a line a crash cut and a line of no change are skipped
    void replayGivesTheStoreBack_data()
    {
        QTest::addColumn<QList<Change>>("changes");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<int>("counted");
        const QList<Change> edits{put(word(1, QStringLiteral("w1"), QStringLiteral("new meaning"))),
            put(word(9, QStringLiteral("added"), QStringLiteral("m9"))), drop(2), rename(QStringLiteral("Mine"))};
        QTest::newRow("edits") << edits << QByteArray() << 4;
        QTest::newRow("a line cut by a crash") << edits << QByteArray("put AAAA") << 4;
        QTest::newRow("a line of no change") << edits << QByteArray("junk\n") << 4;
        QTest::newRow("every entry at once, then one")
            << QList<Change>{drop(3), wholeStore(), put(word(7, QStringLiteral("seven"), QStringLiteral("m7")))}
            << QByteArray() << 2;
    }

    void replayGivesTheStoreBack()
    {
        QFETCH(QList<Change>, changes);
        QFETCH(QByteArray, tail);
        QFETCH(int, counted);
        Dictionary expected;
        writeDictionary(expected);
        ChangeJournal journal(m_path);
        for (const Change &change : changes)
            change(journal, expected);
        appendRaw(tail);

        int left = 0;
        const ChangeJournal found(m_path);
        QCOMPARE(found.inspect(&left), ChangeJournal::Status::Matching);
        QCOMPARE(left, counted);
        Dictionary restored;
        QCOMPARE(DictionaryFile(m_path).load(restored), DictionaryFile::Status::Ok);
        ChangeJournal again(m_path);
        QVERIFY(again.replay(restored));
        QCOMPARE(DictionaryFile::toBytes(restored), DictionaryFile::toBytes(expected));
    }

    // a journal made on other contents of the file is never replayed
    // over it, and is kept aside rather than lost
    void staleJournalIsSetAside()
    {
        Dictionary store;
        writeDictionary(store);
        ChangeJournal journal(m_path);
        put(word(5, QStringLiteral("five"), QStringLiteral("m5")))(journal, store);
        Dictionary other;
        other.insertEntry(word(1, QStringLiteral("other"), QStringLiteral("m")));
        QVERIFY(DictionaryFile(m_path).save(other));

        ChangeJournal left(m_path);
        QCOMPARE(left.inspect(), ChangeJournal::Status::Stale);
        QVERIFY(!left.replay(other));
        QString kept;
        QVERIFY(left.setAside(&kept));
        QVERIFY(QFile::exists(kept));
        QCOMPARE(ChangeJournal(m_path).inspect(), ChangeJournal::Status::None);
    }

    // a journal that cannot be written says so, and the window hears of it
    // once, not at every change
    void unwritableJournalIsReportedOnce()
    {
        Dictionary store;
        writeDictionary(store);
        QVERIFY(QDir().mkpath(ChangeJournal::pathFor(m_path)));
        ChangeJournal journal(m_path);
        QVERIFY(!journal.recordRemoval(1));
        QVERIFY(journal.errorString().contains(ChangeJournal::pathFor(m_path)));

        DictionaryDocument document;
        QCOMPARE(document.open(m_path), DictionaryFile::Status::Ok);
        QSignalSpy failed(&document, &DictionaryDocument::journalFailed);
        QVERIFY(document.store(word(0, QStringLiteral("a"), QStringLiteral("m"))) > 0);
        QVERIFY(document.store(word(0, QStringLiteral("b"), QStringLiteral("m"))) > 0);
        QCOMPARE(failed.count(), 1);
        QVERIFY(QDir(ChangeJournal::pathFor(m_path)).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(TestChangeJournal)
#include "tst_changejournal.moc"
