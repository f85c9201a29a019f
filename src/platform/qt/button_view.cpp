#include "button_view.h"

#include "fonts.h"

#include <QPainter>

namespace velmo::qt {

FaceButton::FaceButton(const QString& caption, Colour face, QWidget* parent)
    : QPushButton(caption, parent)
    , look_(button_look(face))
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

void FaceButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QTransform window_pixels = p.worldTransform();
    // The face, bevel and ring in screen pixels, each stroke as wide all round.
    const ScreenScale scale = paint_on_screen(p, pos());
    const Bounds box = scale.box({x(), y(), width(), height()});
    const int s = scale.stroke(1), right = box.left + box.width, bottom = box.top + box.height;
    p.fillRect(box.left, box.top, box.width, box.height, qcolor(look_.face));
    const bool down = isDown();
    const QColor lit = qcolor(look_.lit), shade = qcolor(look_.shade), ink = qcolor(look_.ink);
    p.fillRect(box.left, box.top, box.width, s, down ? shade : lit);
    p.fillRect(box.left, box.top, s, box.height, down ? shade : lit);
    p.fillRect(box.left, bottom - s, box.width, s, down ? lit : shade);
    p.fillRect(right - s, box.top, s, box.height, down ? lit : shade);
    if (hasFocus())
        for (const Point& dot : focus_ring(width(), height()))
            p.fillRect(scale.edge(x() + dot.x), scale.edge(y() + dot.y), s, s, ink);
    // The caption in window pixels, pressed in by a stroke.
    p.setWorldTransform(window_pixels);
    const qreal in = down ? s / p.deviceTransform().m11() : 0;
    p.setPen(ink);
    p.setFont(font());
    p.drawText(QRectF(rect()).translated(in, in), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

ButtonView make_button(CommandButton& model, QWidget* window)
{
    auto* w = new FaceButton(qstring(model.caption()), model.face(), window);
    w->setObjectName(object_name(model));
    w->setFont(button_font());
    w->setGeometry(qrect(model.bounds()));
    return {&model, w};
}

bool sync_view(ButtonView& v)
{
    if (!v.changed())
        return false;
    v.widget->setVisible(v.model->visible());
    return true;
}

} // namespace velmo::qt
