#ifndef PRISMORA_FUZZ_FUZZ_SUPPORT_H_
#define PRISMORA_FUZZ_FUZZ_SUPPORT_H_

#include <streambuf>

// Swallows everything written to it: the game's output is not what a fuzzer looks at, and
// writing megabytes of story to a pipe would only slow it down.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Copies the response file into a fresh temporary directory and makes that the working
// directory, where the matcher looks for PlayerResponse.txt. Ends the process if the copy cannot
// be made, since no input would mean anything then.
void EnterWorkDirWith(const char* responseFile);

#endif  // PRISMORA_FUZZ_FUZZ_SUPPORT_H_
