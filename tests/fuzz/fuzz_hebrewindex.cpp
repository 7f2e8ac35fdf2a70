#include "fuzzsupport.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "lang/hebrewanalyser.h"
#include "lang/hebrewtext.h"

#include <algorithm>

// A fuzzed dictionary indexed for the analysis: every entry indexed by its
// own form is found again under it. Words with anything but Hebrew letters,
// marks and the geresh marks are left out (white space, a maqaf, a letter of
// another script): the gloss never asks for them whole.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dict;
    if (DictionaryFile().read(fuzzBytes(data, size), dict) == DictionaryFile::Status::UnknownVersion)
        return 0;
    const HebrewAnalyser analyser(&dict);
    for (int i = 0; i < dict.count() && i < 64; ++i) {
        const Entry e = dict.entryAt(i);
        const QString word = e.word();
        const QString form = HebrewText::withoutMarks(word);
        const auto splits = [](QChar c) {
            const bool letter = c.unicode() >= 0x05D0 && c.unicode() <= 0x05EA;
            return !letter && !HebrewText::isMark(c) && !QStringLiteral("'\"\u05F3\u05F4").contains(c);
        };
        if (form.size() < 2 || std::any_of(word.cbegin(), word.cend(), splits))
            continue;
        bool found = false;
        for (const WordMatch &m : analyser.forms().values(form))
            found = found || m.entryId == e.id();
        FUZZ_CHECK(found);
        analyser.analyse(form);
    }
    return 0;
}
