#include "numeric/UBaumdiagramm.h"

namespace {

struct Ebene { int y; std::vector<int> x; };

std::vector<Ebene> Ebenen(int n) {
    auto reihe = [](int von, int schritt, int anzahl) {
        std::vector<int> v;
        for (int i = 0; i < anzahl; ++i) v.push_back(von + i * schritt);
        return v;
    };
    switch (n) {
    case 2: return {{45, {-60, 60}}, {85, {-90, -35, 35, 90}}};
    case 3: return {{45, {-100, 100}}, {85, {-150, -50, 50, 150}}, {130, reihe(-175, 50, 8)}};
    default:
        return {{45, {-200, 200}}, {85, {-300, -100, 100, 300}}, {135, reihe(-350, 100, 8)},
                {185, reihe(-375, 50, 16)}};
    }
}

}  // namespace

bool Baum_anlegen(int n, int Z, int N, int m, TBaum& baum) {
    baum = TBaum{};
    if (n < 2 || n > 4 || Z < 1 || N > 20 || Z > N) return false;
    baum.n = n, baum.Z = Z, baum.N = N;
    baum.Wurzel_x = m;
    int erster_der_Ebene = 0, vorige_erste = -1;
    int stufe = 1;
    for (const Ebene& e : Ebenen(n)) {
        for (size_t i = 0; i < e.x.size(); ++i) {
            TBaumknoten k;
            k.x = m + e.x[i];
            k.y = e.y;
            k.Stufe = stufe;
            k.Erfolg = i % 2 == 1;
            k.Vater = stufe == 1 ? -1 : vorige_erste + int(i / 2);
            const int vaterzaehler = k.Vater < 0 ? 1 : baum.Knoten[size_t(k.Vater)].Pfadzaehler;
            k.Pfadzaehler = vaterzaehler * (k.Erfolg ? Z : N - Z);
            baum.Knoten.push_back(k);
        }
        vorige_erste = erster_der_Ebene;
        erster_der_Ebene = int(baum.Knoten.size());
        ++stufe;
    }
    int nenner = 1;
    for (int i = 0; i < n; ++i) nenner *= N;
    baum.Nenner_Text = std::to_string(nenner);
    return true;
}
