#pragma once

#include <QChar>
#include <QString>

// What the pa'al of some roots does that their letters do not tell; a root
// the table does not name follows its letters alone.
// The paradigm writes its letters by them and the pointing its vowels.
namespace PaalTraits {

enum PaalTrait : quint16 {
    // the future takes -a- though no guttural asks for it (יִגְדַּל, יִלְמַד), or
    // -o- though one does (יִדְחֹף)
    AFuture = 0x1,
    OFuture = 0x2,
    // the alef goes quiet in the future: אוֹכַל, יֹאכַל; the imperative in -o- (אֱכֹל)
    QuietAlef = 0x4,
    ImperativeInO = 0x8,
    // the nun assimilates in the future: יִפֹּל, יִסַּע; the younger verbs keep it (יִנְשֹׁם)
    AssimilatingNun = 0x10,
    // the yod assimilates like a nun: יִצֹּר, צֹר
    AssimilatingYod = 0x20,
    // the yod goes in the future and imperative: יֵשֵׁב, שֵׁב, לָשֶׁבֶת (and הלך with them)
    Yeshev = 0x40,
    // a verb of state: the present is the past's form (גָּדֵל, יָשֵׁן)
    Stative = 0x80,
    // the imperative drops the yod (שַׁן), or says -a- after a future in -o- (דְּחַף)
    ImperativeWithoutYod = 0x100,
    ImperativeInA = 0x200,
    // the infinitive says -a- (לִשְׁכַּב), or ends in tav without the nun (לָגַעַת)
    InfinitiveInA = 0x400,
    InfinitiveInTav = 0x800,
};

// The traits of a root (medial letters); none for a root the table does not name.
quint16 paalTraits(const QString &root);
// The future in -a- rather than -o-: by the traits, or by a guttural second
// or third letter (יִשְׁאַל, יִשְׁמַע, יִמְצָא).
bool hasAFuture(QChar r2, QChar r3, quint16 traits);

} // namespace PaalTraits
