// `SpriteBankView`: the window's thumbnails of the bank's sprites, two to a
// row, sprite 0 first, with the shown sprite framed in the highlight colour.
//
// It paints straight from the model and keeps no copy of the sprites; it
// repaints a thumbnail when one of that sprite's cells changes, and follows
// the shown sprite into view. Only the thumbnails in the exposed part of the
// view are painted, so a large bank costs no more than the rows on screen. A
// click reports the sprite under the pointer; the window decides what to do.

#ifndef GRIDCODE_WINDOW_SPRITE_BANK_VIEW_H_
#define GRIDCODE_WINDOW_SPRITE_BANK_VIEW_H_

#include <QAbstractScrollArea>
#include <QRect>
#include <cstddef>
#include <optional>

#include "grid/palettes.h"
#include "window/bank_model.h"

namespace gridcode {

class SpriteBankView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // A thumbnail's picture: 3 x 3 pixels a cell, inside a 1 pixel frame.
  static constexpr int kThumbnailScale = 3;
  static constexpr int kFrame = 1;

  // A view of the sprites of `model`, which must outlive it, at `geometry`.
  SpriteBankView(const BankModel& model, const QRect& geometry, QWidget* parent);

  // The thumbnail of sprite `sprite`, frame included, in viewport coordinates.
  QRect ThumbnailRect(std::size_t sprite) const;

  // Draws the thumbnails in the colours of `palette`.
  void SetPalette(const Palette& palette);

  // Marks sprite `sprite` as the frame being played, or none.
  void SetPlaying(std::optional<std::size_t> sprite);

 signals:
  // The user clicked the thumbnail of sprite `sprite` with the left button.
  void Chosen(std::size_t sprite);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Returns the sprite whose thumbnail is under `position`, if any.
  std::optional<std::size_t> SpriteAt(QPoint position) const;
  // The left edge of the first column, which centres the two in the viewport.
  int ColumnsLeft() const;
  // Fits the scroll range to the number of sprites and the viewport's height.
  void UpdateScrollRange();
  // Scrolls as little as shows the shown sprite's thumbnail and its highlight.
  void ScrollToShown();

  // Repaints the thumbnail of `sprite` with its marks.
  void UpdateThumbnail(std::size_t sprite);

  const BankModel& model_;
  std::optional<std::size_t> playing_;
  Palette palette_ = FixedPalettes().front();
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_SPRITE_BANK_VIEW_H_
