#include "table/UStringGrid.h"

TTabelle Tabelle;
