* Ozone against temperature, one chart per month: the data are split by Month.
* Data: data/airquality.
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=Temp Ozone
  /GRAPHSPEC SOURCE=INLINE LABEL='Ozone and temperature'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: Temp = col(source(s), name("Temp"))
  DATA: Ozone = col(source(s), name("Ozone"))
  ELEMENT: point(position(Temp*Ozone))
END GPL
