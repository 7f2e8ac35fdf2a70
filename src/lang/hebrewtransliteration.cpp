#include "hebrewtransliteration.h"

#include "hebrewtext.h"

#include <QList>

namespace {

enum Point : ushort {
    Sheva = 0x05B0,
    HatafSegol = 0x05B1,
    HatafPatah = 0x05B2,
    HatafQamats = 0x05B3,
    Hiriq = 0x05B4,
    Tsere = 0x05B5,
    Segol = 0x05B6,
    Patah = 0x05B7,
    Qamats = 0x05B8,
    Holam = 0x05B9,
    HolamHaser = 0x05BA,
    Qubuts = 0x05BB,
    Dagesh = 0x05BC,
    SinDot = 0x05C2,
    QamatsQatan = 0x05C7,
};

enum Letter : char16_t {
    Alef = 0x05D0,
    Bet = 0x05D1,
    Gimel = 0x05D2,
    Dalet = 0x05D3,
    He = 0x05D4,
    Vav = 0x05D5,
    Zayin = 0x05D6,
    Het = 0x05D7,
    Tet = 0x05D8,
    Yod = 0x05D9,
    Kaf = 0x05DB,
    Lamed = 0x05DC,
    Mem = 0x05DE,
    Nun = 0x05E0,
    Samekh = 0x05E1,
    Ayin = 0x05E2,
    Pe = 0x05E4,
    Tsadi = 0x05E6,
    Qof = 0x05E7,
    Resh = 0x05E8,
    Shin = 0x05E9,
    Tav = 0x05EA,
};

// One written letter with its marks; final letters are read as their
// medial forms.
struct Sign
{
    char16_t base = 0;
    ushort vowel = 0;
    bool dagesh = false;
    bool sin = false;
    bool geresh = false;
};
using Word = QList<Sign>;

// What is said: a consonant, or a vowel that makes a syllable.
struct Sound
{
    QString text;
    bool nucleus = false;
    int sign = -1;
    ushort vowel = 0;
};

char16_t medial(char16_t c)
{
    QString s{QChar(c)};
    HebrewText::makeMedial(s);
    return s.front().unicode();
}

bool isVowelPoint(ushort u)
{
    return (u >= Sheva && u <= Qubuts) || u == QamatsQatan;
}

bool isBegadkefat(char16_t b)
{
    return b == Bet || b == Gimel || b == Dalet || b == Kaf || b == Pe || b == Tav;
}

// Letters said in the same place of the mouth: a shva between them is
// heard (tedabér, not tdabér).
bool sameSound(char16_t a, char16_t b)
{
    static const char16_t groups[][4] = {{Dalet, Tet, Tav}, {Gimel, Kaf, Qof}, {Bet, Pe}, {Zayin, Samekh, Tsadi, Shin}};
    if (a == b)
        return true;
    for (const auto &group : groups) {
        const bool hasA = std::find(std::begin(group), std::end(group), a) != std::end(group);
        const bool hasB = std::find(std::begin(group), std::end(group), b) != std::end(group);
        if (hasA && hasB)
            return true;
    }
    return false;
}

bool isGutturalOrResh(char16_t b)
{
    return b == Alef || b == He || b == Het || b == Ayin || b == Resh;
}

bool hasOwnVowel(const Sign &s)
{
    return s.vowel != 0;
}

bool isBare(const Sign &s)
{
    return s.vowel == 0 && !s.dagesh;
}

// The modern language says a shva at the start of a word only where a
// cluster would be hard to say, and mid-word only after another shva or
// between letters that sound alike.
bool shevaSpoken(const Word &w, qsizetype i)
{
    qsizetype n = i + 1;
    // the full spelling's second letter of a doubled vav or yod is no letter to say
    if (n < w.size() && w[n].base == w[i].base && isBare(w[n]) && (w[i].base == Vav || w[i].base == Yod))
        ++n;
    if (n >= w.size())
        return false;
    const char16_t next = w[n].base;
    if (i == 0) {
        const char16_t b = w[0].base;
        // the future's ת before patach or qamats: tedabér, tesarév
        const bool prefix = b == Tav && (w[n].vowel == Patah || w[n].vowel == Qamats);
        return b == Vav || b == Yod || b == Lamed || b == Mem || b == Nun || b == Resh || next == Alef || next == He
            || next == Ayin || sameSound(b, next) || prefix;
    }
    return w[i - 1].vowel == Sheva || w[i].base == next;
}

// A vav that is a vowel: cholam male or shuruk.
bool isVowelVav(const Sign &s)
{
    return s.base == Vav && ((s.vowel == Holam && !s.dagesh) || (s.dagesh && s.vowel == 0));
}

// A qamats in a closed unstressed syllable is a short o; the points show the
// syllable closed where a begadkefat letter after the shva keeps its dagesh.
bool qamatsIsO(const Word &w, qsizetype i)
{
    if (i + 1 < w.size() && w[i + 1].vowel == HatafQamats)
        return true;
    if (i + 2 < w.size() && w[i + 1].vowel == Sheva && isBegadkefat(w[i + 2].base) && w[i + 2].dagesh)
        return true;
    return w.size() == 2 && i == 0 && w[0].base == Kaf && w[1].base == Lamed && w[1].vowel == 0;
}

QString vowelText(const Word &w, qsizetype i)
{
    switch (w[i].vowel) {
    case Sheva: return shevaSpoken(w, i) ? QStringLiteral("e") : QString();
    case HatafSegol:
    case Tsere:
    case Segol: return QStringLiteral("e");
    case HatafPatah:
    case Patah: return QStringLiteral("a");
    case Qamats: return qamatsIsO(w, i) ? QStringLiteral("o") : QStringLiteral("a");
    case Hiriq: return QStringLiteral("i");
    case HatafQamats:
    case Holam:
    case HolamHaser:
    case QamatsQatan: return QStringLiteral("o");
    case Qubuts: return QStringLiteral("u");
    default: return QString();
    }
}

QString consonantText(const Sign &s)
{
    switch (s.base) {
    case Bet: return s.dagesh ? QStringLiteral("b") : QStringLiteral("v");
    case Gimel: return s.geresh ? QStringLiteral("j") : QStringLiteral("g");
    case Dalet: return QStringLiteral("d");
    case He: return QStringLiteral("h");
    case Vav: return QStringLiteral("v");
    case Zayin: return s.geresh ? QStringLiteral("zh") : QStringLiteral("z");
    case Het: return QStringLiteral("ch");
    case Tet:
    case Tav: return QStringLiteral("t");
    case Yod: return QStringLiteral("y");
    case Kaf: return s.dagesh ? QStringLiteral("k") : QStringLiteral("ch");
    case Lamed: return QStringLiteral("l");
    case Mem: return QStringLiteral("m");
    case Nun: return QStringLiteral("n");
    case Samekh: return QStringLiteral("s");
    case Pe: return s.dagesh ? QStringLiteral("p") : QStringLiteral("f");
    case Tsadi: return s.geresh ? QStringLiteral("ch") : QStringLiteral("tz");
    case Qof: return QStringLiteral("k");
    case Resh: return QStringLiteral("r");
    case Shin: return s.sin ? QStringLiteral("s") : QStringLiteral("sh");
    default: return QString(); // alef and ayin are placed by the reader
    }
}

// Reads one word into its sounds, letter by letter.
class WordReader
{
public:
    explicit WordReader(const Word &word)
        : w(word)
    {
        for (qsizetype i = 0; i < w.size(); ++i)
            readSign(i);
    }

