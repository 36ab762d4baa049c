#include "window/paint_swatch.h"

#include <QPainter>

#include "grid/value_colours.h"

namespace gridcode {

PaintSwatch::PaintSwatch(int value, const QRect& geometry, QWidget* parent)
    : QAbstractButton(parent), value_(value) {
  setObjectName(QStringLiteral("Swatch_%1").arg(value));
  setText(QString::number(value));
  setCheckable(true);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(geometry);
  setAccessibleName(tr("Paint with %1").arg(value));
  setToolTip(tr("Paint with %1: the left button paints this value on the picture.").arg(value));
}

void PaintSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor colour = QColor::fromRgba(kValueColours[value_]);
  const QRect square = rect();
  painter.fillRect(square, colour);
  // The chosen swatch has a thick frame in the text colour with a white ring
  // inside, which shows on every value's colour; the others a thin one.
  if (isChecked()) {
    const QColor frame = palette().color(QPalette::WindowText);
    painter.fillRect(square, frame);
    painter.fillRect(square.adjusted(3, 3, -3, -3), Qt::white);
    painter.fillRect(square.adjusted(4, 4, -4, -4), colour);
  } else {
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
  }
  // The digit in black or white, whichever stands out more on the colour.
  painter.setPen(qGray(colour.rgb()) > 110 ? Qt::black : Qt::white);
  painter.drawText(square, Qt::AlignCenter, text());
}

}  // namespace gridcode
