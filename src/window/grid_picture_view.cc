#include "window/grid_picture_view.h"

#include <QPainter>

#include "picture/grid_picture.h"

namespace gridcode {

GridPictureView::GridPictureView(const QRect& area, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture"));
  setGeometry(area.adjusted(-kFrame, -kFrame, kFrame, kFrame));
  setAccessibleName(tr("Grid picture"));
  const QString description =
      tr("The grid as a picture, one square a cell: white for 0, green for 1, blue for 2, "
         "violet for 3, orange for a cell that is not one digit 0 to 3. Drawn at start-up, by "
         "Command1 and by LOAD.");
  setToolTip(description);
  setAccessibleDescription(description);
}

void GridPictureView::Show(const Cells& cells) {
  image_ = CellsImage(cells);
  update();
}

void GridPictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  // Whole squares of whole device pixels at any integer scaling: the image is
  // scaled by repeating pixels, never smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect().adjusted(kFrame, kFrame, -kFrame, -kFrame), image_);
}

}  // namespace gridcode
