// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagingoptions.h"

namespace quorvel
{

ImagingOptions::ImagingOptions(QObject *parent)
    : QObject(parent)
{
}

QString ImagingOptions::setThumbSize(double size)
{
    m_lastError = m_properties.changeThumbSize(size);
    Q_EMIT changed();
    return m_lastError;
}

void ImagingOptions::change(const std::function<void(ImagingProperties &)> &edit)
{
    edit(m_properties);
    Q_EMIT changed();
}

void ImagingOptions::setTransparentDrawing(bool on)
{
    change([on](ImagingProperties &properties) {
        properties.setBorderStyle(on ? 0 : 1);
        properties.setTransparent(on ? 1 : 0);
    });
}

void ImagingOptions::setSwitch(Switch which, bool checked)
{
    m_switches[static_cast<std::size_t>(which)] = checked;
    Q_EMIT changed();
}

} // namespace quorvel
