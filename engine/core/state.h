// The engine's state: every named data block of one run, as members of one object that the main
// program allocates once and hands by reference to every routine.  Each group of blocks is declared
// in the header of the routines that write it; a local value that a routine keeps between calls is a
// named field of its group, never a static.
#pragma once

#include "engine/core/input_blocks.h"
#include "engine/core/response_blocks.h"
#include "engine/core/section_blocks.h"
#include "engine/core/timeloop_blocks.h"
#include "engine/solar_airflow/airflow_blocks.h"
#include "engine/solar_airflow/solar_blocks.h"

namespace engine {

struct EngineState : InputBlocks, SectionBlocks, ResponseBlocks, TimeLoopBlocks, SolarBlocks, AirflowBlocks {};

} // namespace engine
