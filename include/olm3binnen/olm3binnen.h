#pragma once
// Everything a host needs: the component, its events, the host services, the database layer and the path
// search.
#include "olm3binnen/ado.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "olm3binnen/events.h"
#include "olm3binnen/hostservices.h"
#include "olm3binnen/pathoptimiser.h"
#include "olm3binnen/types.h"
