#include "mainwindow.h"

#include "applog.h"

#include "dialogs/dictionarymanager.h"
#include "merge/datadirectory.h"
#include "model/dictionary.h"
#include "files/dictionarylist.h"
#include "lang/english.h"
#include "lang/hebrewtext.h"
#include "lang/languageinfo.h"
#include "views/lookupview.h"
#include "views/prompt.h"
#include "views/trainer.h"
#include "views/translateview.h"
#include "views/entryeditor.h"

#include "verbalonconfig.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace {
const QString WebAddress = QStringLiteral("https://verbalon.org");
// the file of the dictionary shown last
const QString LastDictionaryKey = QStringLiteral("window/dictionary");

// The dictionaries as the selector names them: a bundled one by its
// language's name in the user's language.
QStringList shownNames(const DictionaryList &list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names.append(LanguageInfo::dictionaryName(list.name(i), list.type(i)));
    return names;
}
} // namespace

MainWindow::MainWindow(const QString &dataDirectory, const QString &cacheFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_dataDirectory(dataDirectory)
    , m_cacheFolder(cacheFolder)
    , m_random(quint32(QDateTime::currentSecsSinceEpoch()))
{
    if (!m_dataDirectory.endsWith(QDir::separator()))
        m_dataDirectory += QDir::separator();
    m_dictionaryList = std::make_unique<DictionaryList>();
    m_dictionaryList->load(m_dataDirectory + QStringLiteral("dicts.dic"));
    m_document.setCacheFolder(m_cacheFolder);
    m_english = std::make_unique<English>();
    loadIcons();
    createUi();
    m_english->loadVerbs(DataDirectory::findFile(m_dataDirectory, QStringLiteral("verbs_en.dat")));
    m_editor->newEntry();
    m_currentEntrySet = false;
    m_noDictionaries = m_dictionaryList->count() == 0;
    updateActions();
}

MainWindow::~MainWindow()
{
    // the pages read the store until they are gone: delete them while it lives
    delete m_tabs;
}

void MainWindow::loadIcons()
{
    auto icon = [this](const char *file) { return QIcon(m_iconPath + QLatin1String(file)); };
    m_icons = Icons{icon("verbalon_logo.svg"), icon("add.svg"), icon("filesave.svg"), icon("eraser.svg"),
        icon("exit.svg"), icon("warning.svg"), icon("reload.svg"), icon("dictionary.svg"), icon("help.svg")};
}

void MainWindow::createUi()
{
    updateTitle();
    connect(m_document.store(), &Dictionary::modificationChanged, this, &QWidget::setWindowModified);
    connect(&m_document, &DictionaryDocument::deletedEntryChanged, this,
        [this](bool canComeBack) { m_undoDeleteAction->setEnabled(canComeBack); });
    setWindowIcon(m_icons.logo);
    createMenus();

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_lookupView = new LookupView(m_iconPath, m_document.store());
    m_editor = new EntryEditor(m_document.store());
    m_trainer = new Trainer(m_iconPath, m_document.store(), &m_random);
    m_translateView = new TranslateView(m_iconPath, m_english.get(), m_document.store());
    m_tabs->addTab(m_lookupView, tr("&Lookup"));
    m_tabs->addTab(m_editor, tr("&Edit"));
    m_tabs->addTab(m_trainer, tr("&Trainer"));
    m_tabs->addTab(m_translateView, tr("&Tavlona"));
    setCentralWidget(m_tabs);

    connect(m_editor, &EntryEditor::doneEnter, this, &MainWindow::wordCompleted);
    connect(m_editor, &EntryEditor::learnCountersChosen, m_document.store(), &Dictionary::setLearnCounters);
    connect(m_lookupView, &LookupView::editEntry, this, &MainWindow::editEntry);
    connect(m_translateView, &TranslateView::editEntry, this, &MainWindow::learnEntry);
    connect(m_translateView, &TranslateView::showEntries, this, &MainWindow::showFound);
    createToolBar();
    connect(m_dictionarySelector, &QComboBox::currentIndexChanged, this, &MainWindow::dictionarySelected);
    connect(m_userLanguageSelector, &QComboBox::currentIndexChanged, this, &MainWindow::userLanguageSelected);
    // the dictionary used last opens again, else the first
    const int last = m_dictionaryList->indexOfFile(QSettings().value(LastDictionaryKey).toString());
    {
        const QSignalBlocker blocker(m_dictionarySelector);
        m_dictionarySelector->addItems(shownNames(*m_dictionaryList));
        m_dictionarySelector->setCurrentIndex(qMax(last, 0));
    }
    if (m_dictionarySelector->currentIndex() >= 0)
        dictionarySelected(m_dictionarySelector->currentIndex());
}

QAction *MainWindow::addAction(QMenu *menu, const QIcon &icon, const QString &text, const char *name)
{
    QAction *action = menu->addAction(icon, text);
    action->setObjectName(QLatin1String(name));
    return action;
}

void MainWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *quit = addAction(file, m_icons.exit, tr("Quit"), "quitAction");
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *dictionaries = menuBar()->addMenu(tr("&Dictionaries"));
    connect(addAction(dictionaries, m_icons.reload, tr("&Update from Network"), "updateNetAction"), &QAction::triggered,
        this, &MainWindow::updateNet);
    connect(addAction(dictionaries, m_icons.reload, tr("&Android Sync. (USB)"), "syncUsbAction"), &QAction::triggered,
        this, &MainWindow::syncUSB);
    connect(addAction(dictionaries, m_icons.reload, tr("&Export Masters (FTP)"), "exportMastersAction"),
        &QAction::triggered, this, &MainWindow::exportMasters);
    dictionaries->addSeparator();
    connect(addAction(dictionaries, m_icons.dictionary, tr("&Manage..."), "manageAction"), &QAction::triggered, this,
        &MainWindow::manageDicts);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    QAction *about = addAction(help, m_icons.help, tr("About &Verbalon"), "aboutAction");
    about->setShortcut(QKeySequence::HelpContents);
    connect(about, &QAction::triggered, this, &MainWindow::helpAbout);
}

