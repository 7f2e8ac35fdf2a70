#include "verbpointing.h"

#include "grammarcode.h"
#include "hebrewtext.h"
#include "paaltraits.h"

#include <QSet>

using namespace PaalTraits;
using namespace Qt::Literals::StringLiterals;
using Conjugation::Verb;

// A pattern spells one form in the traditional (defective) pointing, in a
// notation made to be read beside the forms it stands for:
//   1 2 3 ... the verb's letters (Patterns::letters), Hebrew letters as they are;
//   : shva, a patach, A qamats, e tsere, E segol, i chiriq, o cholam,
//   u qubuts, h chataf patach, H chataf segol: the vowel of the letter before;
//   .         a dagesh that doubles the letter before (dropped on gutturals
//             and resh);
//   O U       a vav with cholam (וֹ) or shuruk (וּ);
//   I Y       chiriq or tsere on the letter before and a yod after it (ִי, ֵי);
//   *         the vowel before is stressed (else the last one is);
//   ~         the letter before keeps no dagesh kal after a shva (כִּתְבִי);
//   !         the shva before is a medium one: no dagesh kal after it (נֶהֶרְגוּ);
//   ^         the shva before is a quiet one: dagesh kal after it (יְכוֹלְתֶּם);
//   |         the next letter joins no root letter (שָׁתְתָה).
// A root letter with shva before a suffix of the same letter (ת, נ) joins
// it, doubled: נָתַנּוּ, שָׁבַתִּי, הִזְמַנּוּ.

namespace {

enum Point : ushort {
    Sheva = 0x05B0,
    HatafSegol = 0x05B1,
    HatafPatah = 0x05B2,
    Hiriq = 0x05B4,
    Tsere = 0x05B5,
    Segol = 0x05B6,
    Patah = 0x05B7,
    Qamats = 0x05B8,
    Holam = 0x05B9,
    Qubuts = 0x05BB,
    Dagesh = 0x05BC,
    ShinDot = 0x05C1,
    SinDot = 0x05C2,
};

constexpr char16_t Alef = 0x05D0, He = 0x05D4, Vav = 0x05D5, Het = 0x05D7, Yod = 0x05D9, Kaf = 0x05DB, Lamed = 0x05DC,
                   Mem = 0x05DE, Nun = 0x05E0, Ayin = 0x05E2, Resh = 0x05E8, Shin = 0x05E9, Tav = 0x05EA;

bool isGuttural(QChar c)
{
    const char16_t u = c.unicode();
    return u == Alef || u == He || u == Het || u == Ayin;
}

bool isGutturalOrResh(QChar c)
{
    return isGuttural(c) || c.unicode() == Resh;
}

bool isBegadkefat(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x05D1 || u == 0x05D2 || u == 0x05D3 || u == Kaf || u == 0x05E4 || u == Tav;
}

QChar medial(QChar c)
{
    QString s{c};
    HebrewText::makeMedial(s);
    return s.front();
}

// One letter of a form being pointed.
struct Sign
{
    QChar letter;
    ushort vowel = 0;
    bool dagesh = false;
    bool forte = false;
    bool fromRoot = false;
    bool rafe = false;
    bool stressed = false;
    bool furtive = false;
    bool mediumSheva = false;
    bool quietSheva = false;
};
using Signs = QList<Sign>;

ushort vowelOf(QChar code)
{
    switch (code.unicode()) {
    case u':': return Sheva;
    case u'a': return Patah;
    case u'A': return Qamats;
    case u'e': return Tsere;
    case u'E': return Segol;
    case u'i': return Hiriq;
    case u'o': return Holam;
    case u'u': return Qubuts;
    case u'h': return HatafPatah;
    case u'H': return HatafSegol;
    default: return 0;
    }
}

bool isShuruk(const Sign &s)
{
    return s.letter.unicode() == Vav && s.dagesh && s.vowel == 0;
}

bool hasVowel(const Sign &s)
{
    return (s.vowel != 0 && s.vowel != Sheva) || isShuruk(s);
}

// The signs of a pattern; empty when it names a letter the verb has not.
Signs parse(const QString &pattern, const QString &letters)
{
    Signs out;
    bool join = true;
    auto addLetter = [&out, &join](QChar c, bool fromRoot) {
        // a root letter with shva takes a suffix of its own letter in: נָתַנּוּ
        const bool joins = std::exchange(join, true);
        if (joins && !fromRoot && !out.isEmpty() && out.last().fromRoot && out.last().letter == c
            && out.last().vowel == Sheva && (c.unicode() == Tav || c.unicode() == Nun)) {
            Sign &s = out.last();
            s.vowel = 0;
            s.dagesh = s.forte = true;
            s.fromRoot = false;
            return;
        }
        Sign s;
        s.letter = c;
        s.fromRoot = fromRoot;
        out.append(s);
    };
    for (QChar c : pattern) {
        const char16_t u = c.unicode();
        if (u >= u'1' && u <= u'9') {
            const qsizetype index = u - u'1';
            if (index >= letters.size())
                return {};
            addLetter(letters.at(index), true);
        } else if (HebrewText::isLetter(c)) {
            addLetter(medial(c), false);
        } else if (u == u'O' || u == u'U') {
            Sign s;
            s.letter = QChar(Vav);
            s.vowel = u == u'O' ? Holam : 0;
            s.dagesh = u == u'U';
            out.append(s);
        } else if (u == u'|') {
            join = false;
        } else if (out.isEmpty()) {
            continue;
        } else if (u == u'!') {
            out.last().mediumSheva = true;
        } else if (u == u'^') {
            out.last().quietSheva = true;
        } else if (u == u'I' || u == u'Y') {
            out.last().vowel = u == u'I' ? Hiriq : Tsere;
            Sign yod;
            yod.letter = QChar(Yod);
            out.append(yod);
        } else if (u == u'.') {
            out.last().dagesh = out.last().forte = true;
        } else if (u == u'~') {
            out.last().rafe = true;
        } else if (u == u'*') {
            for (qsizetype i = out.size() - 1; i >= 0; --i) {
                if (hasVowel(out[i])) {
                    out[i].stressed = true;
                    break;
                }
            }
        } else if (const ushort v = vowelOf(c)) {
            out.last().vowel = v;
        }
    }
    return out;
}

bool isLongVowel(const Signs &s, qsizetype i)
{
    const ushort v = s[i].vowel;
    if (v == Qamats || v == Tsere || v == Holam || isShuruk(s[i]))
        return true;
    return v == Hiriq && i + 1 < s.size() && s[i + 1].letter.unicode() == Yod && s[i + 1].vowel == 0;
}

// A shva after a letter with shva, under a doubled letter, at the start, or
// after an unstressed long vowel is sounded (na): no dagesh kal after it.
bool isQuietSheva(const Signs &s, qsizetype i)
{
    if (s[i].vowel == Sheva && s[i].quietSheva)
        return true;
    if (s[i].vowel != Sheva || i == 0 || s[i].forte)
        return false;
    if (s[i - 1].vowel == Sheva)
        return false;
    for (qsizetype k = i - 1; k >= 0; --k) {
        if (hasVowel(s[k]))
            return !(isLongVowel(s, k) && !s[k].stressed);
    }
    return false;
}

// The points the patterns leave to rules: no doubling in gutturals and
// resh, the final kaf's shva, the furtive patach, the dagesh kal.
void finish(Signs &s)
{
    for (Sign &sign : s) {
        if (sign.forte && isGutturalOrResh(sign.letter))
            sign.dagesh = sign.forte = false;
    }
    if (s.isEmpty())
        return;
    Sign &last = s.last();
    if (last.letter.unicode() == Kaf && last.vowel == 0)
        last.vowel = Sheva;
    const bool gutturalEnd = last.letter.unicode() == Het || last.letter.unicode() == Ayin;
    if (gutturalEnd && last.vowel == 0 && s.size() > 1) {
        const qsizetype before = s.size() - 2;
        const bool mater = s[before].vowel == 0 && s[before].letter.unicode() == Yod && before > 0;
        if (isLongVowel(s, mater ? before - 1 : before) && s[mater ? before - 1 : before].vowel != Qamats) {
            last.vowel = Patah;
            last.furtive = true;
        }
    }
    // a guttural cannot carry a sounded shva: שׂוֹחֲחוּ
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        if (s[i].vowel == Sheva && isGuttural(s[i].letter) && !isQuietSheva(s, i))
            s[i].vowel = HatafPatah;
    }
    for (qsizetype i = 0; i < s.size(); ++i) {
        Sign &sign = s[i];
        if (isBegadkefat(sign.letter) && !sign.dagesh && !sign.rafe
            && (i == 0 || (isQuietSheva(s, i - 1) && !s[i - 1].mediumSheva)))
            sign.dagesh = true;
    }
}

