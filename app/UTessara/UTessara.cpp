#include "app/UTessara/UTessara.h"

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8("Tessara V5.01"));
}
