// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QImage;

#include <gtest/gtest.h>

namespace quorvel::test
{

/// The test pictures (tests/data, or the CMake cache variable QUORVEL_TESTDATA_DIR),
/// or an empty string when that folder is absent.
QString testdataDir();

/// Full path of a file below the test pictures.
QString testPicture(const QString &relativePath);

/// Full path of a picture of the test pictures' formats/ folder (its PNG, WebP and TIFF
/// files among them).
QString formatPicture(const QString &name);

/// A file's bytes; empty when it cannot be read.
QByteArray readFile(const QString &path);

/// Writes bytes to a file, replacing it; whether all of them were written.
bool writeFile(const QString &path, const QByteArray &bytes);

/// Fills a folder as a 2026 disk holds one: every kind of picture the web album takes
/// under upper- and lower-case names (a PNG named "screenshot.jpg" among them), a
/// damaged file of each kind (named "broken" and its kind's extension), and files the
/// album does not take (a camera RAW file, a drawing, a video). Whether all were written.
bool writeMixedPictureFolder(const QString &folder);

/// The album pictures of writeMixedPictureFolder() that decode, in name order; the
/// "screenshot.jpg" among them is the upright photograph the others show.
QStringList mixedFolderPictures();

/// The damaged pictures of writeMixedPictureFolder(), in name order.
QStringList mixedFolderBrokenPictures();

/// What is wrong with a web album made from writeMixedPictureFolder(), one line each: its
/// record names other pictures than mixedFolderPictures(), or a web-size copy is not
/// the upright photograph that "screenshot.jpg" shows. Empty when nothing is.
QStringList mixedAlbumFaults(const QString &albumFolder);

/// While alive, every write that would make a file larger than `bytes` fails with
/// "file too large", for root too: a disk that fills up in the middle of a write.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    /// Whether the limit could be set on this system.
    bool active() const
    {
        return m_active;
    }

private:
    bool m_active = false;
    unsigned long long m_savedCurrent = 0;
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace quorvel::test

/// Fails the current test when the test pictures are absent: they are part of the
/// repository, so a test never passes by skipping what it should check.
#define QUORVEL_REQUIRE_TESTDATA()                                                                                     \
    do {                                                                                                               \
        if (quorvel::test::testdataDir().isEmpty())                                                                    \
            FAIL() << "test pictures not found at " QUORVEL_TESTDATA_DIR;                                              \
    } while (false)
