#include "platform/Dialoge.h"

namespace {
Stille_Dialoge stille;
Dialoge* aktuell = &stille;
}

Dialoge& Dialog() { return *aktuell; }

void Dialog_setzen(Dialoge* d) { aktuell = d ? d : &stille; }
