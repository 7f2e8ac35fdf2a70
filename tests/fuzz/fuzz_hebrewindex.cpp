#include "fuzzsupport.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "lang/hebrewanalyser.h"
#include "lang/hebrewtext.h"

#include <algorithm>

// A fuzzed dictionary indexed for the analysis: every entry indexed by its
// own form is found again under it. Words with white space of any kind are
// left out: the gloss splits text there, so it never asks for them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dict;
    if (DictionaryFile().read(fuzzBytes(data, size), dict) == DictionaryFile::Status::UnknownVersion)
        return 0;
    const HebrewAnalyser analyser(&dict);
    for (int i = 0; i < dict.count() && i < 64; ++i) {
        const Entry e = dict.entryAt(i);
        const QString form = HebrewText::unpointed(e.word());
        if (form.size() < 2 || std::any_of(form.cbegin(), form.cend(), [](QChar c) { return c.isSpace(); }))
            continue;
        bool found = false;
        for (const WordMatch &m : analyser.forms().values(form))
            found = found || m.entryId == e.id();
        FUZZ_CHECK(found);
        analyser.analyse(form);
    }
    return 0;
}
