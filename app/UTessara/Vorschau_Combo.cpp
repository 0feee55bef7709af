#include "app/UTessara/Vorschau_Combo.h"

#include "graphics/UGrafik.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

void Vorschau_malen(QPainter& maler, Vorschauart art, const QRect& zelle, int item, bool fokus) {
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, false);
    switch (art) {
    case Vorschauart::Linienart: Linienart_Vorschau(maler, zelle, item, fokus); break;
    case Vorschauart::Punkteart: Punkteart_Vorschau(maler, zelle, item, fokus); break;
    case Vorschauart::Fuellmuster: Fuellmuster_Vorschau(maler, zelle, item, fokus); break;
    }
    maler.restore();
}

void Vorschau_Delegat::paint(QPainter* maler, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    bool fokus = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
    Vorschau_malen(*maler, art_, option.rect, index.row(), fokus);
}

QSize Vorschau_Delegat::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(std::max(option.rect.width(), 34), 15);
}

void TVorschau_Combo::Vorschau_setzen(Vorschauart art) {
    art_ = art;
    mit_vorschau_ = true;
    setItemDelegate(new Vorschau_Delegat(art, this));
    update();
}

void TVorschau_Combo::Neu_zeichnen() {
    update();
    if (view()) view()->viewport()->update();
}

void TVorschau_Combo::paintEvent(QPaintEvent* e) {
    if (!mit_vorschau_) {
        QComboBox::paintEvent(e);
        return;
    }
    QStylePainter maler(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    maler.drawComplexControl(QStyle::CC_ComboBox, option);
    QRect feld = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The preview cell has the list's item height, centred in the edit area.
    QRect zelle(feld.left(), feld.top() + (feld.height() - 15) / 2, feld.width(), 15);
    if (currentIndex() >= 0) Vorschau_malen(maler, art_, zelle, currentIndex(), false);
}
