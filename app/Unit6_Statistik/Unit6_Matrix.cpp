// The matrix group of the statistics window: reads its fields, lets table/ and
// numeric/ read, compute and write, and shows the messages. The traced elimination
// waits for a key after every step here, in the window.
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "ui_Unit6_Statistik.h"

#include "app/Fenster.h"
#include "app/UTessara/UTessara.h"
#include "numeric/UMatrixOps.h"
#include "platform/Dialoge.h"
#include "table/UMatrixtabelle.h"
#include "table/UNumerik_Protokolle.h"

#include <charconv>

namespace {

// An integer text such as "12" or "-3" (leading blanks allowed, nothing after it).
bool Ganzzahl_lesen(const std::string& text, int& wert) {
    size_t a = text.find_first_not_of(' ');
    if (a == std::string::npos) return false;
    const char* anfang = text.data() + a + (text[a] == '+' ? 1 : 0);
    const char* ende = text.data() + text.size();
    auto [p, fehler] = std::from_chars(anfang, ende, wert);
    return fehler == std::errc() && p == ende;
}

// The elimination of [A | E] shows its steps in columns 3 .. 2m+2: up to 20 rows fit.
constexpr int Schrittweise_Inverse_hoechstens = 20;

}  // namespace

void TForm6::Matrixgruppe_verbinden() {
    for (const char* name : Matrixoperation_Namen) ui->ComboBox_MatrixOps->addItem(QString::fromUtf8(name));
    ui->ComboBox_MatrixOps->setCurrentIndex(0);
    connect(ui->SpeedButton_MatrixOps, &QToolButton::clicked, this, &TForm6::SpeedButton_MatrixOpsClick);
    connect(ui->Edit_Mat_n, &QLineEdit::editingFinished, this, &TForm6::Edit_Mat_nExit);
    connect(ui->Edit_skalar_r, &QLineEdit::editingFinished, this, &TForm6::Edit_skalar_rExit);
}

void TForm6::Edit_Mat_nExit() {
    int n = 0;
    if (Ganzzahl_lesen(ui->Edit_Mat_n->text().toStdString(), n)) return;
    Dialog().Piep();
    ui->Edit_Mat_n->setText("2");
    Mat_n_Fehler_ = true;
}

// r is a number field: a constant term such as «3/100» or «pi/2».
bool TForm6::Skalar_r_lesen(Extended& r) {
    Extended wert = 0;
    if (!Zahl_aus_Term(ui->Edit_skalar_r->text().toStdString(), wert)) return false;
    r = wert;
    return true;
}

void TForm6::Edit_skalar_rExit() {
    Extended r = 0;
    if (!Skalar_r_lesen(r)) ui->Edit_skalar_r->setFocus();
}

void TForm6::SpeedButton_MatrixOpsClick() {
    if (Mat_n_Fehler_) {
        Mat_n_Fehler_ = false;
        ui->Edit_Mat_n->setFocus();
        return;
    }
    const auto op = Matrixoperation(std::max(0, ui->ComboBox_MatrixOps->currentIndex()));
    Matrixeingabe e;
    e.n_text = ui->Edit_Mat_n->text().toStdString();
    if (!Ganzzahl_lesen(e.n_text, e.n)) e.n = 2;
    if (!Skalar_r_lesen(e.r)) {
        ui->Edit_skalar_r->setFocus();
        return;
    }
    std::string meldung;
    if (op == Matrixoperation::Einheit || op == Matrixoperation::Null) {
        meldung = Quadratmatrix_an_Cursor(Tabelle, op == Matrixoperation::Einheit, e.n);
        if (!meldung.empty()) Dialog().Meldung(meldung);
        return;
    }
    if (op == Matrixoperation::ASCII_nach_A) {
        Matrix codes;
        const int zeilen = Text_in_Matrix(Form1 ? Form1->Text_in_Grafik() : std::string(), e.n, codes, meldung);
        if (zeilen == 0) Dialog().Meldung(meldung.empty() ? "Kein Text in Zelle (1,1) !" : meldung);
        else Codematrix_schreiben(Tabelle, codes, zeilen, e.n);
        return;
    }
    if (!Matrizen_einlesen(Tabelle, op, e, meldung)) {
        Dialog().Meldung(meldung);
        return;
    }
    if (op == Matrixoperation::A_nach_ASCII) {
        if (Form1) Form1->Text_in_Grafik_setzen(Matrix_in_Text(e.A, e.m, e.q));
        return;
    }
    const Matrixergebnis r = Matrix_berechnen(op, e);
    const bool schrittweise = ui->CheckBox_Tracing->isChecked() &&
                              (op == Matrixoperation::rref || op == Matrixoperation::Inverse);
    if (r.Meldung.empty() && schrittweise && op == Matrixoperation::Inverse && e.m > Schrittweise_Inverse_hoechstens)
        meldung = "Schrittweise lässt sich die Inverse höchstens einer 20x20-Matrix zeigen: [A|E] hätte " +
                  std::to_string(2 * e.m) + " Spalten !";
    if (!r.Meldung.empty() || !meldung.empty()) {
        Dialog().Meldung(r.Meldung.empty() ? meldung : r.Meldung);
        return;
    }
    Unter_A_leeren(Tabelle, op, e);
    if (schrittweise) {
        Matrix W = e.A;
        int spalten = e.q;
        if (op == Matrixoperation::Inverse) {
            Matrix_erweitern(e.A, e.m, e.m, Einheitsmatrix(e.m), W);
            spalten = 2 * e.m;
        }
        Matrix_rref_schrittweise(W, e.m, spalten, Tabelle);
    }
    Ergebnis_schreiben(Tabelle, op, e, r);
}
