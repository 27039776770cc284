* The first example: a GGRAPH command with an inline chart.
GGRAPH
  /GRAPHSPEC SOURCE=INLINE.
