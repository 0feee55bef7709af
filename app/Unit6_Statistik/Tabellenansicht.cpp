#include "app/Unit6_Statistik/Tabellenansicht.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
const QColor Festfarbe(255, 251, 240);
const QColor Textfarbe(0, 0, 128);
const QColor Gitterfarbe(200, 200, 200);

QFont Tabellenschrift() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    f.setBold(true);
    return f;
}
}  // namespace

TTabellenansicht::TTabellenansicht(QWidget* parent) : QTableView(parent) { Aussehen_einstellen(); }

TTabellenansicht::~TTabellenansicht() {
    if (tabelle_) tabelle_->Beobachter = nullptr;
}

void TTabellenansicht::Aussehen_einstellen() {
    setFont(Tabellenschrift());
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Textfarbe);
    setPalette(p);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setItemDelegate(new TZellendelegat(this));
    viewport()->setCursor(Qt::IBeamCursor);
    const QString kopf = QStringLiteral(
        "QHeaderView::section { background-color: rgb(255,251,240); color: rgb(0,0,128);"
        " border: none; border-right: 2px solid rgb(200,200,200);"
        " border-bottom: 2px solid rgb(200,200,200); padding: 0px 2px; }");
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setFont(Tabellenschrift());
        h->setStyleSheet(kopf);
        h->setSectionResizeMode(QHeaderView::Interactive);
        h->setMinimumSectionSize(4);
        h->setHighlightSections(false);
    }
    // Headers and row labels read from the left and are cut at the right edge, never
    // elided: the labels' trailing blanks are their right margin and may be cut off.
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        h->setTextElideMode(Qt::ElideNone);
    }
    if (auto* ecke = findChild<QAbstractButton*>()) ecke->installEventFilter(this);
}

void TTabellenansicht::Tabelle_verbinden(TTabelle& tabelle) {
    tabelle_ = &tabelle;
    modell_ = new TTabellenmodell(tabelle, this);
    setModel(modell_);
    // Row 0 and column 0 are shown by the headers, which stay in place when scrolling.
    setRowHidden(0, true);
    setColumnHidden(0, true);
    tabelle.Beobachter = [this](TTabellenaenderung a) { Aenderung_zeigen(a); };
    Geometrie_anwenden();
    Zellcursor_zeigen();
    Markierung_zeigen();
}

void TTabellenansicht::Geometrie_anwenden() {
    if (!tabelle_) return;
    horizontalHeader()->setDefaultSectionSize(tabelle_->Spaltenbreite);
    verticalHeader()->setDefaultSectionSize(tabelle_->Zeilenhoehe);
    for (int c = 1; c < Tabellenspalten; ++c) setColumnWidth(c, tabelle_->Spaltenbreite);
    verticalHeader()->setFixedWidth(tabelle_->Spaltenbreite_0);
    horizontalHeader()->setFixedHeight(tabelle_->Zeilenhoehe_0);
}

void TTabellenansicht::Aenderung_zeigen(TTabellenaenderung a) {
    switch (a) {
    case TTabellenaenderung::Inhalt:
        Editor_schliessen();
        if (modell_) modell_->Alles_geaendert();
        break;
    case TTabellenaenderung::Einrichtung: Geometrie_anwenden(); break;
    case TTabellenaenderung::Links_oben:
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
        break;
    case TTabellenaenderung::Markierung: Markierung_zeigen(); break;
    case TTabellenaenderung::Zellcursor: Zellcursor_zeigen(); break;
    }
}

void TTabellenansicht::Markierung_zeigen() {
    if (!tabelle_ || !modell_) return;
    uebernimmt_ = true;
    const TBereich& b = tabelle_->Markierung;
    if (b.echt())
        selectionModel()->select(QItemSelection(modell_->index(b.Oben, b.Links),
                                                modell_->index(b.Unten, b.Rechts)),
                                 QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clearSelection();
    uebernimmt_ = false;
}

void TTabellenansicht::Zellcursor_zeigen() {
    if (!tabelle_ || !modell_ || !TTabelle::gueltig(tabelle_->Spalte, tabelle_->Zeile)) return;
    uebernimmt_ = true;
    selectionModel()->setCurrentIndex(modell_->index(tabelle_->Zeile, tabelle_->Spalte),
                                      QItemSelectionModel::NoUpdate);
    uebernimmt_ = false;
}

bool TTabellenansicht::Zelle_bei(const QPoint& pos, int& spalte, int& zeile) const {
    const QModelIndex i = indexAt(pos);
    if (!i.isValid() || i.row() < 1 || i.column() < 1) return false;
    spalte = i.column();
    zeile = i.row();
    return true;
}

void TTabellenansicht::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (tabelle_ && current.isValid() && !uebernimmt_) {
        tabelle_->Spalte = current.column();
        tabelle_->Zeile = current.row();
    }
}

