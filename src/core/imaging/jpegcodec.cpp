// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows libjpeg, with jpegdc.cpp (the fast path of 1/8 decodes, which
// reads the state jpeg_read_header leaves but calls nothing of libjpeg's, so needs none
// of what follows). libjpeg reports errors by calling error_exit, which
// must not return; we longjmp back into guarded(), a function that holds nothing but
// plain pointers. Every step that calls libjpeg runs inside guarded() and keeps only
// trivially destructible locals, so a longjmp never skips a destructor. Objects with
// destructors (QImage, QByteArray) are created in the caller between the steps.
#include "imaging/jpegcodec.h"

#include "imaging/colorprofile.h"
#include "imaging/jpegdc.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <jpeglib.h>
#include <limits>
#include <memory>
#include <new>
// jerror.h needs jpeglib.h, which needs <cstdio>, before it
#include <jerror.h>

namespace quorvel::jpeg
{
namespace
{

constexpr int kScaleDenominator = 8;
constexpr int kExifMarker = JPEG_APP0 + 1;
constexpr int kIccMarker = JPEG_APP0 + 2;
constexpr int kMaxSegmentLength = 0xFFFF;
// A progressive file may cut its picture into any number of scans, and every scan walks
// the whole picture: a few thousand tiny scans make a small file that takes minutes to
// decode. Real files have about ten; a file with more than this many is refused.
constexpr int kMaxScans = 1000;
constexpr int kTooManyScans = -1; // our own error code beside libjpeg's
constexpr char kExifSignature[] = "Exif\0\0"; // 6 bytes with the terminating NUL

struct ErrorManager {
    jpeg_error_mgr pub; // first, so that a j_common_ptr's err can be cast to ErrorManager
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    char warning[JMSG_LENGTH_MAX]; // the first warning the decode went past, if any
    int code;
    int unreadMarker; // the marker a decompressor's entropy decoder ran into, if any
};

// Warnings that mean the picture data is missing or garbage: the decode fails instead
// of returning a picture that is grey or scrambled from some row on. The other warnings
// (extraneous bytes before a marker, unknown JFIF revision or Adobe transform, an
// irregular progression or scan header, a bad ICC segment) leave a usable picture.
bool isFatalWarning(int code)
{
    switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void jumpBack(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    err->code = cinfo->err->msg_code;
    const auto *dinfo = cinfo->is_decompressor ? reinterpret_cast<j_decompress_ptr>(cinfo) : nullptr;
    err->unreadMarker = dinfo ? dinfo->unread_marker : 0;
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onErrorExit(j_common_ptr cinfo)
{
    jumpBack(cinfo);
}

// Replaces libjpeg's default, which prints to stderr without naming the file: the
// first warning is kept for the caller, who knows the file, to report.
void onEmitMessage(j_common_ptr cinfo, int msgLevel)
{
    if (msgLevel >= 0)
        return; // trace messages
    if (isFatalWarning(cinfo->err->msg_code))
        jumpBack(cinfo);
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    if (cinfo->err->num_warnings++ == 0)
        (*cinfo->err->format_message)(cinfo, err->warning);
}

void onOutputMessage(j_common_ptr) { }

// Called by the decoder as it reads the file, at least once per row of blocks.
void onProgress(j_common_ptr cinfo)
{
    if (!cinfo->is_decompressor || reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= kMaxScans)
        return;
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    err->code = kTooManyScans;
    err->message[0] = '\0';
    std::longjmp(err->jump, 1);
}

void initErrorManager(ErrorManager *err)
{
    jpeg_std_error(&err->pub);
    err->pub.error_exit = onErrorExit;
    err->pub.emit_message = onEmitMessage;
    err->pub.output_message = onOutputMessage;
    err->code = 0;
    err->unreadMarker = 0;
    err->message[0] = '\0';
    err->warning[0] = '\0';
}

using Step = void (*)(void *context);

// Runs step; returns false when libjpeg reported an error through err.
bool guarded(ErrorManager *err, Step step, void *context)
{
    if (setjmp(err->jump) != 0)
        return false;
    step(context);
    return true;
}

// endSupplied: the source has given libjpeg the end marker the file lacked (see Source).
QString describeError(const ErrorManager &err, bool endSupplied)
{
    const QString detail = QString::fromLocal8Bit(err.message);
    // Picture data that runs into the end marker the source supplied ends early: the file
    // is cut short. Data that runs into the file's own end marker is corrupt: the decoder
    // lost its way and took more than the picture holds.
    const bool ranOut = err.code == JWRN_HIT_MARKER && err.unreadMarker == JPEG_EOI && endSupplied;
    switch (ranOut ? int(JWRN_JPEG_EOF) : err.code) {
    case kTooManyScans:
        return QCoreApplication::translate(
            "Picture", "The JPEG file is cut into more than %1 scans, far more than any picture needs.")
            .arg(kMaxScans);
    case JWRN_JPEG_EOF:
    case JERR_INPUT_EOF:
    case JERR_INPUT_EMPTY:
        return QCoreApplication::translate(
            "Picture", "The JPEG file is truncated: its data ends before the picture is complete.");
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
        return QCoreApplication::translate("Picture", "The JPEG file is damaged: its picture data is corrupt (%1).")
            .arg(detail);
    case JERR_IMAGE_TOO_BIG:
        return QCoreApplication::translate("Picture", "The picture is too large for JPEG (%1).").arg(detail);
    case JERR_NO_BACKING_STORE:
    case JERR_OUT_OF_MEMORY:
        return QCoreApplication::translate(
            "Picture", "The JPEG picture needs more memory to decode than the %1 MB allowed.")
            .arg(kMaxWorkingMemory / (1024 * 1024));
    default:
        return QCoreApplication::translate("Picture", "The JPEG file cannot be read: %1.").arg(detail);
    }
}

// ---------------------------------------------------------------------------------------
// Reading the file

// A file up to this size is read whole, in one go: any photograph's is.
constexpr qint64 kWholeFile = qint64(32) << 20;
// A larger file is read from this much on, doubling, until its picture data's end.
constexpr qint64 kFirstStep = qint64(1) << 20;
// The most of a larger file's picture data held in memory for the DC-only readers, which
// need it whole; a file whose data goes on beyond it is read by libjpeg piece by piece.
constexpr qint64 kMaxHeldData = qint64(128) << 20;
// The pieces libjpeg is given of a file it reads piece by piece.
constexpr qint64 kPiece = qint64(64) << 10;

// Where a JPEG's data ends: just after its end marker, found by walking the file as
// libjpeg reads it (marker segments passed over by their length, the entropy-coded data
// of the scans, in which 0xFF is followed by a stuffed zero or a restart marker, and any
// bytes between segments). Goes on where it stopped as more of the file arrives.
class DataEnd
{
public:
    /// The offset just after the end marker, or -1 when data[0, size) does not reach it.
    qint64 find(const unsigned char *data, qint64 size)
    {
        while (m_position < size) {
            const auto *found =
                static_cast<const unsigned char *>(std::memchr(data + m_position, 0xFF, size_t(size - m_position)));
            if (!found) {
                m_position = size;
                return -1;
            }
            const qint64 at = found - data;
            qint64 code = at + 1;
            while (code < size && data[code] == 0xFF)
                ++code; // fill bytes
            if (code >= size) {
                m_position = at;
                return -1;
            }
            const int marker = data[code];
            if (marker == JPEG_EOI)
                return code + 1;
            // a stuffed zero, a restart marker, and the markers without a segment
            if (marker == 0 || (marker >= JPEG_RST0 && marker <= JPEG_RST0 + 7) || marker == 0x01 || marker == 0xD8) {
                m_position = code + 1;
                continue;
            }
            if (code + 2 >= size) {
                m_position = at;
                return -1;
            }
            const int length = data[code + 1] << 8 | data[code + 2];
            if (length < 2)
                return code + 1; // libjpeg refuses the file at this marker
            m_position = code + 1 + length;
        }
        return -1;
    }

private:
    qint64 m_position = 2; // after the start marker
};

// What libjpeg reads: the bytes held in memory, from the file's start, then, when the
// held bytes are not the whole picture, the rest of the file piece by piece.
struct Input {
    const unsigned char *held = nullptr;
    qint64 heldSize = 0;
    QIODevice *rest = nullptr; // null when held has all that is to be read
    qint64 totalSize = 0; // of the file
};

// libjpeg's source: the held bytes, then the rest of the file in pieces, then an end
// marker when the data lacks one. libjpeg's memory source warns of a premature end as
// soon as the entropy decoder reads ahead past the last byte, even when every bit it
// needs is there; the end marker makes it stop there instead, and warn only when bits
// are really missing, so a complete picture without its end marker still decodes.
struct Source {
    jpeg_source_mgr pub; // first, so that cinfo->src can be cast to Source
    Input input;
    enum class Stage { Held, Rest, End, Past } stage = Stage::Held;
    std::unique_ptr<JOCTET[]> piece;
    JOCTET lastTwo[2] = { 0, 0 }; // the last two bytes given
    bool endSupplied = false; // the end marker the data lacked was given
};

constexpr JOCTET kEndMarker[] = { 0xFF, JPEG_EOI };

void sourceInit(j_decompress_ptr) { }

void sourceGive(Source *source, const JOCTET *bytes, size_t count)
{
    source->pub.next_input_byte = bytes;
    source->pub.bytes_in_buffer = count;
    if (count >= 2) {
        source->lastTwo[0] = bytes[count - 2];
        source->lastTwo[1] = bytes[count - 1];
    } else if (count == 1) {
        source->lastTwo[0] = source->lastTwo[1];
        source->lastTwo[1] = bytes[0];
    }
}

boolean sourceFill(j_decompress_ptr cinfo)
{
    auto *source = reinterpret_cast<Source *>(cinfo->src);
    if (source->stage == Source::Stage::Held) {
        source->stage = source->input.rest ? Source::Stage::Rest : Source::Stage::End;
        if (source->input.heldSize > 0) {
            sourceGive(source, source->input.held, size_t(source->input.heldSize));
            return TRUE;
        }
    }
    if (source->stage == Source::Stage::Rest) {
        const qint64 got = source->input.rest->read(reinterpret_cast<char *>(source->piece.get()), kPiece);
        if (got > 0) {
            sourceGive(source, source->piece.get(), size_t(got));
            return TRUE;
        }
        source->stage = Source::Stage::End;
    }
    if (source->stage == Source::Stage::End) {
        source->stage = Source::Stage::Past;
        if (source->lastTwo[0] != 0xFF || source->lastTwo[1] != JPEG_EOI) {
            source->endSupplied = true;
            sourceGive(source, kEndMarker, 2);
            return TRUE;
        }
    }
    // Asked for more after the end, as libjpeg's own sources do: a warning and an end marker.
    WARNMS(cinfo, JWRN_JPEG_EOF);
    source->endSupplied = true;
    sourceGive(source, kEndMarker, 2);
    return TRUE;
}

void sourceSkip(j_decompress_ptr cinfo, long count)
{
    jpeg_source_mgr *pub = cinfo->src;
    while (count > long(pub->bytes_in_buffer)) {
        count -= long(pub->bytes_in_buffer);
        (*pub->fill_input_buffer)(cinfo);
    }
    if (count > 0) {
        pub->next_input_byte += count;
        pub->bytes_in_buffer -= size_t(count);
    }
}

void sourceTerm(j_decompress_ptr) { }

void useSource(j_decompress_ptr cinfo, Source *source)
{
    source->pub.init_source = sourceInit;
    source->pub.fill_input_buffer = sourceFill;
    source->pub.skip_input_data = sourceSkip;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = sourceTerm;
    source->pub.next_input_byte = nullptr;
    source->pub.bytes_in_buffer = 0;
    if (source->input.rest)
        source->piece.reset(new JOCTET[size_t(kPiece)]);
    cinfo->src = &source->pub;
}

// The bytes of a file held in memory; malloc'd, so that it grows in place (realloc) and
// an allocation that fails is an answer, not an exception.
class Held
{
public:
    Held() = default;
    ~Held()
    {
        std::free(m_data);
    }
    Held(const Held &) = delete;
    Held &operator=(const Held &) = delete;

    const unsigned char *data() const
    {
        return m_data;
    }
    qint64 size() const
    {
        return m_size;
    }
    /// Grows or shrinks to size bytes, keeping the first ones; false, unchanged, when
    /// the memory cannot be had.
    bool resize(qint64 size)
    {
        if (size <= 0 || quint64(size) > std::numeric_limits<size_t>::max())
            return false;
        auto *data = static_cast<unsigned char *>(std::realloc(m_data, size_t(size)));
        if (!data)
            return false;
        m_data = data;
        m_size = size;
        return true;
    }
    /// Keeps the first size bytes only, giving the rest of the memory back.
    void truncate(qint64 size)
    {
        if (size < 0 || size >= m_size)
            return;
        if (size > 0) {
            if (auto *data = static_cast<unsigned char *>(std::realloc(m_data, size_t(size))))
                m_data = data;
        }
        m_size = size;
    }
    /// Reads the file into [from, size): false when it cannot be read. A file that ends
    /// sooner (it shrank meanwhile) is held as far as it goes.
    bool readFrom(QIODevice &file, qint64 from)
    {
        while (from < m_size) {
            const qint64 got = file.read(reinterpret_cast<char *>(m_data) + from, m_size - from);
            if (got < 0)
                return false;
            if (got == 0) {
                truncate(from);
                break;
            }
            from += got;
        }
        return true;
    }

private:
    unsigned char *m_data = nullptr;
    qint64 m_size = 0;
};

// Reads what the decoders need of an open JPEG file into held and says whether that is
// all of it: the whole file when it is small; else the file as far as its picture data's
// end marker, in growing steps, or, when that is not within kMaxHeldData (or that much
// memory cannot be had), as much as was read, the rest being for libjpeg to read piece
// by piece. So memory never grows with what follows the picture data. Returns the
// error, or an empty string.
QString readFile(QIODevice &file, Held &held, bool *whole)
{
    const qint64 size = file.size();
    *whole = true;
    if (size <= 0)
        return QCoreApplication::translate("Picture", "The file is empty.");
    if (!held.resize(size <= kWholeFile ? size : kFirstStep))
        return QCoreApplication::translate("Picture", "There is not enough memory to read the picture.");
    const auto readError = [&] {
        return QCoreApplication::translate("Picture", "The file cannot be read: %1.").arg(file.errorString());
    };
    if (!held.readFrom(file, 0))
        return readError();
    if (held.size() == 0)
        return QCoreApplication::translate("Picture", "The file is empty.");
    DataEnd dataEnd;
    for (qint64 read = 0; held.size() < size && held.size() > read;) {
        const qint64 end = dataEnd.find(held.data(), held.size());
        if (end >= 0) {
            held.truncate(end);
            return {};
        }
        read = held.size();
        if (read >= kMaxHeldData || !held.resize(std::min({ size, 2 * read, kMaxHeldData }))) {
            *whole = false; // the file is at read: libjpeg goes on from there
            return {};
        }
        if (!held.readFrom(file, read))
            return readError();
    }
    return {};
}

// ---------------------------------------------------------------------------------------
// Decoding

enum class OutputKind { Unsupported, Rgb, Gray, Cmyk };

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    Source source;
    DecodeOptions options;
    OutputKind kind = OutputKind::Unsupported;
    int scaleNumerator = kScaleDenominator;
    JOCTET *icc = nullptr;
    unsigned int iccLength = 0;
    unsigned char *pixels = nullptr;
    size_t bytesPerLine = 0;
    jpeg_progress_mgr progress {};
    bool dcOnly = false; // buffered-image mode, output after the DC scans

    Decoder()
    {
        std::memset(&cinfo, 0, sizeof cinfo);
        initErrorManager(&err);
        cinfo.err = &err.pub;
        progress.progress_monitor = onProgress;
    }
    ~Decoder()
    {
        jpeg_destroy_decompress(&cinfo); // safe on a partly created struct (checks cinfo.mem)
        std::free(icc);
    }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;
};

void setScale(jpeg_decompress_struct *cinfo, int numerator)
{
    cinfo->scale_num = static_cast<unsigned int>(numerator);
    cinfo->scale_denom = kScaleDenominator;
    jpeg_calc_output_dimensions(cinfo);
}

void stepReadHeader(void *context)
{
    auto *d = static_cast<Decoder *>(context);
    jpeg_decompress_struct *cinfo = &d->cinfo;
    jpeg_create_decompress(cinfo);
    cinfo->progress = &d->progress;
    cinfo->mem->max_memory_to_use = kMaxWorkingMemory;
    useSource(cinfo, &d->source);
    jpeg_save_markers(cinfo, kExifMarker, kMaxSegmentLength);
    jpeg_save_markers(cinfo, kIccMarker, kMaxSegmentLength);
    jpeg_read_header(cinfo, TRUE);

    switch (cinfo->jpeg_color_space) {
    case JCS_GRAYSCALE:
        d->kind = OutputKind::Gray;
        cinfo->out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        d->kind = OutputKind::Rgb;
        cinfo->out_color_space = JCS_RGB;
        break;
    case JCS_CMYK:
    case JCS_YCCK: // libjpeg turns YCCK into CMYK
        d->kind = OutputKind::Cmyk;
        cinfo->out_color_space = JCS_CMYK;
        break;
    default:
        d->kind = OutputKind::Unsupported;
        return;
    }

    const DecodeOptions &o = d->options;
    cinfo->dct_method = static_cast<J_DCT_METHOD>(std::clamp(o.dctMethod, int(JDCT_ISLOW), int(JDCT_FLOAT)));
    cinfo->do_fancy_upsampling = o.fancyUpsampling ? TRUE : FALSE;
    cinfo->dither_mode = o.ditherPolicy == 1
        ? JDITHER_NONE
        : static_cast<J_DITHER_MODE>(std::clamp(o.ditherMethod, int(JDITHER_NONE), int(JDITHER_FS)));
    cinfo->two_pass_quantize = o.twoPassQuantize ? TRUE : FALSE;
    cinfo->quantize_colors = FALSE;

    // The stored size is known now; scaleNumeratorFor() uses the same rounding.
    int numerator = kScaleDenominator;
    if (o.minLongSide > 0) {
        for (numerator = 1; numerator < kScaleDenominator; numerator += o.powerOfTwoScales ? numerator : 1) {
            setScale(cinfo, numerator);
            if (std::max(cinfo->output_width, cinfo->output_height) >= JDIMENSION(o.minLongSide))
                break;
        }
    }
    d->scaleNumerator = numerator;
    setScale(cinfo, numerator);

    // At 1/8 every output pixel of a block is its DC value (the chroma of a subsampled
    // picture adds its first AC coefficients), so a progressive file can be output
    // from its DC scans. Block smoothing would invent AC coefficients: off.
    d->dcOnly = o.progressiveDcOnly && numerator == 1 && cinfo->progressive_mode && jpeg_has_multiple_scans(cinfo);
    if (d->dcOnly) {
        cinfo->buffered_image = TRUE;
        cinfo->do_block_smoothing = FALSE;
    }

    if (!jpeg_read_icc_profile(cinfo, &d->icc, &d->iccLength)) {
        d->icc = nullptr;
        d->iccLength = 0;
    }
}

void stepStart(void *context)
{
    auto *d = static_cast<Decoder *>(context);
    jpeg_start_decompress(&d->cinfo);
}

// Whether every component's DC coefficient has all of its bits (coef_bits[c][0] is
// the lowest bit still missing, -1 before the component's first DC scan).
bool dcComplete(const jpeg_decompress_struct &cinfo)
{
    for (int c = 0; c < cinfo.num_components; ++c) {
        if (cinfo.coef_bits[c][0] != 0)
            return false;
    }
    return true;
}

// Buffered-image mode: reads scans until the DC is complete (or the data ends), then
// starts the one output pass, from the coefficients read so far.
void stepConsumeDc(void *context)
{
    auto *d = static_cast<Decoder *>(context);
    jpeg_decompress_struct *cinfo = &d->cinfo;
    for (;;) {
        const int status = jpeg_consume_input(cinfo);
        if (status == JPEG_REACHED_EOI || status == JPEG_SUSPENDED)
            break;
        if (status == JPEG_SCAN_COMPLETED && dcComplete(*cinfo))
            break;
    }
    jpeg_start_output(cinfo, cinfo->input_scan_number);
}

void stepReadLines(void *context)
{
    auto *d = static_cast<Decoder *>(context);
    jpeg_decompress_struct *cinfo = &d->cinfo;
    constexpr int kBatch = 16;
    JSAMPROW rows[kBatch];
    while (cinfo->output_scanline < cinfo->output_height) {
        const JDIMENSION first = cinfo->output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(kBatch, cinfo->output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = d->pixels + size_t(first + i) * d->bytesPerLine;
        jpeg_read_scanlines(cinfo, rows, count);
    }
    // jpeg_finish_decompress is not called: every pixel is in, and a missing EOI
    // after complete picture data is no reason to throw the picture away.
}

// A Huffman-coded scan spends at least one bit on the DC coefficient of every block of a
// component, so the file must hold at least that many bits for the largest component.
// Arithmetic coding can go below a bit per block, so it is not checked.
bool isPlausiblyLong(const jpeg_decompress_struct &cinfo, qint64 fileSize)
{
    if (cinfo.arith_code)
        return true;
    quint64 maxBlocks = 0;
    for (int c = 0; c < cinfo.num_components; ++c) {
        const jpeg_component_info &comp = cinfo.comp_info[c];
        maxBlocks = std::max<quint64>(maxBlocks, quint64(comp.width_in_blocks) * comp.height_in_blocks);
    }
    return quint64(fileSize) * 8 >= maxBlocks;
}

QByteArray exifSegment(const jpeg_decompress_struct &cinfo)
{
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker == kExifMarker && m->data_length >= sizeof kExifSignature - 1
            && std::memcmp(m->data, kExifSignature, sizeof kExifSignature - 1) == 0)
            return QByteArray(reinterpret_cast<const char *>(m->data), qsizetype(m->data_length));
    }
    return {};
}

} // namespace

int scaleNumeratorFor(QSize fullSize, int minLongSide)
{
    const qint64 longSide = std::max(fullSize.width(), fullSize.height());
    if (minLongSide <= 0 || longSide <= 0)
        return kScaleDenominator;
    for (int m = 1; m < kScaleDenominator; ++m) {
        if ((longSide * m + kScaleDenominator - 1) / kScaleDenominator >= minLongSide)
            return m;
    }
    return kScaleDenominator;
}

namespace
{

DecodedJpeg decodeInput(const Input &input, const DecodeOptions &options)
{
    DecodedJpeg result;
    auto d = std::make_unique<Decoder>();
    d->source.input = input;
    d->options = options;
    const auto failed = [&] {
        result.error = describeError(d->err, d->source.endSupplied);
        return result;
    };

    if (!guarded(&d->err, stepReadHeader, d.get()))
        return failed();
    const jpeg_decompress_struct &cinfo = d->cinfo;
    result.fullSize = QSize(int(cinfo.image_width), int(cinfo.image_height));
    result.scaleNumerator = d->scaleNumerator;
    result.progressive = cinfo.progressive_mode;
    result.dcOnly = d->dcOnly;
    if (d->kind == OutputKind::Unsupported) {
        result.error = QCoreApplication::translate(
            "Picture", "The JPEG file uses a colour layout this program cannot show (%1 components).")
                           .arg(cinfo.num_components);
        return result;
    }
    const qint64 pixels = qint64(cinfo.output_width) * cinfo.output_height;
    if (options.maxPixels > 0 && pixels > options.maxPixels) {
        result.error = QCoreApplication::translate(
            "Picture", "The picture is too large: %1 x %2 pixels is more than this program decodes.")
                           .arg(cinfo.output_width)
                           .arg(cinfo.output_height);
        return result;
    }
    if (!isPlausiblyLong(cinfo, input.totalSize)) {
        result.error = QCoreApplication::translate("Picture",
            "The JPEG file is truncated or damaged: it is far too short for the %1 x %2 "
            "pixels its header claims.")
                           .arg(cinfo.image_width)
                           .arg(cinfo.image_height);
        return result;
    }

    // The fast paths take baseline files, and progressive ones read as far as their DC
    // scans, held whole in memory; the others do not get their picture allocated.
    if (options.fastDc && !input.rest && d->scaleNumerator == 1 && (!cinfo.progressive_mode || d->dcOnly)
        && !cinfo.arith_code && (d->kind == OutputKind::Gray || d->kind == OutputKind::Rgb)) {
        const bool gray = d->kind == OutputKind::Gray;
        QImage image(int(cinfo.output_width),
            int(cinfo.output_height),
            gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        DcOutput out;
        out.pixels = image.isNull() ? nullptr : image.bits();
        out.bytesPerLine = image.isNull() ? 0 : size_t(image.bytesPerLine());
        out.width = image.width();
        out.height = image.height();
        out.gray = gray;
        out.memoryLimit = std::uint64_t(kMaxWorkingMemory);
        // the fast paths only read the header's tables and the data: they never call
        // libjpeg, so they need no guard
        bool taken = false;
        try {
            taken = cinfo.progressive_mode ? decodeProgressiveDc(cinfo, out) : decodeDcOnly(cinfo, out);
        } catch (const std::bad_alloc &) {
            taken = false; // libjpeg, with its own memory limit, has the last word
        }
        if (taken) {
            result.fastDc = true;
            result.iccProfile =
                d->icc ? QByteArray(reinterpret_cast<const char *>(d->icc), qsizetype(d->iccLength)) : QByteArray();
            result.exif = exifSegment(cinfo);
            result.warning = QString::fromLocal8Bit(d->err.warning);
            result.image = std::move(image);
            return result;
        }
    }

    if (!guarded(&d->err, stepStart, d.get()))
        return failed();
    const int width = int(cinfo.output_width);
    const int height = int(cinfo.output_height);
    const int components = cinfo.output_components;

    const int expectedComponents = d->kind == OutputKind::Gray ? 1 : d->kind == OutputKind::Rgb ? 3 : 4;
    if (components != expectedComponents) {
        result.error = QCoreApplication::translate(
            "Picture", "The JPEG file cannot be read: unexpected number of colour components.");
        return result;
    }

    QImage image;
    std::unique_ptr<unsigned char[]> cmyk;
    if (d->kind == OutputKind::Cmyk) {
        d->bytesPerLine = size_t(width) * 4;
        cmyk.reset(new (std::nothrow) unsigned char[d->bytesPerLine * size_t(height)]);
        d->pixels = cmyk.get();
    } else {
        image = QImage(width, height, d->kind == OutputKind::Gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        d->pixels = image.isNull() ? nullptr : image.bits();
        d->bytesPerLine = size_t(image.bytesPerLine());
    }
    if (!d->pixels) {
        result.error =
            QCoreApplication::translate("Picture", "There is not enough memory to decode the picture (%1 x %2 pixels).")
                .arg(width)
                .arg(height);
        return result;
    }

    if (d->dcOnly && !guarded(&d->err, stepConsumeDc, d.get()))
        return failed();
    if (!guarded(&d->err, stepReadLines, d.get()))
        return failed();

    const QByteArray icc =
        d->icc ? QByteArray(reinterpret_cast<const char *>(d->icc), qsizetype(d->iccLength)) : QByteArray();
    if (d->kind == OutputKind::Cmyk) {
        // Adobe's encoders, which write the APP14 marker, store CMYK inverted (0 = full ink).
        const bool inverted = cinfo.saw_Adobe_marker;
        image = colorprofile::cmykToSrgb(cmyk.get(), width, height, qsizetype(d->bytesPerLine), inverted, icc);
        if (image.isNull()) {
            result.error = QCoreApplication::translate(
                "Picture", "There is not enough memory to decode the picture (%1 x %2 pixels).")
                               .arg(width)
                               .arg(height);
            return result;
        }
    } else {
        result.iccProfile = icc;
    }
    result.exif = exifSegment(cinfo);
    result.warning = QString::fromLocal8Bit(d->err.warning);
    result.image = std::move(image);
    return result;
}

} // namespace

DecodedJpeg decode(const QByteArray &data, const DecodeOptions &options)
{
    if (data.isEmpty()) {
        DecodedJpeg result;
        result.error = QCoreApplication::translate("Picture", "The file is empty.");
        return result;
    }
    Input input;
    input.held = reinterpret_cast<const unsigned char *>(data.constData());
    input.heldSize = data.size();
    input.totalSize = data.size();
    return decodeInput(input, options);
}

DecodedJpeg decodeFile(QIODevice &file, const DecodeOptions &options)
{
    Held held;
    bool whole = true;
    if (const QString error = readFile(file, held, &whole); !error.isEmpty()) {
        DecodedJpeg result;
        result.error = error;
        return result;
    }
    Input input;
    input.held = held.data();
    input.heldSize = held.size();
    input.rest = whole ? nullptr : &file;
    input.totalSize = whole ? held.size() : file.size();
    return decodeInput(input, options);
}

// ---------------------------------------------------------------------------------------
// Encoding

namespace
{

struct Encoder {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    const unsigned char *pixels = nullptr;
    size_t bytesPerLine = 0;
    int width = 0;
    int height = 0;
    bool gray = false;
    EncodeOptions options;
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    jpeg_scan_info scans[5]; // a scan script of our own, which libjpeg reads while encoding

    Encoder()
    {
        std::memset(&cinfo, 0, sizeof cinfo);
        initErrorManager(&err);
        cinfo.err = &err.pub;
    }
    ~Encoder()
    {
        jpeg_destroy_compress(&cinfo);
        std::free(out); // allocated by jpeg_mem_dest, ours even after an error
    }
    Encoder(const Encoder &) = delete;
    Encoder &operator=(const Encoder &) = delete;
};

void stepEncode(void *context)
{
    auto *e = static_cast<Encoder *>(context);
    jpeg_compress_struct *cinfo = &e->cinfo;
    jpeg_create_compress(cinfo);
    jpeg_mem_dest(cinfo, &e->out, &e->outSize);
    cinfo->image_width = JDIMENSION(e->width);
    cinfo->image_height = JDIMENSION(e->height);
    cinfo->input_components = e->gray ? 1 : 3;
    cinfo->in_color_space = e->gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(cinfo);
    const EncodeOptions &o = e->options;
    jpeg_set_quality(cinfo, std::clamp(o.quality, 0, 100), TRUE);
    cinfo->smoothing_factor = std::clamp(o.smoothing, 0, 100);
    cinfo->optimize_coding = o.optimizeCoding ? TRUE : FALSE;
    cinfo->dct_method = static_cast<J_DCT_METHOD>(std::clamp(o.dctMethod, int(JDCT_ISLOW), int(JDCT_FLOAT)));
    if (o.progressive && o.spectralScansOnly && !e->gray) {
        // component, first and last coefficient of each scan
        static constexpr int kScans[][3] = { { -1, 0, 0 }, { 0, 1, 5 }, { 2, 1, 63 }, { 1, 1, 63 }, { 0, 6, 63 } };
        for (std::size_t i = 0; i < std::size(kScans); ++i) {
            jpeg_scan_info &scan = e->scans[i];
            scan = jpeg_scan_info {};
            const int component = kScans[i][0];
            scan.comps_in_scan = component < 0 ? 3 : 1;
            for (int c = 0; c < scan.comps_in_scan; ++c)
                scan.component_index[c] = component < 0 ? c : component;
            scan.Ss = kScans[i][1];
            scan.Se = kScans[i][2];
        }
        cinfo->scan_info = e->scans;
        cinfo->num_scans = int(std::size(kScans));
        cinfo->progressive_mode = TRUE;
    } else if (o.progressive) {
        jpeg_simple_progression(cinfo);
    }
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height) {
        // libjpeg's API takes non-const rows but only reads them
        JSAMPROW row = const_cast<unsigned char *>(e->pixels + size_t(cinfo->next_scanline) * e->bytesPerLine);
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
}

} // namespace

QByteArray encode(const QImage &image, const EncodeOptions &options, QString *error)
{
    auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return QByteArray();
    };
    if (image.isNull())
        return fail(QCoreApplication::translate("Picture", "There is no picture to encode."));
    if (image.format() != QImage::Format_RGB888 && image.format() != QImage::Format_Grayscale8)
        return fail(
            QCoreApplication::translate("Picture", "The JPEG encoder takes RGB888 or Grayscale8 pictures only."));

    auto e = std::make_unique<Encoder>();
    e->pixels = image.constBits();
    e->bytesPerLine = size_t(image.bytesPerLine());
    e->width = image.width();
    e->height = image.height();
    e->gray = image.format() == QImage::Format_Grayscale8;
    e->options = options;
    if (!guarded(&e->err, stepEncode, e.get()))
        return fail(QCoreApplication::translate("Picture", "The JPEG picture cannot be written: %1.")
                        .arg(QString::fromLocal8Bit(e->err.message)));
    if (error)
        error->clear();
    return QByteArray(reinterpret_cast<const char *>(e->out), qsizetype(e->outSize));
}

} // namespace quorvel::jpeg
