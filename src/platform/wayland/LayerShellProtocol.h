#pragma once

// The generated layer-shell code names a request's argument "namespace",
// which C++ reserves.
#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
