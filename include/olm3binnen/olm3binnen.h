#pragma once
// Everything a host needs: the component, its events, the host services and the database layer.
#include "olm3binnen/ado.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "olm3binnen/events.h"
#include "olm3binnen/hostservices.h"
#include "olm3binnen/types.h"
