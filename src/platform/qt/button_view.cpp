#include "button_view.h"

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
    const QRect r = rect();
    p.fillRect(r, qcolor(look_.face));
    const bool down = isDown();
    const QColor lit = qcolor(look_.lit), shade = qcolor(look_.shade), ink = qcolor(look_.ink);
    p.setPen(down ? shade : lit);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? lit : shade);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(ink);
    p.setFont(font());
    p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        p.setPen(QPen(ink, 1, Qt::DotLine));
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
}

ButtonView make_button(CommandButton& model, QWidget* window)
{
    auto* w = new FaceButton(qstring(model.caption()), model.face(), window);
    w->setObjectName(object_name(model));
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
