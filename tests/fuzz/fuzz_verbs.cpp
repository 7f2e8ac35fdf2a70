#include "fuzzsupport.h"

#include "lang/english.h"
#include "lang/wordmatch.h"

// The English verb table: reading it again changes nothing, a verb the
// text never names takes the regular ending, and no verb form is empty.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    English once;
    once.readVerbs(bytes);
    English twice;
    twice.readVerbs(bytes);
    twice.readVerbs(bytes);
    const WordMatch past{2, 0x10000, 1, QString()};
    for (const QByteArray &line : bytes.split('\n')) {
        const QString verb = QString::fromUtf8(line.split(',').value(0)).trimmed();
        if (verb.isEmpty())
            continue;
        FUZZ_CHECK(once.pastTense(verb) == twice.pastTense(verb));
        FUZZ_CHECK(!once.pastTense(verb).isEmpty());
        FUZZ_CHECK(!once.conjugate(QStringLiteral("to ") + verb, past).isEmpty());
    }
    if (!bytes.contains("qqqz"))
        FUZZ_CHECK(once.pastTense(QStringLiteral("qqqz")) == QStringLiteral("qqqzed"));
    return 0;
}
