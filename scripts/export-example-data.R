# Exports the classic data sets behind examples/data/ to CSV. The
# datapackage.json files beside them hold the dictionaries, written by hand.
#   Rscript scripts/export-example-data.R   (needs r-base-core, r-cran-survival)
suppressPackageStartupMessages(library(survival))
out <- "examples/data"
save <- function(frame, file) write.csv(frame, file.path(out, file), row.names = FALSE, na = "", quote = TRUE)

# Mayo Clinic primary biliary cholangitis trial; the 106 patients who were not
# randomised have no treatment: coded 9 there.
p <- pbc
p$trt[is.na(p$trt)] <- 9L
save(p, "pbc/pbc.csv")

# New York air quality, May to September 1973, sorted by month (a split file).
a <- airquality
a$Date <- sprintf("1973-%02d-%02d", a$Month, a$Day)
save(a[, c("Date", "Month", "Day", "Ozone", "Solar.R", "Wind", "Temp")], "airquality/airquality.csv")

# Titanic passengers and crew by class, sex, age and survival, one row per
# cell with its count (the weight), sorted by sex (a split file).
t <- as.data.frame(Titanic, stringsAsFactors = FALSE)
save(t[order(t$Sex, decreasing = TRUE), ], "titanic/titanic.csv")

# Hair and eye colour of statistics students, one row per cell with its count.
h <- as.data.frame(HairEyeColor, stringsAsFactors = FALSE)
save(h, "haireyecolor/haireyecolor.csv")

# Fisher's iris measurements: a plain CSV file without a dictionary.
save(iris, "iris.csv")