void MainWindow::createToolBar()
{
    QToolBar *tools = addToolBar(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("toolBar"));
    QAction *newWord = tools->addAction(m_icons.add, tr("New Word"), this, &MainWindow::addWord);
    newWord->setObjectName(QStringLiteral("newWordAction"));
    QAction *deleteAction = tools->addAction(m_icons.eraser, tr("Delete Word"), this, &MainWindow::deleteWord);
    deleteAction->setObjectName(QStringLiteral("deleteWordAction"));
    m_undoDeleteAction = tools->addAction(
        QIcon::fromTheme(QStringLiteral("edit-undo")), tr("Undo Delete"), this, &MainWindow::undoDelete);
    m_undoDeleteAction->setObjectName(QStringLiteral("undoDeleteAction"));
    m_undoDeleteAction->setShortcut(QKeySequence::Undo);
    m_undoDeleteAction->setEnabled(false);
    m_dictionaryActions = {newWord, deleteAction};
    tools->addSeparator();
    QAction *incomplete
        = tools->addAction(m_icons.warning, tr("List Incomplete"), this, &MainWindow::listIncompleteWords);
    incomplete->setObjectName(QStringLiteral("listIncompleteAction"));
    tools->addSeparator();

    m_dictionarySelector = new QComboBox;
    m_dictionarySelector->setObjectName(QStringLiteral("dictionarySelector"));
    m_dictionarySelector->setToolTip(tr("Current Foreign Language"));
    m_userLanguageSelector = new QComboBox;
    m_userLanguageSelector->setObjectName(QStringLiteral("userLanguageSelector"));
    m_userLanguageSelector->setToolTip(tr("Current User Language"));
    for (QComboBox *selector : {m_dictionarySelector, m_userLanguageSelector}) {
        selector->setMinimumWidth(120);
        selector->setFocusPolicy(Qt::NoFocus);
        tools->addWidget(selector);
    }
    QAction *save = tools->addAction(m_icons.save, tr("Save Dictionary"), this, &MainWindow::saveDictionary);
    save->setObjectName(QStringLiteral("saveAction"));
    save->setShortcut(QKeySequence::Save);
    m_dictionaryActions.append(save);
}

void MainWindow::updateActions()
{
    const bool loaded = m_loadedIndex >= 0;
    for (QAction *action : std::as_const(m_dictionaryActions))
        action->setEnabled(loaded);
    m_editor->setEnabled(loaded);
    m_trainer->setEnabled(loaded);
}

