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
    QString error;
    QStringList warnings;
    const QByteArray text = fuzzBytes(data, size);
    const bool imported = TsvFormat::read(text, {}, dict, error, warnings);
    QString directError;
    QStringList directWarnings;
    const QByteArray file = TsvFormat::toDictionaryFile(text, {}, directError, directWarnings);
    FUZZ_CHECK(imported ? file == DictionaryFile::toBytes(dict) && directWarnings == warnings
                        : file.isEmpty() && directError == error);
    if (!imported)
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
