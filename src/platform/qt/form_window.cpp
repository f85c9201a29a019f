#include "form_window.h"

#include "fonts.h"
#include "platform/numeric.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cstdio>

namespace velmo::qt {

namespace {

QColor to_qcolor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QRect to_qrect(const Bounds& b) { return QRect(b.left, b.top, b.width, b.height); }

QString text_of(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The pixels a line control covers: along its axis from its first end point up
// to, not including, the second, so a line is as many pixels long as the
// distance between its ends; across, as many pixels as it is wide.
QRect line_area(const LineShape& l)
{
    const Point a = l.from(), b = l.to();
    const int w = std::max(l.width(), 1);
    if (a.y == b.y && a.x != b.x)
        return a.x < b.x ? QRect(a.x, a.y, b.x - a.x, w) : QRect(b.x + 1, a.y, a.x - b.x, w);
    if (a.x == b.x && a.y != b.y)
        return a.y < b.y ? QRect(a.x, a.y, w, b.y - a.y) : QRect(a.x, b.y + 1, w, a.y - b.y);
    if (a == b)
        return {};
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
        .adjusted(-w, -w, w, w);
}

// The title face, made smaller where the installed face is too wide for the
// label, so the title is never cut off. Width grows in step with the pixel
// size, so one measurement is enough (each size measured costs a face load).
QFont fitted(QFont font, const QString& text, int width)
{
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance > width)
        font.setPixelSize(std::max(8, font.pixelSize() * width / advance - 1));
    return font;
}

} // namespace

// A command button whose face is exactly its colour, with a bevel, its caption
// (access key underlined) and a dotted ring when it has the focus. Painted by
// hand: a style sheet per button costs start-up time for nothing.
class FaceButton : public QPushButton {
public:
    FaceButton(const QString& caption, QColor face, QWidget* parent)
        : QPushButton(caption, parent)
        , face_(face)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAutoDefault(false);
        const bool light = 299 * face.red() + 587 * face.green() + 114 * face.blue() > 128000;
        ink_ = light ? QColor(Qt::black) : QColor(Qt::white);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, face_);
        const bool down = isDown();
        const QColor lit = face_.lighter(150), shade = face_.darker(200);
        p.setPen(down ? shade : lit);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? lit : shade);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(ink_);
        p.setFont(font());
        p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter | Qt::TextShowMnemonic, text());
        if (hasFocus()) {
            p.setPen(QPen(ink_, 1, Qt::DotLine));
            p.drawRect(r.adjusted(2, 2, -3, -3));
        }
    }

private:
    QColor face_, ink_;
};

// A picture box: its retained raster shown 1:1, with no frame and no smoothing.
class PictureWidget : public QWidget {
public:
    PictureWidget(PictureBox& model, QWidget* parent)
        : QWidget(parent)
        , model_(model)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAccessibleName(QString::fromUtf8(model.name().data(), static_cast<qsizetype>(model.name().size())));
    }

protected:
    void paintEvent(QPaintEvent* event) override
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

private:
    PictureBox& model_;
};

