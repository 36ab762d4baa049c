#include "window/paint_swatch.h"

#include <QImage>
#include <QPainter>

#include "grid/value_colours.h"
#include "window/grid_picture_view.h"

namespace gridcode {

PaintSwatch::PaintSwatch(int value, const QRect& geometry, QWidget* parent)
    : QAbstractButton(parent), value_(value), colour_(kValueColours[value]) {
  setObjectName(QStringLiteral("Swatch_%1").arg(value));
  setText(QString::number(value));
  setCheckable(true);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(geometry);
  setAccessibleName(tr("Paint with %1").arg(value));
  setToolTip(tr("Paint with %1: the left button paints this value on the picture.").arg(value));
}

void PaintSwatch::SetColour(Argb colour, bool transparent) {
  colour_ = colour;
  transparent_ = transparent;
  update();
}

void PaintSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor colour = QColor::fromRgba(colour_);
  const QRect square = rect();
  const auto fill = [&](const QRect& area) {
    if (transparent_) {
      // A transparent value shows the checkerboard of the picture.
      QImage clear(1, 1, QImage::Format_ARGB32);
      clear.fill(Qt::transparent);
      DrawCells(painter, area, clear, true);
    } else {
      painter.fillRect(area, colour);
    }
  };
  fill(square);
  // The chosen swatch has a thick frame in the text colour with a white ring
  // inside, which shows on every value's colour; the others a thin one.
  if (isChecked()) {
    const QColor frame = palette().color(QPalette::WindowText);
    painter.fillRect(square, frame);
    painter.fillRect(square.adjusted(3, 3, -3, -3), Qt::white);
    fill(square.adjusted(4, 4, -4, -4));
  } else {
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
  }
  // The digit in black or white, whichever stands out more on the colour.
  painter.setPen(transparent_ || qGray(colour.rgb()) > 110 ? Qt::black : Qt::white);
  painter.drawText(square, Qt::AlignCenter, text());
}

}  // namespace gridcode
