#pragma once

#include "entry.h"
#include "recordreader.h"

#include <QString>

#include <vector>

// Where a compact text is decoded before the sink takes it: the scratch
// buffer (the arena offers room of its own, see EntryArena::textRoom).
template <typename Sink> char16_t *textRoom(Sink &, std::vector<char16_t> &scratch, qsizetype)
{
    return scratch.data();
}

// No entry of ours carries more keyed texts than this (a handful of user
// languages and grammar texts); a record that says so is bytes out of step,
// and reading its texts would cost time for nothing.
constexpr quint16 MaxPlausibleTexts = 256;

// Reads the fields of one record of the formats since V3.1 in their order
// (id, type, flags, word, translation, keyed texts, then the counters of the
// compact formats) into a sink: an Entry, or the store's arena, which takes
// them without making an Entry. Texts reach the sink as views, valid until
// the next field, of the room the sink offers.
template <typename Sink>
Entry::ReadResult readRecordFields(RecordReader &in, Entry::Format format, Sink &sink, std::vector<char16_t> &scratch)
{
    const bool compact = format != Entry::Format::V31;
    QString wide;
    if (compact && scratch.size() < 0x10000)
        scratch.resize(0x10000);
    // header: the units a keyed text's key and length take before it
    auto readText = [&](QStringView &text, qsizetype header = 0) {
        if (compact)
            return in.readCompactUnits(textRoom(sink, scratch, header), text);
        if (!in.readString(wide))
            return false;
        text = wide;
        return true;
    };
    quint32 id = 0;
    quint16 type = 0;
    quint32 flags = 0;
    if (!in.readU32(id) || !in.readU16(type) || !in.readU32(flags))
        return Entry::ReadResult::Cut;
    // no writer stores id 0: such a record is the sign of bytes out of step
    if (id == 0)
        return Entry::ReadResult::Implausible;
    sink.setId(int(id));
    sink.setWordType(type);
    sink.setFlags(flags);
    QStringView text;
    if (!readText(text))
        return Entry::ReadResult::Cut;
    sink.setWord(text);
    if (!readText(text))
        return Entry::ReadResult::Cut;
    sink.setTranslation(text);
    quint16 textCount = 0;
    if (!in.readU16(textCount))
        return Entry::ReadResult::Cut;
    if (textCount > MaxPlausibleTexts)
        return Entry::ReadResult::Implausible;
    for (int i = 0; i < textCount; ++i) {
        quint16 key = 0;
        if (!in.readU16(key) || !readText(text, 4))
            return Entry::ReadResult::Cut;
        sink.appendText(key, text);
    }
    if (!compact)
        return Entry::ReadResult::Complete;
    quint8 forward = 0;
    quint8 backward = 0;
    if (!in.readU8(forward) || !in.readU8(backward))
        return Entry::ReadResult::Cut;
    sink.setLearnCounters(qint8(forward), qint8(backward));
    return Entry::ReadResult::Complete;
}
