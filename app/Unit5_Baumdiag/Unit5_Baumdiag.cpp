#include "app/Unit5_Baumdiag/Unit5_Baumdiag.h"
#include "ui_Unit5_Baumdiag.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/UGrafik.h"

TForm5::TForm5(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm5>()) {
    setObjectName("Form5");
    ui->setupUi(this);
    setWindowTitle(QString::fromUtf8("Baumdiagramme für Bernoulliketten"));
    connect(ui->ComboBox_W_Zaehler, &QComboBox::currentIndexChanged, this, &TForm5::ComboBox_W_ZaehlerChange);
    connect(ui->ComboBox_W_Nenner, &QComboBox::currentIndexChanged, this, &TForm5::ComboBox_W_NennerChange);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm5::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TForm5::BitBtn2Click);
}

TForm5::~TForm5() = default;

void TForm5::q_zeigen() {
    const int Z = ui->ComboBox_W_Zaehler->currentIndex() + 1, N = ui->ComboBox_W_Nenner->currentIndex() + 1;
    ui->Label_q_zaehler->setText(QString::number(N - Z));
    ui->Label_q_nenner->setText(QString::number(N));
}

// A numerator above the denominator falls back to 1 (setting it runs this handler
// once more, which then finds Z <= N).
void TForm5::ComboBox_W_ZaehlerChange() {
    if (ui->ComboBox_W_Zaehler->currentIndex() > ui->ComboBox_W_Nenner->currentIndex())
        ui->ComboBox_W_Zaehler->setCurrentIndex(0);
    q_zeigen();
}

// A denominator below the numerator jumps to 20.
void TForm5::ComboBox_W_NennerChange() {
    if (ui->ComboBox_W_Nenner->currentIndex() < ui->ComboBox_W_Zaehler->currentIndex())
        ui->ComboBox_W_Nenner->setCurrentIndex(19);
    q_zeigen();
}

void TForm5::BitBtn2Click() { close(); }

void TForm5::BitBtn1Click() {
    close();
    const int Z = ui->ComboBox_W_Zaehler->currentIndex() + 1, N = ui->ComboBox_W_Nenner->currentIndex() + 1;
    const bool farbig = ui->CheckBox_mit_Farbe->isChecked();
    stil_.Farbe_Erfolg = farbig ? Farbe_rot : Farbe_schwarz;
    stil_.Farbe_Misserfolg = farbig ? Farbe_blau : Farbe_schwarz;
    stil_.Erfolg = ui->Edit_Erfolg->text().toStdString();
    stil_.Misserfolg = ui->Edit_Misserfolg->text().toStdString();
    stil_.Wsk_an_Aeste = ui->CheckBox_Wsk_an_Aeste->isChecked();
    stil_.Pfadwahrsch = ui->CheckBox_Pfadwahrsch_ausgeben->isChecked();
    stil_.Text_an_Aeste = ui->CheckBox_Text_an_Aeste->isChecked();
    if (!Form1) return;
    QImage& bild = Form1->Image1()->Bild();
    Bild_fuellen(bild, Farbe_weiss);
    if (!Baum_anlegen(ui->ComboBox_Stufenzahl->currentIndex() + 2, Z, N, Logische_Breite(bild) / 2, baum_)) return;
    Baum_zeichnen();
}

void TForm5::Baum_zeichnen() {
    if (!Form1 || baum_.Knoten.empty()) return;
    ::Baum_zeichnen(Form1->Image1()->Bild(), baum_, stil_);
    Form1->Image1()->update();
}
