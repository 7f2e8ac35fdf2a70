#include "storeindexfile.h"

#include "contenthash.h"

#include <QIODevice>

#include <cstddef>
#include <cstring>
#include <limits>

using Handle = EntryArena::Handle;

namespace {

// the last character counts the orders of keys: an index sorted by other
// keys is a miss (2: ё sorts as е)
constexpr char Magic[8] = {'V', 'B', 'I', 'N', 'D', 'E', 'X', '2'};
constexpr quint32 ByteOrderMark = 0x01020304;
// the blocks start after the header's page; each page of them has a hash
constexpr quint64 PageSize = 4096;

quint64 pagesFor(quint64 bytes)
{
    return (bytes + PageSize - 1) / PageSize;
}

struct Header
{
    char magic[8];
    quint32 byteOrder;
    quint32 pageSize;
    StoreIndexFile::Source source;
    quint64 records;
    quint64 meanings;
    quint64 postings;
    quint64 textUnits;
    // of the page hashes, and of the header's bytes before this
    quint64 pageHashesHash;
    quint64 headerHash;
};
static_assert(sizeof(StoreIndexFile::Source) == 64 && sizeof(Header) == 128);

// Where each block starts: offsets, order, text starts, posting starts,
// postings (four bytes each), texts (two); then the page hashes.
struct BlockLayout
{
    BlockLayout(quint64 records, quint64 meanings, quint64 postings, quint64 textUnits)
        : offsetsAt(PageSize)
        , orderAt(offsetsAt + 4 * records)
        , textStartsAt(orderAt + 4 * records)
        , postingStartsAt(textStartsAt + 4 * (meanings + 1))
        , postingsAt(postingStartsAt + 4 * (meanings + 1))
        , textsAt(postingsAt + 4 * postings)
        , end(textsAt + 2 * textUnits)
        , pages(pagesFor(end - PageSize))
        , pageHashesAt(PageSize + pages * PageSize)
        , size(pageHashesAt + 8 * pages)
    { }
    quint64 offsetsAt;
    quint64 orderAt;
    quint64 textStartsAt;
    quint64 postingStartsAt;
    quint64 postingsAt;
    quint64 textsAt;
    quint64 end;
    quint64 pages;
    quint64 pageHashesAt;
    quint64 size;
};

// Writes the blocks a page at a time, keeping each page's hash.
class PageWriter
{
public:
    explicit PageWriter(QIODevice &out)
        : m_out(out)
    { }
    template <typename T> void append(const T *values, size_t count)
    {
        const char *bytes = reinterpret_cast<const char *>(values);
        size_t left = count * sizeof(T);
        while (left > 0 && m_written) {
            const size_t taken = qMin<size_t>(left, PageSize - m_page.size());
            m_page.append(bytes, qsizetype(taken));
            bytes += taken;
            left -= taken;
            if (quint64(m_page.size()) == PageSize)
                flush();
        }
    }
    // Pads the last page; false when a write failed.
    bool finish()
    {
        if (!m_page.isEmpty()) {
            m_page.append(QByteArray(qsizetype(PageSize) - m_page.size(), '\0'));
            flush();
        }
        return m_written;
    }
    const std::vector<quint64> &hashes() const { return m_hashes; }

private:
    void flush()
    {
        m_hashes.push_back(contentHash(m_page));
        m_written = m_written && m_out.write(m_page) == m_page.size();
        m_page.clear();
    }

    QIODevice &m_out;
    QByteArray m_page;
    std::vector<quint64> m_hashes;
    bool m_written = true;
};

// The bytes must hold a header.
const Header &headerOf(const QByteArray &bytes)
{
    return *reinterpret_cast<const Header *>(bytes.data());
}

quint64 headerHashOf(const void *header)
{
    return contentHash(QByteArrayView(static_cast<const char *>(header), qsizetype(offsetof(Header, headerHash))));
}

} // namespace

