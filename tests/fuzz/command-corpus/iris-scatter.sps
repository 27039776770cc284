GGRAPH /GRAPHDATASET NAME="d" VARIABLES=Sepal.Length Petal.Width Species
  /GRAPHSPEC SOURCE=INLINE /FITLINE TOTAL=YES.
BEGIN GPL
  SOURCE: s = userSource(id("d"))
  DATA: x = col(source(s), name("Sepal.Length"))
  DATA: y = col(source(s), name("Petal.Width"))
  DATA: c = col(source(s), name("Species"), unit.category())
  ELEMENT: point(position(x*y), color(c))
END GPL
