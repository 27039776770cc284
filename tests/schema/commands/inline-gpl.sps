* A chart from inline GPL.
GGRAPH
  /GRAPHSPEC SOURCE=INLINE.
BEGIN GPL
  ELEMENT: point(position(x*y))
END GPL
