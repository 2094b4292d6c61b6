#include "details/frmLiegestellen.h"

namespace {
const frmDetails::Art kArt{"frmLiegestellen", "Liegestellen", "LiegestellenID", 805, 760, 560, false};
}

frmLiegestellen::frmLiegestellen(QWidget* parent) : frmDetails(kArt, parent) {}
