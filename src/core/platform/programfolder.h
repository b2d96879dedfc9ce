// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// Where the program keeps its own files (quorvel.ins, options.dat, the logo
/// pictures, ...). In a build tree or a portable install the executable's folder is
/// writable and holds everything. In a system install it is not: the files the
/// program writes go to the per-user config folder, and the files it only reads come
/// from the install's data folder (share/quorvel beside bin/). The pictures the
/// built-in page header refers to are copied to the per-user data folder.
class ProgramFolder
{
public:
    /// Folders given explicitly (tests inject temporary folders this way).
    ProgramFolder(QString writableDir, QString dataDir, QString userDataDir);

    /// The folders for the running executable, decided as described above.
    static ProgramFolder forRunningProgram();

    /// The rule itself, for an executable in exeDir. An installed program is one whose
    /// executable lies in a bin/ folder with share/quorvel beside it, or whose folder
    /// is read-only: it writes to configDir and reads its shipped files from
    /// share/quorvel. Any other (a build tree, a portable copy) keeps everything in
    /// its own folder. A user's own install into a writable prefix (~/.local) thus
    /// still counts as installed, and root running an installed program does not
    /// write beside it.
    static ProgramFolder forExecutableIn(const QString &exeDir, const QString &configDir, const QString &userDataDir);

    /// Whether the program runs as an installed one (see forExecutableIn).
    bool isInstalled() const
    {
        return m_writableDir != m_dataDir;
    }

    /// Folder of the files the program writes (settings and remembered folders).
    QString writableDir() const
    {
        return m_writableDir;
    }
    /// Folder of the files the program ships and only reads.
    QString dataDir() const
    {
        return m_dataDir;
    }
    /// Per-user folder that receives the copies of the logo pictures.
    QString userDataDir() const
    {
        return m_userDataDir;
    }

    /// Path of a program file to write; the folder is created when missing.
    QString fileForWriting(const QString &name) const;
    /// Path of a program file to read: the written copy when there is one, else the
    /// shipped one.
    QString fileForReading(const QString &name) const;

    /// The installed copy of a page of the manual ("getting-started"), which an
    /// install puts in share/doc/quorvel/manual beside the data folder; empty when the
    /// program is not installed or the page is not there (a system may leave out
    /// documentation). The manual is also built into the program (its help window).
    QString installedManualPage(const QString &page) const;

private:
    QString m_writableDir;
    QString m_dataDir;
    QString m_userDataDir;
};

} // namespace quorvel
