#pragma once
// Why a text could not be encoded, and where.
#include <cstddef>
#include <exception>

namespace screnc {

class EncodeError : public std::exception {
 public:
  enum class Problem {
    UnclosedSection,  // "<%" without "%>"
    UnclosedScript,   // <SCRIPT> without </SCRIPT>
    UnclosedCdata,    // "<![CDATA[" without "]]>" in a script element
    BlockMismatch,    // a written block does not decode to its text: a fault of ours
  };
  EncodeError(Problem problem, std::size_t line) : problem_(problem), line_(line) {}
  Problem problem() const { return problem_; }
  std::size_t line() const { return line_; }  // from 1

 private:
  Problem problem_;
  std::size_t line_;
};

}  // namespace screnc