FormWindow::FormWindow(Form& form, Dispatcher& dispatcher, QWidget* parent)
    : QWidget(parent)
    , form_(form)
    , dispatcher_(dispatcher)
{
    setWindowTitle(text_of(std::string(form.caption())));
    setFixedSize(form.width(), form.height());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, to_qcolor(form.back()));
    setPalette(pal);

    for (Label& l : form.labels()) {
        auto* w = new QLabel(this);
        w->setObjectName(text_of(display_name(l)));
        w->setTextFormat(Qt::PlainText);
        // The title's tall face reaches into the credit line's strip; drawn on
        // top without a fill of its own (the window behind it is as black), it
        // cuts neither the credit text nor its own letters.
        const bool title = l.font() == FontRole::title;
        w->setAutoFillBackground(!title);
        w->setFont(font_for(l.font()));
        w->setAlignment((l.align() == Align::centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        labels_.push_back({&l, w, ~std::uint64_t{0}});
    }
    for (CommandButton& b : form.buttons()) {
        auto* w = new FaceButton(text_of(b.caption()), to_qcolor(b.face()), this);
        w->setObjectName(text_of(display_name(b)));
        w->setGeometry(to_qrect(b.bounds()));
        connect(w, &QPushButton::clicked, this, [this, &b] { deliver_click(b); });
        buttons_.push_back({&b, w, ~std::uint64_t{0}});
    }
    for (PictureBox& p : form.pictures()) {
        auto* w = new PictureWidget(p, this);
        w->setObjectName(text_of(display_name(p)));
        pictures_.push_back({&p, w, ~std::uint64_t{0}});
    }
    for (LineShape& l : form.lines())
        lines_.push_back({&l, ~std::uint64_t{0}, {}});
    for (auto& b : labels_)
        if (b.model->font() == FontRole::title)
            b.widget->raise();

    // The tab order is the buttons' tab indexes; labels and pictures take no focus.
    std::vector<Binding<CommandButton, QPushButton>> order = buttons_;
    std::sort(order.begin(), order.end(),
        [](const auto& a, const auto& b) { return a.model->tab_index() < b.model->tab_index(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].widget, order[i].widget);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    waker_.setSingleShot(true);
    waker_.setTimerType(Qt::CoarseTimer);
    connect(&waker_, &QTimer::timeout, this, &FormWindow::wake);
    clock_.start();
    sync();
    schedule();
}

FormWindow::~FormWindow() = default;

void FormWindow::request_update(QWidget* w, const QRect& r)
{
    if (r.isEmpty())
        return;
    ++repaint_requests_;
    w->update(r);
}

void FormWindow::sync()
{
    for (auto& [model, widget, seen] : labels_) {
        if (model->revision() == seen)
            continue;
        seen = model->revision();
        // Qt's setters do work even when nothing changes; only a real change is passed on.
        const QString text = text_of(model->caption());
        if (widget->text() != text) {
            widget->setText(text);
            if (model->font() == FontRole::title)
                widget->setFont(fitted(font_for(FontRole::title), text, model->bounds().width));
        }
        const QColor fore = to_qcolor(model->fore()), back = to_qcolor(model->back());
        if (widget->palette().color(QPalette::WindowText) != fore ||
            widget->palette().color(QPalette::Window) != back) {
            QPalette pal = widget->palette();
            pal.setColor(QPalette::Window, back);
            pal.setColor(QPalette::WindowText, fore);
            widget->setPalette(pal);
        }
        if (widget->geometry() != to_qrect(model->bounds()))
            widget->setGeometry(to_qrect(model->bounds()));
        if (widget->isVisibleTo(this) != model->visible())
            widget->setVisible(model->visible());
        ++repaint_requests_;
    }
    for (auto& [model, widget, seen] : buttons_) {
        if (model->revision() == seen)
            continue;
        seen = model->revision();
        widget->setVisible(model->visible());
        ++repaint_requests_;
    }
    for (auto& [model, widget, seen] : pictures_) {
        const Rect dirt = model->raster().take_dirty();
        if (model->revision() != seen) {
            seen = model->revision();
            widget->setGeometry(to_qrect(model->bounds()));
            widget->setVisible(model->visible());
            ++repaint_requests_;
        }
        // A hidden box repaints whole when it is shown again.
        if (!dirt.empty() && widget->isVisible())
            request_update(widget, QRect(QPoint(dirt.left, dirt.top), QPoint(dirt.right, dirt.bottom)));
    }
    for (auto& [model, seen, area] : lines_) {
        if (model->revision() == seen)
            continue;
        seen = model->revision();
        const QRect now = model->visible() ? line_area(*model) : QRect();
        if (now != area) {
            request_update(this, area.united(now));
            area = now;
        }
    }
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    for (const auto& l : lines_) {
        if (l.area.isEmpty() || !l.area.intersects(event->rect()))
            continue;
        const LineShape& m = *l.model;
        const QColor c = to_qcolor(m.colour());
        if (m.from().x == m.to().x || m.from().y == m.to().y) {
            p.fillRect(l.area, c);
        } else {
            p.setPen(QPen(c, m.width()));
            p.drawLine(m.from().x, m.from().y, m.to().x, m.to().y);
        }
    }
}

void FormWindow::deliver_click(const CommandButton& b)
{
    run_event([&] {
        // Ticks that fell due before the click come first, as they would have.
        dispatcher_.advance_to(clock_.elapsed());
        dispatcher_.click(b.name(), b.index());
    });
}

void FormWindow::wake()
{
    ++wake_ups_;
    run_event([&] { dispatcher_.advance_to(clock_.elapsed()); });
}

void FormWindow::run_event(const std::function<void()>& event)
{
    try {
        event();
    } catch (const RuntimeError& e) {
        // The runtime's run-time error: reported, and the program ends.
        std::fprintf(stderr, "velmo: run-time error: %s\n", e.what());
        waker_.stop();
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Run-time error: %1").arg(e.what()));
        QApplication::exit(1);
        return;
    }
    sync();
    schedule();
}

// Wakes only for a timer whose tick someone sees; quiet ticks wait for the
// next event, which takes them first.
void FormWindow::schedule()
{
    const auto due = dispatcher_.next_due();
    if (!due) {
        waker_.stop();
        return;
    }
    const auto wait = std::clamp<Dispatcher::Millis>(*due - clock_.elapsed(), 0, 1 << 30);
    waker_.start(static_cast<int>(wait));
}

} // namespace velmo::qt
