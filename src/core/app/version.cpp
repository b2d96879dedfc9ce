// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/version.h"

#include <QCoreApplication>

namespace quorvel
{

QString versionText(int major, int minor, int build)
{
    return QCoreApplication::translate("quorvel::Form5", "%1.%2, Build: %3").arg(major).arg(minor).arg(build);
}

QString programVersionText()
{
    return versionText(QUORVEL_VERSION_MAJOR, QUORVEL_VERSION_MINOR, QUORVEL_VERSION_PATCH);
}

} // namespace quorvel
