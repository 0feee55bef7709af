// The main window's side of the family slider: opening it (Ctrl+T, a double click
// on "t von"), taking its t as the family's first value, and pausing its
// animation whenever a command of this window starts.
#include "app/UTessara/UTessara.h"

#include "app/Unit7_Scharregler/Scharregler.h"
#include "graphics/UKurven.h"
#include "numeric/UMatheBasisOp.h"
#include "ui_UTessara.h"

#include <QAbstractButton>
#include <QScreen>
#include <QShortcut>

void TForm1::Regler_anbinden() {
    auto* taste = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(taste, &QShortcut::activated, this, &TForm1::Scharregler_oeffnen);
    ui->CheckBox_alle_t_verwenden->installEventFilter(this);
    // The analysis tools are commands too: pressing one pauses the animation before it runs.
    for (QAbstractButton* knopf : ui->GroupBox_Tools->findChildren<QAbstractButton*>())
        connect(knopf, &QAbstractButton::pressed, this, &TForm1::Befehl_beginnt);
}

void TForm1::Scharregler_oeffnen() {
    if (!regler_) regler_ = new Scharregler(this);
    if (regler_->isVisible()) {
        // Open already: its range stays, t1 is by now the slider's own value.
        regler_->raise();
        regler_->activateWindow();
        return;
    }
    // Beside the main window where the screen has room, else below it, else over its right edge.
    QRect frei = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    QSize g = regler_->frameGeometry().size();
    QPoint ort(frameGeometry().right() + 1, y());
    if (ort.x() + g.width() > frei.right()) {
        ort = QPoint(x(), frameGeometry().bottom() + 1);
        if (ort.y() + g.height() > frei.bottom()) ort = QPoint(frei.right() - g.width(), y());
    }
    regler_->move(ort);
    regler_->Oeffnen(ui->Edit_Schar_t1->text(), ui->Edit_Schar_t2->text(), ui->Edit_delta_t->text());
}

void TForm1::Befehl_beginnt() {
    if (regler_) regler_->Fremder_Befehl();
}

// One member is drawn while the slider is in use: "t von" goes off.
void TForm1::Scharparameter_setzen(Extended t) {
    ui->Edit_Schar_t1->setText(QString::fromStdString(Zahl_allgemein(t)));
    Schar.t1 = t;
    ui->CheckBox_alle_t_verwenden->setChecked(false);
    SpeedButton_PlotClick();
}
