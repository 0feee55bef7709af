#include "graphics/UBildausgabe.h"
#include "graphics/UGrafik.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextItem>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Punkte_pro_Meter_Ausgabe = 4000;   // 40 pixels per cm

// The drawing routines open and close a painter of their own for every part of the
// picture; a vector device (SVG, PDF, printer) accepts only one painter for the whole
// document. This engine passes everything each of those painters draws on to the one
// painter held open on the real device, with the picture-to-page mapping prepended.
class Weiterleitung : public QPaintEngine {
public:
    Weiterleitung(QPainter& ziel, QTransform basis, int ziel_dpi, int bild_dpi)
        : QPaintEngine(QPaintEngine::AllFeatures), ziel_(ziel), basis_(basis),
          ziel_dpi_(ziel_dpi), bild_dpi_(bild_dpi) {}

    // Each painter starts from its defaults: a fresh state on the target, mapped to the page.
    bool begin(QPaintDevice*) override {
        ziel_.save();
        ziel_.setTransform(basis_);
        ziel_.setPen(QPen());
        ziel_.setBrush(Qt::NoBrush);
        ziel_.setBackgroundMode(Qt::TransparentMode);
        ziel_.setClipping(false);
        ziel_.setFont(Zielschrift(QFont()));
        return true;
    }
    bool end() override { ziel_.restore(); return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& s) override {
        const DirtyFlags d = s.state();
        if (d & DirtyPen) ziel_.setPen(s.pen());
        if (d & DirtyBrush) ziel_.setBrush(s.brush());
        if (d & DirtyBrushOrigin) ziel_.setBrushOrigin(s.brushOrigin());
        if (d & DirtyBackground) ziel_.setBackground(s.backgroundBrush());
        if (d & DirtyBackgroundMode) ziel_.setBackgroundMode(s.backgroundMode());
        if (d & DirtyFont) ziel_.setFont(Zielschrift(s.font()));
        if (d & DirtyTransform) ziel_.setTransform(s.transform() * basis_);
        if (d & DirtyOpacity) ziel_.setOpacity(s.opacity());
        if (d & DirtyCompositionMode) ziel_.setCompositionMode(s.compositionMode());
        if (d & DirtyHints) ziel_.setRenderHints(s.renderHints());
        if (d & DirtyClipEnabled) ziel_.setClipping(s.isClipEnabled());
        if (d & DirtyClipRegion) ziel_.setClipRegion(s.clipRegion(), s.clipOperation());
        if (d & DirtyClipPath) ziel_.setClipPath(s.clipPath(), s.clipOperation());
    }

    void drawLines(const QLineF* linien, int n) override { ziel_.drawLines(linien, n); }
    void drawRects(const QRectF* rechtecke, int n) override { ziel_.drawRects(rechtecke, n); }
    void drawEllipse(const QRectF& r) override { ziel_.drawEllipse(r); }
    void drawPoints(const QPointF* punkte, int n) override { ziel_.drawPoints(punkte, n); }
    void drawPath(const QPainterPath& pfad) override { ziel_.drawPath(pfad); }
    void drawPolygon(const QPointF* ecken, int n, PolygonDrawMode modus) override {
        if (modus == PolylineMode)
            ziel_.drawPolyline(ecken, n);
        else
            ziel_.drawPolygon(ecken, n, modus == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
        ziel_.drawPixmap(r, pm, sr);
    }
    void drawImage(const QRectF& r, const QImage& bild, const QRectF& sr,
                   Qt::ImageConversionFlags) override {
        ziel_.drawImage(r, bild, sr);
    }
    void drawTextItem(const QPointF& p, const QTextItem& text) override {
        ziel_.save();
        ziel_.setFont(Zielschrift(text.font()));
        ziel_.drawText(p, text.text());
        ziel_.restore();
    }

private:
    // The target sizes fonts by its own resolution and then maps through the picture's
    // scale; a point size rescaled by the two resolutions keeps the picture's pixel size.
    QFont Zielschrift(QFont f) const {
        if (f.pixelSize() <= 0 && ziel_dpi_ > 0)
            f.setPointSizeF(f.pointSizeF() * bild_dpi_ / ziel_dpi_);
        return f;
    }

    QPainter& ziel_;
    QTransform basis_;
    int ziel_dpi_, bild_dpi_;
};

// A paint device of the picture's size and resolution whose painters all end up on
// one painter of the real device.
class Bildgeraet : public QPaintDevice {
public:
    Bildgeraet(QPainter& ziel, QSize pixel, QTransform basis)
        : referenz_(Bild_erzeugen(1, 1)), pixel_(pixel),
          engine_(ziel, basis, ziel.device()->logicalDpiY(), referenz_.logicalDpiY()) {}
    ~Bildgeraet() override = default;
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return pixel_.width();
        case PdmHeight: return pixel_.height();
        case PdmWidthMM: return qRound(pixel_.width() * 1000.0 / referenz_.dotsPerMeterX());
        case PdmHeightMM: return qRound(pixel_.height() * 1000.0 / referenz_.dotsPerMeterY());
        case PdmDpiX: case PdmPhysicalDpiX: return referenz_.logicalDpiX();
        case PdmDpiY: case PdmPhysicalDpiY: return referenz_.logicalDpiY();
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return referenz_.depth() > 0 && m == PdmDepth ? referenz_.depth()
                                                              : (m == PdmNumColors ? 256 : 0);
        }
    }

