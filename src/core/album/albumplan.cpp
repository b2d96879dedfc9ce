// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumplan.h"

#include <QHash>

#include <algorithm>

namespace quorvel::album
{
namespace
{

// The part of a source name kept in the names of its files; the key that follows keeps
// them apart, and the file names stay well below the file system's limit.
constexpr int kNameStemLength = 60;

QString stemOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    QString stem = dot > 0 ? name.left(dot) : name;
    if (stem.size() > kNameStemLength) {
        stem.truncate(kNameStemLength);
        if (stem.back().isHighSurrogate())
            stem.chop(1);
    }
    return stem;
}

bool allPresent(const QStringList &files, const QSet<QString> &present)
{
    return std::all_of(files.begin(), files.end(), [&](const QString &file) {
        return present.contains(file);
    });
}

} // namespace

ManifestPicture fileNamesFor(const SourceFile &source, const FileSettings &settings, bool copyOriginal)
{
    const QByteArray identity = source.name.toUtf8() + '\0' + QByteArray::number(source.size) + '\0'
        + QByteArray::number(source.modified) + '\0' + QByteArray::number(settings.webSize) + '\0'
        + QByteArray::number(settings.quality) + '\0' + QByteArray::number(settings.thumbHeight) + '\0'
        + QByteArray::number(settings.engine);
    const QString key = QString::number(contentHash(identity) & 0xFFFFFFFFULL, 16).rightJustified(8, QLatin1Char('0'));
    const QString stem = stemOf(source.name) + QLatin1Char('-') + key;
    ManifestPicture names;
    names.name = source.name;
    names.thumb1x = QStringLiteral("thumbs/") + stem + QStringLiteral(".jpg");
    names.thumb2x = QStringLiteral("thumbs/") + stem + QStringLiteral("@2x.jpg");
    names.web = QStringLiteral("web/") + stem + QStringLiteral(".jpg");
    if (copyOriginal)
        names.original = QStringLiteral("originals/") + source.name;
    return names;
}

AlbumPlan planAlbum(const Manifest *previous,
    const std::vector<SourceFile> &sources,
    const FileSettings &settings,
    bool copyOriginals,
    const QSet<QString> &present)
{
    AlbumPlan plan;
    QHash<QString, int> previousByName;
    QSet<QString> own;
    if (previous) {
        for (int i = 0; i < int(previous->pictures.size()); ++i)
            previousByName.insert(previous->pictures[i].name, i);
        own = previous->ownFiles();
    }
    for (const QString &file : present) {
        if (!own.contains(file))
            plan.foreign += file;
    }
    std::sort(plan.foreign.begin(), plan.foreign.end());

    QSet<QString> taken;
    for (int i = 0; i < int(sources.size()); ++i) {
        const SourceFile &source = sources[i];
        if (taken.contains(source.name)) {
            plan.duplicates += source.path;
            continue;
        }
        taken.insert(source.name);
        PicturePlan picture;
        picture.source = i;
        picture.previous = previousByName.value(source.name, -1);
        picture.names = fileNamesFor(source, settings, copyOriginals);
        if (picture.previous >= 0) {
            const ManifestPicture &before = previous->pictures[picture.previous];
            const bool current = previous->settings == settings && source.size == before.size
                && allPresent({ before.thumb1x, before.thumb2x, before.web }, present);
            if (!current)
                picture.work = PictureWork::Make;
            else if (source.modified != before.modified || source.modified >= previous->builtAt - kRacyWindowMs)
                picture.work = PictureWork::Compare;
            else
                picture.work = PictureWork::Keep;
            picture.copyOriginal = copyOriginals && (before.original.isEmpty() || !present.contains(before.original));
        } else {
            picture.copyOriginal = copyOriginals;
        }
        plan.pictures.push_back(std::move(picture));
    }
    return plan;
}

} // namespace quorvel::album
