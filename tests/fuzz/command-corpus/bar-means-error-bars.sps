* Mean serum bilirubin per histologic stage, with 95% confidence intervals.
* Data: data/pbc.
GGRAPH
  /GRAPHDATASET NAME="graphdataset"
    VARIABLES=stage MEANCI(bili, 95)[NAME="MEAN_bili" LOW="LOW_bili" HIGH="HIGH_bili"]
  /GRAPHSPEC SOURCE=INLINE LABEL='Mean bilirubin by stage'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: stage = col(source(s), name("stage"), unit.category())
  DATA: MEAN_bili = col(source(s), name("MEAN_bili"))
  DATA: LOW_bili = col(source(s), name("LOW_bili"))
  DATA: HIGH_bili = col(source(s), name("HIGH_bili"))
  GUIDE: axis(dim(2), label("Mean serum bilirubin (mg/dl)"))
  ELEMENT: interval(position(stage*MEAN_bili))
  ELEMENT: interval(position(region.spread.range(stage*(LOW_bili+HIGH_bili))), shape(shape.ibeam))
END GPL
