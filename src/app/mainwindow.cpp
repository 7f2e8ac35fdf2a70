#include "mainwindow.h"

#include "applog.h"

#include "dialogs/dictionarymanager.h"
#include "dialogs/dictionarywizard.h"
#include "dialogs/importdialog.h"
#include "dialogs/wordexport.h"
#include "dialogs/wordimport.h"
#include "input/softkeyboard.h"
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
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>

namespace {
const QString WebAddress = QStringLiteral("https://verbalon.org");
// the file of the dictionary shown last
const QString LastDictionaryKey = QStringLiteral("window/dictionary");

// A word or file name in a message, kept whole and in its own direction:
// Hebrew amid English (or the reverse) would otherwise take the numbers and
// quotes beside it along.
QString isolated(const QString &text)
{
    return QChar(0x2068) + text + QChar(0x2069);
}

// A progress bar for work on a large file, shown only when the work takes a while.
class FileProgress
{
public:
    FileProgress(QWidget *parent, const QString &label)
        : m_dialog(label, MainWindow::tr("&Stop"), 0, 0, parent)
    {
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
    }
    std::function<bool(qint64, qint64)> callback()
    {
        return [this](qint64 done, qint64 total) {
            m_dialog.setMaximum(int(total));
            m_dialog.setValue(int(done));
            return !m_dialog.wasCanceled();
        };
    }

private:
    QProgressDialog m_dialog;
};
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
    qApp->installEventFilter(this);
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
    connect(&m_document, &DictionaryDocument::journalFailed, this, [this](const QString &reason) {
        statusBar()->showMessage(tr("Your changes are not safe from a crash until you save: %1").arg(reason));
    });
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
    connect(m_lookupView, &LookupView::currentEntryChanged, this, &MainWindow::updateDeleteAction);
    // a store filled anew (another dictionary, an import) empties the editor's form
    connect(m_document.store(), &Dictionary::resetDone, this, [this] {
        m_currentEntrySet = false;
        updateDeleteAction();
    });
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::updateDeleteAction);
    connectKeyboards();
    createToolBar();
    connect(m_dictionarySelector, &QComboBox::currentIndexChanged, this, &MainWindow::dictionarySelected);
    connect(m_userLanguageSelector, &QComboBox::currentIndexChanged, this, &MainWindow::userLanguageSelected);
    // the dictionary used last opens again, else the first
    const int last = m_dictionaryList->indexOfFile(QSettings().value(LastDictionaryKey).toString());
    {
        const QSignalBlocker blocker(m_dictionarySelector);
        m_dictionarySelector->addItems(m_dictionaryList->names());
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
    connect(addAction(file, QIcon(), tr("&Import Words..."), "importWordsAction"), &QAction::triggered, this,
        [this] { importWords(); });
    QAction *exportWords = addAction(file, QIcon(), tr("&Export Words..."), "exportWordsAction");
    connect(exportWords, &QAction::triggered, this, [this] { this->exportWords(); });
    m_dictionaryActions.append(exportWords);
    file->addSeparator();
    QAction *quit = addAction(file, m_icons.exit, tr("Quit"), "quitAction");
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    m_keyboardAction = addAction(view, QIcon(), tr("Show &Keyboard"), "showKeyboardAction");
    m_keyboardAction->setCheckable(true);
    m_keyboardAction->setChecked(SoftKeyboard::visibleBySetting());
    connect(m_keyboardAction, &QAction::toggled, this, &MainWindow::setKeyboardsVisible);

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
    newWord->setShortcut(QKeySequence::New);
    m_deleteAction = tools->addAction(m_icons.eraser, tr("Delete Word"), this, &MainWindow::deleteWord);
    m_deleteAction->setObjectName(QStringLiteral("deleteWordAction"));
    m_undoDeleteAction = tools->addAction(
        QIcon::fromTheme(QStringLiteral("edit-undo")), tr("Undo Delete"), this, &MainWindow::undoDelete);
    m_undoDeleteAction->setObjectName(QStringLiteral("undoDeleteAction"));
    m_undoDeleteAction->setShortcut(QKeySequence::Undo);
    m_undoDeleteAction->setEnabled(false);
    m_dictionaryActions.append(newWord);
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
    updateDeleteAction();
}

Entry MainWindow::entryToDelete()
{
    if (m_loadedIndex < 0)
        return Entry(0);
    if (m_tabs->currentWidget() == m_lookupView)
        return m_lookupView->currentEntry();
    if (m_tabs->currentWidget() == m_editor && m_currentEntrySet)
        return m_document.store()->entryById(m_currentEntry.id());
    return Entry(0);
}

