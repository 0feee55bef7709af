// The item model over the program's one table: Qt's view of `Tabelle` without a copy.
// Model row r and column c are table row r and column c; row 0 and column 0 are the
// header cells, which the view shows in its headers.
#pragma once
#include "table/UStringGrid.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

class TTabellenmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TTabellenmodell(TTabelle& tabelle, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Every cell and header may have changed (a table routine ran).
    void Alles_geaendert();
    TTabelle& Tabelle_() { return tabelle_; }

private:
    TTabelle& tabelle_;
};

// Draws a cell with the table's wide grid lines and the cell cursor shown as selected.
// Its editor writes every keystroke into the table: the buttons take no focus, so a
// button pressed while a cell is being typed must already see the typed text.
class TZellendelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};
