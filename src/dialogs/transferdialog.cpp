#include "transferdialog.h"

#include "dialogslog.h"
#include "loginprompts.h"
#include "proxysettings.h"
#include "synctable.h"

#include "exchange/devicesyncrun.h"
#include "exchange/masterexportrun.h"
#include "exchange/updaterun.h"
#include "views/prompt.h"

#include "verbalonconfig.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

// What one kind of exchange shows and runs; the dialog follows it.
struct TransferDialog::Description
{
    const char *title;
    const char *hint;
    const char *errorTitle;
    // the source line's label (null: no source line, a phone's) and what to type there
    const char *sourceLabel;
    const char *sourceHint;
    // where the source typed last is kept, and the one the build names
    const char *settingsKey;
    const char *configuredSource;
    bool waitsForDevice;
    std::unique_ptr<TransferRun> (*makeRun)(const TransferSettings &settings);
    void (TransferDialog::*showChoice)();
};

const TransferDialog::Description &TransferDialog::describe(Kind kind)
{
    static const Description update{QT_TR_NOOP("Update from Network"),
        QT_TR_NOOP("Click 'Get List' to get dictionaries available..."), QT_TR_NOOP("Update Error"),
        QT_TR_NOOP("Source:"),
        QT_TR_NOOP("the address of a dictionary server, such as http://example.org/verbalon/data"),
        "exchange/updateSource", VERBALON_UPDATE_URL, false,
        [](const TransferSettings &settings) -> std::unique_ptr<TransferRun> {
            return std::make_unique<UpdateRun>(settings);
        },
        &TransferDialog::showUpdateChoice};
    static const Description exportMasters{QT_TR_NOOP("Export as Master Dictionaries"),
        QT_TR_NOOP("Click 'Get List' to read remote list of dictionaries..."), QT_TR_NOOP("Export Error"),
        QT_TR_NOOP("Destination:"),
        QT_TR_NOOP("the FTP folder of the master copies, such as ftp://example.org/verbalon/data"),
        "exchange/exportDestination", VERBALON_MASTER_URL, false,
        [](const TransferSettings &settings) -> std::unique_ptr<TransferRun> {
            return std::make_unique<MasterExportRun>(settings);
        },
        &TransferDialog::showExportChoice};
    static const Description device{QT_TR_NOOP("Android Sync. (USB)"),
        QT_TR_NOOP("Click 'Get List' to get dictionaries to sync..."), QT_TR_NOOP("Sync. Failed"), nullptr, nullptr,
        nullptr, nullptr, true,
        [](const TransferSettings &settings) -> std::unique_ptr<TransferRun> {
            return std::make_unique<DeviceSyncRun>(settings);
        },
        &TransferDialog::showDeviceChoice};
    switch (kind) {
    case Kind::Update: return update;
    case Kind::MasterExport: return exportMasters;
    case Kind::DeviceSync: break;
    }
    return device;
}

TransferDialog::TransferDialog(Kind kind, QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory)
    : QDialog(parent)
    , m_description(describe(kind))
    , m_dictionaryList(dictionaryList)
    , m_dataDirectory(dataDirectory)
    , m_prompts(std::make_unique<LoginPrompts>(this))
    , m_proxy(ProxySettings::current())
{
    createUi();
}

TransferDialog::~TransferDialog() = default;

QStringList TransferDialog::changedFiles() const
{
    return m_run ? m_run->changedFiles() : QStringList();
}

