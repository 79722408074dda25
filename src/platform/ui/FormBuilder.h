#pragma once
// The form builder: a dialog described as a control table, one row a
// control, as the windows were drawn:
//
//   constexpr platform::ControlRow kRows[] = {
//       Row(Kind::Label, "Label1", 0).Text(1101).Before("Text1", 0, 100),
//       Row(Kind::TextBox, "Text1", 0).At(2160, 240, 1455).Tab(1).Limit(9),
//       Row(Kind::Frame, "Frame1").At(2040, 6960, 2175, 975),
//       Row(Kind::CheckBox, "Check4", 1).At(120, 600, 1815).Tab(36).Text(1114).In("Frame1"),
//       Row(Kind::CommandButton, "CommandOK").At(1440, 8880, 1095, 375).Tab(38).Text(101),
//   };
//   BuildForm(*this, Form("FrmCHEdit").Text(1300).Size(6495, 9495).Font("Arial", 9), kRows);
//
// What BuildForm gives every form:
// - each control named with its name and index (Controls.h) and kept in the
//   form's index, so Ctl<T>(form, name, index) finds it at once;
// - positions in twips within the container, through the one twips rule
//   (platform/Twips.h); a row without height gets its kind's usual one;
// - the focus order by tab index (hidden and disabled controls are passed
//   over when the focus moves);
// - captions from language texts (the id is also kept as the control's
//   language tag, so LoadFormLanguage finds it) or literal texts;
// - no button is ever a default button;
// - Enter (Return or keypad Enter) on any control that does not use it
//   itself moves the focus to the next control and is discarded, so it never
//   presses a button (a form whose Enter presses its default button says
//   EnterPressesDefault);
// - labels placed before their controls (Before), again on PlaceLabels.
#include <span>
#include <string_view>

class QLabel;
class QWidget;

namespace platform {

enum class Kind {
    Label,            // sizes itself to its caption when its row gives no width
    TextBox,          // platform::TextBox; the row's text limit is its typing limit
    List,             // platform::ComboBox, a drop-down list
    ListBox,          // a list of lines, one of them selected at a time (QListWidget)
    CheckBox,
    OptionButton,     // the option buttons of one container form one group
    CommandButton,
    Frame,            // a frame; with no caption a frame without caption
    BorderlessFrame,  // a container that draws nothing
    TabControl,       // its tabs are TabPage rows
    TabPage,          // tab `index` of the tab control named by In(); holds controls
    Grid,             // platform::Grid (Grid.h); its dialog gives it rows, columns and sizes
    MultiLineText,    // read-only text of several lines
    ProgressBar,      // 0 to 100
    Picture,          // an image
    Line,             // a filled strip; its height is its thickness
};

// A caption: language text `id`, or a literal UTF-8 text, or none.
struct Caption {
    int id = 0;
    std::string_view literal = {};
};

// Makes a control of a kind the kit does not have, child of `parent`.
using ControlFactory = QWidget* (*)(QWidget* parent);

struct ControlRow {
    Kind kind{};
    std::string_view name;
    int index = -1;
    // Twips within the container; 0 width: a label's own width, 0 height: the
    // kind's usual height.
    int left = 0, top = 0, width = 0, height = 0;
    int tab = -1;  // place in the focus order; -1: none
    Caption caption;
    std::string_view container;  // "" : the form itself
    int containerIndex = -1;
    bool shown = true;
    int textLimit = 0;  // text boxes: characters the user may type, 0 no limit
    // Labels: the control this label ends `labelGap` twips before.
    std::string_view labelFor;
    int labelForIndex = -1;
    int labelGap = 0;
    ControlFactory make = nullptr;

    constexpr ControlRow At(int l, int t, int w = 0, int h = 0) const {
        ControlRow r = *this;
        r.left = l, r.top = t, r.width = w, r.height = h;
        return r;
    }
    constexpr ControlRow Tab(int t) const {
        ControlRow r = *this;
        r.tab = t;
        return r;
    }
    constexpr ControlRow Text(int id) const {
        ControlRow r = *this;
        r.caption = {id, {}};
        return r;
    }
    constexpr ControlRow Literal(std::string_view text) const {
        ControlRow r = *this;
        r.caption = {0, text};
        return r;
    }
    constexpr ControlRow In(std::string_view name, int index = -1) const {
        ControlRow r = *this;
        r.container = name, r.containerIndex = index;
        return r;
    }
    constexpr ControlRow Hidden() const {
        ControlRow r = *this;
        r.shown = false;
        return r;
    }
    constexpr ControlRow Limit(int chars) const {
        ControlRow r = *this;
        r.textLimit = chars;
        return r;
    }
    constexpr ControlRow Before(std::string_view control, int index, int gapTwips) const {
        ControlRow r = *this;
        r.labelFor = control, r.labelForIndex = index, r.labelGap = gapTwips;
        return r;
    }
    constexpr ControlRow Make(ControlFactory factory) const {
        ControlRow r = *this;
        r.make = factory;
        return r;
    }
};

constexpr ControlRow Row(Kind kind, std::string_view name, int index = -1) {
    ControlRow r;
    r.kind = kind, r.name = name, r.index = index;
    return r;
}

struct FormDesign {
    std::string_view name;
    Caption caption;
    // Client area in twips; 0: the form sizes itself.
    int width = 0, height = 0;
    std::string_view font = {};
    int fontPoints = 0;
    bool enterMovesFocus = true;

    constexpr FormDesign Text(int id) const {
        FormDesign f = *this;
        f.caption = {id, {}};
        return f;
    }
    // A fixed caption, the same in every language.
    constexpr FormDesign Literal(std::string_view text) const {
        FormDesign f = *this;
        f.caption = {0, text};
        return f;
    }
    constexpr FormDesign Size(int w, int h) const {
        FormDesign f = *this;
        f.width = w, f.height = h;
        return f;
    }
    constexpr FormDesign Font(std::string_view family, int points) const {
        FormDesign f = *this;
        f.font = family, f.fontPoints = points;
        return f;
    }
    // Enter keeps its usual meaning: it presses the form's default button.
    constexpr FormDesign EnterPressesDefault() const {
        FormDesign f = *this;
        f.enterMovesFocus = false;
        return f;
    }
};

constexpr FormDesign Form(std::string_view name) {
    FormDesign f;
    f.name = name;
    return f;
}

// Names the form and creates the rows' controls in table order (a
// container's row comes before the rows it holds). A table that names a
// container it does not hold throws ControlNotFound.
void BuildForm(QWidget& form, const FormDesign& design, std::span<const ControlRow> rows);

// Enter (Return or keypad Enter) that no control of `form` uses itself moves
// the focus to the next control and is discarded. Once per form.
void InstallEnterMovesFocus(QWidget& form);

// Controls placed wholly outside the form's client area (or outside the
// frame that holds them) are never seen, so
// they take no focus either: Tab and Enter pass over them, and no key can
// change what the user cannot see. Call once the form has its size.
void KeepFocusInClientArea(QWidget& form);

// Sizes `label` to its caption and moves it so that it ends `gapTwips` left
// of `control`, on its own top.
void PlaceLabelBefore(QLabel* label, const QWidget* control, int gapTwips);
// Places again every label whose row named its control (Before), after
// their captions changed.
void PlaceLabels(QWidget& form);

}  // namespace platform
