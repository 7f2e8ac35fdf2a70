#pragma once

#include "lang/entrygrammar.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QList>
#include <QStringList>

#include <optional>

class Dictionary;
class Entry;

// The entries of a dictionary store as a read-only table: one row per entry
// in the store's order; one column per chosen user language with the
// meaning in it (a missing meaning in grey italics); the entry's grammar in
// the learner's words (EntryGrammar); the foreign word; and, for languages
// whose entries say how they are pronounced, the pronunciation. It reads the
// store at every call, keeps no copies and follows the store's own
// announcements of its changes.
class DictionaryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit DictionaryModel(Dictionary *dictionary, QObject *parent = nullptr);

    // User-language indices of the translation columns, in column order.
    void setUserLanguages(const QList<int> &languages);
    const QList<int> &userLanguages() const { return m_languages; }
    // The entry at a row, none outside the store.
    std::optional<Entry> entryAt(int row) const;
    // Its id alone, 0 outside the store.
    int idAt(int row) const;

    int infoColumn() const { return int(m_languages.size()); }
    int wordColumn() const { return int(m_languages.size()) + 1; }
    // -1 for a language whose entries have no pronunciation
    int pronunciationColumn() const;
    // The height a row needs for words of the dictionary's script with
    // their marks (points, harakat, stress) above and below, in the table's
    // font and the fonts it falls back to for the script.
    int rowHeight() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // The store's language may be another now (a file loaded, TYPE set):
    // its grammar, and the pronunciation column that comes or goes with it.
    void followLanguage();

    Dictionary *m_dictionary;
    QString m_type;
    EntryGrammar m_grammar;
    QList<int> m_languages = {0};
    QFont m_normalFont;
    QFont m_italicFont;
    QFont m_pronunciationFont;
};
