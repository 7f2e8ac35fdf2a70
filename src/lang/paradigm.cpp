// concatenations build each form in one allocation
#define QT_USE_QSTRINGBUILDER

#include "paradigm.h"

#include "conjugation.h"
#include "grammarcode.h"
#include "hebrewletters.h"
#include "hebrewtext.h"

using namespace GrammarCode;
using namespace HebrewLetter;
using HebrewText::medialForm;

namespace {

// The codes of each tense in the order the paradigms list its forms. Where
// a form serves both genders (2sg past, plurals of the future) its code has
// no gender bit.
constexpr int PastCodes[] = {Past | FirstPerson | Singular, Past | SecondPerson | Singular,
    Past | ThirdPerson | FeminineSingular, Past | FirstPerson | Plural, Past | SecondPerson | MasculinePlural,
    Past | SecondPerson | FemininePlural, Past | ThirdPerson | Plural};
constexpr int PresentCodes[]
    = {Present | MasculineSingular, Present | FeminineSingular, Present | MasculinePlural, Present | FemininePlural};
constexpr int FutureCodes[] = {Future | FirstPerson | Singular, Future | SecondPerson | MasculineSingular,
    Future | SecondPerson | FeminineSingular, Future | ThirdPerson | MasculineSingular,
    Future | ThirdPerson | FeminineSingular, Future | FirstPerson | Plural, Future | SecondPerson | Plural,
    Future | ThirdPerson | Plural};
constexpr int ImperativeCodes[] = {Imperative | MasculineSingular, Imperative | FeminineSingular, Imperative | Plural};

struct Stems
{
    QString word; // unpointed
    QString stem; // last letter medial
    QString yodStem;
    QString tavStem;
    QString bareStem;
    bool lamedHe = false;
};

// The stems of a verb; for a verb whose third root letter is he (lamed-he)
// they end in he, yod, tav and nothing.
Stems stemsOf(const QString &word)
{
    Stems s;
    s.word = HebrewText::unpointed(word);
    s.stem = medialForm(s.word);
    s.yodStem = s.tavStem = s.bareStem = s.stem;
    s.lamedHe = s.stem.endsWith(He);
    if (s.lamedHe) {
        s.yodStem.back() = Yod;
        s.tavStem.back() = Tav;
        s.bareStem.chop(1);
    }
    return s;
}

QString final(const QString &s)
{
    return HebrewText::finalForm(s);
}

QString withoutFinalHe(QString s)
{
    if (s.endsWith(He))
        s.chop(1);
    return s;
}

QString withoutFirst(const QString &s)
{
    return s.mid(1);
}

// The 1pl ending: a stem ending in nun takes only vav (נתנו, not נתננו).
QString firstPluralPast(const QString &stem)
{
    if (stem.endsWith(Nun))
        return stem + Vav;
    return stem + Nun + Vav;
}

class FormList
{
public:
    void add(const int *codes, std::initializer_list<QString> texts)
    {
        for (const QString &text : texts)
            m_forms.append({*codes++, text});
    }

    void commonPast(const Stems &s)
    {
        const QString &y = s.yodStem;
        add(PastCodes,
            {y + Tav + Yod, y + Tav, s.tavStem + He, firstPluralPast(y), y + Tav + FinalMem, y + Tav + FinalNun,
                s.bareStem + Vav});
    }

    // present of the patterns whose feminine ends in tav, or in he for lamed-he verbs
    void present(const QString &p, bool lamedHe)
    {
        const QString feminine = p + (lamedHe ? He : Tav);
        add(PresentCodes, {lamedHe ? feminine : final(p), feminine, p + Yod + FinalMem, p + Vav + Tav});
    }

    // future: 1sg, then the prefixed forms on the final-form base f and the
    // suffixed forms on base b
    void future(const QString &firstSingular, const QString &f, const QString &b)
    {
        add(FutureCodes,
            {firstSingular, Tav + f, Tav + b + Yod, Yod + f, Tav + f, Nun + f, Tav + b + Vav, Yod + b + Vav});
    }

    void imperative(const QString &masculine, const QString &base)
    {
        add(ImperativeCodes, {masculine, base + Yod, base + Vav});
    }

