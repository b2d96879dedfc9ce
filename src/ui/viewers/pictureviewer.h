// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QSlider;

namespace quorvel
{

class Application;
class FileList;
class ImageBox;

/// The picture viewer, captioned "Picture Viewer": one picture large (upright, fitted
/// into the window and magnified 1 to 5 times by the zoom slider) and a scroll bar
/// whose position is the entry of the source list shown. Moving it one step selects
/// that entry in the list, which runs the list's own click action in its window, so
/// the opener's preview follows. Which list it walks: the Image Replace window's
/// "Select Images:" list while viewerSource is 2 and that window is open, else the
/// main window's source list.
///
/// Keys: Left/Right and PageUp/PageDown step, + and - zoom, Escape closes. A
/// double-click on the picture steps to the next entry.
class picView : public QWidget
{
    Q_OBJECT
public:
    explicit picView(Application &app, QWidget *parent = nullptr);
    ~picView() override;

    /// What an opener does first: loads and shows a picture. Returns false when it
    /// cannot be loaded; the picture shown before stays.
    bool openPicture(const QString &path);

    /// The scroll bar's position: the entry of the source list shown.
    int position() const;
    /// What an opener does second: puts the scroll bar at the entry it opened the
    /// viewer on, without stepping (the picture is loaded already), so that the next
    /// step moves on from there.
    void setPosition(int pos);

    /// The scroll bar change: selects entry pos of the source list (deselecting its
    /// neighbours), then shows that entry's picture; past the last entry shows "No
    /// more Pictures!" and the picture stays. A picture that cannot be loaded leaves
    /// the previous one shown.
    void stepTo(int pos);
    /// One step from the current position (the keys and the double-click).
    void stepBy(int delta);

    /// The list the scroll bar walks now.
    FileList *sourceList() const;
    /// The full path of entry pos of that list: its folder and the entry's name
    /// joined (a root folder gets the name directly); empty outside the list.
    QString entryPath(int pos) const;

    ImageBox *imageBox() const
    {
        return m_picture;
    }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void applyLayout();
    /// The scroll bar reaches one past the last entry, where "No more Pictures!" is.
    void updateRange();
    /// Fits the picture into the viewport at magnification 1.
    void fitPicture();
    void onZoomChanged(int value);

    Application &m_app;
    QScrollArea *m_viewport = nullptr;
    ImageBox *m_picture = nullptr; // Gvbox1
    QSlider *m_zoom = nullptr; // Slider1
    QLabel *m_zoomLabel = nullptr; // Label1
    QScrollBar *m_position = nullptr; // FlatScrollBar1
    QPushButton *m_close = nullptr; // Command1
    QTimer m_fitTimer;
};

} // namespace quorvel
