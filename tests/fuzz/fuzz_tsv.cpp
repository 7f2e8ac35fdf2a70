#include "fuzzsupport.h"

#include "dict/dictionary.h"
#include "dict/tsvformat.h"

// TSV text: every import that succeeds is exported and imported again to
// the very same entries.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dict;
    QString error;
    QStringList warnings;
    if (!TsvFormat::read(fuzzBytes(data, size), {}, dict, error, warnings))
        return 0;
    const QByteArray exported = TsvFormat::write(dict);
    const TsvFormat::ImportOptions options{dict.name(), dict.type(), dict.attribute(QStringLiteral("USER"))};
    Dictionary back;
    const bool read = TsvFormat::read(exported, options, back, error, warnings);
    if (!read)
        std::fprintf(stderr, "reimport: %s\n", qPrintable(error));
    FUZZ_CHECK(read);
    FUZZ_CHECK(sortedDump(back) == sortedDump(dict));
    return 0;
}
