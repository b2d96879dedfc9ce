// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows giflib and its error codes.
#include "imaging/gifcodec.h"

#include <QBuffer>
#include <QCoreApplication>

#include <algorithm>
#include <gif_lib.h>
#include <memory>
#include <new>

namespace quorvel::gif
{
namespace
{

int readFromDevice(GifFileType *gif, GifByteType *buffer, int length)
{
    auto *device = static_cast<QIODevice *>(gif->UserData);
    const qint64 count = device->read(reinterpret_cast<char *>(buffer), std::max(0, length));
    return int(std::max<qint64>(count, 0)); // giflib treats a short read as an error
}

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

QString describeError(int code)
{
    switch (code) {
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_EOF_TOO_SOON:
        return QCoreApplication::translate(
            "Picture", "The GIF file is truncated: its data ends before the first picture is complete.");
    case D_GIF_ERR_NOT_GIF_FILE:
        return QCoreApplication::translate("Picture", "The file is not a GIF picture.");
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        return QCoreApplication::translate("Picture", "There is not enough memory to decode the GIF picture.");
    case D_GIF_ERR_NO_SCRN_DSCR:
    case D_GIF_ERR_NO_IMAG_DSCR:
    case D_GIF_ERR_WRONG_RECORD:
    case D_GIF_ERR_DATA_TOO_BIG:
    case D_GIF_ERR_IMAGE_DEFECT:
        return QCoreApplication::translate("Picture", "The GIF file is damaged (%1).")
            .arg(QString::fromLatin1(GifErrorString(code)));
    default: {
        const char *text = GifErrorString(code);
        return QCoreApplication::translate("Picture", "The GIF file cannot be read (%1).")
            .arg(text ? QString::fromLatin1(text) : QString::number(code));
    }
    }
}

QString tooLarge(qint64 width, qint64 height)
{
    return QCoreApplication::translate(
        "Picture", "The picture is too large: %1 x %2 pixels is more than this program decodes.")
        .arg(width)
        .arg(height);
}

bool exceeds(qint64 width, qint64 height, qint64 maxPixels)
{
    return maxPixels > 0 && width * height > maxPixels;
}

// Reads the frame whose descriptor was just read and paints it onto a white canvas.
DecodedGif readFrame(GifFileType *gif, int transparentIndex, qint64 maxPixels)
{
    DecodedGif result;
    const GifImageDesc &desc = gif->Image;
    if (desc.Width <= 0 || desc.Height <= 0 || desc.Left < 0 || desc.Top < 0) {
        result.error =
            QCoreApplication::translate("Picture", "The GIF file is damaged (its first picture has no pixels).");
        return result;
    }
    const ColorMapObject *map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || !map->Colors || map->ColorCount <= 0) {
        result.error =
            QCoreApplication::translate("Picture", "The GIF file is damaged (its first picture has no colour table).");
        return result;
    }
    // A frame reaching beyond the logical screen enlarges it, as browsers show it.
    const qint64 canvasWidth = std::max<qint64>(gif->SWidth, qint64(desc.Left) + desc.Width);
    const qint64 canvasHeight = std::max<qint64>(gif->SHeight, qint64(desc.Top) + desc.Height);
    if (exceeds(desc.Width, desc.Height, maxPixels) || exceeds(canvasWidth, canvasHeight, maxPixels)) {
        result.error = tooLarge(canvasWidth, canvasHeight);
        return result;
    }

    QImage canvas(int(canvasWidth), int(canvasHeight), QImage::Format_RGB888);
    std::unique_ptr<GifPixelType[]> line(new (std::nothrow) GifPixelType[size_t(desc.Width)]);
    if (canvas.isNull() || !line) {
        result.error = QCoreApplication::translate("Picture", "There is not enough memory to decode the GIF picture.");
        return result;
    }
    canvas.fill(Qt::white);

    auto paintRow = [&](int row) {
        unsigned char *out = canvas.scanLine(desc.Top + row) + 3 * desc.Left;
        for (int x = 0; x < desc.Width; ++x, out += 3) {
            const int index = line[x];
            if (index == transparentIndex)
                continue; // white shows through
            if (index < map->ColorCount) {
                const GifColorType &c = map->Colors[index];
                out[0] = c.Red;
                out[1] = c.Green;
                out[2] = c.Blue;
            } else {
                out[0] = out[1] = out[2] = 0; // an index beyond the table: black
            }
        }
    };

    // Interlaced rows come in four passes: every 8th row from 0, every 8th from 4,
    // every 4th from 2, every 2nd from 1.
    static constexpr int kPassStart[] = { 0, 4, 2, 1 };
    static constexpr int kPassStep[] = { 8, 8, 4, 2 };
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int start = desc.Interlace ? kPassStart[pass] : 0;
        const int step = desc.Interlace ? kPassStep[pass] : 1;
        for (int row = start; row < desc.Height; row += step) {
            if (DGifGetLine(gif, line.get(), desc.Width) == GIF_ERROR) {
                result.error = describeError(gif->Error);
                return result;
            }
            paintRow(row);
        }
    }
    result.image = std::move(canvas);
    return result;
}

} // namespace

DecodedGif decodeFirstFrame(const QByteArray &data, qint64 maxPixels)
{
    QBuffer buffer;
    buffer.setData(data); // shared, not copied
    buffer.open(QIODevice::ReadOnly);
    return decodeFirstFrame(buffer, maxPixels);
}

DecodedGif decodeFirstFrame(QIODevice &file, qint64 maxPixels)
{
    DecodedGif result;
    if (file.atEnd()) {
        result.error = QCoreApplication::translate("Picture", "The file is empty.");
        return result;
    }
    int openError = 0;
    const GifFile gif(DGifOpen(&file, readFromDevice, &openError));
    if (!gif) {
        result.error = describeError(openError);
        return result;
    }
    if (exceeds(gif->SWidth, gif->SHeight, maxPixels)) {
        result.error = tooLarge(gif->SWidth, gif->SHeight);
        return result;
    }

    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
            result.error = describeError(gif->Error);
            return result;
        }
        switch (type) {
        case IMAGE_DESC_RECORD_TYPE:
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
                result.error = describeError(gif->Error);
                return result;
            }
            return readFrame(gif.get(), transparentIndex, maxPixels);
        case EXTENSION_RECORD_TYPE: {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) {
                result.error = describeError(gif->Error);
                return result;
            }
            GraphicsControlBlock gcb;
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4
                && DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK)
                transparentIndex = gcb.TransparentColor;
            while (block) {
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) {
                    result.error = describeError(gif->Error);
                    return result;
                }
            }
            break;
        }
        case TERMINATE_RECORD_TYPE:
            result.error = QCoreApplication::translate("Picture", "The GIF file holds no picture.");
            return result;
        default:
            result.error = describeError(D_GIF_ERR_WRONG_RECORD);
            return result;
        }
    }
}

} // namespace quorvel::gif
