* Patients per treatment arm in stages 3 and 4 only: DATAFILTER keeps the two stages.
* Data: data/pbc.
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=trt COUNT()[NAME="COUNT"]
    DATAFILTER=stage(VALUES=3 4)
  /GRAPHSPEC SOURCE=INLINE LABEL='Late-stage patients by treatment'.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: trt = col(source(s), name("trt"), unit.category())
  DATA: COUNT = col(source(s), name("COUNT"))
  ELEMENT: interval(position(trt*COUNT))
END GPL
