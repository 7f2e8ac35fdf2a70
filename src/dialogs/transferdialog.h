#pragma once

#include "exchange/proxyconfig.h"

#include <QDialog>

#include <memory>

class DictionaryList;
class LoginPrompts;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class SyncTable;
class TransferRun;
struct FileOutcome;

// The face of every exchange of the "Dictionaries" menu: the dictionary
// table with each file's outcome, a source line for a server, an
// information line, a progress bar and one button that steps the run: read
// the list, transfer the ticked files, finish. The run (a TransferRun) does
// the work; this shows it.
class TransferDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Kind { Update, MasterExport, DeviceSync };

    TransferDialog(Kind kind, QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory);
    ~TransferDialog() override;

    // The dictionary files this dialog replaced in the data folder.
    QStringList changedFiles() const;
    // Where copies of large dictionaries' decoded stores are kept.
    void setCacheFolder(const QString &folder) { m_cacheFolder = folder; }

public slots:
    void nextStep();
    void setProxy();

private:
    enum class Stage { ReadList, Transfer, Finish };
    struct Description;
    static const Description &describe(Kind kind);

    void createUi();
    void bindRun();
    void showList();
    void showUpdateChoice();
    void showExportChoice();
    void showDeviceChoice();
    void showOutcome(const FileOutcome &outcome);
    void runFinished(bool complete);
    void listFailed(const QString &reason);
    // While a step runs: no typing into the source, no second click.
    void beginStep();
    void setStepButton(const QString &text, bool enabled);

    const Description &m_description;
    DictionaryList *m_dictionaryList;
    QString m_cacheFolder;
    QString m_dataDirectory;
    std::unique_ptr<LoginPrompts> m_prompts;
    ProxyConfig m_proxy;
    std::unique_ptr<TransferRun> m_run;
    Stage m_stage = Stage::ReadList;

    SyncTable *m_table = nullptr;
    QLineEdit *m_sourceEdit = nullptr;
    QLabel *m_infoLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_stepButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
