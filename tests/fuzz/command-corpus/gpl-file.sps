* The chart's GPL lives in its own file (charts/ozone-by-day.gpl, next to this file).
* Data: data/airquality (split by Month: one chart per month).
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=Day Ozone
  /GRAPHSPEC SOURCE=GPLFILE('charts/ozone-by-day.gpl') LABEL='Daily ozone'.