bool MainWindow::settleUnsavedChanges()
{
    if (!m_document.isModified() || !m_document.isOpen())
        return true;
    const Prompt::Choice answer = Prompt::ask(this,
        Prompt::Request{QMessageBox::Warning, tr("Unsaved Changes"),
            tr("The dictionary \"%1\" has changes that are not saved. Save them now?").arg(m_document.store()->name()),
            {{Prompt::Choice::Save, tr("&Save")}, {Prompt::Choice::Discard, tr("&Discard")},
                {Prompt::Choice::Cancel, tr("&Cancel")}},
            Prompt::Choice::Save, Prompt::Choice::Cancel});
    if (answer == Prompt::Choice::Save) {
        saveDictionary();
        return !m_document.isModified();
    }
    return answer == Prompt::Choice::Discard;
}

bool MainWindow::settleUnstoredEdit()
{
    if (!m_editor->isEnabled() || !m_editor->hasUnstoredChanges())
        return true;
    const Prompt::Choice answer = Prompt::ask(this,
        Prompt::Request{QMessageBox::Warning, tr("Unstored Changes"),
            tr("The word editor holds changes that are not stored yet. Store them now?"),
            {{Prompt::Choice::Store, tr("&Store")}, {Prompt::Choice::Discard, tr("&Discard")},
                {Prompt::Choice::Cancel, tr("&Cancel")}},
            Prompt::Choice::Store, Prompt::Choice::Cancel});
    if (answer == Prompt::Choice::Store)
        return storeEditedEntry(m_editor->entry().word());
    if (answer == Prompt::Choice::Discard)
        m_editor->revert();
    return answer == Prompt::Choice::Discard;
}

bool MainWindow::settleChanges()
{
    return settleUnstoredEdit() && settleUnsavedChanges();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_noDictionaries)
        return;
    m_noDictionaries = false;
    connect(this, &MainWindow::requestNoDicts, this, &MainWindow::helpNoDicts, Qt::QueuedConnection);
    emit requestNoDicts();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (settleChanges())
        event->accept();
    else
        event->ignore();
}

void MainWindow::dictionarySelected(int index)
{
    if (index < 0 || index >= m_dictionaryList->count())
        return;
    if (index != m_loadedIndex && !settleChanges()) {
        const QSignalBlocker blocker(m_dictionarySelector);
        m_dictionarySelector->setCurrentIndex(m_loadedIndex);
        return;
    }
    const QString file = m_dataDirectory + m_dictionaryList->file(index);
    qCDebug(lcApp) << "dictionary" << index << "chosen:" << m_dictionaryList->name(index);
    const DictionaryFile::Status status = m_document.open(file);
    m_loadedIndex = index;
    m_currentEntrySet = false;
    QSettings().setValue(LastDictionaryKey, m_dictionaryList->file(index));

    m_userLanguageSelector->clear();
    for (const QString &code : m_document.store()->userLanguageCodes())
        m_userLanguageSelector->addItem(LanguageInfo::userLanguageName(code));
    m_userLanguageSelector->setCurrentIndex(0);
    updateActions();
    updateTitle();
    if (status == DictionaryFile::Status::Ok)
        statusBar()->showMessage(tr("Loaded %n words.", nullptr, m_document.store()->count()));
    else
        reportLoad(file);
}

// A dictionary that could not be read whole is shown with what was read; the
// user learns it once per file, and the status bar keeps saying it.
void MainWindow::reportLoad(const QString &file)
{
    const QString name = QDir::toNativeSeparators(file);
    const int count = m_document.store()->count();
    QString text;
    switch (m_document.status()) {
    case DictionaryFile::Status::Missing:
        text = tr("The dictionary file \"%1\" does not exist. It will be created when you save.").arg(name);
        break;
    case DictionaryFile::Status::Damaged:
        text = tr("The dictionary file \"%1\" is damaged: only %n entries could be read. "
                  "When you save, the damaged file is kept beside it as \"%2\".",
            nullptr, count)
                   .arg(name, QFileInfo(file).fileName() + QStringLiteral(".damaged"));
        break;
    default:
        text = tr("The dictionary file \"%1\" cannot be read (%2). No entries were loaded.")
                   .arg(name, m_document.errorString());
        break;
    }
    statusBar()->showMessage(text);
    if (m_reportedFiles.contains(file))
        return;
    m_reportedFiles.insert(file);
    Prompt::warn(this, tr("Dictionary File"), text);
}

