#include "conjugationview.h"

#include "input/style.h"

#include "dict/entry.h"
#include "lang/conjugation.h"
#include "lang/grammarcode.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace GrammarCode;

namespace {

enum PersonCell {
    FirstSingular,
    SecondMasculine,
    SecondFeminine,
    ThirdMasculine,
    ThirdFeminine,
    FirstPlural,
    SecondPluralMasculine,
    SecondPluralFeminine,
    ThirdPlural
};
enum PresentCell { PresentMasculine, PresentFeminine, PresentMasculinePlural, PresentFemininePlural };
enum ImperativeCell { ImperativeMasculine, ImperativeFeminine, ImperativePlural };

QLineEdit *newCell()
{
    auto *cell = new QLineEdit;
    cell->setReadOnly(true);
    cell->setAlignment(Qt::AlignRight);
    return cell;
}

QFrame *sunkenLine()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setLineWidth(2);
    return line;
}

bool isMasculine(int grammar)
{
    return (grammar & GenderMask) == Masculine;
}

bool isFeminine(int grammar)
{
    return (grammar & GenderMask) == Feminine;
}

} // namespace

ConjugationView::ConjugationView(QWidget *parent)
    : QWidget(parent)
    , m_binyan(new QLabel)
{
    setFont(Style::comboFont());
    m_binyan->setObjectName(QStringLiteral("binyanLabel"));
    m_binyan->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_binyan->setAutoFillBackground(true);
    QPalette palette = m_binyan->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_binyan->setPalette(palette);

    auto *grid = new QGridLayout(this);
    const int widths[] = {100, 100, 80, 100};
    for (int column = 0; column < 4; ++column)
        grid->setColumnMinimumWidth(column, widths[column]);
    grid->addWidget(new QLabel(tr("Pattern:")), 0, 0);
    grid->addWidget(m_binyan, 0, 1);
    grid->addWidget(sunkenLine(), 1, 0, 1, 6);
    grid->addWidget(new QLabel(tr("Future")), 2, 0);
    grid->addWidget(new QLabel(tr("Past")), 2, 1);
    grid->addWidget(new QLabel(tr("Present")), 2, 3);
    grid->addWidget(new QLabel(tr("Imperative")), 8, 3);

    static const char16_t *const persons[]
        = {u"\u05D0\u05E0\u05D9", u"\u05D0\u05EA\u05D4", u"\u05D0\u05EA", u"\u05D4\u05D5\u05D0", u"\u05D4\u05D9\u05D0",
            u"\u05D0\u05E0\u05D7\u05E0\u05D5", u"\u05D0\u05EA\u05DD", u"\u05D0\u05EA\u05DF", u"\u05D4\u05DD/\u05DF"};
    static const char16_t *const present[] = {u"\u05D9\u05D7\u05D9\u05D3", u"\u05D9\u05D7\u05D9\u05D3\u05D4",
        u"\u05E8\u05D1\u05D9\u05DD", u"\u05E8\u05D1\u05D5\u05EA"};
    static const char16_t *const imperative[] = {u"\u05D0\u05EA\u05D4", u"\u05D0\u05EA", u"\u05D0\u05EA\u05DD"};
    for (int i = 0; i < 9; ++i) {
        m_future.append(newCell());
        m_past.append(newCell());
        grid->addWidget(m_future.last(), 3 + i, 0);
        grid->addWidget(m_past.last(), 3 + i, 1);
        grid->addWidget(new QLabel(QString::fromUtf16(persons[i])), 3 + i, 2);
    }
    for (int i = 0; i < 4; ++i) {
        m_present.append(newCell());
        grid->addWidget(m_present.last(), 3 + i, 3);
        grid->addWidget(new QLabel(QString::fromUtf16(present[i])), 3 + i, 4);
    }
    for (int i = 0; i < 3; ++i) {
        m_imperative.append(newCell());
        grid->addWidget(m_imperative.last(), 9 + i, 3);
        grid->addWidget(new QLabel(QString::fromUtf16(imperative[i])), 9 + i, 4);
    }
    grid->addWidget(sunkenLine(), 12, 0, 1, 6);
    m_present.first()->setFocus(Qt::OtherFocusReason);
    m_present.first()->selectAll();
}

QString ConjugationView::binyan() const
{
    return m_binyan->text();
}

void ConjugationView::setEntry(const Entry &verb)
{
    const Conjugation::Verb read = Conjugation::readVerb(verb);
    // letters that fit two binyanim, with nothing to tell them apart, say so
    m_binyan->setText(read.ambiguous
            ? tr("%1 or %2").arg(Conjugation::binyanName(read.binyan), Conjugation::binyanName(read.otherBinyan))
            : Conjugation::binyanName(read.binyan));
    for (const Paradigm::Form &form : Conjugation::verbForms(verb))
        placeForm(form.code, form.text);
}

void ConjugationView::setCell(QLineEdit *cell, const QString &text)
{
    if (!cell)
        return;
    cell->setText(text);
    cell->setAlignment(Qt::AlignLeft);
    Style::setTextColor(cell, Style::textColor());
}

void ConjugationView::placePerson(QList<QLineEdit *> &cells, int grammar, const QString &form)
{
    const bool plural = grammar & Plural;
    // a form without gender fills both gender cells of its person
    auto placeGendered = [&](int masculineCell, int feminineCell) {
        if (!isFeminine(grammar))
            setCell(cells[masculineCell], form);
        if (!isMasculine(grammar))
            setCell(cells[feminineCell], form);
    };
    if (grammar & FirstPerson)
        setCell(cells[plural ? FirstPlural : FirstSingular], form);
    else if ((grammar & SecondPerson) && plural)
        placeGendered(SecondPluralMasculine, SecondPluralFeminine);
    else if (grammar & SecondPerson)
        placeGendered(SecondMasculine, SecondFeminine);
    else if (plural)
        setCell(cells[ThirdPlural], form);
    else
        placeGendered(ThirdMasculine, ThirdFeminine);
}

void ConjugationView::placeForm(int grammar, const QString &form)
{
    if (grammar & Future) {
        placePerson(m_future, grammar, form);
    } else if (grammar & Past) {
        placePerson(m_past, grammar, form);
    } else if (grammar & Present) {
        const bool masculine = isMasculine(grammar);
        if (grammar & Plural)
            setCell(m_present[masculine ? PresentMasculinePlural : PresentFemininePlural], form);
        else
            setCell(m_present[masculine ? PresentMasculine : PresentFeminine], form);
    } else if (grammar & Imperative) {
        if (isMasculine(grammar))
            setCell(m_imperative[ImperativeMasculine], form);
        else if (isFeminine(grammar))
            setCell(m_imperative[ImperativeFeminine], form);
        else if (grammar & Plural)
            setCell(m_imperative[ImperativePlural], form);
    }
}
