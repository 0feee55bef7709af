// Fonts need a GUI application; the drawing benchmarks share one, made on first use,
// and start from the default window and style on a picture of 641 × 641 pixels.
#pragma once
#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>

inline void Qt_bereit() {
    static int argc = 1;
    static char name[] = "tessara_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(argc, argv);
}

inline QImage Standardbild_bereit() {
    Qt_bereit();
    KOS = Koordinatensystem{};
    KOS_Stil = KOS_Einstellungen{};
    return Bild_erzeugen(641, 641);
}
