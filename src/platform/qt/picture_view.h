#pragma once

#include "convert.h"
#include "platform/controls.h"

#include <QImage>
#include <QWidget>

namespace velmo::qt {

// A picture box: its retained raster with no frame. At one screen pixel per
// window pixel the raster is shown as it is; at any other scale each screen
// pixel shows the mean of the raster's area it covers, so that every raster
// pixel lights the same screen area wherever it falls.
class PictureWidget : public QWidget {
public:
    PictureWidget(PictureBox& model, QWidget* parent);

    // The raster's area `dirt` was drawn on: repaints the screen pixels it reaches.
    void drawn(const Bounds& dirt);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureBox& model_;
    // The raster at the screen's scale, brought up to it only where it was
    // drawn on since; kept so that a repaint of an area resamples nothing.
    QImage screen_;
    ScreenScale scale_;
    Bounds stale_;
};

using PictureView = View<PictureBox, PictureWidget*>;

PictureView make_picture(PictureBox& model, QWidget* window);
// Brings the box up to its model and repaints what was drawn on it; returns
// how many repaints it asked for.
int sync_view(PictureView& v);

} // namespace velmo::qt