void MainWindow::updateDeleteAction()
{
    if (!m_deleteAction)
        return;
    const Entry entry = entryToDelete();
    m_deleteAction->setEnabled(entry.id() != 0);
    if (entry.id() != 0)
        m_deleteAction->setToolTip(tr("Delete \"%1\"").arg(isolated(entry.word())));
    else if (m_loadedIndex < 0)
        m_deleteAction->setToolTip(tr("Delete Word: no dictionary is open"));
    else if (m_tabs->currentWidget() == m_lookupView)
        m_deleteAction->setToolTip(tr("Delete Word: select a word in the table first"));
    else if (m_tabs->currentWidget() == m_editor)
        m_deleteAction->setToolTip(tr("Delete Word: open a stored word first"));
    else
        m_deleteAction->setToolTip(tr("Delete Word: words are deleted on the Lookup and Edit pages"));
}

void MainWindow::connectKeyboards()
{
    for (SoftKeyboard *keyboard : m_tabs->findChildren<SoftKeyboard *>()) {
        // the translate page's keyboard waits for its own button
        if (!m_translateView->isAncestorOf(keyboard))
            keyboard->applyVisibilitySetting();
        connect(keyboard, &SoftKeyboard::visibilityChosen, this, [this](bool on) {
            if (m_keyboardAction)
                m_keyboardAction->setChecked(on);
        });
    }
}

void MainWindow::setKeyboardsVisible(bool on)
{
    for (SoftKeyboard *keyboard : m_tabs->findChildren<SoftKeyboard *>())
        keyboard->setVisibleAndRemember(on);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QMainWindow::eventFilter(watched, event);
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit || edit->isUndoAvailable() || !m_undoDeleteAction->isEnabled() || !isAncestorOf(edit)
        || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo))
        return QMainWindow::eventFilter(watched, event);
    // the line sees the key (a lone Ctrl ends with it) but leaves it to the shortcut
    static_cast<QObject *>(edit)->event(event);
    event->ignore();
    return true;
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
    offerLeftChanges();
    m_trainer->openHistory(file);
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
    const QString name = isolated(QDir::toNativeSeparators(file));
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
                   .arg(name, isolated(QFileInfo(file).fileName() + QStringLiteral(".damaged")));
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

// Changes that a run which ended without saving left in the dictionary's
// journal: the learner decides whether they come back.
void MainWindow::offerLeftChanges()
{
    const QString name = m_document.store()->name();
    if (m_document.leftChanges() == ChangeJournal::Status::Stale) {
        Prompt::warn(this, tr("Unsaved Changes Found"),
            tr("Changes to \"%1\" were not saved before the program ended, but the file has changed since, so they "
               "cannot be restored. They are kept in \"%2\".")
                .arg(name, QDir::toNativeSeparators(m_document.staleJournal())));
        return;
    }
    if (m_document.leftChanges() != ChangeJournal::Status::Matching)
        return;
    const Prompt::Choice answer = Prompt::ask(this,
        Prompt::Request{QMessageBox::Question, tr("Unsaved Changes Found"),
            tr("The program ended before %n changes to \"%1\" were saved. Restore them?", nullptr,
                m_document.leftChangeCount())
                .arg(name),
            {{Prompt::Choice::Yes, tr("&Restore")}, {Prompt::Choice::Discard, tr("&Discard")}}, Prompt::Choice::Yes,
            Prompt::Choice::Discard});
    if (answer != Prompt::Choice::Yes)
        m_document.discardLeftChanges();
    else if (!m_document.restoreLeftChanges())
        Prompt::warn(this, tr("Unsaved Changes Found"), m_document.journalError());
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
    updateDeleteAction();
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
    const int id = m_document.store(m_editor->entry());
    if (id == 0) {
        Prompt::inform(this, tr("Store Word"), m_document.storeError());
        return false;
    }
    statusBar()->showMessage(tr("Stored \"%1\"; now %n words.", nullptr, m_document.store()->count())
                                 .arg(isolated(m_editor->entry().word())));
    // the entry as stored stays in view, to be checked or changed; New Word starts the next
    m_currentEntry = m_document.store()->entryById(id);
    m_currentEntrySet = true;
    m_editor->setEntry(m_currentEntry);
    updateDeleteAction();
    return true;
}

