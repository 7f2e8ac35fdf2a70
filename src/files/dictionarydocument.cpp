#include "dictionarydocument.h"

#include "model/dictlog.h"

DictionaryDocument::DictionaryDocument(QObject *parent)
    : QObject(parent)
{
    // every change as the store announces it: entries before they go,
    // after they came or changed
    connect(&m_store, &Dictionary::entryInserted, this,
        [this](int position) { journal(m_journaling && m_journal.recordEntry(m_store.entryAt(position))); });
    connect(&m_store, &Dictionary::entryChanged, this,
        [this](int position) { journal(m_journaling && m_journal.recordEntry(m_store.entryAt(position))); });
    connect(&m_store, &Dictionary::entryAboutToBeRemoved, this,
        [this](int position) { journal(m_journaling && m_journal.recordRemoval(m_store.idAt(position))); });
    connect(&m_store, &Dictionary::attributesChanged, this,
        [this] { journal(m_journaling && m_journal.recordAttributes(m_store.attributes())); });
    // a reset that changed the store changed every entry at once
    connect(&m_store, &Dictionary::resetDone, this, [this] {
        if (m_store.isModified())
            journal(m_journaling && m_journal.recordStore(m_store));
    });
}

DictionaryDocument::~DictionaryDocument()
{
    if (m_journaling)
        m_journal.discard();
}

// The first failure is kept for the window to tell; the journal goes on
// trying with each change.
void DictionaryDocument::journal(bool written)
{
    if (!m_journaling || written || !m_journalError.isEmpty())
        return;
    m_journalError = m_journal.errorString();
    emit journalFailed(m_journalError);
}

void DictionaryDocument::startJournal(const QString &path)
{
    if (m_journaling)
        m_journal.discard();
    m_journaling = false;
    m_journal = ChangeJournal(path);
    m_journalError.clear();
    m_staleJournal.clear();
    m_leftCount = 0;
    m_left = m_journal.inspect(&m_leftCount);
    if (m_left == ChangeJournal::Status::Stale) {
        qCWarning(lcDict) << "the journal of" << path << "was made on other contents of the file; set aside";
        m_journal.setAside(&m_staleJournal);
    }
    m_journaling = m_left != ChangeJournal::Status::Matching;
}

DictionaryFile::Status DictionaryDocument::open(const QString &path)
{
    qCDebug(lcDict) << "opening" << path;
    // the journal of the dictionary open before goes with it
    startJournal(QString());
    m_store.clear();
    setDeleted(Entry(0));
    m_file.setPath(path);
    const DictionaryFile::Status status = m_file.load(m_store);
    startJournal(path);
    return status;
}

void DictionaryDocument::close()
{
    startJournal(QString());
    m_store.clear();
    m_file.setPath(QString());
    setDeleted(Entry(0));
}

bool DictionaryDocument::save()
{
    if (!m_file.save(m_store))
        return false;
    if (m_journaling)
        m_journal.discard();
    m_journalError.clear();
    return true;
}

bool DictionaryDocument::restoreLeftChanges()
{
    if (m_left != ChangeJournal::Status::Matching)
        return false;
    m_left = ChangeJournal::Status::None;
    const bool restored = m_journal.replay(m_store);
    if (!restored)
        m_journalError = tr("The changes left could not be read from %1.").arg(m_journal.path());
    m_journaling = true;
    return restored;
}

void DictionaryDocument::discardLeftChanges()
{
    if (m_left == ChangeJournal::Status::Matching)
        m_journal.discard();
    m_left = ChangeJournal::Status::None;
    m_journaling = true;
}

int DictionaryDocument::store(const Entry &entry)
{
    const int id = m_store.addOrReplace(entry);
    // an entry stored again under the deleted one's id takes its place
    if (id != 0 && id == m_deleted.id())
        setDeleted(Entry(0));
    return id;
}

bool DictionaryDocument::remove(int id)
{
    const Entry stored = m_store.entryById(id);
    if (stored.id() == 0 || !m_store.deleteEntry(stored))
        return false;
    setDeleted(stored);
    return true;
}

bool DictionaryDocument::undoRemove()
{
    if (m_deleted.id() == 0 || m_store.entryById(m_deleted.id()).id() != 0)
        return false;
    m_store.insertEntry(m_deleted);
    setDeleted(Entry(0));
    return true;
}

void DictionaryDocument::setDeleted(const Entry &entry)
{
    m_deleted = entry;
    emit deletedEntryChanged(entry.id() != 0);
}
