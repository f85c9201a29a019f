// The Qt view of the window model: what the player sees at start, that
// clicks, access keys, Tab and Space reach the game, that the view repaints
// what changed and nothing at rest, and what screen readers are told.

#include "platform/appearance.h"
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

namespace {

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

} // namespace

class FormWindowTest : public WindowFixture {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { reset(); }

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

};

QTEST_MAIN(FormWindowTest)
#include "form_window_test.moc"
