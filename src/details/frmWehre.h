#pragma once
// frmWehre: the detail view of a weir: name, info text and pictures.

#include "details/frmDetails.h"

class frmWehre : public frmDetails {
    Q_OBJECT
public:
    explicit frmWehre(QWidget* parent = nullptr);
};
