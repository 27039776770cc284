// Writes a large synthetic data package for benchmarks, the same for the same
// arguments on any machine:
//   make_synthetic_data ROWS FOLDER
// FOLDER/cases.csv and FOLDER/datapackage.json. Variables: wave (1..4, sorted,
// the split variable), region (string, 4 values), group (1..10) and store
// (1..50), product (string, 20 values), x (about N(50, 10); 1 % empty, 0.5 %
// coded -9 "Refused", user-missing), y, income (with a user-missing range
// below 0), three 0/1 answers q1..q3 (a set of dichotomies) and w, the weight
// (0.5..2).

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// splitmix64: a small generator whose sequence is fixed by its seed.
class Random {
 public:
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Sum of twelve uniforms less six: about standard normal, without libm.
  double Normal() {
    double sum = 0;
    for (int i = 0; i < 12; ++i) sum += Uniform();
    return sum - 6.0;
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_ = 0x5EED0F6A9A9B1234ull;
};

constexpr const char* kRegions[] = {"North", "South", "East", "West"};

class CsvWriter {
 public:
  explicit CsvWriter(std::FILE* file) : file_(file), buffer_(1 << 20) {}
  ~CsvWriter() { Flush(); }
  void Text(const char* text) { Put(text, std::strlen(text)); }
  void Integer(long value) { Advance(std::to_chars(Here(), Here() + 24, value).ptr); }
  void Number(double value, int decimals) {
    Advance(std::to_chars(Here(), Here() + 48, value, std::chars_format::fixed, decimals).ptr);
  }
  void Separator(char c) {
    buffer_[used_++] = c;
    if (c == '\n' && used_ > buffer_.size() - 1024) Flush();
  }

 private:
  char* Here() { return buffer_.data() + used_; }
  void Advance(char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }
  void Put(const char* text, std::size_t size) {
    std::memcpy(Here(), text, size);
    used_ += size;
  }
  void Flush() {
    std::fwrite(buffer_.data(), 1, used_, file_);
    used_ = 0;
  }

  std::FILE* file_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
};

void WriteCases(long rows, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    std::perror(path.c_str());
    std::exit(1);
  }
  Random random;
  std::vector<std::string> products;
  for (int k = 0; k < 20; ++k) {
    std::string name;
    for (int j = 0; j < 8; ++j) name += static_cast<char>('A' + random.Below(26));
    products.push_back(name);
  }
  {
    CsvWriter out(file);
    out.Text("wave,region,group,store,product,x,y,income,q1,q2,q3,w\n");
    for (long row = 0; row < rows; ++row) {
      out.Integer(1 + row * 4 / rows);
      out.Separator(',');
      out.Text(kRegions[random.Below(4)]);
      out.Separator(',');
      out.Integer(1 + random.Below(10));
      out.Separator(',');
      out.Integer(1 + random.Below(50));
      out.Separator(',');
      out.Text(products[static_cast<std::size_t>(random.Below(20))].c_str());
      out.Separator(',');
      double x = 50.0 + 10.0 * random.Normal();
      int draw = random.Below(200);
      if (draw >= 3) out.Number(draw == 3 ? -9.0 : x, draw == 3 ? 0 : 4);
      out.Separator(',');
      out.Number(0.5 * x + 5.0 * random.Normal(), 4);
      out.Separator(',');
      out.Number(random.Below(100) == 0 ? -99.0 : 20000.0 + 40000.0 * random.Uniform(), 2);
      for (int q = 0; q < 3; ++q) {
        out.Separator(',');
        out.Integer(random.Below(3) == 0 ? 1 : 0);
      }
      out.Separator(',');
      out.Number(0.5 + 1.5 * random.Uniform(), 4);
      out.Separator('\n');
    }
  }
  std::fclose(file);
}

constexpr const char* kPackage = R"({
  "name": "synthetic",
  "title": "Synthetic cases for benchmarks",
  "resources": [{
    "name": "cases",
    "path": "cases.csv",
    "schema": {
      "fields": [
        {"name": "wave", "type": "integer", "title": "Survey wave",
         "categories": [{"value": 1, "label": "Spring"}, {"value": 2, "label": "Summer"},
                        {"value": 3, "label": "Autumn"}, {"value": 4, "label": "Winter"}]},
        {"name": "region", "type": "string", "width": 5, "title": "Region"},
        {"name": "group", "type": "integer", "title": "Group"},
        {"name": "store", "type": "integer", "title": "Store", "measure": "nominal"},
        {"name": "product", "type": "string", "width": 8, "title": "Product"},
        {"name": "x", "type": "number", "title": "Score", "displayFormat": "F8.2",
         "missingValues": [{"value": "-9", "label": "Refused"}]},
        {"name": "y", "type": "number", "title": "Second score", "displayFormat": "F8.2"},
        {"name": "income", "type": "number", "title": "Income", "displayFormat": "DOLLAR10.2",
         "missingRange": {"high": 0}},
        {"name": "q1", "type": "integer", "title": "Bought online",
         "categories": [{"value": 0, "label": "No"}, {"value": 1, "label": "Yes"}]},
        {"name": "q2", "type": "integer", "title": "Bought in a store",
         "categories": [{"value": 0, "label": "No"}, {"value": 1, "label": "Yes"}]},
        {"name": "q3", "type": "integer", "title": "Bought by phone",
         "categories": [{"value": 0, "label": "No"}, {"value": 1, "label": "Yes"}]},
        {"name": "w", "type": "number", "title": "Weight", "displayFormat": "F6.4"}
      ],
      "weightVariable": "w",
      "splitVariables": ["wave"],
      "multipleResponseSets": [
        {"name": "$channels", "type": "dichotomies", "label": "Channels used",
         "variables": ["q1", "q2", "q3"], "countedValue": "1", "enhanced": true, "useCategoryLabels": false}
      ]
    }
  }]
}
)";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::atol(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: make_synthetic_data ROWS FOLDER\n");
    return 2;
  }
  std::filesystem::path folder(argv[2]);
  std::filesystem::create_directories(folder);
  WriteCases(std::atol(argv[1]), (folder / "cases.csv").string());
  std::ofstream(folder / "datapackage.json") << kPackage;
  return 0;
}
