// The wording of the user guide shown in the help window.
#include "app/Unit2_Help/Unit2_Help.h"

const char* Bedienungshinweise() {
    return R"(TESSARA  -  Mathematik-Werkbank
================================

Was das Programm kann
---------------------
- Graphen von f, g, h mit Scharparameter t zeichnen, dazu f', f'', f''',
  die Umkehrrelation, die Integralfunktion F (untere Grenze u) und die
  Krümmungsfunktion von f, senkrechte Geraden x=a und x=b.
- Bei 16 cm Breite ist das Bild millimetergenau: Kopieren und in die
  Textverarbeitung einfügen, Breite 16 cm einstellen.
- Kurvenschar: Haken bei "t von", Bereich t1 bis t2 mit Schrittweite dt
  (höchstens 1000 Kurven). Ohne Haken wird nur t = t1 gezeichnet.
- Tabelle (Fenster "Statistik"): Zahlen, Brüche und Texte eingeben, Punkte
  einzeichnen, Bereiche kopieren, Brüche und Dezimalzahlen umwandeln.
- Matrizen, Statistik, Regression, Interpolation, Folgen, Parameterkurven,
  2D-Abbildungen, Dreieckslinien und Baumdiagramme in eigenen Fenstern.

Terme eingeben
--------------
Terme werden wie im Heft geschrieben, z. B.
    -tx³+2tx        x·cos(x)²-0,5t        sgn(x+1,5)        3,0(5x-2)*abs(x)
- Variable x, Scharparameter t (auch k oder n).
- Dezimalkomma: 0,5 (ein getippter Punkt wird zum Komma).
- Malzeichen: · oder * (ein getipptes * wird zu ·). Vor x, t, e, pi und vor
  einer Klammer darf es fehlen: 2x, 3(x+1), (x+1)(x-1). Vor einem
  Funktionsnamen muss es stehen: 2*sin(x).
- Potenzen: x^2, x², x³, x^(1/3). Negative Basis nur mit ungeradem Nenner:
  (-8)^(1/3) = -2, (-8)^0,5 ist nicht erlaubt.
- 2^3^2 wird von links gerechnet: (2^3)^2 = 64.
- Zehnerpotenz mit großem E: 2,05E17, 3,731E-5. Kleines e ist die Eulersche
  Zahl. pi oder p ist die Kreiszahl.
- w(...) ist die Wurzel: w(2), w(x²+1).
- Gradzeichen: sin(30°) rechnet 30 Grad ins Bogenmaß um.
- Eckige Klammern sind erlaubt: [x+1]*2.
- Nicht erlaubt: Leerzeichen mitten im Term, die Buchstaben v, y, z, =, ;.
  Leerzeichen werden beim Verlassen der Termfelder entfernt.

Eingebaute Funktionen
---------------------
  sqr(a)    a²                   sqrt(a), w(a)   Quadratwurzel
  ln(a)     natürlicher Log.     lg(a)     Zehnerlogarithmus
  ld(a)     Zweierlogarithmus    exp(a)    e hoch a
  abs(a)    Betrag               sgn(a)    Vorzeichen (-1, 0, 1)
  floor(a)  größte ganze Zahl <= a
  sin, cos, tan, cot             (Bogenmaß)
  arcsin, arccos, arctan, arccot
  sinh, cosh, tanh, coth         arsinh, arcosh, artanh, arcoth
  gauf(a)   Normalverteilung Phi(a)
  normal(a) Dichte der Standardnormalverteilung
  random(n) ganze Zufallszahl von 0 bis n-1

Zahlenfelder
------------
Alle Zahlenfelder nehmen auch konstante Terme an: pi/2, w(2), 3/4, 2,5E-3.
Ein fehlerhafter Eintrag wird gemeldet, der Cursor bleibt im Feld.
Die Skalierung (xSk, ySk) darf nicht kleiner sein als die Hälfte der
Strecke, die im Bild einem Zentimeter entspricht.

Tabelle
-------
- 43 Spalten, 1500 Zeilen. Eine Spalte endet an der ersten Zelle, die
  keine Zahl ist (leer oder Text).
- Zahlen: 12   -3,5   3,731E-5   3.731e-5   -7/2 (Bruch)
- Punkte stehen paarweise in zwei Spalten (x, y), ab der gewählten Spalte.
- Markierter Bereich: mit der Maus (auch rechte Taste) oder Umschalt+Pfeil.
  Er kann an eine andere Stelle kopiert oder als Text in die
  Zwischenablage gebracht werden.

Matrizen
--------
Matrix A steht ab Spalte 3, Zeile 1. Einträge sind Zahlen oder Brüche.
Ergebnisse werden rechts daneben in die Tabelle geschrieben.
)";
}
