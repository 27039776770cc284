* Serum albumin against bilirubin, one point per patient, with a linear fit line.
* Data: data/pbc.
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=bili albumin
  /GRAPHSPEC SOURCE=INLINE LABEL='Albumin and bilirubin'
  /FITLINE TOTAL=YES.
BEGIN GPL
  SOURCE: s = userSource(id("graphdataset"))
  DATA: bili = col(source(s), name("bili"))
  DATA: albumin = col(source(s), name("albumin"))
  ELEMENT: point(position(bili*albumin))
END GPL
