#include "app/Unit4_2D_Abb/Unit4_2D_Abb.h"
#include "ui_Unit4_2D_Abb.h"

#include "engine/UFunktionsParser.h"
#include "graphics/Farben.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>

TAbbildung Abbildungsparameter;

namespace {

using Verlassen = void (TForm4::*)();

std::string Text_von(const QLineEdit* feld) { return feld->text().toStdString(); }

// The form texts are plain decimal numbers; a text that is none keeps the default.
void Formtext_lesen(const QLineEdit* feld, Extended& wert) {
    Extended x = 0;
    int position = 0;
    if (Zelle_auswerten(Text_von(feld), x, position)) wert = x;
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm4>()) {
    setObjectName("Form4");
    ui->setupUi(this);
    setWindowTitle(QString::fromUtf8("2D - Abbildungen und Dreieckslinien"));
    Verbindungen_herstellen();
    FormCreate();
}

TForm4::~TForm4() = default;

void TForm4::FormCreate() {
    TAbbildung& a = Abbildungsparameter;
    a = TAbbildung{};
    Formtext_lesen(ui->Edit_SpiegT_x, a.T.x), Formtext_lesen(ui->Edit_SpiegT_y, a.T.y);
    Formtext_lesen(ui->Edit_SpiegQ_x, a.Q.x), Formtext_lesen(ui->Edit_SpiegQ_y, a.Q.y);
    Formtext_lesen(ui->Edit_Drehzentrum_x, a.M.x), Formtext_lesen(ui->Edit_Drehzentrum_y, a.M.y);
    Formtext_lesen(ui->Edit_Drehwinkel_alfa, a.alpha);
    Formtext_lesen(ui->Edit_VStart_x, a.R.x), Formtext_lesen(ui->Edit_VStart_y, a.R.y);
    Formtext_lesen(ui->Edit_VEnde_x, a.S.x), Formtext_lesen(ui->Edit_VEnde_y, a.S.y);
    Formtext_lesen(ui->Edit_Streckzentrum_x, a.Z.x), Formtext_lesen(ui->Edit_Streckzentrum_y, a.Z.y);
    Formtext_lesen(ui->Edit_Streckfaktor, a.k);
    Formtext_lesen(ui->Edit_Scherfaktor, a.f);
    bildfarbe_ = 0x008000;
    QPalette p = ui->Panel_BildFarbe->palette();
    p.setColor(QPalette::Window, Farbe_Qt(bildfarbe_));
    ui->Panel_BildFarbe->setPalette(p);
}

void TForm4::Verbindungen_herstellen() {
    for (QLineEdit* feld : findChildren<QLineEdit*>()) feld->installEventFilter(this);
    ui->Panel_BildFarbe->installEventFilter(this);
    ui->Panel_BildFarbe->setCursor(Qt::PointingHandCursor);
    connect(ui->BitBtn_abbilden, &QPushButton::clicked, this, &TForm4::BitBtn_abbildenClick);
    connect(ui->BitBtn_abbrechen, &QPushButton::clicked, this, &TForm4::BitBtn_abbrechenClick);
    connect(ui->BitBtn_Dreieckslinien, &QPushButton::clicked, this, &TForm4::BitBtn_DreieckslinienClick);
    connect(ui->CheckBox_alles_auswaehlen, &QCheckBox::clicked, this, &TForm4::CheckBox_alles_auswaehlenClick);
}

// --- fields ----------------------------------------------------------------------

namespace {
struct Feldhandler { QLineEdit* Ui::TForm4::*feld; Verlassen verlassen; bool term; };
const Feldhandler Feldhandler_liste[] = {
    {&Ui::TForm4::Edit_SpiegT_x, &TForm4::Edit_SpiegT_xExit, false},
    {&Ui::TForm4::Edit_SpiegT_y, &TForm4::Edit_SpiegT_yExit, false},
    {&Ui::TForm4::Edit_SpiegQ_x, &TForm4::Edit_SpiegQ_xExit, false},
    {&Ui::TForm4::Edit_SpiegQ_y, &TForm4::Edit_SpiegQ_yExit, false},
    {&Ui::TForm4::Edit_Drehzentrum_x, &TForm4::Edit_Drehzentrum_xExit, false},
    {&Ui::TForm4::Edit_Drehzentrum_y, &TForm4::Edit_Drehzentrum_yExit, false},
    {&Ui::TForm4::Edit_Drehwinkel_alfa, &TForm4::Edit_Drehwinkel_alfaExit, false},
    {&Ui::TForm4::Edit_VStart_x, &TForm4::Edit_VStart_xExit, false},
    {&Ui::TForm4::Edit_VStart_y, &TForm4::Edit_VStart_yExit, false},
    {&Ui::TForm4::Edit_VEnde_x, &TForm4::Edit_VEnde_xExit, false},
    {&Ui::TForm4::Edit_VEnde_y, &TForm4::Edit_VEnde_yExit, false},
    {&Ui::TForm4::Edit_Streckzentrum_x, &TForm4::Edit_Streckzentrum_xExit, false},
    {&Ui::TForm4::Edit_Streckzentrum_y, &TForm4::Edit_Streckzentrum_yExit, false},
    {&Ui::TForm4::Edit_Streckfaktor, &TForm4::Edit_StreckfaktorExit, false},
    {&Ui::TForm4::Edit_Scherfaktor, &TForm4::Edit_ScherfaktorExit, false},
    {&Ui::TForm4::Edit_M11, &TForm4::Edit_M11Exit, true},
    {&Ui::TForm4::Edit_M12, &TForm4::Edit_M12Exit, true},
    {&Ui::TForm4::Edit_M21, &TForm4::Edit_M21Exit, true},
    {&Ui::TForm4::Edit_M22, &TForm4::Edit_M22Exit, true},
};
}  // namespace

bool TForm4::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ziel == ui->Panel_BildFarbe && ereignis->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        Panel_BildFarbeClick();
        return true;
    }
    const Feldhandler* h = nullptr;
    for (const Feldhandler& f : Feldhandler_liste)
        if (ziel == ui.get()->*f.feld) h = &f;
    if (!h) return QWidget::eventFilter(ziel, ereignis);
    if (ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        const auto zeichen = taste->text().toUcs4();
        if (zeichen.size() != 1 || (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
        const char32_t ein = zeichen[0];
        const char32_t aus = h->term ? Taste_Term(ein) : Taste_Zahl(ein);
        if (aus == ein) return false;
        if (aus != 0) (ui.get()->*h->feld)->insert(QString::fromUcs4(&aus, 1));
        return true;
    }
    if (ereignis->type() == QEvent::FocusOut) {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        // A message box or popup taking the focus for a moment does not leave the field.
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason && !im_verlassen_) {
            im_verlassen_ = true;
            (this->*h->verlassen)();
            im_verlassen_ = false;
        }
    }
    return QWidget::eventFilter(ziel, ereignis);
}

