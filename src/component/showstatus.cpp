// The status window as the facade drives it.

#include "component/clsOLM3BinnenState.h"
#include "olm3binnen/clsOLM3Binnen.h"

void clsOLM3Binnen::ShowStatus(bool blnShow, const QString& strText, std::int32_t lngValue, std::int32_t lngMaxValue,
                               std::int32_t lngValue2, std::int32_t lngMaxValue2, const QString& strText2) {
    (void)blnShow;
    (void)strText;
    (void)lngValue;
    (void)lngMaxValue;
    (void)lngValue2;
    (void)lngMaxValue2;
    (void)strText2;
}
