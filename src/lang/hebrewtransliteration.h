#pragma once

#include <QString>

// Pointed Hebrew in Latin letters as a learner reads it aloud, in modern
// Israeli pronunciation, the stressed vowel marked with an acute accent
// (כָּתַבְתִּי → katávti). The points decide everything: an unpointed word
// has nothing to read by and is refused.
//
// Consonants: ב b with dagesh, v without; ג g; ד d; ה h, silent at the end
// of a word unless it has a mappiq; ו v; ז z; ח ch; ט t; י y; כ ך k with
// dagesh, ch without; ל l; מ m; נ n; ס s; פ ף p with dagesh, f without;
// צ ץ tz; ק k; ר r; שׁ sh, שׂ s (sh when the dot is missing); ת t. With a
// geresh ג׳ is j, ז׳ zh, צ׳ ch. A dagesh that doubles changes nothing: the
// modern language does not double consonants.
//
// א and ע are written ' where a learner needs the break: inside the word
// before their vowel (also one written on the vav after them: lish'ól) or
// closing a syllable (sho'él, yish'ál, ne'lám), not at
// the start of a word nor where they are silent (matsáti, shamá).
//
// Vowels: patach, qamats and chataf patach a; tsere, segol and chataf segol
// e; chiriq i; cholam o; qubuts and shuruk u; chataf qamats and qamats
// qatan o. A qamats is read o before a chataf qamats, and in a syllable a
// silent shva closes before a begadkefat letter with dagesh (korbán,
// hochtáv); כָּל is kol. Matres lectionis: וֹ o, וּ u; a bare yod after
// chiriq or segol is silent, after tsere it makes ei (but only e before a
// guttural or resh, where the full spelling wrote it: סֵירֵב serév), after
// patach or qamats ai, before a vowel vav y (hayú), and ָיו is av; the
// second letter of a doubled vav or yod of the full spelling (מְקַוֶּוה,
// הִתְיַישֵּׁב) is silent.
//
// Shva: silent at the end of a word and mid-word after a vowel; read e
// under the first letter when that letter is ו י ל מ נ ר, when the next
// letter is א ה ע or is said in the same place (ledabér, be'ayá, tedabér,
// but ktavtém), under the future's ת before patach or qamats (tesarév),
// and mid-word after another shva or before the same letter (yichtevú,
// hitpalelú). A patach under a final ח, ע or הּ after a vowel is
// furtive: it is said before the consonant and is no syllable of its own
// (רוּחַ rúach).
//
// Stress: given as the syllable counted from the end (1 = last); by
// default the last, except the segolates (סֵפֶר séfer, כּוֹתֶבֶת kotévet,
// לֶחֶם léchem; not the pronoun endings of לָכֶם, מֵהֶם), the patach
// segolates of the gutturals (נַעַר ná'ar, לָקַחַת lakáchat, זֶרַע zéra) and
// the -ayi- ending (בַּיִת báyit, מַיִם máyim). A word of one syllable gets
// no accent, unless a furtive patach gives it two vowels to read (rúach).
// In a text of several words the given stress is the last word's; the
// others take the default.
class HebrewTransliteration
{
public:
    enum class Status { Ok, NoHebrew, NoPoints, StressOutOfRange };

    struct Result
    {
        Status status = Status::Ok;
        QString text;
        QString errorString() const;
    };

    // The Latin letters of a pointed word or text; stress 0 chooses by the
    // rules above. Characters other than Hebrew letters and marks pass
    // through (spaces, maqaf as a hyphen).
    static Result transliterate(const QString &pointed, int stress = 0);
    // The syllables of one pointed word, and the one the rules stress.
    static int syllableCount(const QString &pointedWord);
    static int defaultStress(const QString &pointedWord);
};
