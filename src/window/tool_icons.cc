#include "window/tool_icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace gridcode {
namespace {

// Draws `icon` in `colour` into the unit square of `painter`, whose top-left
// corner is (0, 0) and bottom-right (1, 1).
void DrawIcon(QPainter& painter, ToolIcon icon, bool on, const QColor& colour) {
  const QPen line(colour, 0.11, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  const QPen frame(colour, 0.08, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  // The symbols are drawn facing left; the others are turned or flipped.
  const auto face = [&painter](int degrees, bool flip) {
    painter.translate(0.5, 0.5);
    painter.rotate(degrees);
    if (flip) painter.scale(-1, 1);
    painter.translate(-0.5, -0.5);
  };
  switch (icon) {
    case ToolIcon::kUndo:
    case ToolIcon::kRedo: {
      // A hooked arrow: from the bottom right, up and round to the left.
      face(0, icon == ToolIcon::kRedo);
      QPainterPath hook;
      hook.moveTo(0.80, 0.86);
      hook.cubicTo(0.92, 0.50, 0.72, 0.34, 0.30, 0.34);
      painter.strokePath(hook, line);
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawPolygon(QPolygonF({{0.06, 0.34}, {0.36, 0.10}, {0.36, 0.58}}));
      break;
    }
    case ToolIcon::kMirrorLeftRight:
    case ToolIcon::kMirrorTopBottom: {
      // A solid triangle and its outlined reflection across a dashed axis.
      face(icon == ToolIcon::kMirrorTopBottom ? 90 : 0, false);
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawPolygon(QPolygonF({{0.04, 0.50}, {0.40, 0.16}, {0.40, 0.84}}));
      for (const double top : {0.0, 0.30, 0.60, 0.90}) {
        painter.drawRect(QRectF(0.46, top, 0.08, 0.14));
      }
      painter.setPen(QPen(colour, 0.08, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      painter.setBrush(Qt::NoBrush);
      painter.drawPolygon(QPolygonF({{0.92, 0.50}, {0.64, 0.23}, {0.64, 0.77}}));
      break;
    }
    case ToolIcon::kMoveLeft:
    case ToolIcon::kMoveRight:
    case ToolIcon::kMoveUp:
    case ToolIcon::kMoveDown: {
      // A broad arrow.
      const int degrees = icon == ToolIcon::kMoveUp      ? 90
                          : icon == ToolIcon::kMoveRight ? 180
                          : icon == ToolIcon::kMoveDown  ? 270
                                                         : 0;
      face(degrees, false);
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawPolygon(QPolygonF({{0.06, 0.50},
                                     {0.48, 0.12},
                                     {0.48, 0.36},
                                     {0.94, 0.36},
                                     {0.94, 0.64},
                                     {0.48, 0.64},
                                     {0.48, 0.88}}));
      break;
    }
    case ToolIcon::kNewSprite:
    case ToolIcon::kDeleteSprite: {
      // A sprite's frame, up and to the left, and a plus or a minus clear of
      // it below and to the right.
      painter.setPen(frame);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(0.06, 0.10, 0.56, 0.40));
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawRect(QRectF(0.54, 0.68, 0.40, 0.12));
      if (icon == ToolIcon::kNewSprite) painter.drawRect(QRectF(0.68, 0.54, 0.12, 0.40));
      break;
    }
    case ToolIcon::kCopySprite: {
      // A frame in front of another, whose lines stop short of the front one.
      painter.setPen(frame);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(0.34, 0.40, 0.60, 0.46));
      painter.setPen(QPen(colour, 0.08, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
      painter.drawPolyline(
          QPolygonF({{0.22, 0.58}, {0.06, 0.58}, {0.06, 0.12}, {0.66, 0.12}, {0.66, 0.28}}));
      break;
    }
    case ToolIcon::kPlay:
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      if (on) {
        painter.drawRect(QRectF(0.22, 0.22, 0.56, 0.56));
      } else {
        painter.drawPolygon(QPolygonF({{0.24, 0.12}, {0.86, 0.50}, {0.24, 0.88}}));
      }
      break;
    case ToolIcon::kCopyToClipboard:
    case ToolIcon::kPasteFromClipboard: {
      // A board with its clip, and an arrow leaving it or coming onto it.
      painter.setPen(frame);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(0.08, 0.16, 0.50, 0.76));
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawRect(QRectF(0.20, 0.06, 0.26, 0.16));
      if (icon == ToolIcon::kCopyToClipboard) {
        painter.drawPolygon(QPolygonF({{0.96, 0.62},
                                       {0.74, 0.42},
                                       {0.74, 0.55},
                                       {0.44, 0.55},
                                       {0.44, 0.69},
                                       {0.74, 0.69},
                                       {0.74, 0.82}}));
      } else {
        painter.drawPolygon(QPolygonF({{0.40, 0.62},
                                       {0.62, 0.42},
                                       {0.62, 0.55},
                                       {0.96, 0.55},
                                       {0.96, 0.69},
                                       {0.62, 0.69},
                                       {0.62, 0.82}}));
      }
      break;
    }
  }
}

class ToolIconEngine : public QIconEngine {
 public:
  explicit ToolIconEngine(ToolIcon icon) : icon_(icon) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const QPalette::ColorGroup group =
        mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width(), rect.height());
    DrawIcon(*painter, icon_, state == QIcon::On,
             QGuiApplication::palette().color(group, QPalette::ButtonText));
    painter->restore();
  }

  // Asked for the size in device pixels, so that it is drawn sharp at any scale.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(), size), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new ToolIconEngine(icon_); }

 private:
  ToolIcon icon_;
};

}  // namespace

QIcon MakeToolIcon(ToolIcon icon) { return QIcon(new ToolIconEngine(icon)); }

}  // namespace gridcode