// The variable keeps its old value when the term fails (message or beep) and the
// focus goes back into the field.
bool TForm4::Zahl_verlassen(QLineEdit* feld, Extended& wert) {
    Extended gelesen = wert;
    if (Zahl_aus_Term(Text_von(feld), gelesen)) {
        wert = gelesen;
        return true;
    }
    const bool vorher = im_verlassen_;
    im_verlassen_ = true;
    feld->setFocus(Qt::OtherFocusReason);
    im_verlassen_ = vorher;
    return false;
}

void TForm4::Term_verlassen(QLineEdit* feld) {
    if (Term_pruefen(Text_von(feld))) return;
    const bool vorher = im_verlassen_;
    im_verlassen_ = true;
    feld->setFocus(Qt::OtherFocusReason);
    im_verlassen_ = vorher;
}

void TForm4::Edit_SpiegT_xExit() { Zahl_verlassen(ui->Edit_SpiegT_x, Abbildungsparameter.T.x); }
void TForm4::Edit_SpiegT_yExit() { Zahl_verlassen(ui->Edit_SpiegT_y, Abbildungsparameter.T.y); }
void TForm4::Edit_SpiegQ_xExit() { Zahl_verlassen(ui->Edit_SpiegQ_x, Abbildungsparameter.Q.x); }
void TForm4::Edit_SpiegQ_yExit() { Zahl_verlassen(ui->Edit_SpiegQ_y, Abbildungsparameter.Q.y); }
void TForm4::Edit_Drehzentrum_xExit() { Zahl_verlassen(ui->Edit_Drehzentrum_x, Abbildungsparameter.M.x); }
void TForm4::Edit_Drehzentrum_yExit() { Zahl_verlassen(ui->Edit_Drehzentrum_y, Abbildungsparameter.M.y); }
void TForm4::Edit_Drehwinkel_alfaExit() { Zahl_verlassen(ui->Edit_Drehwinkel_alfa, Abbildungsparameter.alpha); }
void TForm4::Edit_VStart_xExit() { Zahl_verlassen(ui->Edit_VStart_x, Abbildungsparameter.R.x); }
void TForm4::Edit_VStart_yExit() { Zahl_verlassen(ui->Edit_VStart_y, Abbildungsparameter.R.y); }
void TForm4::Edit_VEnde_xExit() { Zahl_verlassen(ui->Edit_VEnde_x, Abbildungsparameter.S.x); }
void TForm4::Edit_VEnde_yExit() { Zahl_verlassen(ui->Edit_VEnde_y, Abbildungsparameter.S.y); }
void TForm4::Edit_Streckzentrum_xExit() { Zahl_verlassen(ui->Edit_Streckzentrum_x, Abbildungsparameter.Z.x); }
void TForm4::Edit_Streckzentrum_yExit() { Zahl_verlassen(ui->Edit_Streckzentrum_y, Abbildungsparameter.Z.y); }
void TForm4::Edit_StreckfaktorExit() { Zahl_verlassen(ui->Edit_Streckfaktor, Abbildungsparameter.k); }
void TForm4::Edit_ScherfaktorExit() { Zahl_verlassen(ui->Edit_Scherfaktor, Abbildungsparameter.f); }
void TForm4::Edit_M11Exit() { Term_verlassen(ui->Edit_M11); }
void TForm4::Edit_M12Exit() { Term_verlassen(ui->Edit_M12); }
void TForm4::Edit_M21Exit() { Term_verlassen(ui->Edit_M21); }
void TForm4::Edit_M22Exit() { Term_verlassen(ui->Edit_M22); }

