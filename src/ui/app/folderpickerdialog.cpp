// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folderpickerdialog.h"

#include "app/application.h"
#include "platform/drivelist.h"
#include "platform/folderlist.h"
#include "platform/paths.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel
{

FolderPickerDialog::FolderPickerDialog(Application &app, const QString &startFolder, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setWindowTitle(tr("Save to....."));
    setModal(true);
    setCursor(Qt::ArrowCursor);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_drives = new DriveList(frame);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_drives->setAccessibleName(tr("Drive"));
    m_folders = new FolderList(frame);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_folders->setAccessibleName(tr("Folders"));
    auto *saveButton = new QPushButton(tr("&Save"), frame);
    saveButton->setObjectName(QStringLiteral("Command1"));
    saveButton->setDefault(true);

    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_drives);
    frameLayout->addWidget(m_folders, 1);
    frameLayout->addWidget(saveButton, 0, Qt::AlignRight);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    resize(360, 420);

    connect(m_drives, &DriveList::driveChosen, m_folders, &FolderList::setDrive);
    connect(m_folders, &FolderList::pathChanged, m_drives, &DriveList::showVolumeOf);
    connect(saveButton, &QPushButton::clicked, this, &FolderPickerDialog::save);

    if (!m_folders->setPath(startFolder))
        m_folders->setPath(QDir::homePath());
    m_drives->showVolumeOf(m_folders->path());
}

void FolderPickerDialog::save()
{
    m_chosen = withTrailingSeparator(m_folders->path());
    m_app.state().savedir = m_chosen;
    accept();
}

savedirs::savedirs(Application &app, const QString &startFolder, QWidget *parent)
    : FolderPickerDialog(app, startFolder, parent)
{
    setObjectName(QStringLiteral("savedirs"));
}

form21::form21(Application &app, const QString &startFolder, QWidget *parent)
    : FolderPickerDialog(app, startFolder, parent)
{
    setObjectName(QStringLiteral("form21"));
}

} // namespace quorvel
