#include "conjugation.h"

#include "grammarcode.h"
#include "hebrewletters.h"
#include "hebrewtext.h"
#include "hebrewtransliteration.h"
#include "langlog.h"
#include "verbpointing.h"

#include "model/entry.h"

using namespace HebrewLetter;
using namespace HebrewText;

namespace {

// One letter of a pointed word with its vowel and whether it bears a dagesh
// (a vav with a dagesh and no vowel is a shuruk).
struct PointedLetter
{
    QChar letter;
    ushort vowel = 0;
    bool dagesh = false;
};

// The first letters of a word with their points: all the binyan shows by.
struct PointedLetters
{
    static constexpr int Capacity = 4;
    PointedLetter letters[Capacity];
    int count = 0;
    QChar last;

    const PointedLetter &operator[](int i) const { return letters[i]; }
    void removeSecond()
    {
        for (int i = 1; i + 1 < count; ++i)
            letters[i] = letters[i + 1];
        --count;
    }
};

PointedLetters pointedLetters(const QString &word)
{
    PointedLetters out;
    bool open = false; // the marks follow a letter that was kept
    for (QChar c : word) {
        if (isLetter(c)) {
            out.last = c;
            open = out.count < PointedLetters::Capacity;
            if (open)
                out.letters[out.count++] = {c};
        } else if (open && isPoint(c)) {
            PointedLetter &l = out.letters[out.count - 1];
            if (c.unicode() == HebrewPoint::Dagesh)
                l.dagesh = true;
            else if (c.unicode() != 0x05BD && c.unicode() != 0x05BF && l.vowel == 0)
                l.vowel = c.unicode(); // meteg and rafe are no vowels
        }
    }
    return out;
}

bool hasPoints(const QString &word)
{
    return std::any_of(word.cbegin(), word.cend(), [](QChar c) { return isPoint(c); });
}

constexpr ushort HatafSegol = 0x05B1;
constexpr ushort HatafPatah = 0x05B2;
constexpr ushort HolamHaser = 0x05BA;
constexpr ushort Qubuts = 0x05BB;

bool isHolam(const PointedLetter &l)
{
    return l.vowel == HebrewPoint::Holam || l.vowel == HolamHaser;
}

bool isShuruk(const PointedLetter &l)
{
    return l.letter == Vav && l.dagesh && l.vowel == 0;
}

bool isGutturalOrResh(QChar c)
{
    return c == Alef || c == He || c == QChar(0x05D7) || c == Ayin || c == QChar(0x05E8);
}

// The binyan a pointed dictionary form shows by the vowel of its first
// letter (and of the second where the first leaves it open); a mater
// lectionis without points is skipped.
int binyanByPoints(const QString &word)
{
    using namespace Conjugation;
    using namespace HebrewPoint;
    PointedLetters letters = pointedLetters(word);
    if (letters.count > 2 && (letters[1].letter == Yod) && letters[1].vowel == 0 && !letters[1].dagesh)
        letters.removeSecond();
    if (letters.count < 2)
        return UnknownBinyan;
    const PointedLetter &a = letters[0];
    const PointedLetter &b = letters[1];
    if (a.letter == He) {
        if (b.letter == Vav && isHolam(b))
            return Hifil; // הוֹשִׁיב
        if (isShuruk(b) || a.vowel == Qubuts || (a.vowel == Qamats && b.vowel == Sheva))
            return Hufal; // הוּקַם, הֻכְתַּב, הָכְתַּב
        if (a.vowel == Hiriq && b.vowel == Sheva && letters.count > 2
            && (b.letter == Tav || letters[2].letter == Tav || letters[2].letter == QChar(0x05D8)
                || letters[2].letter == QChar(0x05D3)))
            return Hitpael; // הִתְלַבֵּשׁ, הִסְתַּכֵּל
        if (a.vowel == Hiriq || a.vowel == Tsere || a.vowel == Segol || a.vowel == HatafSegol)
            return Hifil;
    }
    if (a.letter == Nun) {
        if (b.letter == Vav && isHolam(b))
            return Nifal; // נוֹלַד
        if (a.vowel == Segol || a.vowel == HatafSegol)
            return Nifal; // נֶאֱסַף
        if (a.vowel == Hiriq && (b.vowel == Tsere || (b.vowel == Qamats && letters.last == He)))
            return Piel; // נִשֵּׁק, נִסָּה
        if (a.vowel == Hiriq)
            return Nifal; // נִכְתַּב, נִגַּשׁ
    }
    if (a.vowel == Qubuts || isShuruk(b))
        return Pual;
    if (b.letter == Vav && isHolam(b) && letters.count > 3)
        return Piel; // כּוֹנֵן
    if (a.vowel == Hiriq || (a.vowel == Tsere && isGutturalOrResh(b.letter)) || a.vowel == Sheva)
        return Piel;
    if (a.vowel == Qamats || a.vowel == Patah || a.vowel == HatafPatah)
        return Paal;
    return UnknownBinyan;
}

Conjugation::Verb reading(int binyan, const QString &root, const QString &past)
{
    Conjugation::Verb v;
    v.binyan = binyan;
    v.root = root;
    v.past = past;
    return v;
}

bool startsWith(const QString &s, std::initializer_list<ushort> letters)
{
    qsizetype i = 0;
    for (ushort l : letters) {
        if (i >= s.size() || s[i++].unicode() != l)
            return false;
    }
    return true;
}

// The letters after the pi'el's mater yod, a doubled vav or yod of the root
// written once.
QString pielRoot(const QString &p)
{
    QString rest = p.mid(2);
    if (rest.size() == 3 && (startsWith(rest, {0x05D5, 0x05D5}) || startsWith(rest, {0x05D9, 0x05D9})))
        rest.remove(0, 1);
    return p.left(1) + rest;
}

bool isHitpaelPrefix(const QString &p)
{
    if (p.size() < 5 || p[0] != He)
        return false;
    if (p[1] == Tav)
        return true;
    // the sibilants trade places with the tav: הִסְתַּכֵּל, הִצְטָרֵךְ, הִזְדַּקֵּן
    const ushort first = p[1].unicode();
    const ushort second = p[2].unicode();
    return ((first == 0x05E1 || first == 0x05E9) && second == 0x05EA) || (first == 0x05E6 && second == 0x05D8)
        || (first == 0x05D6 && second == 0x05D3);
}

// Every way the letters of a dictionary form can be read, most likely first.
QList<Conjugation::Verb> readings(const QString &p)
{
    using namespace Conjugation;
    QList<Verb> out;
    out.reserve(3);
    const qsizetype n = p.size();
    if (n == 2) {
        // hollow: a vav in the middle, unless a yod is known there (שָׂם, שָׁר)
        static const QStringList yodRoots = {QStringLiteral("\u05E9\u05D9\u05DE"), QStringLiteral("\u05E9\u05D9\u05E8"),
            QStringLiteral("\u05E8\u05D9\u05D1"), QStringLiteral("\u05D2\u05D9\u05DC"),
            QStringLiteral("\u05E7\u05D9\u05D0")};
        const Verb withVav = reading(Paal, p.left(1) + Vav + p.right(1), p);
        const Verb withYod = reading(Paal, p.left(1) + Yod + p.right(1), p);
        out = yodRoots.contains(withYod.root) ? QList<Verb>{withYod, withVav} : QList<Verb>{withVav, withYod};
        return out;
    }
    if (n == 3) {
        // הִכָּה and הִטָּה: hif'il of I-nun III-he roots, letters a pa'al could have
        const bool hifilLamedHe
            = p == QStringLiteral("\u05D4\u05DB\u05D4") || p == QStringLiteral("\u05D4\u05D8\u05D4");
        if (hifilLamedHe)
            return {reading(Hifil, Nun + p.mid(1), p)};
        out.append(reading(Paal, p, p));
        if (p[0] == He && !p.endsWith(He))
            out.append(reading(Hifil, p.mid(1) + p.back(), p));
        return out;
    }
    if (p == QStringLiteral("\u05D9\u05DB\u05D5\u05DC"))
        out.append(reading(Paal, QStringLiteral("\u05D9\u05DB\u05DC"), p));
    const bool singleYodBeforeLast = p[n - 2] == Yod && p[n - 3] != Yod;
    if (p[0] == He) {
        const bool hitpael = isHitpaelPrefix(p) && !singleYodBeforeLast;
        if (hitpael)
            out.append(reading(Hitpael, p.mid(2), p));
        // הִזְמִין, and the III-he הִפְנָה, הִשְׁוָה
        if (singleYodBeforeLast || (p.endsWith(He) && !hitpael && p[1] != Vav) || (n == 4 && p.endsWith(He)))
            out.append(reading(Hifil, p.mid(1), p));
        if (p[1] == Vav && !singleYodBeforeLast)
            out.append(reading(Hufal, p.mid(2), p));
    }
    if (p[0] == Nun) {
        if (p[1] == Vav && n == 4)
            out.append(reading(Nifal, Yod + p.mid(2), p));
        else if (p[1] == Yod && n == 4)
            out.append(reading(Nifal, Nun + p.mid(2), p));
        else
            out.append(reading(Nifal, p.mid(1), p));
    }
    if (p[1] == Yod)
        out.append(reading(Piel, pielRoot(p), p));
    if (p[1] == Vav && p[0] != He)
        out.append(reading(Pual, p.left(1) + p.mid(2), p));
    // four letters of the root (תרגם), a pi'el that doubles its last (קומם)
    // or repeats its first two (נענע, גלגל)
    const bool fourLetters = n == 4 && p[0] != He && p[0] != Nun && p[1] != Yod && p[1] != Vav;
    const bool doubledLast = n == 4 && p[1] == Vav && p[2] == p[3];
    const bool repeated = n == 4 && p[0] == p[2] && p[1] == p[3] && p[3] != He;
    if (repeated)
        return {reading(Piel, p, p)};
    if (fourLetters || doubledLast || out.isEmpty())
        out.append(reading(Piel, p, p));
    return out;
}

// The binyan the shape of an infinitive points to, when it is not one the
// engine would generate (ללכת is, לשכב is not).
bool infinitiveFits(int binyan, const QString &infinitive)
{
    using namespace Conjugation;
    const bool lamedHe = infinitive.startsWith(QStringView(u"\u05DC\u05D4"));
    switch (binyan) {
    case Hitpael: return lamedHe && isHitpaelPrefix(infinitive.mid(1));
    case Nifal: return infinitive.startsWith(QStringView(u"\u05DC\u05D4\u05D9"));
    case Hifil: return lamedHe;
    case Paal:
    case Piel: return infinitive.startsWith(Lamed);
    default: return false;
    }
}

// The full spelling of a form pointed without its matres lectionis, as the
// points of the binyan ask for it: דִּבֵּר → דיבר, סֻפַּר → סופר, נִגַּשׁ → ניגש,
// הֻכְתַּב → הוכתב.
QString fullSpelling(int binyan, const QString &p)
{
    using namespace Conjugation;
    if (p.size() < 3)
        return p;
    switch (binyan) {
    case Piel:
        if (p[1] == Yod && p.size() > 3)
            return p;
        // a vav of the root after the mater is a consonant, written twice
        // (צִוָּה → ציווה); a yod of the root needs no mater (סִיֵּם → סיים)
        if (p[1] == Yod)
            return p.left(1) + Yod + p.mid(1);
        return p.left(1) + Yod + (p[1] == Vav ? QString(Vav) : QString()) + p.mid(1);
    case Pual: return p[1] == Vav ? p : p.left(1) + Vav + p.mid(1);
    case Nifal: return p.size() == 3 ? p.left(1) + Yod + p.mid(1) : p;
    case Hufal: return p[1] == Vav ? p : p.left(1) + Vav + p.mid(1);
    default: return p;
    }
}

// The letters of a word, points gone, the last one medial: in one pass.
QString dictionaryLetters(const QString &word)
{
    QString letters;
    letters.reserve(word.size());
    for (QChar c : word) {
        if (!isPoint(c) && !isShinSinDot(c) && !c.isSpace())
            letters.append(c);
    }
    makeMedial(letters);
    return letters;
}

} // namespace

