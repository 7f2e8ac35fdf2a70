#pragma once

#include "dialogs/transferdialog.h"
#include "files/dictionarydocument.h"
#include "model/entry.h"

#include <QIcon>
#include <QMainWindow>
#include <QRandomGenerator>
#include <QSet>

#include <memory>

class Dictionary;
class QDialog;
class DictionaryList;
class English;
class LookupView;
class QComboBox;
class QTabWidget;
class Trainer;
class TranslateView;
class EntryEditor;
class WordImport;

// The program's single window. It owns the open dictionary (a document of
// the store and its file), the list of dictionaries read from the data
// directory and the English verb table;
// builds the menus, the tool bar with the dictionary and user-language
// selectors, and the pages; and routes the pages' requests to the store.
// Unsaved changes are never dropped without asking.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // cacheFolder: where copies of large dictionaries' decoded stores are
    // kept (none when empty)
    explicit MainWindow(
        const QString &dataDirectory, const QString &cacheFolder = QString(), QWidget *parent = nullptr);
    ~MainWindow() override;

    QString dataDirectory() const { return m_dataDirectory; }
    Dictionary *dictionary() { return m_document.store(); }
    DictionaryList *dictionaryList() const { return m_dictionaryList.get(); }
    // The generator behind every random choice of the pages, seeded with
    // the time at start; tests seed it themselves.
    QRandomGenerator &random() { return m_random; }
    // The place and size the user left the window at; at the first start
    // (none saved) the size of startSize() on the window's screen.
    void restoreWindowGeometry(const QByteArray &saved);
    // A size that shows a dozen rows of the lookup table with the keyboard
    // below them, within the room of a screen (and never beyond it).
    QSize startSize(const QRect &available);

signals:
    void requestNoDicts();

public slots:
    void addWord();
    // Deletes the entry of the lookup table's current row, or the one the
    // editor shows, once the learner confirms.
    void deleteWord();
    // Brings the last deleted entry back under its id, with its counters.
    void undoDelete();
    void saveDictionary();
    void listIncompleteWords();
    void editEntry(const Entry &entry);
    void wordCompleted(const QString &word);
    // A word of the translate page to learn: its entry in the editor, or
    // the entries it may name on the lookup page.
    void learnEntry(const Entry &entry);
    void showFound(const QList<Entry> &entries);
    void updateDictionarySelector();
    void dictionarySelected(int index);
    void userLanguageSelected(int index);
    void updateNet();
    void syncUSB();
    void exportMasters();
    void manageDicts();
    // Words from a TSV or CSV file into the open dictionary or a new one;
    // without a file name the learner chooses one.
    void importWords(const QString &fileName = QString());
    // The open dictionary's words to a TSV or CSV file (by its suffix).
    void exportWords(const QString &fileName = QString());
    // The on-screen keyboards of every page, shown or hidden; remembered.
    void setKeyboardsVisible(bool on);
    void helpAbout();
    void helpNoDicts();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Undo in a line edit with nothing to undo is Undo Delete.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadIcons();
    static QString dataCredits();
    void createUi();
    void createMenus();
    void createToolBar();
    QAction *addAction(QMenu *menu, const QIcon &icon, const QString &text, const char *name);
    // Asks what to do with unsaved changes of the store; false when the
    // user cancels (or a save fails), so the change of dictionary or the
    // closing must not go ahead.
    bool settleUnsavedChanges();
    // Asks what to do with edits in the word editor that are not stored
    // yet; false when the user cancels (or storing fails), so the editor
    // must keep them.
    bool settleUnstoredEdit();
    // Both of the above, the edit first: what must happen before the store is replaced.
    bool settleChanges();
    // Stores the editor's entry as Return in its last field does; false
    // when nothing was stored.
    bool storeEditedEntry(const QString &word);
    void showInEditor(const Entry &entry);
    void reportLoad(const QString &file);
    void offerLeftChanges();
    // Runs a dialog that may replace dictionary files: unsaved changes are
    // settled before, and a changed file is loaded again after.
    void runExchange(TransferDialog::Kind kind);
    void reloadIfChanged(const QStringList &changedFiles);
    void connectKeyboards();
    // The entry Delete Word would delete, id 0 for none.
    Entry entryToDelete();
    // Delete Word is enabled where it has an entry, else says why not.
    void updateDeleteAction();
    // The words of the file, read with a progress bar; false when they
    // cannot be read or the learner stops.
    bool readWords(const QString &fileName, WordImport &import);
    // The imported words into a dictionary made for them.
    void importIntoNewDictionary(const WordImport &import, const QString &fileName);
    // The words into the open store; what the status line says of it.
    QString addImported(const WordImport &import, const QString &fileName);
    // Actions that need a dictionary follow whether one is loaded.
    void updateActions();
    void updateTitle();

    QTabWidget *m_tabs = nullptr;
    LookupView *m_lookupView = nullptr;
    EntryEditor *m_editor = nullptr;
    Trainer *m_trainer = nullptr;
    TranslateView *m_translateView = nullptr;
    QComboBox *m_dictionarySelector = nullptr;
    QComboBox *m_userLanguageSelector = nullptr;
    QString m_dataDirectory;
    QString m_cacheFolder;
    DictionaryDocument m_document;
    Entry m_currentEntry;
    bool m_currentEntrySet = false;
    QAction *m_undoDeleteAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_keyboardAction = nullptr;
    QString m_iconPath = QStringLiteral(":icons/");
    struct Icons
    {
        QIcon logo, add, save, eraser, exit, warning, reload, dictionary, help;
    } m_icons;
    std::unique_ptr<English> m_english;
    std::unique_ptr<DictionaryList> m_dictionaryList;
    bool m_noDictionaries = false;
    int m_loadedIndex = -1;
    QList<QAction *> m_dictionaryActions;
    // files the user was already told could not be read whole
    QSet<QString> m_reportedFiles;
    QRandomGenerator m_random;
};
