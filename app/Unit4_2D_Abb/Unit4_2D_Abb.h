// Window TForm4: "2D - Abbildungen und Dreieckslinien". The right half maps the points
// of the chosen table columns by one of six mappings into the two columns to their
// right and draws them in the main image; the left half constructs the notable points,
// lines and circles of the triangle standing in those columns. The parameters of the
// mappings are the unit's state (Abbildungsparameter); the matrix entries stay texts.
#pragma once
#include "numeric/UAbbildung.h"

#include <QWidget>
#include <memory>

namespace Ui { class TForm4; }
class QLineEdit;

// Numbers of the mapping half, read from their fields when these are left.
extern TAbbildung Abbildungsparameter;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    // Index of the chosen mapping (0 Achsenspiegelung … 5 Matrix M) and its setter.
    int Abbildung_Index() const;
    void Abbildung_waehlen(int index);
    uint32_t Bildfarbe() const { return bildfarbe_; }

public slots:
    void Edit_SpiegT_xExit();
    void Edit_SpiegT_yExit();
    void Edit_SpiegQ_xExit();
    void Edit_SpiegQ_yExit();
    void Edit_Drehzentrum_xExit();
    void Edit_Drehzentrum_yExit();
    void Edit_Drehwinkel_alfaExit();
    void Edit_VStart_xExit();
    void Edit_VStart_yExit();
    void Edit_VEnde_xExit();
    void Edit_VEnde_yExit();
    void Edit_Streckzentrum_xExit();
    void Edit_Streckzentrum_yExit();
    void Edit_StreckfaktorExit();
    void Edit_ScherfaktorExit();
    void Edit_M11Exit();
    void Edit_M12Exit();
    void Edit_M21Exit();
    void Edit_M22Exit();
    void Panel_BildFarbeClick();
    void BitBtn_abbrechenClick();
    void BitBtn_abbildenClick();
    void Punkte_abbilden();
    void CheckBox_alles_auswaehlenClick();
    void BitBtn_DreieckslinienClick();
    void Dreieck_konstruieren();

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    void Verbindungen_herstellen();
    void FormCreate();
    bool Zahl_verlassen(QLineEdit* feld, Extended& wert);
    void Term_verlassen(QLineEdit* feld);
    bool Matrix_lesen(TAbbildung& abb);
    void Feld_verlassen(QLineEdit* feld);

    std::unique_ptr<Ui::TForm4> ui;
    uint32_t bildfarbe_ = 0x008000;
    bool im_verlassen_ = false;
};
