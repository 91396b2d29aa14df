// prismora-check: checks a response file and shows what the game makes of typed phrases.
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "response_codes.h"
#include "response_check.h"

namespace {

const char kUsage[] =
    "usage: prismora-check RESPONSE_FILE              check the file\n"
    "       prismora-check RESPONSE_FILE PHRASE...    also show each phrase's code and meaning\n"
    "       prismora-check RESPONSE_FILE -            phrases from standard input, one a line\n"
    "       prismora-check RESPONSE_FILE --corpus FILE\n"
    "                                                 check that every \"PHRASE -> MEANING\" line\n"
    "                                                 reaches its meaning (or \"none\")\n";

// Exit statuses: 0 all well, 1 problems found, 2 the command itself was wrong.
constexpr int kClean = 0;
constexpr int kProblems = 1;
constexpr int kUsageError = 2;

bool ReportFileProblems(const std::string& path) {
  const std::vector<Finding> findings = CheckResponseFile(path);
  for (const Finding& finding : findings)
    std::cerr << FormatFinding(path, finding) << "\n";
  return !findings.empty();
}

// Every corpus line must parse and reach its meaning, and every meaning of the table of codes
// must have at least one phrase.
int RunCorpus(const std::string& responses, const std::string& corpusPath) {
  std::ifstream corpus(corpusPath);
  if (!corpus.is_open()) {
    std::cerr << corpusPath << ": cannot open the corpus\n";
    return kUsageError;
  }
  std::set<std::string> known{kNoMeaning};
  for (const CodeMeaning& entry : kCodeMeanings)
    known.insert(entry.meaning);

  std::set<std::string> reached;
  int total = 0;
  int failures = 0;
  int understood = 0;
  int meaningful = 0;
  int number = 0;
  std::string line;
  while (std::getline(corpus, line)) {
    ++number;
    if (line.empty() || line[0] == '#')
      continue;
    const std::string where = corpusPath + ":" + std::to_string(number) + ": ";
    CorpusEntry entry;
    if (!ParseCorpusLine(line, &entry) || known.count(entry.meaning) == 0) {
      std::cerr << where << "not a \"PHRASE -> MEANING\" line with a known meaning: " << line
                << "\n";
      ++failures;
      continue;
    }
    ++total;
    const PhraseResult result = ExplainPhrase(responses, entry.phrase);
    if (entry.meaning != kNoMeaning) {
      ++meaningful;
      reached.insert(entry.meaning);
    }
    if (ReachesMeaning(result, entry.meaning)) {
      if (entry.meaning != kNoMeaning)
        ++understood;
    } else {
      std::cerr << where << DescribePhrase("\"" + entry.phrase + "\"", result) << ", expected "
                << entry.meaning << "\n";
      ++failures;
    }
  }
  for (const CodeMeaning& entry : kCodeMeanings) {
    if (reached.count(entry.meaning) == 0) {
      std::cerr << corpusPath << ": no phrase for \"" << entry.meaning << "\"\n";
      ++failures;
    }
  }
  std::cout << understood << " of " << meaningful << " phrases with a meaning understood; "
            << (total - meaningful) << " phrases meant to reach no meaning; " << failures
            << " problems\n";
  return failures == 0 ? kClean : kProblems;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << kUsage;
    return kUsageError;
  }
  const std::string responses = argv[1];
  const std::vector<std::string> rest(argv + 2, argv + argc);
  const bool fileProblems = ReportFileProblems(responses);

  if (!rest.empty() && rest[0] == "--corpus") {
    if (rest.size() != 2) {
      std::cerr << kUsage;
      return kUsageError;
    }
    const int corpus = RunCorpus(responses, rest[1]);
    return fileProblems && corpus == kClean ? kProblems : corpus;
  }

  std::vector<std::string> phrases;
  if (rest.size() == 1 && rest[0] == "-") {
    std::string line;
    while (std::getline(std::cin, line))
      phrases.push_back(line);
  } else {
    phrases = rest;
  }
  for (const std::string& phrase : phrases)
    std::cout << DescribePhrase(phrase, ExplainPhrase(responses, phrase)) << "\n";
  return fileProblems ? kProblems : kClean;
}
