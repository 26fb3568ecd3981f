#pragma once

#include "module1.h"

namespace ondavi::bench {

// The factor search done the slow way, for comparison only: every candidate from 1 up to each
// number is tried, and a candidate is a factor when the transcript text of the quotient has no
// decimal point. Lists hold at most 100 factors; Gcf and Lcm are left alone when nothing matches.
void LiteralFindGcf(Module1& m);

}  // namespace ondavi::bench
