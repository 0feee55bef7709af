// The statistics window's table as the user sees and drives it: the grid's size,
// headers and look, typing and keys, the table buttons and the right-button range.
#include "tests/app/Form6_Fenster.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/U_KOS.h"
#include "app/Unit6_Statistik/Tabellenansicht.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "platform/Dialoge_Skript.h"
#include "table/UStringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Form6Test : public Form6_Fenster {
protected:
    void SetUp() override {
        Form6_Fenster::SetUp();
        modell = grid->model();
    }
    QToolButton* Knopf(const char* name) { return Form6_()->findChild<QToolButton*>(name); }
    void Zellcursor(int spalte, int zeile) {
        grid->setCurrentIndex(modell->index(zeile, spalte));
        grid->setFocus();
    }
    // Key by key with the typed text, so that umlauts arrive as a keyboard sends them.
    static void Tippen(QWidget* ziel, const QString& text) {
        for (QChar ch : text) {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(ziel, &druck);
        }
    }
    QString Text(int spalte, int zeile) { return modell->index(zeile, spalte).data().toString(); }
    QPoint Mitte(int spalte, int zeile) { return grid->visualRect(modell->index(zeile, spalte)).center(); }
    void Maus(QEvent::Type typ, Qt::MouseButton knopf, Qt::MouseButtons gehalten, QPoint p) {
        QMouseEvent e(typ, p, grid->viewport()->mapToGlobal(p), knopf, gehalten, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &e);
    }

    QAbstractItemModel* modell = nullptr;
};

TEST_F(Form6Test, GridHatGroesseKoepfeUndAussehenDerTabelle) {
    EXPECT_EQ(Form6_()->windowTitle(), "Statistik Interpolation Matrizenrechnung");
    EXPECT_EQ(grid->geometry(), QRect(6, 62, 800, 435));
    EXPECT_EQ(modell->rowCount(), 1501);
    EXPECT_EQ(modell->columnCount(), 44);
    const std::pair<int, const char*> spaltenkoepfe[] = {
        {0, "Ze Nr"}, {1, "  x (Sp1)"}, {2, "  y (Sp2)"}, {3, "Matrix A"}, {4, "  Sp4   "}, {43, "  Sp43   "}};
    for (const auto& [c, text] : spaltenkoepfe) {
        EXPECT_EQ(modell->headerData(c, Qt::Horizontal).toString(), text);
        EXPECT_EQ(Text(c, 0), text);
    }
    for (int r : {1, 2, 1500}) {
        const QString label = QString::number(r) + "  ";
        EXPECT_EQ(modell->headerData(r, Qt::Vertical).toString(), label);
        EXPECT_EQ(Text(0, r), label);
    }
    EXPECT_EQ(grid->rowHeight(1), 16);
    EXPECT_EQ(grid->columnWidth(1), 80);
    EXPECT_EQ(grid->columnWidth(43), 80);
    EXPECT_EQ(grid->verticalHeader()->width(), 35);
    EXPECT_EQ(grid->horizontalHeader()->height(), 17);
    EXPECT_TRUE(grid->isRowHidden(0));
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->font().family(), "Arial");
    EXPECT_TRUE(grid->font().bold());
    EXPECT_EQ(grid->palette().color(QPalette::Text), QColor(0, 0, 128));
    const auto ausrichtung = modell->index(1, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    EXPECT_TRUE(ausrichtung & Qt::AlignRight);
    EXPECT_FALSE(modell->flags(modell->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(modell->flags(modell->index(1, 1)) & Qt::ItemIsEditable);
}

// Row labels carry two or three trailing blanks; in the narrow column 0 the blanks
// may be cut off, the digits never.
TEST_F(Form6Test, ZeilennummernBleibenMitDreiBlanksLesbar) {
    grid->scrollTo(modell->index(1500, 1));
    QHeaderView* kopf = grid->verticalHeader();
    auto beschriftung = [&](const char* text) {
        Tabelle.Zelle(0, 1500) = text;
        Tabelle.Melden(TTabellenaenderung::Inhalt);
        QCoreApplication::processEvents();
        const QRect r(0, kopf->sectionViewportPosition(1500), kopf->width(), kopf->sectionSize(1500));
        return kopf->viewport()->grab(r).toImage();
    };
    const QImage ziffern = beschriftung("1500");
    EXPECT_EQ(beschriftung("1500   "), ziffern);
    EXPECT_EQ(beschriftung("1500  "), ziffern);
    EXPECT_NE(beschriftung("1509"), ziffern);
}

TEST_F(Form6Test, KnoepfeTragenIhreHinweise) {
    const std::pair<const char*, const char*> knoepfe[] = {
        {"SpeedButton_Tabelle_loeschen", "Alle Inhalte der Tabelle löschen"},
        {"SpeedButton_Spalte_loeschen", "Alle Inhalte der Spalte löschen"},
        {"SpeedButton_Zeile_loeschen", "Alle Inhalte der Zeile löschen"},
        {"SpeedButton_Schiebe_Spalte", "Spalte entfernen und nachfolgende Spalten nach links schieben"},
        {"SpeedButton_Schiebe_Zeile", "Zeile entfernen und nachfolgende Zeilen nach oben schieben"},
        {"SpeedButton_Zelle_1_1", "Zeige Ecke links oben"},
        {"SpeedButton_Zellen_kopieren", "markierten Tabellenbereich kopieren"},
        {"SpeedButton_TabellenBereich_zu_Textdatei", "markierten Tabellenbereich in die Zwischenablage"},
        {"SpeedButton_Bruchdarstellung", "Alle Zahlen als Bruch darstellen"},
        {"SpeedButton_Dezimalbruch", "Alle Zahlen als Dezimalbruch darstellen"},
        {"SpeedButton_Punkte_einzeichnen", "Punkte aus 2 gewählten Spalten einzeichnen"},
        {"SpeedButton_Tabelle_oeffnen", "Tabelle öffnen …"},
        {"SpeedButton_Tabelle_speichern", "Tabelle speichern …"},
    };
    for (const auto& [name, hinweis] : knoepfe) {
        QToolButton* k = Knopf(name);
        ASSERT_NE(k, nullptr) << name;
        EXPECT_EQ(k->toolTip(), QString::fromUtf8(hinweis));
        // the button's area lies inside the window, above the grid
        EXPECT_LE(k->mapTo(Form6_(), QPoint(0, k->height())).y(), 62) << name;
    }
    auto* combo = Form6_()->findChild<QComboBox*>("ComboBox_Punkte_ab_Spalte");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->toolTip(), "Punktespalten");
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(3), "Sp 7,8");
}

