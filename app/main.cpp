#include "app/Fenster.h"
#include "app/UTessara/UTessara.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Wayland compositors and docks find the desktop entry, and with it name and icon,
    // through this id; the build defines it once for entry, metadata and icon files.
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSARA_APP_ID));
    // Every window takes the application's icon; the resources hold each rendered size.
    QIcon symbol;
    for (const QString& datei : QDir(QStringLiteral(":/symbol")).entryList(QDir::Files))
        symbol.addFile(QStringLiteral(":/symbol/") + datei);
    app.setWindowIcon(symbol);
    Fenster_erzeugen();
    Form1->show();
    int rc = app.exec();
    Fenster_freigeben();
    return rc;
}
