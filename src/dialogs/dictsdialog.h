#pragma once

#include "exchange/proxyconfig.h"

#include <QDialog>

#include <memory>

class DictionaryList;
class ExchangeRun;
class LoginPrompts;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class SyncTable;

// The common face of the dialogs that move dictionaries between this
// computer and somewhere else: the dictionary table, an optional source
// line, an information line, a progress bar and a button row. One button
// steps the run: read the list, transfer the ticked files, finish. The run
// itself (an ExchangeRun) does the work; this binds the widgets to it.
class DictsDialog : public QDialog
{
    Q_OBJECT

public:
    enum Option { SourceRow = 1, ProxyButton = 2 };

    DictsDialog(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory);
    ~DictsDialog() override;

    // The dictionary files this dialog replaced in the data directory.
    QStringList changedFiles() const;

public slots:
    virtual void nextStep() = 0;
    void setProxy();

protected:
    void createUi(const QString &title, int options);
    virtual void addButtons(QHBoxLayout *layout, int options);
    void bind(ExchangeRun *run);
    // The table filled from the run's list once it arrived.
    virtual void showList() = 0;
    // Whether a run that stopped short may be closed with "Finish".
    virtual bool finishesWhenStopped() const { return true; }
    void setStepButton(const QString &text, bool enabled);
    // While a step runs: no typing into the source, no second click.
    void beginStep();
    void rememberSource(const QString &key);
    QString rememberedSource(const QString &key, const QString &fallback) const;

    DictionaryList *m_dictionaryList;
    QString m_dataDirectory;
    std::unique_ptr<LoginPrompts> m_prompts;
    ProxyConfig m_proxy;
    ExchangeRun *m_run = nullptr;
    int m_step = 0; // 0: list not read, 1: list shown or files under way, 2: done

    SyncTable *m_table = nullptr;
    QLabel *m_sourceLabel = nullptr;
    QLineEdit *m_sourceEdit = nullptr;
    QLabel *m_infoLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_proxyButton = nullptr;
    QPushButton *m_getListButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
