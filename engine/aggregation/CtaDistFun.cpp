#include "CtaDistFun.h"

#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>

#include "OBS.h"
#include "VEXA_Globals.h"

namespace {

// Report, never throw: an overflow gives infinity, other failures NaN.
using namespace boost::math::policies;
using QuietPolicy = policy<domain_error<errno_on_error>, pole_error<errno_on_error>,
                           overflow_error<errno_on_error>, evaluation_error<errno_on_error>>;

double MissingIfNaN(double value) { return value == value ? value : kSysMiss; }

}  // namespace

double CtaDistFun::IdfT(double probability, double df) {
  if (!(df > 0) || !(probability >= 0 && probability <= 1)) return kSysMiss;
  if (probability == 0) return -VEXA_Globals::infinity;
  if (probability == 1) return VEXA_Globals::infinity;
  const boost::math::students_t_distribution<double, QuietPolicy> t(df);
  return MissingIfNaN(boost::math::quantile(t, probability));
}

double CtaDistFun::IdfBet(double probability, double a, double b) {
  if (!(a > 0 && b > 0) || !(probability >= 0 && probability <= 1)) return kSysMiss;
  return MissingIfNaN(boost::math::ibeta_inv(a, b, probability, QuietPolicy()));
}
