#pragma once

#include "dictsdialog.h"

class NetworkUpdate;

// "Update from Network": the server's dictionaries, ticked where a local
// copy exists; the ticked ones are downloaded, merged with the local copy
// and entered in the local list.
class SyncDialog : public DictsDialog
{
    Q_OBJECT

public:
    SyncDialog(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory);

public slots:
    void nextStep() override;

protected:
    void showList() override;

private:
    NetworkUpdate *m_update;
};
