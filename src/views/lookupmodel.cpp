#include "lookupmodel.h"

#include "dictionarymodel.h"

#include "dict/entry.h"

#include <algorithm>

LookupModel::LookupModel(DictionaryModel *source, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_source(source)
{
    if (!source)
        return;
    setSourceModel(source);
    connect(source, &QAbstractItemModel::modelReset, this, &LookupModel::rowsChanged);
    connect(source, &QAbstractItemModel::rowsInserted, this, &LookupModel::rowsChanged);
    connect(source, &QAbstractItemModel::rowsRemoved, this, &LookupModel::rowsChanged);
    connect(source, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex &from, const QModelIndex &to) { rowDataChanged(from.row(), to.row()); });
}

void LookupModel::rowsChanged()
{
    m_meanings.clear();
    m_rowStarts.clear();
    if (m_mode != Pattern)
        return;
    matchPattern();
    invalidateFilter();
}

// An entry changed in place: only its own row needs matching again.
void LookupModel::rowDataChanged(int first, int last)
{
    if (m_mode != Pattern)
        return;
    m_meanings.clear();
    m_rowStarts.clear();
    const QString pattern = m_pattern.toCaseFolded();
    bool changed = false;
    for (int row = first; row <= last && size_t(row) < m_matches.size(); ++row) {
        const bool match = foldedMeaning(row).contains(pattern);
        changed = changed || match != m_matches[size_t(row)];
        m_matches[size_t(row)] = match;
    }
    if (changed)
        invalidateFilter();
}

QString LookupModel::foldedMeaning(int row) const
{
    const int language = m_source->userLanguages().value(0);
    return m_source->entryAt(row)->userTranslation(language, true).toCaseFolded();
}

// Each change filters all rows anew in one layout change: removing the
// unwanted rows range by range costs the view a pass per range, which is
// far too slow on a large dictionary.
void LookupModel::setMode(int mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    invalidate();
}

void LookupModel::setPattern(const QString &text)
{
    m_pattern = text;
    m_mode = Pattern;
    matchPattern();
    invalidate();
}

void LookupModel::prepareMeanings()
{
    if (!m_rowStarts.empty() || !m_source)
        return;
    const int rows = m_source->rowCount();
    m_rowStarts.reserve(size_t(rows) + 1);
    for (int row = 0; row < rows; ++row) {
        m_rowStarts.push_back(m_meanings.size());
        m_meanings += foldedMeaning(row);
        m_meanings += u'\n'; // typed patterns hold no line feed
    }
    m_rowStarts.push_back(m_meanings.size());
}

void LookupModel::matchPattern()
{
    prepareMeanings();
    const size_t rows = m_rowStarts.empty() ? 0 : m_rowStarts.size() - 1;
    const QString pattern = m_pattern.toCaseFolded();
    m_matches.assign(rows, pattern.isEmpty());
    qsizetype at = pattern.isEmpty() ? -1 : m_meanings.indexOf(pattern);
    while (at >= 0) {
        const size_t row
            = size_t(std::upper_bound(m_rowStarts.begin(), m_rowStarts.end(), at) - m_rowStarts.begin()) - 1;
        m_matches[row] = true;
        at = m_meanings.indexOf(pattern, m_rowStarts[row + 1]);
    }
}

void LookupModel::setChosenEntries(const QSet<int> &ids)
{
    m_chosen = ids;
    m_mode = ChosenEntries;
    invalidate();
}

bool LookupModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    Q_UNUSED(sourceParent);
    if (m_mode == AllRows)
        return true;
    if (m_mode == Pattern)
        return size_t(sourceRow) < m_matches.size() && m_matches[size_t(sourceRow)];
    return m_source && m_chosen.contains(m_source->idAt(sourceRow));
}
