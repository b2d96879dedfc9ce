// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagingtesthelpers.h"

#include <QFile>

#include <array>
#include <cstdlib>

namespace quorvel::test
{
namespace
{

void appendBigEndian16(QByteArray *out, int value)
{
    out->append(char((value >> 8) & 0xFF));
    out->append(char(value & 0xFF));
}

void appendBigEndian32(QByteArray *out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out->append(char((value >> shift) & 0xFF));
}

void appendLittleEndian16(QByteArray *out, int value)
{
    out->append(char(value & 0xFF));
    out->append(char((value >> 8) & 0xFF));
}

void appendSegment(QByteArray *out, int marker, const QByteArray &payload)
{
    out->append(char(0xFF));
    out->append(char(marker));
    appendBigEndian16(out, int(payload.size()) + 2);
    out->append(payload);
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendPngChunk(QByteArray *out, const char *type, const QByteArray &data)
{
    appendBigEndian32(out, quint32(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    out->append(typed);
    appendBigEndian32(out, crc32(typed));
}

// LSB-first bit packing of LZW codes, as GIF stores them.
class BitWriter
{
public:
    void put(int code, int bits)
    {
        m_accumulator |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_accumulator & 0xFF));
            m_accumulator >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_accumulator & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_accumulator = 0;
    int m_count = 0;
};

// Every index is sent as a literal; a clear code every 250 literals keeps the decoder's
// table from reaching 512 entries, so every code stays 9 bits wide.
QByteArray lzwLiterals(const QByteArray &indices)
{
    constexpr int kMinCodeSize = 8;
    constexpr int kClear = 1 << kMinCodeSize;
    constexpr int kEnd = kClear + 1;
    constexpr int kBits = kMinCodeSize + 1;
    BitWriter writer;
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i % 250 == 0)
            writer.put(kClear, kBits);
        writer.put(quint8(indices[i]), kBits);
    }
    writer.put(kEnd, kBits);
    const QByteArray packed = writer.finish();
    QByteArray out;
    out.append(char(kMinCodeSize));
    for (qsizetype pos = 0; pos < packed.size(); pos += 255) {
        const QByteArray block = packed.mid(pos, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    return out;
}

QByteArray interlacedOrder(const QByteArray &indices, int width, int height)
{
    QByteArray out;
    static constexpr std::array<int, 4> kStart = { 0, 4, 2, 1 };
    static constexpr std::array<int, 4> kStep = { 8, 8, 4, 2 };
    for (size_t pass = 0; pass < kStart.size(); ++pass) {
        for (int row = kStart[pass]; row < height; row += kStep[pass])
            out.append(indices.mid(qsizetype(row) * width, width));
    }
    return out;
}

} // namespace

double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 255.0;
    const QImage ra = a.convertToFormat(QImage::Format_RGB888);
    const QImage rb = b.convertToFormat(QImage::Format_RGB888);
    qint64 sum = 0;
    for (int y = 0; y < ra.height(); ++y) {
        const uchar *pa = ra.constScanLine(y);
        const uchar *pb = rb.constScanLine(y);
        for (int x = 0; x < ra.width() * 3; ++x)
            sum += std::abs(int(pa[x]) - int(pb[x]));
    }
    return double(sum) / (qint64(ra.width()) * ra.height() * 3);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray jpegHeaderOnly(int width, int height, bool progressive, int paddingBytes)
{
    QByteArray out("\xFF\xD8", 2);
    while (paddingBytes > 0) {
        const int length = std::min(paddingBytes, 65533);
        appendSegment(&out, 0xFE, QByteArray(length, 'x'));
        paddingBytes -= length;
    }
    QByteArray sof;
    sof.append(char(8));
    appendBigEndian16(&sof, height);
    appendBigEndian16(&sof, width);
    sof.append(char(3));
    sof.append(QByteArray("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9)); // Y 2x2, Cb and Cr 1x1
    appendSegment(&out, progressive ? 0xC2 : 0xC0, sof);
    // Real tables, so that a decoder that took the header at its word would go on to
    // allocate the picture and decode it: quantisers of 1, and Huffman tables with a
    // single one-bit code for "difference 0" (DC) and "end of block" (AC).
    for (const char id : { '\x00', '\x01' }) {
        appendSegment(&out, 0xDB, QByteArray(1, id) + QByteArray(64, '\x01'));
        for (const char tableClass : { '\x00', '\x10' }) {
            QByteArray dht(1, char(tableClass | id));
            dht.append('\x01');
            dht.append(QByteArray(15, '\0'));
            dht.append('\0');
            appendSegment(&out, 0xC4, dht);
        }
    }
    // First scan: all components; progressive: the DC scan, baseline: everything.
    const QByteArray sos = progressive ? QByteArray("\x03\x01\x00\x02\x11\x03\x11\x00\x00\x00", 10)
                                       : QByteArray("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10);
    appendSegment(&out, 0xDA, sos);
    out.append(QByteArray(16, '\0'));
    out.append("\xFF\xD9", 2);
    return out;
}

namespace
{

QByteArray box(const char *type, const QByteArray &content)
{
    QByteArray out;
    appendBigEndian32(&out, quint32(8 + content.size()));
    return out + QByteArray(type, 4) + content;
}

// A box with a version and flags, both 0.
QByteArray fullBox(const char *type, const QByteArray &content)
{
    return box(type, QByteArray(4, '\0') + content);
}

} // namespace

QByteArray heifHeaderOnly(quint32 width, quint32 height, bool av1)
{
    const QByteArray brand = av1 ? "avif" : "heic";
    const QByteArray ftyp = box("ftyp", brand + QByteArray(4, '\0') + "mif1" + brand);
    // An empty decoder configuration: the sizes are all a reader needs before decoding.
    const QByteArray config = av1 ? box("av1C", QByteArray("\x81\x00\x0C\x00", 4))
                                  : box("hvcC", QByteArray("\x01", 1) + QByteArray(21, '\0') + QByteArray(1, '\0'));
    QByteArray size;
    appendBigEndian32(&size, width);
    appendBigEndian32(&size, height);
    const QByteArray ipco = box("ipco", config + fullBox("ispe", size));
    QByteArray ipma;
    appendBigEndian32(&ipma, 1); // one item: 1, with the configuration (essential) and the size
    appendBigEndian16(&ipma, 1);
    ipma.append(QByteArray("\x02\x81\x02", 3));
    const QByteArray iprp = box("iprp", ipco + fullBox("ipma", ipma));
    QByteArray infe;
    appendBigEndian16(&infe, 1); // item 1
    appendBigEndian16(&infe, 0);
    infe.append(av1 ? "av01" : "hvc1");
    infe.append('\0');
    QByteArray infeBox = box("infe", QByteArray("\x02\x00\x00\x00", 4) + infe); // version 2
    QByteArray iinf;
    appendBigEndian16(&iinf, 1);
    const QByteArray hdlr = fullBox("hdlr", QByteArray(4, '\0') + "pict" + QByteArray(13, '\0'));
    QByteArray pitm;
    appendBigEndian16(&pitm, 1);
    const QByteArray data(16, '\0'); // where the coded picture would be
    // The location of item 1's data (offsets of 4 bytes), known once the rest is laid out.
    const auto iloc = [&](quint32 offset) {
        QByteArray content("\x44\x00", 2);
        appendBigEndian16(&content, 1);
        appendBigEndian16(&content, 1);
        appendBigEndian16(&content, 0);
        appendBigEndian16(&content, 1);
        appendBigEndian32(&content, offset);
        appendBigEndian32(&content, quint32(data.size()));
        return fullBox("iloc", content);
    };
    const auto meta = [&](quint32 offset) {
        return fullBox("meta", hdlr + fullBox("pitm", pitm) + iloc(offset) + fullBox("iinf", iinf + infeBox) + iprp);
    };
    const quint32 dataOffset = quint32(ftyp.size() + meta(0).size() + 8);
    return ftyp + meta(dataOffset) + box("mdat", data);
}

QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    QByteArray out("\x89PNG\r\n\x1A\n", 8);
    QByteArray ihdr;
    appendBigEndian32(&ihdr, width);
    appendBigEndian32(&ihdr, height);
    ihdr.append(QByteArray("\x08\x02\x00\x00\x00", 5)); // 8-bit RGB, no interlace
    appendPngChunk(&out, "IHDR", ihdr);
    appendPngChunk(&out, "IDAT", QByteArray("\x78\x9C\x03\x00\x00\x00\x00\x01", 8));
    appendPngChunk(&out, "IEND", QByteArray());
    return out;
}

QByteArray webpHeaderOnly(quint32 width, quint32 height, bool animated)
{
    const auto le = [](QByteArray *out, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out->append(char((value >> (8 * i)) & 0xFF));
    };
    QByteArray chunks("VP8X");
    le(&chunks, 10, 4);
    le(&chunks, animated ? 0x02 : 0x00, 4); // flags: animation
    le(&chunks, width - 1, 3);
    le(&chunks, height - 1, 3);
    if (animated) {
        chunks.append("ANIM");
        le(&chunks, 6, 4);
        le(&chunks, 0xFFFFFFFF, 4); // background colour
        le(&chunks, 0, 2); // loop count
    } else {
        chunks.append("VP8L");
        le(&chunks, 6, 4);
        chunks.append(char(0x2F));
        le(&chunks, ((width - 1) & 0x3FFF) | ((height - 1) & 0x3FFF) << 14, 4);
        chunks.append(char(0));
    }
    QByteArray out("RIFF");
    le(&out, quint32(chunks.size() + 4), 4);
    return out + "WEBP" + chunks;
}

QByteArray tiffHeaderOnly(quint32 width, quint32 height)
{
    const auto le = [](QByteArray *out, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out->append(char((value >> (8 * i)) & 0xFF));
    };
    struct Entry {
        quint16 tag;
        quint16 type; // 3 SHORT, 4 LONG
        quint32 value;
    };
    const quint32 pixels = 8 + 2 + 9 * 12 + 4;
    const Entry entries[] = {
        { 256, 4, width },
        { 257, 4, height },
        { 258, 3, 8 },
        { 259, 3, 1 },
        { 262, 3, 1 },
        { 273, 4, pixels },
        { 277, 3, 1 },
        { 278, 4, height },
        { 279, 4, width * height },
    };
    QByteArray out("II*\0", 4);
    le(&out, 8, 4);
    le(&out, 9, 2);
    for (const Entry &e : entries) {
        le(&out, e.tag, 2);
        le(&out, e.type, 2);
        le(&out, 1, 4);
        le(&out, e.value, 4);
    }
    le(&out, 0, 4); // no next directory
    return out + QByteArray(64, '\x80');
}

QByteArray gifFile(int screenWidth, int screenHeight, const QList<QRgb> &palette, const QList<GifFrame> &frames)
{
    int bits = 1;
    while ((1 << bits) < palette.size())
        ++bits;
    QByteArray out("GIF89a");
    appendLittleEndian16(&out, screenWidth);
    appendLittleEndian16(&out, screenHeight);
    out.append(char(0x80 | 0x70 | (bits - 1))); // global table, 8-bit colour resolution
    out.append(char(0)); // background index
    out.append(char(0)); // aspect
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    for (const GifFrame &frame : frames) {
        if (frame.transparentIndex >= 0) {
            out.append(QByteArray("\x21\xF9\x04\x01\x00\x00", 6)); // transparency flag, no delay
            out.append(char(frame.transparentIndex));
            out.append(char(0));
        }
        out.append(char(0x2C));
        appendLittleEndian16(&out, frame.left);
        appendLittleEndian16(&out, frame.top);
        appendLittleEndian16(&out, frame.width);
        appendLittleEndian16(&out, frame.height);
        out.append(char(frame.interlaced ? 0x40 : 0x00));
        out.append(
            lzwLiterals(frame.interlaced ? interlacedOrder(frame.indices, frame.width, frame.height) : frame.indices));
    }
    out.append(char(0x3B));
    return out;
}

} // namespace quorvel::test
