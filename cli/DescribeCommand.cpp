#include "cli/DescribeCommand.h"

#include <iostream>

#include "cli/DictionaryReport.h"
#include "cli/RunCommand.h"
#include "engine/data/DataFileLoader.h"

int DescribeDataFile(const DescribeArguments& arguments) {
  LoadedData loaded = LoadDataFile(arguments.dataPath, arguments.dataPath, CsvReadOptions{.delimiter = arguments.delimiter});
  for (const DataProblems::Problem& problem : loaded.problems.All())
    std::cerr << (problem.level == DataProblems::kError ? "error: " : "warning: ") << problem.text << "\n";
  if (!loaded.data) return kExitErrors;
  if (arguments.json)
    std::cout << DictionaryJson(*loaded.data).dump(2) << "\n";
  else
    WriteDictionaryText(*loaded.data, std::cout);
  return kExitOk;
}
