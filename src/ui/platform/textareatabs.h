// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace quorvel
{

/// Ctrl+Tab and Ctrl+Shift+Tab leave a text area that takes Tab as text (the header
/// and footer boxes, the HTML box), to the next or previous control, so that no box
/// holds a keyboard user captive. Installed once on the application.
class TextAreaTabs : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace quorvel
