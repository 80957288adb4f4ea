#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vostrelund {

namespace {

QPixmap Canvas(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void Page(QPainter& p, QRectF r, QColor paper = QColor(250, 250, 255)) {
  const qreal fold = r.width() * 0.3;
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(QColor(40, 40, 60), 1.2));
  p.setBrush(paper);
  p.drawPath(path);
  p.setPen(QPen(QColor(70, 110, 200), 1.2));
  for (qreal y = r.top() + r.height() * 0.35; y < r.bottom() - 2; y += r.height() * 0.18) {
    p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 4, y));
  }
}

void Folder(QPainter& p, QRectF r, QColor body = QColor(240, 200, 80)) {
  QPainterPath tab;
  tab.moveTo(r.left(), r.top() + r.height() * 0.2);
  tab.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.2);
  tab.lineTo(r.left() + r.width() * 0.45, r.top());
  tab.lineTo(r.right(), r.top());
  tab.lineTo(r.right(), r.bottom());
  tab.lineTo(r.left(), r.bottom());
  tab.closeSubpath();
  p.setPen(QPen(body.darker(170), 1.2));
  p.setBrush(body);
  p.drawPath(tab);
  p.setBrush(body.lighter(115));
  p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), r.height() * 0.65));
}

void Magnifier(QPainter& p, QPointF centre, qreal radius, QColor rim = QColor(60, 60, 70)) {
  p.setPen(QPen(rim, radius * 0.45, Qt::SolidLine, Qt::RoundCap));
  const QPointF handle = centre + QPointF(radius * 0.75, radius * 0.75);
  p.drawLine(handle, handle + QPointF(radius, radius));
  p.setPen(QPen(rim, radius * 0.3));
  p.setBrush(QColor(180, 220, 255, 170));
  p.drawEllipse(centre, radius, radius);
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour, qreal width) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot((to - from).x(), (to - from).y());
  const QPointF n(-d.y(), d.x());
  QPolygonF head;
  head << to + d * width << to - d * width * 1.5 + n * width * 1.6 << to - d * width * 1.5 - n * width * 1.6;
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(head);
}

void Plus(QPainter& p, QPointF centre, qreal size) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 150, 40));
  p.drawEllipse(centre, size, size);
  p.setPen(QPen(Qt::white, size * 0.35, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre - QPointF(size * 0.55, 0), centre + QPointF(size * 0.55, 0));
  p.drawLine(centre - QPointF(0, size * 0.55), centre + QPointF(0, size * 0.55));
}