void TransferDialog::createUi()
{
    const bool server = m_description.sourceLabel != nullptr;
    setWindowTitle(tr(m_description.title));
    resize(700, 400);
    auto *layout = new QVBoxLayout(this);
    m_table = new SyncTable;
    m_table->setObjectName(QStringLiteral("dictionaryTable"));
    layout->addWidget(m_table);
    auto *grid = new QGridLayout;
    int row = 0;
    if (server) {
        m_sourceEdit = new QLineEdit;
        m_sourceEdit->setObjectName(QStringLiteral("sourceEdit"));
        m_sourceEdit->setPlaceholderText(tr(m_description.sourceHint));
        m_sourceEdit->setText(
            QSettings()
                .value(QLatin1String(m_description.settingsKey), QString::fromUtf8(m_description.configuredSource))
                .toString());
        grid->addWidget(new QLabel(tr(m_description.sourceLabel)), row, 0);
        grid->addWidget(m_sourceEdit, row++, 1);
    }
    m_infoLabel = new QLabel(tr(m_description.hint));
    m_infoLabel->setObjectName(QStringLiteral("infoLabel"));
    m_infoLabel->setFrameShape(QFrame::Panel);
    m_infoLabel->setFrameShadow(QFrame::Sunken);
    m_infoLabel->setMargin(5);
    m_infoLabel->setWordWrap(true);
    grid->addWidget(new QLabel(tr("Info:")), row, 0);
    grid->addWidget(m_infoLabel, row++, 1);
    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setValue(0);
    grid->addWidget(new QLabel(tr("Progress:")), row, 0);
    grid->addWidget(m_progressBar, row, 1);
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    if (server) {
        auto *proxyButton = new QPushButton(tr("Set Proxy..."));
        proxyButton->setObjectName(QStringLiteral("proxyButton"));
        buttons->addWidget(proxyButton);
        connect(proxyButton, &QPushButton::clicked, this, &TransferDialog::setProxy);
    }
    m_stepButton = new QPushButton(tr("Get List"));
    m_stepButton->setObjectName(QStringLiteral("stepButton"));
    m_cancelButton = new QPushButton(tr("&Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addStretch();
    buttons->addWidget(m_stepButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);
    connect(m_stepButton, &QPushButton::clicked, this, &TransferDialog::nextStep);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// A run per list read: a corrected source starts afresh.
void TransferDialog::bindRun()
{
    const TransferSettings settings{m_dataDirectory, m_dictionaryList, m_prompts.get(),
        TransferLimits::DefaultStallSeconds, m_proxy, m_cacheFolder};
    m_run = m_description.makeRun(settings);
    TransferRun *run = m_run.get();
    connect(run, &TransferRun::info, m_infoLabel, &QLabel::setText);
    connect(run, &TransferRun::progressRange, m_progressBar, &QProgressBar::setRange);
    connect(run, &TransferRun::progressValue, m_progressBar, &QProgressBar::setValue);
    connect(run, &TransferRun::listReady, this, &TransferDialog::showList);
    connect(run, &TransferRun::listFailed, this, &TransferDialog::listFailed);
    connect(run, &TransferRun::fileDone, this, &TransferDialog::showOutcome);
    connect(run, &TransferRun::finished, this, &TransferDialog::runFinished);
    // the transfers stop with the dialog
    connect(this, &QDialog::rejected, run, [run] {
        run->blockSignals(true);
        run->cancelNow();
    });
}

void TransferDialog::nextStep()
{
    switch (m_stage) {
    case Stage::ReadList:
        beginStep();
        bindRun();
        if (m_description.waitsForDevice)
            setCursor(Qt::WaitCursor);
        m_run->readList(m_sourceEdit ? m_sourceEdit->text() : QString());
        break;
    case Stage::Transfer:
        beginStep();
        m_run->transfer(m_table->checkedFiles());
        break;
    case Stage::Finish:
        qCDebug(lcDialogs) << "done";
        accept();
        break;
    }
}

void TransferDialog::showList()
{
    unsetCursor();
    if (m_sourceEdit)
        QSettings().setValue(QLatin1String(m_description.settingsKey), m_sourceEdit->text().trimmed());
    (this->*m_description.showChoice)();
    m_stage = Stage::Transfer;
}

void TransferDialog::showUpdateChoice()
{
    m_table->showRecords(m_run->remoteList(), m_dictionaryList);
    m_infoLabel->setText(tr("Select dictionaries for update."));
    setStepButton(tr("Update"), true);
}

void TransferDialog::showDeviceChoice()
{
    m_table->showRecords(*m_dictionaryList, &m_run->remoteList(), m_dataDirectory);
    m_infoLabel->setText(m_run->remoteList().count() == 0
            ? tr("The phone holds no dictionaries of Verbalon yet: the ones you tick are copied onto it.")
            : tr("Select dictionaries to sync; one the phone lacks is copied onto it."));
    setStepButton(tr("Sync. Data"), true);
}

// The server's dictionaries, ticked where this computer has them too, then
// those only this computer has, unticked: a new one can be published.
void TransferDialog::showExportChoice()
{
    const DictionaryList &remote = m_run->remoteList();
    DictionaryList rows = remote;
    DictionaryList both;
    for (int i = 0; i < m_dictionaryList->count(); ++i) {
        const DictionaryList::Record record = m_dictionaryList->record(i);
        if (remote.containsFile(m_dictionaryList->file(i)))
            both.updateRecord(record);
        else
            rows.updateRecord(record);
    }
    m_table->showRecords(rows, &both, m_dataDirectory);
    m_infoLabel->setText(tr("Select dictionaries to export; the ones the server lacks are added to its list."));
    setStepButton(tr("Export"), true);
}

// The address can be corrected and the list read again.
void TransferDialog::listFailed(const QString &reason)
{
    unsetCursor();
    Prompt::warn(this, tr(m_description.errorTitle), tr("The list could not be read: %1").arg(reason));
    if (m_sourceEdit)
        m_sourceEdit->setEnabled(true);
    m_stepButton->setEnabled(true);
}

void TransferDialog::showOutcome(const FileOutcome &outcome)
{
    const QString changes = TransferRun::changesText(outcome.report);
    m_table->setOutcome(outcome.file, outcome.ok, outcome.ok ? changes : outcome.detail,
        outcome.ok ? TransferRun::changeLines(outcome.report) : QStringList());
}

void TransferDialog::runFinished(bool complete)
{
    unsetCursor();
    m_stage = Stage::Finish;
    setStepButton(tr("Finish"), true);
    m_cancelButton->setEnabled(!complete);
}

void TransferDialog::beginStep()
{
    if (m_sourceEdit)
        m_sourceEdit->setEnabled(false);
    m_stepButton->setEnabled(false);
}

void TransferDialog::setStepButton(const QString &text, bool enabled)
{
    m_stepButton->setText(text);
    m_stepButton->setEnabled(enabled);
}

void TransferDialog::setProxy()
{
    qCDebug(lcDialogs) << "proxy settings";
    ProxySettings settings(this, &m_proxy);
    Prompt::runDialog(&settings);
}
