#pragma once

// What the Qt view's tests share: the window model shown in the view,
// headless (offscreen platform), driven directly, and ways to look at it.

#include "app/frmvelmo.h"
#include "platform/qt/form_window.h"

#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QWidget>
#include <QtMath>

#include <memory>
#include <set>

namespace velmo::test {

inline QRgb rgb_of(velmo::Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Counts the paint events of a window and all of its children, and gathers
// the areas they repaint in the window's coordinates.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget& top)
        : top_(top)
    {
        top.installEventFilter(this);
        for (QWidget* c : top.findChildren<QWidget*>())
            c->installEventFilter(this);
    }
    int paints = 0;
    QRegion region;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            auto* w = static_cast<QWidget*>(o);
            region += static_cast<QPaintEvent*>(e)->region().translated(w->mapTo(&top_, QPoint(0, 0)));
        }
        return false;
    }

private:
    QWidget& top_;
};

// The window as a screen of that many screen pixels per window pixel shows it.
inline QImage at_ratio(QWidget& w, double ratio)
{
    QImage shot(qCeil(w.width() * ratio), qCeil(w.height() * ratio), QImage::Format_RGB32);
    shot.setDevicePixelRatio(ratio);
    w.render(&shot);
    return shot;
}

// How many pixels of colour c run from (x, y) in steps of (dx, dy).
inline int run_of(const QImage& shot, QRgb c, int x, int y, int dx, int dy)
{
    int n = 0;
    for (; shot.rect().contains(x, y) && shot.pixel(x, y) == c; x += dx, y += dy)
        ++n;
    return n;
}

inline std::set<QString> visible_children(QWidget& w)
{
    std::set<QString> out;
    for (QWidget* c : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (c->isVisible())
            out.insert(c->objectName());
    return out;
}

// The window model and its view, opened afresh for every test.
class WindowFixture : public QObject {
protected:
    std::unique_ptr<Frmvelmo> model;
    std::unique_ptr<qt::FormWindow> window;

    void open()
    {
        model = std::make_unique<Frmvelmo>();
        window = std::make_unique<qt::FormWindow>(model->form(), model->dispatcher());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Whether a control's widget is on screen; a control never shown has none.
    bool shown(const QString& name)
    {
        auto* w = window->findChild<QWidget*>(name);
        return w && w->isVisible();
    }

    // Drives the model directly (no real waits), the view catching up after
    // each event as it does in play.
    void play_to(int mission)
    {
        model->click("Cmdstart");
        window->sync();
        play_on(mission - 1);
    }
    void play_on(int missions)
    {
        for (int m = 0; m < missions; ++m) {
            model->click("cmdready");
            window->sync();
            model->click("cmdcont");
            window->sync();
            model->advance(3000);
            window->sync();
        }
    }

    void reset()
    {
        window.reset();
        model.reset();
    }
};

} // namespace velmo::test
