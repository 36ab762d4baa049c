#include "window/grid_picture_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "grid/value_colours.h"

namespace gridcode {
namespace {

constexpr int kUnusualIndex = 4;

bool InGrid(QPoint cell) {
  return cell.x() >= 0 && cell.x() < kColumns && cell.y() >= 0 && cell.y() < kRows;
}

}  // namespace

QImage CellsImage(const Cells& cells, const Palette& palette) {
  QImage image(kColumns, kRows, QImage::Format_Indexed8);
  const std::array<Argb, 4> colours = PictureColours(palette);
  QList<QRgb> table(colours.begin(), colours.end());
  table.append(kUnusualColour);
  image.setColorTable(table);
  for (int i = 0; i < kCellCount; ++i) {
    image.setPixel(ColumnOf(i), RowOf(i), TwoBitValue(cells[i]).value_or(kUnusualIndex));
  }
  return image;
}

QImage CellsImage(const Cells& cells) { return CellsImage(cells, FixedPalettes().front()); }

void DrawCells(QPainter& painter, const QRect& target, const QImage& image, bool checkered) {
  if (checkered) {
    // Squares of two light greys, as image editors show what is transparent.
    static const QBrush checks = [] {
      QPixmap tile(8, 8);
      tile.fill(QColor(0xFF, 0xFF, 0xFF));
      QPainter tile_painter(&tile);
      tile_painter.fillRect(0, 0, 4, 4, QColor(0xCC, 0xCC, 0xCC));
      tile_painter.fillRect(4, 4, 4, 4, QColor(0xCC, 0xCC, 0xCC));
      return QBrush(tile);
    }();
    painter.setBrushOrigin(target.topLeft());
    painter.fillRect(target, checks);
  }
  // Whole squares of whole device pixels at any integer scaling: the image is
  // scaled by repeating pixels, never smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, image);
}

GridPictureView::GridPictureView(const QRect& area, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture"));
  setGeometry(area.adjusted(-kFrame, -kFrame, kFrame, kFrame));
  setCursor(Qt::CrossCursor);
  setAccessibleName(tr("Grid picture"));
  const QString description =
      tr("The grid as a picture, one square a cell, in the colours of the chosen palette "
         "(gridcode's own: white for 0, green for 1, blue for 2, violet for 3), orange for a "
         "cell that is not one digit 0 to 3. Click or drag with the left button to paint cells "
         "with the chosen value, with the right button to paint 0.");
  setToolTip(description);
  setAccessibleDescription(description);
}

void GridPictureView::Show(const Cells& cells) {
  image_ = CellsImage(cells, palette_);
  update();
}

void GridPictureView::SetPalette(const Palette& palette) {
  palette_ = palette;
  const std::array<Argb, 4> colours = PictureColours(palette);
  for (int value = 0; value < 4; ++value) image_.setColor(value, colours[value]);
  update();
}

void GridPictureView::ShowCell(int index, std::string_view text) {
  image_.setPixel(ColumnOf(index), RowOf(index), TwoBitValue(text).value_or(kUnusualIndex));
  update();
}

void GridPictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  DrawCells(painter, rect().adjusted(kFrame, kFrame, -kFrame, -kFrame), image_,
            palette_.transparent_zero);
}

QPoint GridPictureView::CellAt(const QPointF& position) const {
  const double cell_width = static_cast<double>(width() - 2 * kFrame) / kColumns;
  const double cell_height = static_cast<double>(height() - 2 * kFrame) / kRows;
  return {static_cast<int>(std::floor((position.x() - kFrame) / cell_width)),
          static_cast<int>(std::floor((position.y() - kFrame) / cell_height))};
}

void GridPictureView::EndStroke() {
  if (stroke_button_ == Qt::NoButton) return;
  stroke_button_ = Qt::NoButton;
}

bool GridPictureView::event(QEvent* event) {
  // A modal dialog opening, another window taking the focus or a grab
  // elsewhere takes the mouse, and its release, from the picture.
  switch (event->type()) {
    case QEvent::WindowBlocked:
    case QEvent::WindowDeactivate:
    case QEvent::UngrabMouse:
      EndStroke();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void GridPictureView::hideEvent(QHideEvent* event) {
  EndStroke();
  QWidget::hideEvent(event);
}

void GridPictureView::mousePressEvent(QMouseEvent* event) {
  const Qt::MouseButton button = event->button();
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  // A second button pressed during a stroke is ignored; a stroke whose button
  // is no longer held was released unseen, and ends here.
  if (stroke_button_ != Qt::NoButton && button != stroke_button_ &&
      (event->buttons() & stroke_button_) != 0) {
    return;
  }
  EndStroke();
  stroke_button_ = button;
  ++stroke_;
  stroke_value_ = button == Qt::LeftButton ? paint_value_ : 0;
  last_cell_ = CellAt(event->position());
  if (InGrid(last_cell_)) Paint({CellIndex(last_cell_.y(), last_cell_.x())});
}

void GridPictureView::mouseMoveEvent(QMouseEvent* event) {
  if (stroke_button_ == Qt::NoButton) return;
  if ((event->buttons() & stroke_button_) == 0) {
    EndStroke();
    return;
  }
  const QPoint cell = CellAt(event->position());
  PaintLine(last_cell_, cell);
  last_cell_ = cell;
}

void GridPictureView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != stroke_button_) return;
  PaintLine(last_cell_, CellAt(event->position()));
  EndStroke();
}

void GridPictureView::Paint(const QList<int>& indices) {
  emit Painted(stroke_, indices, stroke_value_);
}

void GridPictureView::PaintLine(QPoint from, QPoint to) {
  // Bresenham's line: every step moves to a neighbouring cell, sideways or
  // diagonally, so that the cells painted touch one another.
  QList<int> indices;
  const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
  const int step_x = from.x() < to.x() ? 1 : -1, step_y = from.y() < to.y() ? 1 : -1;
  int error = dx + dy;
  QPoint cell = from;
  while (cell != to) {
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      cell.rx() += step_x;
    }
    if (twice <= dx) {
      error += dx;
      cell.ry() += step_y;
    }
    if (InGrid(cell)) indices.append(CellIndex(cell.y(), cell.x()));
  }
  if (!indices.isEmpty()) Paint(indices);
}

}  // namespace gridcode