void MainWindow::addWord()
{
    if (!settleUnstoredEdit())
        return;
    m_editor->newEntry();
    m_currentEntrySet = false;
    m_tabs->setCurrentWidget(m_editor);
    updateDeleteAction();
}

void MainWindow::deleteWord()
{
    const Entry entry = entryToDelete();
    if (entry.id() == 0)
        return;
    const Prompt::Choice answer = Prompt::ask(this,
        Prompt::Request{QMessageBox::Question, tr("Delete Word"), tr("Delete \"%1\"?").arg(isolated(entry.word())),
            {{Prompt::Choice::Yes, tr("&Delete")}, {Prompt::Choice::Cancel, tr("&Cancel")}}, Prompt::Choice::Yes,
            Prompt::Choice::Cancel});
    if (answer != Prompt::Choice::Yes || !m_document.remove(entry.id()))
        return;
    // the editor never goes on showing a word that is gone
    if (m_currentEntrySet && m_currentEntry.id() == entry.id()) {
        m_editor->newEntry();
        m_currentEntrySet = false;
    }
    statusBar()->showMessage(
        tr("Deleted \"%1\"; %n words left. %2 brings it back.", nullptr, m_document.store()->count())
            .arg(isolated(entry.word()), m_undoDeleteAction->shortcut().toString(QKeySequence::NativeText)));
    updateDeleteAction();
}

void MainWindow::undoDelete()
{
    const QString word = m_document.deletedEntry().word();
    if (m_document.undoRemove())
        statusBar()->showMessage(
            tr("\"%1\" is back; %n words.", nullptr, m_document.store()->count()).arg(isolated(word)));
    updateDeleteAction();
}

void MainWindow::saveDictionary()
{
    qCDebug(lcApp) << "saving";
    if (m_document.save()) {
        statusBar()->showMessage(tr("Saved %n words to %1.", nullptr, m_document.store()->count())
                                     .arg(isolated(QDir::toNativeSeparators(m_document.path()))));
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

void MainWindow::importWords(const QString &chosen)
{
    if (!settleUnstoredEdit())
        return;
    const QString fileName = !chosen.isEmpty() ? chosen
                                               : QFileDialog::getOpenFileName(this, tr("Import Words"), QString(),
                                                   tr("Word lists (*.tsv *.csv *.txt);;All files (*)"));
    WordImport import;
    if (fileName.isEmpty() || !readWords(fileName, import))
        return;
    ImportDialog dialog(this, fileName, import, m_loadedIndex >= 0 ? m_document.store()->name() : QString());
    if (Prompt::runDialog(&dialog) != QDialog::Accepted)
        return;
    if (dialog.target() == ImportDialog::Target::NewDictionary)
        importIntoNewDictionary(import, fileName);
    else if (m_loadedIndex >= 0)
        statusBar()->showMessage(addImported(import, fileName));
}

bool MainWindow::readWords(const QString &fileName, WordImport &import)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompt::warn(this, tr("Import Words"), tr("\"%1\" cannot be read: %2").arg(shown, file.errorString()));
        return false;
    }
    const QByteArray data = file.readAll();
    FileProgress progress(this, tr("Reading the words of \"%1\"...").arg(shown));
    if (import.read(data, WordImport::formatOf(fileName, data), progress.callback()))
        return true;
    if (!import.error().isEmpty())
        Prompt::warn(this, tr("Import Words"), tr("The words of \"%1\" cannot be read: %2").arg(shown, import.error()));
    return false;
}

QString MainWindow::addImported(const WordImport &import, const QString &fileName)
{
    const WordImport::Outcome outcome = import.addTo(*m_document.store());
    QString text
        = tr("Imported %n words from %1.", nullptr, outcome.added).arg(isolated(QDir::toNativeSeparators(fileName)));
    if (outcome.alreadyThere > 0)
        text += u' ' + tr("%n were there already.", nullptr, outcome.alreadyThere);
    if (!outcome.leftOut.isEmpty())
        text += u' '
            + tr("The columns of languages the dictionary lacks are left out: %1.")
                  .arg(outcome.leftOut.join(QStringLiteral(", ")));
    return text;
}

