#pragma once
#include <ostream>
#include <streambuf>
#include <string>

// A stream buffer that passes JSON text on to out, with '<', '>', '&' and the
// line separators U+2028 and U+2029 written as \u escapes: the text can then
// stand inside a <script> element without ending it ("</script>") or opening
// a comment ("<!--"). JSON has these characters only inside strings, where
// the escape means the same character, so the text parses to the same value.
class ScriptSafeBuffer : public std::streambuf {
 public:
  explicit ScriptSafeBuffer(std::ostream& out);
  ~ScriptSafeBuffer() override;
  ScriptSafeBuffer(const ScriptSafeBuffer&) = delete;
  ScriptSafeBuffer& operator=(const ScriptSafeBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  // Writes the buffered bytes on; a possible start of a line separator at the
  // end is kept for the next round unless final.
  void Drain(bool final);

  std::ostream& out_;
  std::string buffer_;
  std::string escaped_;
};