int stressOf(const Signs &s)
{
    int after = 0;
    for (qsizetype i = s.size() - 1; i >= 0; --i) {
        if (s[i].furtive || !hasVowel(s[i]))
            continue;
        // a doubled consonant vav before a shuruk is no vowel: צִוּוּ
        if (isShuruk(s[i]) && i + 1 < s.size() && s[i + 1].letter.unicode() == Vav)
            continue;
        if (s[i].stressed)
            return after + 1;
        ++after;
    }
    return 1;
}

// The traditional pointing spelt in the paradigm's letters: a vav the
// paradigm writes takes a qubuts as shuruk or a cholam as cholam male; a
// vav or yod that the pointing has not is a bare mater, or the second
// letter of a doubled consonant. Empty when the letters do not match.
Signs spellInFull(const Signs &pattern, const QString &written)
{
    Signs out;
    qsizetype i = 0;
    for (qsizetype j = 0; j < written.size(); ++j) {
        const QChar c = medial(written.at(j));
        // a chiriq's yod before a consonant yod: סִייֵּם, the points on the second
        const bool materFirst = c.unicode() == Yod && !out.isEmpty() && out.last().vowel == Hiriq
            && j + 1 < written.size() && written.at(j + 1) == c
            && !(i + 1 < pattern.size() && pattern[i + 1].letter == c);
        if (i < pattern.size() && pattern[i].letter == c && !materFirst) {
            out.append(pattern[i++]);
            continue;
        }
        if (out.isEmpty() || (c.unicode() != Vav && c.unicode() != Yod))
            return {};
        Sign extra;
        extra.letter = c;
        Sign &before = out.last();
        if (c.unicode() == Vav && before.vowel == Qubuts) {
            before.vowel = 0;
            extra.dagesh = true;
            std::swap(extra.stressed, before.stressed);
        } else if (c.unicode() == Vav && before.vowel == Holam && before.letter.unicode() != Vav) {
            before.vowel = 0;
            extra.vowel = Holam;
            std::swap(extra.stressed, before.stressed);
        }
        out.append(extra);
    }
    return i == pattern.size() ? out : Signs();
}

QString render(const Signs &s, bool sin)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const Sign &sign = s[i];
        QString letter{sign.letter};
        if (i + 1 == s.size())
            HebrewText::makeFinal(letter);
        out += letter;
        if (sign.vowel)
            out += QChar(sign.vowel);
        if (sign.dagesh)
            out += QChar(Dagesh);
        if (sign.letter.unicode() == Shin)
            out += QChar(sin ? SinDot : ShinDot);
    }
    return out.normalized(QString::NormalizationForm_C);
}

// The roots whose ש is a sin; a verb stored pointed says it itself. שבע is
// sin in pa'al (שָׂבַע) but shin in nif'al and hif'il (נִשְׁבַּע, הִשְׁבִּיעַ).
bool isSinRoot(const QString &root, int binyan)
{
    static const QSet<QString> roots = [] {
        QSet<QString> set;
        for (const char16_t *r : {u"עשה", u"נשא", u"שמח", u"שנא", u"שים", u"שחק", u"שרף", u"שכר", u"חשף", u"בשר",
                 u"שכל", u"נשג", u"שרד", u"שרט", u"שחה", u"שער", u"שרטט", u"עשר", u"שגשג", u"שרע", u"שרך", u"שרר",
                 u"שיח", u"שטן", u"שגב", u"חפש", u"שחח", u"שוחח"})
            set.insert(HebrewText::medialForm(QString::fromUtf16(r)));
        return set;
    }();
    if (root == u"שבע"_s)
        return binyan == Conjugation::Paal;
    return roots.contains(root);
}

// Hollow (and I-yod) roots of hif'il and huf'al, by the two letters left
// around the pattern's vowel: הֵקִים, הוּקַם; the others double their first
// (הִפִּיל, הוּפַּל).
bool isHollowPair(const QString &pair)
{
    static const QSet<QString> pairs = [] {
        QSet<QString> set;
        for (const char16_t *p :
            {u"קמ", u"בנ", u"כנ", u"רמ", u"שב", u"ער", u"אר", u"זז", u"מת", u"בא", u"סר", u"פצ", u"רח", u"טס", u"נע",
                u"עד", u"צפ", u"טל", u"גב", u"פק", u"סת", u"שט", u"צצ", u"כל", u"קא", u"רק", u"עפ", u"גפ", u"נפ", u"פג",
                u"בכ", u"זנ", u"רצ", u"לנ", u"חש", u"שמ", u"צא", u"רד", u"דע", u"לד", u"סף", u"בל", u"דח", u"טב"})
            set.insert(QString::fromUtf16(p));
        return set;
    }();
    return pairs.contains(pair);
}

using Patterns = VerbPointing::Patterns;

// The nine past slots from a stem before the consonant endings (stressed),
// one before -tem/-ten, the 3sg m and a stem before the vowel endings.
void pastOn(Patterns &p, const QString &cons, const QString &plural, const QString &third, const QString &vowel)
{
    p.past = {cons + u"תiי"_s, cons + u"תA"_s, cons + u"ת:"_s, third, vowel + u"Aה"_s, cons + u"נU"_s,
        plural + u"תEם"_s, plural + u"תEן"_s, vowel + u"U"_s};
}

// The III-he past on the stem before its ending (-iti, -eiti).
void pastLamedHe(Patterns &p, const QString &x, const QString &plural, QChar ending, const QString &vowelStem)
{
    const QString e = ending == u'I' ? QStringLiteral("I") : QStringLiteral("Y");
    p.past = {x + e + u"*תiי"_s, x + e + u"*תA"_s, x + e + u"ת"_s, x + u"Aה"_s, vowelStem + u"|תAה"_s, x + e + u"*נU"_s,
        plural + e + u"תEם"_s, plural + e + u"תEן"_s, x + u"U"_s};
}

