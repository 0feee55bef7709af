#include "graphics/U_KOS.h"

#include <cmath>

Koordinatensystem KOS;

namespace {
int Pixel_runden(Extended p) {
    if (std::isnan(p)) return -Pixel_Grenze;
    if (p > Pixel_Grenze) return Pixel_Grenze;
    if (p < -Pixel_Grenze) return -Pixel_Grenze;
    return static_cast<int>(std::nearbyint(p));   // halves to the even neighbour
}
}

int x_zu_Pixel(int bildbreite, Extended x) {
    return Pixel_runden((x - KOS.xli) / (KOS.xre - KOS.xli) * (bildbreite - 1));
}

int y_zu_Pixel(int bildhoehe, Extended y) {
    return Pixel_runden((KOS.yo - y) / (KOS.yo - KOS.yu) * (bildhoehe - 1));
}

Extended Pixel_zu_x(int bildbreite, int spalte) {
    return spalte * (KOS.xre - KOS.xli) / (bildbreite - 1) + KOS.xli;
}

Extended Pixel_zu_y(int bildhoehe, int zeile) {
    return KOS.yo - zeile * (KOS.yo - KOS.yu) / (bildhoehe - 1);
}

Bildrechteck KOS_Bildrechteck(int breite_cm, int tiefe_cm) {
    Bildrechteck r;
    int breite = breite_cm * KOS.Bildbreite / 16;
    r.links = KOS.Bildlinks + (KOS.Bildbreite - breite) / 2;
    r.breite = breite + 1;
    int hoehe = KOS.Bildhoehe * tiefe_cm / 16;
    r.oben = KOS.Bildoben + (KOS.Bildhoehe - hoehe) / 2;
    r.hoehe = hoehe + 1;
    return r;
}