void MainWindow::userLanguageSelected(int index)
{
    if (index < 0)
        return;
    m_lookupView->setUserLanguages({index});
    m_trainer->setUserLanguage(index);
}

void MainWindow::showInEditor(const Entry &entry)
{
    m_editor->setEntry(entry);
    m_tabs->setCurrentWidget(m_editor);
}

void MainWindow::editEntry(const Entry &entry)
{
    if (!settleUnstoredEdit())
        return;
    m_currentEntry = entry;
    m_currentEntrySet = true;
    showInEditor(entry);
}

void MainWindow::wordCompleted(const QString &word)
{
    storeEditedEntry(word);
}

bool MainWindow::storeEditedEntry(const QString &word)
{
    if (m_loadedIndex < 0)
        return false;
    if (m_currentEntrySet) {
        // the entry keeps its id; the store moves it to the place of its
        // possibly changed word
        qCDebug(lcApp) << "storing the entry being edited under its id";
    } else if (m_document.store()->indexOfWord(word) >= 0) {
        const Prompt::Choice answer = Prompt::ask(this,
            Prompt::Request{QMessageBox::Question, tr("Word Exists"),
                tr("The dictionary has this word already. Add it anyway?"),
                {{Prompt::Choice::Yes, tr("&Yes")}, {Prompt::Choice::No, tr("&No")}}, Prompt::Choice::Yes,
                Prompt::Choice::No});
        if (answer != Prompt::Choice::Yes)
            return false;
    }
    if (m_document.store(m_editor->entry()) == 0) {
        Prompt::inform(this, tr("Store Word"), m_document.storeError());
        return false;
    }
    statusBar()->showMessage(tr("Now %n words.", nullptr, m_document.store()->count()));
    m_editor->newEntry();
    m_currentEntrySet = false;
    return true;
}

void MainWindow::addWord()
{
    if (!settleUnstoredEdit())
        return;
    m_editor->newEntry();
    m_currentEntrySet = false;
    m_tabs->setCurrentWidget(m_editor);
}

void MainWindow::deleteWord()
{
    if (!m_currentEntrySet || !m_document.remove(m_currentEntry.id()))
        return;
    statusBar()->showMessage(
        tr("Deleted \"%1\"; %n words left. %2 brings it back.", nullptr, m_document.store()->count())
            .arg(m_document.deletedEntry().word(), m_undoDeleteAction->shortcut().toString(QKeySequence::NativeText)));
}

void MainWindow::undoDelete()
{
    const QString word = m_document.deletedEntry().word();
    if (m_document.undoRemove())
        statusBar()->showMessage(tr("\"%1\" is back; %n words.", nullptr, m_document.store()->count()).arg(word));
}

void MainWindow::saveDictionary()
{
    qCDebug(lcApp) << "saving";
    if (m_document.save()) {
        statusBar()->showMessage(tr("Saved %n words to %1.", nullptr, m_document.store()->count())
                                     .arg(QDir::toNativeSeparators(m_document.path())));
        return;
    }
    // the user must know that the changes are not on disk yet
    Prompt::inform(this, tr("Save Dictionary"),
        tr("The dictionary could not be saved to \"%1\": %2")
            .arg(QDir::toNativeSeparators(m_document.path()), m_document.errorString()));
}

void MainWindow::listIncompleteWords()
{
    if (!settleUnstoredEdit())
        return;
    const QList<Entry> incomplete = m_document.store()->entriesWithFlags(Entry::FlagIncomplete, Entry::FlagIncomplete);
    m_lookupView->showEntries(incomplete);
    m_tabs->setCurrentWidget(m_lookupView);
    statusBar()->showMessage(incomplete.isEmpty()
            ? tr("No entry is marked incomplete.")
            : tr("%n entries are marked incomplete.", nullptr, int(incomplete.size())));
}

void MainWindow::learnEntry(const Entry &entry)
{
    if (!settleUnstoredEdit())
        return;
    showInEditor(entry);
}

void MainWindow::showFound(const QList<Entry> &entries)
{
    if (!settleUnstoredEdit())
        return;
    m_lookupView->showEntries(entries);
    m_tabs->setCurrentWidget(m_lookupView);
}

