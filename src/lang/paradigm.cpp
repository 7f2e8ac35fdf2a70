// concatenations build each form in one allocation
#define QT_USE_QSTRINGBUILDER

#include "paradigm.h"

#include "conjugation.h"
#include "grammarcode.h"
#include "hebrewtext.h"
#include "paaltraits.h"

#include <QSet>

#include <array>

using namespace GrammarCode;
using Conjugation::Verb;
using namespace PaalTraits;

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

// The letters the patterns add.
const QString Alef = QStringLiteral("\u05D0");
const QString He = QStringLiteral("\u05D4");
const QString Vav = QStringLiteral("\u05D5");
const QString Yod = QStringLiteral("\u05D9");
const QString Lamed = QStringLiteral("\u05DC");
const QString Mem = QStringLiteral("\u05DE");
const QString Nun = QStringLiteral("\u05E0");
const QString Tav = QStringLiteral("\u05EA");

// The letters are given medial, so no string is made to compare them.
bool isRoot(const QString &root, QStringView letters)
{
    return root == letters;
}

bool isGuttural(QChar c)
{
    return c == QChar(0x05D0) || c == QChar(0x05D4) || c == QChar(0x05D7) || c == QChar(0x05E2);
}

// A suffix that begins with the letter the stem ends in shares it: מַתִּי, הִזְמַנּוּ.
QString join(const QString &stem, const QString &suffix)
{
    if (!stem.isEmpty() && !suffix.isEmpty() && stem.back() == suffix.front()
        && (stem.back() == Tav.front() || stem.back() == Nun.front()))
        return stem + QStringView(suffix).mid(1);
    return stem + suffix;
}

// A doubled vav or yod of the stem takes no third from an ending or a
// prefix: צִוּוּ written ציוו, יְיַבֵּשׁ written ייבש.
void removeTripleLetters(QString &s)
{
    for (qsizetype i = 2; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if ((c == Vav.front() || c == Yod.front()) && s.at(i - 1) == c && s.at(i - 2) == c)
            s.remove(i--, 1);
    }
}

QString chopped(const QString &s)
{
    return s.chopped(1);
}

// Every slot of a paradigm, as plain medial text; an empty slot is no form.
class Slots
{
public:
    // the past on a stem for the endings in a consonant and one for those in a vowel
    void past(const QString &consonantStem, const QString &vowelStem)
    {
        const QString &c = consonantStem;
        m_past = {join(c, Tav + Yod), join(c, Tav), vowelStem + He, join(c, Nun + Vav), join(c, Tav + Mem),
            join(c, Tav + Nun), vowelStem + Vav};
    }
    // the past of a verb whose third letter is he, on the stem before it
    void pastLamedHe(const QString &x)
    {
        // a yod of the root before the tav is a consonant, written twice: נִהְיְתָה, הָיְתָה
        const bool consonantYod = x.endsWith(Yod) && !x.chopped(1).endsWith(Yod);
        m_past = {x + Yod + Tav + Yod, x + Yod + Tav, x + (consonantYod ? Yod : QString()) + Tav + He,
            x + Yod + Nun + Vav, x + Yod + Tav + Mem, x + Yod + Tav + Nun, x + Vav};
    }
    void setPast(int slot, const QString &form) { m_past[slot] = form; }
    void present(const QString &ms, const QString &fs, const QString &pluralStem)
    {
        m_present = {ms, fs, pluralStem + Yod + Mem, pluralStem + Vav + Tav};
    }
    // the present whose feminine adds tav to the masculine
    void presentInTav(const QString &ms) { present(ms, ms + Tav, ms); }
    // future: 1sg, then the prefixes (with `between` after them) on the
    // stem, and on suffixStem before the endings yod and vav
    void future(const QString &first, const QString &between, const QString &stem, const QString &suffixStem)
    {
        m_future = {first, Tav + between + stem, Tav + between + suffixStem + Yod, Yod + between + stem,
            Tav + between + stem, Nun + between + stem, Tav + between + suffixStem + Vav,
            Yod + between + suffixStem + Vav};
    }
    void imperative(const QString &ms, const QString &suffixStem)
    {
        m_imperative = {ms, suffixStem + Yod, suffixStem + Vav};
    }
    void dropPresent() { m_present = {}; }
    void dropFuture() { m_future = {}; }
    void dropImperative() { m_imperative = {}; }