bool StoreIndexFile::write(QIODevice &out, const StoreIndex &index, const Source &source)
{
    const MeaningIndex::Table &table = index.meanings;
    const quint32 meanings = table.count();
    const std::vector<quint32> noStarts = {0};
    const QByteArray headerPage(qsizetype(PageSize), '\0');
    if (out.write(headerPage) != headerPage.size())
        return false;
    PageWriter blocks(out);
    blocks.append(index.offsets.data(), index.offsets.size());
    blocks.append(index.order.data(), index.order.size());
    blocks.append((meanings > 0 ? table.textStarts : noStarts).data(), size_t(meanings) + 1);
    blocks.append((meanings > 0 ? table.postingStarts : noStarts).data(), size_t(meanings) + 1);
    blocks.append(table.postings.data(), table.postings.size());
    blocks.append(table.texts.data(), table.texts.size());
    if (!blocks.finish())
        return false;
    const QByteArrayView hashes(
        reinterpret_cast<const char *>(blocks.hashes().data()), qsizetype(blocks.hashes().size() * sizeof(quint64)));
    Header header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.byteOrder = ByteOrderMark;
    header.pageSize = PageSize;
    header.source = source;
    header.records = index.order.size();
    header.meanings = meanings;
    header.postings = table.postings.size();
    header.textUnits = table.texts.size();
    header.pageHashesHash = contentHash(hashes);
    header.headerHash = headerHashOf(&header);
    return out.write(hashes.data(), hashes.size()) == hashes.size() && out.seek(0)
        && out.write(reinterpret_cast<const char *>(&header), sizeof header) == qint64(sizeof header);
}

namespace {

// Reads bytes at an offset; fewer at the end of the device or on failure.
QByteArray readAt(QIODevice &device, quint64 at, quint64 bytes)
{
    return device.seek(qint64(at)) ? device.read(qint64(bytes)) : QByteArray();
}

} // namespace

quint64 StoreIndexFile::sampleHash(QIODevice &file)
{
    // the start holds the header and the end the last record saved; the
    // rest are spread evenly
    constexpr qint64 Blocks = 16;
    constexpr qint64 Block = 4096;
    const qint64 size = file.size();
    quint64 hash = quint64(size);
    for (qint64 i = 0; i < Blocks && i * Block < size; ++i) {
        const qint64 at = size <= Blocks * Block ? i * Block : (size - Block) / (Blocks - 1) * i;
        hash = contentHash(readAt(file, quint64(at), Block), hash);
    }
    return hash;
}

StoreIndexFile::StoreIndexFile(QIODevice &device)
    : m_device(device)
    , m_header(readAt(device, 0, sizeof(Header)))
{
    if (m_header.size() != qsizetype(sizeof(Header)))
        return;
    const Header &h = headerOf(m_header);
    constexpr quint64 Most = std::numeric_limits<quint32>::max();
    if (std::memcmp(h.magic, Magic, sizeof Magic) != 0 || h.byteOrder != ByteOrderMark || h.pageSize != PageSize
        || h.headerHash != headerHashOf(&h) || h.records > Most || h.meanings >= Most || h.postings > Most
        || h.textUnits > Most)
        return;
    const BlockLayout layout(h.records, h.meanings, h.postings, h.textUnits);
    const QByteArray hashes = readAt(device, layout.pageHashesAt, 8 * layout.pages);
    if (layout.size != quint64(device.size()) || quint64(hashes.size()) != 8 * layout.pages
        || contentHash(hashes) != h.pageHashesHash)
        return;
    m_pageHashes.resize(layout.pages);
    std::memcpy(m_pageHashes.data(), hashes.data(), size_t(hashes.size()));
    m_offsetsAt = layout.offsetsAt;
    m_orderAt = layout.orderAt;
    m_textStartsAt = layout.textStartsAt;
    m_postingStartsAt = layout.postingStartsAt;
    m_postingsAt = layout.postingsAt;
    m_textsAt = layout.textsAt;
    m_blocksEnd = layout.end;
    m_sound = true;
}

const StoreIndexFile::Source &StoreIndexFile::source() const
{
    return headerOf(m_header).source;
}

QByteArray StoreIndexFile::headerWith(const Source &source) const
{
    Header changed = headerOf(m_header);
    changed.source = source;
    changed.headerHash = headerHashOf(&changed);
    return QByteArray(reinterpret_cast<const char *>(&changed), sizeof changed);
}

quint32 StoreIndexFile::records() const
{
    return m_sound ? quint32(headerOf(m_header).records) : 0;
}

quint32 StoreIndexFile::meaningCount() const
{
    return m_sound ? quint32(headerOf(m_header).meanings) : 0;
}

bool StoreIndexFile::fail()
{
    m_damaged = true;
    return false;
}