void TForm4::Panel_BildFarbeClick() {
    if (auto farbe = Dialog().Farbe_waehlen(bildfarbe_)) {
        bildfarbe_ = *farbe;
        QPalette p = ui->Panel_BildFarbe->palette();
        p.setColor(QPalette::Window, Farbe_Qt(bildfarbe_));
        ui->Panel_BildFarbe->setPalette(p);
    }
}

void TForm4::BitBtn_abbrechenClick() { close(); }

int TForm4::Abbildung_Index() const {
    const QRadioButton* knoepfe[] = {ui->RadioButton_Achsenspiegelung, ui->RadioButton_Drehung,
                                     ui->RadioButton_Verschiebung, ui->RadioButton_Zentrische_Streckung,
                                     ui->RadioButton_Scherung, ui->RadioButton_Matrix_M};
    for (int i = 0; i < 6; ++i)
        if (knoepfe[i]->isChecked()) return i;
    return 0;
}

void TForm4::Abbildung_waehlen(int index) {
    QRadioButton* knoepfe[] = {ui->RadioButton_Achsenspiegelung, ui->RadioButton_Drehung,
                               ui->RadioButton_Verschiebung, ui->RadioButton_Zentrische_Streckung,
                               ui->RadioButton_Scherung, ui->RadioButton_Matrix_M};
    if (index >= 0 && index < 6) knoepfe[index]->setChecked(true);
}