// The future from the whole 1sg, the vowel after the other prefixes, the
// stem and the stem before -i, -u.
void futureOn(Patterns &p, const QString &first, const QString &head, const QString &stem, const QString &suffixed)
{
    auto h = [&head](char16_t prefix) { return QString(QChar(prefix)) + head; };
    p.future = {first, h(Tav) + stem, h(Tav) + suffixed + u"iי"_s, h(Yod) + stem, h(Tav) + stem, h(Nun) + stem,
        h(Tav) + suffixed + u"U"_s, h(Yod) + suffixed + u"U"_s};
}

void presentOn(Patterns &p, const QString &ms, const QString &fs, const QString &plural)
{
    p.present = {ms, fs, plural + u"iים"_s, plural + u"Oת"_s};
}

void imperativeOn(Patterns &p, const QString &ms, const QString &suffixed)
{
    p.imperative = {ms, suffixed + u"iי"_s, suffixed + u"U"_s};
}

// ח closes its syllable with a quiet shva before a begadkefat letter
// (יַחְתֹּם, לַחְפֹּר), and takes a chataf before the others (יַחֲשֹׁב).
bool hetClosed(const QString &root)
{
    return root.at(0).unicode() == Het && isBegadkefat(root.at(1));
}

Patterns paalLamedHe(const Verb &v)
{
    Patterns p;
    p.letters = v.root.left(2);
    const bool hayah = v.root == u"היה"_s;
    const QChar r1 = v.root.at(0);
    const bool g1 = isGuttural(r1) && !hayah;
    const bool g2 = isGuttural(v.root.at(1));
    const QString plural = g1 || hayah ? (r1.unicode() == He ? u"1H2"_s : u"1h2"_s) : QStringLiteral("1:2");
    pastLamedHe(p, QStringLiteral("1A2"), plural, u'I', g2 ? u"1A2h"_s : u"1A2:"_s);
    presentOn(p, u"1O2Eה"_s, u"1O2Aה"_s, u"1O2"_s);
    const bool yodFirst = r1.unicode() == Yod;
    const QString first = g1 ? u"אE1H"_s : yodFirst ? u"אi1"_s : u"אE1:"_s;
    const QString head = g1 ? (r1.unicode() == Alef ? u"E1H"_s : u"a1h"_s) : yodFirst ? u"i1"_s : u"i1:"_s;
    futureOn(p, first + u"2Eה"_s, head, u"2Eה"_s, u"2"_s);
    const QString imperativeHead
        = g1 || hayah ? (r1.unicode() == He && hayah ? u"1H"_s : u"1h"_s) : QStringLiteral("1:");
    p.imperative = {(hayah ? u"1H"_s : imperativeHead) + u"2eה"_s, imperativeHead + u"2iי"_s, imperativeHead + u"2U"_s};
    p.infinitive = g1 ? u"לa1h2Oת"_s : yodFirst ? u"לi12Oת"_s : u"לi1:2Oת"_s;
    return p;
}

Patterns paalHollow(const Verb &v)
{
    Patterns p;
    p.letters = v.root;
    const QChar r3 = v.root.at(2);
    const bool alefLast = r3.unicode() == Alef;
    const bool dies = v.root == u"מות"_s;
    const QString vowel = v.root.at(1).unicode() == Yod ? u"1I3"_s : alefLast ? u"1O3"_s : QStringLiteral("1U3");
    const QString vowelStressed = v.root.at(1).unicode() == Yod ? u"1I*3"_s
        : alefLast                                              ? u"1O*3"_s
                                                                : QStringLiteral("1U*3");
    const QString third = dies ? u"1e3"_s : u"1A3"_s;
    if (alefLast) // בָּאתִי, בָּאנוּ
        p.past = {u"1A*3תiי"_s, u"1A*3תA"_s, u"1A3ת"_s, third, u"1A*3Aה"_s, u"1A*3נU"_s, u"1A3תEם"_s, u"1A3תEן"_s,
            u"1A*3U"_s};
    else
        pastOn(p, QStringLiteral("1a*3:"), QStringLiteral("1a3:"), third, dies ? u"1e*3"_s : u"1A*3"_s);
    if (!alefLast)
        p.past[2] = QStringLiteral("1a3:ת:");
    presentOn(p, third, third + u"Aה"_s, third);
    futureOn(p, u"אA"_s + vowel, QStringLiteral("A"), vowel, vowelStressed);
    imperativeOn(p, vowel, vowelStressed);
    p.infinitive = u"לA"_s + vowel;
    return p;
}

Patterns paalYakhol()
{
    Patterns p;
    p.letters = QStringLiteral("יכל");
    pastOn(p, QStringLiteral("1A2O*3:"), QStringLiteral("1:2O3:^"), QStringLiteral("1A2O3"), QStringLiteral("1A2:3"));
    p.past[2] = QStringLiteral("1A2O*3:ת:");
    presentOn(p, u"1A2O3"_s, u"1:2O3Aה"_s, u"1:2O3"_s);
    futureOn(p, u"אU2a3"_s, QStringLiteral("U"), QStringLiteral("2a3"), QStringLiteral("2:3"));
    return p;
}

void paalPast(Patterns &p, const QString &root)
{
    const bool g1 = isGuttural(root.at(0));
    const bool g2 = isGuttural(root.at(1));
    const QChar r3 = root.at(2);
    const bool alefLast = r3.unicode() == Alef;
    const QString plural = g1 ? u"1h2"_s : u"1:2"_s;
    if (root == u"נתנ"_s) {
        // the nun goes into the tav of the ending: נָתַתִּי (4 is that tav)
        p.letters += QChar(Tav);
        pastOn(
            p, QStringLiteral("1A2a*4:"), QStringLiteral("1:2a4:"), QStringLiteral("1A2a3"), QStringLiteral("1A2:3"));
        p.past[5] = QStringLiteral("1A2a*3:נU");
        return;
    }
    if (alefLast) {
        // the verbs of state say tsere: שָׂנֵאתִי, מָלֵא
        static const QSet<QString> tsere{u"שנא"_s, u"מלא"_s, u"צמא"_s, u"ירא"_s};
        const QString v = tsere.contains(root) ? u"e"_s : u"A"_s;
        pastOn(p, u"1A2"_s + v + u"*3"_s, plural + v + u"3"_s, u"1A2"_s + v + u"3"_s, QStringLiteral("1A2:3"));
        p.past[2] = u"1A2"_s + v + u"3ת"_s;
        return;
    }
    pastOn(p, QStringLiteral("1A2a*3:"), plural + u"a3:"_s, QStringLiteral("1A2a3"), g2 ? u"1A2h3"_s : u"1A2:3"_s);
    if (r3.unicode() == Het || r3.unicode() == Ayin)
        p.past[2] = QStringLiteral("1A2a*3aת.:");
}

void paalPresent(Patterns &p, const QString &root, quint16 traits)
{
    const QChar r3 = root.at(2);
    const bool alefLast = r3.unicode() == Alef;
    const bool gutturalLast = r3.unicode() == Het || r3.unicode() == Ayin;
    if (traits & Stative) {
        const QString head = isGuttural(root.at(0)) ? u"1h2e3"_s : u"1:2e3"_s;
        presentOn(p, QStringLiteral("1A2e3"), head + u"Aה"_s, head);
        return;
    }
    const QString fs = gutturalLast ? u"1O2a*3aת"_s : alefLast ? u"1O2e3ת"_s : QStringLiteral("1O2E*3Eת");
    presentOn(p, QStringLiteral("1O2e3"), fs, isGuttural(root.at(1)) ? u"1O2h3"_s : u"1O2:3"_s);
}