namespace Conjugation {

Verb readVerb(const QString &word, const QString &infinitive)
{
    const QString p = dictionaryLetters(word);
    QList<Verb> found = p.size() >= 2 ? readings(p) : QList<Verb>();
    const int pointed = hasPoints(word) ? binyanByPoints(word) : UnknownBinyan;
    auto keep = [&found](auto &&test) {
        QList<Verb> kept;
        for (const Verb &v : std::as_const(found)) {
            if (test(v))
                kept.append(v);
        }
        if (!kept.isEmpty())
            found = kept;
    };
    const QList<Verb> byLetters = found;
    if (pointed != UnknownBinyan) {
        const bool fits
            = std::any_of(found.cbegin(), found.cend(), [pointed](const Verb &v) { return v.binyan == pointed; });
        if (!fits && p.size() >= 2)
            found = readings(fullSpelling(pointed, p));
        keep([pointed](const Verb &v) { return v.binyan == pointed; });
    }
    QString stored = finalForm(dictionaryLetters(infinitive));
    if (!stored.isEmpty() && !stored.startsWith(Lamed))
        stored.prepend(Lamed);
    if (!stored.isEmpty()) {
        // pu'al and huf'al have no infinitive: a stored one says pi'el of four letters
        keep([](const Verb &v) { return v.binyan != Pual && v.binyan != Hufal; });
        if (found.size() == 1 && (found.first().binyan == Pual || found.first().binyan == Hufal))
            found = {reading(Piel, p, p)};
        // an infinitive that only a reading the points ruled out makes says more
        // than points a pi'el and a hif'il share (הִיוָּוה, לְהַוּוֹת)
        const auto makesStored = [&stored](const Verb &v) { return Paradigm::infinitive(v) == stored; };
        if (std::none_of(found.cbegin(), found.cend(), makesStored)
            && std::any_of(byLetters.cbegin(), byLetters.cend(), makesStored))
            found = byLetters;
        const qsizetype before = found.size();
        keep(makesStored);
        if (found.size() == before)
            keep([&stored](const Verb &v) { return infinitiveFits(v.binyan, stored); });
    } else {
        // no infinitive stored: a pu'al, which has none, before a nif'al of
        // the same letters (נוּסָּה against נוֹלַד)
        std::stable_sort(found.begin(), found.end(),
            [](const Verb &a, const Verb &b) { return a.binyan == Pual && b.binyan == Nifal; });
    }
    if (found.isEmpty())
        return Verb{UnknownBinyan, QString(), p};
    Verb verb = found.first();
    for (const Verb &other : std::as_const(found)) {
        if (other.binyan != verb.binyan) {
            verb.ambiguous = true;
            verb.otherBinyan = other.binyan;
            break;
        }
    }
    return verb;
}

Verb readVerb(const Entry &verb)
{
    return readVerb(verb.word(), verb.text(Entry::TextInfinitive));
}

int detectBinyan(const QString &word)
{
    return readVerb(word, QString()).binyan;
}

QString binyanName(int binyan)
{
    static const char *const names[] = {"Paal", "Piel", "Hifil", "Hitpael", "Hufal", "Pual", "Nifal"};
    if (binyan < Paal || binyan > Nifal)
        return QStringLiteral("unknown");
    return QString::fromLatin1(names[binyan - 1]);
}

QList<Paradigm::Form> verbForms(const Entry &entry)
{
    using namespace GrammarCode;
    const Verb verb = readVerb(entry);
    QString infinitive = withoutMarks(entry.text(Entry::TextInfinitive));
    if (infinitive.isEmpty())
        infinitive = Paradigm::infinitive(verb);
    QList<Paradigm::Form> forms;
    if (!infinitive.isEmpty())
        forms.append({Infinitive, infinitive});
    // the dictionary form as the engine spells it in full
    forms.append({Past | ThirdPerson | MasculineSingular, finalForm(verb.past)});
    if (verb.binyan == UnknownBinyan) {
        qCDebug(lcLang) << "cannot conjugate" << entry.word();
        QString feminine = verb.past;
        if (!feminine.endsWith(He))
            feminine += He;
        forms.append({Past | ThirdPerson | FeminineSingular, feminine});
        return forms;
    }
    return forms + Paradigm::generate(verb);
}

QList<Paradigm::Form> pointedVerbForms(const Entry &entry)
{
    using namespace GrammarCode;
    const Verb verb = readVerb(entry);
    const QList<Paradigm::Form> written = verbForms(entry);
    if (verb.binyan == UnknownBinyan)
        return written;
    const VerbPointing pointing(verb, entry.word());
    const QString storedInfinitive = entry.text(Entry::TextInfinitive);
    QList<Paradigm::Form> forms;
    forms.reserve(written.size() + 1);
    auto add = [&forms, &pointing](Paradigm::Form form) {
        const VerbPointing::Pointed p = pointing.point(form.code, form.text);
        form.pointed = p.text;
        form.stress = p.stress;
        forms.append(form);
    };
    for (const Paradigm::Form &form : written) {
        if (form.code == Infinitive && std::any_of(storedInfinitive.cbegin(), storedInfinitive.cend(), isPoint)) {
            const QString pointed = storedInfinitive.normalized(QString::NormalizationForm_C);
            forms.append({form.code, form.text, pointed, HebrewTransliteration::defaultStress(pointed)});
        } else if (form.code == (Past | SecondPerson | Singular)) {
            add({form.code | Masculine, form.text});
            add({form.code | Feminine, form.text});
        } else {
            add(form);
        }
    }
    return forms;
}

} // namespace Conjugation
