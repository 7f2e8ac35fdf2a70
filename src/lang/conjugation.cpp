#include "conjugation.h"

#include "grammarcode.h"
#include "hebrewletters.h"
#include "hebrewtext.h"
#include "langlog.h"

#include "dict/entry.h"

using namespace HebrewLetter;
using namespace HebrewText;

namespace {

// The vowel point after the n-th letter (1-based), 0 when none.
ushort pointAfterLetter(const QString &word, int n)
{
    // the shin and sin dots sit between a letter and its vowel in some
    // texts: they are skipped as if they were not there
    auto nextMark = [&word](qsizetype i) {
        while (i < word.size() && isShinSinDot(word[i]))
            ++i;
        return i;
    };
    int letters = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!isLetter(word[i]) || ++letters < n)
            continue;
        const qsizetype at = nextMark(i + 1);
        if (at >= word.size() || !isPoint(word[at]))
            return 0;
        const ushort point = word[at].unicode();
        if (point != HebrewPoint::Dagesh && point != HebrewPoint::Holam)
            return point;
        if (point == HebrewPoint::Holam && word[i] != Shin)
            return point;
        if (point == HebrewPoint::Dagesh && word[i] == Vav)
            return point; // shuruk
        // a dagesh, or a holam on shin: the vowel comes next
        const qsizetype after = nextMark(at + 1);
        return after < word.size() && isPoint(word[after]) ? word[after].unicode() : 0;
    }
    return 0;
}

} // namespace

namespace Conjugation {

int detectBinyan(const QString &pointedWord)
{
    using namespace HebrewPoint;
    const QString s = unpointed(pointedWord);
    const qsizetype length = s.size();
    const ushort p1 = pointAfterLetter(pointedWord, 1);
    const ushort p2 = pointAfterLetter(pointedWord, 2);
    const ushort p3 = pointAfterLetter(pointedWord, 3);
    const ushort p4 = pointAfterLetter(pointedWord, 4);

    if (length == 2)
        return p1 == Qamats ? Paal : UnknownBinyan;
    if (length < 3)
        return UnknownBinyan;
    if (s[0] == He) {
        if (length > 4 && s[3] == Yod)
            return Hifil;
        if (s[1] == Vav && p4 == Patah)
            return Hufal;
        if (length == 4 && s[2] == Yod)
            return Hifil;
        if (p3 == Patah)
            return Hitpael;
    }
    if (s[1] == Yod && (p1 == Hiriq || p1 == Tsere) && p3 == Tsere)
        return Piel;
    const bool fourWithHiriq = length == 4 && p1 == Hiriq;
    if (fourWithHiriq && p3 == Tsere)
        return Piel;
    if (!fourWithHiriq && p1 == Qamats && (p2 == Patah || p2 == Qamats))
        return Paal;
    if (s[0] == Nun && (p1 == Hiriq || p1 == Segol))
        return Nifal;
    if (s[1] == Yod)
        return Piel;
    if (s[1] == Vav && p2 == Dagesh)
        return Pual;
    return UnknownBinyan;
}

QString binyanName(int binyan)
{
    static const char *const names[] = {"Paal", "Piel", "Hifil", "Hitpael", "Hufal", "Pual", "Nifal"};
    if (binyan < Paal || binyan > Nifal)
        return QStringLiteral("unknown");
    return QString::fromLatin1(names[binyan - 1]);
}

QList<Paradigm::Form> verbForms(const Entry &verb)
{
    using namespace GrammarCode;
    const QString w = unpointed(verb.word());
    QString infinitive = unpointed(verb.text(Entry::TextInfinitive));
    if (infinitive.isEmpty())
        infinitive = Lamed + w;
    QList<Paradigm::Form> forms = {{Infinitive, infinitive}, {Past | ThirdPerson | MasculineSingular, w}};

    const int binyan = detectBinyan(verb.word());
    if (binyan == UnknownBinyan) {
        qCDebug(lcLang) << "CANNOT CONJUGATE:" << verb.word();
        QString feminine = medialForm(w);
        if (!feminine.endsWith(He))
            feminine += He;
        forms.append({Past | ThirdPerson | FeminineSingular, feminine});
        return forms;
    }
    return forms + Paradigm::generate(verb.word(), binyan);
}

} // namespace Conjugation
