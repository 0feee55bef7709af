// The owner-drawn combo boxes of the marks: line style, point symbol and fill
// pattern show a drawn preview of each item, in the list and in the closed box.
#pragma once
#include <QComboBox>
#include <QStyledItemDelegate>

enum class Vorschauart { Linienart, Punkteart, Fuellmuster };

class Vorschau_Delegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    Vorschau_Delegat(Vorschauart art, QObject* parent) : QStyledItemDelegate(parent), art_(art) {}
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Vorschauart art_;
};

class TVorschau_Combo : public QComboBox {
    Q_OBJECT
public:
    explicit TVorschau_Combo(QWidget* parent = nullptr) : QComboBox(parent) {}
    // Installs the item delegate for this kind of preview.
    void Vorschau_setzen(Vorschauart art);
    // Repaints the closed box and the list after a colour or radius change.
    void Neu_zeichnen();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Vorschauart art_ = Vorschauart::Linienart;
    bool mit_vorschau_ = false;
};

void Vorschau_malen(QPainter& maler, Vorschauart art, const QRect& zelle, int item, bool fokus);
