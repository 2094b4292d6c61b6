#pragma once
// frmLiegestellen: the detail view of a berth: name, info text and pictures.

#include "details/frmDetails.h"

class frmLiegestellen : public frmDetails {
    Q_OBJECT
public:
    explicit frmLiegestellen(QWidget* parent = nullptr);
};
