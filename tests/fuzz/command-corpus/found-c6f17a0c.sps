GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=Species MEAN(Sepal.Length)[NAME="m"] MISSING=LI³STWISE
  /GRAPHSPEC SOURCE=INLINE LABEL='Mean sepal length'.
BEGIN GPL
  @@@@@@@@@  GUIDE^ axis(dim(interval(position(Speczes*m
)

r
)



END GPL







LOCA