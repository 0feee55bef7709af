// The main picture leaving the window: files read back for their true size, the
// clipboard read back, and a file that cannot be written.
#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge_Skript.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Form1GrafikTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialoge = std::make_unique<Skript_Dialoge>();
        ASSERT_TRUE(ordner.isValid());
    }
    void TearDown() override {
        KOS.Bildbreite_cm = 16, KOS.Bildtiefe_cm = 16;
        dialoge.reset();
        Fenster_freigeben();
    }
    // A smaller coordinate system is a smaller image, 40 pixels per cm plus the closing one.
    void Groesse_setzen(int cm) {
        KOS.Bildbreite_cm = cm, KOS.Bildtiefe_cm = cm;
        Form1->Image1()->Neu_anlegen(40 * cm + 1, 40 * cm + 1);
        ASSERT_TRUE(QMetaObject::invokeMethod(Form1, "SpeedButton_PlotClick"));
    }
    QString Speichern(const QString& name) {
        const QString pfad = ordner.filePath(name);
        dialoge->dateien.push_back(pfad.toStdString());
        EXPECT_TRUE(QMetaObject::invokeMethod(Form1, "Grafik_speichern"));
        return pfad;
    }
    static QByteArray Lesen(const QString& pfad) {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // width and height attributes of the SVG root, in mm.
    static QSizeF SVG_mm(const QByteArray& svg) {
        const QRegularExpression re(R"(<svg[^>]*\swidth="([\d.]+)mm"\s+height="([\d.]+)mm")");
        const auto m = re.match(QString::fromUtf8(svg));
        return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
    }
    static QSizeF MediaBox(const QByteArray& pdf) {
        const QRegularExpression re(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
        const auto m = re.match(QString::fromLatin1(pdf));
        return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
    }
    QTemporaryDir ordner;
    std::unique_ptr<Skript_Dialoge> dialoge;
};

TEST_F(Form1GrafikTest, FilesCarryTheTrueSizeOfTheDefaultAndASmallerPicture) {
    struct Fall { int cm; int pixel; };
    for (const Fall f : {Fall{16, 641}, Fall{15, 601}}) {
        SCOPED_TRACE(f.cm);
        if (f.cm != 16) Groesse_setzen(f.cm);
        const double mm = f.cm * 10.0, punkte = mm / 25.4 * 72;

        const QImage png(Speichern(QString("bild%1.png").arg(f.cm)));
        ASSERT_FALSE(png.isNull());
        EXPECT_EQ(png.size(), QSize(f.pixel, f.pixel));
        EXPECT_EQ(png.dotsPerMeterX(), 4000);
        EXPECT_EQ(png.dotsPerMeterY(), 4000);
        EXPECT_EQ(png.pixel(320 * f.cm / 16, 100), Form1->Image1()->Bild().pixel(320 * f.cm / 16, 100));

        const QByteArray svg = Lesen(Speichern(QString("bild%1.svg").arg(f.cm)));
        EXPECT_EQ(SVG_mm(svg), QSizeF(mm, mm));
        EXPECT_TRUE(svg.contains("<text")) << "the axis labels stay texts";
        // Rendered back at the window's size, the y axis runs down the same column.
        QImage zurueck(f.pixel, f.pixel, QImage::Format_RGB32);
        zurueck.fill(Qt::white);
        {
            QPainter maler(&zurueck);
            QSvgRenderer(svg).render(&maler);
        }
        const int achse = f.pixel / 2;
        int dunkel = 0;
        for (int y = 0; y < f.pixel; ++y)
            dunkel += qGray(zurueck.pixel(achse, y)) < 128 || qGray(zurueck.pixel(achse - 1, y)) < 128 ? 1 : 0;
        EXPECT_GT(dunkel, f.pixel * 9 / 10);

        dialoge->antworten = {false, true};   // own page, then A4
        const QSizeF seite = MediaBox(Lesen(Speichern(QString("bild%1.pdf").arg(f.cm))));
        EXPECT_NEAR(seite.width(), punkte, 0.5);
        EXPECT_NEAR(seite.height(), punkte, 0.5);
        const QSizeF a4 = MediaBox(Lesen(Speichern(QString("a4_%1.pdf").arg(f.cm))));
        EXPECT_NEAR(a4.width(), 595.3, 0.5);
        EXPECT_NEAR(a4.height(), 841.9, 0.5);
        EXPECT_EQ(dialoge->fragen.size(), 2u);
        dialoge->fragen.clear();
    }
    EXPECT_TRUE(dialoge->meldungen.empty());
}

TEST_F(Form1GrafikTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    struct Fall { QString pfad; const char* in_meldung; };
    const Fall faelle[] = {
        {ordner.filePath("fehlt/bild.png"), "konnte nicht geschrieben werden"},
        {ordner.filePath("fehlt/bild.svg"), "konnte nicht geschrieben werden"},
        {ordner.filePath("bild.bmp"), ".png, .svg oder .pdf"},
    };
    for (const Fall& f : faelle) {
        dialoge->meldungen.clear();
        dialoge->dateien.push_back(f.pfad.toStdString());
        ASSERT_TRUE(QMetaObject::invokeMethod(Form1, "Grafik_speichern"));
        ASSERT_EQ(dialoge->meldungen.size(), 1u) << f.pfad.toStdString();
        EXPECT_NE(dialoge->meldungen[0].find(f.pfad.toStdString()), std::string::npos);
        EXPECT_NE(dialoge->meldungen[0].find(f.in_meldung), std::string::npos) << dialoge->meldungen[0];
        EXPECT_FALSE(QFile::exists(f.pfad));
    }
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    // Cancel in the dialog: nothing asked, nothing written.
    dialoge->meldungen.clear();
    ASSERT_TRUE(QMetaObject::invokeMethod(Form1, "Grafik_speichern"));
    EXPECT_TRUE(dialoge->meldungen.empty());
}

TEST_F(Form1GrafikTest, TheClipboardHoldsTheBitmapAtFortyDotsPerCmAndTheSvg) {
    for (int cm : {16, 15}) {
        SCOPED_TRACE(cm);
        if (cm != 16) Groesse_setzen(cm);
        Form1->Grafik_in_Zwischenablage();
        const QMimeData* daten = QApplication::clipboard()->mimeData();
        ASSERT_NE(daten, nullptr);
        const QImage bild = qvariant_cast<QImage>(daten->imageData());
        ASSERT_FALSE(bild.isNull());
        EXPECT_EQ(bild.size(), Form1->Image1()->Bild().size());
        EXPECT_NEAR(bild.width() * 1000.0 / bild.dotsPerMeterX(), cm * 10.0, 0.3);   // mm
        EXPECT_EQ(SVG_mm(daten->data("image/svg+xml")), QSizeF(cm * 10.0, cm * 10.0));
    }
}

}  // namespace
