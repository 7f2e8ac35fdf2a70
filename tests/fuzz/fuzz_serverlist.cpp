#include "fuzzsupport.h"

#include "files/dictionarylist.h"
#include "files/filenames.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

// A server's list: read within bounds, and every name accepted from it
// stays inside the data folder and is fetched under exactly its name.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    DictionaryList list;
    const Result<> parsed = list.parseRemote(bytes);
    if (!parsed) {
        FUZZ_CHECK(!parsed.errorString().isEmpty() && list.count() == 0);
        return 0;
    }
    const QString folder = QStringLiteral("/data/verbalon");
    const QUrl base(QStringLiteral("http://host/base"));
    for (int i = 0; i < list.count(); ++i) {
        const QString name = list.file(i);
        FUZZ_CHECK(list.indexOfFile(name) == i);
        for (const QString &value : DictionaryList::bounded(list.record(i)))
            FUZZ_CHECK(value.size() <= DictionaryList::MaxValueLength);
        const QString path = FileNames::pathInFolder(folder, name);
        if (!FileNames::isPlainDictionaryName(name)) {
            FUZZ_CHECK(path.isEmpty());
            continue;
        }
        FUZZ_CHECK(QFileInfo(path).absolutePath() == folder && QFileInfo(path).fileName() == name);
        const QUrl url = FileNames::fileUrl(base, name);
        FUZZ_CHECK(url.isValid() && url.host() == base.host() && url.fileName() == name);
        FUZZ_CHECK(url.adjusted(QUrl::RemoveFilename).path() == QStringLiteral("/base/"));
        FUZZ_CHECK(!url.hasQuery() && !url.hasFragment());
    }
    return 0;
}
