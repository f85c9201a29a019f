#include "picture_view.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace velmo::qt {

PictureWidget::PictureWidget(PictureBox& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(object_name(model));
    setAccessibleName(qstring(model.spoken_name()));
}

void PictureWidget::drawn(const Bounds& dirt)
{
    stale_ = stale_.united(dirt);
    const QRect area = qrect(dirt);
    update(scale_ == ScreenScale{} ? area : with_rounding(area));
}

void PictureWidget::paintEvent(QPaintEvent* event)
{
    const Raster& r = model_.raster();
    QPainter p(this);
    if (r.width() == 0 || r.height() == 0)
        return;
    const ScreenScale scale = paint_on_screen(p, pos());
    if (scale == ScreenScale{}) {
        // Wraps the model's pixels; nothing is copied.
        const QImage image(reinterpret_cast<const uchar*>(r.argb().data()), r.width(), r.height(),
            static_cast<qsizetype>(r.width()) * 4, QImage::Format_RGB32);
        const QRect area = event->rect() & QRect(0, 0, r.width(), r.height());
        p.drawImage(area.topLeft() + pos(), image, area);
        screen_ = QImage();
        scale_ = scale;
        stale_ = {};
        return;
    }
    const Bounds box = scale.box({pos().x(), pos().y(), r.width(), r.height()});
    if (scale != scale_ || screen_.width() != box.width || screen_.height() != box.height) {
        screen_ = QImage(box.width, box.height, QImage::Format_RGB32);
        scale_ = scale;
        stale_ = {0, 0, r.width(), r.height()};
    }
    if (!stale_.empty()) {
        const Bounds area = affected(stale_, r.width(), r.height(), box.width, box.height);
        const int stride = static_cast<int>(screen_.bytesPerLine() / 4);
        auto* first = reinterpret_cast<std::uint32_t*>(screen_.bits()) + area.top * stride + area.left;
        const auto words = static_cast<std::size_t>(area.height - 1) * stride + area.width;
        if (!area.empty())
            resample(r.argb(), r.width(), r.height(), box.width, box.height, {area.left, area.right()},
                {area.top, area.bottom()}, {first, words}, stride);
        stale_ = {};
    }
    p.drawImage(box.left, box.top, screen_);
}

PictureView make_picture(PictureBox& model, QWidget* window) { return {&model, new PictureWidget(model, window)}; }

int sync_view(PictureView& v)
{
    int requests = 0;
    const Bounds dirt = v.model->raster().take_dirty();
    if (v.changed()) {
        v.widget->setGeometry(qrect(v.model->bounds()));
        v.widget->setVisible(v.model->visible());
        ++requests;
    }
    // A hidden box repaints whole when it is shown again, from a copy at the
    // screen's scale that is kept up to date meanwhile.
    if (!dirt.empty()) {
        v.widget->drawn(dirt);
        requests += v.widget->isVisible() ? 1 : 0;
    }
    return requests;
}

} // namespace velmo::qt
