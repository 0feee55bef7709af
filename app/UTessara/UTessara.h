// Window TForm1: "Tessara V5.01", the plotter. Image1 shows the picture; to its
// right the terms of f, g, h with their drawing intervals, the curve boxes with
// their sample images, family range, tool limits, world window, axes and grid,
// marks, number display and the window openers. Handlers read the fields, refuse
// bad input with the program's message, and leave the work to graphics/ and numeric/.
#pragma once
#include "app/UTessara/UTessara_Zustand.h"
#include "graphics/UBildausgabe.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"

#include <QPoint>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

namespace Ui { class TForm1; }
class QCheckBox;
class QLineEdit;
class QMouseEvent;
class Scharregler;
class TBild;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TBild* Image1() const;
    // Every default of the program, in the order the reset relies on; ends with a Plot.
    void Standard_Werte_einstellen();
    // At least 1080 x 680 logical pixels; otherwise Meldung_Bildschirm_klein and false.
    static bool Bildschirm_pruefen(QSize groesse);
    inline static constexpr const char* Meldung_Bildschirm_klein =
        "Bildschirm zu klein: das Fenster braucht 1080 × 680 Bildpunkte und wird darum mit Rollbalken gezeigt.";
    // For a screen of this logical size: a smaller one than 1080 x 680 gets the message,
    // and the window's fixed layout moves into a scroll area that fits the screen
    // (UTessara_Bildschirm.cpp). False then.
    bool Bildschirm_anpassen(QSize schirm);
    // Reads a constant term from the field; on failure the focus goes back to it.
    bool Zahl_aus_Edit(QLineEdit* feld, Extended& wert);
    // The point colour as the colour panel would set it (for windows that draw with it).
    void Punktfarbe_setzen(uint32_t farbe);
    // The family slider's t becomes t1 and is drawn alone, at once.
    void Scharparameter_setzen(Extended t);
    // Every command of this window calls this first: it pauses the slider's animation.
    void Befehl_beginnt();

    // For the tool windows drawing into Image1 (UTessara_Zugriff.cpp).
    bool Achsen_automatisch() const;   // "Auto": captions follow what is drawn
    void Achsen_beschriften(const std::string& x, const std::string& y);
    bool Bild_loeschen_an() const;     // "lösch"
    // The family range from the texts of t1, t2, Δt and "t von"; also stored into Schar.
    Scharbereich Scharbereich_lesen();
    // A curve's sample line in another window, turning an arrow style into a plain one.
    void Kurvenprobe_zeichnen(TBild* probe);

    // For the statistics window (kurve: 0 f, 1 g, 2 h). The interval is taken over
    // by the fields' leave handlers; the tool t is the value of "t von".
    void Term_setzen(int kurve, const std::string& term);
    std::string Term_lesen(int kurve) const;
    bool Kurve_angehakt(int kurve) const;
    void Zeichenintervall_setzen(int kurve, const std::string& von, const std::string& bis);
    void x_Bereich_Texte(std::string& xa, std::string& xe) const;
    void DatenPkte_verbinden_aus();
    bool Werkzeug_t_lesen(Extended& t);   // false (focus back to the field) when "t von" is no number
    void y_Bereich_wie_x();   // equal tick distances, so that a circle is round
    void x_Achse_aus();

    // What other windows read and set here (UTessara_Dienste.cpp): the insertion text,
    // the term of f and the parameter t1, and the view set-ups of the statistics
    // window's test data, each through the handlers of the controls it changes.
    std::string Text_in_Grafik() const;
    void Text_in_Grafik_setzen(const std::string& text);
    std::string Term_f() const;
    bool Parameter_t1(Extended& t) const;   // Edit_Schar_t1 as a constant term
    enum class Ursprungslage { Mitte, links_unten, Quadrant_1_und_4 };
    void Ursprung_setzen(Ursprungslage lage);   // world window moved, fields, Plot
    void x_Achse_stauchen();                    // one zoom-out step of the x axis, Plot
    void Achsen_zeigen(bool x_achse, bool y_achse);
    void Linienart_setzen(int eintrag);
    void Punkte_verbinden(bool an);
    void y_Bereich_setzen(Extended yu, Extended yo, Extended yscl);

    // The picture outside the window, at Bildbreite_cm x Bildtiefe_cm.
    // The bitmap (4000 dots per metre) and an image/svg+xml version on the clipboard;
    // the caller says so to the user.
    void Grafik_in_Zwischenablage();
    // Writes PNG, SVG or PDF by the name's ending; a failure is reported and leaves no file.
    bool Grafik_als_Datei(const std::string& pfad);
    // The current picture drawn anew on any device of the image's logical size.
    void Grafik_zeichnen(QPaintDevice& geraet);
    Bildmass Grafik_Mass() const;
    // What the Plot command would draw now, read from the fields and the frozen styles.
    Plotauftrag Plotauftrag_lesen() const;

