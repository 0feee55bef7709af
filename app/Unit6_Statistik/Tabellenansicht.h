// StringGrid1: the grid that shows the program's one table. It keeps the table's
// cell cursor and marked range in step with what the user does, follows the table
// routines' change reports, and adds the table's keys (Enter moves on pairwise,
// Delete empties the cell, Ctrl+V and Ctrl+C exchange cells with a spreadsheet).
#pragma once
#include "app/Unit6_Statistik/Tabellenmodell.h"

#include <QTableView>

class TTabellenansicht : public QTableView {
    Q_OBJECT
public:
    explicit TTabellenansicht(QWidget* parent = nullptr);
    ~TTabellenansicht() override;
    // Shows the table (no copy) and reports the user's cursor and range back into it.
    void Tabelle_verbinden(TTabelle& tabelle);
    TTabellenmodell* Modell() const { return modell_; }
    // The table cell under a viewport position; false outside the data cells.
    bool Zelle_bei(const QPoint& pos, int& spalte, int& zeile) const;
    using QTableView::edit;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    void Aussehen_einstellen();
    void Geometrie_anwenden();
    void Aenderung_zeigen(TTabellenaenderung a);
    void Markierung_zeigen();
    void Zellcursor_zeigen();
    void Enter_weiter();
    void Editor_schliessen();
    void Ecke_zeichnen(QWidget* ecke);
    void Zwischenablage_einfuegen();   // Tabellenansicht_Zwischenablage.cpp
    void Zwischenablage_kopieren();

    TTabelle* tabelle_ = nullptr;
    TTabellenmodell* modell_ = nullptr;
    bool uebernimmt_ = false;   // true while the view follows a table routine
    // The cell being typed and its text before, which Escape puts back (the editor
    // writes through at every keystroke).
    QPersistentModelIndex bearbeitet_;
    QString text_vorher_;
};
