// The engine's entry function and its run sequence.
#pragma once
#include <cstdint>

// One complete analysis run in the current directory; returns the status code.
extern "C" __attribute__((visibility("default"))) int32_t OGO(int32_t hostVersion);
