#include "recordcodec.h"

namespace RecordCodec {

ReadResult read(RecordReader &in, Format format, Entry &entry)
{
    QString word;
    QString translation;
    if (format == Format::V30) {
        QString legacy;
        if (!in.readString(word))
            return ReadResult::Cut;
        entry.setWord(word);
        if (!in.readString(legacy))
            return ReadResult::Cut;
        if (!legacy.isEmpty())
            entry.appendText(Entry::TextLegacy, legacy);
        if (!in.readString(translation))
            return ReadResult::Cut;
        entry.setTranslation(translation);
        return ReadResult::Complete;
    }

    // the fields as they are read, each text made a string of its own
    struct Fields
    {
        Entry &e;
        void setId(int id) { e.setId(id); }
        void setWordType(int type) { e.setWordType(type); }
        void setFlags(quint32 flags) { e.setFlags(flags); }
        void setWord(QStringView text) { e.setWord(text.toString()); }
        void setTranslation(QStringView text) { e.setTranslation(text.toString()); }
        void appendText(quint32 key, QStringView text) { e.appendText(key, text.toString()); }
        void setLearnCounters(qint8 forward, qint8 backward) { e.setLearnCounters(forward, backward); }
    };
    Fields fields{entry};
    // one buffer for every record read on this thread
    static thread_local std::vector<char16_t> scratch;
    return readFields(in, format, fields, scratch);
}

namespace {

// An entry's fields under the names the writer reads.
struct EntryFields
{
    const Entry &e;
    int id = e.id();
    int wordType = e.wordType();
    quint32 flags = e.flags();
    QStringView word = e.word();
    QStringView translation = e.translation();
    quint32 textCount = quint32(e.texts().size());
    qint8 learnedForward = e.learnedForward();
    qint8 learnedBackward = e.learnedBackward();
    template <typename F> void forEachText(F &&f) const
    {
        for (const Entry::KeyedText &t : e.texts())
            f(t.key, QStringView(t.text));
    }
};

} // namespace

void write(RecordWriter &out, const Entry &entry)
{
    writeFields(out, EntryFields{entry});
}

} // namespace RecordCodec
