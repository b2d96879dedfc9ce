// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QListWidget>

#include <functional>

namespace quorvel
{

/// A file list: the files of one folder that match a pattern ("*.jpg;*.gif", letter
/// case ignored), in natural, case-insensitive name order. Several entries can be
/// selected, and the selected files can be dragged out as file URLs. The list
/// follows changes to the folder and keeps the selection across them.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    /// The folder listed.
    QString path() const
    {
        return m_path;
    }
    void setPath(const QString &folder);

    /// The patterns, separated by ";".
    QString pattern() const
    {
        return m_pattern;
    }
    void setPattern(const QString &pattern);

    /// Which files of the folder the list shows when not by pattern: those whose full
    /// path the function accepts (by their content, say). An empty function lists by
    /// the pattern again.
    void setAcceptedFiles(std::function<bool(const QString &path)> accepts);

    /// The file name of the current entry, or an empty string.
    QString fileName() const;

    /// The file names of the selected entries, in list order.
    QStringList selectedFileNames() const;

    /// The file names in list order.
    QStringList fileNames() const;

    /// Reads the folder again, keeping the selection of files that are still there.
    void refresh();

protected:
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    QStringList mimeTypes() const override;

private:
    QString m_path;
    QString m_pattern;
    std::function<bool(const QString &path)> m_accepts;
    QFileSystemWatcher m_watcher;
};

} // namespace quorvel
