#include "app/Unit2_Help/Unit2_Help.h"
#include "ui_Unit2_Help.h"

#include <QFont>
#include <QPalette>

TForm2::TForm2(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    setWindowFlag(Qt::Tool);
    // Courier New where the system has it, else its metric twin; any fixed-pitch
    // face keeps the guide's columns aligned.
    QFont schrift = ui->Memo1->font();
    schrift.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    ui->Memo1->setFont(schrift);
    QPalette farben = ui->Memo1->palette();
    farben.setColor(QPalette::Text, QColor(0, 0, 128));   // navy
    farben.setColor(QPalette::Base, Qt::white);
    ui->Memo1->setPalette(farben);
    ui->Memo1->setPlainText(QString::fromUtf8(Bedienungshinweise()));
}

TForm2::~TForm2() = default;