    QList<Sound> sounds;

private:
    void consonant(const QString &text, qsizetype i)
    {
        if (!text.isEmpty())
            sounds.append({text, false, int(i), 0});
    }
    void vowel(qsizetype i)
    {
        const QString text = vowelText(w, i);
        if (!text.isEmpty())
            sounds.append({text, true, int(i), w[i].vowel});
    }
    void nucleus(const QString &text, qsizetype i, ushort vowel) { sounds.append({text, true, int(i), vowel}); }
    bool afterVowel() const { return !sounds.isEmpty() && sounds.last().nucleus; }
    void lengthenLastVowel(const QString &glide)
    {
        if (afterVowel())
            sounds.last().text += glide;
    }

    void readSign(qsizetype i);
    void readVav(qsizetype i);
    void readYod(qsizetype i);
    void readGuttural(qsizetype i);

    const Word &w;
};

void WordReader::readSign(qsizetype i)
{
    const Sign &s = w[i];
    const bool last = i + 1 == w.size();
    const bool furtiveLetter = s.base == Het || s.base == Ayin || (s.base == He && s.dagesh);
    if (last && s.vowel == Patah && furtiveLetter && afterVowel()) {
        consonant(QStringLiteral("a") + consonantText(s), i);
        return;
    }
    switch (s.base) {
    case Vav: readVav(i); return;
    case Yod: readYod(i); return;
    case Alef:
    case Ayin: readGuttural(i); return;
    case He:
        // a final he without mappiq only carries the vowel before it
        if (last && !s.dagesh && s.vowel == 0)
            return;
        break;
    default: break;
    }
    consonant(consonantText(s), i);
    vowel(i);
}

void WordReader::readVav(qsizetype i)
{
    const Sign &s = w[i];
    const bool last = i + 1 == w.size();
    if (s.dagesh && s.vowel == 0) {
        // before a cholam male the dagesh doubles a consonant vav: לְקַוּוֹת
        if (!last && w[i + 1].base == Vav && w[i + 1].vowel == Holam)
            consonant(QStringLiteral("v"), i);
        else
            nucleus(QStringLiteral("u"), i, Qubuts);
        return;
    }
    if (s.vowel == Holam && !s.dagesh) {
        if (i == 0 || !hasOwnVowel(w[i - 1])) {
            nucleus(QStringLiteral("o"), i, Holam);
            return;
        }
        consonant(QStringLiteral("v"), i);
        vowel(i);
        return;
    }
    if (isBare(s) && i > 0) {
        const Sign &before = w[i - 1];
        if (before.base == Vav && !isBare(before))
            return; // the second vav of a doubled consonant
        if ((before.vowel == Holam || before.vowel == HolamHaser) && before.base != Vav)
            return; // the cholam written on the letter before
        const bool av = last && i >= 2 && before.base == Yod && isBare(before) && w[i - 2].vowel == Qamats;
        if (!av && !hasOwnVowel(before) && !afterVowel()) {
            nucleus(QStringLiteral("o"), i, Holam);
            return;
        }
    }
    consonant(QStringLiteral("v"), i);
    vowel(i);
}

void WordReader::readYod(qsizetype i)
{
    const Sign &s = w[i];
    if (!isBare(s) || i == 0) {
        consonant(QStringLiteral("y"), i);
        vowel(i);
        return;
    }
    const bool last = i + 1 == w.size();
    const Sign &before = w[i - 1];
    if (before.base == Yod && !isBare(before) && !last)
        return; // the second yod of a doubled consonant
    if (!last && isVowelVav(w[i + 1])) {
        consonant(QStringLiteral("y"), i); // hayú
        return;
    }
    switch (before.vowel) {
    case Hiriq:
    case Segol: return;
    case Tsere:
        // the full spelling's yod after a tsere before a guttural or resh
        // (סֵירֵב, תֵּיאֵר) is no diphthong
        if (last || !isGutturalOrResh(w[i + 1].base))
            lengthenLastVowel(QStringLiteral("i"));
        return;
    case Patah:
    case Qamats:
        // ָיו is av, the yod silent
        if (i + 2 == w.size() && w[i + 1].base == Vav && isBare(w[i + 1]))
            return;
        lengthenLastVowel(QStringLiteral("i"));
        return;
    case 0:
        if (afterVowel())
            break;
        // a chiriq the full spelling shows by its yod alone
        nucleus(QStringLiteral("i"), i, Hiriq);
        return;
    default: break;
    }
    consonant(QStringLiteral("y"), i);
}

void WordReader::readGuttural(qsizetype i)
{
    const Sign &s = w[i];
    if (s.vowel == 0) {
        // the consonant of a vowel written on the vav after it: lish'ól, ra'ú
        if (i > 0 && i + 1 < w.size() && isVowelVav(w[i + 1]))
            consonant(QStringLiteral("'"), i);
        return;
    }
    const bool last = i + 1 == w.size();
    const bool heard = s.vowel != Sheva || !last;
    if (i > 0 && heard)
        consonant(QStringLiteral("'"), i);
    vowel(i);
}

// Splits text into Hebrew words and what stands between them; `between`
// has one more item than the words.
QList<Word> wordsOf(const QString &text, QList<QString> *between = nullptr)
{
    QList<Word> words;
    QString gap;
    Word current;
    auto flush = [&]() {
        if (current.isEmpty())
            return;
        words.append(current);
        if (between)
            between->append(gap);
        gap.clear();
        current.clear();
    };
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (HebrewText::isLetter(c)) {
            Sign s;
            s.base = medial(u);
            current.append(s);
        } else if (!current.isEmpty() && HebrewText::isMark(c)) {
            Sign &s = current.last();
            if (u == Dagesh)
                s.dagesh = true;
            else if (u == SinDot)
                s.sin = true;
            else if (isVowelPoint(u) && s.vowel == 0)
                s.vowel = u;
        } else if (!current.isEmpty() && (u == 0x05F3 || u == u'\'' || u == 0x2019)) {
            current.last().geresh = true;
        } else {
            flush();
            gap += u == 0x05BE ? QChar(u'-') : c;
        }
    }
    flush();
    if (between)
        between->append(gap);
    return words;
}

