#include "lookupmodel.h"

#include "dictionarymodel.h"

#include "dict/entry.h"

LookupModel::LookupModel(DictionaryModel *source, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_source(source)
{
    if (source)
        setSourceModel(source);
    setFilterKeyColumn(0);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
}

void LookupModel::setMode(int mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    setFilterFixedString(QString());
    invalidateFilter();
}

void LookupModel::setPattern(const QString &text)
{
    m_pattern = text;
    setMode(Pattern);
    setFilterFixedString(text);
}

void LookupModel::setChosenEntries(const QSet<int> &ids)
{
    m_chosen = ids;
    m_mode = ChosenEntries;
    setFilterFixedString(QString());
    invalidateFilter();
}

bool LookupModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_mode == AllRows)
        return true;
    const Entry *e = m_source ? m_source->entryAt(sourceRow) : nullptr;
    if (m_mode == ChosenEntries)
        return e && m_chosen.contains(e->id());
    // the text of the first column, read straight from the entry: the same
    // rows as the base filter, without a variant per row
    if (!e || m_source->userLanguages().isEmpty())
        return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
    return e->userTranslation(m_source->userLanguages().first(), true).contains(m_pattern, Qt::CaseInsensitive);
}
