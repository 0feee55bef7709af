#include "app/Unit2_Help/Unit2_Help.h"
#include "ui_Unit2_Help.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    setWindowFlag(Qt::Tool);
    ui->Memo1->setPlainText(QString::fromUtf8(Bedienungshinweise()));
}

TForm2::~TForm2() = default;
