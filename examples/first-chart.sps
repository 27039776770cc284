* The first example: a GGRAPH command with an inline chart.
GGRAPH
  /GRAPHSPEC SOURCE=INLINE.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: x = col(source(s), name("x"))
  ELEMENT: point(position(x))
END GPL
