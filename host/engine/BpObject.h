#pragma once
#include <memory>
#include <string>
#include <vector>

class VEXA_Variable;

// How the output shows a number.
enum class BpFormat { kGeneral, kCount, kGeneralStat };

// A piece of output content: a text, a number, a variable or a composite.
class BpObject {
 public:
  virtual ~BpObject() = default;
  // The text the output shows.
  virtual std::string Render() const = 0;
  // Numbers are kept as numbers in the output document.
  virtual bool IsNumber() const { return false; }
  virtual double Number() const { return 0; }
  virtual std::unique_ptr<BpObject> Clone() const = 0;
};

// A text. With translate set, the output looks the text up in the engine's
// string tables first.
class BpString : public BpObject {
 public:
  BpString(std::string text, bool translate);
  std::string Render() const override;
  std::unique_ptr<BpObject> Clone() const override { return std::make_unique<BpString>(*this); }

 private:
  std::string text_;
  bool translate_;
};

class BpNumber : public BpObject {
 public:
  explicit BpNumber(double value, BpFormat format = BpFormat::kGeneral) : value_(value), format_(format) {}
  std::string Render() const override;
  bool IsNumber() const override { return true; }
  double Number() const override { return value_; }
  std::unique_ptr<BpObject> Clone() const override { return std::make_unique<BpNumber>(*this); }

 private:
  double value_;
  BpFormat format_;
};

// A variable, shown by its label (or its name when it has none).
class BpVariable : public BpObject {
 public:
  BpVariable(const VEXA_Variable* variable, int show);
  std::string Render() const override { return text_; }
  std::unique_ptr<BpObject> Clone() const override { return std::make_unique<BpVariable>(*this); }

 private:
  std::string text_;
};

// A template whose placeholders ^1, ^2, ... are filled by the objects added,
// in order.
class BpComposite : public BpObject {
 public:
  BpComposite(std::string pattern, bool translate);
  void Add(const BpObject& argument);
  void Finish() { finished_ = true; }
  std::string Render() const override;
  std::unique_ptr<BpObject> Clone() const override { return std::make_unique<BpComposite>(*this); }

 private:
  BpString pattern_;
  std::vector<std::string> args_;
  bool finished_ = false;
};

// Shows a message: level 2 a warning, 3 an error.
void BpError(const BpObject& message, int show, int level);
