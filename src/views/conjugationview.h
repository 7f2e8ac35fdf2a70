#pragma once

#include "lang/paradigm.h"

#include <QList>
#include <QWidget>

class Entry;
class QLabel;

// The generated conjugation of one Hebrew verb as a read-only table a
// learner can read aloud: the binyan, root and infinitive, then past and
// future by person (אני ... הם/הן), present by gender and number, and the
// imperative, each form pointed with its transliteration under it, so that
// forms written alike (כָּתַבְתָּ, כָּתַבְתְּ) read apart. A form the engine
// cannot point is shown in its letters. The dialog warns that the forms are
// generated.
class ConjugationView : public QWidget
{
    Q_OBJECT

public:
    // What one cell shows; empty where the verb has no such form.
    struct Cell
    {
        QString letters;
        QString pointed;
        QString latin;
    };

    explicit ConjugationView(QWidget *parent = nullptr);

    void setEntry(const Entry &verb);
    // Puts a form into the cell or cells its grammar code selects.
    void placeForm(const Paradigm::Form &form);

    QString binyan() const;
    QString root() const;
    const Cell &infinitive() const { return m_infinitive; }
    // The cells in their order: past and future 1sg, 2sg m, 2sg f, 3sg m,
    // 3sg f, 1pl, 2pl m, 2pl f, 3pl; present m.sg, f.sg, m.pl, f.pl;
    // imperative sg m, sg f, pl.
    const QList<Cell> &past() const { return m_past; }
    const QList<Cell> &future() const { return m_future; }
    const QList<Cell> &present() const { return m_present; }
    const QList<Cell> &imperative() const { return m_imperative; }

private:
    void clear();
    void setCell(QList<Cell> &cells, QList<QLabel *> &labels, int index, const Paradigm::Form &form);
    void placePerson(QList<Cell> &cells, QList<QLabel *> &labels, const Paradigm::Form &form);

    QLabel *m_binyan;
    QLabel *m_root;
    QLabel *m_infinitiveLabel;
    Cell m_infinitive;
    QList<Cell> m_past, m_future, m_present, m_imperative;
    QList<QLabel *> m_pastLabels, m_futureLabels, m_presentLabels, m_imperativeLabels;
};
