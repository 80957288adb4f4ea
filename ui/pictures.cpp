#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vostrelund {

namespace {

// A page of a site under a magnifying glass; the paused image puts a red no-entry sign over it.
QPixmap DrawTrayImage(int size, bool paused) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  // the page
  QPainterPath page;
  page.moveTo(4, 2);
  page.lineTo(18, 2);
  page.lineTo(24, 8);
  page.lineTo(24, 28);
  page.lineTo(4, 28);
  page.closeSubpath();
  p.setPen(QPen(QColor(40, 40, 60), 1.2));
  p.setBrush(QColor(250, 250, 255));
  p.drawPath(page);
  p.setPen(QPen(QColor(70, 110, 200), 1.5));
  for (int y = 10; y <= 22; y += 4)
    p.drawLine(QPointF(8, y), QPointF(18, y));
  // the magnifying glass
  const QColor rim(60, 60, 70);
  p.setPen(QPen(rim, 3.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(24, 24), QPointF(30, 30));
  p.setPen(QPen(rim, 2.2));
  p.setBrush(QColor(180, 220, 255, 160));
  p.drawEllipse(QPointF(19, 19), 6.5, 6.5);
  if (paused) {
    p.setPen(QPen(QColor(220, 20, 20), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 20, 20));
    p.drawRect(QRectF(6, 13.5, 20, 5));
  }
  return pixmap;
}

}  // namespace

QIcon TrayImage(int index) {
  QIcon icon;
  for (const int size : {16, 22, 24, 32, 48, 64})
    icon.addPixmap(DrawTrayImage(size, index == 1));
  return icon;
}

}  // namespace vostrelund
