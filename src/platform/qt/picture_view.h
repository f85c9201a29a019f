#pragma once

#include "convert.h"
#include "platform/controls.h"

#include <QWidget>

namespace velmo::qt {

// A picture box: its retained raster shown 1:1, with no frame and no smoothing.
class PictureWidget : public QWidget {
public:
    PictureWidget(PictureBox& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureBox& model_;
};

using PictureView = View<PictureBox, PictureWidget*>;

PictureView make_picture(PictureBox& model, QWidget* window);
// Brings the box up to its model and repaints what was drawn on it; returns
// how many repaints it asked for.
int sync_view(PictureView& v);

} // namespace velmo::qt
