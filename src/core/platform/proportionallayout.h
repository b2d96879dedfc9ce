// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

namespace quorvel
{

/// Keeps controls where they were designed relative to the window's size: every
/// resize scales each control's left and width by new width / base width and its
/// top and height by new height / base height, then the new size becomes the base.
/// The first resize only records the base. Resizes while the window is minimized
/// change nothing, so a restore scales from the size recorded before the minimize.
/// Geometry is kept in floating point, so many resizes do not drift by rounding.
class ProportionalLayout
{
public:
    /// Adds a control's rectangle; returns its index.
    int add(const QRectF &rect);

    /// Replaces a control's rectangle (a control moved by the program).
    void set(int index, const QRectF &rect);

    /// The control's current rectangle.
    QRectF rect(int index) const
    {
        return m_rects.at(index);
    }
    /// The control's rectangle in whole pixels.
    QRect pixelRect(int index) const;

    int count() const
    {
        return static_cast<int>(m_rects.size());
    }

    /// The recorded base size; empty before the first resize.
    QSizeF base() const
    {
        return m_base;
    }

    /// Applies a resize of the client area. Returns true when the rectangles changed.
    bool resize(const QSizeF &clientSize, bool minimized);

private:
    QList<QRectF> m_rects;
    QSizeF m_base;
};

} // namespace quorvel
