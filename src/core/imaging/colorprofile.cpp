// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows lcms2. Calls from many threads share nothing: each call
// makes its own lcms context, profiles and transform, except that toSrgb keeps the
// last transform it made in a thread-local cache, since a batch of photos from one
// camera embeds the same profile in every file and building the transform costs more
// than applying it to a thumbnail-sized picture. A profile that is sRGB under another
// name needs no transform at all.
#include "imaging/colorprofile.h"

#include <cmath>
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

// The sRGB tone curve as lcms's parametric curve of type 4.
constexpr cmsFloat64Number kSrgbCurve[5] = { 2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045 };

// Gray with the sRGB tone curve and D50 white: what an sRGB display shows for R = G = B.
Profile srgbGrayProfile(cmsContext ctx)
{
    cmsToneCurve *curve = cmsBuildParametricToneCurve(ctx, 4, kSrgbCurve);
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

// The sRGB tone curve: encoded value to linear light.
double srgbToLinear(double v)
{
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// Whether an RGB profile is sRGB under another name, as most cameras embed it: its
// colorants (adapted to D50) and tone curves are sRGB's within a fraction of a level.
// Converting from such a profile to sRGB changes nothing but rounding, so it is skipped.
bool describesSrgb(cmsHPROFILE profile)
{
    if (!cmsIsMatrixShaper(profile))
        return false;
    struct Colorant {
        cmsTagSignature colorant;
        cmsTagSignature curve;
        cmsCIEXYZ srgb;
    };
    static constexpr Colorant kColorants[] = {
        { cmsSigRedColorantTag, cmsSigRedTRCTag, { 0.4361, 0.2225, 0.0139 } },
        { cmsSigGreenColorantTag, cmsSigGreenTRCTag, { 0.3851, 0.7169, 0.0971 } },
        { cmsSigBlueColorantTag, cmsSigBlueTRCTag, { 0.1431, 0.0606, 0.7141 } },
    };
    constexpr double kColorantTolerance = 0.003;
    constexpr double kCurveTolerance = 0.25 / 255; // of linear light
    for (const Colorant &c : kColorants) {
        const auto *xyz = static_cast<const cmsCIEXYZ *>(cmsReadTag(profile, c.colorant));
        if (!xyz || std::abs(xyz->X - c.srgb.X) > kColorantTolerance || std::abs(xyz->Y - c.srgb.Y) > kColorantTolerance
            || std::abs(xyz->Z - c.srgb.Z) > kColorantTolerance)
            return false;
        const auto *curve = static_cast<const cmsToneCurve *>(cmsReadTag(profile, c.curve));
        if (!curve)
            return false;
        for (int i = 0; i <= 64; ++i) {
            const double v = i / 64.0;
            if (std::abs(double(cmsEvalToneCurveFloat(curve, cmsFloat32Number(v))) - srgbToLinear(v)) > kCurveTolerance)
                return false;
        }
    }
    return true;
}

// The transform from an embedded RGB or gray profile to sRGB, with all it needs,
// kept per thread for the next picture with the same profile.
struct SrgbTransform {
    QByteArray icc;
    bool gray = false;
    bool identity = false; // the profile is sRGB: nothing to convert
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
        identity = false;
    }
    ~SrgbTransform()
    {
        clear();
    }
};

// The cached transform for this profile, built when the cache holds another one;
// null when the profile is unusable or not of the picture's colour space.
const SrgbTransform *srgbTransformFor(const QByteArray &iccProfile, bool gray)
{
    thread_local SrgbTransform cache;
    if ((cache.transform || cache.identity) && cache.gray == gray && cache.icc == iccProfile)
        return &cache;
    cache.clear();
    cache.ctx.reset(cmsCreateContext(nullptr, nullptr));
    if (!cache.ctx)
        return nullptr;
    cache.in = openProfile(cache.ctx.get(), iccProfile);
    if (!cache.in || cmsGetColorSpace(cache.in.get()) != (gray ? cmsSigGrayData : cmsSigRgbData))
        return nullptr;
    if (!gray && describesSrgb(cache.in.get())) {
        cache.identity = true;
        cache.icc = iccProfile;
        cache.gray = gray;
        return &cache;
    }
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
    return &cache;
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

    const SrgbTransform *cached = srgbTransformFor(iccProfile, gray);
    if (!cached || cached->identity)
        return image;
    QImage result(image.size(), image.format());
    if (result.isNull())
        return result;
    transformRows(
        cached->transform.get(), image.constBits(), image.bytesPerLine(), &result, image.width(), image.height());
    return result;
}

QByteArray iccProfileOf(const RgbSpace &space)
{
    // Building and writing a profile costs more than converting a thumbnail, and files
    // from one source describe their pixels alike.
    struct Cached {
        RgbSpace space;
        QByteArray icc;
        bool valid = false;
    };
    thread_local Cached cache;
    if (cache.valid && cache.space == space)
        return cache.icc;

    const Context ctx(cmsCreateContext(nullptr, nullptr));
    if (!ctx)
        return {};
    cmsToneCurve *curve = nullptr;
    switch (space.curve) {
    case RgbSpace::Curve::Srgb:
        curve = cmsBuildParametricToneCurve(ctx.get(), 4, kSrgbCurve);
        break;
    case RgbSpace::Curve::Gamma22:
        curve = cmsBuildGamma(ctx.get(), 2.2);
        break;
    case RgbSpace::Curve::Gamma28:
        curve = cmsBuildGamma(ctx.get(), 2.8);
        break;
    case RgbSpace::Curve::Linear:
        curve = cmsBuildGamma(ctx.get(), 1.0);
        break;
    }
    if (!curve)
        return {};
    const cmsCIExyY white = { space.whiteX, space.whiteY, 1.0 };
    const cmsCIExyYTRIPLE primaries = {
        { space.redX, space.redY, 1.0 },
        { space.greenX, space.greenY, 1.0 },
        { space.blueX, space.blueY, 1.0 },
    };
    cmsToneCurve *curves[3] = { curve, curve, curve };
    const Profile profile(cmsCreateRGBProfileTHR(ctx.get(), &white, &primaries, curves));
    cmsFreeToneCurve(curve);
    cmsUInt32Number size = 0;
    if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0)
        return {};
    QByteArray icc(qsizetype(size), Qt::Uninitialized);
    if (!cmsSaveProfileToMem(profile.get(), icc.data(), &size))
        return {};
    cache.space = space;
    cache.icc = icc;
    cache.valid = true;
    return icc;
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