TEST_F(Form6Test, TippenSchreibtInDieTabelleUndEnterGehtPaarweiseWeiter) {
    struct Eingabe { int c, r; const char* text; int c_danach, r_danach; };
    const Eingabe eingaben[] = {{1, 1, "2,5", 2, 1}, {2, 1, "-7/2", 1, 2}, {4, 3, "Größe", 5, 3}};
    for (const auto& e : eingaben) {
        Zellcursor(e.c, e.r);
        grid->edit(modell->index(e.r, e.c));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        Tippen(editor, QString::fromUtf8(e.text));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Tabelle.Zelle(e.c, e.r), e.text);
        EXPECT_EQ(Text(e.c, e.r), QString::fromUtf8(e.text));
        EXPECT_EQ(grid->currentIndex(), modell->index(e.r_danach, e.c_danach)) << e.text;
        EXPECT_EQ(Tabelle.Spalte, e.c_danach);
        EXPECT_EQ(Tabelle.Zeile, e.r_danach);
    }
    // Through the model, as other windows' tests read it
    EXPECT_TRUE(modell->setData(modell->index(7, 9), "1/3"));
    EXPECT_EQ(Tabelle.Zelle(9, 7), "1/3");
    EXPECT_FALSE(modell->setData(modell->index(0, 9), "Kopf"));
    EXPECT_EQ(Tabelle.Zelle(9, 0), "  Sp9   ");
}

// Buttons take no focus, so a button pressed while a cell is being typed must see
// the typed text; Escape still gives the old text back.
TEST_F(Form6Test, GetippterTextGiltSofortUndEscapeNimmtIhnZurueck) {
    Tabelle.Zelle(2, 1) = "alt";
    const std::pair<int, const char*> faelle[] = {{1, "0,75"}, {2, "neu"}};
    for (const auto& [c, text] : faelle) {
        Zellcursor(c, 1);
        grid->edit(modell->index(1, c));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        Tippen(editor, QString::fromUtf8(text));
        EXPECT_EQ(Tabelle.Zelle(c, 1), text);
        if (c == 1) Klicken("SpeedButton_Bruchdarstellung");
        else QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(grid->viewport()->findChild<QLineEdit*>(), nullptr) << text;
    }
    EXPECT_EQ(Tabelle.Zelle(1, 1), "3/4");
    EXPECT_EQ(Text(1, 1), "3/4");
    EXPECT_EQ(Tabelle.Zelle(2, 1), "alt");
}

