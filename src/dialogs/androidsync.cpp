#include "androidsync.h"

#include "dialogslog.h"
#include "synctable.h"

#include "exchange/devicesync.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

AndroidSync::AndroidSync(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory)
    : DictsDialog(parent, dictionaryList, dataDirectory)
    , m_sync(new DeviceSync(dictionaryList, dataDirectory, this))
{
    createUi(tr("Android Sync. (USB)"), 0);
    m_infoLabel->setText(tr("Click 'Get List' to get dictionaries to sync..."));
    bind(m_sync);
    connect(m_sync, &ExchangeRun::info, this, [this] { setCursor(Qt::WaitCursor); });
}

void AndroidSync::nextStep()
{
    m_getListButton->setEnabled(false);
    switch (m_step) {
    case 0: m_sync->fetchList(); break;
    case 1: m_sync->syncFiles(m_table->checkedFiles()); break;
    default:
        qCDebug(lcDialogs) << "-- good bye!";
        accept();
        break;
    }
}

void AndroidSync::showList()
{
    unsetCursor();
    m_table->show(*m_dictionaryList, &m_sync->remoteList());
    setStepButton(tr("Sync. Data"), true);
}
