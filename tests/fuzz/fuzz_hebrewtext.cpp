#include "fuzzsupport.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "lang/english.h"
#include "lang/hebrewanalyser.h"
#include "lang/hebrewtext.h"
#include "lang/phrasetranslator.h"

#include <QFile>

// Hebrew text against the sample dictionary: every word has a reading, and
// the gloss has one line of dashes per sentence.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Dictionary dictionary;
    static English english;
    static const PhraseTranslator *translator = [] {
        (void)DictionaryFile(QString::fromLocal8Bit(qgetenv("VERBALON_FUZZ_DICTIONARY"))).load(dictionary);
        return new PhraseTranslator(&dictionary, &english);
    }();
    static const HebrewAnalyser analyser(&dictionary);
    // dashes would be taken for the separator lines counted below
    const QString text = QString::fromUtf8(fuzzBytes(data, size)).remove(u'-');
    const QList<QStringList> sentences = PhraseTranslator::tokenize(text);
    qsizetype nonEmpty = 0;
    for (const QStringList &sentence : sentences) {
        nonEmpty += sentence.isEmpty() ? 0 : 1;
        for (const QString &token : sentence) {
            if (anyHebrewChar(token))
                FUZZ_CHECK(!analyser.analyse(HebrewText::withoutMarks(token)).isEmpty());
        }
    }
    FUZZ_CHECK(translator->translateText(text).count(QStringLiteral("-------------------")) == nonEmpty);
    return 0;
}
