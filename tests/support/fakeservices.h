#pragma once
// A stand-in for the host's picture service that loads pictures from their files.

#include "olm3binnen/hostservices.h"

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace olm3test {

/// Loads pictures from files, as the host does, and remembers what it was asked for.
class DateiLader : public IOLM3TGF {
public:
    QStringList pfade;
    QPixmap LoadPicture(const QString& strPfad) override {
        pfade << strPfad;
        return QPixmap(strPfad);
    }
};

} // namespace olm3test