    QList<Paradigm::Form> take() { return std::move(m_forms); }

private:
    QList<Paradigm::Form> m_forms;
};

QList<Paradigm::Form> paal(const Stems &s)
{
    FormList forms;
    forms.commonPast(s);

    QString p = s.bareStem;
    const bool longStem = s.stem.size() > 2;
    if (longStem)
        p.insert(1, Vav);
    const QString feminine = p + (s.lamedHe || !longStem ? He : Tav);
    forms.add(PresentCodes, {s.lamedHe ? feminine : final(p), feminine, p + Yod + FinalMem, p + Vav + Tav});

    QString a = s.stem;
    if (!a.isEmpty() && !a.endsWith(Ayin) && !a.endsWith(He) && !a.startsWith(Alef))
        a.insert(a.size() - 1, Vav);
    const QString fa = final(a);
    QString b = withoutFinalHe(s.stem);
    if (b.size() == 2)
        b.insert(1, Vav);
    QString first = fa;
    if (s.stem.startsWith(Alef))
        first.insert(1, Vav);
    else
        first.prepend(Alef);
    forms.future(first, fa, b);
    forms.imperative(fa, b);
    return forms.take();
}

QList<Paradigm::Form> piel(const Stems &s)
{
    FormList forms;
    forms.commonPast(s);

    QString base = s.stem;
    if (base.size() > 1 && base[1] == Yod && (base.size() < 3 || base[2] != Yod))
        base.remove(1, 1);
    if (base.startsWith(Vav))
        base.prepend(Vav);

    QString m = Mem + base;
    const QString feminine = m.endsWith(He) ? m : m + Tav;
    const QString masculine = s.bareStem == s.stem ? final(m) : feminine;
    m = withoutFinalHe(m);
    forms.add(PresentCodes, {masculine, feminine, m + Yod + FinalMem, m + Vav + Tav});

    const QString fs = final(base);
    const QString b = withoutFinalHe(base);
    forms.future(Alef + fs, fs, b);
    forms.imperative(fs, b);
    return forms.take();
}

QList<Paradigm::Form> hifil(const Stems &s)
{
    QString w = s.stem;
    const QString r = withoutFirst(s.word);
    const QString rm = medialForm(r);

    const QString feminine3 = w + He;
    const QString plural3 = w + Vav;
    if (w.size() >= 2)
        w.remove(w.size() - 2, 1); // the yod of the pattern
    FormList forms;
    forms.add(
        PastCodes, {w + Tav + Yod, w + Tav, feminine3, w + Nun + Vav, w + Tav + FinalMem, w + Tav + FinalNun, plural3});

    QString masculine = s.word;
    if (!masculine.isEmpty())
        masculine[0] = Mem;
    const QString m = withoutFinalHe(medialForm(masculine));
    forms.add(PresentCodes, {masculine, m + He, m + Yod + FinalMem, m + Vav + Tav});

    forms.future(Alef + r, r, rm);
    forms.imperative(final(w), He + rm);
    return forms.take();
}

QList<Paradigm::Form> hitpael(const Stems &s)
{
    FormList forms;
    forms.commonPast(s);

    QString p = s.bareStem;
    if (!p.isEmpty())
        p[0] = Mem;
    forms.present(p, s.lamedHe);

    QString b = withoutFirst(s.stem);
    const QString f = final(b);
    b = withoutFinalHe(b);
    forms.future(Alef + f, f, b);
    forms.imperative(He + f, He + b);
    return forms.take();
}

QList<Paradigm::Form> hufal(const Stems &s)
{
    const QString &s1 = s.stem;
    const QString m = withoutFirst(s.word);
    const QString mm = medialForm(m);
    FormList forms;
    forms.add(PastCodes,
        {s1 + Tav + Yod, s1 + Tav, s1 + He, firstPluralPast(s1), s1 + Tav + FinalMem, s1 + Tav + FinalNun, s1 + Vav});
    forms.add(PresentCodes, {Mem + m, Mem + mm + Tav, Mem + mm + Yod + FinalMem, Mem + mm + Vav + Tav});
    forms.future(Alef + m, m, mm);
    return forms.take();
}

QList<Paradigm::Form> pual(const Stems &s)
{
    FormList forms;
    forms.commonPast(s);
    forms.present(Mem + s.bareStem, s.lamedHe);
    const QString f = final(s.stem);
    forms.future(Alef + f, f, s.stem);
    return forms.take();
}

QList<Paradigm::Form> nifal(const Stems &s)
{
    FormList forms;
    forms.commonPast(s);
    forms.present(s.bareStem, s.lamedHe);
    const QString y = Yod + withoutFirst(s.bareStem);
    const QString f = final(y);
    forms.future(Alef + f, f, y);
    forms.imperative(He + f, He + y);
    return forms.take();
}

} // namespace

QList<Paradigm::Form> Paradigm::generate(const QString &word, int binyan)
{
    const Stems stems = stemsOf(word);
    switch (binyan) {
    case Conjugation::Paal: return paal(stems);
    case Conjugation::Piel: return piel(stems);
    case Conjugation::Hifil: return hifil(stems);
    case Conjugation::Hitpael: return hitpael(stems);
    case Conjugation::Hufal: return hufal(stems);
    case Conjugation::Pual: return pual(stems);
    case Conjugation::Nifal: return nifal(stems);
    default: return {};
    }
}
