// Window TForm1: "Tessara V5.01".
#pragma once
#include <QWidget>

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};
