#include "dictionarymanager.h"

#include "dialogslog.h"
#include "dictionarytable.h"
#include "dictionarywizard.h"

#include "files/backupfiles.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "files/dictionarylist.h"
#include "lang/languageinfo.h"
#include "train/reviewlogupkeep.h"
#include "views/prompt.h"
#include "input/style.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

DictionaryManager::DictionaryManager(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory)
    : QDialog(parent)
    , m_dictionaryList(dictionaryList)
    , m_dataDirectory(dataDirectory)
    , m_table(new DictionaryTable)
    , m_settingsBox(new QGroupBox(tr("Current Dictionary")))
    , m_note(new QLabel)
{
    setWindowTitle(tr("Dictionary Manager"));
    resize(700, 400);
    m_table->setObjectName(QStringLiteral("dictionaryTable"));
    m_note->setObjectName(QStringLiteral("noteLabel"));
    QStringList names;
    for (const LanguageInfo *language : LanguageInfo::userLanguages()) {
        m_codes.append(QString::fromLatin1(language->code));
        names.append(language->name());
    }
    const QString labels[]
        = {tr("1st User Language:"), tr("2nd User Language:"), tr("3rd User Language:"), tr("4th User Language:")};
    auto *grid = new QGridLayout(m_settingsBox);
    for (int k = 0; k < 4; ++k) {
        auto *box = new QComboBox;
        box->setObjectName(QStringLiteral("userLanguageBox%1").arg(k + 1));
        box->addItems(k == 0 ? names : QStringList{QStringLiteral("--")} + names);
        m_userLanguageBoxes[k] = box;
        auto *label = new QLabel(labels[k]);
        const int row = k == 0 ? 0 : k - 1;
        const int column = k == 0 ? 0 : 2;
        if (k > 0)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
        connect(box, &QComboBox::currentIndexChanged, this,
            [k](int index) { qCDebug(lcDialogs) << "user language" << k + 1 << "set to" << index; });
    }
    Style::setTextColor(m_note, Style::notFoundColor());
    grid->addWidget(m_note, 3, 0, 1, 4);
    auto *newButton = new QPushButton(tr("&New..."));
    auto *deleteButton = new QPushButton(tr("Delete"));
    auto *closeButton = new QPushButton(tr("&Close"));
    newButton->setObjectName(QStringLiteral("newButton"));
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(newButton);
    buttons->addWidget(deleteButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_settingsBox);
    layout->addLayout(buttons);
    m_table->showRecords(*m_dictionaryList, nullptr, m_dataDirectory);
    m_settingsBox->setEnabled(false);
    connect(m_table, &QTableWidget::currentCellChanged, this, &DictionaryManager::tableCellChanged);
    connect(newButton, &QPushButton::clicked, this, &DictionaryManager::dictNew);
    connect(deleteButton, &QPushButton::clicked, this, &DictionaryManager::dictDelete);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void DictionaryManager::tableCellChanged(int row, int column, int oldRow, int oldColumn)
{
    Q_UNUSED(column);
    Q_UNUSED(oldColumn);
    qCDebug(lcDialogs) << "row" << row << "chosen, was" << oldRow;
    m_settingsBox->setEnabled(row >= 0);
    if (row < 0) {
        m_settingsBox->setTitle(tr("Settings"));
        for (QComboBox *box : m_userLanguageBoxes)
            box->setCurrentIndex(0);
        return;
    }
    if (row == oldRow)
        return;
    updateUserLanguages(oldRow);
    m_settingsBox->setTitle(tr("Settings for '%1'").arg(m_dictionaryList->name(row)));
    showRowLanguages(row);
}

void DictionaryManager::showRowLanguages(int row)
{
    const QStringList codes = m_dictionaryList->userLanguages(row);
    qCDebug(lcDialogs) << "user languages:" << codes;
    m_userLanguageBoxes[0]->setCurrentIndex(int(m_codes.indexOf(codes.value(0, QStringLiteral("en")))));
    for (int k = 1; k < 4; ++k)
        m_userLanguageBoxes[k]->setCurrentIndex(k < codes.size() ? int(m_codes.indexOf(codes[k])) + 1 : 0);
}

QStringList DictionaryManager::selectedLanguages() const
{
    QStringList languages;
    // a first language outside the five has no place in the box: it is kept
    languages.append(m_codes.value(m_userLanguageBoxes[0]->currentIndex()));
    for (int k = 1; k < 4; ++k) {
        const int index = m_userLanguageBoxes[k]->currentIndex();
        if (index > 0)
            languages.append(m_codes.value(index - 1));
    }
    return languages;
}

void DictionaryManager::updateUserLanguages(int row)
{
    if (row < 0 || row >= m_dictionaryList->count())
        return;
    QStringList languages = selectedLanguages();
    const QStringList current = m_dictionaryList->userLanguages(row);
    if (languages.first().isEmpty())
        languages.first() = current.value(0);
    qCDebug(lcDialogs) << "user languages of row" << row << languages;
    if (languages == current)
        return;
    if (QSet<QString>(languages.cbegin(), languages.cend()).size() != languages.size()) {
        showNote(tr("Each user language can be chosen once; '%1' keeps %2.")
                     .arg(m_dictionaryList->name(row), current.join(QStringLiteral(", "))));
        showRowLanguages(row);
        return;
    }
    const QString path = QDir(m_dataDirectory).filePath(m_dictionaryList->file(row));
    qCDebug(lcDialogs) << "user languages to write into" << path;
    Dictionary dictionary;
    DictionaryFile file(path);
    if (file.load(dictionary) != DictionaryFile::Status::Ok) {
        showNote(tr("'%1' cannot be read; its user languages stay as they were.").arg(m_dictionaryList->name(row)));
        return;
    }
    if (!dictionary.setUserLanguages(languages)) {
        showNote(tr("User languages can only be added after the existing ones; '%1' keeps %2.")
                     .arg(m_dictionaryList->name(row), current.join(QStringLiteral(", "))));
        return;
    }
    if (!file.save(dictionary)) {
        showNote(tr("'%1' could not be saved: %2").arg(m_dictionaryList->name(row), file.errorString()));
        return;
    }
    m_dictionaryList->setValue(row, QStringLiteral("USER"), languages.join(u','));
    if (!m_dictionaryList->save())
        showNote(tr("The list of dictionaries could not be saved."));
    else
        showNote(QString());
}

void DictionaryManager::showNote(const QString &text)
{
    m_note->setText(text);
}

void DictionaryManager::dictDelete()
{
    qCDebug(lcDialogs) << "deleting a dictionary";
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    const Prompt::Choice answer = Prompt::ask(this,
        Prompt::Request{QMessageBox::Question, tr("Delete Dictionary"),
            tr("Delete the dictionary '%1' (file %2)? The file is kept as %2.bak.")
                .arg(m_dictionaryList->name(row), m_dictionaryList->file(row)),
            {{Prompt::Choice::Yes, tr("&Yes")}, {Prompt::Choice::No, tr("&No")}}, Prompt::Choice::Yes,
            Prompt::Choice::No});
    if (answer != Prompt::Choice::Yes)
        return;
    const QString path = QDir(m_dataDirectory).filePath(m_dictionaryList->file(row));
    QString error;
    if (!BackupFiles::keep(path, &error)) {
        showNote(error);
        return;
    }
    QFile::remove(path);
    // the training history is kept with the file's backup
    if (!ReviewLogUpkeep::followDeletedFile(path, &error))
        showNote(error);
    m_dictionaryList->removeAt(row);
    if (!m_dictionaryList->save())
        showNote(tr("The list of dictionaries could not be saved."));
    // the rows below move up: the choice shown belongs to no row now
    {
        const QSignalBlocker blocker(m_table);
        m_table->removeRow(row);
    }
    tableCellChanged(m_table->currentRow(), 0, -1, 0);
}

void DictionaryManager::dictNew()
{
    updateUserLanguages(m_table->currentRow());
    DictionaryWizard wizard(this, m_dictionaryList, m_dataDirectory);
    if (Prompt::runDialog(&wizard) == QDialog::Accepted && !m_dictionaryList->save())
        showNote(tr("The list of dictionaries could not be saved."));
    {
        const QSignalBlocker blocker(m_table);
        m_table->showRecords(*m_dictionaryList, nullptr, m_dataDirectory);
    }
    tableCellChanged(m_table->currentRow(), 0, -1, 0);
}

// a change not yet written when the manager closes is not lost
void DictionaryManager::done(int result)
{
    updateUserLanguages(m_table->currentRow());
    QDialog::done(result);
}
