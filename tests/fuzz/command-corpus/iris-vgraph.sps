VGRAPH /GRAPHDATASET NAME="d" VARIABLES=Species COUNT()
  /GRAPHSPEC SOURCE=INLINE.
BEGIN GPL
  SOURCE: s = userSource(id("d"))
  DATA: x = col(source(s), name("Species"), unit.category())
  DATA: y = col(source(s), name("COUNT"))
  ELEMENT: interval(position(x*y))
END GPL
