#include "details/frmWehre.h"

namespace {
const frmDetails::Art kArt{"frmWehre", "Wehre", "WehreID", 807, 760, 560, false};
}

frmWehre::frmWehre(QWidget* parent) : frmDetails(kArt, parent) {}
