#include "fuzzsupport.h"

#include "dict/dictionary.h"

// Dictionary bytes: whatever loads is saved whole and reads back the same,
// as a healthy file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dict;
    if (!dict.readFrom(fuzzBytes(data, size)))
        return 0;
    Dictionary back;
    FUZZ_CHECK(back.readFrom(dict.toBytes()));
    FUZZ_CHECK(back.loadStatus() == Dictionary::LoadStatus::Ok);
    FUZZ_CHECK(sortedDump(back) == sortedDump(dict));
    return 0;
}
