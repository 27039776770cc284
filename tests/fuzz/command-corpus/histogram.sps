* The patients' ages at registration. The GPL declares nothing: with one graph
* data set, GGRAPH adds its SOURCE and DATA declarations.
* Data: data/pbc.
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=age
  /GRAPHSPEC SOURCE=INLINE LABEL='Age at registration'.
BEGIN GPL
  ELEMENT: interval(position(summary.count(bin.rect(age))))
END GPL
