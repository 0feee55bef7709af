#include "app/UTessara/TBild.h"

#include "graphics/UGrafik.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

TBild::TBild(QWidget* parent) : QWidget(parent) {
    // Everything visible comes from the picture: no background to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBild::Neu_anlegen(int breite, int hoehe) {
    bild_ = Bild_erzeugen(breite, hoehe, devicePixelRatioF());
    gemerkt_ = 0;
    resize(breite, hoehe);
    update();
}

void TBild::Verhaeltnis_setzen(double verhaeltnis) {
    if (bild_.isNull() || verhaeltnis == bild_.devicePixelRatio()) return;
    const bool unveraendert = gemerkt_ != 0 && bild_.cacheKey() == gemerkt_;
    const QSize g = Groesse();
    QImage neu = Bild_erzeugen(g.width(), g.height(), verhaeltnis);
    {
        QPainter maler(&neu);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.drawImage(QRect(QPoint(0, 0), g), bild_);
    }
    bild_ = neu;
    gemerkt_ = 0;
    update();
    emit Verhaeltnis_gewechselt(unveraendert);
}

void TBild::Verhaeltnis_pruefen() {
    pruefung_angemeldet_ = false;
    Verhaeltnis_setzen(devicePixelRatioF());
}

bool TBild::event(QEvent* e) {
    // A window dragged onto a screen of another ratio; redrawing inside the paint event
    // is not allowed, so the check runs right after it.
    if (e->type() == QEvent::ScreenChangeInternal && !pruefung_angemeldet_) {
        pruefung_angemeldet_ = true;
        QTimer::singleShot(0, this, &TBild::Verhaeltnis_pruefen);
    }
    return QWidget::event(e);
}

void TBild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    if (bild_.isNull()) {
        maler.fillRect(rect(), Qt::white);
        return;
    }
    // The screen's scale can change without a change of screen: the paint tells.
    if (bild_.devicePixelRatio() != devicePixelRatioF() && !pruefung_angemeldet_) {
        pruefung_angemeldet_ = true;
        QTimer::singleShot(0, this, &TBild::Verhaeltnis_pruefen);
    }
    maler.drawImage(0, 0, bild_);
    // A widget larger than its picture shows white beyond it.
    const QSize g = Groesse();
    if (width() > g.width()) maler.fillRect(g.width(), 0, width() - g.width(), height(), Qt::white);
    if (height() > g.height()) maler.fillRect(0, g.height(), width(), height() - g.height(), Qt::white);
}
