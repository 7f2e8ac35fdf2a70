#include "dictionarymodel.h"

#include "input/style.h"

#include "model/dictionary.h"
#include "lang/languageinfo.h"

#include <QColor>

DictionaryModel::DictionaryModel(Dictionary *dictionary, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dictionary(dictionary)
    , m_normalFont(Style::tableFont())
{
    m_italicFont = m_normalFont;
    m_italicFont.setItalic(true);
    if (!m_dictionary)
        return;
    connect(m_dictionary, &Dictionary::aboutToReset, this, &DictionaryModel::beginResetModel);
    connect(m_dictionary, &Dictionary::resetDone, this, &DictionaryModel::endResetModel);
    connect(m_dictionary, &Dictionary::entryAboutToBeInserted, this,
        [this](int row) { beginInsertRows(QModelIndex(), row, row); });
    connect(m_dictionary, &Dictionary::entryInserted, this, &DictionaryModel::endInsertRows);
    connect(m_dictionary, &Dictionary::entryAboutToBeRemoved, this,
        [this](int row) { beginRemoveRows(QModelIndex(), row, row); });
    connect(m_dictionary, &Dictionary::entryRemoved, this, &DictionaryModel::endRemoveRows);
    connect(m_dictionary, &Dictionary::entryChanged, this,
        [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); });
    // the user languages name the columns
    connect(m_dictionary, &Dictionary::attributesChanged, this,
        [this] { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); });
}

void DictionaryModel::setUserLanguages(const QList<int> &languages)
{
    // the column count changes: the filter above must be told
    beginResetModel();
    m_languages = languages;
    endResetModel();
}

std::optional<Entry> DictionaryModel::entryAt(int row) const
{
    if (!m_dictionary || row < 0 || row >= m_dictionary->count())
        return std::nullopt;
    return m_dictionary->entryAt(row);
}

int DictionaryModel::idAt(int row) const
{
    if (!m_dictionary || row < 0 || row >= m_dictionary->count())
        return 0;
    return m_dictionary->idAt(row);
}

int DictionaryModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dictionary)
        return 0;
    return m_dictionary->count();
}

int DictionaryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_languages.size()) + 2;
}

QString DictionaryModel::infoText(const Entry &entry) const
{
    QString info = Entry::typeName(entry.wordType());
    if (entry.wordType() == Entry::Noun) {
        if (entry.hasFlag(Entry::FlagFeminine))
            info += tr(" (f)");
        else if (entry.hasFlag(Entry::FlagMasculine))
            info += tr(" (m)");
    } else if (entry.wordType() == Entry::Verb) {
        if (entry.hasFlag(Entry::FlagTransitive))
            info += tr(" (tr.)");
        else if (entry.hasFlag(Entry::FlagIntransitive))
            info += tr(" (intr.)");
    }
    return info;
}

QVariant DictionaryModel::data(const QModelIndex &index, int role) const
{
    const std::optional<Entry> e = index.isValid() ? entryAt(index.row()) : std::nullopt;
    if (!e || role >= 10)
        return QVariant();
    const int n = int(m_languages.size());
    const int k = index.column();
    const bool missing = k < n && !e->hasTranslation(m_languages[k]);
    switch (role) {
    case Qt::DisplayRole:
        if (k < n)
            return e->userTranslation(m_languages[k], k == 0);
        if (k == n)
            return infoText(*e);
        return e->word();
    case Qt::FontRole: return missing ? m_italicFont : m_normalFont;
    case Qt::TextAlignmentRole:
        if (k == n)
            return int(Qt::AlignHCenter | Qt::AlignVCenter);
        if (k == n + 1) {
            const LanguageInfo *language = LanguageInfo::ofDictionary(m_dictionary->type());
            const bool rightToLeft = language && language->rightToLeft;
            return int(rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
        }
        return QVariant();
    case Qt::ForegroundRole: return missing ? Style::greyColor() : Style::textColor();
    default: return QVariant();
    }
}

QVariant DictionaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    const int n = int(m_languages.size());
    if (section < 0 || section > n + 1)
        return QVariant();
    if (section < n)
        return m_dictionary
            ? LanguageInfo::userLanguageName(m_dictionary->userLanguageCodes().value(m_languages[section]))
            : tr("User Language");
    if (section == n)
        return tr("Info");
    return m_dictionary ? m_dictionary->name() : tr("Foreign");
}
