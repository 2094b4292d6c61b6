#include "olm3binnen/clsOLM3Binnen.h"

extern "C" {
clsOLM3Binnen* OLM3Binnen_Create() { return new clsOLM3Binnen(); }
void OLM3Binnen_Destroy(clsOLM3Binnen* p) { delete p; }
}
