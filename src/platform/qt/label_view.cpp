#include "label_view.h"

#include "fonts.h"
#include "platform/appearance.h"

#include <QFontMetrics>
#include <QLabel>

namespace velmo::qt {

namespace {

// The title face, made smaller where the installed face is too wide for the
// label, so the title is never cut off. One measurement is enough (each size
// measured costs a face load).
QFont fitted(QFont font, const QString& text, int width)
{
    font.setPixelSize(fitted_pixel_size(font.pixelSize(), QFontMetrics(font).horizontalAdvance(text), width));
    return font;
}

} // namespace

LabelView make_label(Label& model, QWidget* window)
{
    auto* w = new QLabel(window);
    w->setObjectName(object_name(model));
    if (!model.spoken_name().empty())
        w->setAccessibleName(qstring(model.spoken_name()));
    w->setTextFormat(Qt::PlainText);
    // The title's tall face reaches into the credit line's strip; without a
    // fill of its own (the window behind it is as black), its letters are cut
    // only where the credit labels, stacked above it, fill their boxes.
    w->setAutoFillBackground(model.font() != FontRole::title);
    w->setFont(font_for(model.font()));
    w->setAlignment((model.align() == Align::centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return {&model, w};
}

bool sync_view(LabelView& v)
{
    if (!v.changed())
        return false;
    const Label& model = *v.model;
    QLabel* widget = v.widget;
    // Qt's setters do work even when nothing changes; only a real change is passed on.
    const QString text = qstring(model.caption());
    if (widget->text() != text) {
        widget->setText(text);
        if (model.font() == FontRole::title)
            widget->setFont(fitted(font_for(FontRole::title), text, model.bounds().width));
    }
    const QColor fore = qcolor(model.fore()), back = qcolor(model.back());
    if (widget->palette().color(QPalette::WindowText) != fore || widget->palette().color(QPalette::Window) != back) {
        QPalette pal = widget->palette();
        pal.setColor(QPalette::Window, back);
        pal.setColor(QPalette::WindowText, fore);
        widget->setPalette(pal);
    }
    if (widget->geometry() != qrect(model.bounds()))
        widget->setGeometry(qrect(model.bounds()));
    if (widget->isVisibleTo(widget->parentWidget()) != model.visible())
        widget->setVisible(model.visible());
    return true;
}

} // namespace velmo::qt
