// The one door to the user: message boxes, questions, input dialogs, colour,
// font and file dialogs, the beep and the Escape poll. Routines below the windows talk to
// the user only through Dialog(), so a test can install a scripted answerer.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

class Dialoge {
public:
    virtual ~Dialoge() = default;
    virtual void Meldung(const std::string& text) = 0;   // message box, OK only; "\r" is a line break
    virtual bool Frage(const std::string& text) = 0;     // Yes/No question box; true = Yes
    virtual std::optional<std::string> Eingabe(const std::string& titel,
        const std::string& prompt, const std::string& vorgabe) = 0;   // nullopt = Cancel
    virtual void Piep() = 0;
    virtual bool Escape_gedrueckt() = 0;
    virtual std::optional<uint32_t> Farbe_waehlen(uint32_t farbe) = 0;   // colour dialog, 0x00BBGGRR; nullopt = Cancel
    struct Schrift { std::string name; int groesse = 10; bool fett = false, kursiv = false,
                     unterstrichen = false; uint32_t farbe = 0; };
    virtual std::optional<Schrift> Schrift_waehlen(const Schrift& vorher) = 0;  // font dialog; nullopt = Cancel
    // file dialog (speichern: save, else open): a path, or nullopt = Cancel;
    // filter like "Bilder (*.png *.svg *.pdf)"
    virtual std::optional<std::string> Datei_waehlen(bool speichern, const std::string& titel,
        const std::string& vorschlag, const std::string& filter) {
        (void)speichern; (void)titel; (void)vorschlag; (void)filter; return std::nullopt; }
};

Dialoge& Dialog();                 // the current answerer
void Dialog_setzen(Dialoge* d);    // install another; nullptr restores the default

// The default answerer: shows nothing, answers OK / No / Cancel, Escape never down.
class Stille_Dialoge : public Dialoge {
public:
    void Meldung(const std::string&) override {}
    bool Frage(const std::string&) override { return false; }
    std::optional<std::string> Eingabe(const std::string&, const std::string&,
                                       const std::string&) override { return std::nullopt; }
    void Piep() override {}
    bool Escape_gedrueckt() override { return false; }
    std::optional<uint32_t> Farbe_waehlen(uint32_t) override { return std::nullopt; }
    std::optional<Schrift> Schrift_waehlen(const Schrift&) override { return std::nullopt; }
};
