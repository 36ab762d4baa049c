// The sprite on the clipboard, traded with image editors and text editors:
// copied as a PNG picture and as its two DATA lines at once, and pasted from
// a PNG picture, from text holding DATA statements, or from a grid-file line.
//
// Pasted contents are read by the rules LOAD uses, from the bytes the
// clipboard holds: a picture by the picture rules, text as a listing when it
// holds sprites and as a grid-file line otherwise.

#ifndef GRIDCODE_WINDOW_CLIPBOARD_H_
#define GRIDCODE_WINDOW_CLIPBOARD_H_

#include <QMimeData>
#include <memory>

#include "base/expected.h"
#include "format/cells_file.h"
#include "format/grid_picture.h"
#include "grid/grid_document.h"

namespace gridcode {

// Returns the clipboard contents of a sprite of `cells`: image/png in
// `style` (transparency kept), and the two DATA lines as text.
Expected<std::unique_ptr<QMimeData>, RenderError> SpriteMimeData(const Cells& cells,
                                                                 const PictureStyle& style);

// Why nothing can be pasted: the clipboard holds no picture and no text
// (nullopt), or what it holds breaks a rule.
using PasteError = std::optional<LoadedFileError>;

// Reads the clipboard contents `data`: a PNG (image/png, or another picture
// the toolkit hands over, as a PNG), else its text.
Expected<LoadedFile, PasteError> ReadPaste(const QMimeData& data);

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_CLIPBOARD_H_
