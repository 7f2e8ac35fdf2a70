#pragma once

#include <QMainWindow>

#include <memory>

class Dictionary;
class DictionaryList;

// The program's single window. Owns the dictionary store and the list of
// dictionaries read from the data directory.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const QString &dataDirectory, QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    QString m_dataDirectory;
    std::unique_ptr<DictionaryList> m_dictionaryList;
    std::unique_ptr<Dictionary> m_dictionary;
};
