// The statistics window's table meets a spreadsheet: Ctrl+V and Ctrl+C in the grid,
// Ctrl+S and Ctrl+O with the file dialog, and a bad file that changes nothing.
#include "app/Fenster.h"
#include "app/Unit6_Statistik/Tabellenansicht.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "platform/Dialoge_Skript.h"
#include "table/UStringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Form6DateiTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialoge = std::make_unique<Skript_Dialoge>();
        QWidget* f6 = Form6;
        f6->show();
        QApplication::setActiveWindow(f6);
        ASSERT_TRUE(QTest::qWaitForWindowActive(f6));
        grid = f6->findChild<TTabellenansicht*>("StringGrid1");
        ASSERT_NE(grid, nullptr);
        ASSERT_TRUE(verzeichnis.isValid());
    }
    void TearDown() override {
        dialoge.reset();
        Fenster_freigeben();
    }
    void Zellcursor(int spalte, int zeile) {
        grid->setCurrentIndex(grid->model()->index(zeile, spalte));
        grid->setFocus();
    }
    void Strg(QWidget* ziel, Qt::Key taste) { QTest::keyClick(ziel, taste, Qt::ControlModifier); }
    QString Text(int spalte, int zeile) { return grid->model()->index(zeile, spalte).data().toString(); }
    std::vector<std::string> Alle_Zellen() {
        std::vector<std::string> v;
        for (int r = 0; r <= Letzte_Zeile; ++r)
            for (int c = 0; c <= Letzte_Spalte; ++c) v.push_back(Tabelle.Zelle(c, r));
        return v;
    }
    std::string Pfad(const char* name) { return verzeichnis.filePath(name).toStdString(); }

    std::unique_ptr<Skript_Dialoge> dialoge;
    TTabellenansicht* grid = nullptr;
    QTemporaryDir verzeichnis;
};

TEST_F(Form6DateiTest, StrgVFuegtEinBlockAusDerTabellenkalkulationEinUndStrgCKopiert) {
    Tabelle.Zelle(4, 20) = "links";
    Tabelle.Zelle(5, 23) = "unten";
    Tabelle.Melden(TTabellenaenderung::Inhalt);
    QGuiApplication::clipboard()->setText("1.5\t2\r\n3\tText\r\n-7/2\t4,25\r\n");
    Zellcursor(5, 20);
    Strg(grid, Qt::Key_V);
    const std::pair<QPoint, const char*> zellen[] = {
        {{5, 20}, "1,5"}, {{6, 20}, "2"}, {{5, 21}, "3"}, {{6, 21}, "Text"}, {{5, 22}, "-7/2"},
        {{6, 22}, "4,25"}, {{4, 20}, "links"}, {{5, 23}, "unten"}, {{7, 20}, ""}};
    for (const auto& [p, text] : zellen) EXPECT_EQ(Text(p.x(), p.y()), text) << p.x() << ";" << p.y();
    EXPECT_EQ(grid->indexWidget(grid->currentIndex()), nullptr) << "Ctrl+V opens no editor";
    EXPECT_EQ(Tabelle.Markierung, (TBereich{5, 20, 6, 22}));
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 6);

    // The pasted block, still marked, goes back out for a spreadsheet.
    Strg(grid, Qt::Key_C);
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_EQ(daten->text(), "1,5\t2\r\n3\tText\r\n-7/2\t4,25\r\n");
    EXPECT_TRUE(daten->html().contains("<tr><td>1,5</td><td>2</td></tr>")) << daten->html().toStdString();

    // A block that would run past column 43 is refused and changes nothing.
    const auto vorher = Alle_Zellen();
    Zellcursor(43, 5);
    Strg(grid, Qt::Key_V);
    EXPECT_EQ(dialoge->meldungen, std::vector<std::string>{"Tabellengrenzen überschritten !"});
    EXPECT_EQ(Alle_Zellen(), vorher);
}

TEST_F(Form6DateiTest, SpeichernUndOeffnenBringenDieTabelleZurueck) {
    const std::tuple<int, int, const char*> zellen[] = {
        {1, 0, "Länge in m"}, {1, 1, "1,5"}, {2, 1, "3/4"}, {3, 1, "a;b"},
        {1, 2, "sag \"ja\""}, {2, 2, "Größe"}, {12, 40, "-3,731E-5"}};
    for (const auto& [c, r, text] : zellen) Tabelle.Zelle(c, r) = text;
    Tabelle.Melden(TTabellenaenderung::Inhalt);
    const auto gespeichert = Alle_Zellen();

    dialoge->dateien.push_back(Pfad("messung"));   // without a suffix: ".csv" is added
    Zellcursor(1, 1);
    Strg(grid, Qt::Key_S);
    ASSERT_EQ(dialoge->datei_dialoge.size(), 1u);
    EXPECT_TRUE(dialoge->datei_dialoge[0].starts_with("speichern|Tabelle speichern|"));
    QFile datei(QString::fromStdString(Pfad("messung.csv")));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.readAll().startsWith("\xEF\xBB\xBFL\xC3\xA4nge in m;  y (Sp2);"));

    QTest::mouseClick(Form6->findChild<QToolButton*>("SpeedButton_Tabelle_loeschen"), Qt::LeftButton);
    EXPECT_EQ(Text(1, 1), "");
    dialoge->dateien.push_back(Pfad("messung.csv"));
    Strg(grid, Qt::Key_O);
    EXPECT_TRUE(dialoge->datei_dialoge.back().starts_with("oeffnen|Tabelle öffnen|"));
    EXPECT_TRUE(dialoge->meldungen.empty());
    EXPECT_EQ(Alle_Zellen(), gespeichert);
    EXPECT_EQ(Text(2, 2), "Größe");

    // Cancel in the dialog and a file that cannot be read leave the table as it is.
    Strg(grid, Qt::Key_O);
    QFile binaer(QString::fromStdString(Pfad("bild.csv")));
    ASSERT_TRUE(binaer.open(QIODevice::WriteOnly));
    binaer.write("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    binaer.close();
    dialoge->dateien.push_back(Pfad("bild.csv"));
    QTest::mouseClick(Form6->findChild<QToolButton*>("SpeedButton_Tabelle_oeffnen"), Qt::LeftButton);
    EXPECT_EQ(dialoge->meldungen, std::vector<std::string>{"Die Datei „bild.csv“ ist keine Textdatei."});
    EXPECT_EQ(Alle_Zellen(), gespeichert);

    // A save that cannot be written says so and leaves no file behind.
    dialoge->dateien.push_back(Pfad("fehlt/tabelle.csv"));
    QTest::mouseClick(Form6->findChild<QToolButton*>("SpeedButton_Tabelle_speichern"), Qt::LeftButton);
    EXPECT_EQ(dialoge->meldungen.back(), "Die Datei „tabelle.csv“ kann nicht geschrieben werden.");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Pfad("fehlt/tabelle.csv"))));
}

}  // namespace
