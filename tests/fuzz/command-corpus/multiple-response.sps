* How often each clinical sign is present: the multiple-response set $signs
* (ascites, hepato, spiders, counted value 1).
* Data: data/pbc.
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=$signs COUNT()[NAME="COUNT"]
  /GRAPHSPEC SOURCE=INLINE LABEL='Clinical signs present'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: signs = col(source(s), name("$signs"), unit.category())
  DATA: COUNT = col(source(s), name("COUNT"))
  ELEMENT: interval(position(signs*COUNT))
END GPL
