// `Picture`: the window's picture of the grid, one square a cell, which the
// user paints on.
//
// It shows the cells of the shown sprite as they stand, following every
// change of them, keystroke by keystroke. A press of the left button
// paints the cell under the pointer with the chosen value, the right button
// with 0; dragging paints every cell on the way, along a straight line
// between two pointer positions, so a fast stroke leaves no gap. The view
// only reports the cells painted, with the stroke that painted them; the
// window writes them into the grid.
//
// A stroke runs from the press to the release of its button, and ends too
// whenever the picture loses the mouse: a dialog or another window opens, the
// window loses the focus or is hidden, or the button turns out to have been
// released where the picture did not see it. The next press starts a new one.

#ifndef GRIDCODE_WINDOW_GRID_PICTURE_VIEW_H_
#define GRIDCODE_WINDOW_GRID_PICTURE_VIEW_H_

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>
#include <string_view>

#include "grid/grid_document.h"
#include "grid/palettes.h"

class QPainter;

namespace gridcode {

// Returns the picture of `cells`: 14 x 10 pixels, indexed, with the colours
// of `palette` at indices 0 to 3 (0 with alpha 0 when it is transparent) and
// the unusual colour at index 4; gridcode's own colours without one.
QImage CellsImage(const Cells& cells, const Palette& palette);
QImage CellsImage(const Cells& cells);

// Draws the cells' picture `image` into `target`, each pixel a block of whole
// device pixels, over a checkerboard where it is transparent when `checkered`.
void DrawCells(QPainter& painter, const QRect& target, const QImage& image, bool checkered);

class GridPictureView : public QWidget {
  Q_OBJECT

 public:
  // The frame drawn around the picture, outside its cells.
  static constexpr int kFrame = 1;

  // A picture whose cells, without the frame, cover `area`: 14 x 10 squares.
  GridPictureView(const QRect& area, QWidget* parent);

  // Draws `cells`.
  void Show(const Cells& cells);
  // Draws cell `index` as holding `text`.
  void ShowCell(int index, std::string_view text);
  // Draws the cells in the colours of `palette`.
  void SetPalette(const Palette& palette);

  // The picture as last drawn: 14 x 10 pixels, one a cell.
  const QImage& image() const { return image_; }

  // The value that the left button paints; the right button paints 0.
  int paint_value() const { return paint_value_; }
  void SetPaintValue(int value) { paint_value_ = value; }

  // Ends the stroke under way, if any.
  void EndStroke();

 signals:
  // The user painted the cells `indices`, in the order passed, with `value`,
  // in the stroke `stroke`: each stroke has a number of its own.
  void Painted(int stroke, const QList<int>& indices, int value);

 protected:
  bool event(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Returns the (column, row) of the cell under `position`, which may lie
  // outside the grid.
  QPoint CellAt(const QPointF& position) const;
  // Paints the cells of the grid on the line from `from` to `to`, `to`
  // included and `from` not, and reports them.
  void PaintLine(QPoint from, QPoint to);
  // Reports the cells `indices` painted by the stroke.
  void Paint(const QList<int>& indices);

  QImage image_;
  Palette palette_ = FixedPalettes().front();
  int paint_value_ = 3;                           // the darkest value, at start-up
  Qt::MouseButton stroke_button_ = Qt::NoButton;  // the button of the stroke under way
  int stroke_value_ = 0;
  int stroke_ = 0;  // the number of the stroke under way, or of the last one
  QPoint last_cell_;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_GRID_PICTURE_VIEW_H_
