#include "graphics/U_KOS.h"

#include <cmath>
#include <utility>

Koordinatensystem KOS;

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

bool KOS_zoomen(Koordinatensystem& k, int& zoomstufe, Zoomachse achse, bool hinein, int grenze, Extended faktor) {
    if (hinein ? zoomstufe <= -grenze : zoomstufe >= grenze) return false;
    zoomstufe += hinein ? -1 : 1;
    const Extended f = hinein ? 1 / faktor : faktor;
    if (achse != Zoomachse::y) {
        k.xli *= f;
        k.xre *= f;
        k.xscl *= f;
    }
    if (achse != Zoomachse::x) {
        k.yu *= f;
        k.yo *= f;
        k.yscl *= f;
    }
    return true;
}

void KOS_schieben(Koordinatensystem& k, int richtung_x, int richtung_y) {
    const Extended dx = richtung_x * k.xscl / 2, dy = richtung_y * k.yscl / 2;
    k.xli += dx;
    k.xre += dx;
    k.yu += dy;
    k.yo += dy;
}

namespace {
void Ursprung_auf_Achse(Extended& lo, Extended& hi, int cm, bool am_rand) {
    const Extended w = hi - lo;
    if (am_rand) {
        lo = -w / cm;
        hi = (cm - 1) * w / cm;
    } else {
        lo = -w / 2;
        hi = w / 2;
    }
}

bool Groesse_aendern(int& cm, Extended& lo, Extended& hi, int schritt) {
    const int n = cm + schritt;
    if (schritt == 0 || n < 3 || n > 16) return false;
    // Half of one centimetre of the old width on each side.
    const Extended halb = (hi - lo) / cm / 2 * (schritt > 0 ? 1 : -1);
    cm = n;
    lo -= halb;
    hi += halb;
    return true;
}
}  // namespace

void KOS_Ursprung_legen(Koordinatensystem& k, bool x_am_rand, bool y_am_rand) {
    Ursprung_auf_Achse(k.xli, k.xre, k.Bildbreite_cm, x_am_rand);
    Ursprung_auf_Achse(k.yu, k.yo, k.Bildtiefe_cm, y_am_rand);
}

bool KOS_Breite_aendern(Koordinatensystem& k, int schritt) {
    return Groesse_aendern(k.Bildbreite_cm, k.xli, k.xre, schritt);
}

bool KOS_Tiefe_aendern(Koordinatensystem& k, int schritt) {
    return Groesse_aendern(k.Bildtiefe_cm, k.yu, k.yo, schritt);
}

void KOS_ziehen(Koordinatensystem& k, int dx, int dy, Extended faktor) {
    const Extended wx = -faktor * k.xscl * dx, wy = faktor * k.yscl * dy;
    k.xli += wx;
    k.xre += wx;
    k.yu += wy;
    k.yo += wy;
}

bool KOS_Rahmen(const Koordinatensystem& k, int bildbreite, int bildhoehe, int x1, int y1, int x2, int y2,
                Extended& xli, Extended& xre, Extended& yu, Extended& yo) {
    if (x1 == x2 || y1 == y2) return false;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    // The mapping of Pixel_zu_x and Pixel_zu_y, on the window given.
    xli = x1 * (k.xre - k.xli) / (bildbreite - 1) + k.xli;
    xre = x2 * (k.xre - k.xli) / (bildbreite - 1) + k.xli;
    yu = k.yo - y2 * (k.yo - k.yu) / (bildhoehe - 1);
    yo = k.yo - y1 * (k.yo - k.yu) / (bildhoehe - 1);
    return true;
}
