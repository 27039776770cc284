* A chart from the built-in Bar template: mean age per stage, bars clustered by sex.
* Data: data/pbc.
GGRAPH
  /GRAPHDATASET NAME="graphdataset" VARIABLES=stage sex MEAN(age)[NAME="MEAN_age"]
  /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME='Bar'[LOCATION=LOCAL]
      MAPPING(x=stage y=MEAN_age color=sex))
    VIZSTYLESHEET='Default'[LOCATION=LOCAL] LABEL='Mean age by stage and sex'.
