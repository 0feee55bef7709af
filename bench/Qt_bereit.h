// Fonts need a GUI application; the drawing benchmarks share one, made on first use.
#pragma once

#include <QGuiApplication>
#include <cstdlib>

inline void Qt_bereit() {
    static int argc = 1;
    static char name[] = "tessara_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(argc, argv);
}
