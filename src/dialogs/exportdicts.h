#pragma once

#include "dictsdialog.h"

class MasterExport;

// "Export as Master Dictionaries": the server's dictionaries, ticked where a
// local copy exists; the ticked ones are uploaded with their counters
// cleared, then the server's list with their new size and date.
class ExportDicts : public DictsDialog
{
    Q_OBJECT

public:
    ExportDicts(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory);

public slots:
    void nextStep() override;

protected:
    void showList() override;

private:
    MasterExport *m_export;
};
