// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows libheif, and through it the HEVC (libde265) and AV1 (dav1d)
// decoders. libheif reports every failure as a returned heif_error, never by jumping
// or throwing through our frames: each handle it gives is owned by a unique_ptr from
// the moment it exists, and each error becomes one sentence here, through translation.
#include "imaging/heifcodec.h"

#include "imaging/colorprofile.h"
#include "imaging/qtimagecodec.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <libheif/heif.h>
#include <limits>
#include <memory>
#include <vector>

namespace quorvel::heif
{
namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("quorvel::heif", text);
}

struct ContextFree {
    void operator()(heif_context *context) const
    {
        heif_context_free(context);
    }
};
struct HandleRelease {
    void operator()(heif_image_handle *handle) const
    {
        heif_image_handle_release(handle);
    }
};
struct ImageRelease {
    void operator()(heif_image *image) const
    {
        heif_image_release(image);
    }
};
struct OptionsFree {
    void operator()(heif_decoding_options *options) const
    {
        heif_decoding_options_free(options);
    }
};
struct NclxFree {
    void operator()(heif_color_profile_nclx *nclx) const
    {
        heif_nclx_color_profile_free(nclx);
    }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;
using Image = std::unique_ptr<heif_image, ImageRelease>;
using Options = std::unique_ptr<heif_decoding_options, OptionsFree>;
using Nclx = std::unique_ptr<heif_color_profile_nclx, NclxFree>;

// The brands of HEIF still pictures and picture sequences, HEVC-coded (heic ...), AV1-coded
// (avif, avis) or of any coding (mif1, msf1).
constexpr const char kBrands[][5] = {
    "heic", "heix", "heim", "heis", "hevc", "hevx", "hevm", "hevs", "mif1", "mif2", "msf1", "avif", "avis", "avio"
};

bool isBrand(const char *fourcc)
{
    return std::any_of(std::begin(kBrands), std::end(kBrands), [fourcc](const char *brand) {
        return std::memcmp(brand, fourcc, 4) == 0;
    });
}

// The longest side of a picture libheif reads (its own default).
constexpr int kMaxSide = 32768;
// A file stores no more thumbnails of a picture than this that are worth a look.
constexpr int kMaxThumbnails = 8;
// A thumbnail shows the primary picture when its aspect is the picture's within this
// much (beyond the rounding of its own few pixels).
constexpr double kAspectTolerance = 0.02;

// libheif once for the process: it registers its decoders on the first call. It is never
// ended, since decodes may still run on other threads while the program exits.
void initialise()
{
    static const bool initialised = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)initialised;
}

QString tooLarge(qint64 width, qint64 height)
{
    return tr("The picture is too large: %1 x %2 pixels is more than this program decodes.").arg(width).arg(height);
}

QString notEnoughMemory()
{
    return tr("There is not enough memory to decode the HEIF picture.");
}

QString describe(const heif_error &error)
{
    const QString detail = QString::fromUtf8(error.message ? error.message : "");
    if (error.subcode == heif_suberror_Security_limit_exceeded)
        return tr("The picture is too large: the HEIF file claims more than this program decodes (%1).").arg(detail);
    switch (error.code) {
    case heif_error_Memory_allocation_error:
        return notEnoughMemory();
    case heif_error_Invalid_input:
        if (error.subcode == heif_suberror_End_of_data)
            return tr("The HEIF file is truncated: its data ends before the picture is complete.");
        return tr("The HEIF file is damaged (%1).").arg(detail);
    case heif_error_Unsupported_filetype:
        return tr("The file is not a HEIF picture this program reads (%1).").arg(detail);
    case heif_error_Unsupported_feature:
        if (error.subcode == heif_suberror_Unsupported_codec)
            return tr("The HEIF file's picture is compressed in a way this installation cannot decode (%1).")
                .arg(detail);
        return tr("The HEIF file uses a feature this program cannot decode (%1).").arg(detail);
    case heif_error_Decoder_plugin_error:
        return tr("The HEIF file is damaged: its picture data is corrupt (%1).").arg(detail);
    default:
        return tr("The HEIF file cannot be read (%1).").arg(detail);
    }
}

