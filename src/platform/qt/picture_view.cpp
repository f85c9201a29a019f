#include "picture_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace velmo::qt {

PictureWidget::PictureWidget(PictureBox& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(object_name(model));
    setAccessibleName(qstring(model.spoken_name()));
}

void PictureWidget::paintEvent(QPaintEvent* event)
{
    const Raster& r = model_.raster();
    QPainter p(this);
    if (r.width() == 0 || r.height() == 0)
        return;
    // Wraps the model's pixels; nothing is copied.
    const QImage image(reinterpret_cast<const uchar*>(r.argb().data()), r.width(), r.height(),
        static_cast<qsizetype>(r.width()) * 4, QImage::Format_RGB32);
    const QRect area = event->rect() & QRect(0, 0, r.width(), r.height());
    p.drawImage(area.topLeft(), image, area);
}

PictureView make_picture(PictureBox& model, QWidget* window) { return {&model, new PictureWidget(model, window)}; }

int sync_view(PictureView& v)
{
    int requests = 0;
    const Rect dirt = v.model->raster().take_dirty();
    if (v.changed()) {
        v.widget->setGeometry(qrect(v.model->bounds()));
        v.widget->setVisible(v.model->visible());
        ++requests;
    }
    // A hidden box repaints whole when it is shown again.
    if (!dirt.empty() && v.widget->isVisible()) {
        v.widget->update(QRect(QPoint(dirt.left, dirt.top), QPoint(dirt.right, dirt.bottom)));
        ++requests;
    }
    return requests;
}

} // namespace velmo::qt
