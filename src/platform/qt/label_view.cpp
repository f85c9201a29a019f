#include "label_view.h"

#include "fonts.h"
#include "platform/appearance.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace velmo::qt {

namespace {

// A label whose text stands on the baseline its role's rule gives, as in the
// page, not where the face's own ascent would put it.
class BaselineLabel : public QLabel {
public:
    BaselineLabel(FontRole role, QWidget* parent)
        : QLabel(parent)
        , role_(role)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const int drop = baseline(role_) - QFontMetrics(font()).ascent();
        style()->drawItemText(&p, rect().translated(0, drop), static_cast<int>(alignment()), palette(), isEnabled(),
            text(), foregroundRole());
    }

private:
    FontRole role_;
};

// The title face, made smaller where it is too wide for the label, so the
// title is never cut off. One measurement is enough (each size measured costs
// a face load).
QFont fitted(const QString& text, int width)
{
    const QFont font = font_for(FontRole::title);
    return font_for(FontRole::title,
        fitted_pixel_size(font.pixelSize(), QFontMetrics(font).horizontalAdvance(text), width));
}

} // namespace

LabelView make_label(Label& model, QWidget* window)
{
    auto* w = new BaselineLabel(model.font(), window);
    w->setObjectName(object_name(model));
    if (!model.spoken_name().empty())
        w->setAccessibleName(qstring(model.spoken_name()));
    w->setTextFormat(Qt::PlainText);
    w->setAutoFillBackground(fills_background(model));
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
            widget->setFont(fitted(text, model.bounds().width));
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