// ---------------------------------------------------------------------------------------
// Reading an open file: libheif asks for the pieces it needs.

QIODevice *deviceOf(void *userdata)
{
    return static_cast<QIODevice *>(userdata);
}

int64_t devicePosition(void *userdata)
{
    return deviceOf(userdata)->pos();
}

int deviceRead(void *data, size_t size, void *userdata)
{
    return deviceOf(userdata)->read(static_cast<char *>(data), qint64(size)) == qint64(size) ? 0 : 1;
}

int deviceSeek(int64_t position, void *userdata)
{
    return deviceOf(userdata)->seek(position) ? 0 : 1;
}

heif_reader_grow_status deviceHasSize(int64_t size, void *userdata)
{
    return size <= deviceOf(userdata)->size() ? heif_reader_grow_status_size_reached
                                              : heif_reader_grow_status_size_beyond_eof;
}

const heif_reader kDeviceReader = { 1, devicePosition, deviceRead, deviceSeek, deviceHasSize };

// ---------------------------------------------------------------------------------------
// Decoding

// The smallest thumbnail of the primary picture whose longer side is at least
// minLongSide and that shows the same picture (its aspect, upright as the picture is);
// none when minLongSide asks for the full size.
Handle coveringThumbnail(const heif_image_handle *primary, int minLongSide, qint64 maxPixels)
{
    if (minLongSide <= 0)
        return {};
    const int count = std::min(heif_image_handle_get_number_of_thumbnails(primary), kMaxThumbnails);
    if (count <= 0)
        return {};
    std::vector<heif_item_id> ids(size_t(count), 0);
    const int listed = heif_image_handle_get_list_of_thumbnail_IDs(primary, ids.data(), count);
    const double aspect = double(heif_image_handle_get_width(primary)) / double(heif_image_handle_get_height(primary));
    Handle best;
    qint64 bestPixels = 0;
    for (int i = 0; i < listed; ++i) {
        heif_image_handle *raw = nullptr;
        const heif_error error = heif_image_handle_get_thumbnail(primary, ids[size_t(i)], &raw);
        Handle thumbnail(raw);
        if (error.code != heif_error_Ok || !thumbnail)
            continue;
        const int width = heif_image_handle_get_width(thumbnail.get());
        const int height = heif_image_handle_get_height(thumbnail.get());
        if (width <= 0 || height <= 0 || std::max(width, height) < minLongSide)
            continue;
        const qint64 pixels = qint64(width) * height;
        if (maxPixels > 0 && pixels > maxPixels)
            continue;
        const double rounding = 1.0 / std::min(width, height);
        if (std::abs(double(width) / double(height) / aspect - 1.0) > kAspectTolerance + rounding)
            continue;
        if (!best || pixels < bestPixels) {
            best = std::move(thumbnail);
            bestPixels = pixels;
        }
    }
    return best;
}

// The picture of handle, upright, as 8-bit RGB (RGBA when it has transparency). The
// image shares libheif's pixels and releases them with its last copy. Null, with the
// reason in error, when it cannot be decoded.
QImage decodedImage(const heif_image_handle *handle, qint64 maxPixels, QString *error)
{
    const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
    const Options options(heif_decoding_options_alloc());
    if (!options) {
        *error = notEnoughMemory();
        return {};
    }
    options->convert_hdr_to_8bit = 1;
    heif_image *raw = nullptr;
    const heif_error decodeError = heif_decode_image(handle,
        &raw,
        heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
        options.get());
    Image image(raw);
    if (decodeError.code != heif_error_Ok || !image) {
        *error = decodeError.code != heif_error_Ok ? describe(decodeError) : notEnoughMemory();
        return {};
    }
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    const int bytesPerPixel = alpha ? 4 : 3;
    if (!pixels || width <= 0 || height <= 0 || stride < width * bytesPerPixel
        || heif_image_get_bits_per_pixel(image.get(), heif_channel_interleaved) != 8 * bytesPerPixel) {
        *error = tr("The HEIF file's picture cannot be converted to RGB.");
        return {};
    }
    if (maxPixels > 0 && qint64(width) * height > maxPixels) {
        *error = tooLarge(width, height);
        return {};
    }
    const QImage::Format format = !alpha                   ? QImage::Format_RGB888
        : heif_image_handle_is_premultiplied_alpha(handle) ? QImage::Format_RGBA8888_Premultiplied
                                                           : QImage::Format_RGBA8888;
    heif_image *kept = image.release();
    QImage result(
        pixels,
        width,
        height,
        stride,
        format,
        [](void *info) {
            heif_image_release(static_cast<heif_image *>(info));
        },
        kept);
    if (result.isNull()) {
        heif_image_release(kept);
        *error = notEnoughMemory();
    }
    return result;
}

