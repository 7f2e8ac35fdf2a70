#include "lookupmodel.h"

#include "dictionarymodel.h"

#include "model/entry.h"

#include <algorithm>

LookupModel::LookupModel(DictionaryModel *source, QObject *parent)
    : QAbstractProxyModel(parent)
    , m_source(source)
{
    if (!source)
        return;
    QAbstractProxyModel::setSourceModel(source);
    followSource();
}

void LookupModel::followSource()
{
    connect(m_source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginSourceChange(Change::Reset); });
    connect(m_source, &QAbstractItemModel::modelReset, this, [this] { endSourceChange(Change::Reset); });
    connect(m_source, &QAbstractItemModel::rowsAboutToBeInserted, this,
        [this](const QModelIndex &, int first, int last) { beginSourceChange(Change::Insert, first, last); });
    connect(m_source, &QAbstractItemModel::rowsInserted, this, [this] { endSourceChange(Change::Insert); });
    connect(m_source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
        [this](const QModelIndex &, int first, int last) { beginSourceChange(Change::Remove, first, last); });
    connect(m_source, &QAbstractItemModel::rowsRemoved, this, [this] { endSourceChange(Change::Remove); });
    connect(m_source, &QAbstractItemModel::dataChanged, this, &LookupModel::sourceDataChanged);
    connect(m_source, &QAbstractItemModel::headerDataChanged, this, &QAbstractItemModel::headerDataChanged);
}

// The meanings buffer no longer fits the rows. Showing every row, an
// insertion or removal is passed on as it is; filtering, the rows are found
// again in one reset (a single change on a large dictionary).
void LookupModel::beginSourceChange(Change change, int first, int last)
{
    m_meanings.clear();
    m_rowStarts.clear();
    if (change == Change::Reset || filters())
        beginResetModel();
    else if (change == Change::Insert)
        beginInsertRows(QModelIndex(), first, last);
    else
        beginRemoveRows(QModelIndex(), first, last);
}

void LookupModel::endSourceChange(Change change)
{
    if (change == Change::Reset || filters()) {
        filter();
        endResetModel();
    } else if (change == Change::Insert) {
        endInsertRows();
    } else {
        endRemoveRows();
    }
}

// An entry changed in place: the pattern may now match it or not.
void LookupModel::sourceDataChanged(const QModelIndex &from, const QModelIndex &to)
{
    m_meanings.clear();
    m_rowStarts.clear();
    if (m_mode == Mode::Pattern) {
        const QString pattern = m_pattern.toCaseFolded();
        for (int row = from.row(); row <= to.row(); ++row) {
            const bool shown = std::binary_search(m_rows.begin(), m_rows.end(), row);
            if (foldedMeaning(row).contains(pattern) != shown) {
                beginResetModel();
                filter();
                endResetModel();
                return;
            }
        }
    }
    int first = from.row();
    int last = to.row();
    if (filters()) {
        first = int(std::lower_bound(m_rows.begin(), m_rows.end(), from.row()) - m_rows.begin());
        last = int(std::upper_bound(m_rows.begin(), m_rows.end(), to.row()) - m_rows.begin()) - 1;
    }
    if (first <= last)
        emit dataChanged(index(first, from.column()), index(last, to.column()));
}

QString LookupModel::foldedMeaning(int row) const
{
    const int language = m_source->userLanguages().value(0);
    return m_source->entryAt(row)->userTranslation(language, true).toCaseFolded();
}

// Each change filters all rows anew in one reset: removing the unwanted
// rows range by range costs the view a pass per range, which is far too
// slow on a large dictionary.
void LookupModel::showAllRows()
{
    setMode(Mode::AllRows);
}

void LookupModel::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    beginResetModel();
    m_mode = mode;
    filter();
    endResetModel();
}

void LookupModel::setPattern(const QString &text)
{
    beginResetModel();
    m_pattern = text;
    m_mode = Mode::Pattern;
    filter();
    endResetModel();
}

void LookupModel::setChosenEntries(const QSet<int> &ids)
{
    beginResetModel();
    m_chosen = ids;
    m_mode = Mode::ChosenEntries;
    filter();
    endResetModel();
}

void LookupModel::filter()
{
    m_rows.clear();
    if (!m_source || m_mode == Mode::AllRows)
        return;
    if (m_mode == Mode::Pattern) {
        matchPattern();
        return;
    }
    for (int row = 0; row < m_source->rowCount(); ++row) {
        if (m_chosen.contains(m_source->idAt(row)))
            m_rows.push_back(row);
    }
}

void LookupModel::prepareMeanings()
{
    if (!m_rowStarts.empty())
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
    const int rows = int(m_rowStarts.size()) - 1;
    const QString pattern = m_pattern.toCaseFolded();
    if (pattern.isEmpty()) {
        for (int row = 0; row < rows; ++row)
            m_rows.push_back(row);
        return;
    }
    qsizetype at = m_meanings.indexOf(pattern);
    while (at >= 0) {
        const auto row = int(std::upper_bound(m_rowStarts.begin(), m_rowStarts.end(), at) - m_rowStarts.begin()) - 1;
        m_rows.push_back(row);
        at = m_meanings.indexOf(pattern, m_rowStarts[size_t(row) + 1]);
    }
}

QModelIndex LookupModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex LookupModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int LookupModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_source)
        return 0;
    return filters() ? int(m_rows.size()) : m_source->rowCount();
}

int LookupModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_source ? 0 : m_source->columnCount();
}

QModelIndex LookupModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || !m_source)
        return QModelIndex();
    const int row = filters() ? m_rows[size_t(proxyIndex.row())] : proxyIndex.row();
    return m_source->index(row, proxyIndex.column());
}

QModelIndex LookupModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid())
        return QModelIndex();
    if (!filters())
        return index(sourceIndex.row(), sourceIndex.column());
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), sourceIndex.row());
    if (it == m_rows.end() || *it != sourceIndex.row())
        return QModelIndex();
    return index(int(it - m_rows.begin()), sourceIndex.column());
}
