* Students by hair colour, clustered by eye colour (the data are weighted by Freq).
* Data: data/haireyecolor.
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=Hair Eye COUNT()[NAME="COUNT"]
  /GRAPHSPEC SOURCE=INLINE LABEL='Hair and eye colour'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: Hair = col(source(s), name("Hair"), unit.category())
  DATA: Eye = col(source(s), name("Eye"), unit.category())
  DATA: COUNT = col(source(s), name("COUNT"))
  COORD: rect(dim(1, 2), cluster(3, 0))
  ELEMENT: interval(position(Eye*COUNT*Hair), color.interior(Eye))
END GPL
