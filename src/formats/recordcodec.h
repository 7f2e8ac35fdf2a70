#pragma once

#include "model/entry.h"
#include "recordreader.h"
#include "recordwriter.h"

#include <QString>

#include <vector>

// The records of the dictionary files "DICT V3.0" to "DICT V3.3", the one
// place that knows their bytes: reading one into an entry or any other
// sink (the store's arena), writing one (V3.3) from an entry or the
// store's fields.
namespace RecordCodec {

// Record layouts of the file versions "DICT V3.0" to "DICT V3.3".
enum class Format { V30, V31, V32, V33 };

enum class ReadResult {
    Complete,
    Cut, // the data ended inside the record; the fields read so far are kept
    Implausible, // the fields cannot be one of ours (a damaged file)
};

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
ReadResult readFields(RecordReader &in, Format format, Sink &sink, std::vector<char16_t> &scratch)
{
    const bool compact = format != Format::V31;
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
        return ReadResult::Cut;
    // no writer stores id 0: such a record is the sign of bytes out of step
    if (id == 0)
        return ReadResult::Implausible;
    sink.setId(int(id));
    sink.setWordType(type);
    sink.setFlags(flags);
    QStringView text;
    if (!readText(text))
        return ReadResult::Cut;
    sink.setWord(text);
    if (!readText(text))
        return ReadResult::Cut;
    sink.setTranslation(text);
    quint16 textCount = 0;
    if (!in.readU16(textCount))
        return ReadResult::Cut;
    if (textCount > MaxPlausibleTexts)
        return ReadResult::Implausible;
    for (int i = 0; i < textCount; ++i) {
        quint16 key = 0;
        if (!in.readU16(key) || !readText(text, 4))
            return ReadResult::Cut;
        sink.appendText(key, text);
    }
    if (!compact)
        return ReadResult::Complete;
    quint8 forward = 0;
    quint8 backward = 0;
    if (!in.readU8(forward) || !in.readU8(backward))
        return ReadResult::Cut;
    sink.setLearnCounters(qint8(forward), qint8(backward));
    return ReadResult::Complete;
}

// Writes a V3.3 record of anything with a record's fields (an entry's, or
// the store's view of one).
template <typename Fields> void writeFields(RecordWriter &out, const Fields &f)
{
    out.writeU32(quint32(f.id));
    out.writeU16(quint16(f.wordType));
    out.writeU32(f.flags);
    out.writeCompact(f.word);
    out.writeCompact(f.translation);
    const quint32 textCount = qMin<quint32>(f.textCount, 0xFFFF);
    out.writeU16(quint16(textCount));
    quint32 written = 0;
    f.forEachText([&out, &written, textCount](quint32 key, QStringView text) {
        if (written++ >= textCount)
            return;
        out.writeU16(quint16(key));
        out.writeCompact(text);
    });
    out.writeU8(quint8(f.learnedForward));
    out.writeU8(quint8(f.learnedBackward));
}

// One record into an entry.
ReadResult read(RecordReader &in, Format format, Entry &entry);
// An entry as a V3.3 record.
void write(RecordWriter &out, const Entry &entry);

} // namespace RecordCodec
