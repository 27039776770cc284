* Mean and median serum cholesterol per stage as one series each: VARSTOCASES
* turns the two statistics into rows, told apart by the column "statistic".
* Data: data/pbc.
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=stage MEAN(chol) MEDIAN(chol)
    TRANSFORM=VARSTOCASES(SUMMARY="value" INDEX="statistic")
  /GRAPHSPEC SOURCE=INLINE LABEL='Cholesterol by stage'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: stage = col(source(s), name("stage"), unit.category())
  DATA: value = col(source(s), name("value"))
  DATA: statistic = col(source(s), name("statistic"), unit.category())
  ELEMENT: line(position(stage*value), color(statistic))
END GPL
