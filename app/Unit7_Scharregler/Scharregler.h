// Window Scharregler: "Scharparameter t", the family parameter on a slider. Each
// slider position is one t between min and max in steps of the step field; moving
// the slider hands t to the main window, which draws that single member at once.
// Play walks the positions with a timer, one redraw per step, forwards and back or
// from the start again. The range fields are read as constant terms when left;
// a range that is empty, has no positive step or too many steps is refused.
#pragma once
#include "engine/UFunktionsParser.h"

#include <QString>
#include <QWidget>
#include <memory>

namespace Ui { class Scharregler; }
class QLineEdit;
class QTimer;
class TForm1;

// The slider's range: positions 0 .. Schritte, position k is min + k·schritt, the
// last one clamped to max.
struct Reglerbereich {
    Extended min = 1, max = 4, schritt = 0.5L;
    int Schritte() const;
    Extended Wert(int position) const;
    int Position(Extended t) const;   // nearest position of t, clamped to the range
};

// At most this many steps on the slider.
constexpr int Reglerschritte_max = 10000;

// The range is refused with the program's message text, or nullptr when it is good.
const char* Reglerbereich_Fehler(Extended min, Extended max, Extended schritt);

class Scharregler : public QWidget {
    Q_OBJECT
public:
    explicit Scharregler(TForm1* hauptfenster);
    ~Scharregler() override;

    // Fills the range fields from the family range texts and shows the window.
    void Oeffnen(const QString& t1, const QString& t2, const QString& delta_t);
    // Stops the animation (a command of the main window starts); a redraw the
    // window itself asked for does not stop it.
    void Fremder_Befehl();
    bool Animation_laeuft() const;
    const Reglerbereich& Bereich() const { return bereich_; }

public slots:
    void Slider_tChange(int position);
    void SpeedButton_AnimationClick();
    void Edit_Regler_minExit();
    void Edit_Regler_maxExit();
    void Edit_Regler_schrittExit();
    void SpinEdit_TempoChange(int schritte_pro_sekunde);

protected:
    void hideEvent(QHideEvent* ereignis) override;

private:
    void Animationsschritt();
    void Anhalten();
    bool Bereich_uebernehmen(QLineEdit* feld, Extended Reglerbereich::*wert);
    void Slider_einrichten(Extended t);
    void Wert_zeigen(Extended t);

    std::unique_ptr<Ui::Scharregler> ui;
    TForm1* hauptfenster_;
    QTimer* takt_;
    Reglerbereich bereich_;
    QString gute_texte_[3];       // last accepted texts of min, max, step
    int richtung_ = 1;            // +1 forwards, -1 back ("hin und zurück")
    bool im_schritt_ = false;     // a redraw of this window runs
};
