#include "fuzzsupport.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "formats/tsvformat.h"

// TSV text: the file made without a store is the one the store saves, and
// every import that succeeds is exported and imported again to the very
// same entries.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dict;
    QStringList warnings;
    const QByteArray text = fuzzBytes(data, size);
    const Result<> imported = TsvFormat::read(text, {}, dict, warnings);
    QStringList directWarnings;
    // by one reader or two, sorted in one bucket or many
    TsvFormat::ImportOptions direct;
    direct.twoReadersFrom = size % 2 ? 0 : direct.twoReadersFrom;
    direct.bucketBytes = size % 3 ? 4096 : direct.bucketBytes;
    const Result<QByteArray> file = TsvFormat::toDictionaryFile(text, direct, directWarnings);
    FUZZ_CHECK(imported ? file && file.value() == DictionaryFile::toBytes(dict) && directWarnings == warnings
                        : !file && file.errorString() == imported.errorString());
    if (!imported)
        return 0;
    const QByteArray exported = TsvFormat::write(dict);
    const TsvFormat::ImportOptions options{dict.name(), dict.type(), dict.attribute(QStringLiteral("USER"))};
    Dictionary back;
    const Result<> read = TsvFormat::read(exported, options, back, warnings);
    if (!read)
        std::fprintf(stderr, "reimport: %s\n", qPrintable(read.errorString()));
    FUZZ_CHECK(read.ok());
    FUZZ_CHECK(sortedDump(back) == sortedDump(dict));
    return 0;
}
