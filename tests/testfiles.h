#pragma once

#include "dict/dictionarylist.h"
#include "dict/entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// A folder with these sample dictionaries of the build and a list of them.
inline void fillFolder(const QString &dir, const QStringList &files)
{
    QDir().mkpath(dir);
    DictionaryList sample;
    sample.load(QStringLiteral(VERBALON_BIN_DIR "/dicts.dic"));
    DictionaryList list;
    list.setFileName(QDir(dir).filePath(QStringLiteral("dicts.dic")));
    for (const QString &file : files) {
        QFile::remove(QDir(dir).filePath(file));
        QFile::copy(QStringLiteral(VERBALON_BIN_DIR "/") + file, QDir(dir).filePath(file));
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
