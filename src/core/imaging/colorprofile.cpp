// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows lcms2. Every call makes its own lcms context, profiles and
// transform and frees them before returning, so calls from many threads share nothing.
#include "imaging/colorprofile.h"

#include <lcms2.h>
#include <memory>
#include <type_traits>

namespace quorvel::colorprofile
{
namespace
{

struct ContextDeleter {
    void operator()(cmsContext ctx) const
    {
        cmsDeleteContext(ctx);
    }
};
struct ProfileDeleter {
    void operator()(void *profile) const
    {
        cmsCloseProfile(profile);
    }
};
struct TransformDeleter {
    void operator()(void *transform) const
    {
        cmsDeleteTransform(transform);
    }
};
using Context = std::unique_ptr<std::remove_pointer_t<cmsContext>, ContextDeleter>;
using Profile = std::unique_ptr<void, ProfileDeleter>;
using Transform = std::unique_ptr<void, TransformDeleter>;

Profile openProfile(cmsContext ctx, const QByteArray &icc)
{
    if (icc.isEmpty())
        return {};
    return Profile(cmsOpenProfileFromMemTHR(ctx, icc.constData(), cmsUInt32Number(icc.size())));
}

// Gray with the sRGB tone curve and D50 white: what an sRGB display shows for R = G = B.
Profile srgbGrayProfile(cmsContext ctx)
{
    const cmsFloat64Number srgbCurve[5] = { 2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045 };
    cmsToneCurve *curve = cmsBuildParametricToneCurve(ctx, 4, srgbCurve);
    if (!curve)
        return {};
    Profile profile(cmsCreateGrayProfileTHR(ctx, cmsD50_xyY(), curve));
    cmsFreeToneCurve(curve);
    return profile;
}

void transformRows(
    cmsHTRANSFORM transform, const unsigned char *in, qsizetype inBytesPerLine, QImage *out, int width, int height)
{
    cmsDoTransformLineStride(transform,
        in,
        out->bits(),
        cmsUInt32Number(width),
        cmsUInt32Number(height),
        cmsUInt32Number(inBytesPerLine),
        cmsUInt32Number(out->bytesPerLine()),
        0,
        0);
}

inline unsigned char multiply(unsigned a, unsigned b)
{
    return static_cast<unsigned char>((a * b + 127) / 255);
}

} // namespace

QImage toSrgb(const QImage &image, const QByteArray &iccProfile)
{
    if (iccProfile.isEmpty() || image.isNull())
        return image;
    const bool gray = image.format() == QImage::Format_Grayscale8;
    if (!gray && image.format() != QImage::Format_RGB888)
        return image;

    const Context ctx(cmsCreateContext(nullptr, nullptr));
    if (!ctx)
        return image;
    const Profile in = openProfile(ctx.get(), iccProfile);
    if (!in)
        return image;
    const cmsColorSpaceSignature space = cmsGetColorSpace(in.get());
    if (space != (gray ? cmsSigGrayData : cmsSigRgbData))
        return image;
    const Profile out = gray ? srgbGrayProfile(ctx.get()) : Profile(cmsCreate_sRGBProfileTHR(ctx.get()));
    if (!out)
        return image;
    const cmsUInt32Number format = gray ? TYPE_GRAY_8 : TYPE_RGB_8;
    const Transform transform(
        cmsCreateTransformTHR(ctx.get(), in.get(), format, out.get(), format, INTENT_PERCEPTUAL, 0));
    if (!transform)
        return image;

    QImage result(image.size(), image.format());
    if (result.isNull())
        return result;
    transformRows(transform.get(), image.constBits(), image.bytesPerLine(), &result, image.width(), image.height());
    return result;
}

QImage cmykToSrgb(const unsigned char *cmyk,
    int width,
    int height,
    qsizetype bytesPerLine,
    bool inverted,
    const QByteArray &iccProfile)
{
    QImage result(width, height, QImage::Format_RGB888);
    if (result.isNull())
        return result;

    if (!iccProfile.isEmpty()) {
        const Context ctx(cmsCreateContext(nullptr, nullptr));
        const Profile in = ctx ? openProfile(ctx.get(), iccProfile) : Profile();
        if (in && cmsGetColorSpace(in.get()) == cmsSigCmykData) {
            const Profile out(cmsCreate_sRGBProfileTHR(ctx.get()));
            const Transform transform(out ? cmsCreateTransformTHR(ctx.get(),
                                          in.get(),
                                          inverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8,
                                          out.get(),
                                          TYPE_RGB_8,
                                          INTENT_PERCEPTUAL,
                                          0)
                                          : nullptr);
            if (transform) {
                transformRows(transform.get(), cmyk, bytesPerLine, &result, width, height);
                return result;
            }
        }
    }

    for (int y = 0; y < height; ++y) {
        const unsigned char *in = cmyk + y * bytesPerLine;
        unsigned char *out = result.scanLine(y);
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            // "paper left over" per channel: 255 - ink, which inverted files store directly
            const unsigned c = inverted ? in[0] : 255u - in[0];
            const unsigned m = inverted ? in[1] : 255u - in[1];
            const unsigned yy = inverted ? in[2] : 255u - in[2];
            const unsigned k = inverted ? in[3] : 255u - in[3];
            out[0] = multiply(c, k);
            out[1] = multiply(m, k);
            out[2] = multiply(yy, k);
        }
    }
    return result;
}

} // namespace quorvel::colorprofile
