#ifndef PRISMORA_FUZZ_FUZZ_SUPPORT_H_
#define PRISMORA_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>

// NullBuffer: the game's output is not what a fuzzer looks at, and writing megabytes of story
// to a pipe would only slow it down.
#include "test_support.h"

// Copies the response file into a fresh temporary directory and makes that the working
// directory, where the matcher looks for PlayerResponse.txt. Returns the file's line count;
// ends the process if the copy cannot be made, since no input would mean anything then.
std::size_t EnterWorkDirWith(const char* responseFile);

#endif  // PRISMORA_FUZZ_FUZZ_SUPPORT_H_
