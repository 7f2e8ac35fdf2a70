#include "syncdialog.h"

#include "dialogslog.h"
#include "loginprompts.h"
#include "synctable.h"

#include "verbalonconfig.h"
#include "exchange/networkupdate.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SyncDialog::SyncDialog(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory)
    : DictsDialog(parent, dictionaryList, dataDirectory)
    , m_update(new NetworkUpdate(dictionaryList, dataDirectory, m_prompts.get(), this))
{
    createUi(tr("Update from Network"), SourceRow | ProxyButton);
    m_sourceEdit->setText(rememberedSource(QStringLiteral("updateSource"), QStringLiteral(VERBALON_UPDATE_URL)));
    m_infoLabel->setText(tr("Click 'Get List' to get dictionaries available..."));
    bind(m_update);
}

void SyncDialog::nextStep()
{
    switch (m_step) {
    case 0:
        beginStep();
        m_update->setProxy(m_proxy);
        m_update->fetchList(m_sourceEdit->text().trimmed());
        break;
    case 1:
        beginStep();
        m_update->fetchFiles(m_table->checkedFiles());
        break;
    default: accept(); break;
    }
}

void SyncDialog::showList()
{
    rememberSource(QStringLiteral("updateSource"));
    m_table->show(m_update->remoteList(), m_dictionaryList);
    setStepButton(tr("Update"), true);
}
