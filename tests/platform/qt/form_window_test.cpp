// The Qt view of the window model, headless (offscreen platform): what the
// player sees at start, that clicks and access keys reach the game, that the
// drawing surface is shown pixel for pixel, and that idle ticks repaint nothing.

#include "app/frmvelmo.h"
#include "platform/appearance.h"
#include "platform/screen.h"
#include "platform/qt/fonts.h"
#include "platform/qt/form_window.h"
#include "support.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <map>
#include <set>

using velmo::Frmvelmo;
using velmo::qt::FormWindow;
using velmo::test::next_state;

namespace {

QRgb rgb_of(velmo::Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

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

// A change to the model after a mission is on screen, and what it is.
struct ModelChange {
    int mission;
    void (*change)(Frmvelmo&);
};
const std::map<QString, ModelChange> model_changes{
    {"circle on the picture", {1, [](Frmvelmo& m) { m.form().picture("Pic1").circle(200, 100, 15, 0x0000FF); }}},
    {"the picture's last pixel", {1, [](Frmvelmo& m) { m.form().picture("Pic1").pset(520, 224, 0x0000FF); }}},
    {"question text", {1, [](Frmvelmo& m) { m.form().label("Lblask").set_caption("Mission 1: ?"); }}},
    {"question colour", {1, [](Frmvelmo& m) { m.form().label("Lblask").set_fore(0x0000FF); }}},
    {"estimate stepped", {1, [](Frmvelmo& m) { m.click("cmdchange", 5); }}},
    {"line shortened", {6, [](Frmvelmo& m) { m.form().line("Line3").set_x2(m.line("Line3").to().x - 40); }}},
    {"line lengthened", {6, [](Frmvelmo& m) { m.form().line("Line3").set_x2(m.line("Line3").to().x + 40); }}},
    {"line moved down",
        {6,
            [](Frmvelmo& m) {
                m.form().line("Line3").set_y1(380);
                m.form().line("Line3").set_y2(380);
            }}},
    {"box edge moved",
        {6,
            [](Frmvelmo& m) {
                auto& edge = m.form().line("Line4", 0);
                edge.set_x1(edge.from().x + 9);
                edge.set_x2(edge.from().x);
            }}},
};

// The window as a screen of that many screen pixels per window pixel shows it.
QImage at_ratio(QWidget& w, double ratio)
{
    QImage shot(qCeil(w.width() * ratio), qCeil(w.height() * ratio), QImage::Format_RGB32);
    shot.setDevicePixelRatio(ratio);
    w.render(&shot);
    return shot;
}

// How many pixels of colour c run from (x, y) in steps of (dx, dy).
int run_of(const QImage& shot, QRgb c, int x, int y, int dx, int dy)
{
    int n = 0;
    for (; shot.rect().contains(x, y) && shot.pixel(x, y) == c; x += dx, y += dy)
        ++n;
    return n;
}

std::set<QString> visible_children(QWidget& w)
{
    std::set<QString> out;
    for (QWidget* c : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (c->isVisible())
            out.insert(c->objectName());
    return out;
}

} // namespace

class FormWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Frmvelmo> model;
    std::unique_ptr<FormWindow> window;

    void open()
    {
        model = std::make_unique<Frmvelmo>();
        window = std::make_unique<FormWindow>(model->form(), model->dispatcher());
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

private slots:
    void init() { open(); }
    void cleanup()
    {
        window.reset();
        model.reset();
    }

    void title_screen_shows_the_title_the_two_lines_and_start()
    {
        QCOMPARE(window->size(), QSize(760, 555));
        QCOMPARE(window->windowTitle(), QStringLiteral("Velmo"));
        const std::set<QString> expected{"lblotsikko", "lblorvan", "lblwritten", "Cmdstart"};
        QCOMPARE(visible_children(*window), expected);
        const QImage shot = window->grab().toImage();
        QCOMPARE(shot.pixel(356, 212), qRgb(255, 255, 0)); // the Start button's face
        QCOMPARE(shot.pixel(100, 400), qRgb(0, 0, 0));     // where the picture will be
        QCOMPARE(shot.pixel(600, 540), qRgb(0, 0, 0));     // where the scores will be
    }

    static int white_in_picture(const QImage& shot)
    {
        int white = 0;
        for (int y = 320; y < 545; ++y)
            for (int x = 16; x < 537; ++x)
                white += shot.pixel(x, y) == qRgb(255, 255, 255);
        return white;
    }

    void a_click_on_start_draws_mission_1()
    {
        QTest::mouseClick(window->findChild<QPushButton*>("Cmdstart"), Qt::LeftButton);
        QCOMPARE(model->state().mission, 1);
        QVERIFY(white_in_picture(window->grab().toImage()) > 100);
        QVERIFY(!shown("Cmdstart"));
        QVERIFY(shown("cmdready"));
    }

    // Each access key presses its button where it shows: Alt+S on the title,
    // Alt+R in mission 1, Alt+C in its result, Alt+N when the game is over.
    void access_keys_press_the_visible_button_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("missions_played");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("shown_after");
        QTest::newRow("Alt+S") << int(Qt::Key_S) << 0 << false << "Lblask";
        QTest::newRow("Alt+R") << int(Qt::Key_R) << 1 << false << "cmdcont";
        QTest::newRow("Alt+C") << int(Qt::Key_C) << 1 << true << "Lblwait";
        QTest::newRow("Alt+N") << int(Qt::Key_N) << 10 << true << "Cmdstart";
    }
    void access_keys_press_the_visible_button()
    {
        QFETCH(int, key);
        QFETCH(int, missions_played);
        QFETCH(bool, answered);
        QFETCH(QString, shown_after);
        if (missions_played > 0)
            play_to(missions_played);
        if (answered) {
            model->click("cmdready");
            window->sync();
        }
        QVERIFY(!shown(shown_after));
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(shown(shown_after), 2000);
        if (key == Qt::Key_S)
            QVERIFY(white_in_picture(window->grab().toImage()) > 100);
    }

    void access_keys_of_hidden_buttons_do_nothing()
    {
        for (Qt::Key k : {Qt::Key_R, Qt::Key_C, Qt::Key_N})
            QTest::keyClick(window.get(), k, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(model->state().mission, velmo::Integer{0});
        QVERIFY(model->button("Cmdstart").visible());
        QVERIFY(!model->label("Lblscore1", 0).visible());
    }

    void the_drawing_surface_is_shown_pixel_for_pixel()
    {
        play_to(2); // mission 2 paints every point
        const QImage shot = window->grab().toImage();
        const auto& pic = model->picture("Pic1");
        for (int y = 0; y < pic.bounds().height; ++y)
            for (int x = 0; x < pic.bounds().width; ++x)
                if (shot.pixel(16 + x, 320 + y) != rgb_of(pic.raster().pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("Pic1 differs at %1,%2").arg(x).arg(y)));
    }

    // At a fractional ratio too, each edge lies on the screen pixel the scale
    // puts it on, each stroke is as wide all round, and each screen pixel of
    // the picture is the mean of the raster's area it covers.
    void at_any_pixel_ratio_edges_and_strokes_are_even_data()
    {
        QTest::addColumn<double>("ratio");
        for (const double r : {1.0, 1.25, 1.5, 1.75, 2.0})
            QTest::newRow(qPrintable(QString::number(r))) << r;
    }
    void at_any_pixel_ratio_edges_and_strokes_are_even()
    {
        QFETCH(double, ratio);
        const velmo::ScreenScale scale = velmo::ScreenScale::nearest(ratio);
        const int s = scale.stroke(1);
        play_to(1);
        window->findChild<QPushButton*>("cmdready")->setFocus();
        QImage shot = at_ratio(*window, ratio);

        // Again after a circle more: only the area it reaches is resampled.
        for (const bool again : {false, true}) {
            if (again) {
                model->form().picture("Pic1").circle(200, 100, 15, 0x0000FF);
                window->sync();
                shot = at_ratio(*window, ratio);
            }
            const velmo::Raster& r = model->picture("Pic1").raster();
            const velmo::Bounds pic = scale.box(model->picture("Pic1").bounds());
            std::vector<std::uint32_t> mean(static_cast<std::size_t>(pic.width) * pic.height);
            velmo::resample(
                r.argb(), r.width(), r.height(), pic.width, pic.height, {0, pic.width}, {0, pic.height}, mean, pic.width);
            for (int y = 0; y < pic.height; ++y)
                for (int x = 0; x < pic.width; ++x)
                    if (shot.pixel(pic.left + x, pic.top + y) != (mean[y * pic.width + x] | 0xFF000000u))
                        QFAIL(qPrintable(QStringLiteral("Pic1 differs at %1,%2").arg(x).arg(y)));
        }

        for (const velmo::CommandButton& b : model->form().buttons()) {
            if (!b.visible())
                continue;
            const velmo::Bounds e = scale.box(b.bounds());
            const velmo::ButtonLook look = velmo::button_look(b.face());
            const int mid_x = e.left + e.width / 2, mid_y = e.top + e.height / 2;
            const QRgb lit = rgb_of(look.lit), shade = rgb_of(look.shade);
            const QString name = QString::fromStdString(velmo::display_name(b));
            // Each side: where its run starts in window and in screen pixels,
            // its step inwards and its colour. Neighbours overlap by a pixel,
            // and where a control stacked above covers a side it is not seen.
            const velmo::Bounds& d = b.bounds();
            const struct {
                velmo::Point at;
                int x, y, dx, dy;
                QRgb colour;
            } sides[] = {{{d.left + d.width / 2, d.top}, mid_x, e.top, 0, 1, lit},
                {{d.left, d.top + d.height / 2}, e.left, mid_y, 1, 0, lit},
                {{d.left + d.width / 2, d.top + d.height - 1}, mid_x, e.top + e.height - 1, 0, -1, shade},
                {{d.left + d.width - 1, d.top + d.height / 2}, e.left + e.width - 1, mid_y, -1, 0, shade}};
            for (const auto& side : sides) {
                const auto covers = [&](const auto& o) {
                    const velmo::Bounds& ob = o.bounds();
                    return static_cast<const void*>(&o) != &b && o.visible() && side.at.x >= ob.left &&
                        side.at.x < ob.left + ob.width && side.at.y >= ob.top && side.at.y < ob.top + ob.height;
                };
                const auto& f = model->form();
                if (std::any_of(f.buttons().begin(), f.buttons().end(), covers) ||
                    std::any_of(f.labels().begin(), f.labels().end(), covers))
                    continue;
                const int run = run_of(shot, side.colour, side.x, side.y, side.dx, side.dy);
                QVERIFY2(run == s,
                    qPrintable(QStringLiteral("%1's bevel is %2 pixels at %3,%4, not %5")
                            .arg(name)
                            .arg(run)
                            .arg(side.x)
                            .arg(side.y)
                            .arg(s)));
            }
            QVERIFY2(shot.pixel(mid_x, e.top - 1) != lit && shot.pixel(e.left - 1, mid_y) != lit, qPrintable(name));
            if (name != "cmdready")
                continue;
            for (const velmo::Point dot : velmo::focus_ring(b.bounds().width, b.bounds().height)) {
                const int x = scale.edge(b.bounds().left + dot.x), y = scale.edge(b.bounds().top + dot.y);
                if (run_of(shot, rgb_of(look.ink), x, y, 1, 0) < s || run_of(shot, rgb_of(look.ink), x, y, 0, 1) < s)
                    QFAIL(qPrintable(QStringLiteral("the ring's dot at %1,%2 is not %3 wide").arg(dot.x).arg(dot.y).arg(s)));
            }
        }

        play_on(5); // mission 6: the line to measure and the model box
        shot = at_ratio(*window, ratio);
        for (const velmo::LineShape& l : model->form().lines()) {
            if (!l.visible())
                continue;
            const velmo::Bounds a = velmo::line_area(l), e = scale.box(a);
            const QRgb c = rgb_of(l.colour());
            const bool across = l.from().y == l.to().y;
            const int mid_x = e.left + e.width / 2, mid_y = e.top + e.height / 2;
            QCOMPARE(across ? run_of(shot, c, mid_x, e.top, 0, 1) : run_of(shot, c, e.left, mid_y, 1, 0),
                scale.stroke(across ? a.height : a.width));
            QVERIFY(across ? shot.pixel(e.left - 1, e.top) != c : shot.pixel(e.left, e.top - 1) != c);
        }
    }

    void the_estimate_is_yellow_on_dark_grey()
    {
        play_to(1);
        const QImage shot = window->grab().toImage();
        QCOMPARE(shot.pixel(369, 288), qRgb(0x40, 0x40, 0x40));
        QCOMPARE(window->findChild<QLabel*>("Lblcount1")->text(), QStringLiteral(" 200"));
    }

    // The view repaints only what changed, so every pixel that differs after
    // a change must lie in an area it asked Qt to repaint; a grab repaints all
    // and would hide a stale strip.
    void repaints_cover_every_changed_pixel_data()
    {
        QTest::addColumn<QString>("change");
        for (const auto& [name, c] : model_changes)
            QTest::newRow(qPrintable(name)) << name;
    }
    void repaints_cover_every_changed_pixel()
    {
        QFETCH(QString, change);
        const ModelChange& c = model_changes.at(change);
        play_to(c.mission);
        QTest::qWait(20);
        const QImage before = window->grab().toImage();
        PaintLog log(*window);
        c.change(*model);
        window->sync();
        QTest::qWait(20);
        const QRegion repainted = log.region; // before the grab's own paints
        const QImage after = window->grab().toImage();
        int changed = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    ++changed;
                    if (!repainted.contains(QPoint(x, y)))
                        QFAIL(qPrintable(QStringLiteral("%1,%2 changed but was not repainted").arg(x).arg(y)));
                }
        QVERIFY(changed > 0);
    }

    // Tmr1 runs on the title screen, yet nothing wakes the view and nothing is
    // repainted; the next click takes every tick that fell due meanwhile.
    void idle_ticks_wake_nothing_and_the_next_click_takes_them()
    {
        const std::uint32_t before = model->rng_state();
        PaintLog counter(*window);
        const auto wakes = window->wake_ups();
        const auto requests = window->repaint_requests();
        QTest::qWait(400);
        QCOMPARE(window->wake_ups(), wakes);
        QCOMPARE(window->repaint_requests(), requests);
        QCOMPARE(counter.paints, 0);

        QTest::mouseClick(window->findChild<QPushButton*>("Cmdstart"), Qt::LeftButton);
        // Mission 1 took three values a circle after the ticks, as many
        // circles as the last tick counted.
        const std::uint32_t after = model->rng_state();
        long taken = 0;
        for (std::uint32_t s = before; s != after && taken < 100000; s = next_state(s))
            ++taken;
        const long ticks = taken - 3 * model->state().rightanswer;
        QVERIFY2(ticks >= 200 && ticks < 5000, qPrintable(QString::number(ticks)));
    }

    // Tab goes through the visible buttons by their tab indexes: -1 (4),
    // Ready (9), +1 (13), -10 (14), +10 (15), -100 (40), +100 (41), round again.
    void tab_moves_through_the_visible_buttons_in_tab_index_order()
    {
        play_to(1);
        window->findChild<QPushButton*>("cmdchange(0)")->setFocus();
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QStringList expected{"cmdchange(0)", "cmdready", "cmdchange(1)", "cmdchange(2)", "cmdchange(3)",
            "cmdchange(4)", "cmdchange(5)", "cmdchange(0)"};
        QCOMPARE(order, expected);
    }

    void space_presses_the_focused_button()
    {
        play_to(1);
        auto* plus10 = window->findChild<QPushButton*>("cmdchange(3)");
        plus10->setFocus();
        QTest::keyClick(plus10, Qt::Key_Space);
        QTRY_COMPARE(model->state().answer, velmo::Long{210});
        QCOMPARE(window->findChild<QLabel*>("Lblcount1")->text(), QStringLiteral(" 210"));
    }

    // Each face colour, as the desktop's toolkit draws a raised button: its
    // face, edges lit and shaded as QColor lightens and darkens it, a caption
    // in black on a light face and white on a dark one, and, with the focus,
    // exactly the ring of dots that the page draws too.
    void buttons_draw_face_bevel_ink_and_focus_ring_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QRgb>("ink");
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        QTest::newRow("magenta New game") << "Cmdnew" << white;
        QTest::newRow("yellow Start") << "Cmdstart" << black;
        QTest::newRow("green Continue") << "cmdcont" << black;
        QTest::newRow("orange Ready") << "cmdready" << black;
        QTest::newRow("blue -1") << "cmdchange(0)" << white;
        QTest::newRow("red +1") << "cmdchange(1)" << white;
    }
    void buttons_draw_face_bevel_ink_and_focus_ring()
    {
        QFETCH(QString, button);
        QFETCH(QRgb, ink);
        for (velmo::CommandButton& b : model->form().buttons())
            if (velmo::display_name(b) == button.toStdString())
                b.set_visible(true);
        window->sync();
        auto* w = window->findChild<QPushButton*>(button);
        QVERIFY(w);
        const QImage plain = w->grab().toImage();
        w->setFocus();
        QVERIFY(w->hasFocus());
        const QImage focused = w->grab().toImage();
        const int right = w->width() - 1, bottom = w->height() - 1;
        const QColor face = plain.pixelColor(1, 1);
        QCOMPARE(plain.pixel(right / 2, 0), face.lighter(150).rgb());
        QCOMPARE(plain.pixel(0, bottom / 2), face.lighter(150).rgb());
        for (const QPoint p :
            {QPoint(right / 2, bottom), QPoint(right, bottom / 2), QPoint(right, 0), QPoint(0, bottom)})
            QCOMPARE(plain.pixel(p), face.darker(200).rgb());
        // The caption, clear of the bevel: in the ink, and nowhere in the other one.
        const QRgb other = ink == qRgb(0, 0, 0) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        int inked = 0, wrong = 0;
        for (int y = 1; y < bottom; ++y)
            for (int x = 1; x < right; ++x) {
                inked += plain.pixel(x, y) == ink;
                wrong += plain.pixel(x, y) == other;
            }
        QVERIFY2(inked > 3 && wrong == 0, qPrintable(QStringLiteral("%1 in ink, %2 not").arg(inked).arg(wrong)));
        std::set<std::pair<int, int>> ring;
        for (const velmo::Point p : velmo::focus_ring(w->width(), w->height()))
            ring.insert({p.x, p.y});
        for (int y = 2; y <= bottom - 2; ++y)
            for (int x = 2; x <= right - 2; ++x) {
                if (x != 2 && y != 2 && x != right - 2 && y != bottom - 2)
                    continue;
                const QRgb expected = ring.count({x, y}) ? ink : plain.pixel(x, y);
                if (focused.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("the ring differs at %1,%2").arg(x).arg(y)));
            }
    }

    // Screen readers say what a number or a picture is; buttons keep their captions.
    void screen_readers_name_what_captions_do_not()
    {
        play_to(10); // by the end of a game every one of them has been shown
        model->click("cmdready");
        window->sync();
        std::vector<std::pair<QString, QString>> names{{"Pic1", "Picture"}, {"Pic2", "Model area"},
            {"Pic3", "Yellow area"}, {"Lblcount1", "Your estimate"}, {"Lblscore2(10)", "Total score"},
            {"Cmdstart", "Start"}, {"lblrightots", "RIGHT ANSWER"}};
        // Each score row says its own mission, the one its Index stands for.
        for (int k = 0; k < 10; ++k)
            names.emplace_back(
                QStringLiteral("Lblscore2(%1)").arg(k), QStringLiteral("Score of mission %1").arg(k + 1));
        for (const auto& [object, spoken] : names) {
            auto* w = window->findChild<QWidget*>(object);
            QVERIFY2(w, qPrintable(object));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a, qPrintable(object));
            QCOMPARE(a->text(QAccessible::Name), spoken);
        }
    }

    // The program's own faces, not whatever fontconfig would put in their place.
    void every_caption_is_set_in_the_faces_the_program_carries()
    {
        struct Case {
            const char* what;
            QFont font;
            QString family;
            int weight;
            bool italic;
            int pixel_size;
        };
        using velmo::FontRole;
        using velmo::qt::font_for;
        for (const Case& c : {Case{"label", font_for(FontRole::normal), "Velmo Black", QFont::Black, false, 13},
                 Case{"credit", font_for(FontRole::credit), "Velmo Black", QFont::Black, true, 19},
                 Case{"title", font_for(FontRole::title), "Velmo Sans", QFont::Bold, false, 96},
                 Case{"button", velmo::qt::button_font(), "Velmo Sans", QFont::Normal, false, 12}}) {
            const QFontInfo real(c.font);
            QVERIFY2(real.family() == c.family && real.weight() == c.weight && real.italic() == c.italic &&
                         real.pixelSize() == c.pixel_size,
                qPrintable(QStringLiteral("%1: %2 %3%4 %5px").arg(QLatin1String(c.what), real.family())
                               .arg(real.weight()).arg(real.italic() ? " italic" : "").arg(real.pixelSize())));
        }
    }

    void mission_6_shows_the_yellow_line_and_the_white_model_box()
    {
        play_to(6);
        const QImage shot = window->grab().toImage();
        const int length = model->state().rightanswer;
        const int left = model->line("Line4", 0).from().x;
        const QRgb yellow = qRgb(255, 255, 0), white = qRgb(255, 255, 255);
        QCOMPARE(shot.pixel(16, 344), yellow);
        QCOMPARE(shot.pixel(15, 344), qRgb(0, 0, 0));
        QCOMPARE(shot.pixel(16 + length - 1, 344), yellow);
        QCOMPARE(shot.pixel(16 + length, 344), qRgb(0, 0, 0)); // as many pixels as it is long
        QCOMPARE(shot.pixel(left, 400), white);
        QCOMPARE(shot.pixel(left + 152, 400), white);
        QCOMPARE(shot.pixel(left + 152, 352), white); // a vertical edge from its first end
        QCOMPARE(shot.pixel(left + 152, 543), white); // up to, not including, its second
        QCOMPARE(shot.pixel(left + 152, 544), qRgb(0, 0, 0));
        QCOMPARE(shot.pixel(left + 70, 352), white);
        QCOMPARE(shot.pixel(left + 70, 544), white);
        QCOMPARE(shot.pixel(left + 24, 528), yellow); // the 50-pixel model line
        QCOMPARE(shot.pixel(left + 73, 528), yellow);
        QVERIFY(!shown("Pic1"));
    }

    void mission_10_shows_exactly_the_right_area_in_yellow()
    {
        play_to(10);
        const QImage shot = window->grab().toImage();
        const QRgb yellow = qRgb(255, 255, 0);
        long count = 0;
        // The area is at (16, 320) and at most 200 x 200; the model square is far right.
        for (int y = 300; y < 555; ++y)
            for (int x = 0; x < 300; ++x)
                count += shot.pixel(x, y) == yellow;
        QCOMPARE(count, long{model->state().rightarea});
        QCOMPARE(shot.pixel(16, 320), yellow);
        QCOMPARE(shot.pixel(15, 320), qRgb(0, 0, 0));
        // The model square holds the 2,500 pixels its label promises, all at (444, 434).
        long model_square = 0;
        for (int y = 430; y < 490; ++y)
            for (int x = 440; x < 500; ++x)
                model_square += shot.pixel(x, y) == yellow;
        QCOMPARE(model_square, 2500L);
        QCOMPARE(shot.pixel(444, 434), yellow);
        QCOMPARE(shot.pixel(493, 483), yellow);
        QCOMPARE(shot.pixel(392, 400), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(FormWindowTest)
#include "form_window_test.moc"
