GGRAPH /GRAPHDATASET NAME="d" VARIABLES=Sepal.Length Petal.Width Species
  /GRAPHSPEC SOURCE=INLINE /FITLINE TOTAL=YES.
BEGIN GPL
  SOURCE: s = userSource(i, name("Species"), unit.category())
  ELEMENT: point(position(x*y), color(c))
END GPL