// The future stem's vowel: -a-, -o-, or qamats before a quiet alef.
QString futureStem(const QString &root, bool aFuture, bool doubled)
{
    const QString second = doubled ? u"2."_s : u"2"_s;
    if (root == u"נתנ"_s)
        return QStringLiteral("2.e3");
    if (root.at(2).unicode() == Alef)
        return second + u"Aא"_s;
    return second + (aFuture ? u"a3"_s : u"o3"_s);
}

void paalFuture(Patterns &p, const QString &root, quint16 traits)
{
    const QChar r1 = root.at(0);
    const QChar r3 = root.at(2);
    const bool aFuture = hasAFuture(root.at(1), r3, traits);
    const QString reduced = isGuttural(root.at(1)) ? u"2h3"_s : u"2:3"_s;
    const bool lastGuttural = r3.unicode() == Het || r3.unicode() == Ayin;
    const bool assimilating = (traits & (AssimilatingNun | AssimilatingYod)) || root == u"לקח"_s;
    if (traits & Yeshev) {
        const QString stem = r3.unicode() == Alef ? u"2eא"_s : lastGuttural ? u"2a3"_s : QStringLiteral("2e3");
        futureOn(p, u"אe"_s + stem, QStringLiteral("e"), stem, QStringLiteral("2:3"));
        imperativeOn(p, stem, QStringLiteral("2:3"));
        return;
    }
    if (assimilating) {
        const QString stem = futureStem(root, aFuture, true);
        futureOn(p, u"אE"_s + stem, QStringLiteral("i"), stem, QStringLiteral("2.:3"));
        if (aFuture)
            imperativeOn(p, stem.mid(2).prepend(u'2'), QStringLiteral("2:3"));
        else if (traits & AssimilatingYod)
            imperativeOn(p, QStringLiteral("2o3"), QStringLiteral("2:3"));
        else
            imperativeOn(p, QStringLiteral("1:2o3"), QStringLiteral("1i2:3~"));
        return;
    }
    if (traits & QuietAlef) {
        const QString stem = QStringLiteral("2a3");
        futureOn(p, u"אo"_s + stem, QStringLiteral("o1"), stem, reduced);
        const QString ms = (traits & ImperativeInO) ? u"1H2o3"_s : u"1H2a3"_s;
        imperativeOn(p, ms, isGuttural(root.at(1)) ? u"1E2H3"_s : u"1i2:3~"_s);
        return;
    }
    const QString stem = futureStem(root, aFuture, false);
    if (hetClosed(root)) {
        futureOn(p, u"אE1:"_s + stem, aFuture ? u"E1:"_s : u"a1:"_s, stem, QStringLiteral("2:3"));
        imperativeOn(p, u"1h"_s + stem, QStringLiteral("1i2:3~"));
        return;
    }
    if (isGuttural(r1)) {
        // יַעֲבֹד, יַעַבְדוּ; יֶאֱסֹף, יַאַסְפוּ; יַחֲשֹׁב, יַחְשְׁבוּ
        const bool het = r1.unicode() == Het;
        const bool segol = r1.unicode() == Alef || aFuture;
        const QString suffixedHead
            = het ? (aFuture ? u"E1:"_s : u"a1:"_s) : (aFuture && r1.unicode() != Alef ? u"E1E"_s : u"a1a"_s);
        futureOn(p, u"אE1H"_s + stem, segol ? u"E1H"_s : u"a1h"_s, stem, QStringLiteral("2:3~"));
        for (int slot : {2, 6, 7})
            p.future[slot].replace(segol ? u"E1H"_s : u"a1h"_s, suffixedHead);
        imperativeOn(p, (r1.unicode() == Alef ? u"1H"_s : u"1h"_s) + stem, QStringLiteral("1i2:3~"));
        return;
    }
    if (r1.unicode() == Yod) {
        // the yod goes quiet after the prefix's chiriq: אִירַשׁ, תִּישַׁן
        futureOn(p, u"אi1"_s + stem, QStringLiteral("i1"), stem, reduced);
        if (traits & ImperativeWithoutYod)
            imperativeOn(p, stem, QStringLiteral("2:3"));
        else
            imperativeOn(p, u"1:"_s + stem, QStringLiteral("1i2:3~"));
        return;
    }
    futureOn(p, u"אE1:"_s + stem, QStringLiteral("i1:"), stem, reduced);
    const QString ms = u"1:"_s + ((traits & ImperativeInA) ? QStringLiteral("2a3") : stem);
    imperativeOn(p, ms, isGuttural(root.at(1)) ? u"1a2h3"_s : u"1i2:3~"_s);
}

QString paalInfinitive(const QString &root, quint16 traits)
{
    const QChar r1 = root.at(0);
    const QChar r3 = root.at(2);
    if (root == u"נתנ"_s)
        return QStringLiteral("לAתeת");
    if (root == u"לקח"_s || (traits & (Yeshev | InfinitiveInTav))) {
        if (r3.unicode() == Alef)
            return QStringLiteral("לA2eאת");
        if (r3.unicode() == Het || r3.unicode() == Ayin)
            return QStringLiteral("לA2a*3aת");
        return QStringLiteral("לA2E*3Eת");
    }
    if (traits & InfinitiveInA)
        return QStringLiteral("לi1:2a3");
    const QString stem = r3.unicode() == Alef ? u"2oא"_s : u"2o3"_s;
    if (r1.unicode() == Yod)
        return u"לi1"_s + stem; // לִישׁוֹן, לִיצוֹר: the yod is quiet
    if (!isGuttural(r1))
        return u"לi1:"_s + stem;
    if (hetClosed(root))
        return u"לa1:"_s + stem;
    return (r1.unicode() == Alef ? u"לE1H"_s : u"לa1h"_s) + stem;
}

Patterns paal(const Verb &v)
{
    const QString &root = v.root;
    if (root.size() != 3)
        return {};
    if (root.at(2).unicode() == He)
        return paalLamedHe(v);
    if (root.at(1).unicode() == Vav || root.at(1).unicode() == Yod)
        return paalHollow(v);
    if (root == u"יכל"_s)
        return paalYakhol();
    const quint16 traits = paalTraits(root);
    Patterns p;
    p.letters = root;
    paalPast(p, root);
    paalPresent(p, root, traits);
    paalFuture(p, root, traits);
    p.infinitive = paalInfinitive(root, traits);
    if ((traits & AssimilatingNun) && !hasAFuture(root.at(1), root.at(2), traits))
        p.otherInfinitive = QStringLiteral("לi2.o3"); // לִיפּוֹל beside לִנְפֹּל
    else if (root.at(0).unicode() == Yod)
        p.otherInfinitive = QStringLiteral("לA2E*3Eת"); // לָרֶשֶׁת
    else if (traits & QuietAlef)
        p.otherInfinitive = QStringLiteral("לo2a3"); // לוֹמַר
    return p;
}

