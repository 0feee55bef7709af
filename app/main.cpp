#include "app/Fenster.h"
#include "app/UTessara/UTessara.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Fenster_erzeugen();
    Form1->show();
    int rc = app.exec();
    Fenster_freigeben();
    return rc;
}
