// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/proportionallayout.h"

#include <cmath>

namespace quorvel
{

int ProportionalLayout::add(const QRectF &rect)
{
    m_rects.append(rect);
    return static_cast<int>(m_rects.size()) - 1;
}

void ProportionalLayout::set(int index, const QRectF &rect)
{
    m_rects[index] = rect;
}

QRect ProportionalLayout::pixelRect(int index) const
{
    const QRectF &r = m_rects.at(index);
    const int left = static_cast<int>(std::lround(r.left()));
    const int top = static_cast<int>(std::lround(r.top()));
    // Round the edges, not the sizes, so neighbouring controls stay flush.
    const int right = static_cast<int>(std::lround(r.left() + r.width()));
    const int bottom = static_cast<int>(std::lround(r.top() + r.height()));
    return QRect(left, top, right - left, bottom - top);
}

bool ProportionalLayout::resize(const QSizeF &clientSize, bool minimized)
{
    if (minimized || clientSize.width() <= 0 || clientSize.height() <= 0)
        return false;
    if (m_base.width() <= 0 || m_base.height() <= 0) {
        m_base = clientSize;
        return false;
    }
    const double sx = clientSize.width() / m_base.width();
    const double sy = clientSize.height() / m_base.height();
    for (QRectF &r : m_rects)
        r = QRectF(r.left() * sx, r.top() * sy, r.width() * sx, r.height() * sy);
    m_base = clientSize;
    return sx != 1.0 || sy != 1.0;
}

} // namespace quorvel
