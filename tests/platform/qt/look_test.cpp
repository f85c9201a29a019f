// How the Qt view draws the window: the drawing surface pixel for pixel at
// any ratio, the buttons' faces, bevels and rings, the lines, the faces of
// the text, and every label's letters whole.

#include "platform/appearance.h"
#include "platform/qt/fonts.h"
#include "platform/screen.h"
#include "window_fixture.h"
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
using namespace velmo::test;

class LookTest : public WindowFixture {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { reset(); }

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
    // No label's letters are hidden by another control, on any screen of a
    // game, at one screen pixel a pixel and at 1.5: each label drawn alone
    // shows its ink where the window shows it.
    void no_label_is_covered_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
    }
    void no_label_is_covered()
    {
        QFETCH(double, ratio);
        const auto check = [&](const QString& screen) {
            const QImage whole = at_ratio(*window, ratio);
            for (QLabel* l : window->findChildren<QLabel*>()) {
                if (!l->isVisible())
                    continue;
                // Drawn where it stands, so that its letters fall on the same screen pixels.
                QImage alone(whole.size(), QImage::Format_RGB32);
                alone.setDevicePixelRatio(ratio);
                alone.fill(Qt::magenta);
                l->render(&alone, l->pos());
                const QRect box = QRect((QPointF(l->pos()) * ratio).toPoint(), (QSizeF(l->size()) * ratio).toSize()) &
                                  whole.rect();
                const auto& labels = model->form().labels();
                const auto label = std::find_if(labels.begin(), labels.end(),
                    [&](const velmo::Label& m) { return QString::fromStdString(velmo::display_name(m)) == l->objectName(); });
                QVERIFY(label != labels.end());
                const QRgb back = rgb_of(velmo::fills_background(*label) ? label->back() : model->form().back());
                int covered = 0;
                for (int y = box.top(); y <= box.bottom(); ++y)
                    for (int x = box.left(); x <= box.right(); ++x) {
                        const QRgb ink = alone.pixel(x, y);
                        covered += ink != back && ink != qRgb(255, 0, 255) && whole.pixel(x, y) != ink;
                    }
                QVERIFY2(covered == 0, qPrintable(QStringLiteral("%1 pixels of %2's ink covered on %3")
                                                      .arg(covered)
                                                      .arg(l->objectName(), screen)));
            }
        };
        check("the title screen");
        model->click("Cmdstart");
        for (int m = 1; m <= 10; ++m) {
            window->sync();
            check(QStringLiteral("mission %1").arg(m));
            model->click("cmdready");
            window->sync();
            check(QStringLiteral("the result of mission %1").arg(m));
            if (m < 10) {
                model->click("cmdcont");
                window->sync();
                check("the wait");
                model->advance(3000);
            }
        }
    }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