    // The forms, final letters made final; the slots are empty after.
    QList<Paradigm::Form> take()
    {
        QList<Paradigm::Form> out;
        out.reserve(qsizetype(m_past.size() + m_present.size() + m_future.size() + m_imperative.size()));
        add(out, PastCodes, m_past);
        add(out, PresentCodes, m_present);
        add(out, FutureCodes, m_future);
        add(out, ImperativeCodes, m_imperative);
        return out;
    }

private:
    template <size_t N> static void add(QList<Paradigm::Form> &out, const int *codes, std::array<QString, N> &texts)
    {
        for (QString &text : texts) {
            const int code = *codes++;
            if (text.isEmpty())
                continue;
            // the slot owns its text alone: it is changed in place
            QString form = std::move(text);
            removeTripleLetters(form);
            HebrewText::makeFinal(form);
            out.append({code, std::move(form)});
        }
    }

    // fixed slots: a paradigm makes no lists on the way
    std::array<QString, 7> m_past;
    std::array<QString, 4> m_present;
    std::array<QString, 8> m_future;
    std::array<QString, 3> m_imperative;
};

// The letters of a triliteral root.
struct Root
{
    QChar r1, r2, r3;
    explicit Root(const QString &root)
        : r1(root.at(0))
        , r2(root.at(1))
        , r3(root.size() > 2 ? root.at(2) : QChar())
    { }
};

bool isAFuture(const Root &r, quint16 traits)
{
    return PaalTraits::hasAFuture(r.r2, r.r3, traits);
}

QString paalInfinitive(const Verb &v)
{
    const QString &root = v.root;
    const Root r(root);
    if (isRoot(root, u"\u05E0\u05EA\u05E0")) // נתן: לָתֵת
        return Lamed + Tav + Tav;
    if (isRoot(root, u"\u05DC\u05E7\u05D7")) // לקח: לָקַחַת
        return Lamed + r.r2 + r.r3 + Tav;
    if (r.r3 == He.front())
        return Lamed + r.r1 + r.r2 + Vav + Tav;
    if (r.r2 == Vav.front() || r.r2 == Yod.front())
        return Lamed + root;
    const quint16 traits = paalTraits(root);
    if (traits & (Yeshev | InfinitiveInTav))
        return Lamed + r.r2 + r.r3 + Tav;
    if (traits & InfinitiveInA)
        return Lamed + root;
    return Lamed + r.r1 + r.r2 + Vav + r.r3;
}

Slots paalLamedHe(const Verb &v, const Root &r)
{
    Slots s;
    const QString x = r.r1 + r.r2;
    s.pastLamedHe(x);
    const QString present = r.r1 + Vav + r.r2;
    s.present(present + He, present + He, present);
    if (isRoot(v.root, u"\u05D4\u05D9\u05D4")) // היה has no present
        s.dropPresent();
    s.future(Alef + x + He, QString(), x + He, x);
    s.imperative(x + He, x);
    return s;
}

// hollow: קם, שם, בא
Slots paalHollow(const Verb &v)
{
    Slots s;
    s.past(v.past, v.past);
    s.present(v.past, v.past + He, v.past);
    s.future(Alef + v.root, QString(), v.root, v.root);
    s.imperative(v.root, v.root);
    return s;
}

// יָכֹל: past on יכול, future on וכל, no imperative
Slots paalYakhol(const Verb &v, const Root &r)
{
    Slots s;
    const QString yakhol = r.r1 + r.r2 + Vav + r.r3;
    s.past(yakhol, v.root);
    s.present(yakhol, yakhol + He, yakhol);
    const QString stem = Vav + r.r2 + r.r3;
    s.future(Alef + stem, QString(), stem, stem);
    return s;
}

