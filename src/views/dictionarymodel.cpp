#include "dictionarymodel.h"

#include "input/style.h"

#include "model/dictionary.h"
#include "lang/languageinfo.h"

#include <QColor>
#include <QFontMetricsF>
#include <QTextLayout>
#include <QtMath>

namespace {

// Letters of a script with the marks that reach highest and lowest on them.
QString markedSample(const LanguageInfo *language)
{
    switch (language ? language->script : LanguageInfo::Script::Latin) {
    case LanguageInfo::Script::Hebrew:
        return QStringLiteral(u"\u05E9\u05C1\u05B8\u05DC\u05B9\u05DD \u05D1\u05BC\u05B0\u05DC\u05B4\u05D9 "
                              u"\u05E7\u05BB\u05E3\u05BC\u05B3");
    case LanguageInfo::Script::Arabic:
        return QStringLiteral(u"\u0623\u064F\u0645\u0651\u064B \u0625\u0650\u0644\u064E\u0649 \u064A\u064D\u0652");
    case LanguageInfo::Script::Cyrillic: return QStringLiteral(u"\u0401\u0301\u0419\u0443\u0301 \u0434\u0444\u0440");
    case LanguageInfo::Script::Latin: return QStringLiteral(u"\u00C9\u00C5gjy");
    }
    return QString();
}

// room between a word's marks and the row's lines
constexpr int RowPadding = 4;

// The meaning of an entry in user language k; empty when it has none.
QStringView meaningOf(const EntryArena::View &entry, int k)
{
    if (k == 0)
        return entry.translation;
    QStringView meaning;
    entry.forEachText([&meaning, k](quint32 key, QStringView text) {
        if (key == Entry::TextUserBase + quint32(k))
            meaning = text;
    });
    return meaning;
}

} // namespace

DictionaryModel::DictionaryModel(Dictionary *dictionary, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dictionary(dictionary)
    , m_grammar(nullptr)
    , m_normalFont(Style::tableFont())
    , m_pronunciationFont(Style::smallFont())
{
    m_italicFont = m_normalFont;
    m_italicFont.setItalic(true);
    if (!m_dictionary)
        return;
    m_type = m_dictionary->type();
    m_grammar = EntryGrammar::ofDictionary(m_type);
    connect(m_dictionary, &Dictionary::aboutToReset, this, &DictionaryModel::beginResetModel);
    connect(m_dictionary, &Dictionary::resetDone, this, [this] {
        m_type = m_dictionary->type();
        m_grammar = EntryGrammar::ofDictionary(m_type);
        endResetModel();
    });
    connect(m_dictionary, &Dictionary::entryAboutToBeInserted, this,
        [this](int row) { beginInsertRows(QModelIndex(), row, row); });
    connect(m_dictionary, &Dictionary::entryInserted, this, &DictionaryModel::endInsertRows);
    connect(m_dictionary, &Dictionary::entryAboutToBeRemoved, this,
        [this](int row) { beginRemoveRows(QModelIndex(), row, row); });
    connect(m_dictionary, &Dictionary::entryRemoved, this, &DictionaryModel::endRemoveRows);
    connect(m_dictionary, &Dictionary::entryChanged, this,
        [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); });
    // the user languages name the columns, the language decides the rest
    connect(m_dictionary, &Dictionary::attributesChanged, this, &DictionaryModel::followLanguage);
}

void DictionaryModel::followLanguage()
{
    if (m_dictionary->type() == m_type) {
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        return;
    }
    beginResetModel();
    m_type = m_dictionary->type();
    m_grammar = EntryGrammar::ofDictionary(m_type);
    endResetModel();
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

int DictionaryModel::pronunciationColumn() const
{
    return m_grammar.hasPronunciation() ? wordColumn() + 1 : -1;
}

// The line the fonts set for the script (their ascent and descent are
// meant to hold its marks) or the marks' own ink, where it reaches further.
int DictionaryModel::rowHeight() const
{
    const QString sample = markedSample(LanguageInfo::ofDictionary(m_type));
    QTextLayout layout(sample, m_normalFont);
    layout.beginLayout();
    const qreal line = layout.createLine().height();
    layout.endLayout();
    const qreal ink = QFontMetricsF(m_normalFont).boundingRect(sample).height();
    return qCeil(qMax(line, ink)) + RowPadding;
}

int DictionaryModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dictionary)
        return 0;
    return m_dictionary->count();
}

int DictionaryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : wordColumn() + (m_grammar.hasPronunciation() ? 2 : 1);
}

// Made from the entry's fields where the store keeps them, without building
// an entry: only the rows in view are asked for, but each several times.
QVariant DictionaryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_dictionary || index.row() >= m_dictionary->count() || role >= 10)
        return QVariant();
    const EntryArena::View entry = m_dictionary->viewAt(index.row());
    const int column = index.column();
    const bool meaning = column < infoColumn();
    const bool missing = meaning && meaningOf(entry, m_languages[column]).isEmpty();
    switch (role) {
    case Qt::DisplayRole:
        if (meaning) // the first column falls back to the main meaning
            return (missing && column == 0 ? entry.translation : meaningOf(entry, m_languages[column])).toString();
        if (column == infoColumn())
            return m_grammar.describe(entry);
        if (column == wordColumn())
            return entry.word.toString();
        return m_grammar.pronunciation(entry);
    case Qt::FontRole:
        if (column == pronunciationColumn())
            return m_pronunciationFont;
        return missing ? m_italicFont : m_normalFont;
    case Qt::TextAlignmentRole:
        if (column == infoColumn())
            return int(Qt::AlignHCenter | Qt::AlignVCenter);
        if (column == wordColumn()) {
            const LanguageInfo *language = LanguageInfo::ofDictionary(m_type);
            const bool rightToLeft = language && language->rightToLeft;
            return int((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        return QVariant();
    case Qt::ForegroundRole: return missing ? Style::greyColor() : Style::textColor();
    default: return QVariant();
    }
}

QVariant DictionaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QVariant();
    const int n = int(m_languages.size());
    if (section < n)
        return m_dictionary
            ? LanguageInfo::userLanguageName(m_dictionary->userLanguageCodes().value(m_languages[section]))
            : tr("User Language");
    if (section == infoColumn())
        return tr("Info");
    if (section == pronunciationColumn())
        return tr("Pronunciation");
    return m_dictionary ? LanguageInfo::dictionaryName(m_dictionary->name(), m_type) : tr("Foreign");
}
