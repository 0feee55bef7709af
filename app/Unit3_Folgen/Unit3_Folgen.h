// Window TForm3: "Parameterdarstellung Polarkoordinaten Folgen  Cobweb  Bifurkation".
// Left: parametric and polar curves for a family; right: explicit, one-step and
// two-step sequences as time series or cobweb, the bifurcation diagram and the
// transfers to the table. Everything is drawn into the main window's picture; the
// numbers come from numeric/UFolgen, the pictures from graphics/UFolgen_Grafik.
#pragma once
#include "numeric/UFolgen.h"

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

namespace Ui { class TForm3; }
class QLineEdit;

// The window's settings as its edits last gave them (the Exit handlers write them).
struct Folgenzustand {
    int Iterationstiefe = Tiefe_Standard;
    int32_t n0 = 1;
    Extended x_n0 = 0.4L, y_n1 = 0.6L;
    // The curve parameter's range and step, known to the curve routines by these names.
    Extended Parameter_von = -3.14159265358979323846L, Parameter_bis = 3.14159265358979323846L,
             Parameter_Schritt = 3.14159265358979323846L / 720;
    // Frozen when "x(t),y(t)" / "r(t)" was last ticked.
    uint32_t Kurvenfarbe = 0xFF0000;
    int Kurvenlinienart = 1;
};
extern Folgenzustand Folgen;

// What the tangent tool needs of the curve box.
struct Parameterkurve {
    bool gewaehlt = false;   // "x(t),y(t)" / "r(t)" ticked
    Kurvenvorgabe Kurve;     // terms, polar mode, k1, k2, Δt
};

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    // The main window's opener: default texts of the edits, the boxes unticked (their
    // handlers running), cobweb and depth disabled, then the fields read again.
    void Oeffnen_vorbereiten();
    Parameterkurve Parameterkurve_lesen() const;

    // The terms into the shared point list (and the last sequence kept for the table);
    // a recursion that breaks off says "Fehler! Bildungsgesetz unterbrochen".
    void Folge_berechnen();
    void Folge_zeichnen();
    const Folge& Letzte_Folge() const { return folge_; }

public slots:
    void CheckBox_rekursivClick();
    void CheckBox_rekursivxyClick();
    void CheckBox_WebClick();
    void CheckBox_FolgeClick();
    void CheckBox_Polar_WahlClick();
    void CheckBox_ParamClick();
    void Edit_IterationstiefeExit();
    void Edit_n0Exit();
    void Edit_x_n0Exit();
    void Edit_y_n1Exit();
    void Edit_FolgeExit();
    void Edit_xParamExit();
    void Edit_yParamExit();
    void Edit_Param_k1Exit();
    void Edit_Param_k2Exit();
    void Edit_delta_PhiExit();
    void SpeedButton_PolarPlotClick();
    void SpeedButton_Folge_in_TabelleClick();
    void SpeedButton_Polar_in_TabelleClick();
    void SpeedButton_BifurkationClick();

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    void Verbindungen_herstellen();
    bool Zahl_aus_Edit(QLineEdit* feld, Extended& wert);
    void Term_verlassen(QLineEdit* feld);
    void Fokus_zurueck(QLineEdit* feld);
    void Kurven_zeichnen(bool polar);
    Folgenart Modus() const;

    std::unique_ptr<Ui::TForm3> ui;
    Folge folge_;
    bool im_verlassen_ = false;
};