void paalFuture(Slots &s, const QString &root, const Root &r, quint16 traits)
{
    const QString last = r.r2 + r.r3;
    const bool aFuture = isAFuture(r, traits);
    if ((traits & AssimilatingNun) && aFuture) {
        // the first letter assimilates: אֶסַּע, תִּסַּע, סַע
        s.future(Alef + last, Yod, last, last);
        s.imperative(last, last);
    } else if (traits & (AssimilatingNun | AssimilatingYod)) {
        // אֶפֹּל, תִּפֹּל, נְפֹל; אֶצֹּר, צֹר
        const QString stem = r.r2 + Vav + r.r3;
        s.future(Alef + stem, Yod, stem, last);
        if (traits & AssimilatingNun)
            s.imperative(Nun + stem, Nun + last);
        else
            s.imperative(stem, last);
    } else if (traits & Yeshev) {
        s.future(Alef + last, QString(), last, last);
        s.imperative(last, last);
    } else if (traits & QuietAlef) {
        s.future(Alef + Vav + last, QString(), root, root);
        s.imperative(traits & ImperativeInO ? r.r1 + r.r2 + Vav + r.r3 : root, root);
    } else if (aFuture) {
        s.future(Alef + root, QString(), root, root);
        if (traits & ImperativeWithoutYod)
            s.imperative(last, last);
        else
            s.imperative(root, root);
    } else {
        const QString stem = r.r1 + r.r2 + Vav + r.r3;
        s.future(Alef + stem, QString(), stem, root);
        s.imperative(traits & ImperativeInA ? root : stem, root);
    }
}

Slots paal(const Verb &v)
{
    const QString &root = v.root;
    const Root r(root);
    if (r.r3 == He.front())
        return paalLamedHe(v, r);
    if (r.r2 == Vav.front() || r.r2 == Yod.front())
        return paalHollow(v);
    if (isRoot(root, u"\u05D9\u05DB\u05DC")) // יכל
        return paalYakhol(v, r);
    const quint16 traits = paalTraits(root);
    Slots s;
    s.past(root, root);
    if (isRoot(root, u"\u05E0\u05EA\u05E0")) {
        // נתן: its nun goes into the tav of the ending, נָתַתִּי
        const QString natat = r.r1 + r.r2 + Tav;
        s.setPast(0, natat + Yod);
        s.setPast(1, natat);
        s.setPast(4, natat + Mem);
        s.setPast(5, natat + Nun);
    }
    if (traits & Stative)
        s.present(root, root + He, root);
    else
        s.presentInTav(r.r1 + Vav + r.r2 + r.r3);
    // לקח goes with the nun verbs: אֶקַּח, יִקַּח, קַח
    paalFuture(s, root, r, isRoot(root, u"\u05DC\u05E7\u05D7") ? traits | AssimilatingNun : traits);
    return s;
}

// The stem of pi'el after a prefix: a consonantal vav or yod of the root
// is written twice (מְקַוֶּה → מקווה, מְוַתֵּר → מוותר).
QString pielStem(const QString &root)
{
    QString stem = root;
    if (root.size() == 3 && (root[1] == Vav.front() || root[1] == Yod.front()))
        stem.insert(1, root[1]);
    if (stem.startsWith(Vav) || stem.startsWith(Yod))
        stem.prepend(stem.front());
    return stem;
}

QString pielBare(const QString &root)
{
    QString stem = root;
    if (root.size() == 3 && (root[1] == Vav.front() || root[1] == Yod.front()))
        stem.insert(1, root[1]);
    return stem;
}

Slots piel(const Verb &v)
{
    const QString stem = pielStem(v.root);
    const QString bare = pielBare(v.root);
    Slots s;
    if (v.root.size() == 3 && v.root.endsWith(He)) {
        s.pastLamedHe(chopped(v.past));
        s.present(Mem + stem, Mem + stem, Mem + chopped(stem));
        s.future(Alef + stem, QString(), stem, chopped(stem));
        s.imperative(bare, chopped(bare));
        return s;
    }
    s.past(v.past, v.past);
    s.presentInTav(Mem + stem);
    s.future(Alef + stem, QString(), stem, stem);
    s.imperative(bare, bare);
    return s;
}

