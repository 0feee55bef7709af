// The Qt answerer behind Dialog(): message boxes, questions, input dialogs, the
// colour, font and file dialogs, the beep, and the Escape poll of long computations.
#pragma once
#include "platform/Dialoge.h"

#include <QObject>

class Qt_Dialoge : public QObject, public Dialoge {
    Q_OBJECT
public:
    Qt_Dialoge();
    ~Qt_Dialoge() override;
    void Meldung(const std::string& text) override;
    bool Frage(const std::string& text) override;
    std::optional<std::string> Eingabe(const std::string& titel, const std::string& prompt,
                                       const std::string& vorgabe) override;
    void Piep() override;
    bool Escape_gedrueckt() override;
    std::optional<uint32_t> Farbe_waehlen(uint32_t farbe) override;
    std::optional<Schrift> Schrift_waehlen(const Schrift& vorher) override;
    std::optional<std::string> Datei_waehlen(bool speichern, const std::string& titel,
                                             const std::string& vorschlag,
                                             const std::string& filter) override;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    bool escape_ = false;
    bool filter_installiert_ = false;
};