// Pi'el, pu'al and hitpa'el double their second letter; before a guttural
// or resh they cannot, and before alef and resh the vowel before grows.
struct Middle
{
    QString past; // pi'el's past head: דִּבֵּ, בֵּרֵ, נִהֵ
    QString other; // its present, future, imperative: דַּבֵּ, בָּרֵ
    QString passive; // pu'al: דֻּבַּ, בֹּרַ
    QString reduced; // the shva or chataf of the second letter
};

Middle middleOf(QChar r2)
{
    if (r2.unicode() == Alef || r2.unicode() == Resh)
        return {QStringLiteral("1e2"), QStringLiteral("1A2"), QStringLiteral("1o2"),
            r2.unicode() == Alef ? u"h"_s : u":"_s};
    if (isGuttural(r2))
        return {QStringLiteral("1i2"), QStringLiteral("1a2"), QStringLiteral("1u2"), QStringLiteral("h")};
    return {QStringLiteral("1i2."), QStringLiteral("1a2."), QStringLiteral("1u2."), QStringLiteral(":")};
}

// The end of a stem after its doubled letter: tsere, patach before a
// guttural, the quiet alef.
struct Ending
{
    QString third; // the 3sg m or present m.sg
    QString stressed; // before the consonant endings
    QString fs; // present f.sg
    QString secondFs; // past 2sg f
    QString plural; // before -tem/-ten
};

Ending endingOf(QChar r3, const QString &last, bool passive)
{
    const QString n(last);
    if (r3.unicode() == Alef)
        return {passive ? u"Aא"_s : u"eא"_s, u"e*א"_s, u"eאת"_s, u"e*את"_s, u"eא"_s};
    const QString vowel = passive ? u"a"_s : u"e"_s;
    const bool guttural = r3.unicode() == Het || r3.unicode() == Ayin;
    return {vowel + n, u"a*"_s + n + u":"_s, guttural ? u"a*"_s + n + u"aת"_s : u"E*"_s + n + u"Eת"_s,
        guttural ? u"a*"_s + n + u"aת.:"_s : u"a*"_s + n + u":ת:"_s, u"a"_s + n + u":"_s};
}

Patterns piel(const Verb &v)
{
    Patterns p;
    p.letters = v.root;
    // a consonant vav or yod of four letters is written twice: דִּמְיֵין
    for (int i : {2, 1}) {
        if (p.letters.size() == 5 && p.letters.at(i) == p.letters.at(i + 1)
            && (p.letters.at(i).unicode() == Vav || p.letters.at(i).unicode() == Yod))
            p.letters.remove(i + 1, 1); // אִוְורֵר
    }
    if (p.letters.size() == 4) {
        // a vav written once is a vowel (קוֹמֵם), written twice a consonant (אִוְורֵר)
        const bool polel = v.root.size() == 4 && p.letters.at(1).unicode() == Vav;
        const QString x = polel ? u"1O3"_s : u"1i2:3"_s;
        const QString y = polel ? u"1O3"_s : u"1a2:3"_s;
        const Ending e = endingOf(p.letters.at(3), QStringLiteral("4"), false);
        pastOn(p, x + e.stressed, x + e.plural, x + e.third, x + u":4"_s);
        p.past[2] = x + e.secondFs;
        presentOn(p, u"מ:"_s + y + e.third, u"מ:"_s + y + e.fs, u"מ:"_s + y + u":4"_s);
        futureOn(p, u"אh"_s + y + e.third, QStringLiteral(":"), y + e.third, y + u":4"_s);
        imperativeOn(p, y + e.third, y + u":4"_s);
        p.infinitive = u"ל:"_s + y + e.third;
        return p;
    }
    if (v.root.size() != 3)
        return {};
    const Middle m = middleOf(v.root.at(1));
    if (v.root.at(2).unicode() == He) {
        pastLamedHe(p, m.past, m.past, u'I', m.past + m.reduced);
        presentOn(p, u"מ:"_s + m.other + u"Eה"_s, u"מ:"_s + m.other + u"Aה"_s, u"מ:"_s + m.other);
        futureOn(p, u"אh"_s + m.other + u"Eה"_s, QStringLiteral(":"), m.other + u"Eה"_s, m.other);
        imperativeOn(p, m.other + u"eה"_s, m.other);
        p.infinitive = u"ל:"_s + m.other + u"Oת"_s;
        return p;
    }
    const Ending e = endingOf(v.root.at(2), QStringLiteral("3"), false);
    pastOn(p, m.past + e.stressed, m.past + e.plural, m.past + e.third, m.past + m.reduced + u"3"_s);
    p.past[2] = m.past + e.secondFs;
    const QString ms = m.other + (v.root.at(2).unicode() == Alef ? u"eא"_s : u"e3"_s);
    presentOn(p, u"מ:"_s + ms, u"מ:"_s + m.other + e.fs, u"מ:"_s + m.other + m.reduced + u"3"_s);
    futureOn(p, u"אh"_s + ms, QStringLiteral(":"), ms, m.other + m.reduced + u"3"_s);
    imperativeOn(p, ms, m.other + m.reduced + u"3"_s);
    p.infinitive = u"ל:"_s + ms;
    return p;
}

Patterns pual(const Verb &v)
{
    Patterns p;
    const QString &past = v.past;
    p.letters = past.left(1) + past.mid(2);
    if (p.letters.size() == 4) {
        const QString x = QStringLiteral("1u2:3");
        const Ending e = endingOf(p.letters.at(3), QStringLiteral("4"), true);
        pastOn(p, x + e.stressed, x + e.plural, x + e.third, x + u":4"_s);
        p.past[2] = x + e.secondFs;
        presentOn(p, u"מ:"_s + x + u"A4"_s, u"מ:"_s + x + e.fs, u"מ:"_s + x + u"A4"_s);
        futureOn(p, u"אh"_s + x + u"a4"_s, QStringLiteral(":"), x + u"a4"_s, x + u":4"_s);
        return p;
    }
    if (p.letters.size() != 3)
        return {};
    const Middle m = middleOf(p.letters.at(1));
    if (p.letters.at(2).unicode() == He) {
        p.letters.chop(1);
        pastLamedHe(p, m.passive, m.passive, u'Y', m.passive + u":"_s);
        presentOn(p, u"מ:"_s + m.passive + u"Eה"_s, u"מ:"_s + m.passive + u"Aה"_s, u"מ:"_s + m.passive);
        futureOn(p, u"אh"_s + m.passive + u"Eה"_s, QStringLiteral(":"), m.passive + u"Eה"_s, m.passive);
        return p;
    }
    const Ending e = endingOf(p.letters.at(2), QStringLiteral("3"), true);
    const QString alef = p.letters.at(2).unicode() == Alef ? u"Aא"_s : u"A3"_s;
    pastOn(p, m.passive + e.stressed, m.passive + e.plural, m.passive + e.third, m.passive + m.reduced + u"3"_s);
    p.past[2] = m.passive + e.secondFs;
    presentOn(p, u"מ:"_s + m.passive + alef, u"מ:"_s + m.passive + e.fs, u"מ:"_s + m.passive + alef);
    futureOn(
        p, u"אh"_s + m.passive + e.third, QStringLiteral(":"), m.passive + e.third, m.passive + m.reduced + u"3"_s);
    return p;
}

