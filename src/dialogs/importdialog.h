#pragma once

#include <QDialog>

class QRadioButton;
class WordImport;

// "Import Words": what a file holds before it goes anywhere. The first rows
// as read, the rows that cannot be read with their lines, and where the
// words go: into the open dictionary, or a new one.
class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Target { OpenDictionary, NewDictionary };

    // openDictionary: the name of the open dictionary, empty when none is.
    ImportDialog(QWidget *parent, const QString &fileName, const WordImport &import, const QString &openDictionary);

    Target target() const;

private:
    QRadioButton *m_openButton;
    QRadioButton *m_newButton;
};
