#pragma once

// One statistic of an aggregation cube: a summary code (StatisticCodes) and
// its parameters. A plain value: the cube keeps copies.
//
// PTILE, GPTILE, MEDIAN, GMEDIAN and the one-limit P.../N... functions take a
// single parameter: whichever of SetPTileCutPoint, SetLowerLimit and
// SetUpperLimit stores it, all three getters report it (the median codes
// start at 50). PIN and NIN keep a lower and an upper limit.
class AggregationStatistic {
 public:
  explicit AggregationStatistic(int summaryStatistic);

  int GetSummaryStatistic() const { return code_; }
  // True for COUNT, RESPONSES and PCTRESPONSES.
  bool IsCountType() const;

  // The column the statistic summarises; -1 (the default) for none.
  void SetVarIndex(int column) { varIndex_ = column; }
  int GetVarIndex() const { return varIndex_; }

  // A percentage strictly between 0 and 100.
  void SetPTileCutPoint(double percent);
  double GetPTileCutPoint() const { return cutPoint_; }
  void SetLowerLimit(double value);
  double GetLowerLimit() const { return lower_; }
  void SetUpperLimit(double value);
  double GetUpperLimit() const { return upper_; }

  // Confidence level in percent of the median interval (code 466); 95 by default.
  void SetCIMedian(double levelPercent) { ciLevel_ = levelPercent; }
  double GetCIMedian() const { return ciLevel_; }

 private:
  bool HasSingleParameter() const;
  void SetSingleParameter(double value);

  int code_;
  int varIndex_ = -1;
  double cutPoint_ = 0;
  double lower_ = 0;
  double upper_ = 0;
  double ciLevel_ = 95;
};
