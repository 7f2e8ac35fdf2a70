#pragma once

#include <QList>
#include <QWidget>

class Entry;
class QLabel;
class QLineEdit;

// The generated conjugation of one Hebrew verb as a read-only grid: the
// detected binyan, then future and past by person, present by gender and
// number, and the imperative, in full contrast; the dialog warns that the
// forms are generated.
class ConjugationView : public QWidget
{
    Q_OBJECT

public:
    explicit ConjugationView(QWidget *parent = nullptr);

    void setEntry(const Entry &verb);
    // Puts a form into the cell or cells its grammar code selects.
    void placeForm(int grammar, const QString &form);

    QString binyan() const;
    // The cells in their order: future and past 1sg, 2sg m, 2sg f, 3sg m,
    // 3sg f, 1pl, 2pl m, 2pl f, 3pl; present m.sg, f.sg, m.pl, f.pl;
    // imperative sg m, sg f, pl.
    const QList<QLineEdit *> &futureCells() const { return m_future; }
    const QList<QLineEdit *> &pastCells() const { return m_past; }
    const QList<QLineEdit *> &presentCells() const { return m_present; }
    const QList<QLineEdit *> &imperativeCells() const { return m_imperative; }

private:
    static void setCell(QLineEdit *cell, const QString &text);
    void placePerson(QList<QLineEdit *> &cells, int grammar, const QString &form);

    QLabel *m_binyan;
    QList<QLineEdit *> m_future;
    QList<QLineEdit *> m_past;
    QList<QLineEdit *> m_present;
    QList<QLineEdit *> m_imperative;
};