TEST_F(Form6Test, EnterOhneEditorUndEntfLeertDieZelle) {
    Tabelle.Zelle(43, 4) = "9";
    Zellcursor(43, 4);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(Tabelle.Zelle(43, 4), "");
    Tabelle.Zelle(43, 4) = "8";
    QTest::keyClick(grid, Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(Tabelle.Zelle(43, 4), "");
    QTest::keyClick(grid, Qt::Key_Enter);
    EXPECT_EQ(grid->currentIndex(), modell->index(5, 1));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(grid->currentIndex(), modell->index(5, 2));
}

TEST_F(Form6Test, TabellenknoepfeWirkenAufZellcursorUndTabelle) {
    struct Fall { const char* knopf; int c, r; int pc, pr; const char* erwartet; };
    const Fall faelle[] = {
        {"SpeedButton_Spalte_loeschen", 3, 5, 3, 1, ""},
        {"SpeedButton_Spalte_loeschen", 3, 5, 3, 0, "Matrix A"},
        {"SpeedButton_Zeile_loeschen", 3, 5, 4, 5, ""},
        {"SpeedButton_Zeile_loeschen", 3, 5, 0, 5, "5   "},
        {"SpeedButton_Schiebe_Spalte", 1, 1, 1, 0, "  y (Sp2)"},
        {"SpeedButton_Schiebe_Zeile", 1, 1, 1, 1, "b"},
        {"SpeedButton_Tabelle_loeschen", 1, 1, 2, 2, ""},
        {"SpeedButton_Bruchdarstellung", 1, 1, 2, 1, "3/4"},
        {"SpeedButton_Dezimalbruch", 1, 1, 4, 1, "0,75"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.knopf);
        Tabelle_leeren(Tabelle);
        Tabelle.Zelle(1, 1) = "a";
        Tabelle.Zelle(1, 2) = "b";
        Tabelle.Zelle(2, 2) = "x";
        Tabelle.Zelle(2, 1) = "0,75";
        Tabelle.Zelle(4, 1) = "3/4";
        Tabelle.Zelle(3, 1) = "m";
        Tabelle.Zelle(4, 5) = "z";
        Zellcursor(f.c, f.r);
        Klicken(f.knopf);
        EXPECT_EQ(Tabelle.Zelle(f.pc, f.pr), f.erwartet);
        EXPECT_EQ(Text(f.pc, f.pr), QString::fromUtf8(f.erwartet));
    }
}

TEST_F(Form6Test, EckeLinksObenRolltZuZeile1Spalte1) {
    grid->scrollTo(modell->index(1400, 40));
    ASSERT_GT(grid->verticalScrollBar()->value(), 0);
    ASSERT_GT(grid->horizontalScrollBar()->value(), 0);
    Klicken("SpeedButton_Zelle_1_1");
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(grid->rowAt(1), 1);
    EXPECT_EQ(grid->columnAt(1), 1);
}

TEST_F(Form6Test, MarkierterBereichWirdKopiertUndInDieZwischenablageGelegt) {
    Tabelle.Zelle(1, 1) = "1";
    Tabelle.Zelle(2, 1) = "2";
    Tabelle.Zelle(1, 2) = "3";
    Tabelle.Zelle(2, 2) = "4";
    Klicken("SpeedButton_Zellen_kopieren");
    ASSERT_EQ(dialoge->meldungen.size(), 1u);
    EXPECT_EQ(dialoge->meldungen[0], "Erst Bereich markieren !");

    grid->selectionModel()->select(QItemSelection(modell->index(1, 1), modell->index(2, 2)),
                                   QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(Tabelle.Markierung, (TBereich{1, 1, 2, 2}));
    dialoge->eingabe_antworten.push_back(std::string("2;1"));
    dialoge->eingabe_antworten.push_back(std::string("3;1"));
    Klicken("SpeedButton_Zellen_kopieren");
    Klicken("SpeedButton_Zellen_kopieren");
    ASSERT_EQ(dialoge->meldungen.size(), 2u);
    EXPECT_EQ(dialoge->meldungen[1], "Bereich kann nicht in sich selbst kopiert werden");
    EXPECT_EQ(Text(4, 2), "4");

    Klicken("SpeedButton_TabellenBereich_zu_Textdatei");
    const QString b19(19, ' ');
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1" + b19 + "2" + b19 + "\r\n3" + b19 + "4" + b19 + "\r\n");
}

TEST_F(Form6Test, PunkteWerdenAusDerGewaehltenSpaltePaarGelesen) {
    Klicken("SpeedButton_Punkte_einzeichnen");
    ASSERT_EQ(dialoge->meldungen.size(), 1u);
    EXPECT_EQ(dialoge->meldungen[0], "Punkte nicht definiert!");

    Tabelle.Zelle(5, 1) = "1";
    Tabelle.Zelle(6, 1) = "2";
    Tabelle.Zelle(5, 2) = "3";
    Tabelle.Zelle(6, 2) = "4";
    Form6_()->findChild<QComboBox*>("ComboBox_Punkte_ab_Spalte")->setCurrentIndex(2);
    EXPECT_EQ(Arbeitslisten.Punktespalte, 5);
    Klicken("SpeedButton_Punkte_einzeichnen");
    EXPECT_EQ(dialoge->meldungen.size(), 1u);
    EXPECT_EQ(Arbeitslisten.Punktanzahl, 2);
    EXPECT_EQ(Arbeitslisten.Punkte[1].y, 4);
    // ... and drawn into the main picture in the point colour
    const QImage& bild = Form1->Image1()->Bild();
    auto rot_bei = [&](Extended x, Extended y) {
        int sx = x_zu_Pixel(bild.width(), x), sy = y_zu_Pixel(bild.height(), y);
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                if (bild.pixelColor(sx + dx, sy + dy) == QColor(255, 0, 0)) return true;
        return false;
    };
    EXPECT_TRUE(rot_bei(1, 2));
    EXPECT_TRUE(rot_bei(3, 4));
    EXPECT_FALSE(rot_bei(-3, -4));
}

TEST_F(Form6Test, RechteMaustasteZiehtEinenBereichAufInJedeRichtung) {
    grid->selectionModel()->clearSelection();
    Maus(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, Mitte(4, 6));
    EXPECT_NE(grid->viewport()->cursor().shape(), Qt::IBeamCursor);
    Maus(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, Mitte(2, 3));
    EXPECT_EQ(Tabelle.Markierung, (TBereich{2, 3, 4, 6}));
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 12);
    // A move with the left button held as well is not a right-button drag.
    Maus(QEvent::MouseMove, Qt::NoButton, Qt::RightButton | Qt::LeftButton, Mitte(8, 8));
    EXPECT_EQ(Tabelle.Markierung, (TBereich{2, 3, 4, 6}));
    Maus(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, Mitte(2, 3));
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::IBeamCursor);
    // A quick second right click elsewhere is a new anchor, not the grid's own click.
    const QModelIndex zellcursor = grid->currentIndex();
    Maus(QEvent::MouseButtonDblClick, Qt::RightButton, Qt::RightButton, Mitte(8, 8));
    Maus(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, Mitte(8, 8));
    EXPECT_EQ(Tabelle.Markierung, (TBereich{2, 3, 4, 6}));
    EXPECT_EQ(grid->currentIndex(), zellcursor);

    Markierung_aufheben(Tabelle);
    EXPECT_TRUE(grid->selectionModel()->selectedIndexes().isEmpty());
}

}  // namespace

namespace {

TEST_F(Form6Test, ShiftPfeileUndKopfklickSetzenDieMarkierung) {
    grid->selectionModel()->setCurrentIndex(modell->index(2, 3), QItemSelectionModel::ClearAndSelect);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Tabelle.Markierung, (TBereich{3, 2, 4, 3}));
    EXPECT_EQ(Tabelle.Spalte, 4);
    EXPECT_EQ(Tabelle.Zeile, 3);
    // A whole column chosen at its header is the column's data cells, never the header.
    QHeaderView* kopf = grid->horizontalHeader();
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(kopf->sectionViewportPosition(5) + 5, 5));
    EXPECT_EQ(Tabelle.Markierung, (TBereich{5, 1, 5, 1500}));
    Tabelle.Zelle(5, 1) = "k";
    std::string text;
    ASSERT_TRUE(Bereich_als_Text(Tabelle, Tabelle.Markierung, text));
    EXPECT_EQ(text.substr(0, 3), "k  ");
    EXPECT_EQ(text.size(), size_t(1500 * 22));
}

}  // namespace
