// `Swatch_0` to `Swatch_3`: the four swatches below the picture, one for each
// value, in its colour and with its digit. The chosen one, framed, is the
// value the left button paints. They stay out of the Tab chain, so the
// window's tab order is that of its fields and buttons; screen readers find
// them by name ("Paint with 3").

#ifndef GRIDCODE_WINDOW_PAINT_SWATCH_H_
#define GRIDCODE_WINDOW_PAINT_SWATCH_H_

#include <QAbstractButton>

#include "grid/value_colours.h"

namespace gridcode {

class PaintSwatch : public QAbstractButton {
  Q_OBJECT

 public:
  // The swatch of `value` (0 to 3) at `geometry`.
  PaintSwatch(int value, const QRect& geometry, QWidget* parent);

  int value() const { return value_; }
  // Shows the value in `colour`, or over a checkerboard when it is transparent.
  void SetColour(Argb colour, bool transparent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int value_;
  Argb colour_;
  bool transparent_ = false;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_PAINT_SWATCH_H_