QString pielInfinitive(const Verb &v)
{
    const QString stem = pielStem(v.root);
    if (v.root.size() == 3 && v.root.endsWith(He))
        return Lamed + chopped(stem) + Vav + Tav;
    return Lamed + stem;
}

Slots pual(const Verb &v)
{
    const QString &p = v.past;
    Slots s;
    if (p.endsWith(He)) {
        s.pastLamedHe(chopped(p));
        s.present(Mem + p, Mem + p, Mem + chopped(p));
        s.future(Alef + p, QString(), p, chopped(p));
    } else {
        s.past(p, p);
        s.presentInTav(Mem + p);
        s.future(Alef + p, QString(), p, p);
    }
    return s;
}

// The hif'il past read as he, the letters before the pattern's yod and the
// last letter: הִזְמִין is ה זמ י ן, הֵקִים ה ק י ם.
struct HifilParts
{
    enum Kind { Regular, LamedHe, Geminate } kind;
    QString x;
    QString y;
};

HifilParts hifilParts(const QString &p)
{
    if (p.endsWith(He))
        return {HifilParts::LamedHe, p.mid(1, p.size() - 2), QString()};
    if (p.size() == 3)
        return {HifilParts::Geminate, p.mid(1, 1), p.mid(2)};
    return {HifilParts::Regular, p.mid(1, p.size() - 3), p.right(1)};
}

Slots hifil(const Verb &v)
{
    const QString &p = v.past;
    const HifilParts h = hifilParts(p);
    Slots s;
    switch (h.kind) {
    case HifilParts::LamedHe:
        s.pastLamedHe(He + h.x);
        s.present(Mem + h.x + He, Mem + h.x + He, Mem + h.x);
        s.future(Alef + h.x + He, QString(), h.x + He, h.x);
        s.imperative(He + h.x + He, He + h.x);
        break;
    case HifilParts::Geminate:
        // הֵגֵן, מֵגֵן, יָגֵן
        s.past(p, p);
        s.present(Mem + h.x + h.y, Mem + h.x + h.y + He, Mem + h.x + h.y);
        s.future(Alef + h.x + h.y, QString(), h.x + h.y, h.x + h.y);
        s.imperative(p, p);
        break;
    case HifilParts::Regular: {
        const QString stem = h.x + Yod + h.y;
        s.past(He + h.x + h.y, p);
        s.present(Mem + stem, Mem + stem + He, Mem + stem);
        s.future(Alef + stem, QString(), stem, stem);
        s.imperative(He + h.x + h.y, p);
        break;
    }
    }
    return s;
}

QString hifilInfinitive(const Verb &v)
{
    const HifilParts h = hifilParts(v.past);
    if (h.kind == HifilParts::LamedHe)
        return Lamed + He + h.x + Vav + Tav;
    return Lamed + v.past;
}

Slots hufal(const Verb &v)
{
    const QString &p = v.past;
    const QString rest = p.mid(2);
    Slots s;
    if (p.endsWith(He)) {
        s.pastLamedHe(chopped(p));
        s.present(Mem + Vav + rest, Mem + Vav + rest, Mem + Vav + chopped(rest));
        s.future(Alef + Vav + rest, QString(), Vav + rest, Vav + chopped(rest));
    } else {
        s.past(p, p);
        s.presentInTav(Mem + Vav + rest);
        s.future(Alef + Vav + rest, QString(), Vav + rest, Vav + rest);
    }
    return s;
}

Slots hitpael(const Verb &v)
{
    const QString &p = v.past;
    const QString b = p.mid(1);
    Slots s;
    if (p.endsWith(He)) {
        s.pastLamedHe(chopped(p));
        s.present(Mem + b, Mem + b, Mem + chopped(b));
        s.future(Alef + b, QString(), b, chopped(b));
        s.imperative(p, chopped(p));
    } else {
        s.past(p, p);
        s.presentInTav(Mem + b);
        s.future(Alef + b, QString(), b, b);
        s.imperative(p, p);
    }
    return s;
}

