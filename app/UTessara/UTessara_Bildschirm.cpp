// The main window on a small screen: the fixed layout stays as it is and is shown
// through a scroll area that fits the screen, instead of the program ending.
#include "app/UTessara/UTessara.h"
#include "platform/Dialoge.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// Room a desktop takes around a window: frame, title bar and a panel.
constexpr int Rand_breit = 16, Rand_hoch = 64;
}

bool TForm1::Bildschirm_pruefen(QSize groesse) {
    if (groesse.width() >= 1080 && groesse.height() >= 680) return true;
    Dialog().Meldung(Meldung_Bildschirm_klein);
    return false;
}

bool TForm1::Bildschirm_anpassen(QSize schirm) {
    if (findChild<QScrollArea*>(QStringLiteral("Form1_Rollbereich"), Qt::FindDirectChildrenOnly)) return false;
    if (Bildschirm_pruefen(schirm)) return true;
    const QSize inhalt = size();
    auto* innen = new QWidget;
    innen->setObjectName(QStringLiteral("Form1_Inhalt"));
    innen->setFixedSize(inhalt);
    // The controls keep their places, now relative to the scrolled content; children
    // that are windows of their own (the family slider) stay with this window.
    for (QObject* kind : children()) {
        auto* w = qobject_cast<QWidget*>(kind);
        if (w && !w->isWindow()) w->setParent(innen);
    }
    auto* bereich = new QScrollArea(this);
    bereich->setObjectName(QStringLiteral("Form1_Rollbereich"));
    bereich->setFrameShape(QFrame::NoFrame);
    bereich->setWidget(innen);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(bereich);
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize passend(std::min(inhalt.width() + leiste, schirm.width() - Rand_breit),
                        std::min(inhalt.height() + leiste, schirm.height() - Rand_hoch));
    setMinimumSize(0, 0);
    setMaximumSize(inhalt.width() + leiste, inhalt.height() + leiste);
    resize(passend.expandedTo(QSize(200, 150)));
    return false;
}

void TForm1::Bildschirm_einrichten() {
    QScreen* schirm = QGuiApplication::primaryScreen();
    // The offscreen platform (tests, headless pictures) has no real screen to measure.
    if (!schirm || QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    Bildschirm_anpassen(schirm->size());
}
