// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvel
{

/// How a picture is decoded and how its thumbnail is sized, framed and encoded.
/// The integer codes of the JPEG settings are the JPEG library's own (J_DCT_METHOD,
/// J_DITHER_MODE). The defaults are the program's defaults ("Use Defaults").
struct ImageSettings {
    /// The thumbnail fits a box of boxSize x boxSize pixels, aspect kept, never enlarged:
    /// the longer side of a larger picture becomes exactly boxSize. 0 or less: no box,
    /// the thumbnail keeps the picture's own size.
    int boxSize = 90;
    /// A 1-pixel black frame is drawn over the outermost pixels of the thumbnail, so the
    /// frame does not change its size.
    bool frame = true;

    int quality = 85; ///< JPEG quality, 0..100 (0 is taken as 1 by the encoder)
    int smoothing = 0; ///< encoder smoothing factor, 0..100
    bool optimizeCoding = true; ///< optimised Huffman tables
    int dctMethod = 1; ///< 0 slow integer, 1 fast integer, 2 floating point; decoding and encoding
    /// Colour-reduction settings of the decoder, handed to libjpeg as dither_mode and
    /// two_pass_quantize. They act only when the decoder reduces colours to a palette,
    /// which thumbnails never ask for: they are carried so that the options round-trip,
    /// and change no output.
    int ditherMethod = 1; ///< 0 none, 1 ordered, 2 Floyd-Steinberg
    /// 0 dither extra colours, 1 no dithering (dither_mode JDITHER_NONE whatever
    /// ditherMethod says), 2 always dither
    int ditherPolicy = 0;
    bool twoPassQuantize = false;
    bool fancyUpsampling = false; ///< smooth chroma upsampling when decoding

    friend bool operator==(const ImageSettings &, const ImageSettings &) = default;
};

} // namespace quorvel
