// The icons of Form1's tool buttons: undo, redo, the two mirrors and the four
// moves, the bank's new, copy and delete, play, and the clipboard's copy and
// paste. Each is drawn as shapes at the size and pixel density it is shown
// at, so that it needs no icon theme or image file and stays sharp on dense
// screens; a disabled button's icon is drawn in the disabled text colour.

#ifndef GRIDCODE_WINDOW_TOOL_ICONS_H_
#define GRIDCODE_WINDOW_TOOL_ICONS_H_

#include <QIcon>

namespace gridcode {

enum class ToolIcon {
  kUndo,
  kRedo,
  kMirrorLeftRight,
  kMirrorTopBottom,
  kMoveLeft,
  kMoveRight,
  kMoveUp,
  kMoveDown,
  kNewSprite,
  kCopySprite,
  kDeleteSprite,
  kPlay,  // a triangle; a square when the button is on (playing)
  kCopyToClipboard,
  kPasteFromClipboard,
};

// Returns the icon `icon`.
QIcon MakeToolIcon(ToolIcon icon);

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_TOOL_ICONS_H_
