#pragma once

#include <QDialog>

class ConjugationView;
class Entry;

// A modal window with the conjugation table of one verb and a warning that
// the forms are generated.
class ConjugationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConjugationDialog(QWidget *parent = nullptr);

    void setEntry(const Entry &verb);
    ConjugationView *view() const { return m_view; }

private:
    ConjugationView *m_view;
};
