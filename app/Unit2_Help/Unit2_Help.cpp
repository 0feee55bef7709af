#include "app/Unit2_Help/Unit2_Help.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setObjectName("Form2");
    setWindowTitle(QString::fromUtf8("Bedienungshinweise"));
}
