// Window TForm3: "Parameterdarstellung Polarkoordinaten Folgen  Cobweb  Bifurkation".
#pragma once
#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    // Called by the main window's opener before showing the window.
    void Oeffnen_vorbereiten();
};
