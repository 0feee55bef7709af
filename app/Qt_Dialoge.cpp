#include "app/Qt_Dialoge.h"

#include "graphics/Farben.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace {
QString Text_Qt(const std::string& s) {
    // "\r" is the program's line break in messages.
    return QString::fromUtf8(s.c_str()).replace("\r\n", "\n").replace('\r', '\n');
}
QWidget* Elternfenster() { return QApplication::activeWindow(); }
}

Qt_Dialoge::Qt_Dialoge() = default;

Qt_Dialoge::~Qt_Dialoge() {
    if (filter_installiert_ && qApp) qApp->removeEventFilter(this);
}

void Qt_Dialoge::Meldung(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), Text_Qt(text),
                    QMessageBox::Ok, Elternfenster());
    box.exec();
}

bool Qt_Dialoge::Frage(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), Text_Qt(text),
                    QMessageBox::Yes | QMessageBox::No, Elternfenster());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> Qt_Dialoge::Eingabe(const std::string& titel, const std::string& prompt,
                                               const std::string& vorgabe) {
    bool ok = false;
    QString s = QInputDialog::getText(Elternfenster(), Text_Qt(titel), Text_Qt(prompt),
                                      QLineEdit::Normal, Text_Qt(vorgabe), &ok);
    if (!ok) return std::nullopt;
    return s.toStdString();
}

void Qt_Dialoge::Piep() { QApplication::beep(); }

bool Qt_Dialoge::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
        escape_ = true;
    }
    return QObject::eventFilter(ziel, ereignis);
}

bool Qt_Dialoge::Escape_gedrueckt() {
    if (!qApp) return false;
    if (!filter_installiert_) {
        qApp->installEventFilter(this);
        filter_installiert_ = true;
    }
    // Let pending input through at most every few milliseconds: the poll sits in
    // tight loops and must not slow them down.
    static QElapsedTimer uhr;
    if (!uhr.isValid() || uhr.elapsed() >= 5) {
        QApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
        uhr.restart();
    }
    bool gedrueckt = escape_;
    escape_ = false;
    return gedrueckt;
}

std::optional<uint32_t> Qt_Dialoge::Farbe_waehlen(uint32_t farbe) {
    QColor c = QColorDialog::getColor(Farbe_Qt(farbe), Elternfenster());
    if (!c.isValid()) return std::nullopt;
    return Farbe_Wert(c);
}

std::optional<Dialoge::Schrift> Qt_Dialoge::Schrift_waehlen(const Schrift& vorher) {
    QFont f(QString::fromStdString(vorher.name), vorher.groesse);
    f.setBold(vorher.fett);
    f.setItalic(vorher.kursiv);
    f.setUnderline(vorher.unterstrichen);
    bool ok = false;
    QFont neu = QFontDialog::getFont(&ok, f, Elternfenster());
    if (!ok) return std::nullopt;
    Schrift s = vorher;
    s.name = neu.family().toStdString();
    s.groesse = neu.pointSize() > 0 ? neu.pointSize() : vorher.groesse;
    s.fett = neu.bold();
    s.kursiv = neu.italic();
    s.unterstrichen = neu.underline();
    return s;
}

std::optional<std::string> Qt_Dialoge::Datei_waehlen(bool speichern, const std::string& titel,
                                                    const std::string& vorschlag,
                                                    const std::string& filter) {
    QString t = Text_Qt(titel), v = Text_Qt(vorschlag), f = Text_Qt(filter);
    QString pfad = speichern ? QFileDialog::getSaveFileName(Elternfenster(), t, v, f)
                             : QFileDialog::getOpenFileName(Elternfenster(), t, v, f);
    if (pfad.isEmpty()) return std::nullopt;
    return pfad.toStdString();
}
