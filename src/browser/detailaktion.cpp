// Until the detail windows exist, the browser's detail actions open nothing.

#include "browser/detailaktion.h"

namespace olm3browser {

bool OeffneDetails(QWidget* parent, clsOLM3Binnen* owner, const QString& strTypID, std::int32_t lngPunkteID) {
    (void)parent;
    (void)owner;
    (void)strTypID;
    (void)lngPunkteID;
    return false;
}

bool OeffneSchleusenBZ(QWidget* parent, std::int32_t lngSchleusenID, const QDateTime& datDatum) {
    (void)parent;
    (void)lngSchleusenID;
    (void)datDatum;
    return false;
}

} // namespace olm3browser