QPixmap DrawTrayImage(int size, bool paused) {
  QPixmap pixmap = Canvas(size, size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  Page(p, QRectF(4, 2, 20, 26));
  Magnifier(p, QPointF(18.5, 18.5), 6.5);
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

QPixmap DrawTool(ToolPicture picture, int size) {
  QPixmap pixmap = Canvas(size, size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  switch (picture) {
    case ToolPicture::AddFolder:
      Folder(p, QRectF(2, 6, 24, 20));
      Plus(p, QPointF(24, 23), 6);
      break;
    case ToolPicture::AddFiles:
      Page(p, QRectF(8, 2, 16, 22));
      Page(p, QRectF(4, 6, 16, 22));
      Plus(p, QPointF(24, 23), 6);
      break;
    case ToolPicture::Remove:
      Page(p, QRectF(5, 3, 18, 25));
      p.setPen(QPen(QColor(210, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(16, 15), QPointF(28, 27));
      p.drawLine(QPointF(28, 15), QPointF(16, 27));
      break;
    case ToolPicture::BackupNow:
      Folder(p, QRectF(1, 3, 15, 12));
      Folder(p, QRectF(16, 17, 15, 12), QColor(120, 180, 240));
      Arrow(p, QPointF(9, 18), QPointF(15, 24), QColor(30, 160, 40), 2.5);
      break;
    case ToolPicture::TimerSetup: {
      p.setPen(QPen(QColor(50, 50, 60), 2));
      p.setBrush(QColor(250, 250, 240));
      p.drawEllipse(QPointF(16, 17), 12, 12);
      p.setPen(QPen(QColor(50, 50, 60), 1.2));
      for (int h = 0; h < 12; ++h) {
        const qreal a = h * M_PI / 6;
        p.drawLine(QPointF(16 + 9.5 * std::sin(a), 17 - 9.5 * std::cos(a)),
                   QPointF(16 + 11 * std::sin(a), 17 - 11 * std::cos(a)));
      }
      p.setPen(QPen(QColor(30, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(16, 17), QPointF(16, 9));
      p.drawLine(QPointF(16, 17), QPointF(22, 20));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(200, 40, 30));
      p.drawRect(QRectF(13, 1.5, 6, 3));
      break;
    }
    case ToolPicture::CheckFix:
      Page(p, QRectF(3, 2, 18, 25));
      Magnifier(p, QPointF(18, 16), 6.5);
      p.setPen(QPen(QColor(30, 160, 40), 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(14.5, 16), QPointF(17, 19));
      p.drawLine(QPointF(17, 19), QPointF(22, 12.5));
      break;
    case ToolPicture::StopExit:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(200, 30, 30));
      {
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
          const qreal a = (i * 45 + 22.5) * M_PI / 180;
          octagon << QPointF(16 + 14 * std::cos(a), 16 + 14 * std::sin(a));
        }
        p.drawPolygon(octagon);
      }
      p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawArc(QRectF(9, 9, 14, 14), 120 * 16, 300 * 16);
      p.drawLine(QPointF(16, 6.5), QPointF(16, 15));
      break;
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

QIcon ToolImage(ToolPicture picture) {
  QIcon icon;
  for (const int size : {16, 24, 32, 48})
    icon.addPixmap(DrawTool(picture, size));
  return icon;
}

QPixmap CheckPicture() {
  QPixmap pixmap = Canvas(44, 32);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  Folder(p, QRectF(2, 8, 30, 22));
  Page(p, QRectF(8, 2, 14, 18));
  Page(p, QRectF(13, 4, 14, 18));
  Magnifier(p, QPointF(30, 16), 7);
  return pixmap;
}

QPixmap BackupPicture() {
  QPixmap pixmap = Canvas(44, 32);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  Folder(p, QRectF(1, 10, 17, 14));
  Folder(p, QRectF(26, 10, 17, 14), QColor(120, 180, 240));
  Arrow(p, QPointF(12, 6), QPointF(31, 6), QColor(30, 160, 40), 3);
  return pixmap;
}

QPixmap StartledFace() {
  QPixmap pixmap = Canvas(41, 32);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(120, 80, 0), 1.5));
  p.setBrush(QColor(255, 215, 60));
  p.drawEllipse(QPointF(20.5, 16), 14.5, 14.5);
  // wide eyes with small pupils, raised brows, a round open mouth
  p.setBrush(Qt::white);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.drawEllipse(QPointF(15, 12), 4, 5);
  p.drawEllipse(QPointF(26, 12), 4, 5);
  p.setBrush(QColor(20, 20, 20));
  p.drawEllipse(QPointF(15, 12), 1.3, 1.3);
  p.drawEllipse(QPointF(26, 12), 1.3, 1.3);
  p.setPen(QPen(QColor(60, 40, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 5), QPointF(18, 4));
  p.drawLine(QPointF(23, 4), QPointF(30, 5));
  p.setBrush(QColor(120, 30, 30));
  p.drawEllipse(QPointF(20.5, 23), 3.5, 4.5);
  // sweat drop
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 170, 255));
  p.drawEllipse(QPointF(35, 10), 2, 3);
  return pixmap;
}

QPixmap GroupPicture(GroupPictureKind kind) {
  const int size = kind == GroupPictureKind::Play ? 16 : 32;
  QPixmap pixmap = Canvas(size, size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (kind) {
    case GroupPictureKind::FileDates:  // a calendar page
      p.setPen(QPen(QColor(60, 60, 70), 1.2));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 6, 24, 22));
      p.setBrush(QColor(200, 40, 30));
      p.drawRect(QRectF(4, 6, 24, 6));
      p.setPen(QPen(QColor(60, 60, 70), 1));
      for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col)
          p.drawRect(QRectF(7 + col * 5.2, 15 + row * 4.2, 3, 2.5));
      }
      p.setPen(QPen(QColor(60, 60, 70), 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(10, 3), QPointF(10, 8));
      p.drawLine(QPointF(22, 3), QPointF(22, 8));
      break;
    case GroupPictureKind::Checksum: {  // a page of ones and zeros under a magnifier
      Page(p, QRectF(3, 2, 20, 27));
      QFont tiny = p.font();
      tiny.setPixelSize(6);
      p.setFont(tiny);
      p.setPen(QColor(30, 120, 30));
      p.drawText(QRectF(5, 9, 16, 18), Qt::AlignLeft, "0110\n1001\n0111");
      Magnifier(p, QPointF(20, 19), 5.5);
      break;
    }
    case GroupPictureKind::Actions: {  // a gear
      p.setPen(QPen(QColor(70, 70, 80), 1));
      p.setBrush(QColor(150, 160, 175));
      QPolygonF gear;
      for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        const qreal r = i % 2 == 0 ? 14 : 10.5;
        gear << QPointF(16 + r * std::cos(a - 0.15), 16 + r * std::sin(a - 0.15))
             << QPointF(16 + r * std::cos(a + 0.15), 16 + r * std::sin(a + 0.15));
      }
      p.drawPolygon(gear);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
      break;
    }
    case GroupPictureKind::Sound: {  // a loudspeaker with waves
      p.setPen(QPen(QColor(50, 50, 60), 1.2));
      p.setBrush(QColor(90, 90, 110));
      QPolygonF speaker;
      speaker << QPointF(3, 12) << QPointF(9, 12) << QPointF(17, 5) << QPointF(17, 27) << QPointF(9, 20)
              << QPointF(3, 20);
      p.drawPolygon(speaker);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(40, 110, 210), 2, Qt::SolidLine, Qt::RoundCap));
      p.drawArc(QRectF(14, 10, 8, 12), -60 * 16, 120 * 16);
      p.drawArc(QRectF(13, 6, 14, 20), -60 * 16, 120 * 16);
      break;
    }
    case GroupPictureKind::Play: {  // a green triangle
      QPolygonF play;
      play << QPointF(4, 2) << QPointF(14, 8) << QPointF(4, 14);
      p.setPen(QPen(QColor(20, 100, 20), 1));
      p.setBrush(QColor(40, 170, 40));
      p.drawPolygon(play);
      break;
    }
  }
  return pixmap;
}

