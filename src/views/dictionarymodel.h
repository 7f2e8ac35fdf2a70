#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QList>
#include <QStringList>

#include <optional>

class Dictionary;
class Entry;

// The entries of a dictionary store as a read-only table: one row per entry
// in the store's order; one column per chosen user language with the
// meaning in it (a missing meaning in grey italics); the word type with its
// grammatical mark; the foreign word. It reads the store at every call,
// keeps no copies and follows the store's own announcements of its changes.
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

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The type label and its mark, such as "Noun (f)".
    QString infoText(const Entry &entry) const;

private:
    Dictionary *m_dictionary;
    QList<int> m_languages = {0};
    QFont m_normalFont;
    QFont m_italicFont;
};
