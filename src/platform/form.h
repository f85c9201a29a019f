#pragma once

#include "controls.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmo {

// One control of a design table: its name, its Index (-1 outside an array)
// and its design values.
template <typename Control> struct Entry {
    std::string_view name;
    int index;
    typename Control::Design design;
};

// What a screen reader calls a control whose caption does not say it.
struct SpokenName {
    std::string_view name;
    int index;
    std::string_view spoken;
};

struct FormDesign {
    std::string_view caption;
    Colour back;
    int width, height; // client area, pixels
    std::span<const Entry<CommandButton>> buttons;
    std::span<const Entry<Label>> labels;
    std::span<const Entry<PictureBox>> pictures;
    std::span<const Entry<LineShape>> lines;
    std::span<const Entry<Timer>> timers;
    std::span<const SpokenName> spoken = {};
};

// A window model: every control of a design table, created once with its
// design values and addressable by name and Index. Controls never move in
// memory, so references to them stay good for the window's life.
class Form {
public:
    explicit Form(const FormDesign& design);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string_view caption() const { return caption_; }
    Colour back() const { return back_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Lookups throw RuntimeError for a name the design does not have.
    Label& label(std::string_view name, int index = -1);
    CommandButton& button(std::string_view name, int index = -1);
    PictureBox& picture(std::string_view name, int index = -1);
    LineShape& line(std::string_view name, int index = -1);
    Timer& timer(std::string_view name, int index = -1);
    CommandButton* find_button(std::string_view name, int index = -1);

    std::vector<Label>& labels() { return labels_; }
    std::vector<CommandButton>& buttons() { return buttons_; }
    // The buttons in the order Tab takes them: by tab index, ties in design order.
    std::vector<CommandButton*> tab_order();
    // The button that Alt and a letter press: the first shown one whose
    // caption marks that letter, in either case; none where no shown one does.
    CommandButton* access_key_button(char letter);
    // Where a control stands in the window's stacking order, 0 the lowest, of
    // stacking_places(): the lines under the buttons, under the pictures,
    // under the labels, each kind in design order. So a label may cover a
    // button or a picture, and a later label an earlier one.
    std::size_t stacking_place(const Control& control) const;
    std::size_t stacking_places() const
    {
        return lines_.size() + buttons_.size() + pictures_.size() + labels_.size();
    }
    std::vector<PictureBox>& pictures() { return pictures_; }
    std::vector<LineShape>& lines() { return lines_; }
    std::vector<Timer>& timers() { return timers_; }
    const std::vector<Label>& labels() const { return labels_; }
    const std::vector<CommandButton>& buttons() const { return buttons_; }
    const std::vector<PictureBox>& pictures() const { return pictures_; }
    const std::vector<LineShape>& lines() const { return lines_; }
    const std::vector<Timer>& timers() const { return timers_; }

private:
    std::string caption_;
    Colour back_;
    int width_, height_;
    std::vector<CommandButton> buttons_;
    std::vector<Label> labels_;
    std::vector<PictureBox> pictures_;
    std::vector<LineShape> lines_;
    std::vector<Timer> timers_;
};

// The keys that press a button by its access letter, as a page names them
// (aria-keyshortcuts): Alt with the letter, "Alt+S", in either case (Shift
// held or not); empty for a button without one. Not with Ctrl or Meta held
// too, nor with AltGr, which types characters on many keyboards.
std::string access_shortcut(const CommandButton& button);

// "Cmdstart" or "cmdchange(3)": how a control is named in messages.
std::string control_name(std::string_view name, int index);
std::string display_name(const Control& c);

} // namespace velmo