// Hif'il, read as the paradigm reads it: he, the letters before the
// pattern's yod, and the last letter.
Patterns hifil(const Verb &v)
{
    Patterns p;
    const QString &past = v.past;
    if (past.size() < 3 || past.at(0).unicode() != He)
        return {};
    const bool lamedHe = past.endsWith(QChar(He));
    if (past.size() == 3 && !lamedHe) {
        // geminate: הֵגֵן, מֵגֵן, יָגֵן
        p.letters = past.mid(1);
        pastOn(
            p, QStringLiteral("הe1a*2:"), QStringLiteral("הe1a2:"), QStringLiteral("הe1e2"), QStringLiteral("הe1e*2."));
        presentOn(p, u"מe1e2"_s, u"מ:1i2.Aה"_s, u"מ:1i2."_s);
        futureOn(p, u"אA1e2"_s, QStringLiteral("A"), QStringLiteral("1e2"), QStringLiteral("1e*2."));
        imperativeOn(p, QStringLiteral("הA1e2"), QStringLiteral("הA1e*2."));
        p.infinitive = QStringLiteral("ל:הA1e2");
        return p;
    }
    QString x = lamedHe ? past.mid(1, past.size() - 2) : past.mid(1, past.size() - 3);
    // a consonant vav or yod written twice is pointed once: הִרְווִיחַ
    if (x.size() == 3 && x.at(1) == x.at(2) && (x.at(1).unicode() == Vav || x.at(1).unicode() == Yod))
        x.chop(1);
    const QString y = lamedHe ? QString() : past.right(1);
    if (x.isEmpty() || x.size() > 2)
        return {};
    if (x.size() == 1 && !lamedHe && isHollowPair(x + medial(y.front()))) {
        // הֵקִים, מֵקִים, יָקִים, הָקֵם; הֵבִיא, הֵבֵאתִי
        p.letters = x + y;
        const bool alefLast = y.front().unicode() == Alef;
        pastOn(p, alefLast ? u"הe1e*א"_s : u"הe1a*2:"_s, alefLast ? u"הe1eא"_s : u"הe1a2:"_s, QStringLiteral("הe1I2"),
            QStringLiteral("הe1I*2"));
        if (alefLast)
            p.past[2] = QStringLiteral("הe1eאת");
        presentOn(p, u"מe1I2"_s, u"מ:1I2Aה"_s, u"מ:1I2"_s);
        futureOn(p, u"אA1I2"_s, QStringLiteral("A"), QStringLiteral("1I2"), QStringLiteral("1I*2"));
        imperativeOn(p, alefLast ? u"הA1eא"_s : u"הA1e2"_s, QStringLiteral("הA1I*2"));
        p.infinitive = QStringLiteral("ל:הA1I2");
        return p;
    }
    // the heads of past, present, future (after its prefix) and imperative,
    // each ending on the letter before the pattern's vowel
    QString hp, hm, hf, hi;
    if (x.size() == 2 && x.at(0).unicode() == Vav) {
        p.letters = x.mid(1) + y;
        hp = QStringLiteral("הO1");
        hm = QStringLiteral("מO1");
        hf = QStringLiteral("O1");
        hi = QStringLiteral("הO1");
    } else if (x.size() == 2) {
        p.letters = x + y;
        // החליט keeps a quiet shva under its ח: הֶחְלַטְתִּי, תַּחְלִיט
        const bool g1 = isGuttural(x.at(0)) && !(x == u"חל"_s && y == u"ט"_s);
        // הֶרְאָה: segol before the alef's syllable too
        hp = g1 ? u"הE1H2"_s : lamedHe && x.at(1).unicode() == Alef ? u"הE1:2"_s : QStringLiteral("הi1:2");
        hm = g1 ? u"מa1h2"_s : QStringLiteral("מa1:2");
        hf = g1 ? u"a1h2"_s : QStringLiteral("a1:2");
        hi = g1 ? u"הa1h2"_s : QStringLiteral("הa1:2");
    } else {
        // the first letter doubled where a nun or yod went into it: הִפִּיל, הִכָּה
        p.letters = x + y;
        hp = QStringLiteral("הi1.");
        hm = QStringLiteral("מa1.");
        hf = QStringLiteral("a1.");
        hi = QStringLiteral("הa1.");
    }
    auto future = [&p, &hf](const QString &stem, const QString &suffixed) {
        p.future = {u"א"_s + hf + stem, u"ת"_s + hf + stem, u"ת"_s + hf + suffixed + u"iי"_s, u"י"_s + hf + stem,
            u"ת"_s + hf + stem, u"נ"_s + hf + stem, u"ת"_s + hf + suffixed + u"U"_s, u"י"_s + hf + suffixed + u"U"_s};
    };
    if (lamedHe) {
        // הֶעֱלִיתִי, הֶרְאִיתִי with chiriq; הִפְנֵיתִי with tsere
        const bool chiriq = hp.startsWith(u"הE"_s);
        const QString vowelStem
            = hp.contains(u'H') ? u"הE1E2:"_s : hp + (isGuttural(p.letters.back()) ? u"h"_s : u":"_s);
        pastLamedHe(p, hp, hp, chiriq ? u'I' : u'Y', vowelStem);
        presentOn(p, hm + u"Eה"_s, hm + u"Aה"_s, hm);
        future(QStringLiteral("Eה"), QString());
        imperativeOn(p, hi + u"eה"_s, hi);
        p.infinitive = u"ל:"_s + hi + u"Oת"_s;
        return p;
    }
    const QString n = QString::number(p.letters.size());
    const bool alefLast = y.front().unicode() == Alef;
    const bool gutturalLast = y.front().unicode() == Het || y.front().unicode() == Ayin;
    const QString closed = x == u"חל"_s && y == u"ט"_s ? u"הE1:2"_s : hp;
    pastOn(p, closed + (alefLast ? u"e*א"_s : u"a*"_s + n + u":"_s),
        closed + (alefLast ? u"eא"_s : u"a"_s + n + u":"_s), hp + u"I"_s + n, hp + u"I*"_s + n);
    if (alefLast)
        p.past[2] = hp + u"eאת"_s;
    else if (gutturalLast)
        p.past[2] = hp + u"a*"_s + n + u"aת.:"_s;
    presentOn(p, hm + u"I"_s + n, hm + u"I"_s + n + u"Aה"_s, hm + u"I"_s + n);
    future(u"I"_s + n, u"I*"_s + n);
    imperativeOn(p, hi + (alefLast ? u"eא"_s : gutturalLast ? u"a"_s + n : u"e"_s + n), hi + u"I*"_s + n);
    p.infinitive = u"ל:"_s + hi + u"I"_s + n;
    return p;
}

