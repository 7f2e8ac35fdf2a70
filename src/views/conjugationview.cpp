#include "conjugationview.h"

#include "input/style.h"

#include "model/entry.h"
#include "lang/conjugation.h"
#include "lang/grammarcode.h"
#include "lang/hebrewtext.h"
#include "lang/hebrewtransliteration.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>

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

// Fonts drawn for pointed Hebrew first: Noto's serif draws the points
// larger and clearer than culmus' faces, which stand in where it is
// missing; the lines are made tall enough that no point is cut off above
// or below. The transliteration small, but dark enough to read.
const char *const HebrewStyle
    = "font-family:'Noto Serif Hebrew','Taamey Frank CLM','Frank Ruehl CLM','David CLM'; font-size:26px";
const char *const LatinStyle = "font-size:14px; color:#444444";

QLabel *newCell()
{
    auto *cell = new QLabel;
    cell->setObjectName(QStringLiteral("formLabel"));
    cell->setTextFormat(Qt::RichText);
    cell->setAlignment(Qt::AlignCenter);
    cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cell->setContentsMargins(6, 4, 6, 4);
    cell->setMinimumWidth(110);
    return cell;
}

QLabel *caption(const QString &text)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
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

ConjugationView::Cell cellOf(const Paradigm::Form &form)
{
    ConjugationView::Cell cell{form.text, form.pointed, QString()};
    if (!form.pointed.isEmpty())
        cell.latin = HebrewTransliteration::transliterate(form.pointed, form.stress).text;
    return cell;
}

// The pointed form (or its letters) large, its transliteration small under it.
QString cellText(const ConjugationView::Cell &cell)
{
    if (cell.letters.isEmpty())
        return QString();
    const QString hebrew = cell.pointed.isEmpty() ? cell.letters : cell.pointed;
    QString html
        = QStringLiteral("<span style=\"%1\">%2</span>").arg(QLatin1String(HebrewStyle), hebrew.toHtmlEscaped());
    if (!cell.latin.isEmpty())
        html += QStringLiteral("<br><span style=\"%1\">%2</span>")
                    .arg(QLatin1String(LatinStyle), cell.latin.toHtmlEscaped());
    return QStringLiteral("<p align=\"center\" style=\"line-height:135%\">%1</p>").arg(html);
}

// The root's letters apart: כ־ת־ב.
QString rootText(const QString &root)
{
    QStringList letters;
    for (QChar c : root)
        letters.append(QString(c));
    QString text = letters.join(QChar(0x05BE));
    HebrewText::makeFinal(text);
    return text;
}

} // namespace

ConjugationView::ConjugationView(QWidget *parent)
    : QWidget(parent)
    , m_binyan(new QLabel)
    , m_root(new QLabel)
    , m_infinitiveLabel(newCell())
{
    setFont(Style::comboFont());
    m_binyan->setObjectName(QStringLiteral("binyanLabel"));
    m_root->setObjectName(QStringLiteral("rootLabel"));
    m_infinitiveLabel->setObjectName(QStringLiteral("infinitiveLabel"));
    for (QLabel *label : {m_binyan, m_root}) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        label->setPalette(palette);
    }

    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(tr("Pattern:")), 0, 0);
    grid->addWidget(m_binyan, 0, 1);
    // the root beside the binyan it is conjugated in; the caption the entry
    // editor has for the infinitive
    grid->addWidget(m_root, 0, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("EntryEditor", "Infinitive:")), 1, 0);
    grid->addWidget(m_infinitiveLabel, 1, 1, 1, 2);
    grid->addWidget(sunkenLine(), 2, 0, 1, 5);
    grid->addWidget(caption(tr("Past")), 3, 1);
    grid->addWidget(caption(tr("Future")), 3, 2);
    grid->addWidget(caption(tr("Present")), 3, 4);
    grid->addWidget(caption(tr("Imperative")), 9, 4);

    static const char16_t *const persons[] = {u"\u05D0\u05E0\u05D9", u"\u05D0\u05EA\u05D4", u"\u05D0\u05EA",
        u"\u05D4\u05D5\u05D0", u"\u05D4\u05D9\u05D0", u"\u05D0\u05E0\u05D7\u05E0\u05D5", u"\u05D0\u05EA\u05DD",
        u"\u05D0\u05EA\u05DF", u"\u05D4\u05DD / \u05D4\u05DF"};
    // present: m.sg, f.sg, m.pl, f.pl; imperative: sg m, sg f, pl
    static const char16_t *const present[] = {u"\u05D9\u05D7\u05D9\u05D3", u"\u05D9\u05D7\u05D9\u05D3\u05D4",
        u"\u05E8\u05D1\u05D9\u05DD", u"\u05E8\u05D1\u05D5\u05EA"};
    static const char16_t *const imperative[] = {u"\u05D0\u05EA\u05D4", u"\u05D0\u05EA", u"\u05D0\u05EA\u05DD"};
    for (int i = 0; i < 9; ++i) {
        m_pastLabels.append(newCell());
        m_futureLabels.append(newCell());
        grid->addWidget(caption(QString::fromUtf16(persons[i])), 4 + i, 0);
        grid->addWidget(m_pastLabels.last(), 4 + i, 1);
        grid->addWidget(m_futureLabels.last(), 4 + i, 2);
    }
    for (int i = 0; i < 4; ++i) {
        m_presentLabels.append(newCell());
        grid->addWidget(caption(QString::fromUtf16(present[i])), 4 + i, 3);
        grid->addWidget(m_presentLabels.last(), 4 + i, 4);
    }
    for (int i = 0; i < 3; ++i) {
        m_imperativeLabels.append(newCell());
        grid->addWidget(caption(QString::fromUtf16(imperative[i])), 10 + i, 3);
        grid->addWidget(m_imperativeLabels.last(), 10 + i, 4);
    }
    grid->addWidget(sunkenLine(), 13, 0, 1, 5);
    clear();
}