// The tone curve of the transfer characteristics code point (ITU-T H.273). Pictures coded
// with the BT.709 family of curves (1, 6, 14, 15) are, in practice, sRGB photographs that
// encoders label so, and are shown as sRGB; HDR curves (PQ, HLG) have no tone mapping here.
colorprofile::RgbSpace::Curve curveOf(int transfer)
{
    switch (transfer) {
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        return colorprofile::RgbSpace::Curve::Gamma22;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        return colorprofile::RgbSpace::Curve::Gamma28;
    case heif_transfer_characteristic_linear:
        return colorprofile::RgbSpace::Curve::Linear;
    default:
        return colorprofile::RgbSpace::Curve::Srgb;
    }
}

bool isChromaticity(float x, float y)
{
    return x > 0 && y > 0 && x + y <= 1;
}

// An ICC profile of the colour space the code points describe; empty for sRGB, and for
// code points that do not name primaries (the picture is then taken as sRGB).
QByteArray profileOfCodePoints(const heif_color_profile_nclx &nclx)
{
    colorprofile::RgbSpace space;
    space.curve = curveOf(nclx.transfer_characteristics);
    const bool srgbPrimaries = nclx.color_primaries == heif_color_primaries_ITU_R_BT_709_5
        || nclx.color_primaries == heif_color_primaries_unspecified;
    if (srgbPrimaries && space.curve == colorprofile::RgbSpace::Curve::Srgb)
        return {};
    if (!srgbPrimaries) {
        if (!isChromaticity(nclx.color_primary_red_x, nclx.color_primary_red_y)
            || !isChromaticity(nclx.color_primary_green_x, nclx.color_primary_green_y)
            || !isChromaticity(nclx.color_primary_blue_x, nclx.color_primary_blue_y)
            || !isChromaticity(nclx.color_primary_white_x, nclx.color_primary_white_y))
            return {};
        space.redX = nclx.color_primary_red_x;
        space.redY = nclx.color_primary_red_y;
        space.greenX = nclx.color_primary_green_x;
        space.greenY = nclx.color_primary_green_y;
        space.blueX = nclx.color_primary_blue_x;
        space.blueY = nclx.color_primary_blue_y;
        space.whiteX = nclx.color_primary_white_x;
        space.whiteY = nclx.color_primary_white_y;
    }
    return colorprofile::iccProfileOf(space);
}

// The colour profile to convert the picture of handle from: its embedded ICC profile, or
// one made from its code points; empty for sRGB or when the picture says nothing.
QByteArray profileOf(const heif_image_handle *handle)
{
    const size_t size = heif_image_handle_get_raw_color_profile_size(handle);
    if (size > 0 && size <= size_t(std::numeric_limits<int>::max())) {
        QByteArray icc(qsizetype(size), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code == heif_error_Ok)
            return icc;
    }
    heif_color_profile_nclx *raw = nullptr;
    const heif_error error = heif_image_handle_get_nclx_color_profile(handle, &raw);
    const Nclx nclx(raw);
    if (error.code != heif_error_Ok || !nclx)
        return {};
    return profileOfCodePoints(*nclx);
}