bool StoreIndexFile::readPages(quint64 first, quint64 count, QByteArray &pages)
{
    pages = readAt(m_device, PageSize * (first + 1), PageSize * count);
    if (quint64(pages.size()) != PageSize * count)
        return fail();
    for (quint64 i = 0; i < count; ++i) {
        if (contentHash(QByteArrayView(pages).sliced(qsizetype(PageSize * i), qsizetype(PageSize)))
            != m_pageHashes[first + i])
            return fail();
    }
    return true;
}

// Copies the bytes from at on, a run of pages at a time, each page checked.
bool StoreIndexFile::readBlock(quint64 at, quint64 bytes, char *out)
{
    constexpr quint64 Run = 256;
    if (!m_sound || m_damaged || at < PageSize || at + bytes > m_blocksEnd)
        return fail();
    QByteArray pages;
    for (quint64 done = 0; done < bytes;) {
        const quint64 first = (at + done - PageSize) / PageSize;
        const quint64 count = qMin(Run, pagesFor(at + bytes - PageSize) - first);
        if (!readPages(first, count, pages))
            return false;
        const quint64 from = at + done - PageSize * (first + 1);
        const quint64 taken = qMin(bytes - done, PageSize * count - from);
        std::memcpy(out + done, pages.constData() + from, taken);
        done += taken;
    }
    return true;
}

quint32 StoreIndexFile::valueAt(quint64 at)
{
    if (!m_sound || m_damaged || at < PageSize || at + 4 > m_blocksEnd)
        return fail(), 0;
    const quint64 page = (at - PageSize) / PageSize;
    auto known = m_pages.find(page);
    if (known == m_pages.end()) {
        QByteArray read;
        if (!readPages(page, 1, read))
            return 0;
        known = m_pages.emplace(page, std::move(read)).first;
    }
    quint32 value = 0;
    std::memcpy(&value, known->second.constData() + (at - PageSize * (page + 1)), sizeof value);
    return value;
}

quint32 StoreIndexFile::offset(quint32 handle)
{
    return handle < records() ? valueAt(m_offsetsAt + 4 * quint64(handle)) : (fail(), 0);
}

Handle StoreIndexFile::handleAt(quint32 position)
{
    const Handle handle = position < records() ? valueAt(m_orderAt + 4 * quint64(position)) : (fail(), 0);
    return handle < records() ? handle : (fail(), 0);
}

QString StoreIndexFile::meaning(quint32 i)
{
    if (i >= meaningCount())
        return fail(), QString();
    const quint32 start = valueAt(m_textStartsAt + 4 * quint64(i));
    const quint32 end = valueAt(m_textStartsAt + 4 * quint64(i) + 4);
    if (start > end || end > headerOf(m_header).textUnits)
        return fail(), QString();
    QString text(qsizetype(end - start), Qt::Uninitialized);
    if (!readBlock(m_textsAt + 2 * quint64(start), 2 * quint64(end - start), reinterpret_cast<char *>(text.data())))
        return QString();
    return text;
}

std::pair<quint32, quint32> StoreIndexFile::postingRange(quint32 i)
{
    if (i >= meaningCount())
        return fail(), std::pair<quint32, quint32>();
    const quint32 first = valueAt(m_postingStartsAt + 4 * quint64(i));
    const quint32 end = valueAt(m_postingStartsAt + 4 * quint64(i) + 4);
    if (first > end || end > headerOf(m_header).postings)
        return fail(), std::pair<quint32, quint32>();
    return {first, end};
}

Handle StoreIndexFile::posting(quint32 j)
{
    const quint64 postings = m_sound ? headerOf(m_header).postings : 0;
    const Handle handle = j < postings ? valueAt(m_postingsAt + 4 * quint64(j)) : (fail(), 0);
    return handle < records() ? handle : (fail(), 0);
}

template <typename T> bool StoreIndexFile::readValues(quint64 at, quint64 count, std::vector<T> &out)
{
    out.resize(count);
    return readBlock(at, count * sizeof(T), reinterpret_cast<char *>(out.data()));
}

bool StoreIndexFile::readOrderAndMeanings(std::vector<Handle> &order, MeaningIndex::Table &meanings)
{
    if (!m_sound)
        return false;
    const Header &h = headerOf(m_header);
    return readValues(m_orderAt, h.records, order) && readValues(m_textStartsAt, h.meanings + 1, meanings.textStarts)
        && readValues(m_postingStartsAt, h.meanings + 1, meanings.postingStarts)
        && readValues(m_postingsAt, h.postings, meanings.postings) && readValues(m_textsAt, h.textUnits, meanings.texts)
        && StoreIndex::isPermutation(order) && meanings.fits(order.size());
}
