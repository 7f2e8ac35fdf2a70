#include "paaltraits.h"

#include "hebrewtext.h"

#include <QHash>

namespace PaalTraits {

quint16 paalTraits(const QString &root)
{
    static const QHash<QString, quint16> traits = [] {
        QHash<QString, quint16> table;
        auto mark = [&table](std::initializer_list<const char16_t *> roots, quint16 trait) {
            for (const char16_t *root : roots)
                table[HebrewText::medialForm(QString::fromUtf16(root))] |= trait;
        };
        mark({u"גבר", u"גדל", u"גדש", u"דבק", u"זקן", u"חדל", u"חסר", u"חפץ", u"חרד", u"לבש", u"למד", u"צדק", u"קדם",
                 u"קדר", u"קטן", u"קרב", u"רכב", u"רקב", u"שכב", u"שמן", u"בגר", u"שכך", u"חשך", u"ישן", u"יבש", u"ירש",
                 u"ירא", u"נתן"},
            AFuture);
        mark({u"דחף", u"אסף", u"ארז", u"אזר", u"אגר"}, OFuture);
        mark({u"אכל", u"אמר", u"אהב", u"אבד", u"אבה", u"אפה"}, QuietAlef);
        mark({u"אכל", u"אמר"}, ImperativeInO);
        mark({u"נפל", u"נסע", u"נגע", u"נשא", u"נשק", u"נשך", u"נטש", u"נטל", u"נזל", u"נטע", u"נמס", u"נקב", u"נדר",
                 u"נפח", u"נשב", u"נכח", u"נבל", u"נגח", u"נטר", u"נתן"},
            AssimilatingNun);
        mark({u"יצר", u"יצק", u"יצת"}, AssimilatingYod);
        mark({u"ישב", u"ירד", u"ידע", u"יצא", u"ילד", u"הלך"}, Yeshev);
        mark({u"גדל", u"זקן", u"ישן", u"קטן", u"כבד", u"חסר", u"חפץ", u"שמח", u"רעב", u"צמא", u"שבע", u"יבש"}, Stative);
        mark({u"ישן", u"ירש"}, ImperativeWithoutYod);
        mark({u"דחף"}, ImperativeInA);
        mark({u"שכב", u"רכב"}, InfinitiveInA);
        mark({u"נגע", u"נשא"}, InfinitiveInTav);
        return table;
    }();
    return traits.value(root);
}

bool hasAFuture(QChar r2, QChar r3, quint16 traits)
{
    if (traits & OFuture)
        return false;
    const char16_t b = r2.unicode();
    const bool gutturalSecond = b == 0x05D0 || b == 0x05D4 || b == 0x05D7 || b == 0x05E2;
    return (traits & AFuture) || gutturalSecond || r3 == QChar(0x05D7) || r3 == QChar(0x05E2) || r3 == QChar(0x05D0);
}

} // namespace PaalTraits
