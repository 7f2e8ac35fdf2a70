#pragma once

#include <QTableWidget>

class DictionaryList;

// The records of a dictionary list as a table: name, date, size, file and
// description. Given a second list, every row gets a check box, ticked when
// that list holds the same file.
class DictionaryTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit DictionaryTable(QWidget *parent = nullptr);

    void showRecords(const DictionaryList &rows, const DictionaryList *checkAgainst);
};
