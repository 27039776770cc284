#pragma once

// Runs one GGRAPH command from its first to its last step.
void RunGGraphProcedure();
