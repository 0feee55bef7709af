#include "app/Unit6_Statistik/Unit6_Statistik.h"

TForm6::TForm6(QWidget* parent) : QWidget(parent) {
    setObjectName("Form6");
    setWindowTitle(QString::fromUtf8("Statistik Interpolation Matrizenrechnung"));
}
