// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decoderwarnings.h"

#include <QDir>
#include <QLoggingCategory>

#include <cstring>

namespace quorvel
{
namespace
{

Q_LOGGING_CATEGORY(lcImaging, "quorvel.imaging")

thread_local const QString *t_picture = nullptr;

QtMessageHandler g_previousHandler = nullptr;

QString named(const QString &text)
{
    if (!t_picture)
        return text;
    return QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(*t_picture), text);
}

void nameInMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool pictureReader = context.category && std::strncmp(context.category, "qt.gui.imageio", 14) == 0;
    const QString text = pictureReader ? named(message) : message;
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

} // namespace

DecodingPicture::DecodingPicture(const QString &path)
    : m_path(path)
    , m_outer(t_picture)
{
    t_picture = &m_path;
}

DecodingPicture::~DecodingPicture()
{
    t_picture = m_outer;
}

QString decodingPicture()
{
    return t_picture ? *t_picture : QString();
}

void warnAboutPicture(const QString &warning)
{
    if (!warning.isEmpty())
        qCWarning(lcImaging).noquote() << named(warning);
}

void nameDecodedPicturesInMessages()
{
    g_previousHandler = qInstallMessageHandler(nameInMessage);
}

} // namespace quorvel