// The wizard makes the dictionary and its record; it opens, takes the
// words, and is saved at once.
void MainWindow::importIntoNewDictionary(const WordImport &import, const QString &fileName)
{
    if (!settleUnsavedChanges())
        return;
    DictionaryWizard wizard(this, m_dictionaryList.get(), m_dataDirectory);
    if (Prompt::runDialog(&wizard) != QDialog::Accepted)
        return;
    if (!m_dictionaryList->save())
        Prompt::warn(this, tr("Import Words"), tr("The list of dictionaries could not be saved."));
    const int index = m_dictionaryList->count() - 1;
    // what the store held was settled above
    m_document.close();
    m_loadedIndex = -1;
    {
        const QSignalBlocker blocker(m_dictionarySelector);
        m_dictionarySelector->clear();
        m_dictionarySelector->addItems(m_dictionaryList->names());
        m_dictionarySelector->setCurrentIndex(index);
    }
    dictionarySelected(index);
    if (m_loadedIndex != index)
        return;
    const QString text = addImported(import, fileName);
    saveDictionary();
    if (!m_document.isModified())
        statusBar()->showMessage(text);
}

void MainWindow::exportWords(const QString &chosen)
{
    if (m_loadedIndex < 0)
        return;
    QString fileName = chosen;
    if (fileName.isEmpty()) {
        const QString csv = tr("Spreadsheet, comma-separated (*.csv)");
        QString filter = csv;
        fileName = QFileDialog::getSaveFileName(this, tr("Export Words"),
            QFileInfo(m_document.path()).completeBaseName() + QStringLiteral(".csv"),
            csv + QStringLiteral(";;") + tr("Tab-separated, as the command-line tool imports (*.tsv)"), &filter);
        if (fileName.isEmpty())
            return;
        if (QFileInfo(fileName).suffix().isEmpty())
            fileName += filter == csv ? QStringLiteral(".csv") : QStringLiteral(".tsv");
    }
    const QString shown = QDir::toNativeSeparators(fileName);
    FileProgress progress(this, tr("Writing the words to \"%1\"...").arg(shown));
    QString error;
    switch (
        WordExport::write(*m_document.store(), fileName, WordExport::formatOf(fileName), error, progress.callback())) {
    case WordExport::Status::Ok:
        statusBar()->showMessage(
            tr("Exported %n words to %1.", nullptr, m_document.store()->count()).arg(isolated(shown)));
        break;
    case WordExport::Status::Stopped:
        statusBar()->showMessage(tr("The export was stopped; %1 was not written.").arg(isolated(shown)));
        break;
    case WordExport::Status::Failed:
        Prompt::warn(this, tr("Export Words"), tr("The words could not be written to \"%1\": %2").arg(shown, error));
        break;
    }
}

void MainWindow::restoreWindowGeometry(const QByteArray &saved)
{
    if (!saved.isEmpty() && restoreGeometry(saved))
        return;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        resize(startSize(screen->availableGeometry()));
}

QSize MainWindow::startSize(const QRect &available)
{
    constexpr int PreferredWidth = 1000;
    auto *table = m_lookupView->findChild<QTableView *>(QStringLiteral("lookupTable"));
    auto *keyboard = m_lookupView->findChild<SoftKeyboard *>(QStringLiteral("lookupKeyboard"));
    const int rows = table->verticalHeader()->defaultSectionSize() * LookupView::ShownRows
        + table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    // the least room with that many rows, every other part as small as it
    // may be: the lookup page grows by the rows beyond the table's least
    // height, the window by what the page then needs beyond the tallest page
    int tallestPage = 0;
    for (int i = 0; i < m_tabs->count(); ++i)
        tallestPage = qMax(tallestPage, m_tabs->widget(i)->minimumSizeHint().height());
    const int lookupPage = m_lookupView->minimumSizeHint().height() - table->minimumSizeHint().height() + rows;
    const QSize least = minimumSizeHint() + QSize(0, qMax(0, lookupPage - tallestPage));
    // and the keyboard at its best size, where the screen has the room
    const int keyboardRoom = keyboard->sizeHint().height() - keyboard->minimumSizeHint().height();
    // room for the window's title bar, which the size does not include
    const int frame = 2 * fontMetrics().height();
    const QSize room = available.size() - QSize(0, frame);
    return QSize(qMax(PreferredWidth, least.width()), least.height() + keyboardRoom).boundedTo(room);
}

void MainWindow::updateDictionarySelector()
{
    const QString current = m_dictionarySelector->currentText();
    {
        const QSignalBlocker blocker(m_dictionarySelector);
        m_dictionarySelector->clear();
        m_dictionarySelector->addItems(m_dictionaryList->names());
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
    m_trainer->openHistory(QString());
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
