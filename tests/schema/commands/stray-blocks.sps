* Blocks outside their commands raise engine errors.
BEGIN GPL
ELEMENT: point(position(x*y))
END GPL
BEGIN GRAPHSRV
{"chart": "bar"}
END GRAPHSRV
NOSUCHCOMMAND.
