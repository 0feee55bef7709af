// The wording of the user guide shown in the help window. Every built-in function
// of the term language has a line of its own beginning with its name and "(";
// the help test checks that against the engine's function table.
#include "app/Unit2_Help/Unit2_Help.h"

const char* Bedienungshinweise() {
    return R"TEXT(TESSARA  -  Mathematik-Werkbank                       Bedienungshinweise
==========================================================================

Inhalt
   1. Die Fenster
   2. Das Hauptfenster: Funktionen zeichnen
   3. Terme eingeben
   4. Eingebaute Funktionen und ihre Definitionsbereiche
   5. Zahlenfelder
   6. Die Werkzeuge für f, g, h
   7. Ansicht, Maus und Zwischenablage
   8. Die Tabelle
   9. Matrizen
  10. Statistik, Regression, Interpolation
  11. Folgen, Parameter- und Polarkurven
  12. 2D-Abbildungen und Dreieckslinien
  13. Baumdiagramme
  14. Häufige Meldungen


1. Die Fenster
--------------
Hauptfenster     Zeichnet die Funktionen f, g, h mit ihrem Scharparameter t,
                 dazu Ableitungen, Umkehrrelation, Integral- und Krümmungs-
                 funktion. Die Werkzeuge rechts berechnen Nullstellen,
                 Extrema, Integrale, Tangenten und vieles mehr.
"?"              Diese Bedienungshinweise.
"Statistik"      Die Tabelle, die alle Fenster gemeinsam benutzen, dazu
                 Matrizen, Statistik, Regression und Interpolation.
                 Beim Öffnen über das Hauptfenster ist die Tabelle leer.
"Folgen, Kurven" Zahlenfolgen (explizit und rekursiv), Spinnweb- und
                 Bifurkationsdiagramm, Parameter- und Polarkurven. Beim
                 Öffnen stehen wieder die Beispielwerte in den Feldern.
"2D-Abbildungen" Spiegeln, Drehen, Verschieben, Strecken, Scheren von
                 Punkten aus der Tabelle; Linien und Punkte im Dreieck.
"Baumdiagramme"  Baumdiagramme für Bernoulliketten mit 2 bis 4 Stufen.

Alle Fenster zeichnen in das eine Bild des Hauptfensters. Es ist bei einer
Breite von 16 cm millimetergenau: Grafik in die Zwischenablage legen, in
die Textverarbeitung einfügen, fertig.


2. Das Hauptfenster: Funktionen zeichnen
----------------------------------------
- Terme von f, g und h eintragen, Haken setzen, "Plot" drücken.
- Neben jedem Term stehen "von" und "bis": das Zeichenintervall.
- Die Haken f ', f ", f ''' (Ableitungen), f -1 (Umkehrrelation),
  F (Integralfunktion von f zur unteren Grenze u), krü (Krümmung von f)
  und x=a, x=b (senkrechte Geraden an den Werkzeuggrenzen) gelten für f.
- Beim Setzen eines Hakens merkt sich die Kurve die aktuelle Linienfarbe
  und Linienart; das kleine Musterbild daneben zeigt sie. Kurven haben
  keine Pfeilspitzen: Linienart 4 wird zu 1, Linienart 5 zu 3.
- "Punkte" zeichnet die Punkte aus den Spalten 1 und 2 der Tabelle,
  "Pkte verbinden" verbindet sie (hier sind Pfeile erlaubt).
- "lösch": vor jedem Zeichnen wird das Bild geleert. Ohne Haken kommen
  neue Kurven zu den alten hinzu.
- Kurvenschar: Haken bei "t von", dann t von t1 bis t2 mit Schritt Δt.
  Jedes Mitglied bekommt eine eigene Farbe. Ohne Haken wird nur t = t1
  gezeichnet. Doppelklick auf "t von" öffnet den Schieberegler für t.
- Koordinatensystem: xli, xre, yu, yo sind die Bildränder, xSk und ySk
  der Abstand der Skalenstriche. "xAchse", "yAchse", "Skala",
  "mit Zahlen", "dick" schalten Achsen, Striche, Zahlen und dicke Achsen.
  Ohne Achse gibt es keine Skala und keine Zahlen.
- Raster: kein Raster, 10 mm, 5 mm, 2 mm, 1 mm; "G" zieht zusätzlich an
  jedem Skalenstrich eine kräftigere Linie (nur mit Raster).
- Linie, Punkt, Radius, Füllung und die Farbfelder daneben stellen ein,
  womit die Werkzeuge zeichnen. Ein Klick auf ein Farbfeld öffnet die
  Farbauswahl.
- Ausgabeformat: Nachkommastellen und Gesamtstellen aller Ergebnisse;
  "Fix" schreibt Festkommazahlen, "Bruch" zeigt Ergebnisse als Bruch.
- x-Text und y-Text beschriften die Achsen.


3. Terme eingeben
-----------------
Terme werden wie im Heft geschrieben:
    -tx³+2tx          x·cos(x)²-0,5t        sgn(x+1,5)
    3,0(5x-2)*abs(x)  sin(30°)              2,05E17·x

Variable und Parameter
    x                 die Variable
    t                 der Scharparameter; k und n bedeuten dasselbe:
                      tx, kx und nx sind gleichwertig.
    Als Parameter gilt t (k, n) nur, wenn kein Buchstabe eines Funktions-
    namens daneben steht: in sqrt(tx) ist das erste t Teil von sqrt.
    t·t schreibt man t*t oder t^2 (nicht tt).

Zahlen
    0,5   3,75   -2,25      Dezimalkomma; ein getippter Punkt wird zum Komma.
    2,05E17   3,731E-5      großes E: mal 10 hoch (2,05·10^17).
                            Vor und nach E muss eine Ziffer stehen (nach E
                            darf auch ein Minus stehen): 2E+5 und E5 sind
                            falsch.
    e                       kleines e: die Eulersche Zahl 2,71828...
    pi  oder  p             die Kreiszahl 3,14159...

Rechenzeichen
    +  -  ·  /  ^           ein getipptes * wird zu ·
    Das Malzeichen darf vor x, t, e, pi und vor einer Klammer fehlen:
        2x      3tx     2pi     3(x+1)     (x+1)(x-1)     xx = x·x
    Vor einem Funktionsnamen muss es stehen:
        2*sin(x)   (nicht 2sin(x))
    Punkt vor Strich, Potenz vor Punkt:  2+3·4 = 14,   2·3^2 = 18.
    Potenzen werden von links gerechnet: 2^3^2 = (2^3)^2 = 64.
    -x^2 ist -(x²);  x^-2 ist 1/x²;  2*-3^2 ist 2·(-3)² = 18.

Hochzahlen und Sonderzeichen
    x²  x³                  wie x^2 und x^3
    x^(1/3)                 dritte Wurzel, auch für negative x:
                            (-8)^(1/3) = -2,  (-8)^(2/3) = 4
    (-8)^0,5                nicht erlaubt (gerader Nenner)
    0^0 = 1                 0^(-1) ist nicht erlaubt
    w(2)   w(x²+1)          w ist die Quadratwurzel, wie sqrt
    sin(30°)                ° rechnet Grad ins Bogenmaß um
    exp(x)                  e hoch x, wie e^x
    [x+1]*2                 eckige Klammern sind runde Klammern

Nicht erlaubt
    Leerzeichen mitten im Term (in den Termfeldern werden sie beim
    Verlassen entfernt), die Buchstaben v, y, z sowie = und ;.
    Ein Term darf nicht mit + - · / ^ oder Komma enden.
    Leere Klammern () sind ein Fehler.


4. Eingebaute Funktionen und ihre Definitionsbereiche
-----------------------------------------------------
Der Name wird klein oder groß geschrieben, das Argument steht in Klammern.
Winkel im Bogenmaß (mit ° in Grad: sin(30°) = 0,5). Bei den Arkus-
funktionen steht der Wertebereich in Klammern.

  Funktion     Bedeutung                        erlaubt für
  --------     ---------                        -----------
  sqr(a)       Quadrat a²                       alle a
  sqrt(a)      Quadratwurzel, kurz w(a)         a >= 0
  ln(a)        natürlicher Logarithmus          a > 0
  lg(a)        Zehnerlogarithmus                a > 0
  ld(a)        Zweierlogarithmus                a > 0
  abs(a)       Betrag |a|                       alle a
  sin(a)       Sinus                            alle a
  cos(a)       Kosinus                          alle a
  tan(a)       Tangens                          a <> (2n+1)·pi/2
  cot(a)       Kotangens 1/tan(a)               a <> n·pi
  arctan(a)    Arkustangens ]-pi/2; pi/2[       alle a
  arccot(a)    Arkuskotangens ]0; pi[           alle a
  arcsin(a)    Arkussinus [-pi/2; pi/2]         -1 <= a <= 1
  arccos(a)    Arkuskosinus [0; pi]             -1 <= a <= 1
  sgn(a)       Vorzeichen: -1, 0 oder 1         alle a
  floor(a)     größte ganze Zahl <= a           |a| < 2147483648
  sinh(a)      Sinus hyperbolicus               |a| nicht zu groß
  cosh(a)      Kosinus hyperbolicus             |a| nicht zu groß
  tanh(a)      Tangens hyperbolicus             |a| nicht zu groß
  coth(a)      Kotangens hyperbolicus           a <> 0
  arsinh(a)    Areasinus hyperbolicus           |a| nicht zu groß
  arcosh(a)    Areakosinus hyperbolicus         a >= 1
  artanh(a)    Areatangens hyperbolicus         -1 < a < 1
  arcoth(a)    Areakotangens hyperbolicus       a < -1 oder a > 1
  gauf(a)      Verteilungsfunktion Phi(a) der
               Standardnormalverteilung         alle a
  normal(a)    Dichte der Standardnormal-
               verteilung e^(-a²/2)/w(2pi)      alle a
  random(a)    ganze Zufallszahl von 0 bis n-1,
               n = a gerundet                   a >= 1
  exp(a)       e hoch a (kein eigener Name:
               wird zu e^(a))                   solange e^a nicht
                                                überläuft

Beispiele
    gauf(0) = 0,5     gauf(1,96) = 0,975     normal(0) = 0,39894...
    arccot(0) = pi/2  arccot(-1) = 3pi/4     floor(-2,5) = -3
    An den Sprungstellen von sgn und floor setzt der Zeichenstift ab: es
    entstehen keine senkrechten Striche.
    Die Zufallszahlen beginnen bei jedem Programmstart mit derselben Folge.


5. Zahlenfelder
---------------
Jedes Zahlenfeld nimmt auch konstante Terme an:
    pi/2    w(2)    3/4    2,5E-3    2^10    -pi/4
Ein Fehler wird gemeldet, der Cursor bleibt im Feld, und es ändert sich
sonst nichts. Ganzzahlige Felder nehmen nur Ziffern an.
In Zahlenfeldern sind nur die Buchstaben E, I, P und W zu tippen (für
10 hoch, pi und Wurzel). Die Skala (xSk, ySk) darf nicht so klein sein,
dass die Striche enger als ein halber Zentimeter stehen.


6. Die Werkzeuge für f, g, h
----------------------------
Die Werkzeuge rechnen im Intervall [a; b] mit dem Parameter t = t1 (Feld
"t von") und nehmen die erste angehakte Funktion f, g oder h; sind f und
g angehakt, geht es um f und g gemeinsam (Schnittstellen, Fläche
zwischen f und g). Der Hinweis eines Knopfs sagt jeweils genau, was ein
Klick jetzt tut. Ergebnisse stehen in der Tabelle (Fenster "Statistik")
oder in einem Meldungsfenster.
  Nullst.     Nullstellen bzw. Schnittstellen in [a; b]; die kleinste und
              die größte kommen nach a und b. "Newton": Näherungsschritte
              in die Tabelle.
  Extrema     Hoch- und Tiefpunkte, bei einer Schar für jedes t
  Wendep.     Wendepunkte, ebenso
  Integral    Integral und Flächeninhalt zwischen den Kurven bzw. mit
              der x-Achse; Verfahren wählbar (Gauß-Kronrod, Romberg ...)
  Fläche      färbt die Fläche ("grob": grobe Schraffur)
  U/O-Sum     Unter-, Ober-, Trapez- und Mittelsumme mit Schritt Δx
  Rot.-Vol.   Volumen des Rotationskörpers um die x-Achse
  Bogenl.     Bogenlänge (Esc fragt, ob die Rechnung abbrechen soll)
  Sekante     durch P(a|f(a)) und Q(b|f(b))
  Tangente    in P(a|f(a)); auch an die Parameterkurve x(t), y(t) des
              Fensters "Folgen, Kurven" bei t = a
  Normale     in P(a|f(a))
  Kr.-Kreis   Krümmungskreis an der Stelle a
              "Stg.-Dr." zeichnet zu Sekante und Tangente ein
              Steigungsdreieck.
  GW-Tab.     Grenzwerttabelle für f'(a), f''(a) und f'"(a)
  Wertetab.   Wertetabelle von f, g, h, f', f", f"', krü in [a; b] mit
              Schritt Δx; "F tab." nimmt die Integralfunktion F dazu.
Genauigkeit: Integrale, Flächen und Längen werden auf so viele Stellen
genau berechnet, wie unter "Nachkomma" eingestellt ist.


7. Ansicht, Maus und Zwischenablage
-----------------------------------
- Lupen: vergrößern, verkleinern (beide Achsen oder nur x oder nur y).
- Pfeile: das Bild um eine halbe Skaleneinheit verschieben.
- Ursprung: Mitte, links unten, 1. und 2. oder 1. und 4. Quadrant.
- Breite und Höhe des Koordinatensystems in ganzen Zentimetern (3 bis 16).
- Zurücksetzen stellt nach Rückfrage alles auf den Anfang.
Maus im Bild:
- Ziehen mit der linken Taste verschiebt das Koordinatensystem.
- Rechte Taste: Grafik in die Zwischenablage.
- "Z" (Zoommodus): mit gedrückter linker Taste einen Rahmen aufziehen;
  beim Loslassen wird dieser Ausschnitt gezeigt.
- "T" (Textmodus): die rechte Taste schreibt den Text aus "Text in
  Grafik" rechts unterhalb der Mausspitze ins Bild; "A" wählt die Schrift.
  "T" und "Z" schließen sich gegenseitig aus.
- Rechtsklick auf die Rahmen "Info", "Matrix+Statistik" oder "Extras"
  legt ein Bild des ganzen Fensters in die Zwischenablage.
Tasten im Hauptfenster:
  Strg+S   Grafik als Datei speichern (PNG, SVG oder PDF, in wahrer Größe)
  Strg+P   Grafik drucken (in wahrer Größe)
  Strg+T   Schieberegler für den Scharparameter t


8. Die Tabelle
--------------
- 43 Spalten und 1500 Zeilen. Spalte 1 und 2 heißen x und y, ab Spalte 3
  steht Matrix A.
- Eine Zelle ist eine Zahl, wenn sie so aussieht:
      12    -3,5    3.5    .5    5,    3,731E-5    3,731e-5
      3/4   -7/2    1,5/3                     (Brüche; nicht durch 0)
  Komma und Punkt sind hier gleichwertig, e und E bedeuten 10 hoch.
  Terme wie pi/2 sind in der Tabelle KEINE Zahlen.
- Eine Spalte endet an der ersten Zelle, die keine Zahl ist (leer oder
  Text). Danach stehende Zahlen gehören nicht mehr dazu.
- Punkte stehen paarweise in zwei Spalten (x, y) ab der gewählten
  Spalte ("Sp 1,2", "Sp 3,4", "Sp 5,6", "Sp 7,8"), höchstens 1500.
- Tippen schreibt in die aktuelle Zelle; Enter geht weiter, Esc nimmt
  die Eingabe zurück, Entf leert die Zelle.
- Bereich markieren: mit der rechten Maustaste ziehen oder Umschalt +
  Pfeiltasten. Der Bereich kann kopiert oder als Text in die
  Zwischenablage gelegt werden.
- Knöpfe wandeln alle Zahlen in Brüche oder in Dezimalzahlen um.
- Strg+S speichert die Tabelle als CSV-Datei, Strg+O liest eine ein.


9. Matrizen
-----------
- Matrix A beginnt in Zeile 1, Spalte 3 (Überschrift "Matrix A"), und
  reicht nach rechts bis zur ersten leeren Spalte. Alle Spalten müssen
  gleich lang sein; höchstens 44 Zeilen und 41 Spalten.
- Matrix B beginnt eine Spalte rechts neben A (eine leere Spalte
  dazwischen).
- Einträge sind Zahlen oder Brüche: 2   -1,5   3/4.
- Das Ergebnis C steht unter A.
- Lineares Gleichungssystem: die erweiterte Matrix (Koeffizienten und
  rechte Seite) als A eintragen, "C=rref(A)" wählen. Bis zu 40 Variablen.
  "Tracing" zeigt jeden Schritt.
- Weitere Operationen: det(A), A^n, A^(-1), A^T, A*B, A^n*B, B*A, r*A,
  rang(A), Einheits- und Nullmatrix an der Cursorposition, Text in
  ASCII-Zahlen und zurück (Codieren mit einer Matrix).
- n und r stehen in eigenen Feldern (Vorgabe n = 2, r = 3/100).


10. Statistik, Regression, Interpolation
----------------------------------------
1dim. Statistik: Spalte 1 Werte (oder Texte, beim Histogramm Klassen
  wie 0;12), Spalte 2 die Häufigkeiten. Kennzahlen (Mittelwert,
  Standardabweichung, Quartile ...) kommen in die Tabelle; Diagramme:
  Häufigkeitspolygon, Säulen, Boxplot (auch modifiziert und mit Daten),
  Kreisdiagramm, Histogramm.
Regression: Punkte in Spalte 1 und 2. Modelle:
  m·x, m·x+b, Polynome vom Grad 2 bis 5, c·e^(kx), c+b·ln(x), c·x^b,
  1/(a·x+b), x/(a·x+b). Der gefundene Term kommt in ein Termfeld des
  Hauptfensters; Schwerpunkt, senkrechte und waagerechte Abstände,
  Fehlerquadrate lassen sich einzeichnen.
Interpolation: Interpolationspolynom durch alle Punkte (nach h),
  kubischer Spline (nach f, g, h), Trassierung durch 4 Punkte (nach h).
Spaltenrechnung: Summe, kumulierte Summe, Skalar- und Vektorprodukt,
  Spalte + r, Spalte · r, Binomialverteilung, Zufallszahlen;
  Testdaten füllen die Tabelle mit Beispielen.


11. Folgen, Parameter- und Polarkurven
--------------------------------------
Folgen (n, t und k sind dasselbe):
  explizit       a(n) = 5n/(2n+3)
  rekursiv       x(n+1) = g(x(n)), z. B. g(x) = 3,2x(1-x), Startwert x(n0)
  zweistufig     a(n) = g(x, k) mit x = a(n-2) und k = a(n-1),
                 Startwerte x(n0) und k(n1)
  Darstellung als Zeitreihe (n; a(n)) oder als Spinnweb ("CobWeb") mit
  Grenzwert- und Zykluserkennung; Bifurkationsdiagramm für g(x, k);
  Werte in die Tabelle.
Parameterkurven x(t), y(t) und Polarkurven r(t):
  t läuft von k1 bis k2 mit Schritt Δφ (Vorgabe -pi bis pi, pi/720);
  x ist dabei der Scharparameter des Hauptfensters.
  Beispiele: x(t) = x·cos(t), y(t) = 3x/5·sin(t);  r(t) = 1,2t·sin(7t).


12. 2D-Abbildungen und Dreieckslinien
-------------------------------------
Die Punkte stehen in der Tabelle (Sp 1,2 oder 3,4 oder 5,6 oder 7,8,
am oberen Rand der Tabelle wählen). Abbildungen: Achsenspiegelung,
Drehung, Verschiebung, zentrische Streckung, Scherung, Matrix M. Die
Bildpunkte kommen in die zwei Spalten rechts daneben; so lassen sich
Abbildungen hintereinander ausführen.
Dreieck: die Ecken A, B, C in drei Zeilen; Mittelsenkrechten, Winkel-
halbierende, Seitenhalbierende, Höhen, Umkreis, Inkreis, Feuerbachkreis,
Eulergerade. Alle Maße kommen in die Tabelle.


13. Baumdiagramme
-----------------
Bernoullikette mit 2, 3 oder 4 Stufen, Trefferwahrscheinlichkeit p = Z/N
(Z und N von 1 bis 20). Wahlweise mit Ästen, Knotenbeschriftung,
Astwahrscheinlichkeiten und Pfadwahrscheinlichkeiten (als Brüche).


14. Häufige Meldungen
---------------------
  Kette leer                      das Feld ist leer
  Operand erwartet                eine Zahl oder ein x fehlt, z. B. "2+"
  Operator erwartet               ein Rechenzeichen fehlt, z. B. "x23"
  ungültiger Funktionsaufruf      unbekannter Name oder Malzeichen vor
                                  einer Funktion fehlt: 2*sin(x)
  falsche Zeichen                 Leerzeichen, y, z, v, = oder ;
  falscher Klammerterm            leere Klammern ()
  Wurzelterm ungültig             w ohne Argument
  Falsche Verwendung von E (=10^) großes E nicht zwischen Ziffern;
                                  die Eulersche Zahl ist das kleine e
  Division durch Null             z. B. 1/x bei x = 0
  Radikand kleiner als Null       sqrt(a) oder w(a) mit a < 0
)TEXT";
}
