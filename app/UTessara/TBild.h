// The image control of the main window: a widget that shows one QImage at its top left
// corner. The image holds the widget's logical size at the screen's device pixel ratio,
// so lines and texts are drawn at the screen's own resolution. Drawing goes into Bild()
// in logical coordinates; update() shows it.
#pragma once
#include <QImage>
#include <QWidget>

class TBild : public QWidget {
    Q_OBJECT
public:
    explicit TBild(QWidget* parent = nullptr);
    QImage& Bild() { return bild_; }
    // The picture's size in logical pixels.
    QSize Groesse() const { return bild_.isNull() ? QSize() : bild_.deviceIndependentSize().toSize(); }
    // A new white picture of this logical size at the screen's ratio; the widget takes the same size.
    void Neu_anlegen(int breite, int hoehe);
    // Carries the picture over to another device pixel ratio (resampled, nothing lost).
    // Called when the window reaches a screen of another ratio; tests call it directly.
    void Verhaeltnis_setzen(double verhaeltnis);
    // Marks the picture's present state, so that a change of ratio can tell whether
    // anything was drawn into it since (the owner then redraws it rather than keeping
    // the resampled copy).
    void Stand_merken() { gemerkt_ = bild_.cacheKey(); }

signals:
    // After Verhaeltnis_setzen; unveraendert: nothing was drawn since Stand_merken().
    void Verhaeltnis_gewechselt(bool unveraendert);

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;

private:
    void Verhaeltnis_pruefen();
    QImage bild_;
    qint64 gemerkt_ = 0;
    bool pruefung_angemeldet_ = false;
};
