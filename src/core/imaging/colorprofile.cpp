// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows lcms2. Calls from many threads share nothing: each call
// makes its own lcms context, profiles and transform, except that toSrgb keeps the
// last transform it made in a thread-local cache, since a batch of photos from one
// camera embeds the same profile in every file and building the transform costs more
// than applying it to a thumbnail-sized picture.
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

// The transform from an embedded RGB or gray profile to sRGB, with all it needs,
// kept per thread for the next picture with the same profile.
struct SrgbTransform {
    QByteArray icc;
    bool gray = false;
    Context ctx;
    Profile in;
    Profile out;
    Transform transform;

    void clear() // the transform first, the context last
    {
        transform.reset();
        out.reset();
        in.reset();
        ctx.reset();
        icc.clear();
    }
    ~SrgbTransform()
    {
        clear();
    }
};

// The cached transform for this profile, built when the cache holds another one;
// null when the profile is unusable or not of the picture's colour space.
cmsHTRANSFORM srgbTransformFor(const QByteArray &iccProfile, bool gray)
{
    thread_local SrgbTransform cache;
    if (cache.transform && cache.gray == gray && cache.icc == iccProfile)
        return cache.transform.get();
    cache.clear();
    cache.ctx.reset(cmsCreateContext(nullptr, nullptr));
    if (!cache.ctx)
        return nullptr;
    cache.in = openProfile(cache.ctx.get(), iccProfile);
    if (!cache.in || cmsGetColorSpace(cache.in.get()) != (gray ? cmsSigGrayData : cmsSigRgbData))
        return nullptr;
    cache.out = gray ? srgbGrayProfile(cache.ctx.get()) : Profile(cmsCreate_sRGBProfileTHR(cache.ctx.get()));
    if (!cache.out)
        return nullptr;
    const cmsUInt32Number format = gray ? TYPE_GRAY_8 : TYPE_RGB_8;
    cache.transform.reset(
        cmsCreateTransformTHR(cache.ctx.get(), cache.in.get(), format, cache.out.get(), format, INTENT_PERCEPTUAL, 0));
    if (!cache.transform)
        return nullptr;
    cache.icc = iccProfile;
    cache.gray = gray;
    return cache.transform.get();
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

    const cmsHTRANSFORM transform = srgbTransformFor(iccProfile, gray);
    if (!transform)
        return image;
    QImage result(image.size(), image.format());
    if (result.isNull())
        return result;
    transformRows(transform, image.constBits(), image.bytesPerLine(), &result, image.width(), image.height());
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
