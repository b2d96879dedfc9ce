// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quorvel::album
{

/// The file in the album folder that records what the album holds.
inline constexpr auto kManifestName = ".quorvel-album.json";

/// A 64-bit hash of a file's content, to tell whether a picture whose modification
/// time changed still holds the same bytes. Not for security: fast and well mixed.
quint64 contentHash(QByteArrayView bytes);

/// contentHash worked out piece by piece: the same value for the same bytes, however
/// they are split into pieces.
class ContentHasher
{
public:
    ContentHasher();
    void add(QByteArrayView bytes);
    quint64 result() const;

private:
    quint64 m_lanes[4];
    uchar m_stripe[32]; // the bytes of a stripe not complete yet
    int m_buffered = 0;
    qint64 m_length = 0;
};

/// The contentHash of a file, read in pieces so that memory does not grow with the
/// file. nullopt, with the reason in *error, when it cannot be read; folders, devices
/// and named pipes are refused unopened.
std::optional<quint64> fileContentHash(const QString &path, QString *error);

/// What a picture's files were made with: when any of it changes, they are made anew.
struct FileSettings {
    /// Raised whenever the way the files are made changes, so an album made by an
    /// earlier version is remade rather than mixed.
    static constexpr int kEngineVersion = 2;

    int webSize = 0;
    int quality = 0;
    int thumbHeight = 0;
    int engine = kEngineVersion;

    friend bool operator==(const FileSettings &, const FileSettings &) = default;
};

/// One picture of the album as the manifest records it. Paths are relative to the
/// album folder with "/" between folders.
struct ManifestPicture {
    QString name; ///< the source file's name; unique within an album
    qint64 size = 0; ///< of the source file, in bytes
    qint64 modified = 0; ///< the source file's modification time, ms since the epoch (UTC)
    QString hash; ///< contentHash of the source file, 16 hex digits
    QString thumb1x;
    QString thumb2x; ///< the same file as thumb1x when the picture is too small for two
    QString web;
    QString original; ///< the copy of the original; empty when none was made
    QSize thumbSize;
    QSize webSize;
    QString title; ///< the EXIF title; empty when there is none
    QString taken; ///< the capture date and time, "yyyy-MM-ddTHH:mm:ss"; empty when unknown
    QString camera; ///< make and model, as a caption shows them

    /// The album's files of this picture.
    QStringList files() const;

    friend bool operator==(const ManifestPicture &, const ManifestPicture &) = default;
};

/// The album's record: what each of its files was made from and with. Only files it
/// lists are the album's own, and only those are ever replaced or deleted.
struct Manifest {
    FileSettings settings;
    /// When the build that wrote this record began (ms since the epoch): a source file
    /// modified no earlier than shortly before it may have changed within the same tick
    /// of its clock, so its content is compared on the next build.
    qint64 builtAt = 0;
    std::vector<ManifestPicture> pictures;
    QStringList pageFiles; ///< index.html and the files it loads
    /// Files a build was about to write when it recorded this: a build stopped halfway
    /// leaves them, and the next one knows them as the album's own.
    QStringList pending;

    /// Every file the album owns: the pictures' files, the page files, pending ones.
    QSet<QString> ownFiles() const;

    /// The record as JSON (UTF-8).
    QByteArray toJson() const;
    /// Reads a record. nullopt, with the reason in *error, for bytes that are no
    /// record of an album, of a later format, or name a file outside the album folder
    /// (such a record could make a build delete a file that is not the album's).
    static std::optional<Manifest> fromJson(const QByteArray &bytes, QString *error);
};

/// Whether a path from a record may name a file of the album: relative, "/" between
/// folders, no "." or ".." part, no empty part, and not the record itself.
bool isAlbumPath(const QString &relative);

} // namespace quorvel::album