DecodedHeif decodeRead(heif_context *context, const heif_error &readError, int minLongSide, qint64 maxPixels)
{
    DecodedHeif result;
    if (readError.code != heif_error_Ok) {
        result.error = describe(readError);
        return result;
    }
    heif_image_handle *raw = nullptr;
    const heif_error handleError = heif_context_get_primary_image_handle(context, &raw);
    const Handle primary(raw);
    if (handleError.code != heif_error_Ok || !primary) {
        result.error = handleError.code != heif_error_Ok ? describe(handleError) : notEnoughMemory();
        return result;
    }
    const int width = heif_image_handle_get_width(primary.get());
    const int height = heif_image_handle_get_height(primary.get());
    if (width <= 0 || height <= 0) {
        result.error = tr("The HEIF file is damaged (its picture has no size).");
        return result;
    }
    if (maxPixels > 0 && qint64(width) * height > maxPixels) {
        result.error = tooLarge(width, height);
        return result;
    }
    result.fullSize = QSize(width, height);

    // A thumbnail that cannot be decoded is passed over for the picture itself.
    QString error;
    const Handle thumbnail = coveringThumbnail(primary.get(), minLongSide, maxPixels);
    QImage image = thumbnail ? decodedImage(thumbnail.get(), maxPixels, &error) : QImage();
    result.fromThumbnail = !image.isNull();
    if (!result.fromThumbnail) {
        image = decodedImage(primary.get(), maxPixels, &error);
        if (image.isNull()) {
            result.error = error;
            return result;
        }
    }

    // A thumbnail that describes no colours of its own has its picture's.
    const heif_image_handle *described = result.fromThumbnail
            && heif_image_handle_get_color_profile_type(thumbnail.get()) != heif_color_profile_type_not_present
        ? thumbnail.get()
        : primary.get();
    image = colorprofile::toSrgb(qtimage::flattened(image), profileOf(described));
    if (image.isNull()) {
        result.error = notEnoughMemory();
        return result;
    }
    result.image = std::move(image);
    return result;
}

Context newContext()
{
    initialise();
    Context context(heif_context_alloc());
    if (!context)
        return context;
    // libheif refuses a picture with a longer side while it reads the file's structure.
    // The pixel limit is ours, checked on each picture before it is decoded: a side
    // limit of its square root would refuse a phone's panorama well within it.
    heif_context_set_maximum_image_size_limit(context.get(), kMaxSide);
    // The tiles of a grid are decoded on the calling thread: creation runs already keep
    // every core busy with a picture each, and libheif's own threads would each hold a
    // decoder's memory besides.
    heif_context_set_max_decoding_threads(context.get(), 0);
    return context;
}

DecodedHeif outOfMemory()
{
    DecodedHeif result;
    result.error = notEnoughMemory();
    return result;
}

} // namespace

bool isHeif(const QByteArray &head)
{
    if (head.size() < 12 || std::memcmp(head.constData() + 4, "ftyp", 4) != 0)
        return false;
    if (isBrand(head.constData() + 8))
        return true;
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    const qint64 boxSize = qint64(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
    const qint64 end = std::min<qint64>(head.size(), boxSize);
    for (qint64 at = 16; at + 4 <= end; at += 4) {
        if (isBrand(head.constData() + at))
            return true;
    }
    return false;
}

DecodedHeif decode(const QByteArray &data, int minLongSide, qint64 maxPixels)
{
    if (data.isEmpty()) {
        DecodedHeif result;
        result.error = tr("The file is empty.");
        return result;
    }
    const Context context = newContext();
    if (!context)
        return outOfMemory();
    const heif_error error =
        heif_context_read_from_memory_without_copy(context.get(), data.constData(), size_t(data.size()), nullptr);
    return decodeRead(context.get(), error, minLongSide, maxPixels);
}

DecodedHeif decode(QIODevice &file, int minLongSide, qint64 maxPixels)
{
    if (file.size() == 0 || !file.seek(0)) {
        DecodedHeif result;
        result.error = file.size() == 0 ? tr("The file is empty.") : tr("The file cannot be read from its start.");
        return result;
    }
    const Context context = newContext();
    if (!context)
        return outOfMemory();
    const heif_error error = heif_context_read_from_reader(context.get(), &kDeviceReader, &file, nullptr);
    return decodeRead(context.get(), error, minLongSide, maxPixels);
}

} // namespace quorvel::heif