QList<Sound> nuclei(const QList<Sound> &sounds)
{
    QList<Sound> out;
    for (const Sound &s : sounds) {
        if (s.nucleus)
            out.append(s);
    }
    return out;
}

// Consonants said between two sounds (exclusive), by their positions.
int consonantsBetween(const QList<Sound> &sounds, qsizetype from, qsizetype to)
{
    int n = 0;
    for (qsizetype i = from + 1; i < to; ++i)
        n += !sounds[i].nucleus;
    return n;
}

int stressByRules(const Word &w, const QList<Sound> &sounds)
{
    QList<qsizetype> at;
    for (qsizetype i = 0; i < sounds.size(); ++i) {
        if (sounds[i].nucleus)
            at.append(i);
    }
    if (at.size() < 2)
        return 1;
    const Sound &last = sounds[at.last()];
    const Sound &before = sounds[at[at.size() - 2]];
    const bool openBefore = consonantsBetween(sounds, at[at.size() - 2], at.last()) <= 1;
    const bool oneAfter = consonantsBetween(sounds, at.last(), sounds.size()) == 1;
    const bool spokenBefore = before.vowel != Sheva && before.vowel != HatafPatah && before.vowel != HatafSegol
        && before.vowel != HatafQamats;
    if (!openBefore || !spokenBefore)
        return 1;
    const char16_t lastLetter = w.last().base;
    const char16_t vowelLetter = w[last.sign].base;
    auto isGuttural = [](char16_t b) { return b == Het || b == Ayin || b == He || b == Alef; };
    // סֵפֶר, כּוֹתֶבֶת; the pronoun endings -hem, -chem are no segolates
    const bool pronounEnding = (lastLetter == Mem || lastLetter == Nun) && (vowelLetter == He || vowelLetter == Kaf);
    if (last.vowel == Segol && oneAfter && !pronounEnding)
        return 2;
    // נַעַר, לָקַחַת
    if (last.vowel == Patah && isGuttural(vowelLetter) && oneAfter && (before.vowel == Patah || before.vowel == Segol))
        return 2;
    // זֶרַע, פֶּתַח: the guttural closes the word after the patach
    if (last.vowel == Patah && last.sign + 2 == w.size() && (lastLetter == Het || lastLetter == Ayin)
        && isBare(w.last()) && (before.vowel == Segol || before.vowel == Tsere))
        return 2;
    // בַּיִת, מַיִם, שָׁמַיִם
    if (last.vowel == Hiriq && vowelLetter == Yod && oneAfter && (before.vowel == Patah || before.vowel == Qamats))
        return 2;
    return 1;
}