Patterns hufal(const Verb &v)
{
    Patterns p;
    const QString &past = v.past;
    if (past.size() < 4)
        return {};
    const QString rest = past.mid(2);
    if (past.endsWith(QChar(He))) {
        p.letters = rest.chopped(1);
        if (p.letters.size() != 2)
            return {};
        pastLamedHe(p, QStringLiteral("הu1:2"), QStringLiteral("הu1:2"), u'Y', QStringLiteral("הu1:2:"));
        presentOn(p, u"מu1:2Eה"_s, u"מu1:2Aה"_s, u"מu1:2"_s);
        futureOn(p, u"אu1:2Eה"_s, QStringLiteral("u1:"), QStringLiteral("2Eה"), QStringLiteral("2"));
        return p;
    }
    p.letters = rest;
    QString head;
    QString last;
    if (rest.size() == 2) {
        head = isHollowPair(rest.left(1) + medial(rest.back())) ? u"1"_s : u"1."_s;
        last = QStringLiteral("2");
    } else if (rest.size() == 3) {
        head = isGuttural(rest.at(0)) && rest.at(0).unicode() != Het ? u"1h2"_s : u"1:2"_s;
        last = QStringLiteral("3");
    } else {
        return {};
    }
    const Ending e = endingOf(rest.back(), last, true);
    const QString reduced = (rest.size() == 3 && isGuttural(rest.at(1)) ? u"h"_s : u":"_s) + last;
    pastOn(
        p, u"הu"_s + head + e.stressed, u"הu"_s + head + e.plural, u"הu"_s + head + e.third, u"הu"_s + head + reduced);
    p.past[2] = u"הu"_s + head + e.secondFs;
    const QString ms = head + (rest.back().unicode() == Alef ? u"Aא"_s : u"A"_s + last);
    presentOn(p, u"מu"_s + ms, u"מu"_s + head + e.fs, u"מu"_s + ms);
    futureOn(p, u"אu"_s + head + e.third, QStringLiteral("u"), head + e.third, head + reduced);
    return p;
}

Patterns hitpael(const Verb &v)
{
    Patterns p;
    const QString &past = v.past;
    if (past.size() < 5)
        return {};
    // a consonant vav or yod after the prefix is written twice: הִתְיַיחֵס
    const bool doubled
        = past.size() > 5 && past.at(2) == past.at(3) && (past.at(2).unicode() == Vav || past.at(2).unicode() == Yod);
    QString rest = past.mid(doubled ? 4 : 3);
    if (rest.size() == 3 && rest.at(0) == rest.at(1) && (rest.at(0).unicode() == Vav || rest.at(0).unicode() == Yod))
        rest.remove(0, 1); // הִזְדַּיֵּין
    p.letters = past.mid(1, 2) + rest;
    const bool lamedHe = past.endsWith(QChar(He));
    auto build = [&p](const QString &body, const QString &stressed, const QString &plural, const QString &third,
                     const QString &vowel, const QString &fs, const QString &suffixed) {
        const QString head = QStringLiteral("1:2");
        pastOn(p, u"הi"_s + head + body + stressed, u"הi"_s + head + body + plural, u"הi"_s + head + body + third,
            u"הi"_s + head + body + vowel);
        presentOn(p, u"מi"_s + head + body + third, u"מi"_s + head + body + fs, u"מi"_s + head + body + suffixed);
        futureOn(p, u"אE"_s + head + body + third, u"i"_s + head, body + third, body + suffixed);
        imperativeOn(p, u"הi"_s + head + body + third, u"הi"_s + head + body + suffixed);
        p.infinitive = u"ל:הi"_s + head + body + third;
    };
    if (rest.size() == 3 && !lamedHe) {
        const bool polel = rest.at(0).unicode() == Vav;
        const QString body = polel ? u"O4"_s : u"a3:4"_s;
        build(body, u"a*5:"_s, u"a5:"_s, u"e5"_s, u":5"_s, u"E*5Eת"_s, u":5"_s);
        p.past[2] = u"הi1:2"_s + body + u"a5:ת:"_s;
        return p;
    }
    if (rest.size() != 2)
        return {};
    const QChar r2 = rest.at(0);
    const bool compensated = r2.unicode() == Alef || r2.unicode() == Resh;
    const QString body
        = (compensated ? u"A"_s : u"a"_s) + QStringLiteral("3") + (isGutturalOrResh(r2) ? u""_s : u"."_s);
    const QString reduced = isGuttural(r2) ? u"h"_s : u":"_s;
    if (lamedHe) {
        p.letters.chop(1);
        pastLamedHe(p, u"הi1:2"_s + body, u"הi1:2"_s + body, u'Y', u"הi1:2"_s + body + u":"_s);
        presentOn(p, u"מi1:2"_s + body + u"Eה"_s, u"מi1:2"_s + body + u"Aה"_s, u"מi1:2"_s + body);
        futureOn(p, u"אE1:2"_s + body + u"Eה"_s, QStringLiteral("i1:2"), body + u"Eה"_s, body);
        imperativeOn(p, u"הi1:2"_s + body + u"eה"_s, u"הi1:2"_s + body);
        p.infinitive = u"ל:הi1:2"_s + body + u"Oת"_s;
        return p;
    }
    const Ending e = endingOf(rest.back(), QStringLiteral("4"), false);
    const QString third = rest.back().unicode() == Alef ? u"eא"_s : QStringLiteral("e4");
    build(body, e.stressed, e.plural, third, reduced + u"4"_s, e.fs, reduced + u"4"_s);
    p.past[2] = u"הi1:2"_s + body + e.secondFs;
    return p;
}

Patterns nifal(const Verb &v)
{
    Patterns p;
    const QString &past = v.past;
    if (past.size() < 3 || past.at(0).unicode() != Nun)
        return {};
    const bool lamedHe = past.endsWith(QChar(He));
    const bool yodFirst = past.size() == 4 && past.at(1).unicode() == Vav;
    const bool nunFirst = past.size() == 4 && past.at(1).unicode() == Yod;
    // 1: the letter after the future's prefix, doubled; 2, 3 the others
    if (yodFirst)
        p.letters = QStringLiteral("ו") + past.mid(2);
    else if (nunFirst)
        p.letters = QStringLiteral("נ") + past.mid(2);
    else
        p.letters = past.mid(1);
    if (p.letters.size() != 3)
        return {};
    const QChar r1 = p.letters.at(0);
    const bool g1 = isGuttural(r1) && !yodFirst && !nunFirst && v.root != u"היה"_s;
    const bool noDoubling = isGutturalOrResh(r1);
    // the past and present head: נִכְ, נֶאֱ, נוֹ, נִצּ
    QString head;
    if (yodFirst)
        head = QStringLiteral("נO2");
    else if (nunFirst)
        head = QStringLiteral("נi2.");
    else if (g1 && lamedHe)
        head = QStringLiteral("נa1h2");
    else if (r1.unicode() == Het)
        head = QStringLiteral("נE1:2");
    else if (g1)
        head = QStringLiteral("נE1H2");
    else
        head = QStringLiteral("נi1:2");
    const QString futureHead = noDoubling ? u"e1A2"_s : u"i1.A2"_s;
    const QString firstHead = noDoubling ? u"אe1A2"_s : yodFirst ? u"אi1.A2"_s : QStringLiteral("אE1.A2");
    if (lamedHe) {
        p.letters.chop(1);
        pastLamedHe(p, head, head, u'Y', g1 ? u"נE1E2:!"_s : head + (isGuttural(p.letters.at(1)) ? u"h"_s : u":"_s));
        presentOn(p, head + u"Eה"_s, head + u"Yת"_s, head);
        futureOn(p, firstHead + u"Eה"_s, futureHead.chopped(1), QStringLiteral("2Eה"), QStringLiteral("2"));
        imperativeOn(p, u"ה"_s + futureHead + u"eה"_s, u"ה"_s + futureHead);
        p.infinitive = u"ל:ה"_s + futureHead + u"Oת"_s;
        return p;
    }
    if (v.root == u"נגש"_s) {
        pastOn(p, head + u"a*3:"_s, head + u"a3:"_s, head + u"a3"_s, head + u":3"_s);
        presentOn(p, head + u"A3"_s, head + u"E*3Eת"_s, head + u"A3"_s);
        futureOn(p, QStringLiteral("אE2.a3"), QStringLiteral("i"), QStringLiteral("2.a3"), QStringLiteral("2.:3"));
        imperativeOn(p, QStringLiteral("2a3"), QStringLiteral("2:3"));
        p.infinitive = QStringLiteral("לA2E*3Eת");
        return p;
    }
    const QChar r3 = p.letters.at(2);
    const Ending e = endingOf(r3, QStringLiteral("3"), true);
    const QString reduced = (isGuttural(p.letters.at(1)) ? u"h"_s : u":"_s) + QStringLiteral("3");
    // a chataf before a shva is a full vowel: נֶעֱלַם, נֶעֶלְמָה
    pastOn(p, head + e.stressed, head + e.plural, head + e.third, g1 ? u"נE1E2:!3"_s : head + reduced);
    p.past[2] = head + e.secondFs;
    const QString ms = head + (r3.unicode() == Alef ? u"Aא"_s : u"A3"_s);
    presentOn(p, ms, head + e.fs, ms);
    const bool gutturalLast = r3.unicode() == Het || r3.unicode() == Ayin;
    const QString stem = r3.unicode() == Alef ? u"eא"_s : gutturalLast ? u"a3"_s : QStringLiteral("e3");
    futureOn(p, firstHead + stem, futureHead.chopped(1), QStringLiteral("2") + stem, QStringLiteral("2") + reduced);
    imperativeOn(p, u"ה"_s + futureHead + stem, u"ה"_s + futureHead + reduced);
    p.infinitive = u"ל:ה"_s + futureHead + stem;
    return p;
}

