GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=Species MEAN(Sepal.Length)[NAME="m"] MISSING=LISTWISE
  /GRAPHSPEC SOURCE=INLINE LABEL='Mean sepal length'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: Species = col(source(s), name("Species"), unit.category())
  DATA: m = col(source(s), name("m"))
  GUIDE: axis(dim(2), label("Mean"))
  ELEMENT: interval(position(Species*m))
END GPL
