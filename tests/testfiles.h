#pragma once

#include "dict/dictionary.h"
#include "dict/dictionaryfile.h"
#include "dict/dictionarylist.h"
#include "dict/entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

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

// One run of the command-line tool, without a proxy unless one is given.
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
    for (const QString &entry : environment)
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
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

// The dump of a dictionary file, or a line saying it could not be loaded.
inline QStringList dumpFile(const QString &path)
{
    Dictionary dict;
    if (DictionaryFile(path).load(dict) != DictionaryFile::Status::Ok)
        return {QStringLiteral("cannot load ") + path};
    return dump(dict);
}
