#include "app/Unit4_2D_Abb/Unit4_2D_Abb.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent) {
    setObjectName("Form4");
    setWindowTitle(QString::fromUtf8("2D - Abbildungen und Dreieckslinien"));
}