private:
    QImage referenz_;
    QSize pixel_;
    mutable Weiterleitung engine_;
};

void Bild_malen(QPainter& ziel, QSize pixel, const QTransform& basis, const Bildzeichner& zeichnen) {
    Bildgeraet geraet(ziel, pixel, basis);
    zeichnen(geraet);
}

}  // namespace

QByteArray Bild_als_SVG(const Bildmass& mass, const Bildzeichner& zeichnen) {
    // 2540 units per inch: the width attribute in mm is the unit count / 100, exact.
    const QSize einheiten(int(std::lround(mass.breite_cm * 1000)), int(std::lround(mass.tiefe_cm * 1000)));
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setResolution(2540);
    svg.setSize(einheiten);
    svg.setViewBox(QRect(QPoint(0, 0), einheiten));
    svg.setTitle(QStringLiteral("Tessara"));
    QPainter maler(&svg);
    const QTransform basis = QTransform::fromScale(double(einheiten.width()) / mass.pixel.width(),
                                                   double(einheiten.height()) / mass.pixel.height());
    Bild_malen(maler, mass.pixel, basis, zeichnen);
    maler.end();
    return puffer.data();
}

bool Bild_auf_Seite(QPaintDevice& seite, const Bildmass& mass, const Bildzeichner& zeichnen) {
    QPainter maler;
    if (!maler.begin(&seite)) return false;
    const double b = mass.breite_cm / 2.54 * seite.logicalDpiX();   // device units
    const double t = mass.tiefe_cm / 2.54 * seite.logicalDpiY();
    QTransform basis = QTransform::fromScale(b / mass.pixel.width(), t / mass.pixel.height());
    basis *= QTransform::fromTranslate((seite.width() - b) / 2, (seite.height() - t) / 2);
    Bild_malen(maler, mass.pixel, basis, zeichnen);
    return maler.end();
}

QByteArray Bild_als_PDF(const Bildmass& mass, bool auf_A4, const Bildzeichner& zeichnen) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setCreator(QStringLiteral("Tessara"));
        const QPageSize seite = auf_A4 ? QPageSize(QPageSize::A4)
                                       : QPageSize(QSizeF(mass.breite_cm * 10, mass.tiefe_cm * 10),
                                                   QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        pdf.setPageLayout(QPageLayout(seite, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        if (!Bild_auf_Seite(pdf, mass, zeichnen)) return {};
    }
    return puffer.data();
}

namespace {
// Each logical pixel takes the first device pixel of its block: strokes and fills of
// one logical pixel both cover it (Qt centres a stroke on the block's corner, a fill
// starts there), so lines keep their colour and width, as at ratio 1.
QImage Logisch_abtasten(const QImage& bild) {
    const QImage quelle = bild.convertToFormat(QImage::Format_RGB32);
    const double r = bild.devicePixelRatio();
    const QSize g = bild.deviceIndependentSize().toSize();
    QImage ziel(g, QImage::Format_RGB32);
    for (int y = 0; y < g.height(); ++y) {
        const auto* q = reinterpret_cast<const QRgb*>(quelle.constScanLine(std::min(int(y * r), quelle.height() - 1)));
        auto* zeile = reinterpret_cast<QRgb*>(ziel.scanLine(y));
        for (int x = 0; x < g.width(); ++x) zeile[x] = q[std::min(int(x * r), quelle.width() - 1)];
    }
    return ziel;
}
}  // namespace

QImage Bild_mit_Aufloesung(const QImage& bild) {
    // A picture held at a higher pixel ratio is brought to its logical size, so that
    // the copy has 40 pixels per cm like the picture at ratio 1.
    QImage kopie = bild.devicePixelRatio() == 1 ? bild.copy() : Logisch_abtasten(bild);
    kopie.setDevicePixelRatio(1);
    kopie.setDotsPerMeterX(Punkte_pro_Meter_Ausgabe);
    kopie.setDotsPerMeterY(Punkte_pro_Meter_Ausgabe);
    return kopie;
}