public slots:
    // Term fields
    void Edit_fScharExit();
    void Edit_gScharExit();
    void Edit_hScharExit();
    // World window and scales
    void Edit_xaChange();
    void Edit_xeChange();
    void Edit_xaExit();
    void Edit_xeExit();
    void Edit_yaExit();
    void Edit_yeExit();
    void Edit_xsclExit();
    void Edit_ysclExit();
    // Drawing intervals, tool limits, family range
    void Edit_xaScharExit();
    void Edit_xeScharExit();
    void Edit_xaSchar_gExit();
    void Edit_xeSchar_gExit();
    void Edit_xaSchar_hExit();
    void Edit_xeSchar_hExit();
    void Edit_aStartExit();
    void Edit_bEndeExit();
    void Edit_delta_xExit();
    void Edit_Schar_t1Exit();
    void Edit_Schar_t2Exit();
    void Edit_delta_tExit();
    void Edit_uExit();
    // Captions and the insertion text
    void Edit_xBeschriftChange();
    void Edit_yBeschriftChange();
    void Edit_Text_in_GrafikChange();

    // Axes, grid and number display switches
    void CheckBox_xAchseClick();
    void CheckBox_yAchseClick();
    void CheckBox_SkalierungClick();
    void CheckBox_Zahlen_an_AchsenClick();
    void CheckBox_Achsen_dickClick();
    void CheckBox_GrobrasterClick();
    void CheckBox_FixkommaClick();
    void CheckBox_BruchdarstellungClick();
    void CheckBox_DatenPkte_verbindenClick();
    // Curve boxes: each freezes its curve's colour and line style when ticked
    void CheckBox_Schar_f_zeichnenClick();
    void CheckBox_Schar_g_zeichnenClick();
    void CheckBox_Schar_h_zeichnenClick();
    void CheckBox_Schar_fs_zeichnenClick();
    void CheckBox_Schar_fs2_zeichnenClick();
    void CheckBox_Schar_fs3_zeichnenClick();
    void CheckBox_f_invers_zeichnenClick();
    void CheckBox_IntegralfunktionClick();
    void CheckBox_Schar_kr_zeichnenClick();
    void CheckBox_x_gleich_aClick();
    void CheckBox_x_gleich_bClick();

    // Display combo boxes
    void ComboBox_ZahlenhoeheChange();
    void ComboBox_NachkommastellenChange();
    void ComboBox_GesamtstellenChange();
    void ComboBox_PunktRadiusChange();
    void ComboBox_IntegrationsmethodeChange();
    void ComboBox_LinienartChange();
    void ComboBox_PunkteartChange();
    void ComboBox_FlaechenfuellungChange();
    // Colour panels
    void Panel_Farbe_PunkteClick();
    void Panel_Farbe_RasterClick();
    void Panel_Linienfarbe_definierenClick();
    void Panel_Fuellfarbe_definierenClick();

    // Grid buttons, Plot, font
    void SpeedButton_ohne_RasterClick();
    void SpeedButton_Raster_gestricheltClick();
    void SpeedButton_Raster_mittelClick();
    void SpeedButton_Raster_engClick();
    void SpeedButton_Raster_1mmClick();
    void SpeedButton_PlotClick();
    void SpeedButton_FontAuswahlClick();
    // Analysis tools for f, g, h
    void SpeedButton_Schnitt_f_gClick();
    void SpeedButton_ExtrempunkteClick();
    void SpeedButton_WendepunkteClick();
    void SpeedButton_Integral_f_gClick();
    void SpeedButton_Flaeche_schraffierenClick();
    void SpeedButton_U_O_Tr_SummeClick();
    void SpeedButton_RotationsintegralClick();
    void SpeedButton_BogenlaengeClick();
    void SpeedButton_SekanteClick();
    void SpeedButton_TangenteClick();
    void SpeedButton_NormaleClick();
    void SpeedButton_KruemmungskreisClick();
    void SpeedButton_GrenzwerttabelleClick();
    void SpeedButton_Schar_in_TabelleClick();
    // Window openers
    void SpeedButton_HilfeClick();
    void SpeedButton_FolgenClick();
    void SpeedButton_2D_AbbildungenClick();
    void SpeedButton_BaumdiagrammeClick();
    void SpeedButton_StatistikClick();
    void Scharregler_oeffnen();
    // The picture as a file (save dialog) and on paper (print preview); Ctrl+S, Ctrl+P
    // and Shift + right button on the picture.
    void Grafik_speichern();
    void Grafik_drucken();

    // --- The analysis buttons' hints (UTessara_Hinweise.cpp): they follow f, g, h,
    // the sequences window's curve box and the value table's F column. The mode
    // boxes "T" and "Z" (UTessara_Schalter.cpp) exclude each other.
    void Werkzeughinweise_setzen();
    void CheckBox_TextmodusClick();
    void CheckBox_ZoomModusClick();

    // --- view and mouse (UTessara_Ansicht.cpp, UTessara_Maus.cpp) ---------------------
