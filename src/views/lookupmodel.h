#pragma once

#include <QSet>
#include <QSortFilterProxyModel>

#include <vector>

class DictionaryModel;

// The filter between the dictionary table and the lookup table. Mode 0
// shows every row (lookup in the dictionary's language), mode 1 the rows
// whose first column (the meaning shown) contains the pattern in any case
// (lookup by meaning), mode 2 a chosen set of entries (such as the
// incomplete ones). Rows keep the store's order.
class LookupModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    enum Mode { AllRows = 0, Pattern = 1, ChosenEntries = 2 };

    explicit LookupModel(DictionaryModel *source, QObject *parent = nullptr);

    int mode() const { return m_mode; }
    void setMode(int mode);
    void setPattern(const QString &text);
    // Shows just the entries with these ids.
    void setChosenEntries(const QSet<int> &ids);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    void prepareMeanings();
    void matchPattern();
    QString foldedMeaning(int row) const;
    // The source's rows moved or changed: the meaning buffer no longer fits.
    void rowsChanged();
    void rowDataChanged(int first, int last);

    DictionaryModel *m_source;
    int m_mode = AllRows;
    QString m_pattern;
    QSet<int> m_chosen;
    // The meanings shown in the first column, case-folded, one after the
    // other in one buffer with the start of each row: a keystroke searches
    // one block of memory instead of a hundred thousand strings. Built on
    // the first pattern, dropped whenever the rows change.
    QString m_meanings;
    std::vector<qsizetype> m_rowStarts;
    std::vector<bool> m_matches;
};
