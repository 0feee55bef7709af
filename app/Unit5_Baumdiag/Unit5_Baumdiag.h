// Window TForm5: "Baumdiagramme für Bernoulliketten". Its settings (stages, node
// texts, p = Z/N from two combo boxes kept Z <= N, what to write and whether in
// colour) persist between openings; the tree is drawn into the main image.
#pragma once
#include "graphics/UFiguren.h"
#include "numeric/UBaumdiagramm.h"

#include <QWidget>
#include <memory>

namespace Ui { class TForm5; }

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

public slots:
    void ComboBox_W_ZaehlerChange();
    void ComboBox_W_NennerChange();
    void BitBtn1Click();
    void BitBtn2Click();
    // Draws the tree prepared by BitBtn1Click into the main image.
    void Baum_zeichnen();

private:
    void q_zeigen();

    std::unique_ptr<Ui::TForm5> ui;
    TBaum baum_;
    TBaumstil stil_;
};
