#include "dictionarydocument.h"

#include "model/dictlog.h"

DictionaryDocument::DictionaryDocument(QObject *parent)
    : QObject(parent)
{ }

DictionaryFile::Status DictionaryDocument::open(const QString &path)
{
    qCDebug(lcDict) << "opening" << path;
    m_store.clear();
    setDeleted(Entry(0));
    m_file.setPath(path);
    return m_file.load(m_store);
}

void DictionaryDocument::close()
{
    m_store.clear();
    m_file.setPath(QString());
    setDeleted(Entry(0));
}

bool DictionaryDocument::save()
{
    return m_file.save(m_store);
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
