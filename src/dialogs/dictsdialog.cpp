#include "dictsdialog.h"

#include "dialogslog.h"
#include "loginprompts.h"
#include "proxysettings.h"
#include "synctable.h"

#include "exchange/exchangerun.h"
#include "views/prompt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

DictsDialog::DictsDialog(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory)
    : QDialog(parent)
    , m_dictionaryList(dictionaryList)
    , m_dataDirectory(dataDirectory)
    , m_prompts(std::make_unique<LoginPrompts>(this))
{ }

DictsDialog::~DictsDialog() = default;

QStringList DictsDialog::changedFiles() const
{
    return m_run ? m_run->changedFiles() : QStringList();
}

void DictsDialog::createUi(const QString &title, int options)
{
    setWindowTitle(title);
    resize(700, 400);
    auto *layout = new QVBoxLayout(this);
    m_table = new SyncTable;
    m_table->setObjectName(QStringLiteral("dictionaryTable"));
    layout->addWidget(m_table);
    auto *grid = new QGridLayout;
    int row = 0;
    if (options & SourceRow) {
        m_sourceLabel = new QLabel(tr("Source:"));
        m_sourceEdit = new QLineEdit;
        m_sourceEdit->setObjectName(QStringLiteral("sourceEdit"));
        grid->addWidget(m_sourceLabel, 0, 0);
        grid->addWidget(m_sourceEdit, 0, 1);
        row = 1;
    }
    m_infoLabel = new QLabel;
    m_infoLabel->setObjectName(QStringLiteral("infoLabel"));
    m_infoLabel->setFrameShape(QFrame::Panel);
    m_infoLabel->setFrameShadow(QFrame::Sunken);
    m_infoLabel->setMargin(5);
    grid->addWidget(new QLabel(tr("Info:")), row, 0);
    grid->addWidget(m_infoLabel, row, 1);
    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setValue(0);
    grid->addWidget(new QLabel(tr("Progress:")), row + 1, 0);
    grid->addWidget(m_progressBar, row + 1, 1);
    layout->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    addButtons(buttons, options);
    layout->addLayout(buttons);
}

void DictsDialog::addButtons(QHBoxLayout *layout, int options)
{
    m_getListButton = new QPushButton(tr("Get List"));
    m_getListButton->setObjectName(QStringLiteral("getListButton"));
    m_cancelButton = new QPushButton(tr("&Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    if (options & ProxyButton) {
        m_proxyButton = new QPushButton(tr("Set Proxy..."));
        m_proxyButton->setObjectName(QStringLiteral("proxyButton"));
        layout->addWidget(m_proxyButton);
        connect(m_proxyButton, &QPushButton::clicked, this, &DictsDialog::setProxy);
    }
    layout->addStretch();
    layout->addWidget(m_getListButton);
    layout->addWidget(m_cancelButton);
    connect(m_getListButton, &QPushButton::clicked, this, &DictsDialog::nextStep);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void DictsDialog::bind(ExchangeRun *run)
{
    m_run = run;
    connect(run, &ExchangeRun::info, m_infoLabel, &QLabel::setText);
    connect(run, &ExchangeRun::progressRange, m_progressBar, &QProgressBar::setRange);
    connect(run, &ExchangeRun::progressValue, m_progressBar, &QProgressBar::setValue);
    connect(run, &ExchangeRun::warning, this, [this](const QString &title, const QString &text) {
        Prompt::ask(this, Prompt::Request{QMessageBox::Warning, title, text, {tr("OK")}, 0, 0});
    });
    connect(run, &ExchangeRun::listReady, this, [this] {
        m_step = 1;
        showList();
    });
    // a list that could not be read: the address can be corrected and tried again
    connect(run, &ExchangeRun::listFailed, this, [this] {
        if (m_sourceEdit)
            m_sourceEdit->setEnabled(true);
        m_getListButton->setEnabled(true);
    });
    connect(run, &ExchangeRun::finished, this, [this](bool complete) {
        unsetCursor();
        m_step = 2;
        const bool canFinish = complete || finishesWhenStopped();
        setStepButton(tr("Finish"), canFinish);
        m_cancelButton->setEnabled(!canFinish);
    });
    // the transfers stop with the dialog
    connect(this, &QDialog::rejected, run, [run] {
        run->blockSignals(true);
        run->cancel();
    });
}

void DictsDialog::setStepButton(const QString &text, bool enabled)
{
    m_getListButton->setText(text);
    m_getListButton->setEnabled(enabled);
}

void DictsDialog::beginStep()
{
    if (m_sourceEdit)
        m_sourceEdit->setEnabled(false);
    m_getListButton->setEnabled(false);
}

void DictsDialog::setProxy()
{
    qCDebug(lcDialogs) << "SET PROXY";
    ProxySettings settings(this, &m_proxy);
    Prompt::runDialog(&settings);
}

void DictsDialog::rememberSource(const QString &key)
{
    QSettings().setValue(QStringLiteral("exchange/") + key, m_sourceEdit->text());
}

QString DictsDialog::rememberedSource(const QString &key, const QString &fallback) const
{
    return QSettings().value(QStringLiteral("exchange/") + key, fallback).toString();
}
