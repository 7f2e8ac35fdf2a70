#pragma once

#include <QAbstractProxyModel>
#include <QSet>

#include <vector>

class DictionaryModel;

// The filter between the dictionary table and the lookup table: every row
// (lookup in the dictionary's language), the rows whose first column (the
// meaning shown) contains a pattern in any case (lookup by meaning), or a
// chosen set of entries (such as the incomplete ones). Rows keep the store's order. Showing every row maps
// nothing, so a million rows cost nothing to show; a filter keeps the list
// of the rows it lets through.
class LookupModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    explicit LookupModel(DictionaryModel *source, QObject *parent = nullptr);

    bool showsAllRows() const { return m_mode == Mode::AllRows; }
    void showAllRows();
    void setPattern(const QString &text);
    // Shows just the entries with these ids.
    void setChosenEntries(const QSet<int> &ids);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

private:
    enum class Mode { AllRows, Pattern, ChosenEntries };

    bool filters() const { return m_mode != Mode::AllRows; }
    void setMode(Mode mode);
    void followSource();
    // The rows the filter lets through, anew.
    void filter();
    void prepareMeanings();
    void matchPattern();
    QString foldedMeaning(int row) const;
    enum class Change { Reset, Insert, Remove };
    void beginSourceChange(Change change, int first = 0, int last = 0);
    void endSourceChange(Change change);
    void sourceDataChanged(const QModelIndex &from, const QModelIndex &to);

    DictionaryModel *m_source;
    Mode m_mode = Mode::AllRows;
    QString m_pattern;
    QSet<int> m_chosen;
    // the source rows shown while filtering, ascending
    std::vector<int> m_rows;
    // The meanings shown in the first column, case-folded, one after the
    // other in one buffer with the start of each row: a keystroke searches
    // one block of memory instead of a hundred thousand strings. Built on
    // the first pattern, dropped whenever the rows change.
    QString m_meanings;
    std::vector<qsizetype> m_rowStarts;
};
