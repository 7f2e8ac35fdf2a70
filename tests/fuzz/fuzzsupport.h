#pragma once

#include "model/dictionary.h"
#include "formats/recordcodec.h"
#include "formats/recordwriter.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: the bytes as a QByteArray, quiet logging,
// and a check that stops the run with a message when an oracle fails.
inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("verbalon.*=false"));
        return true;
    }();
    Q_UNUSED(quiet);
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "oracle failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                       \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Every entry's record, then the attributes. Entries of equal keys change
// places on every load (each is inserted before the last of its equals), so
// the records are compared in sorted order.
inline QList<QByteArray> sortedDump(const Dictionary &dict)
{
    QList<QByteArray> records;
    for (int i = 0; i < dict.count(); ++i) {
        QByteArray record;
        RecordWriter writer(record);
        RecordCodec::write(writer, dict.entryAt(i));
        records.append(record);
    }
    std::sort(records.begin(), records.end());
    for (auto it = dict.attributes().cbegin(); it != dict.attributes().cend(); ++it)
        records.append((it.key() + u'=' + it.value()).toUtf8());
    return records;
}