QChar accented(QChar vowel)
{
    switch (vowel.unicode()) {
    case u'a': return QChar(0x00E1);
    case u'e': return QChar(0x00E9);
    case u'i': return QChar(0x00ED);
    case u'o': return QChar(0x00F3);
    case u'u': return QChar(0x00FA);
    default: return vowel;
    }
}

// The word in Latin letters, the stressed syllable (from the end) marked
// where the word has more than one.
QString latin(const Word &w, int stress)
{
    const QList<Sound> sounds = WordReader(w).sounds;
    const qsizetype count = nuclei(sounds).size();
    // a furtive patach makes two vowels to read, so the accent says which
    const bool furtive = !sounds.isEmpty() && sounds.last().text.startsWith(u'a') && !sounds.last().nucleus;
    const bool marked = count > 1 || (count == 1 && furtive);
    if (stress <= 0)
        stress = stressByRules(w, sounds);
    QString out;
    qsizetype seen = 0;
    for (const Sound &s : sounds) {
        QString text = s.text;
        if (s.nucleus && marked && count - seen++ == stress)
            text[0] = accented(text[0]);
        out += text;
    }
    return out;
}

bool anyPoint(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return HebrewText::isPoint(c); });
}

} // namespace

QString HebrewTransliteration::Result::errorString() const
{
    switch (status) {
    case Status::Ok: return QString();
    case Status::NoHebrew: return QStringLiteral("no Hebrew letters to transliterate");
    case Status::NoPoints: return QStringLiteral("the word has no vowel points to read it by");
    case Status::StressOutOfRange: return QStringLiteral("the stressed syllable lies beyond the word");
    }
    return QString();
}

HebrewTransliteration::Result HebrewTransliteration::transliterate(const QString &pointed, int stress)
{
    QList<QString> between;
    const QList<Word> words = wordsOf(pointed, &between);
    if (words.isEmpty())
        return {Status::NoHebrew, QString()};
    if (!anyPoint(pointed))
        return {Status::NoPoints, QString()};
    if (stress < 0 || stress > std::max(1, int(nuclei(WordReader(words.last()).sounds).size())))
        return {Status::StressOutOfRange, QString()};
    QString out = between.first();
    for (qsizetype i = 0; i < words.size(); ++i) {
        out += latin(words[i], i + 1 == words.size() ? stress : 0);
        out += between[i + 1];
    }
    return {Status::Ok, out};
}

int HebrewTransliteration::syllableCount(const QString &pointedWord)
{
    const QList<Word> words = wordsOf(pointedWord);
    return words.isEmpty() ? 0 : int(nuclei(WordReader(words.first()).sounds).size());
}

int HebrewTransliteration::defaultStress(const QString &pointedWord)
{
    const QList<Word> words = wordsOf(pointedWord);
    return words.isEmpty() ? 1 : stressByRules(words.first(), WordReader(words.first()).sounds);
}
