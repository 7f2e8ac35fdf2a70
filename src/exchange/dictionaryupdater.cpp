#include "dictionaryupdater.h"

#include "exchangelog.h"

#include "dict/dictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

DictionaryUpdater::DictionaryUpdater(const QString &directory)
    : m_directory(directory)
{ }

std::unique_ptr<Dictionary> DictionaryUpdater::update(const QString &fileName, const QByteArray &data)
{
    qCDebug(lcExchange) << "UPDATE" << fileName << "from remote data";
    const QString path = QDir(m_directory).filePath(fileName);
    auto remote = std::make_unique<Dictionary>(path);
    Dictionary local;
    const Dictionary::LoadStatus status = local.load(path);
    const bool haveLocal = status == Dictionary::LoadStatus::Ok || status == Dictionary::LoadStatus::Damaged;
    if (!haveLocal)
        qCDebug(lcExchange) << "NOTE: cannot read local data base";
    if (!remote->readFrom(data) || remote->loadStatus() != Dictionary::LoadStatus::Ok) {
        qCWarning(lcExchange) << "ERROR: cannot read remote data base" << fileName;
        m_errorString = remote->loadStatus() == Dictionary::LoadStatus::Damaged
            ? QStringLiteral("the received dictionary is incomplete")
            : QStringLiteral("the received file is not a dictionary");
        return nullptr;
    }
    if (haveLocal && !merge(local, *remote)) {
        m_errorString = QStringLiteral("no free entry number left for the local entries");
        return nullptr;
    }
    qCDebug(lcExchange) << "-- result:" << remote->count() << remote->maxId();
    return remote;
}

bool DictionaryUpdater::merge(const Dictionary &local, Dictionary &remote)
{
    // counters only ever come from the local side
    remote.resetLearnCounters();
    QHash<int, Entry> byId = local.entriesById();
    int maxSynced = 0;
    QList<Entry> unsynced;
    for (int i = 0; i < remote.count(); ++i) {
        const Entry &e = *remote.entryAt(i);
        if (e.id() == 0)
            continue;
        const auto it = byId.constFind(e.id());
        if (it == byId.cend()) {
            qCDebug(lcExchange) << "-- NEW:" << e.word() << e.translation() << e.id();
            continue;
        }
        const Entry l = *it;
        const bool learned = l.learnedForward() >= 0 || l.learnedBackward() >= 0;
        if (l.word() == e.word()) {
            maxSynced = qMax(maxSynced, e.id());
            if (learned)
                remote.setLearnCountersAt(i, l.learnedForward(), l.learnedBackward());
        } else if (similar(l.searchKey(), e.searchKey())) {
            qCDebug(lcExchange) << "-- CORRECTED:" << l.word() << "->" << e.word();
            if (learned)
                remote.setLearnCountersAt(i, 0, 0);
        } else {
            unsynced.append(l);
        }
        byId.remove(e.id());
    }

    // added in one go, as one-by-one insertion would place them; a word
    // added here counts as present for the entries after it
    std::vector<Entry> added;
    QSet<QString> addedWords;
    auto add = [&](Entry copy) {
        const int id = remote.nextId();
        if (id == 0)
            return false;
        copy.setId(id);
        addedWords.insert(copy.word());
        added.push_back(std::move(copy));
        return true;
    };
    for (const Entry &l : std::as_const(unsynced)) {
        qCDebug(lcExchange) << "-- UNSYNCED:" << l.id() << l.word() << l.translation();
        if (!add(l))
            return false;
    }
    QList<int> rest = byId.keys();
    std::sort(rest.begin(), rest.end());
    for (int id : std::as_const(rest)) {
        const Entry &l = byId[id];
        if (id == 0)
            continue;
        if (id <= maxSynced) {
            // below the highest id both sides agree on: the other side deleted it
            qCDebug(lcExchange) << "-- REMOVE" << id << l.word() << l.translation();
            continue;
        }
        const QString key = l.searchKey();
        if (remote.indexOfWord(key) >= 0 || addedWords.contains(key))
            continue;
        qCDebug(lcExchange) << "-- COPY AS NEW" << l.word() << l.translation();
        if (!add(l))
            return false;
    }
    remote.insertEntries(std::move(added));
    return true;
}

bool DictionaryUpdater::similar(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    if (a.size() == b.size()) {
        qsizetype differences = 0;
        for (qsizetype i = 0; i < a.size() && differences < 2; ++i)
            differences += a[i] != b[i] ? 1 : 0;
        return differences == 1;
    }
    const QString &longer = a.size() > b.size() ? a : b;
    const QString &shorter = a.size() > b.size() ? b : a;
    if (longer.size() != shorter.size() + 1)
        return false;
    // the first difference is the character to drop
    qsizetype i = 0;
    while (i < shorter.size() && longer[i] == shorter[i])
        ++i;
    return QStringView(longer).mid(i + 1) == QStringView(shorter).mid(i);
}

bool DictionaryUpdater::saveWithBackup(Dictionary &dictionary, QString &error)
{
    const QString path = dictionary.fileName();
    const QString backup = path + QStringLiteral(".bak");
    if (QFileInfo::exists(path)) {
        QFile::remove(backup);
        if (!QFile::copy(path, backup)) {
            error = QStringLiteral("cannot keep the previous file as %1").arg(backup);
            return false;
        }
    }
    if (!dictionary.save()) {
        error = dictionary.errorString();
        return false;
    }
    return true;
}
