// The program's colour values (0x00BBGGRR, 255 is red) and their Qt form.
#pragma once
#include <QColor>
#include <cstdint>

inline QColor Farbe_Qt(uint32_t farbe) {
    return QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
}
inline uint32_t Farbe_Wert(const QColor& c) {
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}
inline uint32_t Farbe_RGB(int r, int g, int b) {
    return uint32_t(r & 0xFF) | (uint32_t(g & 0xFF) << 8) | (uint32_t(b & 0xFF) << 16);
}
