// The picture outside the window: on SVG, on a PDF page, on the printer's page and on
// the clipboard, at its true size (Bildbreite_cm x Bildtiefe_cm). The picture is drawn
// anew by the same routines that draw it into the window's image, so lines stay lines
// and texts stay texts; one picture pixel is 1/40 cm on every device.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QPaintDevice>
#include <QSize>
#include <functional>

// Draws the whole picture onto a device whose logical size is the picture's pixel size.
using Bildzeichner = std::function<void(QPaintDevice&)>;

// The picture's true size on paper.
struct Bildmass {
    QSize pixel;              // size of the window's image
    double breite_cm = 16;    // Bildbreite_cm
    double tiefe_cm = 16;     // Bildtiefe_cm
};

// An SVG document whose width and height attributes are the true size in mm.
QByteArray Bild_als_SVG(const Bildmass& mass, const Bildzeichner& zeichnen);

// Paints the picture at its true size centred on the page of a paint device that
// reports its physical resolution (PDF writer, printer). False if painting could not
// begin on the device.
bool Bild_auf_Seite(QPaintDevice& seite, const Bildmass& mass, const Bildzeichner& zeichnen);

// A PDF document: a page of exactly the picture's size, or A4 with the picture centred.
QByteArray Bild_als_PDF(const Bildmass& mass, bool auf_A4, const Bildzeichner& zeichnen);

// The bitmap as shown, with 40 dots per cm stored in it (brought to its logical size
// when it is held at a higher device pixel ratio).
QImage Bild_mit_Aufloesung(const QImage& bild);
