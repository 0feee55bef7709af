#include "app/Unit3_Folgen/Unit3_Folgen.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent) {
    setObjectName("Form3");
    setWindowTitle(QString::fromUtf8("Parameterdarstellung Polarkoordinaten Folgen  Cobweb  Bifurkation"));
}

void TForm3::Oeffnen_vorbereiten() {}
