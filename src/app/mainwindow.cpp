#include "mainwindow.h"

#include "dict/dictionary.h"
#include "dict/dictionarylist.h"

#include <QDir>
#include <QStatusBar>

MainWindow::MainWindow(const QString &dataDirectory, QWidget *parent)
    : QMainWindow(parent)
    , m_dataDirectory(dataDirectory)
    , m_dictionaryList(std::make_unique<DictionaryList>())
    , m_dictionary(std::make_unique<Dictionary>())
{
    if (!m_dataDirectory.endsWith(QDir::separator()))
        m_dataDirectory += QDir::separator();
    setWindowTitle(tr("Verbalon 1.2.41"));
    if (m_dictionaryList->load(m_dataDirectory + QStringLiteral("dicts.dic")) && m_dictionaryList->count() > 0) {
        if (!m_dictionary->load(m_dataDirectory + m_dictionaryList->file(0)))
            m_dictionary->clear();
        statusBar()->showMessage(tr("Loaded %1 words.").arg(m_dictionary->count()));
    }
}

MainWindow::~MainWindow() = default;