QString ConjugationView::binyan() const
{
    return m_binyan->text();
}

QString ConjugationView::root() const
{
    return m_root->text();
}

void ConjugationView::clear()
{
    m_past = m_future = QList<Cell>(9);
    m_present = QList<Cell>(4);
    m_imperative = QList<Cell>(3);
    m_infinitive = Cell();
    m_infinitiveLabel->clear();
    for (const QList<QLabel *> *labels : {&m_pastLabels, &m_futureLabels, &m_presentLabels, &m_imperativeLabels}) {
        for (QLabel *label : *labels)
            label->clear();
    }
}

void ConjugationView::setEntry(const Entry &verb)
{
    clear();
    const Conjugation::Verb read = Conjugation::readVerb(verb);
    // letters that fit two binyanim, with nothing to tell them apart, say so
    m_binyan->setText(read.ambiguous
            ? tr("%1 or %2").arg(Conjugation::binyanName(read.binyan), Conjugation::binyanName(read.otherBinyan))
            : Conjugation::binyanName(read.binyan));
    m_root->setText(rootText(read.root));
    for (const Paradigm::Form &form : Conjugation::pointedVerbForms(verb))
        placeForm(form);
}

void ConjugationView::setCell(QList<Cell> &cells, QList<QLabel *> &labels, int index, const Paradigm::Form &form)
{
    cells[index] = cellOf(form);
    labels[index]->setText(cellText(cells[index]));
}

void ConjugationView::placePerson(QList<Cell> &cells, QList<QLabel *> &labels, const Paradigm::Form &form)
{
    const int grammar = form.code;
    const bool plural = grammar & Plural;
    // a form without gender fills both gender cells of its person
    auto placeGendered = [&](int masculineCell, int feminineCell) {
        if (!isFeminine(grammar))
            setCell(cells, labels, masculineCell, form);
        if (!isMasculine(grammar))
            setCell(cells, labels, feminineCell, form);
    };
    if (grammar & FirstPerson)
        setCell(cells, labels, plural ? FirstPlural : FirstSingular, form);
    else if ((grammar & SecondPerson) && plural)
        placeGendered(SecondPluralMasculine, SecondPluralFeminine);
    else if (grammar & SecondPerson)
        placeGendered(SecondMasculine, SecondFeminine);
    else if (plural)
        setCell(cells, labels, ThirdPlural, form);
    else
        placeGendered(ThirdMasculine, ThirdFeminine);
}

void ConjugationView::placeForm(const Paradigm::Form &form)
{
    const int grammar = form.code;
    if (grammar == Infinitive) {
        m_infinitive = cellOf(form);
        m_infinitiveLabel->setText(cellText(m_infinitive));
    } else if (grammar & Future) {
        placePerson(m_future, m_futureLabels, form);
    } else if (grammar & Past) {
        placePerson(m_past, m_pastLabels, form);
    } else if (grammar & Present) {
        const bool masculine = isMasculine(grammar);
        if (grammar & Plural)
            setCell(m_present, m_presentLabels, masculine ? PresentMasculinePlural : PresentFemininePlural, form);
        else
            setCell(m_present, m_presentLabels, masculine ? PresentMasculine : PresentFeminine, form);
    } else if (grammar & Imperative) {
        if (isMasculine(grammar))
            setCell(m_imperative, m_imperativeLabels, ImperativeMasculine, form);
        else if (isFeminine(grammar))
            setCell(m_imperative, m_imperativeLabels, ImperativeFeminine, form);
        else if (grammar & Plural)
            setCell(m_imperative, m_imperativeLabels, ImperativePlural, form);
    }
}
