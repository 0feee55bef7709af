// The image control of the main window: a widget that shows one QImage pixel for
// pixel at its top left corner. Drawing goes into Bild(); update() shows it.
#pragma once
#include <QImage>
#include <QWidget>

class TBild : public QWidget {
    Q_OBJECT
public:
    explicit TBild(QWidget* parent = nullptr);
    QImage& Bild() { return bild_; }
    // A new white picture of this size; the widget takes the same size.
    void Neu_anlegen(int breite, int hoehe);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage bild_;
};