Patterns patternsOf(const Verb &v)
{
    switch (v.binyan) {
    case Conjugation::Paal: return paal(v);
    case Conjugation::Piel: return piel(v);
    case Conjugation::Pual: return pual(v);
    case Conjugation::Hifil: return hifil(v);
    case Conjugation::Hufal: return hufal(v);
    case Conjugation::Hitpael: return hitpael(v);
    case Conjugation::Nifal: return nifal(v);
    default: return {};
    }
}

// The root to look the shin or sin up by, as near as the letters tell.
QString rootOf(const Verb &v, const Patterns &p)
{
    switch (v.binyan) {
    case Conjugation::Paal:
    case Conjugation::Piel:
    case Conjugation::Pual: return v.root;
    case Conjugation::Hitpael:
        return p.letters.size() > 2 && p.letters.at(1).unicode() == Tav && p.letters.at(0).unicode() != Tav
            ? p.letters.left(1) + p.letters.mid(2)
            : p.letters.mid(1);
    default: return p.letters.size() == 2 ? QString(QChar(Nun)) + p.letters : p.letters;
    }
}

bool hasPoints(const QString &word)
{
    return std::any_of(word.cbegin(), word.cend(), [](QChar c) { return HebrewText::isPoint(c); });
}

} // namespace

VerbPointing::VerbPointing(const Verb &verb, const QString &storedWord)
    : m_patterns(patternsOf(verb))
{
    for (QChar &letter : m_patterns.letters)
        letter = medial(letter);
    if (storedWord.contains(QChar(SinDot)))
        m_sin = true;
    else if (!storedWord.contains(QChar(ShinDot)))
        m_sin = isSinRoot(rootOf(verb, m_patterns), verb.binyan) || isSinRoot(verb.root, verb.binyan);
    if (hasPoints(storedWord))
        m_storedPast = storedWord.normalized(QString::NormalizationForm_C);
}

const QString *VerbPointing::patternFor(int code) const
{
    using namespace GrammarCode;
    const Patterns &p = m_patterns;
    static constexpr int PastCodes[] = {Past | FirstPerson | Singular, Past | SecondPerson | MasculineSingular,
        Past | SecondPerson | FeminineSingular, Past | ThirdPerson | MasculineSingular,
        Past | ThirdPerson | FeminineSingular, Past | FirstPerson | Plural, Past | SecondPerson | MasculinePlural,
        Past | SecondPerson | FemininePlural, Past | ThirdPerson | Plural};
    static constexpr int PresentCodes[] = {
        Present | MasculineSingular, Present | FeminineSingular, Present | MasculinePlural, Present | FemininePlural};
    static constexpr int FutureCodes[] = {Future | FirstPerson | Singular, Future | SecondPerson | MasculineSingular,
        Future | SecondPerson | FeminineSingular, Future | ThirdPerson | MasculineSingular,
        Future | ThirdPerson | FeminineSingular, Future | FirstPerson | Plural, Future | SecondPerson | Plural,
        Future | ThirdPerson | Plural};
    static constexpr int ImperativeCodes[]
        = {Imperative | MasculineSingular, Imperative | FeminineSingular, Imperative | Plural};
    if (code == Infinitive)
        return &p.infinitive;
    if (code == (Past | SecondPerson | Singular))
        code |= Masculine;
    auto find = [code](const int *codes, size_t n, const auto &table) -> const QString * {
        for (size_t i = 0; i < n; ++i) {
            if (codes[i] == code)
                return &table[i];
        }
        return nullptr;
    };
    if (const QString *s = find(PastCodes, std::size(PastCodes), p.past))
        return s;
    if (const QString *s = find(PresentCodes, std::size(PresentCodes), p.present))
        return s;
    if (const QString *s = find(FutureCodes, std::size(FutureCodes), p.future))
        return s;
    return find(ImperativeCodes, std::size(ImperativeCodes), p.imperative);
}

VerbPointing::Pointed VerbPointing::point(int code, const QString &written) const
{
    using namespace GrammarCode;
    const bool third = code == (Past | ThirdPerson | MasculineSingular);
    if (third && !m_storedPast.isEmpty()) {
        // the entry's own points, spelt in the paradigm's letters where they can be
        Signs stored;
        for (QChar c : m_storedPast) {
            if (HebrewText::isLetter(c)) {
                Sign s;
                s.letter = medial(c);
                stored.append(s);
            } else if (!stored.isEmpty() && c.unicode() == Dagesh) {
                stored.last().dagesh = true;
            } else if (!stored.isEmpty() && HebrewText::isPoint(c) && stored.last().vowel == 0) {
                stored.last().vowel = c.unicode();
            }
        }
        const bool sin = m_storedPast.contains(QChar(SinDot)) || (m_sin && !m_storedPast.contains(QChar(ShinDot)));
        const Signs full = spellInFull(stored, written);
        return {full.isEmpty() ? m_storedPast : render(full, sin), 1};
    }
    const QString *pattern = patternFor(code);
    if (!pattern || pattern->isEmpty())
        return {};
    Pointed pointed = pointWith(*pattern, written);
    if (pointed.text.isEmpty() && code == GrammarCode::Infinitive && !m_patterns.otherInfinitive.isEmpty())
        pointed = pointWith(m_patterns.otherInfinitive, written);
    return pointed;
}

VerbPointing::Pointed VerbPointing::pointWith(const QString &pattern, const QString &written) const
{
    Signs signs = parse(pattern, m_patterns.letters);
    if (signs.isEmpty())
        return {};
    finish(signs);
    const int stress = stressOf(signs);
    const Signs full = spellInFull(signs, written);
    if (full.isEmpty())
        return {};
    return {render(full, m_sin), stress};
}
