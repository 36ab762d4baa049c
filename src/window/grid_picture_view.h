// `Picture`: the window's read-only picture of the grid, one 8 x 8 square a
// cell, drawn when the window asks (start-up, Command1, a successful LOAD)
// and not while the user types.

#ifndef GRIDCODE_WINDOW_GRID_PICTURE_VIEW_H_
#define GRIDCODE_WINDOW_GRID_PICTURE_VIEW_H_

#include <QImage>
#include <QWidget>

#include "grid/grid_document.h"

namespace gridcode {

class GridPictureView : public QWidget {
  Q_OBJECT

 public:
  // The pixels a cell's square takes at 100 % scaling.
  static constexpr int kCellPixels = 8;
  // The frame drawn around the picture, outside its cells.
  static constexpr int kFrame = 1;

  // A picture whose cells, without the frame, cover `area`.
  GridPictureView(const QRect& area, QWidget* parent);

  // Draws `cells`.
  void Show(const Cells& cells);

  // The picture as last drawn: 14 x 10 pixels, one a cell.
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_GRID_PICTURE_VIEW_H_
