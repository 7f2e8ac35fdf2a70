#include "fuzzsupport.h"

#include "files/dictionarylist.h"

// List bytes: what is read is written so that reading it again gives the
// same list, byte for byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DictionaryList list;
    list.parse(fuzzBytes(data, size));
    const QByteArray written = list.toBytes();
    DictionaryList again;
    again.parse(written);
    FUZZ_CHECK(again.count() == list.count());
    FUZZ_CHECK(again.toBytes() == written);
    return 0;
}
