GGRAPH
  /GRAPHDATASET NAME="graphda‹aset" VARIABLES=Species MEAN(Sepal.Length)[NAME="m"] MISSING=LISTWISE
  /GRAPHSPEC SOURCE=INLINE LABEL='Mean sepal length'.
BEGIN GPL
  SOURCE: s = userQource
  DATA: m = col(source(s), naíi("m"))
  ELEMENT: interval(position(Species*m))
END GPL
