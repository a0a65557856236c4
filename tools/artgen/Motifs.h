#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Christmas things drawn in a box of any size; backs, the chooser, the
// backgrounds and the game-over pictures all reuse them.
namespace art::motif {

void candyCane(QPainter &p, const QRectF &box, bool mirrored = false);
void bow(QPainter &p, QPointF centre, qreal size, QColor colour);
void holly(QPainter &p, QPointF centre, qreal size);
void rabbit(QPainter &p, const QRectF &box);
void pineCone(QPainter &p, const QRectF &box);
void elf(QPainter &p, const QRectF &box, bool withGift, bool doll = false);
void gingerbreadHouse(QPainter &p, const QRectF &box);
void bell(QPainter &p, QPointF centre, qreal size, qreal tilt = 0);
void chocolateSanta(QPainter &p, const QRectF &box);
void candle(QPainter &p, const QRectF &box, QColor wax);
void firTree(QPainter &p, const QRectF &box, bool decorated);
void santa(QPainter &p, const QRectF &box);
void gift(QPainter &p, const QRectF &box, QColor paper, QColor ribbon);
void iceSwan(QPainter &p, const QRectF &box);
void snowPlough(QPainter &p, const QRectF &box);
void snowflake(QPainter &p, QPointF centre, qreal radius, QColor colour, qreal width = 1);
void star(QPainter &p, QPointF centre, qreal radius, QColor colour);
void sack(QPainter &p, const QRectF &box);
void playingCard(QPainter &p, const QRectF &box, qreal angle, const QString &rank, bool red);

} // namespace art::motif
