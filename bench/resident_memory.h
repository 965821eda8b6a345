// The resident memory of the benchmark process, for the memory counters.
#pragma once

namespace qvl::bench {

// Resident memory of the process in MB; 0 when the system does not tell.
double ResidentMb();

}  // namespace qvl::bench
