#pragma once

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "files/dictionarylist.h"
#include "model/entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

// Reading and writing the files of a test.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// A folder with these dictionaries of the tests and a list of them.
inline void fillFolder(const QString &dir, const QStringList &files)
{
    QDir().mkpath(dir);
    DictionaryList sample;
    sample.load(QStringLiteral(VERBALON_TEST_DATA_DIR "/dicts.dic"));
    DictionaryList list;
    list.setFileName(QDir(dir).filePath(QStringLiteral("dicts.dic")));
    for (const QString &file : files) {
        QFile::remove(QDir(dir).filePath(file));
        QFile::copy(QStringLiteral(VERBALON_TEST_DATA_DIR "/") + file, QDir(dir).filePath(file));
        if (sample.containsFile(file))
            list.updateRecord(sample.record(sample.indexOfFile(file)));
    }
    QVERIFY(list.save());
}

// The other side's copy with an entry more, so that a merge changes the learner's.
inline void addEntry(const QString &path)
{
    Dictionary dict;
    QCOMPARE(DictionaryFile(path).load(dict), DictionaryFile::Status::Ok);
    dict.insertEntry(Entry(QStringLiteral("newword"), QStringLiteral("new"), dict.maxId() + 1));
    QVERIFY(DictionaryFile(path).save(dict));
}

// Words written in the source as UTF-8.
inline QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

inline Entry makeEntry(int id, const QString &word, int type, quint32 flags, const QString &translation = QString())
{
    Entry e(word, translation, id);
    e.setWordType(type);
    e.setFlags(flags);
    return e;
}

// The words the drill and the trainer page are tested on: homographs with
// and without points, a shared meaning, counters of every kind (-1: not
// marked for learning).
inline void addDrillWords(Dictionary &dictionary)
{
    auto add = [&dictionary](int id, const char *word, int type, const char *translation, int f, int b) {
        Entry e = makeEntry(id, QString::fromUtf8(word), type, 0, QString::fromUtf8(translation));
        e.setLearnCounters(qint8(f), qint8(b));
        dictionary.insertEntry(e);
    };
    add(1, "הָלַךְ", Entry::Verb, "to go, to walk", 3, 3);
    add(2, "שָׁמַר", Entry::Verb, "to keep", 0, 0);
    add(3, "סֵפֶר", Entry::Noun, "book", 10, 12);
    add(4, "סַפָּר", Entry::Noun, "barber", -1, 5);
    add(5, "סְפַר", Entry::Noun, "border, book", -1, -1);
    add(6, "סִיפֵּר", Entry::Verb, "to tell", 1, 0);
    add(7, "מוֹרֶה", Entry::Noun, "teacher", 0, 1);
    add(8, "מוֹרָה", Entry::Noun, "teacher", 2, 2);
    add(9, "שָׁמַר", Entry::Noun, "to keep", 0, 0);
}

// One run of the command-line tool, without a proxy.
struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QStringList lines() const { return QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts); }
};

inline CliRun runCli(
    const QStringList &args, const QByteArray &input = QByteArray(), const QStringList &environment = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("http_proxy"));
    for (const QString &variable : environment)
        env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VERBALON_BIN_DIR "/verbalon-cli"), args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return CliRun{process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Every field of every entry, a line each, sorted: entries of equal keys
// may change places on loading.
inline QStringList dump(const Dictionary &dict)
{
    QStringList out;
    for (int i = 0; i < dict.count(); ++i) {
        const Entry e = dict.entryAt(i);
        QString line = QStringLiteral("%1 %2 %3 %4 %5 ")
                           .arg(e.id())
                           .arg(e.wordType())
                           .arg(e.flags())
                           .arg(e.learnedForward())
                           .arg(e.learnedBackward())
            + QStringList{e.word(), e.searchKey(), e.translation()}.join(u' ');
        for (const Entry::KeyedText &t : e.texts())
            line += QStringLiteral(" %1=%2").arg(t.key).arg(t.text);
        out.append(line);
    }
    out.sort();
    return out;
}

// Runs `write` on a disk that fills up after `bytes`: writes beyond them
// fail, even for root, instead of stopping the process.
inline bool onAFullDisk(rlim_t bytes, const std::function<bool()> &write)
{
    struct rlimit saved;
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return true;
    struct rlimit small = saved;
    small.rlim_cur = bytes;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool written = setrlimit(RLIMIT_FSIZE, &small) != 0 || write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    return written;
}
