#include "flight/FlightModels.h"

namespace dh {

FlightModels g_flightModels;

}
