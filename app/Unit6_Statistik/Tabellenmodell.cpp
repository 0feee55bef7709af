#include "app/Unit6_Statistik/Tabellenmodell.h"

#include <QLineEdit>
#include <QPainter>

namespace {
const QColor Gitterfarbe(200, 200, 200);
}

TTabellenmodell::TTabellenmodell(TTabelle& tabelle, QObject* parent)
    : QAbstractTableModel(parent), tabelle_(tabelle) {}

int TTabellenmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Tabellenzeilen;
}

int TTabellenmodell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Tabellenspalten;
}

QVariant TTabellenmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(tabelle_.Zelle(index.column(), index.row()));
    case Qt::TextAlignmentRole:
        // Numbers line up at the right edge; the header row reads from the left.
        return QVariant::fromValue(Qt::Alignment(
            (index.row() >= 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    default:
        return {};
    }
}

bool TTabellenmodell::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.row() < 1 || index.column() < 1)
        return false;
    tabelle_.Zelle(index.column(), index.row()) = value.toString().toStdString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant TTabellenmodell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section < 0) return {};
    if (orientation == Qt::Horizontal) {
        if (section >= Tabellenspalten) return {};
        if (role == Qt::DisplayRole) return QString::fromStdString(tabelle_.Zelle(section, 0));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    } else {
        if (section >= Tabellenzeilen) return {};
        if (role == Qt::DisplayRole) return QString::fromStdString(tabelle_.Zelle(0, section));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

Qt::ItemFlags TTabellenmodell::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.row() < 1 || index.column() < 1) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void TTabellenmodell::Alles_geaendert() {
    emit dataChanged(index(0, 0), index(Tabellenzeilen - 1, Tabellenspalten - 1));
    emit headerDataChanged(Qt::Horizontal, 0, Tabellenspalten - 1);
    emit headerDataChanged(Qt::Vertical, 0, Tabellenzeilen - 1);
}

void TZellendelegat::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    if (opt.state & QStyle::State_HasFocus) opt.state |= QStyle::State_Selected;
    opt.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, opt, index);
    // The view draws one pixel of grid; the second pixel is the cell's own right and
    // bottom edge, so that the lines are two pixels wide as in the fixed cells.
    painter->save();
    painter->setPen(Gitterfarbe);
    const QRect r = option.rect;
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->restore();
}

QWidget* TZellendelegat::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* zeile = qobject_cast<QLineEdit*>(editor)) {
        auto* delegat = const_cast<TZellendelegat*>(this);
        connect(zeile, &QLineEdit::textEdited, delegat, [delegat, zeile] { emit delegat->commitData(zeile); });
    }
    return editor;
}