QString hitpaelInfinitive(const Verb &v)
{
    if (v.past.endsWith(He))
        return Lamed + chopped(v.past) + Vav + Tav;
    return Lamed + v.past;
}

// The nif'al stem after its he and the future's prefixes: a yod-first
// root gets its vav back, doubled (יִוָּלֵד), a nun-first root its nun.
QString nifalStem(const Verb &v)
{
    const QString &p = v.past;
    if (p.size() == 4 && p[1] == Vav.front())
        return Vav + Vav + p.mid(2);
    if (p.size() == 4 && p[1] == Yod.front())
        return Nun + p.mid(2);
    return p.mid(1);
}

Slots nifal(const Verb &v)
{
    const QString &p = v.past;
    const QString q = nifalStem(v);
    if (isRoot(v.root, u"\u05E0\u05D2\u05E9")) {
        // נִגַּשׁ borrows its future from pa'al: אֶגַּשׁ, יִגַּשׁ, גַּשׁ
        const QString last = q.mid(1);
        Slots s;
        s.past(p, p);
        s.presentInTav(p);
        s.future(Alef + last, Yod, last, last);
        s.imperative(last, last);
        return s;
    }
    // a guttural, resh or vav after the prefix takes the yod in the 1sg too: איאסף, אירגע, איוולד
    const QChar after = q.front();
    const QString first = isGuttural(after) || after == QChar(0x05E8) || after == Vav.front() ? Alef + Yod : Alef;
    Slots s;
    if (p.endsWith(He)) {
        const QString x = chopped(p);
        s.pastLamedHe(x);
        s.present(p, x + Yod + Tav, x);
        s.future(first + q, Yod, q, chopped(q));
        s.imperative(He + Yod + q, He + Yod + chopped(q));
    } else {
        s.past(p, p);
        s.presentInTav(p);
        s.future(first + q, Yod, q, q);
        s.imperative(He + Yod + q, He + Yod + q);
    }
    // נִהְיָה has a past and a present only
    if (isRoot(v.root, u"\u05D4\u05D9\u05D4")) {
        s.dropFuture();
        s.dropImperative();
    }
    return s;
}

QString nifalInfinitive(const Verb &v)
{
    if (isRoot(v.root, u"\u05D4\u05D9\u05D4"))
        return QString();
    if (isRoot(v.root, u"\u05E0\u05D2\u05E9"))
        return Lamed + v.past.mid(2) + Tav;
    const QString q = nifalStem(v);
    if (v.past.endsWith(He))
        return Lamed + He + Yod + chopped(q) + Vav + Tav;
    return Lamed + He + Yod + q;
}

} // namespace

QList<Paradigm::Form> Paradigm::generate(const Verb &verb)
{
    if (verb.root.size() < 2)
        return {};
    switch (verb.binyan) {
    case Conjugation::Paal: return paal(verb).take();
    case Conjugation::Piel: return piel(verb).take();
    case Conjugation::Hifil: return hifil(verb).take();
    case Conjugation::Hitpael: return hitpael(verb).take();
    case Conjugation::Hufal: return hufal(verb).take();
    case Conjugation::Pual: return pual(verb).take();
    case Conjugation::Nifal: return nifal(verb).take();
    default: return {};
    }
}

QString Paradigm::infinitive(const Verb &verb)
{
    if (verb.root.size() < 2)
        return QString();
    QString text;
    switch (verb.binyan) {
    case Conjugation::Paal: text = isRoot(verb.root, u"\u05D9\u05DB\u05DC") ? QString() : paalInfinitive(verb); break;
    case Conjugation::Piel: text = pielInfinitive(verb); break;
    case Conjugation::Hifil: text = hifilInfinitive(verb); break;
    case Conjugation::Hitpael: text = hitpaelInfinitive(verb); break;
    case Conjugation::Nifal: text = nifalInfinitive(verb); break;
    default: break;
    }
    removeTripleLetters(text);
    HebrewText::makeFinal(text);
    return text;
}
