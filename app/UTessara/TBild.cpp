#include "app/UTessara/TBild.h"

#include "graphics/UGrafik.h"

#include <QPainter>

TBild::TBild(QWidget* parent) : QWidget(parent) {
    // Everything visible comes from the picture: no background to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBild::Neu_anlegen(int breite, int hoehe) {
    bild_ = Bild_erzeugen(breite, hoehe);
    resize(breite, hoehe);
    update();
}

void TBild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    if (bild_.isNull()) {
        maler.fillRect(rect(), Qt::white);
        return;
    }
    maler.drawImage(0, 0, bild_);
    // A widget larger than its picture shows white beyond it.
    if (width() > bild_.width()) maler.fillRect(bild_.width(), 0, width() - bild_.width(), height(), Qt::white);
    if (height() > bild_.height()) maler.fillRect(0, bild_.height(), width(), height() - bild_.height(), Qt::white);
}
