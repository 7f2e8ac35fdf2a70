#pragma once

#include "dictsdialog.h"

class DeviceSync;

// "Android Sync. (USB)": the local dictionaries, ticked where the device
// holds them too; the ticked ones are merged both ways through adb.
class AndroidSync : public DictsDialog
{
    Q_OBJECT

public:
    AndroidSync(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory);

public slots:
    void nextStep() override;

protected:
    void showList() override;
    // a run that stopped short leaves only "Cancel"
    bool finishesWhenStopped() const override { return false; }

private:
    DeviceSync *m_sync;
};
