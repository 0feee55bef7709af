#include "app/Unit5_Baumdiag/Unit5_Baumdiag.h"

TForm5::TForm5(QWidget* parent) : QWidget(parent) {
    setObjectName("Form5");
    setWindowTitle(QString::fromUtf8("Baumdiagramme für Bernoulliketten"));
}
