// Where Form1's controls stand and how they are lettered: the layout in
// twips, as the window was drawn, and the fonts.
//
// At 96 dots per inch 15 twips make one pixel; the toolkit scales these
// device-independent pixels on denser screens. Every box here is a whole
// number of pixels.

#ifndef GRIDCODE_WINDOW_FORM1_LAYOUT_H_
#define GRIDCODE_WINDOW_FORM1_LAYOUT_H_

#include <QFont>
#include <QRect>
#include <QSize>

namespace gridcode::form1_layout {

inline constexpr int kTwipsPerPixel = 15;

// A rectangle in twips.
struct Box {
  int left, top, width, height;
  QRect Pixels() const {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
  }
};

// The window's inside, without its frame.
QSize ClientSize();

// The field of grid cell `index`, of row code `row`, of DATA line `line`.
QRect CellRect(int index);
QRect RowCodeRect(int row);
QRect DataLineRect(int line);

// The buttons.
QRect Command1Rect();
QRect SaveRect();
QRect LoadRect();

// The picture's cells, without its frame: 14 x 10 squares of kPictureCellTwips.
inline constexpr int kPictureCellTwips = 120;
QRect PictureRect();

// The swatch of the value `value`, 0 to 3.
QRect SwatchRect(int value);

// The tool button `slot`, 0 to 7, in the row of the swatches and in line with
// grid columns 5 and 6 (undo, redo), 7 and 8 (the mirrors) and 10 to 13 (the
// moves): squares the size of a cell, clear of SAVE.
inline constexpr int kToolSlots = 8;
QRect ToolRect(int slot);
// The size of a tool button's icon.
QSize ToolIconSize();

// The bank, in the free column right of the row codes: the thumbnails of its
// sprites; below them the label "K / N" of the shown sprite and the number of
// sprites, in BankCountFont; and under that the buttons `slot` 0 to 2, new,
// copy and delete, squares the size of a cell.
QRect BankRect();
QRect BankCountRect();
inline constexpr int kBankButtonSlots = 3;
QRect BankButtonRect(int slot);
// Under those, in line with them, the buttons that copy the shown sprite to
// the clipboard (slot 0) and paste it (slot 1).
QRect ClipboardButtonRect(int slot);

// The strip above the grid, in the small font: the choice of palette and the
// three colours of a palette whose colours the user picks (`slot` 0 to 2, for
// the values 1 to 3); above the row codes the play button, the rate and the
// way of playing; above the bank the first and last sprite played (`end` 0
// and 1).
QRect PaletteRect();
QRect ColourChoiceRect(int slot);
QRect PlayRect();
QRect RateRect();
QRect PlayModeRect();
QRect PlayRangeRect(int end);

// The window's font, and the smaller one of Command1 and the bank's label:
// the Japanese proportional Gothic the window was drawn with, or the closest
// installed.
QFont FormFont();
QFont Command1Font();
QFont BankCountFont();
// The font of the controls in the strip above the grid.
QFont StripFont();

}  // namespace gridcode::form1_layout

#endif  // GRIDCODE_WINDOW_FORM1_LAYOUT_H_
