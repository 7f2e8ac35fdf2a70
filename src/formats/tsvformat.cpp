#include "tsvformat.h"

#include "textfields.h"
#include "tsvimport.h"

#include "model/dictionary.h"
#include "model/entry.h"
#include "tsvreader.h"

#include <QHash>
#include <QSet>

#include <algorithm>

using namespace TsvColumns;

namespace {

struct TextColumn
{
    QString name;
    quint32 key;
};

// The keyed-text columns of a dictionary, in column order.
QList<TextColumn> textColumns(const Dictionary &dictionary)
{
    QList<TextColumn> columns = {{Plural, Entry::TextPlural}, {Infinitive, Entry::TextInfinitive}};
    QSet<QString> names;
    for (const NamedText &t : namedTexts())
        names.insert(t.name);
    const QStringList codes = dictionary.userLanguageCodes();
    for (int k = 1; k < qMin<int>(int(codes.size()), 4); ++k) {
        if (!names.contains(codes[k]) && !codes[k].isEmpty()) {
            columns.append({codes[k], Entry::TextUserBase + k});
            names.insert(codes[k]);
        }
    }
    QSet<quint32> known;
    for (const TextColumn &c : columns)
        known.insert(c.key);
    QList<quint32> others;
    for (int i = 0; i < dictionary.count(); ++i) {
        const Entry e = dictionary.entryAt(i);
        for (const Entry::KeyedText &t : e.texts()) {
            if (!known.contains(t.key) && !others.contains(t.key))
                others.append(t.key);
        }
    }
    std::sort(others.begin(), others.end());
    for (quint32 key : others) {
        const auto named = std::find_if(
            namedTexts().cbegin(), namedTexts().cend(), [key](const NamedText &t) { return t.key == key; });
        columns.append({named != namedTexts().cend() ? named->name : TextPrefix + QString::number(key), key});
    }
    return columns;
}

QString typeField(int type)
{
    const QString label = Entry::typeLabel(type);
    return label.isEmpty() ? QString::number(type) : label;
}

} // namespace

const QList<NamedText> &TsvColumns::namedTexts()
{
    static const QList<NamedText> texts = {{Plural, Entry::TextPlural}, {Infinitive, Entry::TextInfinitive},
        {QStringLiteral("pronunciation"), Entry::TextPronunciation}, {QStringLiteral("genitive"), Entry::TextGenitive},
        {QStringLiteral("partner"), Entry::TextPartner}, {QStringLiteral("root"), Entry::TextRoot},
        {QStringLiteral("present"), Entry::TextPresent}, {QStringLiteral("verbalnoun"), Entry::TextVerbalNoun},
        {QStringLiteral("past"), Entry::TextPast}, {QStringLiteral("frequency"), Entry::TextFrequency}};
    return texts;
}

QByteArray TsvFormat::write(const Dictionary &dictionary)
{
    const QList<TextColumn> texts = textColumns(dictionary);
    QStringList header = {Id, Word, Type, Flags, Translation};
    QStringList trailing = {Forward, Backward};
    for (const TextColumn &c : texts) {
        if (c.name.startsWith(TextPrefix))
            trailing.append(c.name);
        else
            header.append(c.name);
    }
    QByteArray out = (header + trailing).join(u'\t').toUtf8() + '\n';
    for (int i = 0; i < dictionary.count(); ++i) {
        const Entry e = dictionary.entryAt(i);
        if (e.id() == 0)
            continue;
        QStringList fields = {QString::number(e.id()), escapeField(e.word()), typeField(e.wordType()),
            QString::number(e.flags()), escapeField(e.translation())};
        QStringList trailingFields = {QString::number(e.learnedForward()), QString::number(e.learnedBackward())};
        for (const TextColumn &c : texts) {
            QStringList &target = c.name.startsWith(TextPrefix) ? trailingFields : fields;
            target.append(escapeField(e.text(c.key)));
        }
        out += (fields + trailingFields).join(u'\t').toUtf8() + '\n';
    }
    return out;
}

Result<> TsvFormat::read(
    const QByteArray &data, const ImportOptions &options, Dictionary &dictionary, QStringList &warnings)
{
    TsvReader reader(options);
    std::vector<Entry> entries;
    const bool read = reader.read(data, [&entries](Entry &e) { entries.push_back(std::move(e)); });
    warnings += reader.warnings();
    for (auto e = entries.begin(); read && e != entries.end(); ++e) {
        int id = e->id();
        if (id == 0 && !reader.nextFreeId(id))
            break;
        e->setId(id);
    }
    if (!reader.error().isEmpty())
        return Result<>::failure(reader.error());
    dictionary.insertEntries(std::move(entries));
    dictionary.setAttribute(QStringLiteral("NAME"), options.name);
    dictionary.setAttribute(QStringLiteral("TYPE"), options.type);
    dictionary.setAttribute(QStringLiteral("USER"), reader.userAttribute());
    return {};
}

Result<> TsvFormat::writeDictionaryFile(
    const QByteArray &data, const ImportOptions &options, const WritePiece &write, QStringList &warnings)
{
    return TsvImport::write(data, options, write, warnings);
}

Result<QByteArray> TsvFormat::toDictionaryFile(
    const QByteArray &data, const ImportOptions &options, QStringList &warnings)
{
    QByteArray file;
    const Result<> made = writeDictionaryFile(
        data, options,
        [&file](QByteArrayView piece) {
            file.append(piece);
            return true;
        },
        warnings);
    if (!made)
        return Result<QByteArray>::failure(made.errorString());
    return file;
}
