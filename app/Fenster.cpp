#include "app/Fenster.h"

#include "app/Qt_Dialoge.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit2_Help/Unit2_Help.h"
#include "app/Unit3_Folgen/Unit3_Folgen.h"
#include "app/Unit4_2D_Abb/Unit4_2D_Abb.h"
#include "app/Unit5_Baumdiag/Unit5_Baumdiag.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "platform/Dialoge.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;

void Fenster_erzeugen() {
    static Qt_Dialoge qt_dialoge;
    Dialog_setzen(&qt_dialoge);
    Form1 = new TForm1();
    Form2 = new TForm2();
    Form3 = new TForm3();
    Form4 = new TForm4();
    Form5 = new TForm5();
    Form6 = new TForm6();
}

void Fenster_freigeben() {
    delete Form6; Form6 = nullptr;
    delete Form5; Form5 = nullptr;
    delete Form4; Form4 = nullptr;
    delete Form3; Form3 = nullptr;
    delete Form2; Form2 = nullptr;
    delete Form1; Form1 = nullptr;
}