void MainWindow::runExchange(TransferDialog::Kind kind)
{
    if (!settleChanges())
        return;
    TransferDialog dialog(kind, this, m_dictionaryList.get(), m_dataDirectory);
    dialog.setCacheFolder(m_cacheFolder);
    Prompt::runDialog(&dialog);
    reloadIfChanged(dialog.changedFiles());
}

// An old copy in memory must never overwrite what a dialog wrote: a changed
// file is loaded again, and the selector shows what the list now holds.
void MainWindow::reloadIfChanged(const QStringList &changedFiles)
{
    const bool changed = m_loadedIndex >= 0
        && (changedFiles.contains(m_dictionaryList->file(m_loadedIndex)) || m_document.isModified());
    if (changed)
        m_loadedIndex = -1;
    if (changed || m_dictionarySelector->count() != m_dictionaryList->count())
        updateDictionarySelector();
}

void MainWindow::updateNet()
{
    runExchange(TransferDialog::Kind::Update);
}

void MainWindow::syncUSB()
{
    qCDebug(lcApp) << "device sync";
    runExchange(TransferDialog::Kind::DeviceSync);
}

void MainWindow::exportMasters()
{
    qCDebug(lcApp) << "master export";
    runExchange(TransferDialog::Kind::MasterExport);
}

void MainWindow::manageDicts()
{
    if (!settleChanges())
        return;
    DictionaryManager manager(this, m_dictionaryList.get(), m_dataDirectory);
    Prompt::runDialog(&manager);
    // the selected dictionary is loaded afresh; a deleted one is never saved back
    m_loadedIndex = -1;
    updateDictionarySelector();
}

void MainWindow::updateDictionarySelector()
{
    const QString current = m_dictionarySelector->currentText();
    {
        const QSignalBlocker blocker(m_dictionarySelector);
        m_dictionarySelector->clear();
        m_dictionarySelector->addItems(shownNames(*m_dictionaryList));
        m_dictionarySelector->setCurrentIndex(qMax(0, m_dictionarySelector->findText(current)));
    }
    const int index = m_dictionarySelector->currentIndex();
    if (index >= 0 && index == m_loadedIndex)
        return;
    // what the store held was settled before; it is read afresh
    m_document.close();
    if (index >= 0) {
        dictionarySelected(index);
        return;
    }
    // no dictionary left
    m_loadedIndex = -1;
    m_currentEntrySet = false;
    m_userLanguageSelector->clear();
    m_editor->newEntry();
    statusBar()->clearMessage();
    updateActions();
    updateTitle();
}

// The dictionary's name, and a "*" while it holds unsaved changes.
void MainWindow::updateTitle()
{
    const QString title = tr("Verbalon %1").arg(QStringLiteral(VERBALON_VERSION));
    setWindowTitle(
        m_loadedIndex < 0 ? title : title + QStringLiteral(" - %1[*]").arg(m_dictionaryList->name(m_loadedIndex)));
    setWindowModified(m_document.isModified());
}

void MainWindow::helpAbout()
{
    Prompt::inform(this, tr("About Verbalon"),
        tr("<b>Verbalon Version %1</b><br/><br/>A dictionary and vocabulary trainer for learners of Hebrew, "
           "Farsi, Arabic and Russian.<br/><br/>Licence: GNU General Public License, version 3 or later."
           "<br/><br/>More info at: ")
                .arg(QStringLiteral(VERBALON_VERSION))
            + WebAddress + dataCredits());
}

// The attributions the bundled dictionary data asks for, as its credits
// file gives them.
QString MainWindow::dataCredits()
{
    QFile file(QStringLiteral(":/data/CREDITS"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString credits;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String("* ")))
            credits += QStringLiteral("<li>%1</li>").arg(line.mid(2).toHtmlEscaped());
    }
    return QStringLiteral("<br/><br/>") + tr("The bundled dictionaries are built from:")
        + QStringLiteral("<ul>%1</ul>").arg(credits)
        + tr("Their data is licensed under CC BY-SA 4.0, the GNU AGPL and GPL version 3 or later, MIT and CC BY 4.0; "
             "see the CREDITS file of the data.");
}

void MainWindow::helpNoDicts()
{
    Prompt::inform(this, tr("No Dictionaries"),
        tr("<b>No dictionaries found!</b><br/><br/>Use 'Dictionaries -> Update from Network' to "
           "download dictionaries or 'Dictionaries -> Manage...' to create a new dictionary from scratch."));
}