public:
    // The image for a coordinate system of that many centimetres, centred in the
    // full-size square (the picture is discarded); the limits and scales are read
    // back from their fields, one tick per centimetre.
    void KOS_Groesse_setzen(int breite_cm, int tiefe_cm);
    // The mouse on Image1 in its three modes (text "T", zoom "Z", normal).
    enum class Mausmodus { Text, Zoom, Normal };
    Mausmodus Mausmodus_lesen() const;
    void Image1MouseDown(QMouseEvent* maus);
    void Image1MouseMove(QMouseEvent* maus);
    void Image1MouseUp(QMouseEvent* maus);
    // Right button on "Info", "Matrix+Statistik" or "Extras": the whole client area.
    void Clientbereich_kopieren();
public slots:
    void SpeedButton_Zoom_inClick();
    void SpeedButton_Zoom_outClick();
    void SpeedButton_Zoom_in_xClick();
    void SpeedButton_Zoom_out_xClick();
    void SpeedButton_Zoom_in_yClick();
    void SpeedButton_Zoom_out_yClick();
    void SpeedButton_Links_schiebenClick();
    void SpeedButton_rechts_schiebenClick();
    void SpeedButton_hoch_schiebenClick();
    void SpeedButton_runter_schiebenClick();
    void SpeedButton_Ursprung_MitteClick();
    void SpeedButton_Ursprung_links_untenClick();
    void SpeedButton_1und2QuadrantClick();
    void SpeedButton_1und4QuadrantClick();
    void SpeedButton_Bildbreite_groesserClick();
    void SpeedButton_Bildbreite_kleinerClick();
    void SpeedButton_Bildtiefe_groesserClick();
    void SpeedButton_Bildtiefe_kleinerClick();
    void SpeedButton_StandardwerteClick();
private:
    void Ansicht_einrichten();
    void Maus_einrichten();
    void Mausmodus_zeigen();
    void Grenzen_zeigen(bool skalen);
    void Zoomen(Zoomachse achse, bool hinein);
    void Schieben(int richtung_x, int richtung_y);
    void Ursprung_legen(bool x_am_rand, bool y_am_rand);
    void Groesse_aendern(bool breite, int schritt);
    void Zoomrahmen_zeichnen();
    void Zoomrahmen_beenden();
    void Einfuegetext_schreiben(QPoint p);
    QPoint maus_alt_;                     // the previous mouse position of a drag
    QPoint rahmen_anfang_, rahmen_ende_;  // corners of the zoom rectangle
    bool rahmen_an_ = false;              // a zoom rectangle is shown (inverted) in the picture
    bool ziehen_an_ = false;              // the left button started a drag
    // ---------------------------------------------------------------------------------

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QLineEdit* Termfeld(int kurve) const;
    void Verbindungen_herstellen();
    void Regler_anbinden();
    void Ausgabe_einrichten();
    void Felder_einrichten();
    void Grafiken_einrichten();
    void Bildschirm_einrichten();
    bool Taste_filtern(QLineEdit* feld, QKeyEvent* taste);
    void Feld_verlassen(QLineEdit* feld);
    void Fokus_zurueck(QLineEdit* feld);
    void Term_verlassen(QLineEdit* feld);
    void Skala_zuruecksetzen(bool x_achse);
    void Skala_pruefen(bool x_achse);
    void Raster_waehlen(bool an, int teilung, bool gepunktet);
    void Kurvenbox_geklickt(QCheckBox* box, TBild* probe, Kurvenstil& stil);
    void Image_neu_zeichnen(TBild* probe, bool verbindung);
    void Panel_faerben(QWidget* panel, uint32_t farbe);
    void Texteinfuegung_zeigen();
    void Tabellenbreite_anpassen();
    void Gruppe_Text_und_Marken();
    void Gruppe_Raster_und_Zahlen();
    void Gruppe_Feldtexte();
    void Gruppe_Haken_und_Listen();
    void Gruppe_Felder_lesen();

    // Analysis tools: the first ticked of f, g, h ("Bitte erst Haken ..." and nullopt
    // when none is), f-(g) when f and g are both ticked, the tool parameter t.
    std::optional<std::string> Term_waehlen();
    std::string Differenzterm_waehlen();
    Extended Werkzeug_t();
    void Werkzeuge_verbinden();
    void Hinweise_anbinden();
    void Punkte_suchen_lassen(bool wendepunkte);
    // The equation's curve prefix ("f", "g" or "h") of a chosen term.
    char Kurvenname(const std::string& term) const;
    // The picture again with the curves on top of what a tool drew ("lösch" off meanwhile).
    void Kurven_darueber_zeichnen();
    void Tangente_zeigen(const std::string& gerade, Extended x0, Extended y0, Extended m);

    std::unique_ptr<Ui::TForm1> ui;
    bool im_verlassen_ = false;      // an Exit handler is running (its focus moves start no other)
    bool beenden_ohne_frage_ = false;
    Scharregler* regler_ = nullptr;  // made on first use, a child of this window
};
