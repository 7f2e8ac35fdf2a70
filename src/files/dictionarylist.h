#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The list of dictionaries ("dicts.dic"): one record of keys (NAME, TYPE,
// FILE, DESC, USER, SIZE, DATE and any others) per dictionary, as a UTF-8
// text file. The same format describes the lists of the update server and
// the device. Reading never fails on odd lines; a missing or unreadable file
// leaves the list unchanged and load returns false.
class DictionaryList
{
    Q_DECLARE_TR_FUNCTIONS(DictionaryList)

public:
    using Record = QMap<QString, QString>;

    static constexpr qsizetype MaxRemoteSize = 4 * 1024 * 1024;
    static constexpr qsizetype MaxLineLength = 4096;
    static constexpr qsizetype MaxKeys = 32;
    static constexpr qsizetype MaxValueLength = 256;
    static constexpr qsizetype MaxUserLanguages = 4;

    // false when the file is missing or unreadable (traced); the list is then as it was
    bool load(const QString &fileName);
    // Appends the records read from the text; always true.
    bool parse(const QByteArray &data);
    // Reads a list that came from elsewhere (a server, a device) within
    // bounds: at most MaxRemoteSize bytes of UTF-8 text, lines of at most
    // MaxLineLength characters, records of at most MaxKeys keys; a record
    // without FILE, or with a FILE an earlier record named, is dropped.
    // A failure saying why when the text breaks a bound or is
    // no list of dictionaries at all (a web page, random bytes); text with
    // no records is an empty list.
    Result<> parseRemote(const QByteArray &data);
    // A record from elsewhere as it may enter the local list: its values
    // cut to MaxValueLength, at most four user languages.
    static Record bounded(const Record &record);
    QByteArray toBytes() const;
    // Replaces the file only once the new one is complete; false without a
    // file name or when it cannot be written.
    [[nodiscard]] bool save() const;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    int count() const { return int(m_records.size()); }
    Record record(int i) const { return m_records.value(i); }
    QString name(int i) const { return value(i, QStringLiteral("NAME")); }
    QString type(int i) const { return value(i, QStringLiteral("TYPE")); }
    QString file(int i) const { return value(i, QStringLiteral("FILE")); }
    QStringList userLanguages(int i) const;
    QStringList names() const;

    int indexOfFile(const QString &file) const;
    bool containsFile(const QString &file) const { return indexOfFile(file) >= 0; }

    int addDictionary(
        const QString &name, const QString &type, const QString &file, const QString &desc, const QString &user);
    // Appends a record whose FILE is new, replaces the one with the same
    // FILE when it differs; true when the list changed.
    bool updateRecord(const Record &record);
    // A non-empty value is stored, an empty one removes the key.
    void setValue(int i, const QString &key, const QString &value);
    void removeAt(int i);
    // SIZE "<bytes / 1024> KB" and DATE today for the record with that FILE.
    bool setSizeAndDate(const QString &file, qint64 bytes);

private:
    QString value(int i, const QString &key) const { return record(i).value(key); }

    QString m_fileName;
    QList<Record> m_records;
};
