// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellopen.h"

#include "platform/prompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

namespace quorvel
{

QUrl shellTargetUrl(const QString &target)
{
    // "C:\x" has a one-letter "scheme"; real schemes are longer.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch())
        return QUrl(target);
    return QUrl::fromLocalFile(target);
}

bool openWithShell(QWidget *parent, const QString &target, Prompts &prompts, const ShellLauncher &launcher)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QUrl url = shellTargetUrl(target);
    int errorNumber = 0;
    QString description;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        errorNumber = 2;
        description = QObject::tr("The file or folder does not exist");
    } else if (!(launcher ? launcher(url) : QDesktopServices::openUrl(url))) {
        errorNumber = 31;
        description = QObject::tr("No program is set up to open it");
    }
    QApplication::restoreOverrideCursor();
    if (errorNumber == 0)
        return true;
    prompts.message(parent,
        QCoreApplication::translate("QObject", "Unable to load '%1' : %2 (Error %3)")
            .arg(target, description)
            .arg(errorNumber),
        Prompts::Icon::Exclamation);
    return false;
}

} // namespace quorvel
