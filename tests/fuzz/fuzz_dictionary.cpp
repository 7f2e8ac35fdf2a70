#include "fuzzsupport.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"

// Dictionary bytes: whatever loads is saved whole and reads back the same,
// as a healthy file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dict;
    if (DictionaryFile().read(fuzzBytes(data, size), dict) == DictionaryFile::Status::UnknownVersion)
        return 0;
    Dictionary back;
    FUZZ_CHECK(DictionaryFile().read(DictionaryFile::toBytes(dict), back) == DictionaryFile::Status::Ok);
    FUZZ_CHECK(sortedDump(back) == sortedDump(dict));
    return 0;
}
