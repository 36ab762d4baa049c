#include "window/sprite_bank_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "window/grid_picture_view.h"

namespace gridcode {
namespace {

constexpr int kThumbnailWidth =
    kColumns * SpriteBankView::kThumbnailScale + 2 * SpriteBankView::kFrame;
constexpr int kThumbnailHeight =
    kRows * SpriteBankView::kThumbnailScale + 2 * SpriteBankView::kFrame;
constexpr int kBankColumns = 2;
// The shown sprite's mark, outside its thumbnail's frame.
constexpr int kHighlight = 2;
// The space between thumbnails and above the first row: room for two marks
// and a clear line between them.
constexpr int kGap = 3 * kHighlight;
constexpr int kColumnPitch = kThumbnailWidth + kGap;
constexpr int kRowPitch = kThumbnailHeight + kGap;

int RowCount(std::size_t sprites) {
  return static_cast<int>((sprites + kBankColumns - 1) / kBankColumns);
}

}  // namespace

SpriteBankView::SpriteBankView(const BankModel& model, const QRect& geometry, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model) {
  setObjectName(QStringLiteral("SpriteBank"));
  setAccessibleName(tr("Sprites"));
  const QString description = tr("The sprites of the document; click one to show it");
  setToolTip(description);
  setAccessibleDescription(description);
  setFocusPolicy(Qt::NoFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setGeometry(geometry);

  connect(&model, &BankModel::TextChanged, this, [this](std::size_t sprite, int field) {
    if (field < kCellCount) viewport()->update(ThumbnailRect(sprite));
  });
  connect(&model, &BankModel::ShownChanged, this, [this] {
    viewport()->update();
    ScrollToShown();
  });
  connect(&model, &BankModel::SpritesChanged, this, [this] {
    UpdateScrollRange();
    viewport()->update();
  });
  UpdateScrollRange();
}

int SpriteBankView::ColumnsLeft() const {
  const int width = kBankColumns * kColumnPitch - kGap;
  return std::max(kHighlight, (viewport()->width() - width) / 2);
}

QRect SpriteBankView::ThumbnailRect(std::size_t sprite) const {
  const int row = static_cast<int>(sprite / kBankColumns);
  const int column = static_cast<int>(sprite % kBankColumns);
  return {ColumnsLeft() + column * kColumnPitch,
          kGap + row * kRowPitch - verticalScrollBar()->value(), kThumbnailWidth, kThumbnailHeight};
}

std::optional<std::size_t> SpriteBankView::SpriteAt(QPoint position) const {
  const int x = position.x() - ColumnsLeft();
  const int y = position.y() + verticalScrollBar()->value() - kGap;
  if (x < 0 || y < 0 || x >= kBankColumns * kColumnPitch) return std::nullopt;
  const std::size_t sprite = static_cast<std::size_t>(y / kRowPitch) * kBankColumns +
                             static_cast<std::size_t>(x / kColumnPitch);
  if (sprite >= model_.bank().size() || !ThumbnailRect(sprite).contains(position)) {
    return std::nullopt;
  }
  return sprite;
}

void SpriteBankView::UpdateScrollRange() {
  const int height = viewport()->height();
  const int content = kGap + RowCount(model_.bank().size()) * kRowPitch;
  verticalScrollBar()->setRange(0, std::max(0, content - height));
  verticalScrollBar()->setPageStep(height);
  verticalScrollBar()->setSingleStep(kRowPitch);
}

void SpriteBankView::ScrollToShown() {
  // The thumbnail with the gaps above and below it, so that its mark shows too.
  const QRect wanted = ThumbnailRect(model_.shown()).adjusted(0, -kGap, 0, kGap);
  const int height = viewport()->height();
  int by = 0;
  if (wanted.top() < 0) {
    by = wanted.top();
  } else if (wanted.bottom() >= height) {
    by = std::min(wanted.top(), wanted.bottom() + 1 - height);
  }
  if (by != 0) verticalScrollBar()->setValue(verticalScrollBar()->value() + by);
}

void SpriteBankView::SetPalette(const Palette& palette) {
  palette_ = palette;
  viewport()->update();
}

void SpriteBankView::SetPlaying(std::optional<std::size_t> sprite) {
  if (sprite == playing_) return;
  if (playing_) UpdateThumbnail(*playing_);
  playing_ = sprite;
  if (playing_) UpdateThumbnail(*playing_);
}

void SpriteBankView::UpdateThumbnail(std::size_t sprite) {
  viewport()->update(
      ThumbnailRect(sprite).adjusted(-kHighlight, -kHighlight, kHighlight, kHighlight));
}

void SpriteBankView::paintEvent(QPaintEvent* event) {
  const QRect exposed = event->rect();
  const int offset = verticalScrollBar()->value();
  const int first_row = std::max(0, (exposed.top() + offset - kGap) / kRowPitch);
  const int end_row =
      std::min(RowCount(model_.bank().size()), (exposed.bottom() + offset) / kRowPitch + 1);
  QPainter painter(viewport());
  // Whole squares of whole device pixels at any integer scaling: the images
  // are scaled by repeating pixels, never smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
  const QColor frame = palette().color(QPalette::Dark);
  for (int row = first_row; row < end_row; ++row) {
    for (int column = 0; column < kBankColumns; ++column) {
      const std::size_t sprite =
          static_cast<std::size_t>(row) * kBankColumns + static_cast<std::size_t>(column);
      if (sprite >= model_.bank().size()) break;
      const QRect thumbnail = ThumbnailRect(sprite);
      const QRect marked = thumbnail.adjusted(-kHighlight, -kHighlight, kHighlight, kHighlight);
      if (!marked.intersects(exposed)) continue;
      if (sprite == model_.shown()) painter.fillRect(marked, highlight);
      // The frame being played, in the text colour, over the shown one's mark.
      if (sprite == playing_) painter.fillRect(marked, palette().color(QPalette::Text));
      painter.fillRect(thumbnail, frame);
      DrawCells(painter, thumbnail.adjusted(kFrame, kFrame, -kFrame, -kFrame),
                CellsImage(model_.bank().texts(sprite).cells, palette_), palette_.transparent_zero);
    }
  }
}

void SpriteBankView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
  ScrollToShown();
}

void SpriteBankView::scrollContentsBy(int /*dx*/, int dy) { viewport()->scroll(0, dy); }

void SpriteBankView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  if (const std::optional<std::size_t> sprite = SpriteAt(event->position().toPoint())) {
    emit Chosen(*sprite);
  }
}

}  // namespace gridcode
