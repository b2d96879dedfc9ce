// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/advancedoptions.h"
#include "imaging/imagingproperties.h"

#include <QObject>

#include <array>
#include <functional>

namespace quorvel
{

/// The one place the options of the next thumbnail live while the program runs: the
/// imaging properties (thumbnail size, frame, JPEG settings, transparent drawing),
/// the four check-state switches the advanced image options keep, and the choices
/// that window remembers between its openings. Owned by Application; nothing of it
/// is saved.
///
/// The main window's two imaging controls, the preview (Gvbox1) first and then the
/// working control (Gvbox2), and its hidden switch entries follow it on every
/// change; the advanced image options window edits it; a creation run and an Image
/// Replace take a snapshot of settings() when they start.
class ImagingOptions : public QObject
{
    Q_OBJECT
public:
    /// The check-state switches, kept apart from the properties they shadow: a switch
    /// starts off, while optimised coding, for one, starts on.
    enum class Switch {
        Transparent, ///< "mnu_trans": transparent drawing was chosen
        Optimized, ///< "mnu_opt": optimised coding was chosen
        Fancy, ///< "mnu_Fancy": follows "Fancy Unsampline"; read by nobody
        TwoPass, ///< "Mnu_TwoPass": follows "Two Pass Quantize"; read by nobody
    };

    explicit ImagingOptions(QObject *parent = nullptr);

    const ImagingProperties &properties() const
    {
        return m_properties;
    }
    /// The snapshot a run takes: what the next thumbnail is made with.
    ImageSettings settings() const
    {
        return m_properties.settings();
    }

    /// Sets ThumbSize by the imaging control's rule; a negative size is refused with
    /// the error returned (and kept in lastError()), and the size stays.
    QString setThumbSize(double size);
    /// The error of the last ThumbSize refused, empty once a size was taken.
    QString lastError() const
    {
        return m_lastError;
    }
    /// Any other property change, made on the properties held here.
    void change(const std::function<void(ImagingProperties &)> &edit);
    /// Transparent drawing on (Transparent 1, BorderStyle 0: no frame) or off
    /// (Transparent 0, BorderStyle 1).
    void setTransparentDrawing(bool on);

    bool switchChecked(Switch which) const
    {
        return m_switches[static_cast<std::size_t>(which)];
    }
    void setSwitch(Switch which, bool checked);

    /// The remembered choices of the advanced image options window.
    AdvancedOptionFlags &flags()
    {
        return m_flags;
    }
    const AdvancedOptionFlags &flags() const
    {
        return m_flags;
    }

Q_SIGNALS:
    /// After every write of a property or a switch, also one that leaves the value
    /// as it was: each write sets the followers again, so a control that was changed
    /// behind the options' back takes their values back.
    void changed();

private:
    ImagingProperties m_properties;
    QString m_lastError;
    std::array<bool, 4> m_switches {};
    AdvancedOptionFlags m_flags;
};

} // namespace quorvel