QPixmap ProductArtwork() {
  QPixmap pixmap(364, 306);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 306);
  sky.setColorAt(0, QColor(235, 242, 252));
  sky.setColorAt(0.62, QColor(120, 160, 215));
  sky.setColorAt(1, QColor(20, 45, 95));
  p.fillRect(pixmap.rect(), sky);
  // a site of pages, and the glass that watches over them
  for (int i = 0; i < 4; ++i)
    Page(p, QRectF(40 + i * 26, 70 + (i % 2) * 10, 70, 92));
  p.save();
  p.translate(150, 70);
  Magnifier(p, QPointF(110, 60), 46, QColor(45, 45, 60));
  p.restore();
  QFont title = p.font();
  title.setPixelSize(42);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(255, 255, 255, 120));
  p.drawText(QRectF(2, 192, 364, 50), Qt::AlignHCenter, "Vostrelund");
  p.setPen(QColor(15, 35, 80));
  p.drawText(QRectF(0, 190, 364, 50), Qt::AlignHCenter, "Vostrelund");
  QFont maker = p.font();
  maker.setPixelSize(15);
  maker.setBold(false);
  maker.setItalic(true);
  p.setFont(maker);
  p.setPen(QColor(230, 238, 250));
  p.drawText(QRectF(0, 240, 364, 24), Qt::AlignHCenter, "Tessaryne Software presents");
  maker.setPixelSize(11);
  maker.setItalic(false);
  p.setFont(maker);
  p.setPen(QColor(40, 60, 110));
  p.drawText(QRectF(0, 10, 240, 20), Qt::AlignLeft | Qt::AlignVCenter, "  your site's files, kept intact");
  return pixmap;
}

}  // namespace vostrelund
