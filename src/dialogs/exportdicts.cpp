#include "exportdicts.h"

#include "loginprompts.h"
#include "synctable.h"

#include "verbalonconfig.h"
#include "exchange/masterexport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ExportDicts::ExportDicts(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory)
    : DictsDialog(parent, dictionaryList, dataDirectory)
    , m_export(new MasterExport(dictionaryList, dataDirectory, m_prompts.get(), this))
{
    createUi(tr("Export as Master Dictionaries"), SourceRow | ProxyButton);
    m_sourceLabel->setText(tr("Destination:"));
    m_sourceEdit->setText(rememberedSource(QStringLiteral("exportDestination"), QStringLiteral(VERBALON_MASTER_URL)));
    m_infoLabel->setText(tr("Click 'Get List' to read remote list of dictionaries..."));
    bind(m_export);
}

void ExportDicts::nextStep()
{
    switch (m_step) {
    case 0:
        beginStep();
        m_export->fetchList(m_sourceEdit->text().trimmed());
        break;
    case 1:
        beginStep();
        m_export->sendFiles(m_table->checkedFiles());
        break;
    default: accept(); break;
    }
}

void ExportDicts::showList()
{
    rememberSource(QStringLiteral("exportDestination"));
    m_table->show(m_export->remoteList(), m_dictionaryList);
    setStepButton(tr("Update"), true);
}
