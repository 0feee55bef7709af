// A scripted answerer for tests: records every message, question, input prompt and
// beep and file dialog, and answers questions, inputs, colours, fonts and file
// dialogs from queues. An empty queue
// answers like the default (No / Cancel). Escape_gedrueckt pops from its own queue.
#pragma once
#include "platform/Dialoge.h"
#include <deque>
#include <vector>

class Skript_Dialoge : public Dialoge {
public:
    std::vector<std::string> meldungen, fragen, eingaben;   // texts shown, in order
    int piepser = 0;
    int escape_abfragen = 0;
    std::deque<bool> antworten;                              // for Frage
    std::deque<std::optional<std::string>> eingabe_antworten; // for Eingabe
    std::deque<bool> escape;                                 // for Escape_gedrueckt
    std::deque<std::optional<uint32_t>> farben;
    std::deque<std::optional<Schrift>> schriften;
    std::vector<std::string> datei_dialoge;                  // "speichern|titel|vorschlag|filter" or "oeffnen|…"
    std::deque<std::optional<std::string>> dateien;          // for Datei_waehlen

    void Meldung(const std::string& text) override { meldungen.push_back(text); }
    bool Frage(const std::string& text) override {
        fragen.push_back(text);
        return ziehen(antworten, false);
    }
    std::optional<std::string> Eingabe(const std::string& titel, const std::string& prompt,
                                       const std::string& vorgabe) override {
        eingaben.push_back(titel + "|" + prompt + "|" + vorgabe);
        return ziehen(eingabe_antworten, std::optional<std::string>{});
    }
    void Piep() override { ++piepser; }
    bool Escape_gedrueckt() override { ++escape_abfragen; return ziehen(escape, false); }
    std::optional<uint32_t> Farbe_waehlen(uint32_t) override {
        return ziehen(farben, std::optional<uint32_t>{});
    }
    std::optional<Schrift> Schrift_waehlen(const Schrift&) override {
        return ziehen(schriften, std::optional<Schrift>{});
    }
    std::optional<std::string> Datei_waehlen(bool speichern, const std::string& titel,
                                             const std::string& vorschlag,
                                             const std::string& filter) override {
        datei_dialoge.push_back(std::string(speichern ? "speichern" : "oeffnen") + "|" + titel +
                                "|" + vorschlag + "|" + filter);
        return ziehen(dateien, std::optional<std::string>{});
    }

    // Installs itself for the lifetime of the object.
    Skript_Dialoge() { Dialog_setzen(this); }
    ~Skript_Dialoge() override { Dialog_setzen(nullptr); }
    Skript_Dialoge(const Skript_Dialoge&) = delete;
    Skript_Dialoge& operator=(const Skript_Dialoge&) = delete;

private:
    template <class T> static T ziehen(std::deque<T>& q, T sonst) {
        if (q.empty()) return sonst;
        T v = q.front();
        q.pop_front();
        return v;
    }
};
