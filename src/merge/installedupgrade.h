#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Brings a newer installed version of a bundled dictionary (a package
// upgrade) into the learner's copy of it, with the merge of a network
// update: the new version's words and meanings, the learner's additions and
// every learn counter. Beside each copy, FILE.installed holds the installed
// version it last took in: an entry the learner changed since then, or
// trained, stays as the learner has it even where the new version changed
// or dropped it. Without that record (a copy made before there was one)
// nothing the new version lacks is dropped. The learner's previous file is
// kept as FILE.bak; a version is merged once.
//
// An upgrade runs before the window opens, where the trainer's review log
// cannot be told at once, so each upgrade that changes a copy leaves a line
// in FILE.renumbered beside it: the entry ids it gave other numbers
// ("old>new", tab-separated; an empty line when none). The line is written
// before the copy is, and stays until the caller has taken it in
// (pendingRenumberings(), then clearRenumberings()): a crash between the two
// loses none.
class InstalledUpgrade
{
    Q_DECLARE_TR_FUNCTIONS(InstalledUpgrade)

public:
    enum class Status {
        Unchanged, // no copy, or the installed version is the one taken in last
        Upgraded,
        Failed, // the learner's copy is as it was; errorString() tells why
    };

    // Upgrades the learner's copy of one installed dictionary file.
    Status upgrade(const QString &installedPath, const QString &localPath);
    // What the last upgrade did or why it failed, for the user.
    QString message() const { return m_message; }

    // Upgrades every installed dictionary the data folder has a copy of;
    // one line each for those upgraded or failed.
    static QStringList upgradeAll(const QString &installedFolder, const QString &dataFolder);
    // Notes that the learner's copy is the installed version, as on the
    // first start.
    static bool recordInstalled(const QString &installedPath, const QString &localPath);
    static QString recordPath(const QString &localPath);

    // What the upgrades of one copy changed, oldest first: for each, the
    // ids it renumbered (none for a change that kept every id).
    struct Renumberings
    {
        QString localPath;
        QList<QList<QPair<int, int>>> upgrades;
    };
    static QString renumberingsPath(const QString &localPath);
    // Those of every copy in the data folder that has any waiting.
    static QList<Renumberings> pendingRenumberings(const QString &dataFolder);
    // The caller has taken them in.
    static bool clearRenumberings(const QString &localPath);

private:
    Status fail(const QString &localPath, const QString &reason);

    QString m_message;
};