void TTabellenansicht::selectionChanged(const QItemSelection& selected,
                                        const QItemSelection& deselected) {
    QTableView::selectionChanged(selected, deselected);
    if (!tabelle_ || uebernimmt_) return;
    const QItemSelection alle = selectionModel()->selection();
    if (alle.isEmpty()) {
        tabelle_->Markierung = TBereich{};
        return;
    }
    int links = Tabellenspalten, oben = Tabellenzeilen, rechts = -1, unten = -1;
    for (const QItemSelectionRange& r : alle) {
        links = std::min(links, r.left());
        oben = std::min(oben, r.top());
        rechts = std::max(rechts, r.right());
        unten = std::max(unten, r.bottom());
    }
    // A click on a header selects its whole column or row, header cell included.
    tabelle_->Markierung = TBereich{std::max(links, 1), std::max(oben, 1), rechts, unten};
}

void TTabellenansicht::Enter_weiter() {
    if (!tabelle_ || !modell_) return;
    int spalte = 0, zeile = 0;
    Enter_Ziel(tabelle_->Spalte, tabelle_->Zeile, spalte, zeile);
    const QModelIndex ziel = modell_->index(zeile, spalte);
    selectionModel()->setCurrentIndex(ziel, QItemSelectionModel::ClearAndSelect);
    scrollTo(ziel);
}

void TTabellenansicht::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState && modell_) {
        // Before the grid's own Ctrl+C, which copies only the current cell, and before
        // Ctrl+V could open the editor with a control character.
        if (event->matches(QKeySequence::Paste)) {
            Zwischenablage_einfuegen();
            return;
        }
        if (event->matches(QKeySequence::Copy)) {
            Zwischenablage_kopieren();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            Enter_weiter();
            return;
        }
        // The keypad's Delete carries the keypad flag; it empties the cell as well.
        const auto tasten = event->modifiers() & ~Qt::KeypadModifier;
        if (event->key() == Qt::Key_Delete && tasten == Qt::NoModifier) {
            const QModelIndex i = currentIndex();
            if (i.isValid()) modell_->setData(i, QString(), Qt::EditRole);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool TTabellenansicht::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool schon_offen = state() == QAbstractItemView::EditingState;
    const QString vorher = index.data(Qt::EditRole).toString();
    if (!QTableView::edit(index, trigger, event)) return false;
    if (!schon_offen && state() == QAbstractItemView::EditingState) {
        bearbeitet_ = index;
        text_vorher_ = vorher;
    }
    return true;
}

void TTabellenansicht::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (hint == QAbstractItemDelegate::RevertModelCache && bearbeitet_.isValid() && modell_)
        modell_->setData(bearbeitet_, text_vorher_, Qt::EditRole);
    bearbeitet_ = QPersistentModelIndex();
    // The delegate closes its editor with SubmitModelCache exactly when Enter was pressed.
    const bool enter = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableView::closeEditor(editor, enter ? QAbstractItemDelegate::NoHint : hint);
    if (enter) Enter_weiter();
}

// A table routine rewrote the cells: the open editor's text is already in the table,
// and keeping the editor would write it back over the routine's result on Enter.
void TTabellenansicht::Editor_schliessen() {
    if (state() != QAbstractItemView::EditingState || !bearbeitet_.isValid()) return;
    QWidget* editor = indexWidget(bearbeitet_);
    bearbeitet_ = QPersistentModelIndex();
    if (editor) QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool TTabellenansicht::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Paint && ziel->isWidgetType() &&
        ziel == findChild<QAbstractButton*>()) {
        Ecke_zeichnen(static_cast<QWidget*>(ziel));
        return true;
    }
    return QTableView::eventFilter(ziel, ereignis);
}

// The corner cell (column 0, row 0) is Qt's corner button; it gets the header look
// and the corner's text.
void TTabellenansicht::Ecke_zeichnen(QWidget* ecke) {
    QPainter p(ecke);
    const QRect r = ecke->rect();
    p.fillRect(r, Festfarbe);
    p.fillRect(QRect(r.right() - 1, 0, 2, r.height()), Gitterfarbe);
    p.fillRect(QRect(0, r.bottom() - 1, r.width(), 2), Gitterfarbe);
    p.setPen(Textfarbe);
    p.setFont(Tabellenschrift());
    const QString text = tabelle_ ? QString::fromStdString(tabelle_->Zelle(0, 0)) : QString();
    p.drawText(r.adjusted(2, 0, -2, -2), Qt::AlignLeft | Qt::AlignVCenter, text);
}
