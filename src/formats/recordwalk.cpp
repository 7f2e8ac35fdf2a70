#include "recordwalk.h"

namespace {

const QByteArray Version33 = QByteArrayLiteral("DICT V3.3");
// room for the longest compact text a record holds
constexpr size_t MaxUnits = 65535;

} // namespace

RecordWalk::RecordWalk(const QByteArray &file, qsizetype from, bool translations)
    : m_in(file)
    , m_units(translations ? MaxUnits : 0)
{
    m_in.seek(from);
}

qsizetype RecordWalk::recordsStart(const QByteArray &file)
{
    RecordReader in(file);
    QByteArray version;
    if (!in.readBytes(version) || version.left(version.indexOf('\0')) != Version33)
        return -1;
    QByteArray line;
    while (in.readBytes(line) && !line.isEmpty()) { }
    return in.failed() ? -1 : in.position();
}

bool RecordWalk::next()
{
    if (m_damaged || m_in.atEnd())
        return false;
    m_offset = m_in.position();
    quint32 id = 0;
    quint16 type = 0;
    quint32 flags = 0;
    m_damaged = !(m_in.readU32(id) && m_in.readU16(type) && m_in.readU32(flags) && id != 0
        && m_in.readCompactBytes(m_word) && readRest());
    return !m_damaged;
}

// The translation (decoded when asked for), the texts and the counters.
bool RecordWalk::readRest()
{
    if (!(m_units.empty() ? m_in.skipCompact() : m_in.readCompactUnits(m_units.data(), m_translation)))
        return false;
    quint16 count = 0;
    if (!m_in.readU16(count))
        return false;
    for (int i = 0; i < count; ++i) {
        quint16 key = 0;
        if (!m_in.readU16(key) || !m_in.skipCompact())
            return false;
    }
    quint8 counter = 0;
    return m_in.readU8(counter) && m_in.readU8(counter);
}
