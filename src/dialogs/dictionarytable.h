#pragma once

#include <QTableWidget>

class DictionaryList;

// The records of a dictionary list as a table: name, date, size, file and
// description. Given a second list, every row gets a check box, ticked when
// that list holds the same file; a row whose file is no plain dictionary
// name is greyed, says why and cannot be ticked. Given the folder of the
// files, a record without size or date shows the file's.
class DictionaryTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit DictionaryTable(QWidget *parent = nullptr);

    void showRecords(
        const DictionaryList &rows, const DictionaryList *checkAgainst, const QString &filesFolder = QString());

private:
    void addCheckBox(int row, const QString &file, bool checked);
};
