#pragma once

#include <string>

// A folder of scratch files for one run of a fuzz target: created on first
// use under $TMPDIR (or /tmp), removed with everything in it when the run
// ends normally. fuzz/run.sh points TMPDIR at a folder of its own that it
// removes after each target, so a run that ends in a crash, a timeout or a
// kill leaves nothing behind either.
const std::string& FuzzScratchFolder();
